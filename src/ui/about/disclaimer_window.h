#pragma once

#include <QDialog>

#include "ui/context.h"

class QCheckBox;

namespace vornexa {

// frmDisclaimer: the liability disclaimer, with the choice to stop showing it at start-up.
class DisclaimerWindow : public QDialog {
    Q_OBJECT

  public:
    explicit DisclaimerWindow(UiContext& context, QWidget* parent = nullptr);

    // OK, Escape and the close box all end here.
    void done(int result) override;

  private:
    void Form_Load();

    AppState& state_;
    QCheckBox* chkShow_ = nullptr;
};

}  // namespace vornexa

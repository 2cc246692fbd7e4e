#pragma once

#include <QDialog>

#include "ui/context.h"

class QButtonGroup;
class QGroupBox;

namespace vornexa {

// frmConvert: converts the project in memory to the other unit system, under a
// new name and unsaved, for the user to save. The caller refreshes its caption.
class FileConversionDialog : public QDialog {
    Q_OBJECT

  public:
    FileConversionDialog(UiContext& context, QWidget* parent = nullptr);

    void Command2_Click();
    // Every way of closing (Convert, Cancel, Escape, the close box) ends here.
    void done(int result) override;

  private:
    QGroupBox* CreateUnitsFrame();
    QGroupBox* CreateFileFrame();
    QLayout* CreateButtons();
    void Form_Load();

    AppState& state_;
    QButtonGroup* Option1_ = nullptr;
    QButtonGroup* Option2_ = nullptr;
};

}  // namespace vornexa

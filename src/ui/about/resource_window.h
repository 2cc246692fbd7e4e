#pragma once

#include <QDialog>

#include "ui/context.h"

namespace vornexa {

// frmResource: one button per reference document, each opening it in the desktop's viewer.
class ResourceWindow : public QDialog {
    Q_OBJECT

  public:
    explicit ResourceWindow(UiContext& context, QWidget* parent = nullptr);

    void cmdView_Click(int index);

  private:
    void Form_Load();

    UiContext& context_;
};

}  // namespace vornexa

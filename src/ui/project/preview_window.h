#pragma once

#include <QDialog>

#include "ui/context.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace vornexa {

// frmPreview: the project data (output slot 0) before it is printed, and the
// printed pages themselves in a page preview.
class PreviewWindow : public QDialog {
    Q_OBJECT

  public:
    PreviewWindow(UiContext& context, QWidget* parent = nullptr);

  private:
    QLayout* CreateButtons();

    void Form_Load();
    void Command2_Click();
    void Command3_Click();
    void cmdPagePreview_Click();
    // Prints the text shown; the page preview paints through it too.
    void PrintShownText(QPrinter& printer);

    UiContext& context_;
    AppState& state_;

    QPlainTextEdit* RichTextBox1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* cmdPagePreview_ = nullptr;
    QPushButton* Command8_ = nullptr;
};

}  // namespace vornexa

#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

#include "ui/context.h"

class QPlainTextEdit;
class QPushButton;

namespace vornexa {

// frmTxtBox: pages through the output slots, copies and prints them.
class OutputWindow : public QDialog {
    Q_OBJECT

  public:
    OutputWindow(UiContext& context, QWidget* parent = nullptr);

    int16_t currentPage() const { return CurrentPage_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* CreateButton(const QString& caption, const char* name);
    QLayout* CreateButtons();

    void Form_Load();
    void Loadbuffer();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void PrintPages(int16_t from, int16_t to);
    std::string SlotsText(int16_t from, int16_t to) const;

    UiContext& context_;
    AppState& state_;
    int16_t CurrentPage_ = 0;
    bool CommandCancelled_ = false;

    QPlainTextEdit* RichTextBox1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QPushButton* Command5_ = nullptr;
    QPushButton* Command6_ = nullptr;
    QPushButton* Command7_ = nullptr;
    QPushButton* Command8_ = nullptr;
};

}  // namespace vornexa

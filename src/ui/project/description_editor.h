#pragma once

#include <QDialog>

#include <string>

#include "ui/context.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vornexa {

// frmVORNDesc: the project title, the description and, while the project holds
// no data, its unit system. One instance per opening: it loads when built and
// writes the project record (if accepted) when it closes.
class DescriptionEditor : public QDialog {
    Q_OBJECT

  public:
    DescriptionEditor(UiContext& context, QWidget* parent = nullptr);

    // Every way of closing (OK, Cancel, Escape, the close box) ends here.
    void done(int result) override;
    // Accepted by "Next form": the parameters dialog is to follow.
    bool nextFormChosen() const { return nextForm_; }

  private:
    QGroupBox* CreateTextFrame();
    QGroupBox* CreateUnitsFrame();
    QLayout* CreateButtons();
    void SetTabOrder();

    void Form_Load();
    void Form_Unload(bool accepted);
    void Command2_Click();
    void Command3_Click();
    void CentreOnScreen();

    AppState& state_;
    bool unloaded_ = false;
    bool nextForm_ = false;

    QLineEdit* Text1_ = nullptr;
    QPlainTextEdit* Text2_ = nullptr;
    QButtonGroup* Option1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
};

// The description as the field shows it: every CR LF, lone CR or lone LF becomes "\n".
QString DescriptionToField(const std::string& description);
// The field's text with each line break as CR LF; nothing is added or dropped, so
// an untouched description comes back byte for byte.
std::string DescriptionFromField(const QString& text);

}  // namespace vornexa

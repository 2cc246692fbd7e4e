#include "ui/project/description_editor.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/project_commands.h"
#include "core/tables.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kMessageSlot = 1;
constexpr int kUnitCount = 2;

// The typed text with "\n" line breaks. Not toPlainText: it turns no-break
// spaces into plain ones.
QString FieldText(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}

}  // namespace

QString DescriptionToField(const std::string& description) {
    QString text = QString::fromStdString(description);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string DescriptionFromField(const QString& text) {
    const std::string typed = text.toStdString();
    std::string out;
    out.reserve(typed.size() + typed.size() / 16);
    for (size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (c == '\r' || c == '\n') {
            out += kCrLf;
            if (c == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += c;
        }
    }
    return out;
}

DescriptionEditor::DescriptionEditor(UiContext& context, QWidget* parent)
    : QDialog(parent), state_(context.state) {
    setObjectName(QStringLiteral("frmVORNDesc"));
    setWindowTitle(tr("Project description"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateTextFrame(), 1);
    layout->addWidget(CreateUnitsFrame());
    layout->addLayout(CreateButtons());
    SetTabOrder();
    Text1_->setFocus();

    Form_Load();
}

QGroupBox* DescriptionEditor::CreateTextFrame() {
    auto* frame = new QGroupBox(tr("Title and description"), this);
    frame->setObjectName(QStringLiteral("Frame1"));

    Text1_ = new QLineEdit(frame);
    Text1_->setObjectName(QStringLiteral("Text1"));
    auto* label1 = new QLabel(tr("&Title"), frame);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(Text1_);

    Text2_ = new QPlainTextEdit(frame);
    Text2_->setObjectName(QStringLiteral("Text2"));
    Text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the unit choice, as the keyboard order of the form promises.
    Text2_->setTabChangesFocus(true);
    Text2_->setMinimumSize(440, 180);
    auto* label2 = new QLabel(tr("&Description"), frame);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setBuddy(Text2_);

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(label1);
    layout->addWidget(Text1_);
    layout->addWidget(label2);
    layout->addWidget(Text2_, 1);
    return frame;
}

QGroupBox* DescriptionEditor::CreateUnitsFrame() {
    auto* frame = new QGroupBox(tr("Current units"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    Option1_ = new QButtonGroup(frame);
    auto* layout = new QHBoxLayout(frame);
    for (int units = 0; units < kUnitCount; ++units) {
        auto* option = new QRadioButton(
            QString::fromUtf8(kUnitSystemNames[static_cast<size_t>(units)]), frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(units));
        Option1_->addButton(option, units);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    return frame;
}

QLayout* DescriptionEditor::CreateButtons() {
    Command2_ = new QPushButton(tr("OK"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setDefault(true);
    Command1_ = new QPushButton(tr("Cancel"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command3_ = new QPushButton(tr("Help"), this);
    Command3_->setObjectName(QStringLiteral("Command3"));
    Command4_ = new QPushButton(tr("&Next form"), this);
    Command4_->setObjectName(QStringLiteral("Command4"));
    Command4_->setAutoDefault(false);

    connect(Command2_, &QPushButton::clicked, this, &DescriptionEditor::Command2_Click);
    connect(Command1_, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command3_, &QPushButton::clicked, this, &DescriptionEditor::Command3_Click);
    connect(Command4_, &QPushButton::clicked, this, [this] {
        nextForm_ = true;
        accept();
    });

    auto* layout = new QHBoxLayout;
    layout->addStretch(1);
    layout->addWidget(Command2_);
    layout->addWidget(Command4_);
    layout->addWidget(Command1_);
    layout->addWidget(Command3_);
    return layout;
}

void DescriptionEditor::SetTabOrder() {
    QWidget::setTabOrder(Text1_, Text2_);
    QWidget::setTabOrder(Text2_, Option1_->button(0));
    QWidget::setTabOrder(Option1_->button(0), Option1_->button(1));
    QWidget::setTabOrder(Option1_->button(1), Command2_);
    QWidget::setTabOrder(Command2_, Command4_);
    QWidget::setTabOrder(Command4_, Command1_);
    QWidget::setTabOrder(Command1_, Command3_);
}

void DescriptionEditor::Form_Load() {
    state_.messages.SetMessageTitles(kMessageSlot);
    state_.messages.LogMessage("Editing Project Description");
    const ProjectRecord& p = state_.project;
    Text1_->setText(QString::fromStdString(p.ProjTitle));
    Text2_->setPlainText(DescriptionToField(p.ProjDesc));
    for (QAbstractButton* option : Option1_->buttons()) {
        option->setEnabled(!p.UnitsLocked);
    }
    // An out-of-range unit code would leave no option to read back; English stands in.
    const int current = p.CurrentUnits == 1 ? 1 : 0;
    Option1_->button(current)->setChecked(true);
    Option1_->button(current)->setEnabled(true);
    CentreOnScreen();
}

void DescriptionEditor::CentreOnScreen() {
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    const WindowPosition pos =
        CentreWindow(area.width(), area.height(), frame.width(), frame.height());
    move(area.left() + pos.left, area.top() + pos.top);
}

void DescriptionEditor::Command2_Click() {
    accept();
}

void DescriptionEditor::Command3_Click() {
    state_.messages.ShowMessage(
        "Position the cursor on any item on the form and press F1 for context-sensitive Help",
        msg::kExclamation, "Help");
}

void DescriptionEditor::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload(result == QDialog::Accepted);
    }
    QDialog::done(result);
}

void DescriptionEditor::Form_Unload(bool accepted) {
    if (!accepted) {
        state_.messages.LogMessage("Project Description Not Modified");
        return;
    }
    ProjectRecord& p = state_.project;
    const int selected = Option1_->checkedId();
    if (selected != p.CurrentUnits) {
        p.CurrentUnits = static_cast<int16_t>(selected);
        FileNew(state_, true, false);
    }
    p.ProjTitle = Text1_->text().toStdString();
    p.ProjDesc = DescriptionFromField(FieldText(*Text2_));
    state_.messages.LogMessage("Project Description Modified");
    p.IsSaved = false;
    p.IsEmpty = false;
    p.UnitsLocked = true;
}

}  // namespace vornexa

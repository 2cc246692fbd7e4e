#include "ui/services/window_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "util/app_error.h"
#include "util/messages.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kFieldColumns = 82;
constexpr int kFieldRows = 24;
constexpr int kFieldPointSize = 10;

// Lives as a child of its box, so it goes with it.
class FieldFilter : public QObject {
  public:
    FieldFilter(QLineEdit& box, bool numeric) : QObject(&box), numeric_(numeric) {
        box.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus, or the click would clear the selection.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        } else if (numeric_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
            if (!shortcut && typed.size() == 1 && typed[0].isPrint() && !AcceptKey(*box, typed)) {
                return true;
            }
        }
        return false;
    }

  private:
    static bool AcceptKey(const QLineEdit& box, const QString& typed) {
        if (typed[0].unicode() > 127) {
            return false;
        }
        // The key replaces the selection; what stands before it must stay a number.
        const int at = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
        const std::string before = box.text().left(at).toStdString();
        return FilterNumericKey(typed[0].unicode(), before) != 0;
    }

    bool numeric_;
};

}  // namespace

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* AddRegionRow(QGridLayout& grid, const QString& caption, int columns) {
    QWidget* frame = grid.parentWidget();
    auto* box = new QComboBox(frame);
    box->setObjectName(QStringLiteral("cmbRegion"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // A completer would fill in a region the user has not finished typing.
    box->setCompleter(nullptr);
    auto* label = new QLabel(caption, frame);
    label->setObjectName(QStringLiteral("lblRegion"));
    label->setBuddy(box);
    grid.addWidget(label, 0, 0);
    grid.addWidget(box, 0, 1, 1, columns);
    return box;
}

void SelectAllOnFocus(QLineEdit& box) {
    new FieldFilter(box, false);
}

void MakeNumericField(QLineEdit& box) {
    new FieldFilter(box, true);
}

bool RunStep(Messenger& messages, bool& cancelled, const std::function<void()>& step) {
    for (;;) {
        try {
            step();
            return true;
        } catch (const AppError& error) {
            while (QApplication::overrideCursor() != nullptr) {
                QApplication::restoreOverrideCursor();
            }
            switch (messages.HandleError(error, true)) {
                case ErrorAction::Retry:
                    continue;
                case ErrorAction::Continue:
                    return true;
                case ErrorAction::Cancelled:
                    cancelled = true;
                    return true;
                default:
                    return false;
            }
        }
    }
}

void ReportCancelledDialog(Messenger& messages, bool& cancelled) {
    RunStep(messages, cancelled,
            [] { throw AppError(err::kDialogCancelled, ErrorDescription(err::kDialogCancelled)); });
}

void ShowHelpHint(Messenger& messages) {
    messages.ShowMessage(
        "Position the cursor on any item on the form and press F1 for context-sensitive Help",
        msg::kExclamation, "Help");
}

QPushButton* CreateCommandButton(QWidget* parent, const QString& caption, const char* name,
                                 const std::function<void()>& click) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, click);
    return button;
}

QHBoxLayout* CreateCommandRow(QWidget* parent, std::initializer_list<CommandEntry> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const CommandEntry& b : buttons) {
        QPushButton* button = CreateCommandButton(parent, b.caption, b.name, b.click);
        if (&b == buttons.begin()) {
            button->setDefault(true);
        }
        row->addWidget(button);
    }
    return row;
}

NoticeChoiceRow CreateNoticeChoiceRow(QDialog& dialog, const QString& choiceCaption) {
    auto* choice = new QCheckBox(choiceCaption, &dialog);
    choice->setObjectName(QStringLiteral("chkShow"));
    auto* ok = new QPushButton(QDialog::tr("OK"), &dialog);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QHBoxLayout;
    layout->addWidget(choice);
    layout->addStretch(1);
    layout->addWidget(ok);
    return {layout, choice, ok};
}

void CentreOnScreen(QWidget& window) {
    window.adjustSize();
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent != nullptr ? parent->screen() : window.screen();
    const QRect area = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    const WindowPosition pos =
        CentreWindow(area.width(), area.height(), frame.width(), frame.height());
    window.move(area.left() + pos.left, area.top() + pos.top);
}

QPlainTextEdit* CreateOutputField(QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(QStringLiteral("RichTextBox1"));
    QFont font(QStringLiteral("Courier New"), kFieldPointSize);
    // Where Courier New is missing, any fixed-pitch face keeps the report's columns.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(kFieldPointSize);
    }
    field->setFont(font);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setReadOnly(true);
    const QFontMetrics metrics(font);
    field->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * kFieldColumns,
                          metrics.lineSpacing() * kFieldRows);
    return field;
}

QString OutputToField(const std::string& text) {
    QString field = QString::fromStdString(text);
    field.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return field;
}

bool FontFamilyInstalled(const QString& family) {
    constexpr std::pair<const char*, const char*> kStandIns[] = {
        {"Arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"}};
    const QStringList families = QFontDatabase::families();
    if (families.contains(family, Qt::CaseInsensitive)) {
        return true;
    }
    for (const auto& [font, standIn] : kStandIns) {
        if (family.compare(QLatin1String(font), Qt::CaseInsensitive) == 0) {
            return families.contains(QLatin1String(standIn), Qt::CaseInsensitive);
        }
    }
    return false;
}

void CopyToClipboard(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

void CopyDialogSnapshot(QWidget& window, Messenger& messages) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(window.grab().toImage());
    messages.ShowMessage("Screenshot of dialog copied to clipboard", msg::kOkOnly, "Message");
}

float BoxAzimuth(const QLineEdit& box) {
    return static_cast<float>(LeadingNumber(TrimBlanks(box.text().toStdString())));
}

}  // namespace vornexa

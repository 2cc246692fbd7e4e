#include "ui/window_support.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>

#include "util/app_error.h"
#include "util/messages.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kFieldColumns = 82;
constexpr int kFieldRows = 24;
constexpr int kFieldPointSize = 10;

}  // namespace

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

}  // namespace vornexa

#include "ui/about/disclaimer_window.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "core/app_state.h"
#include "core/program_release.h"
#include "ui/services/window_support.h"

namespace vornexa {
namespace {

constexpr int kTextColumns = 64;
constexpr int kTextLines = 20;

}  // namespace

DisclaimerWindow::DisclaimerWindow(UiContext& context, QWidget* parent)
    : QDialog(parent), state_(context.state) {
    setObjectName(QStringLiteral("frmDisclaimer"));

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("lblDisclaimer"));
    text->setReadOnly(true);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics = text->fontMetrics();
    const QSize area = screen()->availableGeometry().size() * 3 / 4;
    text->setMinimumSize(std::min(metrics.averageCharWidth() * kTextColumns, area.width()),
                         std::min(metrics.lineSpacing() * kTextLines, area.height()));

    const NoticeChoiceRow row =
        CreateNoticeChoiceRow(*this, tr("&Do not show this disclaimer again"));
    chkShow_ = row.choice;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(row.layout);

    Form_Load();
    row.ok->setFocus();
}

void DisclaimerWindow::Form_Load() {
    findChild<QPlainTextEdit*>(QStringLiteral("lblDisclaimer"))
        ->setPlainText(OutputToField(DisclaimerText()));
    setWindowTitle(tr("Disclaimer") + QStringLiteral(" for ") +
                   QString::fromStdString(state_.exeName));
    CentreOnScreen(*this);
}

void DisclaimerWindow::done(int result) {
    SaveStartupChoice(state_, &SettingsRecord::ShowDisclaim, chkShow_->isChecked());
    QDialog::done(result);
}

}  // namespace vornexa

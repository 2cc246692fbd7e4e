#include "ui/about/disclaimer_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
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

    chkShow_ = new QCheckBox(tr("&Do not show this disclaimer again"), this);
    chkShow_->setObjectName(QStringLiteral("chkShow"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkShow_);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);

    Form_Load();
    ok->setFocus();
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

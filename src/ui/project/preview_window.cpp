#include "ui/project/preview_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "ui/services/window_support.h"

namespace vornexa {

PreviewWindow::PreviewWindow(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), state_(context.state) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Print Preview"));

    RichTextBox1_ = CreateOutputField(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichTextBox1_, 1);
    layout->addLayout(CreateButtons());

    Form_Load();
}

QLayout* PreviewWindow::CreateButtons() {
    Command1_ = new QPushButton(tr("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command2_ = new QPushButton(tr("&Copy to Clipboard"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command3_ = new QPushButton(tr("&Print"), this);
    Command3_->setObjectName(QStringLiteral("Command3"));
    cmdPagePreview_ = new QPushButton(tr("Page Pre&view..."), this);
    cmdPagePreview_->setObjectName(QStringLiteral("cmdPagePreview"));
    Command8_ = new QPushButton(tr("Help"), this);
    Command8_->setObjectName(QStringLiteral("Command8"));

    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2_, &QPushButton::clicked, this, &PreviewWindow::Command2_Click);
    connect(Command3_, &QPushButton::clicked, this, &PreviewWindow::Command3_Click);
    connect(cmdPagePreview_, &QPushButton::clicked, this, &PreviewWindow::cmdPagePreview_Click);
    connect(Command8_, &QPushButton::clicked, this, [this] { ShowHelpHint(state_.messages); });

    auto* layout = new QHBoxLayout;
    layout->addWidget(Command1_);
    layout->addWidget(Command2_);
    layout->addWidget(Command3_);
    layout->addWidget(cmdPagePreview_);
    layout->addStretch(1);
    layout->addWidget(Command8_);
    return layout;
}

void PreviewWindow::Form_Load() {
    RichTextBox1_->setReadOnly(true);
    RichTextBox1_->setEnabled(true);
    RichTextBox1_->setPlainText(OutputToField(state_.outBuf[0]));
    state_.messages.LogMessage("Preview displayed");
    CentreOnScreen(*this);
}

void PreviewWindow::Command2_Click() {
    CopyToClipboard(state_.outBuf[0]);
    state_.messages.LogMessage("Output copied to clipboard");
}

void PreviewWindow::Command3_Click() {
    if (context_.printer.Available()) {
        PrintShownText(context_.printer.get());
    }
}

void PreviewWindow::cmdPagePreview_Click() {
    if (context_.printer.Available()) {
        context_.printer.Preview(this, [this](QPrinter& printer) { PrintShownText(printer); });
    }
}

void PreviewWindow::PrintShownText(QPrinter& printer) {
    bool cancelled = false;
    RunStep(state_.messages, cancelled, [&] {
        context_.printer.PrintText(printer, state_.exeName, state_.outBuf[0],
                                   QDateTime::currentDateTime());
    });
}

}  // namespace vornexa

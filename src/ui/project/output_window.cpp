#include "ui/project/output_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "ui/services/window_support.h"

namespace vornexa {

OutputWindow::OutputWindow(UiContext& context, QWidget* parent)
    : QDialog(parent), context_(context), state_(context.state) {
    setObjectName(QStringLiteral("frmTxtBox"));
    setWindowTitle(tr("Calculation Results"));

    RichTextBox1_ = CreateOutputField(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichTextBox1_, 1);
    layout->addLayout(CreateButtons());

    Form_Load();
}

QPushButton* OutputWindow::CreateButton(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLayout* OutputWindow::CreateButtons() {
    Command5_ = CreateButton(tr("P&revious Page"), "Command5");
    Command4_ = CreateButton(tr("&Next Page"), "Command4");
    Command2_ = CreateButton(tr("&Copy Page"), "Command2");
    Command7_ = CreateButton(tr("Cop&y All"), "Command7");
    Command3_ = CreateButton(tr("&Print Page"), "Command3");
    Command6_ = CreateButton(tr("Print &All"), "Command6");
    Command8_ = CreateButton(tr("Help"), "Command8");
    Command1_ = CreateButton(tr("Close"), "Command1");

    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2_, &QPushButton::clicked, this, &OutputWindow::Command2_Click);
    connect(Command3_, &QPushButton::clicked, this, &OutputWindow::Command3_Click);
    connect(Command4_, &QPushButton::clicked, this, &OutputWindow::Command4_Click);
    connect(Command5_, &QPushButton::clicked, this, &OutputWindow::Command5_Click);
    connect(Command6_, &QPushButton::clicked, this, &OutputWindow::Command6_Click);
    connect(Command7_, &QPushButton::clicked, this, &OutputWindow::Command7_Click);
    connect(Command8_, &QPushButton::clicked, this, [this] { ShowHelpHint(state_.messages); });

    auto* layout = new QHBoxLayout;
    for (QPushButton* button : {Command5_, Command4_, Command2_, Command7_, Command3_, Command6_}) {
        layout->addWidget(button);
    }
    layout->addStretch(1);
    layout->addWidget(Command8_);
    layout->addWidget(Command1_);
    return layout;
}

void OutputWindow::Form_Load() {
    CurrentPage_ = 0;
    Command4_Click();
    state_.messages.LogMessage("Results displayed");
    CentreOnScreen(*this);
}

void OutputWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Command4_->isEnabled()) {
        Command4_->setFocus();
    }
}

void OutputWindow::Loadbuffer() {
    RichTextBox1_->setReadOnly(true);
    RichTextBox1_->setEnabled(true);
    RichTextBox1_->setPlainText(OutputToField(state_.outBuf[static_cast<size_t>(CurrentPage_)]));
}

void OutputWindow::Command2_Click() {
    CopyToClipboard(state_.outBuf[static_cast<size_t>(CurrentPage_)]);
    state_.messages.LogMessage("Output page # " + std::to_string(CurrentPage_) +
                               "copied to clipboard");
}

void OutputWindow::Command3_Click() {
    state_.messages.LogMessage("Current page printed");
    PrintPages(CurrentPage_, CurrentPage_);
    Loadbuffer();
}

void OutputWindow::Command4_Click() {
    if (CurrentPage_ < kOutPageMax) {
        ++CurrentPage_;
        Loadbuffer();
    }
    Command5_->setEnabled(true);
    Command4_->setEnabled(CurrentPage_ < kOutPageMax);
}

void OutputWindow::Command5_Click() {
    if (CurrentPage_ > 0) {
        --CurrentPage_;
        Loadbuffer();
    }
    Command4_->setEnabled(true);
    Command5_->setEnabled(CurrentPage_ > 0);
}

void OutputWindow::Command6_Click() {
    state_.messages.LogMessage("All pages printed");
    PrintPages(0, kOutPageMax);
    Loadbuffer();
}

void OutputWindow::Command7_Click() {
    CopyToClipboard(SlotsText(0, kOutPageMax));
    state_.messages.LogMessage("Output copied to clipboard");
}

void OutputWindow::PrintPages(int16_t from, int16_t to) {
    CommandCancelled_ = false;
    if (!context_.printer.Available()) {
        return;
    }
    if (!context_.dialogs.ChoosePrinter(this, context_.printer.get(), false)) {
        ReportCancelledDialog(state_.messages, CommandCancelled_);
    }
    if (CommandCancelled_) {
        state_.messages.LogMessage("Printing aborted");
        return;
    }
    RunStep(state_.messages, CommandCancelled_, [&] {
        context_.printer.PrintText(context_.printer.get(), state_.exeName, SlotsText(from, to),
                                   QDateTime::currentDateTime());
    });
}

std::string OutputWindow::SlotsText(int16_t from, int16_t to) const {
    std::string text;
    for (int16_t slot = from; slot <= to; ++slot) {
        text += state_.outBuf[static_cast<size_t>(slot)];
    }
    return text;
}

}  // namespace vornexa

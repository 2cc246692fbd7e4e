#include "ui/utilities/file_conversion_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/app_state.h"
#include "core/project_commands.h"
#include "ui/services/window_support.h"

namespace vornexa {
namespace {

constexpr int kMessageSlot = 13;

QGroupBox* CreateOptionFrame(QWidget* parent, const QString& caption, const char* frameName,
                             const char* groupName, const QStringList& captions,
                             QButtonGroup*& group) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(frameName));
    auto* layout = new QVBoxLayout(frame);
    group = new QButtonGroup(frame);
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(groupName)).arg(i));
        group->addButton(option, i);
        layout->addWidget(option);
    }
    return frame;
}

}  // namespace

FileConversionDialog::FileConversionDialog(UiContext& context, QWidget* parent)
    : QDialog(parent), state_(context.state) {
    setObjectName(QStringLiteral("frmConvert"));
    setWindowTitle(tr("File Conversion Utility"));
    auto* layout = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(CreateUnitsFrame());
    frames->addWidget(CreateFileFrame());
    layout->addLayout(frames);
    layout->addLayout(CreateButtons());
    Form_Load();
}

QGroupBox* FileConversionDialog::CreateUnitsFrame() {
    return CreateOptionFrame(this, tr("Units"), "Frame1", "Option1",
                             {tr("&feet, psi, pcf"), tr("&meters, MPa, kN/m3")}, Option1_);
}

QGroupBox* FileConversionDialog::CreateFileFrame() {
    return CreateOptionFrame(this, tr("File options"), "Frame2", "Option2",
                             {tr("&Load converted project "), tr("&Keep original project")},
                             Option2_);
}

QLayout* FileConversionDialog::CreateButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* convert =
        CreateCommandButton(this, tr("Con&vert"), "Command2", [this] { Command2_Click(); });
    convert->setDefault(true);
    row->addWidget(convert);
    row->addWidget(CreateCommandButton(this, tr("Cancel"), "Command1", [this] { reject(); }));
    // A Help button that did nothing would look broken: it gives the usual hint.
    row->addWidget(CreateCommandButton(this, tr("&Help"), "Command3",
                                       [this] { ShowHelpHint(state_.messages); }));
    return row;
}

void FileConversionDialog::Form_Load() {
    state_.messages.SetMessageTitles(kMessageSlot);
    state_.messages.LogMessage("Loading File Conversion Form");
    for (int i = 0; i < 2; ++i) {
        QAbstractButton* option = Option1_->button(i);
        const bool current = i == state_.project.CurrentUnits;
        option->setChecked(!current);
        option->setEnabled(!current);
    }
    Option2_->button(state_.ConvertFileOption)->setChecked(true);
    // Keeping the original beside the converted project is not offered.
    Option2_->button(1)->setEnabled(false);
    CentreOnScreen(*this);
}

void FileConversionDialog::Command2_Click() {
    const int target = Option1_->checkedId();
    if (target < 0) {
        return;
    }
    state_.messages.ShowMessage(ConvertProjectUnits(state_, target)
                                    ? "Conversion Completed: The conversion form will be closed"
                                    : "Error in the Conversion Procedure. Call technical support");
    accept();
}

void FileConversionDialog::done(int result) {
    state_.ConvertFileOption = static_cast<int16_t>(std::max(0, Option2_->checkedId()));
    QDialog::done(result);
}

}  // namespace vornexa

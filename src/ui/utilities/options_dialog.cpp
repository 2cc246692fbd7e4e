#include "ui/utilities/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/tables.h"
#include "ui/services/file_association.h"
#include "ui/services/window_support.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kMessageSlot = 7;
constexpr double kMaxAzimuth = 360;
constexpr double kMaxTolerance = 90;

}  // namespace

OptionsDialog::OptionsDialog(UiContext& context, QWidget* parent)
    : QDialog(parent), state_(context.state), desktop_(context.desktop) {
    setObjectName(QStringLiteral("frmVORNOpts"));
    setWindowTitle(tr("Options"));

    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    // The page not shown is hidden, so its controls drop out of the focus order.
    SSTab1_->addTab(CreateEditPrintTab(), tr("&Edit / Print options"));
    SSTab1_->addTab(CreateDefaultsTab(), tr("&Default Options"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_);
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

QWidget* OptionsDialog::CreateEditPrintTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(CreateEditFrame());
    layout->addWidget(CreatePrintFrame());
    layout->addWidget(CreateAssociationFrame());
    layout->addStretch(1);
    return page;
}

QGroupBox* OptionsDialog::CreateEditFrame() {
    auto* frame = new QGroupBox(tr("Edit menu options"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    new QVBoxLayout(frame);
    AddCheck(frame, &AnalysisOptions::ShowInputScreenOnLoad,
             tr("&Load the input form on file open / file new"), "Check1");
    AddCheck(frame, &AnalysisOptions::OpenViewWithLoad,
             tr("&Show stress orientation view when loading the input form"), "Check2");
    AddCheck(frame, &AnalysisOptions::AutoPositionView,
             tr("&Auto position the stress orientation view window"), "Check4");
    AddCheck(frame, &AnalysisOptions::EnableStressGraph,
             tr("Enable &plot of stress graph in new files"), "Check5");
    AddCheck(frame, &AnalysisOptions::AutoPositionStress,
             tr("Auto position the stress &graph window"), "Check6");
    return frame;
}

QGroupBox* OptionsDialog::CreatePrintFrame() {
    auto* frame = new QGroupBox(tr("Print/Plot options"), this);
    frame->setObjectName(QStringLiteral("Frame4"));
    new QVBoxLayout(frame);
    AddCheck(frame, &AnalysisOptions::EnableGraphToolbar,
             tr("Enable the graph &toolbar in the graph window"), "Check7");
    AddCheck(frame, &AnalysisOptions::PrintModuleHeader, tr("Print module &version information"),
             "Check3");
    return frame;
}

QGroupBox* OptionsDialog::CreateAssociationFrame() {
    auto* frame = new QGroupBox(tr("Create a file association"), this);
    frame->setObjectName(QStringLiteral("Frame18"));
    auto* row = new QHBoxLayout(frame);
    row->addWidget(CreateCommandButton(frame, tr("C&reate file association"), "cmdFileAssoc",
                                       [this] { CreateFileAssociation(state_, desktop_); }));
    row->addStretch(1);
    return frame;
}

void OptionsDialog::AddCheck(QGroupBox* frame, int16_t AnalysisOptions::*option,
                             const QString& caption, const char* name) {
    auto* box = new QCheckBox(caption, frame);
    box->setObjectName(QString::fromLatin1(name));
    frame->layout()->addWidget(box);
    checks_.push_back({option, box});
}

QWidget* OptionsDialog::CreateDefaultsTab() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(CreateDevelFrame());
    layout->addWidget(CreateLongwallFrame());
    layout->addStretch(1);
    return page;
}

QGroupBox* OptionsDialog::CreateDevelFrame() {
    auto* frame = new QGroupBox(tr("Development options"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    cmbRegion_ = AddRegionRow(*grid, tr("&Region"));
    connect(cmbRegion_, &QComboBox::activated, this, [this](int index) {
        regionTyped_ = false;
        cmbRegion_Click(index);
    });
    connect(cmbRegion_->lineEdit(), &QLineEdit::textEdited, this, [this] { regionTyped_ = true; });
    AddAzimuthRow(frame, 1, SigmaH, tr("Azimuth of &sigma H (deg)"), "lblAzSigmaH");
    txtSigmaHTol_ = AddNumberRow(frame, 2, tr("Sigma H &tolerance \u00B1 (deg)"), "lblSigmaHTol");
    txtSigmaHTol_->setObjectName(QStringLiteral("txtSigmaHTol"));
    AddAzimuthRow(frame, 3, Entries, tr("Azimuth of e&ntries (deg)"), "lblAzimuthEntries");
    AddAzimuthRow(frame, 4, LeftCross, tr("Azimuth of &left crosscut (deg)"), "lblAzLeft");
    AddAzimuthRow(frame, 5, RightCross, tr("Azimuth of r&ight crosscut (deg)"), "lblAzRight");
    text_[SigmaH]->setObjectName(QStringLiteral("txtAzSigmaH"));
    text_[Entries]->setObjectName(QStringLiteral("txtAzEntries"));
    text_[LeftCross]->setObjectName(QStringLiteral("txtAzLeft"));
    text_[RightCross]->setObjectName(QStringLiteral("txtAzRight"));
    return frame;
}

QGroupBox* OptionsDialog::CreateLongwallFrame() {
    auto* frame = new QGroupBox(tr("Longwall options"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    new QGridLayout(frame);
    AddAzimuthRow(frame, 0, HeadGate, tr("Azimuth of head&gate (deg)"), "lblAzHeadGate");
    text_[HeadGate]->setObjectName(QStringLiteral("txtAzHeadGate"));
    return frame;
}

void OptionsDialog::AddAzimuthRow(QGroupBox* frame, int row, Field field, const QString& caption,
                                  const char* name) {
    text_[field] = AddNumberRow(frame, row, caption, name);
}

QLineEdit* OptionsDialog::AddNumberRow(QGroupBox* frame, int row, const QString& caption,
                                       const char* name) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    auto* box = new QLineEdit(frame);
    box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
    MakeNumericField(*box);
    auto* label = new QLabel(caption, frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    // Both frames line their boxes up under each other.
    grid->setColumnMinimumWidth(
        0, fontMetrics().horizontalAdvance(QStringLiteral("Azimuth of right crosscut (deg)")) + 8);
    return box;
}

QLayout* OptionsDialog::CreateButtons() {
    return CreateCommandRow(this,
                            {{tr("OK"), "Command2", [this] { Command2_Click(); }},
                             {tr("Cancel"), "Command1", [this] { reject(); }},
                             {tr("&Help"), "Command3", [this] { ShowHelpHint(state_.messages); }}});
}

void OptionsDialog::Form_Load() {
    state_.messages.SetMessageTitles(kMessageSlot);
    state_.messages.LogMessage("Editing VORN Options");
    const AnalysisOptions& o = state_.options;
    FillRegionList();
    cmbRegion_->setCurrentIndex(o.DefaultRegionType);
    cmbRegion_Click(o.DefaultRegionType);
    text_[SigmaH]->setText(Q(FormatSingle(o.DefaultAzimSigmaH)));
    text_[Entries]->setText(Q(FormatSingle(o.DefaultAzimEntries)));
    text_[RightCross]->setText(Q(FormatSingle(o.DefaultAzimRightCross)));
    text_[LeftCross]->setText(Q(FormatSingle(o.DefaultAzimLeftCross)));
    text_[HeadGate]->setText(Q(FormatSingle(o.DefaultAzimHeadGate)));
    txtSigmaHTol_->setText(Q(FormatSingle(o.DefaultSigmaHTolerance)));
    Accepted_ = false;
    for (const OptionCheck& check : checks_) {
        check.box->setChecked(o.*check.option != 0);
    }
    SSTab1_->setCurrentIndex(EditPrintTab);
    CentreOnScreen(*this);
}

void OptionsDialog::FillRegionList() {
    cmbRegion_->clear();
    for (const SigmaHRegion& region : kSigmaHRegions) {
        cmbRegion_->addItem(Q(region.name));
    }
}

int16_t OptionsDialog::RegionIndex() const {
    return regionTyped_ ? int16_t{-1} : static_cast<int16_t>(cmbRegion_->currentIndex());
}

void OptionsDialog::cmbRegion_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kSigmaHRegions.size())) {
        return;
    }
    text_[SigmaH]->setText(Q(kSigmaHRegions[static_cast<size_t>(index)].defaultAzimuth));
    text_[SigmaH]->setEnabled(index == 0);
}

bool OptionsDialog::ValidateDefaults() {
    for (QLineEdit* box : text_) {
        if (!CheckRange(state_.messages, box->text().toStdString(), 0, kMaxAzimuth, "")) {
            // A named region locks the SigmaH box: the region box is where to change it.
            ShowFailure(box->isEnabled() ? static_cast<QWidget&>(*box) : *cmbRegion_);
            return false;
        }
    }
    if (!CheckRange(state_.messages, txtSigmaHTol_->text().toStdString(), 0, kMaxTolerance, "")) {
        ShowFailure(*txtSigmaHTol_);
        return false;
    }
    return true;
}

// A default region outside the table would reach every new project.
bool OptionsDialog::ValidateRegion() {
    const int16_t index = RegionIndex();
    if (index >= 0 && index < static_cast<int16_t>(kSigmaHRegions.size())) {
        return true;
    }
    state_.messages.ShowMessage("Choose a region from the list", msg::kExclamation,
                                state_.messages.titles.error);
    ShowFailure(*cmbRegion_);
    return false;
}

void OptionsDialog::ShowFailure(QWidget& box) {
    SSTab1_->setCurrentIndex(DefaultsTab);
    box.setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        line->selectAll();
    }
}

void OptionsDialog::Command2_Click() {
    if (ValidateDefaults() && ValidateRegion()) {
        Accepted_ = true;
        accept();
    }
}

void OptionsDialog::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void OptionsDialog::Form_Unload() {
    if (Accepted_) {
        AcceptOptions();
    } else {
        state_.messages.LogMessage("Options Not Modified");
    }
}

void OptionsDialog::AcceptOptions() {
    AnalysisOptions& o = state_.options;
    for (const OptionCheck& check : checks_) {
        o.*check.option = check.box->isChecked() ? 1 : 0;
    }
    o.DefaultRegionType = RegionIndex();
    o.DefaultAzimSigmaH = BoxAzimuth(*text_[SigmaH]);
    o.DefaultAzimEntries = BoxAzimuth(*text_[Entries]);
    o.DefaultAzimRightCross = BoxAzimuth(*text_[RightCross]);
    o.DefaultAzimLeftCross = BoxAzimuth(*text_[LeftCross]);
    o.DefaultAzimHeadGate = BoxAzimuth(*text_[HeadGate]);
    o.DefaultSigmaHTolerance = BoxAzimuth(*txtSigmaHTol_);
    SaveAnalysisOptions(state_);
}

}  // namespace vornexa

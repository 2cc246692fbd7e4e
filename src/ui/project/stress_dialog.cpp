#include "ui/project/stress_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

#include "core/app_state.h"
#include "core/tables.h"
#include "stress/stress_estimate.h"
#include "ui/services/window_support.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

std::string FieldText(const QLineEdit& box) {
    return box.text().toStdString();
}

// The field's value as the project stores it; nullopt when that is not finite.
std::optional<float> FieldNumber(const QLineEdit& box) {
    return ToSingle(LeadingNumber(TrimBlanks(FieldText(box))));
}

bool IsValidInput(const QLineEdit& box) {
    const std::optional<float> value = FieldNumber(box);
    return value && *value > 0;
}

// The label's base text with its mnemonic, followed by the unit label.
QString Caption(const char* base, int quantity, int units) {
    return QString::fromLatin1(base) + Q(UnitLabel(quantity, units));
}

}  // namespace

StressDialog::StressDialog(UiContext& context, std::function<void()> closed, QWidget* parent)
    : QDialog(parent), state_(context.state), closed_(std::move(closed)) {
    setObjectName(QStringLiteral("frmStressParm"));
    setWindowTitle(QStringLiteral("Magnitude of Horizontal Stress"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateInputFrame());
    layout->addWidget(CreateStressFrame());
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

QLineEdit* StressDialog::CreateNumberBox(QGroupBox* frame, QLabel* label, const char* name) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000.000")));
    MakeNumericField(*box);
    label->setBuddy(box);
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QGroupBox* StressDialog::CreateInputFrame() {
    auto* frame = new QGroupBox(tr("Input parameters"), this);
    frame->setObjectName(QStringLiteral("frameSigmaH"));
    auto* grid = new QGridLayout(frame);
    cmbRegion_ = AddRegionRow(*grid, tr("&Region"));
    connect(cmbRegion_, &QComboBox::activated, this, &StressDialog::cmbRegion_Change);
    connect(cmbRegion_->lineEdit(), &QLineEdit::textEdited, this, &StressDialog::cmbRegion_Change);

    Label1_ = new QLabel(frame);
    Label1_->setObjectName(QStringLiteral("Label1"));
    txtDepthCover_ = CreateNumberBox(frame, Label1_, "txtDepthCover");
    Label2_ = new QLabel(frame);
    Label2_->setObjectName(QStringLiteral("Label2"));
    txtModulus_ = CreateNumberBox(frame, Label2_, "txtModulus");
    grid->setColumnStretch(1, 1);
    connect(txtDepthCover_, &QLineEdit::textChanged, this, &StressDialog::Input_Change);
    connect(txtModulus_, &QLineEdit::textChanged, this, &StressDialog::Input_Change);
    return frame;
}

QGroupBox* StressDialog::CreateStressFrame() {
    auto* frame = new QGroupBox(tr("Estimation of horizontal stress"), this);
    frame->setObjectName(QStringLiteral("frame1"));
    auto* grid = new QGridLayout(frame);
    Label3_ = new QLabel(frame);
    Label3_->setObjectName(QStringLiteral("Label3"));
    txtStress_ = CreateNumberBox(frame, Label3_, "txtStress");
    // A result only: it is never read back, so typing into it is refused.
    txtStress_->setReadOnly(true);
    grid->setColumnStretch(1, 1);
    return frame;
}

QLayout* StressDialog::CreateButtons() {
    return CreateCommandRow(this,
                            {{tr("&OK"), "cmdOK", [this] { cmdOK_Click(); }},
                             {tr("&Cancel"), "cmdCancel", [this] { reject(); }},
                             {tr("&Help"), "cmdHelp", [this] { ShowHelpHint(state_.messages); }}});
}

void StressDialog::Form_Load() {
    Loading_ = true;
    Accepted_ = false;
    const ProjectRecord& p = state_.project;
    FillStressRegionList();
    txtDepthCover_->setText(Q(FormatSingle(p.DepthCover)));
    Label1_->setText(Caption("&Depth of cover", kUnitLength, p.CurrentUnits));
    txtModulus_->setText(Q(FormatSingle(p.RockModulus)));
    Label2_->setText(Caption("&Modulus of rock", kUnitModulus, p.CurrentUnits));
    Label3_->setText(Caption("Horizontal &Stress", kUnitStress, p.CurrentUnits));
    // An index outside the table selects nothing, which leaves the text blank.
    cmbRegion_->setCurrentIndex(p.StressRegion);
    ComputeStress();
    Loading_ = false;
    CentreOnScreen(*this);
}

void StressDialog::Open() {
    show();
    activateWindow();
}

void StressDialog::FillStressRegionList() {
    cmbRegion_->clear();
    for (const StressRegionRow& region : kStressRegions) {
        cmbRegion_->addItem(Q(region.name));
    }
}

int StressDialog::RegionIndex() const {
    const QString typed = cmbRegion_->currentText().trimmed();
    for (size_t i = 0; i < kStressRegions.size(); ++i) {
        if (typed.compare(Q(kStressRegions[i].name), Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool StressDialog::EstimateIsFinite(const std::string& modulusText) const {
    const int region = RegionIndex();
    return region < 0 ||
           std::isfinite(vornexa::ComputeStress(region, FieldText(*txtDepthCover_), modulusText,
                                                state_.project.CurrentUnits)
                             .sigmaHPsi);
}

bool StressDialog::ValidateStressInputs() {
    // A value whose estimate is past the float range is refused like one that is.
    if (!IsValidInput(*txtDepthCover_) || !EstimateIsFinite("0")) {
        state_.messages.ShowMessage("Invalid depth of cover", msg::kOkOnly, "");
        txtDepthCover_->setFocus();
        return false;
    }
    if (!IsValidInput(*txtModulus_) || !EstimateIsFinite(FieldText(*txtModulus_))) {
        state_.messages.ShowMessage("Invalid rock modulus", msg::kOkOnly, "");
        txtModulus_->setFocus();
        return false;
    }
    return true;
}

void StressDialog::ComputeStress() {
    const int region = RegionIndex();
    if (region < 0) {
        txtStress_->clear();
        return;
    }
    const StressEstimate estimate = vornexa::ComputeStress(
        region, FieldText(*txtDepthCover_), FieldText(*txtModulus_), state_.project.CurrentUnits);
    txtStress_->setText(Q(estimate.display));
}

void StressDialog::StoreStressParms() {
    ProjectRecord& p = state_.project;
    p.DepthCover = FieldNumber(*txtDepthCover_).value();
    p.RockModulus = FieldNumber(*txtModulus_).value();
    p.StressRegion = static_cast<int16_t>(RegionIndex());
}

void StressDialog::cmbRegion_Change() {
    const int region = RegionIndex();
    // Typed text that names a region selects it, spelled as the list has it.
    if (region >= 0 && (cmbRegion_->currentIndex() != region ||
                        cmbRegion_->currentText() != cmbRegion_->itemText(region))) {
        cmbRegion_->setCurrentIndex(region);
        cmbRegion_->setEditText(cmbRegion_->itemText(region));
    }
    Input_Change();
}

void StressDialog::Input_Change() {
    if (!Loading_ && ValidateStressInputs()) {
        ComputeStress();
    }
}

void StressDialog::cmdOK_Click() {
    if (!ValidateStressInputs()) {
        return;
    }
    if (RegionIndex() < 0) {
        state_.messages.ShowMessage("Choose a region from the list", msg::kOkOnly, "");
        cmbRegion_->setFocus();
        return;
    }
    Accepted_ = true;
    accept();
}

void StressDialog::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload(Accepted_);
    }
    QDialog::done(result);
    deleteLater();
}

void StressDialog::Form_Unload(bool accepted) {
    if (accepted) {
        StoreStressParms();
        state_.project.IsSaved = false;
        state_.project.IsEmpty = false;
        state_.project.UnitsLocked = true;
        state_.messages.LogMessage("Stress Parameters Modified");
    } else {
        state_.messages.LogMessage("Stress Parameters Not Modified");
    }
    if (closed_) {
        closed_();
    }
}

}  // namespace vornexa

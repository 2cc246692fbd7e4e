#include "ui/project/parameters_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "analysis/report.h"
#include "core/app_state.h"
#include "core/tables.h"
#include "ui/drawing/longwall_type_picture.h"
#include "ui/project/diagram_window.h"
#include "ui/project/output_window.h"
#include "ui/project/stress_plot.h"
#include "ui/services/window_support.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kMessageSlot = 2;
constexpr double kMaxAzimuth = 360;
constexpr int kArrowStep = 10;
constexpr int kPageStep = 45;
constexpr int kMinGraphWidth = 360;
constexpr int kMinGraphHeight = 280;
constexpr double kMaxTolerance = 90;

// The scatter of SigmaH directions the regional maps give each quality class.
struct QualityClass {
    const char* name;
    float tolerance;
};
constexpr QualityClass kQualityClasses[] = {
    {"A (15)", 15}, {"B (20)", 20}, {"C (25)", 25}, {"D (40)", 40}};
constexpr int kTypedClass = static_cast<int>(std::size(kQualityClasses));

float WrapAzimuth(float degrees) {
    const float wrapped = std::fmod(degrees, static_cast<float>(kMaxAzimuth));
    return wrapped < 0 ? wrapped + static_cast<float>(kMaxAzimuth) : wrapped;
}

bool InRange(const QLineEdit& box, double max) {
    return RangeMessage(box.text().toStdString(), 0, max, "").empty();
}

}  // namespace

ParametersDialog::ParametersDialog(UiContext& context, std::function<void()> closed,
                                   QWidget* parent)
    : QDialog(parent), context_(context), state_(context.state), closed_(std::move(closed)) {
    setObjectName(QStringLiteral("frmVORNParm"));
    setWindowTitle(tr("Parameters"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreatePlanFrame());
    layout->addWidget(CreateSigmaHFrame());
    layout->addWidget(CreateDevelFrame());
    layout->addWidget(CreateLongwallFrame());
    layout->addLayout(CreateButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(4);

    Form_Load();
}

QGroupBox* ParametersDialog::CreatePlanFrame() {
    auto* frame = new QGroupBox(tr("Plan type"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QHBoxLayout(frame);
    optPlanType_ = new QButtonGroup(frame);
    const QString captions[] = {tr("&Development (A)"), tr("&Longwall (B)")};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("optPlanType_%1").arg(i));
        optPlanType_->addButton(option, i);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    connect(optPlanType_, &QButtonGroup::idClicked, this, &ParametersDialog::optPlanType_Click);
    return frame;
}

QGroupBox* ParametersDialog::CreateSigmaHFrame() {
    auto* frame = new QGroupBox(tr("Horizontal stress parameters"), this);
    frame->setObjectName(QStringLiteral("frameSigmaH"));
    auto* grid = new QGridLayout(frame);
    cmbRegion_ = AddRegionRow(*grid, tr("Re&gion"), 2);
    connect(cmbRegion_, &QComboBox::activated, this, [this](int index) {
        regionTyped_ = false;
        cmbRegion_Click(index);
    });
    connect(cmbRegion_->lineEdit(), &QLineEdit::textEdited, this, [this] { regionTyped_ = true; });
    AddAzimuthRow(frame, 1, SigmaH, tr("Azimuth of &sigma H (deg)"), "SigmaH");
    AddToleranceRow(*grid, 2);
    return frame;
}

// The half-width of the band of SigmaH azimuths, typed or taken from a quality class.
void ParametersDialog::AddToleranceRow(QGridLayout& grid, int row) {
    QWidget* frame = grid.parentWidget();
    txtSigmaHTol_ = new QLineEdit(frame);
    txtSigmaHTol_->setObjectName(QStringLiteral("txtSigmaHTol"));
    txtSigmaHTol_->setFixedWidth(text_[SigmaH]->maximumWidth());
    MakeNumericField(*txtSigmaHTol_);
    auto* label = new QLabel(tr("Sigma H &tolerance \u00B1 (deg)"), frame);
    label->setObjectName(QStringLiteral("lblSigmaHTol"));
    label->setBuddy(txtSigmaHTol_);
    cmbQuality_ = new QComboBox(frame);
    cmbQuality_->setObjectName(QStringLiteral("cmbQuality"));
    for (const QualityClass& quality : kQualityClasses) {
        cmbQuality_->addItem(QString::fromLatin1(quality.name));
    }
    cmbQuality_->addItem(tr("Typed value"));
    cmbQuality_->setToolTip(tr("Quality class of the sigma H azimuth: its scatter in degrees"));
    cmbQuality_->setAccessibleName(tr("Quality class"));
    auto* classLabel = new QLabel(tr("&Quality"), frame);
    classLabel->setBuddy(cmbQuality_);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(classLabel);
    chooser->addWidget(cmbQuality_);
    chooser->addStretch(1);
    grid.addWidget(label, row, 0);
    grid.addWidget(txtSigmaHTol_, row, 1);
    grid.addLayout(chooser, row, 2);
    connect(txtSigmaHTol_, &QLineEdit::textChanged, this, &ParametersDialog::txtSigmaHTol_Change);
    connect(cmbQuality_, &QComboBox::activated, this, &ParametersDialog::cmbQuality_Click);
}

QGroupBox* ParametersDialog::CreateDevelFrame() {
    frameDevel_ = new QGroupBox(tr("Development parameters"), this);
    frameDevel_->setObjectName(QStringLiteral("frameDevel"));
    new QGridLayout(frameDevel_);
    AddAzimuthRow(frameDevel_, 0, Entries, tr("Azimuth of &entries (deg)"), "Entries");
    AddAzimuthRow(frameDevel_, 1, LeftCross, tr("Azimuth of le&ft crosscut (deg)"), "Left");
    AddAzimuthRow(frameDevel_, 2, RightCross, tr("Azimuth of r&ight crosscut (deg)"), "Right");
    label_[Entries]->setObjectName(QStringLiteral("lblAzimuthEntries"));
    chkKeepCrossCuts_ = new QCheckBox(tr("&Keep crosscut angles"), frameDevel_);
    chkKeepCrossCuts_->setObjectName(QStringLiteral("chkKeepCrossCuts"));
    chkKeepCrossCuts_->setToolTip(tr("Turning the entries turns both crosscuts with them"));
    static_cast<QGridLayout*>(frameDevel_->layout())->addWidget(chkKeepCrossCuts_, 3, 0, 1, 3);
    connect(chkKeepCrossCuts_, &QCheckBox::clicked, this,
            &ParametersDialog::chkKeepCrossCuts_Click);
    return frameDevel_;
}

QGroupBox* ParametersDialog::CreateLongwallFrame() {
    frameLongwall_ = new QGroupBox(tr("Longwall parameters"), this);
    frameLongwall_->setObjectName(QStringLiteral("frameLongwall"));
    auto* grid = new QGridLayout(frameLongwall_);
    auto* types = new QHBoxLayout;
    optLongType_ = new QButtonGroup(frameLongwall_);
    const QString captions[] = {tr("Type &A"), tr("Type &B")};
    // "Type A" alone does not say which way the panels are mined.
    const QString sequences[] = {tr("Mined left to right"), tr("Mined right to left")};
    const char* pictures[] = {"picTypeA", "picTypeB"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], frameLongwall_);
        option->setObjectName(QStringLiteral("optLongType_%1").arg(i));
        optLongType_->addButton(option, i);
        auto* picture = new LongwallTypePicture(static_cast<int16_t>(i), frameLongwall_);
        picture->setObjectName(QString::fromLatin1(pictures[i]));
        for (QWidget* widget : std::initializer_list<QWidget*>{option, picture}) {
            widget->setToolTip(sequences[i]);
            widget->setAccessibleName(sequences[i]);
        }
        types->addWidget(option);
        types->addWidget(picture);
        types->addSpacing(6);
    }
    chkShowStress_ = new QCheckBox(tr("Sho&w stress graph"), frameLongwall_);
    chkShowStress_->setObjectName(QStringLiteral("chkShowStress"));
    types->addStretch(1);
    types->addWidget(chkShowStress_);
    grid->addLayout(types, 0, 0, 1, 3);
    connect(optLongType_, &QButtonGroup::idClicked, this, [this] { RefreshViews(); });
    AddAzimuthRow(frameLongwall_, 1, HeadGate, tr("Azimuth of &headgate (deg)"), "HeadGate");
    connect(chkShowStress_, &QCheckBox::clicked, this, &ParametersDialog::chkShowStress_Click);
    return frameLongwall_;
}

void ParametersDialog::AddAzimuthRow(QGroupBox* frame, int row, Field field, const QString& caption,
                                     const char* name) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    auto* box = new QLineEdit(frame);
    box->setObjectName(QStringLiteral("txtAz%1").arg(QLatin1String(name)));
    box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12);
    MakeNumericField(*box);
    auto* bar = new QScrollBar(Qt::Horizontal, frame);
    bar->setObjectName(QStringLiteral("HScroll%1").arg(QLatin1String(name)));
    bar->setRange(0, static_cast<int>(kMaxAzimuth));
    bar->setSingleStep(kArrowStep);
    bar->setPageStep(kPageStep);
    bar->setMinimumWidth(150);
    auto* label = new QLabel(caption, frame);
    label->setObjectName(QStringLiteral("lblAz%1").arg(QLatin1String(name)));
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(bar, row, 2);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(
        0, fontMetrics().horizontalAdvance(QStringLiteral("Azimuth of right crosscut (deg)")) + 8);
    text_[field] = box;
    bar_[field] = bar;
    label_[field] = label;
    connect(box, &QLineEdit::textChanged, this, [this, field] { AzimuthText_Change(field); });
    connect(bar, &QScrollBar::valueChanged, this, [this, field] { AzimuthBar_Change(field); });
}

QPushButton* ParametersDialog::CreateCopyButton() {
    auto* copy = new QPushButton(tr("&Copy dialog image to clipboard"), this);
    copy->setObjectName(QStringLiteral("Command5"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this,
            [this] { CopyDialogSnapshot(*this, state_.messages); });
    return copy;
}

QLayout* ParametersDialog::CreateButtons() {
    const struct {
        QString caption;
        const char* name;
        std::function<void()> click;
    } buttons[] = {
        {tr("&Results"), "cmdResults", [this] { cmdResults_Click(); }},
        {tr("&View"), "cmdView", [this] { cmdView_Click(); }},
        {tr("OK"), "Command2", [this] { Command2_Click(); }},
        {tr("Cancel"), "Command1", [this] { reject(); }},
        {tr("Help"), "Command3", [this] { ShowHelpHint(state_.messages); }},
    };
    auto* grid = new QGridLayout;
    int column = 0;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.click);
        grid->addWidget(button, 0, column++);
    }
    grid->addWidget(CreateCopyButton(), 1, 0, 1, column - 1);
    auto* finder = new QPushButton(tr("Layout Fi&nder..."), this);
    finder->setObjectName(QStringLiteral("cmdFinder"));
    finder->setAutoDefault(false);
    connect(finder, &QPushButton::clicked, this, &ParametersDialog::finderRequested);
    grid->addWidget(finder, 1, column - 1);
    auto* ok = findChild<QPushButton*>(QStringLiteral("Command2"));

    ok->setDefault(true);
    return grid;
}

void ParametersDialog::Form_Load() {
    state_.messages.SetMessageTitles(kMessageSlot);
    Loading_ = true;
    Accepted_ = false;
    Modified_ = false;
    FillRegionList();
    const Parms& p = state_.project.ProjParms;
    OptionGroup plan{0, {false, false}};
    SelectOption(state_.messages, plan, p.PlanType);
    OptionGroup sequence{0, {false, false}};
    SelectOption(state_.messages, sequence, p.LongType);
    for (int i = 0; i < 2; ++i) {
        optPlanType_->button(i)->setChecked(plan.members[static_cast<size_t>(i)]);
        optLongType_->button(i)->setChecked(sequence.members[static_cast<size_t>(i)]);
    }
    optPlanType_Click(SelectedOptionIndex(plan));
    text_[Entries]->setText(Q(FormatSingle(p.AzimEntries)));
    text_[RightCross]->setText(Q(FormatSingle(p.AzimRightCross)));
    text_[LeftCross]->setText(Q(FormatSingle(p.AzimLeftCross)));
    text_[HeadGate]->setText(Q(FormatSingle(p.AzimHeadGate)));
    chkShowStress_->setChecked(p.ShowStress == 1);
    cmbRegion_->setCurrentIndex(p.RegionType);
    cmbRegion_Click(p.RegionType);
    text_[SigmaH]->setText(Q(FormatSingle(p.AzimSigmaH)));
    txtSigmaHTol_->setText(Q(FormatSingle(p.SigmaHTolerance)));
    chkKeepCrossCuts_->setChecked(state_.options.KeepCrossCutAngles == 1);
    state_.messages.LogMessage("Editing Project Parameters");
    Loading_ = false;
    CentreOnScreen(*this);
}

void ParametersDialog::Open() {
    show();
    if (state_.options.OpenViewWithLoad != 0) {
        cmdView_Click();
    }
}

void ParametersDialog::FillRegionList() {
    cmbRegion_->clear();
    for (const SigmaHRegion& region : kSigmaHRegions) {
        cmbRegion_->addItem(Q(region.name));
    }
}

int16_t ParametersDialog::RegionIndex() const {
    return regionTyped_ ? int16_t{-1} : static_cast<int16_t>(cmbRegion_->currentIndex());
}

void ParametersDialog::CopyControls(Parms& parms) const {
    parms.RegionType = RegionIndex();
    parms.PlanType = static_cast<int16_t>(std::max(optPlanType_->checkedId(), 0));
    parms.AzimSigmaH = BoxAzimuth(*text_[SigmaH]);
    parms.AzimEntries = BoxAzimuth(*text_[Entries]);
    parms.AzimRightCross = BoxAzimuth(*text_[RightCross]);
    parms.AzimLeftCross = BoxAzimuth(*text_[LeftCross]);
    parms.LongType = static_cast<int16_t>(std::max(optLongType_->checkedId(), 0));
    parms.AzimHeadGate = BoxAzimuth(*text_[HeadGate]);
    parms.ShowStress = chkShowStress_->isChecked() ? 1 : 0;
    parms.SigmaHTolerance = BoxAzimuth(*txtSigmaHTol_);
}

void ParametersDialog::SaveWorkParms() {
    CopyControls(state_.workParms);
}

void ParametersDialog::AcceptParms() {
    CopyControls(state_.project.ProjParms);
    state_.project.IsSaved = false;
    state_.project.IsEmpty = false;
    Modified_ = true;
}

bool ParametersDialog::ValidateAzimuths() {
    for (int f = 0; f < kFieldCount; ++f) {
        QLineEdit* box = text_[static_cast<size_t>(f)];
        if (CheckRange(state_.messages, box->text().toStdString(), 0, kMaxAzimuth, "")) {
            continue;
        }
        if (box->isEnabled()) {
            box->setFocus();
            box->selectAll();
        } else if (f == SigmaH) {
            // A named region locks the field: the region box is where to change it.
            cmbRegion_->setFocus();
        } else {
            // The field belongs to the other plan type: point at the choice that opens it.
            optPlanType_->button(f == HeadGate ? 1 : 0)->setFocus();
        }
        return false;
    }
    if (!CheckRange(state_.messages, txtSigmaHTol_->text().toStdString(), 0, kMaxTolerance, "")) {
        txtSigmaHTol_->setFocus();
        txtSigmaHTol_->selectAll();
        return false;
    }
    return true;
}

void ParametersDialog::AzimuthText_Change(Field field) {
    const std::string text = text_[field]->text().toStdString();
    if (!CheckRange(state_.messages, text, 0, kMaxAzimuth, "")) {
        return;
    }
    const double value = LeadingNumber(TrimBlanks(text));
    if (field == Entries) {
        FollowEntries(static_cast<float>(value));
    }
    bar_[field]->setValue(static_cast<int>(RoundHalfEven(value)));
}

void ParametersDialog::AzimuthBar_Change(Field field) {
    const QString whole = QString::number(bar_[field]->value());
    // A stored 44.7 must not become 45 by merely opening the dialog.
    if (!Loading_ && !quiet_ && text_[field]->text() != whole) {
        text_[field]->setText(whole);
    }
    RefreshViews();
}

void ParametersDialog::SetAzimuth(Field field, float degrees) {
    {
        const QScopedValueRollback quiet(quiet_, true);
        text_[field]->setText(Q(FormatSingle(degrees)));
    }
    if (InRange(*text_[field], kMaxAzimuth)) {
        RefreshViews();
    }
}

// The crosscuts turn by as much as the entries did; they move before the
// entries' bar, so the one redraw that follows shows all three.
void ParametersDialog::FollowEntries(float entries) {
    const std::optional<float> previous = std::exchange(entriesAzimuth_, entries);
    if (Loading_ || !previous || !chkKeepCrossCuts_->isChecked() || *previous == entries) {
        return;
    }
    const QScopedValueRollback quiet(quiet_, true);
    for (const Field cross : {LeftCross, RightCross}) {
        QLineEdit* box = text_[cross];
        if (InRange(*box, kMaxAzimuth)) {
            box->setText(Q(FormatSingle(WrapAzimuth(BoxAzimuth(*box) + entries - *previous))));
        }
    }
}

void ParametersDialog::txtSigmaHTol_Change() {
    const bool valid =
        CheckRange(state_.messages, txtSigmaHTol_->text().toStdString(), 0, kMaxTolerance, "");
    const float tolerance = BoxAzimuth(*txtSigmaHTol_);
    int shown = kTypedClass;
    for (int i = 0; valid && i < kTypedClass; ++i) {
        if (kQualityClasses[i].tolerance == tolerance) {
            shown = i;
        }
    }
    cmbQuality_->setCurrentIndex(shown);
    if (valid) {
        RefreshViews();
    }
}

void ParametersDialog::cmbQuality_Click(int index) {
    if (index >= 0 && index < kTypedClass) {
        txtSigmaHTol_->setText(QString::number(kQualityClasses[index].tolerance));
    } else {
        txtSigmaHTol_->setFocus();
        txtSigmaHTol_->selectAll();
    }
}

void ParametersDialog::chkKeepCrossCuts_Click() {
    state_.options.KeepCrossCutAngles = chkKeepCrossCuts_->isChecked() ? 1 : 0;
    SaveAnalysisOptions(state_);
}

void ParametersDialog::cmbRegion_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kSigmaHRegions.size())) {
        return;
    }
    text_[SigmaH]->setText(Q(kSigmaHRegions[static_cast<size_t>(index)].defaultAzimuth));
    const bool userDefined = index == 0;
    text_[SigmaH]->setEnabled(userDefined);
    bar_[SigmaH]->setEnabled(userDefined);
}

void ParametersDialog::optPlanType_Click(int index) {
    const bool development = index == 0;
    frameDevel_->setEnabled(development);
    frameLongwall_->setEnabled(!development);
    RefreshViews();
}

void ParametersDialog::chkShowStress_Click() {
    if (chkShowStress_->isChecked()) {
        RefreshViews();
    }
}

DiagramWindow* ParametersDialog::view() const {
    return view_;
}

StressPlot* ParametersDialog::plot() const {
    return plot_;
}

void ParametersDialog::RefreshViews() {
    if (Loading_ || quiet_ || !ValidateAzimuths()) {
        return;
    }
    SaveWorkParms();
    emit workParmsChanged();
    const Parms& work = state_.workParms;
    if (work.PlanType == kPlanDevelopment) {
        if (view_) {
            view_->Dev_Paint();
        }
        UnloadPlot();
        return;
    }
    if (view_) {
        view_->Long_Paint();
    }
    if (work.ShowStress == 1) {
        if (plot_) {
            plot_->PlotStress();
        } else if (!plotMissing_) {
            // Told once: every change of a value would tell it again.
            plot_ = OpenStressPlot(context_, this);
            plotMissing_ = plot_ == nullptr;
            if (plot_) {
                plot_->show();
            }
        }
        ArrangeGraphWindows();
    } else {
        UnloadPlot();
    }
}

void ParametersDialog::ArrangeGraphWindows() {
    if (state_.options.AutoPositionStress != 1 || !plot_) {
        return;
    }
    if (view_) {
        move(x(), view_->frameGeometry().top());
        plot_->move(view_->frameGeometry().left() - plot_->frameGeometry().width(),
                    frameGeometry().top() + frameGeometry().height());
    } else {
        plot_->move(frameGeometry().left() + frameGeometry().width(), frameGeometry().top());
    }
    FitGraphOnScreen();
}

// The graph is placed by its neighbours' edges; on a small screen that can put
// part of it off the screen, so it gives up size (down to a readable minimum).
void ParametersDialog::FitGraphOnScreen() {
    const QRect area = screen()->availableGeometry();
    const QRect frame = plot_->frameGeometry();
    const QSize extra = frame.size() - plot_->size();
    QRect fitted = frame;
    if (fitted.left() < area.left()) {
        fitted.setLeft(std::min(area.left(), fitted.right() - kMinGraphWidth));
    }
    if (fitted.right() > area.right()) {
        fitted.setRight(std::max(area.right(), fitted.left() + kMinGraphWidth));
    }
    if (fitted.top() < area.top()) {
        fitted.setTop(std::min(area.top(), fitted.bottom() - kMinGraphHeight));
    }
    if (fitted.bottom() > area.bottom()) {
        fitted.setBottom(std::max(area.bottom(), fitted.top() + kMinGraphHeight));
    }
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    if (fitted != frame) {
        plot_->resize(fitted.size() - extra);
        plot_->move(fitted.topLeft());
    }
}

void ParametersDialog::cmdView_Click() {
    UnloadView();
    UnloadPlot();
    view_ = new DiagramWindow(context_, this);
    view_->show();
    view_->setWindowState(Qt::WindowNoState);
    if (state_.options.AutoPositionView == 1) {
        // From the top of the screen, so the stress graph has room under the dialog.
        const QRect area = screen()->availableGeometry();
        move(area.topLeft());
        view_->move(area.left() + frameGeometry().width(), area.top());
    }
    RefreshViews();
}

void ParametersDialog::cmdResults_Click() {
    if (!ValidateAzimuths()) {
        return;
    }
    SaveWorkParms();
    BuildReport(state_);
    OutputWindow output(context_, this);
    output.exec();
}

void ParametersDialog::Command2_Click() {
    if (ValidateAzimuths()) {
        Accepted_ = true;
        accept();
    }
}

void ParametersDialog::UnloadView() {
    if (view_) {
        view_->close();
        view_ = nullptr;
    }
}

void ParametersDialog::UnloadPlot() {
    if (plot_) {
        plot_->close();
        plot_ = nullptr;
    }
}

void ParametersDialog::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload(Accepted_);
    }
    QDialog::done(result);
    deleteLater();
}

void ParametersDialog::Form_Unload(bool accepted) {
    if (accepted) {
        AcceptParms();
        state_.project.UnitsLocked = true;
    }
    state_.messages.LogMessage(Modified_ ? "Project Parameters Modified"
                                         : "Project Parameters Not Modified");
    UnloadView();
    UnloadPlot();
    if (closed_) {
        closed_();
    }
}

}  // namespace vornexa

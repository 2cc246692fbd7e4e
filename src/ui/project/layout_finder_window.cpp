#include "ui/project/layout_finder_window.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/app_state.h"
#include "ui/project/parameters_dialog.h"
#include "ui/services/window_support.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr int kLeft = 72;
constexpr int kRight = 12;
constexpr int kTop = 8;
constexpr int kStripHeight = 30;
constexpr int kStripGap = 6;
constexpr int kCurveHeight = 3 * kStripHeight + 2 * kStripGap;
constexpr int kAxisHeight = 22;

// The diagrams' zone colours; moderate is grey so it shows on the white page.
QColor ClassColour(Orientation o) {
    switch (o) {
        case Orientation::Good:
            return QColor(0, 0, 255);
        case Orientation::Moderate:
            return QColor(200, 200, 200);
        case Orientation::Difficult:
            break;
    }
    return QColor(255, 0, 0);
}

QString Degrees(float value) {
    return Q(FormatSingle(value));
}

QString Word(Orientation o) {
    return QString::fromLatin1(OrientationWord(o));
}

}  // namespace

LayoutFinderChart::LayoutFinderChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setMinimumSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

QSize LayoutFinderChart::sizeHint() const {
    return {kLeft + 720 + kRight, kTop + kCurveHeight + kAxisHeight};
}

void LayoutFinderChart::SetDevelopment(std::vector<DevelopmentSweepRow> rows, float current) {
    development_ = true;
    span_ = 180;
    current_ = current;
    devRows_ = std::move(rows);
    longRows_.clear();
    update();
}

void LayoutFinderChart::SetLongwall(std::vector<LongwallSweepRow> rows, float current) {
    development_ = false;
    span_ = 360;
    current_ = current;
    longRows_ = std::move(rows);
    devRows_.clear();
    update();
}

QRect LayoutFinderChart::PlotArea() const {
    return {kLeft, kTop, width() - kLeft - kRight, kCurveHeight};
}

float LayoutFinderChart::AzimuthAt(int x) const {
    const QRect area = PlotArea();
    const double a = static_cast<double>(x - area.left()) / area.width() * span_;
    return static_cast<float>(std::clamp(std::round(a), 0.0, static_cast<double>(span_)));
}

int LayoutFinderChart::XOf(float azimuth) const {
    const QRect area = PlotArea();
    return area.left() + static_cast<int>(std::lround(azimuth / span_ * area.width()));
}

void LayoutFinderChart::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && PlotArea().adjusted(0, 0, 1, 1).contains(at)) {
        emit azimuthChosen(AzimuthAt(at.x()));
    }
}

void LayoutFinderChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (development_) {
        DrawStrips(p);
    } else {
        DrawCurve(p);
    }
    DrawAxis(p);
}

void LayoutFinderChart::DrawStrips(QPainter& p) const {
    const QRect area = PlotArea();
    const double perDegree = static_cast<double>(area.width()) / span_;
    const QString names[] = {tr("Entries"), tr("Left"), tr("Right")};
    for (int s = 0; s < 3; ++s) {
        const double top = area.top() + s * (kStripHeight + kStripGap);
        for (size_t i = 0; i < devRows_.size(); ++i) {
            const DevelopmentSweepRow& row = devRows_[i];
            const Orientation o =
                s == 0 ? row.entriesWorst : (s == 1 ? row.leftWorst : row.rightWorst);
            const double next = i + 1 < devRows_.size() ? devRows_[i + 1].entries : span_;
            p.fillRect(QRectF(area.left() + row.entries * perDegree, top,
                              (next - row.entries) * perDegree, kStripHeight),
                       ClassColour(o));
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(0, top, kLeft - 6, kStripHeight), Qt::AlignRight | Qt::AlignVCenter,
                   names[s]);
    }
}

void LayoutFinderChart::DrawCurve(QPainter& p) const {
    const QRect area = PlotArea();
    const double perDegree = static_cast<double>(area.width()) / span_;
    QPainterPath curve;
    for (size_t i = 0; i < longRows_.size(); ++i) {
        const LongwallSweepRow& row = longRows_[i];
        const double next = i + 1 < longRows_.size() ? longRows_[i + 1].headgate : span_;
        if (row.relief != ReliefCover::None) {
            const QColor shade =
                row.relief == ReliefCover::Whole ? QColor(150, 190, 255) : QColor(215, 230, 255);
            p.fillRect(QRectF(area.left() + row.headgate * perDegree, area.top(),
                              (next - row.headgate) * perDegree, area.height()),
                       shade);
        }
        const QPointF point(area.left() + row.headgate * perDegree,
                            area.bottom() - row.worstPct / 100.0 * area.height());
        i == 0 ? curve.moveTo(point) : curve.lineTo(point);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::red, 1.5));
    p.drawPath(curve);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.drawRect(area);
    for (const int pct : {0, 50, 100}) {
        const double y = area.bottom() - pct / 100.0 * area.height();
        p.drawText(QRectF(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(pct));
    }
}

void LayoutFinderChart::DrawAxis(QPainter& p) const {
    const QRect area = PlotArea();
    p.setPen(Qt::black);
    const int tick = development_ ? 30 : 45;
    for (int a = 0; a <= static_cast<int>(span_); a += tick) {
        const int x = XOf(static_cast<float>(a));
        p.drawLine(x, area.bottom(), x, area.bottom() + 4);
        p.drawText(QRectF(x - 20, area.bottom() + 4, 40, kAxisHeight - 4), Qt::AlignCenter,
                   QString::number(a));
    }
    p.setPen(QPen(Qt::black, 2, Qt::DashLine));
    const int x = XOf(current_);
    p.drawLine(x, area.top(), x, area.bottom());
}

LayoutFinderWindow::LayoutFinderWindow(UiContext& context,
                                       std::function<ParametersDialog*()> openDialog,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), state_(context.state), openDialog_(std::move(openDialog)) {
    setObjectName(QStringLiteral("frmLayoutFinder"));
    setWindowTitle(tr("Layout Finder"));
    setAttribute(Qt::WA_DeleteOnClose);
    chart_ = new LayoutFinderChart(this);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("lblIntervals"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstIntervals"));
    list_->setMinimumHeight(160);
    caption_->setBuddy(list_);
    auto* legend = new QLabel(this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    legend->setWordWrap(true);
    legend->setText(
        tr("Worst class over the SigmaH band: blue Good, grey Moderate, red "
           "Difficult. Longwall: the curve is the highest headgate stress over the "
           "band; shading marks Relief for the whole band (dark) or part of it "
           "(light). Click the chart or press Enter on an interval to use it."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_);
    layout->addWidget(legend);
    layout->addWidget(caption_);
    layout->addWidget(list_, 1);
    connect(chart_, &LayoutFinderChart::azimuthChosen, this, &LayoutFinderWindow::SetAzimuth);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { SetAzimuth(item->data(Qt::UserRole).toFloat()); });
    Recompute();
}

void LayoutFinderWindow::Follow(ParametersDialog* dialog) {
    if (dialog_ == dialog) {
        return;
    }
    if (dialog_) {
        disconnect(dialog_, nullptr, this, nullptr);
    }
    dialog_ = dialog;
    workSaved_ = false;
    if (dialog_) {
        connect(dialog_, &ParametersDialog::workParmsChanged, this, [this] {
            workSaved_ = true;
            Recompute();
        });
    }
    Recompute();
}

void LayoutFinderWindow::Recompute() {
    // A dialog opens with the project's values and saves them at its first change.
    const Parms& parms = dialog_ && workSaved_ ? state_.workParms : state_.project.ProjParms;
    development_ = parms.PlanType == kPlanDevelopment;
    if (development_) {
        FillDevelopment(parms);
    } else {
        FillLongwall(parms);
    }
}

void LayoutFinderWindow::FillDevelopment(const Parms& parms) {
    std::vector<DevelopmentSweepRow> rows = SweepDevelopment(parms, kStep, 180);
    const std::vector<DevelopmentInterval> ranked = RankDevelopmentIntervals(rows);
    chart_->SetDevelopment(std::move(rows), std::fmod(parms.AzimEntries, 180.0f));
    caption_->setText(tr("&Entries azimuths, best first (SigmaH %1 \u00B1 %2 deg):")
                          .arg(Degrees(parms.AzimSigmaH), Degrees(parms.SigmaHTolerance)));
    list_->clear();
    for (const DevelopmentInterval& run : ranked) {
        auto* item = new QListWidgetItem(
            tr("%1 to %2 deg: %3 (entries %4, left %5, right %6)")
                .arg(Degrees(run.from), Degrees(run.to), Word(run.worst), Word(run.entries),
                     Word(run.leftCross), Word(run.rightCross)),
            list_);
        item->setData(Qt::UserRole, (run.from + run.to) / 2);
    }
    list_->setCurrentRow(0);
}

void LayoutFinderWindow::FillLongwall(const Parms& parms) {
    std::vector<LongwallSweepRow> rows = SweepLongwall(parms, kStep, 360);
    const std::vector<ReliefInterval> relief = ReliefIntervals(rows);
    chart_->SetLongwall(std::move(rows), parms.AzimHeadGate);
    caption_->setText(relief.empty()
                          ? tr("&Headgate azimuths in Relief: none")
                          : tr("&Headgate azimuths in Relief (SigmaH %1 \u00B1 %2 deg):")
                                .arg(Degrees(parms.AzimSigmaH), Degrees(parms.SigmaHTolerance)));
    list_->clear();
    for (const ReliefInterval& run : relief) {
        auto* item = new QListWidgetItem(
            tr("%1 to %2 deg: Relief for %3")
                .arg(Degrees(run.from), Degrees(run.to),
                     run.relief == ReliefCover::Whole ? tr("the whole band") : tr("part of it")),
            list_);
        item->setData(Qt::UserRole, (run.from + run.to) / 2);
    }
    list_->setCurrentRow(0);
}

// Through the dialog, as if typed, so the crosscuts, the checks and the views
// behave as for the user's own entry; without one the dialog is opened first.
void LayoutFinderWindow::SetAzimuth(float degrees) {
    // The plan shown is the one chosen for: opening the dialog recomputes it.
    const bool development = development_;
    if (!dialog_ && openDialog_) {
        Follow(openDialog_());
    }
    if (!dialog_) {
        return;
    }
    if (development) {
        dialog_->SetEntriesAzimuth(degrees);
    } else {
        dialog_->SetHeadgateAzimuth(degrees);
    }
}

}  // namespace vornexa

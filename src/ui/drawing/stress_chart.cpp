#include "ui/drawing/stress_chart.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include "core/options.h"
#include "stress/stress_graph.h"

namespace vornexa {
namespace {

constexpr int kAxisLineWidth = 2;
constexpr int kAxisTitlePointSize = 10;
constexpr int kHeaderPointSize = 15;
constexpr int kXTickCount = 7;  // every 30 degrees
constexpr double kYTickInterval = 20;
// The percentage runs from 0 to 100; the margin keeps the current point's marker
// whole at the peak and the trough, where the plot area would cut it.
constexpr double kYMargin = 5;

QColor ColourOf(const Rgb& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont WithPointSize(QFont font, int size) {
    font.setPointSize(size);
    return font;
}

void StyleAxis(QValueAxis& axis, const std::string& title, bool grid) {
    QPen line = axis.linePen();
    line.setWidth(kAxisLineWidth);
    axis.setLinePen(line);
    axis.setTitleText(QString::fromStdString(title));
    axis.setTitleFont(WithPointSize(axis.titleFont(), kAxisTitlePointSize));
    axis.setGridLineVisible(grid);
    axis.setLabelFormat(QStringLiteral("%.0f"));
}

// Only the present values go in. Each branch is one unbroken run of its half-turn,
// so no line is drawn across a missing stretch.
QList<QPointF> PresentPoints(const GraphSeries& series) {
    QList<QPointF> points;
    for (const GraphPoint& point : series.points) {
        if (point.y) {
            points.append(QPointF(point.x, *point.y));
        }
    }
    return points;
}

void StyleCurve(QLineSeries& curve, const GraphSeriesStyle& style) {
    QPen pen(ColourOf(style.colour));
    pen.setWidth(style.lineWidth);
    pen.setStyle(style.lineWidth > 0 ? Qt::SolidLine : Qt::NoPen);
    curve.setPen(pen);
    curve.setPointsVisible(style.markerSize > 0);
    if (style.markerSize > 0) {
        curve.setMarkerSize(style.markerSize);
    }
}

void StyleCurrent(QScatterSeries& current, const GraphSeriesStyle& style) {
    current.setMarkerShape(style.marker == MarkerShape::Diamond
                               ? QScatterSeries::MarkerShapeRotatedRectangle
                               : QScatterSeries::MarkerShapeCircle);
    current.setMarkerSize(style.markerSize);
    current.setColor(ColourOf(style.colour));
    current.setBorderColor(ColourOf(style.colour));
}

}  // namespace

StressChart::StressChart()
    : axisX_(new QValueAxis),
      axisY_(new QValueAxis),
      curves_{new QLineSeries, new QLineSeries},
      current_(new QScatterSeries),
      band_(new QLineSeries(this)) {
    // Room goes to the plot: the window often gets only what is left under the dialog.
    setMargins(QMargins(6, 2, 6, 2));
    legend()->setAlignment(Qt::AlignBottom);
    addAxis(axisX_, Qt::AlignBottom);
    addAxis(axisY_, Qt::AlignLeft);
    axisX_->setTickCount(kXTickCount);
    axisY_->setTickType(QValueAxis::TicksDynamic);
    axisY_->setTickAnchor(0);
    axisY_->setTickInterval(kYTickInterval);
    axisY_->setRange(-kYMargin, 100 + kYMargin);
    for (QXYSeries* series : AllSeries()) {
        addSeries(series);
        AttachToAxes(*series);
    }
}

void StressChart::AttachToAxes(QXYSeries& series) {
    series.attachAxis(axisX_);
    series.attachAxis(axisY_);
}

void StressChart::GraphInit(const GraphSettings& graph) {
    const GridLines grid = GridLinesOf(graph.GridStyle);
    StyleAxis(*axisX_, graph.XAxisTitle0, grid.xAxis);
    StyleAxis(*axisY_, graph.YAxisTitle0, grid.yAxis);
    setTitle(QString::fromStdString(graph.GraphTitle));
    setTitleFont(WithPointSize(titleFont(), kHeaderPointSize));
}

void StressChart::PlotStress(const StressGraph& graph) {
    // The X axis spans the half-turn of the curves; at angle 0 the current point
    // sits on its left end.
    axisX_->setRange(graph.xOffset, graph.xOffset + kGraphPointCount);
    for (size_t i = 0; i < curves_.size(); ++i) {
        StyleCurve(*curves_[i], graph.series[i].style);
        curves_[i]->replace(PresentPoints(graph.series[i]));
    }
    StyleCurrent(*current_, graph.series[kCurrentSeries].style);
    current_->replace(PresentPoints(graph.series[kCurrentSeries]));

    PlotBand(graph);
    bool anyLegend = false;
    const std::array<QXYSeries*, 3> all = AllSeries();
    for (size_t i = 0; i < all.size(); ++i) {
        const std::optional<std::string>& text = graph.series[i].style.legend;
        all[i]->setName(text ? QString::fromStdString(*text) : QString());
        for (QLegendMarker* marker : legend()->markers(all[i])) {
            marker->setVisible(text.has_value());
        }
        anyLegend = anyLegend || text.has_value();
    }
    legend()->setVisible(anyLegend);
}

// The current point goes back in after the bar, so that it is painted over it.
void StressChart::PlotBand(const StressGraph& graph) {
    const bool shown = series().contains(band_);
    if (!graph.band) {
        if (shown) {
            removeSeries(band_);
            band_->setParent(this);
        }
        return;
    }
    if (!shown) {
        removeSeries(current_);
        addSeries(band_);
        addSeries(current_);
        AttachToAxes(*band_);
        AttachToAxes(*current_);
    }
    StyleCurve(*band_, graph.band->style);
    band_->replace(PresentPoints(*graph.band));
    const std::optional<std::string>& text = graph.band->style.legend;
    band_->setName(text ? QString::fromStdString(*text) : QString());
    for (QLegendMarker* marker : legend()->markers(band_)) {
        marker->setVisible(text.has_value());
    }
}

std::array<QXYSeries*, 3> StressChart::AllSeries() const {
    return {curves_[0], curves_[1], current_};
}

}  // namespace vornexa

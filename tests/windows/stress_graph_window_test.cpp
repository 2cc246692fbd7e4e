#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QtTest>

#include "analysis/orientation.h"
#include "core/app_state.h"
#include "support/window_harness.h"
#include "ui/project/stress_graph_window.h"

Q_DECLARE_METATYPE(vornexa::Parms)

namespace vornexa {
namespace {

using test::Child;

QChart& ChartOf(QWidget& window) {
    return *Child<QChartView>(window, "graph1").chart();
}

QLineSeries& Curve(QWidget& window, int index) {
    return *qobject_cast<QLineSeries*>(ChartOf(window).series().at(index));
}

QScatterSeries& Current(QWidget& window) {
    return *qobject_cast<QScatterSeries*>(ChartOf(window).series().at(2));
}

QValueAxis& Axis(QWidget& window, Qt::Orientation orientation) {
    return *qobject_cast<QValueAxis*>(ChartOf(window).axes(orientation).at(0));
}

// Pixels of exactly this colour in the rendered window.
int CountColour(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class StressGraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void isATopLevelWindowWithItsChart();
    void graphInitSetsHeaderAxesAndGrids_data();
    void graphInitSetsHeaderAxesAndGrids();
    void seriesCoverTheHalfTurnOfTheCurrentPoint_data();
    void seriesCoverTheHalfTurnOfTheCurrentPoint();
    void graphStyleSetsLinesAndMarkers_data();
    void graphStyleSetsLinesAndMarkers();
    void legendFollowsCurveLegend();
    void plotStressFollowsTheWorkingLayout();
    void graphStyleZeroRendersOnlyTheCurrentPoint();
    void sigmaHBandIsABarThroughTheCurrentPoint_data();
    void sigmaHBandIsABarThroughTheCurrentPoint();
};

void StressGraphWindowTest::isATopLevelWindowWithItsChart() {
    test::WindowHarness h;
    QWidget owner;
    auto* window = new StressGraphWindow(h.ctx, &owner);
    QCOMPARE(window->objectName(), QStringLiteral("frmStressPlot"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Stress Graph"));
    QVERIFY(window->isWindow());
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QChartView& view = Child<QChartView>(*window, "graph1");
    QVERIFY(view.renderHints().testFlag(QPainter::Antialiasing));
    QVERIFY(window->width() <= 640 && window->height() <= 480);
    QCOMPARE(ChartOf(*window).series().size(), 3);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QPointer<StressGraphWindow> tracked(window);
    window->show();
    window->close();
    QTRY_VERIFY(tracked.isNull());
}

void StressGraphWindowTest::graphInitSetsHeaderAxesAndGrids_data() {
    QTest::addColumn<int>("gridStyle");
    QTest::addColumn<bool>("yGrid");
    QTest::addColumn<bool>("xGrid");
    QTest::newRow("none") << 0 << false << false;
    QTest::newRow("Y axis") << 1 << true << false;
    QTest::newRow("X axis") << 2 << false << true;
    QTest::newRow("both") << 3 << true << true;
}

void StressGraphWindowTest::graphInitSetsHeaderAxesAndGrids() {
    QFETCH(int, gridStyle);
    QFETCH(bool, yGrid);
    QFETCH(bool, xGrid);
    test::WindowHarness h;
    h.state.graph.GridStyle = static_cast<int16_t>(gridStyle);
    h.state.graph.GraphTitle = "Header";
    StressGraphWindow window(h.ctx);
    QCOMPARE(ChartOf(window).title(), QStringLiteral("Header"));
    QCOMPARE(ChartOf(window).titleFont().pointSize(), 15);
    QValueAxis& x = Axis(window, Qt::Horizontal);
    QValueAxis& y = Axis(window, Qt::Vertical);
    QCOMPARE(x.titleText(), QStringLiteral("Angle with Maximum Horizontal Stress"));
    QCOMPARE(y.titleText(), QStringLiteral("Headgate Stress (% of maximum)"));
    for (QValueAxis* axis : {&x, &y}) {
        QCOMPARE(axis->titleFont().pointSize(), 10);
        QCOMPARE(axis->linePen().width(), 2);
    }
    QCOMPARE(y.isGridLineVisible(), yGrid);
    QCOMPARE(x.isGridLineVisible(), xGrid);
    QVERIFY(y.min() < 0 && y.min() > -10);
    QVERIFY(y.max() > 100 && y.max() < 110);
    QCOMPARE(y.tickType(), QValueAxis::TicksDynamic);
    QCOMPARE(y.tickAnchor(), 0.0);
    QCOMPARE(y.tickInterval(), 20.0);
}

void StressGraphWindowTest::seriesCoverTheHalfTurnOfTheCurrentPoint_data() {
    QTest::addColumn<Parms>("work");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("offset");
    QTest::newRow("65") << test::LongwallLayout(0, 65, 0) << 65.0 << 99.51 << 0;
    QTest::newRow("250") << test::LongwallLayout(1, 300, 10) << 250.0 << 99.97 << 180;
    QTest::newRow("0") << test::LongwallLayout(0, 0, 0) << 0.0 << 12.84 << 0;
}

void StressGraphWindowTest::seriesCoverTheHalfTurnOfTheCurrentPoint() {
    QFETCH(Parms, work);
    QFETCH(double, angle);
    QFETCH(double, percent);
    QFETCH(int, offset);
    test::WindowHarness h;
    h.state.workParms = work;
    StressGraphWindow window(h.ctx);
    QCOMPARE(Axis(window, Qt::Horizontal).min(), double(offset));
    QCOMPARE(Axis(window, Qt::Horizontal).max(), offset + 180.0);

    const QList<QPointF> concentration = Curve(window, 0).points();
    const QList<QPointF> relief = Curve(window, 1).points();
    QCOMPARE(concentration.size(), 89);
    QCOMPARE(relief.size(), 91);
    QCOMPARE(concentration.front().x(), offset + 1.0);
    QCOMPARE(concentration.back().x(), offset + 89.0);
    QCOMPARE(relief.front().x(), offset + 90.0);
    QCOMPARE(relief.back().x(), offset + 180.0);
    for (int i = 0; i < concentration.size(); ++i) {
        QCOMPARE(concentration[i].y(), double(HeadgateStressPct(float(i + 1))));
    }

    const QList<QPointF> current = Current(window).points();
    QCOMPARE(current.size(), 1);
    QCOMPARE(current[0].x(), angle);
    QVERIFY(qAbs(current[0].y() - percent) < 0.005);
}

void StressGraphWindowTest::graphStyleSetsLinesAndMarkers_data() {
    QTest::addColumn<int>("graphStyle");
    QTest::addColumn<bool>("lines");
    QTest::addColumn<bool>("markers");
    QTest::newRow("neither") << 0 << false << false;
    QTest::newRow("lines") << 1 << true << false;
    QTest::newRow("markers") << 2 << false << true;
    QTest::newRow("both") << 3 << true << true;
}

void StressGraphWindowTest::graphStyleSetsLinesAndMarkers() {
    QFETCH(int, graphStyle);
    QFETCH(bool, lines);
    QFETCH(bool, markers);
    test::WindowHarness h;
    h.state.graph.GraphStyle = static_cast<int16_t>(graphStyle);
    h.state.graph.SymbolSize = 5;
    StressGraphWindow window(h.ctx);
    const QColor colours[] = {QColor(205, 92, 92), QColor(0, 0, 255)};
    for (int i = 0; i < 2; ++i) {
        QLineSeries& curve = Curve(window, i);
        QCOMPARE(curve.pen().style() != Qt::NoPen, lines);
        QCOMPARE(curve.pen().color(), colours[i]);
        if (lines) {
            QCOMPARE(curve.pen().width(), 3);
        }
        QCOMPARE(curve.pointsVisible(), markers);
        if (markers) {
            QCOMPARE(curve.markerSize(), 5.0);
        }
    }
    QScatterSeries& current = Current(window);
    QCOMPARE(current.markerSize(), 12.0);
    QCOMPARE(current.color(), QColor(Qt::black));
    QCOMPARE(current.markerShape(), QScatterSeries::MarkerShapeRotatedRectangle);
}

void StressGraphWindowTest::legendFollowsCurveLegend() {
    test::WindowHarness h;
    {
        StressGraphWindow window(h.ctx);
        QVERIFY(ChartOf(window).legend()->isVisible());
        QStringList labels;
        for (QLegendMarker* marker : ChartOf(window).legend()->markers()) {
            labels << marker->label();
        }
        QCOMPARE(labels, (QStringList{QStringLiteral("Stress Concentration  "),
                                      QStringLiteral("Stress Relief  "),
                                      QStringLiteral("Current Stress Level  ")}));
    }
    h.state.graph.CurveLegend = 0;
    StressGraphWindow window(h.ctx);
    QVERIFY(!ChartOf(window).legend()->isVisible());
    for (QLegendMarker* marker : ChartOf(window).legend()->markers()) {
        QVERIFY(!marker->isVisible());
    }
}

void StressGraphWindowTest::plotStressFollowsTheWorkingLayout() {
    test::WindowHarness h;
    h.state.workParms = test::LongwallLayout(0, 65, 0);
    StressGraphWindow window(h.ctx);
    QCOMPARE(Current(window).points().at(0).x(), 65.0);
    h.state.workParms = test::LongwallLayout(1, 300, 10);
    window.PlotStress();
    QCOMPARE(h.state.viewParms.AzimSigmaH, 300.0f);
    QCOMPARE(Current(window).points().at(0).x(), 250.0);
    QCOMPARE(Curve(window, 0).points().front().x(), 181.0);
    QCOMPARE(Axis(window, Qt::Horizontal).min(), 180.0);
    QCOMPARE(ChartOf(window).series().size(), 3);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void StressGraphWindowTest::graphStyleZeroRendersOnlyTheCurrentPoint() {
    const QColor blue(0, 0, 255);
    for (int16_t style : {int16_t(1), int16_t(0)}) {
        test::WindowHarness h;
        h.state.graph.GraphStyle = style;
        h.state.graph.CurveLegend = 0;
        h.state.workParms = test::LongwallLayout(0, 65, 0);
        StressGraphWindow window(h.ctx);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QChartView& view = Child<QChartView>(window, "graph1");
        const QImage image = view.grab().toImage();
        QVERIFY(!image.isNull());
        QCOMPARE(CountColour(image, blue) > 0, style == 1);
        const QPointF current = Current(window).points().at(0);
        const QPoint centre = view.mapFromScene(ChartOf(window).mapToPosition(current));
        QCOMPARE(image.pixelColor(centre), QColor(Qt::black));
    }
}

void StressGraphWindowTest::sigmaHBandIsABarThroughTheCurrentPoint_data() {
    QTest::addColumn<Parms>("work");
    QTest::addColumn<float>("tolerance");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::newRow("off") << test::LongwallLayout(0, 65, 0) << 0.0f << 0.0 << 0.0;
    QTest::newRow("inside") << test::LongwallLayout(0, 65, 0) << 20.0f << 45.0 << 85.0;
    QTest::newRow("cut at the left end") << test::LongwallLayout(0, 0, 0) << 15.0f << 0.0 << 15.0;
    QTest::newRow("upper half-turn, every direction")
        << test::LongwallLayout(1, 300, 10) << 90.0f << 180.0 << 340.0;
}

// The bar lies under the current point, the last series, and goes when the
// tolerance returns to 0.
void StressGraphWindowTest::sigmaHBandIsABarThroughTheCurrentPoint() {
    QFETCH(Parms, work);
    QFETCH(float, tolerance);
    QFETCH(double, from);
    QFETCH(double, to);
    test::WindowHarness h;
    h.state.workParms = work;
    h.state.workParms.SigmaHTolerance = tolerance;
    StressGraphWindow window(h.ctx);
    QChart& chart = ChartOf(window);
    QCOMPARE(chart.series().size(), tolerance > 0 ? 4 : 3);
    const auto* marked = qobject_cast<QScatterSeries*>(chart.series().back());
    QVERIFY(marked != nullptr);
    if (tolerance > 0) {
        const QList<QPointF> bar = qobject_cast<QLineSeries*>(chart.series().at(2))->points();
        const QPointF current = marked->points().at(0);
        QCOMPARE(bar, (QList<QPointF>{{from, current.y()}, {to, current.y()}}));
    }
    h.state.workParms.SigmaHTolerance = 0;
    window.PlotStress();
    QCOMPARE(chart.series().size(), 3);
    QCOMPARE(chart.series().at(2), marked);
}

}  // namespace vornexa

QTEST_MAIN(vornexa::StressGraphWindowTest)
#include "stress_graph_window_test.moc"

#include <QtTest>

#include "ui/drawing/pixel_regions.h"

Q_DECLARE_METATYPE(QPolygon)

namespace vornexa {

// The sector frames take their pixels from one scan; they must stay the pixels
// of the ellipse's and the polygon's own regions intersected.
class PixelRegionsTest : public QObject {
    Q_OBJECT

  private slots:
    void ellipseAndPolygon_data() {
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QPolygon>("polygon");
        const QRect circle(50, 60, 201, 201);
        QTest::newRow("slice from the centre")
            << circle << QPolygon({{150, 160}, {400, 0}, {400, 300}});
        QTest::newRow("polygon inside") << circle << QPolygon({{120, 130}, {180, 140}, {150, 200}});
        QTest::newRow("polygon around")
            << circle << QPolygon({{0, 0}, {400, 0}, {400, 400}, {0, 400}});
        QTest::newRow("disjoint") << circle << QPolygon({{300, 0}, {400, 0}, {350, 50}});
        QTest::newRow("concave, crossing the rim")
            << circle << QPolygon({{20, 100}, {280, 90}, {150, 170}, {290, 250}, {10, 240}});
        QTest::newRow("uneven ellipse, edges on pixel centres")
            << QRect(10, 20, 37, 18) << QPolygon({{10, 20}, {47, 29}, {10, 38}});
    }
    void ellipseAndPolygon() {
        QFETCH(QRect, box);
        QFETCH(QPolygon, polygon);
        const QRegion expected = EllipseRegion(box).intersected(PolygonRegion(polygon));
        const QRegion built = EllipseAndPolygonRegion(box, polygon);
        QCOMPARE(built.xored(expected), QRegion());
        QCOMPARE(BorderOf(built), BorderOf(expected));
    }
};

}  // namespace vornexa

QTEST_MAIN(vornexa::PixelRegionsTest)
#include "pixel_regions_test.moc"

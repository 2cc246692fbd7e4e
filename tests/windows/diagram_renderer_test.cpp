#include <QImage>
#include <QTest>

#include <cmath>
#include <filesystem>

#include "diagrams/diagrams.h"
#include "test_support.h"
#include "ui/drawing/diagram_export.h"
#include "ui/drawing/diagram_renderer.h"

using namespace vornexa;

namespace {

// The colour at azimuth `azimuth`, `r` pixels from the development centre.
QColor AtAzimuth(const QImage& image, double azimuth, double r) {
    const double a = azimuth * 0.017453292519943278;
    return image.pixelColor(static_cast<int>(std::lround(225 + r * std::sin(a))),
                            static_cast<int>(std::lround(190 - r * std::cos(a))));
}

// A cross-hatch shows its colour somewhere in a small window around the point.
bool ShowsColour(const QImage& image, QPoint centre, QColor colour) {
    for (int dx = -4; dx <= 4; ++dx) {
        for (int dy = -4; dy <= 4; ++dy) {
            if (image.pixelColor(centre + QPoint(dx, dy)) == colour) {
                return true;
            }
        }
    }
    return false;
}

QPoint Polar(double azimuth, double r) {
    const double a = azimuth * 0.017453292519943278;
    return {static_cast<int>(std::lround(225 + r * std::sin(a))),
            static_cast<int>(std::lround(190 - r * std::cos(a)))};
}

// The black pixels of a picture that ought to hold only black and white.
struct Ink {
    QRect box;
    int count = 0;
    int grey = 0;
};

Ink InkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour == QColor(Qt::black)) {
                ink.box |= QRect(x, y, 1, 1);
                ++ink.count;
            } else if (colour != QColor(Qt::white)) {
                ++ink.grey;
            }
        }
    }
    return ink;
}

QImage Development(float sigmaH) {
    Parms view = test::DevelopmentLayout(sigmaH);
    return RenderDisplayList(Dev_Paint(view));
}

}  // namespace

class DiagramRendererTest : public QObject {
    Q_OBJECT

  private slots:
    void zonesShowTheirColours() {
        for (float sigmaH : {0.0f, 45.0f}) {
            const QImage image = Development(sigmaH);
            QCOMPARE(image.size(), QSize(457, 465));
            for (double offset : {0.0, 180.0}) {
                QVERIFY(ShowsColour(image, Polar(sigmaH + offset + 20, 120), Qt::blue));
                QVERIFY(!ShowsColour(image, Polar(sigmaH + offset + 20, 120), Qt::red));
                QVERIFY(ShowsColour(image, Polar(sigmaH + offset + 90 + 20, 120), Qt::red));
                QCOMPARE(AtAzimuth(image, sigmaH + offset + 45, 120), QColor(Qt::white));
            }
            QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        }
    }

    // The sector is drawn as an arc when the triangle's far side misses the
    // circle; a cut that reaches into the circle takes the general path. Both
    // must cover the same pixels as the exact intersection would.
    void circleCutByATriangle() {
        struct Case {
            Point far1, far2;
            QPoint inside, outside;
        };
        const Case cases[] = {
            {{325, 90}, {325, 290}, {260, 190}, {190, 190}},   // far side outside: a pie
            {{240, 150}, {240, 230}, {232, 190}, {250, 190}},  // far side cuts the circle
            {{125, 290}, {325, 290}, {225, 235}, {225, 150}},  // wide, downwards
        };
        for (const Case& c : cases) {
            DisplayList list;
            Shape cut{Shape::Kind::EllipseAndPolygon, {165, 130}, {285, 250}, {}};
            cut.points = {{225, 190}, c.far1, c.far2};
            list.commands.push_back(FillShape{cut, Brush{kRed, false}});
            const QImage image = RenderDisplayList(list);
            QCOMPARE(image.pixelColor(c.inside), QColor(Qt::red));
            QCOMPARE(image.pixelColor(c.outside), QColor(Qt::white));
            QCOMPARE(image.pixelColor(225, 125), QColor(Qt::white));  // beyond the circle
        }
    }

    void linesAndLegendBars() {
        const QImage image = Development(0);
        QCOMPARE(AtAzimuth(image, 15, 100), QColor(Qt::blue));
        QCOMPARE(AtAzimuth(image, 105, 100), QColor(102, 51, 0));
        QCOMPARE(AtAzimuth(image, 285, 100), QColor(178, 0, 238));
        QCOMPARE(AtAzimuth(image, 0, 100), QColor(Qt::black));
        QCOMPARE(image.pixelColor(300, 405), QColor(102, 51, 0));
        QCOMPARE(image.pixelColor(300, 435), QColor(178, 0, 238));
    }

    void longwallPanelsForBothSequences() {
        for (int16_t type : {int16_t{0}, int16_t{1}}) {
            Parms view;
            view.PlanType = 1;
            view.LongType = type;
            view.AzimSigmaH = 200;
            const QImage image = RenderDisplayList(Long_Paint(view));
            const int side = type == 1 ? 1 : -1;
            QCOMPARE(image.pixelColor(225 + side * 40, 215), QColor(Qt::blue));
            QCOMPARE(image.pixelColor(225 + side * 40, 120), QColor(Qt::red));
            QCOMPARE(image.pixelColor(225 + side * 120, 150), QColor(Qt::red));
            QCOMPARE(image.pixelColor(225 - side * 60, 150), QColor(Qt::white));
            QCOMPARE(image.pixelColor(225, 300), QColor(102, 51, 0));
        }
    }

    // A frame is the shape's own border pixels in black, one canvas pixel wide
    // at any pixel ratio: the right and bottom edges of a box are outside it.
    void framesAreTheBorderPixels() {
        struct Case {
            const char* name;
            Shape shape;
            int left, top, right, bottom;  // of the black pixels, inclusive
            int minCount, maxCount;
        };
        const Shape box{Shape::Kind::Rectangle, {30, 370}, {80, 390}, {}};
        const Shape square{
            Shape::Kind::Polygon, {}, {}, {{225, 225}, {275, 225}, {275, 175}, {225, 175}}};
        const Shape tilted{
            Shape::Kind::Polygon, {}, {}, {{200, 100}, {260, 130}, {230, 190}, {170, 160}}};
        const Shape circle{Shape::Kind::Ellipse, {75, 40}, {375, 340}, {}};
        Shape sector = circle;
        sector.kind = Shape::Kind::EllipseAndPolygon;
        sector.points = {{225, 190}, {113, -5}, {338, -5}};
        // Pixels count by their centres: the sector's edges meet the arc at x 150.3
        // and 300.2, and its rows end short of the corner at the centre.
        const Case cases[] = {
            {"legend box", box, 30, 370, 79, 389, 136, 136},
            {"square panel", square, 225, 175, 274, 224, 196, 196},
            {"tilted panel", tilted, 170, 100, 259, 189, 200, 320},
            {"zone circle", circle, 75, 40, 374, 339, 800, 900},
            {"sector", sector, 151, 40, 299, 188, 380, 440},
        };
        for (const Case& c : cases) {
            DisplayList list;
            list.commands.push_back(FrameShape{c.shape, kBlack});
            const Ink ink = InkOf(RenderDisplayList(list));
            QVERIFY2(ink.grey == 0, c.name);
            QVERIFY2(ink.box == QRect(QPoint(c.left, c.top), QPoint(c.right, c.bottom)), c.name);
            QVERIFY2(ink.count >= c.minCount && ink.count <= c.maxCount, c.name);
            const Ink sharp = InkOf(RenderDisplayList(list, 2));
            QVERIFY2(sharp.grey == 0, c.name);
            QVERIFY2(sharp.box == QRect(ink.box.topLeft() * 2, ink.box.size() * 2), c.name);
            QVERIFY2(sharp.count == 4 * ink.count, c.name);
        }
    }

    // The band tints white paper and lets the hatch show through it; the SigmaH
    // arrow stays on top, and SVG and PDF keep the tint translucent.
    void sigmaHBandTintsUnderTheArrow() {
        Parms view = test::DevelopmentLayout(0);
        view.SigmaHTolerance = 20;
        const DisplayList list = Dev_Paint(view);
        const QImage image = RenderDisplayList(list);
        const QColor tint(255, 231, 183);  // 72 of 255 amber over white
        const QColor hatch(72, 48, 183);   // the same over the blue hatch line
        QVERIFY(ShowsColour(image, Polar(350, 120), tint));
        QVERIFY(ShowsColour(image, Polar(350, 120), hatch));
        QVERIFY(!ShowsColour(image, Polar(325, 120), tint));
        QCOMPARE(AtAzimuth(image, 0, 100), QColor(Qt::black));

        test::TempFolder dir;
        QVERIFY(ExportDiagram(list, dir.file("band.svg")));
        QVERIFY(test::ReadAll(dir.file("band.svg")).find("fill-opacity=\"0.28") !=
                std::string::npos);
        QVERIFY(ExportDiagram(list, dir.file("band.pdf")));
        QVERIFY(test::ReadAll(dir.file("band.pdf")).find("/ca 0.28") != std::string::npos);
    }

    void exportsByFileType() {
        test::TempFolder dir;
        Parms view;
        const DisplayList list = DiagramOf(view);
        QVERIFY(ExportDiagram(list, dir.file("d.png")));
        QCOMPARE(QImage(QString::fromStdString(dir.file("d.png"))).size(), QSize(457, 465));
        QVERIFY(ExportDiagram(list, dir.file("d.SVG")));
        QVERIFY(test::ReadAll(dir.file("d.SVG")).find("<svg") != std::string::npos);
        QVERIFY(ExportDiagram(list, dir.file("d.pdf")));
        QVERIFY(test::ReadAll(dir.file("d.pdf")).rfind("%PDF", 0) == 0);
        QVERIFY(!ExportDiagram(list, dir.file("d.txt")));
        QVERIFY(!ExportDiagram(list, dir.file("missing/d.png")));
    }
};

QTEST_MAIN(DiagramRendererTest)
#include "diagram_renderer_test.moc"

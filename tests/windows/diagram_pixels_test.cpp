#include <QDir>
#include <QImage>
#include <QtTest>

#include <cstdlib>

#include "analysis/orientation.h"
#include "diagrams/diagrams.h"
#include "support/window_harness.h"
#include "test_support.h"
#include "ui/drawing/diagram_export.h"
#include "ui/drawing/diagram_raster.h"
#include "ui/drawing/diagram_renderer.h"
#include "ui/project/diagram_window.h"

Q_DECLARE_METATYPE(vornexa::Parms)

namespace vornexa {
namespace {

// The pictures under fixtures/pictures were made by the renderer before it was
// made faster; every later renderer must draw them to the pixel. After a change
// meant to alter the pictures, VORNEXA_WRITE_PICTURES=FOLDER writes new ones.
QString Reference(const QString& file) {
    return QFINDTESTDATA("fixtures/pictures") + QLatin1Char('/') + file;
}

QString NewReference(const QString& file) {
    const char* folder = std::getenv("VORNEXA_WRITE_PICTURES");
    return folder != nullptr ? QDir(QString::fromLocal8Bit(folder)).filePath(file) : QString();
}

QImage Picture(const Parms& work, qreal devicePixelRatio) {
    Parms view;
    UpdateViewParms(work, view);
    return RenderDisplayList(DiagramOf(view), devicePixelRatio);
}

// Fails naming the first pixel, in row order, that differs and how many do.
void CompareEveryPixel(const QImage& drawn, const QString& name) {
    const QString file = name + QStringLiteral(".png");
    if (!NewReference(file).isEmpty()) {
        QVERIFY(drawn.save(NewReference(file)));
        return;
    }
    const QImage expected = QImage(Reference(file)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), expected.size());
    const QImage actual = drawn.convertToFormat(QImage::Format_RGB32);
    QPoint first(-1, -1);
    int count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            if (a[x] != e[x] && count++ == 0) {
                first = QPoint(x, y);
            }
        }
    }
    if (count > 0) {
        QFAIL(qPrintable(
            QStringLiteral("%1 pixels differ, the first at (%2, %3): %4, not %5")
                .arg(count)
                .arg(first.x())
                .arg(first.y())
                .arg(QColor(actual.pixel(first)).name(), QColor(expected.pixel(first)).name())));
    }
}

}  // namespace

class DiagramPixelsTest : public QObject {
    Q_OBJECT

  private slots:
    void pictures_data() {
        QTest::addColumn<Parms>("work");
        QTest::addColumn<QString>("name");
        QTest::newRow("SigmaH 0") << test::DevelopmentLayout(0) << "development_0";
        QTest::newRow("SigmaH 17.5") << test::DevelopmentLayout(17.5f) << "development_17.5";
        QTest::newRow("SigmaH 45") << test::DevelopmentLayout(45) << "development_45";
        QTest::newRow("SigmaH 90") << test::DevelopmentLayout(90) << "development_90";
        QTest::newRow("longwall A") << test::LongwallLayout(0, 65, 20) << "longwall_A";
        QTest::newRow("longwall B") << test::LongwallLayout(1, 65, 20) << "longwall_B";
    }

    // What the window shows, and what a saved PNG holds.
    void pictures() {
        QFETCH(Parms, work);
        QFETCH(QString, name);
        test::WindowHarness h;
        h.state.workParms = work;
        DiagramWindow window(h.ctx);
        CompareEveryPixel(window.canvasImage(), name);
        test::TempFolder dir;
        Parms view;
        UpdateViewParms(work, view);
        QVERIFY(ExportDiagram(DiagramOf(view), dir.file("d.png")));
        CompareEveryPixel(QImage(QString::fromStdString(dir.file("d.png"))), name);
    }

    // A screen of twice the pixels: hatches, edges and text at the finer grid.
    void sharpPictures_data() {
        QTest::addColumn<Parms>("work");
        QTest::addColumn<QString>("name");
        QTest::newRow("SigmaH 17.5") << test::DevelopmentLayout(17.5f) << "development_17.5@2x";
        QTest::newRow("longwall A") << test::LongwallLayout(0, 65, 20) << "longwall_A@2x";
    }

    void sharpPictures() {
        QFETCH(Parms, work);
        QFETCH(QString, name);
        CompareEveryPixel(Picture(work, 2), name);
    }

    // The window keeps parts and line coverage from redraw to redraw; what it
    // shows must still be what a fresh picture of each layout is.
    void keptPartsDrawAsFresh_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("screen") << qreal(1);
        QTest::newRow("twice the pixels") << qreal(2);
    }

    void keptPartsDrawAsFresh() {
        QFETCH(qreal, ratio);
        std::vector<Parms> steps(3, test::DevelopmentLayout(0));
        for (float sigmaH : {1.0f, 2.0f, 2.0f, 2.0f}) {
            steps.push_back(test::DevelopmentLayout(sigmaH));
        }
        Parms turned = steps.back();
        turned.AzimEntries += 10;
        Parms banded = turned;
        banded.SigmaHTolerance = 20;
        steps.insert(steps.end(),
                     {turned, turned, banded, banded, banded, test::LongwallLayout(0, 65, 20),
                      test::LongwallLayout(1, 65, 20), test::DevelopmentLayout(2)});
        DiagramRaster raster;
        for (size_t i = 0; i < steps.size(); ++i) {
            Parms view;
            UpdateViewParms(steps[i], view);
            const QImage& shown = raster.Render(DiagramOf(view), ratio);
            QVERIFY2(shown == Picture(steps[i], ratio), qPrintable(QString::number(i)));
        }
    }

    // Vector files keep their shapes and hatch patterns, whatever raster devices are given.
    void vectorPicture() {
        test::TempFolder dir;
        Parms view;
        UpdateViewParms(test::DevelopmentLayout(17.5f), view);
        QVERIFY(ExportDiagram(DiagramOf(view), dir.file("d.svg")));
        const QString file = QStringLiteral("development_17.5.svg");
        if (!NewReference(file).isEmpty()) {
            QVERIFY(QFile::copy(QString::fromStdString(dir.file("d.svg")), NewReference(file)));
            return;
        }
        QCOMPARE(test::ReadAll(dir.file("d.svg")), test::ReadAll(Reference(file).toStdString()));
    }
};

}  // namespace vornexa

QTEST_MAIN(vornexa::DiagramPixelsTest)
#include "diagram_pixels_test.moc"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <filesystem>

#include "analysis/orientation.h"
#include "core/app_state.h"
#include "diagrams/diagrams.h"
#include "support/window_harness.h"
#include "test_support.h"
#include "ui/drawing/diagram_renderer.h"
#include "ui/project/diagram_window.h"
#include "ui/services/window_support.h"

namespace vornexa {
namespace {

using test::Child;

constexpr QPoint kCanvasAt(8, 8);

// The window deletes itself on close; whatever is left is deleted here.
struct Opened {
    explicit Opened(UiContext& ctx, QWidget* parent = nullptr)
        : window(new DiagramWindow(ctx, parent)) {}
    ~Opened() { delete window.data(); }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    DiagramWindow& operator*() const { return *window; }
    DiagramWindow* operator->() const { return window.data(); }
    QPointer<DiagramWindow> window;
};

Parms Longwall(int16_t longType, float sigmaH) {
    Parms work;
    work.PlanType = kPlanLongwall;
    work.LongType = longType;
    work.AzimSigmaH = sigmaH;
    work.AzimHeadGate = 20;
    return work;
}

// The picture of the working parameters, drawn the way the window must draw it.
QImage Expected(const Parms& work) {
    Parms view;
    UpdateViewParms(work, view);
    return RenderDisplayList(work.PlanType != 0 ? Long_Paint(view) : Dev_Paint(view));
}

// The canvas pixel at azimuth `azimuth`, `r` pixels from the development centre.
QPoint Polar(double azimuth, double r) {
    const double a = azimuth * 0.017453292519943278;
    return {static_cast<int>(std::lround(225 + r * std::sin(a))),
            static_cast<int>(std::lround(190 - r * std::cos(a)))};
}

QImage Rgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// The first page of a PDF as an image of `dpi` dots per inch.
QImage PdfPage(const std::string& pdf, const test::TempFolder& folder, int dpi) {
    const QString root = QString::fromStdString(folder.file("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"),
                   QString::fromStdString(pdf), root});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qFatal("pdftoppm failed");
    }
    return QImage(root + QStringLiteral(".ppm"));
}

// The bounding box of the pixels that are not white.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

}  // namespace

class DiagramWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void fixedLayoutAndCaption();
    void menusCarryTheirShortcuts_data();
    void menusCarryTheirShortcuts();
    void opensOnTheDiagramOfThePlanType_data();
    void opensOnTheDiagramOfThePlanType();
    void sameDirectionSamePicture_data();
    void sameDirectionSamePicture();
    void redrawSwitchesBetweenDiagrams();
    void repaintKeepsThePicture();
    void saveOnlySaysItIsNotActive();
    void exitClosesAndDeletesTheWindow();
    void copyPutsTheClientAreaOnTheClipboard();
    void printFitsTheDiagramOnThePage();
    void printerErrorOffersRetry();
    void dialogSnapshotGoesToTheClipboard();
};

void DiagramWindowTest::fixedLayoutAndCaption() {
    test::WindowHarness h;
    QWidget owner;
    Opened window(h.ctx, &owner);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.window));
    QCOMPARE(window->objectName(), QStringLiteral("frmVORNView"));
    QCOMPARE(window->windowTitle(), QStringLiteral("View Stress Orientation"));
    QVERIFY(window->isWindow());
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window->centralWidget()->size(), QSize(476, 486));
    QWidget& canvas = Child<QWidget>(*window, "picMain");
    QCOMPARE(canvas.geometry(), QRect(kCanvasAt, QSize(457, 465)));
    QCOMPARE(canvas.parentWidget(), window->centralWidget());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->centralWidget()->y(), window->menuBar()->height());
    QCOMPARE(window->canvasImage().size(), QSize(457, 465) * canvas.devicePixelRatioF());
    QCOMPARE(Child<QMenu>(*window, "mnuFile").title(), QStringLiteral("&File"));
    QCOMPARE(Child<QMenu>(*window, "mnuEdit").title(), QStringLiteral("&Edit"));
    QVERIFY(window->fileItem(1)->isSeparator());
    QVERIFY(window->fileItem(3)->isSeparator());
}

void DiagramWindowTest::menusCarryTheirShortcuts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("save") << "mnuFileItem_0"
                          << "Save"
                          << "Ctrl+S";
    QTest::newRow("print") << "mnuFileItem_2"
                           << "Print"
                           << "Ctrl+P";
    QTest::newRow("exit") << "mnuFileItem_4"
                          << "Exit"
                          << "Ctrl+X";
    QTest::newRow("copy") << "mnuEditItem_0"
                          << "Copy"
                          << "Ctrl+C";
}

void DiagramWindowTest::menusCarryTheirShortcuts() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    test::WindowHarness h;
    Opened window(h.ctx);
    const QAction& action = Child<QAction>(*window, qPrintable(name));
    QCOMPARE(action.text(), caption);
    QCOMPARE(action.shortcut(), QKeySequence(shortcut));
}

void DiagramWindowTest::opensOnTheDiagramOfThePlanType_data() {
    QTest::addColumn<Parms>("work");
    QTest::newRow("development, SigmaH 0") << test::DevelopmentLayout(0);
    QTest::newRow("development, SigmaH 45") << test::DevelopmentLayout(45);
    QTest::newRow("longwall type A") << Longwall(0, 200);
    QTest::newRow("longwall type B") << Longwall(1, 200);
}

void DiagramWindowTest::opensOnTheDiagramOfThePlanType() {
    QFETCH(Parms, work);
    test::WindowHarness h;
    h.state.workParms = work;
    Opened window(h.ctx);
    QCOMPARE(window->canvasImage(), Expected(work));
    QCOMPARE(h.state.workParms, work);
}

void DiagramWindowTest::sameDirectionSamePicture_data() {
    QTest::addColumn<Parms>("zero");
    QTest::addColumn<Parms>("full");
    const auto turned = [](Parms work, float Parms::*azimuth) {
        work.*azimuth = 360;
        return work;
    };
    const Parms development = test::DevelopmentLayout(0);
    QTest::newRow("development, SigmaH") << development << turned(development, &Parms::AzimSigmaH);
    QTest::newRow("longwall type A, SigmaH") << Longwall(0, 0) << Longwall(0, 360);
    Parms north = Longwall(1, 0);
    north.AzimHeadGate = 0;
    QTest::newRow("longwall type B, headgate") << north << turned(north, &Parms::AzimHeadGate);
}

void DiagramWindowTest::sameDirectionSamePicture() {
    QFETCH(Parms, zero);
    QFETCH(Parms, full);
    test::WindowHarness h;
    h.state.workParms = zero;
    Opened window(h.ctx);
    const QImage picture = window->canvasImage();
    h.state.workParms = full;
    if (full.PlanType != 0) {
        window->Long_Paint();
    } else {
        window->Dev_Paint();
    }
    QCOMPARE(window->canvasImage(), picture);
}

void DiagramWindowTest::redrawSwitchesBetweenDiagrams() {
    test::WindowHarness h;
    h.state.workParms = Longwall(1, 120);
    Opened window(h.ctx);
    const QImage longwall = window->canvasImage();

    h.state.workParms = test::DevelopmentLayout(30);
    window->Dev_Paint();
    QCOMPARE(window->canvasImage(), Expected(h.state.workParms));
    QVERIFY(window->canvasImage() != longwall);

    h.state.workParms = Longwall(1, 120);
    window->Long_Paint();
    QCOMPARE(window->canvasImage(), longwall);
}

void DiagramWindowTest::repaintKeepsThePicture() {
    test::WindowHarness h;
    h.state.workParms = test::DevelopmentLayout(0);
    Opened window(h.ctx);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.window));
    const qint64 rendered = window->canvasImage().cacheKey();

    h.state.workParms = Longwall(0, 90);
    QWidget& canvas = Child<QWidget>(*window, "picMain");
    canvas.repaint();
    const QImage shown = Rgb32(canvas.grab().toImage());

    QCOMPARE(window->canvasImage().cacheKey(), rendered);
    QCOMPARE(shown, Expected(test::DevelopmentLayout(0)));
}

void DiagramWindowTest::saveOnlySaysItIsNotActive() {
    test::WindowHarness h;
    test::TempFolder folder;
    h.state.project.CurrentFile = folder.file("mains.VRN");
    h.state.project.IsSaved = false;
    Opened window(h.ctx);
    window->fileItem(0)->trigger();
    QCOMPARE(h.presenter.shown.size(), size_t(1));
    QCOMPARE(h.presenter.shown[0].text, std::string("Option not active yet"));
    QCOMPARE(h.presenter.shown[0].style, msg::kOkOnly);
    QCOMPARE(h.presenter.shown[0].title, std::string("Vornexa"));
    QVERIFY(h.dialogs.fileRequests.empty());
    QVERIFY(std::filesystem::is_empty(folder.path()));
    QVERIFY(!h.state.project.IsSaved);
}

void DiagramWindowTest::exitClosesAndDeletesTheWindow() {
    test::WindowHarness h;
    Opened window(h.ctx);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.window));
    window->fileItem(4)->trigger();
    QTRY_VERIFY(window.window.isNull());
}

void DiagramWindowTest::copyPutsTheClientAreaOnTheClipboard() {
    test::WindowHarness h;
    h.state.workParms = test::DevelopmentLayout(0);
    Opened window(h.ctx);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.window));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    window->editItem(0)->trigger();

    const QImage copied = Rgb32(QGuiApplication::clipboard()->image());
    QCOMPARE(copied.size(), QSize(476, 486));
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QCOMPARE(copied.copy(QRect(kCanvasAt, QSize(457, 465))),
             RenderDisplayList(window->displayList()));
    QCOMPARE(copied.pixelColor(kCanvasAt + Polar(15, 100)), QColor(Qt::blue));
    QCOMPARE(copied.pixelColor(kCanvasAt + Polar(105, 100)), QColor(102, 51, 0));
    QCOMPARE(copied.pixelColor(kCanvasAt + Polar(285, 100)), QColor(178, 0, 238));
    QCOMPARE(copied.pixelColor(3, 3), window->palette().color(QPalette::Window));
}

void DiagramWindowTest::printFitsTheDiagramOnThePage() {
    test::WindowHarness h;
    test::TempFolder folder;
    const std::string pdf = folder.file("diagram.pdf");
    QPrinter& printer = h.printer.get();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    // A text print before leaves the printer in full-page mode.
    printer.setFullPage(true);
    h.state.workParms = test::DevelopmentLayout(0);
    Opened window(h.ctx);

    window->fileItem(2)->trigger();

    QVERIFY(h.presenter.shown.empty());
    QVERIFY(h.dialogs.printerDialogs == 0);
    QVERIFY(test::ReadAll(pdf).rfind("%PDF", 0) == 0);
    constexpr int kDpi = 30;
    const QImage page = PdfPage(pdf, folder, kDpi);
    QVERIFY(!page.isNull());
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Inch);
    const QRect ink = InkBox(page);
    QVERIFY(!ink.isEmpty());
    QVERIFY(QRectF(printable.topLeft() * kDpi, printable.size() * kDpi)
                .adjusted(-1, -1, 1, 1)
                .contains(QRectF(ink)));
    // Canvas pixels on the page: the largest scale that fits, centred on the printable area.
    const double scale = std::min(printable.width() / 457, printable.height() / 465);
    const QPointF origin = printable.center() - QPointF(457, 465) * scale / 2;
    const auto onPage = [&](QPoint canvas) {
        return ((origin + QPointF(canvas) * scale) * kDpi).toPoint();
    };
    for (double azimuth : {15.0, 195.0}) {
        const QColor entries = page.pixelColor(onPage(Polar(azimuth, 100)));
        QVERIFY2(entries.blue() > 180 && entries.red() < 100 && entries.green() < 100,
                 qPrintable(entries.name()));
    }
    const QColor leftCross = page.pixelColor(onPage(Polar(105, 100)));
    QVERIFY2(leftCross.red() > 60 && leftCross.blue() < 60, qPrintable(leftCross.name()));
}

void DiagramWindowTest::printerErrorOffersRetry() {
    test::WindowHarness h;
    test::TempFolder folder;
    const std::string pdf = folder.file("missing/diagram.pdf");
    h.printer.get().setOutputFormat(QPrinter::PdfFormat);
    h.printer.get().setOutputFileName(QString::fromStdString(pdf));
    h.presenter.answers = {msg::kRetry, msg::kCancel};
    Opened window(h.ctx);

    window->fileItem(2)->trigger();

    QCOMPARE(h.presenter.shown.size(), size_t(2));
    for (const test::RecordingPresenter::Shown& shown : h.presenter.shown) {
        QCOMPARE(shown.text, std::string("Error occurred: Printer error (482)"));
        QCOMPARE(shown.style, msg::kRetryCancel);
    }
    QVERIFY(!std::filesystem::exists(pdf));
    QVERIFY(!window.window.isNull());
}

void DiagramWindowTest::dialogSnapshotGoesToTheClipboard() {
    test::WindowHarness h;
    QWidget dialog;
    dialog.resize(320, 210);
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, QColor(10, 120, 30));
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    CopyDialogSnapshot(dialog, h.state.messages);

    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), dialog.size() * dialog.devicePixelRatioF());
    QCOMPARE(copied.pixelColor(copied.width() / 2, copied.height() / 2), QColor(10, 120, 30));
    QCOMPARE(h.presenter.shown.size(), size_t(1));
    QCOMPARE(h.presenter.shown[0].text, std::string("Screenshot of dialog copied to clipboard"));
    QCOMPARE(h.presenter.shown[0].style, msg::kOkOnly);
    QCOMPARE(h.presenter.shown[0].title, std::string("Message"));
}

}  // namespace vornexa

QTEST_MAIN(vornexa::DiagramWindowTest)
#include "diagram_window_test.moc"

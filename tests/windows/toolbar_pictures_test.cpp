#include <QAction>
#include <QImage>
#include <QStyleFactory>
#include <QTest>

#include "support/window_harness.h"
#include "ui/project/main_window.h"
#include "ui/services/overflow_icon_style.h"

using namespace vornexa;

namespace {

// How many pixels of the picture are drawn at all.
int InkedPixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return inked;
}

}  // namespace

class ToolbarPicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyButtonHasAPictureAtEveryScale_data() {
        QTest::addColumn<int>("button");
        for (int button = 1; button <= 5; ++button) {
            QTest::addRow("button %d", button) << button;
        }
    }

    void everyButtonHasAPictureAtEveryScale() {
        QFETCH(int, button);
        test::WindowHarness h;
        MainWindow window(h.ctx);
        const QIcon icon = window.toolbarButton(button)->icon();
        for (const qreal scale : {1.0, 2.0}) {
            const QPixmap normal = icon.pixmap(QSize(24, 24), scale);
            // Drawn for the screen's pixels, not scaled up from a smaller picture.
            QCOMPARE(normal.size(), QSize(24, 24) * scale);
            QVERIFY(InkedPixels(normal) > normal.width() * normal.height() / 5);
            const QPixmap disabled = icon.pixmap(QSize(24, 24), scale, QIcon::Disabled);
            QVERIFY(disabled.toImage() != normal.toImage());
        }
    }

    void overflowButtonsGetTheStyleIconWhenDrawn_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("menu bar") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("vertical toolbar") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("any other icon") << int(QStyle::SP_DialogOpenButton);
    }

    void overflowButtonsGetTheStyleIconWhenDrawn() {
        QFETCH(int, which);
        OverflowIconStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto icon = static_cast<QStyle::StandardPixmap>(which);
        const QIcon drawn = style.standardIcon(icon, nullptr, nullptr);
        const QIcon expected = style.baseStyle()->standardIcon(icon);
        QCOMPARE(drawn.availableSizes(), expected.availableSizes());
        for (const qreal scale : {1.0, 2.0}) {
            QCOMPARE(drawn.pixmap(QSize(16, 16), scale).toImage(),
                     expected.pixmap(QSize(16, 16), scale).toImage());
        }
    }
};

QTEST_MAIN(ToolbarPicturesTest)
#include "toolbar_pictures_test.moc"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "analysis/orientation.h"
#include "core/project_commands.h"
#include "diagrams/diagrams.h"
#include "support/window_harness.h"
#include "ui/project/diagram_window.h"
#include "ui/project/layout_finder_window.h"
#include "ui/project/main_window.h"
#include "ui/project/parameters_dialog.h"

namespace vornexa {
namespace {

using Field = ParametersDialog::Field;

struct Fixture {
    explicit Fixture(int16_t plan) {
        h.state.options.OpenViewWithLoad = 0;
        h.state.options.AutoPositionView = 0;
        h.state.options.ShowInputScreenOnLoad = 0;
        FileNew(h.state, true, true);
        Parms& p = h.state.project.ProjParms;
        p.PlanType = plan;
        p.AzimSigmaH = 65;
        p.SigmaHTolerance = 10;
        p.AzimEntries = 10;
        p.AzimLeftCross = 100;
        p.AzimRightCross = 280;
        p.AzimHeadGate = 20;
        window.show();
    }
    LayoutFinderWindow& Finder() {
        window.finderItem()->trigger();
        return *window.layoutFinder();
    }
    void ClickChartAt(LayoutFinderWindow& finder, float azimuth) {
        LayoutFinderChart* chart = finder.chart();
        QTest::mouseClick(chart, Qt::LeftButton, {},
                          QPoint(chart->XOf(azimuth), chart->PlotArea().center().y()));
    }
    QString Entries() const {
        return window.parametersDialog()->azimuthText(Field::Entries)->text();
    }

    test::WindowHarness h;
    MainWindow window{h.ctx};
};

Orientation WorstOf(const QString& item) {
    for (const Orientation o : {Orientation::Difficult, Orientation::Moderate}) {
        if (item.section(QLatin1Char(':'), 1)
                .startsWith(QLatin1Char(' ') + QLatin1String(OrientationWord(o)))) {
            return o;
        }
    }
    return Orientation::Good;
}

}  // namespace

class LayoutFinderWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void utilitiesEntryHasAFreeMnemonic() {
        Fixture f(kPlanDevelopment);
        QMenu* menu = f.window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuUtil"));
        QSet<QChar> seen;
        for (const QAction* action : menu->actions()) {
            const qsizetype at = action->text().indexOf(QLatin1Char('&'));
            if (at >= 0) {
                QVERIFY2(!seen.contains(action->text()[at + 1].toUpper()),
                         qPrintable(action->text()));
                seen.insert(action->text()[at + 1].toUpper());
            }
        }
        QCOMPARE(f.window.finderItem()->text(), QStringLiteral("&Layout Finder..."));
        QCOMPARE(f.window.utilItem(5)->text(), QStringLiteral("&Clear History Window"));
    }

    // Rows are ranked by the worst class of the three openings, best first.
    void intervalsAreListedBestFirstAndReachedByTab() {
        Fixture f(kPlanDevelopment);
        LayoutFinderWindow& finder = f.Finder();
        QListWidget* list = finder.intervals();
        QVERIFY(list->count() > 1);
        for (int i = 1; i < list->count(); ++i) {
            QVERIFY2(WorstOf(list->item(i - 1)->text()) <= WorstOf(list->item(i)->text()),
                     qPrintable(list->item(i)->text()));
        }
        // Crosscuts square to the entries: at best all three are Moderate.
        QCOMPARE(WorstOf(list->item(0)->text()), Orientation::Moderate);
        QCOMPARE(WorstOf(list->item(list->count() - 1)->text()), Orientation::Difficult);
        QVERIFY(list->focusPolicy() & Qt::TabFocus);
        QCOMPARE(finder.findChild<QLabel*>(QStringLiteral("lblIntervals"))->buddy(), list);
        QVERIFY(finder.sizeHint().width() <= 1024 && finder.sizeHint().height() <= 700);
    }

    // Without a dialog the click opens one; with the diagram open it follows.
    void clickOnTheChartSetsTheEntriesAsIfTyped() {
        Fixture f(kPlanDevelopment);
        LayoutFinderWindow& finder = f.Finder();
        f.ClickChartAt(finder, 40);
        ParametersDialog* d = f.window.parametersDialog();
        QVERIFY(d != nullptr && d->isVisible());
        QCOMPARE(f.Entries(), QStringLiteral("40"));
        test::Click(*d, "cmdView");
        f.ClickChartAt(finder, 130);
        QCOMPARE(f.Entries(), QStringLiteral("130"));
        QCOMPARE(f.h.state.workParms.AzimEntries, 130.0f);
        Parms view;
        UpdateViewParms(f.h.state.workParms, view);
        QVERIFY(d->view()->displayList() == Dev_Paint(view));
        QVERIFY(f.window.layoutFinder() == &finder);
    }

    void followsSigmaHAndToleranceLive() {
        Fixture f(kPlanDevelopment);
        f.window.mnuEditItem_Click(1);
        ParametersDialog* d = f.window.parametersDialog();
        test::Click(*d, "cmdFinder");
        LayoutFinderWindow& finder = *f.window.layoutFinder();
        QVERIFY(finder.isEnabled());
        const QString before = finder.intervals()->item(0)->text();
        d->toleranceText()->setText(QStringLiteral("40"));
        d->azimuthText(Field::SigmaH)->setText(QStringLiteral("100"));
        QVERIFY(finder.findChild<QLabel*>(QStringLiteral("lblIntervals"))
                    ->text()
                    .contains(QStringLiteral("100 \u00B1 40")));
        QVERIFY(finder.intervals()->item(0)->text() != before);
    }

    // Enter on a Relief interval puts its middle into the headgate box.
    void enterOnAReliefIntervalSetsTheHeadgate() {
        Fixture f(kPlanLongwall);
        LayoutFinderWindow& finder = f.Finder();
        QListWidget* list = finder.intervals();
        QVERIFY(list->count() > 0);
        list->setFocus();
        list->setCurrentRow(0);
        const float middle = list->item(0)->data(Qt::UserRole).toFloat();
        QTest::keyClick(list, Qt::Key_Return);
        ParametersDialog* d = f.window.parametersDialog();
        QVERIFY(d != nullptr);
        QCOMPARE(d->azimuthText(Field::HeadGate)->text().toFloat(), middle);
        QCOMPARE(f.h.state.workParms.AzimHeadGate, middle);
    }
};

}  // namespace vornexa

QTEST_MAIN(vornexa::LayoutFinderWindowTest)
#include "layout_finder_window_test.moc"

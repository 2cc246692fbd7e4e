#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <string>

#include "support/window_harness.h"
#include "ui/utilities/unit_converter_dialog.h"

namespace vornexa {
namespace {

using test::Child;

// The names of each tab's controls, in tab order; outputs in unit order.
struct TabNames {
    const char* input;
    const char* options;
    QStringList outputs;
};

const TabNames kTabs[] = {
    {"txtLength", "Option2", {"Text7", "Text8", "Text9", "Text10"}},
    {"txtLoad", "Option5", {"Text21", "Text22", "Text23", "Text24", "Text25"}},
    {"txtLoadGrad", "Option4", {"Text17", "Text18", "Text19", "Text20"}},
    {"txtStress", "Option1", {"Text2", "Text3", "Text4", "Text5", "Text6"}},
    {"txtStressGrad", "Option3", {"Text12", "Text13", "Text14", "Text15"}},
};

QString OptionName(int tab, int unit) {
    return QStringLiteral("%1_%2").arg(QLatin1String(kTabs[tab].options)).arg(unit);
}

struct Fixture {
    bool Open() {
        dialog = std::make_unique<UnitConverterDialog>(h.ctx);
        dialog->show();
        dialog->activateWindow();
        return QTest::qWaitForWindowActive(dialog.get());
    }
    QTabWidget& Tabs() { return Child<QTabWidget>(*dialog, "SSTab1"); }
    void ClickTab(int tab) {
        QTabBar* bar = Tabs().tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    QLineEdit& Input(int tab) { return Child<QLineEdit>(*dialog, kTabs[tab].input); }
    QRadioButton& Option(int tab, int unit) {
        return Child<QRadioButton>(*dialog, OptionName(tab, unit).toLatin1().constData());
    }
    void Type(int tab, const QString& text) {
        QLineEdit& box = Input(tab);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, text);
    }
    // On the button's indicator: the caption may be narrower than the button.
    void ClickOption(int tab, int unit) {
        QRadioButton& option = Option(tab, unit);
        QTest::mouseClick(&option, Qt::LeftButton, {}, QPoint(6, option.height() / 2));
    }
    QStringList Outputs(int tab) {
        QStringList texts;
        for (const QString& name : kTabs[tab].outputs) {
            texts << Child<QLineEdit>(*dialog, name.toLatin1().constData()).text();
        }
        return texts;
    }
    // Where Tab takes the focus, from the focused control round to it again.
    QList<QWidget*> TabCycle() {
        QWidget* start = QApplication::focusWidget();
        QList<QWidget*> visited;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
            if (visited.back() == start) {
                break;
            }
        }
        return visited;
    }

    test::WindowHarness h;
    std::unique_ptr<UnitConverterDialog> dialog;
};

}  // namespace

class UnitConverterDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnLengthWithDefaultsAndZeros();
    void loadSetsTitlesAndLogs();
    void convertsEachQuantity_data();
    void convertsEachQuantity();
    void readsTypedTextLeniently_data();
    void readsTypedTextLeniently();
    void numbersBeyondADoubleAreMarked_data();
    void numbersBeyondADoubleAreMarked();
    void unitChoiceReExpressesTheTypedNumber();
    void arrowKeysChooseTheUnit();
    void outputBoxesIgnoreTyping();
    void everyOpeningStartsAfresh();
    void tabClickSelectsTheInput_data();
    void tabClickSelectsTheInput();
    void accessKeysSwitchTabs_data();
    void accessKeysSwitchTabs();
    void focusOrderStaysOnTheVisibleTab_data();
    void focusOrderStaysOnTheVisibleTab();
    void clickIntoInputSelectsAll();
    void helpShowsTheHint();
    void fitsAndIsCentredOnTheScreen();
};

void UnitConverterDialogTest::opensOnLengthWithDefaultsAndZeros() {
    Fixture f;
    QVERIFY(f.Open());
    QCOMPARE(f.dialog->objectName(), QStringLiteral("frmUnits"));
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Unit Conversions"));
    QVERIFY(f.dialog->isModal());
    QCOMPARE(f.Tabs().count(), 5);
    QCOMPARE(f.Tabs().currentIndex(), 0);
    const QStringList tabs = {"Length", "Load", "Load Grad", "Stress", "Stress Grad"};
    const QStringList frames = {"Length units", "Load units", "Load gradient units",
                                "Pressure/stress units", "Pressure/stress gradient units"};
    for (int tab = 0; tab < 5; ++tab) {
        QCOMPARE(f.Tabs().tabText(tab).remove(QLatin1Char('&')), tabs[tab]);
        auto* frame = f.Tabs().widget(tab)->findChild<QGroupBox*>();
        QVERIFY(frame != nullptr);
        QCOMPARE(frame->title(), frames[tab]);
        QCOMPARE(f.Input(tab).text(), QStringLiteral("0"));
        QCOMPARE(f.Outputs(tab), QStringList(kTabs[tab].outputs.size(), QStringLiteral("0")));
        for (int unit = 0; unit < kTabs[tab].outputs.size(); ++unit) {
            QCOMPARE(f.Option(tab, unit).isChecked(), unit == 0);
        }
    }
    QCOMPARE(f.Option(1, 1).text(), QStringLiteral("tonsF (short)"));
    QCOMPARE(QApplication::focusWidget(), &f.Input(0));
    QCOMPARE(f.Input(0).selectedText(), QStringLiteral("0"));
}

void UnitConverterDialogTest::loadSetsTitlesAndLogs() {
    Fixture f;
    f.h.state.messages.SetMessageTitles(2);
    f.h.state.messages.LogMessage("before");
    QVERIFY(f.Open());
    QCOMPARE(f.h.state.messages.log.text(),
             std::string("1. before\r\n2. Loading Unit Conversion Form\r\n"));
    QCOMPARE(f.h.state.messages.titles.rangeError, std::string("Range Error"));
    QCOMPARE(f.h.state.messages.titles.error, std::string("Error"));
    QVERIFY(f.h.presenter.shown.empty());
}

void UnitConverterDialogTest::convertsEachQuantity_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("1 in") << 0 << 0 << "1"
                          << QStringList{"1", "8.33333333333333E-02", "2.54", "0.0254"};
    QTest::newRow("1 m") << 0 << 3 << "1"
                         << QStringList{"39.3700787401575", "3.28083989501312", "100", "1"};
    QTest::newRow("1 kips") << 1 << 4 << "1"
                            << QStringList{"1000", "0.5", "4.44822048939322",
                                           "4.44822048939322E-03", "1"};
    QTest::newRow("1 tonsF") << 1 << 1 << "1"
                             << QStringList{"2000", "1", "8.89644097878644", "8.89644097878644E-03",
                                            "2"};
    QTest::newRow("1 lbsF/ft") << 2 << 1 << "1"
                               << QStringList{"8.33333333333333E-02", "1", "1.45938992434161E-02",
                                              "1.45938992434161E-05"};
    QTest::newRow("1 psf") << 3 << 2 << "1"
                           << QStringList{"6.94444444444444E-03", "6.94444444444444E-06", "1",
                                          "47.8802589791667", "4.78802589791667E-05"};
    QTest::newRow("1 MPa") << 3 << 4 << "1"
                           << QStringList{"145.037737733751", "0.145037737733751",
                                          "20885.4342336601", "1000000", "1"};
    QTest::newRow("1 psi/ft") << 4 << 1 << "1"
                              << QStringList{"8.33333333333333E-02", "1", "22620.5947933071",
                                             "2.26205947933071E-02"};
    QTest::newRow("-2.5 MPa/m") << 4 << 3 << "-2.5"
                                << QStringList{"-9.20989634609318", "-110.518756153118", "-2500000",
                                               "-2.5"};
}

void UnitConverterDialogTest::convertsEachQuantity() {
    QFETCH(int, tab);
    QFETCH(int, unit);
    QFETCH(QString, input);
    QFETCH(QStringList, expected);
    Fixture f;
    QVERIFY(f.Open());
    f.ClickTab(tab);
    f.ClickOption(tab, unit);
    f.Type(tab, input);
    QCOMPARE(f.Outputs(tab), expected);
    QCOMPARE(f.Input(tab).text(), input);
    // The other tabs keep to themselves.
    for (int other = 0; other < 5; ++other) {
        if (other != tab) {
            QCOMPARE(f.Outputs(other), QStringList(kTabs[other].outputs.size(), "0"));
        }
    }
}

void UnitConverterDialogTest::readsTypedTextLeniently_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected");
    const QStringList zeros(4, QStringLiteral("0"));
    QTest::newRow("number then letters") << "12abc" << QStringList{"12", "1", "30.48", "0.3048"};
    QTest::newRow("letters alone") << "abc" << zeros;
    QTest::newRow("empty") << "" << zeros;
    QTest::newRow("sign alone") << "-" << zeros;
    QTest::newRow("blanks inside") << " 1 2 " << QStringList{"12", "1", "30.48", "0.3048"};
    QTest::newRow("hexadecimal") << "&H18" << QStringList{"24", "2", "60.96", "0.6096"};
    QTest::newRow("D exponent") << "1.2D1" << QStringList{"12", "1", "30.48", "0.3048"};
    QTest::newRow("comma is no decimal point")
        << "2,5" << QStringList{"2", "0.166666666666667", "5.08", "0.0508"};
}

// Typed in inches, over an earlier number, so a 0 is computed rather than left over.
void UnitConverterDialogTest::readsTypedTextLeniently() {
    QFETCH(QString, input);
    QFETCH(QStringList, expected);
    Fixture f;
    QVERIFY(f.Open());
    f.Type(0, QStringLiteral("9"));
    f.Type(0, input);
    QCOMPARE(f.Input(0).text(), input);
    QCOMPARE(f.Outputs(0), expected);
    QVERIFY(f.h.presenter.shown.empty());
}

void UnitConverterDialogTest::numbersBeyondADoubleAreMarked_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected");
    const QString marker = QStringLiteral("Out of range");
    QTest::newRow("1E308 MPa") << "1E308"
                               << QStringList{marker, "1.45037737733751E+307", marker, marker,
                                              "1E+308"};
    QTest::newRow("1E400 MPa") << "1E400" << QStringList(5, marker);
    QTest::newRow("-1E400 MPa") << "-1E400" << QStringList(5, marker);
    QTest::newRow("1E-400 MPa") << "1E-400" << QStringList(5, "0");
    QTest::newRow("400 zeros then 1")
        << "0." + QString(400, QLatin1Char('0')) + "1" << QStringList(5, "0");
    QTest::newRow("1 then 400 zeros, E-5")
        << "1" + QString(400, QLatin1Char('0')) + "E-5" << QStringList(5, marker);
}

void UnitConverterDialogTest::numbersBeyondADoubleAreMarked() {
    QFETCH(QString, input);
    QFETCH(QStringList, expected);
    Fixture f;
    QVERIFY(f.Open());
    f.ClickTab(3);
    f.ClickOption(3, 4);
    f.Input(3).setText(input);
    QCOMPARE(f.Outputs(3), expected);
    // The marker goes as soon as the number fits again.
    f.Type(3, QStringLiteral("1"));
    QCOMPARE(f.Outputs(3).last(), QStringLiteral("1"));
    QVERIFY(f.h.presenter.shown.empty());
}

void UnitConverterDialogTest::unitChoiceReExpressesTheTypedNumber() {
    Fixture f;
    QVERIFY(f.Open());
    f.Type(0, QStringLiteral("1"));
    QCOMPARE(f.Outputs(0), (QStringList{"1", "8.33333333333333E-02", "2.54", "0.0254"}));
    f.ClickOption(0, 1);
    QCOMPARE(f.Input(0).text(), QStringLiteral("1"));
    QCOMPARE(f.Outputs(0), (QStringList{"12", "1", "30.48", "0.3048"}));
    f.ClickOption(0, 3);
    QCOMPARE(f.Outputs(0), (QStringList{"39.3700787401575", "3.28083989501312", "100", "1"}));
    QVERIFY(!f.Option(0, 1).isChecked());
}

void UnitConverterDialogTest::arrowKeysChooseTheUnit() {
    Fixture f;
    QVERIFY(f.Open());
    f.Type(0, QStringLiteral("1"));
    f.Option(0, 0).setFocus();
    QTest::keyClick(&f.Option(0, 0), Qt::Key_Down);
    QVERIFY(f.Option(0, 1).isChecked());
    QTest::keyClick(&f.Option(0, 1), Qt::Key_Down);
    QVERIFY(f.Option(0, 2).isChecked());
    QCOMPARE(f.Outputs(0), (QStringList{"0.393700787401575", "3.28083989501312E-02", "1", "0.01"}));
}

void UnitConverterDialogTest::outputBoxesIgnoreTyping() {
    Fixture f;
    QVERIFY(f.Open());
    f.Type(0, QStringLiteral("1"));
    const QStringList before = f.Outputs(0);
    for (const QString& name : kTabs[0].outputs) {
        auto& box = Child<QLineEdit>(*f.dialog, name.toLatin1().constData());
        QVERIFY(box.isReadOnly());
        box.setFocus();
        box.selectAll();
        QTest::keyClicks(&box, QStringLiteral("77"));
        QTest::keyClick(&box, Qt::Key_Backspace);
    }
    QCOMPARE(f.Outputs(0), before);
    QCOMPARE(f.Input(0).text(), QStringLiteral("1"));
}

void UnitConverterDialogTest::everyOpeningStartsAfresh() {
    Fixture f;
    QVERIFY(f.Open());
    f.ClickTab(3);
    f.ClickOption(3, 4);
    f.Type(3, QStringLiteral("5"));
    test::Click(*f.dialog, "Command1");
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    QVERIFY(!f.dialog->isVisible());
    f.dialog.reset();

    QVERIFY(f.Open());
    QCOMPARE(f.Tabs().currentIndex(), 0);
    QCOMPARE(f.Input(3).text(), QStringLiteral("0"));
    QCOMPARE(f.Outputs(3), QStringList(5, "0"));
    QVERIFY(f.Option(3, 0).isChecked());
    QCOMPARE(f.h.state.messages.log.counter(), 2);
}

void UnitConverterDialogTest::tabClickSelectsTheInput_data() {
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < 5; ++tab) {
        QTest::newRow(kTabs[tab].input) << tab;
    }
}

void UnitConverterDialogTest::tabClickSelectsTheInput() {
    QFETCH(int, tab);
    Fixture f;
    QVERIFY(f.Open());
    f.Input(tab).setText(QStringLiteral("42.5"));
    f.Input(tab).deselect();
    f.ClickTab((tab + 1) % 5);
    f.ClickTab(tab);
    QCOMPARE(f.Tabs().currentIndex(), tab);
    QCOMPARE(QApplication::focusWidget(), &f.Input(tab));
    QCOMPARE(f.Input(tab).selectedText(), QStringLiteral("42.5"));
    // Typing replaces the whole number.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
    QCOMPARE(f.Input(tab).text(), QStringLiteral("3"));
}

void UnitConverterDialogTest::accessKeysSwitchTabs_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("tab");
    QTest::newRow("Alt+O Load") << int(Qt::Key_O) << 1;
    QTest::newRow("Alt+G Load Grad") << int(Qt::Key_G) << 2;
    QTest::newRow("Alt+S Stress") << int(Qt::Key_S) << 3;
    QTest::newRow("Alt+T Stress Grad") << int(Qt::Key_T) << 4;
    QTest::newRow("Alt+L Length") << int(Qt::Key_L) << 0;
}

void UnitConverterDialogTest::accessKeysSwitchTabs() {
    QFETCH(int, key);
    QFETCH(int, tab);
    Fixture f;
    QVERIFY(f.Open());
    f.ClickTab(tab == 0 ? 3 : 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    QCOMPARE(f.Tabs().currentIndex(), tab);
    QCOMPARE(QApplication::focusWidget(), &f.Input(tab));
}

void UnitConverterDialogTest::focusOrderStaysOnTheVisibleTab_data() {
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < 5; ++tab) {
        QTest::newRow(kTabs[tab].input) << tab;
    }
}

void UnitConverterDialogTest::focusOrderStaysOnTheVisibleTab() {
    QFETCH(int, tab);
    Fixture f;
    QVERIFY(f.Open());
    f.ClickTab(tab);
    const QList<QWidget*> cycle = f.TabCycle();
    QCOMPARE(cycle.back(), &f.Input(tab));
    for (int other = 0; other < f.Tabs().count(); ++other) {
        for (QWidget* w : cycle) {
            const bool hidden = other != tab && f.Tabs().widget(other)->isAncestorOf(w);
            QVERIFY2(!hidden, qPrintable(w->objectName()));
        }
    }
    for (const QString& name : kTabs[tab].outputs) {
        QVERIFY2(cycle.contains(f.dialog->findChild<QWidget*>(name)), qPrintable(name));
    }
    QVERIFY(cycle.contains(&f.Option(tab, 0)));
    QVERIFY(cycle.contains(&Child<QWidget>(*f.dialog, "Command1")));
    QVERIFY(cycle.contains(&Child<QWidget>(*f.dialog, "Command3")));
}

void UnitConverterDialogTest::clickIntoInputSelectsAll() {
    Fixture f;
    QVERIFY(f.Open());
    f.Type(0, QStringLiteral("123.25"));
    QLineEdit& box = f.Input(0);
    box.setCursorPosition(2);
    QVERIFY(!box.hasSelectedText());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(4, box.height() / 2));
    QCOMPARE(box.selectedText(), QStringLiteral("123.25"));
}

void UnitConverterDialogTest::helpShowsTheHint() {
    Fixture f;
    QVERIFY(f.Open());
    test::Click(*f.dialog, "Command3");
    QCOMPARE(f.h.presenter.shown.size(), size_t{1});
    const auto& shown = f.h.presenter.shown.front();
    QCOMPARE(shown.text, std::string("Position the cursor on any item on the form and press F1 "
                                     "for context-sensitive Help"));
    QCOMPARE(shown.title, std::string("Help"));
    QCOMPARE(shown.style, msg::kExclamation);
    QVERIFY(f.dialog->isVisible());
}

void UnitConverterDialogTest::fitsAndIsCentredOnTheScreen() {
    Fixture f;
    QVERIFY(f.Open());
    const QRect area = f.dialog->screen()->availableGeometry();
    const QRect frame = f.dialog->frameGeometry();
    QVERIFY(area.contains(frame));
    // It is placed before the window manager adds its frame.
    const int slack = frame.width() - f.dialog->width() + 1;
    QVERIFY(std::abs(frame.center().x() - area.center().x()) <= slack);
    QVERIFY(std::abs(frame.center().y() - area.center().y()) <= slack);
    // Every tab caption shows at once, without scrolling the tab row.
    const QTabBar* bar = f.Tabs().tabBar();
    for (int tab = 0; tab < bar->count(); ++tab) {
        QVERIFY(bar->rect().contains(bar->tabRect(tab)));
    }
}

}  // namespace vornexa

QTEST_MAIN(vornexa::UnitConverterDialogTest)
#include "unit_converter_dialog_test.moc"

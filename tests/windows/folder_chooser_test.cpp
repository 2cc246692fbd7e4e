#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "support/window_harness.h"
#include "ui/services/qt_services.h"
#include "ui/utilities/folder_chooser.h"

using namespace vornexa;
using Choice = FolderChooser::Choice;

namespace {

// Quick-choice folders under one temporary folder, each with two sub-folders.
struct Fixture {
    Fixture() {
        for (const char* name : {"data", "program", "temp", "current"}) {
            std::filesystem::create_directories(dir.path() / name / "beta");
            std::filesystem::create_directories(dir.path() / name / "Alpha");
        }
        h.state.folders = {Folder("program") + "/", Folder("data") + "/", Folder("temp") + "/"};
        h.state.messages.SetMessageTitles(10);
    }
    std::string Folder(const char* name) const { return dir.file(name); }
    FolderChooser& Open(const std::string& preset) {
        chosen = preset;
        chooser = std::make_unique<FolderChooser>(h.state, chosen);
        chooser->show();
        return *chooser;
    }
    QListWidget& Dir1() { return test::Child<QListWidget>(*chooser, "Dir1"); }
    int Row(const QString& path) {
        for (int i = 0; i < Dir1().count(); ++i) {
            if (Dir1().item(i)->data(Qt::UserRole).toString() == path) {
                return i;
            }
        }
        return -1;
    }
    void Activate(const QString& path) {
        QListWidgetItem* item = Dir1().item(Row(path));
        QVERIFY(item != nullptr);
        Dir1().setCurrentItem(item);
        Dir1().setFocus();
        QTest::keyClick(&Dir1(), Qt::Key_Return);
    }

    test::TempFolder dir;
    test::WindowHarness h;
    std::string chosen;
    std::unique_ptr<FolderChooser> chooser;
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class FolderChooserTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheCurrentPathWithAncestorsAndSubFolders() {
        Fixture f;
        FolderChooser& c = f.Open(f.Folder("current") + "/");
        QCOMPARE(c.windowTitle(), QStringLiteral("Select Path"));
        QCOMPARE(c.folder(), Q(f.Folder("current")));
        QVERIFY(test::Child<QRadioButton>(c, "Option1_2").isChecked());
        QCOMPARE(test::Child<QComboBox>(c, "Drive1").itemText(0), QStringLiteral("/"));
        QCOMPARE(f.Row(QStringLiteral("/")), 0);
        const int current = f.Row(c.folder());
        QCOMPARE(f.Dir1().currentRow(), current);
        QCOMPARE(current, f.Dir1().count() - 3);
        QCOMPARE(f.Row(Q(f.dir.path().string())), current - 1);
        // Sub-folders follow in name order, whatever their case.
        QCOMPARE(f.Row(c.folder() + QStringLiteral("/Alpha")), current + 1);
        QCOMPARE(f.Row(c.folder() + QStringLiteral("/beta")), current + 2);
    }

    void quickChoicesMoveTheLists_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("missing");
        QTest::newRow("user home") << int{Choice::UserHome} << "data" << false;
        QTest::newRow("application") << int{Choice::Application} << "program" << false;
        QTest::newRow("user temporary") << int{Choice::UserTemporary} << "temp" << false;
        QTest::newRow("current after browsing") << int{Choice::Current} << "current" << false;
        QTest::newRow("missing folder is ignored") << int{Choice::UserHome} << "temp" << true;
    }
    void quickChoicesMoveTheLists() {
        QFETCH(int, option);
        QFETCH(QString, expected);
        QFETCH(bool, missing);
        Fixture f;
        if (missing) {
            f.h.state.folders.data = f.Folder("gone") + "/";
        }
        FolderChooser& c = f.Open(f.Folder("current"));
        QTest::mouseClick(&test::Child<QRadioButton>(c, "Option1_3"), Qt::LeftButton);
        QTest::mouseClick(
            &test::Child<QRadioButton>(c, qPrintable(QStringLiteral("Option1_%1").arg(option))),
            Qt::LeftButton);
        QCOMPARE(c.folder(), Q(f.Folder(qPrintable(expected))));
        QVERIFY(f.h.presenter.shown.empty());
    }

    void applicationCaptionEndsInABlank() {
        Fixture f;
        FolderChooser& c = f.Open("/");
        QCOMPARE(test::Child<QRadioButton>(c, "Option1_1").text(), QStringLiteral("&Application "));
        QCOMPARE(test::Child<QRadioButton>(c, "Option1_0").text(), QStringLiteral("User &home"));
        QCOMPARE(test::Child<QRadioButton>(c, "Option1_3").text(),
                 QStringLiteral("User &temporary"));
    }

    void okGivesTheFolderWithOneSeparator_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drive root") << "/"
                                    << "/";
        QTest::newRow("no separator") << "@current"
                                      << "@current/";
        QTest::newRow("with separator") << "@current/"
                                        << "@current/";
        QTest::newRow("doubled separators") << "@current//"
                                            << "@current/";
        QTest::newRow("missing preset stays in the current folder") << "@gone/"
                                                                    << "@cwd/";
    }
    void okGivesTheFolderWithOneSeparator() {
        QFETCH(QString, preset);
        QFETCH(QString, expected);
        Fixture f;
        const auto expand = [&f](QString text) {
            text.replace(QStringLiteral("@cwd"), QDir::currentPath() == QStringLiteral("/")
                                                     ? QString()
                                                     : QDir::currentPath());
            return text.replace(QLatin1Char('@'), Q(f.dir.path().string()) + QLatin1Char('/'));
        };
        FolderChooser& c = f.Open(expand(preset).toStdString());
        test::Click(c, "Command2");
        QVERIFY(!c.isVisible());
        QCOMPARE(Q(f.chosen), expand(expected));
    }

    void closingWithoutOkLeavesThePreset_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void closingWithoutOkLeavesThePreset() {
        QFETCH(int, way);
        Fixture f;
        const std::string preset = f.Folder("current");
        FolderChooser& c = f.Open(preset);
        f.Activate(c.folder() + QStringLiteral("/beta"));
        QTest::mouseClick(&test::Child<QRadioButton>(c, "Option1_1"), Qt::LeftButton);
        QCOMPARE(c.folder(), Q(f.Folder("program")));
        if (way == 0) {
            test::Click(c, "Command1");
        } else if (way == 1) {
            QTest::keyClick(&c, Qt::Key_Escape);
        } else {
            c.close();
        }
        QVERIFY(!c.isVisible());
        QCOMPARE(f.chosen, preset);
    }

    void activatingAFolderMovesThereAndEnterDoesNotClose() {
        Fixture f;
        FolderChooser& c = f.Open(f.Folder("current"));
        f.Activate(c.folder() + QStringLiteral("/beta"));
        QCOMPARE(c.folder(), Q(f.Folder("current")) + QStringLiteral("/beta"));
        QVERIFY(c.isVisible());
        f.Activate(Q(f.dir.path().string()));
        QCOMPARE(c.folder(), Q(f.dir.path().string()));
        QVERIFY(f.Row(Q(f.Folder("program"))) > 0);
        emit f.Dir1().itemDoubleClicked(f.Dir1().item(0));
        QCOMPARE(c.folder(), QStringLiteral("/"));
        QVERIFY(c.isVisible());
        QVERIFY(f.chosen == f.Folder("current"));
    }

    void drivesMoveTheListsAndAnUnreadableOneIsReported() {
        Fixture f;
        FolderChooser& c = f.Open(f.Folder("current"));
        auto& drives = test::Child<QComboBox>(c, "Drive1");
        drives.addItem(Q(f.Folder("no-such-drive")));
        const int bad = drives.count() - 1;
        drives.setCurrentIndex(bad);
        emit drives.activated(bad);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 std::string("Windows is unable to read selected drive. Make sure the door is "
                             "closed and the disk is formatted and free of errors"));
        QCOMPARE(f.h.presenter.shown[0].style, 0);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Error"));
        QCOMPARE(c.folder(), Q(f.Folder("current")));
        QVERIFY(drives.currentIndex() != bad);
        drives.setCurrentIndex(0);
        emit drives.activated(0);
        QCOMPARE(c.folder(), QStringLiteral("/"));
        QVERIFY(c.isVisible());
    }

    void helpShowsTheHint() {
        Fixture f;
        FolderChooser& c = f.Open("/");
        test::Click(c, "Command3");
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Help"));
        QVERIFY(c.isVisible());
    }

    void dialogServiceRunsTheChooserModally_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("OK") << "Command2" << true;
        QTest::newRow("Cancel") << "Command1" << false;
    }
    void dialogServiceRunsTheChooserModally() {
        QFETCH(QString, button);
        QFETCH(bool, accepted);
        Fixture f;
        std::string path = f.Folder("data");
        QTimer::singleShot(0, [button] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal != nullptr);
            test::Click(*modal, qPrintable(button));
        });
        QtDialogService service(f.h.printer);
        QCOMPARE(service.ChooseFolder(nullptr, f.h.state, path), accepted);
        QCOMPARE(path, accepted ? f.Folder("data") + "/" : f.Folder("data"));
    }
};

QTEST_MAIN(FolderChooserTest)
#include "folder_chooser_test.moc"

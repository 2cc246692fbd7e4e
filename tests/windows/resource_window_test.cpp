#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <filesystem>
#include <set>
#include <stdexcept>

#include "core/tables.h"
#include "support/window_harness.h"
#include "ui/about/resource_window.h"

using namespace vornexa;

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FileName(int index) {
    return std::string(kReferenceDocuments[static_cast<size_t>(index)].fileName);
}

// A desktop whose viewer service fails by throwing.
class ThrowingDesktop : public test::RecordingDesktop {
  public:
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        throw std::runtime_error("no viewer");
    }
};

// A window over a program folder in a fresh temporary folder, with no documents yet.
struct Fixture {
    explicit Fixture(const std::string& programFolder = {}) {
        h.state.folders.program = programFolder.empty() ? dir.path().string() + "/" : programFolder;
        window = std::make_unique<ResourceWindow>(h.ctx);
        window->show();
    }
    std::string Place(const std::string& folder, int index) const {
        std::filesystem::create_directories(folder);
        const std::string path = folder + FileName(index);
        test::WriteAll(path, "%PDF-1.4\n");
        return path;
    }
    std::string Place(int index) const { return Place(h.state.folders.program, index); }
    void Press(int index) {
        test::Click(*window, QStringLiteral("cmdView_%1").arg(index).toLatin1().constData());
    }
    std::string Missing(const std::string& path) const {
        return "Resource file (" + path + ") not available";
    }

    test::TempFolder dir;
    test::WindowHarness h;
    std::unique_ptr<ResourceWindow> window;
};

}  // namespace

class ResourceWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonsCarryTheTitlesWithTheirOwnMnemonics() {
        Fixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Resource Files"));
        std::set<QChar> keys;
        const QString exit = test::Child<QPushButton>(*f.window, "Command1").text();
        QCOMPARE(QString(exit).remove(QLatin1Char('&')), QStringLiteral("Exit"));
        keys.insert(exit.at(exit.indexOf(QLatin1Char('&')) + 1).toLower());
        for (int i = 0; i < 5; ++i) {
            const QString caption =
                test::Child<QPushButton>(*f.window,
                                         QStringLiteral("cmdView_%1").arg(i).toLatin1().constData())
                    .text();
            QCOMPARE(QString(caption).remove(QLatin1Char('&')), Q(kReferenceDocuments[i].title));
            const qsizetype amp = caption.indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0, qPrintable(caption));
            QVERIFY2(keys.insert(caption.at(amp + 1).toLower()).second, qPrintable(caption));
        }
    }

    void buttonsFormTwoColumnsWithExitAtTheBottomRight() {
        Fixture f;
        auto at = [&](const char* name) {
            return test::Child<QPushButton>(*f.window, name).geometry();
        };
        QCOMPARE(at("cmdView_1").left(), at("cmdView_0").left());
        QCOMPARE(at("cmdView_2").left(), at("cmdView_0").left());
        QVERIFY(at("cmdView_0").bottom() < at("cmdView_1").top());
        QVERIFY(at("cmdView_1").bottom() < at("cmdView_2").top());
        QVERIFY(at("cmdView_3").left() > at("cmdView_0").right());
        QCOMPARE(at("cmdView_3").top(), at("cmdView_0").top());
        QCOMPARE(at("cmdView_4").top(), at("cmdView_1").top());
        QVERIFY(at("Command1").top() > at("cmdView_2").bottom());
        QCOMPARE(at("Command1").right(), at("cmdView_3").right());
        QVERIFY(f.window->screen()->availableGeometry().contains(f.window->frameGeometry()));
    }

    void missingDocumentNamesItsFullPathAndLeavesTheOthersWorking_data() {
        QTest::addColumn<int>("missing");
        for (int i = 0; i < 5; ++i) {
            QTest::newRow(FileName(i).c_str()) << i;
        }
    }
    void missingDocumentNamesItsFullPathAndLeavesTheOthersWorking() {
        QFETCH(int, missing);
        Fixture f;
        for (int i = 0; i < 5; ++i) {
            if (i != missing) {
                f.Place(i);
            }
        }
        f.Press(missing);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text,
                 f.Missing(f.h.state.folders.program + FileName(missing)));
        QCOMPARE(f.h.presenter.shown[0].style, msg::kOkOnly);
        QCOMPARE(f.h.presenter.shown[0].title, std::string("Vornexa"));
        QVERIFY(f.h.desktop.urls.empty());
        QVERIFY(f.window->isVisible());
        const int other = (missing + 1) % 5;
        f.Press(other);
        QCOMPARE(f.h.desktop.urls.size(), size_t{1});
        QCOMPARE(f.h.desktop.urls[0],
                 QUrl::fromLocalFile(Q(f.h.state.folders.program + FileName(other))));
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
    }

    void presentDocumentOpensItsFileUrl_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 5; ++i) {
            QTest::newRow(FileName(i).c_str()) << i;
        }
    }
    void presentDocumentOpensItsFileUrl() {
        QFETCH(int, index);
        Fixture f;
        const std::string path = f.Place(index);
        f.Press(index);
        QCOMPARE(f.h.desktop.urls.size(), size_t{1});
        QCOMPARE(f.h.desktop.urls[0], QUrl::fromLocalFile(Q(path)));
        QVERIFY(f.h.desktop.urls[0].isLocalFile());
        QVERIFY(f.h.presenter.shown.empty());
        QVERIFY(f.h.desktop.starts.empty());
        QVERIFY(f.window->isVisible());
    }

    void failedOpeningIsReportedAndTheWindowStays() {
        Fixture f;
        f.Place(2);
        f.h.desktop.openResult = false;
        f.Press(2);
        QCOMPARE(f.h.desktop.urls.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, std::string("Operation Failed"));
        QCOMPARE(f.h.presenter.shown[0].style, msg::kOkOnly);
        QVERIFY(f.window->isVisible());
        f.h.desktop.openResult = true;
        f.Press(2);
        QCOMPARE(f.h.desktop.urls.size(), size_t{2});
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
    }

    void viewerThatThrowsCountsAsAFailedOpening() {
        test::TempFolder dir;
        test::WindowHarness h;
        ThrowingDesktop desktop;
        UiContext ctx{h.state, h.dialogs, h.printer, desktop};
        h.state.folders.program = dir.path().string() + "/";
        test::WriteAll(h.state.folders.program + FileName(0), "%PDF-1.4\n");
        ResourceWindow window(ctx);
        window.show();
        test::Click(window, "cmdView_0");
        QCOMPARE(desktop.urls.size(), size_t{1});
        QCOMPARE(h.presenter.shown.size(), size_t{1});
        QCOMPARE(h.presenter.shown[0].text, std::string("Operation Failed"));
        QVERIFY(window.isVisible());
    }

    void folderThatEndsInTheSeparatorIsNotDoubled_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/method_note.pdf");
        QTest::newRow("root-like") << QStringLiteral("/x/") << QStringLiteral("/x/method_note.pdf");
        QTest::newRow("no separator yet")
            << QStringLiteral("/no-such-vornexa-folder")
            << QStringLiteral("/no-such-vornexa-folder/method_note.pdf");
    }
    void folderThatEndsInTheSeparatorIsNotDoubled() {
        QFETCH(QString, program);
        QFETCH(QString, expected);
        Fixture f(program.toStdString());
        f.Press(0);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(Q(f.h.presenter.shown[0].text),
                 QStringLiteral("Resource file (%1) not available").arg(expected));
        QVERIFY(f.h.desktop.urls.empty());
    }

    void installedDocumentsAreFoundInTheShareFolder() {
        test::TempFolder dir;
        const std::string root = dir.path().string();
        std::filesystem::create_directories(root + "/bin");
        Fixture f(root + "/bin/");
        const std::string share = root + "/share/vornexa/";
        const std::string path = f.Place(share, 4);
        f.Place(f.h.state.folders.program, 3);
        f.Press(4);
        QCOMPARE(f.h.desktop.urls.size(), size_t{1});
        QCOMPARE(f.h.desktop.urls[0], QUrl::fromLocalFile(Q(path)));
        f.Press(3);
        QCOMPARE(f.h.desktop.urls.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, f.Missing(share + FileName(3)));
    }

    void mnemonicPressesItsButtonAndExitCloses() {
        Fixture f;
        f.Place(1);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        const QString caption = test::Child<QPushButton>(*f.window, "cmdView_1").text();
        const QChar key = caption.at(caption.indexOf(QLatin1Char('&')) + 1).toUpper();
        QTest::keyClick(f.window.get(), Qt::Key(key.unicode()), Qt::AltModifier);
        QTRY_COMPARE(f.h.desktop.urls.size(), size_t{1});
        QTest::keyClick(f.window.get(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!f.window->isVisible());
        QCOMPARE(f.window->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(ResourceWindowTest)
#include "resource_window_test.moc"

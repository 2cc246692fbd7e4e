#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/scoped_variable.h"
#include "support/window_harness.h"
#include "ui/services/desktop_services.h"
#include "ui/services/file_association.h"

using namespace vornexa;

namespace {

namespace fs = std::filesystem;

// A user of its own: home, data and configuration folders in a temporary folder,
// no desktop session, and the working folder there too.
struct Fixture {
    explicit Fixture(const std::string& programFolder = "bin") {
        fs::create_directories(dir.file(programFolder));
        h.state.folders.program = dir.file(programFolder) + "/";
        h.state.settings.FileExtension = "VRN";
        QDir::setCurrent(QString::fromStdString(dir.path().string()));
    }
    ~Fixture() { QDir::setCurrent(oldCurrent); }

    std::string DataFile(const std::string& name) const { return dir.file("data/" + name); }
    bool DataHomeEmpty() const {
        return !fs::exists(dir.file("data")) || fs::is_empty(dir.file("data"));
    }
    std::string ExpectedProgram() const {
        return h.state.folders.program +
               QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    }
    bool Logged(const std::string& line) const {
        return h.state.messages.log.text().find(line) != std::string::npos;
    }

    test::TempFolder dir;
    QString oldCurrent = QDir::currentPath();
    test::ScopedVariable home{"HOME", dir.path().string()};
    test::ScopedVariable data{"XDG_DATA_HOME", dir.file("data")};
    test::ScopedVariable config{"XDG_CONFIG_HOME", dir.file("config")};
    test::ScopedVariable desktopName{"XDG_CURRENT_DESKTOP", std::nullopt};
    test::ScopedVariable session{"DESKTOP_SESSION", std::nullopt};
    test::WindowHarness h;
    QtDesktopService desktop{h.state.messages};
};

struct Output {
    int code;
    QString text;
};

Output Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        return {-1, {}};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
}

bool HasProgram(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

}  // namespace

class FileAssociationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (!HasProgram("update-mime-database") || !HasProgram("xdg-mime")) {
            QSKIP("shared-mime-info and xdg-utils are needed");
        }
    }

    void yesRegistersTheExtension_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("globs");
        QTest::addColumn<QString>("sample");
        QTest::newRow("upper case") << "VRN" << QStringList{"*.VRN", "*.vrn"} << "x.VRN";
        QTest::newRow("mixed case") << "Prj" << QStringList{"*.Prj", "*.PRJ", "*.prj"} << "x.prj";
    }
    void yesRegistersTheExtension() {
        QFETCH(QString, extension);
        QFETCH(QStringList, globs);
        QFETCH(QString, sample);
        Fixture f;
        const std::string ext = extension.toStdString();
        f.h.state.settings.FileExtension = ext;
        f.h.presenter.answers = {msg::kYes};
        CreateFileAssociation(f.h.state, f.desktop);

        const std::string exec = f.ExpectedProgram() + " %f";
        QCOMPARE(f.h.presenter.shown.size(), size_t{2});
        const auto& question = f.h.presenter.shown[0];
        QCOMPARE(question.text,
                 "This operation may break an existing association of file "
                 "extension " +
                     ext + " with other programs on this computer. Proceed?");
        QCOMPARE(question.style, msg::kYesNo);
        QCOMPARE(question.title, std::string("Vornexa"));
        const auto& done = f.h.presenter.shown[1];
        QCOMPARE(done.text, "The file association for " + ext + " has been made to " + exec);
        QCOMPARE(done.style, msg::kOkOnly);
        QCOMPARE(done.title, std::string("Vornexa"));
        QVERIFY(f.Logged(f.h.state.folders.program + " " +
                         fs::path(f.ExpectedProgram()).filename().string() + " " + ext));

        const QString xml =
            QString::fromStdString(test::ReadAll(f.DataFile("mime/packages/vornexa-mime.xml")));
        for (const QString& glob : globs) {
            QVERIFY2(xml.contains("<glob pattern=\"" + glob + "\"/>"), qPrintable(glob));
        }
        const std::string entry = test::ReadAll(f.DataFile("applications/vornexa.desktop"));
        QVERIFY(entry.find("\nExec=" + exec + "\n") != std::string::npos);
        QVERIFY(entry.find("\nMimeType=application/x-vornexa-project;\n") != std::string::npos);
        QVERIFY(fs::exists(f.DataFile("mime/mime.cache")));

        const Output query =
            Run(QStringLiteral("xdg-mime"), {"query", "default", "application/x-vornexa-project"});
        QCOMPARE(query.text, QStringLiteral("vornexa.desktop"));

        test::WriteAll(f.dir.file(sample.toStdString()), "");
        const Output type =
            Run(QStringLiteral("xdg-mime"),
                {"query", "filetype", QString::fromStdString(f.dir.file(sample.toStdString()))});
        if (type.code != 0 || type.text == QStringLiteral("text/plain") ||
            type.text == QStringLiteral("inode/x-empty")) {
            QSKIP("xdg-mime cannot tell file types by their name here");
        }
        QCOMPARE(type.text, QStringLiteral("application/x-vornexa-project"));
    }

    void noWritesAndLogsNothing() {
        Fixture f;
        test::RecordingDesktop recording;
        f.h.presenter.answers = {msg::kNo};
        CreateFileAssociation(f.h.state, recording);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QVERIFY(recording.runs.empty());
        QVERIFY(f.DataHomeEmpty());
        QVERIFY(!fs::exists(f.dir.file("config")));
        QVERIFY(!f.Logged(f.h.state.folders.program));
    }

    void hostileFolderNameIsQuotedAndNeverRun() {
        const std::string folder = "we \"said\" ;$(touch pwned) it's `id` \\ 100%";
        Fixture f(folder);
        f.h.presenter.answers = {msg::kYes};
        CreateFileAssociation(f.h.state, f.desktop);

        const std::string quoted = "\"" + f.dir.path().string() +
                                   "/we \\\\\"said\\\\\" ;\\\\$(touch pwned) it's \\\\`id\\\\` "
                                   "\\\\\\\\ 100%%/" +
                                   fs::path(f.ExpectedProgram()).filename().string() + "\" %f";
        const std::string entry = test::ReadAll(f.DataFile("applications/vornexa.desktop"));
        QVERIFY2(entry.find("\nExec=" + quoted + "\n") != std::string::npos, entry.c_str());
        QCOMPARE(f.h.presenter.shown.back().text,
                 "The file association for VRN has been made to " + quoted);
        for (const std::string& where :
             {f.dir.file("pwned"), f.dir.file(folder + "/pwned"), f.dir.file("data/pwned")}) {
            QVERIFY2(!fs::exists(where), where.c_str());
        }
        if (HasProgram("desktop-file-validate")) {
            const Output check =
                Run(QStringLiteral("desktop-file-validate"),
                    {QString::fromStdString(f.DataFile("applications/vornexa.desktop"))});
            QVERIFY2(check.code == 0, qPrintable(check.text));
        }
    }

    // Someone else's file behind a link in our place stays as it is.
    void linksInOurPlaceAreReplacedNotFollowed_data() {
        QTest::addColumn<QString>("ours");
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("desktop entry") << "applications/vornexa.desktop" << true;
        QTest::newRow("dangling mime package") << "mime/packages/vornexa-mime.xml" << false;
    }
    void linksInOurPlaceAreReplacedNotFollowed() {
        QFETCH(QString, ours);
        QFETCH(bool, targetExists);
        Fixture f;
        const std::string link = f.DataFile(ours.toStdString());
        const std::string target = f.dir.file("theirs");
        fs::create_directories(fs::path(link).parent_path());
        if (targetExists) {
            test::WriteAll(target, "not yours");
        }
        fs::create_symlink(target, link);
        f.h.presenter.answers = {msg::kYes};
        CreateFileAssociation(f.h.state, f.desktop);
        QVERIFY(fs::is_regular_file(fs::symlink_status(link)));
        QCOMPARE(fs::exists(target), targetExists);
        QVERIFY(!targetExists || test::ReadAll(target) == "not yours");
    }

    void extensionsThatClaimOtherFilesAreRefused_data() {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "No default extension for data files is set, so no file "
                                  "association can be made. Set one in the Settings first.";
        QTest::newRow("wildcard") << "V*"
                                  << "No file association can be made for the extension V*: it "
                                     "holds a wildcard, a blank or a folder separator.";
    }
    void extensionsThatClaimOtherFilesAreRefused() {
        QFETCH(QString, extension);
        QFETCH(QString, message);
        Fixture f;
        f.h.state.settings.FileExtension = extension.toStdString();
        f.h.presenter.answers = {msg::kYes};
        CreateFileAssociation(f.h.state, f.desktop);
        QCOMPARE(f.h.presenter.shown.size(), size_t{1});
        QCOMPARE(f.h.presenter.shown[0].text, message.toStdString());
        QVERIFY(f.DataHomeEmpty());
    }

    void failuresAreReportedNotHidden_data() {
        QTest::addColumn<QList<int>>("exitCodes");
        QTest::addColumn<bool>("dataHomeIsAFile");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("reason");
        QTest::newRow("mime database fails")
            << QList<int>{2} << false << 1
            << "\"update-mime-database %1/mime\" failed with exit code 2";
        QTest::newRow("xdg-mime missing") << QList<int>{0, -1} << false << 2
                                          << "\"xdg-mime default vornexa.desktop "
                                             "application/x-vornexa-project\" could not be run";
        QTest::newRow("folder cannot be made")
            << QList<int>{} << true << 0 << "the folder of %1/mime/packages/vornexa-mime.xml";
    }
    void failuresAreReportedNotHidden() {
        QFETCH(QList<int>, exitCodes);
        QFETCH(bool, dataHomeIsAFile);
        QFETCH(int, runs);
        QFETCH(QString, reason);
        Fixture f;
        if (dataHomeIsAFile) {
            test::WriteAll(f.dir.file("data"), "not a folder");
        }
        test::RecordingDesktop recording;
        recording.exitCodes.assign(exitCodes.begin(), exitCodes.end());
        f.h.state.messages.SetMessageTitles(7);
        f.h.presenter.answers = {msg::kYes};
        CreateFileAssociation(f.h.state, recording);

        QCOMPARE(recording.runs.size(), static_cast<size_t>(runs));
        QCOMPARE(f.h.presenter.shown.size(), size_t{2});
        const auto& shown = f.h.presenter.shown[1];
        const QString expected =
            "The file association for VRN could not be made: " +
            reason.replace(QStringLiteral("%1"), QString::fromStdString(f.dir.file("data")));
        QVERIFY2(QString::fromStdString(shown.text).startsWith(expected), shown.text.c_str());
        QCOMPARE(shown.style, msg::kExclamation);
        QCOMPARE(shown.title, std::string("Program Options: Error"));
    }
};

QTEST_MAIN(FileAssociationTest)
#include "file_association_test.moc"

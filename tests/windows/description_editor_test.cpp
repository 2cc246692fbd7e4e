#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <string>

#include "core/app_state.h"
#include "core/project_file.h"
#include "support/window_harness.h"
#include "test_support.h"
#include "ui/project/description_editor.h"
#include "util/encoding.h"
#include "util/text.h"

namespace vornexa {
namespace {

using test::Child;
using test::Click;

using Harness = test::WindowHarness;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList LogLines(const AppState& state) {
    QStringList lines;
    for (const std::string& line : SplitLines(state.messages.log.text())) {
        lines << Q(line);
    }
    return lines;
}

QStringList Numbered(const QStringList& texts) {
    QStringList lines;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        lines << QString::number(i + 1) + QStringLiteral(". ") + texts[i];
    }
    return lines;
}

// '\n' presses Return and '\v' Shift+Return; everything else is typed as it stands.
void Type(QWidget* widget, const QString& keys) {
    for (const QChar c : keys) {
        if (c == u'\n') {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (c == u'\v') {
            QTest::keyClick(widget, Qt::Key_Return, Qt::ShiftModifier);
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// A project that differs from the new-project state in every field the editor could reset.
void MakeEdited(ProjectRecord& p) {
    p.ProjParms.AzimSigmaH = 65;
    p.ProjParms.AzimEntries = 12.5f;
    p.DepthCover = 450;
    p.RockModulus = 3.5f;
    p.StressRegion = 2;
    p.CurrentFile = "/projects/panel.VRN";
    p.ProjTitle = "Panel 7";
    p.ProjDesc = "North mains\r\nSecond line\r\n";
}

// The fields the editor must leave alone unless it starts a new project.
QStringList Differences(const ProjectRecord& p, const ProjectRecord& before) {
    QStringList differ;
    const auto check = [&differ](bool same, const char* name) {
        if (!same) {
            differ << QString::fromLatin1(name);
        }
    };
    check(p.ProjTitle == before.ProjTitle, "ProjTitle");
    check(p.ProjDesc == before.ProjDesc, "ProjDesc");
    check(p.CurrentUnits == before.CurrentUnits, "CurrentUnits");
    check(p.CurrentFile == before.CurrentFile, "CurrentFile");
    check(p.ProjParms == before.ProjParms, "ProjParms");
    check(p.DepthCover == before.DepthCover && p.RockModulus == before.RockModulus &&
              p.StressRegion == before.StressRegion,
          "stress inputs");
    return differ;
}

bool ShowAndWait(QDialog& dialog) {
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

}  // namespace

class DescriptionEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void loadShowsTheRecord_data();
    void loadShowsTheRecord();
    void openedFileOffersOnlyItsUnits_data();
    void openedFileOffersOnlyItsUnits();
    void okWithoutChangeMarksUnsaved_data();
    void okWithoutChangeMarksUnsaved();
    void unitChangeStartsNewProject_data();
    void unitChangeStartsNewProject();
    void cancelLeavesEverything_data();
    void cancelLeavesEverything();
    void typedDescriptionLineEnds_data();
    void typedDescriptionLineEnds();
    void descriptionConversions_data();
    void descriptionConversions();
    void noBreakSpacesSurviveOkAndSave();
    void helpShowsTheHint();
    void tabOrder();
};

void DescriptionEditorTest::loadShowsTheRecord_data() {
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("englishEnabled");
    QTest::addColumn<bool>("metricEnabled");
    QTest::newRow("new English") << false << 0 << true << true;
    QTest::newRow("new Metric") << false << 1 << true << true;
    QTest::newRow("locked English") << true << 0 << true << false;
    QTest::newRow("locked Metric") << true << 1 << false << true;
}

void DescriptionEditorTest::loadShowsTheRecord() {
    QFETCH(bool, locked);
    QFETCH(int, units);
    QFETCH(bool, englishEnabled);
    QFETCH(bool, metricEnabled);
    Harness h;
    h.state.project.UnitsLocked = locked;
    h.state.project.CurrentUnits = static_cast<int16_t>(units);
    h.state.project.ProjTitle = "Mine \xC3\xBC title";
    h.state.project.ProjDesc = "First\r\nSecond\r\n";

    DescriptionEditor dialog(h.ctx, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Project description"));
    QCOMPARE(Child<QLineEdit>(dialog, "Text1").text(), QStringLiteral("Mine \u00fc title"));
    QCOMPARE(Child<QPlainTextEdit>(dialog, "Text2").toPlainText(),
             QStringLiteral("First\nSecond\n"));
    QCOMPARE(Child<QLabel>(dialog, "Label1").buddy(), &Child<QLineEdit>(dialog, "Text1"));
    auto& english = Child<QRadioButton>(dialog, "Option1_0");
    auto& metric = Child<QRadioButton>(dialog, "Option1_1");
    QCOMPARE(english.text(), QStringLiteral("ft, psi"));
    QCOMPARE(metric.text(), QStringLiteral("m, MPa"));
    QCOMPARE(english.isEnabled(), englishEnabled);
    QCOMPARE(metric.isEnabled(), metricEnabled);
    QCOMPARE(english.isChecked(), units == 0);
    QCOMPARE(metric.isChecked(), units == 1);
    QVERIFY(Child<QPushButton>(dialog, "Command2").isDefault());
    QCOMPARE(Child<QPushButton>(dialog, "Command4").text(), QStringLiteral("&Next form"));

    QCOMPARE(Q(h.state.messages.titles.error), QStringLiteral("Project Description: Error"));
    QCOMPARE(LogLines(h.state), Numbered({"Editing Project Description"}));
    QVERIFY(dialog.width() <= 1024 && dialog.height() <= 768);
}

void DescriptionEditorTest::openedFileOffersOnlyItsUnits_data() {
    QTest::addColumn<int>("units");
    QTest::newRow("English file") << 0;
    QTest::newRow("Metric file") << 1;
}

void DescriptionEditorTest::openedFileOffersOnlyItsUnits() {
    QFETCH(int, units);
    Harness h;
    test::TempFolder folder;
    ProjectRecord saved;
    MakeEdited(saved);
    saved.CurrentUnits = static_cast<int16_t>(units);
    const std::string path = folder.file("opened.VRN");
    test::WriteAll(path, ProjectFileText(saved));
    h.state.project.CurrentFile = path;
    QVERIFY(FileOpen(h.state));
    const ProjectRecord opened = h.state.project;
    h.state.messages.log.Clear();
    h.state.messages.log.SetCounter(0);

    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    auto& current = Child<QRadioButton>(dialog, units == 0 ? "Option1_0" : "Option1_1");
    auto& other = Child<QRadioButton>(dialog, units == 0 ? "Option1_1" : "Option1_0");
    QVERIFY(current.isEnabled() && current.isChecked());
    QVERIFY(!other.isEnabled());
    QTest::mouseClick(&other, Qt::LeftButton);
    QTest::mouseClick(&Child<QPushButton>(dialog, "Command2"), Qt::LeftButton);

    const ProjectRecord& p = h.state.project;
    QCOMPARE(Differences(p, opened), QStringList());
    QVERIFY(!p.IsSaved);
    QCOMPARE(LogLines(h.state),
             Numbered({"Editing Project Description", "Project Description Modified"}));
}

void DescriptionEditorTest::okWithoutChangeMarksUnsaved_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("OK button") << false;
    QTest::newRow("Enter in the title") << true;
}

void DescriptionEditorTest::okWithoutChangeMarksUnsaved() {
    QFETCH(bool, byEnter);
    Harness h;
    MakeEdited(h.state.project);
    const ProjectRecord before = h.state.project;

    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    if (byEnter) {
        QTest::keyClick(&Child<QLineEdit>(dialog, "Text1"), Qt::Key_Return);
    } else {
        QTest::mouseClick(&Child<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    }
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    dialog.reject();

    const ProjectRecord& p = h.state.project;
    QCOMPARE(Differences(p, before), QStringList());
    QVERIFY(!p.IsSaved);
    QVERIFY(!p.IsEmpty);
    QVERIFY(p.UnitsLocked);
    QCOMPARE(LogLines(h.state),
             Numbered({"Editing Project Description", "Project Description Modified"}));
}

void DescriptionEditorTest::unitChangeStartsNewProject_data() {
    QTest::addColumn<int>("startUnits");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("reset");
    // The new project's depth and modulus are those of the chosen units.
    QTest::addColumn<float>("depth");
    QTest::addColumn<float>("modulus");
    QTest::newRow("English to Metric") << 0 << QStringLiteral("1") << true << 304.8f << 13.8f;
    QTest::newRow("Metric to English") << 1 << QStringLiteral("0") << true << 1000.0f << 2.0f;
    QTest::newRow("there and back") << 0 << QStringLiteral("10") << false << 0.0f << 0.0f;
}

void DescriptionEditorTest::unitChangeStartsNewProject() {
    QFETCH(int, startUnits);
    QFETCH(QString, clicks);
    QFETCH(bool, reset);
    QFETCH(float, depth);
    QFETCH(float, modulus);
    Harness h;
    MakeEdited(h.state.project);
    h.state.project.CurrentUnits = static_cast<int16_t>(startUnits);
    h.state.outBuf[1] = "old results";
    const ProjectRecord before = h.state.project;

    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    auto& title = Child<QLineEdit>(dialog, "Text1");
    title.clear();
    QTest::keyClicks(&title, QStringLiteral("Longwall 3"));
    auto& desc = Child<QPlainTextEdit>(dialog, "Text2");
    desc.clear();
    Type(&desc, QStringLiteral("Seam A\nDepth 300"));
    for (const QChar c : clicks) {
        const QString name = QStringLiteral("Option1_") + c;
        QTest::mouseClick(&Child<QRadioButton>(dialog, name.toLatin1().constData()),
                          Qt::LeftButton);
    }
    QTest::mouseClick(&Child<QPushButton>(dialog, "Command2"), Qt::LeftButton);

    const ProjectRecord& p = h.state.project;
    QCOMPARE(int(p.CurrentUnits), clicks.back().digitValue());
    QCOMPARE(Q(p.ProjTitle), QStringLiteral("Longwall 3"));
    QCOMPARE(QByteArray::fromStdString(p.ProjDesc), QByteArray("Seam A\r\nDepth 300"));
    QVERIFY(!p.IsSaved && !p.IsEmpty && p.UnitsLocked);
    QStringList log = {QStringLiteral("Editing Project Description")};
    if (reset) {
        QCOMPARE(Q(p.CurrentFile), QStringLiteral("Untitled"));
        QVERIFY(p.ProjParms == NewProjectParms(h.state.options));
        QCOMPARE(int(p.StressRegion), 0);
        QCOMPARE(p.DepthCover, depth);
        QCOMPARE(p.RockModulus, modulus);
        QVERIFY(h.state.outBuf[1].empty());
        log << QStringLiteral("File initialized. Use Edit-Project Parameters to enter data");
    } else {
        ProjectRecord expected = before;
        expected.ProjTitle = p.ProjTitle;
        expected.ProjDesc = p.ProjDesc;
        QCOMPARE(Differences(p, expected), QStringList());
    }
    log << QStringLiteral("Project Description Modified");
    QCOMPARE(LogLines(h.state), Numbered(log));
}

void DescriptionEditorTest::cancelLeavesEverything_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << QStringLiteral("button");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("close box") << QStringLiteral("close");
}

void DescriptionEditorTest::cancelLeavesEverything() {
    QFETCH(QString, how);
    Harness h;
    MakeEdited(h.state.project);
    h.state.project.IsSaved = true;
    const ProjectRecord before = h.state.project;

    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    QTest::keyClicks(&Child<QLineEdit>(dialog, "Text1"), QStringLiteral(" changed"));
    Type(&Child<QPlainTextEdit>(dialog, "Text2"), QStringLiteral("more\n"));
    QTest::mouseClick(&Child<QRadioButton>(dialog, "Option1_1"), Qt::LeftButton);
    if (how == u"button") {
        QTest::mouseClick(&Child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    } else if (how == u"escape") {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
        dialog.close();
    }
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());

    const ProjectRecord& p = h.state.project;
    QCOMPARE(Differences(p, before), QStringList());
    QVERIFY(p.IsSaved && p.IsEmpty && !p.UnitsLocked);
    QCOMPARE(LogLines(h.state),
             Numbered({"Editing Project Description", "Project Description Not Modified"}));
}

void DescriptionEditorTest::typedDescriptionLineEnds_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << QStringLiteral("") << QByteArray("");
    QTest::newRow("one line") << QStringLiteral("abc") << QByteArray("abc");
    QTest::newRow("no final line end") << QStringLiteral("ab\ncd") << QByteArray("ab\r\ncd");
    QTest::newRow("final line end") << QStringLiteral("ab\n") << QByteArray("ab\r\n");
    QTest::newRow("blank line kept") << QStringLiteral("a\n\nb") << QByteArray("a\r\n\r\nb");
    QTest::newRow("Shift+Return") << QStringLiteral("a\vb") << QByteArray("a\r\nb");
    QTest::newRow("non-ASCII") << QStringLiteral("5\u00b0 \u00fc")
                               << QByteArray("5\xC2\xB0 \xC3\xBC");
}

void DescriptionEditorTest::typedDescriptionLineEnds() {
    QFETCH(QString, keys);
    QFETCH(QByteArray, stored);
    Harness h;
    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    Type(&Child<QPlainTextEdit>(dialog, "Text2"), keys);
    QTest::mouseClick(&Child<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    QCOMPARE(QByteArray::fromStdString(h.state.project.ProjDesc), stored);
}

void DescriptionEditorTest::descriptionConversions_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("back");
    QTest::newRow("CR LF lines") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n")
                                 << QByteArray("a\r\nb\r\n");
    QTest::newRow("re-flowed, no final end")
        << QByteArray("a\r\nb") << QStringLiteral("a\nb") << QByteArray("a\r\nb");
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringLiteral("a\nb\n")
                             << QByteArray("a\r\nb\r\n");
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringLiteral("a\nb")
                             << QByteArray("a\r\nb");
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringLiteral("a\n\nb")
                              << QByteArray("a\r\n\r\nb");
}

void DescriptionEditorTest::descriptionConversions() {
    QFETCH(QByteArray, record);
    QFETCH(QString, field);
    QFETCH(QByteArray, back);
    QCOMPARE(DescriptionToField(record.toStdString()), field);
    QCOMPARE(QByteArray::fromStdString(DescriptionFromField(field)), back);
}

// A no-break space stays in the record and the file, and is no place to break a line.
void DescriptionEditorTest::noBreakSpacesSurviveOkAndSave() {
    Harness h;
    test::TempFolder dir;
    h.state.project.ProjTitle = "Panel\u00a07";
    const QByteArray nbsp("\xC2\xA0"), x45(45, 'x'), y24(24, 'y');
    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    Type(&Child<QPlainTextEdit>(dialog, "Text2"), QString::fromUtf8(x45 + nbsp + y24));
    QTest::mouseClick(&Child<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    QCOMPARE(QByteArray::fromStdString(h.state.project.ProjDesc), x45 + nbsp + y24);

    h.state.project.CurrentFile = dir.file("nbsp.VRN");
    FileSave(h.state);
    ProjectRecord read;
    ReadProjectText(DecodeFileText(test::ReadAll(h.state.project.CurrentFile)), read);
    QCOMPARE(Q(read.ProjTitle), QStringLiteral("Panel\u00a07"));
    QCOMPARE(QByteArray::fromStdString(read.ProjDesc),
             x45 + nbsp + y24.left(14) + "\r\n" + y24.mid(14) + "\r\n");
}

void DescriptionEditorTest::helpShowsTheHint() {
    Harness h;
    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    QTest::mouseClick(&Child<QPushButton>(dialog, "Command3"), Qt::LeftButton);
    QCOMPARE(h.presenter.shown.size(), size_t{1});
    QCOMPARE(Q(h.presenter.shown[0].text),
             QStringLiteral("Position the cursor on any item on the form and press F1 for "
                            "context-sensitive Help"));
    QCOMPARE(h.presenter.shown[0].style, msg::kExclamation);
    QCOMPARE(Q(h.presenter.shown[0].title), QStringLiteral("Help"));
    QVERIFY(dialog.isVisible());
    QVERIFY(h.state.project.IsSaved);
}

void DescriptionEditorTest::tabOrder() {
    Harness h;
    DescriptionEditor dialog(h.ctx, nullptr);
    QVERIFY(ShowAndWait(dialog));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Child<QLineEdit>(dialog, "Text1").setFocus();
    const QStringList expected = {QStringLiteral("Text2"),    QStringLiteral("Option1_0"),
                                  QStringLiteral("Command2"), QStringLiteral("Command4"),
                                  QStringLiteral("Command1"), QStringLiteral("Command3"),
                                  QStringLiteral("Text1")};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

}  // namespace vornexa

QTEST_MAIN(vornexa::DescriptionEditorTest)
#include "description_editor_test.moc"

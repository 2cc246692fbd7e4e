#include <QDialog>
#include <QPointer>
#include <QTest>

#include <functional>
#include <string>

#include "support/window_harness.h"
#include "ui/project/stress_dialog.h"
#include "ui/utilities/file_conversion_dialog.h"
#include "ui/utilities/folder_chooser.h"
#include "ui/utilities/options_dialog.h"
#include "ui/utilities/settings_dialog.h"
#include "util/settings.h"

using namespace vornexa;

namespace {

// State every dialog of the table can be accepted over: real folders, a settings
// file of its own and an English project.
struct Fixture {
    Fixture() {
        test::UseTemporaryFolders(h, dir);
        h.state.project.CurrentFile = dir.file("mine.VRN");
        h.state.project.DepthCover = 1000;
        h.state.project.RockModulus = 2;
    }

    test::TempFolder dir;
    test::WindowHarness h;
    std::string chosenFolder = dir.file("data");
};

struct Row {
    const char* name;
    const char* focused;
    std::function<QDialog*(Fixture&)> open;
};

const Row kRows[] = {
    {"settings, Help", "cmdHelp",
     [](Fixture& f) {
         return new SettingsDialog(
             f.h.ctx, [] {}, [] {});
     }},
    {"settings, Cancel", "cmdCancel",
     [](Fixture& f) {
         return new SettingsDialog(
             f.h.ctx, [] {}, [] {});
     }},
    {"options, Help", "Command3", [](Fixture& f) { return new OptionsDialog(f.h.ctx); }},
    {"options, Cancel", "Command1", [](Fixture& f) { return new OptionsDialog(f.h.ctx); }},
    {"stress, Help", "cmdHelp", [](Fixture& f) { return new StressDialog(f.h.ctx, [] {}); }},
    {"file conversion, Help", "Command3",
     [](Fixture& f) { return new FileConversionDialog(f.h.ctx); }},
    {"folder chooser, Help", "Command3",
     [](Fixture& f) { return new FolderChooser(f.h.state, f.chosenFolder); }},
};

bool HintShown(const Fixture& f) {
    for (const auto& shown : f.h.presenter.shown) {
        if (shown.text.find("context-sensitive Help") != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

class CommandButtonsTest : public QObject {
    Q_OBJECT

  private slots:
    // Only the default button answers Enter: a focused Cancel or Help must not.
    void enterOnAFocusedButtonPressesTheDefault() {
        for (const Row& row : kRows) {
            Fixture f;
            QPointer<QDialog> dialog = row.open(f);
            dialog->show();
            QPushButton& focused = test::Child<QPushButton>(*dialog, row.focused);
            focused.setFocus();
            QTest::keyClick(&focused, Qt::Key_Return);
            QVERIFY2(!HintShown(f), row.name);
            QVERIFY2(dialog && dialog->result() == QDialog::Accepted, row.name);
            delete dialog.data();
        }
    }
};

QTEST_MAIN(CommandButtonsTest)
#include "command_buttons_test.moc"

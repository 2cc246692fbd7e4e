// Printing reaches Qt's print library through the print module, loaded with
// the first print; a module that cannot be loaded is told and prints nothing.
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "core/project_commands.h"
#include "support/window_harness.h"
#include "ui/project/main_window.h"
#include "ui/services/printer_module.h"

using namespace vornexa;

namespace {

std::string ProgramFolder() {
    return std::filesystem::path(std::getenv("VORNEXA_EXE")).parent_path().string() + "/";
}

}  // namespace

class PrinterModuleTest : public QObject {
    Q_OBJECT

  private slots:
    void printLoadsTheModuleOrTellsWhy_data() {
        QTest::addColumn<QString>("module");   // what the module's name links to; empty for nothing
        QTest::addColumn<QString>("message");  // how the message starts; empty for none
        QTest::newRow("the print module") << "libvornexa_print.so"
                                          << "";
        QTest::newRow("missing") << ""
                                 << "Cannot load ";
        QTest::newRow("another module") << "libvornexa_export.so"
                                        << "Cannot start ";
    }

    void printLoadsTheModuleOrTellsWhy() {
        QFETCH(QString, module);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        const std::string name = folder + "libvornexa_print.so";
        if (!module.isEmpty()) {
            std::filesystem::create_symlink(ProgramFolder() + module.toStdString(), name);
        }
        test::WindowHarness h;
        h.state.folders.program = folder;
        FileNew(h.state, true, true);
        PrinterModule printer(h.state);
        UiContext ctx{h.state, h.dialogs, printer, h.desktop};
        MainWindow window(ctx);
        h.dialogs.pdfPath = folder + "out.pdf";
        h.presenter.answers = {msg::kYes};
        window.mnuFileItem_Click(6);
        QCOMPARE(std::filesystem::exists(h.dialogs.pdfPath), message.isEmpty());
        QCOMPARE(h.dialogs.printerDialogs, message.isEmpty() ? 1 : 0);
        const bool told = !h.presenter.shown.empty() &&
                          h.presenter.shown[0].text.starts_with(message.toStdString() + name);
        QCOMPARE(told, !message.isEmpty());
    }
};

QTEST_MAIN(PrinterModuleTest)
#include "printer_module_test.moc"

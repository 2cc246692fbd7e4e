#include "ui/app_startup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/app_state.h"
#include "core/project_commands.h"
#include "core/startup.h"
#include "ui/project/main_window.h"
#include "ui/services/desktop_services.h"
#include "ui/services/overflow_icon_style.h"
#include "ui/services/printer_module.h"
#include "ui/services/qt_services.h"
#include "ui/services/window_support.h"
#include "ui/utilities/settings_dialog.h"

namespace vornexa {

namespace {

// The first installed candidate of the default display font, which is all the
// default needs; the whole list only when none is.
std::vector<std::string> InstalledDisplayFonts() {
    for (const char* name : {"Arial", "Courier New", "System", "Terminal"}) {
        if (FontFamilyInstalled(QLatin1String(name))) {
            return {name};
        }
    }
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families()) {
        fonts.push_back(family.toStdString());
    }
    return fonts;
}

}  // namespace

std::string CommandLineProject(const std::vector<std::string>& args) {
    namespace fs = std::filesystem;
    // "--" ends the options, so a project name may start with "--".
    const auto first = !args.empty() && args[0] == "--" ? args.begin() + 1 : args.begin();
    std::string line;
    for (auto arg = first; arg != args.end(); ++arg) {
        line += (line.empty() ? "" : " ") + *arg;
    }
    std::error_code ec;
    // Quotes are part of a name that exists as given.
    if (!fs::is_regular_file(line, ec)) {
        std::erase(line, '"');
    }
    if (line.empty()) {
        return line;
    }
    // Recent files and Save need the path from anywhere, not only from here.
    const fs::path absolute = fs::absolute(line, ec);
    if (ec) {
        return line;
    }
    // ".." after a symbolic link is not the folder before it: only "." goes.
    const bool parentStep = std::find(absolute.begin(), absolute.end(), "..") != absolute.end();
    return (parentStep ? absolute : absolute.lexically_normal()).string();
}

void OpenStartupProjects(MainWindow& window, const std::string& commandLine) {
    AppState& state = window.Context().state;
    FileNew(state, true, true);
    window.RefreshCaption();
    window.show();
    window.ApplyHistoryFont();
    CheckHistoryFont(state);
    const SettingsRecord& s = state.settings;
    if (s.LoadLastInputFile == 1 && s.MaxLastFiles >= 1 && !s.recent[1].LastFileLong.empty()) {
        window.mnuFileArray_Click(1);
    }
    if (!commandLine.empty()) {
        state.project.PrevFile = state.project.CurrentFile;
        state.project.CurrentFile = commandLine;
        window.LoadProjFile();
    }
}

int RunApplication(int& argc, char** argv, const PlatformInfo& platform) {
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QApplication::setStyle(new OverflowIconStyle(QApplication::style()));
    QtMessagePresenter presenter;
    AppState state(presenter);
    PlatformInfo withFonts = platform;
    withFonts.installedFonts = InstalledDisplayFonts();
    InitialiseState(state, withFonts);
    if (EnsureSettingsFile(state)) {
        ReadSettingsFile(state);
    }
    PrinterModule printer(state);
    QtDialogService dialogs(printer);
    QtDesktopService desktop(state.messages);
    UiContext context{state, dialogs, printer, desktop};
    MainWindow window(context);
    presenter.SetParent(&window);
    window.Help().InstallF1(app);
    window.Form_Load();
    const std::vector<std::string> args(argv + 1, argv + argc);
    OpenStartupProjects(window, CommandLineProject(args));
    // Start-up timing hook for measurements, off unless the variable is set.
    if (std::getenv("VORNEXA_QUIT_AFTER_SHOW") != nullptr) {
        QTimer::singleShot(0, &app, [&] {
            const auto elapsed = std::chrono::steady_clock::now() - started;
            std::fprintf(stderr, "shown after %.1f ms\n",
                         std::chrono::duration<double, std::milli>(elapsed).count());
            window.close();
        });
    }
    return QApplication::exec();
}

}  // namespace vornexa

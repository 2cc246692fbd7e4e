#include "ui/desktop_services.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>

#include "core/app_state.h"
#include "util/command_line.h"
#include "util/files.h"

namespace vornexa {
namespace {

constexpr int kRunTimeoutMs = 30000;

QStringList ArgumentList(const std::vector<std::string>& arguments) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments) {
        list.append(QString::fromStdString(argument));
    }
    return list;
}

}  // namespace

bool QtDesktopService::StartProgram(const std::string& program,
                                    const std::vector<std::string>& arguments) {
    return QProcess::startDetached(QString::fromStdString(program), ArgumentList(arguments));
}

int QtDesktopService::RunProgram(const std::string& program,
                                 const std::vector<std::string>& arguments) {
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(ArgumentList(arguments));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (!process.waitForStarted(kRunTimeoutMs)) {
        return -1;
    }
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool QtDesktopService::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool ViewWithExternalViewer(AppState& state, DesktopService& desktop, const std::string& file) {
    const std::string copy = state.folders.temp + "~tmpbr.tmp";
    if (!CopyTextFile(state.messages, file, copy)) {
        return false;
    }
    // The setting is split here rather than handed to a shell, so no character of
    // it or of a path is ever interpreted.
    std::vector<std::string> words = SplitCommandLine(state.settings.ExternalEditor);
    if (!words.empty() && !words.front().empty()) {
        const std::string program = words.front();
        words.erase(words.begin());
        words.push_back(copy);
        if (desktop.StartProgram(program, words)) {
            return true;
        }
    }
    state.messages.ShowMessage(
        "Shell operation failed. Check status of External Viewer: " + state.settings.ExternalEditor,
        msg::kOkOnly, state.messages.titles.error);
    return false;
}

}  // namespace vornexa

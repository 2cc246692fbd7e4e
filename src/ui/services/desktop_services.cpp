#include "ui/services/desktop_services.h"

#ifdef _WIN32
#include <QDesktopServices>
#endif
#include <QProcess>
#include <QStringList>

#include "core/app_state.h"
#include "util/command_line.h"
#include "util/files.h"
#include "util/messages.h"

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

QtDesktopService::QtDesktopService(Messenger& messages) : messages_(messages) {}

// Openers still running when the program ends report to no one.
QtDesktopService::~QtDesktopService() {
    for (QProcess* opener : openers_.findChildren<QProcess*>()) {
        opener->disconnect(&openers_);
    }
}

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

#ifdef _WIN32
bool QtDesktopService::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
#else
// Only xdg-open's exit status tells whether a handler took the file or page. It is
// watched from the event loop, never waited for: a handler may keep it running.
bool QtDesktopService::OpenUrl(const QUrl& url) {
    const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    auto* opener = new QProcess(&openers_);
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({target});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::finished, &openers_,
                     [this, opener, target](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             ReportFailedOpener(target,
                                                status == QProcess::NormalExit ? exitCode : -1);
                         }
                     });
    opener->start();
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    return true;
}
#endif

void QtDesktopService::ReportFailedOpener(const QString& target, int exitCode) {
    messages_.LogMessage("\"xdg-open " + target.toStdString() + "\" failed with exit code " +
                         std::to_string(exitCode));
    messages_.ShowMessage("Operation Failed");
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

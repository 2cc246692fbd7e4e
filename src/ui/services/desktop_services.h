#pragma once

#include <QObject>
#include <QUrl>

#include <string>
#include <vector>

namespace vornexa {

struct AppState;
class Messenger;

// Starting programs and opening files or pages with the desktop's handlers.
class DesktopService {
  public:
    virtual ~DesktopService() = default;
    // Starts the program with exactly these arguments, through no shell; false
    // when it could not be started.
    virtual bool StartProgram(const std::string& program,
                              const std::vector<std::string>& arguments) = 0;
    // Runs the program with exactly these arguments, through no shell, and waits
    // for it: its exit code, or -1 when it could not start, crashed or hung.
    virtual int RunProgram(const std::string& program,
                           const std::vector<std::string>& arguments) = 0;
    // Opens the file or page with the desktop's handler; false when that could not
    // be started. A handler that starts and fails later is reported by the service.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

class QtDesktopService : public DesktopService {
  public:
    // Late failures of the opener are reported through `messages`.
    explicit QtDesktopService(Messenger& messages);
    ~QtDesktopService() override;
    QtDesktopService(const QtDesktopService&) = delete;
    QtDesktopService& operator=(const QtDesktopService&) = delete;

    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;
    int RunProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    bool OpenUrl(const QUrl& url) override;

  private:
    void ReportFailedOpener(const QString& target, int exitCode);

    Messenger& messages_;
    // The parent of the openers still running.
    QObject openers_;
};

// Copies the file to "~tmpbr.tmp" in the temporary folder and starts the
// external viewer of the settings on the copy, so the viewer never locks or
// changes the file itself. False, after a message, when that failed.
bool ViewWithExternalViewer(AppState& state, DesktopService& desktop, const std::string& file);

}  // namespace vornexa

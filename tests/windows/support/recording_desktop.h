#pragma once

#include <QUrl>

#include <string>
#include <vector>

#include "ui/services/desktop_services.h"

namespace vornexa::test {

// Records the programs and pages asked for instead of starting them.
class RecordingDesktop : public DesktopService {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override {
        starts.push_back({program, arguments});
        return startResult;
    }
    // Nothing is run: the call is kept and the next scripted exit code answered.
    int RunProgram(const std::string& program, const std::vector<std::string>& arguments) override {
        runs.push_back({program, arguments});
        if (exitCodes.empty()) {
            return 0;
        }
        const int code = exitCodes.front();
        exitCodes.erase(exitCodes.begin());
        return code;
    }
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        return openResult;
    }
    std::vector<Start> starts;
    std::vector<Start> runs;
    std::vector<QUrl> urls;
    bool startResult = true;
    bool openResult = true;
    std::vector<int> exitCodes;
};

}  // namespace vornexa::test

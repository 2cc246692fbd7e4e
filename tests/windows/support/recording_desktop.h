#pragma once

#include <QUrl>

#include <string>
#include <vector>

#include "ui/desktop_services.h"

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
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        return openResult;
    }
    std::vector<Start> starts;
    std::vector<QUrl> urls;
    bool startResult = true;
    bool openResult = true;
};

}  // namespace vornexa::test

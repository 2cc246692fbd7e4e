#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/project.h"
#include "util/messages.h"

namespace vornexa::test {

// Records every message and answers from a script (OK when the script is empty).
class RecordingPresenter : public MessagePresenter {
  public:
    struct Shown {
        std::string text;
        int style;
        std::string title;
    };
    int Show(const std::string& text, int style, const std::string& title) override {
        shown.push_back({text, style, title});
        if (answers.empty()) {
            return msg::kOk;
        }
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<Shown> shown;
    std::vector<int> answers;
};

// A development layout with its openings at fixed angles to SigmaH: entries +15,
// left crosscut +105, right crosscut +285.
Parms DevelopmentLayout(float sigmaH);
// A longwall layout of that sequence, SigmaH and headgate azimuth.
Parms LongwallLayout(int16_t longType, float sigmaH, float headgate);

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

}  // namespace vornexa::test

#include "cli/summary.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/headless.h"
#include "cli/layout_csv.h"
#include "cli/project_list.h"
#include "cli/summary_writer.h"
#include "core/app_state.h"

namespace vornexa {
namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

struct SummaryArguments {
    SummaryFormat format = SummaryFormat::Csv;
    std::vector<std::string> operands;
};

// Takes `--format NAME` out of the operands; nullopt after a message when it is bad.
std::optional<SummaryArguments> ParseArguments(const std::vector<std::string>& operands,
                                               std::ostream& err) {
    SummaryArguments parsed;
    for (size_t i = 0; i < operands.size(); ++i) {
        if (operands[i] != "--format") {
            parsed.operands.push_back(operands[i]);
            continue;
        }
        const std::string name = i + 1 < operands.size() ? operands[++i] : "";
        const std::optional<SummaryFormat> format = ParseSummaryFormat(name);
        if (!format) {
            err << "Invalid format '" << name << "': give --format csv or --format json\n";
            return std::nullopt;
        }
        parsed.format = *format;
    }
    return parsed;
}

// Fills the row from the project at entry.path; false, with the messages the
// standard-error presenter would have printed as its error, when it cannot be used.
bool ReadRow(AppState& state, std::ostringstream& messages, const ProjectPath& entry,
             SummaryInput& row) {
    row.file = entry.path;
    row.error = entry.error;
    if (!row.error.empty()) {
        return false;
    }
    messages.str({});
    if (!OpenCheckedProject(state, entry.path)) {
        row.error = messages.str();
        if (!row.error.empty() && row.error.back() == '\n') {
            row.error.pop_back();
        }
        return false;
    }
    row.project = state.project;
    return true;
}

}  // namespace

int RunSummary(const std::vector<std::string>& operands, const PlatformInfo& platform,
               std::ostream& out, std::ostream& err) {
    const std::optional<SummaryArguments> arguments = ParseArguments(operands, err);
    if (!arguments) {
        return kUsageError;
    }
    if (arguments->operands.empty()) {
        err << "Give --summary at least one project file or folder\n";
        return kUsageError;
    }
    StderrPresenter presenter(err);
    AppState state(presenter);
    PrepareHeadlessState(state, platform);
    // From here on a project's messages become its error cell.
    std::ostringstream messages;
    StderrPresenter recorder(messages);
    state.messages.SetPresenter(recorder);

    const std::unique_ptr<SummaryWriter> writer = MakeSummaryWriter(arguments->format, out);
    int status = 0;
    SummaryInput row;
    ForEachProjectPath(arguments->operands, [&](const ProjectPath& entry) {
        if (!ReadRow(state, messages, entry, row)) {
            status = kFailure;
        }
        writer->Row(row);
    });
    writer->End();
    return status;
}

int RunBatch(const std::vector<std::string>& operands, const PlatformInfo& platform,
             std::ostream& out, std::ostream& err) {
    const std::optional<SummaryArguments> arguments = ParseArguments(operands, err);
    if (!arguments) {
        return kUsageError;
    }
    if (arguments->operands.size() != 1) {
        err << "Give --batch one layouts file\n";
        return kUsageError;
    }
    StderrPresenter presenter(err);
    AppState state(presenter);
    PrepareHeadlessState(state, platform);
    const std::string& path = arguments->operands.front();
    std::ifstream in(path, std::ios::binary);
    // A folder opens as a stream that holds nothing: it is no layouts file either.
    const int openError = !in ? errno : std::filesystem::is_directory(path) ? EISDIR : 0;
    if (openError != 0) {
        state.messages.HandleError(FileError(openError, FileOp::Read), true);
        return kFailure;
    }
    const std::unique_ptr<SummaryWriter> writer = MakeSummaryWriter(arguments->format, out);
    LayoutReader reader(in, path, state.options);
    int status = 0;
    for (SummaryInput row; reader.Next(row);) {
        if (!row.error.empty()) {
            status = kFailure;
        }
        writer->Row(row);
    }
    writer->End();
    return status;
}

}  // namespace vornexa

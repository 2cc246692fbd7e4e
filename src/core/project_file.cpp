#include "core/project_file.h"

#include <cfloat>
#include <cmath>
#include <optional>
#include <vector>

#include "core/app_state.h"
#include "core/project_commands.h"
#include "core/tables.h"
#include "util/encoding.h"
#include "util/files.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr std::string_view kStartDesc = "##StartDesc##";
constexpr std::string_view kEndDesc = "##EndDesc##";
// After the last item, so that readers which stop there never see it.
constexpr std::string_view kToleranceKey = "SigmaHTolerance=";
constexpr double kToleranceMax = 90;

// A blank in place of the sign of a value that is not negative, and one after it.
std::string SignFramed(bool negative, const std::string& number) {
    std::string field(negative ? "" : " ");
    field += number;
    field += ' ';
    return field;
}

std::string IntegerField(int value) {
    return SignFramed(value < 0, std::to_string(value));
}

std::string NumberField(float value) {
    return SignFramed(value < 0, NumberToText(value));
}

// Thrown inside the reader; turned into a result at its top.
struct ReadFailure {
    ProjectReadResult::Kind kind;
    std::string message;
};

class LineReader {
  public:
    explicit LineReader(std::string_view text) : lines_(SplitLines(text)) {}

    const std::string& Next() {
        if (next_ >= lines_.size()) {
            throw ReadFailure{ProjectReadResult::Kind::EndedEarly, {}};
        }
        return lines_[next_++];
    }
    size_t lineNumber() const { return next_; }

    // The number that starts the next line: leading blanks and tabs skipped, ended by
    // a blank, a comma or the line end.
    double Number(std::string_view what) {
        const std::string& line = Next();
        const size_t start = std::min(line.find_first_not_of(" \t"), line.size());
        const size_t end = std::min(line.find_first_of(" \t,", start), line.size());
        const std::string_view token = std::string_view(line).substr(start, end - start);
        const std::optional<double> value = ParseNumberField(token);
        if (!value || !std::isfinite(*value)) {
            Fail(what, token, token.empty() ? "holds no number" : "is not a number");
        }
        field_ = token;
        return *value;
    }

    int16_t Index(std::string_view what, int16_t highest, int16_t lowest = 0) {
        const double value = Number(what);
        const std::optional<int16_t> index = ToInt16(value);
        if (!index || *index < lowest || *index > highest) {
            Fail(what, field_,
                 "is outside " + std::to_string(lowest) + " to " + std::to_string(highest));
        }
        return *index;
    }

    int16_t Integer(std::string_view what) {
        const std::optional<int16_t> value = ToInt16(Number(what));
        if (!value) {
            Fail(what, field_, "is outside the range of a 16-bit integer");
        }
        return *value;
    }

    // The value of the line after the last item when it is `key` followed by a
    // number from 0 to `highest` and nothing else; any other line is not ours.
    std::optional<float> Keyed(std::string_view key, std::string_view what, double highest) {
        if (next_ >= lines_.size() || !lines_[next_].starts_with(key)) {
            return std::nullopt;
        }
        const std::string_view token = TrimBlanks(std::string_view(Next()).substr(key.size()));
        const std::optional<double> value = ParseNumberField(token);
        if (!value || !std::isfinite(*value)) {
            Fail(what, token, token.empty() ? "holds no number" : "is not a number");
        }
        if (*value < 0 || *value > highest) {
            Fail(what, token, "is outside 0 to " + NumberToText(static_cast<int>(highest)));
        }
        return static_cast<float>(*value);
    }

    float Single(std::string_view what) {
        const double value = Number(what);
        if (std::fabs(value) > FLT_MAX) {
            Fail(what, field_, "is too large");
        }
        return static_cast<float>(value);
    }

  private:
    [[noreturn]] void Fail(std::string_view what, std::string_view token,
                           const std::string& problem) const {
        std::string message = "Line " + std::to_string(next_) + " (" + std::string(what) + ")";
        message += token.empty() ? " " + problem : ": '" + std::string(token) + "' " + problem;
        throw ReadFailure{ProjectReadResult::Kind::BadValue, message};
    }

    std::vector<std::string> lines_;
    size_t next_ = 0;
    std::string field_;
};

std::string ReadProjDesc(LineReader& reader) {
    std::string desc;
    std::string line = reader.Next();
    if (line == kStartDesc) {
        line = reader.Next();
    }
    while (line != kEndDesc) {
        if (!TrimBlanks(line).empty()) {
            desc += line;
            desc += kCrLf;
        }
        line = reader.Next();
    }
    return desc;
}

void ReadLayout(LineReader& reader, Parms& p) {
    p.PlanType = reader.Index("plan type", kPlanTypeNames.size() - 1);
    // -1: the region was typed rather than chosen in the parameters dialog.
    p.RegionType = reader.Index("SigmaH region", kSigmaHRegions.size() - 1, -1);
    p.AzimSigmaH = reader.Single("azimuth of SigmaH");
    p.AzimEntries = reader.Single("azimuth of entries");
    p.AzimRightCross = reader.Single("azimuth of right crosscut");
    p.AzimLeftCross = reader.Single("azimuth of left crosscut");
    p.LongType = reader.Index("longwall mining sequence", kSequenceNames.size() - 1);
    p.AzimHeadGate = reader.Single("azimuth of headgate");
    p.ShowStress = reader.Integer("show stress graph");
}

// A description line equal to the end marker would end the block early on reading.
std::string DescriptionBlock(std::string_view desc) {
    std::string out;
    for (const std::string& line : SplitLines(desc)) {
        out += line;
        if (line == kEndDesc) {
            out += ' ';
        }
        out += kCrLf;
    }
    return out.empty() ? std::string(kCrLf) : out;
}

std::string SingleLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

// Resets the record and reads CurrentFile into it; false after a message.
bool ReadCurrentFile(AppState& state) {
    FileNew(state, false, true);
    ProjectRecord& p = state.project;
    state.messages.LogMessage("Opening: " + p.CurrentFile);
    const std::string text = DecodeFileText(ReadFileBytes(p.CurrentFile));
    const ProjectReadResult result = ReadProjectText(text, p);
    switch (result.kind) {
        case ProjectReadResult::Kind::Ok:
            break;
        case ProjectReadResult::Kind::UnknownFormat:
            state.messages.ShowMessage("Invalid file format");
            return false;
        case ProjectReadResult::Kind::BadValue:
            state.messages.ShowMessage("Invalid file format" + std::string(kCrLf) + result.message);
            return false;
        case ProjectReadResult::Kind::EndedEarly:
            throw AppError(err::kInputPastEnd, ErrorDescription(err::kInputPastEnd));
    }
    p.IsSaved = true;
    p.UnitsLocked = true;
    p.IsEmpty = false;
    return true;
}

}  // namespace

int16_t ProjectFormatLevel(std::string_view firstLine) {
    const size_t start = firstLine.find_first_not_of(' ');
    std::string_view tag = start == std::string_view::npos ? "" : firstLine.substr(start);
    tag = tag.substr(0, tag.find(','));
    if (tag == kVersionTags[2]) {
        return kFormatLevelCurrent;
    }
    if (tag == kVersionTags[1]) {
        return kFormatLevelOld;
    }
    return 0;
}

std::string ProjectFileText(const ProjectRecord& project) {
    const Parms& p = project.ProjParms;
    std::string text;
    const auto line = [&text](std::string_view s) {
        text += s;
        text += kCrLf;
    };
    line(kVersionTags[kCurVersionIndex]);
    line(IntegerField(project.CurrentUnits));
    line(SingleLine(project.ProjTitle));
    line(kStartDesc);
    text += DescriptionBlock(project.ProjDesc);
    line(kEndDesc);
    line(IntegerField(p.PlanType));
    line(IntegerField(p.RegionType));
    line(NumberToText(p.AzimSigmaH));
    line(NumberToText(p.AzimEntries));
    line(NumberToText(p.AzimRightCross));
    line(NumberToText(p.AzimLeftCross));
    line(IntegerField(p.LongType));
    line(NumberToText(p.AzimHeadGate));
    line(IntegerField(p.ShowStress));
    line(IntegerField(project.StressRegion));
    line(NumberField(project.DepthCover));
    line(NumberField(project.RockModulus));
    if (p.SigmaHTolerance != 0) {
        line(std::string(kToleranceKey) + NumberToText(p.SigmaHTolerance));
    }
    return text;
}

ProjectReadResult ReadProjectText(std::string_view text, ProjectRecord& project) {
    ProjectRecord read = project;
    try {
        LineReader reader(text);
        read.FileFormatLevel = ProjectFormatLevel(reader.Next());
        if (read.FileFormatLevel == 0) {
            return {ProjectReadResult::Kind::UnknownFormat, {}};
        }
        const std::optional<int16_t> units = ToInt16(reader.Number("unit system"));
        read.CurrentUnits = units && (*units == 0 || *units == 1) ? *units : int16_t{0};
        read.ProjTitle = reader.Next();
        read.ProjDesc = ReadProjDesc(reader);
        ReadLayout(reader, read.ProjParms);
        if (read.FileFormatLevel > kFormatLevelOld) {
            read.StressRegion = reader.Index("stress region", kStressRegions.size() - 1);
            read.DepthCover = reader.Single("depth of cover");
            read.RockModulus = reader.Single("rock modulus");
            read.ProjParms.SigmaHTolerance =
                reader.Keyed(kToleranceKey, "SigmaH tolerance", kToleranceMax).value_or(0);
        } else {
            // The older format stores none: the new-project values of the file's units,
            // and the exact SigmaH azimuth alone.
            SetNewProjectStress(read);
            read.ProjParms.SigmaHTolerance = 0;
        }
    } catch (const ReadFailure& failure) {
        return {failure.kind, failure.message};
    }
    project = std::move(read);
    return {};
}

bool FileSave(AppState& state) {
    ProjectRecord& p = state.project;
    state.messages.LogMessage("Saving: " + p.CurrentFile);
    ProjectRecord saved = p;
    saved.ProjDesc = ReflowDescription(p.ProjDesc);
    const std::string bytes = EncodeFileText(ProjectFileText(saved));
    // A file that the reader would refuse is never written: the old one stays.
    ProjectRecord readBack;
    const ProjectReadResult check = ReadProjectText(DecodeFileText(bytes), readBack);
    if (check.kind != ProjectReadResult::Kind::Ok) {
        throw AppError(err::kInvalidCall, "Project not saved. " + check.message);
    }
    AtomicWriteFile(p.CurrentFile, bytes);
    p.ProjDesc = std::move(saved.ProjDesc);
    p.IsSaved = true;
    return true;
}

bool FileOpen(AppState& state) {
    // The file is read over a new project; the one that was open stays unless all of it was read.
    const ProjectRecord previous = state.project;
    const std::array<std::string, kOutPageMax + 1> output = state.outBuf;
    const auto restore = [&] {
        state.project = previous;
        state.outBuf = output;
    };
    try {
        if (ReadCurrentFile(state)) {
            return true;
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return false;
}

}  // namespace vornexa

#include "cli/layout_csv.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <utility>

#include "core/project_commands.h"
#include "core/tables.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

using Traits = std::char_traits<char>;

enum Column : size_t {
    kTitle,
    kUnits,
    kPlanType,
    kSigmaH,
    kSigmaHRegion,
    kEntries,
    kLeft,
    kRight,
    kHeadgate,
    kType,
    kTolerance,
    kStressRegion,
    kDepth,
    kModulus,
};

constexpr std::array<std::string_view, 14> kColumnNames = {
    "title", "units",    "plan_type", "sigmah",    "sigmah_region", "entries", "left",
    "right", "headgate", "type",      "tolerance", "stress_region", "depth",   "modulus"};

static_assert(kColumnNames.size() == kModulus + 1);

// The layout columns are the summary's own; the stress inputs come on top.
constexpr bool InSummary(std::string_view name) {
    return std::find(kSummaryColumns.begin(), kSummaryColumns.end(), name) != kSummaryColumns.end();
}
static_assert(std::all_of(kColumnNames.begin(), kColumnNames.begin() + kStressRegion, InSummary));

constexpr std::array<std::string_view, 2> kUnitNames = {"English", "Metric"};
constexpr std::array<std::string_view, 2> kLongwallTypeLetters = {"A", "B"};

template <typename Row, size_t N>
constexpr std::array<std::string_view, N> NamesOf(const std::array<Row, N>& rows) {
    std::array<std::string_view, N> names{};
    for (size_t i = 0; i < N; ++i) {
        names[i] = rows[i].name;
    }
    return names;
}
constexpr auto kSigmaHRegionNames = NamesOf(kSigmaHRegions);
constexpr auto kStressRegionNames = NamesOf(kStressRegions);

constexpr double kTurn = 360;
constexpr double kToleranceMax = 90;

bool Ignorable(char c) {
    return c == ' ' || c == '\t' || c == '_';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal apart from case, blanks and underscores: "Plan Type" is "plan_type".
bool SameKey(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    for (;;) {
        while (i < a.size() && Ignorable(a[i])) {
            ++i;
        }
        while (j < b.size() && Ignorable(b[j])) {
            ++j;
        }
        if (i == a.size() || j == b.size()) {
            return i == a.size() && j == b.size();
        }
        if (LowerAscii(a[i]) != LowerAscii(b[j])) {
            return false;
        }
        ++i;
        ++j;
    }
}

int ColumnOf(std::string_view name) {
    for (size_t c = 0; c < kColumnNames.size(); ++c) {
        if (SameKey(name, kColumnNames[c])) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

void SkipByteOrderMark(std::streambuf& buf) {
    constexpr std::array<int, 3> kMark = {0xEF, 0xBB, 0xBF};
    size_t matched = 0;
    while (matched < kMark.size() && buf.sgetc() == kMark[matched]) {
        buf.sbumpc();
        ++matched;
    }
    if (matched < kMark.size()) {
        for (; matched > 0; --matched) {
            buf.sungetc();
        }
    }
}

// "Development, Longwall, 0, 1": the words a choice cell takes, then its indexes.
std::string ChoiceList(std::span<const std::string_view> words,
                       std::span<const std::string_view> aliases) {
    std::string list;
    for (auto names : {words, aliases}) {
        for (std::string_view name : names) {
            list.append(name).append(", ");
        }
    }
    const std::string last = std::to_string(words.size() - 1);
    return list + (words.size() == 2 ? "0, " + last : "0.." + last);
}

// The cells of one record, read into a project; the first bad cell sets the error.
class RowFields {
  public:
    RowFields(const std::array<std::string_view, kColumnNames.size()>& cells, std::string& error)
        : cells_(cells), error_(error) {}

    bool Given(Column c) const { return !cells_[c].empty(); }
    std::string_view Cell(Column c) const { return cells_[c]; }

    // Each leaves `value` alone when the cell is blank; false when the cell is bad.
    bool Number(Column c, double high, float& value) {
        if (!Given(c)) {
            return true;
        }
        const std::optional<double> number = ParseNumberField(cells_[c]);
        if (!number || *number < 0 || *number > high) {
            return Fail(c, "a number in 0.." + FormatDouble(high));
        }
        value = static_cast<float>(*number);
        return true;
    }

    bool Positive(Column c, float& value) {
        if (!Given(c)) {
            return true;
        }
        const std::optional<double> number = ParseNumberField(cells_[c]);
        const std::optional<float> single = number ? ToSingle(*number) : std::nullopt;
        if (!single || !(*single > 0)) {
            return Fail(c, "a positive number");
        }
        value = *single;
        return true;
    }

    bool Choice(Column c, std::span<const std::string_view> words,
                std::span<const std::string_view> aliases, int16_t& value) {
        if (!Given(c)) {
            return true;
        }
        const std::string_view cell = cells_[c];
        for (size_t i = 0; i < words.size(); ++i) {
            if (SameKey(cell, words[i]) || (i < aliases.size() && SameKey(cell, aliases[i]))) {
                value = static_cast<int16_t>(i);
                return true;
            }
        }
        const std::optional<double> index = ParseNumberField(cell);
        if (index && *index >= 0 && *index < static_cast<double>(words.size()) &&
            *index == std::floor(*index)) {
            value = static_cast<int16_t>(*index);
            return true;
        }
        return Fail(c, "one of " + ChoiceList(words, aliases));
    }

  private:
    bool Fail(Column c, std::string_view what) {
        error_.assign(kColumnNames[c]).append(": \"").append(cells_[c]).append("\" is not ");
        error_.append(what);
        return false;
    }

    const std::array<std::string_view, kColumnNames.size()>& cells_;
    std::string& error_;
};

// False at the first bad cell, whose message the fields keep.
bool ReadLayout(RowFields& f, ProjectRecord& p) {
    Parms& layout = p.ProjParms;
    p.ProjTitle.assign(f.Cell(kTitle));
    if (!f.Choice(kUnits, kUnitNames, {}, p.CurrentUnits)) {
        return false;
    }
    if (p.CurrentUnits == 1) {
        SetNewProjectStress(p);
    }
    if (!f.Choice(kPlanType, kPlanTypeNames, {}, layout.PlanType) ||
        !f.Choice(kSigmaHRegion, kSigmaHRegionNames, {}, layout.RegionType)) {
        return false;
    }
    // A chosen region stands for its azimuth unless one is typed, as in the dialog.
    if (f.Given(kSigmaHRegion) && !f.Given(kSigmaH)) {
        layout.AzimSigmaH = static_cast<float>(
            ParseNumberField(kSigmaHRegions[static_cast<size_t>(layout.RegionType)].defaultAzimuth)
                .value());
    }
    return f.Number(kSigmaH, kTurn, layout.AzimSigmaH) &&
           f.Number(kEntries, kTurn, layout.AzimEntries) &&
           f.Number(kLeft, kTurn, layout.AzimLeftCross) &&
           f.Number(kRight, kTurn, layout.AzimRightCross) &&
           f.Number(kHeadgate, kTurn, layout.AzimHeadGate) &&
           f.Choice(kType, kSequenceNames, kLongwallTypeLetters, layout.LongType) &&
           f.Number(kTolerance, kToleranceMax, layout.SigmaHTolerance) &&
           f.Choice(kStressRegion, kStressRegionNames, {}, p.StressRegion) &&
           f.Positive(kDepth, p.DepthCover) && f.Positive(kModulus, p.RockModulus);
}

}  // namespace

LayoutReader::LayoutReader(std::istream& in, std::string fileName, const AnalysisOptions& options)
    : buf_(in.rdbuf()), fileName_(std::move(fileName)) {
    defaults_.ProjParms = NewProjectParms(options);
    SkipByteOrderMark(*buf_);
    if (ReadNonBlankRecord()) {
        for (size_t i = 0; i < ends_.size(); ++i) {
            const int column = ColumnOf(Field(i));
            const bool repeated = std::find(columnOfField_.begin(), columnOfField_.end(), column) !=
                                  columnOfField_.end();
            columnOfField_.push_back(repeated ? -1 : column);
        }
    }
}

bool LayoutReader::Next(SummaryInput& row) {
    if (!ReadNonBlankRecord()) {
        return false;
    }
    row.file.assign(fileName_).append(":").append(std::to_string(recordLine_));
    row.error.clear();
    row.project = defaults_;
    if (quoteLine_ != 0) {
        row.error = "the quoted cell opened on line " + std::to_string(quoteLine_) +
                    " is not closed before the end of the file";
        return true;
    }
    const Cells cells = RecordCells();
    RowFields fields(cells, row.error);
    ReadLayout(fields, row.project);
    return true;
}

// One record into text_ and ends_; false at the end of the input.
bool LayoutReader::ReadRecord() {
    text_.clear();
    ends_.clear();
    recordLine_ = line_;
    quoteLine_ = 0;
    int c = buf_->sbumpc();
    if (c == Traits::eof()) {
        return false;
    }
    for (bool fieldStart = true; c != Traits::eof(); c = buf_->sbumpc()) {
        if (fieldStart && c == '"') {
            const long opened = line_;
            fieldStart = false;
            if (!ReadQuoted()) {
                quoteLine_ = opened;
                break;
            }
            continue;
        }
        fieldStart = c == ',';
        if (c == ',') {
            ends_.push_back(text_.size());
        } else if (c == '\n') {
            ++line_;
            break;
        } else if (c == '\r' && buf_->sgetc() == '\n') {
            buf_->sbumpc();
            ++line_;
            break;
        } else {
            text_.push_back(Traits::to_char_type(c));
        }
    }
    ends_.push_back(text_.size());
    return true;
}

// The rest of a quoted field up to its closing quote; false when the input ends first.
bool LayoutReader::ReadQuoted() {
    for (int c = buf_->sbumpc(); c != Traits::eof(); c = buf_->sbumpc()) {
        if (c == '"') {
            if (buf_->sgetc() != '"') {
                return true;
            }
            buf_->sbumpc();
        } else if (c == '\n') {
            ++line_;
        }
        text_.push_back(Traits::to_char_type(c));
    }
    return false;
}

bool LayoutReader::ReadNonBlankRecord() {
    while (ReadRecord()) {
        if (quoteLine_ != 0 || !RecordIsBlank()) {
            return true;
        }
    }
    return false;
}

bool LayoutReader::RecordIsBlank() const {
    return std::all_of(text_.begin(), text_.end(), [](char c) { return c == ' '; });
}

LayoutReader::Cells LayoutReader::RecordCells() const {
    static_assert(kColumnNames.size() == kInputColumns);
    Cells cells{};
    const size_t count = std::min(ends_.size(), columnOfField_.size());
    for (size_t i = 0; i < count; ++i) {
        if (columnOfField_[i] >= 0) {
            cells[static_cast<size_t>(columnOfField_[i])] = TrimBlanks(Field(i));
        }
    }
    return cells;
}

std::string_view LayoutReader::Field(size_t index) const {
    const size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

}  // namespace vornexa

#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/summary_row.h"

namespace vornexa {

struct AnalysisOptions;

// The layout rows of a batch: comma-separated text whose first record names the
// summary's input columns (case, blanks and underscores aside) plus stress_region,
// depth and modulus. Other columns are ignored, so a summary can be read back.
// A missing column or blank cell takes the new-project value of the options.
// Records are read one at a time; blank records are skipped.
class LayoutReader {
  public:
    LayoutReader(std::istream& in, std::string fileName, const AnalysisOptions& options);
    // The next layout row; false at the end of the input. A row that cannot be used has
    // .error set (naming the column and the value) and its file set; nothing else stops.
    bool Next(SummaryInput& row);

  private:
    static constexpr size_t kInputColumns = 14;
    using Cells = std::array<std::string_view, kInputColumns>;

    bool ReadRecord();
    bool ReadQuoted();
    bool ReadNonBlankRecord();
    bool RecordIsBlank() const;
    Cells RecordCells() const;
    std::string_view Field(size_t index) const;

    std::streambuf* buf_;
    std::string fileName_;
    ProjectRecord defaults_;
    std::vector<int> columnOfField_;  // header position -> input column, -1 ignored
    // The record just read: its fields one after another, and where each field ends.
    std::string text_;
    std::vector<size_t> ends_;
    long recordLine_ = 0;
    long quoteLine_ = 0;  // where the quoted field that ran to the end of the input opened
    long line_ = 1;
};

}  // namespace vornexa

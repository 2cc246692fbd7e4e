#include "cli/summary_writer.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "cli/summary_cells.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

void AppendCsvField(std::string& line, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (char c : field) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

class CsvWriter : public SummaryWriter {
  public:
    explicit CsvWriter(std::ostream& out) : out_(out) {
        std::string line;
        for (std::string_view name : kSummaryColumns) {
            line += line.empty() ? "" : ",";
            line += name;
        }
        out_ << line << "\r\n";
    }

    void Row(const SummaryInput& input) override {
        const SummaryCells cells = SummaryRowCells(input);
        line_.clear();
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                line_ += ',';
            }
            AppendCsvField(line_, cells[i]);
        }
        line_ += "\r\n";
        out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    }

    void End() override { out_.flush(); }

  private:
    std::ostream& out_;
    std::string line_;  // kept for its capacity
};

// Whole numbers as integers, so that 30 reads back as 30 and not 30.0.
nlohmann::ordered_json NumberValue(const std::string& text) {
    constexpr double kExactInteger = 9007199254740992.0;
    const std::optional<double> value = ParseNumberField(text);
    if (!value) {
        return text;
    }
    if (std::trunc(*value) == *value && std::fabs(*value) < kExactInteger) {
        return static_cast<int64_t>(*value);
    }
    return *value;
}

// One object, its keys made once, takes each row's values in column order: the
// ordered keys would cost a search per cell.
class JsonWriter : public SummaryWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {
        for (std::string_view name : kSummaryColumns) {
            object_[std::string(name)] = nullptr;
        }
        out_ << '[';
    }

    void Row(const SummaryInput& input) override {
        const SummaryCells cells = SummaryRowCells(input);
        size_t i = 0;
        for (nlohmann::ordered_json& value : object_) {
            if (cells[i].empty()) {
                value = nullptr;
            } else if (SummaryColumnIsNumber(i)) {
                value = NumberValue(cells[i]);
            } else {
                value = cells[i];
            }
            ++i;
        }
        // A file name that is not UTF-8 must not end the table.
        const std::string text =
            object_.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        out_ << (first_ ? "\n" : ",\n");
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
        first_ = false;
    }

    void End() override {
        out_ << "\n]\n";
        out_.flush();
    }

  private:
    std::ostream& out_;
    nlohmann::ordered_json object_;
    bool first_ = true;
};

}  // namespace

std::optional<SummaryFormat> ParseSummaryFormat(std::string_view name) {
    if (name == "csv") {
        return SummaryFormat::Csv;
    }
    if (name == "json") {
        return SummaryFormat::Json;
    }
    return std::nullopt;
}

std::unique_ptr<SummaryWriter> MakeSummaryWriter(SummaryFormat format, std::ostream& out) {
    if (format == SummaryFormat::Json) {
        return std::make_unique<JsonWriter>(out);
    }
    return std::make_unique<CsvWriter>(out);
}

}  // namespace vornexa

#include "cli/summary_cells.h"

#include <algorithm>
#include <stdexcept>

#include "analysis/orientation.h"
#include "analysis/sigma_band.h"
#include "core/tables.h"
#include "stress/stress_estimate.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

// A column's place, checked while compiling: a misspelt name does not build.
consteval size_t Column(std::string_view name) {
    const auto* at = std::find(kSummaryColumns.begin(), kSummaryColumns.end(), name);
    if (at == kSummaryColumns.end()) {
        throw std::logic_error("no such summary column");
    }
    return static_cast<size_t>(at - kSummaryColumns.begin());
}

constexpr std::array kNumberColumns = {
    Column("sigmah"),
    Column("entries"),
    Column("left"),
    Column("right"),
    Column("headgate"),
    Column("entries_angle"),
    Column("left_angle"),
    Column("right_angle"),
    Column("headgate_angle"),
    Column("headgate_pct"),
    Column("stress"),
    Column("tolerance"),
    Column("headgate_worst_pct"),
};

// "psi" or "MPa": the report's unit label without its blank and brackets.
std::string StressUnit(int units) {
    const std::string_view label = UnitLabel(kUnitStress, units);
    return std::string(label.substr(2, label.size() - 3));
}

// The angle the report prints and the class it decides from the folded angle.
void FillOpening(SummaryCells& cells, size_t angleColumn, size_t classColumn, float opening,
                 float sigmaH) {
    cells[angleColumn] = FormatFixed(AzimuthDifference(opening, sigmaH), 0);
    cells[classColumn] = OrientationWord(ClassifyOrientation(OpeningAngle(opening, sigmaH)));
}

void FillDevelopment(SummaryCells& cells, const Parms& p) {
    cells[Column("entries")] = FormatSingle(p.AzimEntries);
    cells[Column("left")] = FormatSingle(p.AzimLeftCross);
    cells[Column("right")] = FormatSingle(p.AzimRightCross);
    FillOpening(cells, Column("entries_angle"), Column("entries_class"), p.AzimEntries,
                p.AzimSigmaH);
    FillOpening(cells, Column("left_angle"), Column("left_class"), p.AzimLeftCross, p.AzimSigmaH);
    FillOpening(cells, Column("right_angle"), Column("right_class"), p.AzimRightCross,
                p.AzimSigmaH);
    if (p.SigmaHTolerance > 0) {
        const auto worst = [&p](float opening) {
            return OrientationWord(OpeningBandOf(opening, p.AzimSigmaH, p.SigmaHTolerance).worst);
        };
        cells[Column("entries_worst")] = worst(p.AzimEntries);
        cells[Column("left_worst")] = worst(p.AzimLeftCross);
        cells[Column("right_worst")] = worst(p.AzimRightCross);
    }
}

void FillLongwall(SummaryCells& cells, const Parms& p) {
    cells[Column("headgate")] = FormatSingle(p.AzimHeadGate);
    cells[Column("type")] = kSequenceNames[p.LongType == 1 ? 1 : 0];
    const float angle = HeadgateAngle(p);
    cells[Column("headgate_angle")] = FormatFixed(angle, 0);
    cells[Column("headgate_pct")] = FormatFixed(HeadgateStressPct(angle), 2);
    cells[Column("headgate_state")] = StressWord(StressState(angle));
    if (p.SigmaHTolerance > 0) {
        const HeadgateBand band = HeadgateBandOf(p);
        cells[Column("headgate_worst_pct")] = FormatFixed(band.highPct, 2);
        cells[Column("headgate_worst_state")] = ReliefCoverWord(band.relief);
    }
}

}  // namespace

SummaryCells SummaryRowCells(const SummaryInput& input) {
    SummaryCells cells;
    cells[Column("file")] = input.file;
    if (!input.error.empty()) {
        cells[Column("error")] = input.error;
        return cells;
    }
    const ProjectRecord& project = input.project;
    const Parms& p = project.ProjParms;
    cells[Column("title")] = project.ProjTitle;
    cells[Column("units")] = project.CurrentUnits == 0 ? "English" : "Metric";
    cells[Column("plan_type")] = kPlanTypeNames[p.PlanType == kPlanDevelopment ? 0 : 1];
    cells[Column("sigmah")] = FormatSingle(p.AzimSigmaH);
    // -1: a region typed rather than chosen names none of the list.
    if (p.RegionType >= 0 && static_cast<size_t>(p.RegionType) < kSigmaHRegions.size()) {
        cells[Column("sigmah_region")] = kSigmaHRegions[static_cast<size_t>(p.RegionType)].name;
    }
    if (p.PlanType == kPlanDevelopment) {
        FillDevelopment(cells, p);
    } else {
        FillLongwall(cells, p);
    }
    cells[Column("stress")] = ComputeStress(project.StressRegion, NumberToText(project.DepthCover),
                                            NumberToText(project.RockModulus), project.CurrentUnits)
                                  .display;
    cells[Column("stress_unit")] = StressUnit(project.CurrentUnits);
    if (p.SigmaHTolerance > 0) {
        cells[Column("tolerance")] = FormatSingle(p.SigmaHTolerance);
    }
    return cells;
}

bool SummaryColumnIsNumber(size_t column) {
    return std::find(kNumberColumns.begin(), kNumberColumns.end(), column) != kNumberColumns.end();
}

}  // namespace vornexa

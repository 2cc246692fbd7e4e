#include "analysis/report.h"

#include "analysis/orientation.h"
#include "analysis/sigma_band.h"
#include "core/app_state.h"
#include "core/tables.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

constexpr size_t kLabelWidth = 50;

std::string Line(std::string_view label, std::string_view value) {
    return PadDots(label, kLabelWidth) + std::string(value) + std::string(kCrLf);
}

std::string Degrees(std::string_view number) {
    return std::string(number) + " (degrees)";
}

std::string OpeningResult(std::string_view angleLabel, std::string_view classLabel, float opening,
                          float sigmaH) {
    std::string out = Line(angleLabel, Degrees(FormatFixed(AzimuthDifference(opening, sigmaH), 0)));
    out += std::string(classLabel) + ": " +
           std::string(OrientationWord(ClassifyOrientation(OpeningAngle(opening, sigmaH)))) +
           " Conditions" + std::string(kCrLf);
    return out;
}

std::string ParametersText(const Parms& p) {
    std::string out = Line("Plan Type", kPlanTypeNames[p.PlanType == 0 ? 0 : 1]);
    if (p.PlanType != kPlanDevelopment) {
        out += Line("Longwall Mining Sequence", kSequenceNames[p.LongType == 1 ? 1 : 0]);
        out += Line("Azimuth of Headgate", Degrees(FormatSingle(p.AzimHeadGate)));
    } else {
        out += Line("Azimuth of Entries", Degrees(FormatSingle(p.AzimEntries)));
        out += Line("Azimuth of Right Cross Cut", Degrees(FormatSingle(p.AzimRightCross)));
        out += Line("Azimuth of Left Cross Cut", Degrees(FormatSingle(p.AzimLeftCross)));
    }
    return out;
}

std::string Range(std::string_view low, std::string_view high) {
    return std::string(low) + " to " + std::string(high);
}

std::string ClassRange(const OpeningBand& band) {
    return band.best == band.worst ? std::string(OrientationWord(band.best))
                                   : Range(OrientationWord(band.best), OrientationWord(band.worst));
}

std::string OpeningBandResult(std::string_view name, std::string_view classLabel, float opening,
                              const Parms& work) {
    const OpeningBand band = OpeningBandOf(opening, work.AzimSigmaH, work.SigmaHTolerance);
    std::string out =
        Line("Angle Range of " + std::string(name) + " to SigmaH",
             Degrees(Range(FormatFixed(band.lowAngle, 0), FormatFixed(band.highAngle, 0))));
    out += std::string(classLabel) + " over the Band: " + ClassRange(band) + " Conditions" +
           std::string(kCrLf);
    return out;
}

// Follows the results when the project allows for a band of SigmaH azimuths.
std::string BandText(const Parms& work, const Parms& view) {
    const std::string crlf(kCrLf);
    const float t = work.SigmaHTolerance;
    std::string out = crlf + crlf + "[SIGMAH BAND]" + crlf;
    out += Line("SigmaH Tolerance", Degrees("+/- " + FormatSingle(t)));
    out += Line("SigmaH Band", Degrees(Range(FormatSingle(BandEnd(work.AzimSigmaH, t, -1)),
                                             FormatSingle(BandEnd(work.AzimSigmaH, t, 1)))));
    if (work.PlanType == kPlanDevelopment) {
        out += crlf + OpeningBandResult("Entries", "Entry Orientation", work.AzimEntries, work);
        out += crlf + OpeningBandResult("Left Cross Cut", "Left Cross Cut Orientation",
                                        work.AzimLeftCross, work);
        out += crlf + OpeningBandResult("Right Cross Cut", "Right Cross Cut Orientation",
                                        work.AzimRightCross, work);
    } else {
        const HeadgateBand band = HeadgateBandOf(view);
        out += crlf + Line("Headgate Stress Level Range",
                           Range(FormatFixed(band.lowPct, 2), FormatFixed(band.highPct, 2)) + "%");
        out += "Stress State over the Band: " + std::string(ReliefCoverWord(band.relief)) + crlf;
    }
    return out;
}

}  // namespace

void LoadOutBuf0(AppState& state, int /*ignored*/) {
    ProjectRecord& project = state.project;
    const std::string crlf(kCrLf);
    std::string out;
    if (state.options.PrintModuleHeader == 1) {
        out += "VORN module build: " + VersionText(kVersionMajor, kVersionMinor, kVersionRevision) +
               crlf;
        out += WrapText("Project File: " + project.CurrentFile, 70) + crlf;
        out += "Input Units: " + std::string(UnitLabel(kUnitLength, project.CurrentUnits)) +
               std::string(UnitLabel(kUnitStress, project.CurrentUnits)) + crlf + crlf;
    }
    out += "[PROJECT TITLE]" + crlf + project.ProjTitle + crlf + crlf;
    out += "[PROJECT DESCRIPTION]" + crlf;
    project.ProjDesc = ReflowDescription(project.ProjDesc);
    out += project.ProjDesc + crlf + crlf;
    out += "[PARAMETERS]" + crlf;
    out += ParametersText(project.ProjParms);
    out += crlf;
    state.outBuf[0] = std::move(out);
}

std::string ResultsText(const Parms& work, const Parms& view) {
    const std::string crlf(kCrLf);
    std::string out;
    if (work.PlanType == kPlanDevelopment) {
        out = OpeningResult("Angle of Entries to SigmaH", "Entry Orientation", work.AzimEntries,
                            work.AzimSigmaH);
        out +=
            crlf + OpeningResult("Angle of Left Cross Cut to SigmaH", "Left Cross Cut Orientation",
                                 work.AzimLeftCross, work.AzimSigmaH);
        out += crlf + OpeningResult("Angle of Right Cross Cut to SigmaH",
                                    "Right Cross Cut Orientation", work.AzimRightCross,
                                    work.AzimSigmaH);
    } else {
        const float angle = HeadgateAngle(view);
        out = Line("Headgate Angle to SigmaH", Degrees(FormatFixed(angle, 0)));
        out += crlf + "Stress Level: " + FormatFixed(HeadgateStressPct(angle), 2) + "% " +
               StressWord(StressState(angle)) + crlf;
    }
    out += crlf + "Close this window and Click on View to view graphs. ";
    if (work.SigmaHTolerance > 0) {
        out += BandText(work, view);
    }
    return out;
}

void BuildReport(AppState& state) {
    UpdateViewParms(state.workParms, state.viewParms);
    LoadOutBuf0(state);
    state.outBuf[1] = ResultsText(state.workParms, state.viewParms);
    LoadOutBuf0(state);
}

std::string AcceptedReport(AppState& state) {
    state.workParms = state.project.ProjParms;
    BuildReport(state);
    return state.outBuf[0] + state.outBuf[1];
}

std::string LayoutSweepText(const Parms& work) {
    // The finder's own resolution, so the report lists the finder's intervals.
    constexpr double kStep = 0.5;
    const std::string crlf(kCrLf);
    const std::string band =
        "SigmaH " + FormatSingle(work.AzimSigmaH) + " +/- " + FormatSingle(work.SigmaHTolerance);
    std::string out = "[LAYOUT SWEEP]" + crlf;
    if (work.PlanType == kPlanDevelopment) {
        out += "Entries Azimuths, Best First (" + band + " degrees)" + crlf;
        for (const DevelopmentInterval& run :
             RankDevelopmentIntervals(SweepDevelopment(work, kStep, 180))) {
            out += Line(Degrees(Range(FormatSingle(run.from), FormatSingle(run.to))),
                        std::string(OrientationWord(run.worst)) + " (Entries " +
                            OrientationWord(run.entries) + ", Left Cross Cut " +
                            OrientationWord(run.leftCross) + ", Right Cross Cut " +
                            OrientationWord(run.rightCross) + ")");
        }
        return out;
    }
    const std::vector<ReliefInterval> relief = ReliefIntervals(SweepLongwall(work, kStep, 360));
    out += "Headgate Azimuths in Relief (" + band + " degrees)" + (relief.empty() ? ": none" : "") +
           crlf;
    for (const ReliefInterval& run : relief) {
        out += Line(Degrees(Range(FormatSingle(run.from), FormatSingle(run.to))),
                    run.relief == ReliefCover::Whole ? "Relief for the Whole Band"
                                                     : "Relief for Part of the Band");
    }
    return out;
}

}  // namespace vornexa

#include "cli/headless.h"

#include <ostream>

#include "analysis/report.h"
#include "analysis/sigma_band.h"
#include "cli/project_list.h"
#include "cli/summary.h"
#include "core/app_state.h"
#include "core/project_file.h"
#include "core/startup.h"
#include "core/tables.h"
#include "stress/stress_estimate.h"
#include "util/numbers.h"
#include "util/text.h"
#include "util/unit_conversion.h"

namespace vornexa {
namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;

bool OpenProject(AppState& state, const std::string& path) {
    state.project.CurrentFile = path;
    try {
        return FileOpen(state);
    } catch (const AppError& error) {
        state.messages.HandleError(error, true);
        return false;
    }
}

bool AzimuthsInRange(AppState& state) {
    const Parms& p = state.project.ProjParms;
    for (float azimuth :
         {p.AzimEntries, p.AzimLeftCross, p.AzimRightCross, p.AzimSigmaH, p.AzimHeadGate}) {
        if (!CheckRange(state.messages, NumberToText(azimuth), 0, 360, "")) {
            return false;
        }
    }
    return true;
}

// Each project's report in turn, a form feed between two of them; a project that
// cannot be used gives its message on `err` and leaves the others printed.
int Reports(const std::vector<std::string>& operands, const PlatformInfo& platform,
            std::ostream& out, std::ostream& err) {
    StderrPresenter presenter(err);
    AppState state(presenter);
    PrepareHeadlessState(state, platform);
    int status = 0;
    bool first = true;
    ForEachProjectPath(operands, [&](const ProjectPath& entry) {
        if (!entry.error.empty()) {
            err << entry.error << '\n';
            status = kFailure;
            return;
        }
        if (!OpenCheckedProject(state, entry.path)) {
            status = kFailure;
            return;
        }
        out << (first ? "" : "\f") << AcceptedReport(state);
        first = false;
    });
    return status;
}

int Stress(AppState& state, const std::string& path, std::ostream& out) {
    if (!OpenProject(state, path)) {
        return kFailure;
    }
    const ProjectRecord& p = state.project;
    const StressEstimate estimate = ComputeStress(p.StressRegion, NumberToText(p.DepthCover),
                                                  NumberToText(p.RockModulus), p.CurrentUnits);
    out << StressCaption(p.CurrentUnits) << '\t' << estimate.display << '\n';
    return 0;
}

// The finder's table: every azimuth from 0 to below a full turn.
void WriteSweep(const Parms& p, double step, std::ostream& out) {
    constexpr double kTurn = 360;
    if (p.PlanType == kPlanDevelopment) {
        out << "azimuth,entries,left_crosscut,right_crosscut,left_crosscut_azimuth,"
               "right_crosscut_azimuth\n";
        for (const DevelopmentSweepRow& row : SweepDevelopment(p, step, kTurn)) {
            out << FormatSingle(row.entries) << ',' << OrientationWord(row.entriesWorst) << ','
                << OrientationWord(row.leftWorst) << ',' << OrientationWord(row.rightWorst) << ','
                << FormatSingle(row.leftCross) << ',' << FormatSingle(row.rightCross) << '\n';
        }
        return;
    }
    out << "azimuth,worst_headgate_pct,state\n";
    for (const LongwallSweepRow& row : SweepLongwall(p, step, kTurn)) {
        out << FormatSingle(row.headgate) << ',' << FormatFixed(row.worstPct, 2) << ','
            << ReliefCoverWord(row.relief) << '\n';
    }
}

int Sweep(const std::vector<std::string>& args, const PlatformInfo& platform, std::ostream& out,
          std::ostream& err) {
    double step = 1;
    if (args.size() == 4) {
        const std::optional<double> value = ParseNumberField(args[3]);
        if (args[2] != "--step" || !value || !(*value > 0 && *value <= 90)) {
            err << "Invalid step '" << args[3]
                << "': give --step DEG, a number of degrees above 0 and at most 90\n";
            return kUsageError;
        }
        step = *value;
    }
    StderrPresenter presenter(err);
    AppState state(presenter);
    if (!OpenProjectHeadless(state, platform, args[1])) {
        return kFailure;
    }
    WriteSweep(state.project.ProjParms, step, out);
    return 0;
}

int Convert(const std::string& quantityName, const std::string& value, const std::string& unitName,
            std::ostream& out, std::ostream& err) {
    const std::optional<Quantity> quantity = FindQuantity(quantityName);
    if (!quantity) {
        err << "Unknown quantity '" << quantityName << "'. Quantities:";
        for (const QuantityInfo& info : kQuantities) {
            err << " \"" << info.tabCaption << '"';
        }
        err << '\n';
        return kUsageError;
    }
    const QuantityInfo& info = kQuantities[static_cast<size_t>(*quantity)];
    const std::optional<int> unit = FindUnit(*quantity, unitName);
    if (!unit) {
        err << "Unknown unit '" << unitName << "' of " << info.tabCaption << ". Units:";
        for (std::string_view caption : info.units) {
            err << " \"" << caption << '"';
        }
        err << '\n';
        return kUsageError;
    }
    const std::vector<std::string> texts = ConvertAll(*quantity, *unit, value);
    for (size_t i = 0; i < texts.size(); ++i) {
        out << info.units[i] << '\t' << texts[i] << '\n';
    }
    return 0;
}

}  // namespace

int StderrPresenter::Show(const std::string& text, int style, const std::string&) {
    std::string line;
    for (const std::string& part : SplitLines(text)) {
        line += (line.empty() ? "" : "\n") + part;
    }
    err_ << line << '\n';
    switch (style & 7) {
        case msg::kYesNo:
            return msg::kNo;
        case msg::kRetryCancel:
        case msg::kYesNoCancel:
            return msg::kCancel;
        default:
            return msg::kOk;
    }
}

void PrepareHeadlessState(AppState& state, const PlatformInfo& platform) {
    PlatformInfo readOnly = platform;
    readOnly.createFolders = false;
    InitialiseState(state, readOnly);
    if (SettingsFileIsCurrent(state.iniPath)) {
        ReadSettingsFile(state);
    }
    state.messages.log.enabled = false;
}

bool OpenCheckedProject(AppState& state, const std::string& path) {
    return OpenProject(state, path) && AzimuthsInRange(state);
}

bool OpenProjectHeadless(AppState& state, const PlatformInfo& platform, const std::string& path) {
    PrepareHeadlessState(state, platform);
    return OpenCheckedProject(state, path);
}

std::string UsageText() {
    return "Usage:\n"
           "  vornexa --report FILE|FOLDER...\n"
           "                               print the calculation report of each project in\n"
           "                               turn, a form feed between two; a folder stands\n"
           "                               for its .VRN files (any case) in name order\n"
           "  vornexa --summary FILE|FOLDER... [--format csv|json]\n"
           "                               print one line per project (layout, angles and\n"
           "                               classes or headgate result, stress, band) as CSV\n"
           "                               or a JSON array (numbers as numbers, cells that\n"
           "                               do not apply null); --format may stand anywhere\n"
           "  vornexa --batch LAYOUTS.csv [--format csv|json]\n"
           "                               print the --summary line of each layout row of a\n"
           "                               CSV file whose header names its columns: title,\n"
           "                               units, plan_type, sigmah, sigmah_region, entries,\n"
           "                               left, right, headgate, type, tolerance,\n"
           "                               stress_region, depth, modulus (a missing one takes\n"
           "                               its new-project value; others are ignored, so a\n"
           "                               summary reads back)\n"
           "  vornexa --stress FILE        print the estimated horizontal stress\n"
           "  vornexa --diagram FILE OUT   write the stress design diagram to OUT\n"
           "                               (.png of 457 x 465 pixels, .svg or .pdf)\n"
           "  vornexa --graph FILE OUT     write the stress graph of a longwall project to OUT\n"
           "                               (.png of 640 x 480 pixels, .svg or .pdf)\n"
           "  vornexa --pdf FILE OUT.pdf   write the design report to OUT.pdf: the report as\n"
           "                               printed, the diagram, the stress graph of a\n"
           "                               longwall and, with a SigmaH tolerance, the layout\n"
           "                               sweep, on Letter pages\n"
           "  vornexa --sweep FILE [--step DEG]\n"
           "                               print as CSV, for every azimuth from 0 to below 360\n"
           "                               in steps of DEG (default 1, above 0 and at most 90),\n"
           "                               the worst class over the SigmaH band of the entries,\n"
           "                               left and right crosscut (which keep their angles to\n"
           "                               the entries), or the worst-case headgate stress\n"
           "                               percent and the state over the band\n"
           "  vornexa --convert QUANTITY VALUE UNIT\n"
           "                               print VALUE in every unit of QUANTITY\n"
           "  vornexa --help               print this text\n"
           "  vornexa --version            print the program version\n"
           "\n"
           "Quantities and units (quote names that hold blanks):\n"
           "  Length        in, ft, cm, m\n"
           "  Load          lbsF, \"tonsF (short)\", kN, MN, kips\n"
           "  \"Load Grad\"   lbsF/in, lbsF/ft, kN/m, MN/m\n"
           "  Stress        psi, ksi, psf, Pa, MPa\n"
           "  \"Stress Grad\" psi/in, psi/ft, Pa/m, MPa/m\n"
           "Examples:\n"
           "  vornexa --convert Load 5 \"tonsF (short)\"\n"
           "  vornexa --report mains.VRN panels/ > reports.txt\n"
           "  vornexa --summary panels/ --format json > summary.json\n"
           "  vornexa --batch layouts.csv > results.csv\n"
           "  vornexa --pdf mains.VRN mains.pdf\n"
           "Headless commands open no window and write no settings.\n";
}

std::optional<int> RunHeadless(const std::vector<std::string>& args, const PlatformInfo& platform,
                               std::ostream& out, std::ostream& err) {
    // After "--" comes a project for the window, whatever its name.
    if (args.empty() || args[0] == "--" || args[0].rfind("--", 0) != 0) {
        return std::nullopt;
    }
    const std::string& command = args[0];
    const size_t operands = args.size() - 1;
    if (command == "--help" && operands == 0) {
        out << UsageText();
        return 0;
    }
    if (command == "--version" && operands == 0) {
        out << kProductTitle << ' ' << VersionText(kVersionMajor, kVersionMinor, kVersionRevision)
            << '\n';
        return 0;
    }
    if (command == "--convert" && operands == 3) {
        return Convert(args[1], args[2], args[3], out, err);
    }
    if (command == "--sweep" && (operands == 1 || operands == 3)) {
        return Sweep(args, platform, out, err);
    }
    if (command == "--report" && operands >= 1) {
        return Reports({args.begin() + 1, args.end()}, platform, out, err);
    }
    if (command == "--summary" && operands >= 1) {
        return RunSummary({args.begin() + 1, args.end()}, platform, out, err);
    }
    if (command == "--batch" && operands >= 1) {
        return RunBatch({args.begin() + 1, args.end()}, platform, out, err);
    }
    if (command == "--stress" && operands == 1) {
        StderrPresenter presenter(err);
        AppState state(presenter);
        PrepareHeadlessState(state, platform);
        return Stress(state, args[1], out);
    }
    err << "Unknown or incomplete command: " << command << "\n\n" << UsageText();
    return kUsageError;
}

}  // namespace vornexa

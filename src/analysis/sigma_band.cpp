#include "analysis/sigma_band.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vornexa {
namespace {

struct Span {
    double low;
    double high;
};

// The band as SigmaH values within 0..360: one span, or two when it crosses 0/360.
int BandSpans(double sigmaH, double tolerance, std::array<Span, 2>& spans) {
    const double low = sigmaH - tolerance;
    const double high = sigmaH + tolerance;
    int count = 0;
    spans[count++] = {std::max(low, 0.0), std::min(high, 360.0)};
    if (low < 0) {
        spans[count++] = {low + 360, 360};
    } else if (high > 360) {
        spans[count++] = {0, high - 360};
    }
    return count;
}

double IntoCircle(double azimuth) {
    if (azimuth < 0) {
        return azimuth + 360;
    }
    return azimuth > 360 ? azimuth - 360 : azimuth;
}

void Widen(OpeningBand& band, float angle) {
    band.lowAngle = std::min(band.lowAngle, angle);
    band.highAngle = std::max(band.highAngle, angle);
}

// Inside a span the angle peaks at 120 where the difference is 120 or 300 (the
// fold jumps down past them) and touches 0 where it is 0, 180 or 360.
void WidenByInnerPoints(OpeningBand& band, double opening, const Span& span) {
    struct Breakpoint {
        double difference;
        float angle;
    };
    constexpr std::array<Breakpoint, 5> kBreakpoints{
        {{0, 0}, {120, 120}, {180, 0}, {300, 120}, {360, 0}}};
    for (const Breakpoint& point : kBreakpoints) {
        for (const double sigmaH : {opening - point.difference, opening + point.difference}) {
            if (sigmaH > span.low && sigmaH < span.high) {
                Widen(band, point.angle);
            }
        }
    }
}

// Percent and state repeat every 180 degrees of the headgate angle, which moves
// one for one with SigmaH: up for Type A, down for Type B.
double HeadgateAngleMod180(const Parms& view, double sigmaH) {
    Parms at = view;
    at.AzimSigmaH = static_cast<float>(IntoCircle(sigmaH));
    return std::fmod(static_cast<double>(HeadgateAngle(at)), 180.0);
}

float HeadgatePctAt(const Parms& view, double sigmaH) {
    Parms at = view;
    at.AzimSigmaH = static_cast<float>(IntoCircle(sigmaH));
    return HeadgateStressPct(HeadgateAngle(at));
}

// Whether the run start..start+width passes `target` (modulo 180) strictly
// inside; the ends are evaluated as they are.
bool PassesInside(double start, double width, double target) {
    double ahead = std::fmod(target - start, 180.0);
    if (ahead < 0) {
        ahead += 180;
    }
    return ahead > 0 && ahead < width;
}

ReliefCover ReliefOver(double start, double width) {
    if (start > 90 && start + width < 180) {
        return ReliefCover::Whole;
    }
    return start + width <= 90 ? ReliefCover::None : ReliefCover::Part;
}

Orientation WorstOf(const DevelopmentInterval& interval) {
    return std::max({interval.entries, interval.leftCross, interval.rightCross});
}

float MovedWith(float azimuth, double shift) {
    double moved = std::fmod(static_cast<double>(azimuth) + shift, 360.0);
    if (moved < 0) {
        moved += 360;
    }
    return static_cast<float>(moved);
}

template <typename Row, typename Same, typename Make>
auto Runs(const std::vector<Row>& rows, Same same, Make make) {
    std::vector<decltype(make(rows.front(), rows.front()))> runs;
    size_t first = 0;
    for (size_t i = 1; i <= rows.size(); ++i) {
        if (i == rows.size() || !same(rows[first], rows[i])) {
            runs.push_back(make(rows[first], rows[i - 1]));
            first = i;
        }
    }
    return runs;
}

}  // namespace

OpeningBand OpeningBandOf(float opening, float sigmaH, float tolerance) {
    const float exact = OpeningAngle(opening, sigmaH);
    OpeningBand band{exact, exact, Orientation::Good, Orientation::Good};
    std::array<Span, 2> spans{};
    const int count = BandSpans(sigmaH, tolerance, spans);
    for (int i = 0; i < count; ++i) {
        Widen(band, OpeningAngle(opening, static_cast<float>(spans[i].low)));
        Widen(band, OpeningAngle(opening, static_cast<float>(spans[i].high)));
        WidenByInnerPoints(band, opening, spans[i]);
    }
    band.best = ClassifyOrientation(band.lowAngle);
    band.worst = ClassifyOrientation(band.highAngle);
    return band;
}

HeadgateBand HeadgateBandOf(const Parms& view) {
    const double t = view.SigmaHTolerance;
    const double low = static_cast<double>(view.AzimSigmaH) - t;
    const double high = static_cast<double>(view.AzimSigmaH) + t;
    const float lowEndPct = HeadgatePctAt(view, low);
    const float highEndPct = HeadgatePctAt(view, high);
    HeadgateBand band{std::min(lowEndPct, highEndPct), std::max(lowEndPct, highEndPct),
                      ReliefCover::None};
    // The band seen as the angle rising from `start` over 2t.
    const double start = HeadgateAngleMod180(view, view.LongType == 1 ? high : low);
    const double width = 2 * t;
    if (PassesInside(start, width, 69)) {
        band.highPct = HeadgateStressPct(69);
    }
    if (PassesInside(start, width, 159)) {
        band.lowPct = HeadgateStressPct(159);
    }
    band.relief = ReliefOver(start, width);
    return band;
}

std::vector<DevelopmentSweepRow> SweepDevelopment(const Parms& view, double step, double end) {
    std::vector<DevelopmentSweepRow> rows;
    for (int k = 0; k * step < end; ++k) {
        const double shift = k * step - static_cast<double>(view.AzimEntries);
        DevelopmentSweepRow row;
        row.entries = static_cast<float>(k * step);
        row.leftCross = MovedWith(view.AzimLeftCross, shift);
        row.rightCross = MovedWith(view.AzimRightCross, shift);
        const float s = view.AzimSigmaH;
        const float t = view.SigmaHTolerance;
        row.entriesWorst = OpeningBandOf(row.entries, s, t).worst;
        row.leftWorst = OpeningBandOf(row.leftCross, s, t).worst;
        row.rightWorst = OpeningBandOf(row.rightCross, s, t).worst;
        rows.push_back(row);
    }
    return rows;
}

std::vector<LongwallSweepRow> SweepLongwall(const Parms& view, double step, double end) {
    std::vector<LongwallSweepRow> rows;
    Parms at = view;
    for (int k = 0; k * step < end; ++k) {
        at.AzimHeadGate = static_cast<float>(k * step);
        const HeadgateBand band = HeadgateBandOf(at);
        rows.push_back({at.AzimHeadGate, band.highPct, band.relief});
    }
    return rows;
}

std::vector<DevelopmentInterval> RankDevelopmentIntervals(
    const std::vector<DevelopmentSweepRow>& rows) {
    if (rows.empty()) {
        return {};
    }
    auto runs = Runs(
        rows,
        [](const DevelopmentSweepRow& a, const DevelopmentSweepRow& b) {
            return a.entriesWorst == b.entriesWorst && a.leftWorst == b.leftWorst &&
                   a.rightWorst == b.rightWorst;
        },
        [](const DevelopmentSweepRow& first, const DevelopmentSweepRow& last) {
            DevelopmentInterval run{first.entries,      last.entries,    Orientation::Good,
                                    first.entriesWorst, first.leftWorst, first.rightWorst};
            run.worst = WorstOf(run);
            return run;
        });
    std::stable_sort(runs.begin(), runs.end(),
                     [](const DevelopmentInterval& a, const DevelopmentInterval& b) {
                         if (a.worst != b.worst) {
                             return a.worst < b.worst;
                         }
                         if (a.entries != b.entries) {
                             return a.entries < b.entries;
                         }
                         return a.to - a.from > b.to - b.from;
                     });
    return runs;
}

std::vector<ReliefInterval> ReliefIntervals(const std::vector<LongwallSweepRow>& rows) {
    if (rows.empty()) {
        return {};
    }
    auto runs = Runs(
        rows,
        [](const LongwallSweepRow& a, const LongwallSweepRow& b) { return a.relief == b.relief; },
        [](const LongwallSweepRow& first, const LongwallSweepRow& last) {
            return ReliefInterval{first.headgate, last.headgate, first.relief};
        });
    std::erase_if(runs, [](const ReliefInterval& run) { return run.relief == ReliefCover::None; });
    return runs;
}

const char* OrientationWord(Orientation o) {
    switch (o) {
        case Orientation::Good:
            return "Good";
        case Orientation::Moderate:
            return "Moderate";
        case Orientation::Difficult:
            return "Difficult";
    }
    return "";
}

const char* ReliefCoverWord(ReliefCover cover) {
    switch (cover) {
        case ReliefCover::Whole:
            return "Relief";
        case ReliefCover::Part:
            return "Partly Relief";
        case ReliefCover::None:
            return "Concentration";
    }
    return "";
}

float BandEnd(float sigmaH, float tolerance, int side) {
    return static_cast<float>(
        IntoCircle(static_cast<double>(sigmaH) + side * static_cast<double>(tolerance)));
}

}  // namespace vornexa

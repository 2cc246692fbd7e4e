#pragma once

#include <vector>

#include "analysis/orientation.h"
#include "core/project.h"

// Classes that hold for every SigmaH azimuth in the band [s - t, s + t]. Exact:
// the folded angle is piecewise linear in SigmaH, so the band ends and the
// points inside where it peaks (120) or touches 0 bound it. SigmaH values that
// leave 0..360 are brought back by one turn, as the dialog would hold them.
namespace vornexa {

// lowAngle..highAngle is the range of OpeningAngle over the band; best and
// worst are the classes of its ends. With t = 0 both ends equal OpeningAngle.
struct OpeningBand {
    float lowAngle = 0;
    float highAngle = 0;
    Orientation best = Orientation::Good;
    Orientation worst = Orientation::Good;
};

OpeningBand OpeningBandOf(float opening, float sigmaH, float tolerance);

enum class ReliefCover { Whole, Part, None };

// Range of HeadgateStressPct over the band of view.AzimSigmaH +- view.SigmaHTolerance,
// for view.AzimHeadGate and view.LongType, and how much of the band is Relief.
struct HeadgateBand {
    float lowPct = 0;
    float highPct = 0;
    ReliefCover relief = ReliefCover::None;
};

HeadgateBand HeadgateBandOf(const Parms& view);

// One entries azimuth of a development sweep; the crosscuts keep their angles
// to the entries (moved by the same amount, kept within 0..360). Each class is
// the worst over the band.
struct DevelopmentSweepRow {
    float entries = 0;
    float leftCross = 0;
    float rightCross = 0;
    Orientation entriesWorst = Orientation::Good;
    Orientation leftWorst = Orientation::Good;
    Orientation rightWorst = Orientation::Good;
};

// One headgate azimuth of a longwall sweep; the worst case is the highest stress.
struct LongwallSweepRow {
    float headgate = 0;
    float worstPct = 0;
    ReliefCover relief = ReliefCover::None;
};

// Azimuths k * step for k = 0, 1, ... while below `end` (exclusive); step > 0.
std::vector<DevelopmentSweepRow> SweepDevelopment(const Parms& view, double step, double end);
std::vector<LongwallSweepRow> SweepLongwall(const Parms& view, double step, double end);

// A run of consecutive sweep rows; from and to are the first and last row's azimuth.
struct DevelopmentInterval {
    float from = 0;
    float to = 0;
    Orientation worst = Orientation::Good;  // the worst of the three classes
    Orientation entries = Orientation::Good;
    Orientation leftCross = Orientation::Good;
    Orientation rightCross = Orientation::Good;
};

// Runs with the same three classes, best first: the worst of the three, then
// the entries' class, then the wider run, then the lower azimuth. A run that
// reaches the end of the sweep is not joined to one at its start.
std::vector<DevelopmentInterval> RankDevelopmentIntervals(
    const std::vector<DevelopmentSweepRow>& rows);

struct ReliefInterval {
    float from = 0;
    float to = 0;
    ReliefCover relief = ReliefCover::Whole;
};

// Runs of rows in Relief for the whole band or part of it, in azimuth order.
std::vector<ReliefInterval> ReliefIntervals(const std::vector<LongwallSweepRow>& rows);

// "Good", "Moderate", "Difficult".
const char* OrientationWord(Orientation o);
// "Relief" (the whole band), "Partly Relief", "Concentration" (none of it).
const char* ReliefCoverWord(ReliefCover cover);

// An end of the band, brought within 0..360 by one turn.
float BandEnd(float sigmaH, float tolerance, int side);

}  // namespace vornexa

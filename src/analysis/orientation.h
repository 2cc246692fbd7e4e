#pragma once

#include "core/project.h"

// How each opening lies to the maximum horizontal stress. Angles and percentages
// are single precision; each result is rounded to float where it is stored.
namespace vornexa {

enum class Orientation { Good, Moderate, Difficult };
enum class StressKind { Concentration, Relief };

// |opening - SigmaH|, between 0 and 360: the angle the report prints.
float AzimuthDifference(float opening, float sigmaH);
// The difference folded about 180 degrees while above 120: between 0 and 120.
float OpeningAngle(float opening, float sigmaH);
Orientation ClassifyOrientation(float angle);

// The headgate's angle to SigmaH, 0..360, from the snapshot's azimuths and sequence.
float HeadgateAngle(const Parms& view);
StressKind StressState(float angle);
// "Concentration" or "Relief".
const char* StressWord(StressKind kind);
// Headgate stress in percent of the maximum; repeats every 180 degrees.
float HeadgateStressPct(float angle);

// The snapshot every consumer computes and draws from; RegionType is not copied.
void UpdateViewParms(const Parms& work, Parms& view);

}  // namespace vornexa

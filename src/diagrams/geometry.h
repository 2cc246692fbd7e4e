#pragma once

#include <cmath>
#include <string>
#include <utility>

#include "diagrams/display_list.h"
#include "util/numbers.h"

namespace vornexa {

inline constexpr double kRadiansPerDegree = 0.017453292519943278;

// A direction in [0, 360): 0 and 360, or 30 and 390, must give the same sines
// bit for bit, or a coordinate on a half pixel rounds the other way.
inline double DirectionDegrees(double degrees) {
    const double turn = std::fmod(degrees, 360.0);
    const double direction = turn < 0 ? turn + 360.0 : turn;
    return direction < 360.0 ? direction : 0.0;
}

// Pixel coordinates are whole numbers, halves to the even neighbour.
inline int RoundPixel(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

inline Shape Box(int left, int top, int right, int bottom) {
    return {Shape::Kind::Rectangle, {left, top}, {right, bottom}, {}};
}

// A legend entry: the filled swatch, its black frame, and the label at its top right.
inline void AddLegendKey(DisplayList& list, const Shape& swatch, Brush fill, std::string label) {
    list.commands.push_back(FillShape{swatch, fill});
    list.commands.push_back(FrameShape{swatch, kBlack});
    list.commands.push_back(PlaceText{{swatch.bottomRight.x, swatch.topLeft.y}, std::move(label)});
}

// The SigmaH band of half-width `tolerance` about the line through `origin` that
// runs towards azimuth `sigmaH` and back: a tint within `radius` and the edge rays.
// Nothing at all when the tolerance is 0; the whole circle, without edges, at 90.
void AddSigmaHBand(DisplayList& list, Point origin, int radius, int rayLength, double sigmaH,
                   float tolerance);

// The band's legend line, or nothing when the tolerance is 0.
void AddSigmaHBandLegend(DisplayList& list, Point topLeft, float tolerance);

}  // namespace vornexa

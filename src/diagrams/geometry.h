#pragma once

#include <cmath>

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

}  // namespace vornexa

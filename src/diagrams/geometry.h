#pragma once

#include "util/numbers.h"

namespace vornexa {

inline constexpr double kRadiansPerDegree = 0.017453292519943278;

// Pixel coordinates are whole numbers, halves to the even neighbour.
inline int RoundPixel(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

}  // namespace vornexa

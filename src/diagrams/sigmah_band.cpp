#include <algorithm>
#include <cmath>

#include "diagrams/geometry.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr float kEveryDirection = 90;
constexpr int kRayWidth = 2;
// Each chord of the fan spans at most 120 degrees and stays just outside the
// circle it cuts: a band up to 60 either way is one triangle, which the
// renderer paints as a plain pie slice.
constexpr double kFanStep = 120;
constexpr double kFanMargin = 1.05;

Point Toward(Point origin, double azimuth, double r) {
    const double a = DirectionDegrees(azimuth) * kRadiansPerDegree;
    return {RoundPixel(origin.x + r * std::sin(a)), RoundPixel(origin.y - r * std::cos(a))};
}

Shape Circle(Point origin, int radius) {
    return {Shape::Kind::Ellipse,
            {origin.x - radius, origin.y - radius},
            {origin.x + radius, origin.y + radius},
            {}};
}

// The circle cut by a fan from azimuth `from` to `to` that reaches past it.
Shape Wedge(Point origin, int radius, double from, double to) {
    Shape wedge = Circle(origin, radius);
    wedge.kind = Shape::Kind::EllipseAndPolygon;
    wedge.points.push_back(origin);
    const int steps = std::max(1, static_cast<int>(std::ceil((to - from) / kFanStep)));
    const double step = (to - from) / steps;
    const double reach = kFanMargin * radius / std::cos(step / 2 * kRadiansPerDegree);
    for (int k = 0; k <= steps; ++k) {
        wedge.points.push_back(Toward(origin, from + step * k, reach));
    }
    return wedge;
}

}  // namespace

void AddSigmaHBand(DisplayList& list, Point origin, int radius, int rayLength, double sigmaH,
                   float tolerance) {
    if (tolerance <= 0) {
        return;
    }
    if (tolerance >= kEveryDirection) {
        list.commands.push_back(TintShape{Circle(origin, radius), kBandTint, kBandTintAlpha});
        return;
    }
    for (double axis : {sigmaH, sigmaH + 180}) {
        list.commands.push_back(TintShape{Wedge(origin, radius, axis - tolerance, axis + tolerance),
                                          kBandTint, kBandTintAlpha});
    }
    for (double edge : {sigmaH - tolerance, sigmaH + tolerance, sigmaH + 180 - tolerance,
                        sigmaH + 180 + tolerance}) {
        list.commands.push_back(
            DrawLine{origin, Toward(origin, edge, rayLength), kBandEdge, kRayWidth});
    }
}

void AddSigmaHBandLegend(DisplayList& list, Point topLeft, float tolerance) {
    if (tolerance <= 0) {
        return;
    }
    // One decimal keeps the line short beside the picture.
    const double tenths = std::round(std::min(tolerance, kEveryDirection) * 10.0) / 10.0;
    list.commands.push_back(
        PlaceText{topLeft, "SigmaH band: \u00b1" + FormatSingle(static_cast<float>(tenths))});
}

}  // namespace vornexa

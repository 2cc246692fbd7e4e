#include <cmath>

#include "analysis/orientation.h"
#include "diagrams/diagrams.h"
#include "diagrams/geometry.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr Point kCorner{225, 225};
constexpr int kHalfLine = 165;
constexpr int kWingBack = 152;
constexpr int kWingSide = 12;
constexpr int kLegendTop = 405;
constexpr int kLegendStep = 30;
// The top left corner: every line and panel stays within 215 px of the corner C.
constexpr Point kBandLegend{10, 10};

// Places panel coordinates (p, q) turned by `angle` about `origin`; the mining
// sequence picks the side the panel lies on.
Point Place(Point origin, int p, int q, float angle, int16_t longType) {
    const int sign = longType != 0 ? 1 : -1;
    const Point r = RotatePoint(sign * p, sign * q, angle, longType);
    return {origin.x + r.x, origin.y - r.y};
}

// The full line through `origin` towards `angle`, with its arrowhead at the far end.
void AddArrowLine(DisplayList& list, Point origin, float angle, int16_t longType, Rgb colour) {
    const int side = longType != 0 ? kWingSide : -kWingSide;
    const Point tip = Place(origin, 0, kHalfLine, angle, longType);
    list.commands.push_back(DrawLine{origin, tip, colour, 5});
    list.commands.push_back(
        DrawLine{tip, Place(origin, -side, kWingBack, angle, longType), colour, 5});
    list.commands.push_back(
        DrawLine{tip, Place(origin, side, kWingBack, angle, longType), colour, 5});
    list.commands.push_back(
        DrawLine{origin, Place(origin, 0, -kHalfLine, angle, longType), colour, 5});
}

void AddPanel(DisplayList& list, const Parms& view) {
    const struct {
        int vertices[4][2];
        Rgb fill;
    } polygons[] = {{{{0, 0}, {50, 0}, {50, 50}, {0, 50}}, kBlue},
                    {{{50, 0}, {100, 0}, {100, 150}, {50, 150}}, kRed},
                    {{{100, 0}, {150, 0}, {150, 150}, {100, 150}}, kRed},
                    {{{0, 50}, {50, 50}, {50, 150}, {0, 150}}, kRed}};
    for (const auto& polygon : polygons) {
        Shape shape;
        for (const auto& v : polygon.vertices) {
            shape.points.push_back(Place(kCorner, v[0], v[1], view.AzimHeadGate, view.LongType));
        }
        list.commands.push_back(FillShape{shape, Brush{polygon.fill, false}});
        list.commands.push_back(FrameShape{shape, kBlack});
    }
}

void AddMiningArrow(DisplayList& list, const Parms& view) {
    const auto at = [&](int p, int q) {
        return Place(kCorner, p, q, view.AzimHeadGate, view.LongType);
    };
    list.commands.push_back(DrawLine{at(25, 50), at(25, 75), kBlue, 5});
    list.commands.push_back(DrawLine{at(25, 50), at(15, 60), kBlue, 5});
    list.commands.push_back(DrawLine{at(25, 50), at(35, 60), kBlue, 5});
}

void AddLegend(DisplayList& list, const Parms& view) {
    const float angle = HeadgateAngle(view);
    const std::string rows[2][2] = {
        {" - Unmined Coal", "SigmaH angle to Face: " + FormatFixed(angle, 0)},
        {" - Mined Coal", "Stress Level: " + FormatFixed(HeadgateStressPct(angle), 2) + "% " +
                              StressWord(StressState(angle))}};
    for (int i = 0; i < 2; ++i) {
        const int y = kLegendTop + kLegendStep * i;
        AddLegendKey(list, Box(30, y, 80, y + 20), Brush{i == 0 ? kBlue : kRed, false}, rows[i][0]);
        list.commands.push_back(PlaceText{{230, y}, rows[i][1]});
    }
}

}  // namespace

Point RotatePoint(int x, int y, float angle, int16_t longType) {
    const double theta = (longType != 0 ? angle : -angle) * kRadiansPerDegree;
    const double cs = static_cast<float>(std::cos(theta));
    const double sn = static_cast<float>(std::sin(theta));
    const int X = RoundPixel(cs * x + sn * y);
    const int Y = RoundPixel(-sn * x + cs * y);
    return {X, longType == 0 ? -Y : Y};
}

DisplayList Long_Paint(const Parms& snapshot) {
    // The face angle in the legend too must not tell 0 from 360.
    Parms view = snapshot;
    view.AzimSigmaH = static_cast<float>(DirectionDegrees(view.AzimSigmaH));
    view.AzimHeadGate = static_cast<float>(DirectionDegrees(view.AzimHeadGate));
    DisplayList list;
    AddPanel(list, view);
    const Point face = Place(kCorner, 0, 50, view.AzimHeadGate, view.LongType);
    AddSigmaHBand(list, face, kHalfLine, kHalfLine, view.AzimSigmaH, view.SigmaHTolerance);
    AddMiningArrow(list, view);
    AddArrowLine(list, face, view.AzimSigmaH, view.LongType, kBlack);
    AddArrowLine(list, kCorner, view.AzimHeadGate, view.LongType, kBrown);
    AddLegend(list, view);
    AddSigmaHBandLegend(list, kBandLegend, view.SigmaHTolerance);
    return list;
}

}  // namespace vornexa

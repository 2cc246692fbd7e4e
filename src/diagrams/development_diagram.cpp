#include <array>
#include <cmath>

#include "diagrams/diagrams.h"
#include "diagrams/geometry.h"
#include "util/numbers.h"

namespace vornexa {
namespace {

constexpr Point kCentre{225, 190};
constexpr int kZoneRadius = 150;
constexpr int kConstructionRadius = 225;
constexpr int kLineLength = 154;
constexpr int kLegendTop = 370;
constexpr int kLegendStep = 30;
// Under the title, left of the circle and of every line out of the centre.
constexpr Point kBandLegend{10, 40};

// The point at screen angle phi (azimuth - 90) and distance r from the centre.
Point AtScreenAngle(double phi, double r) {
    return {RoundPixel(kCentre.x + r * std::cos(phi * kRadiansPerDegree)),
            RoundPixel(kCentre.y + r * std::sin(phi * kRadiansPerDegree))};
}

Shape ZoneCircle() {
    return {Shape::Kind::Ellipse,
            {kCentre.x - kZoneRadius, kCentre.y - kZoneRadius},
            {kCentre.x + kZoneRadius, kCentre.y + kZoneRadius},
            {}};
}

// The 60-degree sector about screen angle phi: the circle cut by a wider triangle.
Shape Sector(double phi) {
    Shape sector = ZoneCircle();
    sector.kind = Shape::Kind::EllipseAndPolygon;
    sector.points = {kCentre, AtScreenAngle(phi - 30, kConstructionRadius),
                     AtScreenAngle(phi + 30, kConstructionRadius)};
    return sector;
}

void AddZoneFills(DisplayList& list, float sigmaPhi) {
    const Brush blueHatch{kBlue, true};
    const Brush redHatch{kRed, true};
    list.commands.push_back(FillShape{ZoneCircle(), Brush{kWhite, false}});
    const std::array<Brush, 4> fills = {blueHatch, redHatch, blueHatch, redHatch};
    for (int k : {0, 2, 1, 3}) {
        list.commands.push_back(FillShape{Sector(sigmaPhi + 90.0 * k), fills[size_t(k)]});
    }
}

void AddZoneFrames(DisplayList& list, float sigmaPhi) {
    list.commands.push_back(FrameShape{ZoneCircle(), kBlack});
    for (int k = 0; k < 4; ++k) {
        list.commands.push_back(FrameShape{Sector(sigmaPhi + 90.0 * k), kBlack});
    }
}

void AddLine(DisplayList& list, double phi, Rgb colour, int width) {
    list.commands.push_back(DrawLine{kCentre, AtScreenAngle(phi, kLineLength), colour, width});
}

void AddArrowhead(DisplayList& list, float sigmaH) {
    const double s = static_cast<float>(std::sin(sigmaH * kRadiansPerDegree));
    const double c = static_cast<float>(std::cos(sigmaH * kRadiansPerDegree));
    const auto at = [&](double along, double side) {
        return Point{kCentre.x + RoundPixel(along * s + side * c),
                     kCentre.y + RoundPixel(-along * c + side * s)};
    };
    const Point tip = at(kLineLength, 0);
    list.commands.push_back(DrawLine{tip, at(142, -12), kBlack, 5});
    list.commands.push_back(DrawLine{tip, at(142, 12), kBlack, 5});
    list.commands.push_back(DrawLine{kCentre, tip, kBlack, 5});
}

void AddLegends(DisplayList& list) {
    const struct {
        Brush zone;
        const char* zoneLabel;
        Rgb line;
        const char* lineLabel;
    } rows[] = {{{kBlue, true}, " - Best", kBlue, " - Entry"},
                {{kWhite, false}, " - Moderate", kBrown, " - Left Cross Cut"},
                {{kRed, true}, " - Most Difficult", kPurple, " - Right Cross Cut"}};
    for (int i = 0; i < 3; ++i) {
        const int y = kLegendTop + kLegendStep * i;
        AddLegendKey(list, Box(30, y, 80, y + 20), rows[i].zone, rows[i].zoneLabel);
    }
    for (int i = 0; i < 3; ++i) {
        const int y = kLegendTop + kLegendStep * i;
        AddLegendKey(list, Box(280, y, 330, y + 10), Brush{rows[i].line, false}, rows[i].lineLabel);
    }
}

}  // namespace

DisplayList Dev_Paint(Parms& view) {
    const auto sigmaH = static_cast<float>(DirectionDegrees(view.AzimSigmaH));
    // Azimuths become screen angles, measured from the x axis, each from its
    // direction: 360 must draw what 0 draws, to the pixel.
    for (float* azimuth :
         {&view.AzimSigmaH, &view.AzimEntries, &view.AzimLeftCross, &view.AzimRightCross}) {
        *azimuth = static_cast<float>(DirectionDegrees(*azimuth)) - 90.0f;
    }
    DisplayList list;
    AddZoneFills(list, view.AzimSigmaH);
    // Over the zones, so their hatch shows through; under their outlines and every line.
    AddSigmaHBand(list, kCentre, kZoneRadius, kLineLength, sigmaH, view.SigmaHTolerance);
    AddZoneFrames(list, view.AzimSigmaH);
    list.commands.push_back(PlaceText{{110, 10}, "Stress Design Diagram - Development"});
    AddLine(list, view.AzimEntries, kBlue, 10);
    AddLine(list, view.AzimEntries + 180.0, kBlue, 10);
    AddLine(list, view.AzimLeftCross, kBrown, 10);
    AddLine(list, view.AzimRightCross, kPurple, 10);
    AddLine(list, view.AzimSigmaH, kBlack, 5);
    AddLine(list, view.AzimSigmaH + 180.0, kBlack, 5);
    AddArrowhead(list, sigmaH);
    AddLegends(list);
    AddSigmaHBandLegend(list, kBandLegend, view.SigmaHTolerance);
    return list;
}

}  // namespace vornexa

#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/options.h"

// A diagram as a list of drawing commands in canvas pixels (origin top left,
// y downwards), painted in order by one renderer onto any device.
namespace vornexa {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBrown{102, 51, 0};
inline constexpr Rgb kPurple{178, 0, 238};
// The SigmaH band: a pale amber over white paper and the hatches, darker edges.
inline constexpr Rgb kBandTint{255, 170, 0};
inline constexpr int kBandTintAlpha = 72;
inline constexpr Rgb kBandEdge{214, 118, 0};

// Rectangles and ellipse boxes include their left and top edges, not their right and bottom.
struct Shape {
    enum class Kind { Polygon, Ellipse, Rectangle, EllipseAndPolygon };
    Kind kind = Kind::Polygon;
    Point topLeft, bottomRight;  // Ellipse, Rectangle, EllipseAndPolygon: the ellipse box
    std::vector<Point> points;   // Polygon, EllipseAndPolygon: the polygon
    bool operator==(const Shape&) const = default;
};

struct Brush {
    Rgb colour = kWhite;
    bool crossHatch = false;  // diagonal cross-hatch in the colour over white
    bool operator==(const Brush&) const = default;
};

struct FillShape {
    Shape shape;
    Brush brush;
    bool operator==(const FillShape&) const = default;
};
struct FrameShape {
    Shape shape;
    Rgb colour = kBlack;  // one pixel wide
    bool operator==(const FrameShape&) const = default;
};
// A translucent fill: what lies under it shows through, hatches included.
struct TintShape {
    Shape shape;
    Rgb colour;
    int alpha = 255;  // 0 leaves the pixels as they are, 255 covers them
    bool operator==(const TintShape&) const = default;
};
struct DrawLine {
    Point from, to;
    Rgb colour = kBlack;
    int width = 1;  // solid, round caps
    bool operator==(const DrawLine&) const = default;
};
struct PlaceText {
    Point topLeft;
    std::string text;
    bool operator==(const PlaceText&) const = default;
};

using DrawCommand = std::variant<FillShape, FrameShape, TintShape, DrawLine, PlaceText>;

struct DisplayList {
    static constexpr int kWidth = 457;
    static constexpr int kHeight = 465;
    // Text is Arial, bold, 9.6 pt, black, on a white canvas.
    static constexpr double kFontPoints = 9.6;
    std::vector<DrawCommand> commands;
    bool operator==(const DisplayList&) const = default;
};

}  // namespace vornexa

#include "diagrams/diagrams.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vornexa {
namespace {

template <class T>
std::vector<T> All(const DisplayList& list) {
    std::vector<T> items;
    for (const DrawCommand& command : list.commands) {
        if (const T* item = std::get_if<T>(&command)) {
            items.push_back(*item);
        }
    }
    return items;
}

bool SameLine(const DrawLine& line, Point from, Point to, Rgb colour, int width) {
    return line.from == from && line.to == to && line.colour.r == colour.r &&
           line.colour.g == colour.g && line.colour.b == colour.b && line.width == width;
}

bool HasLine(const DisplayList& list, Point from, Point to, Rgb colour, int width) {
    const std::vector<DrawLine> lines = All<DrawLine>(list);
    return std::any_of(lines.begin(), lines.end(),
                       [&](const DrawLine& l) { return SameLine(l, from, to, colour, width); });
}

std::vector<std::string> Texts(const DisplayList& list) {
    std::vector<std::string> texts;
    for (const PlaceText& t : All<PlaceText>(list)) {
        texts.push_back(t.text);
    }
    return texts;
}

Parms Development(float sigmaH, float entries, float left, float right) {
    Parms p;
    p.AzimSigmaH = sigmaH;
    p.AzimEntries = entries;
    p.AzimLeftCross = left;
    p.AzimRightCross = right;
    return p;
}

TEST(DevPaint, OpeningLinesAndArrowheadForSigmaHNorth) {
    Parms view = Development(0, 0, 270, 90);
    const DisplayList list = Dev_Paint(view);
    const Point c{225, 190};
    EXPECT_TRUE(HasLine(list, c, {225, 36}, kBlue, 10));
    EXPECT_TRUE(HasLine(list, c, {225, 344}, kBlue, 10));
    EXPECT_TRUE(HasLine(list, c, {71, 190}, kBrown, 10));
    EXPECT_TRUE(HasLine(list, c, {379, 190}, kPurple, 10));
    EXPECT_TRUE(HasLine(list, c, {225, 36}, kBlack, 5));
    EXPECT_TRUE(HasLine(list, {225, 36}, {213, 48}, kBlack, 5));
    EXPECT_TRUE(HasLine(list, {225, 36}, {237, 48}, kBlack, 5));
    EXPECT_EQ(view.AzimEntries, -90.0f) << "the snapshot holds screen angles afterwards";
    // The entries line is drawn before the SigmaH line that lies on it.
    const std::vector<DrawLine> lines = All<DrawLine>(list);
    EXPECT_EQ(lines.front().colour.b, 255);
    EXPECT_EQ(lines.back().colour.r, 0);
}

TEST(DevPaint, ZonesAreSectorsOfTheCircleInFillOrder) {
    Parms view = Development(0, 0, 270, 90);
    const std::vector<FillShape> fills = All<FillShape>(Dev_Paint(view));
    ASSERT_GE(fills.size(), 5u);
    EXPECT_EQ(fills[0].shape.kind, Shape::Kind::Ellipse);
    EXPECT_EQ(fills[0].shape.topLeft, (Point{75, 40}));
    EXPECT_EQ(fills[0].shape.bottomRight, (Point{375, 340}));
    const bool hatched[] = {true, true, true, true};
    const int red[] = {0, 0, 255, 255};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(fills[size_t(i)].shape.kind, Shape::Kind::EllipseAndPolygon);
        EXPECT_EQ(fills[size_t(i)].brush.crossHatch, hatched[i - 1]);
        EXPECT_EQ(fills[size_t(i)].brush.colour.r, red[i - 1]);
    }
    // Sector 0 of SigmaH 0 spans 330..30 degrees: its triangle points lie at 225 px.
    const std::vector<Point> north = fills[1].shape.points;
    ASSERT_EQ(north.size(), 3u);
    EXPECT_EQ(north[0], (Point{225, 190}));
    EXPECT_EQ(north[1], (Point{113, -5}));
    EXPECT_EQ(north[2], (Point{338, -5}));
    const std::vector<Point> south = fills[2].shape.points;
    EXPECT_EQ(south[1], (Point{338, 385}));
}

TEST(DevPaint, TurnsWithSigmaHAndTreats360As0) {
    Parms at0 = Development(0, 12.5f, 100, 200);
    Parms at360 = Development(360, 372.5f, 460, 560);
    const DisplayList a = Dev_Paint(at0);
    const DisplayList b = Dev_Paint(at360);
    EXPECT_EQ(All<DrawLine>(a).size(), All<DrawLine>(b).size());
    for (size_t i = 0; i < All<DrawLine>(a).size(); ++i) {
        EXPECT_EQ(All<DrawLine>(a)[i].to, All<DrawLine>(b)[i].to) << i;
    }
    Parms at45 = Development(45, 0, 270, 90);
    const DisplayList turned = Dev_Paint(at45);
    EXPECT_TRUE(HasLine(turned, {225, 190}, {334, 81}, kBlack, 5)) << "arrow to the upper right";
}

TEST(DevPaint, TitleAndLegends) {
    Parms view = Development(0, 0, 270, 90);
    const DisplayList list = Dev_Paint(view);
    const std::vector<std::string> expected = {"Stress Design Diagram - Development",
                                               " - Best",
                                               " - Moderate",
                                               " - Most Difficult",
                                               " - Entry",
                                               " - Left Cross Cut",
                                               " - Right Cross Cut"};
    EXPECT_EQ(Texts(list), expected);
    const std::vector<PlaceText> texts = All<PlaceText>(list);
    EXPECT_EQ(texts[0].topLeft, (Point{110, 10}));
    EXPECT_EQ(texts[3].topLeft, (Point{80, 430}));
    EXPECT_EQ(texts[6].topLeft, (Point{330, 430}));
}

Parms Longwall(int16_t type, float sigmaH, float headgate) {
    Parms p;
    p.PlanType = 1;
    p.LongType = type;
    p.AzimSigmaH = sigmaH;
    p.AzimHeadGate = headgate;
    return p;
}

std::vector<std::vector<Point>> Polygons(const DisplayList& list) {
    std::vector<std::vector<Point>> polygons;
    for (const FillShape& f : All<FillShape>(list)) {
        if (f.shape.kind == Shape::Kind::Polygon) {
            polygons.push_back(f.shape.points);
        }
    }
    return polygons;
}

TEST(LongPaint, PanelCornersForBothSequences) {
    const auto right = Polygons(Long_Paint(Longwall(1, 0, 0)));
    ASSERT_EQ(right.size(), 4u);
    EXPECT_EQ(right[0], (std::vector<Point>{{225, 225}, {275, 225}, {275, 175}, {225, 175}}));
    EXPECT_EQ(right[1], (std::vector<Point>{{275, 225}, {325, 225}, {325, 75}, {275, 75}}));
    EXPECT_EQ(right[2], (std::vector<Point>{{325, 225}, {375, 225}, {375, 75}, {325, 75}}));
    EXPECT_EQ(right[3], (std::vector<Point>{{225, 175}, {275, 175}, {275, 75}, {225, 75}}));
    const auto left = Polygons(Long_Paint(Longwall(0, 0, 0)));
    EXPECT_EQ(left[0], (std::vector<Point>{{225, 225}, {175, 225}, {175, 175}, {225, 175}}));
    EXPECT_EQ(left[2][1], (Point{75, 225}));
}

TEST(LongPaint, ArrowsAndLines) {
    const DisplayList list = Long_Paint(Longwall(1, 0, 0));
    EXPECT_TRUE(HasLine(list, {250, 175}, {250, 150}, kBlue, 5));
    EXPECT_TRUE(HasLine(list, {250, 175}, {240, 165}, kBlue, 5));
    EXPECT_TRUE(HasLine(list, {250, 175}, {260, 165}, kBlue, 5));
    EXPECT_TRUE(HasLine(list, {225, 225}, {225, 60}, kBrown, 5));
    EXPECT_TRUE(HasLine(list, {225, 60}, {213, 73}, kBrown, 5));
    EXPECT_TRUE(HasLine(list, {225, 60}, {237, 73}, kBrown, 5));
    EXPECT_TRUE(HasLine(list, {225, 225}, {225, 390}, kBrown, 5));
    EXPECT_TRUE(HasLine(list, {225, 175}, {225, 10}, kBlack, 5));
    EXPECT_TRUE(HasLine(list, {225, 10}, {213, 23}, kBlack, 5));
    EXPECT_TRUE(HasLine(list, {225, 10}, {237, 23}, kBlack, 5));
    EXPECT_TRUE(HasLine(list, {225, 175}, {225, 340}, kBlack, 5));
    const DisplayList turned = Long_Paint(Longwall(1, 0, 90));
    EXPECT_TRUE(HasLine(turned, {225, 225}, {390, 225}, kBrown, 5)) << "headgate to the right";
    EXPECT_EQ(Polygons(turned)[1][2], (Point{375, 325})) << "previous panels below";
}

TEST(LongPaint, LegendGivesAngleAndStress) {
    struct Case {
        int16_t type;
        float sigmaH, headgate;
        std::string angle, stress;
    };
    const Case cases[] = {
        {0, 65, 0, "SigmaH angle to Face: 65", "Stress Level: 99.51% Concentration"},
        {1, 65, 0, "SigmaH angle to Face: 115", "Stress Level: 48.26% Relief"},
        {0, 0, 90, "SigmaH angle to Face: 90", "Stress Level: 87.16% Concentration"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> texts =
            Texts(Long_Paint(Longwall(c.type, c.sigmaH, c.headgate)));
        EXPECT_EQ(texts, (std::vector<std::string>{" - Unmined Coal", c.angle, " - Mined Coal",
                                                   c.stress}));
    }
    const std::vector<PlaceText> placed = All<PlaceText>(Long_Paint(Longwall(0, 0, 0)));
    EXPECT_EQ(placed[1].topLeft, (Point{230, 405}));
    EXPECT_EQ(placed[3].topLeft, (Point{230, 435}));
}

TEST(RotatePoint, RoundsHalvesToEvenAndMirrorsTypeA) {
    EXPECT_EQ(RotatePoint(50, 0, 0, 1), (Point{50, 0}));
    EXPECT_EQ(RotatePoint(-50, 0, 0, 0), (Point{-50, 0}));
    EXPECT_EQ(RotatePoint(0, 165, 90, 1), (Point{165, 0}));
    EXPECT_EQ(RotatePoint(5, 0, 60, 1), (Point{2, -4}));  // 2.5 -> 2, -4.33 -> -4
}

bool IsBand(const DrawCommand& command) {
    const auto* line = std::get_if<DrawLine>(&command);
    const auto* text = std::get_if<PlaceText>(&command);
    return std::holds_alternative<TintShape>(command) || (line && line->colour == kBandEdge) ||
           (text && text->text.starts_with("SigmaH band"));
}

// The band only adds commands: without them the list is the one drawn with no band.
TEST(SigmaHBand, AddsTintsRaysAndLegendToBothDiagrams) {
    const struct Case {
        Parms layout;
        float tolerance;
        std::vector<Point> rayEnds;  // S - t, S + t, then the same 180 degrees on
        size_t tints;
        std::string legend;
    } cases[] = {
        {Development(40, 10, 280, 100), 0, {}, 0, ""},
        {Development(0, 10, 280, 100),
         15,
         {{185, 41}, {265, 41}, {265, 339}, {185, 339}},
         2,
         "SigmaH band: \u00b115"},
        {Development(350, 10, 280, 100),
         20,
         {{148, 57}, {252, 38}, {302, 323}, {198, 342}},
         2,
         "SigmaH band: \u00b120"},
        {Development(0, 10, 280, 100), 90, {}, 1, "SigmaH band: \u00b190"},  // no edges
        {Longwall(1, 0, 0), 0, {}, 0, ""},
        {Longwall(1, 0, 0),
         20,
         {{169, 20}, {281, 20}, {281, 330}, {169, 330}},
         2,
         "SigmaH band: \u00b120"},
        {Longwall(0, 30, 0), 89.96f, {}, 2, "SigmaH band: \u00b190"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tolerance);
        Parms banded = c.layout;
        banded.SigmaHTolerance = c.tolerance;
        Parms plain = c.layout;
        const bool longwall = c.layout.PlanType == 1;
        const DisplayList list = longwall ? Long_Paint(banded) : Dev_Paint(banded);
        DisplayList rest = list;
        std::erase_if(rest.commands, IsBand);
        EXPECT_EQ(rest, longwall ? Long_Paint(plain) : Dev_Paint(plain));
        EXPECT_EQ(All<TintShape>(list).size(), c.tints);
        std::vector<Point> rayEnds;
        for (const DrawLine& line : All<DrawLine>(list)) {
            if (line.colour == kBandEdge) {
                rayEnds.push_back(line.to);
            }
        }
        EXPECT_EQ(rayEnds.size(), c.tints == 2 ? 4u : 0u);
        EXPECT_TRUE(c.rayEnds.empty() || rayEnds == c.rayEnds);
        const std::vector<std::string> texts = Texts(list);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), c.legend), c.legend.empty() ? 0 : 1);
    }
}
}  // namespace
}  // namespace vornexa

#include "ui/drawing/diagram_renderer.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "ui/drawing/pixel_regions.h"
#include "ui/drawing/raster_fills.h"

namespace vornexa {
namespace {

QColor ToColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

QRect BoxOf(const Shape& shape) {
    return QRect(
        QPoint(shape.topLeft.x, shape.topLeft.y),
        QSize(shape.bottomRight.x - shape.topLeft.x, shape.bottomRight.y - shape.topLeft.y));
}

QPolygon PolygonOf(const std::vector<Point>& points) {
    QPolygon polygon;
    for (const Point& p : points) {
        polygon << QPoint(p.x, p.y);
    }
    return polygon;
}

QPainterPath PolygonPath(const std::vector<Point>& points) {
    QPainterPath path;
    path.addPolygon(PolygonOf(points));
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

// A circle cut by a triangle with one corner at the centre and its far side
// wholly outside the circle is a pie slice: drawn as an arc, it needs none of
// the costly path intersection, and its edges are exact.
std::optional<QPainterPath> PieOf(const Shape& shape) {
    const QRectF box = BoxOf(shape);
    const QPointF centre = box.center();
    const double r = box.width() / 2;
    if (box.width() != box.height() || shape.points.size() != 3 ||
        QPointF(shape.points[0].x, shape.points[0].y) != centre) {
        return std::nullopt;
    }
    const QPointF a(shape.points[1].x, shape.points[1].y);
    const QPointF b(shape.points[2].x, shape.points[2].y);
    const QPointF ab = b - a;
    const double t =
        std::clamp(QPointF::dotProduct(centre - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF nearest = a + t * ab - centre;
    if (std::hypot(nearest.x(), nearest.y()) <= r) {
        return std::nullopt;
    }
    // Qt's angles run counter-clockwise with y upwards.
    const auto angleOf = [&centre](const QPointF& p) {
        return -std::atan2(p.y() - centre.y(), p.x() - centre.x()) * 180 / M_PI;
    };
    const double start = angleOf(a);
    const double sweep = std::remainder(angleOf(b) - start, 360.0);
    QPainterPath path;
    path.moveTo(centre);
    path.arcTo(box, start, sweep);
    path.closeSubpath();
    return path;
}

// The pixels a shape covers, as the frame must name them.
QRegion RegionOf(const Shape& shape) {
    switch (shape.kind) {
        case Shape::Kind::Polygon:
            return PolygonRegion(PolygonOf(shape.points));
        case Shape::Kind::Rectangle:
            return QRegion(BoxOf(shape));
        case Shape::Kind::Ellipse:
            return EllipseRegion(BoxOf(shape));
        case Shape::Kind::EllipseAndPolygon:
            return EllipseAndPolygonRegion(BoxOf(shape), PolygonOf(shape.points));
    }
    return {};
}

// The same border of a box, without the cost of a region.
std::array<QRect, 4> SidesOf(const QRect& box) {
    return {QRect(box.left(), box.top(), box.width(), 1),
            QRect(box.left(), box.bottom(), box.width(), 1),
            QRect(box.left(), box.top() + 1, 1, box.height() - 2),
            QRect(box.right(), box.top() + 1, 1, box.height() - 2)};
}

QPainterPath PathOf(const Shape& shape) {
    QPainterPath path;
    switch (shape.kind) {
        case Shape::Kind::Polygon:
            return PolygonPath(shape.points);
        case Shape::Kind::Rectangle:
            path.addRect(BoxOf(shape));
            return path;
        case Shape::Kind::Ellipse:
            path.addEllipse(BoxOf(shape));
            return path;
        case Shape::Kind::EllipseAndPolygon:
            if (std::optional<QPainterPath> pie = PieOf(shape)) {
                return *pie;
            }
            path.addEllipse(BoxOf(shape));
            return path.intersected(PolygonPath(shape.points));
    }
    return path;
}

struct Painter {
    QPainter& p;
    QImage* raster;
    CoverageFiller* filler;  // on raster images
    bool keepStrokes;
    bool drawn = false;  // anything on the white paper yet

    void operator()(const FillShape& c) {
        // White on paper nothing has touched changes no pixel.
        if (raster != nullptr && !drawn && c.brush == Brush{kWhite, false}) {
            return;
        }
        drawn = true;
        const QPainterPath path = PathOf(c.shape);
        if (c.brush.crossHatch && filler != nullptr) {
            filler->FillHatch(path, ToColor(c.brush.colour));
        } else if (c.brush.crossHatch) {
            // Opaque: the hatch and the white under it in one pass.
            p.setBackgroundMode(Qt::OpaqueMode);
            p.setBackground(Qt::white);
            p.fillPath(path, QBrush(ToColor(c.brush.colour), Qt::DiagCrossPattern));
            p.setBackgroundMode(Qt::TransparentMode);
        } else {
            p.fillPath(path, ToColor(c.brush.colour));
        }
    }
    // Whole pixels in canvas units: a pen on pixel edges would smear over two
    // grey pixels, and the rectangles stay one canvas pixel wide when scaled.
    void operator()(const FrameShape& c) {
        drawn = true;
        const QColor colour = ToColor(c.colour);
        if (c.shape.kind == Shape::Kind::Rectangle) {
            for (const QRect& side : SidesOf(BoxOf(c.shape))) {
                p.fillRect(side, colour);
            }
            return;
        }
        const QRegion border = BorderOf(RegionOf(c.shape));
        if (raster != nullptr) {
            FillRects(*raster, p.deviceTransform().map(border), colour.rgb());
            return;
        }
        p.save();
        p.setClipRegion(border, Qt::IntersectClip);
        p.fillRect(border.boundingRect(), colour);
        p.restore();
    }
    // Blended by the painter on every device, after whatever lies under it.
    void operator()(const TintShape& c) {
        drawn = true;
        QColor colour = ToColor(c.colour);
        colour.setAlpha(c.alpha);
        p.fillPath(PathOf(c.shape), colour);
    }
    void operator()(const DrawLine& c) {
        drawn = true;
        if (keepStrokes && filler != nullptr) {
            filler->Stroke(c);
            return;
        }
        p.setPen(PenOf(c));
        p.drawLine(QPoint(c.from.x, c.from.y), QPoint(c.to.x, c.to.y));
    }
    void operator()(const PlaceText& c) {
        drawn = true;
        p.setPen(Qt::black);
        p.drawText(QRect(c.topLeft.x, c.topLeft.y, DisplayList::kWidth, 40),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(c.text));
    }
};

}  // namespace

QFont DiagramFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(DisplayList::kFontPoints);
    font.setBold(true);
    return font;
}

QRect CanvasBoxOf(const DrawCommand& command, int textLineHeight) {
    // A pixel of antialiasing around every shape.
    constexpr int kMargin = 1;
    const auto shapeBox = [](const Shape& shape) {
        if (shape.kind == Shape::Kind::Polygon) {
            return PolygonOf(shape.points).boundingRect();
        }
        return BoxOf(shape);
    };
    if (const Shape* shape = std::visit(
            [](const auto& c) -> const Shape* {
                if constexpr (requires { c.shape; }) {
                    return &c.shape;
                } else {
                    return nullptr;
                }
            },
            command)) {
        return shapeBox(*shape).adjusted(-kMargin, -kMargin, kMargin, kMargin);
    }
    if (const auto* line = std::get_if<DrawLine>(&command)) {
        const int reach = (line->width + 1) / 2 + kMargin;
        return QRect(QPoint(line->from.x, line->from.y), QPoint(line->to.x, line->to.y))
            .normalized()
            .adjusted(-reach, -reach, reach, reach);
    }
    // Text runs to the right edge at most, a line height for each of its lines,
    // with room for glyphs that overhang their box.
    const auto& text = std::get<PlaceText>(command);
    const auto lines = 1 + std::count(text.text.begin(), text.text.end(), '\n');
    return QRect(text.topLeft.x - 2, text.topLeft.y - 2, DisplayList::kWidth - text.topLeft.x + 2,
                 static_cast<int>(lines) * textLineHeight + 4);
}

void PaintDisplayList(QPainter& painter, const DisplayList& list, const std::vector<bool>& skip,
                      StrokeMemory* strokes) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(DiagramFont());
    painter.fillRect(QRect(0, 0, DisplayList::kWidth, DisplayList::kHeight), Qt::white);
    QImage* raster = RasterTarget(painter);
    std::optional<CoverageFiller> filler;
    if (raster != nullptr) {
        filler.emplace(painter, *raster, strokes);
    }
    Painter paint{painter, raster, filler ? &*filler : nullptr, strokes != nullptr};
    for (size_t i = 0; i < list.commands.size(); ++i) {
        if (i >= skip.size() || !skip[i]) {
            std::visit(paint, list.commands[i]);
        }
    }
    painter.restore();
}

void PaintDisplayList(QPainter& painter, const DisplayList& list) {
    PaintDisplayList(painter, list, {}, nullptr);
}

QImage RenderDisplayList(const DisplayList& list, qreal devicePixelRatio) {
    QImage image(QSize(DisplayList::kWidth, DisplayList::kHeight) * devicePixelRatio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    PaintDisplayList(painter, list);
    return image;
}

}  // namespace vornexa

#include "ui/drawing/diagram_renderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "ui/drawing/pixel_regions.h"

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

// The image under the painter when its pixels may be written directly: one
// drawn on whole, unrotated, unclipped and opaquely.
QImage* RasterTarget(QPainter& p) {
    QPaintDevice* device = p.device();
    if (device->devType() != QInternal::Image || p.hasClipping() ||
        p.deviceTransform().type() > QTransform::TxScale || p.brushOrigin() != QPointF() ||
        p.opacity() != 1.0 || p.compositionMode() != QPainter::CompositionMode_SourceOver) {
        return nullptr;
    }
    auto* image = static_cast<QImage*>(device);
    return image->format() == QImage::Format_RGB32 ? image : nullptr;
}

// Which of the 8 columns of Qt::DiagCrossPattern, repeated on device pixels,
// row y has on its lines, as bits.
uint HatchLinesOfRow(int y) {
    return 1u << (y & 7) | 1u << (7 - (y & 7));
}

// An opaque colour over a pixel at coverage a (0 to 255), rounded as Qt's
// raster engine rounds it, channel by channel.
QRgb Blend(QRgb colour, uint a, QRgb under) {
    const auto times = [](uint x, uint by) {
        const uint t = x * by;
        return (t + (t >> 8) + 0x80) >> 8;
    };
    QRgb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint c = (colour >> shift) & 0xff;
        const uint u = (under >> shift) & 0xff;
        out |= (times(c, a) + times(u, 255 - a)) << shift;
    }
    return out;
}

// Each pixel of the canvas in `box`, where `coverage` holds a path's coverage
// as white filled on black, blended with the pattern's colour or white.
void BlendHatch(QImage& canvas, const QImage& coverage, const QRect& box, QRgb line) {
    const QRgb white = QColor(Qt::white).rgb();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto* a = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        const uint onLine = HatchLinesOfRow(y);
        for (int x = box.left(); x <= box.right(); ++x) {
            const uint covered = qBlue(a[x]);
            if (covered == 0) {
                continue;
            }
            const QRgb pattern = (onLine >> (x & 7)) & 1 ? line : white;
            to[x] = covered == 255 ? pattern : Blend(pattern, covered, to[x]);
        }
    }
}

// Qt blends its hatch brushes in a thread pool, whose hand-offs cost more than
// the blending: each path is filled once, for its coverage, and blended here.
// One scratch image and painter serve every hatch of a redraw, as setting them
// up costs as much as a fill; each fill clears only its own box first.
class HatchFiller {
  public:
    HatchFiller(QPainter& p, QImage& canvas) : p_(p), canvas_(canvas) {}

    void Fill(const QPainterPath& path, const QColor& colour) {
        const QTransform toDevice = p_.deviceTransform();
        const QRect box =
            toDevice.mapRect(path.boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1) &
            canvas_.rect();
        if (box.isEmpty()) {
            return;
        }
        if (!coverage_.isActive()) {
            scratch_ = QImage(canvas_.size(), QImage::Format_RGB32);
            coverage_.begin(&scratch_);
        }
        coverage_.resetTransform();
        coverage_.fillRect(box, Qt::black);
        coverage_.setRenderHints(p_.renderHints());
        coverage_.setTransform(toDevice);
        coverage_.fillPath(path, Qt::white);
        BlendHatch(canvas_, scratch_, box, colour.rgb());
    }

  private:
    QPainter& p_;
    QImage& canvas_;
    QImage scratch_;
    QPainter coverage_;
};

// Whole pixels of an opaque colour, written straight into the image.
void FillRects(QImage& image, const QRegion& region, QRgb colour) {
    for (const QRect& rect : region) {
        const QRect inside = rect & image.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(row + inside.left(), row + inside.right() + 1, colour);
        }
    }
}

struct Painter {
    QPainter& p;
    QImage* raster;
    HatchFiller* hatch;
    bool drawn = false;  // anything on the white paper yet

    void operator()(const FillShape& c) {
        // White on paper nothing has touched changes no pixel.
        if (raster != nullptr && !drawn && c.brush == Brush{kWhite, false}) {
            return;
        }
        drawn = true;
        const QPainterPath path = PathOf(c.shape);
        if (c.brush.crossHatch && hatch != nullptr) {
            hatch->Fill(path, ToColor(c.brush.colour));
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
        p.setPen(QPen(ToColor(c.colour), c.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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

void PaintDisplayList(QPainter& painter, const DisplayList& list) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(DisplayList::kFontPoints);
    font.setBold(true);
    painter.setFont(font);
    painter.fillRect(QRect(0, 0, DisplayList::kWidth, DisplayList::kHeight), Qt::white);
    QImage* raster = RasterTarget(painter);
    std::optional<HatchFiller> hatch;
    if (raster != nullptr) {
        hatch.emplace(painter, *raster);
    }
    Painter paint{painter, raster, hatch ? &*hatch : nullptr};
    for (const DrawCommand& command : list.commands) {
        std::visit(paint, command);
    }
    painter.restore();
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

#include "ui/drawing/raster_fills.h"

#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace vornexa {
namespace {

// Which of the 8 columns of Qt::DiagCrossPattern, repeated on device pixels,
// row y has on its lines, as bits.
uint HatchLinesOfRow(int y) {
    return 1u << (y & 7) | 1u << (7 - (y & 7));
}

// Each channel of x times a / 255, two channels at a time, rounded as Qt's
// raster engine rounds it.
QRgb ByteMul(QRgb x, uint a) {
    constexpr uint kLanes = 0xff00ff;
    constexpr uint kHalf = 0x800080;
    uint low = (x & kLanes) * a;
    low = ((low + ((low >> 8) & kLanes) + kHalf) >> 8) & kLanes;
    uint high = ((x >> 8) & kLanes) * a;
    high = (high + ((high >> 8) & kLanes) + kHalf) & ~kLanes;
    return high | low;
}

// An opaque colour over a pixel at coverage a (0 to 255).
QRgb Blend(QRgb colour, uint a, QRgb under) {
    return ByteMul(colour, a) + ByteMul(under, 255 - a);
}

// Each canvas pixel of `box` blended with colourAt(x, y) at the coverage that
// `coverage` holds, as white on black, from `origin` on.
template <typename ColourAt>
void BlendCoverage(QImage& canvas, const QImage& coverage, const QPoint& origin, const QRect& box,
                   ColourAt colourAt) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto* a =
            reinterpret_cast<const QRgb*>(coverage.constScanLine(y - origin.y())) - origin.x();
        for (int x = box.left(); x <= box.right(); ++x) {
            const uint covered = qBlue(a[x]);
            if (covered != 0) {
                const QRgb colour = colourAt(x, y);
                to[x] = covered == 255 ? colour : Blend(colour, covered, to[x]);
            }
        }
    }
}

}  // namespace

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

void FillRects(QImage& image, const QRegion& region, QRgb colour) {
    for (const QRect& rect : region) {
        const QRect inside = rect & image.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(row + inside.left(), row + inside.right() + 1, colour);
        }
    }
}

QPen PenOf(const DrawLine& line) {
    return QPen(QColor(line.colour.r, line.colour.g, line.colour.b), line.width, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin);
}

CoverageFiller::CoverageFiller(QPainter& p, QImage& canvas, StrokeMemory* strokes)
    : p_(p), canvas_(canvas), strokes_(strokes) {}

CoverageFiller::~CoverageFiller() {
    if (strokes_ != nullptr) {
        *strokes_ = std::move(drawn_);
    }
}

QRect CoverageFiller::DeviceBox(const QRectF& bounds) const {
    return p_.deviceTransform().mapRect(bounds).toAlignedRect().adjusted(-1, -1, 1, 1) &
           canvas_.rect();
}

// Each fill clears only its own box of the scratch first.
QPainter& CoverageFiller::Scratch(const QRect& box) {
    if (!coverage_.isActive()) {
        scratch_ = QImage(canvas_.size(), QImage::Format_RGB32);
        coverage_.begin(&scratch_);
    }
    coverage_.resetTransform();
    coverage_.fillRect(box, Qt::black);
    coverage_.setRenderHints(p_.renderHints());
    coverage_.setTransform(p_.deviceTransform());
    return coverage_;
}

void CoverageFiller::FillHatch(const QPainterPath& path, const QColor& colour) {
    const QRect box = DeviceBox(path.boundingRect());
    if (box.isEmpty()) {
        return;
    }
    Scratch(box).fillPath(path, Qt::white);
    const QRgb line = colour.rgb();
    const QRgb white = QColor(Qt::white).rgb();
    BlendCoverage(canvas_, scratch_, QPoint(0, 0), box,
                  [&](int x, int y) { return (HatchLinesOfRow(y) >> (x & 7)) & 1 ? line : white; });
}

void CoverageFiller::Stroke(const DrawLine& line) {
    const QPen pen = PenOf(line);
    const double reach = line.width / 2.0 + 1;
    const QRect box =
        DeviceBox(QRectF(QPointF(line.from.x, line.from.y), QPointF(line.to.x, line.to.y))
                      .normalized()
                      .adjusted(-reach, -reach, reach, reach));
    const QRgb colour = pen.color().rgb();
    const auto solid = [colour](int, int) { return colour; };
    if (box.isEmpty()) {
        return;
    }
    const auto same = [&](const KeptStroke& kept) { return kept.line == line && kept.box == box; };
    const KeptStroke* kept = nullptr;
    if (strokes_ != nullptr) {
        const auto found = std::find_if(strokes_->begin(), strokes_->end(), same);
        kept = found != strokes_->end() ? &*found : nullptr;
    }
    if (kept != nullptr && !kept->coverage.isNull()) {
        BlendCoverage(canvas_, kept->coverage, box.topLeft(), box, solid);
        drawn_.push_back(*kept);
        return;
    }
    QPainter& scratch = Scratch(box);
    scratch.setPen(QPen(Qt::white, pen.widthF(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    scratch.drawLine(QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y));
    BlendCoverage(canvas_, scratch_, QPoint(0, 0), box, solid);
    drawn_.push_back({line, box, kept != nullptr ? scratch_.copy(box) : QImage()});
}

}  // namespace vornexa

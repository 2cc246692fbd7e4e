#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QRegion>

#include <vector>

#include "diagrams/display_list.h"

class QPainterPath;

// Pixel work the diagram renderer does itself on an image rather than through
// Qt, with Qt's own rounding, so the pixels stay those Qt would draw.
namespace vornexa {

// The image under the painter when its pixels may be written directly: one
// drawn on whole, unrotated, unclipped and opaquely.
QImage* RasterTarget(QPainter& p);

// Whole pixels of an opaque colour, written straight into the image.
void FillRects(QImage& image, const QRegion& region, QRgb colour);

QPen PenOf(const DrawLine& line);

// The coverage of lines a window drew, kept from one redraw to the next. A line
// gets its coverage kept when it is drawn alike a second time.
struct KeptStroke {
    DrawLine line;
    QRect box;        // device pixels
    QImage coverage;  // of box, white on black; null until drawn twice
};
using StrokeMemory = std::vector<KeptStroke>;

// Fills and strokes through their coverage: the path is painted white on black
// into a scratch image and the colour blended from it here. Qt blends its hatch
// brushes in a thread pool whose hand-offs cost more than the blending, and its
// stroker costs more than anything else on the canvas, which a kept coverage
// spares. One scratch image and painter serve a whole redraw.
class CoverageFiller {
  public:
    CoverageFiller(QPainter& p, QImage& canvas, StrokeMemory* strokes);
    ~CoverageFiller();
    CoverageFiller(const CoverageFiller&) = delete;
    CoverageFiller& operator=(const CoverageFiller&) = delete;

    // Qt::DiagCrossPattern in the colour over white.
    void FillHatch(const QPainterPath& path, const QColor& colour);
    void Stroke(const DrawLine& line);

  private:
    QPainter& Scratch(const QRect& box);
    QRect DeviceBox(const QRectF& bounds) const;

    QPainter& p_;
    QImage& canvas_;
    StrokeMemory* strokes_;
    StrokeMemory drawn_;
    QImage scratch_;
    QPainter coverage_;
};

}  // namespace vornexa

#pragma once

#include <QImage>
#include <QRect>

#include <vector>

#include "diagrams/display_list.h"
#include "ui/drawing/raster_fills.h"

namespace vornexa {

// Renders the lists of one window into one image. Commands whose pixels no
// other command's can reach form parts of their own (the title, the legends);
// a part drawn alike by two redraws in a row is kept, and later redraws copy
// its pixels instead of painting it, so dragging an azimuth repaints only the
// part that moves. The pixels are those RenderDisplayList gives.
class DiagramRaster {
  public:
    const QImage& Render(const DisplayList& list, qreal devicePixelRatio);
    const QImage& image() const { return image_; }

  private:
    struct Part {
        std::vector<DrawCommand> commands;
        QRect box;      // device pixels
        QImage pixels;  // null until the part has been drawn alike twice
    };

    const Part* Kept(const Part& part) const;

    QImage image_;
    std::vector<Part> kept_;
    StrokeMemory strokes_;
};

}  // namespace vornexa

#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

#include <vector>

#include "diagrams/display_list.h"
#include "ui/drawing/raster_fills.h"

class QPainter;

namespace vornexa {

// Paints a display list in canvas pixels with the painter's current transform,
// so one routine serves the window, the printer, images, SVG and PDF.
void PaintDisplayList(QPainter& painter, const DisplayList& list);

// The same, leaving out each command whose flag in `skip` is set, and on an
// image taking the lines' coverage from `strokes` where it holds them, then
// leaving there those of this list.
void PaintDisplayList(QPainter& painter, const DisplayList& list, const std::vector<bool>& skip,
                      StrokeMemory* strokes);

// The font of the diagrams' text.
QFont DiagramFont();

// Every canvas pixel the command may touch, for text of the given line height.
QRect CanvasBoxOf(const DrawCommand& command, int textLineHeight);

// The list on a white canvas of 457 x 465 pixels times the device pixel ratio.
QImage RenderDisplayList(const DisplayList& list, qreal devicePixelRatio = 1.0);

}  // namespace vornexa

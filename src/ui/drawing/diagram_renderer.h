#pragma once

#include <QImage>

#include "diagrams/display_list.h"

class QPainter;

namespace vornexa {

// Paints a display list in canvas pixels with the painter's current transform,
// so one routine serves the window, the printer, images, SVG and PDF.
void PaintDisplayList(QPainter& painter, const DisplayList& list);

// The list on a white canvas of 457 x 465 pixels times the device pixel ratio.
QImage RenderDisplayList(const DisplayList& list, qreal devicePixelRatio = 1.0);

}  // namespace vornexa

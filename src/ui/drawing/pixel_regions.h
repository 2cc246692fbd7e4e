#pragma once

#include <QPolygon>
#include <QRect>
#include <QRegion>

// Regions of whole pixels, as the diagram frames name them.
namespace vornexa {

// The pixels whose centres lie inside the ellipse in `box`, as symmetric as the ellipse.
QRegion EllipseRegion(const QRect& box);

// The pixels whose centres lie inside the polygon, by the even-odd rule.
QRegion PolygonRegion(const QPolygon& polygon);

// The pixels of both the ellipse in `box` and the polygon, as their two regions intersected.
QRegion EllipseAndPolygonRegion(const QRect& box, const QPolygon& polygon);

// The region's own border pixels: those with one of their four neighbours outside it.
QRegion BorderOf(const QRegion& region);

}  // namespace vornexa

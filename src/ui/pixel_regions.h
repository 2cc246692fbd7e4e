#pragma once

#include <QRect>
#include <QRegion>

// Regions of whole pixels, as the diagram frames name them.
namespace vornexa {

// The pixels whose centres lie inside the ellipse in `box`, as symmetric as the ellipse.
QRegion EllipseRegion(const QRect& box);

// The region's own border pixels: those with one of their four neighbours outside it.
QRegion BorderOf(const QRegion& region);

}  // namespace vornexa

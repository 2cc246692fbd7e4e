#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace vornexa {

// True when the name ends in .png, .svg or .pdf, in any case.
bool IsPictureFile(const std::string& path);

// Writes a picture of `size` pixels at 96 dpi, painted by `paint` on a white
// ground, to `path` as PNG, SVG or PDF by the name's ending. False when the type
// is unknown or the file cannot be written.
bool WritePicture(const std::string& path, QSize size, const QString& title,
                  const std::function<void(QPainter&)>& paint);

}  // namespace vornexa

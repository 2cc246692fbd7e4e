#include "ui/drawing/picture_export.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <filesystem>

#include "util/text.h"

namespace vornexa {
namespace {

constexpr int kDpi = 96;

std::string Ending(const std::string& path) {
    return ToUpperAscii(std::filesystem::path(path).extension().string());
}

bool PaintOn(QPaintDevice& device, const std::function<void(QPainter&)>& paint) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    paint(painter);
    return painter.end();
}

bool WritePng(const QString& path, QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return PaintOn(image, paint) && image.save(path, "PNG");
}

bool WriteSvg(const QString& path, QSize size, const QString& title,
              const std::function<void(QPainter&)>& paint) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kDpi);
    svg.setTitle(title);
    return PaintOn(svg, paint);
}

bool WritePdf(const QString& path, QSize size, const std::function<void(QPainter&)>& paint) {
    QPdfWriter pdf(path);
    pdf.setResolution(kDpi);
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kDpi, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return PaintOn(pdf, paint);
}

}  // namespace

bool IsPictureFile(const std::string& path) {
    const std::string ext = Ending(path);
    return ext == ".PNG" || ext == ".SVG" || ext == ".PDF";
}

bool WritePicture(const std::string& path, QSize size, const QString& title,
                  const std::function<void(QPainter&)>& paint) {
    const std::string ext = Ending(path);
    const QString file = QString::fromStdString(path);
    if (ext == ".PNG") {
        return WritePng(file, size, paint);
    }
    // The vector writers report no failure to open their file; its absence tells.
    if (ext == ".SVG") {
        return WriteSvg(file, size, title, paint) && std::filesystem::exists(path);
    }
    if (ext == ".PDF") {
        return WritePdf(file, size, paint) && std::filesystem::exists(path);
    }
    return false;
}

}  // namespace vornexa

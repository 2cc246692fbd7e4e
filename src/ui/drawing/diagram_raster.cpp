#include "ui/drawing/diagram_raster.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstring>
#include <numeric>

#include "ui/drawing/diagram_renderer.h"

namespace vornexa {
namespace {

struct Grouping {
    std::vector<QRect> boxes;  // of each part, device pixels
    std::vector<size_t> partOf;
};

// Commands whose boxes meet, directly or through others, share a part.
Grouping GroupCommands(const DisplayList& list, qreal devicePixelRatio, const QRect& canvas) {
    const int lineHeight = QFontMetrics(DiagramFont()).height();
    const QTransform scale = QTransform::fromScale(devicePixelRatio, devicePixelRatio);
    const size_t count = list.commands.size();
    std::vector<size_t> root(count);
    std::iota(root.begin(), root.end(), size_t{0});
    const auto find = [&root](size_t i) {
        while (root[i] != i) {
            i = root[i] = root[root[i]];
        }
        return i;
    };
    std::vector<QRect> boxes(count);
    for (size_t i = 0; i < count; ++i) {
        const QRect box = CanvasBoxOf(list.commands[i], lineHeight);
        boxes[i] = scale.mapRect(QRectF(box)).toAlignedRect().adjusted(-1, -1, 1, 1) & canvas;
        for (size_t j = 0; j < i; ++j) {
            if (boxes[i].intersects(boxes[j])) {
                root[find(j)] = find(i);
            }
        }
    }
    Grouping grouping{{}, std::vector<size_t>(count)};
    std::vector<size_t> partOfRoot(count, count);
    for (size_t i = 0; i < count; ++i) {
        size_t& part = partOfRoot[find(i)];
        if (part == count) {
            part = grouping.boxes.size();
            grouping.boxes.emplace_back();
        }
        grouping.partOf[i] = part;
        grouping.boxes[part] |= boxes[i];
    }
    return grouping;
}

void CopyPixels(const QImage& from, const QRect& box, QImage& to, const QPoint& at) {
    const auto bytes = static_cast<size_t>(box.width()) * sizeof(QRgb);
    for (int y = 0; y < box.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(from.constScanLine(box.top() + y));
        auto* target = reinterpret_cast<QRgb*>(to.scanLine(at.y() + y));
        std::memcpy(target + at.x(), source + box.left(), bytes);
    }
}

}  // namespace

const DiagramRaster::Part* DiagramRaster::Kept(const Part& part) const {
    const auto same = [&part](const Part& kept) {
        return kept.box == part.box && kept.commands == part.commands;
    };
    const auto found = std::find_if(kept_.begin(), kept_.end(), same);
    return found != kept_.end() ? &*found : nullptr;
}

const QImage& DiagramRaster::Render(const DisplayList& list, qreal devicePixelRatio) {
    const QSize size = QSize(DisplayList::kWidth, DisplayList::kHeight) * devicePixelRatio;
    if (image_.size() != size || image_.devicePixelRatio() != devicePixelRatio) {
        image_ = QImage(size, QImage::Format_RGB32);
        image_.setDevicePixelRatio(devicePixelRatio);
        kept_.clear();
        strokes_.clear();
    }
    const Grouping grouping = GroupCommands(list, devicePixelRatio, image_.rect());
    std::vector<Part> parts(grouping.boxes.size());
    for (size_t i = 0; i < list.commands.size(); ++i) {
        parts[grouping.partOf[i]].commands.push_back(list.commands[i]);
    }
    std::vector<bool> skip(list.commands.size(), false);
    for (size_t p = 0; p < parts.size(); ++p) {
        parts[p].box = grouping.boxes[p];
        if (const Part* kept = Kept(parts[p])) {
            parts[p].pixels = kept->pixels;
        }
    }
    for (size_t i = 0; i < list.commands.size(); ++i) {
        skip[i] = !parts[grouping.partOf[i]].pixels.isNull();
    }
    {
        QPainter painter(&image_);
        PaintDisplayList(painter, list, skip, &strokes_);
    }
    for (Part& part : parts) {
        if (!part.pixels.isNull()) {
            CopyPixels(part.pixels, part.pixels.rect(), image_, part.box.topLeft());
        } else if (Kept(part) != nullptr) {
            part.pixels = QImage(part.box.size(), QImage::Format_RGB32);
            CopyPixels(image_, part.box, part.pixels, QPoint(0, 0));
        }
    }
    kept_ = std::move(parts);
    return image_;
}

}  // namespace vornexa

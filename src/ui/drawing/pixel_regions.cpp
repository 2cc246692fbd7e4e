#include "ui/drawing/pixel_regions.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vornexa {
namespace {

struct Run {
    int left, right;  // right excluded
};
using Row = std::vector<Run>;

// The helpers write into `out`, which the caller reuses row after row: a frame
// is drawn on every redraw, and allocations would cost more than the work.
void Intersect(const Run* a, const Run* aEnd, const Row& b, Row& out) {
    out.clear();
    for (auto j = b.begin(); a != aEnd && j != b.end();) {
        const int left = std::max(a->left, j->left);
        const int right = std::min(a->right, j->right);
        if (left < right) {
            out.push_back({left, right});
        }
        if (a->right < j->right) {
            ++a;
        } else {
            ++j;
        }
    }
}

// The row's runs without their end pixels: the pixels whose left and right neighbours are inside.
void Narrowed(const Run* row, const Run* rowEnd, Row& out) {
    out.clear();
    for (; row != rowEnd; ++row) {
        if (row->right - row->left > 2) {
            out.push_back({row->left + 1, row->right - 1});
        }
    }
}

// Appends the parts of the row's runs outside `inner` as rectangles of row y.
void AppendOutside(const Run* row, const Run* rowEnd, const Row& inner, int y, QList<QRect>& out) {
    auto j = inner.begin();
    for (; row != rowEnd; ++row) {
        Run run = *row;
        while (j != inner.end() && j->right <= run.left) {
            ++j;
        }
        for (auto k = j; k != inner.end() && k->left < run.right; ++k) {
            if (k->left > run.left) {
                out.append(QRect(run.left, y, k->left - run.left, 1));
            }
            run.left = std::max(run.left, k->right);
        }
        if (run.left < run.right) {
            out.append(QRect(run.left, y, run.right - run.left, 1));
        }
    }
}

// The first and past-the-last pixel whose centres lie between span's ends.
std::pair<int, int> CentreRun(std::pair<double, double> span) {
    return {static_cast<int>(std::ceil(span.first - 0.5)),
            static_cast<int>(std::ceil(span.second - 0.5))};
}

void AppendRun(int left, int right, int y, QList<QRect>& out) {
    if (right > left) {
        out.append(QRect(left, y, right - left, 1));
    }
}

// The pixels of row y whose centres lie between `from` and `to`.
void AppendCentreRun(double from, double to, int y, QList<QRect>& out) {
    const auto [left, right] = CentreRun({from, to});
    AppendRun(left, right, y, out);
}

// Where the ellipse in `box` meets the line through row y's pixel centres.
std::pair<double, double> EllipseSpanOfRow(const QRect& box, int y) {
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    const double cx = box.x() + a;
    const double dy = (y + 0.5 - (box.y() + b)) / b;
    const double half = a * std::sqrt(std::max(0.0, 1 - dy * dy));
    return {cx - half, cx + half};
}

// The rectangles are disjoint and in row order, so they need no merging.
QRegion RegionOfRects(const QList<QRect>& rects) {
    QRegion region;
    region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

// Where the polygon's edges cross the horizontal line through row y's pixel
// centres, in order.
void CrossingsOfRow(const QPolygon& polygon, int y, std::vector<double>& crossings) {
    const double centre = y + 0.5;
    crossings.clear();
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPoint a = polygon[i];
        const QPoint b = polygon[(i + 1) % polygon.size()];
        if ((a.y() <= centre) != (b.y() <= centre)) {
            crossings.push_back(a.x() + (centre - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
    }
    std::sort(crossings.begin(), crossings.end());
}

}  // namespace

QRegion EllipseRegion(const QRect& box) {
    QList<QRect> rows;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto [from, to] = EllipseSpanOfRow(box, y);
        AppendCentreRun(from, to, y, rows);
    }
    return RegionOfRects(rows);
}

// Scan lines through the pixel centres, as the ellipse; several times faster
// than Qt's own polygon regions, which a redraw builds five times.
QRegion PolygonRegion(const QPolygon& polygon) {
    const QRect bounds = polygon.boundingRect();
    QList<QRect> runs;
    std::vector<double> crossings;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        CrossingsOfRow(polygon, y, crossings);
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            AppendCentreRun(crossings[i], crossings[i + 1], y, runs);
        }
    }
    return RegionOfRects(runs);
}

// Clamping the polygon's spans to the ellipse's row by row gives the pixels of
// both without the cost of intersecting two regions.
QRegion EllipseAndPolygonRegion(const QRect& box, const QPolygon& polygon) {
    const QRect rows = box & polygon.boundingRect();
    QList<QRect> runs;
    std::vector<double> crossings;
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        const auto [left, right] = CentreRun(EllipseSpanOfRow(box, y));
        CrossingsOfRow(polygon, y, crossings);
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const auto [from, to] = CentreRun({crossings[i], crossings[i + 1]});
            AppendRun(std::max(left, from), std::min(right, to), y, runs);
        }
    }
    return RegionOfRects(runs);
}

// Row by row rather than by shifted copies of the region, which cost several
// times more.
QRegion BorderOf(const QRegion& region) {
    const QRect bounds = region.boundingRect();
    // The runs of each row, with an empty row above and below the region.
    const auto rowCount = static_cast<size_t>(bounds.height()) + 2;
    std::vector<std::vector<Run>::size_type> start(rowCount + 1, 0);
    for (const QRect& rect : region) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            ++start[static_cast<size_t>(y - bounds.top() + 2)];
        }
    }
    for (size_t i = 1; i < start.size(); ++i) {
        start[i] += start[i - 1];
    }
    Row runs(start.back());
    std::vector<size_t> fill(start.begin(), start.end() - 1);
    for (const QRect& rect : region) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            runs[fill[static_cast<size_t>(y - bounds.top() + 1)]++] = {rect.left(),
                                                                       rect.right() + 1};
        }
    }
    const auto rowBegin = [&](size_t i) { return runs.data() + start[i]; };
    QList<QRect> border;
    Row narrowed, above, inner;
    for (size_t i = 1; i + 1 < rowCount; ++i) {
        Narrowed(rowBegin(i), rowBegin(i + 1), narrowed);
        Intersect(rowBegin(i - 1), rowBegin(i), narrowed, above);
        Intersect(rowBegin(i + 1), rowBegin(i + 2), above, inner);
        AppendOutside(rowBegin(i), rowBegin(i + 1), inner, bounds.top() + static_cast<int>(i) - 1,
                      border);
    }
    return RegionOfRects(border);
}

}  // namespace vornexa

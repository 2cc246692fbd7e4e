#include "ui/drawing/longwall_type_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace vornexa {
namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 30;
constexpr int kPanels = 3;

}  // namespace

LongwallTypePicture::LongwallTypePicture(int16_t longType, QWidget* parent)
    : QWidget(parent), longType_(longType) {
    setFixedSize(sizeHint());
}

QSize LongwallTypePicture::sizeHint() const {
    return {kWidth, kHeight};
}

void LongwallTypePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (longType_ == 1) {
        // Right to left is the mirror image of left to right.
        painter.translate(kWidth, 0);
        painter.scale(-1, 1);
    }
    const QColor ink = isEnabled() ? QColor(0, 0, 0) : palette().color(QPalette::Mid);
    // The arrow lies on the window's own background, which a dark desktop darkens.
    const QColor arrowInk = isEnabled() ? palette().color(QPalette::WindowText) : ink;
    const QColor mined = isEnabled() ? QColor(255, 0, 0) : palette().color(QPalette::Midlight);
    const QColor unmined = isEnabled() ? QColor(0, 0, 255) : palette().color(QPalette::Midlight);
    const int panelWidth = (kWidth - 4) / kPanels;
    painter.setPen(QPen(ink, 1));
    for (int i = 0; i < kPanels - 1; ++i) {
        painter.setBrush(mined);
        painter.drawRect(2 + i * panelWidth, 2, panelWidth - 3, 16);
    }
    const int current = 2 + (kPanels - 1) * panelWidth;
    painter.setBrush(unmined);
    painter.drawRect(current, 2, panelWidth - 3, 16);

    const int y = 24;
    QPainterPath arrow;
    arrow.moveTo(kWidth - 8, y);
    arrow.lineTo(kWidth - 13, y - 3);
    arrow.lineTo(kWidth - 13, y + 3);
    arrow.closeSubpath();
    painter.setPen(QPen(arrowInk, 1));
    painter.drawLine(4, y, kWidth - 12, y);
    painter.fillPath(arrow, arrowInk);
}

}  // namespace vornexa

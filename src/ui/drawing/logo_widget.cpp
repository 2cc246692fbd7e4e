#include "ui/drawing/logo_widget.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include <cmath>

#include "util/messages.h"

namespace vornexa {

LogoWidget::LogoWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize LogoWidget::sizeHint() const {
    return {320, 240};
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int titleHeight = metrics.height() * 3;
    const int side = std::min({width(), height() - titleHeight, 300}) - 8;
    if (side < 40) {
        return;
    }
    const QPointF centre(width() / 2.0, (height() - titleHeight) / 2.0 + 4);
    const double r = side / 2.0;
    // Good, moderate and difficult bands about the SigmaH direction.
    const QColor bands[] = {QColor(60, 160, 60), QColor(235, 200, 60), QColor(205, 92, 92)};
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    for (int quarter = 0; quarter < 4; ++quarter) {
        for (int band = 0; band < 3; ++band) {
            const int start = quarter * 90 + band * 30;
            const int mirrored = (quarter % 2 == 0) ? band : 2 - band;
            p.setBrush(bands[mirrored]);
            p.setPen(QPen(Qt::white, 1.5));
            p.drawPie(box, (90 - start - 30) * 16, 30 * 16);
        }
    }
    p.setPen(QPen(QColor(30, 30, 30), std::max(2.0, r / 30), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x(), centre.y() + r * 0.9),
               QPointF(centre.x(), centre.y() - r * 0.9));
    QPainterPath head;
    head.moveTo(centre.x(), centre.y() - r);
    head.lineTo(centre.x() - r / 10, centre.y() - r * 0.8);
    head.lineTo(centre.x() + r / 10, centre.y() - r * 0.8);
    head.closeSubpath();
    p.fillPath(head, QColor(30, 30, 30));

    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 2);
    title.setBold(true);
    p.setFont(title);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(0, height() - titleHeight, width(), titleHeight), Qt::AlignCenter,
               QString::fromUtf8(kProductTitle.data(), static_cast<int>(kProductTitle.size())));
}

}  // namespace vornexa

#include "ui/drawing/diagram_canvas.h"

#include <QPainter>

#include <utility>

namespace vornexa {

DiagramCanvas::DiagramCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMain"));
    setFixedSize(DisplayList::kWidth, DisplayList::kHeight);
    // The image covers every pixel: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Render();
}

void DiagramCanvas::Show(DisplayList list) {
    list_ = std::move(list);
    Render();
    update();
}

void DiagramCanvas::paintEvent(QPaintEvent*) {
    // Moving to a screen of another pixel ratio is the one reason to render again.
    if (raster_.image().devicePixelRatio() != devicePixelRatioF()) {
        Render();
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), raster_.image());
}

void DiagramCanvas::Render() {
    raster_.Render(list_, devicePixelRatioF());
}

}  // namespace vornexa

#include "ui/drawing/diagram_canvas.h"

#include <QPainter>

#include <utility>

#include "ui/drawing/diagram_renderer.h"

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
    if (image_.devicePixelRatio() != devicePixelRatioF()) {
        Render();
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

void DiagramCanvas::Render() {
    image_ = RenderDisplayList(list_, devicePixelRatioF());
}

}  // namespace vornexa

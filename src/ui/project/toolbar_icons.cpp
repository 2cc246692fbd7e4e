#include "ui/project/toolbar_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace vornexa {
namespace {

constexpr double kGrid = 24;  // the pictures are drawn on a 24 x 24 grid
const QColor kInk(60, 64, 72);
const QColor kBlue(58, 110, 165);
const QColor kPaper(250, 250, 250);

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Box(double x, double y, double w, double h, double radius = 0) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

void Lines(QPainter& p, double left, double right, std::initializer_list<double> rows) {
    for (double y : rows) {
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

void DrawOpen(QPainter& p) {
    Shape(p, Polygon({{2.5, 5.5}, {9, 5.5}, {11, 7.5}, {20.5, 7.5}, {20.5, 19.5}, {2.5, 19.5}}),
          QColor(214, 164, 58));
    Shape(p, Polygon({{5.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}, {2.5, 19.5}}),
          QColor(244, 204, 112));
}

void DrawSave(QPainter& p) {
    Shape(p, Box(3.5, 3.5, 17, 17, 1.5), kBlue);
    Shape(p, Box(7.5, 3.5, 9, 6), QColor(208, 215, 224));
    Shape(p, Box(6.5, 12.5, 11, 8), kPaper);
}

void DrawPrint(QPainter& p) {
    Shape(p, Box(7.5, 3.5, 9, 7), kPaper);
    Shape(p, Box(3.5, 9.5, 17, 8, 1.5), QColor(150, 156, 164));
    Shape(p, Box(7.5, 14.5, 9, 6), kPaper);
    Lines(p, 9.5, 14.5, {16.5, 18.5});
}

void DrawDescription(QPainter& p) {
    Shape(p, Polygon({{5.5, 2.5}, {14.5, 2.5}, {18.5, 6.5}, {18.5, 21.5}, {5.5, 21.5}}), kPaper);
    p.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 6.5}, {18.5, 6.5}}));
    p.setPen(QPen(kBlue, 1.2));
    Lines(p, 8, 16, {10, 13, 16, 19});
}

void DrawParameters(QPainter& p) {
    Lines(p, 3, 21, {6, 12, 18});
    p.setBrush(kBlue);
    for (const QPointF knob : {QPointF(15, 6), QPointF(8, 12), QPointF(13, 18)}) {
        p.drawEllipse(knob, 2.5, 2.5);
    }
}

class DrawnIcon : public QIconEngine {
  public:
    explicit DrawnIcon(ToolbarPicture picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    // Disabled and selected pictures are the style's rendering of the normal one,
    // as for pictures read from files.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size.width() / kGrid, size.height() / kGrid);
        p.setPen(QPen(kInk, 1));
        Draw(p);
        p.end();
        if (mode == QIcon::Normal) {
            return picture;
        }
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }

    QIconEngine* clone() const override { return new DrawnIcon(picture_); }

  private:
    void Draw(QPainter& p) const {
        switch (picture_) {
            case ToolbarPicture::Open:
                return DrawOpen(p);
            case ToolbarPicture::Save:
                return DrawSave(p);
            case ToolbarPicture::Print:
                return DrawPrint(p);
            case ToolbarPicture::Description:
                return DrawDescription(p);
            case ToolbarPicture::Parameters:
                return DrawParameters(p);
        }
    }

    ToolbarPicture picture_;
};

}  // namespace

QIcon ToolbarIcon(ToolbarPicture picture) {
    return QIcon(new DrawnIcon(picture));
}

}  // namespace vornexa

// Renders the scalable icon as a square PNG of the given size, for the icon
// themes that want bitmaps: render_icon SVG PNG SIZE.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    bool sizeValid = false;
    const int size = args.size() == 4 ? args[3].toInt(&sizeValid) : 0;
    if (!sizeValid || size <= 0) {
        err << "usage: render_icon SVG PNG SIZE\n";
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        err << "cannot read " << args[1] << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args[2], "PNG")) {
        err << "cannot write " << args[2] << '\n';
        return 1;
    }
    return 0;
}

// The yardstick for start-up time: a bare Qt Widgets window that shows and quits.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(760, 560);
    window.show();
    QTimer::singleShot(0, &app, [&window] { window.close(); });
    return QApplication::exec();
}

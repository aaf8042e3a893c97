// The yardstick: a bare Qt window of 800 x 600 showing one JPEG, built the same way as the program.

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include "startup_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window;
    window.resize(800, 600);
    window.setPixmap(
        QPixmap(QApplication::applicationDirPath() + QStringLiteral("/content/images/swan1.jpg")));
    window.setAlignment(Qt::AlignCenter);
    new bt::bench::FirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}

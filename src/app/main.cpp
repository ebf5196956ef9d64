#include "mainwindow/WidgetMessageSink.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelk ID Card"));
    zelk::WidgetMessageSink::install();
    QMainWindow window;
    window.resize(1200, 800);
    window.show();
    return app.exec();
}

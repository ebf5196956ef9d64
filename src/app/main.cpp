#include "mainwindow/SKTWindowController.h"
#include "mainwindow/WidgetMessageSink.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelk ID Card"));
    zelk::WidgetMessageSink::install();
    SKTWindowController window;
    if (!window.resourcesReachable())
        return 1;
    window.show();
    return app.exec();
}

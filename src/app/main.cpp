#include "barcode/Barcode_Gen.h"
#include "dialogs/WidgetMessageSink.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "mainwindow/HubBarcodeDataSource.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/SKTWindowController.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelk ID Card"));
    zelk::WidgetMessageSink::install();
    // The renderer sits below the face in the layers: the face installs itself.
    CardFace::install();
    SKTWindowController window;
    if (!window.resourcesReachable())
        return 1;
    // Barcode pictures and the barcode window's view of the design's data.
    zelk::BarcodeGenProducer barcodes;
    window.setBarcodeProducer(&barcodes);
    zelk::HubBarcodeDataSource barcodeData;
    Barcode_Gen::setDataSource(&barcodeData);
    // New and Close return to the start chooser, as does the start itself.
    SKTWindowController::setStartChooser(
        [](SKTWindowController& w) { MainWindowStartSteps::New_Project_And_Start(w); });
    window.show();
    QTimer::singleShot(0, &window, [&window] { MainWindowStartSteps::New_Project_And_Start(window); });
    return app.exec();
}

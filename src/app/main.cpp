#include "barcode/Barcode_Gen.h"
#include "datasource/ZipWorkFolder.h"
#include "dialogs/Services.h"
#include "groups/GroupMode.h"
#include "imaging/CroppingCommand.h"
#include "inspector/ArrangeMenu.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "mainwindow/HubBarcodeDataSource.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/SKTWindowController.h"
#include "mail/MailWindows.h"
#include "production/PrintCommand.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk ID Card"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelk ID Card"));
    // Workbooks unpacked by a copy of the application that was killed hold
    // card holders' data: they go now.
    zelk::ZipWorkFolder::removeLeftovers(QDir::tempPath());
    zelk::Services services = zelk::Services::desktop();
    services.startMode = [] { return Start_Card_Option; };
    zelk::Services::install(services);
    // The renderer sits below the face in the layers: the face installs itself.
    CardFace::install();
    SKTWindowController window;
    if (!window.resourcesReachable())
        return 1;
    ArrangeMenu::install(window);
    PrintCommand::install(window);
    CroppingCommand::install(window);
    MailWindows::install(window);
    GroupMode::install(window);
    // Barcode pictures and the barcode window's view of the design's data.
    zelk::BarcodeGenProducer barcodes;
    window.setBarcodeProducer(&barcodes);
    zelk::HubBarcodeDataSource barcodeData;
    Barcode_Gen::setDataSource(&barcodeData);
    // New and Close return to the start chooser, as does the start itself.
    services.startChooser = [&window] { MainWindowStartSteps::New_Project_And_Start(window); };
    // The wizards' profile button and the stamping of a new design.
    services.userProfile = [&window](const QString& total_side) {
        window.Open_User_Profile_Window(0, QString(), total_side);
    };
    services.fillUserProfileDetails = [&window] { window.Fill_User_profile_Details(); };
    zelk::Services::install(services);
    window.show();
    QTimer::singleShot(0, &window, [&window] { MainWindowStartSteps::New_Project_And_Start(window); });
    return app.exec();
}

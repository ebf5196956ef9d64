// The chooser, the gallery and the main window after the card wizard, drawn
// on screen. With ZELK_SCREENSHOT_DIR set (run under an X server with
// QT_QPA_PLATFORM=xcb) the whole screen is also saved at each stop, as
// chooser.png, gallery.png and wizard-cr80.png.
#include "MainWindowTestSupport.h"

#include "dialogs/DialogRunner.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <gtest/gtest.h>

namespace {

void settle(int ms = 300) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Distinct colours of a widget's picture: a blank window has one or two.
int colourCount(QWidget* w) {
    const QImage image = w->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

void screenshot(const QString& name) {
    const QByteArray dir = qgetenv("ZELK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    settle(600);
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QStringLiteral("root"), QDir(QString::fromLocal8Bit(dir)).filePath(name)});
}

class OnScreen : public zelk::test::MainWindowTest {};

TEST_F(OnScreen, ChooserGalleryAndTheWizardsCard) {
    SKTWindowController& w = open();
    w.resize(1400, 900);
    w.move(0, 0);
    w.show();
    int step = 0;
    zelk::ScopedDialogRunner runner([&](QDialog* d) {
        d->move(w.x() + 300, w.y() + 150);
        d->show();
        d->raise();
        settle();
        ++step;
        if (auto* chooser = qobject_cast<StartChooserWindow*>(d)) {
            EXPECT_GT(colourCount(chooser), 20);
            if (step == 1) {
                screenshot(QStringLiteral("chooser.png"));
                chooser->modeButtons.value(QStringLiteral("T"))->click();
            } else {
                chooser->modeButtons.value(QStringLiteral("W"))->click();
            }
            return chooser->result();
        }
        if (auto* gallery = qobject_cast<Template_Wizard*>(d)) {
            d->move(w.x() + 150, w.y() + 60);
            EXPECT_GE(gallery->imageBrowser->count(), 2);
            EXPECT_GT(colourCount(gallery->imageBrowser), 50);  // previews drawn
            screenshot(QStringLiteral("gallery.png"));
            return 0;  // back to the chooser
        }
        if (auto* wizard = qobject_cast<Card_Wizard*>(d)) {
            wizard->Category_ComboBox->setCurrentIndex(0);
            wizard->Size_ComboBox->setCurrentIndex(0);  // CR80
            wizard->OK_Clicked();
            return wizard->result();
        }
        return 0;
    });
    ASSERT_EQ(MainWindowStartSteps::New_Project_And_Start(w), StartChooser::Started);
    EXPECT_EQ(Start_Card_Option, QStringLiteral("W"));
    EXPECT_TRUE(w.myTargetView->isVisible());
    settle();
    screenshot(QStringLiteral("wizard-cr80.png"));
}

}  // namespace

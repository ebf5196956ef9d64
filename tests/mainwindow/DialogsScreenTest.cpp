// The chooser, the gallery and the main window after the card wizard, drawn
// on screen. With ZELK_SCREENSHOT_DIR set (run under an X server with
// QT_QPA_PLATFORM=xcb) the whole screen is also saved at each stop, as
// chooser.png, gallery.png, wizard-cr80.png and gallery-<combo>.png.
#include "MainWindowTestSupport.h"

#include "mainwindow/AppGlobals.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"
#include "mainwindow/UserTemplates.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <algorithm>
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
    zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
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

TEST_F(OnScreen, GalleryPreviewsFitTheirCellsAndNamesAreReadable) {
    open();
    // The press pair, one card of each orientation, as user templates.
    const QDir press(QDir(Resource_Path).filePath(QStringLiteral("Templates/Press")));
    QDir().mkpath(UserTemplates::folder());
    for (const QString& name : press.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(press.filePath(name), QDir(UserTemplates::folder()).filePath(name)));
    Template_Wizard* wizard = Template_Wizard::defaultInstance();
    QListWidget* browser = wizard->imageBrowser;
    auto cellOf = [&](int row) { return browser->visualRect(browser->model()->index(row, 0)); };
    zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
        d->show();
        for (QComboBox* combo : {wizard->template_category_combo, wizard->cat_cmbo_bx}) {
            const int item = combo == wizard->cat_cmbo_bx ? 1 : combo->findText(QStringLiteral("Visitor"));
            combo->setCurrentIndex(item);
            emit combo->activated(item);
            settle();
            screenshot(QStringLiteral("gallery-%1.png").arg(combo->currentText()));
            for (int row = 0; row < browser->count(); ++row)
                EXPECT_TRUE(cellOf(row).size().expandedTo(browser->item(row)->icon().actualSize(browser->iconSize()))
                            == cellOf(row).size()) << row;
        }
        // The names under the user previews stand out from their cells, selected or not.
        const QImage image = browser->viewport()->grab().toImage();
        for (int row : {0, 1}) {
            const QRect text = cellOf(row).adjusted(4, 0, -4, -2);
            int spread = 0;
            for (int y = text.bottom() - 14; y < text.bottom(); ++y)
                for (int x = text.left(); x <= text.right(); ++x)
                    spread = std::max(spread, std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(text.left(), y))));
            EXPECT_GT(spread, 120) << row;
        }
        return 0;
    });
    wizard->Open_Template_Window();
}

}  // namespace

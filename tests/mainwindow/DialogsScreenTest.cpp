// The chooser, the gallery and the main window after the card wizard, drawn
// on screen. With ZELK_SCREENSHOT_DIR set (run under an X server with
// QT_QPA_PLATFORM=xcb) the whole screen is also saved at each stop, as
// chooser.png, gallery.png, wizard-cr80.png and gallery-<category>.png.
#include "MainWindowTestSupport.h"

#include "mainwindow/AppGlobals.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/DialogRunner.h"
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
#include <QHash>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <algorithm>
#include <cmath>
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

// WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto lin = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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

TEST_F(OnScreen, GalleryPreviewsFitTheirCellsAndNamesAreReadable) {
    open();
    // The press pair, one template of each orientation, as user templates too.
    const QDir press(QDir(Resource_Path).filePath(QStringLiteral("Templates/Press")));
    QDir().mkpath(UserTemplates::folder());
    for (const QString& name : press.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(press.filePath(name), QDir(UserTemplates::folder()).filePath(name)));
    Template_Wizard* wizard = Template_Wizard::defaultInstance();
    QListWidget* browser = wizard->imageBrowser;
    auto check = [&](const QString& shot) {
        SCOPED_TRACE(shot.toStdString());
        settle();
        ASSERT_GE(browser->count(), 2);
        for (int row = 0; row < browser->count(); ++row) {
            const QRect cell = browser->visualRect(browser->model()->index(row, 0));
            const QSize preview = browser->item(row)->icon().actualSize(browser->iconSize());
            EXPECT_GE(cell.width(), preview.width()) << row;
            EXPECT_GE(cell.height(), preview.height()) << row;
        }
        screenshot(shot);
    };
    zelk::ScopedDialogRunner runner([&](QDialog* d) {
        d->move(0, 0);
        d->show();
        for (const QString& category : {QStringLiteral("Visitor"), QStringLiteral("Press")}) {
            const int at = wizard->template_category_combo->findText(category);
            wizard->template_category_combo->setCurrentIndex(at);
            emit wizard->template_category_combo->activated(at);
            check(QStringLiteral("gallery-%1.png").arg(category));
        }
        wizard->cat_cmbo_bx->setCurrentIndex(1);
        emit wizard->cat_cmbo_bx->activated(1);
        check(QStringLiteral("gallery-user.png"));
        // The names under the previews, on the selected cell and on another.
        const QImage image = browser->viewport()->grab().toImage();
        for (int row : {browser->currentRow(), 1 - browser->currentRow()}) {
            const QRect cell = browser->visualRect(browser->model()->index(row, 0));
            const QRect text(cell.left(), cell.bottom() - 18, cell.width(), 18);
            QHash<QRgb, int> counts;
            for (int y = text.top(); y <= text.bottom(); ++y)
                for (int x = text.left(); x <= text.right(); ++x)
                    ++counts[image.pixel(x, y)];
            const QRgb ground = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                                 [](auto a, auto b) { return a.second < b.second; })->first;
            double best = 1;
            for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
                best = std::max(best, contrast(*it, ground));
            EXPECT_GE(best, 4.5) << "row " << row;
        }
        return 0;
    });
    wizard->Open_Template_Window();
}

}  // namespace

// Printing through CUPS: a scheduler of the test's own with file queues; the
// jobs' PostScript rasterised by Ghostscript and read by zxing-cpp, the
// jobs' attributes by ipptool.
#include "BarcodeDecode.h"
#include "CupsServer.h"
#include "PageSetupHand.h"
#include "PrintWindowFixture.h"

#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"
#include "foundation/SKTBarcode.h"
#include "production/Add_Print_Profile.h"
#include "production/PrintCommand.h"
#include "production/PrintProfileFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace zelk;
using namespace zelk::test;

namespace {

const QString GenericPostScript = QStringLiteral("drv:///sample.drv/generic.ppd");
const QString DuplexPdfPrinter = QStringLiteral("lsb/usr/cupsfilters/HP-Color_LaserJet_CM3530_MFP-PDF.ppd");
const QRectF CR80(0, 0, 242.6457, 153.0709);  // 85.6 x 54 mm

// The PostScript pages of a job, rasterised by Ghostscript.
QList<QImage> psPages(const QString& ps, const QString& folder, int dpi) {
    const ToolResult r = runTool(QStringLiteral("gs"), {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=png16m",
                                                       QStringLiteral("-r%1").arg(dpi),
                                                       "-sOutputFile=" + folder + "/page-%02d.png", ps});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QList<QImage> pages;
    for (const QString& name : QDir(folder).entryList({"page-*.png"}, QDir::Files, QDir::Name))
        pages << QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

// Ink (anything clearly darker than the paper) within a point of a spot.
bool inkNear(const QImage& page, double x, double y, int dpi) {
    const int cx = int(x * dpi / 72), cy = int(y * dpi / 72), r = dpi / 72 + 1;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (qGray(page.pixel(cx + dx, cy + dy)) < 235)
                return true;
    return false;
}

class CupsPrintTest : public PrintWindowTest {
protected:
    void SetUp() override {
        PrintWindowTest::SetUp();
        ASSERT_TRUE(cups.running()) << cups.log().toStdString();
    }
    CupsServer cups;
};

}  // namespace

TEST_F(CupsPrintTest, TwentyTwoSidedCardsOnSheets) {
    ASSERT_TRUE(cups.addQueue("ZelkPS", GenericPostScript));
    // Card n's front carries a Code 128 of "ZELK-nn" made by our encoder;
    // every back is the marked card's blue one.
    BarcodeRenderSettings look;
    look.hideCaption = true;
    look.barHeightMm = 10;
    look.barWidthMils = 15;
    QList<SideSnapshot> fronts;
    for (int n = 1; n <= 20; ++n) {
        const auto code = NKDBarcodeFactory::build("Code 128", QString::asprintf("ZELK-%02d", n), "", "", look);
        ASSERT_TRUE(code);
        auto g = std::make_shared<SKTBarcode>();
        g->_bounds.moveTo(20, 20);
        g->Set_Barcode_image(BarcodeRenderer::bitmapFromBarcode(*code, 600));
        const QList<std::shared_ptr<SKTGraphic>> side{g};
        fronts << SideSnapshot::take(&side, &card.frontProp, &card.backProp, 0, 0, CR80);
    }
    card.card = CR80;
    batch.Use_Data_Sheet_Values = true;
    batch.Total_Batch_Excel_Card = 20;
    batch.card = [&](int index, QChar side) {
        return PrintCard{side == QLatin1Char('F') ? fronts.value(index) : card.side(1), {}};
    };
    // The layout typed, and the same layout saved as a profile first (Add…,
    // page setup confirmed), which once left the window at 1 x 1 and
    // printed a card a page.
    Add_Print_Profile* dialog = Add_Print_Profile::defaultInstance();
    for (const bool added : {false, true}) {
        SCOPED_TRACE(added ? "added as a profile" : "typed");
        QFile::remove(cups.outputOf("ZelkPS"));
        sink.shown.clear();
        play(
            [&](Print_Wnd& p) {
                // The Default profile: both sides, the back below turned; 2 x 2
                // cells in the middle of the sheet, crop marks.
                p.Row_Stepper->setValue(2);
                p.Col_Stepper->setValue(2);
                p.align_btns[4]->click();
                p.crop_mark_chk->click();
                if (added) {
                    p.Add_profile_btn_clicked();
                    EXPECT_EQ(sink.shown, QStringList{"Print Profile has been saved successfully."});
                    sink.shown.clear();
                    EXPECT_EQ(p.Get_List_Name_Text(p.List_profile->currentRow()), "TwoByTwo");
                    EXPECT_EQ(p.Row_Stepper->value(), 2);
                    EXPECT_EQ(p.Col_Stepper->value(), 2);
                }
                ASSERT_EQ(p.Total_Stepper->value(), 20);
                p.PrintButtonPressed();
            },
            [&](QDialog* d) {
                if (qobject_cast<QPageSetupDialog*>(d)) {
                    choosePaper(d, "A4");
                    return 1;
                }
                if (d != dialog)
                    return 0;
                dialog->setResult(0);
                dialog->Profile_name->setText("TwoByTwo");
                dialog->OKPressed();
                return dialog->result();
            });
        EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
        ASSERT_TRUE(cups.waitForJobs()) << cups.log().toStdString();

        constexpr int dpi = 150;
        QTemporaryDir pagesDir;
        const QList<QImage> pages = psPages(cups.outputOf("ZelkPS"), pagesDir.path(), dpi);
        ASSERT_EQ(pages.size(), 5) << cups.log().toStdString();
        // By hand, for A4 (595 x 842) with the driver's 12-point edges, cells of
        // 242.65 x 306.14 centred: columns at x 54.86 and 297.50, rows at y
        // 114.86 and 421.00 from the top; the front in a cell's upper half.
        const double xs[] = {54.86, 297.50}, ys[] = {114.86, 421.00};
        for (int p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(p + 1);
            const QImage& page = pages.at(p);
            for (int k = 0; k < 4; ++k) {
                const QRectF front(xs[k % 2], ys[k / 2], CR80.width(), CR80.height());
                const QRect px(int(front.x() * dpi / 72), int(front.y() * dpi / 72), int(front.width() * dpi / 72),
                               int(front.height() * dpi / 72));
                const auto decoded = zxingDecode(page.copy(px), "Code128");
                ASSERT_TRUE(decoded) << "cell " << k;
                EXPECT_EQ(decoded->text, QString::asprintf("ZELK-%02d", p * 4 + k + 1));
            }
            // The marks at the first front's top-left corner and the last back's
            // bottom-right corner, and none between the first pair.
            EXPECT_TRUE(inkNear(page, 44.86, 114.86, dpi));
            EXPECT_TRUE(inkNear(page, 54.86, 104.86, dpi));
            EXPECT_TRUE(inkNear(page, 550.15, 727.14, dpi));
            EXPECT_TRUE(inkNear(page, 540.15, 737.14, dpi));
            EXPECT_FALSE(inkNear(page, 44.86, 104.86, dpi));
        }
    }
}

TEST_F(CupsPrintTest, DuplexJobAsksForLongEdge) {
    ASSERT_TRUE(cups.addQueue("ZelkPS", GenericPostScript));
    ASSERT_TRUE(cups.addQueue("ZelkDuplex", DuplexPdfPrinter));
    play([](Print_Wnd& p) {
        const int at = p.Printer_ComboBox->findText("ZelkDuplex");
        ASSERT_GE(at, 0);
        p.Printer_ComboBox->setCurrentIndex(at);
        emit p.Printer_ComboBox->activated(at);
        p.print_alignment->setCurrentIndex(3);  // "DU"
        emit p.print_alignment->activated(3);
        p.Total_Stepper->setValue(2);
        // Escape or the close box while the cards go to the printer: the
        // window waits for them.
        p.setResult(-1);
        QTimer::singleShot(0, &p, [&p] { static_cast<QDialog&>(p).reject(); });
        p.PrintButtonPressed();
        EXPECT_EQ(p.result(), -1);
    });
    ASSERT_TRUE(cups.waitForJobs()) << cups.log().toStdString();
    const int job = cups.lastJob("ZelkDuplex");
    ASSERT_GT(job, 0);
    EXPECT_EQ(cups.jobAttribute("ZelkDuplex", job, "sides"), "two-sided-long-edge");
}

TEST_F(CupsPrintTest, ProfilesAddedEditedAndRenamed) {
    ASSERT_TRUE(cups.addQueue("ZelkPS", GenericPostScript));
    Add_Print_Profile* dialog = Add_Print_Profile::defaultInstance();
    QString typed;
    bool confirmSetup = true;
    auto others = [&](QDialog* d) {
        if (qobject_cast<QPageSetupDialog*>(d)) {
            choosePaper(d, "A5");
            return confirmSetup ? 1 : 0;
        }
        if (d != dialog)
            return 0;
        dialog->setResult(0);
        dialog->Profile_name->setText(typed);
        dialog->OKPressed();
        if (dialog->result() != 1)
            dialog->CancelPressed();
        return dialog->result();
    };
    auto path = [](const QString& name) { return PrintProfileFile::pathOf(print_profile_path, name); };
    play(
        [&](Print_Wnd& p) {
            // A cancelled page setup leaves the paper; a confirmed one takes A5.
            confirmSetup = false;
            p.pagesetup();
            EXPECT_EQ(p.Paper_id->text(), "A4");
            confirmSetup = true;
            p.pagesetup();
            EXPECT_EQ(p.Paper_id->text(), "A5");

            typed = "Card/Sheet";
            p.Add_profile_btn_clicked();
            QStringList f;
            ASSERT_TRUE(PrintProfileFile::read(path("Card_Sheet"), f));
            EXPECT_EQ(f.first(), "ZelkPS");
            const QByteArray saved = fileBytes(path("Card_Sheet"));

            // Adding onto it asks; No keeps it and the dialog open.
            sink.answers = {MessageAnswer::No};
            sink.shown.clear();
            p.Row_Stepper->setValue(2);
            p.Add_profile_btn_clicked();
            EXPECT_EQ(sink.shown.size(), 1);
            EXPECT_EQ(fileBytes(path("Card_Sheet")), saved);

            // An edit renames once the new file is written.
            p.Make_select_on_index(int(p.ListData_profile.indexOf("Card_Sheet")));
            typed = "Other";
            p.Edit_profile_btn_clicked();
            EXPECT_FALSE(QFileInfo::exists(path("Card_Sheet")));
            EXPECT_TRUE(QFileInfo::exists(path("Other")));
            EXPECT_EQ(p.Get_List_Name_Text(p.List_profile->currentRow()), "Other");

            // A new name that cannot be written leaves the old profile.
            QDir().mkpath(path("Busy"));
            typed = "Busy";
            p.Edit_profile_btn_clicked();
            EXPECT_TRUE(QFileInfo::exists(path("Other")));
            EXPECT_TRUE(sink.shown.last().startsWith("The print profile \"Busy\" could not be saved"));

            // Default keeps its file under a new name's copy.
            p.Make_select_on_index(int(p.ListData_profile.indexOf("Default")));
            typed = "Copy";
            p.Edit_profile_btn_clicked();
            EXPECT_TRUE(QFileInfo::exists(path("Default")));
            EXPECT_TRUE(QFileInfo::exists(path("Copy")));
        },
        others);
}

TEST_F(CupsPrintTest, PageSetupOpensOnTheWindowsPaperAndTheWindowAndPrintTakeItsChoice) {
    // The generic driver's own paper is US Letter, every paper with 12-point
    // edges, and no custom sizes.
    ASSERT_TRUE(cups.addQueue("ZelkPS", GenericPostScript));
    const struct {
        const char* opens;   // the paper the panel opens on, as it lists it
        const char* choose;  // the user's choice
        bool turned;
        bool ok;
        const char* paper;   // what the window shows then
        const char* size;
    } steps[] = {
        {"A4", "A5", true, true, "A5", "210.00 x 148.00"},
        {"A5 turned", "US Letter", false, false, "A5", "210.00 x 148.00"},  // cancelled
        {"A5 turned", "A4", false, true, "A4", "210.00 x 297.00"},
        {"A4", "A5", true, true, "A5", "210.00 x 148.00"},
    };
    // The window's edges, in the panel's unit, shown but not to be typed.
    const QString edges = " 4.23mm 4.23mm 4.23mm 4.23mm";
    QString opened;
    const auto* step = steps;
    auto panel = [&](QDialog* d) {
        if (!qobject_cast<QPageSetupDialog*>(d))
            return 0;
        opened = panelPaper(d)->currentText();
        if (d->findChild<QAbstractButton*>("landscape")->isChecked())
            opened += " turned";
        for (const char* side : {"leftMargin", "topMargin", "rightMargin", "bottomMargin"}) {
            const auto* m = d->findChild<QDoubleSpinBox*>(side);
            opened += ' ' + m->text() + (m->isReadOnly() ? "" : " typed");
        }
        choosePaper(d, step->choose, step->turned);
        return step->ok ? 1 : 0;
    };
    play(
        [&](Print_Wnd& p) {
            for (; step != std::end(steps); ++step) {
                SCOPED_TRACE(step - steps);
                p.pagesetup();
                EXPECT_EQ(opened, step->opens + edges);
                EXPECT_EQ(p.Paper_id->text(), step->paper);
                EXPECT_EQ(p.Size_id->text(), step->size);
                EXPECT_EQ(p.l_mar_id->text(), "4.23");
            }
            p.PrintButtonPressed();
        },
        panel);
    ASSERT_TRUE(cups.waitForJobs()) << cups.log().toStdString();
    // The job went out on A5 (turned by the print system, on its upright
    // sheet).
    const QByteArray ps = fileBytes(cups.outputOf("ZelkPS"));
    EXPECT_TRUE(ps.contains("%%PageBoundingBox: 0 0 420 595")) << ps.left(600).toStdString();
}

namespace {

class PrintCommandTest : public MainWindowTest {
protected:
    CupsServer cups;
};

}  // namespace

TEST_F(PrintCommandTest, NoPrinterFoundThenTheWindowOverTheDesign) {
    ASSERT_TRUE(cups.running()) << cups.log().toStdString();
    SKTWindowController& w = open();
    PrintCommand::install(w);
    w.actionNamed("Print_Button")->trigger();
    EXPECT_EQ(sink.shown, QStringList{"No printer found."});

    ASSERT_TRUE(cups.addQueue("ZelkPS", GenericPostScript));
    bool opened = false;
    ScopedDialogRunner runner([&](QDialog* d) {
        auto* window = qobject_cast<Print_Wnd*>(d);
        opened = window && !window->front_image.isNull();
        return 0;
    });
    w.actionNamed("Print_Button")->trigger();
    EXPECT_TRUE(opened);
}

// The print window's controls: opening, the data check boxes and the range,
// fit to frame, orientation and page setup, alignment, and the profiles'
// round trip and refusals (those that need no printer).
#include "PrintWindowFixture.h"

#include "dialogs/ScreenFit.h"
#include "production/PrintProfileFile.h"
#include "TinyDisk.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

using namespace zelk;
using namespace zelk::test;

namespace {

// The 26 strings of a profile file, as Python's plistlib reads them.
QStringList plistStrings(const QString& path) {
    const ToolResult r = runTool(debianPython(), {"-c",
                                                  "import plistlib,sys\n"
                                                  "a = plistlib.load(open(sys.argv[1], 'rb'))\n"
                                                  "assert all(isinstance(s, str) for s in a)\n"
                                                  "print('\\x1f'.join(a))",
                                                  path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QString::fromUtf8(r.out).chopped(1).split(QChar(0x1f));
}

}  // namespace

TEST_F(PrintWindowTest, OpensForTheDesignsSides) {
    for (const char* sides : {"1", "2"}) {
        CARD_SIDE_STR = QString::fromLatin1(sides);
        play([&](Print_Wnd& p) {
            const bool two = CARD_SIDE_STR == QLatin1String("2");
            EXPECT_EQ(p.card_side_str, two ? "BOTH" : "F");
            EXPECT_EQ(p.matrix_card_side->button(0)->isEnabled(), two);
            EXPECT_EQ(p.matrix_card_side->button(2)->isEnabled(), two);
            // The card is the design's 100 x 60 points.
            EXPECT_NEAR(p.width_Stepper->value(), 35.28, 0.01);
            EXPECT_NEAR(p.height_Stepper->value(), 21.17, 0.01);
        });
    }
}

TEST_F(PrintWindowTest, DataCheckBoxesSetTheTotalAndTheRange) {
    batch.Use_Data_Sheet_Values = true;
    batch.Total_Batch_Excel_Card = 12;
    play([](Print_Wnd& p) {
        EXPECT_TRUE(p.print_with_batch_chk->isChecked());
        EXPECT_EQ(p.Total_Stepper->value(), 12);
        EXPECT_EQ(p.To_Stepper->value(), 12);
        for (QSpinBox* box : {p.Total_Stepper, p.To_Stepper, p.from_Stepper})
            EXPECT_EQ(box->maximum(), 12);

        // Off in a window of 2 x 4 cards: the total is the sheet, All, up to 999999.
        p.Row_Stepper->setValue(2);
        p.Col_Stepper->setValue(4);
        p.Sel_print_rd->click();
        p.print_with_batch_chk->click();
        EXPECT_EQ(p.Total_Stepper->value(), 8);
        EXPECT_EQ(p.Total_Stepper->maximum(), 999999);
        EXPECT_TRUE(p.All_print_rd->isChecked());
        EXPECT_TRUE(p.Total_Stepper->isEnabled());
        EXPECT_FALSE(p.from_Stepper->isEnabled());
    });
}

TEST_F(PrintWindowTest, VisitorModeKeepsDataOff) {
    Start_Card_Option = QStringLiteral("V");
    batch.Use_Excel_Binding_Values = true;
    batch.Total_Batch_Excel_Card = 5;
    play([](Print_Wnd& p) {
        EXPECT_FALSE(p.print_with_excel_chk->isEnabled());
        EXPECT_FALSE(p.print_with_excel_chk->isChecked());
    });
}

TEST_F(PrintWindowTest, FitToFrameForcesOneCellAndGivesTheTypedLayoutBack) {
    play([](Print_Wnd& p) {
        p.Row_Stepper->setValue(3);
        p.Col_Stepper->setValue(2);
        p.horz_mar_Stepper->setValue(4);
        p.fit_frame_chk->click();
        EXPECT_EQ(p.Row_Stepper->value(), 1);
        EXPECT_EQ(p.Col_Stepper->value(), 1);
        EXPECT_EQ(p.horz_mar_Stepper->value(), 0.0);
        EXPECT_FALSE(p.Row_Stepper->isEnabled());
        // The cell is the printable area (no printer: the whole A4 paper of
        // Qt's 595 x 842 points).
        EXPECT_EQ(label_width, 595.0f);
        // The bottom-right button: alignment 9 and its selected picture.
        p.align_btns[8]->click();
        EXPECT_EQ(label_align_val, 9);
        EXPECT_TRUE(p.align_btns[8]->property("selectedImage").toBool());
        p.fit_frame_chk->click();
        EXPECT_EQ(p.Row_Stepper->value(), 3);
        EXPECT_EQ(p.Col_Stepper->value(), 2);
        EXPECT_EQ(p.horz_mar_Stepper->value(), 4.0);
        EXPECT_EQ(Print_Row * Print_Col, 6);
    });
}

TEST_F(PrintWindowTest, ThePaperShowsTheMillimetresItIsDefinedIn) {
    // Not its size in whole points: Qt's A4 of 595 x 842 points would read
    // 209.90 x 297.04.
    const struct {
        QPageSize::PageSizeId paper;
        const char* portrait;
        const char* landscape;
    } cases[] = {
        {QPageSize::A4, "210.00 x 297.00", "297.00 x 210.00"},      // ISO 216
        {QPageSize::A6, "105.00 x 148.00", "148.00 x 105.00"},      // ISO 216
        {QPageSize::Letter, "215.90 x 279.40", "279.40 x 215.90"},  // 8.5 x 11 in
    };
    play([&](Print_Wnd& p) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.portrait);
            printInfo.setPageSize(QPageSize(c.paper));
            for (const int orientation : {0, 1}) {
                p.Orient_ComboBox->setCurrentIndex(orientation);
                emit p.Orient_ComboBox->activated(orientation);
                EXPECT_EQ(p.Size_id->text(), orientation == 0 ? c.portrait : c.landscape);
            }
        }
    });
}

TEST_F(PrintWindowTest, PreviewOfSixtySheetsOffersFifty) {
    int offered = -1;
    play(
        [](Print_Wnd& p) {
            p.Total_Stepper->setValue(60);
            p.PreviewButtonPressed();
        },
        [&](QDialog* d) {
            if (auto* preview = d->findChild<QPrintPreviewWidget*>()) {
                preview->updatePreview();
                offered = preview->pageCount();
            }
            return 0;
        });
    EXPECT_EQ(offered, 50);
    EXPECT_EQ(sink.shown.filter("only first 50 sheets").size(), 1);
}

TEST_F(PrintWindowTest, PreviewOpensOverMostOfTheScreen) {
    QSize opens, room;
    play([](Print_Wnd& p) { p.PreviewButtonPressed(); },
         [&](QDialog* d) {
             if (qobject_cast<QPrintPreviewDialog*>(d)) {
                 opens = d->testAttribute(Qt::WA_Resized) ? d->size() : d->sizeHint();
                 room = roomOnScreen(d);
             }
             return 0;
         });
    ASSERT_TRUE(room.isValid());
    EXPECT_GE(opens.width(), room.width() * 0.85);
    EXPECT_GE(opens.height(), room.height() * 0.85);
    EXPECT_LE(opens.width(), room.width());
    EXPECT_LE(opens.height(), room.height());
}

TEST_F(PrintWindowTest, ProfileRoundTrip) {
    play([&](Print_Wnd& p) {
        ASSERT_EQ(p.ListData_profile, QStringList{"Default"});
        p.Row_Stepper->setValue(2);
        p.horz_mar_Stepper->setValue(3.5);
        p.align_btns[4]->click();
        p.print_alignment->setCurrentIndex(2);
        emit p.print_alignment->activated(2);
        p.mirror_chk_box->click();
        p.mirror_matrix->button(1)->click();
        p.crop_mark_chk->click();
        p.Show_Margins->click();
        ASSERT_TRUE(p.Save_Print_Profile("Mine", ""));
        EXPECT_EQ(sink.shown.last(), "Print Profile has been saved successfully.");

        const QStringList f = plistStrings(PrintProfileFile::pathOf(print_profile_path, "Mine"));
        ASSERT_EQ(f.size(), 26);
        EXPECT_EQ(f.mid(6, 5), QStringList({"2", "1", "3.50", "0.00", "0.00"}));
        EXPECT_EQ(f.mid(15, 11), QStringList({"5", "N", "BOTH", "2", "Y", "FV", "N", "N", "N", "Y", "N"}));

        // Listed by name ignoring case; Default first loaded, then Mine again.
        ASSERT_EQ(p.ListData_profile, QStringList({"Default", "Mine"}));
        EXPECT_EQ(p.Row_Stepper->value(), 1);
        EXPECT_EQ(Print_Card_Algn, "UD");
        p.Make_select_on_index(1);
        EXPECT_EQ(p.Row_Stepper->value(), 2);
        EXPECT_EQ(p.horz_mar_Stepper->value(), 3.5);
        EXPECT_EQ(label_align_val, 5);
        EXPECT_EQ(Print_Card_Algn, "L");
        EXPECT_TRUE(Mirror_Image_Create && Mirror_Vertical_Not_Horz && Enable_Crop_Marks);
        EXPECT_FALSE(Show_margin_rect);
        EXPECT_EQ(p.Paper_id->text(), printInfo.paperName());
    });
}

TEST_F(PrintWindowTest, ProfileValuesOutOfTheirRangeAreBounded) {
    // Saved with both sides and the fifth arrangement, 0 rows, alignment 42,
    // series on; loaded for a one-sided design that uses no series.
    QStringList f = {"Nope", "A4", "", "210.00", "297.00", "Portrait", "0", "-2", "0", "0", "0", "0", "0", "0", "0",
                     "42", "N", "BOTH", "4", "N", "FH", "Y", "Y", "N", "N", "N"};
    ASSERT_TRUE(PrintProfileFile::write(PrintProfileFile::pathOf(print_profile_path, "Odd"), f));
    // Files whose extension is not exactly "zkd" are not profiles; the list
    // goes by name, ignoring case.
    writeBytes(PrintProfileFile::pathOf(print_profile_path, "Upper").replace(".zkd", ".ZKD"), "x");
    ASSERT_TRUE(QFile::copy(PrintProfileFile::pathOf(print_profile_path, "Default"),
                            PrintProfileFile::pathOf(print_profile_path, "apple")));
    CARD_SIDE_STR = QStringLiteral("1");
    play([](Print_Wnd& p) {
        ASSERT_EQ(p.ListData_profile, QStringList({"apple", "Default", "Odd"}));
        p.Make_select_on_index(2);
        EXPECT_EQ(p.card_side_str, "F");
        EXPECT_EQ(p.print_alignment_one_side->currentIndex(), 1);
        EXPECT_EQ(Print_One_Card_Algn, "D");
        EXPECT_EQ(Print_Row, 1);
        EXPECT_EQ(Print_Col, 1);
        EXPECT_EQ(label_align_val, 1);
        EXPECT_FALSE(p.print_with_batch_chk->isChecked());
        // A printer that is not installed leaves the current one.
        EXPECT_EQ(printInfo.printerName(), "");
    });
}

TEST_F(PrintWindowTest, FailedProfileWriteIsReportedNotPraised) {
    play([&](Print_Wnd& p) {
        // The profile folder is a device: nothing can be written under it.
        const QString folder = print_profile_path;
        print_profile_path = QStringLiteral("/dev/full");
        sink.shown.clear();
        EXPECT_FALSE(p.Save_Print_Profile("Mine", ""));
        print_profile_path = folder;
        ASSERT_EQ(sink.shown.size(), 1);
        EXPECT_TRUE(sink.shown.first().startsWith("The print profile \"Mine\" could not be saved: "));

        // A full disk is named as such.
        TinyDisk disk;
        ASSERT_TRUE(disk.mounted) << "cannot mount a small tmpfs: " << strerror(errno);
        QFile filler(disk.dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        filler.write(QByteArray(128 * 1024, 'x'));
        filler.close();
        print_profile_path = disk.dir.path();
        sink.shown.clear();
        EXPECT_FALSE(p.Save_Print_Profile("Mine", ""));
        print_profile_path = folder;
        ASSERT_EQ(sink.shown.size(), 1);
        EXPECT_TRUE(sink.shown.first().startsWith("The print profile \"Mine\" could not be saved: "));
        EXPECT_TRUE(sink.shown.first().contains("The disk is full: ")) << qPrintable(sink.shown.first());
        EXPECT_EQ(QDir(disk.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
    });
}

TEST(PrintProfileName, RefusalsAfterCleaning) {
    struct Case {
        const char* typed;
        const char* refusal;
        const char* name;  // the file name it gives
    } cases[] = {
        {" Default ", "default", ""},
        {"DEFAULT", "default", ""},
        {"Default/", "default", ""},
        {"  \t", "Please enter profile name.", ""},
        {"//", "Please enter profile name.", ""},
        {"Card/Sheet", "", "Card_Sheet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString refusal = PrintProfileFile::nameRefusal(c.typed);
        if (QLatin1String(c.refusal) == QLatin1String("default"))
            EXPECT_EQ(refusal, PrintProfileFile::defaultNameMessage);
        else
            EXPECT_EQ(refusal, c.refusal);
        if (refusal.isEmpty()) {
            EXPECT_EQ(PrintProfileFile::cleanName(c.typed), c.name);
        }
    }
}

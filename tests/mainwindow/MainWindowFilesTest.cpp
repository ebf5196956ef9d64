// The main window's design files, batch backup and helpers.
#include "DesignFileTestSupport.h"
#include "MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/IndexedPicture.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/InspectorPanels.h"
#include "inspector/TextPanel.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QDateTime>
#include <QLocale>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>

namespace zelk::test {
namespace {

class MainWindowFilesTest : public MainWindowTest {
protected:
    QString path(const QString& name) const { return QDir(data.path()).filePath(name); }
};

TEST_F(MainWindowFilesTest, SaveThenOpenGivesTheSameDesign) {
    SKTWindowController& w = open();
    const QString picture = writePictureFile(QDir(data.path()), "face.png", 0xff336699);
    w.applyDesignContents(makeFullDesign(picture), true);
    const DesignContents before = w.currentDesignContents();
    ASSERT_EQ(before.frontGraphics.size(), allGraphicKinds().size());
    ASSERT_EQ(before.excelRows.size(), 2);

    nextSavePath = path("staff");  // the extension is added
    ASSERT_EQ(w.Save_project_file(false, true, "L"), 1);
    EXPECT_EQ(Project_File_Name, path("staff.did"));
    EXPECT_EQ(sink.shown, QStringList{"Design saved successfully."});
    EXPECT_TRUE(w.windowTitle().contains("staff.did - ")) << qPrintable(w.windowTitle());
    EXPECT_FALSE(w.isDesignChanged());

    // Saving again writes to the same file without asking.
    nextSavePath = path("not asked.did");
    sink.shown.clear();
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    EXPECT_TRUE(sink.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(nextSavePath));

    w.New_Project();
    ASSERT_EQ(w.Get_Front_Control_Count(), 0);
    ASSERT_EQ(w.Read_and_load_design_Log_NEW_METHOD(path("staff.did"), "L", true), 1);
    expectSameDesign(before, w.currentDesignContents());
    EXPECT_EQ(Project_File_Name, path("staff.did"));
    EXPECT_FALSE(w.isDesignChanged());
    // The canvases show the loaded arrays.
    EXPECT_EQ(&w._graphicView->graphics(), &w.Get_Front_Controls_Array());
    EXPECT_EQ(w._graphicView->graphics().size(), before.frontGraphics.size());
    EXPECT_EQ(Card_Front_Or_Back, 0);
}

TEST_F(MainWindowFilesTest, APastedPictureIsThereAfterSaveAndReopen) {
    SKTWindowController& w = open();
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 90));
    auto* mime = new QMimeData();
    mime->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(mime);
    w._graphicView->paste();
    ASSERT_EQ(w.Get_Front_Control_Count(), 1);

    nextSavePath = path("pasted.did");
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    w.New_Project();
    ASSERT_EQ(w.Read_and_load_design_Log_NEW_METHOD(path("pasted.did"), "L", true), 1);
    ASSERT_EQ(w.Get_Front_Control_Count(), 1);
    const SKTGraphic& g = *w.Get_Front_Controls_Array().first();
    EXPECT_TRUE(g._file_path.startsWith(data.filePath("user/Images_save_by_user/"))) << qPrintable(g._file_path);
    ASSERT_EQ(g._contents.size(), picture.size());
    EXPECT_EQ(g._contents.pixel(20, 10), picture.pixel(20, 10));
}

TEST_F(MainWindowFilesTest, TemplateSavesNoTableAndLoadsUntitled) {
    SKTWindowController& w = open();
    w.applyDesignContents(makeFullDesign(QString()), true);
    Project_File_Name = path("design.did");
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);

    // Saved as a template at a chosen path: the design keeps its own file.
    nextSavePath = path("template.did");
    ASSERT_EQ(w.Save_project_file(true, false, "T"), 1);
    EXPECT_EQ(Project_File_Name, path("design.did"));

    ASSERT_EQ(w.Read_and_load_design_Log_NEW_METHOD(path("template.did"), "T", true), 1);
    EXPECT_EQ(Project_File_Name, QString());
    EXPECT_TRUE(Data_From_Excel_Window->ListData.isEmpty());
    EXPECT_EQ(w.Get_Front_Control_Count(), allGraphicKinds().size());

    // So the next save asks for a path instead of overwriting the template.
    const QByteArray templateBytes = fileBytes(path("template.did"));
    nextSavePath = path("from template.did");
    w.toolPalette()->selectTool(zelk::TextTool);
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    EXPECT_EQ(Project_File_Name, path("from template.did"));
    EXPECT_EQ(fileBytes(path("template.did")), templateBytes);
}

TEST_F(MainWindowFilesTest, TurningAnUntouchedTemplateDesignLoadsItsOtherOrientation) {
    SKTWindowController& w = open();
    // One design in two orientations: one graphic in landscape, two in portrait.
    for (const int graphics : {1, 2}) {
        DesignContents d;
        d.Front_card_Prop.Card_Size = graphics == 1 ? QSizeF(243, 153) : QSizeF(153, 243);
        for (int i = 0; i < graphics; ++i)
            d.frontGraphics << makeGraphic(GraphicKind::Shape);
        d.frontGraphics.last()->setBounds(QRectF(10, 20, 30, 40));
        ASSERT_TRUE(DesignFile::writeDesignFile(path(graphics == 1 ? "B_L.did" : "B_P.did"), d, "T").ok);
    }
    ASSERT_EQ(w.Read_and_load_design_Log_NEW_METHOD(path("B_L.did"), "T", true), 1);
    w.SetDocumentCanvasSize(QSizeF(153, 243));
    w.Card_Control_Size_Change_or_not();
    EXPECT_EQ(w.Get_Front_Control_Count(), 2);
    // Once touched, the graphics follow the card instead.
    w.toolPalette()->selectTool(zelk::LineTool);
    w.SetDocumentCanvasSize(QSizeF(306, 486));
    w.Card_Control_Size_Change_or_not();
    EXPECT_EQ(w.Get_Front_Controls_Array().last()->bounds(), QRectF(20, 40, 60, 80));
    EXPECT_EQ(w.Front_card_Prop.Card_Size, QSizeF(306, 486));
}

TEST_F(MainWindowFilesTest, VisitorAndGroupStepsRunAroundTheirDesignFiles) {
    SKTWindowController& w = open();
    QStringList ran;
    const SKTWindowController::DesignModeSteps steps{
        [&](SKTWindowController&, const DesignContents& c) { ran << "loaded " + c.Excel_Source_Path; },
        [&](SKTWindowController&) { ran << (Excel_Source_Path = Start_Card_Option); },
        {}};
    w.setDesignModeSteps("V", steps);
    w.setDesignModeSteps("G", steps);
    for (const QString mode : {"L", "V", "G"}) {
        Start_Card_Option = mode;
        Project_File_Name = path(mode + ".did");
        ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
        ASSERT_EQ(w.Read_and_load_design_Log_NEW_METHOD(Project_File_Name, "L", true), 1);
    }
    EXPECT_EQ(ran, (QStringList{"V", "loaded V", "G", "loaded G"}));
}

TEST_F(MainWindowFilesTest, CorruptFilesLeaveTheDesignOnScreen) {
    SKTWindowController& w = open();
    w.toolPalette()->selectTool(zelk::CircleTool);
    Project_File_Name = path("mine.did");
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    w.toolPalette()->selectTool(zelk::RectangleTool);
    const GraphicList shown = w.Get_Front_Controls_Array();
    ASSERT_EQ(shown.size(), 2);

    const QByteArray good = fileBytes(path("mine.did"));
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        // The reader's refusals are tested with the design file; here only
        // that the window keeps its design.
        {"truncated", good.left(good.size() / 2)},
        {"wrong magic", QByteArray(good).replace("VEDAREZEDUZER", "VEDAREZEDUZEX")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path("bad.did"), c.bytes);
        sink.shown.clear();
        EXPECT_EQ(w.Read_and_load_design_Log_NEW_METHOD(path("bad.did"), "L", true), 0);
        EXPECT_EQ(sink.shown, QStringList{"File is corrupt and cannot be opened."});
        EXPECT_EQ(w.Get_Front_Controls_Array(), shown);
        EXPECT_EQ(&w._graphicView->graphics(), &w.Get_Front_Controls_Array());
        EXPECT_EQ(Project_File_Name, path("mine.did"));
        EXPECT_TRUE(w.isDesignChanged());
    }
}

TEST_F(MainWindowFilesTest, AFailedSaveReportsItAndKeepsTheEarlierFile) {
    SKTWindowController& w = open();
    w.toolPalette()->selectTool(zelk::CircleTool);
    Project_File_Name = path("kept.did");
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    const QByteArray earlier = fileBytes(path("kept.did"));
    for (int i = 0; i < 20; ++i)
        w.toolPalette()->selectTool(zelk::CircleTool);

    const QRegularExpression failure(QStringLiteral("^\\d+ -- .+"), QRegularExpression::DotMatchesEverythingOption);
    {
        FileSizeLimit limit(earlier.size() + 16);
        sink.shown.clear();
        EXPECT_EQ(w.Save_project_file(false, true, "L"), 0);
    }
    ASSERT_EQ(sink.shown.size(), 1);  // no success message after a failure
    EXPECT_TRUE(failure.match(sink.shown.first()).hasMatch()) << qPrintable(sink.shown.first());
    EXPECT_EQ(fileBytes(path("kept.did")), earlier);
    EXPECT_TRUE(w.isDesignChanged());

    // A path whose folder is a file: untitled stays untitled.
    writeBytes(path("plain"), "x");
    Project_File_Name.clear();
    nextSavePath = path("plain/design.did");
    sink.shown.clear();
    EXPECT_EQ(w.Save_project_file(false, true, "L"), 0);
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_TRUE(failure.match(sink.shown.first()).hasMatch()) << qPrintable(sink.shown.first());
    EXPECT_EQ(Project_File_Name, QString());
}

TEST_F(MainWindowFilesTest, OpenCommandAsksToSaveThenLoadsTheChosenFile) {
    SKTWindowController& w = open();
    w._graphicView->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 70, 20), "F", "Hello", "");
    Project_File_Name = path("one.did");
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    w.New_Project();
    w.toolPalette()->selectTool(zelk::LineTool);
    w.toolPalette()->selectTool(zelk::LineTool);

    nextOpenPath = path("one.did");
    sink.answers = {zelk::MessageAnswer::No};
    w.actionNamed("Open_Button")->trigger();
    EXPECT_EQ(sink.shown, QStringList{"Do you want to save changes before closing?"});
    ASSERT_EQ(w.Get_Front_Control_Count(), 1);
    EXPECT_TRUE(isExactlyText(w.Get_Front_Controls_Array().first().get()));
    EXPECT_EQ(Project_File_Name, path("one.did"));
}

// After a file window closes, chosen or cancelled, the main window has the
// keyboard on the canvas shown, wherever it was before: under some window
// managers it went nowhere.
TEST_F(MainWindowFilesTest, EachFileWindowLeavesTheKeyboardOnTheCanvas) {
    SKTWindowController& w = open();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Project_File_Name = path("one.did");
    ASSERT_EQ(w.Save_project_file(false, false, "L"), 1);
    const QString picture = writePictureFile(QDir(data.path()), "p.png", 0xff112233);
    const struct {
        const char* window;
        std::function<void()> run;
    } cases[] = {
        {"Open", [&] { nextOpenPath = path("one.did"); w.actionNamed("Open_Button")->trigger(); }},
        {"Open, cancelled", [&] { nextOpenPath.clear(); w.actionNamed("Open_Button")->trigger(); }},
        {"Save As, on the back", [&] { w.Select_back_side(); nextSavePath = path("two.did"); w.Save_As_Button_Clicked(); }},
        {"a picture's Browse", [&] { nextOpenPath = picture; w.Browse_User_Image_Manually(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        QLineEdit* name = w.inspector()->card->card_name;
        w.Show_RHS_Properties(nullptr);
        name->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), name);
        c.run();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &w);
        EXPECT_EQ(QApplication::focusWidget(), w.currentCanvas());
    }
}

// The Text tab takes the keyboard and the box is ticked there.
void tickInTextTab(SKTWindowController& w, QCheckBox* box) {
    w.inspector()->text->Text_value_Edit->setFocus();
    box->setEnabled(true);
    box->click();
}

// A text the text tool placed and nothing was typed into shows nothing: it
// is not saved, however its editing ends; where it ends on the canvas it
// goes with its step, so that one Undo takes its placing back. A text typed
// into is saved, also while it is being typed.
TEST_F(MainWindowFilesTest, ATextPlacedAndNeverTypedIntoIsNotSaved) {
    const struct {
        const char* then;
        std::function<void(SKTWindowController&)> act;
        QStringList saved;  // the texts of the front
        bool undoable;      // a step is left to undo
    } cases[] = {
        {"saved at once", [](SKTWindowController&) {}, {"Hello"}, false},
        {"Escape", [](SKTWindowController& w) { QTest::keyClick(w.currentCanvas()->editor(), Qt::Key_Escape); },
         {"Hello"}, false},
        {"a click beside the card",
         [](SKTWindowController& w) { QTest::mouseClick(w.currentCanvas(), Qt::LeftButton, {}, QPoint(5, 5)); },
         {"Hello"}, false},
        {"one Undo", [](SKTWindowController& w) { w.actionNamed("Undo_Button")->trigger(); }, {"Hello"}, false},
        // The Text tab may yet give it a text: it stays on the side.
        {"the keyboard on to the Text tab, its colour changed there",
         [](SKTWindowController& w) {
             w.inspector()->text->Text_value_Edit->setFocus();
             w.inspector()->text->Text_clr->setColor(Qt::red);
             w.Update_Text_Graphics();
         },
         {"Hello"}, true},
        {"the keyboard on to the Text tab, then another placed and typed into",
         [](SKTWindowController& w) {
             w.inspector()->text->Text_value_Edit->setFocus();
             w.actionNamed(QStringLiteral("tool_%1").arg(zelk::TextTool))->trigger();
             QTest::keyClicks(w.currentCanvas()->editor(), "K3");
         },
         {"K3", "Hello"}, true},
        {"typed into", [](SKTWindowController& w) { QTest::keyClicks(w.currentCanvas()->editor(), "K3"); },
         {"K3", "Hello"}, true},
        // Left blank, what the Text tab gives it shows on the card: it is saved.
        {"the keyboard on to the Text tab, Fill ticked there",
         [](SKTWindowController& w) { tickInTextTab(w, w.inspector()->text->Text_fill_chk); }, {"", "Hello"}, true},
        {"the keyboard on to the Text tab, Border ticked there",
         [](SKTWindowController& w) { tickInTextTab(w, w.inspector()->text->Text_border_chk); }, {"", "Hello"}, true},
        {"its Style tab clicked, Fill ticked there",
         [](SKTWindowController& w) {
             QTabBar* tabs = w.sett_tab->tabBar();
             for (int i = 0; i < tabs->count(); ++i)
                 if (tabs->tabText(i) == QLatin1String("Style"))
                     QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
             w.inspector()->text->Text_fill_chk->click();
         },
         {"", "Hello"}, true},
        {"the keyboard on to the Text tab, Shadow ticked there",
         [](SKTWindowController& w) { tickInTextTab(w, w.inspector()->text->draw_shadow_chkbox); }, {"", "Hello"},
         true},
        // Emptied, it shows nothing again, whatever was placed after it.
        {"typed into, another placed, the first emptied in the Text tab",
         [](SKTWindowController& w) {
             QTest::keyClicks(w.currentCanvas()->editor(), "K3");
             const std::shared_ptr<SKTGraphic> typed = w._graphicView->graphics().first();
             w.actionNamed(QStringLiteral("tool_%1").arg(zelk::TextTool))->trigger();
             w._graphicView->setSelectionIndexes({int(w._graphicView->graphics().indexOf(typed))});
             w._graphicView->setSelected_Graphic(typed);
             w.Show_RHS_Properties(typed.get());
             w.inspector()->text->Text_value_Edit->clear();
         },
         {"Hello"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.then);
        SKTWindowController& w = open();
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        w._graphicView->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 70, 20), "F", "Hello", "");
        w.startUndoHistory();
        w.actionNamed(QStringLiteral("tool_%1").arg(zelk::TextTool))->trigger();
        ASSERT_EQ(w.Get_Front_Control_Count(), 2);
        ASSERT_TRUE(w._graphicView->isEditing());
        c.act(w);
        Project_File_Name = path("placed.did");
        ASSERT_EQ(w.Save_project_file(false, false, "L"), 1) << sink.text();
        const DesignReadResult read = DesignFile::readDesignFile(path("placed.did"));
        ASSERT_TRUE(read.ok());
        QStringList texts;
        for (const auto& g : read.contents->frontGraphics)
            texts << g->Text_Value;
        EXPECT_EQ(texts, c.saved);
        EXPECT_EQ(w._graphicView->canUndo(), c.undoable);
        EXPECT_FALSE(w.isDesignChanged());
    }
}

TEST_F(MainWindowFilesTest, BatchBackupArchivesBothSidesAndPicksTheCurrentSide) {
    SKTWindowController& w = open();
    w.applyDesignContents(makeFullDesign(QString()), false);
    ASSERT_TRUE(w.Create_Design_Backup_Array());
    ASSERT_EQ(w.Graphics_array_Batch_Front_Bkup.size(), 1);
    ASSERT_EQ(w.Graphics_array_Batch_BAck_Bkup.size(), 1);
    EXPECT_EQ(w.Graphics_array_Batch_Front_Bkup.first().size(), w.Get_Front_Control_Count());
    EXPECT_EQ(w.Graphics_array_Batch_BAck_Bkup.first().size(), w.Get_Back_Control_Count());
    EXPECT_EQ(Card_Front_Or_Back, 0);

    Card_Value_In_Process = true;
    Card_Front_Or_Back = 1;
    w.Set_Graphic_Array_According_Side();
    EXPECT_FALSE(Card_Value_In_Process);
    EXPECT_EQ(w.Graphics_array_Batch, w.Get_Back_Controls_Array());
}

TEST_F(MainWindowFilesTest, PicturesOnlyFromReadableFiles) {
    SKTWindowController& w = open();
    const QString png = writePictureFile(QDir(data.path()), "ok.png", 0xff112233);
    writeBytes(path("text.png"), "not a picture");
    EXPECT_FALSE(w.Get_Image_For_Path(png, false).isNull());
    EXPECT_FALSE(w.Get_Image_For_Path(png, true).isNull());
    for (const QString& bad : {path("text.png"), path("missing.png"), QString(), data.path()}) {
        EXPECT_TRUE(w.Get_Image_For_Path(bad, false).isNull()) << qPrintable(bad);
        EXPECT_TRUE(w.Get_Image_For_Path(bad, true).isNull()) << qPrintable(bad);
    }
}

TEST_F(MainWindowFilesTest, SavedPicturesAreEncodedByExtension) {
    SKTWindowController& w = open();
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int x = 20; x < 40; ++x)
        for (int y = 0; y < 30; ++y)
            image.setPixel(x, y, qRgb(200, 0, 0));

    const struct {
        const char* name;
        QByteArray head;
        QByteArray readerFormat;
    } cases[] = {
        {"card.jpg", "\xFF\xD8\xFF", "jpeg"},
        {"card.JPEG", "\xFF\xD8\xFF", "jpeg"},
        {"card.png", "\x89PNG", "png"},
        {"card.bmp", "BM", "bmp"},
        {"card.tiff", "", "tiff"},
        {"card.PDF", "%PDF", ""},
        {"card.Eps", "%!PS-Adobe-3.0 EPSF-3.0", ""},
    };
    // Barcode pictures come with a colour table (one bit here): every format keeps their colours.
    for (const auto& c : cases) {
        for (const QImage& picture : {image, zelk::IndexedPicture::compact(image)}) {
            SCOPED_TRACE(std::string(c.name) + (picture.depth() == 1 ? " 1 bit" : ""));
            const QString file = path(c.name);
            writeBytes(file, "old contents");
            ASSERT_TRUE(w.Save_gen_image(picture, file));
            const QByteArray bytes = fileBytes(file);
            EXPECT_TRUE(bytes.startsWith(c.head));
            if (!QByteArray(c.readerFormat).isEmpty()) {
                QImageReader reader(file);
                EXPECT_EQ(reader.format(), c.readerFormat);
                const QImage back = reader.read();
                EXPECT_EQ(back.size(), image.size());
                EXPECT_GT(qRed(back.pixel(30, 5)), 180);
                EXPECT_LT(qGreen(back.pixel(30, 5)), 40);
                if (c.readerFormat == "jpeg" || c.readerFormat == "bmp") {
                    // Clear pixels become white paper in formats without alpha.
                    EXPECT_GT(qRed(back.pixel(2, 2)), 240);
                    EXPECT_GT(qGreen(back.pixel(2, 2)), 240);
                } else {
                    EXPECT_EQ(qAlpha(back.pixel(2, 2)), 0);
                }
            }
        }
    }
    // Nothing can be written: reported, and no file appears.
    EXPECT_FALSE(w.Save_gen_image(image, path("missing folder/card.jpg")));
    EXPECT_FALSE(w.Save_gen_image(QImage(), path("null.png")));
    EXPECT_FALSE(QFileInfo::exists(path("null.png")));
}

TEST_F(MainWindowFilesTest, PathHelpers) {
    SKTWindowController& w = open();
    // Resources named by another install's path are found in ours.
    const QString ours = Resource_Path;
    const QString hatch = QDir(ours).filePath("Fill_Style_Image/Cross.png");
    ASSERT_TRUE(QFileInfo::exists(hatch));
    const QString elsewhere = "/opt/old/share/" + QFileInfo(ours).fileName() + "/Fill_Style_Image/Cross.png";
    const struct {
        QString in;
        QString out;
    } relocations[] = {
        {elsewhere, hatch},
        {hatch, hatch},
        {"/home/me/photo.png", "/home/me/photo.png"},
        {"/opt/old/share/" + QFileInfo(ours).fileName() + "/Fill_Style_Image/none.png",
         "/opt/old/share/" + QFileInfo(ours).fileName() + "/Fill_Style_Image/none.png"},
        {"", ""},
    };
    for (const auto& r : relocations)
        EXPECT_EQ(w.Check_Path_For_App_Resources(r.in), r.out) << qPrintable(r.in);

    EXPECT_EQ(w.Convert_Path_From_URL("file:///tmp/a%20b/c.png"), "/tmp/a b/c.png");
    EXPECT_EQ(w.Convert_Path_From_URL("/tmp/plain.png"), "/tmp/plain.png");

    writeBytes(path("there.txt"), "x");
    sink.shown.clear();
    EXPECT_EQ(w.Check_And_Validate_File_Path("  " + path("there.txt") + " \n"), 0);
    EXPECT_TRUE(sink.shown.isEmpty());
    for (const QString& bad : {QString(), QString("   "), path("absent.txt")})
        EXPECT_EQ(w.Check_And_Validate_File_Path(bad), 1);
    EXPECT_EQ(sink.shown, QStringList(3, "Please select valid file path."));

    // The series of the data folder.
    writeBytes(QDir(Data_Folder_Path).filePath("Names.txt"), "Ana\n");
    writeBytes(QDir(Data_Folder_Path).filePath("Other.csv"), "x\n");
    EXPECT_EQ(w.Get_datasheet_File_Name_Array(), QStringList{"Names"});

}

TEST_F(MainWindowFilesTest, DeletingExcelColumnsKeepsTheRowNumberColumnAndRows) {
    SKTWindowController& w = open();
    w.applyDesignContents(makeFullDesign(QString()), true);
    ASSERT_EQ(Data_From_Excel_Window->ColList().size(), 3);
    w.Delete_Excel_File_Column();
    EXPECT_EQ(Data_From_Excel_Window->ColList().size(), 1);
    EXPECT_EQ(Data_From_Excel_Window->ListData.size(), 2);
}

}  // namespace
}  // namespace zelk::test

namespace zelk::test {
namespace {

TEST_F(MainWindowFilesTest, DatePatternsOfTheTextPanels) {
    SKTWindowController& w = open();
    const QDateTime before = QDateTime::currentDateTime();
    const struct {
        const char* pattern;
        QString qtFormat;  // the same fields in Qt's format
    } cases[] = {
        {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"yyyy-MM-dd", "yyyy-MM-dd"},
        {"d MMM yy", "d MMM yy"},
        {"EEEE, MMMM d, y", "dddd, MMMM d, yyyy"},
        {"EEE", "ddd"},
        {"HH:mm:ss", "HH:mm:ss"},
        {"'Issued' dd.MM.yyyy", "'Issued' dd.MM.yyyy"},
    };
    for (const auto& c : cases) {
        const QString got = w.Get_date_Value(QString::fromLatin1(c.pattern));
        const QString expected = QLocale::system().toString(before, c.qtFormat);
        // The clock may tick between the two readings only across a second.
        if (got != expected) {
            EXPECT_EQ(got, QLocale::system().toString(QDateTime::currentDateTime(), c.qtFormat)) << c.pattern;
        }
    }
    // 12-hour clock with the AM/PM mark.
    const QString twelve = w.Get_time_Value("hh:mm a");
    EXPECT_TRUE(QRegularExpression("^(0[1-9]|1[0-2]):[0-5][0-9] \\S+$").match(twelve).hasMatch())
        << qPrintable(twelve);
}

TEST_F(MainWindowFilesTest, FolderListingsAndFilters) {
    SKTWindowController& w = open();
    const QDir root(path("gallery"));
    ASSERT_TRUE(QDir().mkpath(root.filePath("Corporate/Blue")));
    ASSERT_TRUE(QDir().mkpath(root.filePath("User")));
    writeBytes(root.filePath("a.did"), "x");
    writeBytes(root.filePath("a.png"), "x");
    writeBytes(root.filePath("b.DID"), "x");
    writeBytes(root.filePath("notes.v2.txt"), "x");

    QStringList folders = w.Get_Folder_Array_At_Path(root.path());
    folders.sort();
    EXPECT_EQ(folders, (QStringList{"Corporate", "User"}));
    QStringList all = w.Get_Folders_And_Sub_Folder_Array_At_Path(root.path());
    all.sort();
    EXPECT_EQ(all, (QStringList{"Corporate", "Corporate/Blue", "User"}));
    QStringList files = w.Get_Files_Array_At_Path(root.path(), true);
    files.sort();
    EXPECT_EQ(files, (QStringList{"a", "a", "b", "notes.v2"}));
    for (const QString& missing : {path("none")}) {
        EXPECT_TRUE(w.Get_Folder_Array_At_Path(missing).isEmpty());
        EXPECT_TRUE(w.Get_Folders_And_Sub_Folder_Array_At_Path(missing).isEmpty());
    }

    // Only design files stay; the extension must be exactly "did".
    w.Filter_Non_Log_Files_At_Path(root.path());
    files = w.Get_Files_Array_At_Path(root.path(), false);
    EXPECT_EQ(files, QStringList{"a.did"});
    EXPECT_TRUE(QFileInfo(root.filePath("Corporate/Blue")).isDir());
}

TEST_F(MainWindowFilesTest, SeriesInUseAndSeriesCombo) {
    SKTWindowController& w = open();
    writeBytes(QDir(Data_Folder_Path).filePath("Names.txt"), "Ana\n");
    writeBytes(QDir(Data_Folder_Path).filePath("Cities.txt"), "Oslo\n");
    w.toolPalette()->selectTool(zelk::RectangleTool);  // a shape never takes values
    w.Get_Front_Controls_Array().first()->Set_Data_source_type(1);
    w.Get_Front_Controls_Array().first()->Set_Batch_List_Name("Names");
    EXPECT_FALSE(w.Check_Batch_File_In_Use_Validation("Names"));

    w.Select_back_side();
    w.toolPalette()->selectTool(zelk::TextTool);
    w.Get_Back_Controls_Array().first()->Set_Data_source_type(1);
    w.Get_Back_Controls_Array().first()->Set_Batch_List_Name("Names");
    EXPECT_TRUE(w.Check_Batch_File_In_Use_Validation("Names"));
    EXPECT_FALSE(w.Check_Batch_File_In_Use_Validation("names"));
    EXPECT_FALSE(w.Check_Batch_File_In_Use_Validation("Cities"));
    CARD_SIDE_STR = "1";  // the back of a one-sided card does not count
    EXPECT_FALSE(w.Check_Batch_File_In_Use_Validation("Names"));

    QComboBox combo;
    combo.addItems({"x", "NAMES"});
    combo.setCurrentIndex(1);
    w.Refresh_Data_Set_File_Name_In_Combo(&combo, QString());
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.currentText(), "Names");
    w.Refresh_Data_Set_File_Name_In_Combo(&combo, "cities");
    EXPECT_EQ(combo.currentText(), "Cities");
}

}  // namespace
}  // namespace zelk::test

// The main window's shell: start-up, canvases and sides, commands, and the
// close and exit questions.
#include "MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTZoomingScrollView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "mainwindow/AppGlobals.h"

#include <QAction>
#include <QGuiApplication>
#include <QProcess>
#include <QDir>
#include <QFileInfo>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

using zelk::MessageAnswer;

namespace zelk::test {
namespace {

TEST_F(MainWindowTest, StartsWithThreeCanvasesOnOneDocumentAndTheDataFolderTree) {
    SKTWindowController& w = open();
    ASSERT_TRUE(w.resourcesReachable());
    EXPECT_TRUE(sink.shown.isEmpty()) << qPrintable(sink.shown.join('|'));
    EXPECT_EQ(quitRequests, 0);
    EXPECT_EQ(Main_App_wnd, &w);
    EXPECT_EQ(zelk::modelHost(), &w);

    const struct {
        SKTGraphicView* canvas;
        int side;
        GraphicList* array;
    } canvases[] = {
        {w._graphicView, SKTDocument::FrontSide, &w.document()->graphics},
        {w._graphicView_BACK, SKTDocument::BackSide, &w.document()->graphics_back},
        {w._graphicView_TEMP, SKTDocument::TempSide, &w.document()->graphics_temp},
    };
    for (const auto& c : canvases) {
        EXPECT_EQ(c.canvas->document(), w.document());
        EXPECT_EQ(c.canvas->boundSide(), c.side);
        // The canvas edits the document's own array, not a copy.
        EXPECT_EQ(&c.canvas->mutableGraphics(), c.array);
        EXPECT_EQ(c.canvas->host(), static_cast<CanvasHost*>(&w));
        EXPECT_DOUBLE_EQ(c.canvas->scaleFactor(), 1.0);
    }
    EXPECT_EQ(&w.Get_Front_Controls_Array(), &w.document()->graphics);
    EXPECT_EQ(&w.Get_Back_Controls_Array(), &w.document()->graphics_back);

    for (const QString& folder : zelk::AppPaths::dataFolderTree())
        EXPECT_TRUE(QFileInfo(QDir(Created_Resource_Path).filePath(folder)).isDir()) << qPrintable(folder);
    EXPECT_EQ(Data_Folder_Path, QDir(data.filePath("user")).filePath("DataSet"));

    EXPECT_FALSE(w.isDesignChanged());
    // An ID-1 card, 85.60 x 53.98 mm, on every canvas.
    EXPECT_NEAR(w._graphicView->canvasSize().width(), 85.60 * 2.834645669291, 1e-9);
    EXPECT_EQ(w._graphicView_BACK->canvasSize(), w._graphicView->canvasSize());
    EXPECT_EQ(w.Front_card_Prop.Card_Size, w._graphicView->canvasSize());
    // The inspector shows the card side's four tabs.
    EXPECT_EQ(w.sett_tab->count(), 4);
}

TEST_F(MainWindowTest, UnreachableResourcesSayItAndQuit) {
    window = std::make_unique<SKTWindowController>(SKTWindowController::Roots{
        data.filePath(QStringLiteral("no such resources")), data.filePath(QStringLiteral("user"))});
    EXPECT_FALSE(window->resourcesReachable());
    EXPECT_EQ(sink.shown, QStringList{"Can not access Data file."});
    EXPECT_EQ(quitRequests, 1);
    // Closing the window then asks nothing more.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(sink.shown.size(), 1);
}

TEST_F(MainWindowTest, SidesSwitchCanvasAndToolsDrawOnTheCurrentSide) {
    SKTWindowController& w = open();
    w.Select_back_side();
    EXPECT_EQ(Card_Front_Or_Back, 1);
    EXPECT_EQ(w.myTargetView->currentWidget(), w.second_view);
    EXPECT_EQ(w.currentCanvas(), w._graphicView_BACK);
    EXPECT_TRUE(w.back_side_btn->isChecked());

    // Choosing a tool creates its graphic on the side shown.
    w.toolPalette()->selectTool(zelk::RectangleTool);
    ASSERT_EQ(w.Get_Back_Control_Count(), 1);
    EXPECT_EQ(w.Get_Front_Control_Count(), 0);
    EXPECT_EQ(w.Get_Selected_Graphic(), w.Get_Back_Controls_Array().first());
    EXPECT_EQ(w.toolPalette()->Selected_Control_Tool(), zelk::ArrowTool);

    // The temp side previews the same objects.
    w.Temp_Design_Control_Assign();
    const GraphicList temp = w.Get_Temp_Controls_Array();
    ASSERT_EQ(temp.size(), 1);
    EXPECT_EQ(temp.first(), w.Get_Back_Controls_Array().first());

    w.Select_front_side();
    EXPECT_EQ(Card_Front_Or_Back, 0);
    EXPECT_EQ(w.myTargetView->currentWidget(), w.first_view);
    EXPECT_EQ(w.Get_Selected_Graphic(), nullptr);
    w.toolPalette()->selectTool(zelk::TextTool);
    EXPECT_EQ(w.Get_Front_Control_Count(), 1);
    EXPECT_EQ(w.Get_Back_Control_Count(), 1);
    EXPECT_TRUE(w.isDesignChanged());

    // Set_Selected_Graphic sets the canvas's graphic, not its selection.
    w._graphicView->Clear_Control_Selection();
    w.Set_Selected_Graphic(w.Get_Front_Controls_Array().first());
    EXPECT_EQ(w.Get_Selected_Graphic(), w.Get_Front_Controls_Array().first());
    EXPECT_TRUE(w._graphicView->selectionIndexes().isEmpty());
}

TEST_F(MainWindowTest, UndoRedoAndTabsFollowTheSideShown) {
    SKTWindowController& w = open();
    QAction* undo = w.actionNamed(QStringLiteral("Undo_Button"));
    QAction* redo = w.actionNamed(QStringLiteral("Redo_Button"));
    auto enabled = [&] { return std::pair{undo->isEnabled(), redo->isEnabled()}; };
    EXPECT_EQ(enabled(), std::pair(false, false));
    w.toolPalette()->selectTool(zelk::CircleTool);  // stays selected on the front
    w.toolPalette()->selectTool(zelk::LineTool);
    undo->trigger();
    EXPECT_EQ(enabled(), std::pair(true, true));
    w.Select_back_side();
    w.setLive_mode_list_value_change(true);  // a group-list fill records nothing
    w.Insert_In_Undo_Redo();
    EXPECT_EQ(enabled(), std::pair(false, false));
    w.Select_front_side();
    EXPECT_EQ(enabled(), std::pair(true, true));
    EXPECT_EQ(w.sett_tab->tabText(0), QStringLiteral("Card"));  // the card's tabs, whatever was selected
}

TEST_F(MainWindowTest, TheTitleNamesTheApplicationOnce) {
    // Qt adds the display name (set by main()) to a title not ending with it.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zelk ID Card"));
    SKTWindowController& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Untitled - Zelk ID Card"));
    QGuiApplication::setApplicationDisplayName(QString());
}

TEST(RunScript, WithoutADisplaySaysADesktopIsNeededBeforeBuilding) {
    QProcess run;
    run.start("env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", "bash",
                      ZELK_SOURCE_DIR "/scripts/run.sh"});
    ASSERT_TRUE(run.waitForFinished(20000));
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_TRUE(run.readAllStandardError().contains("needs a desktop session"));
}

TEST_F(MainWindowTest, CanvasSizeAndZoomReachAllThreeCanvases) {
    SKTWindowController& w = open();
    w.SetDocumentCanvasSize(QSizeF(300, 200));
    for (SKTGraphicView* c : {w._graphicView, w._graphicView_BACK, w._graphicView_TEMP})
        EXPECT_EQ(c->canvasSize(), QSizeF(300, 200));
    EXPECT_EQ(w.document()->documentSize(), QSizeF(300, 200));
    for (SKTZoomingScrollView* v : {w.first_view, w.second_view, w.temp_design_view})
        v->setScaleFactor(2.0);
    w.Set_Canvas_to_100_percent();
    for (SKTGraphicView* c : {w._graphicView, w._graphicView_BACK, w._graphicView_TEMP})
        EXPECT_DOUBLE_EQ(c->scaleFactor(), 1.0);
}

// Exit: the save question when the design changed, then "really exit".
TEST_F(MainWindowTest, ExitAsksToSaveThenToExit) {
    const QString saveQ = QStringLiteral("Do you want to save changes before closing?");
    const QString exitQ = QStringLiteral("\nDo you really want to exit?");
    const struct {
        const char* name;
        bool changed;
        std::deque<MessageAnswer> answers;
        QStringList asked;
        bool quits;
        bool saved;
    } cases[] = {
        {"yes saves, then exits", true, {MessageAnswer::Yes, MessageAnswer::Yes}, {saveQ, exitQ}, true, true},
        {"no goes on unsaved", true, {MessageAnswer::No, MessageAnswer::Yes}, {saveQ, exitQ}, true, false},
        {"cancel stays", true, {MessageAnswer::Cancel}, {saveQ}, false, false},
        {"no to exiting stays", true, {MessageAnswer::No, MessageAnswer::No}, {saveQ, exitQ}, false, false},
        {"unchanged: only the exit question", false, {MessageAnswer::Yes}, {exitQ}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        quitRequests = 0;
        SKTWindowController& w = open();
        if (c.changed)
            w.toolPalette()->selectTool(zelk::LineTool);
        nextSavePath = QDir(data.path()).filePath(QStringLiteral("exit %1.did").arg(c.name));
        sink.shown.clear();
        sink.answers = c.answers;
        EXPECT_EQ(w.Exit_Application(), c.quits);
        EXPECT_EQ(sink.shown, c.asked);
        EXPECT_EQ(quitRequests, c.quits ? 1 : 0);
        EXPECT_EQ(QFileInfo::exists(nextSavePath), c.saved);
        EXPECT_EQ(Project_File_Name, c.saved ? nextSavePath : QString());
    }
}

TEST_F(MainWindowTest, ClosingTheWindowWithChangesAsksAndCancelKeepsItOpen) {
    SKTWindowController& w = open();
    w.show();
    w.toolPalette()->selectTool(zelk::CircleTool);
    sink.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(quitRequests, 0);
    sink.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(quitRequests, 1);
}

TEST_F(MainWindowTest, CloseAsksToSaveAndLeavesAnEmptyNewDesign) {
    SKTWindowController& w = open();
    w.toolPalette()->selectTool(zelk::CircleTool);
    w.Select_back_side();
    w.toolPalette()->selectTool(zelk::ImageTool);

    sink.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(w.Close_Project());
    EXPECT_EQ(w.Get_Front_Control_Count(), 1);
    EXPECT_EQ(w.Get_Back_Control_Count(), 1);

    sink.shown.clear();
    sink.answers = {MessageAnswer::No};
    Measument_Unit_Is = 0;  // the user's unit belongs to the run, not the design
    Project_File_Name = data.filePath("old.did");
    EXPECT_TRUE(w.Close_Project());
    EXPECT_EQ(Measument_Unit_Is, 0);
    EXPECT_EQ(Project_File_Name, QString());
    EXPECT_EQ(sink.shown, QStringList{"Do you want to save changes before closing?"});
    EXPECT_EQ(w.Get_Front_Control_Count(), 0);
    EXPECT_EQ(w.Get_Back_Control_Count(), 0);
    EXPECT_EQ(Card_Front_Or_Back, 0);
    EXPECT_FALSE(w._graphicView->canUndo());
    EXPECT_FALSE(w.isDesignChanged());
    EXPECT_EQ(quitRequests, 0);
}

TEST_F(MainWindowTest, SaveCancelledInThePanelKeepsTheDesignOpen) {
    SKTWindowController& w = open();
    w.toolPalette()->selectTool(zelk::CircleTool);
    nextSavePath.clear();  // the user cancels the save panel
    sink.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(w.Close_Project());
    EXPECT_EQ(w.Get_Front_Control_Count(), 1);
}

}  // namespace
}  // namespace zelk::test

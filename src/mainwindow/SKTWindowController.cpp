#include "mainwindow/SKTWindowController.h"

#include "mainwindow/DesignFile.h"
#include "mainwindow/Export_Template.h"

#include "canvas/NewControlPoint.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "canvas/SKTZoomingScrollView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Send_Modeless.h"
#include "dialogs/Services.h"
#include "dialogs/WheelNeedsKeyboard.h"
#include "foundation/AppPaths.h"
#include "foundation/BarcodeSettings.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/UserPictureFolder.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/BarcodeProducer.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// An ID-1 card (ISO/IEC 7810): 85.60 x 53.98 mm, landscape.
constexpr double CardWidthMm = 85.60;
constexpr double CardHeightMm = 53.98;

QImage resourceImage(const QString& name) {
    return QImage(QDir(Resource_Path).filePath(name));
}

}  // namespace

// ---------------------------------------------------------------- construction

SKTWindowController::SKTWindowController(const Roots& roots, QWidget* parent)
    : QMainWindow(parent) {
    if (roots.resourceRoot.isEmpty() && roots.dataRoot.isEmpty())
        zelk::AppPaths::init();
    else
        zelk::AppPaths::initWithRoots(roots.resourceRoot, roots.dataRoot);

    zelk::resetAppGlobals();
    // Rolling the wheel through the inspector or any panel scrolls it.
    zelk::installWheelNeedsKeyboard();
    App_Name = QString::fromLatin1(zelk::AppPaths::applicationName);
    Camera_Folder_Path = zelk::UserPictureFolder::path();
    Camera_Capture_Image = QDir(Camera_Folder_Path).filePath(QStringLiteral("zelk_user_save.png"));

    // Default fonts: the application's font family, for texts and barcode captions.
    Text_Ctrl_Font = QApplication::font().family();
    zelk::setDefaultTextFontFamily(Text_Ctrl_Font);

    Allowd_Image_fileTypes = {QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("jpe"),
                              QStringLiteral("jfif"), QStringLiteral("gif"),  QStringLiteral("bmp"),
                              QStringLiteral("png"),  QStringLiteral("tif"),  QStringLiteral("tiff")};
    NO_Image_Path = QDir(Resource_Path).filePath(QStringLiteral("no.png"));
    Err_image = resourceImage(QStringLiteral("pic_err.png"));
    no_image_ctrl_GP = resourceImage(QStringLiteral("pic_ic.png"));
    banner_image = resourceImage(QStringLiteral("banner.png"));
    promotion_pattern_image = resourceImage(QStringLiteral("pattern_1.jpg"));
    // A live view without a camera shows the same picture as an image
    // graphic without a file.
    no_camera_image = resourceImage(QStringLiteral("no.png"));

    document_ = new SKTDocument(this);
    grid_ = new SKTGrid(this);
    connect(grid_, &SKTGrid::alwaysShownChanged, this, [this](bool shown) {
        if (Align_with_grid_btn)
            Align_with_grid_btn->setEnabled(shown);
    });
    tools_ = new zelk::ToolPalette(this);
    newPoints_ = std::make_unique<zelk::NewControlPoint>();

    for (User_Profile_Class* profile : {&Front_user_profile, &Back_user_profile, &TEMP_user_profile})
        profile->Reset_All_Values();
    controlRectFromTemplate = [this](const QString& ctrl_ID, const QString& ctrl_Value) {
        return Get_Control_Rect_From_Template(ctrl_ID, ctrl_Value);
    };

    Main_App_wnd = this;
    zelk::setModelHost(this);

    buildLayout();
    buildCommands();
    awakeFromNib();
}

SKTWindowController::~SKTWindowController() {
    // A batch export still running is stopped first: it reads this window's
    // sheet and may be waiting for a question on it.
    endExportRun();
    // The canvases use this window as their host and share its tool palette
    // and placement memory: they go first, while all of that still exists.
    delete takeCentralWidget();
    if (zelk::modelHost() == this)
        zelk::setModelHost(nullptr);
    if (Main_App_wnd == this)
        Main_App_wnd = nullptr;
}

void SKTWindowController::quitApplication() {
    zelk::Services::current()->quit();
}

void SKTWindowController::awakeFromNib() {
    const QFileInfo resources(Resource_Path);
    resourcesReachable_ = !Resource_Path.isEmpty() && resources.isDir() && resources.isReadable();
    if (!resourcesReachable_) {
        Show_MessageBox(QStringLiteral("Can not access Data file."));
        quitApplication();
        return;
    }
    Check_Path_And_Create_Files();
    Get_Email_Details();

    zelk::setHatchPatternFolder(QDir(Resource_Path).filePath(QStringLiteral("Fill_Style_Image")));
    buildInspector();

    // The property tabs leave the inspector; Show_RHS_Properties puts back
    // those of the graphic shown.
    Show_RHS_Properties(nullptr);
    buildVisitorPanes();
    bindCanvases();
    New_Project();
}

void SKTWindowController::bindCanvases() {
    _graphicView->bindToDocument(document_, SKTDocument::FrontSide);
    _graphicView_BACK->bindToDocument(document_, SKTDocument::BackSide);
    _graphicView_TEMP->bindToDocument(document_, SKTDocument::TempSide);
}

// ---------------------------------------------------------------- layout

void SKTWindowController::buildLayout() {
    setWindowTitle(App_Name);
    // Maximizing gives the canvas more; the first start opens within the screen.
    resize(QSize(1280, 820).boundedTo(zelk::roomOnScreen(this)));

    auto makeCanvas = [this](SKTZoomingScrollView*& scroll, const QString& name) {
        auto* canvas = new SKTGraphicView;
        canvas->setObjectName(name);
        canvas->setHost(this);
        canvas->setGrid(grid_);
        canvas->setToolPalette(tools_);
        canvas->setNewControlPoint(newPoints_.get());
        scroll = new SKTZoomingScrollView;
        scroll->setDocumentView(canvas);
        return canvas;
    };
    _graphicView = makeCanvas(first_view, QStringLiteral("front_canvas"));
    _graphicView_BACK = makeCanvas(second_view, QStringLiteral("back_canvas"));
    _graphicView_TEMP = makeCanvas(temp_design_view, QStringLiteral("temp_canvas"));

    myTargetView = new QStackedWidget;
    myTargetView->addWidget(first_view);
    myTargetView->addWidget(second_view);
    myTargetView->addWidget(temp_design_view);

    // The inspector: the tab view, below the header its panels add.
    sett_column = new QWidget;
    sett_column->setObjectName(QStringLiteral("sett_column"));
    auto* column = new QVBoxLayout(sett_column);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    sett_tab = new QTabWidget;
    sett_tab->setObjectName(QStringLiteral("sett_tab"));
    sett_tab->setMinimumWidth(340);
    // A click on a tab takes the keyboard into the inspector, as one on its
    // fields does: a text placed blank on the canvas stays for its panels.
    sett_tab->tabBar()->setFocusPolicy(Qt::StrongFocus);
    column->addWidget(sett_tab, 1);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(myTargetView);
    splitter->addWidget(sett_column);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);
    statusBar();
}

QAction* SKTWindowController::actionNamed(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void SKTWindowController::buildCommands() {
    auto command = [this](const QString& name, const QString& text, auto slot,
                          QKeySequence shortcut = {}) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    using W = SKTWindowController;
    QAction* newAct = command("New_Button", tr("New"), &W::New_Button_Clicked, QKeySequence::New);
    QAction* openAct = command("Open_Button", tr("Open..."), &W::Open_Button_Clicked, QKeySequence::Open);
    QAction* saveAct = command("Save_Button", tr("Save"), &W::Save_Button_Clicked, QKeySequence::Save);
    QAction* saveAsAct =
        command("Save_As_Button", tr("Save As..."), &W::Save_As_Button_Clicked, QKeySequence::SaveAs);
    QAction* closeAct = command("Close_Button", tr("Close"), &W::Close_Button_Clicked, QKeySequence::Close);
    QAction* exportAct = command("Export_Button", tr("Export..."), &W::Export_Button);
    // Printing connects the command when the application starts (PrintCommand).
    auto* printAct = new QAction(tr("Print..."), this);
    printAct->setObjectName(QStringLiteral("Print_Button"));
    printAct->setShortcut(QKeySequence::Print);
    QAction* mailAct = command("Mail_Button", tr("Mail..."), &W::Mail_Button);
    QAction* seriesAct = command("Batch_Series_Button", tr("Data Series..."), &W::Batch_Series_Button);
    QAction* importAct = command("Import_Wizard_Button", tr("Import Series..."), &W::Import_Wizard_Button);
    QAction* createSeriesAct =
        command("Create_Series_Button", tr("Create Series..."), &W::Create_Series_Button);
    QAction* profileAct =
        command("User_Profile_Button", tr("Card Holder Profile..."), &W::User_Profile_Button_Clicked);
    QAction* cropAct = command("Cropping_Tool_Button", tr("Cropping Tool..."), &W::Cropping_Tool_Clicked);
    QAction* visitorLogAct = command("View_Vistor_Record", tr("Visitor Records..."), &W::View_Vistor_Record);
    QAction* helpAct = command("Help_Button", tr("Help"), &W::Help_Button_Clicked, QKeySequence::HelpContents);
    QAction* supportAct = command("Help_Support_Button", tr("Help and Support..."), &W::Help_Support_Clicked);
    QAction* mailPromoAct = command("Zelk_SMS_Prmotion", tr("About Card Mailing..."), &W::Zelk_SMS_Prmotion);
    QAction* visitorPromoAct =
        command("Zelk_Recovery_Prmotion", tr("About the Visitor Desk..."), &W::Zelk_Recovery_Prmotion);
    QAction* barcodePromoAct =
        command("Zelk_Barcode_Prmotion", tr("About the Barcode Designer..."), &W::Zelk_Barcode_Prmotion);
    QAction* exitAct = command("Exit_Button", tr("Exit"), &W::Exit_Button_Clicked, QKeySequence::Quit);
    QAction* exportTemplateAct =
        command("Export_As_Template_Button", tr("Export as Template..."), &W::Export_As_Template_Button_Clicked);

    auto canvasCommand = [this](const QString& name, const QString& text, void (SKTGraphicView::*op)(),
                                QKeySequence shortcut) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, op] { (currentCanvas()->*op)(); });
        return action;
    };
    QAction* undoAct = undoAction_ = new QAction(tr("Undo"), this);
    undoAct->setObjectName(QStringLiteral("Undo_Button"));
    undoAct->setShortcut(QKeySequence::Undo);
    connect(undoAct, &QAction::triggered, this, [this] { currentCanvas()->undo(); });
    QAction* redoAct = redoAction_ = new QAction(tr("Redo"), this);
    redoAct->setObjectName(QStringLiteral("Redo_Button"));
    redoAct->setShortcut(QKeySequence::Redo);
    connect(redoAct, &QAction::triggered, this, [this] { currentCanvas()->redo(); });
    // Undo and Redo follow the history of the side shown.
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK})
        connect(canvas, &SKTGraphicView::undoStateChanged, this, [this, canvas] {
            if (canvas == currentCanvas())
                refreshUndoRedo();
        });
    QAction* cutAct = canvasCommand("Cut_Button", tr("Cut"), &SKTGraphicView::cut, QKeySequence::Cut);
    QAction* copyAct = canvasCommand("Copy_Button", tr("Copy"), &SKTGraphicView::copy, QKeySequence::Copy);
    QAction* pasteAct = canvasCommand("Paste_Button", tr("Paste"), &SKTGraphicView::paste, QKeySequence::Paste);
    QAction* deleteAct = canvasCommand("Delete_Button", tr("Delete"), &SKTGraphicView::deleteSelectedGraphics,
                                       QKeySequence::Delete);
    QAction* selectAllAct =
        canvasCommand("Select_All_Button", tr("Select All"), &SKTGraphicView::selectAll, QKeySequence::SelectAll);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({newAct, openAct});
    file->addSeparator();
    file->addActions({saveAct, saveAsAct, closeAct});
    file->addSeparator();
    file->addActions({exportAct, exportTemplateAct, printAct, mailAct});
    file->addSeparator();
    file->addAction(exitAct);
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({undoAct, redoAct});
    edit->addSeparator();
    edit->addActions({cutAct, copyAct, pasteAct, deleteAct, selectAllAct});
    QMenu* data = menuBar()->addMenu(tr("&Data"));
    data->addActions({profileAct, seriesAct, importAct, createSeriesAct});
    QMenu* toolsMenu = menuBar()->addMenu(tr("&Tools"));
    toolsMenu->addActions({cropAct, visitorLogAct});
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addActions({helpAct, supportAct});
    help->addSeparator();
    help->addActions({mailPromoAct, visitorPromoAct, barcodePromoAct});

    // Commands.
    QToolBar* bar = addToolBar(tr("Commands"));
    bar->setObjectName(QStringLiteral("command_toolbar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({newAct, openAct, saveAct, closeAct});
    bar->addSeparator();
    bar->addActions({undoAct, redoAct});
    bar->addSeparator();
    bar->addActions({exportAct, printAct, mailAct});
    bar->addSeparator();
    bar->addActions({profileAct, seriesAct, cropAct});
    bar->addSeparator();
    bar->addActions({helpAct, exitAct});
    Set_Help_Toolbar_Item_Size();

    // Sides and zoom.
    addToolBarBreak();
    QToolBar* sides = addToolBar(tr("Card"));
    sides->setObjectName(QStringLiteral("card_toolbar"));
    sides->setMovable(false);
    auto sideButton = [sides](const QString& text) {
        auto* button = new QToolButton;
        button->setText(text);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        sides->addWidget(button);
        return button;
    };
    front_side_btn = sideButton(tr("Front"));
    back_side_btn = sideButton(tr("Back"));
    connect(front_side_btn, &QToolButton::clicked, this, &W::Select_front_side);
    connect(back_side_btn, &QToolButton::clicked, this, &W::Select_back_side);
    copy_card_design_btn = new QToolButton;
    copy_card_design_btn->setObjectName(QStringLiteral("copy_card_design_btn"));
    copy_card_design_btn->setToolTip(tr("Copies the design of the side shown to the other side"));
    sides->addWidget(copy_card_design_btn);
    connect(copy_card_design_btn, &QToolButton::clicked, this, &W::Copy_Card_Design_Clicked);
    sides->addSeparator();
    sides->addWidget(new QLabel(tr(" Zoom ")));
    zoom_popup = new QComboBox;
    zoom_popup->setObjectName(QStringLiteral("zoom_popup"));
    for (double level : SKTGraphicView::zoomLevels())
        zoom_popup->addItem(QStringLiteral("%1%").arg(qRound(level * 100)), level);
    sides->addWidget(zoom_popup);
    connect(zoom_popup, &QComboBox::activated, this, [this](int index) {
        const double level = zoom_popup->itemData(index).toDouble();
        for (SKTZoomingScrollView* view : {first_view, second_view, temp_design_view})
            view->setScaleFactor(level);
    });
    sides->addSeparator();

    // Drawing tools: choosing one posts SKTSelectedToolDidChange, and the
    // current side's canvas creates a graphic of that tool's kind.
    struct Tool {
        int kind;
        const char* text;
    };
    const Tool toolList[] = {
        {zelk::ArrowTool, "Arrow"},       {zelk::TextTool, "Text"},
        {zelk::ImageTool, "Image"},       {zelk::BarcodeTool, "Barcode"},
        {zelk::LineTool, "Line"},         {zelk::RectangleTool, "Rectangle"},
        {zelk::RoundedRectangleTool, "Rounded"}, {zelk::CircleTool, "Circle"},
        {zelk::TriangleTool, "Triangle"}, {zelk::DiamondTool, "Diamond"},
        {zelk::StarTool, "Star"},         {zelk::DoubleStarTool, "Double Star"},
        {zelk::PolygonTool, "Polygon"},   {zelk::SignatureTool, "Signature"},
    };
    auto* toolGroup = new QActionGroup(this);
    toolGroup->setExclusive(true);
    for (const Tool& t : toolList) {
        auto* action = sides->addAction(tr(t.text));
        action->setObjectName(QStringLiteral("tool_%1").arg(t.kind));
        action->setCheckable(true);
        action->setChecked(t.kind == tools_->Selected_Control_Tool());
        toolGroup->addAction(action);
        const int kind = t.kind;
        connect(action, &QAction::triggered, this, [this, kind] { tools_->selectTool(kind); });
    }
    connect(tools_, &zelk::ToolPalette::SKTSelectedToolDidChange, this, [this](int tool) {
        const std::optional<zelk::GraphicKind> kind = zelk::graphicKindForTool(tool);
        if (kind) {
            SKTGraphicView* canvas = currentCanvas();
            canvas->createGraphicOfClass(*kind, false, QRectF(),
                                         ::Card_Front_Or_Back == 0 ? CardSide::FrontName : CardSide::BackName,
                                         QString(), QString());
            // The inspector follows the new graphic, so the panel's edits
            // reach it rather than the graphic shown before.
            Show_RHS_Properties(canvas->Selected_Graphic().get());
        }
        // The canvas goes back to the arrow once the graphic is placed.
        if (QAction* current = actionNamed(QStringLiteral("tool_%1").arg(tools_->Selected_Control_Tool())))
            current->setChecked(true);
    });
}

// ---------------------------------------------------------------- new, close, exit

void SKTWindowController::New_Project() {
    Not_Draw_Only_Prop_Change = true;
    zelk::resetDesignGlobals();
    Check_Path_And_Create_Files();

    Front_card_Prop = Card_Property(CardSide::FrontName);
    Back_card_Prop = Card_Property(CardSide::BackName);
    const QSizeF card(::MM_to_Points_Convert(CardWidthMm), ::MM_to_Points_Convert(CardHeightMm));
    for (Card_Property* p : {&Front_card_Prop, &Back_card_Prop}) {
        p->Card_Size = card;
        p->Card_Side = ::CARD_SIDE_STR;
        p->Card_Create_Mode = ::Start_Card_Option;
    }

    New_Project_Setting_Reset(true);
    Graphics_array_Batch_Front_Bkup.clear();
    Graphics_array_Batch_BAck_Bkup.clear();
    Graphics_array_Batch.clear();
    groupRowShown_ = -1;
    Clear_Delete_Excel_table_rows();
    // No line may stand for a row of the project before.
    Create_Group_List_By_Excel_List();
    Delete_Excel_File_Column();

    document_->graphics.clear();
    document_->graphics_back.clear();
    document_->graphics_temp.clear();
    startedFromTemplate_.clear();
    newPoints_->reset();
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK, _graphicView_TEMP}) {
        canvas->Clear_Control_Selection();
        canvas->resetUndoHistory();
    }
    SetDocumentCanvasSize(card);
    Set_Canvas_to_100_percent();
    Select_front_side();
    Not_Draw_Only_Prop_Change = false;
    // The card tabs show the new design's card (they were only laid out
    // while the design was being set up).
    Show_RHS_Properties(nullptr);
    Set_Log_Name_In_Title();
    markDesignSaved();
}

void SKTWindowController::New_Project_Setting_Reset(bool full) {
    if (full) {
        ::Fill_User_Profile = false;
        Front_user_profile.Reset_All_Values();
        Back_user_profile.Reset_All_Values();
        // A new design starts without the captions of the one before, as
        // the first design of a session does.
        Front_user_profile.clearCaptions();
        Back_user_profile.clearCaptions();
    }
    Library_Selected_Image_Path.clear();
    ::Invite_Frame_IMG.clear();
    ::Invite_Frame_Pic_IMG.clear();
    dynamic_ctrl_list_front.clear();
    dynamic_ctrl_list_back.clear();
    Reset_Group_Mode_Excel_Col_Index();
}

bool SKTWindowController::Ask_Save_Changes() {
    if (!isDesignChanged())
        return true;
    switch (Show_YES_NO_Cancel_MessageBox(QStringLiteral("Do you want to save changes before closing?"))) {
    case 1000:
        return Save_project_file(false, false, StartMode::DesignFile) == 1;
    case 1001:
        return true;
    default:
        return false;
    }
}

bool SKTWindowController::Close_Project() {
    if (!Ask_Save_Changes())
        return false;
    // Closing returns to the start chooser, which begins a new project.
    if (const auto services = zelk::Services::current(); services->startChooser)
        services->startChooser();
    else
        New_Project();
    return true;
}

bool SKTWindowController::Exit_Application() {
    if (exiting_)
        return true;
    if (!Ask_Save_Changes())
        return false;
    if (Show_YES_NO_MessageBox(QStringLiteral("\nDo you really want to exit?")) != 1)
        return false;
    exiting_ = true;
    quitApplication();
    return true;
}

void SKTWindowController::closeEvent(QCloseEvent* event) {
    // A batch export keeps the window: closing asks to stop the run.
    if (!exiting_ && exportRunning()) {
        event->ignore();
        if (send_modls_wnd)
            send_modls_wnd->Stop_Sending_Pressed();
        return;
    }
    if (exiting_ || !resourcesReachable_ || Exit_Application())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- commands

void SKTWindowController::Show_Not_Available(const QString& command) {
    Show_MessageBox(QStringLiteral("%1 is not available yet.").arg(command));
}

void SKTWindowController::New_Button_Clicked() { Close_Project(); }

void SKTWindowController::Save_Button_Clicked() { Save_project_file(false, true, StartMode::DesignFile); }

void SKTWindowController::Save_As_Button_Clicked() { Save_project_file(true, true, StartMode::DesignFile); }

void SKTWindowController::Close_Button_Clicked() { Close_Project(); }
void SKTWindowController::Export_As_Template_Button_Clicked() {
    Export_Template::Export_As_Template_Clicked(currentDesignContents());
}



void SKTWindowController::Help_Button_Clicked() { Open_Help_File(); }

void SKTWindowController::Exit_Button_Clicked() { Exit_Application(); }

// ---------------------------------------------------------------- model and canvas host

QImage SKTWindowController::barcodeImage(SKTGraphic& graphic, const QString& value) {
    zelk::BarcodeProducer& producer = barcodeProducer_ ? *barcodeProducer_ : zelk::defaultBarcodeProducer();
    QImage picture = producer.produceBarcode(graphic, value, graphic.header_val, graphic.footer_val);
    if (!picture.isNull())
        Barcode_output_image = picture;
    return picture;
}

bool SKTWindowController::Fill_User_Profile() const { return ::Fill_User_Profile; }

int SKTWindowController::Card_Front_Or_Back() const { return ::Card_Front_Or_Back; }

zelk::MeasureUnit SKTWindowController::Measument_Unit_Is() const {
    return static_cast<zelk::MeasureUnit>(std::clamp(::Measument_Unit_Is, 0, 2));
}

QString SKTWindowController::Start_Card_Option() const { return ::Start_Card_Option; }

int SKTWindowController::Card_Shape() const { return ::Card_Shape; }

void SKTWindowController::restoreCardFace(int side, const Card_Property& face) {
    (side == CardSide::Back ? Back_card_Prop : Front_card_Prop).takeFaceOf(face);
}

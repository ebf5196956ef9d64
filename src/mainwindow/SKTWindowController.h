#pragma once
// The main window: the hub of the program. It owns the document with the
// three graphics arrays, the front, back and temp canvases, both sides'
// card properties and the inspector, and answers what the model and the
// canvases ask of it (ModelHost, CanvasHost).
//
// This is the one declaration of the hub, grouped by topic. Each topic's
// operations are defined in the folder of the subsystem they belong to
// (SKTWindowController_<Topic>.cpp); the window's own shell, files and
// helpers are in this folder.
#include "canvas/CanvasHost.h"
#include "foundation/Card_Property.h"
#include "foundation/ModelHost.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QMainWindow>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTabWidget;
class QThread;
class QToolButton;
class QWidget;
class Open_Export_Log;
class Send_Modeless;
class SKTDocument;
class SKTGraphic;
class SKTGraphicView;
class SKTGrid;
class SKTZoomingScrollView;

namespace zelk {
class BarcodeProducer;
class ExportBatchJob;
class ExportPicture;
class ExportWindow;
class NewControlPoint;
class ToolPalette;
struct DesignContents;
}  // namespace zelk

using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

class SKTWindowController : public QMainWindow, public zelk::ModelHost, public zelk::CanvasHost {
    Q_OBJECT
public:
    // ---- Construction and wake-up ----
    // Where the folders come from: empty roots take the installed resources
    // and the user's data folder (zelk::AppPaths::init); tests give their own.
    struct Roots {
        QString resourceRoot;
        QString dataRoot;
    };
    explicit SKTWindowController(const Roots& roots = {}, QWidget* parent = nullptr);
    ~SKTWindowController() override;
    // False when the resources folder could not be reached at start-up: the
    // window has asked the application to quit.
    bool resourcesReachable() const { return resourcesReachable_; }
    // The quit, the file panels, the opener of links and what follows the
    // closing of a design come from zelk::Services.
    // The producer of barcode pictures (not owned; nullptr: none).
    void setBarcodeProducer(zelk::BarcodeProducer* producer) { barcodeProducer_ = producer; }

    // ---- Fields other windows read ----
    SKTDocument* document() const { return document_; }
    SKTGraphicView* _graphicView = nullptr;       // front canvas
    SKTGraphicView* _graphicView_BACK = nullptr;  // back canvas
    SKTGraphicView* _graphicView_TEMP = nullptr;  // temp (preview) canvas
    Card_Property Front_card_Prop{QStringLiteral("F")};
    Card_Property Back_card_Prop{QStringLiteral("B")};
    QTabWidget* sett_tab = nullptr;               // the inspector
    QStringList Allowd_Image_fileTypes;
    QString NO_Image_Path;                        // resources "no.png"
    QImage Err_image;                             // "pic_err.png"
    QImage no_image_ctrl_GP;                      // "pic_ic.png"
    QImage banner_image;                          // "banner.png"
    QImage promotion_pattern_image;               // "pattern_1.jpg"
    QImage no_camera_image;                       // shown while no camera runs ("no.png")
    QString App_Name;
    QString Library_Selected_Image_Path;
    // The group column indexes excel_cb_value1 .. excel_cb_value12 (-1 none).
    std::array<int, 12> excel_cb_value{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    // The batch backup: one element each, the archives of the side's graphics.
    QList<QList<QByteArray>> Graphics_array_Batch_Front_Bkup;
    QList<QList<QByteArray>> Graphics_array_Batch_BAck_Bkup;
    // The graphics production fills (the current side's).
    GraphicList Graphics_array_Batch;

    // ---- New project, close and exit ----
    // A new empty design: default card, both sides empty, untitled; it runs
    // the full settings reset.
    void New_Project();
    // The per-design settings a new project starts without: the library
    // picture choice, the invitation frames and the group column indexes;
    // `full` also forgets that a card-holder profile was confirmed.
    void New_Project_Setting_Reset(bool full);
    // Asks "Do you want to save changes before closing?" when the design has
    // changed: true to go on (saved, or not wanted), false to stay.
    bool Ask_Save_Changes();
    // Close: the save question, then a new empty design. False when the
    // user stayed.
    bool Close_Project();
    // Exit: the save question, then "\nDo you really want to exit?". True
    // when the application was asked to quit.
    bool Exit_Application();
    // The design differs from the one last saved, opened or started.
    bool isDesignChanged() const;
    // The design on screen becomes the unchanged state (after a save, an
    // open or a completed start road).
    void markDesignSaved();

    // ---- Design file ----
    // Writes the design ("L") or a template ("T"); asks for a path when
    // save_as is set or the design is untitled. 1 when written.
    int Save_project_file(bool save_as, bool show_msg, const QString& log_or_template);
    // Loads a design file; the design on screen changes only on success.
    // "T" leaves the design untitled. 1 on success, 0 on failure.
    int Read_and_load_design_Log_NEW_METHOD(const QString& path, const QString& log_or_template,
                                            bool read_xl_from_log);
    // The design as a value, and a value put on screen.
    zelk::DesignContents currentDesignContents() const;
    void applyDesignContents(const zelk::DesignContents& contents, bool read_xl_from_log);
    // What the visitor ("V") and group ("G") modes add to the design file:
    // steps run after a design of that start mode has been loaded and put on
    // screen, and before a design in that mode is taken for saving. The
    // visitor and group topics install them at start.
    struct DesignModeSteps {
        std::function<void(SKTWindowController&, const zelk::DesignContents& loaded)> afterLoading;
        std::function<void(SKTWindowController&)> beforeSaving;
    };
    void setDesignModeSteps(const QString& startMode, DesignModeSteps steps);

    // ---- Batch preparation ----
    // Archives both sides for a batch run. False (reported, no backup) when a
    // graphic cannot be archived: the batch must not run.
    bool Set_Front_Back_Value_To_Print_Export_Mail();
    bool Create_Design_Backup_Array();
    void Set_Graphic_Array_According_Side();

    // ---- Export (src/production) ----
    // The export window (made when first used).
    zelk::ExportWindow* exportWindow();
    // The design on screen without data values: with show_msg, one file per
    // side named path + "_Front" / "_Back" (or one combined picture at the
    // path); without, the one side at the path itself.
    void Export_Single_File(const QString& path, bool show_msg);
    // Starts the batch export into the folder "Zelk ID Card" of `folder`
    // and returns; the progress sheet covers the window until it ends.
    void Export_Batch_File(const QString& folder);
    bool exportRunning() const { return exportThread_ != nullptr; }
    // Writes one exported file by the keep-or-replace rules, records it for
    // the after-export box and, with show_msg, offers that box. A failed
    // write is reported with its path and reason. True when written.
    bool Export_File_Function(const QString& path, const zelk::ExportPicture& image, bool show_msg,
                              bool skip_keep_replace_msg, bool increase_dpi);
    bool Export_Combined_Image(const zelk::ExportPicture& front, const zelk::ExportPicture& back,
                               const QString& path, bool show_msg);
    QString Check_Exist_Path_and_Create_New(const QString& path) const;
    QString Create_Front_Card_Path(const QString& path) const;
    QString Create_Back_Card_Path(const QString& path) const;
    void Set_Tot_Value(int value, int max, const QString& target);
    // The progress sheet over the main window.
    void Show_One_By_One_Modeless();
    void Hide_One_By_One_Modeless();
    Send_Modeless* send_modls_wnd = nullptr;

    // ---- Sides and canvases ----
    void Select_front_side();
    void Select_back_side();
    // The canvas of the current side.
    SKTGraphicView* currentCanvas() const;
    GraphicList& Get_Front_Controls_Array();
    GraphicList& Get_Back_Controls_Array();
    GraphicList Get_Temp_Controls_Array() const;
    int Get_Front_Control_Count() const;
    int Get_Back_Control_Count() const;
    std::shared_ptr<SKTGraphic> Get_Selected_Graphic() const;
    void Set_Selected_Graphic(const std::shared_ptr<SKTGraphic>& graphic);
    // The temp canvas shows the current side's graphics (the same objects).
    void Temp_Design_Control_Assign();
    void SetDocumentCanvasSize(const QSizeF& size);
    void Set_Canvas_to_100_percent();
    // Records an undo step of the current side (none while
    // live_mode_list_value_change is set) and refreshes Undo and Redo.
    void Insert_In_Undo_Redo();
    void selectArrowTool();
    QPointF Control_New_Point(const QString& card_side);
    // Where new graphics cascade from; a preview that places graphics saves
    // the point before and restores it after.
    zelk::NewControlPoint& newControlPoint() const { return *newPoints_; }
    void Refresh_Canvas();
    // Set while a group-list selection fills the card: edits then record no
    // undo step.
    void setLive_mode_list_value_change(bool on) { live_mode_list_value_change_ = on; }

    // ---- Card size ----
    // The preset's size in millimetres (category 0 plastic, else paper;
    // orientation "V" turns it); empty for an index outside the list.
    QSizeF Get_My_card_Size(int category, const QString& orientation, int index) const;
    // After the canvases took a new card size: an untouched new design from a
    // template with an orientation mark loads the template of the other
    // orientation; otherwise both sides' graphics move and scale with the
    // card, whose size the card properties then hold.
    void Card_Control_Size_Change_or_not();

    // ---- Foundation helpers ----
    double MM_to_Points_Convert(double mm) const;
    double Points_to_MM_Convert(double points) const;
    QString Convert_Path_From_URL(const QString& url) const;
    QStringList Get_datasheet_File_Name_Array() const;
    // 0 for a path to an existing file, else "Please select valid file path." and 1.
    int Check_And_Validate_File_Path(const QString& path) const;
    // Encodes by the path's extension in any case (zelk::CardFileEncoder:
    // raster files keep the picture's pixels, PDF and EPS a page of its size
    // in points); an old file is replaced only once the new one is whole.
    // False with the reason in *why, also when the format's plugin is missing.
    bool Save_gen_image(const QImage& image, const QString& path, QString* why = nullptr) const;
    void Set_Log_Name_In_Title();
    void Delete_Excel_File_Column();
    // Empties the workbook reader's working folder; failures are ignored.
    void Delete_Excel_File_Temp_Folder();
    // The picture size check of the open panels: no limit, always false.
    bool Image_Is_Over_Size(const QString& path, bool show_msg) const;
    // The current date and time in a date pattern of Unicode TR 35 ("dd/MM/yyyy",
    // "EEEE", "hh:mm a", quoted literals); the two names are one operation.
    QString Get_date_Value(const QString& pattern) const;
    QString Get_time_Value(const QString& pattern) const;
    // A series that exists and that a text, image or barcode of the front
    // (and of the back of a two-sided card) takes its values from.
    bool Check_Batch_File_In_Use_Validation(const QString& name) const;
    // The image graphic's Text_Value when the files at its _file_path and at
    // its Text_Value both exist, else "".
    QString Get_Original_Path_Of_Image_Control(const SKTGraphic& image) const;
    // Refills a series combo box and selects the series it showed, or
    // new_ser_name when given (names compared ignoring case).
    void Refresh_Data_Set_File_Name_In_Combo(QComboBox* combo, const QString& new_ser_name) const;
    // Sub-folders, sub-folders at any depth (relative paths) and plain files
    // of a folder; empty when it is missing.
    QStringList Get_Folder_Array_At_Path(const QString& path) const;
    QStringList Get_Folders_And_Sub_Folder_Array_At_Path(const QString& path) const;
    QStringList Get_Files_Array_At_Path(const QString& path, bool del_ext) const;
    // Deletes the plain files of the folder whose extension is not exactly "did".
    void Filter_Non_Log_Files_At_Path(const QString& path) const;
    QColor Convert_String_to_Color(const QString& text) const;
    void Set_Document_Size(const QSizeF& size);
    void SetFocus(QWidget* view) const;
    // Puts the card-holder photo (ID "Fup_Photo", the no-picture file) on the
    // front when the front has neither it nor a photo of the design. True
    // when one was placed.
    bool Check_For_Defalut_Photo_Control();
    // Where a profile graphic of the given ID lands on a new side (the
    // profile layout's rectangle); set by the profile topic. Empty: the
    // canvas places the graphic like any new one.
    std::function<QRectF(const QString& ctrl_ID, const QString& ctrl_Value)> controlRectFromTemplate;
    // The toolkit's version as one number; the cropping tool turns face
    // detection off below 1039.
    int Get_OS_Version() const;
    // A picture of its own (a deep copy, 32-bit ARGB) of a filter result.
    QImage NSImage_from_CIImage(const QImage& image) const;
    // Records Camera_Folder_Path in "idcardcampics.txt" of the data folder
    // (UTF-8, replaced atomically). False when it could not be written.
    bool Create_Camera_Path_File() const;
    // The camera folder recorded by Create_Camera_Path_File when that folder
    // still exists, else the data folder's "Images_save_by_user".
    static QString recordedCameraFolder();
    // Copies the mail settings file ("com.rirerovovuvu.plist" in the data
    // folder) into sender_email, sender_pwd, sending_server, sending_port and
    // send_enable_ssl; a missing or unreadable file leaves them all "".
    void Get_Email_Details() const;
    // After an export run that wrote a file (check_any_card_exported == 1):
    // the after-export box with Export_File_Path and Export_File_Message.
    void Open_Export_File_Box();
    // Refills Batch_Series from the series folder while Data_source_type
    // shows "Manual" or "Series", keeping the selected position.
    void Refresh_All_Series_Combobox() const;

    // ---- Web and mail links ----
    void Open_Google_Plus() const;
    void Open_FaceBook() const;
    void Open_Twitter() const;
    void Open_FB_Like() const;
    void Open_Website_1() const;
    void Open_Support_Mail() const;
    void Open_Reseller_Mail() const;

    // ---- Commands ----
    void New_Button_Clicked();
    void Open_Button_Clicked();
    void Save_Button_Clicked();
    void Save_As_Button_Clicked();
    void Close_Button_Clicked();
    void Export_Button();
    void Print_method();
    void Mail_Button();
    void Batch_Series_Button();
    void Import_Wizard_Button();
    void Create_Series_Button();
    void Cropping_Tool_Clicked();
    void Help_Button_Clicked();
    void Exit_Button_Clicked();
    void Export_As_Template_Button_Clicked();
    // "<Command> is not available yet."
    static void Show_Not_Available(const QString& command);

    // ---- Inspector ----
    // Shows the tabs of the graphic's kind, or the card tabs for nullptr.
    void Show_RHS_Properties(SKTGraphic* graphic) override;

    // ---- ModelHost ----
    void Set_Control_Pos_And_Size(SKTGraphic* graphic) override;
    QImage Get_Image_With_Update_Settings(const SKTGraphic& graphic) override;
    QString Check_Path_For_App_Resources(const QString& path) override;
    QImage Get_Image_For_Path(const QString& path, bool asIcon) override;

    // ---- CanvasHost ----
    QImage barcodeImage(SKTGraphic& graphic, const QString& value) override;
    void Open_Barcode_Window(SKTGraphic* graphic) override;
    bool Fill_User_Profile() const override;
    bool live_mode_list_value_change() const override { return live_mode_list_value_change_; }
    int Card_Front_Or_Back() const override;
    zelk::MeasureUnit Measument_Unit_Is() const override;
    QString Library_Selected_Image() const override { return Library_Selected_Image_Path; }
    void setLibrary_Selected_Image(const QString& path) override { Library_Selected_Image_Path = path; }
    QString Start_Card_Option() const override;
    int Get_Excel_Coulmn_Index_According_ID(const QString& controlId) override;
    const Card_Property* frontCardProperty() const override { return &Front_card_Prop; }
    const Card_Property* backCardProperty() const override { return &Back_card_Prop; }
    int Card_Shape() const override;

    // ---- Widgets (for tests and later topics) ----
    QStackedWidget* myTargetView = nullptr;          // shows one of the canvases
    SKTZoomingScrollView* first_view = nullptr;
    SKTZoomingScrollView* second_view = nullptr;
    SKTZoomingScrollView* temp_design_view = nullptr;
    QComboBox* zoom_popup = nullptr;
    // The inspector's data-source combo ("Manual", "Series", "Excel": its
    // index is the DataSourceType) and series combo; set by the inspector.
    QComboBox* Data_source_type = nullptr;
    QComboBox* Batch_Series = nullptr;
    // The after-export box (made when first shown).
    Open_Export_Log* Open_Export_Files = nullptr;
    QToolButton* front_side_btn = nullptr;
    QToolButton* back_side_btn = nullptr;
    zelk::ToolPalette* toolPalette() const { return tools_; }
    SKTGrid* grid() const { return grid_; }
    // The inspector's card tabs and the tabs of each graphic kind.
    QList<QWidget*> cardTabs;
    QList<QWidget*> graphicTabs;
    QAction* actionNamed(const QString& objectName) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void awakeFromNib();
    void buildLayout();
    void buildCommands();
    void bindCanvases();
    void sideChanged();
    void refreshUndoRedo();
    QByteArray designState() const;
    QString firstBoundValue(const SKTGraphic& graphic) const;
    static void quitApplication();
    // Stops a running batch export and waits for its end.
    void endExportRun();
    void finishBatch();

    SKTDocument* document_ = nullptr;
    SKTGrid* grid_ = nullptr;
    zelk::ToolPalette* tools_ = nullptr;
    std::unique_ptr<zelk::NewControlPoint> newPoints_;
    std::unique_ptr<zelk::ModelHost> plainModelHost_;
    zelk::BarcodeProducer* barcodeProducer_ = nullptr;
    bool resourcesReachable_ = false;
    bool exiting_ = false;
    bool live_mode_list_value_change_ = false;
    QByteArray savedState_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    // The template design the design on screen was started from ("" for none).
    QString startedFromTemplate_;
    QHash<QString, DesignModeSteps> designModeSteps_;
    zelk::ExportWindow* exportWindow_ = nullptr;
    std::shared_ptr<zelk::ExportBatchJob> exportJob_;
    QThread* exportThread_ = nullptr;
};

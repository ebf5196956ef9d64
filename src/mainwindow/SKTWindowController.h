#pragma once
// The main window: the hub of the program. It owns the document with the
// three graphics arrays, the front, back and temp canvases, both sides'
// card properties and the inspector, and answers what the model and the
// canvases ask of it (ModelHost, CanvasHost).
//
// This is the one declaration of the hub's operations, grouped by topic;
// what it holds (its fields and the steps the subsystems above it install)
// is SKTWindowControllerState, under the same topic headings. Each topic's
// operations are defined in the folder of the subsystem they belong to
// (SKTWindowController_<Topic>.cpp); the window's own shell, files and
// helpers are in this folder.
#include "canvas/CanvasHost.h"
#include "dialogs/Services.h"
#include "foundation/Card_Property.h"
#include "foundation/ModelHost.h"
#include "mainwindow/SKTWindowControllerState.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QMainWindow>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class QAbstractButton;
class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class QWidget;
class InspectorPanels;
class BatchSnapshot;
class SKTDocument;
class SKTGraphic;
class SKTGraphicView;
class SKTGrid;

namespace zelk {
class BarcodeProducer;
class ExportPicture;
class ExportWindow;
class NewControlPoint;
struct PrintCardSource;
class PrintInfo;
struct VisitorEntry;
class SideSnapshot;
class ToolPalette;
struct DesignContents;
}  // namespace zelk

// The state is the last base: its fields are made after QMainWindow and
// destroyed before it, as members would be.
class SKTWindowController : public QMainWindow, public zelk::ModelHost, public zelk::CanvasHost,
                            public zelk::KeyboardHome, public SKTWindowControllerState {
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

    // ---- Fields other windows read (SKTWindowControllerState) ----
    SKTDocument* document() const { return document_; }

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
    // Installs what a start mode ("V", "G") adds to the design file.
    void setDesignModeSteps(const QString& startMode, DesignModeSteps steps);
    // The copy-to-other-side command (copy_card_design_btn, two-sided cards):
    // the shown side's graphics go to the other side through a temporary
    // design file, bindings and all, as one undo step of that side, which is
    // then shown. A side that holds graphics is replaced only when the user
    // agrees. The side's card face goes along, in the same undo step. The
    // panels of visitor and group modes follow, and a group project shows
    // its selected holder on both sides. True when copied.
    bool Copy_Card_Design_Clicked();
    static inline const QString CopyReplaceQuestion =
        QStringLiteral("The %1 side already holds a design. Do you want to replace it with a copy of the %2 side?");

    // ---- Batch preparation ----
    // Archives both sides for a batch run; in group mode the other side then
    // takes the group list's selected row (defined with production). False
    // (reported, no backup) when a graphic cannot be archived: the batch
    // must not run.
    bool Set_Front_Back_Value_To_Print_Export_Mail();
    bool Create_Design_Backup_Array();
    void Set_Graphic_Array_According_Side();

    // ---- Data binding and per-card production (src/production) ----
    // The batch state of a run (the production globals): which sources are
    // used, the dataset binding table and the counts; recomputed, never kept
    // in step with the design.
    void Check_Series_Or_Excel_Use_or_not();
    void Check_Data_Sheet_Value_Use_or_Not();
    void Check_Excel_Binding_Value_Use_or_Not();
    bool Check_Front_Side_Dataset_Is_Used();
    bool Check_Back_Side_Dataset_Is_Used();
    bool Check_Front_Side_Excel_Binding_Is_Used();
    bool Check_Back_Side_Excel_Binding_Is_Used();
    void Create_Dataset_binding_table();
    void Add_dataset_col_in_binding_table(const QString& name, int dataset_index);
    int Get_Data_SetIndex_According_Name(const QString& name) const;
    void Calculate_data_table_rows();
    int Calculate_Excel_table_rows();
    void Get_total_Card_count();
    // Defined with the shell, which calls it at a new project and when the
    // start chooser closes.
    void Clear_Delete_Excel_table_rows();
    QString Get_First_Value_Of_Dataset(const QString& name) const;
    QString Get_First_Value_Of_Excel_Binding(int column) const;
    QString Get_sel_row_col_value_of_dataset(int row, int col) const;
    QString Get_sel_row_col_value_of_Excel(int row, int col) const;
    QString Get_Excel_Column_Name_Of_Index(int column) const;
    // A run copies the design and the batch state once it is prepared and
    // its window has set the flags; its workers make every card from that
    // copy (BatchSnapshot::Set_data_table_value_to_card), never from the hub.
    std::shared_ptr<const BatchSnapshot> takeBatchSnapshot() const;
    // The design's side (CardSide::Front or Back) as it is now, copied.
    zelk::SideSnapshot designSide(int side) const;
    // The producer of barcode pictures (the default one when none is set).
    zelk::BarcodeProducer& barcodeProducer() const;
    // The values of card `index` into the live Graphics_array_Batch (group
    // list); a failure is shown.
    void Assign_Batch_Values_To_Control(int index);
    // Rebuilds both sides from the batch backup, all or nothing; false (and
    // reported) when there is no backup or it cannot be read back.
    bool Create_Card_Design_Again();
    // The inspector's data-source panel: binds the selected graphics and
    // shows the first value; fills, refreshes and views the combos.
    void Change_Data_Source_To_selected_Control(int kind, const QString& ser_name, int ser_col_index);
    void Fill_Excel_Col_Name_In_Combo(QComboBox* combo) const;
    void Fill_Data_Set_File_Name_In_Combo(QComboBox* combo) const;
    void Update_Dataset_If_Datasource_Is_Series(QComboBox* kind_combo, QComboBox* value_combo_obj) const;
    void Update_Excel_Column_If_Datasource_Is_Excel(QComboBox* kind_combo) const;
    void Add_Excel_Col_Name_In_Combo(QComboBox* kind_combo) const;
    void Remove_Excel_Col_Name_In_Combo(QComboBox* kind_combo) const;
    void View_batch_Series_Button();
    void Data_Source_Help_Button();
    // The group-mode list (GroupListData): its view is made on
    // first use and placed by the group topic. A selection fills the
    // current side with the row's values, recording no undo step.
    QTableView* groupListView();
    void Create_Group_List(const QString& text);
    void Mark_Group_List_New_Selection(int row);
    void Assign_value_to_card_in_group_mode_list_selection();
    // The group list's selection changed: both sides, cards and panels,
    // take the row's values; a change of holder ends the undo history.
    void groupListSelectionDidChange();
    // The holder is taken as not shown yet: the next selection, even of the
    // same line, ends the undo history (after a row was deleted).
    void forgetShownGroupRow() { groupRowShown_ = -1; }
    // Undo starts here, on both sides, with the group line selected now.
    void startUndoHistory();

    // ---- Group projects (src/groups) ----
    // All fourteen group column indexes to -1.
    void Reset_Group_Mode_Excel_Col_Index();
    // The group table: the titles and rows of a new project (the manual
    // photo columns appended, hidden), and the group list rebuilt from it.
    void Create_Excel_List_Func(const QStringList& titles, const QList<QStringList>& rows);
    void Create_Group_List_By_Excel_List();
    // Appends the manual-photo columns to a group table without them, and
    // hides them; sets their indexes.
    void Ensure_Manual_Photo_Columns();
    // The cell of the table; "Text here" for a row or column outside it.
    QString Get_Excel_Table_Item_Text(int row, int col) const;
    // Binds the profile slots of both sides to their columns ("A": the
    // wizard's new project).
    void Update_Excel_Column_Binding(const QString& mode);
    // A new project's template fields that no column feeds: the texts of the
    // slots left on "None", and the back photo while it shows the
    // no-picture file with no back photo column, are hidden, so that no card
    // prints a template's sample text. The panels' check boxes show them
    // again.
    void Hide_Unbound_Template_Fields();
    // ---- Group rows (the group pane's commands) ----
    // The selected line of the group list; -1 for none.
    int selectedGroupLine() const;
    // A row of the group table built for add (0), save (1) or copy (2) from
    // row `row_index` and the current side's panel; n: the table's column
    // count, row-number column included.
    QVariantMap Get_Array_For_Excel_List(int n, int row_index, int add_or_save);
    // The selected row (0 when none) takes the current side's panel entries;
    // nothing for a row the table lacks. The "G" step before every save.
    void Save_Group_Mode_List_Details_In_XL_Data_List();
    // Stores the row and saves the project: 1 when written.
    int Save_gp_details_by_list();
    // The commands; each reports success only after the project was written.
    void Add_In_Excel_Details_Btn_Clicked();
    void Delete_In_Excel_Details_Btn_Clicked();
    void Save_In_Excel_Details_Btn_Clicked();
    void Save_Excel_Details_Btn_Clicked();
    void View_Excel_Btn_Clicked();
    // A loaded project set up (path: Project_File_Name; "U" or "A").
    void Set_Group_Mode_List_Setting_After_Loading(const QString& path, const QString& a_or_u);
    void Select_Excel_First_Row();
    void Show_Message_To_Update_Data();
    // After Print or Export of a group project: the design as it was
    // before the command (the selected row had been written into the other
    // side), the production flags given back and the cards counted again.
    void Group_Mode_Print_Export_Tail(bool dataSheetValues, bool excelValues);
    // The group pane's update command: the re-binding dialog for the
    // current side, then its choices applied.
    void Update_Excel_Btn_Clicked();
    void Update_Excel_Column_Binding_Update_Column();
    // The side's shown texts and pictures with a column (the user-added ones
    // through the current side's list) are bound to it; the caller makes
    // the side current.
    void Update_excel_col_binding_on_panel(int side);
    // The column of a user-added control in the current side's list; -1.
    int Get_Col_Index_of_Dynamic_Control(const QString& ctrl_id);
    // The current side's user-added controls (mode "S": only `ctrl_id`)
    // take their list entry's visibility and column, and row 0's cell when
    // bound; their panel rows follow. Nothing is created.
    void Update_Value_For_Dynamic_Control(const QString& mode, const QString& ctrl_id);
    // The please-wait sheet over the main window while a design file opens.
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

    // ---- Printing (production/SKTWindowController_Print.cpp) ----
    // The Print command (connected by PrintCommand::install): "No printer
    // found." without an installed printer, else the print window over the
    // design, which is as it was when the window closes.
    void Print_method();
    // The shared print settings; setPrintInfo stores a copy.
    const zelk::PrintInfo& printInfo() const;
    void setPrintInfo(const zelk::PrintInfo& info);
    // What a print run prints: whether the cards take series or Excel
    // values (as the print window's check boxes allow), their count, and
    // card n's sides; a copy taken now, read by the run's threads.
    zelk::PrintCardSource printCardSource(bool withSeries, bool withExcel);

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

    // ---- Visitor database and log (src/visitors/SKTWindowController_VisitorLog.cpp) ----
    QString Get_Visitor_DB_Path() const;
    // Ensures the data folder's "Visitor_Log" and its database, then opens
    // it without ever creating an empty file; false (logged) on failure.
    bool Open_DB_Connection();
    // False when no connection was open.
    bool Close_DB_Connection();
    // The entry panels' "Add to DB": stores the visitor the panels hold as
    // one new row, telling the user the outcome. True when stored.
    bool Add_Visitor_Record_To_DB(const zelk::VisitorEntry& entry);
    // The visitor-record command (menu and the desk's show_db_rcd_btn): the
    // visitor log.
    void View_Vistor_Record();

    // ---- Sides and canvases ----
    void Select_front_side();
    void Select_back_side();
    // The canvas of the current side.
    SKTGraphicView* currentCanvas() const;
    QWidget* keyboardHome() const override;  // the canvas shown
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

    // ---- Card-holder profiles (src/profiles) ----
    // The profile layout's rectangle for a new graphic of the ID (installed
    // as controlRectFromTemplate).
    QRectF Get_Control_Rect_From_Template(const QString& ctrl_ID, const QString& ctrl_Value) const;
    // Runs the new-card dialog (empty load_side) or the side dialog ("F",
    // "B") and returns its code; 1 also records that a profile was
    // confirmed. After an OK on a newly chosen workbook, the graphics the
    // profile does not own lose their Excel binding.
    int Open_User_Profile_Window(char flag, const QString& load_side, const QString& total_side);
    // The profile command: the side dialog, then the current side stamped.
    void User_Profile_Button_Clicked();
    // Stamping: the front, then the back; each side (only once a profile
    // was confirmed); the temp side (always).
    void Fill_User_profile_Details();
    void Fill_User_profile_info_front_side();
    void Fill_User_profile_info_back_side();
    void Fill_User_profile_info_TEMP_side(const QString& side);
    // The temp side showing TEMP_user_profile stamped on copies of the
    // current side's graphics, drawn as a picture; the design, its undo
    // history, the tool, the library picture and the cascade stay as they were.
    QImage Preview_User_Profile(const QString& side_letter);
    // The invitation layout on the front from the Invite_* values.
    void Fill_Party_Invidation_Details();
    // The toolkit's version as one number; the cropping tool turns face
    // detection off below 1039.
    int Get_OS_Version() const;
    // A picture of its own (a deep copy, 32-bit ARGB) of a filter result.
    QImage NSImage_from_CIImage(const QImage& image) const;
    // Records Camera_Folder_Path in "idcardcampics.txt" of the data folder
    // (UTF-8, replaced atomically). False when it could not be written.
    bool Create_Camera_Path_File() const;
    // Copies the mail settings (Preferences) into sender_email, sender_pwd,
    // sending_server, sending_port and send_enable_ssl; a missing or
    // unreadable file leaves them all "".
    void Get_Email_Details() const;
    // After an export run that wrote a file (check_any_card_exported == 1):
    // the after-export box with Export_File_Path and Export_File_Message.
    void Open_Export_File_Box();
    // Refills Batch_Series from the series folder while Data_source_type
    // shows "Manual" or "Series", keeping the selected position.
    void Refresh_All_Series_Combobox() const;

    // ---- Visitor mode (src/visitors) ----
    void Hide_Visitor_panel();
    void Set_Front_Panel_Size();
    void Set_Back_Panel_Size();
    void change_Visitor_Side_View(int side);
    void collapseLeftView();
    void uncollapseLeftView();
    void Show_Hide_Profile_Panel_Live_Mode(bool live);
    void Show_Hide_Visitor_DB_Button(bool hide);
    void Show_Single_Mode_Front_Panel();
    void Show_Single_Mode_Back_Panel();
    void Reset_All_Visitor_Grp_Mode_Ctrl();
    void Title_For_Gen_ID_Card();
    void Title_For_Visitor();
    void Title_For_Student();
    // Fills the two dynamic lists from the sides as loaded.
    void Load_Dynamic_Control_Lists();
    // After a design file in "V" or "G" was read: the lists, the captions
    // ("V"), both panels emptied, the live layout, the rebuilt rows and the
    // front side. The group topic calls it from its own loading step.
    void Set_Up_Panels_After_Reading();
    // The side's graphics were replaced (a copy from the other side): the
    // user-added lists, the side panel's rows and its fields follow them.
    void Resync_Side_Panel(int side);
    // The entry panels' graphics on the current side: created when missing
    // (true), then filled, shown or hidden and, with set_pos, placed beside
    // their partner.
    bool new_control_add(const QString& value, const QString& ctrl_id, QLineEdit* txt_ctrl_id);
    void Change_Value(const QString& value, const QString& ctrl_id, bool show_value, bool set_pos);
    QPointF Set_Ctrl_Pos_In_Vstr_Mode(const QString& ctrl_id, const QRectF& ctrl_bound);
    QPointF Get_Ctrl_Location_From_Design(const QString& ctrl_id);
    QLineEdit* Get_text_box_of_visitor_mode(const QString& ctrl_id) const;
    QAbstractButton* Get_chk_box_of_visitor_mode(const QString& ctrl_id) const;
    void Load_Fup_Fields();
    void Load_Fup_Fields_BackSide();
    void Create_Control_For_Visitor_Mode();
    void Create_Control_For_Visitor_Mode_Front_Side();
    void Create_Control_For_Visitor_Mode_Back_Side();
    // The user-added rows as "caption : value" lines joined by CR LF.
    QString Get_Front_Visitor_dyn_contrl_str() const;
    QString Get_Back_Visitor_dyn_contrl_str() const;
    // After undo, redo and lock changes in "V" and "G": the panel follows
    // the card.
    void Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(SKTGraphic* graphic);
    void Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
    void Refresh_Visitor_Dyn_Ctrl_and_image();

    // ---- Web and mail links ----
    void Open_Google_Plus() const;
    void Open_FaceBook() const;
    void Open_Twitter() const;
    void Open_FB_Like() const;
    void Open_Website_1() const;
    void Open_Support_Mail() const;
    void Open_Reseller_Mail() const;

    // ---- Help and promotion (src/mail/SKTWindowController_Help.cpp) ----
    // The help and support window.
    void Help_Support_Clicked();
    // The promotion window on one of the program's features: card mailing
    // ("S"), the visitor desk ("R") and the barcode designer ("B").
    void Zelk_SMS_Prmotion();
    void Zelk_Recovery_Prmotion();
    void Zelk_Barcode_Prmotion();
    // The help command's toolbar button at its minimum size (Toolbar_help).
    void Set_Help_Toolbar_Item_Size();

    // ---- Commands ----
    void New_Button_Clicked();
    void Open_Button_Clicked();
    void Save_Button_Clicked();
    void Save_As_Button_Clicked();
    void Close_Button_Clicked();
    void Export_Button();
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

    // ---- Inspector: loading, tabs and standard buttons (src/inspector) ----
    // Builds the panels beside the tab view; once, at start-up.
    void buildInspector();
    // The panels (nullptr until built).
    InspectorPanels* inspector() const { return inspector_; }
    // Shows the tabs of the graphic's kind and loads them, or the card tabs
    // for nullptr.
    void Show_RHS_Properties(SKTGraphic* graphic) override;
    void Fill_Card_Prop_Tab();
    void Remove_All_Tab_Items();
    void card_prop_set(const QString& fillStyle);
    void Enable_Standard_Button_For_Control();
    void Enable_Standard_Button_For_Unlock();
    void Disable_Standard_Button_For_Lock();
    void Disable_Standard_Button_For_Card();
    void Set_Paste_Button_Status();
    void Print_object_chk_changed();
    QString Return_Border_Style_Str_On_index(int index) const;
    void Set_NS_Text_View_String(QPlainTextEdit* view, const QString& new_value);
    // Two or more image graphics selected on the current side; with
    // show_msg the user is told that the action needs one.
    bool Check_Multiple_Image_Selection(const QString& action, bool show_msg);
    void Show_Hide_Text_Transp_Ctrl(bool hide);
    void Show_Hide_Shape_Transp_Ctrl(bool hide);

    // ---- Text panel (src/inspector) ----
    void Update_Text_Graphics();
    void textDidChange();
    void Text_Font_Changed();
    void changeTextFont(const QFont& font);
    void Text_Insert_Date();
    void Text_Insert_Time();
    void Insert_Template_Button(QAbstractButton* sender);
    void Text_Border_ChkBox();
    void Text_Fill_Chk_Box();
    void Text_Solid_RD_Sel();
    void Text_Gradient_RD_Sel();
    void Draw_Shadow_ChkBox();
    void Txt_Rotate_Slider_Changed();

    // ---- Shape and line panels (src/inspector) ----
    void Update_Shape_Graphics();
    void Update_Line_Graphics();
    void Shape_Border_ChkBox();
    void Shape_Fill_Chk_Box();
    void Shape_Solid_RD_Sel();
    void Shape_Gradient_RD_Sel();
    void Shape_Hatch_RD_Sel();
    void Shape_Alpha_Changed();
    void Shape_Rotate_Slider_Changed();
    void Shape_Rotate_Stepper_Changed();

    // ---- Barcode panel (src/inspector) ----
    // The panel's button: the settings window on the one selected barcode
    // (Open_Barcode_Window, also a double click on a barcode).
    void View_barcode_prop_Button();
    // Two or more barcode graphics selected on the current side; with
    // show_msg the user is told that the window edits one.
    bool Check_Multiple_Barcode_Selection(bool show_msg);
    // What the settings window confirmed, with Barcode_output_image, into
    // every selected unlocked barcode of the current side; one undo step.
    void Update_Barcode_Graphics(const SKTGraphic& settings);

    // ---- Inspector combo boxes (src/inspector) ----
    // Every combo box of the inspector reports its selection changes here,
    // the program's selections included.
    void comboBoxSelectionDidChange(QComboBox* combo);

    // ---- Card-size preset list (src/inspector) ----
    void Create_List(const QString& text);
    QString Get_Item_Text(int row) const;
    bool IS_Custom_Card_Option_Selected() const;
    void Mark_List_New_Selection(int row);
    void Change_Value_According_List_Selection(int row);
    void tableViewSelectionDidChange(QTableView* table);

    // ---- Card panel (src/inspector) ----
    // Writes the card tabs into the current side's card properties and
    // redraws; no undo step. Nothing while the inspector is being filled.
    void Update_Card_Graphics();
    // The fields both sides share (sides, shape, name, size, preset).
    void Set_Card_Comman_Properties();
    // Pushes a content colour or font changed since the card tab was loaded
    // into the current side's unlocked texts, then Update_Card_Graphics.
    void Update_All_Card_Content();
    // The size fields (in Measument_Unit_Is) become the card's size.
    void Apply_Size_Clicked();
    // Millimetres into the size fields, shown in the current unit.
    void Set_Card_Size_In_Control(double widthMm, double heightMm);
    void Show_Hide_Card_Transp_Ctrl(bool hide);
    // 0 front, 1 back, 2 temp canvas; anything else changes nothing.
    void changeViewController(int index);
    // The picture at the path becomes that side's picture fill, whatever
    // side is shown; an empty path only clears the side's path view.
    void set_Front_BG_Image(const QString& path);
    void set_Back_BG_Image(const QString& path);
    // The card tabs' actions.
    void Set_Card_Clr();
    void Card_Border_ChkBox();
    void Card_Border_Changed();
    void Card_Gradient_Changed();
    void Card_Alpha_Changed();
    void Card_Fill_Chk_Box();
    void Card_Solid_RD_Sel();
    void Card_Gradient_RD_Sel();
    void Card_Hatch_RD_Sel();
    void Card_Image_RD_Sel();
    void Card_Image_Browse_Btn();
    void Card_Image_Library_Btn();
    // The page-layout dialog (through the dialog runner) on printInfo; its
    // paper size becomes the card's size.
    void Page_From_Printer_Click();
    // The size arrows apply at once; a typed size waits for Apply.
    void Card_Width_Changed();
    void Card_Height_Changed();
    void card_shape_CellClick();
    void Contect_Color_Clicked();
    void Content_Font_Clicked();
    void changeAllTextFont(const QFont& font);
    void WM_Text_Font_Changed();
    void changewmTextFont(const QFont& font);
    void Set_watermark_Clr();
    void Enable_Watermark_Clicked();
    void WM_transp_slider_changed();
    // The user's edits of the card name and the watermark text.
    void controlTextDidChange(QWidget* field);

    // ---- Image and signature panels (src/inspector) ----
    // Writes the image panel into the selected unlocked images; with
    // apply_filters the filtered picture is made again.
    void Update_Image_Graphics(bool apply_filters);
    void Update_Sign_Graphics();
    // The image panel back to a plain picture; no graphic changes.
    void Reset_Image_Editing_Controls();
    void Image_reset_Button();
    // The selected image takes the picture at the path.
    void Set_Image_On_Card_Control(const QString& path);
    void Manual_Image_Browse_Btn();
    void Manual_Library_Browse_Btn();
    void Open_Camera_Clicked();
    // The open panel for one picture: true with Library_Selected_Image set.
    bool Browse_User_Image_Manually();
    // "C" stock pictures for image graphics, otherwise backgrounds; on 1 the
    // path chosen is in lib_window_sel_file.
    int Open_Image_Library_Window(const QString& category);
    void Sign_Browse_Btn();
    // Does nothing: the binding and the batch values call it.
    void Update_frame_Main_Photo_And_Path(const QString& path, bool change_path);

    // ---- Cropping the selected image (src/inspector) ----
    void Cropping_Selected_Image_clicked();

    // ---- Background gallery (src/inspector) ----
    // Fills the gallery from the resources' "Background" folder.
    void Load_and_fill_backgrounds();
    // The gallery's choice: the front's picture fill, whatever side is shown.
    void imageBrowserSelectionDidChange(int index);

    // ---- Alignment and size (inspector/SKTWindowController_Alignment.cpp) ----
    // Each works on the current side's canvas, redraws it and records one
    // undo step. The same-size commands need two selected graphics, grid
    // align a shown grid; else a message, and nothing is done.
    void Align_Center_Clicked();
    void Align_Left_Clicked();
    void Align_Right_Clicked();
    void Align_Top_Clicked();
    void Align_Bottom_Clicked();
    void Align_Horz_Clicked();
    void Align_Vert_Clicked();
    void Make_Same_Width_Clicked();
    void Make_Same_Height_Clicked();
    void Make_Fit_To_Label_Clicked();
    void Make_Natural_Clicked();
    void Align_To_Grid_Clicked();
    // The values the user entered: positions in points, sizes in the unit
    // Measument_Unit_Is.
    void Frame_main_Pic_X_Pos_Changed(double x);
    void Frame_main_Pic_Y_Pos_Changed(double y);
    void Frame_main_Pic_Wdith_Changed(double width);
    void Frame_main_Pic_Height_Changed(double height);

    // ---- Units and grid (inspector/SKTWindowController_Units.cpp) ----
    // The factor from one unit to another (0 inch, 1 cm, 2 mm) in single
    // precision; 1 for a unit outside 0 to 2 (zelk::unitFactor).
    float Get_Unit_Convertor(int from, int into) const;
    // The captions _setLabels writes, registered by the panels that show
    // them: a position caption reads "(pt)", a length caption names the unit,
    // the card size title (a group box) reads "Card Size (<unit>)". A caption
    // gets its text when registered.
    void registerUnitCaption(QWidget* caption, UnitCaption kind);
    // The card size fields (width_Stepper, height_Stepper) that
    // Apply_unit_Chaneg_Values rescales.
    void registerCardSizeFields(QDoubleSpinBox* width, QDoubleSpinBox* height);
    void _setLabels();
    // Rewrites the card size fields from last_unit_val into Measument_Unit_Is;
    // the card keeps its size.
    void Apply_unit_Chaneg_Values();
    // The unit window (Unit_PrefWindow): doPreferences runs it, prefsOkay is
    // its OK, On_OK_of_Unit_Panel applies the unit chosen in its unit_matrix.
    void doPreferences();
    void prefsOkay();
    void On_OK_of_Unit_Panel();
    // The grid window on the shared grid, and snapping to the grid on or off.
    void toggleGridShowing();
    void toggleGridConstraining();

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
    void restoreCardFace(int side, const Card_Property& face) override;

    // ---- Widgets (for tests and later topics) ----
    zelk::ToolPalette* toolPalette() const { return tools_; }
    SKTGrid* grid() const { return grid_; }
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
    // The inspector's own steps (src/inspector).
    void showCardProperties();
    void showGraphicProperties(SKTGraphic* graphic, bool filling);
    void wireTextPanel();
    void wireShapeAndLinePanels();
    void wireCardPanel();
    void wireImageAndSignaturePanels();
    void wireBackgroundGallery();
    // The visitor panes and panels (src/visitors); once, at start-up.
    void buildVisitorPanes();
    // The binding part of comboBoxSelectionDidChange.
    void dataBindingComboChanged(QComboBox* combo);
    static void quitApplication();
    // Stops a running batch export and waits for its end.
    void endExportRun();
    void finishBatch();
};

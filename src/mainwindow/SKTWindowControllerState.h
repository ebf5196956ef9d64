#pragma once
// The hub's state: every field the main window holds, the steps the
// subsystems above it install, and its own bookkeeping. SKTWindowController
// inherits it, so the fields are read as the window's own; the topic headings
// are those of SKTWindowController.h, which declares the operations.
#include "foundation/Card_Property.h"
#include "foundation/User_Profile_Class.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <array>
#include <functional>
#include <memory>
#include <utility>

class QAbstractButton;
class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QThread;
class QToolButton;
class QWidget;
class InspectorPanels;
class Open_Export_Log;
class PleaseWait_Modeless;
class Send_Modeless;
class SKTDocument;
class SKTGraphic;
class SKTGraphicView;
class SKTGrid;
class SKTWindowController;
class SKTZoomingScrollView;

struct sqlite3;

namespace zelk {
class BarcodeProducer;
class ExportBatchJob;
class ExportWindow;
class GroupListModel;
class NewControlPoint;
class ToolPalette;
class UnitWindow;
struct DesignContents;
}  // namespace zelk

using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

struct SKTWindowControllerState {
    // ---- Fields other windows read ----
    SKTGraphicView* _graphicView = nullptr;       // front canvas
    SKTGraphicView* _graphicView_BACK = nullptr;  // back canvas
    SKTGraphicView* _graphicView_TEMP = nullptr;  // temp (preview) canvas
    Card_Property Front_card_Prop{QStringLiteral("F")};
    Card_Property Back_card_Prop{QStringLiteral("B")};
    // The card-holder profiles of the front, the back and the preview.
    User_Profile_Class Front_user_profile;
    User_Profile_Class Back_user_profile;
    User_Profile_Class TEMP_user_profile;
    QTabWidget* sett_tab = nullptr;               // the inspector
    QWidget* sett_column = nullptr;               // the inspector's box: its header, then sett_tab
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

    // ---- Design file ----
    // What the visitor ("V") and group ("G") modes add to the design file:
    // steps run after a design of that start mode has been loaded and put on
    // screen, and before a design in that mode is taken for saving. The
    // visitor and group topics install them at start (setDesignModeSteps).
    struct DesignModeSteps {
        std::function<void(SKTWindowController&, const zelk::DesignContents& loaded)> afterLoading;
        std::function<void(SKTWindowController&)> beforeSaving;
        // After the copy to the other side replaced that side's graphics
        // (copy_card_design set).
        std::function<void(SKTWindowController&, int side)> afterCopying;
    };

    // ---- Data binding and per-card production (src/production) ----
    // The group-mode list: rows {"BatchList": text}.
    QList<QVariantMap> GroupListData;
    // Shows a row of the workbook in the side's group panel ("F" or "B");
    // set by the group topic.
    std::function<void(const QString& side, int row)> Set_GP_mode_Value_From_Excel;

    // ---- Group projects (src/groups) ----
    // The columns of the manual photos ("MFPC", "MBPC") of a group
    // project's table; -1 none.
    int excel_cb_value_f_man = -1;
    int excel_cb_value_b_man = -1;
    // The start chooser's "G" road, installed by the group topic: the
    // wizard (1 when a project is on screen) and what follows it.
    std::function<int()> Open_Group_Mode_Wizard;
    std::function<void()> Load_Group_Mode_After_log_reading;
    // ---- Group rows (the group pane's commands) ----
    bool GP_Move_Next_Rcd = false;  // the pane's move-next box
    // The visitor desk's side panels as group mode uses them; set by the
    // visitor topic, each skipped while empty.
    struct VisitorPanels {
        std::function<void()> Reset_All_Visitor_Grp_Mode_Ctrl;
        // The side's list of user-added controls (dynamic_ctrl_list_front
        // or _back: ID, value, "Y"/"N", column, kind), rebuilt from it.
        std::function<QList<QStringList>*(int side)> dynamicControlList;
        std::function<void()> Create_Dynamic_Control_List;
        // The panel row of the graphic brought in line with it (current side).
        std::function<void(SKTGraphic& graphic)> Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo;
        // The side's panel shows the picture of a photo graphic.
        std::function<void(int side, const QString& path, const QImage& picture, const QString& control_ID)>
            Set_User_Image_Control;
        // A text slot's value box and its check box in the side's panel
        // (false: the panel has none).
        std::function<bool(int side, int slot, QString* value, bool* ticked)> panelSlotValue;
        std::function<void(int side, int slot, const QString& value)> setPanelSlotValue;
        // The side's panel shows the photo (the side's "Fup_Photo" too).
        std::function<void(int side, const QString& path, const QString& control_ID)> Set_User_Image;
        // The text of a user-added control's box in the current side's panel.
        std::function<QString(const QString& control_ID)> Get_text_box_of_visitor_mode;
        std::function<void(const QString& control_ID, const QString& value)> Set_text_box_of_visitor_mode;
        // A user-added row of the current side's panel: its check box, text
        // box and, for a picture, its picture view (each nullptr when absent).
        struct DynamicRow {
            QAbstractButton* check = nullptr;
            QLineEdit* box = nullptr;
            QLabel* picture = nullptr;
        };
        std::function<DynamicRow(const QString& control_ID)> dynamicRow;
    } visitorPanels;
    // The please-wait sheet while a design file opens, and its message.
    PleaseWait_Modeless* plz_wait_Window = nullptr;
    QLabel* modeless_msg_lbl = nullptr;

    // ---- Export (src/production) ----
    // The progress sheet over the main window.
    Send_Modeless* send_modls_wnd = nullptr;

    // ---- Visitor database and log (src/visitors/SKTWindowController_VisitorLog.cpp) ----
    // The open visitor database, only for the length of one operation.
    sqlite3* visitor_db = nullptr;

    // ---- Foundation helpers ----
    // Where a profile graphic of the given ID lands on a new side (the
    // profile layout's rectangle); set by the profile topic. Empty: the
    // canvas places the graphic like any new one.
    std::function<QRectF(const QString& ctrl_ID, const QString& ctrl_Value)> controlRectFromTemplate;

    // ---- Visitor mode (src/visitors) ----
    // The panes left of the design area: pane 0 the group list, pane 1 the
    // side's entry panel in scrollView, pane 2 the canvas and inspector.
    QSplitter* verticalSplitView = nullptr;
    QWidget* group_control_view = nullptr;
    QScrollArea* gp_scrollView = nullptr;
    QWidget* group_mode_view = nullptr;
    QWidget* Visitor_mode_view = nullptr;
    QScrollArea* scrollView = nullptr;
    QWidget* front_vistr_view = nullptr;  // the front entry panel
    QWidget* back_vistr_view = nullptr;   // the back entry panel
    QAction* show_db_rcd_btn = nullptr;   // the visitor records command
    // The user-added graphics of each side as the design reader leaves them:
    // [control ID, value or picture path, "Y"/"N" visible, column "%d" or
    // "-1", "T" text or "P" picture].
    QList<QStringList> dynamic_ctrl_list_front;
    QList<QStringList> dynamic_ctrl_list_back;
    // The bounds of the partner graphic last found by Get_Ctrl_Location_From_Design.
    QRectF rf_control_rect;
    // The rectangle the desk last gave each field it placed, by side and
    // control ID: one still standing there at that size may be placed anew,
    // one the user moved or resized keeps the rectangle the user gave it.
    QHash<QString, QRectF> deskPlaced[2];
    // Set by the visitor topic: both sides' lists rebuilt from the card
    // (Load_Dynamic_Control_Lists); the picture one shows the picture, or
    // Err_image without one.
    std::function<void()> Create_Dynamic_Control_List;
    std::function<void(QLabel* view, const QImage& image)> Set_Dynamic_Pic_Ctrl_Image;

    // ---- Inspector: loading, tabs and standard buttons (src/inspector) ----
    // In visitor and group modes, the side's entry panel shows an image
    // graphic's picture (side, path, picture, control ID); the visitor desk
    // installs it.
    std::function<void(int side, const QString& path, const QImage& picture, const QString& control_ID)>
        Set_User_Image_Control;

    // ---- Card-size preset list (src/inspector) ----
    QList<QHash<QString, QString>> ListData;  // rows {"Extension": preset name}
    QComboBox* Preset_ComboBox = nullptr;     // item 2 is the custom size
    QComboBox* Category_ComboBox = nullptr;   // item 0 plastic cards, else paper
    QTableView* ColList = nullptr;

    // ---- Image and signature panels (src/inspector) ----
    // The path the image library window chose (Open_Image_Library_Window).
    QString lib_window_sel_file;

    // ---- Windows of later subsystems ----
    // Installed by their topics at start. Until then each opener says that
    // its window is not available yet and answers 0.
    // The image library: 1 with the chosen picture's path in selected_image.
    std::function<int(const QString& control_or_BG, QString& selected_image)> imageLibraryWindow;
    // The camera: 1 when a picture was taken (in Camera_Capture_Image).
    std::function<int()> cameraWindow;
    // The window that mails one file (a visitor's details) to typed
    // recipients, opened on that file's path; its code when it closed.
    std::function<int(const QString& file_path)> directMailWindow;
    // The cropping tool's three direct openers, each told the graphic's
    // DataSourceType first; 1 when the crop was completed, with the cropped
    // file, the new series or the new Excel column.
    struct CroppingToolOpeners {
        std::function<int(int ctrl_data_source_type, const QString& path, QString& Crop_Direct_Path)>
            Open_Wnd_Direct_To_Crop;
        std::function<int(int ctrl_data_source_type, const QString& series, QString& Crop_Direct_Series)>
            Open_Wnd_Direct_Crop_Series;
        std::function<int(int ctrl_data_source_type, const QString& column, int col_index,
                          int& Crop_New_Excel_Col_Index)>
            Open_Wnd_Direct_Excel_Column;
    };
    CroppingToolOpeners croppingTool;

    // ---- Alignment and size (inspector/SKTWindowController_Alignment.cpp) ----
    // Made by the inspector's alignment page; enabled exactly while the grid
    // is shown.
    QAbstractButton* Align_with_grid_btn = nullptr;

    // ---- Units and grid (inspector/SKTWindowController_Units.cpp) ----
    // The kinds of caption _setLabels writes (registerUnitCaption).
    enum class UnitCaption { Position, Length, CardSizeTitle };
    zelk::UnitWindow* Unit_PrefWindow = nullptr;

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
    QToolButton* copy_card_design_btn = nullptr;  // enabled with back_side_btn

protected:
    // Only the window holds it, and it is never deleted through this type.
    SKTWindowControllerState() = default;
    ~SKTWindowControllerState() = default;

    // ---- The window's own bookkeeping ----
    SKTDocument* document_ = nullptr;
    SKTGrid* grid_ = nullptr;
    zelk::ToolPalette* tools_ = nullptr;
    std::unique_ptr<zelk::NewControlPoint> newPoints_;
    zelk::BarcodeProducer* barcodeProducer_ = nullptr;
    InspectorPanels* inspector_ = nullptr;
    // The graphic the inspector shows (compared, never read): only its
    // moves reach the position and size fields.
    const SKTGraphic* inspected_ = nullptr;
    QTableView* GroupList = nullptr;
    zelk::GroupListModel* groupListModel_ = nullptr;
    bool resourcesReachable_ = false;
    bool exiting_ = false;
    bool live_mode_list_value_change_ = false;
    // The group line whose holder the sides show; -1 none.
    int groupRowShown_ = -1;
    QByteArray savedState_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    // The template design the design on screen was started from ("" for none).
    QString startedFromTemplate_;
    QHash<QString, DesignModeSteps> designModeSteps_;
    QList<std::pair<QPointer<QWidget>, UnitCaption>> unitCaptions_;
    QPointer<QDoubleSpinBox> cardWidthField_;
    QPointer<QDoubleSpinBox> cardHeightField_;
    zelk::ExportWindow* exportWindow_ = nullptr;
    std::shared_ptr<zelk::ExportBatchJob> exportJob_;
    QThread* exportThread_ = nullptr;
};

#pragma once
// The photo cropping tool: one application-modal window with two screens.
// The main screen chooses the input (a picture, a folder, a camera, a data
// series), the output folder, name and format; the crop screen shows the
// picture with its editing controls, the crop method (a selection, face
// detection, a given size) and the list of input pictures, and crops one
// picture or the whole list on a worker under the progress sheet. The main
// window's picture panel opens the crop screen directly for one picture,
// a series or an Excel column (the direct modes) and takes the result.
// Cropping_Tool.cpp builds the window and opens it; Cropping_Tool_FileScreen,
// Cropping_Tool_CropScreen and Cropping_Tool_Run hold the rest.
#include "imaging/CropJob.h"
#include "imaging/CropPicture.h"
#include "imaging/CroppingCamera.h"
#include "imaging/ImageEditControls.h"
#include "production/ExportFileWriter.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QVariantMap>

#include <initializer_list>
#include <memory>

class DoubleSlider;
class MSSCanvas;
class MSSCanvasController;
class MSSScaledImage;
class PleaseWait_Modeless;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QThread;
class QWidget;
class Send_Modeless;
class SKTWindowController;

namespace zelk {
class CropListModel;
class FaceFinder;
}

class Cropping_Tool : public QDialog, public ImageEditControls {
    Q_OBJECT
public:
    // The one tool of the process, over the main window.
    static Cropping_Tool* defaultInstance();
    explicit Cropping_Tool(SKTWindowController* hub, QWidget* parent = nullptr);
    ~Cropping_Tool() override;

    // ---- State (the names the callers and the run use) ----
    int input_selection = 0;     // 0 file, 1 folder, 2 camera, 3 series, 4 Excel column
    int crop_direct = 0;         // 0 full tool, 1 one picture, 2 a series, 3 an Excel column
    int croping_selection = 0;   // 0 manual, 1 face, 2 given size
    int crop_num = 0;
    bool Find_Face = false;
    QRectF Crop_Rect;            // canvas coordinates
    QRectF Find_Face_Rect;       // picture pixels, origin lower left
    QString Crop_Input_Path;
    QString Crop_Output_Path;
    QString croped_file;         // the path written for the current picture, "" for none
    QString Crop_Direct_Path;
    QString Crop_Direct_Series;
    QString Passed_Excel_Col_Name;
    int Passed_Excel_Col_Index = -1;
    int Crop_New_Excel_Col_Index = -1;
    QString Crop_New_Excel_Col_Name;
    int ctrl_data_source_type = 0;
    int list_count = 0;
    bool Crop_All_Thread_Running = false;
    QImage User_Picture_PREVIEW;
    QImage User_Picture;
    // The input list: rows {"SNO", "Image_Path", "IMG_NAME"}.
    QList<QVariantMap> ListData;

    // The keep-or-replace question of the crops (tests answer it).
    zelk::ExportFileWriter::Ask askReplace = zelk::ExportFileWriter::askReplcaeConfirmBox;
    // The face cascade ("" the system's).
    QString cascadePath;

    // The camera input (none: the camera row is disabled).
    void setCamera(std::unique_ptr<zelk::CroppingCamera> camera);
    zelk::CroppingCamera* camera() const { return camera_.get(); }

    // ---- Openers: each runs the window modally and returns its code ----
    int Open_Wnd();
    int Open_Wnd_Direct_To_Crop(const QString& path);
    int Open_Wnd_Direct_Crop_Series(const QString& series);
    int Open_Wnd_Direct_Excel_Column(const QString& column, int col_index);

    // ---- Main screen ----
    void Set_Default_Values();
    void Disable_Auto_Face_Radio();
    void Start_Stop_Btn_State();
    void Get_And_Fill_Camera_List();
    void input_option_CellClick();
    void output_option_CellClick();
    void File_Browse_Clicked();
    void Folder_Browse_Clicked();
    void Output_Browse_Clicked();
    void Open_Output_Folder_Clicked();
    void View_batch_Series_Button();
    void OK_Btn_Clicked();
    void Back_Btn_Clicked();
    bool Load_for_Next_Screen();
    void Load_file_Func(const QString& series);
    void Load_Image_File(const QString& path);
    void Cancel_Btn_Clicked();
    void Show_Hide_List_Ctrl(bool hide);

    // ---- Camera input ----
    void Start_Btn_Clicked();
    void Stop_Btn_Clicked();
    void Refresh_Camera_Clicked();
    // "Capture" takes the last frame shown onto the crop screen; "Resume"
    // goes back to the live view.
    void Capture_Clicked();

    // ---- Editing ----
    void Update_Image_With_Settings(bool = false);
    void Image_reset_Button();

    // ---- Crop methods ----
    QSizeF originalImageRatio() const;
    void Show_hide_Crop_Selection(bool show);
    void Check_And_Set_Selection(bool update);
    void cropping_option_CellClick();
    void Set_Default_Cropping_Option();
    void Find_Face_Function_In_Image();
    void Face_Rect_Draw_Function();
    void Extend_Face_Size_Changed();
    // The size texts as typed (controlTextDidChange).
    void sizeTextEdited(QLineEdit* text);
    QString Cropped_File_Name();
    // Crops the picture on screen by Crop_Rect (or by the given size) to
    // `target`; croped_file is what was written. True when written.
    bool Crop_Image_Function(const QString& target, bool skipQuestion);
    void Crop_Single_Image_Clicked();
    void Open_Export_File_Box();

    // ---- Direct modes ----
    void Crop_Direct_Image_Clicked();
    void Close_Direct_Image_Clicked();
    void Close_Box_With_OK();
    void Close_Box_With_Cancel();

    // ---- List and batch run ----
    void Create_List(const QString& path);
    QString Get_Item_Text(int row) const;
    void Mark_List_New_Selection(int row);
    void Crop_All_Clicked();
    bool cropRunning() const { return runThread_ != nullptr; }
    // The settings a run copies when it starts.
    zelk::CropSettings cropSettings() const;

    // ---- Controls ----
    QWidget* Main_Screen_Box = nullptr;
    QWidget* Crop_Screen_Box = nullptr;
    QButtonGroup* input_option_matrix = nullptr;
    QWidget* File_Box = nullptr;
    QLineEdit* file_path = nullptr;
    QWidget* Folder_Box = nullptr;
    QLineEdit* folder_path = nullptr;
    QWidget* Camera_Box = nullptr;
    QComboBox* camera_list = nullptr;
    QComboBox* camera_list_unq_id = nullptr;
    QWidget* batch_series_box = nullptr;
    QComboBox* batch_list = nullptr;
    QButtonGroup* batch_matrix = nullptr;
    QLineEdit* output_path = nullptr;
    QButtonGroup* output_option_matrix = nullptr;
    QLineEdit* output_custom_name = nullptr;
    QComboBox* output_format_combo = nullptr;
    QPushButton* Next_Btn = nullptr;
    QPushButton* Back_Btn = nullptr;
    QPushButton* Cancel_Btn = nullptr;
    QWidget* button_box = nullptr;
    QPushButton* crop_btn = nullptr;
    QPushButton* crop_all_btn = nullptr;
    QPushButton* Open_Folder_Btn = nullptr;
    QPushButton* Crop_direct_Btn = nullptr;
    QPushButton* Close_direct_Btn = nullptr;
    QPushButton* start_btn = nullptr;
    QPushButton* stop_btn = nullptr;
    QPushButton* capture_btn = nullptr;
    QPushButton* refresh_camera_btn = nullptr;
    QLabel* capture_image = nullptr;
    QLabel* Used_Option = nullptr;
    MSSScaledImage* Modified_image = nullptr;
    MSSCanvas* canvas = nullptr;
    MSSCanvasController* canvasController = nullptr;
    QGroupBox* Croping_option_Box = nullptr;
    QButtonGroup* cropping_option_matrix = nullptr;
    QWidget* extend_face_box = nullptr;
    QLineEdit* Face_Size_Text = nullptr;
    QSpinBox* Face_Size_Stepper = nullptr;
    QWidget* cropping_wid_size = nullptr;
    QLineEdit* width_Text = nullptr;
    QSpinBox* width_Stepper = nullptr;
    QLineEdit* height_Text = nullptr;
    QSpinBox* height_Stepper = nullptr;
    QCheckBox* aspect_ratio_chk = nullptr;
    QTableView* ColList = nullptr;
    Send_Modeless* send_modls_wnd = nullptr;
    PleaseWait_Modeless* plz_wait_Window = nullptr;

protected:
    // Escape and the window's close box end the tool as its own close
    // button does.
    void reject() override;

private:
    // What a crop that wrote its files says.
    static const QString CroppedMessage;
    static void select(QButtonGroup* group, int id);
    // While a run is under way the tool does not close: closing asks Stop's
    // question instead. False when no run is under way.
    bool stopInsteadOfClosing();
    void buildMainScreen();
    void buildCropScreen();
    // A path field with its Browse button, in a box of its own.
    QWidget* pathBox(QLineEdit*& field, void (Cropping_Tool::*browsed)());
    struct ButtonSpec {
        QPushButton** button;
        const char* text;
        void (Cropping_Tool::*clicked)();
    };
    // A row of buttons after a stretch, each wired to its handler.
    QHBoxLayout* buttonRow(std::initializer_list<ButtonSpec> buttons);
    // A value typed in `text` or stepped in `stepper`, in row `row` of
    // `grid` after its label; the stepper's value shows in the text.
    void addValueWithStepper(QGridLayout* grid, int row, const QString& label, QLineEdit*& text,
                             QSpinBox*& stepper, int lowest, int highest);
    // The main screen or the crop screen; the window takes the size of the
    // one shown (growing or shrinking back) and stays on its screen.
    void showCropScreen(bool crop);
    // Row `row` of the list chosen and scrolled into view, without loading
    // its picture again.
    void showListRow(int row);
    // A folder chosen from the one `field` names, into `field`.
    void chooseFolderInto(QLineEdit* field, const QString& title);
    void reloadList();
    void listSelectionChanged();
    void fillSeriesList();
    void finishRun();
    void followRow(int row);
    bool prepareRun();
    QString selectedSeries() const;
    // The size boxes enabled for crop `method`; the face margin only for a
    // face found.
    void setSizeBoxes(int method, bool faceFound);
    // Crop_Rect from the selection (manual and face methods); false, with
    // the user told why, when there is none to crop by. A run searches each
    // picture for its own face: one on screen that does not decode stops it
    // not.
    bool takeCropRect(bool forRun = false);
    // The input on screen is a file whose picture does not decode.
    bool shownFileUndecoded() const;
    // Why no face is shown: none found, or such a file (named).
    QString noFaceMessage() const;
    zelk::CropNaming cropNaming() const;
    // The crop screen of a direct mode (1 a picture, 2 a series, 3 an Excel
    // column) with its crop button's text.
    void showDirectScreen(int mode, const QString& cropText);
    // The direct modes' crop and close buttons, or the full tool's.
    void showDirectButtons(bool direct);
    // A crop starts with no keep-or-replace answer and no stop asked.
    void clearCropFlags();
    // Runs the window modally and hides it after; its code.
    int runModal();
    void Stop_Camera_Reading();

    SKTWindowController* hub_;
    std::unique_ptr<zelk::CroppingCamera> camera_;
    std::unique_ptr<zelk::FaceFinder> faces_;
    zelk::CropListModel* listModel_ = nullptr;
    QRect facePixels_;
    bool listQuiet_ = false;   // a row chosen by showListRow: its picture is shown
    // The run under way.
    std::shared_ptr<zelk::CropJob> job_;
    QThread* runThread_ = nullptr;
    QString seriesPath_;       // the series file the run writes ("" none)
    bool replaceSeries_ = false;
    QString excelColumn_;      // the Excel column the run fills ("" none)
};

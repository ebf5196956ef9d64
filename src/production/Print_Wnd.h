#pragma once
// The print window: printer and paper, the card grid on the sheet (card
// size, rows, columns, gaps, centring or 3 x 3 alignment), the side or sides
// and their arrangement, fit to frame, crop marks, mirror printing, the card
// range, print profiles, a preview of the sheet, and the Preview and Print
// runs. Lengths are shown in millimetres and kept in points in the print
// settings (production/PrintGlobals.h).
//
// The rules live in their own classes (SheetLayout, PrintRange, PrintPlan,
// PrintProfileFile, ...); the handlers here read the controls, call them and
// write the settings back.
#include "canvas/SideSnapshot.h"
#include "production/PrintCardSource.h"

#include <QDialog>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

class Print_Wnd : public QDialog {
    Q_OBJECT
public:
    static Print_Wnd* defaultInstance();

    // ---- What the opener hands over (SKTWindowController::Print_method) ----
    // The design's side (0 front, 1 back) as it is, without data values.
    std::function<zelk::SideSnapshot(int side)> designSide;
    // The cards of a run: the batch state recounted with series values
    // (withSeries) and Excel values (withExcel) as the window's check boxes
    // allow, and each card's sides.
    std::function<zelk::PrintCardSource(bool withSeries, bool withExcel)> cardSource;

    // Resets and fills the window and runs it; true when it ended with Cancel
    // or a close (every run ends so), false after a failure to open.
    bool Open_Print_Wnd();

    // ---- Printer and paper ----
    void Set_values_From_Printer();
    void Printer_Changed();
    void Orientation_Changed();
    void pagesetup();
    void Refresh_Preview();

    // ---- Sheet layout ----
    void Check_Max_Cell_Value();
    void Set_Demo_align_image();
    void Capture_Last_Values();
    void Disable_for_fit_or_duplex();
    void Duplex_Printing_Is_Selected();
    void Normal_Printing_Is_Selected();
    void Calculate_label_acc_row_col();
    void card_side_CellClick();
    void Auto_Center_Checked();
    void Print_Alignment_Changed();
    void Print_Alignment_One_Side_Changed();
    void Layout_Field_Changed();
    void Grid_Field_Changed();

    // ---- Alignment, range, data, mirror and marks ----
    // The nine alignment buttons: label_align_val = 1 (top left) .. 9.
    void Alignment_btn_clicked(int value);
    void Set_Reset_Alignemnt_Image();
    void Show_Margin_Checked();
    void Enable_Crop_Mark_clicked();
    void Fit_To_Frame_clicked();
    void Print_With_Batch_Changed();
    void Print_With_Excel_Changed();
    void Set_Enable_Diable_Range_Box();
    void All_print_RD_Clicked();
    void Sel_Print_RD_Clicked();
    // target "TOT" the total, "TO" the to field, "A" both.
    void Set_Tot_Value(int value, int max, const QString& target);
    void Mirror_image_chk_clicked();
    void Mirror_Image_Type_CellClick();

    // ---- Runs ----
    void PreviewButtonPressed();
    void PrintButtonPressed();
    void Execute_Printing(bool preview);
    void Call_Print_Box_1();
    void Generate_No_Batch_Card_Image();
    void Verify_Card_Count();
    void CancelButtonPressed();

    // ---- Print profiles ----
    void Load_Print_Profile();
    void Create_Profile_List(const QString& name);
    QString Get_List_Name_Text(int row) const;
    void Make_select_on_index(int row);
    void Profile_Selection_Changed();
    // False, and the failure shown, when the profile could not be written.
    bool Save_Print_Profile(const QString& name, const QString& printer);
    void Read_and_load_profile_info(const QString& name);
    // "A" add, "E" edit.
    void Add_Edit_Print_Profile(const QString& mode);
    void Add_profile_btn_clicked();
    void Edit_profile_btn_clicked();
    void Save_profile_btn_clicked();
    void Delete_profile_btn_clicked();
    // The 26 values of a profile from the controls now.
    QStringList profileFields(const QString& printer) const;

    // ---- State ----
    QString card_side_str;   // "BOTH", "F" or "B"
    int sel_card_side = 0;   // the side current when the window opened
    // The design's sides without data (null when not rendered).
    zelk::SideSnapshot front_image;
    zelk::SideSnapshot back_image;
    // The batch state of the design, as the check boxes leave it.
    zelk::PrintCardSource batch;
    float LAST_Side_Mar = 0, LAST_Horz_Mar = 0, LAST_Vert_Mar = 0;
    int LAST_Row = 1, LAST_Column = 1;
    QStringList ListData_profile;
    // The failures of the last run ("" when none), also shown to the user.
    QString lastRunFailures;
    // Cards are being sent to the printer: the window stays until they are.
    bool printing = false;

    // ---- Controls ----
    QComboBox* Printer_ComboBox = nullptr;
    QComboBox* Orient_ComboBox = nullptr;      // "Portrait", "Landscape"
    QLabel* Paper_id = nullptr;
    QLabel* Size_id = nullptr;
    QLabel* l_mar_id = nullptr;
    QLabel* r_mar_id = nullptr;
    QLabel* t_mar_id = nullptr;
    QLabel* b_mar_id = nullptr;
    QPushButton* page_setup_btn = nullptr;
    // Each length and count is one field with its stepper.
    QDoubleSpinBox* width_Stepper = nullptr;
    QDoubleSpinBox* height_Stepper = nullptr;
    QSpinBox* Row_Stepper = nullptr;
    QSpinBox* Col_Stepper = nullptr;
    QDoubleSpinBox* horz_mar_Stepper = nullptr;
    QDoubleSpinBox* vert_mar_Stepper = nullptr;
    QDoubleSpinBox* Side_Margin_Stepper = nullptr;
    QCheckBox* Auto_Center_chk_bx = nullptr;
    QGroupBox* align_Gp_Bx = nullptr;
    QGroupBox* card_align_box = nullptr;
    std::array<QToolButton*, 9> align_btns{};
    QButtonGroup* matrix_card_side = nullptr;  // ids 0 both, 1 front, 2 back
    QComboBox* print_alignment = nullptr;           // "UD", "U", "L", "DU", "DD"
    QComboBox* print_alignment_one_side = nullptr;  // "U", "D"
    QLabel* print_align_demo_pic = nullptr;
    QCheckBox* fit_frame_chk = nullptr;
    QCheckBox* crop_mark_chk = nullptr;
    QCheckBox* Show_Margins = nullptr;
    QCheckBox* mirror_chk_box = nullptr;
    QButtonGroup* mirror_matrix = nullptr;  // ids 0 horizontal, 1 vertical
    QCheckBox* print_with_batch_chk = nullptr;
    QCheckBox* print_with_excel_chk = nullptr;
    QGroupBox* export_range_box = nullptr;
    QRadioButton* All_print_rd = nullptr;
    QRadioButton* Sel_print_rd = nullptr;
    QLabel* tot_label = nullptr;
    QSpinBox* Total_Stepper = nullptr;
    QLabel* from_label = nullptr;
    QSpinBox* from_Stepper = nullptr;
    QLabel* to_label = nullptr;
    QSpinBox* To_Stepper = nullptr;
    QSpinBox* Copies_Stepper = nullptr;
    QScrollArea* Print_sclview = nullptr;
    QLabel* test_image_view = nullptr;
    QListWidget* List_profile = nullptr;
    QPushButton* Add_profile_btn = nullptr;
    QPushButton* Edit_profile_btn = nullptr;
    QPushButton* Save_profile_btn = nullptr;
    QPushButton* Delete_profile_btn = nullptr;
    QPushButton* preview_btn = nullptr;
    QPushButton* print_btn = nullptr;
    QPushButton* cancel_btn = nullptr;

    // The two-sided and one-sided arrangement codes, in their lists' order.
    static const QStringList bothSidesCodes;
    static const QStringList oneSideCodes;

protected:
    void reject() override;
    // The sheet preview follows the room the window gives it.
    void resizeEvent(QResizeEvent* event) override;

private:
    // The program's own change of a field or stepper: no handler runs.
    template <class Box, class Value>
    static void setQuietly(Box* box, Value value) {
        const QSignalBlocker block(box);
        box->setValue(value);
    }

    explicit Print_Wnd(QWidget* parent = nullptr);
    void buildLayout();
    void connectControls();
    QString sideOfMatrix() const;
    void selectSideRow(int row);
    bool usesData() const;
};

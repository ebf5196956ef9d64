#pragma once
// The export window: file type, sides, combined picture, data values, the
// range of cards and the mirror. Its handlers keep the controls in step and
// set the run's values (export_card_side, Print_Start, Print_End,
// Total_Label, the mirror flags); the export command reads them after OK.
#include <QDialog>
#include <QString>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace zelk {

class ExportWindow : public QDialog {
    Q_OBJECT
public:
    explicit ExportWindow(QWidget* parent = nullptr);

    QComboBox* fileFormatPopup = nullptr;      // its title is the extension of every file
    QButtonGroup* matrix_file_type = nullptr;  // rows mirror the pop-up's items
    QComboBox* saveDPIText = nullptr;
    QButtonGroup* matrix_export_card_side = nullptr;  // 0 "BOTH", 1 "F", 2 "B"
    QCheckBox* export_combined_image_chk = nullptr;
    QCheckBox* combined_image_H_or_V_chk = nullptr;  // on: side by side
    QCheckBox* Export_with_batch_chk = nullptr;
    QCheckBox* Export_with_excel_chk = nullptr;
    QGroupBox* export_range_box = nullptr;
    QRadioButton* All_print_rd = nullptr;
    QRadioButton* Sel_print_rd = nullptr;
    QLineEdit* Total_Text = nullptr;
    QSpinBox* Total_Stepper = nullptr;
    QLabel* tot_label = nullptr;
    QLineEdit* from_Text = nullptr;
    QSpinBox* from_Stepper = nullptr;
    QLabel* from_label = nullptr;
    QLineEdit* To_Text = nullptr;
    QSpinBox* To_Stepper = nullptr;
    QLabel* to_label = nullptr;
    QCheckBox* mirror_chk_box = nullptr;
    QButtonGroup* mirror_matrix = nullptr;  // 0 horizontal, 1 vertical

    // Recounts Total_Batch_Excel_Card after a data check box changed
    // (Get_total_Card_count); set by the export command.
    std::function<void()> recount;

    // The window reset as the export command opens it.
    void resetForExport(bool twoSided, bool visitorMode, bool seriesInUse, bool excelInUse);
    // Runs the window modally: 1 for OK, 0 for Cancel.
    int Open_Wnd();
    // The file type's title: the extension of every file, as it stands.
    QString fileType() const;
    bool dataValuesOn() const;
    // Print_Start, Print_End and Total_Label from the range, bounded to the
    // cards of the data; false (and "Please select valid range.") when the
    // first card is after the last.
    bool applyRange();

    // ---- Handlers ----
    void exportOkay();
    void exportCancel();
    void exportFileTypeChanged();
    void export_file_type_CellClick(int row);
    void export_card_side_CellClick(int column);
    void Export_With_Batch_Changed();
    void Export_With_Excel_Changed();
    void Set_Enable_Diable_Range_Box();
    void All_print_RD_Clicked();
    void Sel_Print_RD_Clicked();
    // Keep a field and its stepper equal: a stepper sends its value to the
    // field, a field to its stepper.
    void From_Stepper_Changed(QObject* sender);
    void To_Stepper_Changed(QObject* sender);
    void Total_Val_Changed(QObject* sender);
    void Set_Tot_Value(int value, int max, const QString& target);
    void Mirror_image_chk_clicked();
    void Mirror_Image_Type_CellClick(int column);
    // The typing rules of the range fields, run on every edit.
    void controlTextDidChange(QLineEdit* field);

    // The integer a field's text starts with (0 for none).
    static int integerValue(const QString& text);

private:
    void dataChanged();
    void syncStepper(QLineEdit* field, QSpinBox* stepper, QObject* sender);
};

}  // namespace zelk

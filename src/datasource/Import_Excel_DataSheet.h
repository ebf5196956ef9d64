#pragma once
// Series from the columns of a worksheet: one series per checked column,
// named after it ("each column"), or all checked cells row by row into one
// series that is new, replaced or appended to ("fill"). A series bound to a
// graphic of the card is never changed, and an existing one only when the
// user chose so.
#include "datasource/ExcelColumnDialog.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// "Apply to All" of the in-use alert: its starting state.
extern bool Msg_Apply_All_Chk_for_in_use;

class Import_Excel_DataSheet : public zelk::ExcelColumnDialog {
    Q_OBJECT
public:
    static Import_Excel_DataSheet* defaultInstance();

    QRadioButton* Each_col_RD = nullptr;
    QRadioButton* Fill_col_RD = nullptr;
    QGroupBox* fill_box = nullptr;
    // The fill target: 0 a new series named in list_name, 1 an existing
    // series chosen in List_ComboBox and replaced, 2 one appended to.
    QButtonGroup* matrix_fill_type = nullptr;
    int fill_col_option = 0;
    QLineEdit* list_name = nullptr;
    QComboBox* List_ComboBox = nullptr;
    // 1 when opened for the series manager, whose list is then rebuilt.
    int file_name_Insert = 0;

    // Resets the dialog, lists the sheets and the series, and runs it.
    void Open_excel_datasheet_Wnd(const QString& path);

    void OKPressed();
    void CancelPressed();
    void Each_Col_RD_Click();
    void Fill_Col_RD_Click();
    void Fill_Type_CellClick(int target);

    // The two ways; Insert_file_Func is false when it stopped before writing.
    void Create_file_For_Col_Func();
    bool Insert_file_Func();

protected:
    void columnsListed() override;

private:
    explicit Import_Excel_DataSheet(QWidget* parent = nullptr);
    void refreshSeriesList();
};

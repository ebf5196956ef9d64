#pragma once
// What the two workbook column dialogs share: the workbook path, the sheet
// list, the column list with its check boxes, the header-row check box and
// the please-wait sheet. The sheet list shows the workbook's sheets in the
// order of their numbers, and choosing one reads the sheet it names.
#include "datasource/SpreadsheetWriter.h"

#include <QDialog>

class PleaseWait_Modeless;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;
class QVBoxLayout;

namespace zelk {

class ExcelColumnList;

class ExcelColumnDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* file_path = nullptr;
    QCheckBox* contains_header = nullptr;  // the first row holds titles only
    QComboBox* Sheet_ComboBox = nullptr;
    QTableView* ColList = nullptr;
    ExcelColumnList* ListData_xl = nullptr;
    PleaseWait_Modeless* plz_wait_Window = nullptr;
    // The rows last read.
    SpreadsheetWriter::Rows excel_content;

    void Select_ALL_Pressed();
    void Clear_All_Pressed();
    // The sheet choice: reads the header row of the sheet the item names and
    // lists its columns unchecked; a sheet without columns changes nothing.
    void comboBoxSelectionDidChange(int index);
    void Show_Create_Modeless();
    void Hide_Destroy_Modeless();

protected:
    ExcelColumnDialog(const QString& title, QWidget* parent);

    // The state of a new opening, then the workbook unpacked and its sheets
    // listed, the first one chosen.
    void resetAndLoad(const QString& path);
    // "There is no column." or "No column is selected." when the list gives
    // nothing to import.
    bool checkSelection() const;
    // Every stored row of the chosen sheet, under the please-wait sheet.
    SpreadsheetWriter::Rows readSheetRows();
    // The message for a sheet that gave no rows, with the reader's reason.
    static QString noRowsMessage(const QString& text);
    // The values of the checked cells, row by row, trimmed; from the second
    // row when the first holds titles. Empty cells are kept as "".
    QStringList checkedCellsRowByRow(const SpreadsheetWriter::Rows& rows) const;
    int firstDataRow() const;

    // The controls of a derived dialog go here, above its buttons.
    QVBoxLayout* body = nullptr;
    // Called after the column list was rebuilt from a header row.
    virtual void columnsListed() {}
};

}  // namespace zelk

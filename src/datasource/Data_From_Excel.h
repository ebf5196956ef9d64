#pragma once
// The loaded worksheet of the process (the Excel table): column titles and
// rows from which Excel-bound graphics take their values, one card per row.
// One object for the whole run; its viewer window only shows it.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace zelk {
class ExcelTableModel;
}

class Data_From_Excel : public QObject {
    Q_OBJECT
public:
    struct Column {
        QString identifier;  // "Extension" for column 0, then "Column%d"
        QString title;
        bool hidden = false;
    };

    // The one object; also published as Data_From_Excel_Window.
    static Data_From_Excel* defaultInstance();

    // Rows: "Extension" (the 1-based row number as text) and "Column%d".
    QList<QVariantMap> ListData;
    void setListData(const QList<QVariantMap>& rows);
    int rowCount() const { return static_cast<int>(ListData.size()); }

    // Columns in display order; column 0 is the row-number column.
    const QList<Column>& ColList() const { return columns_; }
    QStringList columnTitles() const;
    // Appends a data column "Column%d" numbered with the current count of
    // columns (row-number column included) and returns its identifier.
    QString addDataColumn(const QString& title);
    // Removes every column but the row-number column; rows are untouched.
    void removeDataColumns();
    // Re-creates the data columns from stored titles (row-number column
    // first, as columnTitles() gives them): titles 1 to n-1 become columns
    // "Column1" .. "Column<n-1>", a blank one "Untitled Column %d".
    void restoreColumnTitles(const QStringList& titles);
    void setColumnHidden(int column, bool hidden);
    // Removes every row.
    void clearRows();

    // Appends a row: "Extension" = row count + 1, "Column%d" for k = 1 to
    // `count` from the array's elements, trimmed. No row when the array
    // holds fewer than `count` elements (logged).
    void Create_List_By_Array(const QStringList& array, int count);
    // The key of a column's cell in a row: "Extension" for column 0, the
    // row number, "Column%d" for k > 0.
    static QString keyOfColumn(int column);
    // Column 0 gives the row's "Extension", k > 0 its "Column%d"; a key the
    // row lacks gives an invalid QVariant, a row outside the table "".
    QVariant Get_Item_Text(int row, int col_index) const;

    // The lookups of bound graphics over rows held as ListData holds them:
    // column 0 is a row's "Extension", n >= 1 its "Column%d".
    // The first row's value; an empty cell gives " " (a bound text shows
    // that it is bound), no rows, a missing key or a negative column "".
    static QString firstColumnValue(const QList<QVariantMap>& rows, int column);
    // The value of row `row` (from 0); "" for a row or column outside the
    // rows, a missing key or an empty cell.
    static QString cellValue(const QList<QVariantMap>& rows, int row, int column);

    // Loads a sheet: the first row gives the titles of the kept columns
    // (0-based sheet columns, in sheet order); rows from the first (no header
    // row) or the second become table rows, rows without cells skipped. A
    // blank title is "Untitled Column %d" numbered among the kept columns,
    // or with its sheet column when `titleBySheetPosition`. A sheet that
    // gives no row leaves the table as it was: false.
    bool loadSheet(const QList<QStringList>& rows, const QList<int>& keptColumns, bool hasHeaderRow,
                   bool titleBySheetPosition = false);

    // Counts shown by the viewer: rows, and columns (row-number column
    // included) less the two hidden photo columns in group mode ("G").
    int viewerRowCount() const { return rowCount(); }
    int viewerColumnCount() const;

    // Shows the table read-only, application-modal; 1 after OK, else 0.
    int Open_Wnd();

    zelk::ExcelTableModel* tableModel() const { return model_; }
    // Tells the viewer's table that rows or columns changed.
    void reloadData();

private:
    Data_From_Excel();
    QList<Column> columns_;
    zelk::ExcelTableModel* model_ = nullptr;
};

extern Data_From_Excel* Data_From_Excel_Window;

#pragma once
// Which graphics of a design take per-card values from a data series or an
// Excel column, the dataset binding table of the series a design uses, the
// card count of a batch and the value lookups. Functions over values only:
// the hub passes the design, the series folder and the Excel rows in and
// keeps the answers in the production globals; a batch snapshot calls the
// lookups on any thread.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class SKTGraphic;

namespace zelk {

// One series of the series list in the dataset binding table: its name,
// and one value per card once it has been loaded.
struct DatasetEntry {
    QString name;
    bool loaded = false;
    QStringList rows;
};
// One entry per series of the series list, in list order.
using DatasetBindingTable = QList<DatasetEntry>;

}  // namespace zelk

class DataBinding {
public:
    DataBinding() = delete;
    using Graphics = QList<std::shared_ptr<SKTGraphic>>;

    // Only texts, images and barcodes (the exact kinds) take values.
    static bool takesValues(const SKTGraphic* g);
    // A graphic that turns series use on: it takes values, is printed and
    // is bound to a series with a stored index.
    static bool isSeriesBinding(const SKTGraphic* g);
    // The same for an Excel column: bound to Excel, the flag set and a column.
    static bool isExcelBinding(const SKTGraphic* g);
    static bool sideUsesSeries(const Graphics& side);
    static bool sideUsesExcel(const Graphics& side);

    // The series list as the table, then the series of every text, image
    // and barcode bound to a series loaded (front, then back of a two-sided
    // card), printed or not.
    static zelk::DatasetBindingTable Create_Dataset_binding_table(const QStringList& seriesList,
                                                                  const Graphics& front, const Graphics& back,
                                                                  bool twoSided, const QString& folder);
    // Loads the series `name` of `folder` into its entry, found by its name
    // (a stale stored index is ignored); a series that is not in the table,
    // whose file is gone or cannot be read stays unloaded. Its rows follow
    // the series row-list rule (a leading empty value is a card).
    static void Add_dataset_col_in_binding_table(zelk::DatasetBindingTable& table, const QString& name,
                                                 int dataset_index, const QString& folder);
    // The position of the series named exactly `name` (letter case
    // counts, as the in-use guard compares); -1 when absent or null.
    static int Get_Data_SetIndex_According_Name(const QStringList& seriesList, const QString& name);
    static int Get_Data_SetIndex_According_Name(const zelk::DatasetBindingTable& table, const QString& name);
    // Rows of the longest loaded series; 0 when none is loaded.
    static int Calculate_data_table_rows(const zelk::DatasetBindingTable& table);
    // Cards of a batch: the larger count, at least 1.
    static int Get_total_Card_count(int dataTableRows, int excelTableRows);

    // Row `row` of the loaded series at position `col`, untrimmed; "" for
    // any position, row or series outside the table or not loaded.
    static QString Get_sel_row_col_value_of_dataset(const zelk::DatasetBindingTable& table, int row, int col);
    // Row `row` of the Excel rows, bounded both by the run's count
    // `excelTableRows` (0 when Excel values are off) and by the rows held.
    static QString Get_sel_row_col_value_of_Excel(const QList<QVariantMap>& rows, int excelTableRows, int row,
                                                  int col);
    // The first line of the series file, untrimmed; "" when there is none.
    static QString Get_First_Value_Of_Dataset(const QString& folder, const QString& name);
};

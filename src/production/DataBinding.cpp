#include "production/DataBinding.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"

#include <QFileInfo>
#include <algorithm>

bool DataBinding::takesValues(const SKTGraphic* g) {
    return zelk::isExactlyText(g) || zelk::isExactlyImage(g) || zelk::isExactlyBarcode(g);
}

bool DataBinding::isSeriesBinding(const SKTGraphic* g) {
    return takesValues(g) && g->data_source_type == DataSourceType::Series &&
           g->batch_list_index != DataSourceType::None && g->print_object == 0;
}

bool DataBinding::isExcelBinding(const SKTGraphic* g) {
    return takesValues(g) && g->data_source_type == DataSourceType::ExcelColumn && g->excel_binding &&
           g->excel_col_indx != DataSourceType::None && g->print_object == 0;
}

bool DataBinding::sideUsesSeries(const Graphics& side) {
    return std::any_of(side.cbegin(), side.cend(), [](const auto& g) { return isSeriesBinding(g.get()); });
}

bool DataBinding::sideUsesExcel(const Graphics& side) {
    return std::any_of(side.cbegin(), side.cend(), [](const auto& g) { return isExcelBinding(g.get()); });
}

zelk::DatasetBindingTable DataBinding::Create_Dataset_binding_table(const QStringList& seriesList,
                                                                    const Graphics& front, const Graphics& back,
                                                                    bool twoSided, const QString& folder) {
    zelk::DatasetBindingTable table;
    table.reserve(seriesList.size());
    for (const QString& name : seriesList)
        table.append({name, false, {}});
    auto loadSide = [&](const Graphics& side) {
        for (const auto& g : side) {
            if (takesValues(g.get()) && g->data_source_type == DataSourceType::Series)
                Add_dataset_col_in_binding_table(table, g->batch_list_name, g->batch_list_index, folder);
        }
    };
    loadSide(front);
    if (twoSided)
        loadSide(back);
    return table;
}

void DataBinding::Add_dataset_col_in_binding_table(zelk::DatasetBindingTable& table, const QString& name,
                                                   int /*dataset_index*/, const QString& folder) {
    // The name wins over the stored index, which goes stale as series are
    // added or removed.
    const int position = Get_Data_SetIndex_According_Name(table, name);
    if (position < 0 || table.at(position).loaded)
        return;
    const QString path = SeriesFile::filePath(name, folder);
    if (!QFileInfo(path).isFile())
        return;
    const QStringList rows = SeriesFile::readRowList(path);
    // An unreadable file gives no rows: its graphics get the empty text.
    if (rows.isEmpty())
        return;
    table[position].loaded = true;
    table[position].rows = rows;
}

int DataBinding::Get_Data_SetIndex_According_Name(const QStringList& seriesList, const QString& name) {
    if (name.isNull())
        return -1;
    return int(seriesList.indexOf(name));
}

int DataBinding::Get_Data_SetIndex_According_Name(const zelk::DatasetBindingTable& table, const QString& name) {
    if (name.isNull())
        return -1;
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (table.at(i).name == name)
            return int(i);
    }
    return -1;
}

int DataBinding::Calculate_data_table_rows(const zelk::DatasetBindingTable& table) {
    qsizetype rows = 0;
    for (const zelk::DatasetEntry& e : table) {
        if (e.loaded)
            rows = std::max(rows, e.rows.size());
    }
    return int(rows);
}

int DataBinding::Get_total_Card_count(int dataTableRows, int excelTableRows) {
    return std::max({dataTableRows, excelTableRows, 1});
}

QString DataBinding::Get_sel_row_col_value_of_dataset(const zelk::DatasetBindingTable& table, int row, int col) {
    if (col < 0 || col >= table.size())
        return QString();
    const zelk::DatasetEntry& e = table.at(col);
    if (!e.loaded || row < 0 || row >= e.rows.size())
        return QString();
    return e.rows.at(row);
}

QString DataBinding::Get_sel_row_col_value_of_Excel(const QList<QVariantMap>& rows, int excelTableRows, int row,
                                                    int col) {
    if (row >= excelTableRows)
        return QString();
    return Data_From_Excel::cellValue(rows, row, col);
}

QString DataBinding::Get_First_Value_Of_Dataset(const QString& folder, const QString& name) {
    return SeriesFile::readFirstValue(SeriesFile::filePath(name, folder));
}

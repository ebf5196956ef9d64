#include "datasource/Data_From_Excel.h"

#include "datasource/ExcelTableModel.h"
#include "dialogs/Services.h"
#include "foundation/Utilities.h"

Data_From_Excel* Data_From_Excel_Window = nullptr;

Data_From_Excel::Data_From_Excel() {
    columns_.append({QStringLiteral("Extension"), QStringLiteral("No."), false});
    model_ = new zelk::ExcelTableModel(this, this);
}

Data_From_Excel* Data_From_Excel::defaultInstance() {
    if (!Data_From_Excel_Window)
        Data_From_Excel_Window = new Data_From_Excel;
    return Data_From_Excel_Window;
}

void Data_From_Excel::reloadData() { model_->reload(); }

void Data_From_Excel::setListData(const QList<QVariantMap>& rows) {
    ListData = rows;
    reloadData();
}

QStringList Data_From_Excel::columnTitles() const {
    QStringList titles;
    for (const Column& c : columns_)
        titles.append(c.title);
    return titles;
}

QString Data_From_Excel::addDataColumn(const QString& title) {
    const QString id = QStringLiteral("Column%1").arg(columns_.size());
    columns_.append({id, title, false});
    reloadData();
    return id;
}

void Data_From_Excel::removeDataColumns() {
    while (columns_.size() > 1)
        columns_.removeLast();
    reloadData();
}

void Data_From_Excel::restoreColumnTitles(const QStringList& titles) {
    while (columns_.size() > 1)
        columns_.removeLast();
    for (qsizetype k = 1; k < titles.size(); ++k) {
        const QString t = Trim_Str(titles.at(k)).isEmpty() ? QStringLiteral("Untitled Column %1").arg(k) : titles.at(k);
        columns_.append({QStringLiteral("Column%1").arg(k), t, false});
    }
    reloadData();
}

void Data_From_Excel::setColumnHidden(int column, bool hidden) {
    if (column > 0 && column < columns_.size())
        columns_[column].hidden = hidden;
}

void Data_From_Excel::clearRows() {
    ListData.clear();
    reloadData();
}

void Data_From_Excel::Create_List_By_Array(const QStringList& array, int count) {
    if (count < 0 || array.size() < count) {
        Show_NSLog_Message(QStringLiteral("Create_List_By_Array: %1 values for %2 columns")
                               .arg(array.size()).arg(count));
        return;
    }
    QVariantMap row;
    row.insert(QStringLiteral("Extension"), QString::number(ListData.size() + 1));
    for (int k = 1; k <= count; ++k)
        row.insert(QStringLiteral("Column%1").arg(k), Trim_Str(array.at(k - 1)));
    ListData.append(row);
}

QVariant Data_From_Excel::Get_Item_Text(int row, int col_index) const {
    if (row < 0 || row >= ListData.size()) {
        Show_NSLog_Message(QStringLiteral("Get_Item_Text: row %1 is outside the table of %2 rows")
                               .arg(row).arg(ListData.size()));
        return QString(QLatin1String(""));
    }
    const QVariantMap& r = ListData.at(row);
    const auto it = r.constFind(keyOfColumn(col_index));
    if (it == r.constEnd())
        return {};
    return it.value().toString();
}

QString Data_From_Excel::keyOfColumn(int column) {
    return column == 0 ? QStringLiteral("Extension") : QStringLiteral("Column%1").arg(column);
}

QString Data_From_Excel::firstColumnValue(const QList<QVariantMap>& rows, int column) {
    if (rows.isEmpty() || column < 0)
        return QString();
    const auto it = rows.first().constFind(keyOfColumn(column));
    if (it == rows.first().constEnd())
        return QString();
    const QString value = it.value().toString();
    return value.isEmpty() ? QStringLiteral(" ") : value;
}

QString Data_From_Excel::cellValue(const QList<QVariantMap>& rows, int row, int column) {
    if (row < 0 || row >= rows.size() || column < 0)
        return QString();
    return rows.at(row).value(keyOfColumn(column)).toString();
}

bool Data_From_Excel::loadSheet(const QList<QStringList>& rows, const QList<int>& keptColumns,
                                bool hasHeaderRow, bool titleBySheetPosition) {
    // Read into new columns and rows first: the table is replaced only by a
    // whole sheet that gave at least one row.
    if (rows.isEmpty() || rows.first().isEmpty())
        return false;
    QList<Column> columns = columns_.mid(0, 1);
    int n = 0;
    const QStringList& first = rows.first();
    for (int col : keptColumns) {
        ++n;
        QString title = Trim_Str(col >= 0 && col < first.size() ? first.at(col) : QString());
        if (title.isEmpty())
            title = QStringLiteral("Untitled Column %1").arg(titleBySheetPosition ? col + 1 : n);
        columns.append({QStringLiteral("Column%1").arg(n), title, false});
    }
    QList<QVariantMap> read;
    for (qsizetype i = hasHeaderRow ? 1 : 0; i < rows.size(); ++i) {
        const QStringList& row = rows.at(i);
        if (row.isEmpty())
            continue;
        QVariantMap r;
        r.insert(QStringLiteral("Extension"), QString::number(read.size() + 1));
        for (int k = 0; k < n; ++k) {
            const int col = keptColumns.at(k);
            r.insert(QStringLiteral("Column%1").arg(k + 1), Trim_Str(col >= 0 && col < row.size() ? row.at(col) : QString()));
        }
        read.append(r);
    }
    if (read.isEmpty())
        return false;
    columns_ = columns;
    ListData = read;
    reloadData();
    return true;
}

int Data_From_Excel::viewerColumnCount() const {
    const auto services = zelk::Services::current();
    const bool groupMode = services->startMode && services->startMode() == QLatin1String("G");
    return static_cast<int>(columns_.size()) - (groupMode ? 2 : 0);
}

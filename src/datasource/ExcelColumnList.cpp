#include "datasource/ExcelColumnList.h"

#include "foundation/Utilities.h"

namespace zelk {

ExcelColumnList::ExcelColumnList(QObject* parent) : QAbstractTableModel(parent) {}

void ExcelColumnList::setRows(const QList<ExcelColumnRow>& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void ExcelColumnList::setAllStates(bool state) {
    QList<ExcelColumnRow> rows = rows_;
    for (ExcelColumnRow& r : rows)
        r.state = state;
    setRows(rows);
}

void ExcelColumnList::setState(int row, bool state) {
    setData(index(row, State), state ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

QList<int> ExcelColumnList::checkedColumns() const {
    QList<int> columns;
    for (qsizetype i = 0; i < rows_.size(); ++i)
        if (rows_.at(i).state)
            columns.append(static_cast<int>(i));
    return columns;
}

QList<ExcelColumnRow> ExcelColumnList::fromHeader(const QStringList& header) {
    QList<ExcelColumnRow> rows;
    for (qsizetype i = 0; i < header.size(); ++i) {
        QString title = Trim_Str(header.at(i));
        if (title.isEmpty())
            title = QStringLiteral("Untitled Column %1").arg(i + 1);
        rows.append({false, title, title});
    }
    return rows;
}

int ExcelColumnList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ExcelColumnList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ExcelColumnList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const ExcelColumnRow& r = rows_.at(index.row());
    if (index.column() == State)
        return role == Qt::CheckStateRole ? QVariant(r.state ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return index.column() == Extension ? r.title : r.header;
}

bool ExcelColumnList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() < 0 || index.row() >= rows_.size()) {
        Show_NSLog_Message(QStringLiteral("Invalid parameter not satisfying: %1")
                               .arg(QStringLiteral("pRowIndex >= 0 && pRowIndex < [ListData_xl count]")));
        return false;
    }
    ExcelColumnRow& r = rows_[index.row()];
    if (index.column() == State && role == Qt::CheckStateRole)
        r.state = value.toInt() == Qt::Checked;
    else if (index.column() == Header && role == Qt::EditRole)
        r.header = value.toString();
    else
        return false;
    emit dataChanged(index, index);
    return true;
}

QVariant ExcelColumnList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case State: return QString();
    case Extension: return QStringLiteral("Column");
    default: return QStringLiteral("Series Name");
    }
}

Qt::ItemFlags ExcelColumnList::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == State)
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == Header && headerEditable_)
        f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace zelk

#include "datasource/ExcelTableModel.h"

#include "datasource/Data_From_Excel.h"

namespace zelk {

ExcelTableModel::ExcelTableModel(Data_From_Excel* table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int ExcelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->rowCount();
}

int ExcelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_->ColList().size());
}

QVariant ExcelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole) ||
        index.row() >= table_->rowCount() || index.column() >= table_->ColList().size())
        return {};
    const QString& id = table_->ColList().at(index.column()).identifier;
    return table_->ListData.at(index.row()).value(id);
}

QVariant ExcelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= table_->ColList().size())
        return {};
    if (role == Qt::DisplayRole)
        return table_->ColList().at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ExcelTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ExcelTableModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace zelk

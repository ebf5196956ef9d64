#include "inspector/PresetListModel.h"

#include "foundation/Utilities.h"

PresetListModel::PresetListModel(Rows* rows, QObject* parent) : QAbstractTableModel(parent), rows_(rows) {}

void PresetListModel::reloadData() {
    beginResetModel();
    endResetModel();
}

int PresetListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_->size());
}

int PresetListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant PresetListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_->size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return rows_->at(index.row()).value(ExtensionColumn);
}

bool PresetListModel::setValue(int row, const QString& value) {
    if (row < 0 || row >= rows_->size()) {
        Show_NSLog_Message(QStringLiteral("Invalid parameter not satisfying: %1")
                               .arg(QStringLiteral("pRowIndex >= 0 && pRowIndex < [ListData count]")));
        return false;
    }
    (*rows_)[row].insert(ExtensionColumn, value);
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell);
    return true;
}

bool PresetListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole)
        return false;
    return setValue(index.isValid() ? index.row() : -1, value.toString());
}

Qt::ItemFlags PresetListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

#include "production/GroupListModel.h"

#include "foundation/Utilities.h"

namespace zelk {

GroupListModel::GroupListModel(QList<QVariantMap>* rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int GroupListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_->size());
}

int GroupListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_->size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return rows_->at(index.row()).value(ColumnIdentifier);
}

bool GroupListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    return setObjectValue(index.row(), ColumnIdentifier, value);
}

Qt::ItemFlags GroupListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void GroupListModel::appendRow(const QVariantMap& row) {
    const int at = int(rows_->size());
    beginInsertRows({}, at, at);
    rows_->append(row);
    endInsertRows();
}

bool GroupListModel::setObjectValue(int row, const QString& identifier, const QVariant& value) {
    if (row < 0 || row >= rows_->size()) {
        Show_NSLog_Message(QStringLiteral("Invalid parameter not satisfying: %1")
                               .arg(QStringLiteral("pRowIndex >= 0 && pRowIndex < [GroupListData count]")));
        return false;
    }
    (*rows_)[row].insert(identifier, value);
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell);
    return true;
}

void GroupListModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace zelk

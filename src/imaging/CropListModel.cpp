#include "imaging/CropListModel.h"

using zelk::CropListModel;

CropListModel::CropListModel(QList<QVariantMap>& rows, QObject* parent) : QAbstractTableModel(parent), rows_(rows) {}

QString CropListModel::keyOf(int column) {
    static const char* const keys[] = {"SNO", "Image_Path", "IMG_NAME"};
    return column >= 0 && column < 3 ? QString::fromLatin1(keys[column]) : QString();
}

int CropListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int CropListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant CropListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return rows_.at(index.row()).value(keyOf(index.column()));
}

bool CropListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() < 0 || index.row() >= rows_.size())
        return false;
    rows_[index.row()][keyOf(index.column())] = value;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CropListModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant CropListModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[] = {"No.", "Image Path", "Image Name"};
    return section >= 0 && section < 3 ? QString::fromLatin1(titles[section]) : QVariant();
}

void CropListModel::reload() {
    beginResetModel();
    endResetModel();
}

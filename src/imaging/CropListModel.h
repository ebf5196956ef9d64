#pragma once
// The cropping tool's input list as its table shows it: one row per entry
// of the tool's ListData, the columns by their identifiers ("SNO",
// "Image_Path", "IMG_NAME"). Cells may be edited in place.
#include <QAbstractTableModel>
#include <QList>
#include <QVariantMap>

namespace zelk {

class CropListModel : public QAbstractTableModel {
public:
    CropListModel(QList<QVariantMap>& rows, QObject* parent);

    static QString keyOf(int column);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    // The rows changed as a whole.
    void reload();

private:
    QList<QVariantMap>& rows_;
};

}  // namespace zelk

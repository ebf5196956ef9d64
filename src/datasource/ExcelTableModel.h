#pragma once
// The Excel table as an item model for the viewer's table view: one row per
// table row, one column per table column, cells looked up by the column's
// identifier. Read-only.
#include <QAbstractTableModel>

class Data_From_Excel;

namespace zelk {

class ExcelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ExcelTableModel(Data_From_Excel* table, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void reload();

private:
    Data_From_Excel* table_;
};

}  // namespace zelk

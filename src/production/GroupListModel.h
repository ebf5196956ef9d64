#pragma once
// The table data source of the main window's group-mode list: one row per
// card holder, {"BatchList": text}, held in the window's GroupListData.
// Editing a cell stores the text under the column's identifier.
#include <QAbstractTableModel>
#include <QList>
#include <QVariantMap>

namespace zelk {

class GroupListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The one column's identifier.
    static inline const QString ColumnIdentifier = QStringLiteral("BatchList");

    // `rows` is the window's list; it outlives the model.
    explicit GroupListModel(QList<QVariantMap>* rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void appendRow(const QVariantMap& row);
    // Stores the value under `identifier` in row `row`; a row outside the
    // list changes nothing and is logged. True when stored.
    bool setObjectValue(int row, const QString& identifier, const QVariant& value);
    // Tells the views that the rows were replaced.
    void reload();

private:
    QList<QVariantMap>* rows_;
};

}  // namespace zelk

#pragma once
// The card-size preset list (ColList) over the main window's rows
// (ListData): one column, "Extension", the preset's name.
#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

class PresetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Rows = QList<QHash<QString, QString>>;
    static inline const QString ExtensionColumn = QStringLiteral("Extension");

    // The rows are the window's and outlive the model.
    explicit PresetListModel(Rows* rows, QObject* parent = nullptr);

    // The rows changed: the table shows them again.
    void reloadData();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // An edited value goes into the row under the column's identifier; a
    // row outside the list is refused with a line in the log.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The same, by row number (the refusal is logged here).
    bool setValue(int row, const QString& value);

private:
    Rows* rows_;
};

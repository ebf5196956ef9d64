#pragma once
// The column list of the workbook import dialogs: one row per column of the
// sheet's header row, in column order, with its check box ("State"), its
// title ("Extension") and the name of the series it makes ("Header").
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace zelk {

struct ExcelColumnRow {
    bool state = false;
    QString title;
    QString header;
};

class ExcelColumnList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { State, Extension, Header };

    explicit ExcelColumnList(QObject* parent = nullptr);

    const QList<ExcelColumnRow>& rows() const { return rows_; }
    void setRows(const QList<ExcelColumnRow>& rows);
    // Every row checked or unchecked, titles and names kept.
    void setAllStates(bool state);
    void setState(int row, bool state);
    // The 0-based sheet columns whose rows are checked, in order.
    QList<int> checkedColumns() const;
    // Lets the user rename the series a column makes.
    void setHeaderEditable(bool editable) { headerEditable_ = editable; }

    // Unchecked rows of a header row: titles trimmed, a blank one named
    // "Untitled Column %d" with its 1-based column number.
    static QList<ExcelColumnRow> fromHeader(const QStringList& header);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<ExcelColumnRow> rows_;
    bool headerEditable_ = false;
};

}  // namespace zelk

#pragma once
// What the barcode settings window asks of the rest of the program: the
// start mode and Excel binding state of the design, the data series and the
// Excel table's columns with their first values, and the two viewers. The
// main window installs its own; this base answers as a design without data
// would (no series, no table) and shows nothing.
#include <QString>
#include <QStringList>

namespace zelk {

class BarcodeDataSource {
public:
    virtual ~BarcodeDataSource();

    // The design is in visitor mode (start mode "V").
    virtual bool visitorMode() const;
    // The design is bound to a workbook (Excel_Binding_Use).
    virtual bool excelBindingInUse() const;

    // The series names in the data folder's order.
    virtual QStringList seriesNames() const;
    // The index of a series name compared without regard to case; -1 when absent.
    int seriesIndexOf(const QString& name) const;
    // The first line of the series' file; "" when it does not exist.
    virtual QString firstValueOfSeries(const QString& name) const;

    // The loaded table's column titles in column order.
    virtual QStringList excelColumnTitles() const;
    // The column's value in the table's first row; "" without rows.
    virtual QString firstValueOfExcelColumn(int column) const;

    // Shows the series' values.
    virtual void viewSeries(const QString& name);
    // Shows the loaded Excel table.
    virtual void viewExcelTable();
};

}  // namespace zelk

#pragma once
// What the barcode settings window reads of the design: the start mode and
// Excel binding state of the main window, the series of the data folder and
// the loaded Excel table, and the viewers of both.
#include "barcode/BarcodeDataSource.h"

namespace zelk {

class HubBarcodeDataSource : public BarcodeDataSource {
public:
    bool visitorMode() const override;
    bool excelBindingInUse() const override;
    QStringList seriesNames() const override;
    QString firstValueOfSeries(const QString& name) const override;
    QStringList excelColumnTitles() const override;
    QString firstValueOfExcelColumn(int column) const override;
    void viewSeries(const QString& name) override;
    void viewExcelTable() override;
};

}  // namespace zelk

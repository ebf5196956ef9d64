#include "barcode/BarcodeDataSource.h"

namespace zelk {

BarcodeDataSource::~BarcodeDataSource() = default;

bool BarcodeDataSource::visitorMode() const { return false; }

bool BarcodeDataSource::excelBindingInUse() const { return false; }

QStringList BarcodeDataSource::seriesNames() const { return {}; }

int BarcodeDataSource::seriesIndexOf(const QString& name) const {
    const QStringList names = seriesNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString BarcodeDataSource::firstValueOfSeries(const QString&) const { return QString(); }

QStringList BarcodeDataSource::excelColumnTitles() const { return {}; }

QString BarcodeDataSource::firstValueOfExcelColumn(int) const { return QString(); }

void BarcodeDataSource::viewSeries(const QString&) {}

void BarcodeDataSource::viewExcelTable() {}

}  // namespace zelk

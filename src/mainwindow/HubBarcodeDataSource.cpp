#include "mainwindow/HubBarcodeDataSource.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "datasource/View_Data_Series.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "mainwindow/AppGlobals.h"

namespace zelk {

bool HubBarcodeDataSource::visitorMode() const { return ::Start_Card_Option == StartMode::Visitor; }

bool HubBarcodeDataSource::excelBindingInUse() const { return ::Excel_Binding_Use; }

QStringList HubBarcodeDataSource::seriesNames() const { return ::Get_datasheet_File_Name_Array(Data_Folder_Path); }

QString HubBarcodeDataSource::firstValueOfSeries(const QString& name) const {
    if (name.isEmpty())
        return QString();
    return SeriesFile::readFirstValue(SeriesFile::filePath(name, Data_Folder_Path));
}

QStringList HubBarcodeDataSource::excelColumnTitles() const {
    return Data_From_Excel::defaultInstance()->columnTitles();
}

QString HubBarcodeDataSource::firstValueOfExcelColumn(int column) const {
    const Data_From_Excel* table = Data_From_Excel::defaultInstance();
    if (table->rowCount() == 0 || column < 0)
        return QString();
    return table->Get_Item_Text(0, column).toString();
}

void HubBarcodeDataSource::viewSeries(const QString& name) {
    View_Data_Series* viewer = View_Data_Series::defaultInstance();
    viewer->file_name = name;
    viewer->Open_Wnd();
}

void HubBarcodeDataSource::viewExcelTable() { Data_From_Excel::defaultInstance()->Open_Wnd(); }

}  // namespace zelk

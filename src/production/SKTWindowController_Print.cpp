// The main window's print command and its shared print settings.
#include "canvas/SideSnapshot.h"
#include "foundation/Codes.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/PrintCardSource.h"
#include "production/ProductionGlobals.h"
#include "production/ProducedCard.h"
#include "production/BatchSnapshot.h"
#include "production/CardsReadingWrong.h"
#include "production/PrintGlobals.h"
#include "dialogs/PrintInfo.h"
#include "production/Print_Wnd.h"

// The run's cards come from a batch snapshot taken now: the window's data
// check boxes switch series and Excel values off before the count. The run
// mirrors cards itself, so the snapshot's mirror flags are not applied here.
zelk::PrintCardSource SKTWindowController::printCardSource(bool withSeries, bool withExcel) {
    Check_Series_Or_Excel_Use_or_not();
    if (!withSeries)
        ::Use_Data_Sheet_Values = false;
    if (!withExcel)
        ::Use_Excel_Binding_Values = false;
    Get_total_Card_count();
    const std::shared_ptr<const BatchSnapshot> batch = takeBatchSnapshot();
    zelk::BarcodeProducer* producer = &barcodeProducer();
    zelk::PrintCardSource source;
    source.Use_Data_Sheet_Values = ::Use_Data_Sheet_Values;
    source.Use_Excel_Binding_Values = ::Use_Excel_Binding_Values;
    source.Total_Batch_Excel_Card = std::max(1, ::Total_Batch_Excel_Card);
    const auto readingWrong = std::make_shared<const zelk::CardsReadingWrong>(batch.get());
    source.card = [batch, producer, readingWrong](int index, QChar side) {
        const ProducedCard card = batch->Set_data_table_value_to_card(
            index, side == QLatin1Char('F') ? QStringLiteral("F") : QStringLiteral("B"), true, *producer);
        return zelk::PrintCard{card.side, card.reason, readingWrong->of(card)};
    };
    return source;
}

void SKTWindowController::Print_method() {
    if (zelk::PrintInfo::availablePrinterNames().isEmpty()) {
        Show_MessageBox(QStringLiteral("No printer found."));
        return;
    }
    const int side = ::Card_Front_Or_Back;
    const bool dataSheetValues = ::Use_Data_Sheet_Values;
    const bool excelValues = ::Use_Excel_Binding_Values;
    if (!Set_Front_Back_Value_To_Print_Export_Mail())
        return;
    Print_Wnd* window = Print_Wnd::defaultInstance();
    window->designSide = [this](int s) { return designSide(s); };
    window->cardSource = [this](bool withSeries, bool withExcel) { return printCardSource(withSeries, withExcel); };
    window->Open_Print_Wnd();
    window->designSide = nullptr;
    window->cardSource = nullptr;
    // Runs print from copies: the design on screen is as it was.
    ::Card_Front_Or_Back = side;
    Set_Graphic_Array_According_Side();
    Group_Mode_Print_Export_Tail(dataSheetValues, excelValues);
}

// The main window's print command and its shared print settings.
#include "canvas/SideSnapshot.h"
#include "foundation/Codes.h"
#include "foundation/SKTDocument.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/PrintCardSource.h"
#include "production/PrintGlobals.h"
#include "production/PrintInfo.h"
#include "production/Print_Wnd.h"

namespace {

// The design's side as it is now, copied for the print runs.
zelk::SideSnapshot designSide(const SKTWindowController& window, int side) {
    const SKTDocument& d = *window.document();
    const QRectF card(QPointF(0, 0), d.documentSize());
    return zelk::SideSnapshot::take(side == CardSide::Front ? &d.graphics : &d.graphics_back,
                                    &window.Front_card_Prop, &window.Back_card_Prop, ::Card_Shape, side, card);
}

}  // namespace

const zelk::PrintInfo& SKTWindowController::printInfo() const {
    return ::printInfo;
}

void SKTWindowController::setPrintInfo(const zelk::PrintInfo& info) {
    if (&info != &::printInfo)
        ::printInfo = info;
}

zelk::PrintCardSource SKTWindowController::printCardSource(bool withSeries, bool withExcel) {
    Q_UNUSED(withSeries);
    Q_UNUSED(withExcel);
    // card source: replaced by the batch snapshot
    return zelk::PrintCardSource::ofDesign(designSide(*this, CardSide::Front), designSide(*this, CardSide::Back));
}

void SKTWindowController::Print_method() {
    if (zelk::PrintInfo::availablePrinterNames().isEmpty()) {
        Show_MessageBox(QStringLiteral("No printer found."));
        return;
    }
    const int side = ::Card_Front_Or_Back;
    if (!Set_Front_Back_Value_To_Print_Export_Mail())
        return;
    Print_Wnd* window = Print_Wnd::defaultInstance();
    window->designSide = [this](int s) { return designSide(*this, s); };
    window->cardSource = [this](bool withSeries, bool withExcel) { return printCardSource(withSeries, withExcel); };
    window->Open_Print_Wnd();
    window->designSide = nullptr;
    window->cardSource = nullptr;
    // Runs print from copies: the design on screen is as it was.
    ::Card_Front_Or_Back = side;
    Set_Graphic_Array_According_Side();
}

// The barcode panel on the main window: it opens the barcode settings
// window on the selected barcode and gives what OK confirmed to the
// selected barcode graphics.
#include "mainwindow/SKTWindowController.h"

#include "barcode/Barcode_Gen.h"
#include "canvas/SKTGraphicView.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/InspectorPanels.h"
#include "inspector/PanelKit.h"
#include "inspector/SelectionWriter.h"
#include "mainwindow/AppGlobals.h"

#include <QCheckBox>
#include <exception>

namespace {

// The selected barcode graphics of a side, in selection order.
GraphicList selectedBarcodes(const SKTGraphicView* canvas) {
    GraphicList barcodes;
    for (const std::shared_ptr<SKTGraphic>& g : canvas->selectedGraphics())
        if (zelk::isExactlyBarcode(g.get()))
            barcodes << g;
    return barcodes;
}

}  // namespace

void SKTWindowController::View_barcode_prop_Button() { Open_Barcode_Window(nullptr); }

// The window opens on the one selected barcode, not on the graphic clicked
// last: with a text clicked last, OK would write the text's fields, value
// and binding included, over the barcode. A double click selected its
// barcode first, so the graphic it passes is that one.
void SKTWindowController::Open_Barcode_Window(SKTGraphic*) {
    try {
        if (Check_Multiple_Barcode_Selection(true))
            return;
        const GraphicList barcodes = selectedBarcodes(currentCanvas());
        if (barcodes.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select control."));
            return;
        }
        const std::shared_ptr<SKTGraphic> target = barcodes.first();
        Barcode_Gen* window = Barcode_Gen::defaultInstance();
        const std::shared_ptr<SKTGraphic> confirmed = window->Open_Wnd(*target);
        ::Barcode_output_image = confirmed ? window->output_image : QImage();
        if (!confirmed) {
            Set_Selected_Graphic(target);
            return;
        }
        if (!::Barcode_output_image.isNull())
            Update_Barcode_Graphics(*confirmed);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

bool SKTWindowController::Check_Multiple_Barcode_Selection(bool show_msg) {
    try {
        if (selectedBarcodes(currentCanvas()).size() < 2)
            return false;
        if (show_msg)
            Show_MessageBox(
                QStringLiteral("Please select only one barcode control to view or update barcode properties."));
        return true;
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        return false;
    }
}

void SKTWindowController::Update_Barcode_Graphics(const SKTGraphic& settings) {
    if (::Not_Draw_Only_Prop_Change)
        return;
    const int print = inspector_ ? zelk::stateOf(inspector_->print_object_chk) : settings.print_object;
    if (!zelk::writeSelected(currentCanvas(), zelk::isExactlyBarcode, [&](SKTGraphic& g, qsizetype) {
            g.print_object = print;
            Barcode_Gen::copyConfirmedSettings(settings, g);
            g.Set_Barcode_image(::Barcode_output_image);
            g.Set_Barcode_image_control_bounds(g.bounds());
        }))
        return;
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

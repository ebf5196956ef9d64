// The main window's alignment and size commands. The geometry is the current
// side's canvas's; a command here checks what it needs, then redraws and
// records one undo step, also when nothing moved.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "foundation/Utilities.h"
#include "inspector/AlignmentNeed.h"

#include <functional>

namespace {

void runOnCanvas(SKTWindowController& window, const std::function<void(SKTGraphicView&)>& command,
                 zelk::AlignmentNeed need = zelk::AlignmentNeed::Nothing) {
    SKTGraphicView* canvas = window.currentCanvas();
    const bool gridShown = window.grid() && window.grid()->isAlwaysShown();
    const QString refusal = zelk::alignmentRefusal(need, canvas->selectedGraphics().size(), gridShown);
    if (!refusal.isEmpty()) {
        Show_MessageBox(refusal);
        return;
    }
    command(*canvas);
    window.Refresh_Canvas();
    window.Insert_In_Undo_Redo();
}

}  // namespace

using zelk::AlignmentNeed;

void SKTWindowController::Align_Center_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignformCenter); }

void SKTWindowController::Align_Left_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignLeftEdges); }

void SKTWindowController::Align_Right_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignRightEdges); }

void SKTWindowController::Align_Top_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignTopEdges); }

void SKTWindowController::Align_Bottom_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignBottomEdges); }

void SKTWindowController::Align_Horz_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignHorizontalCenters); }

void SKTWindowController::Align_Vert_Clicked() { runOnCanvas(*this, &SKTGraphicView::alignVerticalCenters); }

void SKTWindowController::Make_Same_Width_Clicked() {
    runOnCanvas(*this, &SKTGraphicView::makeSameWidth, AlignmentNeed::SeveralSelected);
}

void SKTWindowController::Make_Same_Height_Clicked() {
    runOnCanvas(*this, &SKTGraphicView::makeSameHeight, AlignmentNeed::SeveralSelected);
}

void SKTWindowController::Make_Fit_To_Label_Clicked() { runOnCanvas(*this, &SKTGraphicView::makeSameAsLabelSize); }

void SKTWindowController::Make_Natural_Clicked() { runOnCanvas(*this, &SKTGraphicView::makeNaturalSize); }

void SKTWindowController::Align_To_Grid_Clicked() {
    runOnCanvas(*this, &SKTGraphicView::alignWithGrid, AlignmentNeed::GridShown);
}

void SKTWindowController::Frame_main_Pic_X_Pos_Changed(double x) {
    runOnCanvas(*this, [x](SKTGraphicView& canvas) { canvas.Frame_main_Pic_X_Pos_Changed(x); });
}

void SKTWindowController::Frame_main_Pic_Y_Pos_Changed(double y) {
    runOnCanvas(*this, [y](SKTGraphicView& canvas) { canvas.Frame_main_Pic_Y_Pos_Changed(y); });
}

void SKTWindowController::Frame_main_Pic_Wdith_Changed(double width) {
    runOnCanvas(*this, [width](SKTGraphicView& canvas) { canvas.Frame_main_Pic_Wdith_Changed(width); });
}

void SKTWindowController::Frame_main_Pic_Height_Changed(double height) {
    runOnCanvas(*this, [height](SKTGraphicView& canvas) { canvas.Frame_main_Pic_Height_Changed(height); });
}

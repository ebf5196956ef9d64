// The main window's alignment and size commands on the current side: what
// each needs, what it moves, and the one undo step it records.
#include "../mainwindow/MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "inspector/ArrangeMenu.h"
#include "mainwindow/AppGlobals.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>

using namespace zelk;
using namespace zelk::test;
using W = SKTWindowController;

namespace {

// An ID-1 card, 85.6 mm wide at 2.834645669291 points per mm.
constexpr double CardWidth = 242.6456692913;

// The back side holds: 0 a shape, 1 a barcode, 2 a shape, 3 a locked shape.
const QRectF Scene[] = {{20, 30, 40, 20}, {100, 90, 30, 10}, {13, 40, 20, 20}, {5, 5, 10, 10}};

struct AlignCase {
    const char* name;
    std::function<void(W&)> command;
    QList<int> selected;
    bool gridShown;
    const char* message;  // "" when the command runs
    int watch;            // the graphic whose bounds are checked
    QRectF bounds;
};

const AlignCase alignCases[] = {
    // One graphic aligns to the card.
    {"one_left", &W::Align_Left_Clicked, {2}, false, "", 2, {0, 40, 20, 20}},
    {"one_right", &W::Align_Right_Clicked, {2}, false, "", 2, {CardWidth - 20, 40, 20, 20}},
    // Several align to the first selected, which stays; barcodes keep their size.
    {"several_left_first_stays", &W::Align_Left_Clicked, {0, 2}, false, "", 0, Scene[0]},
    {"same_width_barcode_keeps", &W::Make_Same_Width_Clicked, {0, 1, 2}, false, "", 1, Scene[1]},
    // Spacing 9: the origin 13 rounds to 9, the far edge 33 to 36.
    {"grid", &W::Align_To_Grid_Clicked, {2}, true, "", 2, {9, 36, 27, 27}},
    // 3 in is 76.2 mm in single precision, 215.99998 points.
    {"width_in_inches", [](W& w) { ::Measument_Unit_Is = 0; w.Frame_main_Pic_Wdith_Changed(3); },
     {2}, false, "", 2, {13, 40, 215.99998f, 20}},
    // A locked graphic stays, and the step is recorded all the same.
    {"locked_only", &W::Align_Left_Clicked, {3}, false, "", 3, Scene[3]},
    {"grid_hidden", &W::Align_To_Grid_Clicked, {2}, false, "Please use grid option first.", 2, Scene[2]},
    {"same_height_none", &W::Make_Same_Height_Clicked, {}, false, "Please select more than one control.", 2,
     Scene[2]},
    {"same_width_one", &W::Make_Same_Width_Clicked, {0}, false, "Please select more than one control.", 0,
     Scene[0]},
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

class AlignmentCommands : public MainWindowTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(AlignmentCommands, OnTheCurrentSide) {
    const AlignCase& c = GetParam();
    W& w = open();
    w.Select_back_side();
    GraphicList& scene = w.Get_Back_Controls_Array();
    for (int i = 0; i < 4; ++i) {
        scene << makeGraphic(i == 1 ? GraphicKind::Barcode : GraphicKind::Shape);
        scene[i]->_bounds = Scene[i];
        scene[i]->ctrl_is_locked = i == 3;
    }
    SKTGraphicView* back = w._graphicView_BACK;
    back->setSelectionIndexes(c.selected);
    w.grid()->setSpacing(9);
    w.grid()->setAlwaysShown(c.gridShown);
    const int steps = back->undoStacks().undoCount();
    const int frontSteps = w._graphicView->undoStacks().undoCount();
    sink.shown.clear();

    c.command(w);

    EXPECT_EQ(scene[c.watch]->bounds(), c.bounds);
    const QString message = QString::fromUtf8(c.message);
    EXPECT_EQ(sink.shown, message.isEmpty() ? QStringList() : QStringList{message});
    EXPECT_EQ(back->undoStacks().undoCount() - steps, message.isEmpty() ? 1 : 0);
    EXPECT_EQ(w._graphicView->undoStacks().undoCount(), frontSteps) << "the front side is untouched";
}

INSTANTIATE_TEST_SUITE_P(Each, AlignmentCommands, ::testing::ValuesIn(alignCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ArrangeMenuTest = MainWindowTest;

TEST_F(ArrangeMenuTest, CommandsReachTheWindowAndTheGrid) {
    W& w = open();
    ArrangeMenu::install(w);
    ArrangeMenu::install(w);  // once only
    EXPECT_EQ(w.menuBar()->findChildren<QMenu*>(QStringLiteral("arrange_menu")).size(), 1);
    w.actionNamed(QStringLiteral("Make_Same_Width_Button"))->trigger();
    EXPECT_EQ(sink.shown, QStringList{"Please select more than one control."});
    QAction* snap = w.actionNamed(QStringLiteral("Snap_To_Grid_Button"));
    for (bool expected : {true, false}) {
        snap->trigger();
        EXPECT_EQ(w.grid()->isConstraining(), expected);
        EXPECT_EQ(snap->isChecked(), expected);
    }
}

}  // namespace

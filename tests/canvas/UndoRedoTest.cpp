// Undo and redo per side: snapshots restore every field, a new step clears
// redo, a step that changed nothing and the live-list flag record nothing,
// and the temp side shares the real side's graphic objects.
#include "CanvasTestSupport.h"

#include "../foundation/GraphicTestSupport.h"
#include "canvas/UndoStacks.h"

#include <QSignalSpy>

using namespace zelk;
using namespace zelk::test;

namespace {

TEST(UndoStacks, TopIsThePresentAndUndoGoesBelowIt) {
    UndoStacks stacks;
    GraphicList side;
    stacks.reset(side);
    EXPECT_FALSE(stacks.canUndo());
    GraphicList out;
    EXPECT_FALSE(stacks.undo(&out));
    EXPECT_FALSE(stacks.redo(&out));

    side.append(makeGraphic(GraphicKind::Text));
    stacks.record(side);
    side.append(makeGraphic(GraphicKind::Line));
    stacks.record(side);

    ASSERT_TRUE(stacks.undo(&out));
    EXPECT_EQ(out.size(), 1);
    ASSERT_TRUE(stacks.undo(&out));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(stacks.canUndo());
    ASSERT_TRUE(stacks.redo(&out));
    EXPECT_EQ(out.size(), 1);
    EXPECT_TRUE(stacks.canRedo());

    // The side as it stands is no step: the redo history still fits it.
    stacks.record(out);
    EXPECT_TRUE(stacks.canRedo());
    EXPECT_EQ(stacks.undoCount(), 2);
    // A new step ends the redo history.
    out.append(makeGraphic(GraphicKind::Shape));
    stacks.record(out);
    EXPECT_FALSE(stacks.canRedo());
    // A step that changed the card face alone is a step.
    Card_Property blue;
    blue.Card_fill_clr = Qt::blue;
    stacks.record(out, FaceChange{Card_Property(), blue});
    EXPECT_EQ(stacks.undoCount(), 4);
}

TEST(UndoStacks, KeepsABoundedHistory) {
    UndoStacks stacks;
    GraphicList side;
    stacks.reset(side);
    side.append(makeGraphic(GraphicKind::Shape));
    for (int i = 0; i < UndoStacks::MaxSteps + 50; ++i) {
        side.first()->setBounds(QRectF(i, 0, 10, 10));
        stacks.record(side);
    }
    EXPECT_EQ(stacks.undoCount(), UndoStacks::MaxSteps);
}

class UndoEveryKind : public CanvasFixture, public ::testing::WithParamInterface<GraphicKind> {};

TEST_P(UndoEveryKind, UndoAndRedoRestoreEveryField) {
    auto original = makeFilledGraphic(GetParam());
    original->ctrl_is_locked = false;
    doc.graphics.append(original);
    const auto before = original->clone();
    view->Insert_In_Undo_Redo();

    // Change the graphic through the canvas, then take it out.
    view->setSelectionIndexes({0});
    view->nudgeSelection(5, 7);
    const auto moved = doc.graphics.first()->clone();
    view->deleteSelectedGraphics();
    ASSERT_TRUE(doc.graphics.isEmpty());

    ASSERT_TRUE(view->undo());
    ASSERT_EQ(doc.graphics.size(), 1);
    EXPECT_TRUE(graphicsMatch(*moved, *doc.graphics.first()));
    ASSERT_TRUE(view->undo());
    ASSERT_EQ(doc.graphics.size(), 1);
    EXPECT_TRUE(graphicsMatch(*before, *doc.graphics.first()));
    EXPECT_EQ(host.shown.last(), nullptr);  // the inspector shows the card after an undo

    ASSERT_TRUE(view->redo());
    EXPECT_TRUE(graphicsMatch(*moved, *doc.graphics.first()));
    ASSERT_TRUE(view->redo());
    EXPECT_TRUE(doc.graphics.isEmpty());
    EXPECT_FALSE(view->redo());
}

INSTANTIATE_TEST_SUITE_P(Kinds, UndoEveryKind, ::testing::ValuesIn(allGraphicKinds()),
                         [](const auto& info) { return graphicKindName(info.param).toStdString(); });

using CanvasUndo = CanvasFixture;

TEST_F(CanvasUndo, StepsAreRecordedWhenTheSideChangedButNotDuringALiveListEdit) {
    QSignalSpy state(view.get(), &SKTGraphicView::undoStateChanged);
    const int start = view->undoStacks().undoCount();
    view->Insert_In_Undo_Redo();
    EXPECT_EQ(view->undoStacks().undoCount(), start);
    add(GraphicKind::Text, QRectF(0, 0, 70, 20));
    view->Insert_In_Undo_Redo();
    EXPECT_EQ(view->undoStacks().undoCount(), start + 1);
    EXPECT_EQ(state.count(), 2);

    host.liveModeListValueChange = true;
    add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    view->Insert_In_Undo_Redo();
    view->setSelectionIndexes({1});
    view->nudgeSelection(1, 1);
    EXPECT_EQ(view->undoStacks().undoCount(), start + 1);

    // Only that flag suppresses: profile filling does not.
    host.liveModeListValueChange = false;
    host.fillUserProfile = true;
    view->Insert_In_Undo_Redo();
    EXPECT_EQ(view->undoStacks().undoCount(), start + 2);
}

TEST_F(CanvasUndo, KeyboardUndoAndRedo) {
    auto g = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    view->resetUndoHistory();
    view->setSelectionIndexes({0});
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(doc.graphics.first()->bounds().x(), 11);
    QTest::keySequence(view.get(), QKeySequence::Undo);
    EXPECT_EQ(doc.graphics.first()->bounds().x(), 10);
    QTest::keySequence(view.get(), QKeySequence::Redo);
    EXPECT_EQ(doc.graphics.first()->bounds().x(), 11);
}

TEST_F(CanvasUndo, EachSideHasItsOwnHistory) {
    SKTGraphicView back;
    back.setHost(&host);
    back.setCanvasSize(CardSize);
    back.bindToDocument(&doc, SKTDocument::BackSide);

    add(GraphicKind::Text, QRectF(0, 0, 70, 20));
    view->Insert_In_Undo_Redo();
    doc.graphics_back.append(makeGraphic(GraphicKind::Line));
    back.Insert_In_Undo_Redo();

    ASSERT_TRUE(view->undo());
    EXPECT_TRUE(doc.graphics.isEmpty());
    EXPECT_EQ(doc.graphics_back.size(), 1);
    ASSERT_TRUE(back.undo());
    EXPECT_TRUE(doc.graphics_back.isEmpty());
}

TEST_F(CanvasUndo, TempSideSharesTheGraphicsOfARealSide) {
    SKTGraphicView temp;
    temp.setHost(&host);
    temp.setCanvasSize(CardSize);
    temp.bindToDocument(&doc, SKTDocument::TempSide);

    auto a = add(GraphicKind::Text, QRectF(0, 0, 70, 20));
    auto b = add(GraphicKind::Shape, QRectF(0, 0, 20, 20));
    temp.showGraphicsOf(doc.graphics);
    ASSERT_EQ(doc.graphics_temp.size(), 2);
    EXPECT_EQ(doc.graphics_temp.at(0).get(), a.get());  // the same objects, not copies

    // The front lets go of its graphics; the temp side still shows them.
    std::weak_ptr<SKTGraphic> watch = a;
    a.reset();
    b.reset();
    view->delete_all_control();
    ASSERT_FALSE(watch.expired());
    temp.setSelectionIndexes({0});
    temp.nudgeSelection(3, 0);
    EXPECT_EQ(doc.graphics_temp.at(0)->bounds().x(), 3);
    (void)temp.grab();  // paints the shared objects
}

}  // namespace

// Selecting, moving, resizing and marquee selection with the mouse; in-place
// text editing; the keyboard; z-order and locking.
#include "CanvasTestSupport.h"

#include "foundation/DrawingCodes.h"

#include <QPlainTextEdit>

using namespace zelk;
using namespace zelk::test;

namespace {

using CanvasMouse = CanvasFixture;

TEST_F(CanvasMouse, ClickShiftClickAndEmptyClick) {
    auto a = add(GraphicKind::Shape, QRectF(10, 10, 40, 40));
    auto b = add(GraphicKind::Shape, QRectF(100, 10, 40, 40));

    click(QPointF(20, 20));
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0}));
    EXPECT_EQ(view->Selected_Graphic(), a);
    ASSERT_FALSE(host.shown.isEmpty());
    EXPECT_EQ(host.shown.last(), a.get());

    click(QPointF(120, 20), Qt::ShiftModifier);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));
    EXPECT_EQ(view->Selected_Graphic(), b);

    click(QPointF(20, 20), Qt::ShiftModifier);  // toggles a off
    EXPECT_EQ(view->selectionIndexes(), indexesOf({1}));

    click(QPointF(200, 120));  // empty card
    EXPECT_TRUE(view->selectionIndexes().isEmpty());
    EXPECT_EQ(view->Selected_Graphic(), nullptr);
    EXPECT_EQ(host.shown.last(), nullptr);
}

TEST_F(CanvasMouse, TheTopmostGraphicIsHitAndHiddenOnesAreNot) {
    auto top = add(GraphicKind::Shape, QRectF(10, 10, 40, 40));
    auto below = add(GraphicKind::Shape, QRectF(20, 20, 40, 40));
    click(QPointF(30, 30));
    EXPECT_EQ(view->Selected_Graphic(), top);
    top->ctrl_is_visible = false;
    click(QPointF(30, 30));
    EXPECT_EQ(view->Selected_Graphic(), below);
}

TEST_F(CanvasMouse, DragMovesTheSelectionButNeverALockedGraphic) {
    auto a = add(GraphicKind::Shape, QRectF(10, 10, 40, 40));
    auto locked = add(GraphicKind::Shape, QRectF(100, 10, 40, 40));
    locked->ctrl_is_locked = true;
    view->setSelectionIndexes({0, 1});
    const int undoBefore = view->undoStacks().undoCount();

    drag(QPointF(20, 20), QPointF(50, 45));
    EXPECT_EQ(a->bounds(), QRectF(40, 35, 40, 40));
    EXPECT_EQ(locked->bounds(), QRectF(100, 10, 40, 40));
    EXPECT_EQ(view->undoStacks().undoCount(), undoBefore + 1);  // one step for the drag

    // Dragging the locked graphic itself moves nothing and records nothing.
    view->setSelectionIndexes({1});
    drag(QPointF(120, 20), QPointF(150, 60));
    EXPECT_EQ(locked->bounds(), QRectF(100, 10, 40, 40));
    EXPECT_EQ(view->undoStacks().undoCount(), undoBefore + 1);
}

TEST_F(CanvasMouse, ResizeByEachHandle) {
    struct {
        QPointF handle;
        QPointF to;
        QRectF expected;
        bool locked = false;
    } cases[] = {
        {{80, 70}, {100, 90}, QRectF(40, 30, 60, 60)},   // lower right
        {{40, 30}, {30, 20}, QRectF(30, 20, 50, 50)},    // upper left
        {{60, 30}, {75, 10}, QRectF(40, 10, 40, 60)},    // upper middle: height only
        {{80, 50}, {95, 99}, QRectF(40, 30, 55, 40)},    // middle right: width only
        {{40, 70}, {100, 60}, QRectF(80, 30, 20, 30)},   // lower left dragged past the right edge
        {{80, 70}, {120, 100}, QRectF(40, 30, 40, 40), true},  // a locked graphic keeps its size
    };
    for (const auto& c : cases) {
        auto g = add(GraphicKind::Shape, QRectF(40, 30, 40, 40));
        g->ctrl_is_locked = c.locked;
        view->setSelectionIndexes({int(doc.graphics.size()) - 1});
        drag(c.handle, c.to);
        EXPECT_EQ(g->bounds(), c.expected) << c.handle.x() << "," << c.handle.y();
        doc.graphics.clear();
    }
    // A line's end resizes its own corner; a barcode refits its picture.
    auto line = add(GraphicKind::Line, QRectF(20, 20, 60, 40));
    line->_line_ori = 2;  // from the top-left corner to the bottom-right one
    view->setSelectionIndexes({0});
    drag(QPointF(80, 60), QPointF(120, 90));
    EXPECT_EQ(line->bounds(), QRectF(20, 20, 100, 70));
    doc.graphics.clear();
    auto code = add(GraphicKind::Barcode, QRectF(40, 30, 40, 40));
    view->setSelectionIndexes({0});
    drag(QPointF(80, 70), QPointF(100, 80));
    EXPECT_EQ(code->bar_image_ctrl_bounds, QRectF(40, 30, 60, 50));
}

TEST_F(CanvasMouse, MarqueeSelectsWhatItTouchesAndShiftAdds) {
    add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    add(GraphicKind::Shape, QRectF(50, 10, 20, 20));
    add(GraphicKind::Shape, QRectF(150, 100, 20, 20));
    drag(QPointF(5, 5), QPointF(55, 40));
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));
    EXPECT_EQ(view->Selected_Graphic(), doc.graphics.at(0));

    drag(QPointF(140, 90), QPointF(200, 140), Qt::ShiftModifier);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1, 2}));

    drag(QPointF(140, 90), QPointF(200, 140));
    EXPECT_EQ(view->selectionIndexes(), indexesOf({2}));
}

TEST_F(CanvasMouse, DoubleClickEditsATextAndOpensTheBarcodeWindow) {
    auto text = add(GraphicKind::Text, QRectF(10, 10, 70, 20));
    text->Set_text_value(QStringLiteral("old"));
    auto code = add(GraphicKind::Barcode, QRectF(100, 60, 60, 30));

    QTest::mouseDClick(view.get(), Qt::LeftButton, {}, at(QPointF(30, 20)));
    ASSERT_TRUE(view->isEditing());
    view->editor()->selectAll();
    QTest::keyClicks(view->editor(), QStringLiteral("new name"));
    const int undoBefore = view->undoStacks().undoCount();
    view->endEditing(true);
    EXPECT_EQ(text->Text_Value, QStringLiteral("new name"));
    EXPECT_EQ(view->undoStacks().undoCount(), undoBefore + 1);

    // Escape leaves the text as it was.
    view->startEditingGraphic(text);
    QTest::keyClicks(view->editor(), QStringLiteral("discarded"));
    QTest::keyClick(view->editor(), Qt::Key_Escape);
    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(text->Text_Value, QStringLiteral("new name"));

    QTest::mouseDClick(view.get(), Qt::LeftButton, {}, at(QPointF(120, 70)));
    ASSERT_EQ(host.barcodeWindows.size(), 1);
    EXPECT_EQ(host.barcodeWindows.first(), code.get());
    EXPECT_FALSE(view->isEditing());
}

TEST_F(CanvasMouse, ABlankTextFromTheToolIsTypedInPlaceAtOnce) {
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    // A text with a value or an ID opens no editor, and the panels' call
    // leaves the keyboard where it is.
    view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", "Ann", "");
    view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", "", "F_field1");
    EXPECT_FALSE(view->isEditing());
    view->setFocus();
    view->startEditingGraphic(doc.graphics.first());
    ASSERT_TRUE(view->isEditing());
    EXPECT_TRUE(view->hasFocus());

    tools.selectTool(TextTool);
    auto text = view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", "", "");
    ASSERT_TRUE(view->isEditing());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bo"));
    view->endEditing(true);
    EXPECT_EQ(text->Text_Value, QStringLiteral("Bo"));
}

TEST_F(CanvasMouse, AnOpenEditorNeverWritesBackStaleText) {
    auto text = add(GraphicKind::Text, QRectF(10, 10, 70, 20));
    text->Set_text_value(QStringLiteral("first"));
    view->startEditingGraphic(text);
    ASSERT_TRUE(view->isEditing());

    // A panel writes the graphic and starts editing it again.
    text->Set_text_value(QStringLiteral("from the panel"));
    view->startEditingGraphic(text);
    EXPECT_EQ(view->editor()->toPlainText(), QStringLiteral("from the panel"));
    text->Set_text_value(QStringLiteral("written again"));
    view->endEditing(true);
    EXPECT_EQ(text->Text_Value, QStringLiteral("written again"));

    // Starting on another graphic commits what the user typed in the first.
    auto other = add(GraphicKind::Text, QRectF(10, 50, 70, 20));
    view->startEditingGraphic(text);
    QTest::keyClicks(view->editor(), QStringLiteral("!"));
    view->startEditingGraphic(other);
    EXPECT_TRUE(text->Text_Value.contains(QLatin1Char('!')));
    view->endEditing(false);
}

TEST_F(CanvasMouse, KeyboardNudgesDeletesSelectsAllAndZooms) {
    auto a = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    auto locked = add(GraphicKind::Shape, QRectF(50, 10, 20, 20));
    locked->ctrl_is_locked = true;

    QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));

    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(a->bounds().topLeft(), QPointF(11, 20));
    EXPECT_EQ(locked->bounds().topLeft(), QPointF(50, 10));

    QTest::keyClick(view.get(), Qt::Key_Delete);
    ASSERT_EQ(doc.graphics.size(), 1);  // the locked one stays
    EXPECT_EQ(doc.graphics.first(), locked);
    EXPECT_EQ(host.shown.last(), nullptr);

    const double before = view->scaleFactor();
    QTest::keySequence(view.get(), QKeySequence::ZoomIn);
    EXPECT_GT(view->scaleFactor(), before);
    EXPECT_EQ(view->size(), view->sizeHint());
    QTest::keySequence(view.get(), QKeySequence::ZoomOut);
    EXPECT_EQ(view->scaleFactor(), before);
}

TEST_F(CanvasMouse, HitsAndHandlesFollowTheZoom) {
    auto g = add(GraphicKind::Shape, QRectF(40, 30, 40, 40));
    view->setScaleFactor(2.0);
    EXPECT_EQ(view->size(), QSize(486, 306));
    view->setSelectionIndexes({0});
    drag(QPointF(80, 70), QPointF(90, 75));  // at() maps model points through the zoom
    EXPECT_EQ(g->bounds(), QRectF(40, 30, 50, 45));
}

TEST_F(CanvasMouse, ZOrderKeepsTheRelativeOrder) {
    QList<std::shared_ptr<SKTGraphic>> g;
    for (int i = 0; i < 5; ++i)
        g.append(add(GraphicKind::Shape, QRectF(i * 10, 0, 5, 5)));
    view->setSelectionIndexes({1, 3});
    view->bringToFront();
    EXPECT_EQ(doc.graphics, (GraphicList{g[1], g[3], g[0], g[2], g[4]}));
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));
    view->setSelectionIndexes({0, 2});  // g1 and g0
    view->sendToBack();
    EXPECT_EQ(doc.graphics, (GraphicList{g[3], g[2], g[4], g[1], g[0]}));
    EXPECT_EQ(view->selectionIndexes(), indexesOf({3, 4}));
}

TEST_F(CanvasMouse, LockAndUnlockShowNilThenTheLastSelected) {
    auto a = add(GraphicKind::Shape, QRectF(0, 0, 5, 5));
    auto b = add(GraphicKind::Text, QRectF(0, 0, 5, 5));
    view->setSelectionIndexes({0, 1});
    host.shown.clear();
    view->lockSelectedGraphics();
    EXPECT_TRUE(a->ctrl_is_locked && b->ctrl_is_locked);
    EXPECT_TRUE(view->There_Is_Any_Lock_Contrl());
    EXPECT_EQ(host.shown, (QList<SKTGraphic*>{nullptr, b.get()}));
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));
    view->unlockSelectedGraphics();
    EXPECT_FALSE(view->There_Is_Any_Lock_Contrl());
    // Undone, the lock shows where it shows: on the graphics selected again.
    view->setSelectionIndexes({});
    host.shown.clear();
    ASSERT_TRUE(view->undo());
    EXPECT_TRUE(view->graphics().at(0)->ctrl_is_locked && view->graphics().at(1)->ctrl_is_locked);
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));
    ASSERT_FALSE(host.shown.isEmpty());
    EXPECT_EQ(host.shown.last(), view->graphics().at(1).get());
}

TEST_F(CanvasMouse, PrintFlagAndDeleteAllAndMomentaryHandles) {
    auto a = add(GraphicKind::Shape, QRectF(0, 0, 5, 5));
    auto locked = add(GraphicKind::Shape, QRectF(0, 0, 5, 5));
    locked->ctrl_is_locked = true;
    view->setSelectionIndexes({0, 1});
    view->print_contol_or_not(1);
    EXPECT_EQ(a->print_object, 1);
    EXPECT_EQ(locked->print_object, 0);

    view->hideHandlesMomentarily();
    EXPECT_TRUE(view->handlesHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->handlesHidden(); }, 5000));

    view->delete_all_control();
    EXPECT_TRUE(doc.graphics.isEmpty());
    EXPECT_TRUE(view->selectionIndexes().isEmpty());
}

TEST_F(CanvasMouse, SelectedGraphicDoesNotOutliveItsArray) {
    add(GraphicKind::Shape, QRectF(10, 10, 40, 40));
    click(QPointF(20, 20));
    ASSERT_TRUE(view->Selected_Graphic());
    doc.graphics.clear();
    doc.notifyGraphicsChanged(SKTDocument::FrontSide);
    EXPECT_EQ(view->Selected_Graphic(), nullptr);
    EXPECT_TRUE(view->selectionIndexes().isEmpty());
}

}  // namespace

// The selection canvas: the picture view's displayed rectangle, and drawing,
// moving, resizing, clamping, dropping, Ctrl-drag, the rubber band and the
// keys, in the canvas's own coordinates (origin lower left, y up).
#include "imaging/MSSCanvas.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "imaging/MSSSelector.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage picture(int w, int h) {
    QImage p(w, h, QImage::Format_RGB32);
    p.fill(Qt::gray);
    return p;
}

// A picture view of the given size showing a picture of the given size
// (one point per pixel), with its canvas and controller.
struct Screen {
    Screen(QSize view, QSize pic, int scaling = MSSScaledImage::ProportionallyDown) {
        image.resize(view);
        image.setImageScaling(scaling);
        image.setImage(picture(pic.width(), pic.height()));
        image.show();  // a hidden view gets its resize events only when shown
        controller = MSSCanvasController::canvasControllerForCanvas(canvas, &image);
    }
    // Handles get their squares when drawn.
    void paint() {
        QImage target(600, 600, QImage::Format_ARGB32);
        QPainter p(&target);
        controller->draw(p);
    }
    MSSSelector* only() const { return controller->selectors().size() == 1 ? controller->selectors()[0].get() : nullptr; }
    MSSScaledImage image;
    MSSCanvas* canvas = new MSSCanvas;
    MSSCanvasController* controller = nullptr;
};

void drag(MSSCanvasController* c, QPointF from, QPointF to, bool command = false) {
    c->mouseDown(from, command);
    c->mouseDragged(to);
    c->mouseUp();
}

}  // namespace

TEST(ScaledImage, DisplayedRectangleByScalingAndAlignment) {
    const struct {
        int scaling, alignment;
        QRectF expected;  // hand computed: 400 x 200 picture, 200 x 200 view
    } cases[] = {
        {MSSScaledImage::ProportionallyDown, MSSScaledImage::AlignCenter, {0, 50, 200, 100}},  // the worked example
        {MSSScaledImage::ProportionallyDown, MSSScaledImage::AlignTop, {0, 100, 200, 100}},
        {MSSScaledImage::ProportionallyDown, MSSScaledImage::AlignBottomLeft, {0, 0, 200, 100}},
        {MSSScaledImage::AxesIndependently, MSSScaledImage::AlignCenter, {0, 0, 200, 200}},
        {MSSScaledImage::None, MSSScaledImage::AlignCenter, {-100, 0, 400, 200}},
        {MSSScaledImage::None, MSSScaledImage::AlignTopRight, {-200, 0, 400, 200}},
        {MSSScaledImage::ProportionallyUpOrDown, MSSScaledImage::AlignBottom, {0, 0, 200, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scaling * 10 + c.alignment);
        EXPECT_EQ(MSSScaledImage::scaledRectFor(QSizeF(400, 200), QRectF(0, 0, 200, 200), c.scaling, c.alignment),
                  c.expected);
    }
    // A small picture is not enlarged by "proportionally down", it is by "up or down".
    EXPECT_EQ(MSSScaledImage::ratioFor(QSizeF(100, 50), QSizeF(200, 200), 0), QSizeF(1, 1));
    EXPECT_EQ(MSSScaledImage::ratioFor(QSizeF(100, 50), QSizeF(200, 200), 3), QSizeF(2, 2));
    // No picture, or less than a point: the zero rectangle.
    EXPECT_EQ(MSSScaledImage::scaledRectFor(QSizeF(0.5, 100), QRectF(0, 0, 200, 200), 0, 0), QRectF());
}

TEST(ScaledImage, OriginalImageOfADroppedPdfIsTwoAndAHalfTimesLarger) {
    MSSScaledImage view;
    view.resize(400, 400);
    view.setImage(picture(100, 80));
    EXPECT_EQ(view.originalImageSize(), QSizeF(100, 80));
    view.setFileURL(QUrl::fromLocalFile(QStringLiteral("/tmp/card.pdf")));
    EXPECT_EQ(view.originalImageSize(), QSizeF(250, 200));
    EXPECT_EQ(view.originalImage().size(), QSize(250, 200));
    EXPECT_EQ(view.originalImageRatio(), QSizeF(1, 1));
}

TEST(SelectionCanvas, CanvasFollowsThePictureAndTheView) {
    Screen s({200, 200}, {400, 200});
    EXPECT_EQ(s.controller->canvasFrame(), QRectF(0, 50, 200, 100));
    EXPECT_EQ(s.canvas->geometry(), QRect(0, 50, 200, 100));
    s.controller->addSelectorWithFrame({10, 10, 50, 50});
    s.image.setImageAlignment(MSSScaledImage::AlignTop);  // y up: the top is widget row 0
    EXPECT_EQ(s.canvas->geometry(), QRect(0, 0, 200, 100));
    s.image.resize(300, 400);  // ratio 0.75: 300 x 150 at the top
    EXPECT_EQ(s.canvas->geometry(), QRect(0, 0, 300, 150));
    s.image.setImage(picture(100, 100));
    EXPECT_EQ(s.canvas->geometry(), QRect(100, 0, 100, 100));
    s.image.setImage(QImage());
    EXPECT_TRUE(s.controller->canvasFrame().isEmpty());
    EXPECT_FALSE(s.canvas->isVisible());
    // Frames are not adjusted to the new canvas.
    EXPECT_EQ(s.only()->frame(), QRectF(10, 10, 50, 50));
}

TEST(SelectionCanvas, DrawingMovingAndResizingWithThePartsNumbers) {
    Screen s({300, 200}, {300, 200});
    ASSERT_EQ(s.controller->canvasSize(), QSizeF(300, 200));

    // Drawing up-right past the canvas is held at its edges and normalised at drop.
    s.controller->mouseDown({50, 50}, false);
    s.controller->mouseDragged({400, -30});
    EXPECT_EQ(s.only()->frame(), QRectF(50, 50, 250, -50));
    s.controller->mouseUp();
    EXPECT_EQ(s.only()->frame(), QRectF(50, 0, 250, 50));

    // Handle 4 (bottom right) of (10, 10, 100, 50) dragged to (200, 5): the top-left corner stays.
    s.controller->addSelectorWithFrame({10, 10, 100, 50});
    s.paint();
    s.controller->mouseDown({110, 10}, false);
    EXPECT_EQ(s.only()->action(), MSSSelector::Resize);
    s.controller->mouseDragged({200, 5});
    EXPECT_EQ(s.only()->frame(), QRectF(200, 5, -190, 55));
    s.controller->mouseUp();
    EXPECT_EQ(s.only()->frame(), QRectF(10, 5, 190, 55));

    // Moving centres the rectangle on the pointer and pushes it back inside.
    s.controller->addSelectorWithFrame({100, 100, 100, 50});
    s.controller->mouseDown({150, 120}, false);
    EXPECT_EQ(s.only()->action(), MSSSelector::Move);
    s.controller->mouseDragged({5, 5});
    EXPECT_EQ(s.only()->frame(), QRectF(0, 0, 100, 50));
    s.controller->mouseUp();
    EXPECT_EQ(s.only()->frame(), QRectF(0, 0, 100, 50));
}

TEST(SelectionCanvas, DroppingKeepsOnlyRectanglesOfTheMinimumSize) {
    Screen s({300, 200}, {300, 200});
    drag(s.controller, {10, 10}, {29, 50});  // 19 x 40
    EXPECT_FALSE(s.controller->hasSelectors());
    drag(s.controller, {10, 10}, {30, 30});  // 20 x 20
    ASSERT_TRUE(s.only());
    EXPECT_EQ(s.only()->frame(), QRectF(10, 10, 20, 20));
    // Up and to the left: kept and normalised.
    drag(s.controller, {100, 100}, {60, 70}, true);
    ASSERT_TRUE(s.only());
    EXPECT_EQ(s.only()->frame(), QRectF(60, 70, 40, 30));
    // A Ctrl-click without a drag removes the rectangle and leaves none.
    s.controller->mouseDown({200, 150}, true);
    s.controller->mouseUp();
    EXPECT_FALSE(s.controller->hasSelectors());
    EXPECT_FALSE(s.controller->hasSelector());
    // Sizes are measured on absolute values.
    MSSSelector neg(QRectF(0, 0, -20, 20), s.controller, false);
    EXPECT_TRUE(neg.isBigEnough());
}

TEST(SelectionCanvas, RubberBandCtrlDragAndKeys) {
    Screen s({300, 200}, {300, 200});
    s.controller->addSelectorWithFrame({100, 50, 60, 40});
    // A plain drag outside draws a rubber band, never kept, and unselects.
    s.controller->mouseDown({10, 10}, false);
    ASSERT_TRUE(s.controller->currentSelector());
    EXPECT_TRUE(s.controller->currentSelector()->isPicker());
    s.controller->mouseDragged({40, -30});  // the band is never held at the edges
    EXPECT_EQ(s.controller->currentSelector()->frame(), QRectF(10, 10, 30, -40));
    s.controller->mouseUp();
    ASSERT_TRUE(s.only());
    EXPECT_FALSE(s.only()->isSelected());
    EXPECT_EQ(s.only()->frame(), QRectF(100, 50, 60, 40));  // still read by the clients
    // A band across it selects it again.
    drag(s.controller, {90, 40}, {120, 60});
    EXPECT_TRUE(s.only()->isSelected());
    // Escape, then Delete: nothing removed.
    s.controller->keyDown(Qt::Key_Escape, false);
    s.controller->keyDown(Qt::Key_Backspace, false);
    ASSERT_TRUE(s.only());
    // Ctrl+A selects, Forward Delete removes.
    s.controller->keyDown(Qt::Key_A, true);
    EXPECT_TRUE(s.only()->isSelected());
    s.controller->keyDown(Qt::Key_Delete, false);
    EXPECT_FALSE(s.controller->hasSelectors());
    // Ctrl-drag replaces the rectangle with a new one.
    s.controller->addSelectorWithFrame({100, 50, 60, 40});
    s.controller->addSelectorWithFrame({10, 10, 60, 40});
    EXPECT_EQ(s.controller->selectors().size(), 1);
    drag(s.controller, {200, 100}, {250, 150}, true);
    ASSERT_TRUE(s.only());
    EXPECT_EQ(s.only()->frame(), QRectF(200, 100, 50, 50));
}

TEST(SelectionCanvas, HiddenRectangleStillAnswersHitTests) {
    Screen s({300, 200}, {300, 200});
    s.controller->addSelectorWithFrame({100, 50, 60, 40});
    s.only()->Set_selector_show_or_not(false);
    s.controller->mouseDown({120, 60}, false);
    EXPECT_EQ(s.controller->currentSelector(), s.only());
    EXPECT_EQ(s.only()->action(), MSSSelector::Move);
    s.controller->mouseUp();
    // Set_Selector_frame outside the canvas is left there until the next drag.
    s.only()->Set_Selector_frame({280, 190, 60, 40});
    EXPECT_EQ(s.only()->frame(), QRectF(280, 190, 60, 40));
}

TEST(SelectionCanvas, MouseEventsAreTurnedIntoCanvasCoordinates) {
    Screen s({300, 200}, {300, 200});
    s.image.show();
    // Widget (10, 190) is canvas (10, 10): y runs upwards.
    QTest::mousePress(s.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(10, 190));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 120), QPointF(60, 120), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(s.canvas, &move);
    QTest::mouseRelease(s.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(60, 120));
    ASSERT_TRUE(s.only());
    EXPECT_EQ(s.only()->frame(), QRectF(10, 10, 50, 70));
    // Hover regions: the open hand inside, the diagonal over the top-left handle.
    s.paint();
    EXPECT_EQ(s.controller->cursorAt({35, 45}), MSSHandle::Cursor::OpenHand);
    EXPECT_EQ(s.controller->cursorAt({10, 80}), MSSHandle::Cursor::TopBottom);
    EXPECT_EQ(s.controller->cursorAt({60, 80}), MSSHandle::Cursor::BottomTop);
    EXPECT_EQ(s.controller->cursorAt({200, 150}), MSSHandle::Cursor::Arrow);
    QTest::keyClick(s.canvas, Qt::Key_Delete);
    EXPECT_FALSE(s.controller->hasSelectors());
}

// The grid: defaults, alignedRect rounding, showing, and snapping while
// moving, resizing, nudging and aligning.
#include "CanvasTestSupport.h"

#include <QSignalSpy>

#include <cmath>

using namespace zelk;
using namespace zelk::test;

namespace {

TEST(SKTGrid, AlignedRectRoundsOriginAndFarCorner) {
    struct {
        double spacing;
        QRectF in, out;
    } cases[] = {
        {9, QRectF(13, 0, 20, 9), QRectF(9, 0, 27, 9)},     // far edge 33 rounds to 36
        {9, QRectF(4.5, 4.4, 9, 9), QRectF(9, 0, 9, 9)},    // halves round up, 4.4 down
        {9, QRectF(-5, -4, 10, 10), QRectF(-9, 0, 18, 9)},  // floor(v / s + 0.5) below zero
        {10, QRectF(3, 3, 3, 3), QRectF(0, 0, 10, 10)},
        {9, QRectF(1, 1, 2, 2), QRectF(0, 0, 0, 0)},        // may collapse to nothing
        {0, QRectF(13, 1, 20, 2), QRectF(13, 1, 20, 2)},    // no spacing: unchanged
        {-9, QRectF(13, 1, 20, 2), QRectF(13, 1, 20, 2)},
    };
    for (const auto& c : cases) {
        SKTGrid grid;
        grid._spacing = c.spacing;
        EXPECT_EQ(grid.alignedRect(c.in), c.out) << c.spacing << " " << c.in.x();
    }
}

TEST(SKTGrid, ShowingIsAnnouncedOnlyOnAChange) {
    SKTGrid grid;
    QSignalSpy shown(&grid, &SKTGrid::alwaysShownChanged);
    grid.setAlwaysShown(true);
    grid.setAlwaysShown(true);
    grid.setAlwaysShown(false);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_TRUE(shown.at(0).first().toBool());
    EXPECT_FALSE(shown.at(1).first().toBool());
    grid.setConstraining(true);
    EXPECT_TRUE(grid.snaps());
    grid.setSpacing(0);
    EXPECT_FALSE(grid.snaps());
}

TEST(SKTGrid, DrawsOnlyWhenShownAndNotTooDense) {
    auto inked = [](const SKTGrid& grid, double scale) {
        QImage img(100, 100, QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.scale(scale, scale);
        grid.drawRect(p, QRectF(0, 0, 100 / scale, 100 / scale), scale);
        p.end();
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                n += img.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    };
    SKTGrid grid;
    grid.setColor(Qt::black);
    EXPECT_EQ(inked(grid, 1.0), 0);
    grid.setAlwaysShown(true);
    EXPECT_GT(inked(grid, 1.0), 0);
    EXPECT_EQ(inked(grid, 0.25), 0);  // 2.25 pixels apart: left out
}

using CanvasGrid = CanvasFixture;

TEST_F(CanvasGrid, ConstrainingMovesTheDraggedGraphicOntoTheGrid) {
    grid.setConstraining(true);
    auto a = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    auto b = add(GraphicKind::Shape, QRectF(40, 13, 20, 20));
    view->setSelectionIndexes({0, 1});
    click(QPointF(45, 20));  // b becomes the graphic under the mouse
    drag(QPointF(45, 20), QPointF(58, 31));
    // b at (40,13) + (13,11) = (53,24) lands on (54,27); a keeps its distance.
    EXPECT_EQ(b->bounds().topLeft(), QPointF(54, 27));
    EXPECT_EQ(a->bounds().topLeft(), QPointF(24, 24));
}

TEST_F(CanvasGrid, ConstrainingResizesToGridPointsAndNudgesBySpacing) {
    grid.setConstraining(true);
    auto g = add(GraphicKind::Shape, QRectF(18, 18, 36, 36));
    view->setSelectionIndexes({0});
    drag(QPointF(54, 54), QPointF(66, 59));
    EXPECT_EQ(g->bounds(), QRectF(18, 18, 45, 45));
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(g->bounds().topLeft(), QPointF(27, 18));
}

TEST_F(CanvasGrid, FreeGridLeavesMovesAlone) {
    auto g = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    view->setSelectionIndexes({0});
    drag(QPointF(15, 15), QPointF(28, 26));
    EXPECT_EQ(g->bounds().topLeft(), QPointF(23, 21));
}

TEST_F(CanvasGrid, AlignWithGridSnapsUnlockedSelectedAndRefitsBarcodes) {
    auto g = add(GraphicKind::Shape, QRectF(13, 4, 20, 20));
    auto locked = add(GraphicKind::Shape, QRectF(13, 4, 20, 20));
    locked->ctrl_is_locked = true;
    auto code = add(GraphicKind::Barcode, QRectF(40, 40, 30, 14));
    auto unselected = add(GraphicKind::Shape, QRectF(13, 4, 20, 20));
    view->setSelectionIndexes({0, 1, 2});
    view->alignWithGrid();
    EXPECT_EQ(g->bounds(), QRectF(9, 0, 27, 27));
    EXPECT_EQ(locked->bounds(), QRectF(13, 4, 20, 20));
    EXPECT_EQ(code->bounds(), QRectF(36, 36, 36, 18));
    EXPECT_EQ(code->bar_image_ctrl_bounds, code->bounds());
    EXPECT_EQ(unselected->bounds(), QRectF(13, 4, 20, 20));
}

}  // namespace

// The canvas side of the alignment and size commands: the first selected
// graphic is the reference, one selected graphic aligns to the card, locked
// graphics never move, barcodes are re-fitted and keep their size.
#include "CanvasTestSupport.h"

#include <cmath>
#include <functional>

using namespace zelk;
using namespace zelk::test;

namespace {

using Op = void (SKTGraphicView::*)();

struct AlignCase {
    const char* name;
    Op op;
    QPointF alone;  // origin of a 40 x 20 graphic aligned to the card
    QPointF other;  // origin of the second graphic (30 x 10 at (100, 90)) aligned to the first (40 x 20 at (20, 30))
};

// The card is 242.65 x 153 points.
const AlignCase alignCases[] = {
    {"left", &SKTGraphicView::alignLeftEdges, {0, 50}, {20, 90}},
    {"right", &SKTGraphicView::alignRightEdges, {202.65, 50}, {30, 90}},
    {"top", &SKTGraphicView::alignTopEdges, {60, 0}, {100, 30}},
    {"bottom", &SKTGraphicView::alignBottomEdges, {60, 133}, {100, 40}},
    {"horizontal centres", &SKTGraphicView::alignHorizontalCenters, {101.325, 50}, {25, 90}},
    {"vertical centres", &SKTGraphicView::alignVerticalCenters, {60, 66.5}, {100, 35}},
    {"card centre", &SKTGraphicView::alignformCenter, {101.325, 66.5}, {106.325, 71.5}},
};

class CanvasAlign : public CanvasFixture, public ::testing::WithParamInterface<AlignCase> {};

bool near(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < 1e-9 && std::abs(a.y() - b.y()) < 1e-9;
}

TEST_P(CanvasAlign, OneSelectedAlignsToTheCard) {
    const AlignCase c = GetParam();
    auto g = add(GraphicKind::Shape, QRectF(60, 50, 40, 20));
    view->setSelectionIndexes({0});
    (view.get()->*c.op)();
    EXPECT_TRUE(near(g->bounds().topLeft(), c.alone)) << c.name << ": " << g->bounds().x() << "," << g->bounds().y();
    EXPECT_EQ(g->bounds().size(), QSizeF(40, 20));
}

TEST_P(CanvasAlign, SeveralAlignToTheFirstWhichStays) {
    const AlignCase c = GetParam();
    auto ref = add(GraphicKind::Shape, QRectF(20, 30, 40, 20));
    auto other = add(GraphicKind::Barcode, QRectF(100, 90, 30, 10));
    auto locked = add(GraphicKind::Shape, QRectF(5, 5, 10, 10));
    locked->ctrl_is_locked = true;
    view->setSelectionIndexes({0, 1, 2});
    (view.get()->*c.op)();
    if (c.op != &SKTGraphicView::alignformCenter) {
        EXPECT_EQ(ref->bounds(), QRectF(20, 30, 40, 20)) << c.name;
    }
    EXPECT_TRUE(near(other->bounds().topLeft(), c.other)) << c.name << ": " << other->bounds().x() << "," << other->bounds().y();
    EXPECT_EQ(other->bounds().size(), QSizeF(30, 10));
    EXPECT_EQ(other->bar_image_ctrl_bounds, other->bounds()) << "barcode re-fitted";
    EXPECT_EQ(locked->bounds(), QRectF(5, 5, 10, 10)) << c.name;
}

TEST_P(CanvasAlign, NothingSelectedOrOneLockedChangesNothing) {
    const AlignCase c = GetParam();
    auto g = add(GraphicKind::Shape, QRectF(60, 50, 40, 20));
    (view.get()->*c.op)();
    EXPECT_EQ(g->bounds(), QRectF(60, 50, 40, 20));
    g->ctrl_is_locked = true;
    view->setSelectionIndexes({0});
    (view.get()->*c.op)();
    EXPECT_EQ(g->bounds(), QRectF(60, 50, 40, 20));
}

INSTANTIATE_TEST_SUITE_P(Every, CanvasAlign, ::testing::ValuesIn(alignCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (ch == ' ')
                                     ch = '_';
                             return n;
                         });

using CanvasSize = CanvasFixture;

TEST_F(CanvasSize, SameWidthAndHeightSkipBarcodesAndLockedAndNeedTwo) {
    auto ref = add(GraphicKind::Shape, QRectF(10, 10, 80, 30));
    auto shape = add(GraphicKind::Shape, QRectF(100, 50, 20, 20));
    auto code = add(GraphicKind::Barcode, QRectF(100, 100, 40, 15));
    auto locked = add(GraphicKind::Text, QRectF(5, 100, 10, 10));
    locked->ctrl_is_locked = true;

    view->setSelectionIndexes({1});
    view->makeSameWidth();  // one selected: nothing
    EXPECT_EQ(shape->bounds(), QRectF(100, 50, 20, 20));

    view->setSelectionIndexes({0, 1, 2, 3});
    view->makeSameWidth();
    view->makeSameHeight();
    EXPECT_EQ(shape->bounds(), QRectF(100, 50, 80, 30));  // origin stays
    EXPECT_EQ(code->bounds(), QRectF(100, 100, 40, 15));
    EXPECT_EQ(locked->bounds(), QRectF(5, 100, 10, 10));
    EXPECT_EQ(ref->bounds(), QRectF(10, 10, 80, 30));
}

TEST_F(CanvasSize, FitToLabelTakesTheCardExceptBarcodesAndLocked) {
    auto shape = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    auto code = add(GraphicKind::Barcode, QRectF(10, 10, 20, 20));
    auto locked = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    locked->ctrl_is_locked = true;
    view->setSelectionIndexes({0, 1, 2});
    view->makeSameAsLabelSize();
    EXPECT_EQ(shape->bounds(), view->cardRect());
    EXPECT_EQ(code->bounds(), QRectF(10, 10, 20, 20));
    EXPECT_EQ(locked->bounds(), QRectF(10, 10, 20, 20));
}

TEST_F(CanvasSize, PositionFieldsInPointsAndSizeFieldsInTheUnit) {
    auto g = add(GraphicKind::Shape, QRectF(10, 10, 144, 20));
    auto code = add(GraphicKind::Barcode, QRectF(10, 10, 40, 20));
    auto locked = add(GraphicKind::Shape, QRectF(10, 10, 20, 20));
    locked->ctrl_is_locked = true;
    view->setSelectionIndexes({0, 1, 2});

    view->Frame_main_Pic_X_Pos_Changed(33);
    view->Frame_main_Pic_Y_Pos_Changed(44);
    EXPECT_EQ(g->bounds().topLeft(), QPointF(33, 44));
    EXPECT_EQ(code->bounds().topLeft(), QPointF(33, 44));
    EXPECT_EQ(code->bar_image_ctrl_bounds, code->bounds()) << "barcode re-fitted";
    EXPECT_EQ(locked->bounds().topLeft(), QPointF(10, 10));

    struct {
        MeasureUnit unit;
        double value, points;
    } cases[] = {{MeasureUnit::Inch, 3, 215.99998}, {MeasureUnit::Inch, 2, 144},
                 {MeasureUnit::Cm, 2.54, 72}, {MeasureUnit::Mm, 25.4, 72}};  // single precision
    for (const auto& c : cases) {
        host.unit = c.unit;
        view->Frame_main_Pic_Wdith_Changed(c.value);
        view->Frame_main_Pic_Height_Changed(c.value / 2);
        EXPECT_NEAR(g->width(), c.points, 1e-5);
        EXPECT_NEAR(g->height(), c.points / 2, 1e-5);
        EXPECT_EQ(code->bounds().size(), QSizeF(40, 20));
        EXPECT_EQ(locked->bounds().size(), QSizeF(20, 20));
    }
    // A field that holds no number changes nothing.
    view->Frame_main_Pic_Wdith_Changed(std::nan(""));
    EXPECT_NEAR(g->width(), 72, 1e-5);
}

TEST_F(CanvasSize, NaturalSizeLeavesLockedGraphicsAlone) {
    auto shape = add(GraphicKind::Shape, QRectF(10, 10, 60, 20));
    auto locked = add(GraphicKind::Shape, QRectF(10, 10, 60, 20));
    locked->ctrl_is_locked = true;
    view->setSelectionIndexes({0, 1});
    view->makeNaturalSize();
    EXPECT_EQ(shape->bounds().size(), QSizeF(20, 20));
    EXPECT_EQ(locked->bounds().size(), QSizeF(60, 20));
}

}  // namespace

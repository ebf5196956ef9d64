// Where a field added by ID lands on a side without a frame for it: clear
// of what the side shows where the card has room, a caption beside its
// value; the rule's own place where it is free or the card is full.
#include "CanvasTestSupport.h"

#include "canvas/FieldPlacement.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

using namespace zelk;
using namespace zelk::test;

namespace {

const QRectF Card(0, 0, 240, 150);

TEST(FieldPlacement, ClearPlaces) {
    // Expected corners by hand: a taken rectangle's edge plus the clearance
    // of 2, the nearest to the wanted corner; ties go up, then left.
    struct Case {
        const char* note;
        QRectF wanted;
        QList<QRectF> taken;
        QPointF expected;
    };
    const Case cases[] = {
        {"free: kept", {10, 10, 70, 20}, {{100, 100, 20, 20}}, {10, 10}},
        {"touching is not meeting", {10, 10, 70, 20}, {{80, 10, 20, 20}, {10, 30, 70, 5}}, {10, 10}},
        {"a band across the top: just under it", {10, 10, 70, 20}, {{0, 0, 240, 40}}, {10, 42}},
        {"a picture down the left: just right of it", {10, 60, 70, 20}, {{0, 0, 60, 150}}, {62, 60}},
        {"a picture on the left: above it is nearer", {10, 60, 70, 20}, {{0, 40, 60, 100}}, {10, 18}},
        {"under the band and right of the picture", {5, 5, 70, 20}, {{0, 0, 240, 40}, {0, 40, 60, 100}}, {62, 42}},
        {"down where nearer", {100, 60, 70, 20}, {{90, 50, 100, 31}}, {100, 83}},
        {"ties go up", {10, 59, 70, 22}, {{0, 60, 240, 20}}, {10, 36}},
        {"free though past the card's foot: kept", {10, 140, 70, 20}, {{0, 120, 240, 10}}, {10, 140}},
        {"a full card: the rule's place after all", {10, 10, 70, 20}, {{0, 0, 240, 150}}, {10, 10}},
        {"no gap wide enough: the rule's place", {10, 55, 70, 20}, {{0, 0, 240, 59}, {0, 81, 240, 69}}, {10, 55}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const QRectF placed = clearPlaceFor(c.wanted, c.taken, Card);
        EXPECT_EQ(placed, QRectF(c.expected, c.wanted.size()));
    }
}

TEST(FieldPlacement, CaptionsBesideTheirValues) {
    struct Case {
        const char* note;
        QRectF value;
        QPointF expected;  // of a 70 x 14 caption
    };
    const Case cases[] = {
        {"above, its foot on the value's top", {100, 50, 70, 20}, {100, 36}},
        {"before, where above leaves the card", {100, 10, 70, 20}, {30, 10}},
        {"after, where before leaves it too", {40, 10, 70, 20}, {110, 10}},
        {"exactly at the top edge is on the card", {100, 14, 70, 20}, {100, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(captionPlaceFor(c.value, QSizeF(70, 14), Card), QRectF(c.expected, QSizeF(70, 14)));
    }
}

TEST(FieldPlacement, CaptionsBesideTheirValuesClearOfTheRest) {
    const QRectF value(100, 50, 70, 20);
    struct Case {
        const char* note;
        QList<QRectF> taken;
        QPointF expected;  // of a 70 x 14 caption
    };
    const Case cases[] = {
        {"above when free", {}, {100, 36}},
        {"before when above is taken", {{100, 20, 70, 20}}, {30, 50}},
        {"after when above and before are taken", {{100, 20, 70, 20}, {0, 50, 100, 20}}, {170, 50}},
        {"all three taken: the clear place nearest above, over the band", {{0, 20, 240, 30}, {0, 50, 100, 20},
         {170, 50, 70, 20}}, {100, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        // The value is drawn too.
        EXPECT_EQ(clearCaptionPlaceFor(value, QSizeF(70, 14), c.taken + QList<QRectF>{value}, Card),
                  QRectF(c.expected, QSizeF(70, 14)));
    }
}

// A field's box grows to its lines only into free room below it on the
// card; a user's own text grows as before.
TEST(FieldPlacement, AFieldGrowsOnlyIntoFreeRoom) {
    struct Other {
        QRectF r;
        bool shown;
        QString id;
    };
    struct Case {
        const char* note;
        QString id;
        double top;
        QList<Other> others;
        double height;  // 0: its lines' height
    };
    const Case cases[] = {
        {"a blank side: its lines", Fup_Title, 10, {}, 0},
        {"a shown graphic below stops it", Fup_Title, 10, {{{0, 40, 240, 20}, true, {}}}, 30},
        {"a hidden field's frame below stops it", Fup_Title, 10, {{{50, 40, 20, 20}, false, Fup_Company}}, 30},
        {"a hidden graphic of the user's does not", Fup_Title, 10, {{{0, 40, 240, 20}, false, {}}}, 0},
        {"one beside it does not", Fup_Title, 10, {{{111, 30, 40, 40}, true, {}}}, 0},
        {"one it already meets does not", Fup_Title, 10, {{{0, 15, 240, 40}, true, {}}}, 0},
        {"the card's foot stops it", Fup_Title, 120, {}, 30},
        {"no room at all: its box stays", Fup_Title, 10, {{{0, 25, 240, 20}, true, {}}}, -1},
        {"a user's own text grows as before", QString(), 10, {{{0, 40, 240, 20}, true, {}}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        auto t = std::make_shared<SKTText>();
        t->text_ctrl_font.setPointSizeF(12);
        t->Set_text_value(QStringLiteral("x"));
        t->_bounds = QRectF(10, c.top, 100, 0);
        const double oneLine = zelk::fittedTextHeight(*t);
        t->_bounds.setHeight(oneLine);
        ASSERT_LE(oneLine, 15);
        t->control_ID = c.id;
        t->Set_text_value(QStringLiteral("Chief Executive Procurement Officer at Northwind Trading"));
        const double lines = zelk::fittedTextHeight(*t);
        ASSERT_GT(lines, 45);
        QList<std::shared_ptr<SKTGraphic>> side = {t};
        for (const Other& o : c.others) {
            auto g = std::make_shared<Shape_Control>();
            g->_bounds = o.r;
            g->_isDrawingStroke = false;
            g->Set_Ctrl_Is_Visible(o.shown);
            g->control_ID = o.id;
            side << g;
        }
        const double expected = c.height == 0 ? lines : c.height < 0 ? oneLine : c.height;
        EXPECT_DOUBLE_EQ(textHeightWithin(*t, side, Card), expected);
    }
}

// Through the canvas: a field lands clear of the shown design; its caption
// beside the value; hidden graphics, graphics without ID and the
// invitation's keep their places.
class FieldCreate : public CanvasFixture {};

TEST_F(FieldCreate, AFieldLandsClearOfWhatTheSideShows) {
    const auto band = add(GraphicKind::Shape, QRectF(0, 0, CardSize.width(), 40));
    const auto picture = add(GraphicKind::Image, QRectF(0, 40, 60, 80));
    auto hidden = add(GraphicKind::Shape, QRectF(60, 40, 100, 100));  // not shown
    hidden->Set_Ctrl_Is_Visible(false);
    const auto value = view->createGraphicOfClass(GraphicKind::Text, true, QRectF(20, 20, 70, 20), "F", "Ann", Fup_Name);
    // As drawn: the band with its stroke.
    EXPECT_EQ(value->bounds().topLeft(), QPointF(picture->drawingBounds().right() + FieldClearance,
                                                 band->drawingBounds().bottom() + FieldClearance));
    const auto caption =
        view->createGraphicOfClass(GraphicKind::Text, true, QRectF(5, 120, 70, 20), "F", "Name :", Fup_lbl_Name);
    EXPECT_FALSE(caption->bounds().intersects(value->bounds()));
    // Above is the band, before is off the card: after the value.
    EXPECT_EQ(caption->bounds().topLeft(), value->bounds().topRight());
    for (const QRectF& r : drawnRects(doc.graphics, caption.get())) {
        EXPECT_FALSE(caption->bounds().intersects(r));
    }

    const QRectF free(80, 100, 70, 20);
    EXPECT_EQ(view->createGraphicOfClass(GraphicKind::Text, true, free, "F", "v", "F_field1")->bounds().topLeft(),
              free.topLeft());
    const QRectF onBand(10, 10, 70, 20);
    EXPECT_EQ(view->createGraphicOfClass(GraphicKind::Text, true, onBand, "F", "v", "PARTY_TO")->bounds().topLeft(),
              onBand.topLeft());
}

}  // namespace

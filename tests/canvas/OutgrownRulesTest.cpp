// Where a value that outgrew the box the design gave it goes, rule by rule,
// each on a small side that shows it: grown where it stands, moved with the
// caption that stands with it onto ground where both read, or left in its
// box.
#include "HolderFields.h"

#include "canvas/FieldPlacement.h"
#include "foundation/Codes.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace zelk;
using namespace zelk::test;

namespace {

const QRectF Card(0, 0, 240, 150);

std::shared_ptr<SKTGraphic> textOf(const QString& id, const QRectF& box, const QString& value, const QColor& colour) {
    auto t = std::make_shared<SKTText>();
    t->text_ctrl_font.setPointSizeF(12);
    t->control_ID = id;
    t->Set_text_value(value);
    t->setBounds(box);
    t->txt_clr = colour;
    return t;
}

// A shape of the user's, filled, without a border.
std::shared_ptr<SKTGraphic> filledShape(const QRectF& box) {
    auto shape = std::make_shared<Shape_Control>();
    shape->setBounds(box);
    shape->_isDrawingStroke = false;
    shape->_isDrawingFill = true;
    return shape;
}

// An e-mail of one word, 226 points wide at 12 points (114 at half), in a
// box of the design's too narrow for it even at half: it must grow, move,
// or stay drawn smaller with the word broken inside it.
TEST(OutgrownRules, EachRuleOnASideThatShowsIt) {
    enum class Outcome { Stays, GrowsWhereItStands, MovesAlone, MovesWithItsCaption };
    struct Row {
        const char* rule;
        Outcome outcome;
        QRectF value = QRectF(10, 40, 60, 15);
        QRectF caption = {};  // beside it, or apart; none where null
        QList<QRectF> shapes = {};  // shown, filled
        QList<std::pair<QRectF, QColor>> ground = {};  // painted on white, under all
        QColor valueColour = Qt::black, captionColour = Qt::black;
        bool captionLocked = false;
        QRectF hiddenField = {};   // the box of a field not shown yet
        QRectF otherCaption = {};  // another field's caption, its value nowhere
        QRectF clearOf = {};       // what neither the value nor its caption meets where placed
    };
    const QRectF above(10, 25, 60, 15);
    // A column right of the box: the value cannot grow where it stands.
    const QList<QRectF> column = {QRectF(72, 20, 20, 50)};
    const Row rows[] = {
        {.rule = "ACaptionTheUserPutApartStaysWhereItIs", .outcome = Outcome::MovesAlone,
         .caption = QRectF(150, 120, 60, 15), .shapes = column},
        {.rule = "ALockedCaptionKeepsItsValueInItsBox", .outcome = Outcome::Stays, .caption = above, .shapes = column,
         .captionLocked = true},
        {.rule = "AMovedPairKeepsClearOfAHiddenFieldsBox", .outcome = Outcome::MovesWithItsCaption, .caption = above,
         .shapes = column, .hiddenField = QRectF(10, 80, 100, 15), .clearOf = QRectF(10, 80, 100, 15)},
        // Under that caption its own value is looked for: the only room
        // left is there, and the value's box holds it drawn at half.
        {.rule = "AMovedValueNeverTakesTheRoomUnderAnotherCaption", .outcome = Outcome::Stays,
         .value = QRectF(10, 40, 60, 30),
         .shapes = {QRectF(0, 0, 240, 38), QRectF(72, 38, 168, 57), QRectF(0, 72, 72, 21)},
         .otherCaption = QRectF(10, 95, 200, 15)},
        // Grey reads on black and on white, white only on black.
        {.rule = "AMovedCaptionReadsOnItsNewGround", .outcome = Outcome::MovesWithItsCaption, .caption = above,
         .shapes = {QRectF(72, 0, 20, 150)}, .ground = {{Card, Qt::black}, {QRectF(92, 0, 148, 75), Qt::white}},
         .valueColour = QColor(0x77, 0x77, 0x77), .captionColour = Qt::white, .clearOf = QRectF(92, 0, 148, 75)},
        // Grey on white at 2.85:1, less than a moved field keeps, but what
        // the design gave it.
        {.rule = "AFaintValueKeepsTheContrastItsBoxGaveIt", .outcome = Outcome::GrowsWhereItStands,
         .valueColour = QColor(0x99, 0x99, 0x99)},
        // A dark tab under its first letters; most of its box is white.
        {.rule = "TheGroundUnderItsOwnBoxNeverStopsItGrowing", .outcome = Outcome::GrowsWhereItStands,
         .ground = {{QRectF(0, 40, 22, 15), Qt::black}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        QList<std::shared_ptr<SKTGraphic>> side;
        const auto value = textOf(Fup_EmailID, r.value, "a.wolstenholme@westbrook.example", r.valueColour);
        side << value;
        if (!r.caption.isNull()) {
            side << textOf(Fup_lbl_EmailID, r.caption, "Email Id :", r.captionColour);
            side.last()->ctrl_is_locked = r.captionLocked;
        }
        if (!r.hiddenField.isNull()) {
            side << textOf(Fup_Website, r.hiddenField, "www.westbrook.example", Qt::black);
            side.last()->Set_Ctrl_Is_Visible(false);
        }
        if (!r.otherCaption.isNull())
            side << textOf(Fup_lbl_PhoneNO, r.otherCaption, "Phone No. :", Qt::black);
        for (const QRectF& s : r.shapes)
            side << filledShape(s);
        QImage picture(Card.size().toSize(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter paint(&picture);
        for (const auto& [at, colour] : r.ground)
            paint.fillRect(at, colour);
        paint.end();

        const auto at = outgrownPlace(*value, side, Card, FieldGround(picture, Card));
        const Outcome got = !at                                        ? Outcome::Stays
                            : at->partner                              ? Outcome::MovesWithItsCaption
                            : at->field.topLeft() == r.value.topLeft() ? Outcome::GrowsWhereItStands
                                                                       : Outcome::MovesAlone;
        const char* const said[] = {"stays", "grows where it stands", "moves alone", "moves with its caption"};
        EXPECT_STREQ(said[int(got)], said[int(r.outcome)]) << (at ? rectText(at->field).toStdString() : "");
        if (at && !r.clearOf.isNull()) {
            EXPECT_FALSE(at->field.intersects(r.clearOf)) << rectText(at->field).toStdString();
            EXPECT_FALSE(at->partner && at->partner->intersects(r.clearOf)) << rectText(*at->partner).toStdString();
        }
    }
}

}  // namespace

namespace {

// A value of 32 characters in a box of the user's, 40 points wide, that
// holds it at no size: the box grows only holding the one the user left,
// into clear room, or stays there, taller; never away from it, not even by
// the clearance kept from the card's edge where the user put it against it.
TEST(OutgrownRules, AUsersBoxHoldsTheOneTheUserLeft) {
    const struct {
        const char* rule;
        QRectF users;
        QList<QRectF> shapes;  // shown, filled
    } rows[] = {
        {"GrowsOnlyIntoTheRoomBesideIt", QRectF(100, 60, 40, 15), {QRectF(142, 50, 20, 35)}},
        {"KeepsTheCardsEdgeItWasAlignedTo", QRectF(0, 60, 40, 15), {}},
        {"KeepsTheCardsRightEdge", QRectF(200, 60, 40, 15), {}},
        // Room only past the shapes around it, none that holds it.
        {"StaysTallerAmongShapes", QRectF(100, 60, 40, 15),
         {QRectF(40, 50, 58, 35), QRectF(142, 50, 20, 35), QRectF(90, 40, 60, 18), QRectF(90, 77, 60, 10)}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.rule);
        const auto value = textOf(Fup_Name, r.users, "Oluwaseun Bartholomew-Achterberg", Qt::black);
        value->setPlacedByUser();
        QList<std::shared_ptr<SKTGraphic>> side{value};
        for (const QRectF& s : r.shapes)
            side << filledShape(s);
        const QRectF grown = grownUserBox(*value, side, Card);
        EXPECT_TRUE(grown.contains(r.users)) << rectText(grown).toStdString();
        EXPECT_NE(grown, r.users);
    }
}

}  // namespace

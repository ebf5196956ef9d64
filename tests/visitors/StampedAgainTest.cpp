// A card stamped again reads as the same stamping made once: the second
// values, stamped on a card that holds an earlier stamping, land where they
// land stamped alone on that card without it; read back from a PDF, no two
// words meet, every value is whole and each value's nearest caption is its
// own. What the user moved stays where the user put it.
#include "FieldsOnDesignsSupport.h"
#include "StampedAgainValues.h"

#include "canvas/FieldBatchTries.h"
#include "foundation/GraphicArchive.h"
#include "OlderDesignFile.h"
#include "platform/PropertyList.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "inspector/face/CardFace.h"

#include <QPainter>
#include <QStatusBar>

namespace zelk::test {
namespace {

using namespace stamped;

enum class Card {
    Blank,
    Rounded,
    Oval,
    UsersOwn,
    DarkUsersOwn,
    NightWithSquare,  // night blue, a heading and an orange square of the user's
    ConferenceBadge,  // portrait: a title and a date line at the top, a dark band with a white text across its foot
    SideBandTemplate,
    LandscapeTemplate,
    DarkPanel,   // a dark blue panel of the user's over the card's left half
    WhitePanel,  // the same, white, its border a point wide
    Crowded,     // portrait: the user's heading and crew texts and a square; every field, long values, a photo
    RightPanel,  // a plum panel of the user's, without a border, over the card's right half (landscape)
    DarkFoot,    // rounded portrait: a dark green band of the user's over the lower half
    DarkRight,   // rounded: a dark plum panel of the user's over the right half
    DarkLeftPicture,  // a background picture dark over its left 60 %, light over the rest
    BrownPanel,       // a brown panel of the user's, without a border, over the left half
    DarkRightPicture,  // a background picture light over its left 45 %, dark over the rest
    FootBandUsersOwn,  // portrait: a dark band over the lower half; the user's barcode, picture and signature above
    NavyTop,           // portrait: a navy band of the user's, without a border, over the top 45 %
    NightWithLightSpots,  // a background picture night blue but for two small light spots
};
enum class Order {
    ShortThenLong,
    LongThenShort,
    ValuesThenCaptions,
    LongThenOtherLong,
    LongThenAPilots,  // other long values, of which one caption ends where another would stand after it
    UserMovedAValueAndACaption,
    UserPlacedThenLong,
    UserPlacedOnEveryRoad,  // dragged, aligned, typed into the inspector, widened, made taller, a value locked
    LockedThenAgain,        // long values, four of them locked, then the same stamped again
    LockedThenLonger,       // the same, the address first dragged and locked, then given one far longer
    SloganInTheCorner,      // short values, the slogan's value dragged into the card's bottom right corner
};

struct Case {
    const char* name;
    Card card;
    Order order;
    bool photo;
    bool portrait = false;
    bool reopened = false;  // saved, the window reset and the design opened again before the second stamping
    bool byCommands = false;  // the user places with the inspector's fields and an align command, not the mouse and keys
    bool older = false;  // stamped long again, then saved as a file from before boxes knew who placed them
    bool nameBesideSquare = false;  // the name's value dragged onto the line beside the user's square
    bool byGroupRow = false;        // the second values come as a group project's row, not a stamping
    bool nameTouchesHeading = false;  // the name's value dragged onto the heading's line, its end just over it
    bool mayNotFit = false;  // a card without room for every value: what meets others is told
    bool longBetween = false;  // after the user's placements, stamped with long values before the second ones
    int mostTold = -1;  // where given, how many fields at most are told (those no place on the card holds right)
    bool lockedLeftEmpty = false;  // the second values leave the locked unique number empty
    std::optional<Qt::Corner> corner = {};  // the slogan's value put against both edges of this corner instead
    bool toldOnly = false;  // what the user is told is checked against the PDF, not where the fields went
    bool sloganLocked = false;  // the slogan's value, which the rule placed, locked too
    bool noneAtHalf = false;  // every field drawn larger than half its size
};

class StampedAgain : public FieldsOnDesigns, public ::testing::WithParamInterface<Case> {
protected:
    void TearDown() override {
        CardFaceHook::install(nullptr);
        FieldsOnDesigns::TearDown();
    }
    const GraphicList& side() const { return window->Get_Front_Controls_Array(); }

    // The card of the row, as a new design each time.
    void makeCard(const Case& c) {
        switch (c.card) {
        case Card::SideBandTemplate:
        case Card::LandscapeTemplate: {
            const QString design =
                c.card == Card::SideBandTemplate ? "Corporate/Corporate_Manager.did" : "Press/Press_Pass_L.did";
            ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(resourceDir() + "/Templates/" + design, "T", true), 1);
            ::Fill_User_Profile = true;
            return;
        }
        case Card::Blank:
        case Card::UsersOwn:
        case Card::DarkUsersOwn:
        case Card::NightWithSquare:
        case Card::ConferenceBadge:
        case Card::Rounded:
        case Card::Oval:
        case Card::DarkPanel:
        case Card::WhitePanel:
        case Card::Crowded:
        case Card::RightPanel:
        case Card::DarkFoot:
        case Card::DarkRight:
        case Card::DarkLeftPicture:
        case Card::BrownPanel:
        case Card::DarkRightPicture:
        case Card::FootBandUsersOwn:
        case Card::NavyTop:
        case Card::NightWithLightSpots:
            newCard(c.card == Card::Rounded || c.card == Card::DarkFoot || c.card == Card::DarkRight ? 1
                    : c.card == Card::Oval                                                         ? 2
                                                                                                   : 0,
                    c.portrait || c.card == Card::Crowded || c.card == Card::DarkFoot ||
                            c.card == Card::FootBandUsersOwn || c.card == Card::NavyTop
                        ? Cr80.transposed()
                        : Cr80);
            break;
        }
        auto text = [this](const QRectF& at, double points, const QString& value, const QColor& colour) {
            auto t = std::make_shared<SKTText>();
            t->setBounds(at);
            t->text_ctrl_font.setPointSizeF(points);
            t->Set_text_value(value);
            t->txt_clr = colour;
            t->setHeight(fittedTextHeight(*t));
            window->_graphicView->mutableGraphics() << t;
        };
        if (c.card == Card::NightWithSquare) {
            // A white heading at the top and an orange square on a night-blue card.
            text(QRectF(60, 3, 150, 0), 12, "ACME HEADQUARTERS", Qt::white);
            addFilled(QRectF(195, 100, 40, 40), QColor(230, 140, 40));
            CardFace::install();
            window->Front_card_Prop.Card_fill_clr = QColor(0x1a, 0x2a, 0x4a);
        }
        if (c.card == Card::ConferenceBadge) {
            const QSizeF card = window->Front_card_Prop.Card_Size;
            text(QRectF(8, 6, card.width() - 16, 0), 12, "NORDIC SUMMIT 2026", Qt::black);
            text(QRectF(8, 24, card.width() - 16, 0), 8, "12 to 14 March, Malmö", Qt::black);
            addFilled(QRectF(0, card.height() * 2 / 3, card.width(), card.height() / 3), QColor(30, 40, 90));
            text(QRectF(8, card.height() - 22, card.width() - 16, 0), 10, "SPEAKER", Qt::white);
        }
        if (c.card == Card::DarkPanel || c.card == Card::WhitePanel) {
            // The rectangle tool's, filled, as the Align tab sizes it.
            const QSizeF card = window->Front_card_Prop.Card_Size;
            const auto panel = addFilled(QRectF(0, 0, card.width() / 2, card.height()),
                                         c.card == Card::DarkPanel ? QColor(0x1f, 0x4e, 0x79) : QColor(Qt::white));
            panel->_isDrawingStroke = true;
            panel->_strokeWidth = 1;
        }
        if (c.card == Card::RightPanel) {
            // As the Align tab's fields put it, to a hundredth of a point:
            // a hair short of half the card, no backdrop.
            const QSizeF card = window->Front_card_Prop.Card_Size;
            addFilled(QRectF(121.33, 0, 121.31, card.height()), QColor(0x3b, 0x0d, 0x2e))->_isDrawingStroke = false;
        }
        if (c.card == Card::DarkFoot || c.card == Card::DarkRight) {
            // The rectangle tool's, filled, no border, as the Align tab places it.
            CardFace::install();
            const QSizeF card = window->Front_card_Prop.Card_Size;
            addFilled(c.card == Card::DarkFoot ? QRectF(0, card.height() / 2, 153.07, card.height() / 2)
                                               : QRectF(card.width() / 2, 0, card.width() / 2, card.height()),
                      c.card == Card::DarkFoot ? QColor(0x0b, 0x3d, 0x2e) : QColor(0x3b, 0x0d, 0x2e));
        }
        if (c.card == Card::BrownPanel || c.card == Card::FootBandUsersOwn || c.card == Card::NavyTop) {
            const QSizeF card = window->Front_card_Prop.Card_Size;
            addFilled(c.card == Card::BrownPanel ? QRectF(0, 0, card.width() / 2, card.height())
                      : c.card == Card::NavyTop  ? QRectF(0, 0, card.width(), card.height() * 0.45)
                                                 : QRectF(0, card.height() / 2, card.width(), card.height() / 2),
                      c.card == Card::BrownPanel ? QColor(0x4a, 0x1c, 0x0c)
                      : c.card == Card::NavyTop  ? QColor(0x16, 0x24, 0x4f)
                                                 : QColor(0x12, 0x3a, 0x24))
                ->_isDrawingStroke = false;
        }
        if (c.card == Card::FootBandUsersOwn) {
            // A Code 128 at the top left, a picture at the top right and a
            // signature under them, as the user left them.
            const auto code = code128("4711-0815", QPointF(6, 6));
            auto image = std::make_shared<SKTImage>();
            image->setFilePath(picture("logo.png", {30, 30}, QColor(90, 140, 200)), true);
            image->setBounds(QRectF(108, 6, 40, 40));
            auto signature = makeGraphic(GraphicKind::Signature);
            signature->setBounds(QRectF(60, 70, 80, 24));
            window->_graphicView->mutableGraphics() << code << image << signature;
        }
        if (c.card == Card::DarkLeftPicture || c.card == Card::DarkRightPicture) {
            QImage picture(1011, 638, QImage::Format_RGB32);
            picture.fill(QColor(0xf4, 0xf1, 0xe8));
            if (c.card == Card::DarkLeftPicture)
                QPainter(&picture).fillRect(0, 0, 607, 638, QColor(0x23, 0x2b, 0x3a));
            else
                QPainter(&picture).fillRect(455, 0, 556, 638, QColor(0x2a, 0x1d, 0x3c));
            backgroundPicture(picture, QStringLiteral("split.png"));
        }
        if (c.card == Card::NightWithLightSpots) {
            QImage picture(1011, 638, QImage::Format_RGB32);
            picture.fill(QColor(0x1a, 0x2a, 0x4a));
            for (const QRect& spot : {QRect(60, 160, 285, 130), QRect(640, 420, 285, 130)})
                QPainter(&picture).fillRect(spot, QColor(0xf4, 0xf1, 0xe8));
            backgroundPicture(picture, QStringLiteral("spots.png"));
        }
        if (c.card == Card::Crowded) {
            text(QRectF(8, 6, 137, 0), 12, "TIDE HALL - BAY 3", Qt::black);
            text(QRectF(8, 220.6, 60, 0), 10, "Crew C", Qt::black);
            addFilled(QRectF(105, 194.6, 40, 40), QColor(200, 60, 60));
        }
        if (c.card == Card::UsersOwn || c.card == Card::DarkUsersOwn) {
            // A heading of the user's and a tinted panel at the top right;
            // or a white heading and a filled square on a night-blue card.
            const bool dark = c.card == Card::DarkUsersOwn;
            auto heading = std::make_shared<SKTText>();
            heading->setBounds(dark ? QRectF(60, 3, 150, 0) : QRectF(8, 6, 120, 0));
            heading->text_ctrl_font.setPointSizeF(12);
            heading->Set_text_value(dark ? "SYNCHROTRON ACCESS" : "ACME HEADQUARTERS");
            heading->txt_clr = dark ? Qt::white : Qt::black;
            heading->setHeight(fittedTextHeight(*heading));
            window->_graphicView->mutableGraphics() << heading;
            addFilled(dark ? QRectF(177, 89, 50, 50) : QRectF(150, 10, 80, 60),
                      dark ? QColor(230, 140, 40) : QColor(220, 230, 245));
            if (dark) {
                CardFace::install();
                window->Front_card_Prop.Card_fill_clr = QColor(0x1a, 0x23, 0x40);
            }
        }
    }

    // The user places four fields as a user does: the name's value dragged
    // with the mouse to `nameTo`, the phone's widened by 58 points by its
    // right handle, the fax's caption moved with the arrow keys (left five,
    // down three) and the unique number locked; or, `byCommands`, the name
    // moved across to `nameTo`'s x, the unique number's caption down to its
    // y and the phone widened in the inspector's position and size fields,
    // the fax's caption aligned to the card's left edge and the unique
    // number locked. Their boxes, by ID.
    QHash<QString, QRectF> placeAsAUserDoes(const QPointF& nameTo, bool byCommands) {
        SKTGraphicView* view = window->_graphicView;
        QHash<QString, QRectF> out;
        if (byCommands) {
            view->Set_Selection_Index_According_ID(Fup_Name);
            window->Frame_main_Pic_X_Pos_Changed(nameTo.x());
            view->Set_Selection_Index_According_ID(Fup_lbl_UniqueNo);
            window->Frame_main_Pic_Y_Pos_Changed(nameTo.y());
            view->Set_Selection_Index_According_ID(Fup_PhoneNO);
            const double wider = front(Fup_PhoneNO)->bounds().width() + 58;
            window->Frame_main_Pic_Wdith_Changed(fromPoints(float(wider), window->Measument_Unit_Is()));
            view->Set_Selection_Index_According_ID(Fup_lbl_FaxNo);
            window->Align_Left_Clicked();
            view->Set_Selection_Index_According_ID(Fup_UniqueNo);
            view->lockSelectedGraphics();
            for (const QString& id : {Fup_Name, Fup_lbl_UniqueNo, Fup_PhoneNO, Fup_lbl_FaxNo, Fup_UniqueNo})
                out.insert(id, front(id)->bounds());
            return out;
        }
        view->setScaleFactor(2);
        const QRectF name = front(Fup_Name)->bounds();
        dragOn(view, name.topLeft() + QPointF(2, 2), nameTo + QPointF(2, 2));
        const QRectF phone = front(Fup_PhoneNO)->bounds();
        view->Set_Selection_Index_According_ID(Fup_PhoneNO);
        dragOn(view, QPointF(phone.right(), phone.center().y()), QPointF(phone.right() + 58, phone.center().y()));
        view->Set_Selection_Index_According_ID(Fup_lbl_FaxNo);
        for (const auto& [key, times] : {std::pair(Qt::Key_Left, 5), std::pair(Qt::Key_Down, 3)})
            for (int i = 0; i < times; ++i)
                QTest::keyClick(view, key);
        view->Set_Selection_Index_According_ID(Fup_UniqueNo);
        view->lockSelectedGraphics();
        for (const QString& id : {Fup_Name, Fup_PhoneNO, Fup_lbl_FaxNo, Fup_UniqueNo})
            out.insert(id, front(id)->bounds());
        return out;
    }

    // The user places six fields by six roads: the slogan's value dragged
    // with the mouse to the card's bottom left corner, the address's
    // aligned to the foot, the web address's moved to 200, 83 (or `webAt`)
    // in the inspector's position fields, the title's widened by 40 points by its
    // right handle, the name's made 6 points taller in the inspector's
    // height field (or, `touchHeading`, dragged onto the heading's line,
    // its right end 4 points over the heading) and the unique number's,
    // which the rule placed, locked. Their boxes, by ID.
    QHash<QString, QRectF> placeOnEveryRoad(bool touchHeading, const QPointF& webAt = QPointF(200, 83)) {
        SKTGraphicView* view = window->_graphicView;
        view->setScaleFactor(2);
        const QRectF slogan = front(Fup_CompanySlogan)->bounds();
        dragOn(view, slogan.topLeft() + QPointF(2, 2), QPointF(10, 135.7) + QPointF(2, 2));
        view->Set_Selection_Index_According_ID(Fup_Address);
        window->Align_Bottom_Clicked();
        view->Set_Selection_Index_According_ID(Fup_Website);
        window->Frame_main_Pic_X_Pos_Changed(webAt.x());
        window->Frame_main_Pic_Y_Pos_Changed(webAt.y());
        const QRectF title = front(Fup_Title)->bounds();
        view->Set_Selection_Index_According_ID(Fup_Title);
        dragOn(view, QPointF(title.right(), title.center().y()), QPointF(title.right() + 40, title.center().y()));
        const QRectF name = front(Fup_Name)->bounds();
        if (touchHeading) {
            dragOn(view, name.topLeft() + QPointF(2, 2), QPointF(64 - name.width(), 3) + QPointF(2, 2));
        } else {
            view->Set_Selection_Index_According_ID(Fup_Name);
            window->Frame_main_Pic_Height_Changed(fromPoints(float(name.height() + 6), window->Measument_Unit_Is()));
        }
        view->Set_Selection_Index_According_ID(Fup_UniqueNo);
        view->lockSelectedGraphics();
        QHash<QString, QRectF> out;
        for (const QString& id : {Fup_CompanySlogan, Fup_Address, Fup_Website, Fup_Title, Fup_Name, Fup_UniqueNo})
            out.insert(id, front(id)->bounds());
        return out;
    }

    // The boxes of the shown fields, by ID.
    QHash<QString, QRectF> shownBoxes() const {
        QHash<QString, QRectF> out;
        for (const auto& g : side())
            if (g->ctrl_is_visible && isFieldId(g->control_ID))
                out.insert(g->control_ID, g->bounds());
        return out;
    }
};

// The pairs of words of a PDF page whose boxes meet, by more than a tenth
// of a point each way, but those of two words drawn in `fixed` (what the
// user placed over each other).
QStringList overlappingWords(const QString& pdf, const QList<QRectF>& fixed = {}) {
    const QList<PdfWord> words = pdfWords(pdf);
    auto inFixed = [&fixed](const QRectF& w) {
        return std::any_of(fixed.cbegin(), fixed.cend(), [&w](const QRectF& f) { return f.adjusted(-1, -1, 1, 1).contains(w); });
    };
    QStringList out;
    for (qsizetype i = 0; i < words.size(); ++i)
        for (qsizetype j = i + 1; j < words.size(); ++j)
            if (const QRectF both = words.at(i).box & words.at(j).box;
                both.width() > 0.1 && both.height() > 0.1 && !(inFixed(words.at(i).box) && inFixed(words.at(j).box)))
                out << words.at(i).text + " / " + words.at(j).text;
    return out;
}

TEST_P(StampedAgain, ReadsAsTheSameStampingMadeOnce) {
    const Case& c = GetParam();
    // On a template, long values outgrow its boxes.
    const bool design = c.card == Card::SideBandTemplate || c.card == Card::LandscapeTemplate;
    const QList<HolderSample> longOnes = design ? outgrowingBoxes(longValues()) : longValues();
    const bool usersPlace = c.order == Order::UserPlacedThenLong || c.order == Order::UserPlacedOnEveryRoad;
    const bool locked = c.order == Order::LockedThenAgain || c.order == Order::LockedThenLonger;
    const bool panel = c.card == Card::DarkPanel || c.card == Card::WhitePanel || c.card == Card::DarkFoot ||
                       c.card == Card::DarkRight || c.card == Card::DarkLeftPicture ||
                       c.card == Card::BrownPanel || c.card == Card::DarkRightPicture || c.card == Card::FootBandUsersOwn ||
                       c.card == Card::NavyTop;
    QList<HolderSample> first = usersPlace                            ? usersValues(0)
                                      : locked                              ? longOnATemplate()
                                      : c.order == Order::ShortThenLong || c.order == Order::SloganInTheCorner ||
                                              c.older
                                          ? shortValues()
                                      : c.order == Order::LongThenOtherLong ? otherLongValues()
                                                                            : longOnes;
    QList<HolderSample> second =
        (c.order == Order::UserPlacedOnEveryRoad ? (c.longBetween ? harbourValues() : longerOwnValues())
         : usersPlace                        ? usersValues(c.photo ? 2 : 1)
         : c.order == Order::LockedThenLonger ? longerAddress(longOnATemplate())
         : locked                            ? longOnATemplate()
         : c.order == Order::LongThenAPilots ? pilotsValues()
         : c.older                           ? otherLongValues()
         : c.order == Order::LongThenShort || c.order == Order::SloganInTheCorner ? shortValues()
         : c.card == Card::Crowded                                               ? crowdedValues()
         : c.card == Card::NavyTop                                               ? bandValues()
         : panel || c.card == Card::RightPanel                                   ? panelValues()
                                                                                 : longOnes)
            .mid(0, ProfileTextSlotCount);
    if (c.lockedLeftEmpty)
        second[SlotUnique].value.clear();
    if (c.corner)
        first[SlotSlogan].value = second[SlotSlogan].value = "Tide";

    // The second values alone on the card.
    makeCard(c);
    stamp(Ten, second, c.photo);
    const QHash<QString, QRectF> alone = shownBoxes();

    makeCard(c);
    // A group project's card is laid out by its first row, then by the next
    // one when it is opened again.
    if (c.byGroupRow && usersPlace)
        group(first);
    else
        stamp(Ten, c.order == Order::ValuesThenCaptions ? withoutCaptions(first) : first, c.photo);
    QHash<QString, QRectF> users;
    if (c.order == Order::UserMovedAValueAndACaption) {
        // The title moved to the foot and the e-mail's caption dragged away
        // to the top right, as the user drags them.
        const auto title = front(Fup_Title), caption = front(Fup_lbl_EmailID);
        const QSizeF card = window->Front_card_Prop.Card_Size;
        title->setBounds(QRectF(QPointF(6, card.height() - 14), title->bounds().size()));
        caption->setBounds(QRectF(QPointF(card.width() - caption->bounds().width() - 6, 4), caption->bounds().size()));
        for (const auto& g : {title, caption}) {
            g->setPlacedByUser();
            users.insert(g->control_ID, g->bounds());
        }
        window->_graphicView->Insert_In_Undo_Redo();  // as a drag's end records it
    }
    if (c.order == Order::SloganInTheCorner) {
        // Dragged as far into the corner as the canvas lets it go; or put
        // against both of its edges in the inspector's position fields.
        window->_graphicView->setScaleFactor(2);
        const QRectF slogan = front(Fup_CompanySlogan)->bounds();
        const QSizeF card = window->Front_card_Prop.Card_Size;
        if (c.corner) {
            window->_graphicView->Set_Selection_Index_According_ID(Fup_CompanySlogan);
            const bool right = *c.corner == Qt::TopRightCorner || *c.corner == Qt::BottomRightCorner;
            const bool bottom = *c.corner == Qt::BottomLeftCorner || *c.corner == Qt::BottomRightCorner;
            window->Frame_main_Pic_X_Pos_Changed(right ? card.width() - slogan.width() : 0);
            window->Frame_main_Pic_Y_Pos_Changed(bottom ? card.height() - slogan.height() : 0);
        } else {
            dragOn(window->_graphicView, slogan.topLeft() + QPointF(2, 2), QPointF(card.width(), card.height()) - QPointF(40, 15));
        }
        users.insert(Fup_CompanySlogan, front(Fup_CompanySlogan)->bounds());
    }
    if (c.order == Order::UserPlacedThenLong)
        users = placeAsAUserDoes(c.byCommands         ? QPointF(150, 60)
                                 : c.nameBesideSquare ? QPointF(124, 125)
                                                      : QPointF(8, 135),
                                 c.byCommands);
    if (c.sloganLocked) {
        window->_graphicView->Set_Selection_Index_According_ID(Fup_CompanySlogan);
        window->_graphicView->lockSelectedGraphics();
        users.insert(Fup_CompanySlogan, front(Fup_CompanySlogan)->bounds());
    }
    if (c.order == Order::UserPlacedOnEveryRoad)
        // On a group project's card, the web address among the fields the
        // next row lays out again, where it must grow before they come.
        users = placeOnEveryRoad(c.nameTouchesHeading, c.byGroupRow ? QPointF(60, 88) : QPointF(200, 83));
    // Stamped with long values, the boxes the user left grown for them.
    if (c.longBetween)
        stamp(Ten, longerOwnValues(), c.photo);
    if (locked) {
        if (c.order == Order::LockedThenLonger) {
            const QRectF address = front(Fup_Address)->bounds();
            window->_graphicView->setScaleFactor(2);
            dragOn(window->_graphicView, address.topLeft() + QPointF(2, 2), address.topLeft() + QPointF(2, 5));
            ASSERT_EQ(front(Fup_Address)->boxOwner(), BoxOwner::User) << rectText(front(Fup_Address)->bounds()).toStdString();
        }
        const bool pressPass = c.card == Card::LandscapeTemplate;
        for (const QString& id : pressPass ? QStringList{Fup_Name, Fup_CompanySlogan, Fup_Address, Fup_EmailID, Fup_UniqueNo}
                                           : QStringList{Fup_Name, Fup_CompanySlogan, Fup_Address, Fup_EmailID})
            if (const auto g = front(id); g && g->ctrl_is_visible) {
                window->_graphicView->Set_Selection_Index_According_ID(id);
                window->_graphicView->lockSelectedGraphics();
                users.insert(id, g->bounds());
            }
        ASSERT_FALSE(users.isEmpty());
    }
    // What is drawn in the boxes the user locked.
    QHash<QString, double> lockedSizes;
    for (auto it = users.cbegin(); it != users.cend(); ++it)
        if (front(it.key())->ctrl_is_locked)
            lockedSizes.insert(it.key(), drawnTextPointSize(*front(it.key())));
    if (c.older) {
        stamp(Ten, longOnes, c.photo);
        // A caption as a stamping at half its size left it, the room below it free.
        if (const auto title = front(Fup_lbl_Title); design && title)
            title->setBounds(QRectF(title->bounds().bottomLeft() - QPointF(0, title->bounds().height() / 2),
                                    title->bounds().size() / 2));
    }
    if (c.reopened || c.older) {
        nextSavePath = data.filePath("placed.did");
        ASSERT_EQ(window->Save_project_file(true, false, StartMode::DesignFile), 1);
        if (c.older) {
            QVariant value;
            ASSERT_TRUE(PropertyList::readFile(nextSavePath, value));
            QVariantList top = value.toList();
            asFormatOne(top);
            ASSERT_TRUE(PropertyList::writeFile(nextSavePath, top));
        }
        window->New_Project();
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(nextSavePath, StartMode::DesignFile, true), 1);
        ::Fill_User_Profile = true;
    }
    // A template's captions stand where they stood, at the size they had.
    QHash<QString, std::pair<QRectF, double>> captions;
    for (const auto& g : side())
        if (c.older && design && g->ctrl_is_visible && fieldRole(g->control_ID) == FieldRole::Caption)
            captions.insert(g->control_ID, {g->bounds(), drawnTextPointSize(*g)});
    const QByteArray before = GraphicArchive::archivedData(side());
    sink.shown.clear();
    if (c.byGroupRow) {
        group(second);
    } else {
        stamp(Ten, second, c.photo);
    }

    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        EXPECT_EQ(front(it.key())->bounds(), it.value().first) << it.key().toStdString();
        EXPECT_LE(drawnTextPointSize(*front(it.key())), it.value().second + 0.01) << it.key().toStdString();
    }
    if (users.isEmpty() && !(c.older && design)) {
        QStringList moved;
        const QHash<QString, QRectF> now = shownBoxes();
        auto near = [](const QRectF& a, const QRectF& b) {
            return std::abs(a.left() - b.left()) < 0.01 && std::abs(a.top() - b.top()) < 0.01 &&
                   std::abs(a.right() - b.right()) < 0.01 && std::abs(a.bottom() - b.bottom()) < 0.01;
        };
        for (auto it = alone.cbegin(); it != alone.cend(); ++it)
            if (!now.contains(it.key()) || !near(now.value(it.key()), it.value()))
                moved << it.key() + " " + rectText(now.value(it.key())) + " alone " + rectText(it.value());
        EXPECT_EQ(moved.join(" | ").toStdString(), "");
        EXPECT_EQ(now.size(), alone.size());
    }
    // What the user placed stays there: a value given a longer one holds
    // the box the user left; a locked one keeps its box and its size.
    const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
    for (auto it = users.cbegin(); it != users.cend(); ++it) {
        const auto g = front(it.key());
        const QRectF now = g->bounds();
        if (fieldRole(it.key()) == FieldRole::Value && !g->ctrl_is_locked) {
            EXPECT_TRUE(now.contains(it.value() & card.adjusted(FieldClearance, FieldClearance, -FieldClearance, -FieldClearance)))
                << it.key().toStdString() << " " << rectText(now).toStdString();
        } else {
            EXPECT_EQ(now, it.value()) << it.key().toStdString();
        }
        if (locked && lockedSizes.contains(it.key()) && it.key() != Fup_Address) {
            EXPECT_NEAR(drawnTextPointSize(*g), lockedSizes.value(it.key()), 0.01) << it.key().toStdString();
        }
    }

    // Every field whose printed words meet another's words, a picture or a
    // shape, or leave the card, lie across a shape's edge or stand where
    // they do not read, is told, once, for what is wrong; a card on which
    // none does tells nothing.
    const QString pdf = data.filePath("side.pdf");
    writeBytes(pdf, sidePdf(side()));
    std::map<ReadsWrong, QStringList> wrong = namesReadingWrongInPdf(pdf, side(), card.size(), inkPdf(side()));
    // A group row tells it on the status bar, after its line, not in a box.
    const QStringList told = c.byGroupRow
                                 ? QStringList{window->statusBar()->currentMessage().section(QStringLiteral("Line 1: "), 1)}
                                 : sink.shown;
    for (ReadsWrong why : {ReadsWrong::LeavesTheCard, ReadsWrong::Meets, ReadsWrong::AcrossAnEdge, ReadsWrong::Unreadable}) {
        EXPECT_EQ(namesTold(told, why).join(", ").toStdString(), wrong[why].join(", ").toStdString())
            << "told of fields that " << (why == ReadsWrong::LeavesTheCard ? "leave the card" : why == ReadsWrong::Meets ? "meet others" : why == ReadsWrong::AcrossAnEdge ? "lie across an edge" : "do not read");
    }
    EXPECT_LE(sink.shown.size(), c.byGroupRow ? 0 : 1) << sink.text();

    // Against both edges of a rounded corner, the cut may take a hair of a
    // letter: less than a point and a half square.
    if (!design) {
        EXPECT_LT(darkPixelsPastOutline(pdf, card.size(), ::Card_Shape), c.corner ? 24 : 1);
    }
    if (c.toldOnly)
        return;
    bool aboveHalf = false;
    double photoWidth = 0;
    const double photoFrame = window->Get_Control_Rect_From_Template(Fup_Photo, QString()).width();
    std::pair<int, int> readingWrongCount;
    if (c.mostTold >= 0) {
        EXPECT_LE(wrong[ReadsWrong::LeavesTheCard].size() + wrong[ReadsWrong::Meets].size() +
                      wrong[ReadsWrong::AcrossAnEdge].size() + wrong[ReadsWrong::Unreadable].size(),
                  c.mostTold)
            << sink.text();
        // What the rule left reading wrong above half its size, or beside
        // the photo above half its own, is compared at the end with the
        // same values at half beside half.
        QStringList wrongIds = fieldsMeetingInPdf(pdf, side(), card.size());
        for (const auto& [id, why] : fieldsAcrossOrUnreadableInPdf(pdf, side(), card.size()))
            wrongIds << id;
        photoWidth = front(Fup_Photo) && front(Fup_Photo)->ctrl_is_visible ? front(Fup_Photo)->bounds().width() : 0;
        for (const QString& id : wrongIds)
            if (const auto g = front(id); g->boxOwner() == BoxOwner::Rule && !g->ctrl_is_locked)
                aboveHalf = aboveHalf || drawnShare(*g) > SmallestFieldScale + 0.05 || photoWidth > photoFrame / 2 + 0.5;
        readingWrongCount = {lastFieldBatch().wrongInTry, lastFieldBatch().readAsAnother};
    }
    if (c.noneAtHalf)
        for (const auto& g : side())
            if (g->ctrl_is_visible && isFieldId(g->control_ID)) {
                EXPECT_GT(drawnShare(*g), SmallestFieldScale + 0.05) << g->control_ID.toStdString();
            }
    if (!c.mayNotFit) {
        EXPECT_EQ((wrong[ReadsWrong::LeavesTheCard] + wrong[ReadsWrong::Meets]).join(", ").toStdString(), "");
        EXPECT_EQ(overlappingWords(pdf).join(" | ").toStdString(), "");
    }
    EXPECT_EQ(valuesNotWholeInRawPdf(pdf, second).join(" | ").toStdString(), "");
    for (const HolderSample& h : second) {
        const auto value = front(h.valueId), own = front(h.captionId);
        if (!value || !own)
            continue;
        // What the user set apart, or put side by side, the user reads so.
        const bool userSetApart = users.contains(h.valueId) && users.contains(h.captionId);
        for (const auto& other : side())
            if (other != own && other->ctrl_is_visible && fieldRole(other->control_ID) == FieldRole::Caption &&
                !userSetApart && !(users.contains(h.valueId) && users.contains(other->control_ID))) {
                EXPECT_LE(gapBetween(value->drawingBounds(), own->drawingBounds()),
                          gapBetween(value->drawingBounds(), other->drawingBounds()) + 0.01)
                    << h.value.toStdString() << " reads as " << other->Text_Value.toStdString();
            }
        // Nothing but its own value straight after a caption, within an em
        // and a half, as though it were the caption's; but where the design
        // put the two (a template's columns).
        const double em = drawnTextPointSize(*own);
        auto designs = [](const SKTGraphic& g) {
            return g.boxOwner() == BoxOwner::Design && (g.design_box.isNull() || g.design_box == g.bounds());
        };
        for (const auto& other : side())
            if (other != own && other != value && other->ctrl_is_visible && !users.contains(h.captionId) &&
                !(isExactlyText(other.get()) && other->Text_Value.isEmpty()) && !(designs(*own) && designs(*other))) {
                EXPECT_FALSE(followedOnLine(own->drawingBounds(), other->drawingBounds(), 1.5 * em))
                    << h.caption.toStdString() << " is followed by " << other->Text_Value.toStdString();
            }
    }
    // One Undo gives back the card as the first stamping left it.
    if (c.byGroupRow)
        return;
    ASSERT_TRUE(window->_graphicView->undo());
    EXPECT_TRUE(GraphicArchive::archivedData(side()) == before);
    // Fields read wrong above half their size only where at half beside a
    // photo at half as many would; the photo is smaller than the stamping
    // at its frame leaves it only where fewer then read wrong.
    auto stampedOnly = [&](const BatchTryFilter& filter) {
        batchTryFilter() = filter;
        stamp(Ten, second, c.photo);
        batchTryFilter() = {};
        const auto photo = front(Fup_Photo);
        const std::pair out(std::pair(lastFieldBatch().wrongInTry, lastFieldBatch().readAsAnother),
                            photo && photo->ctrl_is_visible ? photo->bounds().width() : 0.0);
        EXPECT_TRUE(window->_graphicView->undo());
        return out;
    };
    if (aboveHalf) {
        EXPECT_GE(stampedOnly([](double fields, double photo) {
                      return fields == SmallestFieldScale && photo == SmallestFieldScale;
                  }).first,
                  readingWrongCount);
    }
    if (c.mostTold >= 0 && photoWidth > 0 && photoWidth < photoFrame - 0.5) {
        if (const auto [atFrame, width] = stampedOnly([](double, double photo) { return photo == 1.0; });
            photoWidth < width - 0.5) {
            EXPECT_GT(atFrame, readingWrongCount) << "the photo " << photoWidth << " points wide, not " << width;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    OnEveryCard, StampedAgain,
    ::testing::Values(
        Case{"ShortThenLongOnABlankCard", Card::Blank, Order::ShortThenLong, true},
        Case{"ShortThenLongOnABlankPortraitCard", Card::Blank, Order::ShortThenLong, false, true},
        Case{"LongThenShortOnABlankCard", Card::Blank, Order::LongThenShort, false},
        Case{"LongThenShortOnARoundedPortraitCard", Card::Rounded, Order::LongThenShort, true, true},
        Case{"CaptionsAddedOnABlankCard", Card::Blank, Order::ValuesThenCaptions, true},
        Case{"CaptionsAddedOnAnOvalCard", Card::Oval, Order::ValuesThenCaptions, false},
        Case{"OtherLongValuesOnARoundedCard", Card::Rounded, Order::LongThenOtherLong, false},
        Case{"OtherLongValuesOnAnOvalPortraitCard", Card::Oval, Order::LongThenOtherLong, true, true},
        Case{"ShortThenLongBesideTheUsersOwn", Card::UsersOwn, Order::ShortThenLong, true},
        Case{"OtherLongValuesBesideTheUsersOwn", Card::UsersOwn, Order::LongThenOtherLong, false},
        Case{"OtherLongValuesOnASideBand", Card::SideBandTemplate, Order::LongThenOtherLong, true},
        Case{"OtherLongValuesOnASideBandWithoutAPhoto", Card::SideBandTemplate, Order::LongThenOtherLong, false},
        Case{"LongThenShortOnALandscapeTemplate", Card::LandscapeTemplate, Order::LongThenShort, false},
        Case{"OtherLongValuesOnALandscapeTemplate", Card::LandscapeTemplate, Order::LongThenOtherLong, true},
        Case{"AValueAndACaptionTheUserMovedStay", Card::Blank, Order::UserMovedAValueAndACaption, true},
        // The short values land at their full size: the phone's value the
        // user widens reaches under the fax's caption the user nudged down,
        // told.
        Case{.name = "FieldsTheUserDraggedWidenedNudgedAndLockedAreGoneAround", .card = Card::DarkUsersOwn, .order = Order::UserPlacedThenLong, .photo = false, .mayNotFit = true},
        // The user put the phone's value over the square, the fax's caption
        // past the card's left edge, the name's value on the heading: told.
        Case{"TheUsersPlacementsSavedAndOpenedAgainAreGoneAround", Card::DarkUsersOwn, Order::UserPlacedThenLong, true, false, true, false, false, false, false, false, true},
        Case{"FieldsPlacedInTheInspectorAndAlignedAreGoneAround", Card::DarkUsersOwn, Order::UserPlacedThenLong, true, false, false, true, false, false, false, false, true},
        Case{"AnOlderFileOfTheWizardsIsLaidOutAgain", Card::Blank, Order::LongThenOtherLong, false, false, false, false, true},
        Case{"AnOlderFileOfATemplateKeepsItsCaptions", Card::SideBandTemplate, Order::LongThenOtherLong, true, false, false, false, true},
        Case{"AnOlderFileOfTheWizardsGivenAPilotsValues", Card::Blank, Order::LongThenAPilots, false, false, false, false, true},
        // Two fields the rule placed locked (the slogan's and the number's
        // value), held in their boxes while the rest is laid out around them.
        Case{.name = "TwoLockedAndOneMovedStampedLonger", .card = Card::Blank, .order = Order::UserPlacedThenLong, .photo = false, .mayNotFit = true, .mostTold = 1, .sloganLocked = true},
        Case{"AValueDraggedBesideTheUsersSquareGrowsAlongItsLine", Card::DarkUsersOwn, Order::UserPlacedThenLong, true, false, false, false, false, true, false, false, true},
        Case{"ValuesPlacedOnEveryRoadKeepTheirPlaces", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, false},
        Case{"ValuesPlacedOnEveryRoadBesideAPhoto", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, true, false, false, false, false, false, false, false, true},
        Case{"ValuesPlacedOnEveryRoadSavedAndOpenedAgain", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, false, false, true},
        // The first row put the unique number where the slogan is then dragged to.
        Case{"ValuesPlacedOnEveryRoadStampedLongThenOtherLong", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, true, false, true, false, false, false, false, false, false, true},
        Case{"ValuesPlacedOnEveryRoadGivenAGroupRow", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, false, false, false, false, false, false, true, false, true},
        // The row's empty cell shows "Text here" in the locked box, where it stands.
        Case{.name = "ALockedValueGivenAnEmptyCellByAGroupRow", .card = Card::NightWithSquare, .order = Order::UserPlacedOnEveryRoad, .photo = false, .byGroupRow = true, .mayNotFit = true, .lockedLeftEmpty = true},
        Case{"AValueEndingOnTheHeadingGrowsAwayFromIt", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, false, false, false, false, false, false, false, true},
        Case{"NothingButItsValueAfterACaptionOnABadge", Card::ConferenceBadge, Order::ShortThenLong, false, true},
        Case{"LockedFieldsOfASideBandStampedAgain", Card::SideBandTemplate, Order::LockedThenAgain, true},
        Case{"LockedFieldsOfALandscapeTemplateStampedAgain", Card::LandscapeTemplate, Order::LockedThenAgain, false},
        Case{"LockedFieldsOfASideBandGivenAGroupRow", Card::SideBandTemplate, Order::LockedThenAgain, true, false, false, false, false, false, true},
        // A box the user moved and locked holds a value far longer than it
        // has room for: it stays, and the user is told.
        Case{"AMovedAndLockedValueGivenAFarLongerOne", Card::SideBandTemplate, Order::LockedThenLonger, true, false, false, false, false, false, false, false, true},
        // A panel of the user's over half the card: the fields go beside it
        // or wholly on it where they read, smaller where needed; the web
        // address (and the e-mail's and, on a portrait card, the number's)
        // are longer than half the card at half their size: they lie across
        // its edge; beside a dark panel the readable half has no room left
        // for one or two more, which stand on the panel: all told so.
        Case{.name = "FieldsBesideADarkPanelOverHalfACard", .card = Card::DarkPanel, .order = Order::ShortThenLong, .photo = false, .mayNotFit = true, .mostTold = 3},
        Case{.name = "FieldsBesideADarkPanelOverHalfAPortraitCard", .card = Card::DarkPanel, .order = Order::ShortThenLong, .photo = true, .portrait = true, .mayNotFit = true, .mostTold = 5},
        Case{.name = "FieldsOnAWhitePanelOverHalfACard", .card = Card::WhitePanel, .order = Order::ShortThenLong, .photo = false, .mayNotFit = true, .mostTold = 2},
        Case{.name = "FieldsOnAWhitePanelOverHalfAPortraitCard", .card = Card::WhitePanel, .order = Order::ShortThenLong, .photo = true, .portrait = true, .mayNotFit = true, .mostTold = 3},
        // Tried smaller, down to half, and beside a smaller photo before any
        // word lies over the user's texts.
        Case{.name = "ACrowdedPortraitCardReadsWithNothingMeeting", .card = Card::Crowded, .order = Order::ShortThenLong, .photo = true, .mostTold = 0},
        // A dark band, panel or part of the picture: the rest of the card
        // takes what it holds at half their size beside the photo at half;
        // only the others stand where they do not read, or across the edge.
        Case{.name = "ADarkBandOverTheFootLeavesTheTopToTheFields", .card = Card::DarkFoot, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 3},
        Case{.name = "ADarkPanelOverTheRightHalf", .card = Card::DarkRight, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 4},
        Case{.name = "APictureDarkOnItsLeft", .card = Card::DarkLeftPicture, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 4},
        // On any side: what reads wrong above half its size would read no
        // better at half beside a photo at half, and the photo is made
        // smaller only where that reads better.
        Case{.name = "ABrownPanelOverTheLeftHalf", .card = Card::BrownPanel, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 10},
        Case{.name = "APictureDarkOnItsRight", .card = Card::DarkRightPicture, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 10},
        Case{.name = "ADarkFootUnderTheUsersBarcodePictureAndSignature", .card = Card::FootBandUsersOwn, .order = Order::LongThenShort, .photo = true, .mayNotFit = true, .mostTold = 10},
        // Under a band, long values packed at half size: no caption is
        // followed on its line by another field within an em and a half
        // of the size it is drawn at.
        Case{.name = "ANavyBandOverTheTopOfAPortraitCard", .card = Card::NavyTop, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 10},
        // Two light spots on a night-blue picture hold less than half of the
        // fields at half their size: they are laid out as the card has room
        // and told they do not read, not all drawn at half for the few.
        Case{.name = "ANightBluePictureWithTwoLightSpots", .card = Card::NightWithLightSpots, .order = Order::ShortThenLong, .photo = false, .mayNotFit = true, .mostTold = 10, .noneAtHalf = true},
        // Each field told once, for what its words do: cross the panel's
        // edge, meet others, leave the card, or stand where they do not read.
        Case{.name = "FieldsBesideAPlumPanelWithoutABorderAreToldWhatTheyDo", .card = Card::RightPanel, .order = Order::ShortThenLong, .photo = false, .mayNotFit = true, .toldOnly = true},
        // Every letter on the card and clear, or cut at a rounded corner by
        // a hair: nothing to tell.
        Case{.name = "ASloganDraggedIntoARoundedCornerIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true},
        Case{.name = "ASloganInTheTopLeftCornerIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .corner = Qt::TopLeftCorner},
        Case{.name = "ASloganInTheTopRightCornerIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .corner = Qt::TopRightCorner},
        Case{.name = "ASloganInTheBottomLeftCornerIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .corner = Qt::BottomLeftCorner},
        Case{.name = "ASloganInTheBottomRightCornerIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .corner = Qt::BottomRightCorner},
        Case{.name = "ASloganInTheTopLeftCornerOfAPortraitCardIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .portrait = true, .corner = Qt::TopLeftCorner},
        Case{.name = "ASloganInTheTopRightCornerOfAPortraitCardIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .portrait = true, .corner = Qt::TopRightCorner},
        Case{.name = "ASloganInTheBottomLeftCornerOfAPortraitCardIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .portrait = true, .corner = Qt::BottomLeftCorner},
        Case{.name = "ASloganInTheBottomRightCornerOfAPortraitCardIsNotTold", .card = Card::Rounded, .order = Order::SloganInTheCorner, .photo = true, .portrait = true, .corner = Qt::BottomRightCorner}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk::test

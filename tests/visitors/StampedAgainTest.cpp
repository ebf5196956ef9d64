// A card stamped again reads as the same stamping made once: the second
// values, stamped on a card that holds an earlier stamping, land where they
// land stamped alone on that card without it; read back from a PDF, no two
// words meet, every value is whole and each value's nearest caption is its
// own. What the user moved stays where the user put it.
#include "StampedAgainValues.h"
#include "StampedCards.h"
#include "StampingInPdf.h"

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
    bool mayNotFit = false;  // a card without room for every value: what meets others is told, what reads as another's counted
    bool longBetween = false;  // after the user's placements, stamped with long values before the second ones
    int mostTold = -1;  // where given, how many fields at most are told (those no place on the card holds right)
    bool lockedLeftEmpty = false;  // the second values leave the locked unique number empty
    std::optional<Qt::Corner> corner = {};  // the slogan's value put against both edges of this corner instead
    bool toldOnly = false;  // what the user is told is checked against the PDF, not where the fields went
    bool sloganLocked = false;  // the slogan's value, which the rule placed, locked too
    bool noneAtHalf = false;  // every field drawn larger than half its size
    bool fewReadable = false;  // the readable room holds less than half of the fields at half size
};

class StampedAgain : public StampedCards, public ::testing::WithParamInterface<Case> {
protected:
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
    makeCard(c.card, c.portrait);
    stamp(Ten, second, c.photo);
    const QHash<QString, QRectF> alone = shownBoxes();

    makeCard(c.card, c.portrait);
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
    std::map<ReadsWrong, QStringList> wrong = namesReadingWrongInPdf(pdf, side(), card.size(), inkOf(side()));
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
    // What the PDF shows of the stamping, compared at the end with the
    // same values at half beside half, and beside the photo at its frame.
    const ShownInPdf kept = shownInPdf(pdf, inkOf(side()), side(), card.size(), second);
    const bool unreadableCounts = !c.fewReadable;
    if (c.mostTold >= 0) {
        EXPECT_LE(kept.told(), c.mostTold) << sink.text();
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
    // Every value whole, but where its letters run off the card (told).
    QList<HolderSample> onTheCard;
    const QStringList leaving = fieldsLeavingInPdf(inkOf(side()), side(), card.size(), ::Card_Shape);
    for (const HolderSample& h : second)
        if (!leaving.contains(h.valueId))
            onTheCard << h;
    EXPECT_EQ(valuesNotWholeInRawPdf(pdf, onTheCard).join(" | ").toStdString(), "");
    // Each value nearer its own caption than any other, and nothing but its
    // own value straight after a caption, nor other words after a value,
    // within an em and a half (but what the user set apart or side by side,
    // or the design put in its columns, a value beside another's frame);
    // where the card has no room for
    // that, what reads as another's is counted by the stamping.
    auto designs = [](const SKTGraphic& g) {
        return g.boxOwner() == BoxOwner::Design && (g.design_box.isNull() || g.design_box == g.bounds());
    };
    QStringList misread;
    for (const HolderSample& h : second) {
        const auto value = front(h.valueId), own = front(h.captionId);
        if (!value || !own)
            continue;
        const bool userSetApart = users.contains(h.valueId) && users.contains(h.captionId);
        for (const auto& other : side())
            if (other != own && other->ctrl_is_visible && fieldRole(other->control_ID) == FieldRole::Caption &&
                !userSetApart && !(users.contains(h.valueId) && users.contains(other->control_ID)) &&
                gapBetween(value->drawingBounds(), other->drawingBounds()) <
                    gapBetween(value->drawingBounds(), own->drawingBounds()) - 0.01)
                misread << h.value + " reads as " + other->Text_Value;
        for (const auto& field : {own, value})
            for (const auto& other : side())
                if (other != own && other != value && other->ctrl_is_visible && field->ctrl_is_visible &&
                    !users.contains(field->control_ID) && (field == own || isExactlyText(other.get())) &&
                    !(isExactlyText(other.get()) && other->Text_Value.isEmpty()) &&
                    !(designs(*field) && designs(*other)) &&
                    !(field == value && (field->boxOwner() == BoxOwner::Design || other->boxOwner() == BoxOwner::Design)) &&
                    followedOnLine(field->drawingBounds(), other->drawingBounds(), 1.5 * drawnTextPointSize(*field)))
                    misread << field->Text_Value + " is followed by " + other->Text_Value;
    }
    if (!c.mayNotFit) {
        EXPECT_EQ(misread.join(" | ").toStdString(), "");
    } else if (!misread.isEmpty() && !c.byGroupRow) {
        EXPECT_GT(lastFieldBatch().readAsAnother, 0) << misread.join(" | ").toStdString();
    }
    // Compared by what the PDF shows, at the end: fields read wrong (or as
    // another's) above half their size, or beside a photo above half its
    // own, only where at half beside a photo at half no fewer would; the
    // photo is smaller than the stamping at its frame leaves it only where
    // more then read wrong.
    const double photoFrame = window->Get_Control_Rect_From_Template(Fup_Photo, QString()).width();
    const double photo = photoWidth();
    const bool aboveHalf = stampedAboveHalf();
    // One Undo gives back the card as the first stamping left it.
    if (c.byGroupRow)
        return;
    ASSERT_TRUE(window->_graphicView->undo());
    EXPECT_TRUE(GraphicArchive::archivedData(side()) == before);
    auto stampedOnly = [&](const BatchTryFilter& filter) {
        batchTryFilter() = filter;
        stamp(Ten, second, c.photo);
        batchTryFilter() = {};
        writeBytes(pdf, sidePdf(side()));
        const std::pair out(shownInPdf(pdf, inkOf(side()), side(), card.size(), second), photoWidth());
        EXPECT_TRUE(window->_graphicView->undo());
        return out;
    };
    if (kept.score(unreadableCounts) == std::tuple(0, 0, 0))
        return;
    if (aboveHalf) {
        const ShownInPdf half = stampedOnly([](double fields, double photo) {
                                    return fields == SmallestFieldScale && photo == SmallestFieldScale;
                                }).first;
        EXPECT_LE(kept.score(unreadableCounts), half.score(unreadableCounts))
            << kept.describe(unreadableCounts).toStdString() << ", at half beside half "
            << half.describe(unreadableCounts).toStdString();
    }
    if (photo > 0 && photo < photoFrame - 0.5) {
        if (const auto [atFrame, width] = stampedOnly([](double, double photo) { return photo == 1.0; });
            photo < width - 0.5) {
            EXPECT_LT(kept.score(unreadableCounts), atFrame.score(unreadableCounts))
                << "the photo " << photo << " points wide, not " << width << ": " << kept.describe().toStdString()
                << ", at its frame " << atFrame.describe().toStdString();
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
        // value), held in their boxes while the rest is laid out around them;
        // the slogan's box, locked as narrow as "Go" left it, lets its long
        // value run off the card (told).
        Case{.name = "TwoLockedAndOneMovedStampedLonger", .card = Card::Blank, .order = Order::UserPlacedThenLong, .photo = false, .mayNotFit = true, .mostTold = 2, .sloganLocked = true},
        Case{"AValueDraggedBesideTheUsersSquareGrowsAlongItsLine", Card::DarkUsersOwn, Order::UserPlacedThenLong, true, false, false, false, false, true, false, false, true},
        // The user's six boxes leave the rest no layout where every caption
        // stands apart from the next field's: the stamping counts what reads
        // as another's, and no try at half beside half reads better.
        Case{.name = "ValuesPlacedOnEveryRoadKeepTheirPlaces", .card = Card::NightWithSquare, .order = Order::UserPlacedOnEveryRoad, .photo = false, .mayNotFit = true},
        Case{"ValuesPlacedOnEveryRoadBesideAPhoto", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, true, false, false, false, false, false, false, false, true},
        Case{.name = "ValuesPlacedOnEveryRoadSavedAndOpenedAgain", .card = Card::NightWithSquare, .order = Order::UserPlacedOnEveryRoad, .photo = false, .reopened = true, .mayNotFit = true},
        // The first row put the unique number where the slogan is then
        // dragged to: the slogan the user holds there grows over the number
        // the user locked (told).
        Case{.name = "ValuesPlacedOnEveryRoadStampedLongThenOtherLong", .card = Card::NightWithSquare, .order = Order::UserPlacedOnEveryRoad, .photo = true, .reopened = true, .mayNotFit = true, .longBetween = true},
        Case{"ValuesPlacedOnEveryRoadGivenAGroupRow", Card::NightWithSquare, Order::UserPlacedOnEveryRoad, false, false, false, false, false, false, true, false, true},
        // The row's empty cell shows "Text here" in the locked box, where it stands.
        Case{.name = "ALockedValueGivenAnEmptyCellByAGroupRow", .card = Card::NightWithSquare, .order = Order::UserPlacedOnEveryRoad, .photo = false, .byGroupRow = true, .mayNotFit = true, .lockedLeftEmpty = true},
        // The name the user dragged grows over the title the user widened (told).
        Case{.name = "AValueEndingOnTheHeadingGrowsAwayFromIt", .card = Card::NightWithSquare, .order = Order::UserPlacedOnEveryRoad, .photo = false, .nameTouchesHeading = true, .mayNotFit = true},
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
        Case{.name = "ANightBluePictureWithTwoLightSpots", .card = Card::NightWithLightSpots, .order = Order::ShortThenLong, .photo = false, .mayNotFit = true, .mostTold = 10, .noneAtHalf = true, .fewReadable = true},
        // Dark ground no rectangle holds (below a diagonal, over a corner,
        // an ellipse): each try scored by what its card tells, so the light
        // part takes the fields where at half beside half it would; and
        // short values each read beside their own captions, no caption
        // straight after another field's words on its line.
        Case{.name = "LongValuesOnABadgeDarkBelowADiagonal", .card = Card::DarkBelowADiagonal, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 0},
        Case{.name = "ShortValuesOnABadgeDarkBelowADiagonal", .card = Card::DarkBelowADiagonal, .order = Order::LongThenShort, .photo = true, .mostTold = 0},
        Case{.name = "ShortValuesOnACr100DarkOverItsTopRightCorner", .card = Card::Cr100DarkCorner, .order = Order::LongThenShort, .photo = true, .mostTold = 0},
        Case{.name = "LongValuesOnACr80DarkOverItsTopRightCorner", .card = Card::Cr80DarkCorner, .order = Order::ShortThenLong, .photo = true, .mayNotFit = true, .mostTold = 10},
        Case{.name = "ShortValuesBesideADarkEllipse", .card = Card::DarkEllipse, .order = Order::LongThenShort, .photo = true, .mayNotFit = true, .mostTold = 6},
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

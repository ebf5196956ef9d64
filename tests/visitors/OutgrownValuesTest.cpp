// Values too long for the frames a design keeps for them (an e-mail, a web
// address, a number and a fax written without blanks) on every road that
// fills a design, read back from a PDF of the side: each value's nearest
// caption is its own, none reads on what lies under it worse than 3:1 (or
// than its frame let it), nothing meets, no word lies under the photo,
// every value whole.
#include "FieldsOnDesignsSupport.h"

#include "inspector/face/CardFace.h"

namespace zelk::test {
namespace {

QList<HolderSample> longValues() {
    QList<HolderSample> out = holderSamples();
    out[SlotEmail].value = "oluwaseun.bartholomew@harbourline-freight.co.uk";
    out[SlotWebsite].value = "www.northwind-trading-logistics.example";
    out[SlotUnique].value = "EMP-2026-LOGISTICS-NIGHT-0042-B7X";
    out[SlotFax].value = "+44(0)2079460959ext.12345678";
    return out;
}

// Beside longValues()'s e-mail of 47 characters, a web address as long,
// under a short name and title.
QList<std::pair<int, const char*>> oneLineValues() {
    return {{SlotName, "Ines Obradovic"},
            {SlotTitle, "Dispatcher"},
            {SlotWebsite, "www.harbourline-freight-and-logistics-group.com"}};
}

enum class Road {
    Stamp,
    StampShortThenLong,
    StampValuesThenCaptions,
    Group,
    Desk,
    DeskRowWidened,
    OwnCardBesideShape,
    OwnCardBesideFrame,  // five fields stamped short, then the e-mail alone long
};
struct Case {
    const char* name;
    const char* design;  // a shipped template, or a pass for the desk
    Road road;
    QList<std::pair<int, const char*>> values = {};  // in place of longValues()'s
    // Values drawn at their own size, each word whole on its line, where a
    // clear place holds them so: not smaller in their frames.
    QList<int> atOwnSize = {};
    QList<int> stamped = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
};

class OutgrownValues : public FieldsOnDesigns, public ::testing::WithParamInterface<Case> {
protected:
    const GraphicList& side() const { return window->Get_Front_Controls_Array(); }
    std::shared_ptr<SKTGraphic> shown(const QString& id) const {
        const auto g = front(id);
        return g && g->ctrl_is_visible ? g : nullptr;
    }
};

TEST_P(OutgrownValues, EachKeepsItsCaptionAndReadsOnItsGround) {
    const Case& c = GetParam();
    CardFace::install();
    if (c.road != Road::Desk && c.road != Road::DeskRowWidened && c.design) {
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(resourceDir() + "/Templates/" + c.design, "T", true), 1);
    }
    QHash<QString, QRectF> frames;  // as the template, or the first stamping, keeps them
    auto keepFrames = [&] {
        for (const auto& g : side())
            if (isFieldId(g->control_ID))
                frames.insert(g->control_ID, g->bounds());
    };
    keepFrames();
    // Stamped short first where the road says so.
    QList<HolderSample> values = longValues();
    for (const auto& [slot, value] : c.values)
        values[slot].value = value;
    QList<HolderSample> first = values;
    const QStringList shorts = {"Bo", "CEO", "Acme", "Safe", "1 Elm St", "+1 5", "+1 6", "bo@ac.me", "ac.me", "V-1"};
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        first[i].value = shorts.at(i);
    QList<int> stamped = c.stamped;
    switch (c.road) {
    case Road::StampShortThenLong:
    case Road::OwnCardBesideShape:
    case Road::OwnCardBesideFrame:
        if (c.road != Road::StampShortThenLong)
            stamped = {SlotName, SlotTitle, SlotCompany, SlotPhone, SlotEmail};
        if (c.road == Road::OwnCardBesideShape)  // a tinted panel at the top right
            addFilled(QRectF(150, 10, 80, 60), QColor(220, 230, 245));
        if (c.road == Road::OwnCardBesideFrame) {  // an empty frame at the top left
            addFilled(QRectF(18, 18, 52, 52), QColor())->_isDrawingFill = false;
            first = values = holderSamples();
            const QStringList walked = {"Ines Obradovic", "Dispatcher", "Harbourline Freight Ltd"};
            for (int i = 0; i < int(walked.size()); ++i)
                first[i].value = values[i].value = walked.at(i);
            first[SlotPhone].value = values[SlotPhone].value = "+44 131 496 0173";
            first[SlotEmail].value = "io@hf.uk";
            values[SlotEmail].value = "ines.obradovic-lindqvist.dispatch@harbourline-freight.co.uk";
        }
        stamp(stamped, first, false);
        keepFrames();
        [[fallthrough]];
    case Road::Stamp:
        stamp(stamped, values, false);
        break;
    case Road::StampValuesThenCaptions: {
        // The new card's profile: values only, the template's captions left
        // hidden; then the side's profile with every caption ticked. Values
        // of one line leave room under them.
        const QStringList walked = {"Oluwaseun Bartholomew-Achterberg", "Head of Night Logistics",
                                    "Harbourline Freight Ltd", "Moving what matters", "17 Quay Street, Leith",
                                    "+44 131 496 0172", "+44(0)1314960173/ext.998877",
                                    "oluwaseun.bartholomew@harbourline-freight.co.uk",
                                    "www.harbourline-freight-logistics.co.uk", "HLF-NIGHTSHIFT-2026-0457-QX9"};
        for (int i = 0; i < ProfileTextSlotCount; ++i)
            values[i].value = walked.at(i);
        QList<HolderSample> bare = values;
        for (HolderSample& h : bare)
            h.caption.clear();
        stamp(stamped, bare, false);
        stamp(stamped, values, false);
        break;
    }
    case Road::Group:
        group(values);
        break;
    case Road::Desk:
    case Road::DeskRowWidened:
        fullPass(values, c.design);
        if (c.road == Road::DeskRowWidened) {
            // A row's value, its right handle dragged past the card's edge,
            // then a letter typed.
            addRow({"F_field1", "F_label1", "Sgt. Mirela Ivanova-Thorsdottir", "Escort :"});
            const auto row = front("F_field1");
            const double edge = window->Front_card_Prop.Card_Size.width();
            row->setBounds(QRectF(row->bounds().topLeft(), QPointF(edge + 22, row->bounds().bottom())));
            type(rowBox("F_field1"), "a", false);
            values << HolderSample{"F_field1", "F_label1", row->Text_Value, "Escort :"};
            EXPECT_LE(row->bounds().right(), edge);
        }
        break;
    }
    values.removeIf([this](const HolderSample& h) { return !shown(h.valueId); });
    ASSERT_GE(values.size(), 5);
    for (HolderSample& h : values)  // the desk writes the date and time itself
        h.value = shown(h.valueId)->Text_Value;

    // On the card, and no printed word over another (boxes may touch where
    // their words stand apart).
    QStringList offOrOver;
    for (const QString& o : overlapsOn(side(), window->Front_card_Prop.Card_Size))
        if (o.startsWith(QStringLiteral("off the card")))
            offOrOver << o;
    const QString pdf = pdfOf("side.pdf", side());
    const QList<PdfWord> printed = pdfWords(pdf);
    for (qsizetype i = 0; i < printed.size(); ++i)
        for (qsizetype j = i + 1; j < printed.size(); ++j)
            if (const QRectF both = printed.at(i).box & printed.at(j).box; both.width() > 0.1 && both.height() > 0.1)
                offOrOver << printed.at(i).text + " / " + printed.at(j).text;
    EXPECT_EQ(offOrOver.join(" | ").toStdString(), "");
    EXPECT_EQ(valuesNotWholeInRawPdf(pdf, values).join(" | ").toStdString(), "");
    const QList<PdfWord>& words = printed;
    for (const int slot : c.atOwnSize) {
        const auto value = shown(holderSamples().at(slot).valueId);
        ASSERT_TRUE(value) << slot;
        EXPECT_NEAR(drawnTextPointSize(*value), value->text_ctrl_font.pointSizeF(), 0.01) << value->Text_Value.toStdString();
        const qsizetype printed = std::count_if(words.cbegin(), words.cend(), [&value](const PdfWord& w) {
            return value->drawingBounds().adjusted(-1, -1, 1, 1).contains(w.box);
        });
        EXPECT_EQ(printed, value->Text_Value.split(' ', Qt::SkipEmptyParts).size()) << value->Text_Value.toStdString();
    }
    for (const PdfWord& w : words)
        if (const auto photo = shown(Fup_Photo)) {
            EXPECT_FALSE(w.box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(photo->drawingBounds())) << w.text.toStdString();
        }
    // Under each value's words, what poppler draws of the side without its
    // fields' texts, a pixel a point.
    GraphicList ground = side();
    ground.removeIf([](const auto& g) { return g->kind() == GraphicKind::Text && isFieldId(g->control_ID); });
    ASSERT_EQ(runTool("pdftoppm", {"-r", "72", "-png", "-singlefile", pdfOf("g.pdf", ground), data.filePath("g")}).exitCode, 0);
    const QImage under(data.filePath("g.png"));
    auto contrastIn = [&under](const QColor& text, const QRectF& box) {  // with its middle pixel
        std::vector<double> ratios;
        for (int y = int(box.top()); y < int(std::ceil(box.bottom())); ++y)
            for (int x = int(box.left()); x < int(std::ceil(box.right())); ++x)
                if (under.rect().contains(x, y))
                    ratios.push_back(contrast(text, under.pixelColor(x, y)));
        std::nth_element(ratios.begin(), ratios.begin() + std::ptrdiff_t(ratios.size() / 2), ratios.end());
        return ratios.empty() ? 21.0 : ratios[ratios.size() / 2];
    };
    for (const HolderSample& h : values) {
        const auto value = shown(h.valueId), own = shown(h.captionId);
        const double least =
            frames.contains(h.valueId) ? std::min(3.0, contrastIn(value->txt_clr, frames.value(h.valueId))) : 3.0;
        for (const PdfWord& w : words)
            if (value->drawingBounds().adjusted(-1, -1, 1, 1).contains(w.box)) {
                EXPECT_GE(contrastIn(value->txt_clr, w.box), least - 0.05) << h.valueId.toStdString() << " " << w.text.toStdString();
            }
        // Where it left its frame, no other value straight before or after
        // it on its line.
        for (const auto& other : side())
            if (other != value && other->ctrl_is_visible && fieldRole(other->control_ID) == FieldRole::Value &&
                value->bounds().topLeft() != frames.value(h.valueId, value->bounds()).topLeft()) {
                const double em = drawnTextPointSize(*value);
                EXPECT_FALSE(followedOnLine(value->drawingBounds(), other->drawingBounds(), em) ||
                             followedOnLine(other->drawingBounds(), value->drawingBounds(), em))
                    << h.value.toStdString() << " runs into " << other->Text_Value.toStdString();
            }
        // Where it left its frame, its caption stands with it: above it,
        // the value starting under it, or before it on its line.
        if (own && value->bounds().topLeft() != frames.value(h.valueId, value->bounds()).topLeft()) {
            const QRectF v = value->bounds(), o = own->bounds();
            const double em = drawnTextPointSize(*value);
            const bool above = o.bottom() <= v.top() + 1 && v.top() - o.bottom() <= em && v.left() >= o.left() - em &&
                               v.left() < o.right();
            const bool before = o.right() <= v.left() + 1 && v.left() - o.right() <= 1.5 * em && o.top() < v.bottom() &&
                                v.top() < o.bottom();
            EXPECT_TRUE(above || before) << h.value.toStdString() << " " << rectText(v).toStdString() << " under "
                                         << rectText(o).toStdString();
        }
        // Its nearest caption is its own (a group project shows none).
        ASSERT_TRUE(own || c.road == Road::Group) << h.valueId.toStdString();
        for (const auto& other : side())
            if (own && other != own && other->ctrl_is_visible && fieldRole(other->control_ID) == FieldRole::Caption) {
                EXPECT_LE(gapBetween(value->drawingBounds(), own->drawingBounds()),
                          gapBetween(value->drawingBounds(), other->drawingBounds()) + 0.01)
                    << h.value.toStdString() << " reads as " << other->Text_Value.toStdString();
            }
    }
}

INSTANTIATE_TEST_SUITE_P(
    OnEveryRoad, OutgrownValues,
    ::testing::Values(
        // The white values of a dark side band stay on it, drawn smaller.
        Case{"AWhiteValueStaysOnItsBand", "Corporate/Corporate_Manager.did", Road::Stamp},
        Case{"LongerValuesStampedAgainGrowDownFromTheDesignsBoxes", "Corporate/Corporate_Manager.did",
             Road::StampShortThenLong},
        // White on gold reads at less than 3:1 in the design's own boxes.
        Case{"AWhiteValueOnAGoldBandKeepsTheContrastItsBoxGaveIt", "Transport/Transport_Driver.did", Road::Stamp},
        Case{"AGroupRowsValuesStayOnTheirGroundWithoutCaptions", "Health/Health_Doctor.did", Road::Group},
        Case{"AGroupRowsWhiteValueOnAGoldBandKeepsItsBoxsContrast", "Transport/Transport_Driver.did", Road::Group},
        // An e-mail and a web address of one word each, wider than their boxes.
        Case{"AWordWiderThanItsBoxIsDrawnSmallerAlongItsLine", "Corporate/Corporate_Staff.did", Road::Stamp},
        Case{"CaptionsShownAfterTheirValuesFindTheirBoxesKept", "Corporate/Corporate_Manager.did",
             Road::StampValuesThenCaptions},
        Case{"AWordStampedAgainLongerIsDrawnSmallerAlongItsLine", "Press/Press_Pass_L.did", Road::StampShortThenLong},
        Case{"AnEmailAtTheFootGrowsIntoTheRoomBelowIt", "Education/Education_Faculty.did", Road::Stamp},
        Case{"AnEmailStampedAgainLongerGrowsIntoTheRoomBelowIt", "Press/Press_Pass_P.did", Road::StampShortThenLong},
        Case{"APassBoxTypedIntoWidensAlongItsLine", "Visitor_Day", Road::Desk},
        Case{"ARowWidenedPastTheCardsEdgeIsNarrowedOntoIt", "Visitor_Escort", Road::DeskRowWidened},
        Case{"FieldsTheRulePlacedAreLaidOutAnewBesideAShape", nullptr, Road::OwnCardBesideShape},
        Case{"AnEmailTheRulePlacedIsLaidOutAnewWithItsCaption", nullptr, Road::OwnCardBesideFrame},
        // Too long for their frames, each has a clear place that holds it
        // at its own size: a title of 70 characters beside the photo, an
        // e-mail and a web address of 47 on one line each.
        Case{"ALongTitleMovesWhereItHoldsAtItsOwnSize", "Press/Press_Pass_P.did", Road::Stamp,
             {{SlotTitle, "Chief Correspondent for Regional Politics, Elections and Public Policy"},
              {SlotEmail, "io@harbourline.example"}},
             {SlotTitle}, {SlotName, SlotTitle, SlotCompany, SlotPhone, SlotEmail}},
        Case{"AnEmailAndAWebAddressMoveWhereTheyHoldOnOneLine", "Corporate/Corporate_Staff.did", Road::Stamp,
             oneLineValues(), {SlotEmail, SlotWebsite}, {SlotName, SlotTitle, SlotPhone, SlotEmail, SlotWebsite}},
        Case{"AnEmailAndAWebAddressMoveOnAPlainCard", "Misc/Misc_Member.did", Road::Stamp, oneLineValues(),
             {SlotEmail, SlotWebsite}, {SlotName, SlotTitle, SlotPhone, SlotEmail, SlotWebsite}},
        // A title that wraps does not take the room the addresses need first.
        Case{"AnEmailAndAWebAddressMoveBeforeALongTitle", "Corporate/Corporate_Staff.did", Road::Stamp,
             {{SlotName, "Margarethe Solberg-Ivanova"},
              {SlotTitle, "Senior Coordinator of Regional Freight Scheduling and Port Liaison"},
              {SlotWebsite, "www.nordic-harbour-logistics-and-freight.org"}},
             {SlotEmail, SlotWebsite}, {SlotName, SlotTitle, SlotPhone, SlotEmail, SlotWebsite}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk::test

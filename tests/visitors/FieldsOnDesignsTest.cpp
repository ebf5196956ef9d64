// Fields added to designs a user makes (a background, a band, a rounded or
// oval card, a second profile, a full visitor pass), by a profile's
// stamping and by the desk's rows, read back from a PDF of the side.
#include "FieldsOnDesignsSupport.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTImage.h"
#include "foundation/Shape_Control.h"

#include <QSet>

#include <optional>

namespace zelk::test {
namespace {

// Each design run through a stamping or the desk's rows, then its PDF read:
// no two texts meet where the card has a clear place; no word under a
// picture; every value whole; each caption nearer its own value than any
// other, with no other field's value straight after it on its line, nor a
// value straight after another;
// nothing outside the card's outline; what the user placed where the user
// put it; a row in the side's caption colour, caption and value at one size.
TEST_F(FieldsOnDesigns, AddedFieldsKeepToTheDesign) {
    enum class Ground { None, Rectangle, Picture, FrameOver, FrameUnder };
    enum class Road {
        Stamp,
        StampAgain,
        StampLonger,         // short values, then the same fields again with long ones
        StampAgainNarrowed,  // the user narrows a value and drags it to the foot; then more and the photo
        DeskRows,
        DeskRowDragged,
        DeskRowWidened,      // the user widens a row's value, then types into it
        DeskReopened,        // a row typed into after the design was saved and opened again
        PassRows,
        PassRowDragged,      // a row dragged onto the full pass's foot, then typed into
        GroupRow,            // a group project's row
    };
    const QList<int> six = {SlotName, SlotTitle, SlotCompany, SlotSlogan, SlotPhone, SlotEmail};
    const QList<int> ten = {SlotName,  SlotTitle, SlotCompany, SlotSlogan,  SlotAddress,
                            SlotPhone, SlotFax,   SlotEmail,   SlotWebsite, SlotUnique};
    struct Case {
        const char* note;
        Road road;
        Ground ground = Ground::None;
        int shape = 0;      // the card's outline
        bool band = false;  // a band across the card's foot
        QList<int> fields = {};
        bool longValues = true;  // as long as a desk meets them
        bool photo = false;
        QSizeF card = Cr80;
        const QList<HolderSample>* values = nullptr;  // in place of the samples
        // More than the card has room for: a field meets others only where
        // no place of its smallest size is clear, and its value is read
        // whole in the order the PDF draws it.
        bool full = false;
        bool usersTexts = false;  // the user's own texts at the top, the foot and the left
        bool tooMuch = false;     // more than the card holds: what the user is told, not the layout, is checked
    };
    const QList<int> eight = {SlotName, SlotTitle, SlotCompany, SlotSlogan, SlotAddress, SlotPhone, SlotEmail, SlotUnique};
    // A name far longer than the first stamping's, an e-mail of 45
    // characters that no band of a narrow oval but its widest holds.
    QList<HolderSample> longName = holderSamples(), wideEmail = holderSamples();
    longName[SlotName].value = "Alexandra Catherine Montgomery-Whitfield";
    longName[SlotEmail].value = "alexandra.montgomery-whitfield@northwind-trading-logistics.example";
    wideEmail[SlotEmail].value = "o.adebayo-castellanos@lagoon-station.example";
    // Short values, but for the phone, which the longer stamping keeps.
    QList<HolderSample> shortValues = holderSamples();
    const QStringList shorts = {"Bo", "CEO", "Acme", "Safe", "1 Elm St", "", "+1", "bo@ac.me", "ac.me", "V-1"};
    for (int i = 0; i < int(shorts.size()); ++i)
        if (!shorts.at(i).isEmpty())
            shortValues[i].value = shorts.at(i);
    shortValues[SlotPhone].value = longHolderSamples().at(SlotPhone).value;
    // Ten long values, of which the address, the e-mail and the web address
    // take more than a line beside their captions.
    QList<HolderSample> tidal = holderSamples();
    const QStringList tidalValues = {"Mbalenhle Ingrid Achterberg-Oyelaran", "Lead Tidal Energy Instrumentation Technician",
                                     "Pentland Firth Marine Turbine Cooperative Ltd", "Power from the pull of the moon",
                                     "Harbour Road 22, Scrabster, Thurso KW14 7UJ", "+44 1847 555 031", "+44 1847 555 032",
                                     "m.achterberg-oyelaran@tidal-cooperative.example",
                                     "https://crew.tidal-cooperative.example/mao", "PFT-2031-0091273"};
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        tidal[i] = {tidal[i].valueId, tidal[i].captionId, tidalValues.at(i), profileFieldTable().at(i).idCardCaption};
    // Ten values of 60 to 120 characters (Chinese, accented, words without
    // blanks): no card has room for them all with the photo.
    QList<HolderSample> huge = holderSamples();
    const QStringList hugeValues = {
        "Maria-Joaqu\u00edna Fern\u00e1ndez de Casta\u00f1eda y Villalobos, \u00c6r\u00f8sk\u00f8bing-\u00d8lstr\u00f8m",
        QString(60, QChar(0x4f9b)), QString(64, QChar(0x7269)),
        "Qualit\u00e9, s\u00e9curit\u00e9 et fiabilit\u00e9 : nous livrons vos marchandises \u00e0 l\u2019heure",
        QString(62, QChar(0x533a)), "+86(0)21-5080-1234ext.5678/+86-138-0013-8000/+86-21-5080-9999(fax)",
        "R\u00e9ception g\u00e9n\u00e9rale, b\u00e2timent Nord, acc\u00e8s par l\u2019entr\u00e9e Saint-\u00c9tienne",
        "maria-joaquina.fernandez-de-castaneda@northwind-trading-and-logistics.example.com",
        "https://www.northwind-trading-and-logistics.example.com/visitors/registration?lang=zh-CN",
        QString(61, QChar(0x8bc1))};
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        huge[i] = {huge[i].valueId, huge[i].captionId, hugeValues.at(i), profileFieldTable().at(i).idCardCaption};
    const Case cases[] = {
        // More than the card has room for: the user is told which fields.
        {"a blank card: ten values of 60 to 120 characters and the photo", Road::Stamp, Ground::None, 0, false, ten,
         true, true, Cr80, &huge, true, false, true},
        // No caption followed on its line by another field or a text of the user's.
        {"the user's texts at the top, foot and left: ten long values", Road::Stamp, Ground::None, 0, false, ten, true,
         false, Cr80, &tidal, false, true},
        {"the user's texts at the top, foot and left: ten long values and the photo", Road::Stamp, Ground::None, 0,
         false, ten, true, true, Cr80, &tidal, false, true},
        {"the user's texts on a rounded portrait card: ten long values and the photo", Road::Stamp, Ground::None, 1,
         false, ten, true, true, Cr80.transposed(), &tidal, false, true},
        {"the user's texts at the top, foot and left: a group row", Road::GroupRow, Ground::None, 0,
         false, ten, true, false, Cr80, &tidal, false, true},
        {"a full-card rectangle behind a heading", Road::Stamp, Ground::Rectangle, 0, false, six},
        {"a full-card picture behind a heading", Road::Stamp, Ground::Picture, 0, false, six},
        {"a full-card rectangle: the desk's rows", Road::DeskRows, Ground::Rectangle},
        {"a full-card rectangle and a band across the foot", Road::Stamp, Ground::Rectangle, 0, true, six},
        {"a band across the foot: a row dragged onto it keeps its place", Road::DeskRowDragged, Ground::None, 0, true},
        // Full cards, on which a caption could stand apart from its value,
        // or a value straight after another field's caption.
        {"a blank card: ten long values", Road::Stamp, Ground::None, 0, false, ten},
        {"a blank card: seven long values and the photo", Road::Stamp, Ground::None, 0, false, ten.mid(0, 7), true, true},
        {"a rounded card: ten long values", Road::Stamp, Ground::None, 1, false, ten},
        {"a rounded portrait card: ten values and the photo", Road::Stamp, Ground::None, 1, false, ten, false, true,
         Cr80.transposed()},
        {"an oval card: ten values and the photo", Road::Stamp, Ground::None, 2, false, ten, false, true},
        {"an oval card: the desk's rows", Road::DeskRows, Ground::None, 2},
        {"a second stamping with the photo after the user moved a value", Road::StampAgain},
        {"a full visitor pass: two rows", Road::PassRows},
        // A field already on the card given a longer value keeps its place
        // where its box holds it, and grows for it where it does not.
        {"stamped short, then long: a name and an e-mail on an empty card", Road::StampLonger, Ground::None, 0,
         false, {SlotName, SlotEmail}, true, false, Cr80, &longName},
        {"stamped short, then long: ten fields on a rounded card with a background", Road::StampLonger,
         Ground::Rectangle, 1, false, ten, true, false, Cr80, nullptr, true},
        {"an oval portrait card: eight fields, a wide e-mail and the photo", Road::Stamp, Ground::None, 2, false, eight,
         true, true, Cr80.transposed(), &wideEmail},
        {"a second stamping whose photo has a clear place only smaller", Road::StampAgainNarrowed, Ground::None, 0,
         false, {}, true, false, Cr80, nullptr, true},
        // A frame's inside is free, above or below the rest.
        {"a border frame over the heading", Road::Stamp, Ground::FrameOver, 0, false, six, false},
        {"a border frame under the heading", Road::Stamp, Ground::FrameUnder, 0, false, six, false},
        {"a full visitor pass: a row dragged onto its foot and typed into", Road::PassRowDragged},
        {"a blank card: a row the user widened, typed into, and again after it was opened again",
         Road::DeskRowWidened},
        {"a blank card: a row typed into after the design was opened again", Road::DeskReopened},
    };
    const QList<HolderSample> rows = {
        {"F_field1", "F_label1", "EB-0042 - north gate", "Escort Badge :"},
        {"F_field2", "F_label2", "Blue Volvo V70, plate KX-118-LP", "Vehicle :"},
        {"F_field3", "F_label3", "L-42", "Locker :"},
    };
    std::optional<double> frameShare;  // the fields' share on the first frame's card
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        QSizeF size = c.card;
        const bool pass = c.road == Road::PassRows || c.road == Road::PassRowDragged;
        newCard(c.shape, pass ? QSizeF() : size);
        if (pass) {
            fullPass();
            size = window->Front_card_Prop.Card_Size;
        } else {
            GraphicList& side = window->_graphicView->mutableGraphics();
            auto heading = std::make_shared<SKTText>();
            heading->setBounds(QRectF(8, 6, std::min(150.0, size.width() - 16), 0));
            heading->Set_text_value("ACME HEADQUARTERS");
            heading->setHeight(fittedTextHeight(*heading));
            if (!c.usersTexts)
                side << heading;
            for (const QRectF& r : {c.band ? QRectF(0, size.height() - 30, size.width(), 30) : QRectF(),
                                    c.ground == Ground::Rectangle ? QRectF(QPointF(0, 0), size) : QRectF()})
                if (!r.isNull())
                    addFilled(r, QColor(250, 235, 200));
            if (c.ground == Ground::Picture) {
                auto back = std::make_shared<SKTImage>();
                back->setFilePath(picture("ground.png", {200, 120}, QColor(230, 240, 255)), true);
                back->setBounds(QRectF(QPointF(0, 0), size));
                side << back;
            }
            if (c.usersTexts)
                for (const auto& [text, at] : {std::pair("TIDAL CREW \u2014 TURBINE HALL", QPointF(41, 4)),
                                                std::pair("Gate 3", QPointF(size.width() - 49, size.height() - 20)),
                                                std::pair("2031", QPointF(4, 68))}) {
                    auto t = std::make_shared<SKTText>();
                    t->setBounds(QRectF(at, QSizeF(0, 0)));
                    t->Set_text_value(text);
                    const double wide = static_cast<const SKTText&>(*t).naturalTextSize().width() + 1;
                    t->setBounds(QRectF(at, QSizeF(std::min(wide, size.width() - at.x() - 4), 0)));
                    t->setHeight(fittedTextHeight(*t));
                    side << t;
                }
            if (c.ground == Ground::FrameOver || c.ground == Ground::FrameUnder) {
                auto frame = std::make_shared<Shape_Control>(QStringLiteral("R"));
                frame->setBounds(QRectF(1, 1, size.width() - 2, size.height() - 2));
                frame->_isDrawingFill = false;
                frame->_isDrawingStroke = true;
                frame->_strokeWidth = 1;
                side.insert(c.ground == Ground::FrameOver ? 0 : side.size(), frame);
            }
        }
        const GraphicList& side = window->Get_Front_Controls_Array();
        // The user's graphics before the road, with their places.
        QList<std::pair<std::shared_ptr<SKTGraphic>, QRectF>> users;
        QSet<const SKTGraphic*> usersOwn;
        QSet<const SKTGraphic*> foundBefore;  // by a second stamping: read as the user's by the pairs' checks
        for (const auto& g : side)
            users.append({g, g->bounds()});
        QList<HolderSample> shown;
        const QList<HolderSample>& samples = c.values ? *c.values : c.longValues ? longHolderSamples() : holderSamples();
        // What the user placed whose corner stays where it is put (its box
        // may grow to its value).
        QList<std::pair<std::shared_ptr<SKTGraphic>, QPointF>> usersCorners;
        switch (c.road) {
        case Road::Stamp:
            stamp(c.fields, samples, c.photo);
            for (int i : c.fields)
                shown << samples.at(i);
            break;
        case Road::GroupRow:
            group(samples);
            for (int i : c.fields)
                shown << samples.at(i);
            break;
        case Road::StampLonger: {
            stamp(c.fields, shortValues, c.photo);
            // What the first stamping made is laid out again by the second.
            for (const auto& g : side)
                foundBefore << g.get();
            stamp(c.fields, samples, c.photo);
            for (int i : c.fields)
                shown << samples.at(i);
            break;
        }
        case Road::StampAgainNarrowed: {
            stamp({SlotName, SlotTitle, SlotCompany, SlotPhone}, holderSamples(), false);
            for (const auto& g : side)
                foundBefore << g.get();
            // The title made narrower and dragged to the foot.
            const auto title = front(Fup_Title);
            ASSERT_TRUE(title);
            // Not on another value's line: an em clear of it.
            QList<QRectF> others;
            for (const auto& g : side)
                if (g != title && g->ctrl_is_visible)
                    others << g->drawingBounds().adjusted(-12, 0, 12, 0);
            // Two lines high: a line as its caption's.
            const auto titleCaption = front(Fup_lbl_Title);
            ASSERT_TRUE(titleCaption);
            const QRectF narrower(0, 0, 60, titleCaption->bounds().height() * 1.6);
            const auto free = freePlaceFor(narrower.translated(4, size.height() - narrower.height() - 3), others,
                                           QRectF(QPointF(), size));
            ASSERT_TRUE(free);
            title->setBounds(*free);
            title->setPlacedByUser();
            users.append({title, title->bounds()});
            const QList<int> more = {SlotName, SlotTitle, SlotCompany, SlotAddress, SlotPhone, SlotEmail, SlotUnique};
            stamp(more, holderSamples(), true);
            for (int i : more)
                shown << holderSamples().at(i);
            break;
        }
        case Road::StampAgain: {
            stamp({SlotName, SlotTitle, SlotCompany, SlotPhone}, holderSamples(), false);
            // The name made smaller and dragged to the free room nearest
            // the bottom left.
            const auto name = front(Fup_Name);
            ASSERT_TRUE(name);
            QList<QRectF> others;
            for (const auto& g : side)
                if (g != name && g->ctrl_is_visible)
                    others << g->drawingBounds();
            const auto free = freePlaceFor(QRectF(4, size.height() - 30, 110, 26), others, QRectF(QPointF(), size));
            ASSERT_TRUE(free);
            name->setBounds(*free);
            name->setPlacedByUser();
            users.append({name, name->bounds()});
            const QList<int> more = {SlotName, SlotTitle, SlotCompany, SlotPhone, SlotEmail, SlotUnique};
            stamp(more, holderSamples(), true);
            for (int i : more)
                shown << holderSamples().at(i);
            break;
        }
        case Road::DeskRows:
        case Road::DeskRowDragged:
        case Road::DeskRowWidened:
        case Road::DeskReopened:
            deskMode();
            [[fallthrough]];
        case Road::PassRows:
        case Road::PassRowDragged:
            shown = c.road == Road::PassRowDragged                                ? rows
                    : c.road == Road::PassRows || c.road == Road::DeskRows ? rows.mid(0, 2)
                                                                           : rows.mid(0, 1);
            for (const HolderSample& row : shown)
                addRow(row);
            if (c.road == Road::PassRowDragged) {
                // The locker's value dragged onto the pass's foot, then
                // typed on: what is typed is printed, on the card.
                const auto value = front(rows.at(2).valueId);
                ASSERT_TRUE(value);
                value->setBounds(QRectF(QPointF(40, size.height() - value->bounds().height() - 3), value->bounds().size()));
                usersCorners.append({value, value->bounds().topLeft()});
                type(rowBox(rows.at(2).valueId), "QZ", false);
                shown.last().value = value->Text_Value;
                EXPECT_EQ(value->Text_Value, "L-42QZ");
            }
            if (c.road == Road::DeskRowWidened) {
                // Made larger (wider where the card has room), its corner
                // where it was, then typed on; the same after the design was
                // saved and opened again.
                const auto value = front(rows.at(0).valueId);
                ASSERT_TRUE(value);
                const QRectF r = value->bounds();
                value->setBounds(QRectF(r.topLeft(), QSizeF(std::min(r.width() + 60, size.width() - r.left() - 4),
                                                            r.height() * 2.5)));
                const QRectF resized = value->bounds();
                nextSavePath = data.filePath("resized.did");
                ASSERT_EQ(window->Save_project_file(true, false, StartMode::DesignFile), 1);
                type(rowBox(rows.at(0).valueId), " E", false);
                EXPECT_EQ(value->bounds(), resized);
                window->Reset_All_Visitor_Grp_Mode_Ctrl();
                ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(nextSavePath, StartMode::DesignFile, true), 1);
                type(rowBox(rows.at(0).valueId), " E", false);
                EXPECT_EQ(front(rows.at(0).valueId)->bounds(), resized);
                shown.first().value = front(rows.at(0).valueId)->Text_Value;
                users.clear();  // the design read back is new graphics
            }
            if (c.road == Road::DeskReopened) {
                // Typed into as the desk left it, then the same typed into
                // the design saved before and opened again: the same card.
                nextSavePath = data.filePath("desk.did");
                ASSERT_EQ(window->Save_project_file(true, false, StartMode::DesignFile), 1);
                auto typeMore = [&] {
                    type(rowBox(rows.at(0).valueId), " West Wing 7", false);
                    return std::pair(front(rows.at(0).captionId)->bounds(), front(rows.at(0).valueId)->bounds());
                };
                const auto fresh = typeMore();
                window->Reset_All_Visitor_Grp_Mode_Ctrl();
                ::Start_Card_Option = StartMode::Template;
                window->Title_For_Gen_ID_Card();
                ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(nextSavePath, StartMode::DesignFile, true), 1);
                const auto reopened = typeMore();
                EXPECT_EQ(reopened.first, fresh.first) << rectText(reopened.first).toStdString();
                EXPECT_EQ(reopened.second, fresh.second) << rectText(reopened.second).toStdString();
                shown.first().value = front(rows.at(0).valueId)->Text_Value;
                EXPECT_EQ(shown.first().value, rows.at(0).value + " West Wing 7");
                users.clear();  // the design read back is new graphics
            }
            if (c.road == Road::DeskRowDragged) {
                // Dragged onto the band, then typed into again.
                const auto value = front(rows.at(0).valueId);
                ASSERT_TRUE(value);
                value->setBounds(QRectF(QPointF(40, size.height() - 24), value->bounds().size()));
                const QPointF dragged = value->bounds().topLeft();
                type(rowBox(rows.at(0).valueId), " (guest parking)", false);
                EXPECT_EQ(value->bounds().topLeft(), dragged);
                users.append({value, value->bounds()});
                shown.first().value = value->Text_Value;
            }
            break;
        }
        for (const auto& u : users)
            usersOwn << u.first.get();
        const QRectF card(QPointF(0, 0), size);
        // The card's ground aside, no two texts or pictures meet; on a full
        // pass or card, a field only where no clear place of its smallest
        // size is left (a value, on a full card: its caption goes with it).
        GraphicList onGround = side;
        onGround.removeIf([&](const auto& g) {
            return !isExactlyText(g.get()) && g->bounds().width() * g->bounds().height() >= card.width() * card.height() / 2;
        });
        if (!pass && !c.full) {
            EXPECT_EQ(overlapsOn(onGround, size).join(" | ").toStdString(), "");
        } else {
            for (const HolderSample& row : shown)
                for (const QString& id : pass ? QStringList{row.captionId, row.valueId} : QStringList{row.valueId}) {
                    const auto g = front(id);
                    ASSERT_TRUE(g);
                    QList<QRectF> others;
                    for (const auto& o : side)
                        if (o != g && o->ctrl_is_visible && !(isExactlyText(o.get()) && o->Text_Value.isEmpty()))
                            others << o->drawingBounds();
                    // What the user placed stays where it is put.
                    if (liesClear(g->drawingBounds(), others, card) || usersOwn.contains(g.get()) ||
                        std::any_of(usersCorners.cbegin(), usersCorners.cend(), [&](const auto& u) { return u.first == g; }))
                        continue;
                    for (const QSizeF& s : fieldSizes(*g, size, {SmallestFieldScale, SmallestFieldScale})) {
                        EXPECT_FALSE(freePlaceFor(QRectF(QPointF(0, 0), s), others, card).has_value()) << id.toStdString();
                    }
                }
        }
        if (c.road == Road::PassRows || c.road == Road::DeskRows) {
            QColor captions;
            for (const auto& g : side)
                if (g->ctrl_is_visible && profileFieldForId(g->control_ID) && fieldRole(g->control_ID) == FieldRole::Caption)
                    captions = g->txt_clr;
            for (const HolderSample& row : shown) {
                const auto caption = front(row.captionId), value = front(row.valueId);
                ASSERT_TRUE(caption && value);
                EXPECT_TRUE(!captions.isValid() || caption->txt_clr == captions) << row.caption.toStdString();
                EXPECT_NEAR(drawnShare(*caption), drawnShare(*value), 0.06) << row.caption.toStdString();
                // A card with room for them: at their own size.
                EXPECT_TRUE(c.road == Road::PassRows || drawnShare(*caption) > 0.99) << row.caption.toStdString();
            }
        }

        // A stamping that leaves fields whose printed words meet others says
        // once which, as the PDF shows them; one that leaves none says nothing.
        QStringList told = sink.shown.filter(QStringLiteral("not fit on the card"));
        EXPECT_LE(told.size(), 1) << sink.text();
        if (c.road == Road::Stamp || c.road == Road::StampAgain || c.road == Road::StampLonger ||
            c.road == Road::StampAgainNarrowed) {
            const QString told1 = data.filePath("told.pdf");
            writeBytes(told1, sidePdf(side));
            std::map<ReadsWrong, QStringList> wrong = namesReadingWrongInPdf(told1, side, size, inkOf(side));
            for (ReadsWrong why : {ReadsWrong::LeavesTheCard, ReadsWrong::Meets, ReadsWrong::AcrossAnEdge,
                                   ReadsWrong::Unreadable}) {
                EXPECT_EQ(namesTold(sink.shown, why).join(", ").toStdString(), wrong[why].join(", ").toStdString())
                    << int(why);
            }
        }
        sink.shown.clear();
        EXPECT_TRUE(c.full || told.isEmpty()) << told.join("").toStdString();
        if (c.tooMuch) {
            EXPECT_EQ(told.size(), 1);
            continue;
        }
        const QString pdf = data.filePath("side.pdf");
        const auto snapshot =
            SideSnapshot::take(&side, &window->Front_card_Prop, &window->Back_card_Prop, ::Card_Shape, 0, card);
        writeBytes(pdf, SKTRenderingView(card, snapshot, "t").dataWithPDFInsideRect(card));
        const PdfPage page = readPdf(pdf);
        ASSERT_FALSE(page.words.isEmpty());
        // No picture outside the outline, nor a word of an added field; no
        // word under a picture (the card's ground aside).
        QList<QRectF> pictures, added;
        for (const QRectF& p : page.pictures) {
            EXPECT_TRUE(insideOutline(p, size, c.shape)) << "a picture at " << rectText(p).toStdString();
            if (p.width() * p.height() < card.width() * card.height() / 2)
                pictures << p;
        }
        const bool photo = c.photo || c.road == Road::StampAgain || c.road == Road::StampAgainNarrowed;
        EXPECT_EQ(pictures.size(), photo ? 1 : pictures.size()) << "the photo";
        for (const auto& g : side)
            if (g->ctrl_is_visible && !usersOwn.contains(g.get()))
                added << g->drawingBounds().adjusted(-1, -1, 1, 1);
        for (const auto& [box, text] : page.words) {
            const bool ofAdded = std::any_of(added.cbegin(), added.cend(), [&](const QRectF& r) { return r.contains(box); });
            // An added field's words inside the outline, about the
            // clearance in from it (a word lies a little inside its box).
            EXPECT_TRUE(!ofAdded || insideOutline(box, size, c.shape, pass || c.full ? 0 : 1))
                << text.toStdString() << rectText(box).toStdString();
            for (const QRectF& p : pictures) {
                EXPECT_FALSE(box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(p)) << text.toStdString();
            }
        }
        EXPECT_EQ((c.full ? valuesNotWholeInRawPdf(pdf, shown) : valuesNotWholeInPdf(pdf, side, shown)).join(" | ").toStdString(),
                  "");
        // No word broken, on a full card too: the second stamping lays its
        // values out again rather than leave them in the boxes the short
        // ones had.
        EXPECT_EQ(wordsBrokenInPdf(pdf, shown).join(" | ").toStdString(), "");
        // What the desk typed into the pass's own boxes breaks no word
        // either, where its line has room for it drawn smaller.
        if (pass) {
            QList<HolderSample> typed = passValues();
            typed.removeIf([](const HolderSample& h) { return h.valueId == Fup_Date || h.valueId == Fup_Time; });
            EXPECT_EQ(wordsBrokenInPdf(pdf, typed).join(" | ").toStdString(), "");
        }
        // Each caption nearer its own value than any other (within the
        // clearance kept between fields), or, where its own value stands
        // apart (the user moved it), no other within an em; no other
        // field's value straight after it on its line, nor one value
        // straight after another (within an em); where one of the two was
        // added.
        for (const auto& g : side) {
            const FieldRole role = fieldRole(g->control_ID);
            if (!g->ctrl_is_visible || role == FieldRole::None || g->Text_Value.isEmpty())
                continue;
            const QRectF at = g->drawingBounds();
            const double em = drawnTextPointSize(*g);
            // A short value on one line where the card has room for it.
            EXPECT_TRUE(c.longValues || role != FieldRole::Value || usersOwn.contains(g.get()) || at.height() < 2 * em)
                << g->Text_Value.toStdString() << " is wrapped";
            const auto own = front(partnerIdOf(g->control_ID));
            const double ownGap = own && own->ctrl_is_visible ? gapBetween(at, own->drawingBounds()) : 1e9;
            for (const auto& v : side) {
                if (v == own || v == g || !v->ctrl_is_visible || fieldRole(v->control_ID) != FieldRole::Value ||
                    v->Text_Value.isEmpty() ||
                    ((usersOwn.contains(g.get()) || foundBefore.contains(g.get())) &&
                     (usersOwn.contains(v.get()) || foundBefore.contains(v.get()))))
                    continue;
                const QRectF other = v->drawingBounds();
                if (role == FieldRole::Caption) {
                    EXPECT_LE(std::min(ownGap, em), gapBetween(at, other) + FieldClearance)
                        << g->Text_Value.toStdString() << " is nearer " << v->Text_Value.toStdString();
                }
                EXPECT_FALSE(followedOnLine(at, other, em))
                    << g->Text_Value.toStdString() << " is followed by " << v->Text_Value.toStdString();
            }
            // Nor anything else straight after a caption, within a word
            // space; nor another caption within an em.
            for (const auto& o : side)
                if (role == FieldRole::Caption && o != own && o != g && o->ctrl_is_visible &&
                    !(isExactlyText(o.get()) && o->Text_Value.isEmpty()) && !(usersOwn.contains(g.get()) && usersOwn.contains(o.get()))) {
                    EXPECT_FALSE(followedOnLine(at, o->drawingBounds(),
                                                fieldRole(o->control_ID) == FieldRole::Caption ? em : 0.3 * em))
                        << g->Text_Value.toStdString() << " is followed by " << o->Text_Value.toStdString() << " "
                        << rectText(at).toStdString() << " " << rectText(o->drawingBounds()).toStdString();
                }
        }
        for (const auto& [g, r] : users) {
            EXPECT_EQ(g->bounds(), r) << g->Text_Value.toStdString();
        }
        for (const auto& [g, corner] : usersCorners) {
            EXPECT_EQ(g->bounds().topLeft(), corner) << g->Text_Value.toStdString();
        }
        // Inside a frame, clear of its stroke, at the same size whether the
        // frame lies over the rest or under it.
        if (c.ground == Ground::FrameOver || c.ground == Ground::FrameUnder) {
            double share = 1;
            for (const auto& g : side)
                if (g->ctrl_is_visible && !usersOwn.contains(g.get())) {
                    EXPECT_TRUE(QRectF(2, 2, size.width() - 4, size.height() - 4).contains(g->drawingBounds()))
                        << g->Text_Value.toStdString() << rectText(g->drawingBounds()).toStdString();
                    share = std::min(share, drawnShare(*g));
                }
            if (!frameShare)
                frameShare = share;
            EXPECT_NEAR(share, *frameShare, 0.01);
        }
    }
}

// Rules the designs above pass without showing which holds them, each on a
// design that shows it: a row names the rule that broke.
TEST_F(FieldsOnDesigns, EachRuleOnADesignThatShowsIt) {
    enum class Rule {
        PastTheOutlineIsWorst,  // a stamping keeps no try whose letters leave the outline where one keeps them in
        RowWidensOverItsBand,   // a row the user put on a band grows along it, on it
        DeskRecordFollowsHeight // the desk's record of a row follows its fitted height
    };
    struct Case {
        const char* rule;
        Rule which;
    };
    const Case cases[] = {
        {"letters past an oval badge's outline make a stamping's worse try", Rule::PastTheOutlineIsWorst},
        {"a row the user dragged onto a band keeps its place there, drawn smaller, then grows along the band",
         Rule::RowWidensOverItsBand},
        {"a row the desk placed and fitted to its lines is still the desk's: it follows its caption",
         Rule::DeskRecordFollowsHeight},
    };
    const QSizeF badge(95, 150);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        const QSizeF size = c.which == Rule::PastTheOutlineIsWorst ? badge : Cr80;
        newCard(c.which == Rule::PastTheOutlineIsWorst ? 2 : 0, size);
        if (c.which == Rule::PastTheOutlineIsWorst) {
            // An e-mail wider than the oval at all but its smallest share.
            QList<HolderSample> values = holderSamples();
            values[SlotEmail].value = "alexandra.montgomery-whitfield@northwind-trading-logistics.example";
            stamp({SlotName, SlotEmail, SlotPhone}, values, false);
            const GraphicList& side = window->Get_Front_Controls_Array();
            EXPECT_EQ(fieldsLeavingInPdf(inkOf(side), side, size, 2).join(", ").toStdString(), "");
            EXPECT_EQ(sink.text(), "");
            continue;
        }
        deskMode();
        if (c.which == Rule::RowWidensOverItsBand) {
            const QRectF band(0, size.height() - 30, size.width(), 30);
            addFilled(band, QColor(250, 235, 200));
            addRow({"F_field1", "F_label1", "EB-0042", "Escort Badge :"});
            const auto value = front("F_field1");
            ASSERT_TRUE(value);
            value->setBounds(QRectF(QPointF(40, size.height() - 24), value->bounds().size()));
            const QRectF dragged = value->bounds();
            type(rowBox("F_field1"), "-N", false);
            EXPECT_EQ(value->bounds(), dragged) << "drawn smaller where it stands";
            EXPECT_LT(drawnShare(*value), 0.99);
            type(rowBox("F_field1"), " - north gate, guest parking", false);
            EXPECT_TRUE(value->bounds().contains(dragged)) << rectText(value->bounds()).toStdString();
            EXPECT_GT(value->bounds().width(), dragged.width());
            EXPECT_TRUE(band.contains(value->bounds())) << rectText(value->bounds()).toStdString();
            EXPECT_LT(value->bounds().height(), 1.5 * dragged.height()) << "on one line";
            continue;
        }
        // The caption dragged elsewhere; the value typed on, its words
        // wrapping where it stands, then a word its box cannot hold.
        addRow({"F_field1", "F_label1", "Blue Volvo", "Vehicle :"});
        const auto caption = front("F_label1"), value = front("F_field1");
        ASSERT_TRUE(caption && value);
        caption->setBounds(QRectF(QPointF(20, 100), caption->bounds().size()));
        const double height = value->bounds().height();
        type(rowBox("F_field1"), " V70 in bay", false);
        EXPECT_GT(value->bounds().height(), height) << "its box fitted to two lines";
        type(rowBox("F_field1"), " KX-118-LP-NORTHGATE-0042", false);
        EXPECT_NE(standingOf(caption->bounds(), value->bounds(), drawnTextPointSize(*value)), Standing::Apart)
            << rectText(caption->bounds()).toStdString() << " " << rectText(value->bounds()).toStdString();
    }
    ::Card_Shape = 0;
}

}  // namespace
}  // namespace zelk::test

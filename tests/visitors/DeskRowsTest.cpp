// The desk's rows dragged about with the mouse and typed into, read back
// from a PDF of their side: the value starts beside its caption, its left
// edge where the user put it, the row on the card, and no field's words
// drawn below half its size; rows the user locked or moved stay where the
// user left them under a field shown after them, and what meets is named.
#include "FieldsOnDesignsSupport.h"
#include "VisitorTestSupport.h"

#include "inspector/InspectorPanels.h"
#include "mainwindow/ShownCardNotice.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>

namespace zelk::test {
namespace {

// DejaVu Sans's ascent and descent in ems: the height pdftotext gives a word.
constexpr double WordEms = (1901.0 + 483.0) / 2048.0;

// Past the card's edge: the right handle 30 points, the corner 48, the left
// handle 30 past the left edge.
enum class Drag { None, RightHandle, Corner, LeftHandle };
// What the user locks on the card before the name shows: each row's
// texts, or only the captions.
enum class Locked { None, Rows, Captions };
struct Case {
    const char* name;
    const char* pass;
    int side = 0;
    Drag drag = Drag::RightHandle;
    bool captionAbove = false;      // the caption dragged above its value first
    bool typed = true;              // a letter typed into the value last
    bool savedPastTheEdge = false;  // saved so before a drag kept it on the card, then opened again
    bool dragAgain = false;         // what shows as its right handle dragged past the edge again
    bool fullPass = false;          // a second row on a pass whose every box is filled
    bool noRoom = false;            // its value longer than the full pass has room for
    bool captionOff = false;        // its caption's box unticked: the row shows its value alone
    bool darkPanel = false;         // a dark rectangle of the user's behind the left 60 % of the pass
    bool nameAfter = false;         // the visitor's name shown and typed after the rows, where the desk put them
    Locked locked = Locked::None;   // before the name shows
    bool rowMoved = false;          // before the name shows, the last row's value dragged onto the name's frame
    const char* caption = nullptr;  // the second row's caption, in place of "Vessel :"
    // The fields whose words meet others' in the PDF, and the names the
    // status bar gives them.
    const char* meeting = "";
    const char* told = "";
    // Its value locked on the card, the pass saved and opened again: its
    // boxes stay greyed, and what is typed at them changes nothing.
    bool lockedThenReopened = false;
};

class DeskRows : public FieldsOnDesigns, public ::testing::WithParamInterface<Case> {};

TEST_P(DeskRows, KeepToTheCardBesideTheirCaptions) {
    const Case& c = GetParam();
    const QString value = c.noRoom     ? QString("MV Northern Star, IMO 9387421, bay 3, ").repeated(c.captionOff ? 8 : 4)
                          : c.fullPass ? "MV Northern Star, IMO 9387421, bay 3"
                          : QString(c.pass) == "Visitor_Escort" ? "Silo 7B" : "Quay 14 north, by grain silo 7B";
    if (c.fullPass) {
        fullPass();
        addRow({"F_field1", "F_label1", "Quay 14 north, by the grain silo 7B", "Berth :"});
    } else {
        passRoad(c.pass);
    }
    if (c.side == 1)
        window->Select_back_side();
    if (c.darkPanel) {
        const QSizeF pass = window->Front_card_Prop.Card_Size;
        addFilled(QRectF(0, 0, pass.width() * 0.6, pass.height()), QColor(25, 25, 25));
    }
    const QString id = c.fullPass ? "F_field2" : "F_field1", captionId = c.fullPass ? "F_label2" : "F_label1";
    auto box = [&](const QString& of) { return visitorPanel(c.side)->Get_Dynamic_Label_Ctrl(of, "T"); };
    QSignalSpy measures(&ShownCardNotice::of(*window), &ShownCardNotice::measured);
    QSignalSpy edits(window->currentCanvas(), &SKTGraphicView::undoStateChanged);
    visitorPanel(c.side)->Add_New_Label_Clicked();
    type(box(captionId), c.caption ? c.caption : c.fullPass ? "Vessel :" : "Berth :");
    type(box(id), value);
    if (c.captionOff)
        visitorPanel(c.side)->view_array_label.last().check->click();
    SKTGraphicView* view = window->currentCanvas();
    view->setScaleFactor(2);
    auto row = [&](const QString& which) { return view->Selcect_Ctrl_With_ID(which); };
    auto drag = [&](const QPointF& from, const QPointF& to) { dragOn(view, from, to); };
    // The rows the user locked or moved, where the user left them.
    QHash<QString, QRectF> usersRows;
    if (c.nameAfter) {
        addRow({"F_field2", "F_label2", "MV Aurora Borealis of Tromso", "Vessel :"});
        addRow({"F_field3", "F_label3", "Cargo bay 3, refrigerated section B", "Hold :"});
        for (const char* which : {"F_label1", "F_field1", "F_label2", "F_field2", "F_label3", "F_field3"})
            if (c.locked == Locked::Rows || (c.locked == Locked::Captions && QString(which).contains("label"))) {
                // Clicked on the card, then the inspector's Lock.
                QTest::mouseClick(view, Qt::LeftButton, {}, view->widgetPoint(row(which)->bounds().center()).toPoint());
                window->inspector()->Lock_btn->click();
                EXPECT_TRUE(row(which)->ctrl_is_locked) << which;
                usersRows.insert(which, row(which)->bounds());
            }
        if (c.rowMoved) {
            const QRectF from = row("F_field3")->bounds(), to = row(Fup_Name)->bounds();
            drag(from.center(), from.center() + to.topLeft() - from.topLeft());
            usersRows.insert("F_field3", row("F_field3")->bounds());
        }
        VisitorPanel::Slot& name = visitorPanel(c.side)->fixedSlots[size_t(VisitorPanel::slotOfId(Fup_Name))];
        name.value_chk->click();
        type(name.value, "Ingrid Solberg-Haugen");
        for (auto it = usersRows.cbegin(); it != usersRows.cend(); ++it) {
            EXPECT_EQ(rectText(row(it.key())->bounds()).toStdString(), rectText(it.value()).toStdString())
                << it.key().toStdString();
        }
    }
    const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
    if (c.captionAbove) {  // its left on the value's, its foot a point over it
        const QRectF cap = row(captionId)->bounds(), v = row(id)->bounds();
        drag(cap.center(), cap.center() + QPointF(v.left() - cap.left(), v.top() - 1 - cap.bottom()));
    }
    const QRectF put = row(id)->bounds();
    view->Set_Selection_Index_According_ID(id);
    if (c.drag != Drag::None) {
        const QPointF handle = c.drag == Drag::Corner       ? put.bottomRight()
                               : c.drag == Drag::LeftHandle ? QPointF(put.left(), put.center().y())
                                                            : QPointF(put.right(), put.center().y());
        const double past = c.drag == Drag::LeftHandle ? card.left() - 30 : card.right() + (c.drag == Drag::Corner ? 48 : 30);
        drag(handle, QPointF(past, handle.y()));
    }
    if (c.dragAgain) {
        const QRectF shown = row(id)->bounds() & card;
        drag(QPointF(shown.right(), shown.center().y()), QPointF(card.right() + 30, shown.center().y()));
    }
    if (c.savedPastTheEdge) {
        row(id)->setBounds(QRectF(put.topLeft(), QPointF(card.right() + 30, put.bottom())));
        row(id)->setPlacedByUser();
        nextSavePath = data.filePath("desk.did");
        ASSERT_EQ(window->Save_project_file(true, false, StartMode::DesignFile), 1);
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(nextSavePath, StartMode::DesignFile, true), 1);
        view = window->currentCanvas();
    }
    if (c.lockedThenReopened) {
        QTest::mouseClick(view, Qt::LeftButton, {}, view->widgetPoint(row(id)->bounds().center()).toPoint());
        window->inspector()->Lock_btn->click();
        const QString locked = row(id)->Text_Value;
        nextSavePath = data.filePath("desk.did");
        ASSERT_EQ(window->Save_project_file(true, false, StartMode::DesignFile), 1);
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(nextSavePath, StartMode::DesignFile, true), 1);
        view = window->currentCanvas();
        ASSERT_TRUE(row(id)->ctrl_is_locked);
        EXPECT_TRUE(box(captionId)->isEnabled());
        EXPECT_FALSE(box(id)->isEnabled());
        EXPECT_FALSE(visitorPanel(c.side)->Get_Dynamic_Label_Ctrl(id, "C")->isEnabled());
        type(box(id), "changed", false);
        EXPECT_EQ(row(id)->Text_Value.toStdString(), locked.toStdString());
    }
    if (c.typed)
        type(box(id), "a", false);
    const auto caption = row(captionId), shown = row(id);
    const GraphicList& side = c.side == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array();
    const QString pdf = data.filePath("side.pdf");
    writeBytes(pdf, sidePdf(side, c.side));
    // What meets others in the PDF is named on the status bar once the
    // typing pauses, and no box is shown.
    EXPECT_EQ(fieldsMeetingInPdf(pdf, side, card.size()).join(", ").toStdString(), c.meeting);
    EXPECT_TRUE(c.noRoom || c.captionOff || fieldsAcrossOrUnreadableInPdf(pdf, side, card.size()).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ShownCardNotice::of(*window).pending(); }));
    EXPECT_EQ(namesTold({window->statusBar()->currentMessage()}).join(", ").toStdString(), c.told);
    // Measured once, when the typing paused, not at each of the keys.
    EXPECT_EQ(measures.count(), 1) << edits.count() << " edits";
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
    // Stored, the visitor holds every row the pass shows, those the user
    // locked or moved too (read with sqlite3).
    if (c.nameAfter) {
        visitorPanel(c.side)->Add_to_DB_btn->click();
        EXPECT_EQ(sink.text(), "Visitor Details has been saved successfully");
        sink.shown.clear();
        const QList<QVariantMap> stored =
            sqliteRows(Database_Path, "SELECT Other FROM Visitor_Records ORDER BY ID DESC LIMIT 1");
        ASSERT_EQ(stored.size(), 1);
        EXPECT_EQ(stored[0].value("Other").toString().toStdString(),
                  "Berth : : Quay 14 north, by grain silo 7B\r\nVessel : : MV Aurora Borealis of Tromso\r\nHold : : "
                  "Cargo bay 3, refrigerated section B");
    }
    // The rest is where a row stands beside its caption (on one line).
    if (c.captionOff || c.caption)
        return;
    const QList<PdfWord> words = pdfWords(pdf);
    auto wordsOf = [&](const SKTGraphic& g) {
        QList<QRectF> out;
        for (const PdfWord& w : words)
            if (g.drawingBounds().adjusted(-1, -1, 1, 1).contains(w.box))
                out << w.box;
        return out;
    };
    // The row on the card, its value read whole there.
    EXPECT_TRUE(card.contains(shown->bounds())) << rectText(shown->bounds()).toStdString();
    EXPECT_EQ(valuesNotWholeInPdf(pdf, side, {{id, captionId, shown->Text_Value, ""}}).join("").toStdString(), "");
    // Its first word beside its caption: after it on its line, or under its
    // start; where it was dragged, where it started, the edge the user
    // kept on the card where the user put it.
    QRectF cap, first(QPointF(1e9, 1e9), QSizeF(1, 1));
    for (const QRectF& w : wordsOf(*caption))
        cap |= w;
    for (const QRectF& w : wordsOf(*shown))
        if (w.top() < first.top() - 1 || (w.top() < first.bottom() && w.left() < first.left()))
            first = w;
    const double em = shown->text_ctrl_font.pointSizeF();
    const std::string read = rectText(first).toStdString() + " beside " + rectText(cap).toStdString();
    if (c.captionAbove) {
        EXPECT_NEAR(first.left(), cap.left(), em) << read;
    } else {
        EXPECT_TRUE(first.top() < cap.bottom() && first.bottom() > cap.top() && first.left() >= cap.right() &&
                    first.left() - cap.right() <= 1.5 * em)
            << read;
    }
    if (c.drag != Drag::None) {
        if (c.drag == Drag::LeftHandle)
            EXPECT_NEAR(shown->bounds().right(), put.right(), 0.01);
        else
            EXPECT_NEAR(shown->bounds().left(), put.left(), 0.01);
        EXPECT_NEAR(first.left(), put.left(), em) << read;
    }
    for (const auto& g : side)
        if (g->ctrl_is_visible && isExactlyText(g.get()) && isFieldId(g->control_ID))
            for (const QRectF& w : wordsOf(*g)) {
                EXPECT_GE(w.height(), WordEms * g->text_ctrl_font.pointSizeF() / 2 - 0.01)
                    << g->Text_Value.toStdString() << " drawn below half its size";
            }
}

INSTANTIATE_TEST_SUITE_P(
    OnThePasses, DeskRows,
    ::testing::Values(
        Case{"WidenedPastTheEdgeThenTyped", "Visitor_Day"},
        Case{"PortraitPassWidenedThenTyped", "Visitor_Escort"},
        Case{"BackWidenedThenTyped", "Visitor_Day", 1},
        Case{"CaptionAboveWidenedThenTyped", "Visitor_Day", 0, Drag::RightHandle, true},
        Case{"SavedPastTheEdgeReopenedThenTyped", "Visitor_Day", 0, Drag::None, false, true, true},
        Case{"CornerDraggedPastTheEdgeNotTyped", "Visitor_Day", 0, Drag::Corner, false, false},
        Case{"ItsRightHandleDraggedAgain", "Visitor_Escort", 0, Drag::Corner, false, false, false, true},
        Case{"ItsLeftHandlePastTheLeftEdge", "Visitor_Day", 0, Drag::LeftHandle, false, false},
        // Laid where it reads, beside the panel.
        Case{.name = "BesideADarkPanelOfTheUsers", .pass = "Visitor_Day", .drag = Drag::None, .typed = false, .darkPanel = true},
        // The name shown over the rows moves them where the pass has room.
        Case{.name = "TheNameShownAfterTheRows", .pass = "Visitor_Day", .drag = Drag::None, .typed = false, .nameAfter = true},
        Case{"SecondRowOnAFullPassAtHalfOrMore", "Visitor_Day", 0, Drag::None, false, false, false, false, true},
        // Four times as long: the pass has no room for its caption.
        Case{.name = "ALongerSecondRowOnAFullPassIsNamed", .pass = "Visitor_Day", .drag = Drag::None, .typed = false,
             .fullPass = true, .noRoom = true, .meeting = "F_label2, Fup_Company", .told = "Company Name, Vessel"},
        // Named by what the pass shows of it: its value.
        Case{.name = "ALongerSecondRowWithoutItsCaptionIsNamedByItsValue", .pass = "Visitor_Day", .drag = Drag::None,
             .typed = false, .fullPass = true, .noRoom = true, .captionOff = true,
             .meeting = "F_field2, Fup_lbl_Website", .told = "Person to Meet, \u201CMV Northern Star\u2026\u201D"},
        // Its caption named as a value is: to its first comma, short.
        Case{.name = "ALongerSecondRowWithALongCaptionIsNamedByItsFirstWords", .pass = "Visitor_Day",
             .drag = Drag::None, .typed = false, .fullPass = true, .noRoom = true,
             .caption = "Vessel, flag state and port of registry as written on the crew list handed to the harbour "
                        "master :",
             .meeting = "F_label2, Fup_Company, F_field2, Fup_lbl_CompanySlogan, Fup_lbl_Website",
             .told = "Company Name, Person to Meet, Purpose, Vessel\u2026"},
        // What the user locked or moved keeps its place; the name over it is named.
        Case{.name = "TheNameShownOverRowsTheUserLocked", .pass = "Visitor_Day", .drag = Drag::None, .typed = false,
             .nameAfter = true, .locked = Locked::Rows, .meeting = "F_label2, F_field2, Fup_Name, F_label3, F_field3",
             .told = "Hold, Name, Vessel"},
        Case{.name = "TheNameShownOverRowsWhoseCaptionsTheUserLocked", .pass = "Visitor_Day", .drag = Drag::None,
             .typed = false, .nameAfter = true, .locked = Locked::Captions, .meeting = "F_label2, Fup_Name, F_label3",
             .told = "Hold, Name, Vessel"},
        Case{.name = "ItsValueLockedSavedAndOpenedAgain", .pass = "Visitor_Day", .drag = Drag::None, .typed = false,
             .lockedThenReopened = true},
        Case{.name = "TheNameShownOverARowTheUserMoved", .pass = "Visitor_Day", .drag = Drag::None, .typed = false,
             .nameAfter = true, .rowMoved = true, .meeting = "F_field3, Fup_Name", .told = "Hold, Name"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk::test

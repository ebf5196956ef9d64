// The visitor desk's road and the panels' fields on the card: the caption
// sets, the live layout and the room the panes take, the road from a shipped
// template, a card of another mode opened from the desk, every box of both
// passes filled, and the slots' check boxes and values reaching the card on
// both sides.
#include "HolderFields.h"
#include "VisitorDeskTestSupport.h"
#include "VisitorTestSupport.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "canvas/ToolKind.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "groups/GroupMode.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooser.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"
#include "visitors/PaneRoom.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

namespace zelk::test {
namespace {

TEST_F(VisitorDeskTest, EachCaptionSetWritesAllThirteenGlobals) {
    struct Case {
        const char* set;
        QString slogan, fax, website, unique, title;
    };
    const Case cases[] = {
        {"visitor", "Purpose :", "Visitor Type :", "Person to Meet :", "Visitor No. :", "Position / Title :"},
        {"student", "Class / Section :", "DOB :", "Department :", "Registration No. :", "Father's Name :"},
        {"id card", "Company Slogan :", "Fax No. :", "Website :", "Unique No. :", "Position / Title :"},
    };
    SKTWindowController* w = window.get();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        if (QLatin1String(c.set) == QLatin1String("visitor"))
            w->Title_For_Visitor();
        else if (QLatin1String(c.set) == QLatin1String("student"))
            w->Title_For_Student();
        else
            w->Title_For_Gen_ID_Card();
        EXPECT_EQ(Title_slogan, c.slogan);
        EXPECT_EQ(Title_fax, c.fax);
        EXPECT_EQ(Title_website, c.website);
        EXPECT_EQ(Title_unique, c.unique);
        EXPECT_EQ(Title_Title, c.title);
        EXPECT_EQ(Title_Name, "Name :");
        EXPECT_EQ(Title_image, "Photo :");
        EXPECT_EQ(Title_Date, "Date :");
        EXPECT_EQ(Title_Time, "Time :");
    }
}

TEST_F(VisitorDeskTest, LiveLayoutShowsTheSidesPanelWithVisitorCaptions) {
    EXPECT_FALSE(window->Visitor_mode_view->isHidden());
    EXPECT_EQ(window->scrollView->widget(), window->front_vistr_view);
    EXPECT_EQ(front().fixedSlots[zelk::SlotSlogan].label->text(), "Purpose :");
    EXPECT_EQ(front().height(), 475);
    window->Select_back_side();
    EXPECT_EQ(window->scrollView->widget(), window->back_vistr_view);
    window->change_Visitor_Side_View(7);  // no such side
    EXPECT_EQ(window->scrollView->widget(), window->back_vistr_view);
    window->Show_Hide_Profile_Panel_Live_Mode(false);
    EXPECT_TRUE(window->Visitor_mode_view->isHidden());
}

// The frame a window too narrow for the panes takes: wider by what it lacks,
// moved and bounded to stay on its screen.
TEST(PaneRoom, AWindowGrowsByWhatItLacksWithinItsScreen) {
    // Frames and screens in pixels; the expected frames worked out by hand.
    const struct {
        const char* what;
        QRect frame;
        int lacking;
        QRect screen;
        QRect expected;
    } cases[] = {
        {"room enough", {100, 50, 600, 400}, 300, {0, 0, 1920, 1080}, {100, 50, 900, 400}},
        {"runs past the right edge: moved left", {1500, 0, 400, 300}, 500, {0, 0, 1920, 1080}, {1020, 0, 900, 300}},
        {"a narrow screen: all of it", {300, 0, 500, 300}, 2000, {0, 0, 800, 600}, {0, 0, 800, 300}},
        {"a second screen to the right", {2000, 0, 600, 300}, 2000, {1920, 0, 1280, 1024}, {1920, 0, 1280, 300}},
        {"lacks nothing", {10, 10, 900, 300}, 0, {0, 0, 800, 600}, {10, 10, 900, 300}},
        {"already wider than its screen", {0, 0, 900, 300}, 100, {0, 0, 800, 600}, {0, 0, 900, 300}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(widenedForPanes(c.frame, c.lacking, c.screen), c.expected) << c.what;
}

// A window shown too narrow for the panes grows, within its screen; a
// maximized window keeps its size.
TEST_F(VisitorDeskTest, ANarrowWindowGrowsForThePanesWithinItsScreen) {
    window->Show_Hide_Profile_Panel_Live_Mode(false);
    const QRect screen = window->screen()->availableGeometry();
    window->resize(std::min(500, screen.width() / 2), 500);
    window->move(screen.left() + screen.width() / 3, screen.top());
    window->show();
    const int narrow = window->width();
    window->Show_Hide_Profile_Panel_Live_Mode(true);
    QCoreApplication::processEvents();
    // However large the screen, the window grew and stayed on it.
    EXPECT_GT(window->width(), narrow);
    EXPECT_LE(window->frameGeometry().width(), screen.width());
    EXPECT_GE(window->frameGeometry().left(), screen.left());
    EXPECT_LE(window->frameGeometry().right(), screen.right());

    window->Show_Hide_Profile_Panel_Live_Mode(false);
    window->showMaximized();
    QCoreApplication::processEvents();
    const int maximized = window->width();
    window->Show_Hide_Profile_Panel_Live_Mode(true);
    EXPECT_EQ(window->width(), maximized);
    window->hide();
}

// The visitor road from a shipped template: the template's sample texts
// are hidden and the boxes empty; typing a name shows it in the template's
// own name frame once its box is ticked; the sample number stays off the
// pass.
TEST_F(VisitorDeskTest, TheRoadStartsWithEmptyBoxesAndTypingFillsTheTemplatesFrames) {
    const QString preview = resourceDir() + QStringLiteral("/Templates/Visitor/Visitor_Day.png");
    ScopedDialogRunner runner([&](QDialog* d) {
        if (qobject_cast<Template_Wizard*>(d)) {
            ::Selected_Template_Path = preview;
            return 1;
        }
        return 0;
    });
    MainWindowStartSteps steps(*window);
    ASSERT_TRUE(steps.runVisitorRoad()) << sink.text();
    const VisitorPanel::Slot& name = front().fixedSlots[zelk::SlotName];
    const VisitorPanel::Slot& number = front().fixedSlots[zelk::SlotUnique];
    for (const VisitorPanel::Slot* s : {&name, &number}) {
        EXPECT_TRUE(s->value->text().isEmpty()) << s->value->text().toStdString();
        EXPECT_FALSE(s->value_chk->isChecked());
    }
    ASSERT_TRUE(graphic(Fup_Name));
    const QRectF frame = graphic(Fup_Name)->bounds();
    EXPECT_FALSE(graphic(Fup_Name)->ctrl_is_visible);
    EXPECT_FALSE(graphic(Fup_UniqueNo)->ctrl_is_visible);
    EXPECT_FALSE(graphic(Fup_Name, 1)->ctrl_is_visible);

    // As for any slot: the box is ticked, then typed into.
    click(name.value_chk);
    QTest::keyClicks(name.value, QStringLiteral("Ann Lee"));
    EXPECT_TRUE(name.value_chk->isChecked());
    EXPECT_EQ(count(Fup_Name), 1);
    EXPECT_TRUE(graphic(Fup_Name)->ctrl_is_visible);
    EXPECT_EQ(graphic(Fup_Name)->Text_Value, QStringLiteral("Ann Lee"));
    EXPECT_EQ(graphic(Fup_Name)->bounds().topLeft(), frame.topLeft());
    EXPECT_FALSE(graphic(Fup_UniqueNo)->ctrl_is_visible);
}

// From the desk, with a visitor typed in, Open (No to saving) of a card
// made with the wizard, from a template or a group project gives the tools,
// panes and captions of that card's mode, as opening it after New does.
TEST_F(VisitorDeskTest, OpeningACardFromTheDeskGivesTheToolsOfItsMode) {
    const auto tools = [this] {
        SKTWindowController& w = *window;
        QStringList shown{::Start_Card_Option, Title_slogan};
        for (int tool = FirstToolKind; tool <= LastToolKind; ++tool) {
            const QString name = QStringLiteral("tool_%1").arg(tool);
            shown << name + QString::number(w.actionNamed(name)->isEnabled());
        }
        for (const QString name : {"User_Profile_Button", "show_db_rcd_btn"})
            shown << name + QString::number(w.actionNamed(name)->isVisible());
        for (QWidget* pane : {static_cast<QWidget*>(w.Visitor_mode_view), w.group_mode_view, w.group_control_view})
            shown << pane->objectName() + QString::number(pane->isVisibleTo(&w));
        return shown.join(QLatin1Char('\n')).toStdString();
    };
    const auto fresh = [this](const QString& mode) {
        window.reset();
        open();
        GroupMode::install(*window);
        ::Start_Card_Option = mode;
    };
    const struct {
        const char* made;
        QString mode;
    } cards[] = {{"with the card wizard", StartMode::Wizard},
                 {"from a template", StartMode::Template},
                 {"as a group project", StartMode::GroupList}};
    for (const auto& c : cards) {
        SCOPED_TRACE(c.made);
        fresh(c.mode);
        window->_graphicView->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 120, 20),
                                                   QStringLiteral("F"), QStringLiteral("Ann"), Fup_Name);
        if (c.mode == StartMode::GroupList)
            window->Create_Excel_List_Func({QStringLiteral("Name")}, {{QStringLiteral("Ann")}});
        ::Project_File_Name = nextOpenPath = data.filePath(QStringLiteral("card.did"));
        ASSERT_EQ(window->Save_project_file(false, false, StartMode::DesignFile), 1) << sink.text();

        fresh(StartMode::Template);
        sink.answers = {MessageAnswer::No};
        window->Open_Button_Clicked();
        const std::string afterNew = tools();

        fresh(StartMode::Visitor);
        window->Title_For_Visitor();
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        window->Show_Hide_Profile_Panel_Live_Mode(true);
        const VisitorPanel::Slot& name = front().fixedSlots[SlotName];
        click(name.value_chk);
        name.value->selectAll();
        QTest::keyClicks(name.value, QStringLiteral("Ann Lee"));
        ASSERT_EQ(name.value->text().toStdString(), "Ann Lee");
        sink.answers = {MessageAnswer::No};
        window->Open_Button_Clicked();
        EXPECT_EQ(tools(), afterNew);
        EXPECT_NE(name.value->text().toStdString(), "Ann Lee");
        if (c.mode != StartMode::GroupList) {
            const int texts = window->Get_Front_Control_Count();
            window->actionNamed(QStringLiteral("tool_%1").arg(TextTool))->trigger();
            EXPECT_EQ(window->Get_Front_Control_Count(), texts + 1);
        }
    }
}

// Each visitor pass with every box of both panels ticked, long values
// typed and a photo chosen: the pass's own frames take them, nothing is
// placed anew, no two texts or pictures meet and the photo stays in its
// frame. Values longer than their frames hold are drawn smaller inside
// them, and a PDF of the side holds each whole. A row the desk adds to the
// front then (`row`: its caption and value typed) lands on the card with
// them.
class VisitorPassFields : public VisitorDeskTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Key by key, letters beyond ASCII as their text.
    static void type(QWidget* box, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(box);
        ASSERT_TRUE(edit);
        edit->clear();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    void fillBothSides(const QList<HolderSample>& samples, bool roomForAll, const QList<HolderSample>& rows = {}) {
        const QString preview = resourceDir() + QStringLiteral("/Templates/Visitor/") + QLatin1String(GetParam());
        ScopedDialogRunner runner([&](QDialog* d) {
            if (qobject_cast<Template_Wizard*>(d)) {
                ::Selected_Template_Path = preview;
                return 1;
            }
            return 0;
        });
        ASSERT_TRUE(MainWindowStartSteps(*window).runVisitorRoad()) << sink.text();
        for (int side : !rows.isEmpty() ? QList<int>{0} : QList<int>{0, 1}) {
            SCOPED_TRACE(side);
            side == 0 ? window->Select_front_side() : window->Select_back_side();
            const GraphicList& graphics =
                side == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array();
            const qsizetype count = graphics.size();
            VisitorPanel& panel = side == 0 ? front() : back();
            nextOpenPath = picture(QStringLiteral("visitor%1.png").arg(side));
            panel.Browse_image_Btn_Clicked();
            for (const HolderSample& h : samples) {
                VisitorPanel::Slot& s = panel.fixedSlots[size_t(slotOf(h.valueId))];
                click(s.label_chk);
                click(s.value_chk);
                if (h.valueId != Fup_Date && h.valueId != Fup_Time)
                    type(s.value, h.value);
                const auto g = graphic(h.valueId, side);
                EXPECT_TRUE(g->ctrl_is_visible) << h.valueId.toStdString();
                if (h.valueId != Fup_Date && h.valueId != Fup_Time) {
                    EXPECT_EQ(g->Text_Value, h.value);
                }
                // The box takes the lines of what was typed, as on the
                // canvas, where it has room; one that would break a word is
                // drawn smaller in a box no smaller than its frame. The text
                // is drawn inside it.
                if (roomForAll) {
                    const auto drawn = g->clone();
                    const double points = zelk::drawnTextPointSize(*g);
                    drawn->text_ctrl_font.setPointSizeF(points);
                    const double lines = zelk::fittedTextHeight(*drawn);
                    EXPECT_TRUE(points < g->text_ctrl_font.pointSizeF() ? g->bounds().height() >= lines
                                                                        : g->bounds().height() == lines)
                        << h.valueId.toStdString() << " " << rectText(g->bounds()).toStdString();
                }
                EXPECT_TRUE(g->bounds().contains(g->drawingBounds())) << h.valueId.toStdString();
                EXPECT_TRUE(graphic(h.captionId, side)->ctrl_is_visible) << h.captionId.toStdString();
            }
            EXPECT_EQ(graphic(Fup_Name, side)->Text_Value, samples.first().value);
            EXPECT_EQ(graphic(Fup_Photo, side)->_file_path, nextOpenPath);
            EXPECT_EQ(graphics.size(), count);
            const QList<HolderSample>& shown = samples;
            const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
            const QStringList before = overlapsOn(graphics, card.size());
            EXPECT_EQ(before.join(" | ").toStdString(), "");
            QList<HolderSample> clearRows;
            for (const HolderSample& row : rows) {
                SCOPED_TRACE(row.valueId.toStdString());
                panel.Add_New_Label_Clicked();
                type(panel.Get_Dynamic_Label_Ctrl(row.captionId, "T"), row.caption);
                type(panel.Get_Dynamic_Label_Ctrl(row.valueId, "T"), row.value);
                EXPECT_EQ(graphic(row.valueId, side)->Text_Value, row.value);
                // Clear of the rest wherever the side has a clear place of
                // its smallest size, never over a picture.
                for (const QString& id : {row.captionId, row.valueId}) {
                    const auto g = graphic(id, side);
                    // In the pass's own fields' font (5 to 8 points), not the canvas's 12.
                    EXPECT_LE(g->text_ctrl_font.pointSizeF(), 8) << id.toStdString();
                    const QRectF drawn = g->drawingBounds().adjusted(0.01, 0.01, -0.01, -0.01);
                    const QList<QRectF> others = drawnRects(graphics, card, g.get());
                    const bool meets = std::any_of(others.cbegin(), others.cend(),
                                                   [&](const QRectF& r) { return drawn.intersects(r); });
                    bool room = false;
                    for (const QSizeF& size : fieldSizes(*g, card.size(), {SmallestFieldScale, SmallestFieldScale}))
                        room = room || freePlaceFor(QRectF(QPointF(0, 0), size), others, card).has_value();
                    EXPECT_FALSE(meets && room) << id.toStdString() << " " << rectText(g->drawingBounds()).toStdString();
                    if (id == row.valueId && !meets)
                        clearRows << row;
                    for (const QRectF& p : pictureRects(graphics, card, g.get())) {
                        EXPECT_FALSE(drawn.intersects(p)) << id.toStdString();
                    }
                }
            }
            ASSERT_EQ(graphics.size(), count + 2 * rows.size());
            if (rows.isEmpty()) {
                EXPECT_EQ(overlapsOn(graphics, card.size()).join(" | ").toStdString(), "");
            }
            EXPECT_TRUE(photoInItsFrame(graphics));

            const QString pdf = data.filePath(QStringLiteral("pass%1.pdf").arg(side));
            const auto snapshot = SideSnapshot::take(&graphics, &window->Front_card_Prop, &window->Back_card_Prop,
                                                     ::Card_Shape, side, card);
            writeBytes(pdf, SKTRenderingView(card, snapshot, QStringLiteral("t")).dataWithPDFInsideRect(card));
            // With rows over the rest where the side has no room, the rows
            // that landed clear.
            EXPECT_EQ(valuesNotWholeInPdf(pdf, graphics, rows.isEmpty() ? shown : clearRows).join(" | ").toStdString(),
                      "");
        }
    }
};

TEST_P(VisitorPassFields, EveryBoxTickedFillsThePassesOwnFrames) { fillBothSides(holderSamples(), true); }

TEST_P(VisitorPassFields, ValuesLongerThanTheirFramesStayInThem) { fillBothSides(longHolderSamples(), false); }

// Every box of the front ticked with long values, then three rows added,
// one in Japanese: each lands whole, clear of the rest where the side has
// room for it, and never over the photo.
TEST_P(VisitorPassFields, RowsAddedBesideTheFieldsLandWholeOnTheCard) {
    const QList<HolderSample> rows = {
        {"F_field1", "F_label1", "Procurement & Strategic Sourcing, Building 7", "Host Department :"},
        {"F_field2", "F_label2", QString::fromUtf8("\u6771\u4eac\u672c\u793e \u7dcf\u52d9\u90e8 \u65bd\u8a2d\u7ba1\u7406\u8ab2"),
         QString::fromUtf8("\u90e8\u7f72 :")},
        {"F_field3", "F_label3", "Escorted by security at all times, badge 0042", "Escort :"},
    };
    fillBothSides(longHolderSamples(), false, rows);
}

INSTANTIATE_TEST_SUITE_P(BothPasses, VisitorPassFields, ::testing::Values("Visitor_Day.png", "Visitor_Escort.png"));

TEST_F(VisitorDeskTest, SlotCheckBoxCreatesOnceAndTypingFollowsTheRules) {
    VisitorPanel::Slot& name = front().fixedSlots[slotOf(Fup_Name)];
    click(name.value_chk);
    ASSERT_TRUE(graphic(Fup_Name));
    EXPECT_EQ(graphic(Fup_Name)->Text_Value, "Text here");
    EXPECT_EQ(name.value->text(), "Text here");
    EXPECT_TRUE(name.value->isEnabled());
    // Typing goes to the card; emptying the box leaves the placeholder.
    name.value->clear();
    QTest::keyClicks(name.value, "Ann");
    EXPECT_EQ(graphic(Fup_Name)->Text_Value, "Ann");
    name.value->selectAll();
    QTest::keyClick(name.value, Qt::Key_Backspace);
    EXPECT_EQ(graphic(Fup_Name)->Text_Value, "Text here");
    EXPECT_TRUE(name.value->text().isEmpty());
    // Unchecking hides and disables; checking again shows it where it is.
    graphic(Fup_Name)->setXPosition(33);
    click(name.value_chk);
    EXPECT_FALSE(graphic(Fup_Name)->ctrl_is_visible);
    EXPECT_FALSE(name.value->isEnabled());
    click(name.value_chk);
    EXPECT_TRUE(graphic(Fup_Name)->ctrl_is_visible);
    EXPECT_EQ(graphic(Fup_Name)->bounds().x(), 33);
    EXPECT_EQ(count(Fup_Name), 1);

    // Unchecking a caption whose graphic is missing creates it hidden.
    VisitorPanel::Slot& phone = front().fixedSlots[slotOf(Fup_PhoneNO)];
    phone.label_chk->setChecked(true);
    click(phone.label_chk);
    ASSERT_TRUE(graphic(Fup_lbl_PhoneNO));
    EXPECT_FALSE(graphic(Fup_lbl_PhoneNO)->ctrl_is_visible);

    // Typing into a caption without a graphic ticks the box, the card stays.
    VisitorPanel::Slot& fax = front().fixedSlots[slotOf(Fup_FaxNo)];
    fax.label->setEnabled(true);
    fax.label->setReadOnly(false);
    const qsizetype before = window->Get_Front_Controls_Array().size();
    QTest::keyClicks(fax.label, "x");
    EXPECT_TRUE(fax.label_chk->isChecked());
    EXPECT_EQ(window->Get_Front_Controls_Array().size(), before);
    // The program's own writes neither tick nor reach the card.
    VisitorPanel::Slot& web = front().fixedSlots[slotOf(Fup_Website)];
    web.value->setText("site");
    EXPECT_FALSE(web.value_chk->isChecked());
    EXPECT_FALSE(graphic(Fup_Website));
}

// A visitor entered on a shipped pass, then each kind of step: undone, Add
// to DB stores the visitor as before the step; redone, the ticked rows show
// the card, the rows left unticked keep what they held (not the hidden
// samples "Company Name", "Date", "ID 000123"), a date or time typed by hand
// stays editable, and with every row then ticked Add to DB stores what the
// panels showed.
TEST_F(VisitorDeskTest, EachStepUndoneAndRedoneLeavesThePanelsAndTheRecordAsTheyWere) {
    VisitorPanel::Slot& name = front().fixedSlots[SlotName];
    VisitorPanel::Slot& title = front().fixedSlots[SlotTitle];
    auto paste = [](QLineEdit* box, const char* text) {
        box->setText(QString::fromUtf8(text));
        emit box->textEdited(box->text());
    };
    const struct {
        const char* step;
        std::function<void()> take;
    } steps[] = {
        {"a photo browsed", [&] { nextOpenPath = picture(QStringLiteral("p.png")); front().browse_pic_btn->click(); }},
        {"a value pasted", [&] { paste(name.value, "Ann Lee-Park"); }},
        {"a row unticked", [&] { click(title.value_chk); }},
        {"a caption ticked", [&] { click(front().fixedSlots[SlotCompany].label_chk); }},
        {"a row added", [&] { front().Add_New_Label_Clicked(); }},
        {"the value moved on the card",
         [&] {
             graphic(Fup_Name)->setXPosition(30);
             window->Insert_In_Undo_Redo();
         }},
        {"a row ticked on the back",
         [&] {
             window->Select_back_side();
             click(back().fixedSlots[SlotCompany].value_chk);
         }},
        {"the clock's time shown", [&] { click(front().time_value_chk); }},
        {"a time typed by hand, then a caption ticked",
         [&] {
             click(front().time_manual_chk);
             paste(front().time_value, "09:15:00");
             click(name.label_chk);
         }},
    };
    const QString preview = resourceDir() + QStringLiteral("/Templates/Visitor/Visitor_Day.png");
    ScopedDialogRunner runner([&](QDialog* d) {
        if (auto* chooser = qobject_cast<StartChooserWindow*>(d))
            chooser->Start_Card_Option_Clicked(QStringLiteral("V"));
        if (qobject_cast<Template_Wizard*>(d))
            ::Selected_Template_Path = preview;
        return qobject_cast<Template_Wizard*>(d) ? 1 : d->result();
    });
    // Add to DB stores what the panels showed as `entry`.
    auto storedAs = [&](const VisitorEntry& entry) {
        front().Add_to_DB_btn->click();
        ASSERT_TRUE(window->Add_Visitor_Record_To_DB(entry));
        const QList<QVariantMap> rows =
            sqliteRows(Database_Path, QStringLiteral("SELECT * FROM Visitor_Records ORDER BY ID DESC LIMIT 2"));
        ASSERT_EQ(rows.size(), 2);
        QStringList stored[2];
        for (int r : {0, 1})
            for (auto it = rows[r].cbegin(); it != rows[r].cend(); ++it)
                if (!QStringList{"ID", "Date_Time_Stamp", "EntryTime", "EntryTime_B"}.contains(it.key()))
                    stored[r] << it.key() + QLatin1Char('=') + it.value().toString();
        EXPECT_EQ(stored[0].join(QLatin1Char('|')).toStdString(), stored[1].join(QLatin1Char('|')).toStdString());
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        ASSERT_EQ(MainWindowStartSteps::New_Project_And_Start(*window), StartChooser::Started) << sink.text();
        click(name.value_chk);
        paste(name.value, "Ann Lee");
        click(title.value_chk);
        paste(title.value, "Buyer");
        click(front().date_manual_chk);
        paste(front().date_value, "01-Jan-2027");
        const VisitorEntry before = VisitorPanel::visitorEntry(*window);
        s.take();
        VisitorEntry shown = VisitorPanel::visitorEntry(*window);
        const QString time = front().time_value->text();
        window->actionNamed(QStringLiteral("Undo_Button"))->trigger();
        storedAs(before);
        window->actionNamed(QStringLiteral("Redo_Button"))->trigger();
        EXPECT_EQ(front().time_value->text(), time);
        EXPECT_TRUE(front().date_manual_chk->isChecked());
        for (auto [box, byHand] : {std::pair(front().date_value, front().date_manual_chk),
                                   std::pair(front().time_value, front().time_manual_chk)})
            EXPECT_EQ(box->isEnabled() && !box->isReadOnly(), byHand->isChecked()) << box->text().toStdString();
        // Every row ticked but the clock's, which ticking sets anew.
        const int clock = slotOf(Fup_Time);
        for (VisitorEntrySide* side : {&shown.front, &shown.back})
            for (int i = 0; i < clock; ++i)
                side->fields[size_t(i)].valueChecked = side->fields[size_t(i)].captionChecked = true;
        for (VisitorPanel* panel : {&front(), &back()})
            for (int i = 0; i < clock; ++i)
                for (QCheckBox* box : {panel->fixedSlots[size_t(i)].value_chk, panel->fixedSlots[size_t(i)].label_chk})
                    if (!box->isChecked()) {
                        panel == &front() ? window->Select_front_side() : window->Select_back_side();
                        click(box);
                    }
        storedAs(shown);
    }
}

TEST_F(VisitorDeskTest, NewControlAddAndChangeValueOnBothSides) {
    for (int side : {0, 1}) {
        SCOPED_TRACE(side);
        side == 0 ? window->Select_front_side() : window->Select_back_side();
        QLineEdit box;
        EXPECT_TRUE(window->new_control_add(QString(), Fup_Company, &box));
        EXPECT_EQ(box.text(), "Text here");
        box.setText("kept");
        EXPECT_FALSE(window->new_control_add("other", Fup_Company, &box));
        EXPECT_EQ(box.text(), "kept");
        EXPECT_EQ(count(Fup_Company, side), 1);
        window->Change_Value("Acme", Fup_Company, true, false);
        EXPECT_EQ(graphic(Fup_Company, side)->Text_Value, "Acme");
        window->Change_Value(QString(), Fup_Company, true, false);
        EXPECT_EQ(graphic(Fup_Company, side)->Text_Value, "Text here");
        window->Change_Value("Acme", Fup_Company, false, false);
        EXPECT_FALSE(graphic(Fup_Company, side)->ctrl_is_visible);
        EXPECT_TRUE(window->new_control_add(QString(), Fup_Photo, nullptr));
        EXPECT_TRUE(zelk::isExactlyImage(graphic(Fup_Photo, side).get()));
    }
    EXPECT_EQ(window->Get_text_box_of_visitor_mode(Fup_Photo), nullptr);
}

}  // namespace
}  // namespace zelk::test

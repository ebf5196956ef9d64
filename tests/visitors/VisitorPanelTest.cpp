// The visitor desk over the main window: caption sets, the panels' fields on
// the card, placement beside partners, the photo, user-added rows, reset,
// and the panel following undo, redo and lock changes.
#include "HolderFields.h"
#include "VisitorTestSupport.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "inspector/InspectorPanels.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/Template_Wizard.h"
#include "visitors/PaneRoom.h"
#include "visitors/VisitorPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

namespace zelk::test {
namespace {

class VisitorDeskTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        ::Start_Card_Option = StartMode::Visitor;
        ::CARD_SIDE_STR = CardSide::TwoSided;
        window->Title_For_Visitor();
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        window->Show_Hide_Profile_Panel_Live_Mode(true);
    }
    void TearDown() override {
        ::Start_Card_Option = StartMode::Template;
        window->Title_For_Gen_ID_Card();
        MainWindowTest::TearDown();
    }

    VisitorPanel& front() { return *Front_Profile_Panel_OBJ; }
    VisitorPanel& back() { return *Back_Profile_Panel_OBJ; }
    static int slotOf(const QString& id) { return VisitorPanel::slotOfId(id); }

    std::shared_ptr<SKTGraphic> graphic(const QString& id, int side = 0) {
        for (const auto& g : side == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array())
            if (g->control_ID == id)
                return g;
        return nullptr;
    }
    int count(const QString& id, int side = 0) {
        int n = 0;
        for (const auto& g : side == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array())
            n += g->control_ID == id;
        return n;
    }
    QString picture(const QString& name, QColor colour = Qt::red) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = data.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // A click as the user makes it: the box toggles, then its action runs.
    static void click(QAbstractButton* box) {
        box->setEnabled(true);
        box->click();
    }
};

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
                // canvas, where it has room; the text is drawn inside it.
                if (roomForAll) {
                    EXPECT_EQ(g->bounds().height(), zelk::fittedTextHeight(*g));
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

TEST_F(VisitorDeskTest, PlacementBesidePartnersAndTheFallbacks) {
    const QRectF card = window->_graphicView->cardRect();
    struct Case {
        const char* name;
        QString placed, partner;
        QPointF partnerAt;  // of a 70 x 20 partner the user moved there; none: where the desk put it
        std::optional<zelk::Beside> side;  // none: anywhere but over the partner
        bool boxedIn = false;  // shapes of the user's then drawn right of the partner and below it
        bool full = false;     // the rest of the card covered twice by shapes of the user's
    };
    const Case cases[] = {
        {"value right of its caption", Fup_Name, Fup_lbl_Name, {20, 10}, zelk::Beside::After},
        {"caption left of its value", Fup_lbl_Title, Fup_Title, {100, 60}, zelk::Beside::Before},
        {"value below when right leaves the card", Fup_Address, Fup_lbl_Address, {card.width() - 75, 70},
         zelk::Beside::Below},
        {"caption above when left is off the card", Fup_lbl_EmailID, Fup_EmailID, {20, 120}, zelk::Beside::Above},
        // The two go as one, the caption before its value.
        {"no room beside a caption the desk placed: it goes along", Fup_Website, Fup_lbl_Website, {},
         zelk::Beside::After, true},
        // The least covering place would be over the caption.
        {"a full card: never over the caption the user placed", Fup_FaxNo, Fup_lbl_FaxNo, {80, 66}, std::nullopt,
         false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphicList& side = window->_graphicView->mutableGraphics();
        side.clear();
        const int slot = slotOf(c.partner);
        const bool partnerIsCaption = c.partner.contains(QLatin1String("lbl"));
        const VisitorPanel::Slot& s = front().fixedSlots[slot];
        for (QAbstractButton* box : {s.label_chk, s.value_chk})
            box->setChecked(false);
        click(partnerIsCaption ? s.label_chk : s.value_chk);
        auto partner = graphic(c.partner);
        ASSERT_TRUE(partner);
        if (!c.partnerAt.isNull())
            partner->setBounds(QRectF(c.partnerAt, QSizeF(70, 20)));
        const QRectF partnerBefore = partner->bounds();
        QList<QRectF> design;
        if (c.boxedIn)
            design = {QRectF(partnerBefore.right() + 1, partnerBefore.top() - 5, 30, partnerBefore.height() + 10),
                      QRectF(partnerBefore.left() - 5, partnerBefore.bottom() + 1, partnerBefore.width() + 40, 30)};
        const QRectF& p0 = partnerBefore;
        if (c.full)
            for (int twice = 0; twice < 2; ++twice)
                design << QRectF(0, 0, card.width(), p0.top()) << QRectF(0, p0.bottom(), card.width(), card.bottom() - p0.bottom())
                       << QRectF(0, p0.top(), p0.left(), p0.height())
                       << QRectF(p0.right(), p0.top(), card.right() - p0.right(), p0.height());
        for (const QRectF& r : design) {
            auto shape = std::make_shared<Shape_Control>(QStringLiteral("R"));
            shape->setBounds(r);
            side << shape;
        }
        click(partnerIsCaption ? s.value_chk : s.label_chk);
        ASSERT_TRUE(graphic(c.placed));
        const QRectF placed = graphic(c.placed)->bounds(), p = partner->bounds();
        EXPECT_EQ(p.topLeft() != partnerBefore.topLeft(), c.boxedIn) << zelk::test::rectText(p).toStdString();
        const QPointF expected[] = {{p.left(), p.top() - placed.height()}, {p.left() - placed.width(), p.top()},
                                    {p.right(), p.top()}, {p.left(), p.bottom()}};
        if (c.side) {
            EXPECT_EQ(placed.topLeft(), expected[int(*c.side)]);
        }
        EXPECT_TRUE(card.contains(placed));
        EXPECT_FALSE(placed.intersects(p));
        for (const QRectF& r : c.full ? QList<QRectF>{} : design) {
            EXPECT_FALSE(placed.intersects(r));
            EXPECT_FALSE(p.intersects(r));
        }
    }
    // A partner whose box is off counts as absent.
    const VisitorPanel::Slot& unique = front().fixedSlots[slotOf(Fup_UniqueNo)];
    click(unique.label_chk);
    graphic(Fup_lbl_UniqueNo)->setBounds(QRectF(40, 100, 70, 20));
    click(unique.label_chk);  // off again
    EXPECT_EQ(window->Get_Ctrl_Location_From_Design(Fup_lbl_UniqueNo), QPointF(0, 0));
    click(unique.value_chk);
    EXPECT_NE(graphic(Fup_UniqueNo)->bounds().topLeft(), QPointF(110, 100));
    // A user-added picture has no partner: the card's corner, where that is
    // free (the empty back), else the nearest place clear of what is shown.
    window->_graphicView->mutableGraphics().removeIf(
        [](const std::shared_ptr<SKTGraphic>& g) { return zelk::isExactlyShape(g.get()); });
    auto corner0 = std::make_shared<Shape_Control>(QStringLiteral("R"));
    corner0->setBounds(QRectF(0, 0, 30, 30));
    window->_graphicView->mutableGraphics() << corner0;
    const QPointF corner = window->Set_Ctrl_Pos_In_Vstr_Mode("F_Photo3", QRectF(5, 5, 50, 50));
    EXPECT_NE(corner, QPointF(0, 0));
    for (const QRectF& r : zelk::drawnRects(window->Get_Front_Controls_Array(), window->_graphicView->cardRect())) {
        EXPECT_FALSE(QRectF(corner, QSizeF(50, 50)).intersects(r));
    }
    window->Select_back_side();
    EXPECT_EQ(window->Set_Ctrl_Pos_In_Vstr_Mode("F_Photo3", QRectF(5, 5, 50, 50)), QPointF(0, 0));
}

// On a design of the user's own, a band across the top and a picture on the
// left: the name, its caption and a user-added picture land clear of both
// and of each other.
TEST_F(VisitorDeskTest, FieldsLandClearOfTheUsersDesign) {
    const QRectF card = window->_graphicView->cardRect();
    GraphicList& side = window->_graphicView->mutableGraphics();
    auto band = std::make_shared<Shape_Control>(QStringLiteral("R"));
    band->setBounds(QRectF(0, 0, card.width(), 40));
    band->_isDrawingFill = true;  // a band: an outline alone leaves its inside free
    auto portrait = std::make_shared<SKTImage>();
    portrait->setBounds(QRectF(0, 40, 70, card.height() - 40));
    side << band << portrait;
    const VisitorPanel::Slot& name = front().fixedSlots[slotOf(Fup_Name)];
    click(name.value_chk);
    QTest::keyClicks(name.value, "Ann Lee");
    click(name.label_chk);
    ASSERT_TRUE(window->new_control_add(QString(), QStringLiteral("F_Photo1"), nullptr));
    window->Change_Value(picture(QStringLiteral("row.png")), QStringLiteral("F_Photo1"), true, true);
    ASSERT_EQ(side.size(), 5);
    for (const auto& f : side.mid(0, 3)) {
        SCOPED_TRACE(f->control_ID.toStdString());
        for (const auto& g : side) {
            if (g != f) {
                EXPECT_FALSE(f->drawingBounds().intersects(g->drawingBounds())) << g->control_ID.toStdString();
            }
        }
    }
}

TEST_F(VisitorDeskTest, DateAndTimeStates) {
    const QRegularExpression date(QStringLiteral("^\\d\\d-[A-Z][a-z]{2}-\\d{4}$"));
    const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    VisitorPanel& p = front();
    EXPECT_TRUE(date.match(p.date_value->text()).hasMatch()) << p.date_value->text().toStdString();
    EXPECT_TRUE(time.match(p.time_value->text()).hasMatch());
    EXPECT_FALSE(p.date_value->isEnabled());
    // Manual date: typed, and the click puts exactly that on the card.
    click(p.date_manual_chk);
    EXPECT_TRUE(p.date_value->isEnabled());
    p.date_value->setText("01-Jan-2020");
    click(p.date_value_chk);
    EXPECT_EQ(graphic(Fup_Date)->Text_Value, "01-Jan-2020");
    // The time click always puts the current time, manual or not.
    click(p.time_manual_chk);
    p.time_value->setText("99:99");
    click(p.time_value_chk);
    EXPECT_TRUE(time.match(graphic(Fup_Time)->Text_Value).hasMatch());
    // Clock shown: read-only but enabled.
    click(p.time_manual_chk);
    EXPECT_TRUE(p.time_value->isEnabled());
    EXPECT_TRUE(p.time_value->isReadOnly());
    // Typing with the time box unticked hides the graphic.
    p.time_value_chk->setChecked(false);
    p.time_value->setReadOnly(false);
    QTest::keyClicks(p.time_value, "1");
    EXPECT_FALSE(graphic(Fup_Time)->ctrl_is_visible);
    // Unticking with manual off hides, refills and disables.
    p.time_value_chk->setChecked(true);
    click(p.time_value_chk);
    EXPECT_FALSE(graphic(Fup_Time)->ctrl_is_visible);
    EXPECT_FALSE(p.time_value->isEnabled());
    EXPECT_TRUE(time.match(p.time_value->text()).hasMatch());
}

TEST_F(VisitorDeskTest, FindingTheImageGraphicThatTakesAPicture) {
    VisitorPanel& p = front();
    EXPECT_EQ(p.Find_And_Select_Design_Image_Control(), 0);
    window->new_control_add(QString(), Fup_Photo, nullptr);
    window->_graphicView->Clear_Control_Selection();
    window->Set_Selected_Graphic(nullptr);
    EXPECT_EQ(p.Find_And_Select_Design_Image_Control(), 1);
    EXPECT_EQ(window->Get_Selected_Graphic(), graphic(Fup_Photo));
    graphic(Fup_Photo)->ctrl_is_locked = true;
    window->_graphicView->Clear_Control_Selection();
    window->Set_Selected_Graphic(nullptr);
    sink.shown.clear();
    EXPECT_EQ(p.Find_And_Select_Design_Image_Control(), 2);
    EXPECT_EQ(sink.text(), "Image control is locked.");
    window->new_control_add(QString(), "F_Photo1", nullptr);
    window->new_control_add(QString(), "F_Photo2", nullptr);
    window->_graphicView->Clear_Control_Selection();
    window->Set_Selected_Graphic(nullptr);
    sink.shown.clear();
    EXPECT_EQ(p.Find_And_Select_Design_Image_Control(), 3);
    EXPECT_EQ(sink.text(), "Please select 'Image Control' to use image file.");
}

TEST_F(VisitorDeskTest, BrowsingPutsThePhotoOnTheCardAndInThePanel) {
    nextOpenPath = picture("visitor.png");
    front().Browse_image_Btn_Clicked();
    ASSERT_TRUE(graphic(Fup_Photo));
    EXPECT_EQ(graphic(Fup_Photo)->_file_path, nextOpenPath);
    EXPECT_EQ(front().image_path_val->text(), nextOpenPath);
    EXPECT_FALSE(front().user_picture->pixmap().isNull());
    // Reset clears the photo area, not the card.
    front().Reset_all_Ctrl();
    EXPECT_TRUE(front().image_path_val->text().isEmpty());
    EXPECT_TRUE(front().user_picture->pixmap().isNull());
    EXPECT_TRUE(graphic(Fup_Photo));
}

// A design picture without an ID takes the file when selected, even when
// another such picture lies above it.
TEST_F(VisitorDeskTest, ASelectedPictureWithoutIdTakesTheFileAndStaysSelected) {
    window->new_control_add(QString(), "F_Photo7", nullptr);
    window->new_control_add(QString(), "F_Photo8", nullptr);
    auto lower = graphic("F_Photo7");
    auto upper = graphic("F_Photo8");
    lower->control_ID.clear();
    upper->control_ID.clear();
    window->_graphicView->setSelectionIndexes({int(window->Get_Front_Controls_Array().indexOf(lower))});
    window->Set_Selected_Graphic(lower);
    nextOpenPath = picture("chosen.png");
    front().Browse_image_Btn_Clicked();
    EXPECT_EQ(lower->_file_path, nextOpenPath);
    EXPECT_NE(upper->_file_path, nextOpenPath);
    EXPECT_EQ(window->Get_Selected_Graphic(), lower);
}

TEST_F(VisitorDeskTest, AddedRowsTheirGeometryAndText) {
    VisitorPanel& p = front();
    const int labelBoxTop = p.custom_label_box->y();
    p.Add_New_Label_Clicked();
    p.Add_New_Label_Clicked();
    EXPECT_FLOAT_EQ(p.ctrl_y, 55.0f);
    EXPECT_EQ(p.counter, 3);
    EXPECT_EQ(p.custom_label_box->height(), 70);
    EXPECT_EQ(p.custom_label_box->y(), labelBoxTop);
    EXPECT_FALSE(p.custom_label_box->isHidden());
    for (const char* id : {"F_label1", "F_field1", "F_label2", "F_field2"}) {
        ASSERT_TRUE(graphic(id)) << id;
        EXPECT_EQ(graphic(id)->Text_Value, id);
    }
    EXPECT_EQ(graphic("F_field1")->bounds().x(),
              graphic("F_label1")->bounds().x() + graphic("F_label1")->bounds().width());
    EXPECT_EQ(window->Get_Front_Visitor_dyn_contrl_str(), "F_label1 : F_field1\r\nF_label2 : F_field2");
    EXPECT_EQ(p.height(), 475 + 70 + 50);
    EXPECT_EQ(p.Get_Dynamic_Label_Ctrl(Fup_Name, "T"), nullptr);

    // Typing into a row box reaches its graphic; unticking hides it.
    auto* value = qobject_cast<QLineEdit*>(p.Get_Dynamic_Label_Ctrl("F_field2", "T"));
    ASSERT_TRUE(value);
    value->clear();
    QTest::keyClicks(value, "Lobby");
    EXPECT_EQ(graphic("F_field2")->Text_Value, "Lobby");
    auto* check = qobject_cast<QCheckBox*>(p.Get_Dynamic_Label_Ctrl("F_field2", "C"));
    ASSERT_TRUE(check);
    check->click();
    EXPECT_FALSE(graphic("F_field2")->ctrl_is_visible);
    EXPECT_FALSE(value->isEnabled());
    EXPECT_EQ(window->Get_Front_Visitor_dyn_contrl_str(), "F_label1 : F_field1\r\nF_label2 :");

    // A picture row: its path alone, once it has a picture.
    p.Image_ctrl_type_rd_select();
    p.Add_New_Label_Clicked();
    ASSERT_TRUE(graphic("F_Photo3"));
    EXPECT_TRUE(p.Get_Dynamic_Photo_Ctrl("F_Photo3"));
    auto* path = qobject_cast<QLineEdit*>(p.Get_Dynamic_Label_Ctrl("F_Photo3", "T"));
    ASSERT_TRUE(path);
    EXPECT_EQ(path->text(), window->NO_Image_Path);
    EXPECT_EQ(p.Get_Dynamic_Label_Ctrl("F_Photo3", "C"), p.view_array_value.last().check);
    EXPECT_TRUE(path->isReadOnly());
    EXPECT_EQ(window->Get_Front_Visitor_dyn_contrl_str(), "F_label1 : F_field1\r\nF_label2 :");
    const QString file = picture("badge.png", Qt::blue);
    p.Set_User_Image(file, "F_Photo3");
    EXPECT_EQ(path->text(), file);
    EXPECT_EQ(window->Get_Front_Visitor_dyn_contrl_str(), "F_label1 : F_field1\r\nF_label2 :\r\n" + file);
}

TEST_F(VisitorDeskTest, ResetEmptiesThePanelAndNewRowsSkipNumbersOnTheCard) {
    VisitorPanel& p = front();
    p.Add_New_Label_Clicked();
    p.Add_New_Label_Clicked();
    p.Reset_all_Ctrl();
    EXPECT_TRUE(p.view_array_label.isEmpty());
    EXPECT_TRUE(p.custom_label_box->isHidden());
    EXPECT_EQ(p.custom_label_box->height(), 20);
    EXPECT_EQ(p.counter, 1);
    EXPECT_TRUE(graphic("F_label2"));  // the card keeps them
    // The card holds rows 1 and 2: the next row is 3, not 1.
    p.Add_New_Label_Clicked();
    EXPECT_TRUE(graphic("F_label3"));
    EXPECT_EQ(count("F_label1"), 1);
    EXPECT_EQ(p.view_array_label.first().id, "F_label3");
    // The back numbers its own side.
    window->Select_back_side();
    back().Add_New_Label_Clicked();
    EXPECT_TRUE(graphic("F_label1", 1));
}

TEST_F(VisitorDeskTest, RowsAreRebuiltFromTheCard) {
    for (const char* id : {"F_label1", "F_field1", "F_label3", "F_field3", "F_label5"})
        window->new_control_add(QStringLiteral("v-") + id, id, nullptr);
    window->Load_Dynamic_Control_Lists();
    ASSERT_EQ(window->dynamic_ctrl_list_front.size(), 5);
    window->Reset_All_Visitor_Grp_Mode_Ctrl();
    window->Create_Control_For_Visitor_Mode();
    VisitorPanel& p = front();
    EXPECT_EQ(p.view_array_label.size(), 3);
    EXPECT_EQ(p.view_array_value.size(), 2);
    // Every caption row moved the position on, with a value or without.
    EXPECT_FLOAT_EQ(p.ctrl_y, 80.0f);
    QList<int> ys;
    for (const VisitorPanel::RowEntry& e : p.view_array_label)
        ys << e.control->y();
    EXPECT_EQ(ys, (QList<int>{5, 30, 55}));
    EXPECT_EQ(qobject_cast<QLineEdit*>(p.Get_Dynamic_Label_Ctrl("F_field3", "T"))->text(), "v-F_field3");
    // Rows 1, 3 and 5 on the card: the next is 6.
    p.Add_New_Label_Clicked();
    EXPECT_TRUE(graphic("F_label6"));
    EXPECT_EQ(count("F_label3"), 1);
}

TEST_F(VisitorDeskTest, ThePanelFollowsUndoRedoAndLocks) {
    VisitorPanel::Slot& name = front().fixedSlots[slotOf(Fup_Name)];
    click(name.value_chk);
    name.value->clear();
    QTest::keyClicks(name.value, "Bo");
    click(name.value_chk);  // hidden
    ASSERT_FALSE(graphic(Fup_Name)->ctrl_is_visible);
    QAction* undo = window->actionNamed("Undo_Button");
    QAction* redo = window->actionNamed("Redo_Button");
    undo->setEnabled(true);
    undo->trigger();
    EXPECT_TRUE(graphic(Fup_Name)->ctrl_is_visible);
    EXPECT_TRUE(name.value_chk->isChecked());
    EXPECT_EQ(name.value->text(), "Bo");
    EXPECT_TRUE(name.value->isEnabled());
    redo->setEnabled(true);
    redo->trigger();
    EXPECT_FALSE(graphic(Fup_Name)->ctrl_is_visible);
    EXPECT_FALSE(name.value_chk->isChecked());
    EXPECT_FALSE(name.value->isEnabled());

    undo->trigger();
    window->_graphicView->Set_Selection_Index_According_ID(Fup_Name);
    QToolButton* lock = window->inspector()->Lock_btn;
    QToolButton* unlock = window->inspector()->Unlock_btn;
    lock->setEnabled(true);
    lock->click();
    ASSERT_TRUE(graphic(Fup_Name)->ctrl_is_locked);
    EXPECT_FALSE(name.value_chk->isEnabled());
    EXPECT_FALSE(name.value->isEnabled());
    window->_graphicView->Set_Selection_Index_According_ID(Fup_Name);
    unlock->setEnabled(true);
    unlock->click();
    EXPECT_TRUE(name.value_chk->isEnabled());
    EXPECT_TRUE(name.value->isEnabled());

    // An added row, its caption and its value, goes with one Undo.
    auto ids = [&] {
        QStringList out;
        for (const auto& g : window->Get_Front_Controls_Array())
            out << g->control_ID;
        return out;
    };
    const QStringList before = ids();
    front().Add_New_Label_Clicked();
    ASSERT_EQ(ids().size(), before.size() + 2);
    undo->setEnabled(true);
    undo->trigger();
    EXPECT_EQ(ids(), before);
}

// "Add to DB" stores what the panels hold; the no-picture placeholder is
// no photo, so empty panels are refused.
TEST_F(VisitorDeskTest, AddToDbStoresThePanelsValues) {
    window->document()->graphics.append(std::make_shared<SKTText>());
    front().image_path_val->setText(window->NO_Image_Path);
    sink.shown.clear();
    front().Add_to_DB_btn->click();
    EXPECT_EQ(sink.text(), "Please enter some details of visitor.");

    VisitorPanel::Slot& name = front().fixedSlots[slotOf(Fup_Name)];
    click(name.value_chk);
    name.value->setText(QStringLiteral("Zo\u00eb O'Neil"));
    VisitorPanel::Slot& company = back().fixedSlots[slotOf(Fup_Company)];
    click(company.value_chk);
    company.value->setText(QStringLiteral("Acme"));
    sink.shown.clear();
    front().Add_to_DB_btn->click();
    EXPECT_EQ(sink.text(), "Visitor Details has been saved successfully");
    const QList<QVariantMap> rows = sqliteRows(Database_Path, QStringLiteral("SELECT * FROM Visitor_Records"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].value("VName").toString(), QStringLiteral("Zo\u00eb O'Neil"));
    EXPECT_EQ(rows[0].value("CompanyName_B").toString(), QStringLiteral("Acme"));
    EXPECT_EQ(rows[0].value("Photo").toString(), QString());
}

}  // namespace
}  // namespace zelk::test

namespace zelk::test {
namespace {

TEST_F(VisitorDeskTest, AVisitorDesignFileComesBackWithItsRows) {
    VisitorPanel::Slot& name = front().fixedSlots[slotOf(Fup_Name)];
    click(name.value_chk);
    front().Add_New_Label_Clicked();
    front().Add_New_Label_Clicked();
    nextSavePath = data.filePath("desk.did");
    ASSERT_EQ(window->Save_project_file(true, false, StartMode::DesignFile), 1);
    window->Reset_All_Visitor_Grp_Mode_Ctrl();
    ::Start_Card_Option = StartMode::Template;
    window->Title_For_Gen_ID_Card();
    ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(nextSavePath, StartMode::DesignFile, true), 1);
    EXPECT_EQ(::Start_Card_Option, StartMode::Visitor);
    EXPECT_EQ(Title_slogan, "Purpose :");
    EXPECT_EQ(front().view_array_label.size(), 2);
    EXPECT_EQ(front().counter, 3);
    EXPECT_TRUE(name.value_chk->isChecked());
    EXPECT_EQ(name.value->text(), "Text here");
    EXPECT_FALSE(window->scrollView->isHidden());
}

TEST_F(VisitorDeskTest, LayoutStepsThatDoNothing) {
    // Outside "V" and "G" the panels are not filled from the card.
    ::Start_Card_Option = StartMode::Template;
    window->new_control_add("Zed", Fup_Name, nullptr);
    window->Show_Single_Mode_Front_Panel();
    EXPECT_FALSE(front().fixedSlots[slotOf(Fup_Name)].value_chk->isChecked());
    // Nothing moves while a design is being copied to the other side.
    ::Start_Card_Option = StartMode::Visitor;
    ::copy_card_design = true;
    window->Show_Hide_Profile_Panel_Live_Mode(false);
    EXPECT_FALSE(window->Visitor_mode_view->isHidden());
    ::copy_card_design = false;
}

TEST_F(VisitorDeskTest, RefreshEnablesOnlyTheFrontChecksAndPicturesStayOnTheirSide) {
    for (VisitorPanel* panel : {&front(), &back()})
        panel->fixedSlots[0].label_chk->setEnabled(false);
    front().Refresh_Controls();
    back().Refresh_Controls();
    EXPECT_TRUE(front().fixedSlots[0].label_chk->isEnabled());
    EXPECT_FALSE(back().fixedSlots[0].label_chk->isEnabled());
    // A picture whose ID lives only on the other side leaves the panel alone.
    window->new_control_add(QString(), "F_Photo4", nullptr);
    back().Set_User_Image_Control(picture("other.png"), QImage(), "F_Photo4");
    EXPECT_TRUE(back().image_path_val->text().isEmpty());
    front().Set_User_Image_Control(picture("mine.png"), QImage(), "F_Photo4");
    EXPECT_EQ(front().image_path_val->text(), data.filePath("mine.png"));
}

}  // namespace
}  // namespace zelk::test

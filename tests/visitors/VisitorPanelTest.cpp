// The visitor desk's panels over the main window: placement beside partners,
// the photo, user-added rows, reset, the panel following undo, redo and lock
// changes, and Add to DB.
#include "HolderFields.h"
#include "VisitorDeskTestSupport.h"
#include "VisitorTestSupport.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "foundation/Utilities.h"
#include "inspector/InspectorPanels.h"
#include "mainwindow/AppGlobals.h"
#include "visitors/VisitorPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

namespace zelk::test {
namespace {

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
    // The picture selected on the design before is none of this one's, also
    // while something (a preview) still holds it: the photo went to it.
    const std::shared_ptr<SKTGraphic> before = graphic("F_Photo1");
    window->Set_Selected_Graphic(before);
    window->New_Project();
    EXPECT_EQ(window->Get_Selected_Graphic(), nullptr);
    EXPECT_EQ(p.Find_And_Select_Design_Image_Control(), 0);
}

TEST_F(VisitorDeskTest, BrowsingPutsThePhotoOnTheCardAndInThePanel) {
    const QString photo = nextOpenPath = picture("visitor.png");
    front().Browse_image_Btn_Clicked();
    ASSERT_TRUE(graphic(Fup_Photo));
    EXPECT_EQ(graphic(Fup_Photo)->_file_path, photo);
    EXPECT_EQ(front().image_path_val->text(), photo);
    EXPECT_FALSE(front().user_picture->pixmap().isNull());
    // A file that holds no picture is refused where it is chosen: the card
    // and the panel keep the photo.
    for (const QString& path : filesThatHoldNoPicture(data.path())) {
        sink.shown.clear();
        nextOpenPath = path;
        front().Browse_image_Btn_Clicked();
        EXPECT_EQ(sink.text(), UnreadablePictureMessage.toStdString());
        EXPECT_EQ(graphic(Fup_Photo)->_file_path, photo);
        EXPECT_FALSE(graphic(Fup_Photo)->_contents.isNull());
        EXPECT_EQ(front().image_path_val->text(), photo);
        EXPECT_FALSE(front().user_picture->pixmap().isNull());
    }
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

    // An added row, its caption and its value, goes with one Undo, back to
    // the side as it stood, a change not yet recorded kept; what is typed
    // into it after is a step of its own.
    auto ids = [&] {
        QStringList out;
        for (const auto& g : window->Get_Front_Controls_Array())
            out << g->control_ID;
        return out;
    };
    graphic(Fup_Name)->setBounds(graphic(Fup_Name)->bounds().translated(7, 0));  // recorded with no step
    const QRectF moved = graphic(Fup_Name)->bounds();
    const QStringList before = ids();
    front().Add_New_Label_Clicked();
    ASSERT_EQ(ids().size(), before.size() + 2);
    auto* typed = qobject_cast<QLineEdit*>(front().Get_Dynamic_Label_Ctrl(front().view_array_value.last().id, "T"));
    ASSERT_TRUE(typed);
    QTest::keyClicks(typed, "Z");
    undo->setEnabled(true);
    undo->trigger();
    EXPECT_EQ(ids().size(), before.size() + 2);
    undo->trigger();
    EXPECT_EQ(ids(), before);
    EXPECT_EQ(graphic(Fup_Name)->bounds(), moved);
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

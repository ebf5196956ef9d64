// Stamping a profile onto the front, back and temp sides, and the
// invitation layout.
#include "../mainwindow/MainWindowTestSupport.h"
#include "HolderFields.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "foundation/Units.h"
#include "mainwindow/AppGlobals.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using zelk::test::MainWindowTest;

class ProfileStamp : public MainWindowTest {
protected:
    SKTWindowController& w() { return *window; }
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        ::Fill_User_Profile = true;
        photo = data.filePath("face.png");
        QImage face(40, 50, QImage::Format_RGB32);
        face.fill(Qt::red);
        ASSERT_TRUE(face.save(photo));
    }
    std::shared_ptr<SKTGraphic> front(const QString& id) const { return window->_graphicView->Selcect_Ctrl_With_ID(id); }
    std::shared_ptr<SKTGraphic> back(const QString& id) const {
        return window->_graphicView_BACK->Selcect_Ctrl_With_ID(id);
    }
    int undoDepth(SKTGraphicView* c) const { return c->undoStacks().undoCount(); }
    QString photo;
};

TEST_F(ProfileStamp, WithoutAConfirmedProfileOnlyTheDataSourceComboFollows) {
    ::Fill_User_Profile = false;
    w().Front_user_profile.setName("Ann");
    ASSERT_NE(w().Data_source_type, nullptr);
    ::Excel_Binding_Use = true;
    w().Fill_User_profile_info_front_side();
    EXPECT_EQ(w().Data_source_type->count(), 3);
    EXPECT_TRUE(w().Get_Front_Controls_Array().isEmpty());
    // "Excel" chosen, as a closed group project leaves it: the combo falls
    // back on its own, and no series was asked for.
    w().Data_source_type->setCurrentIndex(DataSourceType::ExcelColumn);
    ::Excel_Binding_Use = false;
    w().Fill_User_profile_info_back_side();
    EXPECT_EQ(w().Data_source_type->count(), 2);
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
    EXPECT_TRUE(w().Get_Back_Controls_Array().isEmpty());
}

// Each slot's caption stamped with its value on a blank card stands clear of
// the value, on a landscape and a portrait card, also a caption of two
// lines and one the card's top edge would cut.
TEST_F(ProfileStamp, EachCaptionClearsItsValue) {
    const QSizeF cr80(MM_to_Points_Convert(85.60), MM_to_Points_Convert(53.98));
    for (const QSizeF& card : {cr80, cr80.transposed()}) {
        w().Set_Document_Size(card);
        w().SetDocumentCanvasSize(card);
        w().Front_card_Prop.Card_Size = card;
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i) {
            const zelk::test::HolderSample& h = zelk::test::holderSamples().at(i);
            SCOPED_TRACE(QStringLiteral("%1 on %2 x %3").arg(h.captionId).arg(card.width()).arg(card.height()).toStdString());
            w()._graphicView->delete_all_control();
            User_Profile_Class& p = w().Front_user_profile;
            p.Reset_All_Values();
            p.slot(i).value = h.value;
            p.slot(i).label = h.caption;
            w().Fill_User_profile_info_front_side();
            ASSERT_TRUE(front(h.valueId) && front(h.captionId));
            EXPECT_FALSE(front(h.captionId)->drawingBounds().intersects(front(h.valueId)->drawingBounds()));
            EXPECT_TRUE(w()._graphicView->cardRect().contains(front(h.captionId)->bounds()));
        }
    }
}

// On a design of the user's own, with a band across the top and a picture
// on the left, the stamped fields land clear of both and of each other.
TEST_F(ProfileStamp, FieldsLandClearOfTheUsersDesign) {
    const QSizeF card = w().Front_card_Prop.Card_Size;
    GraphicList& side = w()._graphicView->mutableGraphics();
    auto band = std::make_shared<Shape_Control>(QStringLiteral("R"));
    band->setBounds(QRectF(0, 0, card.width(), 40));
    band->_isDrawingFill = true;  // a band: an outline alone leaves its inside free
    auto picture = std::make_shared<SKTImage>();
    picture->setBounds(QRectF(0, 40, 70, card.height() - 40));
    side << band << picture;
    User_Profile_Class& p = w().Front_user_profile;
    p.setName("Ann Lee");
    p.slot(zelk::SlotName).label = "Name :";
    p.setTitle("Engineer");
    p.setUnique("E-2291");
    p.setImage(photo);
    p.setImage_USE(1);
    w().Fill_User_profile_info_front_side();
    const GraphicList fields = side.mid(0, side.size() - 2);
    ASSERT_EQ(fields.size(), 5);
    for (const auto& f : fields) {
        SCOPED_TRACE(f->control_ID.toStdString());
        for (const auto& g : side) {
            if (g != f) {
                EXPECT_FALSE(f->drawingBounds().intersects(g->drawingBounds())) << g->control_ID.toStdString();
            }
        }
    }
}

// A design of the user's own on a CR80 card, landscape or portrait, with
// six long values and their captions stamped, or all ten and the photo: no
// two fields meet, none leaves the card or lies under the photo, a PDF of
// the side holds every value whole, and what was on the side before (a
// value the user placed too) keeps its place and size.
TEST_F(ProfileStamp, LongValuesOnTheUsersDesignLandWholeAndApart) {
    const QSizeF cr80(MM_to_Points_Convert(85.60), MM_to_Points_Convert(53.98));
    struct Text {
        QRectF r;
        QString text;
        bool asTyped = false;  // the box left as it was, not fitted to its lines
        QString id = {};
    };
    struct Case {
        const char* note;
        QSizeF card;
        QList<Text> design;
        bool everything = false;  // every field and the photo
        bool room = true;         // for all of them at half size
        QRectF barcode = {};      // one of the user's there
    };
    auto texts = [](const QSizeF& card) {
        const double w = std::min(150.0, card.width() - 16);
        return QList<Text>{{{8, 6, w, 16}, "ACME HEADQUARTERS"},
                           {{(card.width() - w) / 2, card.height() - 30, w, 16}, "Authorised Visitor Only"}};
    };
    // A heading, a line near the foot, a short word by the right edge and
    // two empty boxes of extra clicks on the text tool.
    auto ownTexts = [](const QSizeF& card) {
        return QList<Text>{{{6, 4, 120, 20}, "NORTHWIND", true},
                           {{(card.width() - 70) / 2, card.height() - 40, 70, 20}, "Staff and contractors", true},
                           {{card.width() - 72, card.height() / 2, 70, 20}, "VIP", true},
                           {{30, 30, 70, 20}, "", true},
                           {{50, 50, 70, 20}, "", true}};
    };
    const QString name = zelk::test::longHolderSamples().at(zelk::SlotName).value;
    const Case cases[] = {
        {"landscape, two texts of the user's", cr80, texts(cr80)},
        {"portrait, two texts of the user's", cr80.transposed(), texts(cr80.transposed())},
        {"landscape, a blank card", cr80, {}},
        // As the text tool leaves them: boxes of 70 x 20 at the next free
        // points, lines running past them, the ones left empty.
        {"landscape, the text tool's boxes", cr80,
         {{{20, 20, 70, 20}, "ACME HEADQUARTERS", true},
          {{40, 40, 70, 20}, "", true},
          {{60, 60, 70, 20}, "", true},
          {{100, 100, 70, 20}, "Authorised Visitor Only", true}}},
        {"landscape, every field and the photo", cr80, ownTexts(cr80), true},
        {"portrait, every field and the photo", cr80.transposed(), ownTexts(cr80.transposed()), true},
        // No room above it or before it: its caption goes elsewhere.
        {"landscape, the name placed by the user in the corner", cr80, {{{2, 2, 230, 0}, name, false, Fup_Name}}},
        // Some meet others, none lies under the photo or the barcode.
        {"a badge too small for them all", {150, 95}, {}, true, false, {96, 50, 50, 40}},
    };
    const QList<int> six = {zelk::SlotName, zelk::SlotTitle, zelk::SlotCompany, zelk::SlotSlogan, zelk::SlotPhone,
                            zelk::SlotEmail};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        w().Set_Document_Size(c.card);
        w().SetDocumentCanvasSize(c.card);
        w().Front_card_Prop.Card_Size = c.card;
        w()._graphicView->delete_all_control();
        GraphicList& side = w()._graphicView->mutableGraphics();
        for (const Text& t : c.design) {
            auto g = std::make_shared<SKTText>();
            g->setBounds(t.r);
            g->Set_text_value(t.text);
            g->control_ID = t.id;
            if (!t.asTyped)
                g->setHeight(zelk::fittedTextHeight(*g));
            side << g;
        }
        if (!c.barcode.isNull()) {
            auto code = zelk::makeGraphic(zelk::GraphicKind::Barcode);
            code->setBounds(c.barcode);
            side << code;
        }
        const GraphicList before = side;
        QList<QRectF> places;
        for (const auto& g : before)
            places << g->bounds();
        User_Profile_Class& p = w().Front_user_profile;
        p.Reset_All_Values();
        p.clearCaptions();
        QList<zelk::test::HolderSample> stamped;
        for (int i = 0; i < zelk::ProfileTextSlotCount; ++i)
            if (c.everything || six.contains(i)) {
                // Ten values as long as a desk meets them, or six longer ones.
                const zelk::test::HolderSample& h =
                    (c.everything ? zelk::test::holderSamples() : zelk::test::longHolderSamples()).at(i);
                p.slot(i).value = h.value;
                p.slot(i).label = h.caption;
                stamped << h;
            }
        if (c.everything) {
            p.setImage(photo);
            p.setImage_USE(1);
        }
        w().Fill_User_profile_info_front_side();
        const qsizetype made = 2 * stamped.size() + (c.everything ? 1 : 0) - (c.design.value(0).id.isEmpty() ? 0 : 1);
        ASSERT_EQ(side.size(), before.size() + made);
        if (!c.room) {
            const auto photoShown = w()._graphicView->Selcect_Ctrl_With_ID(Fup_Photo);
            ASSERT_TRUE(photoShown);
            for (const auto& g : side) {
                EXPECT_TRUE(g == photoShown || !g->drawingBounds().intersects(photoShown->drawingBounds()))
                    << g->Text_Value.toStdString();
                EXPECT_TRUE(c.barcode.isNull() || zelk::isExactlyBarcode(g.get()) ||
                            !g->drawingBounds().intersects(c.barcode))
                    << g->Text_Value.toStdString();
            }
            continue;
        }
        EXPECT_EQ(zelk::test::overlapsOn(side, c.card).join(" | ").toStdString(), "");
        for (qsizetype i = 0; i < before.size(); ++i) {
            EXPECT_EQ(before.at(i)->bounds(), places.at(i)) << before.at(i)->Text_Value.toStdString();
        }
        const QRectF card(QPointF(0, 0), c.card);
        const QString pdf = data.filePath(QStringLiteral("profile.pdf"));
        const auto snapshot =
            zelk::SideSnapshot::take(&side, &w().Front_card_Prop, &w().Back_card_Prop, ::Card_Shape, 0, card);
        zelk::test::writeBytes(pdf, SKTRenderingView(card, snapshot, QStringLiteral("t")).dataWithPDFInsideRect(card));
        EXPECT_EQ(zelk::test::valuesNotWholeInPdf(pdf, side, stamped).join(" | ").toStdString(), "");
    }
}

TEST_F(ProfileStamp, ValuesCaptionsPhotoAndBindings) {
    User_Profile_Class& p = w().Front_user_profile;
    p.setName("Ann Émile");
    p.slot(zelk::SlotName).label = "Name :";
    p.setTitle("Boss");  // a value without a caption
    p.slot(zelk::SlotCompany).label = "Company Name :";  // a caption without a value
    p.setPhone("555");
    p.setPhone_ds(1);
    p.setPhone_ds_name("phones");
    p.setPhone_ds_indx(2);
    p.setPhone_xl(1);  // both flags: the series wins
    p.setPhone_xl_col_indx(4);
    p.setUnique("0007");
    p.setUnique_xl(1);
    p.setUnique_xl_col_indx(3);
    p.setImage(photo);
    p.setImage_USE(1);
    QStringList asked;
    w().controlRectFromTemplate = [&](const QString& id, const QString& v) {
        asked << id;
        return w().Get_Control_Rect_From_Template(id, v);
    };
    const int depth = undoDepth(w()._graphicView);
    w().Fill_User_profile_info_front_side();

    EXPECT_EQ(undoDepth(w()._graphicView), depth + 1);  // one step for the whole stamping
    // The photo first, then each caption straight after its value.
    EXPECT_EQ(asked, (QStringList{Fup_Photo, Fup_Name, Fup_lbl_Name, Fup_Title, Fup_lbl_Company, Fup_PhoneNO,
                                  Fup_UniqueNo}));
    ASSERT_TRUE(front(Fup_Name));
    EXPECT_EQ(front(Fup_Name)->Text_Value, "Ann Émile");
    EXPECT_EQ(front(Fup_Name)->bounds().topLeft(), QPointF(80, 20));  // the layout's place
    EXPECT_EQ(front(Fup_lbl_Name)->Text_Value, "Name :");
    EXPECT_EQ(front(Fup_lbl_Company)->Text_Value, "Company Name :");
    EXPECT_FALSE(front(Fup_Company));
    EXPECT_FALSE(front(Fup_lbl_Title));

    struct Bound {
        const char* id;
        int type;
        QString series;
        int seriesIndex, column;
        bool excel;
    };
    const Bound bound[] = {
        {"Fup_Name", DataSourceType::Manual, "", -1, -1, false},
        {"Fup_PhoneNO", DataSourceType::Series, "phones", 2, -1, false},
        {"Fup_UniqueNo", DataSourceType::ExcelColumn, "", -1, 3, true},
        {"Fup_Photo", DataSourceType::Manual, "", -1, -1, false},
    };
    for (const Bound& b : bound) {
        SCOPED_TRACE(b.id);
        const auto g = front(b.id);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->data_source_type, b.type);
        EXPECT_EQ(g->batch_list_name, b.series);
        EXPECT_EQ(g->batch_list_index, b.seriesIndex);
        EXPECT_EQ(g->excel_col_indx, b.column);
        EXPECT_EQ(g->excel_binding, b.excel);
    }
    EXPECT_EQ(front(Fup_Photo)->_file_path, photo);
    EXPECT_EQ(front(Fup_Photo)->bounds(), QRectF(12, 22, 60, 72));
    EXPECT_EQ(w().Library_Selected_Image(), photo);

    // Stamped again, a value the user moved is found and stays where the
    // user put it; what the stamping placed is laid out anew, as the same
    // graphics; an emptied value is hidden, never deleted.
    front(Fup_Name)->setBounds(QRectF(5, 6, 70, 20));
    front(Fup_Name)->setPlacedByUser();
    const qsizetype count = w().Get_Front_Controls_Array().size();
    p.setTitle("");
    asked.clear();
    w().Fill_User_profile_info_front_side();
    EXPECT_FALSE(asked.contains(Fup_Name));
    EXPECT_TRUE(asked.contains(Fup_lbl_Name));
    EXPECT_EQ(w().Get_Front_Controls_Array().size(), count);
    EXPECT_EQ(front(Fup_Name)->bounds().topLeft(), QPointF(5, 6));
    EXPECT_FALSE(front(Fup_Title)->ctrl_is_visible);
    EXPECT_TRUE(front(Fup_Name)->ctrl_is_visible);
    for (const QString& never : {Fup_lbl_Photo, Fup_Date, Fup_Time, Fup_lbl_Date, Fup_lbl_Time})
        EXPECT_FALSE(front(never)) << never.toStdString();
}

// Captions set for one design (the side dialog's "Emp ID :"), then File >
// New without saving: the next design's card carries none of them.
TEST_F(ProfileStamp, ANewDesignStampsNoCaptionOfTheDesignBefore) {
    User_Profile_Class& p = w().Front_user_profile;
    p.setName("Ann");
    p.slot(zelk::SlotName).label = "Name :";
    p.setUnique("0042");
    p.slot(zelk::SlotUnique).label = "Emp ID :";
    w().Fill_User_profile_info_front_side();
    ASSERT_TRUE(front("Fup_lbl_UniqueNo"));
    sink.answers = {zelk::MessageAnswer::No};
    w().New_Button_Clicked();
    ::Fill_User_Profile = true;  // the new-card dialog's OK
    p.setName("Bob");
    w().Fill_User_profile_info_front_side();
    ASSERT_TRUE(front("Fup_Name"));
    EXPECT_EQ(front("Fup_Name")->Text_Value, "Bob");
    for (const auto& g : w().Get_Front_Controls_Array()) {
        EXPECT_FALSE(g->control_ID.startsWith("Fup_lbl_") && g->ctrl_is_visible) << g->Text_Value.toStdString();
    }
}

TEST_F(ProfileStamp, AnEmptyProfileHidesTheFrontPhotoButNotTheBack) {
    for (SKTGraphicView* c : {w()._graphicView, w()._graphicView_BACK}) {
        c->createGraphicOfClass(zelk::GraphicKind::Text, true, {1, 1, 70, 20}, "F", "old", Fup_Name);
        c->createGraphicOfClass(zelk::GraphicKind::Text, true, {1, 30, 70, 20}, "F", "Date", Fup_lbl_Date);
        w().toolPalette()->setToolQuietly(zelk::ImageTool);
        c->createGraphicOfClass(zelk::GraphicKind::Image, true, {1, 60, 40, 40}, "F", photo, Fup_Photo);
    }
    // Each side's stamping is one step of its own side, the side shown
    // (the front here) or not.
    const int depth = undoDepth(w()._graphicView), backDepth = undoDepth(w()._graphicView_BACK);
    w().Fill_User_profile_Details();
    EXPECT_EQ(undoDepth(w()._graphicView), depth + 1);
    EXPECT_EQ(undoDepth(w()._graphicView_BACK), backDepth + 1);
    EXPECT_FALSE(front(Fup_Name)->ctrl_is_visible);
    EXPECT_FALSE(front(Fup_lbl_Date)->ctrl_is_visible);
    EXPECT_FALSE(front(Fup_Photo)->ctrl_is_visible);
    EXPECT_FALSE(back(Fup_Name)->ctrl_is_visible);  // the back is stamped also on a one-sided card
    EXPECT_TRUE(back(Fup_Photo)->ctrl_is_visible);
}

// A back photo that still shows the no-picture placeholder goes with a
// profile without a photo, so no card prints a grey silhouette; a picture
// of its own stays (above).
TEST_F(ProfileStamp, ABackPlaceholderPhotoGoesWithoutAPhoto) {
    w().toolPalette()->setToolQuietly(zelk::ImageTool);
    w()._graphicView_BACK->createGraphicOfClass(zelk::GraphicKind::Image, true, {1, 60, 40, 40}, "F",
                                                w().NO_Image_Path, Fup_Photo);
    ASSERT_TRUE(back(Fup_Photo)->ctrl_is_visible);
    w().Fill_User_profile_info_back_side();
    EXPECT_FALSE(back(Fup_Photo)->ctrl_is_visible);
}

TEST_F(ProfileStamp, ThePhotoOfAMissingFileIsPlacedOnlyWhenBound) {
    User_Profile_Class& p = w().Front_user_profile;
    p.setImage(data.filePath("missing.png"));
    p.setImage_USE(1);
    w().Fill_User_profile_info_front_side();
    EXPECT_FALSE(front(Fup_Photo));

    p.setImage_xl(1);
    p.setImage_xl_col_indx(2);
    w().Fill_User_profile_info_front_side();
    ASSERT_TRUE(front(Fup_Photo));
    EXPECT_EQ(front(Fup_Photo)->data_source_type, DataSourceType::ExcelColumn);
    EXPECT_EQ(front(Fup_Photo)->excel_col_indx, 2);
    EXPECT_TRUE(front(Fup_Photo)->_file_path.endsWith("no.png"));  // the no-picture file

    // The first of two controls with the ID (the topmost) takes the value.
    w().toolPalette()->setToolQuietly(zelk::TextTool);
    w()._graphicView->createGraphicOfClass(zelk::GraphicKind::Text, true, {1, 1, 70, 20}, "F", "first", Fup_Name);
    w()._graphicView->createGraphicOfClass(zelk::GraphicKind::Text, true, {1, 90, 70, 20}, "F", "top", Fup_Name);
    p.setName("Bea");
    w().Fill_User_profile_info_front_side();
    QStringList names;
    for (const auto& g : w().Get_Front_Controls_Array())
        if (g->control_ID == Fup_Name)
            names << g->Text_Value;
    EXPECT_EQ(names, (QStringList{"Bea", "first"}));
}

TEST_F(ProfileStamp, TheTempSideAlwaysStampsAndRecordsNoStepOfTheSide) {
    ::Fill_User_Profile = false;
    User_Profile_Class& t = w().TEMP_user_profile;
    t.setName("Temp");
    t.setImage(data.filePath("missing.png"));  // passed on regardless
    const int depth = undoDepth(w()._graphicView);
    w().Fill_User_profile_info_TEMP_side("F");
    const auto name = w()._graphicView_TEMP->Selcect_Ctrl_With_ID(Fup_Name);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->Text_Value, "Temp");
    ASSERT_TRUE(w()._graphicView_TEMP->Selcect_Ctrl_With_ID(Fup_Photo));
    EXPECT_EQ(undoDepth(w()._graphicView), depth);
    EXPECT_TRUE(w().Get_Front_Controls_Array().isEmpty());
}

// The invitation layout by hand from its rule: width W = w - 80, texts at
// x 40 (title, sender), 50 (message) or 30, y from 40 down.
TEST_F(ProfileStamp, InvitationLayout) {
    w().Front_card_Prop.Card_Size = QSizeF(243, 400);
    // Nothing given: nothing made, the tool is the text tool.
    w().Fill_Party_Invidation_Details();
    EXPECT_TRUE(w().Get_Front_Controls_Array().isEmpty());
    EXPECT_EQ(w().toolPalette()->Selected_Control_Tool(), zelk::TextTool);

    ::Invite_To = "Ann";
    ::Invite_Time = "8 pm";
    ::Invite_Venue = "Hall";
    ::Invite_From = "Bob";
    ::Invite_Frame_Pic_IMG = photo;
    w().Fill_Party_Invidation_Details();
    const GraphicList& f = w().Get_Front_Controls_Array();
    auto byId = [&](const QString& id) -> std::shared_ptr<SKTGraphic> {
        for (const auto& g : f)
            if (g->control_ID == id)
                return g;
        return nullptr;
    };
    struct Expect {
        const char* id;
        const char* text;
        QPointF origin;
    };
    const Expect texts[] = {
        {"PARTY_TO", "Dear Ann,", {30, 40}},          // no title: the greeting starts at y 40
        {"PARTY_TIME", "AT 8 pm", {30, 70}},          // 40 + 30
        {"PARTY_VENUE", "Venue:\nHall", {30, 130}},   // a time alone adds 60
        {"PARTY_FROM", "From:\nBob", {40, 200}},      // venue adds 70
    };
    for (const Expect& e : texts) {
        SCOPED_TRACE(e.id);
        const auto g = byId(e.id);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->Text_Value, e.text);
        EXPECT_EQ(g->bounds().topLeft(), e.origin);
    }
    EXPECT_EQ(byId("PARTY_FROM")->text_alignmnet, 1);
    const auto picture = byId("PARTY_IMAGE");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->bounds(), QRectF(40, 75, 163, 250));  // x0 40, (400 - 250) / 2, W 163
    EXPECT_EQ(w().Library_Selected_Image(), photo);
    EXPECT_FALSE(byId("PARTY_IMAGE_BG"));
    EXPECT_EQ(w().toolPalette()->Selected_Control_Tool(), zelk::ArrowTool);

    // A date with a time is one text; the title comes first at x 40.
    w().New_Project();
    w().Front_card_Prop.Card_Size = QSizeF(243, 153);
    ::Invite_Title = "Party";
    ::Invite_Date = "1 May";
    ::Invite_To.clear();
    ::Invite_Venue.clear();
    ::Invite_From.clear();
    ::Invite_Frame_Pic_IMG.clear();
    ::Invite_Frame_IMG = photo;
    w().Fill_Party_Invidation_Details();
    ASSERT_TRUE(byId("PARTY_TITLE"));
    EXPECT_EQ(byId("PARTY_TITLE")->bounds().topLeft(), QPointF(40, 40));
    ASSERT_TRUE(byId("PARTY_DATE"));
    EXPECT_EQ(byId("PARTY_DATE")->Text_Value, "1 May at 8 pm");
    EXPECT_EQ(byId("PARTY_DATE")->bounds().topLeft(), QPointF(30, 90));
    EXPECT_FALSE(byId("PARTY_TIME"));
    ASSERT_TRUE(byId("PARTY_IMAGE_BG"));
    EXPECT_EQ(byId("PARTY_IMAGE_BG")->bounds(), QRectF(QPointF(0, 0), QSizeF(243, 153)));
    EXPECT_EQ(f.first()->control_ID, "PARTY_IMAGE_BG");  // the background ends on top
    for (QString* v : {&::Invite_Title, &::Invite_Date, &::Invite_Time, &::Invite_Frame_IMG})
        v->clear();
}

}  // namespace

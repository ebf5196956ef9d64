// The profile object, the profile table and the layout rectangles.
#include "../mainwindow/MainWindowTestSupport.h"

#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTText.h"
#include "foundation/User_Profile_Class.h"
#include "foundation/Units.h"
#include "mainwindow/AppGlobals.h"
#include "profiles/ProfileLayoutTemplate.h"

#include <gtest/gtest.h>

namespace {

using zelk::test::MainWindowTest;

void expectFresh(const User_Profile_Class& p, const char* which) {
    SCOPED_TRACE(which);
    for (int i = 0; i < zelk::ProfileSlotCount; ++i) {
        const User_Profile_Class::Slot& s = p.slot(i);
        EXPECT_EQ(s.id, zelk::ProfileValueIds.at(i)) << i;
        EXPECT_EQ(s.label_id, zelk::ProfileCaptionIds.at(i)) << i;
        EXPECT_TRUE(s.value.isEmpty() && s.ds_name.isEmpty()) << i;
        EXPECT_EQ(s.ds, 0);
        EXPECT_EQ(s.xl, 0);
        EXPECT_EQ(s.ds_indx, 0);
        EXPECT_EQ(s.xl_col_indx, 0);
    }
    EXPECT_EQ(p.Fill_User_Profile_Enable(), 0);
    EXPECT_EQ(p.Excel_Binding(), 0);
    EXPECT_EQ(p.image_USE(), 0);
}

TEST(ProfileModel, ResetKeepsCaptionsAndRestoresEverythingElse) {
    User_Profile_Class p;
    // Before the first reset every string is empty, IDs included.
    EXPECT_TRUE(p.Name_id().isEmpty());
    p.Reset_All_Values();
    expectFresh(p, "after reset");
    EXPECT_EQ(p.image_label_id(), "Fup_lbl_Photo");  // no photo caption is ever made, the ID is kept

    for (int i = 0; i < zelk::ProfileSlotCount; ++i) {
        User_Profile_Class::Slot& s = p.slot(i);
        s.value = "v";
        s.label = QStringLiteral("caption %1").arg(i);
        s.ds = 1;
        s.ds_name = "series";
        s.ds_indx = 3;
        s.xl = 1;
        s.xl_col_indx = 4;
        s.id = "other";
    }
    p.setFill_User_Profile_Enable(1);
    p.setExcel_Binding(1);
    p.setImage_USE(1);
    p.Reset_All_Values();
    expectFresh(p, "after second reset");
    for (int i = 0; i < zelk::ProfileSlotCount; ++i)
        EXPECT_EQ(p.slot(i).label, QStringLiteral("caption %1").arg(i));
}

TEST(ProfileModel, AccessorsReachTheSlotFields) {
    User_Profile_Class p;
    p.setSlogan_ds(1);
    p.setImage_xl_col_indx(7);
    p.setCompany_name("Acme");
    p.setUnique_ds_name("ids");
    EXPECT_EQ(p.slot(zelk::SlotSlogan).ds, 1);
    EXPECT_EQ(p.slot(zelk::SlotPhoto).xl_col_indx, 7);
    EXPECT_EQ(p.slot(zelk::SlotCompany).value, "Acme");
    EXPECT_EQ(p.unique_ds_name(), "ids");
    // A series flag leaves the Excel column where it was: only the flags count.
    EXPECT_EQ(p.slogan_xl_col_indx(), 0);
}

TEST(ProfileFieldTable, RowsCaptionsAndLookups) {
    const QList<zelk::ProfileField>& t = zelk::profileFieldTable();
    ASSERT_EQ(t.size(), zelk::ProfileTableSize);
    // (row, value ID, caption ID, ID-card caption, field stem, group column, db columns)
    struct Row {
        int i;
        const char *value, *caption, *text, *stem, *placeholder;
        int group;
        const char *db, *dbCaption;
    };
    const Row rows[] = {
        {0, "Fup_Name", "Fup_lbl_Name", "Name :", "name", "name_default", 0, "VName", "VName_lb"},
        {2, "Fup_Company", "Fup_lbl_Company", "Company Name :", "comp_name", "comp_name_default", 2,
         "CompanyName", "CompanyName_lb"},
        {6, "Fup_FaxNo", "Fup_lbl_FaxNo", "Fax No. :", "fax", "fax_default", 6, "Fax", "Fax_lb"},
        {9, "Fup_UniqueNo", "Fup_lbl_UniqueNo", "Unique No. :", "unique", "unique_default", 9, "UniqueNo",
         "UniqueNo_lb"},
        {10, "Fup_Photo", "Fup_lbl_Photo", "Photo :", "image", "photo_default", 10, "Photo", ""},
        {11, "Fup_Date", "Fup_lbl_Date", "Date :", "date", "", -1, "EntryDate", "EntryDate_lb"},
        {12, "Fup_Time", "Fup_lbl_Time", "Time :", "time", "", -1, "EntryTime", "EntryTime_lb"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.i);
        const zelk::ProfileField& f = t.at(r.i);
        EXPECT_EQ(f.valueId, r.value);
        EXPECT_EQ(f.captionId, r.caption);
        EXPECT_EQ(f.idCardCaption, r.text);
        EXPECT_EQ(f.fieldStem, r.stem);
        EXPECT_EQ(f.placeholder, r.placeholder);
        EXPECT_EQ(f.groupColumn, r.group);
        EXPECT_EQ(f.dbValueColumn, r.db);
        EXPECT_EQ(f.dbCaptionColumn, r.dbCaption);
        EXPECT_EQ(zelk::profileFieldForId(r.value), &f);
        EXPECT_EQ(zelk::profileFieldForId(r.caption), &f);
    }
    EXPECT_EQ(zelk::profileFieldForId("F_field1"), nullptr);
    EXPECT_EQ(zelk::profileFieldForId(""), nullptr);

    // The caption globals hold the ID-card set; installing it puts it back.
    Title_fax = "Visitor Type :";
    zelk::installIdCardCaptions();
    EXPECT_EQ(Title_fax, "Fax No. :");
    EXPECT_EQ(Title_Title, "Position / Title :");
    EXPECT_EQ(Title_Time, "Time :");
}

using ProfileMainWindow = MainWindowTest;

TEST_F(ProfileMainWindow, ThreeProfilesAndTheFullReset) {
    Title_Name = "Visitor name";
    SKTWindowController& w = open();
    EXPECT_EQ(Title_Name, "Name :");  // a new window starts with the ID-card captions
    expectFresh(w.Front_user_profile, "front");
    expectFresh(w.Back_user_profile, "back");
    expectFresh(w.TEMP_user_profile, "temp");

    for (User_Profile_Class* p : {&w.Front_user_profile, &w.Back_user_profile, &w.TEMP_user_profile}) {
        p->setName("Ann");
        p->slot(zelk::SlotName).label = "Name :";
    }
    ::Fill_User_Profile = true;
    w.New_Project_Setting_Reset(false);
    EXPECT_TRUE(::Fill_User_Profile);
    EXPECT_EQ(w.Front_user_profile.Name(), "Ann");  // only the full reset forgets the profiles

    w.New_Project_Setting_Reset(true);
    EXPECT_FALSE(::Fill_User_Profile);
    EXPECT_EQ(w.Front_user_profile.Name(), "");
    EXPECT_EQ(w.Back_user_profile.Name(), "");
    // The captions go too: a new design starts as the first one did.
    EXPECT_EQ(w.Front_user_profile.slot(zelk::SlotName).label, "");
    EXPECT_EQ(w.Back_user_profile.slot(zelk::SlotName).label, "");
    EXPECT_EQ(w.TEMP_user_profile.Name(), "Ann");  // the preview's stays
}

// The layout rule by hand: value (x, H - y - 20); a caption above its
// value as high as its own lines in a new text (one line, or two where it
// wraps), or before the value where above would leave the card.
TEST_F(ProfileMainWindow, RectanglesFromTheLayoutTemplate) {
    SKTWindowController& w = open();
    const QSizeF cr80(MM_to_Points_Convert(85.60), MM_to_Points_Convert(53.98));
    struct Case {
        const char* note;
        QSizeF front;
        const char* id;
        const char* value;
        QRectF expected;
    };
    auto height = [](const char* caption) {
        SKTText t;
        t.setBounds(QRectF(0, 0, 70, 20));
        t.Set_text_value(QString::fromLatin1(caption));
        return zelk::fittedTextHeight(t);
    };
    const double one = height("Name :"), two = height("Position / Title :");
    ASSERT_GT(two, one);
    const Case cases[] = {
        {"landscape name: (80, 180 - 140 - 20)", cr80, "Fup_Name", "x", {80, 20, 70, 20}},
        {"landscape name caption: its line above the name", cr80, "Fup_lbl_Name", "Name :", {80, 20 - one, 70, one}},
        {"two lines would leave the card: before the name", cr80, "Fup_lbl_Name", "Position / Title :",
         {10, 20, 70, two}},
        {"landscape title caption of two lines above the title", cr80, "Fup_lbl_Title", "Position / Title :",
         {80, 53 - two, 70, two}},
        {"landscape unique, under the photo", cr80, "Fup_UniqueNo", "x", {8, 129, 70, 20}},
        {"landscape photo keeps its size", cr80, "Fup_Photo", "x", {12, 22, 60, 72}},
        {"no photo caption place", cr80, "Fup_lbl_Photo", "x", {0, 160, 0, 0}},
        {"visitor date has no place", cr80, "Fup_Date", "x", {0, 160, 0, 0}},
        {"user field", cr80, "F_field1", "x", {0, 160, 0, 0}},
        {"empty ID", cr80, "", "x", {0, 160, 0, 0}},
        {"case matters", cr80, "fup_name", "x", {0, 160, 0, 0}},
        {"square card is landscape", {200, 200}, "Fup_Title", "x", {80, 53, 70, 20}},
        {"portrait name: (8, 270 - 150 - 20)", cr80.transposed(), "Fup_Name", "x", {8, 100, 70, 20}},
        {"portrait phone caption", cr80.transposed(), "Fup_lbl_PhoneNO", "Name :", {80, 133 - one, 70, one}},
        {"portrait photo", cr80.transposed(), "Fup_Photo", "x", {46, 12, 60, 76}},
        {"portrait unknown", cr80.transposed(), "Fup_Time", "x", {0, 250, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        w.Front_card_Prop.Card_Size = c.front;
        EXPECT_EQ(w.Get_Control_Rect_From_Template(c.id, c.value), c.expected);
        // Only a caption's own text moves it.
        if (!QString::fromLatin1(c.id).contains(QLatin1String("lbl"))) {
            EXPECT_EQ(w.Get_Control_Rect_From_Template(c.id, QString(300, QLatin1Char('x'))), c.expected);
        }
        // The hub's placement hook is this operation.
        ASSERT_TRUE(w.controlRectFromTemplate);
        EXPECT_EQ(w.controlRectFromTemplate(c.id, c.value), c.expected);
    }
    // The back's own size plays no part.
    w.Front_card_Prop.Card_Size = cr80;
    w.Back_card_Prop.Card_Size = cr80.transposed();
    EXPECT_EQ(w.Get_Control_Rect_From_Template("Fup_Name", ""), QRectF(80, 20, 70, 20));

    // Every place lies inside a CR80 card in both orientations: texts start
    // 70 x 20, the photo takes its rectangle.
    for (const QSizeF card : {cr80, cr80.transposed()}) {
        w.Front_card_Prop.Card_Size = card;
        for (int i = 0; i < zelk::ProfileSlotCount; ++i) {
            for (const QString& id : {zelk::ProfileValueIds.at(i), zelk::ProfileCaptionIds.at(i)}) {
                if (id == Fup_lbl_Photo)
                    continue;
                QRectF r = w.Get_Control_Rect_From_Template(id, "");
                if (id != Fup_Photo)
                    r.setSize({70, 20});
                EXPECT_TRUE(QRectF(QPointF(0, 0), card).contains(r)) << id.toStdString() << " " << card.width();
            }
        }
    }
}

}  // namespace

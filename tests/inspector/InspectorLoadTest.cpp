// Showing a graphic or the card in the inspector: the tabs, the loaded
// controls, the standard buttons and the position and size fields.
#include "InspectorTestSupport.h"

#include "../foundation/GraphicTestSupport.h"
#include "canvas/GraphicClipboard.h"
#include "inspector/AlignPanel.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/DoubleSlider.h"
#include "inspector/ImagePanel.h"
#include "inspector/LinePanel.h"
#include "inspector/PanelKit.h"
#include "inspector/ShapePanel.h"
#include "inspector/SignaturePanel.h"
#include "inspector/TextPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

namespace zelk::test {
namespace {

using K = GraphicKind;

// The tab table of the inspector: labels as this window names the pages
// (Source, Image, ..., Align last); a locked graphic has only its lock tab.
TEST_F(InspectorTest, TabsAndTitleForEveryKindLockModeAndImageCount) {
    struct Row {
        K kind;
        const char* title;
        QStringList normal;     // "W" mode, one image selected
        QStringList visitor;    // "V" and "G"
        QStringList twoImages;  // "W" with a second image selected
    };
    const QStringList textTabs{"Text", "Style", "Source", "Align"};
    const Row rows[] = {
        {K::Text, "Text Properties", textTabs, {"Text", "Style", "Align"}, textTabs},
        {K::Image, "Image Properties", {"Source", "Image", "Align"}, {"Image", "Align"}, {"Image", "Align"}},
        {K::Line, "Line Properties", {"Line", "Align"}, {"Line", "Align"}, {"Line", "Align"}},
        {K::Signature, "Signature Properties", {"Signature", "Align"}, {"Signature", "Align"}, {"Signature", "Align"}},
        {K::Barcode, "Barcode Properties", {"Barcode", "Align"}, {"Barcode", "Align"}, {"Barcode", "Align"}},
        {K::Shape, "Shape Properties", {"General", "Align"}, {"General", "Align"}, {"General", "Align"}},
    };
    for (const Row& r : rows)
        for (const char* mode : {"W", "V", "G"})
            for (int images : {1, 2})
                for (bool locked : {false, true}) {
                    SCOPED_TRACE(::testing::Message() << r.title << " " << mode << " images " << images
                                                      << (locked ? " locked" : ""));
                    ::Start_Card_Option = QString::fromLatin1(mode);
                    auto g = add(r.kind);
                    g->shape_type = QStringLiteral("C");
                    g->ctrl_is_locked = locked;
                    QList<std::shared_ptr<SKTGraphic>> selection{g};
                    if (images == 2)
                        selection << add(K::Image, QRectF(100, 20, 30, 30)) << add(K::Line);
                    if (r.kind == K::Image && images == 1)
                        selection << add(K::Text);
                    select(selection);
                    EXPECT_EQ(p->properties_title->text(), QString::fromLatin1(r.title));
                    const bool vg = QString::fromLatin1(mode) != QLatin1String("W");
                    const QStringList expected = locked ? QStringList{r.kind == K::Shape ? "Ellipse Settings" : r.title}
                                                 : vg   ? r.visitor
                                                 : images == 2 ? r.twoImages
                                                               : r.normal;
                    EXPECT_EQ(tabLabels(), expected);
                    EXPECT_EQ(w->sett_tab->currentIndex(), 0);
                }
    EXPECT_FALSE(::Not_Draw_Only_Prop_Change);
    w->Show_RHS_Properties(nullptr);
    EXPECT_EQ(tabLabels(), (QStringList{"Card", "Size", "Background", "Border"}));
    EXPECT_EQ(p->properties_title->text(), QStringLiteral("Card Properties"));

    // While the program fills, only a visitor-mode image gets through.
    ::Start_Card_Option = QStringLiteral("V");
    ::Not_Draw_Only_Prop_Change = true;
    select({add(K::Line)});
    EXPECT_EQ(p->properties_title->text(), QStringLiteral("Card Properties"));
    select({add(K::Image)});
    EXPECT_EQ(p->properties_title->text(), QStringLiteral("Image Properties"));
    EXPECT_TRUE(::Not_Draw_Only_Prop_Change);
    ::Not_Draw_Only_Prop_Change = false;
}

TEST_F(InspectorTest, EveryKindLoadsItsFields) {
    for (K kind : allGraphicKinds()) {
        SCOPED_TRACE(qPrintable(graphicKindName(kind)));
        auto g = makeFilledGraphic(kind);
        g->ctrl_is_locked = false;
        g->alpha_val = 0.505f;  // shows 50, truncated
        w->_graphicView->mutableGraphics().append(g);
        // Fields of one kind only: a shape is a double star.
        select({g});
        const SKTGraphic& f = *g;
        EXPECT_EQ(p->print_object_chk->isChecked(), f.print_object == 1);
        switch (kind) {
        case K::Text: {
            TextPanel* t = p->text;
            EXPECT_EQ(t->Text_value_Edit->toPlainText(), f._Text_contents);
            EXPECT_EQ(t->Text_border_chk->isChecked(), f._isDrawingStroke);
            EXPECT_EQ(t->Text_fill_chk->isChecked(), f._isDrawingFill);
            EXPECT_EQ(t->Text_bor_Stepper->value(), 3);  // 3.5 truncated
            EXPECT_EQ(t->Text_bordr_clr->color(), f._strokeColor);
            EXPECT_EQ(t->Text_border_style->currentIndex(), 4);  // "DDD"
            EXPECT_TRUE(t->Text_gradient_fill_rd->isChecked());
            EXPECT_TRUE(t->Text_alpha_Stepper->isHidden());  // a gradient has no opacity
            EXPECT_EQ(t->Text_alpha_Stepper->value(), 50);
            EXPECT_EQ(t->Text_fill_Grd_2_clr->color(), f._fill_Grad_clr2);
            EXPECT_EQ(t->Text_grad_Stepper->value(), 135);
            EXPECT_EQ(t->Text_clr->color(), f.txt_clr);
            EXPECT_EQ(t->Text_font, f.text_ctrl_font);
            EXPECT_EQ(t->Text_font_value->text(), f.text_ctrl_font.family() + QStringLiteral(" ( 17.50 )"));
            EXPECT_EQ(t->txt_rotation_slidr_val->value(), 270);
            EXPECT_EQ(t->Text_Orientation_Combo->currentText(), QStringLiteral("270"));
            EXPECT_EQ(t->Text_vert_align_combo->currentIndex(), f.text_alignmnet_Vert);
            EXPECT_EQ(t->Text_align_combo->currentIndex(), f.text_alignmnet);
            EXPECT_EQ(t->Text_case_combo->currentIndex(), f.text_transfrom_case);
            EXPECT_DOUBLE_EQ(t->Text_Kern_Stepper->value(), 1.3);  // 1.25 at one decimal
            EXPECT_TRUE(t->draw_shadow_chkbox->isChecked());
            EXPECT_EQ(t->Shadow_clr->color(), f.Shadow_Color);
            EXPECT_DOUBLE_EQ(t->shadow_x_Stepper->value(), -3.5);
            EXPECT_EQ(t->shadow_transp_Stepper->value(), qRound(f.Shadow_transparency * 100));
            EXPECT_EQ(t->Text_Fill_Box->isEnabled(), f._isDrawingFill);
            break;
        }
        case K::Image: {
            ImagePanel* i = p->image;
            EXPECT_EQ(i->Image_border_chk->isChecked(), f._isDrawingStroke);
            EXPECT_EQ(i->Image_bor_Stepper->value(), 3);
            EXPECT_EQ(i->Image_border_style->currentIndex(), 4);
            EXPECT_NEAR(i->Hue_slidr_val->value(), f.hue_val, 0.01);
            EXPECT_NEAR(i->Sat_slidr->doubleValue(), f.sat_val, 0.01);
            EXPECT_NEAR(i->Trsp_slidr_val->value(), f.img_trnsp_val, 0.5);
            EXPECT_EQ(i->Image_Sepia_chk->isChecked(), f.Sepia);
            EXPECT_EQ(i->Image_FIH_chk->isChecked(), f._isFlippedHorizontally);
            EXPECT_EQ(p->source->Manual_image_path->toPlainText(), f._file_path);
            EXPECT_FALSE(p->align->ctrl_width_height_box->isVisibleTo(w));
            break;
        }
        case K::Line: {
            LinePanel* l = p->line;
            EXPECT_EQ(l->Line_Wdt_Stepper->value(), 3);
            EXPECT_EQ(l->Line_clr->color(), f._strokeColor);
            EXPECT_EQ(l->Line_ori_style->currentIndex(), 3);
            EXPECT_EQ(l->Line_cap_style->currentIndex(), 2);
            EXPECT_EQ(l->Line_alpha_Stepper->value(), 75);
            break;
        }
        case K::Signature:
            EXPECT_EQ(p->signature->Sign_image_path->toPlainText(), f._file_path);
            EXPECT_EQ(p->signature->Sign_bor_Stepper->value(), 3);
            EXPECT_EQ(p->sel_control_name->text(), f.sign_or_fingureprint);
            break;
        case K::Barcode:
            EXPECT_FALSE(p->align->frame_main_pic_width->isEnabled());
            EXPECT_FALSE(p->align->Make_natural_size_btn->isEnabled());
            break;
        case K::Shape: {
            ShapePanel* s = p->shape;
            EXPECT_EQ(s->Shape_prop_title->text(), QStringLiteral("Double Star Settings"));
            EXPECT_FALSE(s->double_star_Stepper->isHidden());
            EXPECT_TRUE(s->polygon_Stepper->isHidden());
            EXPECT_EQ(s->double_star_Stepper->value(), 4);
            EXPECT_EQ(s->shape_rotation_slidr->value(), 270);
            EXPECT_TRUE(s->Shape_gradient_fill_rd->isChecked());
            EXPECT_EQ(s->shape_alpha_Stepper->value(), 50);
            EXPECT_DOUBLE_EQ(s->shape_cor_radius_Stepper->value(), 4.5);
            EXPECT_EQ(s->shape_hatch_style->currentIndex(), -1);  // no such pattern
            EXPECT_TRUE(s->shape_fill_Grd_1_clr->isEnabled() || !f._isDrawingFill);
            EXPECT_FALSE(s->shape_fill_clr->isEnabled());
            break;
        }
        }
    }
    // An unknown dash code leaves the list where it was.
    p->line->Line_border_style->setCurrentIndex(2);
    auto odd = add(K::Line);
    odd->_stroke_border_type = QStringLiteral("ZZ");
    select({odd});
    EXPECT_EQ(p->line->Line_border_style->currentIndex(), 2);
}

TEST_F(InspectorTest, TheSameGraphicAgainReloadsNothingAndADeletedOneNeverMatches) {
    auto g = add(K::Line);
    select({g});
    setQuietly(p->line->Line_Wdt_Stepper, 9);
    w->Show_RHS_Properties(g.get());
    EXPECT_EQ(p->line->Line_Wdt_Stepper->value(), 9);

    // Two images selected: the image tab loads again each time.
    auto a = add(K::Image), b = add(K::Image, QRectF(90, 20, 20, 20));
    select({a, b});
    setQuietly(p->image->Image_bor_Stepper, 9);
    w->Show_RHS_Properties(a.get());
    EXPECT_EQ(p->image->Image_bor_Stepper->value(), 1);
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();

    // The graphic shown last goes; whatever comes next is loaded.
    select({g});
    w->_graphicView->deleteSelectedGraphics();
    g.reset();
    EXPECT_TRUE(p->Last_Selected_Graphic.expired());
}

TEST_F(InspectorTest, StandardButtonsForAGraphicALockedGraphicAndTheCard) {
    QApplication::clipboard()->clear();
    auto g = add(K::Shape);
    auto buttons = [this] {
        QString s;
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                 p->Cut_btn, p->Copy_btn, p->Paste_btn, p->Delete_btn, p->Begin_Front_btn, p->Send_Back_btn,
                 p->Lock_btn, p->Unlock_btn, p->align->align_left_btn, p->align->align_vertical_btn})
            s += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    // Cut Copy Paste Delete Front Back Lock Unlock, two of the align buttons.
    select({g});
    EXPECT_EQ(buttons(), QStringLiteral("1101111011"));
    w->_graphicView->copy();
    EXPECT_EQ(buttons(), QStringLiteral("1111111011"));  // the clipboard holds graphics now
    g->ctrl_is_locked = true;
    w->Show_RHS_Properties(nullptr);
    select({g});
    EXPECT_EQ(buttons(), QStringLiteral("0100000100"));  // Copy stays
    EXPECT_EQ(tabLabels(), QStringList{"Rectangle Settings"});
    w->Show_RHS_Properties(nullptr);
    EXPECT_EQ(buttons(), QStringLiteral("0010000000"));
    auto* text = new QMimeData;
    text->setText(QStringLiteral("plain"));
    QApplication::clipboard()->setMimeData(text);
    w->Show_RHS_Properties(nullptr);
    EXPECT_EQ(buttons(), QStringLiteral("0000000000"));

    // The print box writes every selected unlocked graphic, with an undo step.
    g->ctrl_is_locked = false;
    auto other = add(K::Text);
    select({g, other});
    const int steps = undoSteps();
    p->print_object_chk->click();
    EXPECT_EQ(g->print_object, 1);
    EXPECT_EQ(other->print_object, 1);
    EXPECT_EQ(undoSteps(), steps + 1);
}

TEST_F(InspectorTest, CardTabsLoadTheSideAndPositionFieldsFollowTheGraphic) {
    w->Front_card_Prop.Card_alpha_Stepper = 0.505f;
    w->Front_card_Prop.Card_fill_style = QStringLiteral("G");
    w->Front_card_Prop.Watermark_Transp = 1.7f;
    w->Front_card_Prop.Card_Shape = QStringLiteral("RR");
    w->Front_card_Prop.Card_Location = QPointF(5, 5);
    w->Show_RHS_Properties(nullptr);
    CardPanel* c = p->card;
    EXPECT_EQ(c->Card_alpha_Stepper->value(), 50);
    EXPECT_TRUE(c->Card_gradient_fill_rd->isChecked());
    EXPECT_TRUE(c->Card_alpha_Stepper->isHidden());
    EXPECT_EQ(c->wm_transp_val->value(), 100);
    EXPECT_EQ(::Card_Shape, 1);
    EXPECT_EQ(w->Front_card_Prop.Card_Location, QPointF(0, 0));
    EXPECT_EQ(w->Front_card_Prop.Card_Size, w->_graphicView->canvasSize());
    w->Front_card_Prop.Card_alpha_Stepper = 100.0f;  // a new side's value
    w->Show_RHS_Properties(nullptr);
    EXPECT_EQ(c->Card_alpha_Stepper->value(), 100);

    // Positions in points, sizes in the unit: 144 points wide is 2 in.
    auto g = add(K::Shape, QRectF(10, 12, 144, 72));
    ::Measument_Unit_Is = 0;
    select({g});
    EXPECT_DOUBLE_EQ(p->align->frame_main_pic_X_pos->value(), 10);
    EXPECT_NEAR(p->align->frame_main_pic_width->value(), 2.0, 1e-6);
    EXPECT_NEAR(p->align->frame_main_pic_height->value(), 1.0, 1e-6);
    g->setXPosition(33);  // a move on the canvas shows at once
    EXPECT_DOUBLE_EQ(p->align->frame_main_pic_X_pos->value(), 33);
}

// The Orientation field shows a text's angle: its item, or the angle itself
// where no item holds it, as set and after the design is opened again.
TEST_F(InspectorTest, TheOrientationFieldShowsTheTextsAngleAfterReopening) {
    TextPanel* t = p->text;
    const auto shown = [t] {
        QComboBox* combo = t->Text_Orientation_Combo;
        return combo->currentIndex() >= 0 ? combo->currentText() : combo->placeholderText();
    };
    const struct {
        int angle;
        bool listed;  // an item of the list
    } cases[] = {{90, true}, {30, false}, {-45, false}, {0, true}};
    for (const auto& [angle, listed] : cases) {
        SCOPED_TRACE(angle);
        w->New_Project();
        auto g = add(K::Text);
        g->Set_text_value(QStringLiteral("Turned"));
        select({g});
        t->txt_rotation_slidr_val->setValue(angle);
        ASSERT_EQ(g->text_rotation, angle);
        EXPECT_EQ(shown(), QString::number(angle));

        nextSavePath = data.filePath(QStringLiteral("turned.did"));
        ASSERT_EQ(w->Save_project_file(false, true, QStringLiteral("L")), 1);
        w->New_Project();
        ASSERT_EQ(w->Read_and_load_design_Log_NEW_METHOD(nextSavePath, QStringLiteral("L"), true), 1);
        ASSERT_EQ(w->Get_Front_Control_Count(), 1);
        select({w->Get_Front_Controls_Array().first()});
        EXPECT_EQ(t->txt_rotation_slidr_val->value(), angle);
        EXPECT_EQ(shown(), QString::number(angle));
        EXPECT_EQ(t->Text_Orientation_Combo->currentIndex() >= 0, listed);
    }
}

}  // namespace
}  // namespace zelk::test

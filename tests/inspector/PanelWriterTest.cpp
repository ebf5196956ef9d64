// The text, shape and line panels writing into the selected graphics, the
// typing rules of the text view, and the combo boxes' rules.
#include "InspectorTestSupport.h"

#include "dialogs/DialogRunner.h"
#include "foundation/Utilities.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/LinePanel.h"
#include "inspector/PanelKit.h"
#include "inspector/ShapePanel.h"
#include "inspector/TextPanel.h"
#include "mainwindow/CardSizePresets.h"
#include "mainwindow/Insert_Template.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <functional>

namespace zelk::test {
namespace {

using K = GraphicKind;
using W = SKTWindowController;

TEST_F(InspectorTest, EachWriterFillsUnlockedGraphicsOfItsKindWithOneUndoStep) {
    const QColor red(200, 0, 0), green(0, 150, 0), blue(0, 0, 200);
    struct Case {
        K kind;
        std::function<void(W&)> writer;
        std::function<void()> set;                    // the panel, quietly
        std::function<void(const SKTGraphic&, const SKTGraphic&)> check;  // written, and before
    };
    TextPanel* t = p->text;
    ShapePanel* s = p->shape;
    LinePanel* l = p->line;
    const Case cases[] = {
        {K::Text, &W::Update_Text_Graphics,
         [&] {
             setQuietly(t->Text_border_chk, true);
             setQuietly(t->Text_bor_Stepper, 4);
             t->Text_bordr_clr->setColor(red);
             t->Text_border_style->setCurrentIndex(2);
             setQuietly(t->Text_fill_chk, true);
             t->Text_fill_clr->setColor(blue);
             setQuietly(t->Text_gradient_fill_rd, true);
             t->Text_fill_Grd_1_clr->setColor(green);
             setQuietly(t->Text_grad_Stepper, 45);
             t->Text_clr->setColor(green);
             setQuietly(t->Text_alpha_Stepper, 35);
             t->Text_align_combo->setCurrentIndex(2);
             t->Text_case_combo->setCurrentIndex(3);
             setQuietly(t->Text_Kern_Stepper, 2.5);
             setQuietly(t->draw_shadow_chkbox, true);
             setQuietly(t->txt_rotation_slidr_val, 37);
             setQuietly(t->shadow_transp_Stepper, 40);
             setQuietly(t->Text_value_Edit, QStringLiteral("typed"));
         },
         [&](const SKTGraphic& g, const SKTGraphic&) {
             EXPECT_TRUE(g._isDrawingStroke);
             EXPECT_EQ(g._strokeWidth, 4.0);
             EXPECT_EQ(g._strokeColor, red);
             EXPECT_EQ(g._stroke_border_type, QStringLiteral("DO"));
             EXPECT_TRUE(g._isDrawingFill);
             EXPECT_EQ(g._fillColor, blue);
             EXPECT_EQ(g._fill_type, QStringLiteral("G"));
             EXPECT_EQ(g._fill_Grad_clr1, green);
             EXPECT_EQ(g._fill_grad_angle, 45.0);
             EXPECT_EQ(g.txt_clr, green);
             EXPECT_FLOAT_EQ(g.alpha_val, 0.35f);
             EXPECT_EQ(g.text_alignmnet, 2);
             EXPECT_EQ(g.text_transfrom_case, 3);
             EXPECT_FLOAT_EQ(g.text_kerning, 2.5f);
             EXPECT_TRUE(g.Drawing_Shadow);
             EXPECT_EQ(g.text_rotation, 37);
             EXPECT_FLOAT_EQ(g.Shadow_transparency, 0.4f);
             EXPECT_EQ(g.print_object, 1);
             // Three graphics are selected: the text view's text is not copied.
             EXPECT_EQ(g.Text_Value, QString());
         }},
        // The outline off keeps the stored colour and width; no dash item
        // selected stores "S".
        {K::Shape, &W::Update_Shape_Graphics,
         [&] {
             setQuietly(s->Shape_border_chk, false);
             s->shape_bordr_clr->setColor(red);
             setQuietly(s->shape_bor_Stepper, 9);
             s->shape_border_style->setCurrentIndex(-1);
             setQuietly(s->Shape_fill_chk, true);
             setQuietly(s->Shape_Style_fill_rd, true);
             s->shape_hatch_style->setCurrentIndex(1);
             setQuietly(s->shape_alpha_Stepper, 35);
             setQuietly(s->shape_cor_radius_Stepper, 12.5);
             setQuietly(s->double_star_Stepper, 3);
             setQuietly(s->polygon_Stepper, 6);
             setQuietly(s->shape_rotation_slidr_val, 90);
         },
         [&](const SKTGraphic& g, const SKTGraphic& before) {
             EXPECT_FALSE(g._isDrawingStroke);
             EXPECT_EQ(g._strokeColor, before._strokeColor);
             EXPECT_EQ(g._strokeWidth, before._strokeWidth);
             EXPECT_EQ(g._stroke_border_type, QStringLiteral("S"));
             EXPECT_TRUE(g._isDrawingFill);
             EXPECT_EQ(g._fill_type, QStringLiteral("H"));
             EXPECT_EQ(g._fill_hatch_type, s->shape_hatch_style->itemText(1));
             EXPECT_FLOAT_EQ(g.alpha_val, 0.35f);
             EXPECT_FLOAT_EQ(g.cor_rad_val, 12.5f);
             EXPECT_EQ(g.double_star_type, 3);
             EXPECT_EQ(g.polygon_type, 6);
             EXPECT_EQ(g.text_rotation, 90);
         }},
        // No cap selected stores butt (0).
        {K::Line, &W::Update_Line_Graphics,
         [&] {
             l->Line_clr->setColor(red);
             setQuietly(l->Line_Wdt_Stepper, 5);
             l->Line_cap_style->setCurrentIndex(-1);
             l->Line_ori_style->setCurrentIndex(2);
             l->Line_border_style->setCurrentIndex(4);
             setQuietly(l->Line_alpha_Stepper, 35);
         },
         [&](const SKTGraphic& g, const SKTGraphic&) {
             EXPECT_TRUE(g._isDrawingStroke);
             EXPECT_EQ(g._strokeColor, red);
             EXPECT_EQ(g._strokeWidth, 5.0);
             EXPECT_EQ(g._line_cap_style, 0);
             EXPECT_EQ(g._line_ori, 2);
             EXPECT_EQ(g._stroke_border_type, QStringLiteral("DDD"));
             EXPECT_FLOAT_EQ(g.alpha_val_stroke, 0.35f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(graphicKindName(c.kind)));
        auto target = add(c.kind);
        target->_line_cap_style = 2;
        auto locked = add(c.kind);
        locked->ctrl_is_locked = true;
        auto other = add(c.kind == K::Text ? K::Shape : K::Text);
        const auto targetBefore = target->clone(), lockedBefore = locked->clone(), otherBefore = other->clone();
        select({target, locked, other});
        c.set();
        setQuietly(p->print_object_chk, true);
        const int steps = undoSteps();

        ::Not_Draw_Only_Prop_Change = true;  // the program is filling: nothing
        c.writer(*w);
        ::Not_Draw_Only_Prop_Change = false;
        EXPECT_EQ(undoSteps(), steps);
        EXPECT_EQ(target->print_object, 0);

        c.writer(*w);
        c.check(*target, *targetBefore);
        EXPECT_TRUE(sameGraphic(*locked, *lockedBefore));
        EXPECT_TRUE(sameGraphic(*other, *otherBefore));
        EXPECT_EQ(undoSteps(), steps + 1);

        // A selection without the kind, or none: untouched, nothing recorded.
        select({other}, false);
        c.writer(*w);
        EXPECT_EQ(undoSteps(), steps + 1);
        w->_graphicView->Clear_Control_Selection();
        c.writer(*w);
        EXPECT_EQ(undoSteps(), steps + 1);
    }

    // One text selected takes the text too; the slider and its field move together.
    auto one = add(K::Text);
    select({one});
    setQuietly(t->Text_value_Edit, QStringLiteral("Hello"));
    t->txt_rotation_slidr->setValue(45);
    EXPECT_EQ(t->txt_rotation_slidr_val->value(), 45);
    EXPECT_EQ(one->Text_Value, QStringLiteral("Hello"));
    EXPECT_EQ(one->text_rotation, 45);
    auto shape = add(K::Shape);
    select({shape});
    s->shape_rotation_slidr->setValue(90);
    EXPECT_EQ(s->shape_rotation_slidr_val->value(), 90);
    EXPECT_EQ(shape->text_rotation, 90);
    s->Shape_fill_chk->click();
    s->Shape_gradient_fill_rd->click();
    EXPECT_TRUE(s->shape_alpha_Stepper->isHidden());
    EXPECT_TRUE(shape->_isDrawingFill);
    EXPECT_EQ(shape->_fill_type, QStringLiteral("G"));
}

TEST_F(InspectorTest, TypingRules) {
    QPlainTextEdit* edit = p->text->Text_value_Edit;
    auto own = add(K::Text), bound = add(K::Text), profile = add(K::Text);
    own->Set_text_value(QStringLiteral("Text here"));
    bound->Set_Data_source_type(1);
    bound->Set_text_value(QStringLiteral("from series"));
    profile->control_ID = QStringLiteral("Fup_Name");
    profile->Set_text_value(QStringLiteral("Ana"));
    select({own});
    const int steps = undoSteps();

    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, QStringLiteral("B"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("B"));
    EXPECT_EQ(own->Text_Value, QStringLiteral("B"));
    edit->insertPlainText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(edit->toPlainText().size(), 250);
    EXPECT_EQ(own->Text_Value.size(), 250);
    EXPECT_EQ(undoSteps(), steps);  // typing records no undo step

    // Bound texts never take typing; in "V" neither do profile fields.
    for (const char* mode : {"V", "W"}) {
        ::Start_Card_Option = QString::fromLatin1(mode);
        select({own, bound, profile}, false);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Zoe"));
        EXPECT_EQ(own->Text_Value, QStringLiteral("Zoe")) << mode;
        EXPECT_EQ(bound->Text_Value, QStringLiteral("from series")) << mode;
        EXPECT_EQ(profile->Text_Value, QString::fromLatin1(*mode == 'V' ? "Ana" : "Zoe")) << mode;
    }

    // Loading one of two selected texts changes neither.
    ::Start_Card_Option = QStringLiteral("W");
    own->Set_text_value(QStringLiteral("one"));
    bound->Set_Data_source_type(0);
    select({own, bound});
    select({bound, own});
    EXPECT_EQ(own->Text_Value, QStringLiteral("one"));
    EXPECT_EQ(bound->Text_Value, QStringLiteral("from series"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("from series"));
}

TEST_F(InspectorTest, DateTimeAndTemplateInsertion) {
    TextPanel* t = p->text;
    auto g = add(K::Text);
    g->Set_text_value(QStringLiteral("Issued: X"));
    select({g});
    t->insert_date_btn->click();
    t->insert_time_btn->click();
    EXPECT_EQ(sink.shown, (QStringList{"Please select Date format.", "Please select Time format."}));
    EXPECT_EQ(g->Text_Value, QStringLiteral("Issued: X"));

    t->Text_Date_style->setCurrentIndex(t->Text_Date_style->findText(QStringLiteral("yyyy-MM-dd")));
    QTextCursor c = t->Text_value_Edit->textCursor();
    c.setPosition(8);
    c.setPosition(9, QTextCursor::KeepAnchor);  // the "X"
    t->Text_value_Edit->setTextCursor(c);
    t->insert_date_btn->click();
    EXPECT_EQ(g->Text_Value, QStringLiteral("Issued: ") + QDate::currentDate().toString(Qt::ISODate));

    ScopedDialogRunner runner([](QDialog* d) {
        auto* dialog = static_cast<Insert_Template*>(d);
        dialog->template_list->setCurrentRow(1);
        dialog->OK_Clicked();
        return 1;
    });
    t->insert_message_btn->click();
    EXPECT_EQ(Insert_Template::defaultInstance()->title_or_msg, QStringLiteral("M"));
    EXPECT_FALSE(g->Text_Value.isEmpty());
    EXPECT_EQ(g->Text_Value, Template_Msg_Val);
}

TEST_F(InspectorTest, ComboRules) {
    TextPanel* t = p->text;
    auto g = add(K::Text);
    g->text_alignmnet = 1;
    g->text_rotation = 37;
    select({g});
    const int steps = undoSteps();

    // A program fill leaves nothing selected and runs no handler.
    fillCombo(t->Text_align_combo, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    EXPECT_EQ(t->Text_align_combo->currentIndex(), -1);
    EXPECT_EQ(g->text_alignmnet, 1);
    EXPECT_EQ(undoSteps(), steps);

    // 37 is no orientation item: it stays through a load and a write.
    EXPECT_EQ(t->Text_Orientation_Combo->currentIndex(), -1);
    EXPECT_EQ(t->txt_rotation_slidr_val->value(), 37);
    t->Text_case_combo->setCurrentIndex(1);
    EXPECT_EQ(g->text_rotation, 37);
    EXPECT_EQ(g->text_transfrom_case, 1);
    EXPECT_EQ(g->text_alignmnet, 1);  // a list showing no item leaves the field
    t->Text_Orientation_Combo->setCurrentIndex(t->Text_Orientation_Combo->findText(QStringLiteral("90")));
    EXPECT_EQ(g->text_rotation, 90);
    EXPECT_EQ(undoSteps(), steps + 2);

    // The category rebuilds the list, also while the program fills.
    w->Show_RHS_Properties(nullptr);
    ::Not_Draw_Only_Prop_Change = true;
    w->Category_ComboBox->setCurrentIndex(1);
    ::Not_Draw_Only_Prop_Change = false;
    const QStringList paper = CardSizePresets::paper_card_arry();
    ASSERT_EQ(w->ListData.size(), paper.size());
    EXPECT_EQ(w->Get_Item_Text(0), Trim_Str(paper.first()));
    EXPECT_EQ(w->ColList->model()->rowCount(), paper.size());
    EXPECT_EQ(w->Get_Item_Text(int(paper.size())), QString());

    // The custom preset (item 2) opens the size fields and selects no row.
    CardPanel* c = p->card;
    w->Preset_ComboBox->setCurrentIndex(2);
    EXPECT_TRUE(c->width_Stepper->isEnabled());
    EXPECT_FALSE(w->ColList->isEnabled());
    w->Mark_List_New_Selection(1);
    EXPECT_TRUE(w->ColList->selectionModel()->selectedRows().isEmpty());
    w->Preset_ComboBox->setCurrentIndex(0);
    EXPECT_FALSE(c->width_Stepper->isEnabled());
    w->Mark_List_New_Selection(1);
    EXPECT_EQ(w->ColList->selectionModel()->selectedRows().value(0).row(), 1);

    const qsizetype rows = w->ListData.size();
    w->Create_List(QStringLiteral("  "));
    EXPECT_EQ(w->ListData.size(), rows);
    w->Create_List(QStringLiteral(" Mine \n"));
    EXPECT_EQ(w->Get_Item_Text(int(rows)), QStringLiteral("Mine"));
}

}  // namespace
}  // namespace zelk::test

#include "inspector/TextPanel.h"

#include "dialogs/TextBox.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/ColorWell.h"
#include "inspector/InspectorRules.h"
#include "inspector/PanelKit.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

using namespace zelk;

TextPanel::TextPanel(QWidget* shelf) : QObject(shelf) {
    text_edtng_tab = new QWidget(shelf);
    text_prop_tab = new QWidget(shelf);
    buildEditingPage();
    buildPropertiesPage();
}

void TextPanel::buildEditingPage() {
    QBoxLayout* page = makePage(text_edtng_tab);
    text_value_lbl = new QLabel(QStringLiteral("Text"));
    txt_ctrl_id_val = new QLabel;
    txt_ctrl_id_val->setStyleSheet(QStringLiteral("color: #6a7080;"));
    page->addWidget(inRow({text_value_lbl, txt_ctrl_id_val}));
    Text_value_Edit = new zelk::TextBox;
    Text_value_Edit->setObjectName(QStringLiteral("Text_value_Edit"));
    Text_value_Edit->setFixedHeight(72);
    Text_value_Edit->setTabChangesFocus(true);
    page->addWidget(Text_value_Edit);

    insert_template_btn = new QPushButton(QStringLiteral("Use Template Title"));
    insert_message_btn = new QPushButton(QStringLiteral("Use Template Message"));
    page->addWidget(inRow({insert_template_btn, insert_message_btn}));

    Text_Date_Time_Box = new QGroupBox(QStringLiteral("Date and Time"));
    QFormLayout* dt = makeBoxForm(Text_Date_Time_Box);
    Text_Date_style = makeCombo(datePatterns());
    Text_Time_style = makeCombo(timePatterns());
    insert_date_btn = new QPushButton(QStringLiteral("Insert"));
    insert_time_btn = new QPushButton(QStringLiteral("Insert"));
    dt->addRow(QStringLiteral("Date"), inRow({Text_Date_style, insert_date_btn}, false));
    dt->addRow(QStringLiteral("Time"), inRow({Text_Time_style, insert_time_btn}, false));
    page->addWidget(Text_Date_Time_Box);

    auto* look = new QGroupBox(QStringLiteral("Font and Layout"));
    QFormLayout* form = makeBoxForm(look);
    Text_font_value = new QLineEdit;
    Text_font_value->setReadOnly(true);
    text_font_btn = new QPushButton(QStringLiteral("Font..."));
    form->addRow(QStringLiteral("Font"), inRow({Text_font_value, text_font_btn}, false));
    Text_clr = new ColorWell;
    form->addRow(QStringLiteral("Colour"), Text_clr);
    text_alpha_lbl = new QLabel(QStringLiteral("Opacity (%)"));
    Text_alpha_Stepper = makeSpin(0, 100);
    form->addRow(text_alpha_lbl, Text_alpha_Stepper);
    Text_align_combo = makeCombo(textAlignmentItems());
    form->addRow(QStringLiteral("Alignment"), Text_align_combo);
    Text_vert_align_combo = makeCombo(textVerticalAlignmentItems());
    form->addRow(QStringLiteral("Vertical"), Text_vert_align_combo);
    Text_case_combo = makeCombo(textCaseItems());
    form->addRow(QStringLiteral("Case"), Text_case_combo);
    Text_Kern_Stepper = makeDoubleSpin(-20, 100, 1);
    Text_Kern_Stepper->setSingleStep(0.5);
    form->addRow(QStringLiteral("Kerning"), Text_Kern_Stepper);
    txt_rotation_slidr = new QSlider(Qt::Horizontal);
    txt_rotation_slidr->setRange(-360, 360);
    txt_rotation_slidr_val = makeSpin(-360, 360);
    form->addRow(QStringLiteral("Rotation"), inRow({txt_rotation_slidr, txt_rotation_slidr_val}, false));
    Text_Orientation_Combo = makeCombo(textOrientationItems());
    {
        // An angle no item holds is shown as the list's placeholder: in the
        // ink of a chosen item, since it is the text's real angle.
        QPalette ink = Text_Orientation_Combo->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            ink.setColor(group, QPalette::PlaceholderText, ink.color(group, QPalette::ButtonText));
        Text_Orientation_Combo->setPalette(ink);
    }
    form->addRow(QStringLiteral("Orientation"), Text_Orientation_Combo);
    page->addWidget(look);
    page->addStretch(1);
}

void TextPanel::buildPropertiesPage() {
    QBoxLayout* page = makePage(text_prop_tab);

    Text_border_chk = new QCheckBox(QStringLiteral("Border"));
    page->addWidget(Text_border_chk);
    Text_Border_Box = new QGroupBox;
    QFormLayout* border = makeBoxForm(Text_Border_Box);
    Text_bor_Stepper = makeSpin(0, 50);
    border->addRow(QStringLiteral("Width (pt)"), Text_bor_Stepper);
    Text_bordr_clr = new ColorWell;
    border->addRow(QStringLiteral("Colour"), Text_bordr_clr);
    Text_border_style = makeCombo(dashStyleItems());
    border->addRow(QStringLiteral("Style"), Text_border_style);
    page->addWidget(Text_Border_Box);

    Text_fill_chk = new QCheckBox(QStringLiteral("Fill"));
    page->addWidget(Text_fill_chk);
    Text_Fill_Box = new QGroupBox;
    QFormLayout* fill = makeBoxForm(Text_Fill_Box);
    Text_solid_fill_rd = new QRadioButton(QStringLiteral("Solid"));
    Text_gradient_fill_rd = new QRadioButton(QStringLiteral("Gradient"));
    auto* kinds = new QButtonGroup(Text_Fill_Box);
    kinds->addButton(Text_solid_fill_rd);
    kinds->addButton(Text_gradient_fill_rd);
    fill->addRow(inRow({Text_solid_fill_rd, Text_gradient_fill_rd}));
    Text_fill_clr = new ColorWell;
    fill->addRow(QStringLiteral("Colour"), Text_fill_clr);
    Text_fill_Grd_1_clr = new ColorWell;
    Text_fill_Grd_2_clr = new ColorWell;
    fill->addRow(QStringLiteral("Gradient"), inRow({Text_fill_Grd_1_clr, Text_fill_Grd_2_clr}));
    Text_grad_Stepper = makeSpin(0, 360);
    fill->addRow(QStringLiteral("Angle"), Text_grad_Stepper);
    page->addWidget(Text_Fill_Box);

    draw_shadow_chkbox = new QCheckBox(QStringLiteral("Shadow"));
    page->addWidget(draw_shadow_chkbox);
    shadow_box = new QGroupBox;
    QFormLayout* shadow = makeBoxForm(shadow_box);
    Shadow_clr = new ColorWell;
    shadow->addRow(QStringLiteral("Colour"), Shadow_clr);
    shadow_x_Stepper = makeDoubleSpin(-50, 50, 1);
    shadow_y_Stepper = makeDoubleSpin(-50, 50, 1);
    shadow->addRow(QStringLiteral("Offset X / Y"), inRow({shadow_x_Stepper, shadow_y_Stepper}));
    shadow_blur_Stepper = makeDoubleSpin(0, 50, 1);
    shadow->addRow(QStringLiteral("Blur"), shadow_blur_Stepper);
    shadow_transp_Stepper = makeSpin(0, 100);
    shadow->addRow(QStringLiteral("Opacity (%)"), shadow_transp_Stepper);
    page->addWidget(shadow_box);
    page->addStretch(1);
}

void TextPanel::setTextFont(const QFont& font) {
    Text_font = font;
    Text_font_value->setText(fontDisplayText(font));
    Text_font_value->setCursorPosition(0);
}

void TextPanel::showOrientation(int angle) {
    // An angle that no item holds leaves nothing selected, and the handler
    // then keeps the rotation field as it is.
    const QSignalBlocker quiet(Text_Orientation_Combo);
    Text_Orientation_Combo->setCurrentIndex(Text_Orientation_Combo->findText(QString::number(angle)));
    Text_Orientation_Combo->setPlaceholderText(QString::number(angle));
}

void TextPanel::load(const SKTGraphic& g) {
    setQuietly(Text_value_Edit, g._Text_contents);
    setQuietly(Text_border_chk, g._isDrawingStroke);
    setQuietly(Text_fill_chk, g._isDrawingFill);
    setQuietly(Text_bor_Stepper, wholeWidth(g._strokeWidth));
    setQuietly(Text_bordr_clr, g._strokeColor);
    if (const int dash = dashIndexOfCode(g._stroke_border_type); dash >= 0)
        Text_border_style->setCurrentIndex(dash);
    setQuietly(Text_fill_clr, g._fillColor);
    const bool gradient = g._fill_type == FillStyleCode::Gradient;
    setQuietly(gradient ? Text_gradient_fill_rd : Text_solid_fill_rd, true);
    Show_Hide_Text_Transp_Ctrl(gradient);
    setQuietly(Text_fill_Grd_1_clr, g._fill_Grad_clr1);
    setQuietly(Text_fill_Grd_2_clr, g._fill_Grad_clr2);
    setQuietly(Text_grad_Stepper, wholeWidth(g._fill_grad_angle));
    setQuietly(Text_alpha_Stepper, percentOfFraction(g.alpha_val));
    setQuietly(Text_clr, g.txt_clr);
    setTextFont(g.text_ctrl_font);
    setQuietly(txt_rotation_slidr, g.text_rotation);
    setQuietly(txt_rotation_slidr_val, g.text_rotation);
    showOrientation(g.text_rotation);
    Text_vert_align_combo->setCurrentIndex(g.text_alignmnet_Vert);
    Text_align_combo->setCurrentIndex(g.text_alignmnet);
    Text_case_combo->setCurrentIndex(g.text_transfrom_case);
    setQuietly(Text_Kern_Stepper, g.text_kerning);
    setQuietly(draw_shadow_chkbox, g.Drawing_Shadow);
    SetObjEnabled(shadow_box, g.Drawing_Shadow);
    setQuietly(Shadow_clr, g.Shadow_Color);
    setQuietly(shadow_x_Stepper, g.Shadow_offset_X);
    setQuietly(shadow_y_Stepper, g.Shadow_offset_Y);
    setQuietly(shadow_blur_Stepper, g.Shadow_blur);
    setQuietly(shadow_transp_Stepper, percentOfFraction(g.Shadow_transparency));

    SetObjEnabled(Text_Fill_Box, Text_fill_chk->isChecked());
    if (Text_fill_chk->isChecked())
        setGradientControlsEnabled(gradient);
    SetObjEnabled(Text_Border_Box, Text_border_chk->isChecked());
}

void TextPanel::writeTo(SKTGraphic& g, bool withText) const {
    if (Text_border_chk->isChecked()) {
        g._isDrawingStroke = true;
        g._strokeColor = Text_bordr_clr->color();
        g._strokeWidth = Text_bor_Stepper->value();
    } else {
        g._isDrawingStroke = false;
    }
    g._stroke_border_type = dashCodeOfIndex(Text_border_style->currentIndex());
    if (Text_fill_chk->isChecked()) {
        g._isDrawingFill = true;
        g._fillColor = Text_fill_clr->color();
    } else {
        g._isDrawingFill = false;
    }
    g._fill_type = Text_gradient_fill_rd->isChecked() ? FillStyleCode::Gradient : FillStyleCode::Solid;
    g._fill_Grad_clr1 = Text_fill_Grd_1_clr->color();
    g._fill_Grad_clr2 = Text_fill_Grd_2_clr->color();
    g._fill_grad_angle = Text_grad_Stepper->value();
    g.txt_clr = Text_clr->color();
    g.text_ctrl_font = Text_font;
    if (withText)
        g.Set_text_value(Text_value_Edit->toPlainText());
    g.alpha_val = float(Text_alpha_Stepper->value()) / 100.0f;
    // A list that shows no item (a stored value it does not hold) leaves
    // each text's own value.
    const auto index = [](const QComboBox* combo, int& field) {
        if (combo->currentIndex() >= 0)
            field = combo->currentIndex();
    };
    index(Text_vert_align_combo, g.text_alignmnet_Vert);
    index(Text_align_combo, g.text_alignmnet);
    index(Text_case_combo, g.text_transfrom_case);
    g.text_kerning = float(Text_Kern_Stepper->value());
    g.Drawing_Shadow = draw_shadow_chkbox->isChecked();
    g.text_rotation = txt_rotation_slidr_val->value();
    g.Shadow_Color = Shadow_clr->color();
    g.Shadow_offset_X = float(shadow_x_Stepper->value());
    g.Shadow_offset_Y = float(shadow_y_Stepper->value());
    g.Shadow_blur = float(shadow_blur_Stepper->value());
    g.Shadow_transparency = float(shadow_transp_Stepper->value()) / 100.0f;
}

void TextPanel::setGradientControlsEnabled(bool gradient) {
    Text_fill_clr->setEnabled(!gradient);
    for (QWidget* w : std::initializer_list<QWidget*>{Text_fill_Grd_1_clr, Text_fill_Grd_2_clr, Text_grad_Stepper})
        w->setEnabled(gradient);
}

void TextPanel::borderBoxFollowsCheck() {
    SetObjEnabled(Text_Border_Box, Text_border_chk->isChecked());
}

void TextPanel::fillBoxFollowsCheck() {
    if (!Text_fill_chk->isChecked()) {
        SetObjEnabled(Text_Fill_Box, false);
        return;
    }
    SetObjEnabled(Text_Fill_Box, true);
    setGradientControlsEnabled(Text_gradient_fill_rd->isChecked());
}

void TextPanel::selectSolidFill() {
    Show_Hide_Text_Transp_Ctrl(false);
    setQuietly(Text_solid_fill_rd, true);
    setGradientControlsEnabled(false);
}

void TextPanel::selectGradientFill() {
    Show_Hide_Text_Transp_Ctrl(true);
    setQuietly(Text_gradient_fill_rd, true);
    setGradientControlsEnabled(true);
}

void TextPanel::shadowBoxFollowsCheck() {
    SetObjEnabled(shadow_box, draw_shadow_chkbox->isChecked());
}

void TextPanel::Show_Hide_Text_Transp_Ctrl(bool hide) {
    text_alpha_lbl->setVisible(!hide);
    Text_alpha_Stepper->setVisible(!hide);
}

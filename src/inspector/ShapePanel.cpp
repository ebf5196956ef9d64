#include "inspector/ShapePanel.h"

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
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

using namespace zelk;

ShapePanel::ShapePanel(QWidget* shelf) : QObject(shelf) {
    shape_tab = new QWidget(shelf);
    QBoxLayout* page = makePage(shape_tab);
    Shape_prop_title = new QLabel;
    Shape_prop_title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    page->addWidget(Shape_prop_title);

    auto* general = new QGroupBox;
    QFormLayout* form = makeBoxForm(general);
    shape_rotation_slidr = new QSlider(Qt::Horizontal);
    shape_rotation_slidr->setRange(-360, 360);
    shape_rotation_slidr_val = makeSpin(-360, 360);
    form->addRow(QStringLiteral("Rotation"), inRow({shape_rotation_slidr, shape_rotation_slidr_val}, false));
    shape_cor_radius_Label = new QLabel(QStringLiteral("Corner radius"));
    shape_cor_radius_Stepper = makeDoubleSpin(0, 500, 1);
    shape_cor_radius_Stepper->setSingleStep(0.5);
    form->addRow(shape_cor_radius_Label, shape_cor_radius_Stepper);
    double_star_Label = new QLabel(QStringLiteral("Star kind"));
    double_star_Stepper = makeSpin(1, 5);
    form->addRow(double_star_Label, double_star_Stepper);
    polygon_Label = new QLabel(QStringLiteral("Sides"));
    polygon_Stepper = makeSpin(3, 12);
    form->addRow(polygon_Label, polygon_Stepper);
    page->addWidget(general);

    Shape_border_chk = new QCheckBox(QStringLiteral("Border"));
    page->addWidget(Shape_border_chk);
    Shape_Border_Box = new QGroupBox;
    QFormLayout* border = makeBoxForm(Shape_Border_Box);
    shape_bor_Stepper = makeSpin(0, 50);
    border->addRow(QStringLiteral("Width (pt)"), shape_bor_Stepper);
    shape_bordr_clr = new ColorWell;
    border->addRow(QStringLiteral("Colour"), shape_bordr_clr);
    shape_border_style = makeCombo(dashStyleItems());
    border->addRow(QStringLiteral("Style"), shape_border_style);
    page->addWidget(Shape_Border_Box);

    Shape_fill_chk = new QCheckBox(QStringLiteral("Fill"));
    page->addWidget(Shape_fill_chk);
    Shape_Fill_Box = new QGroupBox;
    QFormLayout* fill = makeBoxForm(Shape_Fill_Box);
    Shape_solid_fill_rd = new QRadioButton(QStringLiteral("Solid"));
    Shape_gradient_fill_rd = new QRadioButton(QStringLiteral("Gradient"));
    Shape_Style_fill_rd = new QRadioButton(QStringLiteral("Hatch"));
    auto* kinds = new QButtonGroup(Shape_Fill_Box);
    for (QRadioButton* r : {Shape_solid_fill_rd, Shape_gradient_fill_rd, Shape_Style_fill_rd})
        kinds->addButton(r);
    fill->addRow(inRow({Shape_solid_fill_rd, Shape_gradient_fill_rd, Shape_Style_fill_rd}));
    shape_fill_clr = new ColorWell;
    fill->addRow(QStringLiteral("Colour"), shape_fill_clr);
    shape_fill_Grd_1_clr = new ColorWell;
    shape_fill_Grd_2_clr = new ColorWell;
    fill->addRow(QStringLiteral("Gradient"), inRow({shape_fill_Grd_1_clr, shape_fill_Grd_2_clr}));
    shape_grad_Stepper = makeSpin(0, 360);
    fill->addRow(QStringLiteral("Angle"), shape_grad_Stepper);
    shape_hatch_style = makeCombo(hatchStyleNames());
    fill->addRow(QStringLiteral("Hatch"), shape_hatch_style);
    shape_hatch_bk_clr = new ColorWell;
    fill->addRow(QStringLiteral("Behind hatch"), shape_hatch_bk_clr);
    shape_alpha_lbl = new QLabel(QStringLiteral("Opacity (%)"));
    shape_alpha_Stepper = makeSpin(0, 100);
    fill->addRow(shape_alpha_lbl, shape_alpha_Stepper);
    page->addWidget(Shape_Fill_Box);
    page->addStretch(1);
}

void ShapePanel::load(const SKTGraphic& g, bool locked) {
    const QString code = g.Get_shape_type();
    const bool rounded = !locked && code == ShapeCode::RoundedRectangle;
    const bool doubleStar = !locked && code == ShapeCode::DoubleStar;
    const bool polygon = !locked && code == ShapeCode::Polygon;
    shape_cor_radius_Label->setVisible(rounded);
    shape_cor_radius_Stepper->setVisible(rounded);
    double_star_Label->setVisible(doubleStar);
    double_star_Stepper->setVisible(doubleStar);
    polygon_Label->setVisible(polygon);
    polygon_Stepper->setVisible(polygon);

    setQuietly(shape_rotation_slidr, g.text_rotation);
    setQuietly(shape_rotation_slidr_val, g.text_rotation);
    setQuietly(Shape_border_chk, g._isDrawingStroke);
    setQuietly(shape_bor_Stepper, wholeWidth(g._strokeWidth));
    setQuietly(shape_bordr_clr, g._strokeColor);
    if (const int dash = dashIndexOfCode(g._stroke_border_type); dash >= 0)
        shape_border_style->setCurrentIndex(dash);
    setQuietly(Shape_fill_chk, g._isDrawingFill);
    setQuietly(shape_fill_clr, g._fillColor);
    const QString style = g._fill_type == FillStyleCode::Gradient || g._fill_type == FillStyleCode::Hatch
                              ? g._fill_type
                              : FillStyleCode::Solid;
    setQuietly(style == FillStyleCode::Gradient ? Shape_gradient_fill_rd
               : style == FillStyleCode::Hatch  ? Shape_Style_fill_rd
                                                : Shape_solid_fill_rd,
               true);
    Show_Hide_Shape_Transp_Ctrl(style == FillStyleCode::Gradient);
    setQuietly(shape_fill_Grd_1_clr, g._fill_Grad_clr1);
    setQuietly(shape_fill_Grd_2_clr, g._fill_Grad_clr2);
    setQuietly(shape_hatch_bk_clr, g._fill_htch_clr);
    shape_hatch_style->setCurrentIndex(g._fill_hatch_type.isEmpty() ? -1
                                                                     : shape_hatch_style->findText(g._fill_hatch_type));
    setQuietly(shape_grad_Stepper, wholeWidth(g._fill_grad_angle));
    setQuietly(shape_alpha_Stepper, percentOfFraction(g.alpha_val));
    setQuietly(shape_cor_radius_Stepper, g.cor_rad_val);
    setQuietly(double_star_Stepper, g.double_star_type);
    setQuietly(polygon_Stepper, g.polygon_type);

    SetObjEnabled(Shape_Border_Box, Shape_border_chk->isChecked());
    SetObjEnabled(Shape_Fill_Box, Shape_fill_chk->isChecked());
    enableStyleControls(style);
}

void ShapePanel::writeTo(SKTGraphic& g) const {
    g._isDrawingStroke = Shape_border_chk->isChecked();
    if (g._isDrawingStroke) {
        g._strokeColor = shape_bordr_clr->color();
        g._strokeWidth = shape_bor_Stepper->value();
    }
    g._stroke_border_type = dashCodeOfIndex(shape_border_style->currentIndex());
    g._isDrawingFill = Shape_fill_chk->isChecked();
    if (g._isDrawingFill)
        g._fillColor = shape_fill_clr->color();
    g._fill_type = Shape_gradient_fill_rd->isChecked() ? FillStyleCode::Gradient
                   : Shape_Style_fill_rd->isChecked()  ? FillStyleCode::Hatch
                                                       : FillStyleCode::Solid;
    g._fill_Grad_clr1 = shape_fill_Grd_1_clr->color();
    g._fill_Grad_clr2 = shape_fill_Grd_2_clr->color();
    g._fill_grad_angle = shape_grad_Stepper->value();
    g._fill_htch_clr = shape_hatch_bk_clr->color();
    g._fill_hatch_type = shape_hatch_style->currentIndex() >= 0 ? shape_hatch_style->currentText() : QString();
    g.alpha_val = float(shape_alpha_Stepper->value()) / 100.0f;
    g.cor_rad_val = float(shape_cor_radius_Stepper->value());
    g.double_star_type = double_star_Stepper->value();
    g.polygon_type = polygon_Stepper->value();
    g.text_rotation = shape_rotation_slidr_val->value();
}

void ShapePanel::enableStyleControls(const QString& fillStyle) {
    const bool gradient = fillStyle == FillStyleCode::Gradient;
    const bool hatch = fillStyle == FillStyleCode::Hatch;
    for (QWidget* w : std::initializer_list<QWidget*>{shape_fill_Grd_1_clr, shape_fill_Grd_2_clr, shape_grad_Stepper})
        w->setEnabled(gradient);
    shape_hatch_style->setEnabled(hatch);
    shape_hatch_bk_clr->setEnabled(hatch);
    shape_fill_clr->setEnabled(!gradient && !hatch);
}

void ShapePanel::borderBoxFollowsCheck() {
    SetObjEnabled(Shape_Border_Box, Shape_border_chk->isChecked());
}

void ShapePanel::fillBoxFollowsCheck() {
    if (!Shape_fill_chk->isChecked()) {
        SetObjEnabled(Shape_Fill_Box, false);
        return;
    }
    SetObjEnabled(Shape_Fill_Box, true);
    enableStyleControls(Shape_gradient_fill_rd->isChecked() ? FillStyleCode::Gradient
                        : Shape_Style_fill_rd->isChecked()  ? FillStyleCode::Hatch
                                                            : FillStyleCode::Solid);
}

void ShapePanel::selectSolidFill() {
    Show_Hide_Shape_Transp_Ctrl(false);
    setQuietly(Shape_solid_fill_rd, true);
    enableStyleControls(FillStyleCode::Solid);
}

void ShapePanel::selectGradientFill() {
    Show_Hide_Shape_Transp_Ctrl(true);
    setQuietly(Shape_gradient_fill_rd, true);
    enableStyleControls(FillStyleCode::Gradient);
}

void ShapePanel::selectHatchFill() {
    Show_Hide_Shape_Transp_Ctrl(false);
    setQuietly(Shape_Style_fill_rd, true);
    enableStyleControls(FillStyleCode::Hatch);
}

void ShapePanel::Show_Hide_Shape_Transp_Ctrl(bool hide) {
    shape_alpha_lbl->setVisible(!hide);
    shape_alpha_Stepper->setVisible(!hide);
}

void ShapePanel::rotationFieldFollowsSlider() {
    setQuietly(shape_rotation_slidr_val, shape_rotation_slidr->value());
}

void ShapePanel::rotationSliderFollowsField() {
    setQuietly(shape_rotation_slidr, shape_rotation_slidr_val->value());
}

#include "inspector/ImagePanel.h"

#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/ColorWell.h"
#include "inspector/DoubleSlider.h"
#include "inspector/InspectorRules.h"
#include "inspector/PanelKit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace zelk;

ImagePanel::ImagePanel(QWidget* shelf) : QObject(shelf) {
    image_tab = new QWidget(shelf);
    QBoxLayout* page = makePage(image_tab);

    Image_border_chk = new QCheckBox(QStringLiteral("Border"));
    page->addWidget(Image_border_chk);
    Image_Border_Box = new QGroupBox;
    QFormLayout* border = makeBoxForm(Image_Border_Box);
    Image_bor_Stepper = makeSpin(0, 50);
    border->addRow(QStringLiteral("Width (pt)"), Image_bor_Stepper);
    Image_bordr_clr = new ColorWell;
    border->addRow(QStringLiteral("Colour"), Image_bordr_clr);
    Image_border_style = makeCombo(dashStyleItems());
    border->addRow(QStringLiteral("Style"), Image_border_style);
    page->addWidget(Image_Border_Box);

    draw_image_filter_chkbox = new QCheckBox(QStringLiteral("Photo filters"));
    page->addWidget(draw_image_filter_chkbox);
    Image_Edit_Prop_Box = new QGroupBox;
    QFormLayout* form = makeBoxForm(Image_Edit_Prop_Box);
    addSlider(form, QStringLiteral("Rotation"), Rotate_slidr, Rotate_slidr_val, -180, 180, 0);
    addSlider(form, QStringLiteral("Opacity"), Trsp_slidr, Trsp_slidr_val, 0, 100, 0);
    addSlider(form, QStringLiteral("Hue"), Hue_slidr, Hue_slidr_val, -3.14, 3.14, 2);
    addSlider(form, QStringLiteral("Saturation"), Sat_slidr, Sat_slidr_val, 0, 2, 2);
    addSlider(form, QStringLiteral("Brightness"), Brt_slidr, Brt_slidr_val, -1, 1, 2);
    addSlider(form, QStringLiteral("Contrast"), Con_slidr, Con_slidr_val, 0.25, 4, 2);
    addSlider(form, QStringLiteral("Sharpness"), shrp_slidr, shrp_slidr_val, 0, 2, 2);
    addSlider(form, QStringLiteral("Exposure"), ev_slidr, ev_slidr_val, -10, 10, 2);
    addSlider(form, QStringLiteral("Blur"), blr_slidr, blr_slidr_val, 0, 20, 1);
    Image_Gray_Scale_chk = new QCheckBox(QStringLiteral("Grayscale"));
    Image_Sepia_chk = new QCheckBox(QStringLiteral("Sepia"));
    Image_Invert_chk = new QCheckBox(QStringLiteral("Invert"));
    form->addRow(inRow({Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk}));
    Image_FIH_chk = new QCheckBox(QStringLiteral("Flip horizontally"));
    Image_FIV_chk = new QCheckBox(QStringLiteral("Flip vertically"));
    form->addRow(inRow({Image_FIH_chk, Image_FIV_chk}));
    page->addWidget(Image_Edit_Prop_Box);
    image_reset_btn = new QPushButton(QStringLiteral("Reset"));
    page->addWidget(inRow({image_reset_btn}));
    page->addStretch(1);
}

void ImagePanel::addSlider(QFormLayout* form, const QString& label, DoubleSlider*& slider, QDoubleSpinBox*& field,
                           double minimum, double maximum, int decimals) {
    slider = new DoubleSlider(minimum, maximum, decimals == 0 ? int(maximum - minimum) : 200);
    field = makeDoubleSpin(minimum, maximum, decimals);
    field->setFixedWidth(70);
    form->addRow(label, inRow({slider, field}, false));
}

QList<std::pair<DoubleSlider*, QDoubleSpinBox*>> ImagePanel::sliderPairs() const {
    return {{Rotate_slidr, Rotate_slidr_val}, {Trsp_slidr, Trsp_slidr_val}, {Hue_slidr, Hue_slidr_val},
            {Sat_slidr, Sat_slidr_val},       {Brt_slidr, Brt_slidr_val},   {Con_slidr, Con_slidr_val},
            {shrp_slidr, shrp_slidr_val},     {ev_slidr, ev_slidr_val},     {blr_slidr, blr_slidr_val}};
}

void ImagePanel::load(const SKTGraphic& g) {
    setQuietly(Image_border_chk, g._isDrawingStroke);
    SetObjEnabled(Image_Border_Box, g._isDrawingStroke);
    setQuietly(Image_bor_Stepper, wholeWidth(g._strokeWidth));
    setQuietly(Image_bordr_clr, g._strokeColor);
    if (const int dash = dashIndexOfCode(g._stroke_border_type); dash >= 0)
        Image_border_style->setCurrentIndex(dash);
    setQuietly(draw_image_filter_chkbox, true);
    SetObjEnabled(Image_Edit_Prop_Box, true);
    const float values[] = {g.rotate_image, g.img_trnsp_val, g.hue_val, g.sat_val, g.brt_val,
                            g.con_val,      g.srp_val,       g.ev_val,  g.blr_val};
    const auto pairs = sliderPairs();
    for (int i = 0; i < pairs.size(); ++i) {
        setQuietly(pairs[i].first, values[i]);
        setQuietly(pairs[i].second, values[i]);
    }
    setQuietly(Image_Gray_Scale_chk, g.gray_Scale);
    setQuietly(Image_Sepia_chk, g.Sepia);
    setQuietly(Image_Invert_chk, g.invert_clr);
    setQuietly(Image_FIV_chk, g._isFlippedVertically);
    setQuietly(Image_FIH_chk, g._isFlippedHorizontally);
}

void ImagePanel::writeTo(SKTGraphic& g) const {
    g._isDrawingStroke = Image_border_chk->isChecked();
    if (g._isDrawingStroke) {
        g._strokeColor = Image_bordr_clr->color();
        g._strokeWidth = Image_bor_Stepper->value();
    }
    g._stroke_border_type = dashCodeOfIndex(Image_border_style->currentIndex());
    g._isFlippedHorizontally = Image_FIH_chk->isChecked();
    g._isFlippedVertically = Image_FIV_chk->isChecked();
    g.invert_clr = Image_Invert_chk->isChecked();
    g.gray_Scale = Image_Gray_Scale_chk->isChecked();
    g.Sepia = Image_Sepia_chk->isChecked();
    // Pictures draw no shadow whatever this says (see SKTImage's drawing).
    g.Drawing_Shadow = true;
    float* fields[] = {&g.rotate_image, &g.img_trnsp_val, &g.hue_val, &g.sat_val, &g.brt_val,
                       &g.con_val,      &g.srp_val,       &g.ev_val,  &g.blr_val};
    const auto pairs = sliderPairs();
    for (int i = 0; i < pairs.size(); ++i)
        *fields[i] = float(pairs[i].second->value());
}

void ImagePanel::resetControls() {
    // Rotation, transparency, hue, saturation, brightness, contrast,
    // sharpness, exposure, blur.
    const double plain[] = {0, 100, 0, 1, 0, 1, 0, 0, 0};
    const auto pairs = sliderPairs();
    for (int i = 0; i < pairs.size(); ++i) {
        setQuietly(pairs[i].first, plain[i]);
        setQuietly(pairs[i].second, plain[i]);
    }
    for (QCheckBox* box : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIH_chk, Image_FIV_chk})
        setQuietly(box, false);
    setQuietly(draw_image_filter_chkbox, true);
    SetObjEnabled(Image_Edit_Prop_Box, true);
    setQuietly(Image_border_chk, false);
    SetObjEnabled(Image_Border_Box, false);
    setQuietly(Image_bor_Stepper, 1);
    {
        const QSignalBlocker quiet(Image_border_style);
        Image_border_style->setCurrentIndex(0);
    }
    setQuietly(Image_bordr_clr, QColor(Qt::black));
}

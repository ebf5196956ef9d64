#include "imaging/ImageEditControls.h"

#include "inspector/DoubleSlider.h"
#include "mainwindow/AppGlobals.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

QGroupBox* ImageEditControls::buildEditingBox(QObject* context, std::function<void()> changed,
                                              std::function<void()> resetAsked) {
    Image_Edit_Prop_Box = new QGroupBox(QStringLiteral("Image Settings"));
    auto* form = new QGridLayout(Image_Edit_Prop_Box);
    form->setVerticalSpacing(2);
    int row = 0;
    auto add = [&](const QString& label, DoubleSlider*& slider, QLabel*& field, double lo, double hi, int decimals) {
        slider = new DoubleSlider(lo, hi, decimals == 0 ? int(hi - lo) : 200);
        field = new QLabel;
        field->setMinimumWidth(40);
        form->addWidget(new QLabel(label), row, 0);
        form->addWidget(slider, row, 1);
        form->addWidget(field, row, 2);
        ++row;
        QObject::connect(slider, &DoubleSlider::doubleValueChanged, context, [changed, field, decimals](double v) {
            field->setText(QString::number(v, 'f', decimals));
            changed();
        });
    };
    add(QStringLiteral("Rotation"), Rotate_slidr, Rotate_slidr_val, -180, 180, 0);
    add(QStringLiteral("Opacity"), Trsp_slidr, Trsp_slidr_val, 0, 100, 0);
    add(QStringLiteral("Hue"), Hue_slidr, Hue_slidr_val, -3.14, 3.14, 2);
    add(QStringLiteral("Saturation"), Sat_slidr, Sat_slidr_val, 0, 2, 2);
    add(QStringLiteral("Brightness"), Brt_slidr, Brt_slidr_val, -1, 1, 2);
    add(QStringLiteral("Contrast"), Con_slidr, Con_slidr_val, 0.25, 4, 2);
    add(QStringLiteral("Sharpness"), shrp_slidr, shrp_slidr_val, 0, 2, 2);
    add(QStringLiteral("Exposure"), ev_slidr, ev_slidr_val, -10, 10, 2);
    add(QStringLiteral("Blur"), blr_slidr, blr_slidr_val, 0, 20, 1);
    auto* checks = new QGridLayout;
    auto check = [&](QCheckBox*& box, const QString& text, int r, int c) {
        box = new QCheckBox(text);
        checks->addWidget(box, r, c);
        QObject::connect(box, &QCheckBox::toggled, context, [changed] { changed(); });
    };
    check(Image_Gray_Scale_chk, QStringLiteral("Grayscale"), 0, 0);
    check(Image_Sepia_chk, QStringLiteral("Sepia"), 0, 1);
    check(Image_Invert_chk, QStringLiteral("Invert"), 0, 2);
    check(Image_FIH_chk, QStringLiteral("Flip horizontal"), 1, 0);
    check(Image_FIV_chk, QStringLiteral("Flip vertical"), 1, 1);
    auto* reset = new QPushButton(QStringLiteral("Reset"));
    checks->addWidget(reset, 1, 2);
    QObject::connect(reset, &QPushButton::clicked, context, [resetAsked] { resetAsked(); });
    form->addLayout(checks, row, 0, 1, 3);
    return Image_Edit_Prop_Box;
}

void ImageEditControls::Reset_Image_Editing_Controls() {
    const QSignalBlocker b1(Rotate_slidr), b2(Trsp_slidr), b3(Hue_slidr), b4(Sat_slidr), b5(Brt_slidr),
        b6(Con_slidr), b7(shrp_slidr), b8(ev_slidr), b9(blr_slidr), c1(Image_Gray_Scale_chk),
        c2(Image_Sepia_chk), c3(Image_Invert_chk), c4(Image_FIV_chk), c5(Image_FIH_chk);
    const std::pair<DoubleSlider*, std::pair<QLabel*, double>> resets[] = {
        {Rotate_slidr, {Rotate_slidr_val, 0}}, {Trsp_slidr, {Trsp_slidr_val, 100}}, {Hue_slidr, {Hue_slidr_val, 0}},
        {Sat_slidr, {Sat_slidr_val, 1}},       {Brt_slidr, {Brt_slidr_val, 0}},     {Con_slidr, {Con_slidr_val, 1}},
        {shrp_slidr, {shrp_slidr_val, 0}},     {ev_slidr, {ev_slidr_val, 0}},       {blr_slidr, {blr_slidr_val, 0}},
    };
    for (const auto& [slider, field] : resets) {
        slider->setDoubleValue(field.second);
        field.first->setText(QString::number(field.second));
    }
    for (QCheckBox* c : {Image_Gray_Scale_chk, Image_Sepia_chk, Image_Invert_chk, Image_FIV_chk, Image_FIH_chk})
        c->setChecked(false);
}

zelk::CropEditSettings ImageEditControls::editSettings() const {
    zelk::CropEditSettings e;
    e.grayscale = Image_Gray_Scale_chk->isChecked();
    e.sepia = Image_Sepia_chk->isChecked();
    e.invert = Image_Invert_chk->isChecked();
    e.flipH = Image_FIH_chk->isChecked();
    e.flipV = Image_FIV_chk->isChecked();
    e.rotate = float(Rotate_slidr->doubleValue());
    e.transparency = float(Trsp_slidr->doubleValue());
    e.hue = float(Hue_slidr->doubleValue());
    e.saturation = float(Sat_slidr->doubleValue());
    e.brightness = float(Brt_slidr->doubleValue());
    e.contrast = float(Con_slidr->doubleValue());
    e.sharpness = float(shrp_slidr->doubleValue());
    e.exposure = float(ev_slidr->doubleValue());
    e.blur = float(blr_slidr->doubleValue());
    return e;
}

zelk::CropEditSettings ImageEditControls::storeEditSettings() const {
    const zelk::CropEditSettings e = editSettings();
    ::IMG_gray_Scale = e.grayscale;
    ::IMG_Sepia = e.sepia;
    ::IMG_invert_clr = e.invert;
    ::IMG_rotate_image = e.rotate;
    ::IMG_trnsp_val = e.transparency;
    ::IMG_hue_val = e.hue;
    ::IMG_sat_val = e.saturation;
    ::IMG_brt_val = e.brightness;
    ::IMG_con_val = e.contrast;
    ::IMG_srp_val = e.sharpness;
    ::IMG_ev_val = e.exposure;
    ::IMG_blr_val = e.blur;
    return e;
}

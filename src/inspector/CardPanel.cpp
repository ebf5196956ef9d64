#include "inspector/CardPanel.h"

#include "dialogs/TextBox.h"
#include "foundation/Card_Property.h"
#include "foundation/Codes.h"
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
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <algorithm>
#include <cmath>

using namespace zelk;

CardPanel::CardPanel(QWidget* shelf) : QObject(shelf) {
    card_info_tab = new QWidget(shelf);
    card_size_tab = new QWidget(shelf);
    card_bkgd_tab = new QWidget(shelf);
    card_brdr_tab = new QWidget(shelf);
    buildInfoPage();
    buildSizePage();
    buildBackgroundPage();
    buildBorderPage();
}

void CardPanel::buildInfoPage() {
    QBoxLayout* page = makePage(card_info_tab);
    auto* card = new QGroupBox(QStringLiteral("Card"));
    QFormLayout* form = makeBoxForm(card);
    card_name = new QLineEdit;
    form->addRow(QStringLiteral("Name"), card_name);
    Sides_ComboBox = makeCombo({QStringLiteral("Two sides"), QStringLiteral("One side")});
    form->addRow(QStringLiteral("Sides"), Sides_ComboBox);
    matrix_card_shape = new QButtonGroup(card);
    auto* shapes = new QWidget;
    auto* shapeRow = new QHBoxLayout(shapes);
    shapeRow->setContentsMargins(0, 0, 0, 0);
    const char* names[] = {"Rectangle", "Rounded", "Oval"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(names[i]));
        matrix_card_shape->addButton(r, i);
        shapeRow->addWidget(r);
    }
    shapeRow->addStretch(1);
    form->addRow(QStringLiteral("Shape"), shapes);
    page->addWidget(card);

    auto* content = new QGroupBox(QStringLiteral("Content of all texts"));
    QFormLayout* c = makeBoxForm(content);
    All_Text_clr = new ColorWell;
    c->addRow(QStringLiteral("Colour"), All_Text_clr);
    All_Text_font_value = new QLineEdit;
    All_Text_font_value->setReadOnly(true);
    all_content_font_btn = new QPushButton(QStringLiteral("Font..."));
    c->addRow(QStringLiteral("Font"), inRow({All_Text_font_value, all_content_font_btn}, false));
    page->addWidget(content);
    page->addStretch(1);
}

void CardPanel::buildSizePage() {
    QBoxLayout* page = makePage(card_size_tab);
    auto* preset = new QGroupBox(QStringLiteral("Preset"));
    QFormLayout* form = makeBoxForm(preset);
    Preset_ComboBox = makeCombo({QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("Custom")});
    Preset_ComboBox->setObjectName(QStringLiteral("Preset_ComboBox"));
    form->addRow(QStringLiteral("Orientation"), Preset_ComboBox);
    Category_ComboBox = makeCombo({QStringLiteral("Plastic"), QStringLiteral("Paper")});
    Category_ComboBox->setObjectName(QStringLiteral("Category_ComboBox"));
    form->addRow(QStringLiteral("Category"), Category_ComboBox);
    ColList = new QTableView;
    ColList->setObjectName(QStringLiteral("ColList"));
    ColList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ColList->setSelectionMode(QAbstractItemView::SingleSelection);
    ColList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ColList->horizontalHeader()->setStretchLastSection(true);
    ColList->horizontalHeader()->hide();
    ColList->verticalHeader()->hide();
    ColList->setMinimumHeight(130);
    form->addRow(ColList);
    page->addWidget(preset);

    card_size_box = new QGroupBox(QStringLiteral("Card Size (mm)"));
    QFormLayout* size = makeBoxForm(card_size_box);
    // Seven decimals carry a size through every unit (85.6 mm = 3.3700786 in).
    width_Stepper = new SizeField(0, 10000, 7);
    height_Stepper = new SizeField(0, 10000, 7);
    unit_width_label = new QLabel(QStringLiteral("(mm)"));
    unit_height_label = new QLabel(QStringLiteral("(mm)"));
    size->addRow(QStringLiteral("Width"), inRow({width_Stepper, unit_width_label}));
    size->addRow(QStringLiteral("Height"), inRow({height_Stepper, unit_height_label}));
    apply_size_btn = new QPushButton(QStringLiteral("Apply"));
    page_frm_printer_btn = new QPushButton(QStringLiteral("Page from Printer..."));
    size->addRow(inRow({apply_size_btn, page_frm_printer_btn}));
    page->addWidget(card_size_box);
    page->addStretch(1);
}

void CardPanel::buildBackgroundPage() {
    QBoxLayout* page = makePage(card_bkgd_tab);
    Card_fill_chk = new QCheckBox(QStringLiteral("Fill"));
    page->addWidget(Card_fill_chk);
    Card_Fill_Box = new QGroupBox;
    QFormLayout* fill = makeBoxForm(Card_Fill_Box);
    Card_solid_fill_rd = new QRadioButton(QStringLiteral("Solid"));
    Card_gradient_fill_rd = new QRadioButton(QStringLiteral("Gradient"));
    Card_Style_fill_rd = new QRadioButton(QStringLiteral("Hatch"));
    Card_Image_fill_rd = new QRadioButton(QStringLiteral("Picture"));
    auto* kinds = new QButtonGroup(Card_Fill_Box);
    for (QRadioButton* r : {Card_solid_fill_rd, Card_gradient_fill_rd, Card_Style_fill_rd, Card_Image_fill_rd})
        kinds->addButton(r);
    fill->addRow(inRow({Card_solid_fill_rd, Card_gradient_fill_rd}));
    fill->addRow(inRow({Card_Style_fill_rd, Card_Image_fill_rd}));
    Card_fill_clr = new ColorWell;
    fill->addRow(QStringLiteral("Colour"), Card_fill_clr);
    Card_fill_Grd_1_clr = new ColorWell;
    Card_fill_Grd_2_clr = new ColorWell;
    fill->addRow(QStringLiteral("Gradient"), inRow({Card_fill_Grd_1_clr, Card_fill_Grd_2_clr}));
    Card_grad_Stepper = makeDoubleSpin(0, 360, 1);
    fill->addRow(QStringLiteral("Angle"), Card_grad_Stepper);
    Card_hatch_style = makeCombo(hatchStyleNames());
    fill->addRow(QStringLiteral("Hatch"), Card_hatch_style);
    Card_hatch_bk_clr = new ColorWell;
    fill->addRow(QStringLiteral("Behind hatch"), Card_hatch_bk_clr);
    Card_alpha_lbl = new QLabel(QStringLiteral("Opacity (%)"));
    Card_alpha_Stepper = makeSpin(0, 100);
    fill->addRow(Card_alpha_lbl, Card_alpha_Stepper);
    page->addWidget(Card_Fill_Box);

    Card_image_box = new QGroupBox(QStringLiteral("Picture"));
    QFormLayout* image = makeBoxForm(Card_image_box);
    Card_Image_path = new zelk::TextBox;
    Card_Image_path_BACK = new zelk::TextBox;
    for (QPlainTextEdit* path : {Card_Image_path, Card_Image_path_BACK}) {
        path->setReadOnly(true);
        path->setFixedHeight(48);
        image->addRow(path);
    }
    Card_image_layout = makeCombo({QStringLiteral("Stretch"), QStringLiteral("Tile")});
    image->addRow(QStringLiteral("Layout"), Card_image_layout);
    card_image_browse_btn = new QPushButton(QStringLiteral("Browse..."));
    card_image_library_btn = new QPushButton(QStringLiteral("Library..."));
    image->addRow(inRow({card_image_browse_btn, card_image_library_btn}));
    page->addWidget(Card_image_box);
    page->addStretch(1);
}

void CardPanel::buildBorderPage() {
    QBoxLayout* page = makePage(card_brdr_tab);
    Card_border_chk = new QCheckBox(QStringLiteral("Border"));
    page->addWidget(Card_border_chk);
    Card_Border_Box = new QGroupBox;
    QFormLayout* border = makeBoxForm(Card_Border_Box);
    Card_bor_Stepper = makeSpin(0, 50);
    border->addRow(QStringLiteral("Width (pt)"), Card_bor_Stepper);
    Card_bordr_clr = new ColorWell;
    border->addRow(QStringLiteral("Colour"), Card_bordr_clr);
    Card_border_style = makeCombo(dashStyleItems());
    border->addRow(QStringLiteral("Style"), Card_border_style);
    page->addWidget(Card_Border_Box);

    enable_watermark_chk = new QCheckBox(QStringLiteral("Watermark"));
    page->addWidget(enable_watermark_chk);
    watermark_box = new QGroupBox;
    QFormLayout* wm = makeBoxForm(watermark_box);
    watermark_text = new QLineEdit;
    wm->addRow(QStringLiteral("Text"), watermark_text);
    wm_font_value = new QLineEdit;
    wm_font_value->setReadOnly(true);
    wm_font_btn = new QPushButton(QStringLiteral("Font..."));
    wm->addRow(QStringLiteral("Font"), inRow({wm_font_value, wm_font_btn}, false));
    watermark_color = new ColorWell;
    wm->addRow(QStringLiteral("Colour"), watermark_color);
    wm_alignment_combo = makeCombo({QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Bottom")});
    wm->addRow(QStringLiteral("Position"), wm_alignment_combo);
    wm_transp_slider = new QSlider(Qt::Horizontal);
    wm_transp_slider->setRange(0, 100);
    wm_transp_val = makeSpin(0, 100);
    wm_transp_val->setButtonSymbols(QAbstractSpinBox::NoButtons);
    wm->addRow(QStringLiteral("Opacity (%)"), inRow({wm_transp_slider, wm_transp_val}, false));
    page->addWidget(watermark_box);
    page->addStretch(1);
}

void CardPanel::setContentFont(const QFont& font) {
    All_Text_font = font;
    All_Text_font_value->setText(fontDisplayText(font));
    All_Text_font_value->setCursorPosition(0);
}

void CardPanel::setWatermarkFont(const QFont& font) {
    WM_Text_font = font;
    wm_font_value->setText(fontDisplayText(font));
    wm_font_value->setCursorPosition(0);
}

void CardPanel::loadFace(const Card_Property& P, bool back) {
    setQuietly(Card_border_chk, P.Card_border_chk);
    setQuietly(Card_bordr_clr, P.Card_bordr_clr);
    setQuietly(Card_bor_Stepper, P.Card_bor_Stepper);
    if (const int dash = dashIndexOfCode(P.Card_border_style); dash >= 0)
        Card_border_style->setCurrentIndex(dash);
    setQuietly(Card_fill_chk, P.Card_fill_chk);
    setQuietly(Card_fill_clr, P.Card_fill_clr);
    setQuietly(Card_fill_Grd_1_clr, P.Card_fill_Grd_1_clr);
    setQuietly(Card_fill_Grd_2_clr, P.Card_fill_Grd_2_clr);
    setQuietly(Card_grad_Stepper, P.Card_grad_Stepper);
    setQuietly(Card_hatch_bk_clr, P.Card_hatch_bk_clr);
    if (P.Card_fill_style == FillStyleCode::Hatch)
        Card_hatch_style->setCurrentIndex(P.Card_hatch_style.isEmpty() ? -1
                                                                       : Card_hatch_style->findText(P.Card_hatch_style));
    setQuietly(Card_alpha_Stepper, cardOpacityPercent(P.Card_alpha_Stepper));
    QPlainTextEdit* path = back ? Card_Image_path_BACK : Card_Image_path;
    setQuietly(path, P.Card_BG_Image_Path);
    Card_Image_path->setVisible(!back);
    Card_Image_path_BACK->setVisible(back);
    Card_image_layout->setCurrentIndex(Card_image_layout->findText(P.Card_BG_Image_Layout));
    setQuietly(All_Text_clr, P.Card_Content_clr);
    All_Text_clr_COPY = P.Card_Content_clr;
    setContentFont(P.Card_Content_font);
    All_Text_font_COPY = P.Card_Content_font;
    All_Text_font_value_COPY = All_Text_font_value->text();
}

void CardPanel::loadWatermark(const Card_Property& P) {
    setQuietly(enable_watermark_chk, P.Watermark_Used);
    wm_alignment_combo->setCurrentIndex(P.Watermark_Alignment);
    const double percent = std::isfinite(P.Watermark_Transp) ? std::min(100.0, double(P.Watermark_Transp) * 100.0)
                                                             : 0.0;
    setQuietly(wm_transp_slider, int(std::lround(percent)));
    setQuietly(wm_transp_val, int(std::lround(percent)));
    watermark_text->setText(P.Watermark_Text);
    setQuietly(watermark_color, P.Watermark_Color);
    WM_Text_font = P.Watermark_Font;
    watermarkBoxFollowsCheck();
    setWatermarkFont(P.Watermark_Font);
}

void CardPanel::watermarkBoxFollowsCheck() {
    SetObjEnabled(watermark_box, enable_watermark_chk->isChecked());
}

void CardPanel::Show_Hide_Card_Transp_Ctrl(bool hide) {
    Card_alpha_lbl->setVisible(!hide);
    Card_alpha_Stepper->setVisible(!hide);
}

void CardPanel::card_prop_set(const QString& fillStyle) {
    const bool gradient = fillStyle == FillStyleCode::Gradient;
    const bool hatch = fillStyle == FillStyleCode::Hatch;
    const bool picture = fillStyle == FillStyleCode::Picture;
    const bool solid = !gradient && !hatch && !picture;
    setQuietly(gradient ? Card_gradient_fill_rd
               : hatch  ? Card_Style_fill_rd
               : picture ? Card_Image_fill_rd
                         : Card_solid_fill_rd,
               true);
    Show_Hide_Card_Transp_Ctrl(gradient || (picture && Card_image_layout->currentText() == QLatin1String("Tile")));
    SetObjEnabled(Card_Border_Box, Card_border_chk->isChecked());
    SetObjEnabled(Card_Fill_Box, Card_fill_chk->isChecked());
    // Inside the box, only the colours of the style stay on.
    Card_fill_clr->setEnabled(solid);
    for (QWidget* w : std::initializer_list<QWidget*>{Card_fill_Grd_1_clr, Card_fill_Grd_2_clr, Card_grad_Stepper})
        w->setEnabled(gradient);
    Card_hatch_style->setEnabled(hatch);
    Card_hatch_bk_clr->setEnabled(hatch);
    SetObjEnabled(Card_image_box, picture);
}

QString CardPanel::fillStyle() const {
    if (Card_gradient_fill_rd->isChecked())
        return FillStyleCode::Gradient;
    if (Card_Style_fill_rd->isChecked())
        return FillStyleCode::Hatch;
    if (Card_Image_fill_rd->isChecked())
        return FillStyleCode::Picture;
    return FillStyleCode::Solid;
}

void CardPanel::writeFace(Card_Property& P, bool back) const {
    // The opacity goes into the solid and hatch-background colours; the
    // gradient colours keep their own.
    const float a = float(Card_alpha_Stepper->value()) / 100.0f;
    const auto withOpacity = [a](QColor c) {
        c.setAlphaF(a);
        return c;
    };
    P.Card_border_chk = Card_border_chk->isChecked();
    if (P.Card_border_chk) {
        P.Card_bordr_clr = Card_bordr_clr->color();
        P.Card_bor_Stepper = Card_bor_Stepper->value();
    }
    if (const int dash = Card_border_style->currentIndex(); dash >= 0 && dash <= 4)
        P.Card_border_style = dashCodeOfIndex(dash);
    P.Card_fill_chk = Card_fill_chk->isChecked();
    if (P.Card_fill_chk)
        P.Card_fill_clr = withOpacity(Card_fill_clr->color());
    P.Card_fill_style = fillStyle();
    P.Card_fill_Grd_1_clr = Card_fill_Grd_1_clr->color();
    P.Card_fill_Grd_2_clr = Card_fill_Grd_2_clr->color();
    P.Card_grad_Stepper = int(Card_grad_Stepper->value());
    P.Card_hatch_bk_clr = withOpacity(Card_hatch_bk_clr->color());
    P.Card_hatch_style = Card_hatch_style->currentText();
    P.Card_BG_Image_Path = (back ? Card_Image_path_BACK : Card_Image_path)->toPlainText();
    P.Card_BG_Image_Layout = Card_image_layout->currentText();
    P.Card_alpha_Stepper = a;
    P.Card_Content_clr = All_Text_clr->color();
    P.Card_Content_font = All_Text_font;
}

void CardPanel::writeWatermark(Card_Property& P) const {
    P.Watermark_Used = enable_watermark_chk->isChecked();
    P.Watermark_Alignment = wm_alignment_combo->currentIndex();
    P.Watermark_Transp = float(wm_transp_slider->value()) / 100.0f;
    P.Watermark_Text = watermark_text->text();
    P.Watermark_Color = watermark_color->color();
    P.Watermark_Font = WM_Text_font;
}

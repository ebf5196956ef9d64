// The card tabs on the main window: writing them into the side's card
// properties, the card size, the background picture of each side, and the
// canvas shown.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTZoomingScrollView.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/PageSetupPanel.h"
#include "dialogs/PrintInfo.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/InspectorPanels.h"
#include "inspector/InspectorRules.h"
#include "inspector/PanelKit.h"
#include "inspector/face/ImageProcesser.h"
#include "mainwindow/AppGlobals.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <exception>

namespace {

QString selectedText(const QComboBox* combo) {
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
}

}  // namespace

// ---------------------------------------------------------------- wiring

void SKTWindowController::wireCardPanel() {
    using W = SKTWindowController;
    CardPanel* c = inspector_->card;
    connect(c->card_name, &QLineEdit::textEdited, this, [this, c] { controlTextDidChange(c->card_name); });
    connect(c->watermark_text, &QLineEdit::textEdited, this, [this, c] { controlTextDidChange(c->watermark_text); });
    connect(c->matrix_card_shape, &QButtonGroup::idClicked, this, &W::card_shape_CellClick);
    connect(c->All_Text_clr, &ColorWell::colorPicked, this, &W::Contect_Color_Clicked);
    connect(c->all_content_font_btn, &QPushButton::clicked, this, &W::Content_Font_Clicked);
    connect(c->width_Stepper, &SizeField::stepped, this, &W::Card_Width_Changed);
    connect(c->height_Stepper, &SizeField::stepped, this, &W::Card_Height_Changed);
    connect(c->apply_size_btn, &QPushButton::clicked, this, &W::Apply_Size_Clicked);
    connect(c->page_frm_printer_btn, &QPushButton::clicked, this, &W::Page_From_Printer_Click);
    connect(c->Card_fill_chk, &QCheckBox::clicked, this, &W::Card_Fill_Chk_Box);
    connect(c->Card_solid_fill_rd, &QRadioButton::clicked, this, &W::Card_Solid_RD_Sel);
    connect(c->Card_gradient_fill_rd, &QRadioButton::clicked, this, &W::Card_Gradient_RD_Sel);
    connect(c->Card_Style_fill_rd, &QRadioButton::clicked, this, &W::Card_Hatch_RD_Sel);
    connect(c->Card_Image_fill_rd, &QRadioButton::clicked, this, &W::Card_Image_RD_Sel);
    for (ColorWell* well : {c->Card_fill_clr, c->Card_fill_Grd_1_clr, c->Card_fill_Grd_2_clr, c->Card_hatch_bk_clr,
                            c->Card_bordr_clr})
        connect(well, &ColorWell::colorPicked, this, &W::Set_Card_Clr);
    connect(c->watermark_color, &ColorWell::colorPicked, this, &W::Set_watermark_Clr);
    connect(c->Card_grad_Stepper, &QDoubleSpinBox::valueChanged, this, &W::Card_Gradient_Changed);
    connect(c->Card_alpha_Stepper, &QSpinBox::valueChanged, this, &W::Card_Alpha_Changed);
    connect(c->Card_bor_Stepper, &QSpinBox::valueChanged, this, &W::Card_Border_Changed);
    connect(c->card_image_browse_btn, &QPushButton::clicked, this, &W::Card_Image_Browse_Btn);
    connect(c->card_image_library_btn, &QPushButton::clicked, this, &W::Card_Image_Library_Btn);
    connect(c->Card_border_chk, &QCheckBox::clicked, this, &W::Card_Border_ChkBox);
    connect(c->enable_watermark_chk, &QCheckBox::clicked, this, &W::Enable_Watermark_Clicked);
    connect(c->wm_font_btn, &QPushButton::clicked, this, &W::WM_Text_Font_Changed);
    connect(c->wm_transp_slider, &QSlider::valueChanged, this, &W::WM_transp_slider_changed);
    // A typed opacity moves the slider, which the card reads.
    connect(c->wm_transp_val, &QSpinBox::valueChanged, this, [this, c](int percent) {
        zelk::setQuietly(c->wm_transp_slider, percent);
        Update_Card_Graphics();
    });
    for (QComboBox* combo : {c->Sides_ComboBox, c->Card_hatch_style, c->Card_image_layout, c->Card_border_style,
                             c->wm_alignment_combo})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
}

// ---------------------------------------------------------------- writers

void SKTWindowController::Update_Card_Graphics() {
    if (::Not_Draw_Only_Prop_Change || !inspector_)
        return;
    const bool back = ::Card_Front_Or_Back != CardSide::Front;
    Card_Property& P = back ? Back_card_Prop : Front_card_Prop;
    inspector_->card->writeFace(P, back);
    Set_Card_Comman_Properties();
    inspector_->card->writeWatermark(P);
    Refresh_Canvas();
}

void SKTWindowController::Set_Card_Comman_Properties() {
    if (!inspector_)
        return;
    CardPanel* c = inspector_->card;
    const QString sides = QString::number(c->Sides_ComboBox->currentIndex() == 0 ? 2 : 1);
    const QString shape = ::Card_Shape == 0 ? QStringLiteral("R") : ::Card_Shape == 1 ? QStringLiteral("RR")
                                                                                       : QStringLiteral("E");
    QString name = Trim_Str(c->card_name->text());
    if (name.isEmpty())
        name = default_file_name;
    const QModelIndexList rows = ColList->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    for (Card_Property* P : {&Front_card_Prop, &Back_card_Prop}) {
        P->Card_Side = sides;
        P->Card_Shape = shape;
        P->Card_Name = name;
        P->Card_Location = _graphicView->cardRect().topLeft();
        P->Card_Size = _graphicView->canvasSize();
        P->Card_Preset = selectedText(Preset_ComboBox);
        P->Card_Category = selectedText(Category_ComboBox);
        // Without a selected row the list has no text to give: "" rather
        // than whatever the field last held.
        P->Card_Sub_Category = Get_Item_Text(row);
        P->Card_Cat_index = row;
        P->Card_Create_Mode = StartMode::Wizard;
    }
    Front_card_Prop.Card_Side_Name = CardSide::FrontName;
    Back_card_Prop.Card_Side_Name = ::Card_Front_Or_Back == CardSide::Back ? CardSide::BackName : CardSide::FrontName;
}

void SKTWindowController::Update_All_Card_Content() {
    if (!inspector_)
        return;
    CardPanel* c = inspector_->card;
    // Only what the user changed since the card tab was loaded reaches the
    // texts: a text recoloured on its own keeps its colour when only the
    // font changes, and the reverse.
    const bool colourChanged = c->All_Text_clr->color() != c->All_Text_clr_COPY;
    const bool fontChanged = c->All_Text_font != c->All_Text_font_COPY;
    const GraphicList& side =
        ::Card_Front_Or_Back != CardSide::Front ? Get_Back_Controls_Array() : Get_Front_Controls_Array();
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!zelk::isExactlyText(g.get()) || g->ctrl_is_locked)
            continue;
        if (colourChanged)
            g->txt_clr = c->All_Text_clr->color();
        if (fontChanged)
            g->text_ctrl_font = c->All_Text_font;
    }
    Update_Card_Graphics();
}

// ---------------------------------------------------------------- size

void SKTWindowController::Apply_Size_Clicked() {
    if (!inspector_)
        return;
    CardPanel* c = inspector_->card;
    Set_Canvas_to_100_percent();
    const float f = Get_Unit_Convertor(::Measument_Unit_Is, int(zelk::MeasureUnit::Mm));
    const float W = float(MM_to_Points_Convert(float(c->width_Stepper->value()) * f));
    const float H = float(MM_to_Points_Convert(float(c->height_Stepper->value()) * f));
    const QSizeF size(W, H);
    Set_Document_Size(size);
    SetDocumentCanvasSize(size);
    for (SKTZoomingScrollView* view : {first_view, second_view})
        view->update();
    Card_Control_Size_Change_or_not();
    Update_All_Card_Content();
}

void SKTWindowController::Set_Card_Size_In_Control(double widthMm, double heightMm) {
    if (!inspector_)
        return;
    zelk::setQuietly(inspector_->card->width_Stepper, widthMm);
    zelk::setQuietly(inspector_->card->height_Stepper, heightMm);
    ::last_unit_val = int(zelk::MeasureUnit::Mm);
    Apply_unit_Chaneg_Values();
    ::last_unit_val = ::Measument_Unit_Is;
}

void SKTWindowController::Card_Width_Changed() { Apply_Size_Clicked(); }

void SKTWindowController::Card_Height_Changed() { Apply_Size_Clicked(); }

void SKTWindowController::Page_From_Printer_Click() {
    zelk::PrintInfo chosen = printInfo();
    if (!zelk::PageSetupPanel::run(this, chosen))
        return;
    setPrintInfo(chosen);
    const QSizeF paper = chosen.paperSize(QPageSize::Millimeter);
    Set_Card_Size_In_Control(paper.width(), paper.height());
    Apply_Size_Clicked();
}

void SKTWindowController::card_shape_CellClick() {
    if (!inspector_)
        return;
    const int row = inspector_->card->matrix_card_shape->checkedId();
    if (row >= 0)
        ::Card_Shape = row;
    Apply_Size_Clicked();
    Refresh_Canvas();
}

// ---------------------------------------------------------------- actions

void SKTWindowController::Set_Card_Clr() { Update_Card_Graphics(); }

void SKTWindowController::Card_Border_ChkBox() {
    CardPanel* c = inspector_->card;
    SetObjEnabled(c->Card_Border_Box, c->Card_border_chk->isChecked());
    Update_Card_Graphics();
}

void SKTWindowController::Card_Border_Changed() { Update_Card_Graphics(); }

void SKTWindowController::Card_Gradient_Changed() { Update_Card_Graphics(); }

void SKTWindowController::Card_Alpha_Changed() { Update_Card_Graphics(); }

void SKTWindowController::Card_Fill_Chk_Box() {
    CardPanel* c = inspector_->card;
    const Card_Property& P = ::Card_Front_Or_Back == CardSide::Back ? Back_card_Prop : Front_card_Prop;
    card_prop_set(P.Card_fill_style);
    Update_Card_Graphics();
    const bool fill = c->Card_fill_chk->isChecked();
    SetObjEnabled(c->Card_Fill_Box, fill);
    SetObjEnabled(c->Card_image_box, fill && c->Card_Image_fill_rd->isChecked());
}

void SKTWindowController::Card_Solid_RD_Sel() {
    card_prop_set(FillStyleCode::Solid);
    Update_Card_Graphics();
}

void SKTWindowController::Card_Gradient_RD_Sel() {
    card_prop_set(FillStyleCode::Gradient);
    Update_Card_Graphics();
}

void SKTWindowController::Card_Hatch_RD_Sel() {
    card_prop_set(FillStyleCode::Hatch);
    Update_Card_Graphics();
}

void SKTWindowController::Card_Image_RD_Sel() {
    card_prop_set(FillStyleCode::Picture);
    Update_Card_Graphics();
}

void SKTWindowController::Show_Hide_Card_Transp_Ctrl(bool hide) {
    if (inspector_)
        inspector_->card->Show_Hide_Card_Transp_Ctrl(hide);
}

void SKTWindowController::Contect_Color_Clicked() { Update_All_Card_Content(); }

void SKTWindowController::Content_Font_Clicked() {
    if (!inspector_)
        return;
    CardPanel* c = inspector_->card;
    SetFocus(c->all_content_font_btn);
    QFontDialog dialog(this);
    dialog.setCurrentFont(c->All_Text_font);
    if (zelk::DialogRunner::run(&dialog) == 1)
        changeAllTextFont(dialog.currentFont());
}

void SKTWindowController::changeAllTextFont(const QFont& font) {
    try {
        inspector_->card->setContentFont(font);
        Update_All_Card_Content();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::WM_Text_Font_Changed() {
    if (!inspector_)
        return;
    CardPanel* c = inspector_->card;
    SetFocus(c->wm_font_btn);
    QFontDialog dialog(this);
    dialog.setCurrentFont(c->WM_Text_font);
    if (zelk::DialogRunner::run(&dialog) == 1)
        changewmTextFont(dialog.currentFont());
    Update_Card_Graphics();
}

void SKTWindowController::changewmTextFont(const QFont& font) {
    try {
        inspector_->card->setWatermarkFont(font);
        Update_Card_Graphics();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::Set_watermark_Clr() { Update_Card_Graphics(); }

void SKTWindowController::Enable_Watermark_Clicked() {
    inspector_->card->watermarkBoxFollowsCheck();
    Update_Card_Graphics();
}

void SKTWindowController::WM_transp_slider_changed() {
    CardPanel* c = inspector_->card;
    zelk::setQuietly(c->wm_transp_val, c->wm_transp_slider->value());
    Update_Card_Graphics();
}

void SKTWindowController::controlTextDidChange(QWidget* field) {
    if (!inspector_ || !field)
        return;
    if (field != inspector_->card->card_name && field != inspector_->card->watermark_text)
        return;
    Update_Card_Graphics();
    Set_Log_Name_In_Title();
}

// ---------------------------------------------------------------- background picture

namespace {

// The picture as a side's fill, kept within the size cap.
void loadBackground(SKTWindowController& w, Card_Property& P, const QString& path) {
    if (path.isEmpty())
        return;
    QImage picture(path);
    ImageProcesser::Set_Dimaension(picture);
    P.Card_fill_chk = true;
    P.Card_fill_style = FillStyleCode::Picture;
    P.Card_BG_Image_Path = path;
    P.Card_BG_Image = picture;
    w.Show_RHS_Properties(nullptr);
}

}  // namespace

// A file chosen for a background that holds no picture is refused aloud:
// the side keeps its fill, its picture and the path shown.
void SKTWindowController::set_Front_BG_Image(const QString& path) {
    if (!path.isEmpty() && zelk::refuseUnreadablePicture(path))
        return;
    if (inspector_)
        zelk::setQuietly(inspector_->card->Card_Image_path, path);
    loadBackground(*this, Front_card_Prop, path);
}

void SKTWindowController::set_Back_BG_Image(const QString& path) {
    if (!path.isEmpty() && zelk::refuseUnreadablePicture(path))
        return;
    if (inspector_)
        Set_NS_Text_View_String(inspector_->card->Card_Image_path_BACK, path);
    loadBackground(*this, Back_card_Prop, path);
}

void SKTWindowController::Card_Image_Browse_Btn() {
    if (!inspector_)
        return;
    const QString path = Convert_Path_From_URL(zelk::chooseOpenPath(
        this, tr("Card Background"), zelk::pictureFileFilter(Allowd_Image_fileTypes)));
    if (path.isEmpty() || Image_Is_Over_Size(path, true))
        return;
    if (::Card_Front_Or_Back != CardSide::Front)
        set_Back_BG_Image(path);
    else
        set_Front_BG_Image(path);
    Update_Card_Graphics();
    sett_tab->setCurrentWidget(inspector_->card->card_bkgd_tab);
}

void SKTWindowController::Card_Image_Library_Btn() {
    if (!inspector_)
        return;
    if (Open_Image_Library_Window(QStringLiteral("B")) == 1) {
        if (::Card_Front_Or_Back != CardSide::Front)
            set_Back_BG_Image(lib_window_sel_file);
        else
            set_Front_BG_Image(lib_window_sel_file);
    }
    Update_Card_Graphics();
    sett_tab->setCurrentWidget(inspector_->card->card_bkgd_tab);
}

// ---------------------------------------------------------------- canvases

void SKTWindowController::changeViewController(int index) {
    if (index < 0 || index > 2)
        return;
    myTargetView->setCurrentIndex(index);
}

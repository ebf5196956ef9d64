// The text, shape and line panels on the main window: their writers, the
// actions of their controls, and the selection changes of the inspector's
// combo boxes, the data binding's among them.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/DialogRunner.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/CardPanel.h"
#include "inspector/ColorWell.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/ImagePanel.h"
#include "inspector/InspectorPanels.h"
#include "inspector/InspectorRules.h"
#include "inspector/LinePanel.h"
#include "inspector/PanelKit.h"
#include "inspector/PresetListModel.h"
#include "inspector/SelectionWriter.h"
#include "inspector/ShapePanel.h"
#include "inspector/SignaturePanel.h"
#include "inspector/TextPanel.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/CardSizePresets.h"
#include "mainwindow/Insert_Template.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTextCursor>
#include <exception>

// ---------------------------------------------------------------- wiring

void SKTWindowController::wireTextPanel() {
    using W = SKTWindowController;
    TextPanel* t = inspector_->text;
    connect(t->Text_value_Edit, &QPlainTextEdit::textChanged, this, &W::textDidChange);
    connect(t->text_font_btn, &QPushButton::clicked, this, &W::Text_Font_Changed);
    connect(t->insert_date_btn, &QPushButton::clicked, this, &W::Text_Insert_Date);
    connect(t->insert_time_btn, &QPushButton::clicked, this, &W::Text_Insert_Time);
    for (QPushButton* b : {t->insert_template_btn, t->insert_message_btn})
        connect(b, &QPushButton::clicked, this, [this, b] { Insert_Template_Button(b); });
    connect(t->Text_border_chk, &QCheckBox::clicked, this, &W::Text_Border_ChkBox);
    connect(t->Text_fill_chk, &QCheckBox::clicked, this, &W::Text_Fill_Chk_Box);
    connect(t->Text_solid_fill_rd, &QRadioButton::clicked, this, &W::Text_Solid_RD_Sel);
    connect(t->Text_gradient_fill_rd, &QRadioButton::clicked, this, &W::Text_Gradient_RD_Sel);
    connect(t->draw_shadow_chkbox, &QCheckBox::clicked, this, &W::Draw_Shadow_ChkBox);
    connect(t->txt_rotation_slidr, &QSlider::valueChanged, this, &W::Txt_Rotate_Slider_Changed);
    connect(t->txt_rotation_slidr_val, &QSpinBox::valueChanged, this, [this, t](int angle) {
        zelk::setQuietly(t->txt_rotation_slidr, angle);
        t->showOrientation(angle);
        Update_Text_Graphics();
    });
    for (ColorWell* well : {t->Text_clr, t->Text_bordr_clr, t->Text_fill_clr, t->Text_fill_Grd_1_clr,
                            t->Text_fill_Grd_2_clr, t->Shadow_clr})
        connect(well, &ColorWell::colorPicked, this, &W::Update_Text_Graphics);
    for (QSpinBox* spin : {t->Text_alpha_Stepper, t->Text_bor_Stepper, t->Text_grad_Stepper, t->shadow_transp_Stepper})
        connect(spin, &QSpinBox::valueChanged, this, &W::Update_Text_Graphics);
    for (QDoubleSpinBox* spin : {t->Text_Kern_Stepper, t->shadow_x_Stepper, t->shadow_y_Stepper, t->shadow_blur_Stepper})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &W::Update_Text_Graphics);
    for (QComboBox* combo : {t->Text_border_style, t->Text_align_combo, t->Text_vert_align_combo, t->Text_case_combo,
                             t->Text_Orientation_Combo})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    // What the user types on the card shows in the text box as it is typed.
    for (SKTGraphicView* canvas : {_graphicView, _graphicView_BACK, _graphicView_TEMP})
        connect(canvas, &SKTGraphicView::inPlaceTextChanged, this, [this](SKTGraphic* graphic, const QString& text) {
            if (inspector_ && graphic && inspector_->Last_Selected_Graphic.lock().get() == graphic &&
                inspector_->text->Text_value_Edit->toPlainText() != text)
                zelk::setQuietly(inspector_->text->Text_value_Edit, text);
        });
}

void SKTWindowController::wireShapeAndLinePanels() {
    using W = SKTWindowController;
    ShapePanel* s = inspector_->shape;
    connect(s->Shape_border_chk, &QCheckBox::clicked, this, &W::Shape_Border_ChkBox);
    connect(s->Shape_fill_chk, &QCheckBox::clicked, this, &W::Shape_Fill_Chk_Box);
    connect(s->Shape_solid_fill_rd, &QRadioButton::clicked, this, &W::Shape_Solid_RD_Sel);
    connect(s->Shape_gradient_fill_rd, &QRadioButton::clicked, this, &W::Shape_Gradient_RD_Sel);
    connect(s->Shape_Style_fill_rd, &QRadioButton::clicked, this, &W::Shape_Hatch_RD_Sel);
    connect(s->shape_alpha_Stepper, &QSpinBox::valueChanged, this, &W::Shape_Alpha_Changed);
    connect(s->shape_rotation_slidr, &QSlider::valueChanged, this, &W::Shape_Rotate_Slider_Changed);
    connect(s->shape_rotation_slidr_val, &QSpinBox::valueChanged, this, &W::Shape_Rotate_Stepper_Changed);
    for (ColorWell* well : {s->shape_bordr_clr, s->shape_fill_clr, s->shape_fill_Grd_1_clr, s->shape_fill_Grd_2_clr,
                            s->shape_hatch_bk_clr})
        connect(well, &ColorWell::colorPicked, this, &W::Update_Shape_Graphics);
    for (QSpinBox* spin : {s->shape_bor_Stepper, s->shape_grad_Stepper, s->double_star_Stepper, s->polygon_Stepper})
        connect(spin, &QSpinBox::valueChanged, this, &W::Update_Shape_Graphics);
    connect(s->shape_cor_radius_Stepper, &QDoubleSpinBox::valueChanged, this, &W::Update_Shape_Graphics);

    LinePanel* l = inspector_->line;
    connect(l->Line_clr, &ColorWell::colorPicked, this, &W::Update_Line_Graphics);
    for (QSpinBox* spin : {l->Line_Wdt_Stepper, l->Line_alpha_Stepper})
        connect(spin, &QSpinBox::valueChanged, this, &W::Update_Line_Graphics);
    for (QComboBox* combo : {s->shape_border_style, s->shape_hatch_style, l->Line_border_style, l->Line_ori_style,
                             l->Line_cap_style})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
}

// ---------------------------------------------------------------- writers

void SKTWindowController::Update_Text_Graphics() {
    if (::Not_Draw_Only_Prop_Change || !inspector_)
        return;
    const int print = zelk::stateOf(inspector_->print_object_chk);
    TextPanel* t = inspector_->text;
    if (!zelk::writeSelected(currentCanvas(), zelk::isExactlyText, [&](SKTGraphic& g, qsizetype selected) {
            g.print_object = print;
            t->writeTo(g, selected == 1 && g.data_source_type == DataSourceType::Manual);
        }))
        return;
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

void SKTWindowController::Update_Shape_Graphics() {
    if (::Not_Draw_Only_Prop_Change || !inspector_)
        return;
    const int print = zelk::stateOf(inspector_->print_object_chk);
    ShapePanel* s = inspector_->shape;
    if (!zelk::writeSelected(currentCanvas(), zelk::isExactlyShape, [&](SKTGraphic& g, qsizetype) {
            s->writeTo(g);
            g.print_object = print;
        }))
        return;
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

void SKTWindowController::Update_Line_Graphics() {
    if (::Not_Draw_Only_Prop_Change || !inspector_)
        return;
    const int print = zelk::stateOf(inspector_->print_object_chk);
    LinePanel* l = inspector_->line;
    if (!zelk::writeSelected(currentCanvas(), zelk::isExactlyLine, [&](SKTGraphic& g, qsizetype) {
            l->writeTo(g);
            g.print_object = print;
        }))
        return;
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

// ---------------------------------------------------------------- text panel

void SKTWindowController::textDidChange() {
    if (!inspector_)
        return;
    try {
        QPlainTextEdit* edit = inspector_->text->Text_value_Edit;
        const QString typed = edit->toPlainText();
        const QString kept = zelk::typedTextRule(typed);
        if (kept != typed) {
            // The caret stays after what it followed: placeholders removed
            // before it move it back.
            const int caret = edit->textCursor().position();
            const int removedBefore = int(typed.left(caret).count(zelk::TextPlaceholder) * zelk::TextPlaceholder.size());
            zelk::setQuietly(edit, kept);
            QTextCursor cursor = edit->textCursor();
            cursor.setPosition(std::clamp(caret - removedBefore, 0, int(kept.size())));
            edit->setTextCursor(cursor);
        }
        const GraphicList selected = currentCanvas()->selectedGraphics();
        if (selected.isEmpty())
            return;
        const bool visitorOrGroup = zelk::isVisitorOrGroupMode(::Start_Card_Option);
        for (const std::shared_ptr<SKTGraphic>& g : selected) {
            if (g->ctrl_is_locked || !zelk::isExactlyText(g.get()) || g->data_source_type != DataSourceType::Manual)
                continue;
            if (visitorOrGroup && !g->control_ID.isEmpty())
                continue;
            g->Set_text_value(kept);
        }
        // No step of its own: what was typed is where the next step starts.
        currentCanvas()->keepTypedText();
        Refresh_Canvas();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::Text_Font_Changed() {
    if (!inspector_)
        return;
    QFontDialog dialog(this);
    dialog.setCurrentFont(inspector_->text->Text_font);
    if (zelk::DialogRunner::run(&dialog) == QDialog::Accepted)
        changeTextFont(dialog.currentFont());
}

void SKTWindowController::changeTextFont(const QFont& font) {
    if (!inspector_)
        return;
    inspector_->text->setTextFont(font);
    Update_Text_Graphics();
}

namespace {

// The current date and time in the chosen pattern (Qt's format), put in
// place of the text view's selection; "" when no pattern is chosen.
bool insertNow(QComboBox* patterns, QPlainTextEdit* edit) {
    const QString pattern = patterns->currentIndex() >= 0 ? Trim_Str(patterns->currentText()) : QString();
    if (pattern.isEmpty())
        return false;
    const QString now = QLocale::system().toString(QDateTime::currentDateTime(), pattern);
    const QSignalBlocker blocker(edit);
    edit->textCursor().insertText(now);
    return true;
}

}  // namespace

void SKTWindowController::Text_Insert_Date() {
    if (!inspector_)
        return;
    TextPanel* t = inspector_->text;
    if (!insertNow(t->Text_Date_style, t->Text_value_Edit)) {
        Show_MessageBox(QStringLiteral("Please select Date format."));
        return;
    }
    Update_Text_Graphics();
}

void SKTWindowController::Text_Insert_Time() {
    if (!inspector_)
        return;
    TextPanel* t = inspector_->text;
    if (!insertNow(t->Text_Time_style, t->Text_value_Edit)) {
        Show_MessageBox(QStringLiteral("Please select Time format."));
        return;
    }
    Update_Text_Graphics();
}

void SKTWindowController::Insert_Template_Button(QAbstractButton* sender) {
    if (!inspector_)
        return;
    Insert_Template* dialog = Insert_Template::defaultInstance();
    dialog->title_or_msg = sender && sender->text() == QLatin1String("Use Template Title") ? QStringLiteral("T")
                                                                                          : QStringLiteral("M");
    if (dialog->Open_Template_Dialog() != 1)
        return;
    zelk::setQuietly(inspector_->text->Text_value_Edit, Template_Msg_Val);
    Update_Text_Graphics();
}

void SKTWindowController::Text_Border_ChkBox() {
    inspector_->text->borderBoxFollowsCheck();
    Update_Text_Graphics();
}

void SKTWindowController::Text_Fill_Chk_Box() {
    inspector_->text->fillBoxFollowsCheck();
    Update_Text_Graphics();
}

void SKTWindowController::Text_Solid_RD_Sel() {
    inspector_->text->selectSolidFill();
    Update_Text_Graphics();
}

void SKTWindowController::Text_Gradient_RD_Sel() {
    inspector_->text->selectGradientFill();
    Update_Text_Graphics();
}

void SKTWindowController::Draw_Shadow_ChkBox() {
    inspector_->text->shadowBoxFollowsCheck();
    Update_Text_Graphics();
}

void SKTWindowController::Txt_Rotate_Slider_Changed() {
    TextPanel* t = inspector_->text;
    zelk::setQuietly(t->txt_rotation_slidr_val, t->txt_rotation_slidr->value());
    t->showOrientation(t->txt_rotation_slidr->value());
    Update_Text_Graphics();
}

// ---------------------------------------------------------------- shape panel

void SKTWindowController::Shape_Border_ChkBox() {
    inspector_->shape->borderBoxFollowsCheck();
    Update_Shape_Graphics();
}

void SKTWindowController::Shape_Fill_Chk_Box() {
    inspector_->shape->fillBoxFollowsCheck();
    Update_Shape_Graphics();
}

void SKTWindowController::Shape_Solid_RD_Sel() {
    inspector_->shape->selectSolidFill();
    Update_Shape_Graphics();
}

void SKTWindowController::Shape_Gradient_RD_Sel() {
    inspector_->shape->selectGradientFill();
    Update_Shape_Graphics();
}

void SKTWindowController::Shape_Hatch_RD_Sel() {
    inspector_->shape->selectHatchFill();
    Update_Shape_Graphics();
}

void SKTWindowController::Shape_Alpha_Changed() {
    Update_Shape_Graphics();
    // The handles would hide the colour being chosen.
    currentCanvas()->hideHandlesMomentarily();
}

void SKTWindowController::Shape_Rotate_Slider_Changed() {
    inspector_->shape->rotationFieldFollowsSlider();
    Update_Shape_Graphics();
}

void SKTWindowController::Shape_Rotate_Stepper_Changed() {
    inspector_->shape->rotationSliderFollowsField();
    Update_Shape_Graphics();
}

// ---------------------------------------------------------------- combo boxes

void SKTWindowController::comboBoxSelectionDidChange(QComboBox* combo) {
    if (!inspector_ || !combo || combo->currentIndex() < 0)
        return;
    try {
        TextPanel* t = inspector_->text;
        ShapePanel* s = inspector_->shape;
        LinePanel* l = inspector_->line;
        CardPanel* c = inspector_->card;
        if (combo == Preset_ComboBox) {
            const bool custom = combo->currentIndex() == 2;
            c->width_Stepper->setEnabled(custom);
            c->height_Stepper->setEnabled(custom);
            Category_ComboBox->setEnabled(!custom);
            ColList->setEnabled(!custom);
            c->page_frm_printer_btn->setEnabled(custom);
            if (::Not_Draw_Only_Prop_Change)
                return;
            if (!custom) {
                const QModelIndexList rows = ColList->selectionModel()->selectedRows();
                Change_Value_According_List_Selection(rows.isEmpty() ? -1 : rows.first().row());
            }
            Update_Card_Graphics();
        } else if (combo == c->wm_alignment_combo || combo == c->Card_border_style ||
                   combo == c->Card_hatch_style) {
            Update_Card_Graphics();
        } else if (combo == c->Card_image_layout) {
            Show_Hide_Card_Transp_Ctrl(combo->currentText() == QLatin1String("Tile"));
            Update_Card_Graphics();
        } else if (combo == c->Sides_ComboBox) {
            if (combo->currentIndex() == 0) {
                ::CARD_SIDE_STR = CardSide::TwoSided;
                back_side_btn->setEnabled(true);
                copy_card_design_btn->setEnabled(true);
            } else {
                // One-sided before the switch, so that the front's card tabs
                // load with this choice.
                ::CARD_SIDE_STR = CardSide::OneSided;
                if (::Card_Front_Or_Back == CardSide::Back)
                    Select_front_side();
                back_side_btn->setEnabled(false);
                copy_card_design_btn->setEnabled(false);
            }
            Update_Card_Graphics();
        } else if (combo == Category_ComboBox) {
            ListData.clear();
            inspector_->presetModel->reloadData();
            for (const QString& name : combo->currentIndex() == 0 ? CardSizePresets::pvc_card_arry()
                                                                  : CardSizePresets::paper_card_arry())
                Create_List(name);
            inspector_->presetModel->reloadData();
            Mark_List_New_Selection(Front_card_Prop.Card_Cat_index);
            Card_Control_Size_Change_or_not();
            Update_Card_Graphics();
        } else if (combo == l->Line_border_style || combo == l->Line_ori_style || combo == l->Line_cap_style) {
            Update_Line_Graphics();
        } else if (combo == t->Text_border_style || combo == t->Text_align_combo ||
                   combo == t->Text_vert_align_combo || combo == t->Text_case_combo) {
            Update_Text_Graphics();
        } else if (combo == t->Text_Orientation_Combo) {
            const int angle = combo->currentText().toInt();
            zelk::setQuietly(t->txt_rotation_slidr_val, angle);
            zelk::setQuietly(t->txt_rotation_slidr, angle);
            Update_Text_Graphics();
        } else if (combo == s->shape_border_style || combo == s->shape_hatch_style) {
            Update_Shape_Graphics();
        } else if (combo == inspector_->image->Image_border_style) {
            // The border is drawn around the picture: no new filter run.
            Update_Image_Graphics(false);
        } else if (combo == inspector_->signature->Sign_border_style) {
            Update_Sign_Graphics();
        } else if (combo == Data_source_type || combo == Batch_Series) {
            dataBindingComboChanged(combo);
        }
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::dataBindingComboChanged(QComboBox* combo) {
    TextPanel* t = inspector_->text;
    DataSourcePanel* d = inspector_->source;
    // The visitor and group modes fill their graphics themselves: the kind
    // combo only shows what there is to choose, and binds nothing.
    const bool visitorOrGroup = zelk::isVisitorOrGroupMode(::Start_Card_Option);
    if (combo == Batch_Series) {
        if (visitorOrGroup || ::Not_Draw_Only_Prop_Change || Data_source_type->currentText() == QLatin1String("Manual"))
            return;
        const QString name = Trim_Str(Batch_Series->currentText());
        if (name.isEmpty() || name == QLatin1String("<--Select-->"))
            return;
        Change_Data_Source_To_selected_Control(Data_source_type->currentIndex(), name, Batch_Series->currentIndex());
        return;
    }

    const QString kind = Data_source_type->currentText();
    const int item = Data_source_type->currentIndex();
    const bool manual = kind == QLatin1String("Manual");
    d->view_series_btn->setEnabled(!manual);
    Batch_Series->setEnabled(!manual);
    t->Text_value_Edit->setReadOnly(!manual);
    t->insert_template_btn->setEnabled(manual);
    SetObjEnabled(d->manual_brws_box, manual);
    SetObjEnabled(t->Text_Date_Time_Box, manual);
    if (manual) {
        if (visitorOrGroup)
            return;
        zelk::fillCombo(Batch_Series, {});
        Change_Data_Source_To_selected_Control(item, QString(), DataSourceType::None);
    } else if (kind == QLatin1String("Series")) {
        const QStringList names = Get_datasheet_File_Name_Array();
        zelk::fillCombo(Batch_Series, names);
        if (names.isEmpty()) {
            if (!::Not_Draw_Only_Prop_Change || visitorOrGroup)
                Show_MessageBox(QStringLiteral("Please create batch processing series first."));
            return;
        }
        if (visitorOrGroup)
            return;
        // The graphic's own series stays chosen; picking it announces it.
        const std::shared_ptr<SKTGraphic> g = Get_Selected_Graphic();
        if (g && !g->batch_list_name.isEmpty() &&
            Get_Data_SetIndex_According_Name(g->batch_list_name) != DataSourceType::None)
            Batch_Series->setCurrentIndex(Batch_Series->findText(g->batch_list_name, Qt::MatchFixedString));
        Change_Data_Source_To_selected_Control(item, QString(), DataSourceType::None);
    } else {
        {
            // Filling chooses no column: the user picks one.
            const QSignalBlocker quiet(Batch_Series);
            Fill_Excel_Col_Name_In_Combo(Batch_Series);
            Batch_Series->setCurrentIndex(-1);
        }
        if (!visitorOrGroup)
            Change_Data_Source_To_selected_Control(item, QString(), DataSourceType::None);
    }
}

// The property inspector on the main window: building its panels, showing a
// graphic or the card side in it, the standard editing buttons, and the
// position and size fields.
#include "mainwindow/SKTWindowController.h"

#include "canvas/GraphicClipboard.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "foundation/Codes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Units.h"
#include "foundation/Utilities.h"
#include "inspector/AlignPanel.h"
#include "inspector/CardPanel.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/ImagePanel.h"
#include "inspector/InspectorPanels.h"
#include "inspector/InspectorRules.h"
#include "inspector/LinePanel.h"
#include "inspector/PanelKit.h"
#include "inspector/PresetListModel.h"
#include "inspector/ShapePanel.h"
#include "inspector/SignaturePanel.h"
#include "inspector/TextPanel.h"
#include "mainwindow/AppGlobals.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <exception>

using zelk::InspectorTab;

namespace {

// The shared owner of a graphic of the document, so that the inspector can
// hold it without keeping it alive; none for a graphic outside the design.
std::shared_ptr<SKTGraphic> ownerOf(SKTDocument* document, const SKTGraphic* g) {
    for (int side : {SKTDocument::FrontSide, SKTDocument::BackSide, SKTDocument::TempSide})
        for (const std::shared_ptr<SKTGraphic>& candidate : document->graphicsOfSide(side))
            if (candidate.get() == g)
                return candidate;
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------------- building

void SKTWindowController::buildInspector() {
    if (inspector_)
        return;
    inspector_ = new InspectorPanels(sett_column, this);
    InspectorPanels* p = inspector_;
    Data_source_type = p->source->Data_source_type;
    Batch_Series = p->source->Batch_Series;
    Preset_ComboBox = p->card->Preset_ComboBox;
    Category_ComboBox = p->card->Category_ComboBox;
    ColList = p->card->ColList;
    p->presetModel = new PresetListModel(&ListData, p);
    ColList->setModel(p->presetModel);
    connect(ColList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { tableViewSelectionDidChange(ColList); });

    // Standard buttons.
    using W = SKTWindowController;
    const auto onCanvas = [this](QToolButton* button, void (SKTGraphicView::*op)()) {
        connect(button, &QToolButton::clicked, this, [this, op] { (currentCanvas()->*op)(); });
    };
    onCanvas(p->Cut_btn, &SKTGraphicView::cut);
    onCanvas(p->Copy_btn, &SKTGraphicView::copy);
    onCanvas(p->Paste_btn, &SKTGraphicView::paste);
    onCanvas(p->Delete_btn, &SKTGraphicView::deleteSelectedGraphics);
    onCanvas(p->Begin_Front_btn, &SKTGraphicView::bringToFront);
    onCanvas(p->Send_Back_btn, &SKTGraphicView::sendToBack);
    onCanvas(p->Lock_btn, &SKTGraphicView::lockSelectedGraphics);
    onCanvas(p->Unlock_btn, &SKTGraphicView::unlockSelectedGraphics);
    connect(p->print_object_chk, &QCheckBox::clicked, this, &W::Print_object_chk_changed);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        // A copy enables Paste at once where the buttons allow it.
        if (inspector_->Cut_btn->isEnabled() || !inspector_->Unlock_btn->isEnabled())
            Set_Paste_Button_Status();
    });

    // Alignment page.
    AlignPanel* a = p->align;
    const QList<std::pair<QPushButton*, void (W::*)()>> commands = {
        {a->align_left_btn, &W::Align_Left_Clicked},       {a->align_right_btn, &W::Align_Right_Clicked},
        {a->align_top_btn, &W::Align_Top_Clicked},         {a->align_bottom_btn, &W::Align_Bottom_Clicked},
        {a->align_center_btn, &W::Align_Center_Clicked},   {a->align_horzontal_btn, &W::Align_Horz_Clicked},
        {a->align_vertical_btn, &W::Align_Vert_Clicked},   {a->same_width_btn, &W::Make_Same_Width_Clicked},
        {a->same_height_btn, &W::Make_Same_Height_Clicked}, {a->fit_to_label_btn, &W::Make_Fit_To_Label_Clicked},
        {a->Make_natural_size_btn, &W::Make_Natural_Clicked}, {a->Align_with_grid_btn, &W::Align_To_Grid_Clicked},
    };
    for (const auto& [button, op] : commands)
        connect(button, &QPushButton::clicked, this, op);
    connect(a->frame_main_pic_X_pos, &QDoubleSpinBox::valueChanged, this, &W::Frame_main_Pic_X_Pos_Changed);
    connect(a->frame_main_pic_Y_pos, &QDoubleSpinBox::valueChanged, this, &W::Frame_main_Pic_Y_Pos_Changed);
    connect(a->frame_main_pic_width, &QDoubleSpinBox::valueChanged, this, &W::Frame_main_Pic_Wdith_Changed);
    connect(a->frame_main_pic_height, &QDoubleSpinBox::valueChanged, this, &W::Frame_main_Pic_Height_Changed);
    Align_with_grid_btn = a->Align_with_grid_btn;
    Align_with_grid_btn->setEnabled(grid_->isAlwaysShown());
    for (QLabel* label : {a->ctrl_x_pos_unit_lbl, a->ctrl_y_pos_unit_lbl})
        registerUnitCaption(label, UnitCaption::Position);
    for (QLabel* label : {a->ctrl_width_unit_lbl, a->ctrl_height_unit_lbl, p->card->unit_width_label,
                          p->card->unit_height_label})
        registerUnitCaption(label, UnitCaption::Length);
    registerUnitCaption(p->card->card_size_box, UnitCaption::CardSizeTitle);
    registerCardSizeFields(p->card->width_Stepper, p->card->height_Stepper);

    connect(p->View_barcode_prop_Button, &QPushButton::clicked, this, &W::View_barcode_prop_Button);

    wireTextPanel();
    wireShapeAndLinePanels();
    wireCardPanel();
    wireImageAndSignaturePanels();
    wireBackgroundGallery();
    for (QComboBox* combo : {Preset_ComboBox, Category_ComboBox})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });
    Disable_Standard_Button_For_Card();
}

// ---------------------------------------------------------------- tabs

void SKTWindowController::Remove_All_Tab_Items() {
    while (sett_tab->count() > 0)
        sett_tab->removeTab(0);
}

void SKTWindowController::Fill_Card_Prop_Tab() {
    if (!inspector_)
        return;
    inspector_->properties_title->setText(QStringLiteral("Card Properties"));
    Remove_All_Tab_Items();
    for (InspectorTab tab : {InspectorTab::CardInfo, InspectorTab::CardSize, InspectorTab::CardBackground,
                             InspectorTab::CardBorder})
        sett_tab->addTab(inspector_->page(tab), inspector_->label(tab));
}

void SKTWindowController::card_prop_set(const QString& fillStyle) {
    if (!inspector_)
        return;
    inspector_->card->card_prop_set(fillStyle);
    sett_tab->update();
}

// ---------------------------------------------------------------- showing

void SKTWindowController::Show_RHS_Properties(SKTGraphic* g) {
    if (!inspector_)
        return;
    const bool filling = ::Not_Draw_Only_Prop_Change;
    if (filling) {
        if (!g) {
            Fill_Card_Prop_Tab();
            return;
        }
        if (!(::Start_Card_Option == StartMode::Visitor && zelk::isExactlyImage(g)))
            return;
    }
    inspected_ = g;
    try {
        selectArrowTool();
        if (g)
            showGraphicProperties(g, filling);
        else
            showCardProperties();
    } catch (const std::exception& e) {
        ::Not_Draw_Only_Prop_Change = false;
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void SKTWindowController::showCardProperties() {
    InspectorPanels* p = inspector_;
    CardPanel* c = p->card;
    ::Not_Draw_Only_Prop_Change = true;
    currentCanvas()->Clear_Control_Selection();
    Disable_Standard_Button_For_Card();
    p->Last_Selected_Graphic.reset();
    Fill_Card_Prop_Tab();
    sett_tab->setCurrentIndex(0);

    const bool back = ::Card_Front_Or_Back == CardSide::Back;
    Card_Property& P = back ? Back_card_Prop : Front_card_Prop;
    c->loadFace(P, back);
    if (!back)
        ::Card_Shape = Front_card_Prop.Card_Shape == QLatin1String("R")    ? 0
                       : Front_card_Prop.Card_Shape == QLatin1String("RR") ? 1
                                                                           : 2;
    if (QAbstractButton* shape = c->matrix_card_shape->button(::Card_Shape))
        zelk::setQuietly(shape, true);
    c->card_name->setText(P.Card_Name);
    {
        const QSignalBlocker blocker(c->Sides_ComboBox);
        c->Sides_ComboBox->setCurrentIndex(::CARD_SIDE_STR == CardSide::OneSided ? 1 : 0);
    }
    Preset_ComboBox->setCurrentIndex(Preset_ComboBox->findText(P.Card_Preset));
    Category_ComboBox->setCurrentIndex(Category_ComboBox->findText(P.Card_Category));
    Mark_List_New_Selection(P.Card_Cat_index);
    c->loadWatermark(P);
    // The size fields show the card in the chosen unit.
    const auto unit = Measument_Unit_Is();
    zelk::setQuietly(c->width_Stepper, zelk::fromPoints(float(_graphicView->canvasSize().width()), unit));
    zelk::setQuietly(c->height_Stepper, zelk::fromPoints(float(_graphicView->canvasSize().height()), unit));

    P.Card_Location = _graphicView->cardRect().topLeft();
    P.Card_Size = _graphicView->canvasSize();
    card_prop_set(P.Card_fill_style);
    ::Not_Draw_Only_Prop_Change = false;
}

void SKTWindowController::showGraphicProperties(SKTGraphic* g, bool filling) {
    InspectorPanels* p = inspector_;
    const bool locked = g->ctrl_is_locked;
    Enable_Standard_Button_For_Control();
    if (locked)
        Disable_Standard_Button_For_Lock();
    else
        Enable_Standard_Button_For_Unlock();

    const std::shared_ptr<SKTGraphic> last = p->Last_Selected_Graphic.lock();
    if (last && last.get() == g &&
        !(zelk::isExactlyImage(g) && Check_Multiple_Image_Selection(QStringLiteral("Select"), false)))
        return;
    p->Last_Selected_Graphic = ownerOf(document_, g);

    const bool barcode = zelk::isExactlyBarcode(g);
    p->align->Make_natural_size_btn->setEnabled(!barcode);
    p->align->fit_to_label_btn->setEnabled(!barcode);

    Remove_All_Tab_Items();
    zelk::setQuietly(p->print_object_chk, g->print_object != 0);
    p->sel_control_name->setText(QStringLiteral("NONE"));
    ::Not_Draw_Only_Prop_Change = true;
    p->align->ctrl_width_height_box->show();

    int images = 0;
    for (const std::shared_ptr<SKTGraphic>& s : currentCanvas()->selectedGraphics())
        images += zelk::isExactlyImage(s.get()) ? 1 : 0;
    const QString mode = ::Start_Card_Option;
    const bool visitorOrGroup = zelk::isVisitorOrGroupMode(mode);
    const zelk::InspectorTabSet set = zelk::graphicTabSet(g->kind(), g->Get_shape_type(), locked, mode, images);
    p->properties_title->setText(set.title);
    for (InspectorTab tab : set.tabs) {
        if (tab == InspectorTab::Alignment)
            continue;
        sett_tab->addTab(p->page(tab), p->label(tab));
    }
    if (locked && !set.lockLabel.isEmpty())
        sett_tab->setTabText(0, set.lockLabel);
    sett_tab->setCurrentIndex(0);
    Set_Control_Pos_And_Size(g);

    DataSourcePanel* source = p->source;
    switch (g->kind()) {
    case zelk::GraphicKind::Text: {
        TextPanel* t = p->text;
        source->invalid_source_label->hide();
        p->sel_control_name->setText(QStringLiteral("T"));
        t->txt_ctrl_id_val->setText(Trim_Str(g->control_ID));
        bool editable = true;
        if (!visitorOrGroup) {
            source->data_source_title->setText(QStringLiteral("Text Source"));
            t->Text_Date_Time_Box->show();
            source->manual_brws_box->hide();
            source->crop_image_box->hide();
            // Typing reaches only a text of its own, not one bound to a
            // series or a column.
            editable = g->data_source_type == DataSourceType::Manual;
        } else {
            t->Text_Date_Time_Box->hide();
            // A profile field (with a control ID) is filled from the entry
            // panel, never typed here.
            editable = g->control_ID.isEmpty();
        }
        t->Text_value_Edit->setVisible(editable || !visitorOrGroup);
        t->text_value_lbl->setVisible(editable || !visitorOrGroup);
        t->Text_value_Edit->setReadOnly(!editable);
        t->load(*g);
        source->loadBinding(*g);
        break;
    }
    case zelk::GraphicKind::Image: {
        p->align->ctrl_width_height_box->hide();
        p->sel_control_name->setText(QStringLiteral("I"));
        source->img_ctrl_id_val->setText(g->control_ID);
        if (!visitorOrGroup && !locked) {
            source->manual_brws_box->show();
            source->crop_image_box->show();
            if (images < 2)
                source->data_source_title->setText(QStringLiteral("Image Source"));
        }
        source->invalid_source_label->hide();
        Set_NS_Text_View_String(source->Manual_image_path, g->_file_path);
        if (visitorOrGroup && Set_User_Image_Control)
            Set_User_Image_Control(::Card_Front_Or_Back, g->_file_path, g->_contents, g->control_ID);
        source->loadBinding(*g);
        p->image->load(*g);
        const bool pictureThere = !g->_contents.isNull() && !g->_contents.size().isEmpty() &&
                                  !g->_file_path.isEmpty() && QFileInfo::exists(g->_file_path);
        source->invalid_source_label->setVisible(!pictureThere);
        break;
    }
    case zelk::GraphicKind::Line:
        p->line->load(*g);
        break;
    case zelk::GraphicKind::Signature:
        p->sel_control_name->setText(g->sign_or_fingureprint);
        p->signature->load(*g);
        source->loadSignatureBinding(*g);
        break;
    case zelk::GraphicKind::Barcode:
        break;
    case zelk::GraphicKind::Shape: {
        p->shape->load(*g, locked);
        const QString title = zelk::shapeSettingsTitle(g->Get_shape_type());
        if (!locked && !title.isEmpty())
            p->shape->Shape_prop_title->setText(title);
        break;
    }
    }

    ::Not_Draw_Only_Prop_Change = filling;
    if (!locked)
        sett_tab->addTab(p->page(InspectorTab::Alignment), p->label(InspectorTab::Alignment));
    sett_tab->update();
}

// ---------------------------------------------------------------- position and size

void SKTWindowController::Set_Control_Pos_And_Size(SKTGraphic* g) {
    // A stamping moves many graphics (and copies of them it measures); the
    // fields show the one the inspector shows.
    if (!inspector_ || !g || g != inspected_)
        return;
    AlignPanel* a = inspector_->align;
    const bool barcode = zelk::isExactlyBarcode(g);
    a->frame_main_pic_width->setEnabled(!barcode);
    a->frame_main_pic_height->setEnabled(!barcode);
    const auto unit = Measument_Unit_Is();
    a->frame_main_pic_width->setUnit(unit);
    a->frame_main_pic_height->setUnit(unit);
    zelk::setQuietly(a->frame_main_pic_X_pos, g->xPosition());
    zelk::setQuietly(a->frame_main_pic_Y_pos, g->yPosition());
    zelk::setQuietly(a->frame_main_pic_width, zelk::fromPoints(float(g->width()), unit));
    zelk::setQuietly(a->frame_main_pic_height, zelk::fromPoints(float(g->height()), unit));
}

// ---------------------------------------------------------------- standard buttons

void SKTWindowController::Enable_Standard_Button_For_Control() {
    if (!inspector_)
        return;
    InspectorPanels* p = inspector_;
    for (QToolButton* b : {p->Cut_btn, p->Copy_btn, p->Delete_btn, p->Begin_Front_btn, p->Send_Back_btn, p->Lock_btn})
        b->setEnabled(true);
    Set_Paste_Button_Status();
    p->Unlock_btn->setEnabled(false);
    for (QPushButton* b : p->align->alignButtons())
        b->setEnabled(true);
}

void SKTWindowController::Enable_Standard_Button_For_Unlock() { Enable_Standard_Button_For_Control(); }

void SKTWindowController::Disable_Standard_Button_For_Lock() {
    if (!inspector_)
        return;
    InspectorPanels* p = inspector_;
    for (QToolButton* b : {p->Cut_btn, p->Paste_btn, p->Delete_btn, p->Begin_Front_btn, p->Send_Back_btn, p->Lock_btn})
        b->setEnabled(false);
    p->Unlock_btn->setEnabled(true);
    for (QPushButton* b : p->align->alignButtons())
        b->setEnabled(false);
}

void SKTWindowController::Disable_Standard_Button_For_Card() {
    if (!inspector_)
        return;
    InspectorPanels* p = inspector_;
    for (QToolButton* b : {p->Cut_btn, p->Copy_btn, p->Delete_btn, p->Begin_Front_btn, p->Send_Back_btn, p->Lock_btn,
                           p->Unlock_btn})
        b->setEnabled(false);
    Set_Paste_Button_Status();
    for (QPushButton* b : p->align->alignButtons())
        b->setEnabled(false);
}

void SKTWindowController::Set_Paste_Button_Status() {
    if (!inspector_)
        return;
    inspector_->Paste_btn->setEnabled(zelk::GraphicClipboard::hasGraphics(QApplication::clipboard()->mimeData()));
}

void SKTWindowController::Print_object_chk_changed() {
    if (!inspector_)
        return;
    currentCanvas()->print_contol_or_not(zelk::stateOf(inspector_->print_object_chk));
    Insert_In_Undo_Redo();
}

// ---------------------------------------------------------------- shared pieces

QString SKTWindowController::Return_Border_Style_Str_On_index(int index) const {
    return zelk::dashCodeOfIndex(index);
}

void SKTWindowController::Set_NS_Text_View_String(QPlainTextEdit* view, const QString& new_value) {
    if (view)
        zelk::setQuietly(view, new_value);
}

bool SKTWindowController::Check_Multiple_Image_Selection(const QString& action, bool show_msg) {
    try {
        int images = 0;
        for (const std::shared_ptr<SKTGraphic>& g : currentCanvas()->selectedGraphics())
            images += zelk::isExactlyImage(g.get()) ? 1 : 0;
        if (images < 2)
            return false;
        if (show_msg)
            Show_MessageBox(QStringLiteral("Please select only one image control to '%1 Image'.").arg(action));
        return true;
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
        return false;
    }
}

void SKTWindowController::Show_Hide_Text_Transp_Ctrl(bool hide) {
    if (inspector_)
        inspector_->text->Show_Hide_Text_Transp_Ctrl(hide);
}

void SKTWindowController::Show_Hide_Shape_Transp_Ctrl(bool hide) {
    if (inspector_)
        inspector_->shape->Show_Hide_Shape_Transp_Ctrl(hide);
}

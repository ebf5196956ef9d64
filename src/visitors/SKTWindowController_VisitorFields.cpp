// The main window's visitor topic: the entry panels' fields on the card
// (made, valued and placed from the panels, read back into them) and the
// panels' re-sync with the card after undo, redo and lock changes.
#include "mainwindow/SKTWindowController.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/Utilities.h"
#include "inspector/InspectorPanels.h"
#include "mainwindow/AppGlobals.h"
#include "visitors/PaneRoom.h"
#include "visitors/VisitorPanel.h"
#include "visitors/VisitorTopic.h"
#include <QAction>
#include <QMap>
#include <algorithm>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using zelk::visitortopic::groupMode;
using zelk::visitortopic::sideLetter;
using zelk::visitortopic::TextHere;
using zelk::visitortopic::visitorOrGroupMode;

// Where a panel's field goes on the current side, and where its partner
// then stands: moved with it where it had no room beside it.
struct PanelFieldPlace {
    QRectF field;
    std::shared_ptr<SKTGraphic> partner;
    QRectF partnerAt;
};

PanelFieldPlace panelFieldPlace(SKTWindowController& w, const QString& ctrl_id, const QRectF& ctrl_bound) {
    enum class Rule { None, Left, Right };
    Rule rule = Rule::None;
    QString partner;
    if (const zelk::ProfileField* f = zelk::profileFieldForId(ctrl_id); f && f->slot != zelk::SlotPhoto) {
        if (f->valueId == ctrl_id) {
            partner = f->captionId;
            rule = Rule::Right;
        } else {
            partner = f->valueId;
            rule = Rule::Left;
        }
    }
    if (ctrl_id == Fup_Photo) {
        partner = Fup_Photo;
        rule = Rule::Left;
    }
    if (ctrl_id.contains(QLatin1String("_field"))) {
        partner = Trim_Str(QStringLiteral("F_label") + ctrl_id.mid(7));
        rule = Rule::Right;
    }
    if (ctrl_id.contains(QLatin1String("_label"))) {
        partner = Trim_Str(QStringLiteral("F_field") + ctrl_id.mid(7));
        rule = Rule::Left;
    }
    // At the size it is drawn at, on the card, clear of what the side shows
    // where the card has room.
    const QRectF card = w._graphicView->cardRect();
    const GraphicList& side = ::Card_Front_Or_Back == 0 ? w.Get_Front_Controls_Array() : w.Get_Back_Controls_Array();
    const std::shared_ptr<SKTGraphic> self = w.currentCanvas()->Selcect_Ctrl_With_ID(ctrl_id);
    const QList<QSizeF> sizes = self ? zelk::fieldSizes(*self, card.size()) : QList<QSizeF>{ctrl_bound.size()};
    const QList<QRectF> pictures = zelk::pictureRects(side, self.get());
    auto alone = [&](const QPointF& at) {
        return PanelFieldPlace{zelk::fieldPlaceFor(sizes, at, zelk::drawnRects(side, self.get()), card, pictures),
                               nullptr, {}};
    };
    if (rule == Rule::None)
        return alone(QPointF(0, 0));
    if (w.Get_Ctrl_Location_From_Design(partner) == QPointF(0, 0))
        return alone(w.Control_New_Point(sideLetter(::Card_Front_Or_Back)));
    // Beside its partner: a caption before its value (above it where the
    // card ends), a value after its caption (below it there).
    const std::shared_ptr<SKTGraphic> other = w.currentCanvas()->Selcect_Ctrl_With_ID(partner);
    const QList<zelk::Beside> sides = rule == Rule::Left ? QList{zelk::Beside::Before, zelk::Beside::Above}
                                                         : QList{zelk::Beside::After, zelk::Beside::Below};
    const zelk::BesidePlace at = zelk::besidePlaceFor(w.rf_control_rect, sizes, sides,
                                                      zelk::drawnRects(side, self.get(), other.get()), card,
                                                      true, pictures);
    return {at.field, other, at.partner};
}

// Whether a field's text, its box grown into the room below it, is drawn
// whole on the card and clear of the rest of the side, no word broken at
// the size it is drawn at.
bool fitsWhereItStands(const SKTGraphic& g, const GraphicList& side, const QRectF& card) {
    const std::shared_ptr<SKTGraphic> grown = g.clone();
    SKTGraphicView::fitTextHeight(*grown, side, card);
    const std::shared_ptr<SKTGraphic> drawnSize = grown->clone();
    drawnSize->text_ctrl_font.setPointSizeF(zelk::drawnTextPointSize(*grown));
    if (zelk::longestWordWidth(*drawnSize) > std::min(grown->bounds().width(), card.width()) + 1)
        return false;
    return zelk::liesClear(grown->drawingBounds(), zelk::drawnRects(side, &g), card);
}

}  // namespace

bool SKTWindowController::new_control_add(const QString& value, const QString& ctrl_id, QLineEdit* txt_ctrl_id) {
    setLibrary_Selected_Image(QString());
    const QString text = value.isEmpty() ? TextHere : value;
    const int side = ::Card_Front_Or_Back;
    for (const std::shared_ptr<SKTGraphic>& g : side == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        if (g && g->control_ID == ctrl_id)
            return false;
    SKTGraphicView* canvas = side == 0 ? _graphicView : _graphicView_BACK;
    if (ctrl_id == Fup_Photo || ctrl_id.contains(QLatin1String("F_Photo"))) {
        toolPalette()->setToolQuietly(zelk::ImageTool);
        canvas->createGraphicOfClass(zelk::GraphicKind::Image, false, QRectF(), sideLetter(side), text, ctrl_id);
    } else {
        const auto g =
            canvas->createGraphicOfClass(zelk::GraphicKind::Text, false, QRectF(), sideLetter(side), text, ctrl_id);
        // A row added to a side that shows the holder's fields is written as
        // they are: a caption in their captions' font, a value in their
        // values' (the size most of them have).
        const bool caption = ctrl_id.contains(QLatin1String("_label"));
        if (g && (caption || ctrl_id.contains(QLatin1String("_field")))) {
            QMap<double, std::pair<int, QFont>> sizes;
            for (const std::shared_ptr<SKTGraphic>& f : side == 0 ? Get_Front_Controls_Array()
                                                                  : Get_Back_Controls_Array()) {
                const zelk::ProfileField* field = f ? zelk::profileFieldForId(f->control_ID) : nullptr;
                if (!field || field->slot == zelk::SlotPhoto || !f->ctrl_is_visible || !zelk::isExactlyText(f.get()) ||
                    (field->captionId == f->control_ID) != caption)
                    continue;
                auto& [count, font] = sizes[f->text_ctrl_font.pointSizeF()];
                if (count++ == 0)
                    font = f->text_ctrl_font;
            }
            const auto most = std::max_element(sizes.cbegin(), sizes.cend(),
                                               [](const auto& a, const auto& b) { return a.first < b.first; });
            if (most != sizes.cend()) {
                g->text_ctrl_font = most->second;
                SKTGraphicView::fitTextHeight(*g);
            }
        }
        if (txt_ctrl_id)
            txt_ctrl_id->setText(text);
    }
    return true;
}

void SKTWindowController::Change_Value(const QString& value, const QString& ctrl_id, bool show_value, bool set_pos) {
    const QString text = value.isEmpty() ? TextHere : value;
    GraphicList& graphics = ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array();
    if (graphics.isEmpty())
        return;
    for (const std::shared_ptr<SKTGraphic>& g : graphics) {
        if (!g || g->control_ID != ctrl_id)
            continue;
        const bool image = zelk::isExactlyImage(g.get());
        if (zelk::isExactlyText(g.get()) || image) {
            if (!show_value) {
                g->Set_Ctrl_Is_Visible(false);
            } else {
                const QRectF card = currentCanvas()->cardRect();
                if (image)
                    static_cast<SKTImage*>(g.get())->setFilePath(text, true);
                else
                    g->Set_text_value(text);
                // A row the desk added is placed anew when what is typed
                // into it no longer fits where it stands.
                const bool row = ctrl_id.contains(QLatin1String("_field")) || ctrl_id.contains(QLatin1String("_label"));
                const bool placeAnew = !set_pos && row && !image && !fitsWhereItStands(*g, graphics, card);
                if (set_pos || placeAnew) {
                    const PanelFieldPlace at = panelFieldPlace(*this, ctrl_id, g->bounds());
                    g->setBounds(at.field);
                    if (at.partner)
                        at.partner->setBounds(at.partnerAt);
                }
                // As typed on the canvas: the box takes its lines' height
                // where the side has room for them; a row placed anew keeps
                // the size it was placed at.
                if (!image && !placeAnew)
                    SKTGraphicView::fitTextHeight(*g, graphics, card);
                g->Set_Ctrl_Is_Visible(true);
                currentCanvas()->Set_Selection_Index_According_ID(ctrl_id);
            }
        }
        Show_RHS_Properties(show_value ? g.get() : nullptr);
        break;
    }
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

QPointF SKTWindowController::Set_Ctrl_Pos_In_Vstr_Mode(const QString& ctrl_id, const QRectF& ctrl_bound) {
    return panelFieldPlace(*this, ctrl_id, ctrl_bound).field.topLeft();
}

QPointF SKTWindowController::Get_Ctrl_Location_From_Design(const QString& ctrl_id) {
    const QAbstractButton* check = Get_chk_box_of_visitor_mode(ctrl_id);
    if (!check || !check->isChecked())
        return QPointF(0, 0);
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        if (g && g->control_ID == ctrl_id) {
            rf_control_rect = g->bounds();
            return g->bounds().topLeft();
        }
    return QPointF(0, 0);
}

namespace {

// The current side's panel control of a graphic's ID: for a profile slot the
// caption's or the value's (`caption` or `value` of the slot), for a
// user-added row the one of `kind` ("T" the text box, "C" the check box).
template <typename Widget, typename Stored>
Widget* panelControlOf(const QString& ctrl_id, Stored* VisitorPanel::Slot::*caption,
                       Stored* VisitorPanel::Slot::*value, const QString& kind) {
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return nullptr;
    const int slot = VisitorPanel::slotOfId(ctrl_id);
    if (slot >= 0) {
        const VisitorPanel::Slot& s = panel->fixedSlots[size_t(slot)];
        return s.field->captionId == ctrl_id ? s.*caption : s.*value;
    }
    if (ctrl_id.contains(zelk::ProfileIdMark))
        return nullptr;
    return qobject_cast<Widget*>(panel->Get_Dynamic_Label_Ctrl(ctrl_id, kind));
}

}  // namespace

QLineEdit* SKTWindowController::Get_text_box_of_visitor_mode(const QString& ctrl_id) const {
    return panelControlOf<QLineEdit>(ctrl_id, &VisitorPanel::Slot::label, &VisitorPanel::Slot::value,
                                     QStringLiteral("T"));
}

QAbstractButton* SKTWindowController::Get_chk_box_of_visitor_mode(const QString& ctrl_id) const {
    return panelControlOf<QAbstractButton>(ctrl_id, &VisitorPanel::Slot::label_chk, &VisitorPanel::Slot::value_chk,
                                           QStringLiteral("C"));
}

namespace {

// The panel takes what the side's graphics show; boxes are only ever checked.
void loadPanelFromSide(VisitorPanel* panel, const GraphicList& graphics) {
    if (!panel)
        return;
    for (const std::shared_ptr<SKTGraphic>& g : graphics) {
        const bool image = zelk::isExactlyImage(g.get());
        if (!g || !(zelk::isExactlyText(g.get()) || image) || !g->ctrl_is_visible)
            continue;
        const QString id = Trim_Str(g->control_ID);
        if (image) {
            if (id == Fup_Photo || id.isEmpty())
                panel->Set_User_Image_Control(g->_file_path, g->_contents, g->control_ID);
            continue;
        }
        if (id.isEmpty())
            continue;
        const int slot = VisitorPanel::slotOfId(id);
        if (slot < 0)
            continue;
        const VisitorPanel::Slot& s = panel->fixedSlots[size_t(slot)];
        const bool caption = s.field->captionId == id;
        QLineEdit* box = caption ? s.label : s.value;
        QCheckBox* check = caption ? s.label_chk : s.value_chk;
        box->setReadOnly(false);
        box->setText(g->Text_Value);
        check->setChecked(true);
        box->setEnabled(true);
        if (!caption && s.field->slot == zelk::SlotDate)
            panel->Chk_Unchk_Manual_Date_Time(QStringLiteral("D"));
        else if (!caption && s.field->slot == zelk::SlotTime)
            panel->Chk_Unchk_Manual_Date_Time(QStringLiteral("T"));
    }
}

QString numberPart(QString id, const QString& stemA, const QString& stemB) {
    return Trim_Str(id.remove(stemA).remove(stemB));
}

void rebuildRows(SKTWindowController& w, VisitorPanel* panel, const QList<QStringList>& list) {
    if (!panel)
        return;
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        const QStringList& e = list.at(i);
        if (e.size() < 5)
            continue;
        const bool visible = e.at(2) == QLatin1String("Y");
        if (e.at(4) == QLatin1String("T")) {
            panel->Text_ctrl_type_rd_select();
            if (!e.at(0).contains(QLatin1String("_label")))
                continue;
            panel->Add_label_control(e.at(0), e.at(1), visible);
            const QString number = numberPart(e.at(0), QStringLiteral("F_label"), QStringLiteral("B_label"));
            for (const QStringList& f : list)
                if (f.size() >= 5 && f.at(0).contains(QLatin1String("_field")) &&
                    numberPart(f.at(0), QStringLiteral("F_field"), QStringLiteral("B_field")) == number) {
                    panel->Add_Value_control(f.at(0), f.at(1), f.at(2) == QLatin1String("Y"));
                    break;
                }
            // Its controls were placed either way: the next row goes below.
            panel->Increment_in_position();
        } else {
            panel->Image_ctrl_type_rd_select();
            panel->Add_Image_control(e.at(0), e.at(1), visible);
            panel->Add_Value_control(e.at(0), e.at(1), visible);
            panel->Increment_in_position();
        }
    }
    Q_UNUSED(w);
}

}  // namespace

void SKTWindowController::Load_Fup_Fields() { loadPanelFromSide(zelk::visitorPanel(0), Get_Front_Controls_Array()); }

void SKTWindowController::Load_Fup_Fields_BackSide() {
    loadPanelFromSide(zelk::visitorPanel(1), Get_Back_Controls_Array());
}

void SKTWindowController::Create_Control_For_Visitor_Mode() {
    Create_Control_For_Visitor_Mode_Front_Side();
    Create_Control_For_Visitor_Mode_Back_Side();
    for (VisitorPanel* panel : {zelk::visitorPanel(0), zelk::visitorPanel(1)})
        if (panel)
            panel->Text_ctrl_type_rd_select();
}

void SKTWindowController::Create_Control_For_Visitor_Mode_Front_Side() {
    rebuildRows(*this, zelk::visitorPanel(0), dynamic_ctrl_list_front);
}

void SKTWindowController::Create_Control_For_Visitor_Mode_Back_Side() {
    rebuildRows(*this, zelk::visitorPanel(1), dynamic_ctrl_list_back);
}

QString SKTWindowController::Get_Front_Visitor_dyn_contrl_str() const {
    const VisitorPanel* panel = zelk::visitorPanel(0);
    return panel ? panel->rowsText() : QString();
}

QString SKTWindowController::Get_Back_Visitor_dyn_contrl_str() const {
    const VisitorPanel* panel = zelk::visitorPanel(1);
    return panel ? panel->rowsText() : QString();
}

// ---------------------------------------------------------------- re-sync with the card

void SKTWindowController::Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(SKTGraphic* g) {
    if (!visitorOrGroupMode() || !g)
        return;
    const bool image = zelk::isExactlyImage(g);
    if (!(zelk::isExactlyText(g) || image))
        return;
    const QString id = g->control_ID;
    QLineEdit* box = Get_text_box_of_visitor_mode(id);
    QAbstractButton* check = Get_chk_box_of_visitor_mode(id);
    if (check)
        check->setChecked(g->ctrl_is_visible);
    if (box) {
        box->setText(image ? Get_Original_Path_Of_Image_Control(*g) : g->Text_Value);
        box->setEnabled(check && check->isChecked());
        box->setReadOnly(!box->isEnabled() || image);
    }
    if (!image)
        return;
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return;
    QLabel* rowView = panel->Get_Dynamic_Photo_Ctrl(id);
    if (groupMode() && rowView) {
        if (zelk::AppPaths::isNoPicture(g->_file_path))
            rowView->setPixmap(QPixmap::fromImage(no_image_ctrl_GP));
        else if (Set_Dynamic_Pic_Ctrl_Image)
            Set_Dynamic_Pic_Ctrl_Image(rowView, g->_contents);
        return;
    }
    panel->Set_User_Image_Control(g->_file_path, g->_contents, id);
}

void SKTWindowController::Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK() {
    if (!visitorOrGroupMode())
        return;
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array()) {
        if (!g || Trim_Str(g->control_ID).isEmpty())
            continue;
        QLineEdit* box = Get_text_box_of_visitor_mode(g->control_ID);
        QAbstractButton* check = Get_chk_box_of_visitor_mode(g->control_ID);
        if (check)
            check->setEnabled(!g->ctrl_is_locked);
        if (box)
            box->setEnabled(!g->ctrl_is_locked && (!check || check->isChecked()));
    }
}

void SKTWindowController::Refresh_Visitor_Dyn_Ctrl_and_image() {
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return;
    panel->Refresh_Controls();
    // The rows first lose their state, then every graphic gives its own.
    for (const QList<VisitorPanel::RowEntry>* column : {&panel->view_array_label, &panel->view_array_value})
        for (const VisitorPanel::RowEntry& e : *column)
            if (e.check)
                e.check->setChecked(false);
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(g.get());
    Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
}

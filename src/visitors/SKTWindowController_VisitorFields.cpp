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
#include "inspector/InspectorRules.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/ShownCardNotice.h"
#include "visitors/PaneRoom.h"
#include "visitors/VisitorPanel.h"
#include "visitors/VisitorTopic.h"
#include <QAction>
#include <QMap>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
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

// The card of the desk's fields: the front canvas's size (either side's),
// the card's outline.
zelk::CardArea deskCard(const SKTWindowController& w) {
    return zelk::CardArea(w._graphicView->cardRect(), ::Card_Shape);
}

// The index of the current side in SKTWindowController::deskPlaced.
int sideIndex() { return ::Card_Front_Or_Back == 0 ? 0 : 1; }

// Whether two lengths are the same but for rounding (a hundredth of a point).
bool sameLength(double a, double b) { return std::abs(a - b) < 0.01; }

// Whether the graphic stands where the desk last placed it, at the size it
// gave it: the user has neither moved nor resized it since.
bool standsWhereDeskPut(const SKTWindowController& w, const SKTGraphic& g) {
    const QHash<QString, QRectF>& placed = w.deskPlaced[sideIndex()];
    const auto at = placed.constFind(g.control_ID);
    if (at == placed.cend())
        return false;
    const QRectF r = g.bounds();
    return sameLength(at->x(), r.x()) && sameLength(at->y(), r.y()) && sameLength(at->width(), r.width()) &&
           sameLength(at->height(), r.height());
}

// Whether the desk may place the graphic anew: it stands where the desk put
// it and the user has not locked it there.
bool deskMayMove(const SKTWindowController& w, const SKTGraphic& g) {
    return !g.ctrl_is_locked && standsWhereDeskPut(w, g);
}

// Where a panel's field goes on the current side, and where its partner
// then stands: moved with it where the desk placed the two.
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
    // At the size it is drawn at, on the card and inside its outline, clear
    // of what the side shows where the card has room, where its colour
    // reads and clear of the other fields' lines where it has room so.
    const zelk::CardArea card = deskCard(w);
    const GraphicList& side = ::Card_Front_Or_Back == 0 ? w.Get_Front_Controls_Array() : w.Get_Back_Controls_Array();
    const std::shared_ptr<SKTGraphic> self = w.currentCanvas()->Selcect_Ctrl_With_ID(ctrl_id);
    const bool text = self && zelk::isExactlyText(self.get());
    const QList<QSizeF> sizes = self ? zelk::fieldSizes(*self, card.rect.size()) : QList<QSizeF>{ctrl_bound.size()};
    auto takenBeside = [&](const SKTGraphic* other) {
        zelk::Taken taken = zelk::takenOn(side, card.rect, self.get(), other, zelk::fieldRole(ctrl_id), text);
        if (self)
            taken.groundNotReadOn = [&w, &self] { return w.currentCanvas()->unreadableGroundFor(*self); };
        return taken;
    };
    auto alone = [&](const QPointF& at) {
        return PanelFieldPlace{zelk::fieldPlaceFor(sizes, at, takenBeside(nullptr), card), nullptr, {}};
    };
    if (rule == Rule::None)
        return alone(QPointF(0, 0));
    if (w.Get_Ctrl_Location_From_Design(partner) == QPointF(0, 0))
        return alone(w.Control_New_Point(sideLetter(::Card_Front_Or_Back)));
    const std::shared_ptr<SKTGraphic> other = w.currentCanvas()->Selcect_Ctrl_With_ID(partner);
    const zelk::Taken taken = takenBeside(other.get());
    const bool captionPlaced = rule == Rule::Left;
    // A caption and its value that the desk placed go as one (the caption
    // before the value, above it where the line has no room), at one size.
    if (text && other && zelk::isExactlyText(other.get()) && deskMayMove(w, *other)) {
        const SKTGraphic& caption = captionPlaced ? *self : *other;
        const SKTGraphic& value = captionPlaced ? *other : *self;
        const zelk::PairPlace at = zelk::pairPlaceFor(caption, value, caption.bounds().topLeft(),
                                                      {zelk::Beside::Before, zelk::Beside::Above}, taken, card);
        return captionPlaced ? PanelFieldPlace{at.caption, other, at.value} : PanelFieldPlace{at.value, other, at.caption};
    }
    // Beside a partner the user placed, which stays, at no larger a share
    // of its size than the partner's: a caption before its value (above it
    // where the card ends), a value after its caption (below it there);
    // apart from it, never nearer another field of the partner's role.
    const QList<QSizeF> besideSizes =
        self && other ? zelk::fieldSizes(*self, card.rect.size(), {zelk::drawnShare(*other), zelk::SmallestFieldScale})
                      : sizes;
    const QList<zelk::Beside> sides = captionPlaced ? QList{zelk::Beside::Before, zelk::Beside::Above}
                                                    : QList{zelk::Beside::After, zelk::Beside::Below};
    const zelk::FieldRole rivals = captionPlaced ? zelk::FieldRole::Value : zelk::FieldRole::Caption;
    const zelk::BesidePlace at =
        zelk::besidePlaceFor(w.rf_control_rect, besideSizes, sides, taken, card, false,
                             text ? zelk::fieldRects(side, rivals, self.get(), other.get()) : QList<QRectF>{});
    return {at.field, nullptr, {}};
}

// Whether an ID is one of the rows the user adds at the desk.
bool isDeskRow(const QString& id) {
    return id.contains(QLatin1String("_field")) || id.contains(QLatin1String("_label"));
}

// A field (and the partner placed with it) put where the desk places it
// now, and kept as the desk's there.
void placeByTheDesk(SKTWindowController& w, SKTGraphic& g) {
    const PanelFieldPlace at = panelFieldPlace(w, g.control_ID, g.bounds());
    g.setBounds(at.field);
    w.deskPlaced[sideIndex()].insert(g.control_ID, at.field);
    if (at.partner) {
        at.partner->setBounds(at.partnerAt);
        w.deskPlaced[sideIndex()].insert(at.partner->control_ID, at.partnerAt);
    }
}

// The rows the desk placed, still where it put them and not locked, that a
// field just shown lies over go where the pass has room, as they would have
// gone had that field shown when they were placed. Those the user moved,
// resized or locked stay, and the notice names what meets them.
void moveDeskRowsFrom(SKTWindowController& w, const SKTGraphic& shown) {
    const QRectF over = shown.drawingBounds();
    // Not a copy of the side's list: a copy sharing it would make the
    // caller's hold on its graphics dangle once the side is written to.
    QList<std::shared_ptr<SKTGraphic>> rows;
    for (const std::shared_ptr<SKTGraphic>& r :
         std::as_const(::Card_Front_Or_Back == 0 ? w.Get_Front_Controls_Array() : w.Get_Back_Controls_Array()))
        if (r && r.get() != &shown && r->ctrl_is_visible && zelk::isExactlyText(r.get()) && isDeskRow(r->control_ID))
            rows << r;
    for (const std::shared_ptr<SKTGraphic>& r : rows) {
        if (!deskMayMove(w, *r))
            continue;
        if (const QRectF both = r->drawingBounds() & over; both.width() <= 0.1 || both.height() <= 0.1)
            continue;
        placeByTheDesk(w, *r);
    }
}

// Whether a field's text, its box grown into the room below it, is drawn
// whole on the card and clear of the rest of the side, no word broken at
// the size it is drawn at.
bool fitsWhereItStands(const SKTGraphic& g, const GraphicList& side, const zelk::CardArea& card) {
    const std::shared_ptr<SKTGraphic> grown = g.clone();
    SKTGraphicView::fitTextHeight(*grown, side, card);
    const std::shared_ptr<SKTGraphic> drawnSize = grown->clone();
    drawnSize->text_ctrl_font.setPointSizeF(zelk::drawnTextPointSize(*grown));
    if (zelk::longestWordWidth(*drawnSize) > std::min(grown->bounds().width(), card.rect.width()) + 1)
        return false;
    return zelk::liesClear(grown->drawingBounds(), zelk::drawnRects(side, card.rect, &g), card);
}

// The font and colour of a side's captions (or values): those most of its
// shown fields of the role have, else those of the side's own hidden
// fields (a template's frames); none on a side without either.
std::optional<std::pair<QFont, QColor>> fieldStyleOf(const GraphicList& side, bool caption) {
    for (const bool shown : {true, false}) {
        QMap<double, std::pair<int, const SKTGraphic*>> sizes;
        for (const std::shared_ptr<SKTGraphic>& f : side) {
            const zelk::ProfileField* field = f ? zelk::profileFieldForId(f->control_ID) : nullptr;
            if (!field || field->slot == zelk::SlotPhoto || f->ctrl_is_visible != shown ||
                !zelk::isExactlyText(f.get()) || (field->captionId == f->control_ID) != caption)
                continue;
            auto& [count, first] = sizes[f->text_ctrl_font.pointSizeF()];
            if (count++ == 0)
                first = f.get();
        }
        const auto most = std::max_element(sizes.cbegin(), sizes.cend(),
                                           [](const auto& a, const auto& b) { return a.first < b.first; });
        if (most != sizes.cend())
            return std::pair(most->second->text_ctrl_font, most->second->txt_clr);
    }
    return std::nullopt;
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
        // they are: a caption in their captions' font and colour, a value in
        // their values' (the size most of them have; a template's own
        // fields where none shows).
        const bool caption = ctrl_id.contains(QLatin1String("_label"));
        if (g && (caption || ctrl_id.contains(QLatin1String("_field"))))
            if (const auto style =
                    fieldStyleOf(side == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array(), caption)) {
                g->text_ctrl_font = style->first;
                g->txt_clr = style->second;
                SKTGraphicView::fitTextHeight(*g);
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
                const zelk::CardArea card = deskCard(*this);
                if (image)
                    static_cast<SKTImage*>(g.get())->setFilePath(text, true);
                else
                    g->Set_text_value(text);
                // A row the desk added, still where the desk put it and not
                // locked, is placed anew as it is typed into: with its
                // partner, where the desk may move that too (the two at one
                // size), else when what is typed no longer fits where it
                // stands. One the user moved, resized or locked keeps the
                // rectangle the user gave it.
                const bool row = isDeskRow(ctrl_id);
                const bool deskPut = row && !image && deskMayMove(*this, *g);
                bool placeAnew = false;
                if (!set_pos && deskPut) {
                    const auto partner = currentCanvas()->Selcect_Ctrl_With_ID(zelk::partnerIdOf(ctrl_id));
                    placeAnew = (partner && partner->ctrl_is_visible && zelk::isExactlyText(partner.get()) &&
                                 deskMayMove(*this, *partner)) ||
                                !fitsWhereItStands(*g, graphics, card);
                }
                if (set_pos || placeAnew)
                    placeByTheDesk(*this, *g);
                // A row the user moved or resized keeps the rectangle the
                // user gave it; where that does not hold what is typed even
                // drawn smaller (down to half), it grows into clear room,
                // along its line first (zelk::grownUserBox). Anything else is as typed on the
                // canvas: the box takes its lines' height where the side
                // has room for them; a field just placed keeps the size it
                // was placed at. A box of the design's own that then still
                // breaks a word or runs past its foot grows for its value
                // along its line, as a row the user placed does, where that
                // lies clear of the rest and of the design's frames kept for
                // fields not shown yet.
                if (!image && !set_pos && !placeAnew) {
                    if (row && !deskPut) {
                        if (!g->ctrl_is_locked && !zelk::holdsItsValue(*g, graphics, card, zelk::BoxOwner::User))
                            g->setBounds(zelk::grownUserBox(*g, graphics, card, currentCanvas()->fieldGround()));
                    } else {
                        const QRectF was = g->bounds();
                        SKTGraphicView::fitTextHeight(*g, graphics, card);
                        if (!row && !g->ctrl_is_locked && !zelk::holdsItsValue(*g, graphics, card)) {
                            const QRectF fitted = g->bounds();
                            g->setBounds(was);
                            g->setBounds(zelk::clearBoxAlongItsLine(*g, graphics, card, currentCanvas()->fieldGround())
                                             .value_or(fitted));
                        }
                    }
                    // Still the desk's where it was.
                    if (deskPut)
                        deskPlaced[sideIndex()].insert(ctrl_id, g->bounds());
                }
                g->Set_Ctrl_Is_Visible(true);
                if (!row)
                    moveDeskRowsFrom(*this, *g);
                currentCanvas()->Set_Selection_Index_According_ID(ctrl_id);
            }
        }
        Show_RHS_Properties(show_value ? g.get() : nullptr);
        break;
    }
    Refresh_Canvas();
    Insert_In_Undo_Redo();
    // What reads wrong on the pass is told when the typing pauses, not in
    // a box at each key.
    zelk::ShownCardNotice::of(*this).measureSoon(sideIndex());
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

// Whether a caption stands just before or just above its value, at their
// tops or lefts: as the desk places a row.
bool standTogether(const QRectF& caption, const QRectF& value) {
    return (sameLength(caption.right(), value.left()) && sameLength(caption.top(), value.top())) ||
           (sameLength(caption.bottom(), value.top()) && sameLength(caption.left(), value.left()));
}

// Whether a field's box has one of the sizes the desk gives it (at one of
// the shares of its font size): not one the user dragged or resized.
bool deskSized(const SKTGraphic& g, const QSizeF& card) {
    const QSizeF size = g.bounds().normalized().size();
    for (const double share : zelk::fieldScaleSteps())
        for (const bool startWidthFirst : {false, true})
            for (const QSizeF& s : zelk::fieldSizes(g, card, {share, share}, startWidthFirst))
                if (sameLength(s.width(), size.width()) && sameLength(s.height(), size.height()))
                    return true;
    return false;
}

// The rows of a design read back that stand as the desk placed them (the
// caption just before or above its value, both at sizes the desk gives)
// count as the desk's, as they did before the design was saved: typed
// into, they are placed anew. Rows the user moved or resized keep the
// rectangles the user gave them.
void recordDeskRows(SKTWindowController& w, int side, const GraphicList& graphics) {
    QHash<QString, const SKTGraphic*> texts;
    for (const std::shared_ptr<SKTGraphic>& g : graphics)
        if (g && zelk::isExactlyText(g.get()) && g->ctrl_is_visible)
            texts.insert(g->control_ID, g.get());
    const QSizeF card = deskCard(w).rect.size();
    for (auto caption = texts.cbegin(); caption != texts.cend(); ++caption) {
        if (!caption.key().contains(QLatin1String("_label")))
            continue;
        const auto value = texts.constFind(zelk::partnerIdOf(caption.key()));
        if (value != texts.cend() && standTogether((*caption)->bounds(), (*value)->bounds()) &&
            deskSized(**caption, card) && deskSized(**value, card)) {
            w.deskPlaced[side].insert(caption.key(), (*caption)->bounds());
            w.deskPlaced[side].insert(value.key(), (*value)->bounds());
        }
    }
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
    recordDeskRows(*this, 0, Get_Front_Controls_Array());
}

void SKTWindowController::Create_Control_For_Visitor_Mode_Back_Side() {
    rebuildRows(*this, zelk::visitorPanel(1), dynamic_ctrl_list_back);
    recordDeskRows(*this, 1, Get_Back_Controls_Array());
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
        // The card's "Text here" stands for a value left empty.
        const QString text = g->Text_Value == zelk::TextPlaceholder ? QString() : g->Text_Value;
        box->setText(image ? Get_Original_Path_Of_Image_Control(*g) : text);
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
    // A date or time typed by hand stays open to typing while its value is
    // not shown on the card.
    const VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    auto byHand = [panel](const QLineEdit* box) {
        return panel && ((box == panel->date_value && panel->date_manual_chk->isChecked()) ||
                         (box == panel->time_value && panel->time_manual_chk->isChecked()));
    };
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array()) {
        if (!g || Trim_Str(g->control_ID).isEmpty())
            continue;
        QLineEdit* box = Get_text_box_of_visitor_mode(g->control_ID);
        QAbstractButton* check = Get_chk_box_of_visitor_mode(g->control_ID);
        if (check)
            check->setEnabled(!g->ctrl_is_locked);
        if (box)
            box->setEnabled(!g->ctrl_is_locked && (!check || check->isChecked() || byHand(box)));
    }
}

void SKTWindowController::Refresh_Visitor_Dyn_Ctrl_and_image() {
    VisitorPanel* panel = zelk::visitorPanel(::Card_Front_Or_Back);
    if (!panel)
        return;
    // The panel holds the visitor's or the selected holder's values: a row
    // left unticked keeps its own, not the text of its hidden graphic (a
    // template's "Company Name") nor a fresh date.
    struct Held {
        QLineEdit* box;
        QAbstractButton* check;
        QString text;
    };
    QList<Held> held;
    for (const VisitorPanel::Slot& s : panel->fixedSlots)
        held << Held{s.label, s.label_chk, s.label->text()} << Held{s.value, s.value_chk, s.value->text()};
    for (const QList<VisitorPanel::RowEntry>* column : {&panel->view_array_label, &panel->view_array_value})
        for (const VisitorPanel::RowEntry& e : *column)
            if (auto* box = qobject_cast<QLineEdit*>(e.control); box && e.check)
                held << Held{box, e.check, box->text()};
    const bool byHand[] = {panel->date_manual_chk->isChecked(), panel->time_manual_chk->isChecked()};
    panel->Refresh_Controls();
    // The rows first lose their state as an untick leaves them, their boxes
    // greyed: a row that Undo took off the card gives the record nothing.
    // Then every graphic gives its own.
    for (const QList<VisitorPanel::RowEntry>* column : {&panel->view_array_label, &panel->view_array_value})
        for (const VisitorPanel::RowEntry& e : *column)
            if (e.check) {
                e.check->setChecked(false);
                if (auto* box = qobject_cast<QLineEdit*>(e.control))
                    box->setEnabled(false);
            }
    for (const std::shared_ptr<SKTGraphic>& g :
         ::Card_Front_Or_Back == 0 ? Get_Front_Controls_Array() : Get_Back_Controls_Array())
        Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo(g.get());
    for (const Held& h : held)
        if (!h.check->isChecked())
            h.box->setText(h.text);
    // A date or time given by hand stays so; one from the clock stays
    // read-only, shown or not, with the time it holds.
    for (const bool date : {true, false}) {
        if (byHand[date ? 0 : 1]) {
            (date ? panel->date_manual_chk : panel->time_manual_chk)->setChecked(true);
            panel->Chk_Unchk_Manual_Date_Time(date ? QStringLiteral("D") : QStringLiteral("T"));
        } else {
            (date ? panel->date_value : panel->time_value)->setReadOnly(true);
        }
    }
    Visitor_and_Group_Control_Enable_Disable_LOCK_UNLOCK();
}

// The canvas of one card side: its set-up, size and zoom, selection, the
// graphics found or given a value by control ID (a field whose new value
// outgrows its box placed by the rule of placement/), and undo steps.
#include "canvas/SKTGraphicView.h"

#include "canvas/CanvasHost.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGrid.h"
#include "canvas/ToolPalette.h"
#include "canvas/placement/FieldSizes.h"
#include "foundation/Codes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTImage.h"

#include <QAbstractScrollArea>
#include <QApplication>

#include <algorithm>
#include <cmath>
#include <utility>

using zelk::GraphicKind;

namespace {

constexpr int HandleHideMs = 500;

const QStringList& profileIdsToHide() {
    static const QStringList ids = {
        Fup_Name, Fup_Title, Fup_Company, Fup_CompanySlogan, Fup_Address, Fup_PhoneNO,
        Fup_FaxNo, Fup_EmailID, Fup_Website, Fup_UniqueNo, Fup_Date, Fup_Time,
        Fup_lbl_Name, Fup_lbl_Title, Fup_lbl_Company, Fup_lbl_CompanySlogan, Fup_lbl_Address,
        Fup_lbl_PhoneNO, Fup_lbl_FaxNo, Fup_lbl_EmailID, Fup_lbl_Website, Fup_lbl_UniqueNo,
        Fup_lbl_Photo, Fup_lbl_Date, Fup_lbl_Time};
    return ids;
}

bool isTextOrImage(const SKTGraphic* g) {
    return zelk::isExactlyText(g) || zelk::isExactlyImage(g);
}

}  // namespace

SKTGraphicView::SKTGraphicView(QWidget* parent)
    : QWidget(parent), ownNewPoints_(std::make_unique<zelk::NewControlPoint>()) {
    newPoints_ = ownNewPoints_.get();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    handleTimer_.setSingleShot(true);
    connect(&handleTimer_, &QTimer::timeout, this, [this] {
        handlesHidden_ = false;
        update();
    });
    setCanvasSize(QSizeF(0, 0));
    undo_.reset(graphics());
}

SKTGraphicView::~SKTGraphicView() {
    // The editor watches the whole application while it is open.
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- set-up

void SKTGraphicView::bindToDocument(SKTDocument* document, int side) {
    if (document_)
        disconnect(document_, nullptr, this, nullptr);
    endEditing(false);
    document_ = document;
    side_ = side;
    if (document_) {
        connect(document_, &SKTDocument::graphicsChanged, this, [this](int changedSide) {
            if (changedSide == side_) {
                pruneSelection();
                update();
            }
        });
        connect(document_, &QObject::destroyed, this, [this] {
            document_ = nullptr;
            model_.setGraphics(nullptr);
        });
    }
    model_.setGraphics(document_ ? &document_->mutableGraphics(side_) : nullptr);
    model_.setSelectionIndexes({});
    _Selected_Graphic.reset();
    undo_.reset(graphics());
    emit undoStateChanged(canUndo(), canRedo());
    update();
}

GraphicList& SKTGraphicView::mutableGraphics() {
    return model_.mutableGraphics();
}

const GraphicList& SKTGraphicView::graphics() const {
    return model_.graphics();
}

void SKTGraphicView::setHost(zelk::CanvasHost* host) {
    host_ = host;
}

zelk::CanvasHost* SKTGraphicView::host() const {
    return host_ ? host_ : zelk::defaultCanvasHost();
}

void SKTGraphicView::setGrid(SKTGrid* grid) {
    if (_grid)
        disconnect(_grid, nullptr, this, nullptr);
    _grid = grid;
    if (_grid) {
        connect(_grid, &SKTGrid::gridChanged, this, qOverload<>(&QWidget::update));
        connect(_grid, &QObject::destroyed, this, [this] { _grid = nullptr; });
    }
    update();
}

void SKTGraphicView::setToolPalette(zelk::ToolPalette* tools) {
    tools_ = tools;
}

zelk::ToolPalette* SKTGraphicView::toolPalette() const {
    return tools_ ? tools_ : zelk::ToolPalette::shared();
}

void SKTGraphicView::setNewControlPoint(zelk::NewControlPoint* points) {
    newPoints_ = points ? points : ownNewPoints_.get();
}

// ---------------------------------------------------------------- size and zoom

void SKTGraphicView::setCanvasSize(const QSizeF& size) {
    const double w = std::isfinite(size.width()) ? std::max(0.0, size.width()) : 0.0;
    const double h = std::isfinite(size.height()) ? std::max(0.0, size.height()) : 0.0;
    canvasSize_ = QSizeF(w, h);
    setFixedSize(sizeHint());
    update();
}

void SKTGraphicView::setScaleFactor(double scale) {
    if (!std::isfinite(scale) || scale <= 0)
        return;
    scale = std::clamp(scale, zoomLevels().first(), zoomLevels().last());
    if (scale == scale_)
        return;
    if (editor_)
        endEditing(true);
    scale_ = scale;
    setFixedSize(sizeHint());
    update();
    emit scaleFactorChanged(scale_);
}

const QList<double>& SKTGraphicView::zoomLevels() {
    static const QList<double> levels = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0};
    return levels;
}

void SKTGraphicView::zoomIn() {
    for (double level : zoomLevels())
        if (level > scale_ + 1e-9) {
            setScaleFactor(level);
            return;
        }
}

void SKTGraphicView::zoomOut() {
    const auto& levels = zoomLevels();
    for (auto it = levels.rbegin(); it != levels.rend(); ++it)
        if (*it < scale_ - 1e-9) {
            setScaleFactor(*it);
            return;
        }
}

QPointF SKTGraphicView::modelPoint(const QPointF& p) const {
    return p / scale_;
}

QPointF SKTGraphicView::widgetPoint(const QPointF& p) const {
    return p * scale_;
}

QSize SKTGraphicView::sizeHint() const {
    return QSize(int(std::ceil(canvasSize_.width() * scale_)),
                 int(std::ceil(canvasSize_.height() * scale_)));
}

void SKTGraphicView::Refresh_ScrollView() {
    update();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
            area->viewport()->update();
            area->update();
            break;
        }
}

// ---------------------------------------------------------------- selection

QString SKTGraphicView::sideName() const {
    int side = side_;
    if (side == SKTDocument::TempSide)
        side = host()->Card_Front_Or_Back();
    return side != 0 ? CardSide::BackName : CardSide::FrontName;
}

void SKTGraphicView::pruneSelection() {
    if (model_.pruneSelection())
        emit selectionChanged();
}

QList<int> SKTGraphicView::selectionIndexes() const {
    return model_.selectionIndexes();
}

void SKTGraphicView::setSelectionIndexes(const QList<int>& indexes) {
    if (model_.setSelectionIndexes(indexes))
        emit selectionChanged();
    update();
}

GraphicList SKTGraphicView::selectedGraphics() const {
    return model_.selectedGraphics();
}

std::shared_ptr<SKTGraphic> SKTGraphicView::Selected_Graphic() const {
    std::shared_ptr<SKTGraphic> g = _Selected_Graphic.lock();
    return g && graphics().contains(g) ? g : nullptr;
}

void SKTGraphicView::setSelected_Graphic(const std::shared_ptr<SKTGraphic>& graphic) {
    _Selected_Graphic = graphic;
}

void SKTGraphicView::Clear_Control_Selection() {
    setSelectionIndexes({});
}

void SKTGraphicView::selectAll() {
    QList<int> all;
    for (int i = 0; i < graphics().size(); ++i)
        all.append(i);
    setSelectionIndexes(all);
    if (!all.isEmpty())
        _Selected_Graphic = graphics().first();
    showInspector(Selected_Graphic().get());
}

bool SKTGraphicView::There_Is_Any_Lock_Contrl() const {
    return model_.anySelectedLocked();
}

int SKTGraphicView::graphicIndexUnderPoint(const QPointF& point) const {
    return model_.indexUnderPoint(point);
}

void SKTGraphicView::showInspector(SKTGraphic* graphic) {
    host()->Show_RHS_Properties(graphic);
}

// ---------------------------------------------------------------- creation and lookup

std::shared_ptr<SKTGraphic> SKTGraphicView::Selcect_Ctrl_With_ID(const QString& ctrl_ID) const {
    return model_.textOrImageWithId(ctrl_ID);
}

void SKTGraphicView::Set_Selection_Index_According_ID(const QString& ctrl_ID) {
    const int i = model_.indexOfId(ctrl_ID);
    setSelectionIndexes(i < 0 ? QList<int>() : QList<int>{i});
    if (i < 0)
        _Selected_Graphic.reset();
    else
        _Selected_Graphic = graphics().at(i);
}

void SKTGraphicView::ReplaceGraphicText(GraphicKind controlClass, bool use_rect,
                                        const QRectF& bound_rect, const QString& card_side,
                                        const QString& ctrl_value, const QString& ctrl_ID) {
    const std::shared_ptr<SKTGraphic> g = Selcect_Ctrl_With_ID(ctrl_ID);
    if (!g) {
        createGraphicOfClass(controlClass, use_rect, bound_rect, card_side, ctrl_value, ctrl_ID);
        return;
    }
    const bool field = zelk::isFieldId(ctrl_ID);
    const bool wasShown = g->ctrl_is_visible;
    g->Set_Ctrl_Is_Visible(true);
    if (zelk::isExactlyText(g.get())) {
        // A box the rule placed is laid out anew, as a new field's, whenever
        // its field shows again or takes another value. A box of the
        // design's fits the value it is given (a stamping puts it back where
        // the design had it first): taller where the side has room below,
        // and where it still does not hold the value whole it grows or moves
        // with its caption (outgrownPlace), so that no word of it breaks or
        // leaves the card; one that holds it only drawn smaller so too, where
        // a clear place holds it at its own size (roomierPlace). A box the
        // user placed keeps the rectangle the user gave it: its value is
        // drawn smaller there, down to half, and only where that does not
        // hold it does the box grow, into clear room (grownUserBox). A
        // locked box stays as it is. The same value again keeps a shown box
        // as it stands (a batch fills what the user placed first,
        // fillHeldField), and a caption given its own text again the box it
        // has: it is never drawn larger than it stood.
        const zelk::BoxOwner owner = field ? g->boxOwner() : zelk::BoxOwner::Design;
        const bool changes = !ctrl_value.isEmpty() && ctrl_value != g->Text_Value;
        const bool placeAnew = field && owner == zelk::BoxOwner::Rule && !g->ctrl_is_locked && (!wasShown || changes);
        const bool fits = changes || (field && owner == zelk::BoxOwner::Design && !ctrl_value.isEmpty() &&
                                      zelk::fieldRole(ctrl_ID) != zelk::FieldRole::Caption);
        if (fits || placeAnew) {
            if (!ctrl_value.isEmpty())
                g->Set_text_value(ctrl_value);
            g->_isDrawingStroke = false;
            g->_isDrawingFill = false;
            const zelk::CardArea card = fieldCard();
            if (placeAnew) {
                g->setBounds(QRectF(g->bounds().topLeft(), QSizeF(zelk::NewTextWidth, zelk::NewTextHeight)));
                fitTextHeight(*g);
                placeNewField(g, true);
            } else if (field && g->ctrl_is_locked) {
                // A locked field keeps its box whatever its value.
            } else if (field && owner == zelk::BoxOwner::User) {
                growUserBox(*g);
            } else {
                g->saveOwnersBox();
                const QRectF was = g->bounds();
                fitTextHeight(*g, graphics(), card);
                if (field && !g->ctrl_is_locked &&
                    (!zelk::holdsItsValue(*g, graphics(), card) || zelk::drawnSmallerThan(*g, roomyShare()))) {
                    if (holdOutgrown_)
                        outgrown_.append({g, was});
                    else
                        placeOutgrown(*g, was, fieldGround());
                }
            }
        }
    } else {
        static_cast<SKTImage*>(g.get())->setFilePath(ctrl_value, true);
    }
    // A batch's fields (a stamping's, a group row's) are laid out, not edited.
    if (!fieldBatchOpen_)
        startEditingGraphic(g);
    _Selected_Graphic = g;
    if (!host()->Fill_User_Profile())
        Insert_In_Undo_Redo();
    changed();
}

void SKTGraphicView::growUserBox(SKTGraphic& g) {
    const zelk::CardArea card = fieldCard();
    if (!g.ctrl_is_locked && !zelk::holdsItsValue(g, graphics(), card, zelk::BoxOwner::User)) {
        g.saveOwnersBox();
        g.setBounds(zelk::grownUserBox(g, graphics(), card, fieldGround()));
    }
}

void SKTGraphicView::fillHeldField(SKTGraphic& g, const QString& value) {
    g.Set_Ctrl_Is_Visible(true);
    if (!zelk::isExactlyText(&g) || value.isEmpty())
        return;
    const bool changes = value != g.Text_Value;
    if (changes) {
        g.Set_text_value(value);
        g._isDrawingStroke = false;
        g._isDrawingFill = false;
    }
    // A value's box may be the one the user left again, whatever it held; a
    // caption given its own text again keeps the box it has.
    if (g.boxOwner() == zelk::BoxOwner::User && (changes || zelk::fieldRole(g.control_ID) != zelk::FieldRole::Caption))
        growUserBox(g);
    changed();
}

void SKTGraphicView::backToOwnersBoxes() {
    for (const std::shared_ptr<SKTGraphic>& g : graphics())
        if (g && zelk::isFieldId(g->control_ID))
            g->backToOwnersBox();
}

void SKTGraphicView::placeOutgrown(SKTGraphic& g, const QRectF& was, const zelk::FieldGround& ground) {
    const QRectF fitted = g.bounds();
    const zelk::CardArea card = fieldCard();
    const bool holds = zelk::holdsItsValue(g, graphics(), card);
    if (holds && !zelk::drawnSmallerThan(g, roomyShare()))
        return;
    g.setBounds(was);
    // In a stamping, at the share its new fields take; with its caption
    // where the two must move; else in its box (one that holds it drawn
    // smaller only where a place holds it at that share).
    const auto at = holds ? zelk::roomierPlace(g, graphics(), card, ground, roomyShare())
                          : zelk::outgrownPlace(g, graphics(), card, ground,
                                                fieldBatchOpen_ ? fieldScales_ : zelk::FieldScales{});
    g.setBounds(at ? at->field : fitted);
    if (at && at->partner)
        if (const auto partner = Selcect_Ctrl_With_ID(zelk::partnerIdOf(g.control_ID))) {
            partner->saveOwnersBox();
            partner->setBounds(*at->partner);
        }
}

void SKTGraphicView::settleOutgrownFields() {
    holdOutgrown_ = false;
    QList<Outgrown> outgrown, smaller;
    for (const Outgrown& o : std::exchange(outgrown_, {}))
        if (const std::shared_ptr<SKTGraphic> g = o.field.lock(); g && g->ctrl_is_visible)
            (zelk::holdsItsValue(*g, graphics(), fieldCard()) ? smaller : outgrown) << o;
    // Those that outgrew their boxes first: a value drawn smaller in its box
    // takes only the room they leave.
    placeWaiting(outgrown);
    if (fieldBatchOpen_)
        roomier_ = smaller;
    else
        placeWaiting(smaller);
}

bool SKTGraphicView::settleRoomierFields() {
    // The widest word first: it has the fewest places, a value that wraps
    // finds one in the room it leaves.
    QList<Outgrown> waiting = std::exchange(roomier_, {});
    auto widestWord = [](const Outgrown& o) {
        const std::shared_ptr<SKTGraphic> g = o.field.lock();
        return g ? zelk::longestWordWidth(*g) : 0.0;
    };
    std::stable_sort(waiting.begin(), waiting.end(),
                     [&](const Outgrown& a, const Outgrown& b) { return widestWord(a) > widestWord(b); });
    placeWaiting(waiting);
    return !waiting.isEmpty();
}

void SKTGraphicView::placeWaiting(const QList<Outgrown>& waiting) {
    // The ground is read once: the fields that move are not part of it.
    std::optional<zelk::FieldGround> ground;
    for (const Outgrown& o : waiting)
        if (const std::shared_ptr<SKTGraphic> g = o.field.lock(); g && g->ctrl_is_visible) {
            if (!ground)
                ground = fieldGround();
            placeOutgrown(*g, o.was, *ground);
        }
}

zelk::CardArea SKTGraphicView::fieldCard() const {
    const zelk::CanvasHost* h = host();
    return zelk::CardArea(cardRect(), h ? h->Card_Shape() : 0);
}

void SKTGraphicView::Hide_all_Text_control_FUP_Control() {
    for (const auto& g : graphics())
        if (g && isTextOrImage(g.get()) && profileIdsToHide().contains(g->control_ID))
            g->Set_Ctrl_Is_Visible(false);
    update();
}

void SKTGraphicView::delete_all_control() {
    endEditing(false);
    replaceGraphics({});
}

void SKTGraphicView::replaceGraphics(const GraphicList& list) {
    model_.replaceAll(list);
    _Selected_Graphic.reset();
    emit selectionChanged();
    changed();
}

void SKTGraphicView::check_barcode_and_set_control_bounds(SKTGraphic* graphic) {
    zelk::SideGraphicsModel::refitBarcode(graphic);
}

void SKTGraphicView::print_contol_or_not(int value) {
    model_.setSelectionPrinted(value);
    update();
}

void SKTGraphicView::hideHandlesMomentarily() {
    handlesHidden_ = true;
    update();
    handleTimer_.start(HandleHideMs);
}

void SKTGraphicView::showGraphicsOf(const GraphicList& list) {
    endEditing(false);
    replaceGraphics(list);
}

void SKTGraphicView::changed() {
    if (document_)
        document_->notifyGraphicsChanged(side_);
    update();
}

// ---------------------------------------------------------------- undo and redo

void SKTGraphicView::Insert_In_Undo_Redo() { recordStep({}); }

void SKTGraphicView::Insert_In_Undo_Redo(const zelk::FaceChange& face) { recordStep(face); }

void SKTGraphicView::recordStep(const std::optional<zelk::FaceChange>& face) {
    changeHistory([&] { undo_.record(graphics(), face); });
}

void SKTGraphicView::amendStep() {
    changeHistory([&] { undo_.amend(graphics()); });
}

void SKTGraphicView::keepTypedText() {
    changeHistory([&] { undo_.keepTyped(graphics()); });
}

void SKTGraphicView::changeHistory(const std::function<void()>& change) {
    // Any step ends the text placed blank's claim to be amended by its typing.
    placedBlank_.reset();
    if (host()->live_mode_list_value_change() || undoGroup_ > 0)
        return;
    change();
    emit undoStateChanged(canUndo(), canRedo());
}

void SKTGraphicView::beginUndoGroup() {
    placedBlank_.reset();
    if (undoGroup_++ == 0 && !host()->live_mode_list_value_change() && !undo_.isTop(graphics())) {
        undo_.record(graphics());
        emit undoStateChanged(canUndo(), canRedo());
    }
}

void SKTGraphicView::endUndoGroup() {
    if (undoGroup_ > 0 && --undoGroup_ == 0)
        recordStep({});
}

void SKTGraphicView::resetUndoHistory() {
    placedBlank_.reset();
    undo_.reset(graphics());
    emit undoStateChanged(canUndo(), canRedo());
}

void SKTGraphicView::restoreStep(const GraphicList& list, const std::optional<Card_Property>& face) {
    // The face first: the inspector then shows the card as the step left it.
    if (face)
        host()->restoreCardFace(side_, *face);
    // A lock does not show on the card: the graphics whose lock the step
    // changed are selected, so that the inspector shows it.
    const GraphicList before = graphics();
    QList<int> relocked;
    for (int i = 0; before.size() == list.size() && i < list.size(); ++i)
        if (before.at(i) && list.at(i) && before.at(i)->ctrl_is_locked != list.at(i)->ctrl_is_locked)
            relocked << i;
    replaceGraphics(list);
    emit undoStateChanged(canUndo(), canRedo());
    showInspector(nullptr);
    if (!relocked.isEmpty()) {
        setSelectionIndexes(relocked);
        _Selected_Graphic = list.at(relocked.last());
        showInspector(list.at(relocked.last()).get());
    }
}

bool SKTGraphicView::undo() {
    const std::shared_ptr<SKTGraphic> blank = placedBlank_.lock();
    endEditing(true);
    // A text placed blank went with its step as the editing ended: that
    // was the step to undo.
    if (blank && !graphics().contains(blank))
        return true;
    GraphicList restored;
    std::optional<Card_Property> face;
    if (!undo_.undo(&restored, &face))
        return false;
    restoreStep(restored, face);
    return true;
}

bool SKTGraphicView::redo() {
    endEditing(true);
    GraphicList restored;
    std::optional<Card_Property> face;
    if (!undo_.redo(&restored, &face))
        return false;
    restoreStep(restored, face);
    return true;
}

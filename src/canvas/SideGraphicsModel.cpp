#include "canvas/SideGraphicsModel.h"

#include "canvas/SKTGrid.h"
#include "foundation/SKTGraphic.h"

#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

using Graphics = SideGraphicsModel::Graphics;

// QList's own comparison hands memcmp a null pointer for empty lists.
bool sameIndexes(const QList<int>& a, const QList<int>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

// Sets a width or height on every graphic of the list but barcodes, whose
// size follows their symbol.
void setMeasure(const Graphics& graphics, double value, void (SKTGraphic::*set)(double)) {
    for (const auto& g : graphics)
        if (!isExactlyBarcode(g.get()))
            (g.get()->*set)(value);
}

// Gives the selected graphics after the first the first one's width or
// height; locked graphics keep theirs.
void matchFirstMeasure(const Graphics& selected, double (SKTGraphic::*measure)() const,
                       void (SKTGraphic::*set)(double)) {
    if (selected.size() < 2)
        return;
    Graphics others;
    for (qsizetype i = 1; i < selected.size(); ++i)
        if (!selected.at(i)->ctrl_is_locked)
            others.append(selected.at(i));
    setMeasure(others, (selected.first().get()->*measure)(), set);
}

// Where a graphic's box `g` goes when aligned to the reference box.
QPointF placed(SideGraphicsModel::Alignment alignment, const QRectF& g, const QRectF& ref) {
    using A = SideGraphicsModel::Alignment;
    switch (alignment) {
    case A::LeftEdges: return QPointF(ref.x(), g.y());
    case A::RightEdges: return QPointF(ref.x() + ref.width() - g.width(), g.y());
    case A::TopEdges: return QPointF(g.x(), ref.y());
    case A::BottomEdges: return QPointF(g.x(), ref.y() + ref.height() - g.height());
    case A::HorizontalCenters: return QPointF(ref.x() + ref.width() / 2 - g.width() / 2, g.y());
    case A::VerticalCenters: return QPointF(g.x(), ref.y() + ref.height() / 2 - g.height() / 2);
    }
    return g.topLeft();
}

}  // namespace

void SideGraphicsModel::setGraphics(Graphics* graphics) {
    graphics_ = graphics ? graphics : &own_;
}

// ---------------------------------------------------------------- selection

QList<int> SideGraphicsModel::selectionIndexes() const {
    const qsizetype n = graphics_->size();
    QList<int> out;
    for (int i : selection_)
        if (i >= 0 && i < n)
            out.append(i);
    return out;
}

bool SideGraphicsModel::setSelectionIndexes(const QList<int>& indexes) {
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const qsizetype n = graphics_->size();
    sorted.erase(std::remove_if(sorted.begin(), sorted.end(), [n](int i) { return i < 0 || i >= n; }),
                 sorted.end());
    const bool changed = !sameIndexes(sorted, selection_);
    selection_ = sorted;
    return changed;
}

bool SideGraphicsModel::pruneSelection() {
    const QList<int> kept = selectionIndexes();
    if (sameIndexes(kept, selection_))
        return false;
    selection_ = kept;
    return true;
}

Graphics SideGraphicsModel::selectedGraphics() const {
    Graphics out;
    for (int i : selectionIndexes())
        out.append(graphics_->at(i));
    return out;
}

Graphics SideGraphicsModel::movableSelection() const {
    Graphics out;
    for (const auto& g : selectedGraphics())
        if (!g->ctrl_is_locked)
            out.append(g);
    return out;
}

bool SideGraphicsModel::anySelectedLocked() const {
    const Graphics selected = selectedGraphics();
    return std::any_of(selected.cbegin(), selected.cend(), [](const auto& g) { return g->ctrl_is_locked; });
}

int SideGraphicsModel::indexUnderPoint(const QPointF& point) const {
    for (int i = 0; i < graphics_->size(); ++i) {
        const SKTGraphic* g = graphics_->at(i).get();
        if (g && g->ctrl_is_visible && g->isContentsUnderPoint(point))
            return i;
    }
    return -1;
}

QList<int> SideGraphicsModel::visibleIndexesTouching(const QRectF& rect) const {
    QList<int> out;
    for (int i = 0; i < graphics_->size(); ++i) {
        const SKTGraphic* g = graphics_->at(i).get();
        if (g && g->ctrl_is_visible && g->drawingBounds().intersects(rect))
            out.append(i);
    }
    return out;
}

std::shared_ptr<SKTGraphic> SideGraphicsModel::textOrImageWithId(const QString& ctrl_ID) const {
    if (ctrl_ID.isEmpty())
        return nullptr;
    for (const auto& g : *graphics_)
        if (g && (isExactlyText(g.get()) || isExactlyImage(g.get())) && g->control_ID == ctrl_ID)
            return g;
    return nullptr;
}

int SideGraphicsModel::indexOfId(const QString& ctrl_ID) const {
    for (int i = 0; i < graphics_->size(); ++i)
        if (graphics_->at(i) && graphics_->at(i)->control_ID == ctrl_ID)
            return i;
    return -1;
}

// ---------------------------------------------------------------- membership and z-order

void SideGraphicsModel::insertOnTop(const Graphics& list) {
    for (qsizetype i = list.size() - 1; i >= 0; --i)
        graphics_->prepend(list.at(i));
    QList<int> indexes;
    for (int i = 0; i < list.size(); ++i)
        indexes.append(i);
    setSelectionIndexes(indexes);
}

void SideGraphicsModel::replaceAll(const Graphics& list) {
    *graphics_ = list;
    selection_.clear();
}

bool SideGraphicsModel::remove(const std::shared_ptr<SKTGraphic>& graphic) {
    const int at = int(graphics_->indexOf(graphic));
    if (at < 0)
        return false;
    QList<int> kept;
    for (int i : selectionIndexes())
        if (i != at)
            kept << (i > at ? i - 1 : i);
    graphics_->removeAt(at);
    selection_ = kept;
    return true;
}

bool SideGraphicsModel::removeSelected() {
    const QList<int> indexes = selectionIndexes();
    bool removed = false;
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it)
        if (!graphics_->at(*it)->ctrl_is_locked) {
            graphics_->removeAt(*it);
            removed = true;
        }
    selection_.clear();
    return removed;
}

bool SideGraphicsModel::restackSelection(bool toFront) {
    const QList<int> indexes = selectionIndexes();
    if (indexes.isEmpty())
        return false;
    Graphics moved, rest;
    for (int i = 0; i < graphics_->size(); ++i)
        (indexes.contains(i) ? moved : rest).append(graphics_->at(i));
    *graphics_ = toFront ? moved + rest : rest + moved;
    const int first = toFront ? 0 : int(rest.size());
    QList<int> selection;
    for (int i = 0; i < moved.size(); ++i)
        selection.append(first + i);
    setSelectionIndexes(selection);
    return true;
}

bool SideGraphicsModel::setSelectionLocked(bool locked) {
    const Graphics selected = selectedGraphics();
    for (const auto& g : selected)
        g->ctrl_is_locked = locked;
    return !selected.isEmpty();
}

void SideGraphicsModel::setSelectionPrinted(int print_object) {
    for (const auto& g : movableSelection())
        g->print_object = print_object;
}

bool SideGraphicsModel::nudgeSelection(double dx, double dy) {
    const Graphics movable = movableSelection();
    for (const auto& g : movable)
        g->setBounds(g->bounds().translated(dx, dy));
    refitBarcodes(movable);
    return !movable.isEmpty();
}

// ---------------------------------------------------------------- alignment and size

void SideGraphicsModel::align(Alignment alignment, const QRectF& card) {
    const Graphics selected = selectedGraphics();
    if (selected.isEmpty())
        return;
    const bool alone = selected.size() == 1;
    const QRectF ref = alone ? card : selected.first()->bounds();
    for (qsizetype i = alone ? 0 : 1; i < selected.size(); ++i) {
        SKTGraphic* g = selected.at(i).get();
        if (g->ctrl_is_locked)
            continue;
        g->setBounds(QRectF(placed(alignment, g->bounds(), ref), g->bounds().size()));
        refitBarcode(g);
    }
}

void SideGraphicsModel::alignToCardCenter(const QRectF& card) {
    const QPointF centre = card.center();
    for (const auto& g : movableSelection()) {
        const QRectF b = g->bounds();
        g->setBounds(QRectF(centre.x() - b.width() / 2, centre.y() - b.height() / 2, b.width(), b.height()));
        refitBarcode(g.get());
    }
}

void SideGraphicsModel::alignWithGrid(const SKTGrid& grid) {
    for (const auto& g : movableSelection()) {
        g->setBounds(grid.alignedRect(g->bounds()));
        refitBarcode(g.get());
    }
}

void SideGraphicsModel::makeSameWidth() {
    matchFirstMeasure(selectedGraphics(), &SKTGraphic::width, &SKTGraphic::setWidth);
}

void SideGraphicsModel::makeSameHeight() {
    matchFirstMeasure(selectedGraphics(), &SKTGraphic::height, &SKTGraphic::setHeight);
}

void SideGraphicsModel::makeSameAsLabelSize(const QRectF& card) {
    for (const auto& g : selectedGraphics())
        g->makeSameAsLabelSize(card);
}

void SideGraphicsModel::makeNaturalSize() {
    for (const auto& g : movableSelection())
        g->makeNaturalSize();
}

// A barcode moved by the fields is produced where it now stands, as after
// any other move.
void SideGraphicsModel::setSelectionX(double x) {
    if (!std::isfinite(x))
        return;
    const Graphics movable = movableSelection();
    for (const auto& g : movable)
        g->setXPosition(x);
    refitBarcodes(movable);
}

void SideGraphicsModel::setSelectionY(double y) {
    if (!std::isfinite(y))
        return;
    const Graphics movable = movableSelection();
    for (const auto& g : movable)
        g->setYPosition(y);
    refitBarcodes(movable);
}

void SideGraphicsModel::setSelectionWidth(double width) {
    if (std::isfinite(width))
        setMeasure(movableSelection(), width, &SKTGraphic::setWidth);
}

void SideGraphicsModel::setSelectionHeight(double height) {
    if (std::isfinite(height))
        setMeasure(movableSelection(), height, &SKTGraphic::setHeight);
}

void SideGraphicsModel::refitBarcode(SKTGraphic* graphic) {
    if (graphic && isExactlyBarcode(graphic))
        graphic->Set_Barcode_image_control_bounds(graphic->bounds());
}

void SideGraphicsModel::refitBarcodes(const Graphics& graphics) {
    for (const auto& g : graphics)
        refitBarcode(g.get());
}

}  // namespace zelk

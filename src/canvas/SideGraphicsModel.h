#pragma once
// The graphics of one card side (index 0 the topmost) and their selection,
// with the edits that need no widget: hit tests, z-order, deletion, locks,
// alignment and sizes. The canvas draws the side and routes input here; it
// records the undo steps and tells its observers.
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>

class SKTGraphic;
class SKTGrid;

namespace zelk {

class SideGraphicsModel {
public:
    using Graphics = QList<std::shared_ptr<SKTGraphic>>;

    // The array edited in place (not owned); nullptr for an array of the
    // model's own. The selection is left as it is.
    void setGraphics(Graphics* graphics);
    const Graphics& graphics() const { return *graphics_; }
    Graphics& mutableGraphics() { return *graphics_; }

    // ---- Selection: indexes sorted and unique
    // The selected indexes that lie inside the array.
    QList<int> selectionIndexes() const;
    // True when the selection changed.
    bool setSelectionIndexes(const QList<int>& indexes);
    // Drops the indexes beyond the array; true when that changed anything.
    bool pruneSelection();
    // The selected graphics in index order, and those of them not locked.
    Graphics selectedGraphics() const;
    Graphics movableSelection() const;
    bool anySelectedLocked() const;

    // The topmost visible graphic under the point, -1 for none.
    int indexUnderPoint(const QPointF& point) const;
    // The visible graphics whose drawing touches the rectangle.
    QList<int> visibleIndexesTouching(const QRectF& rect) const;
    // The first text or image graphic with the control ID; none for "".
    std::shared_ptr<SKTGraphic> textOrImageWithId(const QString& ctrl_ID) const;
    // The first graphic of any kind with the control ID, -1 for none.
    int indexOfId(const QString& ctrl_ID) const;

    // ---- Membership and z-order
    // Puts the graphics above all others, in their order, selecting exactly them.
    void insertOnTop(const Graphics& graphics);
    // The array becomes `graphics`, none selected.
    void replaceAll(const Graphics& graphics);
    // Removes the graphic, the others staying selected as they were; false
    // when it is not on the side.
    bool remove(const std::shared_ptr<SKTGraphic>& graphic);
    // Removes the selected graphics that are not locked (a lock protects a
    // graphic from every edit) and empties the selection; true when any went.
    bool removeSelected();
    // Moves the selected graphics, in their order, above (or below) all
    // others; they stay selected. False when nothing is selected.
    bool restackSelection(bool toFront);
    // Locks or unlocks every selected graphic; false when nothing is selected.
    bool setSelectionLocked(bool locked);
    // print_object of every selected unlocked graphic.
    void setSelectionPrinted(int print_object);
    // Moves the selected unlocked graphics; false when there are none.
    bool nudgeSelection(double dx, double dy);

    // ---- Alignment and size. One selected graphic aligns to the card;
    // several align to the first selected, which stays. Locked graphics
    // never move or change size; barcodes keep the size of their symbol.
    enum class Alignment { LeftEdges, RightEdges, TopEdges, BottomEdges, HorizontalCenters, VerticalCenters };
    void align(Alignment alignment, const QRectF& card);
    // Every unlocked selected graphic to the middle of the card.
    void alignToCardCenter(const QRectF& card);
    void alignWithGrid(const SKTGrid& grid);
    // The others take the first selected graphic's width or height.
    void makeSameWidth();
    void makeSameHeight();
    void makeSameAsLabelSize(const QRectF& card);
    void makeNaturalSize();
    // Position and size of the unlocked selected graphics, in points; a
    // barcode moved by a position is re-fitted where it now stands.
    void setSelectionX(double x);
    void setSelectionY(double y);
    void setSelectionWidth(double width);
    void setSelectionHeight(double height);

    // A barcode's picture counts as fitted to its present bounds.
    static void refitBarcode(SKTGraphic* graphic);
    static void refitBarcodes(const Graphics& graphics);

private:
    Graphics own_;
    Graphics* graphics_ = &own_;
    QList<int> selection_;
};

}  // namespace zelk

#pragma once
// What the graphics of a side take from a field placed on it: what its
// shown graphics cover as drawn, the pictures among them (never covered to
// make room), and its backdrops (a background shape or picture), which take
// only their edges: fields go on them or beside them, not across them.
#include "canvas/placement/CardArea.h"

#include <QList>
#include <QRectF>
#include <functional>
#include <memory>
#include <vector>

class SKTGraphic;

namespace zelk {

// Which graphics of a side are its backdrops: each a shape or a picture of the
// user's, shown, that covers most of the card and lies behind whatever it
// meets (a background rectangle or picture). By index into `side`.
std::vector<bool> backdropsOf(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card);

// What a shown graphic takes from a field placed over it: its drawing, but
// a stroked shape without fill only its outline's stroke, as a few
// rectangles (the inside of a hollow shape is free).
QList<QRectF> takenBy(const SKTGraphic& g);

// The edge of a backdrop, which a field may lie on or beside but never
// across: the band along a shape's outline as wide as its stroke (a point
// at least), or along a picture's rectangle, a point across.
QList<QRectF> edgeCover(const SKTGraphic& g);

// What the shown graphics of a side cover as drawn (of its backdrops their
// edges), `except` and `partner` left out, and the pictures among them
// (pictureRects), `except` left out: each graphic drawn once.
struct SideDrawn {
    QList<QRectF> drawn, pictures;
};
SideDrawn drawnAndPictures(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                           const SKTGraphic* except = nullptr, const SKTGraphic* partner = nullptr);

// What the shown graphics of a side cover as drawn (of its backdrops their
// edges), `except` and `partner` left out.
QList<QRectF> drawnRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                         const SKTGraphic* except = nullptr, const SKTGraphic* partner = nullptr);

// The pictures of a side as drawn (images and barcodes, each with a border
// drawn around it; not a backdrop), which no field may be put over to
// make room.
QList<QRectF> pictureRects(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card,
                           const SKTGraphic* except = nullptr);

// Whether a hidden field's box is reserved for when the field shows: one the
// design or the user gave it. A box the rule placed is placed anew when
// its field shows again, so nothing keeps clear of it meanwhile.
bool reservedForWhenItShows(const SKTGraphic& field);

// Whether a field drawn over `drawn` lies on `card`, inside its outline,
// and meets none of `taken` (a hundredth of a point is left for rounding).
bool liesClear(const QRectF& drawn, const QList<QRectF>& taken, const CardArea& card);

// How many of the shown graphics of a side that are `counted` leave the
// card's outline or meet another shown graphic (of a backdrop its edge).
int notClearCount(const QList<std::shared_ptr<SKTGraphic>>& side, const CardArea& card,
                  const std::function<bool(const SKTGraphic&)>& counted);

}  // namespace zelk

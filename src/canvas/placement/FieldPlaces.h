#pragma once
// The places of a field alone: nearest the place its rule gives (the
// profile layout, the next new-control point), or, where the fields fill
// the card line by line, first in reading order. Each is sought clear of
// what the side keeps from it (Taken), its pairing zones level by
// level; where the card has no clear place, the least-covering one.
#include "canvas/placement/CaptionPairing.h"
#include "canvas/placement/CardArea.h"
#include "canvas/placement/SideCover.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// What a new field keeps clear of on a side: what its shown graphics
// cover (drawnRects), the pictures among them, never covered to make room
// (pictureRects), and the pairing zones (pairingZonesOn) for a field of
// its role, kept clear where the card has a place clear of them; and,
// where given, the ground its colour does not read on, read only once a
// clear place is found, which it keeps off where the card has a clear
// place off it (readablePlace).
struct Taken {
    QList<QRectF> drawn, pictures;
    PairingZones pairing;
    FieldRole role = FieldRole::None;  // of the field placed
    std::function<QList<QRectF>()> groundNotReadOn = nullptr;
};

// The place `search` finds clear of `taken` (given more it keeps clear
// of); where the parts it puts on the card (`parts`) lie on ground
// `taken` says the field does not read on, the place it finds clear of
// that ground too, where it finds one.
template <class Place, class Search, class Parts>
std::optional<Place> readablePlace(const Taken& taken, const Search& search, const Parts& parts,
                                   const CardArea& card) {
    std::optional<Place> at = search(QList<QRectF>{});
    if (!at || !taken.groundNotReadOn)
        return at;
    const QList<QRectF> ground = taken.groundNotReadOn();
    const QList<QRectF> placed = parts(*at);
    if (std::all_of(placed.cbegin(), placed.cend(), [&](const QRectF& r) { return liesClear(r, ground, card); }))
        return at;
    std::optional<Place> readable = search(ground);
    return readable ? readable : at;
}

// What `self` (of `role`), placed beside `partner`, keeps clear of on a
// side (each graphic drawn once): drawnRects and pictureRects with both
// left out, and the pairing zones where `keepPairing`.
Taken takenOn(const QList<std::shared_ptr<SKTGraphic>>& side, const QRectF& card, const SKTGraphic* self,
                      const SKTGraphic* partner, FieldRole role, bool keepPairing = true);

// Where a new field lands when its rule puts it at `at`: the first of its
// sizes that has a free place on the card (the nearest); where none has,
// the place of one of its smallest sizes that covers the least, clear of
// `pictures`.
QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& taken, const CardArea& card,
                     const QList<QRectF>& pictures = {});
// The same, clear of the pairing zones where a size has a place so.
QRectF fieldPlaceFor(const QList<QSizeF>& sizes, const QPointF& at, const Taken& taken, const CardArea& card);

// Which of a field's sizes that have a clear place it takes when the
// fields fill the card line by line: the one of fewest lines (its text
// whole on a line where the card has one), or the one whose place comes
// first in reading order (the card packed, longer texts wrapped).
enum class FlowOrder { FewestLines, ReadingOrder };

// Where a field of many lands when the fields fill the card line by line:
// the clear place of one of its sizes, as `order` chooses it, the first in
// reading order (the upper, then the left one; the narrower of equals);
// where none has one, as fieldPlaceFor.
QRectF flowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                    const QList<QRectF>& pictures = {}, FlowOrder order = FlowOrder::FewestLines);
QRectF flowPlaceFor(const QList<QSizeF>& sizes, const Taken& taken, const CardArea& card,
                    FlowOrder order = FlowOrder::FewestLines);
// The clear place of flowPlaceFor; none where no size has one.
std::optional<QRectF> clearFlowPlaceFor(const QList<QSizeF>& sizes, const QList<QRectF>& taken, const CardArea& card,
                                        FlowOrder order = FlowOrder::FewestLines);

}  // namespace zelk

#pragma once
// The places of a caption and its value together: a field beside its
// partner (which stands, or moves with it), the two placed as one unit at
// one share of their sizes, and the rule's place of a caption beside its
// value.
#include "canvas/placement/CardArea.h"
#include "canvas/placement/FieldPlaces.h"
#include "canvas/placement/FieldSizes.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

class SKTGraphic;

namespace zelk {

// The sides of a partner a field may stand on, aligned with its top or left
// edge: a caption above or before its value, a value after or below its
// caption.
enum class Beside { Above, Before, After, Below };

// A field beside its partner, and where the partner then stands.
struct BesidePlace {
    QRectF field;
    QRectF partner;
};

// A field of one of `sizes` (largest first) beside `partner`, on the first
// of `sides` (in that order) where it lies on the card clear of `taken`;
// else slid along that side of the partner as little as clears it; else,
// where the partner may move (made with the field), the two moved together
// to the nearest place on the card where both are clear, or, where there
// is none, together to the place that covers the least. A partner that
// stays has the field apart: at the clear place nearest its first side,
// else at the place that covers the least (clear of `pictures` and of the
// partner); either way never nearer one of `rivals` (the fields of the
// partner's role) than its partner. `taken` leaves the partner out.
BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const QList<QRectF>& taken, const CardArea& card, bool partnerMoves = true,
                           const QList<QRectF>& pictures = {});
// The same, each clear place first sought clear of the pairing zones.
BesidePlace besidePlaceFor(const QRectF& partner, const QList<QSizeF>& sizes, const QList<Beside>& sides,
                           const Taken& taken, const CardArea& card, bool partnerMoves,
                           const QList<QRectF>& rivals = {});

// A caption and its value placed as one, at one share of their own sizes:
// the caption on the first of `captionSides` (Before or Above) of the
// value, the pair at the first of its sizes (largest first) that has a
// clear place on the card (first clear of the pairing zones), the nearest
// to `at` (the pair's top left); where none has, the pair's place that
// covers the least, clear of the side's pictures.
struct PairPlace {
    QRectF caption, value;
};
PairPlace pairPlaceFor(const SKTGraphic& caption, const SKTGraphic& value, const QPointF& at,
                       const QList<Beside>& captionSides, const Taken& taken, const CardArea& card,
                       FieldScales scales = {});

// A value placed with a spot for its caption (of `caption`'s size) reserved
// above it or before it on its line, whichever lands it first: the value in
// one of `valueSizes`, its caption's spot a part of the unit the two make.
// At the rule's place `rule` (the value's top left), or, where `flow` is
// given, filling the card line by line (the value in its fewest lines that
// have a place, or the card packed); each unit first clear of the pairing
// zones level by level, then of what is drawn, and at every level nothing
// drawn in the run-on space (`captionRunOn` wide) after the caption's spot;
// failing both, where it covers the least (nothing drawn in that space
// where the card has such a place off the pictures).
struct CaptionSpotPlace {
    QRectF value;
    QSizeF caption;
    bool above = true;  // the caption's spot above the value, else before it
};
CaptionSpotPlace valuePlaceWithCaptionSpot(const QSizeF& caption, const QList<QSizeF>& valueSizes, const QPointF& rule,
                                           const Taken& taken, const CardArea& card,
                                           std::optional<FlowOrder> flow, double captionRunOn = 0);

// The rule's place of a caption of `caption`'s size beside its value,
// regardless of the rest: above it (its foot on the value's top); where
// that leaves the card, before it.
QRectF captionPlaceFor(const QRectF& value, const QSizeF& caption, const QRectF& card);

}  // namespace zelk

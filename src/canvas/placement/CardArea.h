#pragma once
// Where on a card a field may lie: the card's rectangle, less what lies
// beyond its outline on a rounded or oval card, and the clearance a placed
// field keeps from what it is placed clear of.
#include <QList>
#include <QPainterPath>
#include <QRectF>

namespace zelk {

// Between a placed field and what it is kept clear of, in points.
constexpr double FieldClearance = 2.0;

// The card a field is placed on: its rectangle and its outline. On a
// rounded (Card_Shape 1) or oval (2) card the parts of the rectangle beyond
// the outline are kept as a staircase of rectangles, which no field may
// meet; a plain card (any other shape) has none.
struct CardArea {
    CardArea(const QRectF& rect = QRectF(), int shape = 0);  // NOLINT: a plain card is its rectangle
    QRectF rect;
    int shape = 0;
    QList<QRectF> outside;
    // Whether `r` lies on the card, inside its outline (a hundredth of a
    // point is left for rounding).
    bool holds(const QRectF& r) const;
    // The card's outline as the card face cuts it.
    QPainterPath outline() const;
};

// `taken` and what lies beyond the card's outline: what a search keeps off.
QList<QRectF> withOutside(const QList<QRectF>& taken, const CardArea& card);

// `r` moved onto `card` as far as it must, and cut to the card's size.
QRectF ontoCard(const QRectF& r, const QRectF& card);

}  // namespace zelk

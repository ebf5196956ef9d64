#pragma once
// Where the cells and cards of a sheet lie. The layout is worked out as the
// settings describe it: points, origin at the paper's lower-left corner, y
// upwards. toPainter() is the one place that turns such a rectangle, line or
// point into the painter's coordinates (points, origin at the paper's top
// left, y downwards), for the printed page and the window's preview alike.
#include "production/PrintJobSettings.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace zelk {

class SheetGeometry {
public:
    explicit SheetGeometry(const PrintJobSettings& settings);

    // The lower-left corner of the cell in row `row` (from the top) and
    // column `col` (from the left), both from 1.
    QPointF cellOrigin(int row, int col) const;
    // The size of one card in a cell: half the cell, less the side gap, when
    // both sides share it.
    QSizeF cardSize() const;
    // The rectangles of a cell's front (D) and back (E); E only when both
    // sides are printed (for duplex it is D).
    struct CardRects {
        QRectF front;
        std::optional<QRectF> back;
    };
    CardRects cardRects(int row, int col) const;
    // The eight crop marks of a card rectangle: 20 points from each corner
    // along the extensions of its edges.
    static QList<QLineF> cropMarks(const QRectF& card);
    // The printable area of the paper.
    QRectF printableArea() const;

    QRectF toPainter(const QRectF& rect) const;
    QLineF toPainter(const QLineF& line) const;
    QPointF toPainter(const QPointF& point) const;

    static constexpr double CropMarkLength = 20.0;

private:
    PrintJobSettings s_;
};

}  // namespace zelk

#pragma once
// Whether a field's text reads on what is drawn under it: the contrast of
// its colour with the side's picture without its fields (the WCAG ratio of
// their luminances), and the parts of the card where it would read worse
// than a field may be moved to.
#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>

#include <vector>

namespace zelk {

// The least contrast a field is moved onto: a text of a third of the
// luminance difference still reads.
constexpr double LeastMovedContrast = 3.0;

// What a side draws under its fields, cell by cell over the card (a cell a
// point square): the luminance of each, from a picture of the side drawn
// without its fields. A ground without a picture reads everywhere.
class FieldGround {
public:
    FieldGround() = default;
    // `picture` covers `card` (pixels outside the card's outline, left
    // transparent, count as white).
    FieldGround(const QImage& picture, const QRectF& card);
    bool isNull() const { return cols_ == 0; }

    // The contrast of a text of `colour` on what lies under `box`: that of
    // the middle cell when its cells are ordered by their contrast, so that
    // a box that touches a band's edge still reads as its ground does.
    // Infinity where the box covers no cell (or without a picture).
    double contrastUnder(const QColor& colour, const QRectF& box) const;

    // The contrast a field of `colour` standing in `box` keeps where it
    // moves: LeastMovedContrast, or what its box gives it where the design
    // itself gives less.
    double keptContrast(const QColor& colour, const QRectF& box) const;

    // The parts of the card on which a text of `colour` reads below
    // `least`, as few rectangles (whole cells), the cells inside `own` left
    // out: where a field keeping `least` may not stand. With `edge`, that
    // much of the cells along the edge of that ground is let go (the ground
    // is read a point to a cell: a cell's worth at a shape's edge is no
    // ground to keep off), and only there: ground whose edge runs across
    // the cells' rows, below a diagonal or an ellipse's curve, keeps its
    // inside.
    QList<QRectF> unreadable(const QColor& colour, double least, const QRectF& own = QRectF(), double edge = 0) const;

private:
    // The cells a span across (or down) the card touches, as [first, end).
    std::pair<int, int> cellsOf(double from, double to, int count) const;
    double contrastAt(int col, int row, double textLuminance) const;

    QRectF card_;
    int cols_ = 0, rows_ = 0;
    std::vector<float> luminance_;
};

}  // namespace zelk

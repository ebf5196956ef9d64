#include "production/SheetGeometry.h"

#include <algorithm>

namespace zelk {

namespace {

// 1-3 top, 4-6 middle, 7-9 bottom; 1, 4, 7 left, 2, 5, 8 centre, 3, 6, 9
// right. A value outside 1-9 places the grid as 1 does.
int alignment(int value) {
    return value >= 1 && value <= 9 ? value : 1;
}

}  // namespace

SheetGeometry::SheetGeometry(const PrintJobSettings& settings) : s_(settings) {}

QPointF SheetGeometry::cellOrigin(int row, int col) const {
    const double W = s_.paper.width(), H = s_.paper.height();
    const double L = s_.Left_Mar, R = s_.Rite_Mar, T = s_.Top_Mar, B = s_.Bot_Mar;
    const double lw = s_.label_width, lh = s_.label_hight;
    const double gh = s_.horz_mar, gv = s_.vert_mar;
    const int rows = std::max(s_.Print_Row, 1), cols = std::max(s_.Print_Col, 1);
    const double availW = W - L - R, availH = H - T - B;
    const double blockW = cols * lw + (cols - 1) * gh;
    const double blockH = rows * lh + (rows - 1) * gv;
    const int a = alignment(s_.label_align_val);

    double firstY;
    if (s_.auto_center_flag)
        firstY = blockH - lh + gv + B;
    else if (a <= 3)
        firstY = H - lh - T;
    else if (a <= 6)
        firstY = (availH - blockH) / 2 + B + blockH - lh;
    else
        firstY = blockH - lh + B;
    const double y = firstY - (row - 1) * (lh + gv);

    double x;
    if (s_.auto_center_flag) {
        x = L + col * gh + (col - 1) * lw;
    } else {
        double firstX;
        if (a % 3 == 1)
            firstX = L;
        else if (a % 3 == 2)
            firstX = L + (availW - blockW) / 2;
        else
            firstX = W - blockW - R;
        x = firstX + (col - 1) * (lw + gh);
    }
    return QPointF(x, y);
}

QSizeF SheetGeometry::cardSize() const {
    double w = s_.label_width, h = s_.label_hight;
    if (s_.Print_Card_Side == QLatin1String("BOTH")) {
        if (s_.Print_Card_Algn == QLatin1String("U") || s_.Print_Card_Algn == QLatin1String("UD"))
            h = (s_.label_hight - s_.side_mar) / 2;
        else if (s_.Print_Card_Algn == QLatin1String("L"))
            w = (s_.label_width - s_.side_mar) / 2;
    }
    return QSizeF(w, h);
}

SheetGeometry::CardRects SheetGeometry::cardRects(int row, int col) const {
    const QPointF o = cellOrigin(row, col);
    const QSizeF card = cardSize();
    const QRectF cell(o, QSizeF(s_.label_width, s_.label_hight));
    CardRects r;
    if (s_.Print_Card_Side != QLatin1String("BOTH")) {
        r.front = cell;
        return r;
    }
    const QString& a = s_.Print_Card_Algn;
    if (a == QLatin1String("U") || a == QLatin1String("UD")) {
        r.front = QRectF(QPointF(o.x(), o.y() + card.height() + s_.side_mar), card);
        r.back = QRectF(o, card);
    } else if (a == QLatin1String("L")) {
        r.front = QRectF(o, card);
        r.back = QRectF(QPointF(o.x() + card.width() + s_.side_mar, o.y()), card);
    } else {
        r.front = cell;
        r.back = cell;
    }
    return r;
}

QList<QLineF> SheetGeometry::cropMarks(const QRectF& c) {
    const double m = CropMarkLength;
    const double x = c.x(), y = c.y(), w = c.width(), h = c.height();
    return {
        QLineF(x, y, x - m, y),         QLineF(x, y, x, y - m),
        QLineF(x + w, y, x + w + m, y), QLineF(x + w, y, x + w, y - m),
        QLineF(x, y + h, x - m, y + h), QLineF(x, y + h, x, y + h + m),
        QLineF(x + w, y + h, x + w + m, y + h), QLineF(x + w, y + h, x + w, y + h + m),
    };
}

QRectF SheetGeometry::printableArea() const {
    return QRectF(s_.Left_Mar, s_.Bot_Mar, s_.paper.width() - s_.Left_Mar - s_.Rite_Mar,
                  s_.paper.height() - s_.Top_Mar - s_.Bot_Mar);
}

QPointF SheetGeometry::toPainter(const QPointF& p) const {
    return QPointF(p.x(), s_.paper.height() - p.y());
}

QRectF SheetGeometry::toPainter(const QRectF& r) const {
    return QRectF(toPainter(r.bottomLeft()), toPainter(r.topRight())).normalized();
}

QLineF SheetGeometry::toPainter(const QLineF& l) const {
    return QLineF(toPainter(l.p1()), toPainter(l.p2()));
}

}  // namespace zelk

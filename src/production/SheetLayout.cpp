#include "production/SheetLayout.h"

#include "foundation/Units.h"

#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

float mmToPoints(float mm) {
    return float(MM_to_Points_Convert(mm));
}

bool stacked(const QString& cardSide, const QString& arrangement) {
    return cardSide == QLatin1String("BOTH") &&
           (arrangement == QLatin1String("U") || arrangement == QLatin1String("UD"));
}

bool sideBySide(const QString& cardSide, const QString& arrangement) {
    return cardSide == QLatin1String("BOTH") && arrangement == QLatin1String("L");
}

// How many cells of `cell` fit in `length` with `gap` between them: the
// count asked for when it leaves room, else as many as fit, at least 1.
int fitTyped(int asked, float paper, float edges, float cell, float gap) {
    const float avail = paper - edges;
    const float room = ((avail - float(asked) * cell) - float(asked - 1) * gap) / float(asked + 1);
    if (room > 0)
        return asked;
    const float most = std::floor((paper + gap - edges) / (cell + gap));
    int m = std::isfinite(most) ? int(std::clamp(most, -1.0f, 1.0e6f)) : 1;
    return std::min(asked, std::max(m, 1));
}

}  // namespace

QSizeF SheetLayout::cellSize(float w, float h, float sideGap, const QString& cardSide, const QString& arrangement) {
    if (stacked(cardSide, arrangement))
        return QSizeF(w, 2 * h + sideGap);
    if (sideBySide(cardSide, arrangement))
        return QSizeF(2 * w + sideGap, h);
    return QSizeF(w, h);
}

SheetLayoutResult SheetLayout::compute(const SheetLayoutInput& in) {
    SheetLayoutResult r;
    const float gh = mmToPoints(in.horzGapMm);
    const float gv = mmToPoints(in.vertGapMm);
    r.horz_mar = gh;
    r.vert_mar = gv;
    r.side_mar = mmToPoints(in.sideGapMm);
    const float w = mmToPoints(in.cardWidthMm);
    const float h = mmToPoints(in.cardHeightMm);
    if (!stacked(in.cardSide, in.arrangement) && !sideBySide(in.cardSide, in.arrangement))
        r.side_mar = 0;
    const QSizeF cell = cellSize(w, h, r.side_mar, in.cardSide, in.arrangement);
    const float cw = float(cell.width());
    const float ch = float(cell.height());
    r.label_width = cw;
    r.label_hight = ch;
    const float pw = float(in.paper.width());
    const float ph = float(in.paper.height());
    if (in.fitToFrame) {
        r.label_width = pw - in.left - in.right;
        r.label_hight = ph - in.top - in.bottom;
    }
    // A count below 1 never reaches the grid.
    int cols = std::max(in.cols, 1);
    int rows = std::max(in.rows, 1);
    r.writeCols = cols != in.cols;
    r.writeRows = rows != in.rows;
    const float aw = pw - in.left - in.right;
    const float ah = ph - in.top - in.bottom;

    if (in.autoCenter && !in.fitToFrame) {
        const float g = (aw - float(cols) * cw) / float(cols + 1);
        if (g > 0) {
            r.horz_mar = g;
        } else {
            const float most = aw / cw;
            const int m = std::isfinite(most) ? std::max(int(std::clamp(most, -1.0f, 1.0e6f)), 1) : 1;
            cols = std::min(cols, m);
            r.writeCols = true;
            r.horz_mar = 0;
        }
        const float gy = (ah - float(rows) * ch) / float(rows + 1);
        if (gy > 0) {
            r.vert_mar = gy;
        } else {
            const float most = ah / ch;
            const int m = std::isfinite(most) ? std::max(int(std::clamp(most, -1.0f, 1.0e6f)), 1) : 1;
            rows = std::min(rows, m);
            r.writeRows = true;
            r.vert_mar = 0;
        }
    } else {
        const int fitCols = fitTyped(cols, pw, in.left + in.right, cw, gh);
        const int fitRows = fitTyped(rows, ph, in.top + in.bottom, ch, gv);
        r.writeCols = r.writeCols || fitCols < cols;
        r.writeRows = r.writeRows || fitRows < rows;
        cols = fitCols;
        rows = fitRows;
    }
    r.cols = cols;
    r.rows = rows;
    return r;
}

}  // namespace zelk

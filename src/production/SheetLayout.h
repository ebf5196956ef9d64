#pragma once
// The sheet layout: from the print window's fields to the cell, the gaps and
// the rows and columns that fit on the paper. Single-precision arithmetic, as
// the settings hold their lengths. A grid that does not fit is lowered until
// it does; no count ever falls below 1, also when a field or a profile holds
// 0 or less.
#include <QSizeF>
#include <QString>

namespace zelk {

struct SheetLayoutInput {
    // The print window's fields, millimetres.
    float cardWidthMm = 0;
    float cardHeightMm = 0;
    float horzGapMm = 0;
    float vertGapMm = 0;
    float sideGapMm = 0;
    int rows = 1;
    int cols = 1;
    bool autoCenter = false;
    QString cardSide;      // "BOTH", "F" or "B"
    QString arrangement;   // Print_Card_Algn
    bool fitToFrame = false;
    // The paper and its unprintable edges, points.
    QSizeF paper;
    float left = 0, right = 0, top = 0, bottom = 0;
};

struct SheetLayoutResult {
    float horz_mar = 0;
    float vert_mar = 0;
    float side_mar = 0;
    float label_width = 0;
    float label_hight = 0;
    // Print_Row and Print_Col, at least 1.
    int rows = 1;
    int cols = 1;
    // The row and column fields show the counts again when they changed
    // (auto-centre writes the count whenever it had to fit it).
    bool writeRows = false;
    bool writeCols = false;
};

class SheetLayout {
public:
    static SheetLayoutResult compute(const SheetLayoutInput& in);
    // The cell of one card for a side choice and arrangement: both sides
    // stacked ("U", "UD") or side by side ("L") with the side gap between;
    // otherwise the card itself.
    static QSizeF cellSize(float cardWidth, float cardHeight, float sideGap, const QString& cardSide,
                           const QString& arrangement);
};

}  // namespace zelk

// The sheet layout: cells, gaps and the grid that fits on the paper.
#include "production/SheetLayout.h"

#include <gtest/gtest.h>

using namespace zelk;

namespace {

// A4 in points, no unprintable edges, a CR80 card (85.6 x 54 mm: 242.65 x
// 153.07 points).
SheetLayoutInput cr80OnA4() {
    SheetLayoutInput in;
    in.cardWidthMm = 85.6f;
    in.cardHeightMm = 54.0f;
    in.cardSide = QStringLiteral("F");
    in.arrangement = QStringLiteral("UD");
    in.paper = QSizeF(595, 842);
    return in;
}

}  // namespace

TEST(SheetLayout, GridCellAndGaps) {
    struct Case {
        const char* name;
        std::function<void(SheetLayoutInput&)> change;
        int rows, cols;
        bool rowsWritten, colsWritten;
        double width, height, horzGap;  // points; where each comes from is in the name
    } cases[] = {
        // 595 / 242.65 -> 2 columns, 842 / 153.07 -> 5 rows.
        {"3x6 typed on A4 falls to 2x5", [](auto& in) { in.rows = 6; in.cols = 3; }, 5, 2, true, true, 242.65,
         153.07, 0},
        // (595 - 2 x 242.65) / 3
        {"auto-centre of 2 columns", [](auto& in) { in.cols = 2; in.autoCenter = true; }, 1, 2, false, false, 242.65,
         153.07, 36.57},
        // 2w + 5 mm (14.17 points) wide.
        {"L: side by side", [](auto& in) { in.cardSide = "BOTH"; in.arrangement = "L"; in.sideGapMm = 5; }, 1, 1,
         false, false, 499.47, 153.07, 0},
        {"U: stacked", [](auto& in) { in.cardSide = "BOTH"; in.arrangement = "U"; in.sideGapMm = 5; }, 1, 1, false,
         false, 242.65, 320.31, 0},
        {"DU: no side gap", [](auto& in) { in.cardSide = "BOTH"; in.arrangement = "DU"; in.sideGapMm = 5; }, 1, 1,
         false, false, 242.65, 153.07, 0},
        {"card wider than the paper keeps a column", [](auto& in) { in.cardWidthMm = 300; in.cols = 2; }, 1, 1, false,
         true, 850.39, 153.07, 0},
        {"smaller counts are never raised", [](auto& in) { in.rows = 2; in.cols = 1; }, 2, 1, false, false, 242.65,
         153.07, 0},
        // A field or profile holding 0 or less.
        {"counts below 1 become 1", [](auto& in) { in.rows = 0; in.cols = -3; }, 1, 1, true, true, 242.65, 153.07,
         0},
        // The cell takes the printable area; auto-centre is ignored.
        {"fit to frame", [](auto& in) { in.fitToFrame = true; in.autoCenter = true; in.left = 10; in.right = 15; },
         1, 1, false, false, 570, 842, 0},
        {"edges leave no room", [](auto& in) { in.left = 400; in.right = 400; in.cols = 3; }, 1, 1, false, true,
         242.65, 153.07, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetLayoutInput in = cr80OnA4();
        c.change(in);
        const SheetLayoutResult r = SheetLayout::compute(in);
        EXPECT_EQ(r.rows, c.rows);
        EXPECT_EQ(r.cols, c.cols);
        EXPECT_EQ(r.writeRows, c.rowsWritten);
        EXPECT_EQ(r.writeCols, c.colsWritten);
        EXPECT_NEAR(r.label_width, c.width, 0.02);
        EXPECT_NEAR(r.label_hight, c.height, 0.02);
        EXPECT_NEAR(r.horz_mar, c.horzGap, 0.02);
    }
}

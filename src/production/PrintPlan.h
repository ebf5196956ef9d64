#pragma once
// Which card each cell of each page shows, and how. A cell's card follows
// from the page and the cell alone (Print_Start + (page - 1) x cells + cell,
// duplex pages counting in pairs), so pages may be drawn in any order and
// any number of times: a preview redraws, a printer may ask again.
#include "production/PrintJobSettings.h"

#include <QRectF>
#include <algorithm>
#include <optional>

namespace zelk {

class PrintPlan {
public:
    explicit PrintPlan(const PrintJobSettings& settings);

    int cellsPerPage() const { return rows_ * cols_; }
    // The pages of the whole job: ceil(cards / cells), each duplex sheet
    // two pages (a front page and its back page).
    int pageCount() const;
    // What a preview shows of them.
    static constexpr int PreviewPageLimit = 50;
    int previewPageCount() const { return std::min(pageCount(), PreviewPageLimit); }

    // One cell of one page: the card it shows (-1: the cell stays empty),
    // its row and column (from 1), and which sides are drawn, each upright
    // or turned by half a turn.
    struct Cell {
        int card = -1;
        int row = 1;
        int col = 1;
        bool drawFront = false;
        bool drawBack = false;
        bool frontTurned = false;
        bool backTurned = false;
        bool isEmpty() const { return card < 0; }
    };
    // `page` from 1, `cell` from 0 in row-major order.
    Cell cell(int page, int cell) const;

private:
    PrintJobSettings s_;
    int rows_ = 1;
    int cols_ = 1;
    int cards_ = 0;  // cards of the run (a duplex run has two images per card)
};

}  // namespace zelk

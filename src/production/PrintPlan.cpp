#include "production/PrintPlan.h"

#include <algorithm>

namespace zelk {

PrintPlan::PrintPlan(const PrintJobSettings& settings)
    : s_(settings), rows_(std::max(settings.Print_Row, 1)), cols_(std::max(settings.Print_Col, 1)) {
    const int images = std::max(settings.Total_Label, 0);
    cards_ = settings.Duplex_Printing ? (images + 1) / 2 : images;
}

int PrintPlan::pageCount() const {
    const int cells = cellsPerPage();
    const int sheets = cards_ / cells + (cards_ % cells ? 1 : 0);
    return s_.Duplex_Printing ? 2 * sheets : sheets;
}

PrintPlan::Cell PrintPlan::cell(int page, int index) const {
    Cell c;
    const int cells = cellsPerPage();
    if (page < 1 || page > pageCount() || index < 0 || index >= cells)
        return c;
    c.row = index / cols_ + 1;
    c.col = index % cols_ + 1;
    const int sheet = s_.Duplex_Printing ? (page - 1) / 2 : page - 1;
    const int nth = sheet * cells + index;
    if (nth >= cards_)
        return c;
    const int card = s_.Print_Start + nth;
    // Cells past the data stay empty.
    if (s_.useData && card >= s_.dataCards)
        return c;
    c.card = card;

    const QString& side = s_.Print_Card_Side;
    const QString& algn = s_.Print_Card_Algn;
    const bool oneTurned = s_.Print_One_Card_Algn == QLatin1String("D");
    if (side == QLatin1String("F")) {
        c.drawFront = true;
        c.frontTurned = oneTurned;
    } else if (side == QLatin1String("B")) {
        c.drawBack = true;
        c.backTurned = oneTurned;
    } else if (s_.Duplex_Printing) {
        // Fronts on odd pages, the backs of the same cards on even pages.
        const bool frontPage = page % 2 == 1;
        c.drawFront = frontPage;
        c.drawBack = !frontPage;
        c.backTurned = c.drawBack && algn == QLatin1String("DD");
    } else {
        c.drawFront = c.drawBack = true;
        c.backTurned = algn == QLatin1String("UD");
    }
    return c;
}

}  // namespace zelk

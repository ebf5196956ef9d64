#pragma once
// The cards a run prints, from the print window's range controls: all cards
// (the total) or a selected range from-to (1-based, inclusive), bounded to
// the cards the data holds; doubled for duplex, one image per side.
#include <QString>

namespace zelk {

struct PrintRange {
    bool ok = false;
    QString message;      // why nothing is printed
    int Print_Start = 0;  // 0-based first card
    int Print_End = 0;    // 1-based last card of a selected range
    int Total_Label = 0;  // card images of the run

    // `dataCards` bounds the range when the cards take data values (a
    // negative or oversized "from" or "to" is brought inside 1..dataCards).
    static PrintRange resolve(bool all, int total, int from, int to, bool useData, int dataCards, bool duplex);

    // The question asked when one cell with the edges and a gap does not
    // fit on the paper.
    static bool cardExceedsPaper(float labelWidth, float labelHeight, float left, float right, float top,
                                 float bottom, float horzGap, float vertGap, double paperWidth, double paperHeight);
    static const QString exceedsPaperQuestion;
};

}  // namespace zelk

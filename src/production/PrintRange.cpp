#include "production/PrintRange.h"

#include <algorithm>

namespace zelk {

const QString PrintRange::exceedsPaperQuestion = QStringLiteral(
    "'Card Size' is bigger than selected 'Paper Size' or drawn card may be out of margin area.\n\nDo you want to "
    "continue?");

PrintRange PrintRange::resolve(bool all, int total, int from, int to, bool useData, int dataCards, bool duplex) {
    PrintRange r;
    const int most = useData ? std::max(dataCards, 1) : 999999;
    if (all) {
        r.Print_Start = 0;
        r.Total_Label = std::clamp(total, 0, most);
    } else {
        from = std::clamp(from, 1, most);
        to = std::clamp(to, 1, most);
        r.Print_End = to;
        if (from > to) {
            r.message = QStringLiteral("Please select valid range.");
            return r;
        }
        r.Total_Label = to - from + 1;
        r.Print_Start = from - 1;
    }
    if (duplex)
        r.Total_Label *= 2;
    if (r.Total_Label == 0) {
        r.message = QStringLiteral("There is no barcode to print.");
        return r;
    }
    r.ok = true;
    return r;
}

bool PrintRange::cardExceedsPaper(float labelWidth, float labelHeight, float left, float right, float top,
                                  float bottom, float horzGap, float vertGap, double paperWidth,
                                  double paperHeight) {
    return labelWidth + left + right + horzGap > paperWidth || labelHeight + top + bottom + vertGap > paperHeight;
}

}  // namespace zelk

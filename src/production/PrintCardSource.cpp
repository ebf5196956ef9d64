#include "production/PrintCardSource.h"

namespace zelk {

PrintCardSource PrintCardSource::ofDesign(const SideSnapshot& front, const SideSnapshot& back) {
    PrintCardSource source;
    source.card = [front, back](int, QChar side) {
        PrintCard c;
        c.side = side == QLatin1Char('F') ? front : back;
        if (c.side.isNull())
            c.reason = QStringLiteral("The design has no such side.");
        return c;
    };
    return source;
}

}  // namespace zelk

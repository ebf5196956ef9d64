#pragma once
// The warning that a series is bound to a graphic of the card and is left as
// it is: one "OK" button and the "Apply to All" check box, which the message
// boxes cannot carry. Runs through zelk::DialogRunner.
#include <QString>

namespace zelk {

class InUseAlert {
public:
    // Shows the text; true when the user checked "Apply to All". The box
    // starts checked when `applyToAll` is set.
    static bool show(const QString& text, bool applyToAll = false);
};

}  // namespace zelk

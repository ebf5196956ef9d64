#include "inspector/AlignmentNeed.h"

namespace zelk {

QString alignmentRefusal(AlignmentNeed need, qsizetype selectedCount, bool gridShown) {
    switch (need) {
    case AlignmentNeed::SeveralSelected:
        return selectedCount < 2 ? QStringLiteral("Please select more than one control.") : QString();
    case AlignmentNeed::GridShown:
        return gridShown ? QString() : QStringLiteral("Please use grid option first.");
    case AlignmentNeed::Nothing: break;
    }
    return {};
}

}  // namespace zelk

#include "foundation/Units.h"

double MM_to_Points_Convert(double mm) { return mm * zelk::pointsPerMm; }
double Points_to_MM_Convert(double points) { return points * zelk::mmPerPoint; }

namespace zelk {

float unitFactor(int from, int into) {
    // Row: the unit converted from; column: the unit converted into.
    static constexpr float factors[3][3] = {
        {1.0f, 2.54f, 25.4f},
        {0.39370078f, 1.0f, 10.0f},
        {0.03937008f, 0.1f, 1.0f},
    };
    if (from < 0 || from > 2 || into < 0 || into > 2)
        return 1.0f;
    return factors[from][into];
}

float toPoints(float value, MeasureUnit unit) {
    const float mm = value * unitFactor(unit, MeasureUnit::Mm);
    return float(MM_to_Points_Convert(mm));
}

float fromPoints(float points, MeasureUnit unit) {
    const float mm = float(Points_to_MM_Convert(points));
    return mm * unitFactor(MeasureUnit::Mm, unit);
}

int lengthDecimals(MeasureUnit unit) {
    switch (unit) {
    case MeasureUnit::Inch: return 4;
    case MeasureUnit::Cm: return 3;
    case MeasureUnit::Mm: break;
    }
    return 2;
}

}  // namespace zelk

#include "foundation/Units.h"

double MM_to_Points_Convert(double mm) { return mm * zelk::pointsPerMm; }
double Points_to_MM_Convert(double points) { return points * zelk::mmPerPoint; }

namespace zelk {

double inchesToPoints(double inches) { return inches * pointsPerInch; }
double pointsToInches(double points) { return points / pointsPerInch; }
double cmToPoints(double cm) { return cm * pointsPerCm; }
double pointsToCm(double points) { return points * mmPerPoint / 10.0; }

double toPoints(double value, MeasureUnit unit) {
    switch (unit) {
    case MeasureUnit::Inch: return inchesToPoints(value);
    case MeasureUnit::Cm: return cmToPoints(value);
    case MeasureUnit::Mm: return MM_to_Points_Convert(value);
    }
    return value;
}

double fromPoints(double points, MeasureUnit unit) {
    switch (unit) {
    case MeasureUnit::Inch: return pointsToInches(points);
    case MeasureUnit::Cm: return pointsToCm(points);
    case MeasureUnit::Mm: return Points_to_MM_Convert(points);
    }
    return points;
}

}  // namespace zelk

#pragma once
// Unit conversions. The model measures in points (1/72 inch); sizes are shown
// in the chosen unit. (Barcodes use a factor of their own.)

// Millimetres to points (x 2.834645669291).
double MM_to_Points_Convert(double mm);
// Points to millimetres (x 0.3527777777778).
double Points_to_MM_Convert(double points);

namespace zelk {

// The measurement units as numbered in the user interface.
enum class MeasureUnit { Inch = 0, Cm = 1, Mm = 2 };

constexpr double pointsPerInch = 72.0;
constexpr double pointsPerMm = 2.834645669291;
constexpr double mmPerPoint = 0.3527777777778;
constexpr double pointsPerCm = pointsPerMm * 10.0;

double inchesToPoints(double inches);
double pointsToInches(double points);
double cmToPoints(double cm);
double pointsToCm(double points);

// A value in `unit` to points and back.
double toPoints(double value, MeasureUnit unit);
double fromPoints(double points, MeasureUnit unit);

}  // namespace zelk

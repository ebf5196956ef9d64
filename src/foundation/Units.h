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

constexpr double pointsPerMm = 2.834645669291;
constexpr double mmPerPoint = 0.3527777777778;

// The factor by which a length in unit `from` is multiplied to give it in
// unit `into` (0 inch, 1 cm, 2 mm). Single precision, as the size fields hold
// lengths: designs measured with these factors keep their sizes. Any unit
// outside 0 to 2, on either side, gives 1.
float unitFactor(int from, int into);
inline float unitFactor(MeasureUnit from, MeasureUnit into) { return unitFactor(int(from), int(into)); }

// A length in `unit` to points the way a size field is read: to millimetres
// by the factor, then to points (3 in gives 215.99998 points).
float toPoints(float value, MeasureUnit unit);
// Points to a length in `unit` the way a size field shows it (144 points
// show 2 in).
float fromPoints(float points, MeasureUnit unit);

// The decimals a length in `unit` is shown with: about a hundredth of a
// millimetre in each (mm 2, cm 3, in 4). The single-precision noise of a
// converted size (85.6 mm reads back as 85.5999985) lies far below it.
int lengthDecimals(MeasureUnit unit);

}  // namespace zelk

#pragma once
// Size rules of barcode pictures: millimetres and mils to points, the working
// margins, and the total height and width of a linear or postal symbol.
#include "BarcodeRenderSettings.h"

class NKDBarcode;

namespace zelk {

// Margins in points as the renderer and the bar geometry use them. The value,
// header and footer gaps are 0 while their text is hidden.
struct BarcodeMargins {
    float value = 0.0f;
    float header = 0.0f;
    float footer = 0.0f;
    float lr = 0.0f;
    float tb = 0.0f;
};

class BarcodeSizes {
public:
    // Barcode lengths use 2.8346472 points per millimetre (m × 0.393701 × 72 ÷ 10
    // in double precision, stored as float), not the card model's factor.
    static float mmToPoints(float mm);
    // Thousandths of an inch to points: 20 mils are 1.44 points.
    static float milsToPoints(float mils);

    static BarcodeMargins workingMargins(const BarcodeRenderSettings& s);

    // Total height of a linear symbol: the bar height plus every shown text
    // band and its gap plus the top and bottom margins; stored in the barcode.
    static void Set_Barcode_Height(NKDBarcode& b, const BarcodeRenderSettings& s);
    // Total width: the widest of bars, header and footer, plus the left and
    // right margins, and 15 points more when that margin is not 0.
    static float Set_Linear_Barcode_Width(const NKDBarcode& b, const BarcodeRenderSettings& s);
};

}  // namespace zelk

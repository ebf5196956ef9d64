#pragma once
// Everything a barcode picture is made from besides its value, header and
// footer: the symbology, the mode, the look and the 2D parameters. A plain
// value, so a job copies it once and produces on any thread.
#include "barcode/BarcodeRenderSettings.h"
#include "barcode/TwoDSettings.h"

#include <QString>

namespace zelk {

struct BarcodeProductionSettings {
    int liner_or_2D_font = 0;  // 0 linear or postal, 1 2D
    QString symbology;         // a title of BarcodeSymbologies; empty for none
    BarcodeRenderSettings look;
    TwoDSettings twoD;

    bool isTwoD() const { return liner_or_2D_font == 1; }
};

}  // namespace zelk

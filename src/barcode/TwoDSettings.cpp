#include "barcode/TwoDSettings.h"

#include "barcode/BarcodeGlobals.h"

namespace zelk {

TwoDSettings TwoDSettings::fromGlobals() {
    TwoDSettings s;
    s.qrVersion = QR_Version_Val;
    s.qrEcLevel = QR_EC_Level_Val;
    s.dpi = USED_DPI_VALUE;
    s.dmModuleSize = Barcode_module_size;
    return s;
}

}  // namespace zelk

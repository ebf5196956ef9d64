#include "BarcodeSizes.h"

#include "NKDBarcode.h"

#include <algorithm>

namespace zelk {

float BarcodeSizes::mmToPoints(float mm) {
    return static_cast<float>(static_cast<double>(mm) * 0.393701 * 72.0 / 10.0);
}

float BarcodeSizes::milsToPoints(float mils) {
    const float inches = mils / 1000.0f;
    return inches * 72.0f;
}

BarcodeMargins BarcodeSizes::workingMargins(const BarcodeRenderSettings& s) {
    BarcodeMargins m;
    m.value = s.hideCaption ? 0.0f : mmToPoints(s.valueMarginMm);
    m.header = s.hideHeader ? 0.0f : mmToPoints(s.headerMarginMm);
    m.footer = s.hideFooter ? 0.0f : mmToPoints(s.footerMarginMm);
    m.lr = mmToPoints(s.lrMarginMm);
    m.tb = mmToPoints(s.tbMarginMm);
    return m;
}

void BarcodeSizes::Set_Barcode_Height(NKDBarcode& b, const BarcodeRenderSettings& s) {
    const BarcodeMargins m = workingMargins(s);
    b.setBarHeight(mmToPoints(s.barHeightMm));
    if (b.printsCaption())
        b.setHeight(static_cast<float>(double(b.height()) + double(b.captionHeight()) * 72.0 + m.value));
    if (b.printsHeader())
        b.setHeight(static_cast<float>(double(b.height()) + double(b.headerHeight()) * 72.0 + m.header));
    if (b.printsFooter())
        b.setHeight(static_cast<float>(double(b.height()) + double(b.footerHeight()) * 72.0 + m.footer));
    b.setHeight(static_cast<float>(double(b.height()) + 2.0 * m.tb));
}

float BarcodeSizes::Set_Linear_Barcode_Width(const NKDBarcode& b, const BarcodeRenderSettings& s) {
    const float hw = s.hideHeader ? 0.0f : b.headerWidth();
    const float fw = s.hideFooter ? 0.0f : b.footerWidth();
    const float lr = mmToPoints(s.lrMarginMm);
    const float w = std::max({hw, fw, b.width()});
    float result = w + 2.0f * lr;
    if (lr > 0.0f)
        result += 15.0f;
    return result;
}

}  // namespace zelk

#pragma once
// Shared helpers of the linear barcode tests: building a symbol with the
// default look and rendering it at whole pixels per module.
#include "barcode/BarcodeRenderSettings.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcode.h"
#include "barcode/NKDBarcodeFactory.h"

#include <QImage>
#include <memory>

namespace zelk::test {

// The default look without header and footer; 20 mils a module.
inline BarcodeRenderSettings plainSettings() {
    BarcodeRenderSettings s;
    s.hideHeader = true;
    s.hideFooter = true;
    return s;
}

inline std::unique_ptr<NKDBarcode> buildLinear(const QString& title, const QString& value,
                                               const BarcodeRenderSettings& s = plainSettings()) {
    return NKDBarcodeFactory::build(title, value, QStringLiteral("HEADER"), QStringLiteral("FOOTER"), s);
}

// 20 mils (1.44 points) at 150 dots per inch: three pixels a module.
inline QImage renderForReader(const NKDBarcode& b, double dpi = 150.0) {
    return BarcodeRenderer::bitmapFromBarcode(b, dpi);
}

// Bars of a module string as run lengths of dark modules, the light runs dropped.
inline QList<int> barWidths(const QString& modules) {
    QList<int> out;
    int run = 0;
    for (QChar c : modules) {
        if (c == QLatin1Char('1')) {
            ++run;
        } else if (run > 0) {
            out.append(run);
            run = 0;
        }
    }
    if (run > 0)
        out.append(run);
    return out;
}

}  // namespace zelk::test

// Any title and any value: the linear kinds never crash on what they are
// given, and a value that builds always draws.
#include "barcode/BarcodeRenderer.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/NKDBarcodeFactory.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk;
    if (size < 2)
        return 0;
    const int linearCount = static_cast<int>(BarcodeSymbologies::titles().size()) - 3;
    const QString title = BarcodeSymbologies::titleAt(data[0] % linearCount);
    BarcodeRenderSettings s;
    s.hideCaption = data[1] & 1;
    s.hideHeader = data[1] & 2;
    s.hideFooter = data[1] & 4;
    s.showValueOnTop = data[1] & 8;
    const QString value = QString::fromLatin1(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));

    if (auto raw = NKDBarcodeFactory::create(title, value, true, s)) {
        const QString modules = raw->completeBarcode();
        for (int i = 0; i < modules.size(); ++i) {
            volatile float t = raw->barTop(i) + raw->barBottom(i);
            (void)t;
        }
        (void)raw->caption();
        (void)raw->leftCaption();
        (void)raw->rightCaption();
        (void)raw->isContentValid();
        (void)raw->copy();
    }
    if (auto b = NKDBarcodeFactory::build(title, value, QStringLiteral("H"), QStringLiteral("F"), s)) {
        if (!b->isContentValid() || BarcodeRenderer::bitmapFromBarcode(*b, 36).isNull())
            std::abort();
        for (QChar c : b->completeBarcode())
            if (c != QLatin1Char('0') && c != QLatin1Char('1'))
                std::abort();
    }
    return 0;
}

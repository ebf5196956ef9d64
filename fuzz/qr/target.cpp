// QR Code encoder over random bytes: the first three bytes choose level,
// version and mask, the rest is the text; the grid is rendered small.
#include "barcode/QREncoder.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const int level = data[0] % 4;
    const int version = data[1] % 41;
    const int mask = static_cast<int>(data[2] % 9) - 1;
    const QByteArray text(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    auto grid = QREncoder::encodeCStringWithECLevel(level, version, text, mask);
    if (grid) {
        const int n = static_cast<int>(grid->dimension());
        if (n < 21 || n > 177 || (n - 17) % 4 != 0)
            __builtin_trap();
        QREncoder::renderDataMatrix(*grid, n + (data[0] % 7), 72);
    }
    QREncoder::encodeWithECLevel(level, version, QString::fromUtf8(text));
    return 0;
}

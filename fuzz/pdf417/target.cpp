// PDF417 encoder over random bytes: the first four bytes choose options,
// error level, columns and rows; the rest is the text (or, in raw mode, the
// codewords two bytes each).
#include "barcode/Pdf417Encoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    pdf417param p;
    pdf417init(&p);
    p.options = data[0] & (PDF417_FIXED_RECTANGLE | PDF417_FIXED_COLUMNS | PDF417_FIXED_ROWS |
                           PDF417_USE_ERROR_LEVEL | PDF417_USE_RAW_CODEWORDS | PDF417_INVERT_BITMAP);
    p.errorLevel = static_cast<int>(data[1] % 12) - 1;
    p.codeColumns = data[2] % 40;
    p.codeRows = data[3];
    p.aspectRatio = 0.1f + static_cast<float>(data[0] >> 5);
    if (p.options & PDF417_USE_RAW_CODEWORDS) {
        int n = 0;
        for (size_t i = 4; i + 1 < size && n < 928; i += 2)
            p.codewords[n++] = (data[i] << 8 | data[i + 1]) % 1000;
        p.lenCodewords = n;
        if (n > 0 && (data[1] & 0x80))
            p.codewords[0] = n;
    } else {
        p.text = reinterpret_cast<const char*>(data + 4);
        p.lenText = static_cast<int>(size - 4);
    }
    paintCode(&p);
    if (p.error == 0) {
        const int k = 2 << p.errorLevel;
        if (p.codeRows < 3 || p.codeRows > 90 || p.codeColumns < 1 || p.codeColumns > 30 ||
            p.lenCodewords != p.codeRows * p.codeColumns || p.codewords[0] + k != p.lenCodewords)
            __builtin_trap();
        for (int i = 0; i < p.lenCodewords; ++i)
            if (p.codewords[i] < 0 || p.codewords[i] > 928)
                __builtin_trap();
    }
    pdf417free(&p);
    return 0;
}

// DataMatrix encoder over random bytes: the first byte chooses the size (or
// automatic), the second the encodation (automatic, one forced letter, or a
// letter per byte from the data itself); the rest is the text.
#include "barcode/DataMatrixEcc200.h"
#include "barcode/TwoDBarcode.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    static const char letters[] = "ACTXEB";
    const auto& sizes = ecc200matrix();
    const int pick = data[0] % (static_cast<int>(sizes.size()) + 1);
    int W = pick ? sizes[static_cast<size_t>(pick - 1)].W : 0;
    int H = pick ? sizes[static_cast<size_t>(pick - 1)].H : 0;
    const QByteArray text(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    QByteArray encoding;
    switch (data[1] % 3) {
    case 1: encoding = QByteArray(text.size(), letters[(data[1] / 3) % 6]); break;
    case 2:
        for (char c : text)
            encoding += letters[static_cast<unsigned char>(c) % 6];
        break;
    default: break;
    }
    // Refusals are reported on standard error; keep the run quiet.
    std::FILE* saved = stderr;
    static std::FILE* null = std::fopen("/dev/null", "w");
    if (null)
        stderr = null;
    int len = 0, max = 0, ecc = 0;
    const std::vector<uint8_t> grid =
        iec16022ecc200(&W, &H, &encoding, static_cast<int>(text.size()),
                       reinterpret_cast<const unsigned char*>(text.constData()), &len, &max, &ecc);
    stderr = saved;
    if (!grid.empty()) {
        if (grid.size() != static_cast<size_t>(W * H) || len > max)
            __builtin_trap();
        QImage img;
        TwoDBarcode::makeEPS_Data_Matrix(text, W, H, grid, 1, 72, &img);
        if (img.isNull())
            __builtin_trap();
    }
    return 0;
}

// libs: zelk_barcode
// 10,000 PDF417 symbols of 20 to 60 characters at error correction level 2,
// shape chosen for an aspect ratio of 1: segmentation, compaction, error
// correction and layout (the codewords of each row).
#include "barcode_values.h"
#include "barcode/Pdf417Encoder.h"

static void BM_Pdf417_10000(benchmark::State& state) {
    zelk::bench::encodeEveryValue(state, [](const QByteArray& v) {
        pdf417param p;
        pdf417init(&p);
        p.text = v.constData();
        p.lenText = static_cast<int>(v.size());
        p.options = PDF417_USE_ERROR_LEVEL | PDF417_INVERT_BITMAP;
        p.errorLevel = 2;
        p.aspectRatio = 1.0f;
        paintCode(&p);
        const int codewords = p.lenCodewords;
        pdf417free(&p);
        return codewords;
    });
}
BENCHMARK(BM_Pdf417_10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return zelk::bench::barcodeBenchMain(argc, argv);
}

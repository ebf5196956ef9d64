// libs: zelk_barcode
// 10,000 PDF417 symbols of 20 to 60 characters at error correction level 2,
// shape chosen for an aspect ratio of 1: segmentation, compaction, error
// correction, layout and the rows painted as a bitmap of modules, as a
// command line encoder's dump of the rows.
#include "barcode_values.h"
#include "barcode/Pdf417Encoder.h"
#include "barcode/TwoDBarcode.h"

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
        const int painted = p.outBits ? p.lenBits : 0;
        pdf417free(&p);
        return painted;
    });
}
BENCHMARK(BM_Pdf417_10000)->Unit(benchmark::kMillisecond);

// The same with the picture of each symbol: 100 by 20 points at 600 dpi.
static void BM_Pdf417Pictures10000(benchmark::State& state) {
    const zelk::TwoDSettings settings;
    zelk::bench::encodeEveryValue(state, [&settings](const QByteArray& v) {
        return TwoDBarcode::Draw_PDF_417_Barcode(QString::fromUtf8(v), settings).width();
    });
}
BENCHMARK(BM_Pdf417Pictures10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return zelk::bench::barcodeBenchMain(argc, argv);
}

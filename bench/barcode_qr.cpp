// libs: zelk_barcode
// 10,000 QR Codes of 20 to 60 characters, "Auto" version, level M, the mask
// chosen by penalty score; the module grids only, as a command line encoder's
// dump of the grid.
#include "barcode_values.h"
#include "barcode/QREncoder.h"

static void BM_QrCodes10000(benchmark::State& state) {
    zelk::bench::encodeEveryValue(state, [](const QByteArray& v) {
        auto grid = QREncoder::encodeCStringWithECLevel(1, 0, v);
        return grid ? static_cast<int>(grid->dimension()) : 0;
    });
}
BENCHMARK(BM_QrCodes10000)->Unit(benchmark::kMillisecond);

// The same with the picture of each symbol: 60 points at 600 dpi.
static void BM_QrPictures10000(benchmark::State& state) {
    zelk::bench::encodeEveryValue(state, [](const QByteArray& v) {
        auto grid = QREncoder::encodeCStringWithECLevel(1, 0, v);
        return grid ? QREncoder::renderDataMatrix(*grid, 60, 600).width() : 0;
    });
}
BENCHMARK(BM_QrPictures10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return zelk::bench::barcodeBenchMain(argc, argv);
}

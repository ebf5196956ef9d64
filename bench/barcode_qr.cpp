// libs: zelk_barcode
// 10,000 QR Codes of 20 to 60 characters, "Auto" version, level M, the mask
// chosen by penalty score; the module grids only, as a command line encoder's
// dump of the grid.
#include "barcode_values.h"
#include "barcode/QREncoder.h"

#include <benchmark/benchmark.h>

static void BM_QrCodes10000(benchmark::State& state) {
    const QList<QByteArray> values = zelk::bench::barcodeValues();
    for (auto _ : state) {
        int modules = 0;
        for (const QByteArray& v : values) {
            auto grid = QREncoder::encodeCStringWithECLevel(1, 0, v);
            modules += grid ? static_cast<int>(grid->dimension()) : 0;
        }
        benchmark::DoNotOptimize(modules);
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(BM_QrCodes10000)->Unit(benchmark::kMillisecond);

// The same with the picture of each symbol: 60 points at 600 dpi.
static void BM_QrPictures10000(benchmark::State& state) {
    const QList<QByteArray> values = zelk::bench::barcodeValues();
    for (auto _ : state) {
        qint64 pixels = 0;
        for (const QByteArray& v : values) {
            auto grid = QREncoder::encodeCStringWithECLevel(1, 0, v);
            if (grid)
                pixels += QREncoder::renderDataMatrix(*grid, 60, 600).width();
        }
        benchmark::DoNotOptimize(pixels);
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(BM_QrPictures10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == "--write-values")
        return zelk::bench::writeValues(QString::fromLocal8Bit(argv[2]), zelk::bench::barcodeValues()) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// libs: zelk_barcode
// 10,000 DataMatrix ECC200 symbols of 20 to 60 characters, automatic size and
// encodation; the module grids only.
#include "barcode_values.h"
#include "barcode/DataMatrixEcc200.h"

#include <benchmark/benchmark.h>

static void BM_DataMatrix10000(benchmark::State& state) {
    const QList<QByteArray> values = zelk::bench::barcodeValues();
    for (auto _ : state) {
        int modules = 0;
        for (const QByteArray& v : values) {
            int W = 0, H = 0;
            const auto grid = iec16022ecc200(&W, &H, nullptr, static_cast<int>(v.size()),
                                             reinterpret_cast<const unsigned char*>(v.constData()), nullptr,
                                             nullptr, nullptr);
            modules += static_cast<int>(grid.size());
        }
        benchmark::DoNotOptimize(modules);
    }
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(BM_DataMatrix10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == "--write-values")
        return zelk::bench::writeValues(QString::fromLocal8Bit(argv[2]), zelk::bench::barcodeValues()) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// libs: zelk_barcode
// 10,000 DataMatrix ECC200 symbols of 20 to 60 characters, automatic size and
// encodation; the module grids only.
#include "barcode_values.h"
#include "barcode/DataMatrixEcc200.h"

static void BM_DataMatrix10000(benchmark::State& state) {
    zelk::bench::encodeEveryValue(state, [](const QByteArray& v) {
        int W = 0, H = 0;
        const auto grid = iec16022ecc200(&W, &H, nullptr, static_cast<int>(v.size()),
                                         reinterpret_cast<const unsigned char*>(v.constData()), nullptr,
                                         nullptr, nullptr);
        return static_cast<int>(grid.size());
    });
}
BENCHMARK(BM_DataMatrix10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return zelk::bench::barcodeBenchMain(argc, argv);
}

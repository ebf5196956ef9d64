// libs: zelk_barcode
// Encoding and rendering of 10,000 Code 128 values, as a batch of cards does.
#include "BenchMain.h"

#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"

#include <QGuiApplication>
#include <QStringList>

using namespace zelk;

namespace {

constexpr int kValues = 10000;

const QStringList& values() {
    static const QStringList v = [] {
        QStringList out;
        out.reserve(kValues);
        for (int i = 0; i < kValues; ++i)
            out.append(i % 3 == 0 ? QString::number(100000000 + i) : QStringLiteral("ZELK-%1-id").arg(i));
        return out;
    }();
    return v;
}

void BM_Code128Encode(benchmark::State& state) {
    const BarcodeRenderSettings s;
    for (auto _ : state) {
        for (const QString& v : values()) {
            auto b = NKDBarcodeFactory::build(QStringLiteral("Code 128"), v, QStringLiteral("HEADER"),
                                              QStringLiteral("FOOTER"), s);
            benchmark::DoNotOptimize(b);
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_Code128EncodeAndPicture(benchmark::State& state) {
    const BarcodeRenderSettings s;
    for (auto _ : state) {
        for (const QString& v : values()) {
            auto b = NKDBarcodeFactory::build(QStringLiteral("Code 128"), v, QStringLiteral("HEADER"),
                                              QStringLiteral("FOOTER"), s);
            QPicture p = BarcodeRenderer::imageFromBarcode(*b);
            benchmark::DoNotOptimize(p);
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_Code128EncodeAndBitmap300(benchmark::State& state) {
    const BarcodeRenderSettings s;
    for (auto _ : state) {
        for (const QString& v : values()) {
            auto b = NKDBarcodeFactory::build(QStringLiteral("Code 128"), v, QStringLiteral("HEADER"),
                                              QStringLiteral("FOOTER"), s);
            QImage img = BarcodeRenderer::bitmapFromBarcode(*b, 300);
            benchmark::DoNotOptimize(img);
        }
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

}  // namespace

BENCHMARK(BM_Code128Encode)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Code128EncodeAndPicture)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Code128EncodeAndBitmap300)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) { return zelk::bench::runInApplication(argc, argv); }

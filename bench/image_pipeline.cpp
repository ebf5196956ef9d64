// libs: zelk_face zelk_foundation
// The photo filter chain on a camera-sized photo (2000 x 2500 pixels), on one
// thread: a batch runs it for every photo, so it must stay well under 100 ms.
#include "inspector/face/ImageProcesser.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>

#include <cmath>

namespace {

// A photo-like picture: smooth colour gradients with fine noise on top.
QImage photo() {
    static const QImage img = [] {
        QImage p(2000, 2500, QImage::Format_RGB32);
        QRandomGenerator rng(42);
        for (int y = 0; y < p.height(); ++y) {
            auto* row = reinterpret_cast<quint32*>(p.scanLine(y));
            for (int x = 0; x < p.width(); ++x) {
                const int n = int(rng.bounded(16u));
                const int r = (x * 200 / p.width() + n) & 0xff;
                const int g = (y * 200 / p.height() + n) & 0xff;
                const int b = (128 + int(60 * std::sin(x * 0.01 + y * 0.013)) + n) & 0xff;
                row[x] = qRgb(r, g, b);
            }
        }
        return p;
    }();
    return img;
}

struct Chain {
    bool grayscale, sepia, invert;
    float hue, sat, brt, con, sharp, ev, blur;
    bool rotateOnBox, flipH, flipV;
};

void runChain(benchmark::State& state, const Chain& c) {
    const QImage in = photo();
    for (auto _ : state) {
        QImage out = ImageProcesser::Get_Processed_Image_Full_Combined(
            in, c.grayscale, c.sepia, c.invert, c.hue, c.sat, c.brt, c.con, 0, c.sharp, c.ev, c.blur,
            100, c.rotateOnBox, c.flipH, c.flipV, false, QRectF(0, 0, 200, 250));
        benchmark::DoNotOptimize(out.constBits());
    }
    state.SetItemsProcessed(state.iterations() * in.width() * in.height());
}

// Every step of the chain at work, the flips included.
void BM_WholeChain(benchmark::State& state) {
    runChain(state, {false, true, true, 0.4f, 1.3f, 0.05f, 1.1f, 0.8f, 0.5f, 4.0f, false, true, true});
}
BENCHMARK(BM_WholeChain)->Unit(benchmark::kMillisecond);

// The same, finished with the turn on the box (as the image panel calls it).
void BM_WholeChainTurned(benchmark::State& state) {
    runChain(state, {false, true, true, 0.4f, 1.3f, 0.05f, 1.1f, 0.8f, 0.5f, 4.0f, true, true, true});
}
BENCHMARK(BM_WholeChainTurned)->Unit(benchmark::kMillisecond);

// Colour steps only (no neighbourhood step).
void BM_ColourSteps(benchmark::State& state) {
    runChain(state, {true, true, false, 0.4f, 1.3f, 0.05f, 1.1f, 0.0f, 0.5f, 0.0f, false, false, false});
}
BENCHMARK(BM_ColourSteps)->Unit(benchmark::kMillisecond);

// A wide blur costs the same as a narrow one (running sums).
void BM_BlurRadius(benchmark::State& state) {
    runChain(state, {false, false, false, 0, 1, 0, 1, 0, 0, float(state.range(0)), false, false, false});
}
BENCHMARK(BM_BlurRadius)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

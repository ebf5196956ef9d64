// libs: zelk_foundation
// A text graphic drawn and measured as the canvas does on every repaint and
// every marquee move: a user's own text, a field whose value fits its frame
// and a field whose value is drawn smaller to fit it.
#include "BenchMain.h"

#include "foundation/Codes.h"
#include "foundation/SKTText.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

std::shared_ptr<SKTText> sample(int kind) {
    auto t = std::make_shared<SKTText>();
    t->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
    t->text_ctrl_font.setPointSizeF(10);
    t->_isDrawingFill = false;
    t->_isDrawingStroke = false;
    t->_bounds = QRectF(10, 10, 140, 14);
    t->control_ID = kind == 0 ? QString() : Fup_Title;
    t->Set_text_value(kind == 2 ? QStringLiteral("Chief Executive Procurement Officer, Northwind Trading")
                                : QStringLiteral("Chief Analyst"));
    return t;
}

const char* const kinds[] = {"user text", "field that fits", "field drawn smaller"};

void BM_TextDraw(benchmark::State& state) {
    const auto t = sample(int(state.range(0)));
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        t->drawContents(p);
    }
    state.SetLabel(kinds[state.range(0)]);
}
BENCHMARK(BM_TextDraw)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_TextDrawingBounds(benchmark::State& state) {
    const auto t = sample(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(t->drawingBounds());
    state.SetLabel(kinds[state.range(0)]);
}
BENCHMARK(BM_TextDrawingBounds)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return zelk::bench::runInApplication(argc, argv); }

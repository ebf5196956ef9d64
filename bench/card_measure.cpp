// libs: zelk_production
// What a batch's card costs to measure for what reads wrong on it: three
// texts of the user's, two of them longer than their boxes, and a Code 128
// of seven digits at 600 dpi, each set against the rest as printed (the
// texts' words, the barcode's bars).
#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"
#include "canvas/placement/Readability.h"
#include "canvas/placement/ReadingWrong.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include <QGuiApplication>
#include <benchmark/benchmark.h>

static void BM_CardWithABarcodeMeasured(benchmark::State& st) {
    QList<std::shared_ptr<SKTGraphic>> side;
    for (int i = 0; i < 3; ++i) {
        auto t = zelk::makeGraphic(zelk::GraphicKind::Text);
        t->text_ctrl_font.setPointSizeF(11);
        t->Set_text_value(i == 0 ? "Konstantinos Papadopoulos-Whitby" : "Senior Purchasing Director");
        t->setBounds(QRectF(10, 10 + 30 * i, 100, 20));
        side << t;
    }
    auto code = zelk::makeGraphic(zelk::GraphicKind::Barcode);
    zelk::BarcodeRenderSettings rs;
    rs.hideHeader = rs.hideFooter = true;
    rs.barWidthMils = 10;
    const auto b = zelk::NKDBarcodeFactory::build(QStringLiteral("Code 128"), QStringLiteral("7100022"), QString(), QString(), rs);
    code->setBounds(QRectF(60, 70, 10, 10));
    code->Set_Barcode_image(zelk::BarcodeRenderer::bitmapFromBarcode(*b, 600));
    side << code;
    const zelk::CardArea card(QRectF(0, 0, 242.6, 153), 0);
    const zelk::FieldGround ground;
    const auto all = [](const SKTGraphic&) { return true; };
    for (auto _ : st)
        benchmark::DoNotOptimize(zelk::readingWrongAgainst(side, card, ground, all));
}
BENCHMARK(BM_CardWithABarcodeMeasured)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
}

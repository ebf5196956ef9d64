// libs: zelk_production
// A print run of 1,000 cards painted through QPrinter into a PDF file, the
// way a run paints onto a printer: CR80 cards, each with its own texts and
// Code 128 picture and a shared photo, ten fronts to an A4 sheet, or both
// sides (the back below, turned) four cards to a sheet. The cards are made
// before the clock starts; what is timed is the layout, the painting of
// every page and the PDF writing.
#include <benchmark/benchmark.h>

#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "production/PrintJob.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

constexpr int Cards = 1000;
const QRectF kCard(0, 0, 85.6 * 72 / 25.4, 54 * 72 / 25.4);

QImage photo() {
    QImage img(500, 500, QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 3) & 255, (x ^ y) & 255));
    return img;
}

std::shared_ptr<SKTGraphic> text(const QString& value, double y, double size) {
    auto t = std::make_shared<SKTText>();
    t->_bounds = QRectF(95, y, 140, 18);
    t->Set_text_value(value);
    t->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
    t->text_ctrl_font.setPointSizeF(size);
    return t;
}

struct Batch {
    QList<zelk::SideSnapshot> fronts;
    zelk::SideSnapshot back;

    Batch() {
        static const QImage picture = photo();
        Card_Property f(QStringLiteral("F")), b(QStringLiteral("B"));
        zelk::BarcodeRenderSettings look;
        look.barHeightMm = 8;
        for (int n = 1; n <= Cards; ++n) {
            QList<std::shared_ptr<SKTGraphic>> g;
            g << text(QStringLiteral("Holder %1").arg(n, 4, 10, QLatin1Char('0')), 10, 12)
              << text(QStringLiteral("Department %1").arg(n % 17), 30, 8)
              << text(QStringLiteral("ID %1").arg(100000 + n), 46, 8);
            auto img = std::make_shared<SKTImage>();
            img->_bounds = QRectF(12, 12, 72, 90);
            img->_contents = img->_contents_with_settings = picture;
            g << img;
            auto code = std::make_shared<SKTBarcode>();
            code->_bounds.moveTo(95, 70);
            const auto symbol = zelk::NKDBarcodeFactory::build(
                QStringLiteral("Code 128"), QStringLiteral("%1").arg(100000 + n), {}, {}, look);
            code->Set_Barcode_image(zelk::BarcodeRenderer::bitmapFromBarcode(*symbol, 600));
            g << code;
            fronts << zelk::SideSnapshot::take(&g, &f, &b, 1, 0, kCard);
        }
        auto band = std::make_shared<Shape_Control>(QStringLiteral("R"));
        band->_bounds = QRectF(0, 0, kCard.width(), 30);
        band->_isDrawingFill = true;
        band->_fillColor = QColor(20, 40, 90);
        QList<std::shared_ptr<SKTGraphic>> g{band, text(QStringLiteral("If found, please return."), 60, 9)};
        back = zelk::SideSnapshot::take(&g, &f, &b, 1, 1, kCard);
    }
};

const Batch& batch() {
    static const Batch b;
    return b;
}

zelk::PrintJobSettings sheet(bool bothSides) {
    zelk::PrintJobSettings s;
    s.paper = QSizeF(595, 842);
    s.Left_Mar = s.Rite_Mar = s.Top_Mar = s.Bot_Mar = 12;
    s.Print_Card_Side = bothSides ? QStringLiteral("BOTH") : QStringLiteral("F");
    s.Print_Card_Algn = QStringLiteral("UD");
    s.Print_Row = bothSides ? 2 : 5;
    s.Print_Col = 2;
    s.label_width = float(kCard.width());
    s.label_hight = float(bothSides ? 2 * kCard.height() : kCard.height());
    s.auto_center_flag = true;
    s.horz_mar = s.vert_mar = 10;
    s.Enable_Crop_Marks = true;
    s.Total_Label = Cards;
    s.useData = true;
    s.dataCards = Cards;
    return s;
}

void BM_Print1000CardsToPdf(benchmark::State& state) {
    const bool bothSides = state.range(0) == 1;
    const Batch& cards = batch();
    zelk::PrintCardSource source;
    source.Use_Data_Sheet_Values = true;
    source.Total_Batch_Excel_Card = Cards;
    source.card = [&cards](int index, QChar side) {
        return zelk::PrintCard{side == QLatin1Char('F') ? cards.fronts.value(index) : cards.back, {}};
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cards.pdf"));
    int pages = 0;
    for (auto _ : state) {
        const zelk::PrintJob job(sheet(bothSides), {}, {}, source);
        pages = job.view().numberOfPages();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QSizeF(595, 842), QPageSize::Point));
        printer.setPageMargins(QMarginsF());
        if (!job.paintOnWorker(printer, pages))
            state.SkipWithError("the PDF could not be painted");
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = QFileInfo(path).size() / 1e6;
    state.SetLabel(bothSides ? "both sides, 4 cards a sheet" : "fronts, 10 cards a sheet");
}
BENCHMARK(BM_Print1000CardsToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

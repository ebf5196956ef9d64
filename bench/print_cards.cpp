// libs: zelk_production
// A print run of 1,000 cards painted through QPrinter into a PDF file, the
// way a run paints onto a printer: CR80 cards, each with its own texts and
// Code 128 picture and a shared photo, ten fronts to an A4 sheet, or both
// sides (the back below, turned) four cards to a sheet. The cards are made
// before the clock starts; what is timed is the layout, the painting of
// every page and the PDF writing.
// BM_PreviewSheets: the print window's preview of 50 sheets of fronts (its
// page limit): the job paints every page into QPrintPreviewWidget, which is
// then shown page by page offscreen at the dialog's size; with the resident
// memory before, at the peak and after the preview is closed.
// BM_PrintSheets/50: the same 50 sheets printed into a PDF. Both make their
// cards as the pages ask for them (a run's cards come from its batch).
#include "BenchMain.h"

#include "barcode/BarcodeSymbologies.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "production/PrintJob.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

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

// Card n's front: three texts, the shared photo and its own Code 128 made by
// the application's barcode producer.
zelk::SideSnapshot front(int n) {
    static const QImage picture = photo();
    const Card_Property f(QStringLiteral("F")), b(QStringLiteral("B"));
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
    code->barcode_font_index = zelk::BarcodeSymbologies::indexOf(QStringLiteral("Code 128"));
    code->linear_height_val = 8;
    code->Set_Barcode_image(
        zelk::BarcodeGenProducer().produceBarcode(*code, QStringLiteral("%1").arg(100000 + n), {}, {}));
    g << code;
    return zelk::SideSnapshot::take(&g, &f, &b, 1, 0, kCard);
}

struct Batch {
    QList<zelk::SideSnapshot> fronts;
    zelk::SideSnapshot back;

    Batch() {
        for (int n = 1; n <= Cards; ++n)
            fronts << front(n);
        const Card_Property f(QStringLiteral("F")), b(QStringLiteral("B"));
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

zelk::PrintJobSettings sheet(bool bothSides, int cards = Cards) {
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
    s.Total_Label = cards;
    s.useData = true;
    s.dataCards = cards;
    return s;
}

zelk::PrintCardSource cardSource() {
    const Batch& cards = batch();
    zelk::PrintCardSource source;
    source.Use_Data_Sheet_Values = true;
    source.Total_Batch_Excel_Card = Cards;
    source.card = [&cards](int index, QChar side) {
        return zelk::PrintCard{side == QLatin1Char('F') ? cards.fronts.value(index) : cards.back, {}};
    };
    return source;
}

void BM_Print1000CardsToPdf(benchmark::State& state) {
    const bool bothSides = state.range(0) == 1;
    const zelk::PrintCardSource source = cardSource();
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

// Resident memory now, in MiB.
double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> f = statm.readAll().split(' ');
    return f.size() > 1 ? f.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20) : 0;
}

constexpr int PreviewSheets = 50;

// Fronts made when a page asks for them, as a run makes them from its batch.
zelk::PrintCardSource cardsOnDemand() {
    zelk::PrintCardSource source;
    source.Use_Data_Sheet_Values = true;
    source.Total_Batch_Excel_Card = Cards;
    source.card = [](int index, QChar) { return zelk::PrintCard{front(index + 1), {}}; };
    return source;
}

void BM_PrintSheets(benchmark::State& state) {
    const int sheets = int(state.range(0));
    const zelk::PrintCardSource source = cardsOnDemand();
    QTemporaryDir dir;
    for (auto _ : state) {
        const zelk::PrintJob job(sheet(false, sheets * 10), {}, {}, source);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("sheets.pdf")));
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QSizeF(595, 842), QPageSize::Point));
        printer.setPageMargins(QMarginsF());
        if (!job.paintOnWorker(printer, job.view().numberOfPages()))
            state.SkipWithError("the PDF could not be painted");
    }
}
BENCHMARK(BM_PrintSheets)->Arg(PreviewSheets)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

void BM_PreviewSheets(benchmark::State& state) {
    const zelk::PrintCardSource source = cardsOnDemand();
    zelk::PrintJobSettings settings = sheet(false, PreviewSheets * 10);
    settings.preview = true;
    double before = 0, peak = 0, after = 0;
    int shown = 0;
    for (auto _ : state) {
        before = residentMiB();
        {
            const zelk::PrintJob job(settings, {}, {}, source);
            const int pages = job.view().numberOfPages();
            QPrinter printer(QPrinter::HighResolution);
            printer.setFullPage(true);
            printer.setPageSize(QPageSize(QSizeF(595, 842), QPageSize::Point));
            printer.setPageMargins(QMarginsF());
            // As the print window's dialog: the job paints when the preview asks.
            QPrintPreviewWidget preview(&printer);
            QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                             [&job, pages](QPrinter* target) { job.paint(*target, pages); });
            preview.resize(800, 1000);
            preview.show();
            preview.updatePreview();
            preview.fitInView();
            shown = 0;
            for (int page = 1; page <= preview.pageCount(); ++page) {
                preview.setCurrentPage(page);
                if (!preview.grab().isNull())
                    ++shown;
            }
            peak = std::max(peak, residentMiB());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        zelk::PrintJob::returnFreedMemory();  // as the print window does
        after = residentMiB();
    }
    if (shown != PreviewSheets)
        state.SkipWithError("not every sheet was shown");
    state.counters["sheets"] = shown;
    state.counters["before_MiB"] = before;
    state.counters["peak_MiB"] = peak;
    state.counters["after_MiB"] = after;
}
BENCHMARK(BM_PreviewSheets)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return zelk::bench::runInApplication<QApplication>(argc, argv); }

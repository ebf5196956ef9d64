// libs: zelk_production
// Per-card production: two-sided cards of a 10,000-row workbook (written by
// our writer; photos: 200 generated files cycled through the rows), each
// side filled from a run's batch snapshot and rendered to a 600-dpi image
// that is dropped without encoding. 1,000 cards on 1 thread and on every
// core, 10,000 on every core. Each run is a process of its own (this
// program started with --child), so that its peak resident size is its own;
// the time counts the cards only, not reading the workbook. Barcodes are made
// by the producer the application installs, size limits included.
#include "barcode/BarcodeSymbologies.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"
#include "foundation/Card_Property.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Units.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "production/BatchSnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <numeric>
#include <sys/resource.h>

namespace {

constexpr int kRows = 10000;
constexpr int kPhotos = 200;
QString g_dir;   // the workbook and the photos
QString g_self;  // this program

void prepare() {
    const QDir dir(g_dir);
    for (int p = 0; p < kPhotos; ++p) {
        QImage photo(600, 800, QImage::Format_RGB32);
        QPainter painter(&photo);
        QLinearGradient fill(0, 0, 600, 800);
        fill.setColorAt(0, QColor::fromHsv(p * 360 / kPhotos, 120, 230));
        fill.setColorAt(1, QColor::fromHsv((p * 360 / kPhotos + 90) % 360, 200, 90));
        painter.fillRect(photo.rect(), fill);
        painter.setBrush(QColor(240, 200, 170));
        painter.drawEllipse(QRect(150, 120, 300, 400));
        painter.end();
        photo.save(dir.filePath(QStringLiteral("photo%1.jpg").arg(p)), "JPG", 85);
    }
    SpreadsheetWriter::Rows rows = {{"Name", "Title", "Photo", "Code", "QR"}};
    for (int r = 1; r <= kRows; ++r) {
        rows << QStringList{QStringLiteral("Card Holder %1").arg(r), QStringLiteral("Department %1").arg(r % 37),
                            dir.filePath(QStringLiteral("photo%1.jpg").arg(r % kPhotos)),
                            QStringLiteral("ID-%1").arg(r, 6, 10, QLatin1Char('0')),
                            QStringLiteral("https://example.org/card/%1").arg(r)};
    }
    if (!SpreadsheetWriter::WriteWorkbook(dir.filePath(QStringLiteral("holders.xlsx")), rows))
        std::fprintf(stderr, "cannot write the workbook\n");
}

std::shared_ptr<SKTGraphic> bound(zelk::GraphicKind kind, const QRectF& r, int column) {
    auto g = zelk::makeGraphic(kind);
    g->_bounds = g->bar_image_ctrl_bounds = r;
    g->Set_Data_source_type(DataSourceType::ExcelColumn);
    g->Set_Excel_binding_Index(column);
    return g;
}

// One run in this process: reads the workbook, then makes `cards` two-sided
// cards on `threads` threads. Prints the seconds of the cards, the peak
// resident size in KiB and the processor seconds of the cards.
int child(int cards, int threads) {
    zelk::ZipWorkFolder::setPathForTesting(QDir(g_dir).filePath(QStringLiteral("ziptmp")));
    SpreadsheetWriter::ReadWorkbook(QDir(g_dir).filePath(QStringLiteral("holders.xlsx")), true);
    Excel_Sheet_Number = 1;
    SpreadsheetWriter::ReadData_only_column();
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    table->loadSheet(SpreadsheetWriter::ReadWorkbook(QString(), false), {0, 1, 2, 3, 4}, true);

    auto code = bound(zelk::GraphicKind::Barcode, QRectF(80, 100, 150, 45), 4);
    code->barcode_font_index = zelk::BarcodeSymbologies::indexOf(QStringLiteral("Code 128"));
    code->linear_width_val = 10;
    auto qr = bound(zelk::GraphicKind::Barcode, QRectF(150, 50, 80, 80), 5);
    qr->linear_or_2d = 1;
    qr->barcode_font_index = zelk::BarcodeSymbologies::indexOf(QStringLiteral("QR Code"));
    const QList<std::shared_ptr<SKTGraphic>> front = {
        bound(zelk::GraphicKind::Text, QRectF(80, 12, 150, 20), 1),
        bound(zelk::GraphicKind::Text, QRectF(80, 40, 150, 20), 2),
        bound(zelk::GraphicKind::Image, QRectF(10, 12, 60, 80), 3), code};
    const QList<std::shared_ptr<SKTGraphic>> back = {bound(zelk::GraphicKind::Text, QRectF(10, 12, 130, 20), 1), qr};
    const Card_Property frontProperty(CardSide::FrontName), backProperty(CardSide::BackName);
    const QRectF card(0, 0, ::MM_to_Points_Convert(85.6), ::MM_to_Points_Convert(53.98));
    BatchSnapshot batch;
    batch.front = zelk::SideSnapshot::take(&front, &frontProperty, &backProperty, 1, 0, card);
    batch.back = zelk::SideSnapshot::take(&back, &frontProperty, &backProperty, 1, 1, card);
    batch.values.Use_Excel_Binding_Values = true;
    batch.values.excelRows = table->ListData;
    batch.values.Excel_table_rows = table->rowCount();

    zelk::BarcodeGenProducer producer;
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    QList<int> sides(2 * cards);
    std::iota(sides.begin(), sides.end(), 0);
    std::atomic<int> failed{0};
    auto cpuSeconds = [] {
        struct rusage ru {};
        ::getrusage(RUSAGE_SELF, &ru);
        return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    };
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    QtConcurrent::blockingMap(&pool, sides, [&](int k) {
        const ProducedCard made =
            batch.Set_data_table_value_to_card(k / 2, k % 2 ? CardSide::BackName : CardSide::FrontName, false, producer);
        if (made.imageAtResolution(600).isNull())
            ++failed;
    });
    const double seconds = timer.nsecsElapsed() / 1e9;
    struct rusage ru {};
    ::getrusage(RUSAGE_SELF, &ru);
    std::printf("%.4f %ld %.4f %d\n", seconds, ru.ru_maxrss, cpuSeconds() - cpuBefore, failed.load());
    return failed.load() == 0 ? 0 : 1;
}

struct Result {
    double seconds = 0;
    long peakKiB = 0;
    double cpuSeconds = 0;
};
std::map<std::pair<int, int>, Result> g_results;

void BM_Cards(benchmark::State& state) {
    const int cards = int(state.range(0));
    const int threads = int(state.range(1));
    for (auto _ : state) {
        QProcess p;
        p.start(g_self, {QStringLiteral("--child"), QString::number(cards), QString::number(threads), g_dir});
        p.waitForFinished(-1);
        const QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char(' '));
        if (p.exitCode() != 0 || out.size() < 3) {
            state.SkipWithError("the run failed");
            return;
        }
        const Result r{out.at(0).toDouble(), out.at(1).toLong(), out.at(2).toDouble()};
        g_results[{cards, threads}] = r;
        state.SetIterationTime(r.seconds);
        state.counters["cards_per_s"] = cards / r.seconds;
        state.counters["ms_per_card"] = 1000 * r.seconds / cards;
        state.counters["peak_MiB"] = r.peakKiB / 1024.0;
        // Processor time per card: flat across thread counts unless the
        // workers wait on each other.
        state.counters["cpu_ms_per_card"] = 1000 * r.cpuSeconds / cards;
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    CardFace::install();
    const QString exeDir = QCoreApplication::applicationDirPath();
    SpreadsheetWriter::setTemplatePath(exeDir + QStringLiteral("/../share/zelk-id-card/Template.xlsx"));
    if (argc == 5 && QByteArray(argv[1]) == "--child") {
        g_dir = QString::fromLocal8Bit(argv[4]);
        return child(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    QTemporaryDir tmp;
    g_dir = tmp.path();
    g_self = QCoreApplication::applicationFilePath();
    prepare();
    const int cores = QThread::idealThreadCount();
    benchmark::Initialize(&argc, argv);
    for (const auto& [cards, threads] : {std::pair{1000, 1}, {1000, cores}, {10000, cores}})
        benchmark::RegisterBenchmark("Cards", BM_Cards)
            ->Args({cards, threads})
            ->ArgNames({"cards", "threads"})
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const Result one = g_results[{1000, 1}], all = g_results[{1000, cores}], many = g_results[{10000, cores}];
    if (one.seconds > 0 && all.seconds > 0 && many.seconds > 0) {
        std::printf("\nspeed-up on %d threads (1,000 cards): %.2f\n", cores, one.seconds / all.seconds);
        std::printf("time per card, 10,000 against 1,000 cards: %+.1f %%\n",
                    100.0 * (many.seconds / 10000) / (all.seconds / 1000) - 100.0);
        std::printf("peak memory, 10,000 against 1,000 cards: %+.1f MiB\n", (many.peakKiB - all.peakKiB) / 1024.0);
    }
    return 0;
}

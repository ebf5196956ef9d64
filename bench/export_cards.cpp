// libs: zelk_production zelk_barcode
// Batch export as the export command runs it (ExportBatchJob: cards made and
// encoded on every core, written in card order):
//  - BM_PngLevel/n/photo: the PNG encoder alone on one 600-dpi card side at
//    zlib level n (photo 1: with a photo in the template's frame), with the
//    file's size: the time against size the writer's level was chosen by.
//  - BM_BadgeSteps/step, BM_PngSideSteps/step: the steps of one PDF badge
//    and of one PNG side on one thread (making, drawing, encoding, writing).
//  - BM_PdfBadges/n: n one-sided badges (two texts and a Code 128 from the
//    same rows), one vector PDF per badge; BM_PdfBadgesOneThread/1000 the
//    same on one thread. `--write-glabels DIR` writes the same badges as a
//    gLabels 3 document and its merge rows, for glabels-3-batch.
//  - BM_PngCards/n/threads: two-sided cards of a shipped template with a
//    photo and two texts changed per card, 600-dpi PNG per side (threads 0:
//    one per core), into $ZELK_BENCH_OUT
//    (default the temporary folder), whose free space is checked first.
// Not run in CI; results in bench/README.md.
#include <benchmark/benchmark.h>

#include "barcode/BarcodeSymbologies.h"
#include "canvas/CardFileEncoder.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/AppPaths.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "mainwindow/DesignFile.h"
#include "production/ExportBatchJob.h"
#include "production/ExportPicture.h"
#include "foundation/Utilities.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

using namespace zelk;

namespace {

// CR80 in points.
const QRectF kBadge(0, 0, 242.65, 153.07);

QString holderName(int row) { return QStringLiteral("Holder Number %1").arg(row + 1); }
QString holderId(int row) { return QStringLiteral("ZELK-%1").arg(100001 + row); }

std::shared_ptr<SKTText> text(const QRectF& box, double size, bool bold) {
    auto t = std::make_shared<SKTText>();
    t->_bounds = box;
    t->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
    t->text_ctrl_font.setPointSizeF(size);
    t->text_ctrl_font.setBold(bold);
    t->text_alignmnet = 0;
    return t;
}

// Cards of one design whose graphics at the given indexes take each row's
// values: texts a name and an ID, a barcode the Code 128 of the ID. The other
// graphics are shared by every card, as a batch shares its unbound graphics.
class RowCards : public CardSource {
public:
    RowCards(SideSnapshot front, SideSnapshot back, int count) : front_(std::move(front)), back_(std::move(back)), count_(count) {}
    int count() const override { return count_; }
    Card card(int index, const QString& side) const override {
        SideSnapshot s = side == QLatin1String("F") ? front_ : back_;
        for (qsizetype i = 0; i < s.graphics.size(); ++i) {
            if (!bound.contains(i) || s.Card_Front_Or_Back != 0)
                continue;
            std::shared_ptr<SKTGraphic> g = s.graphics[i]->clone();
            if (dynamic_cast<SKTBarcode*>(g.get())) {
                const QPointF at = g->_bounds.topLeft();
                g->Set_Barcode_image(BarcodeGenProducer().produceBarcode(*g, holderId(index), {}, {}));
                g->_bounds.moveTopLeft(at);
            } else {
                g->Set_text_value(bound.indexOf(i) == 0 ? holderName(index) : holderId(index));
            }
            s.graphics[i] = g;
        }
        return {TransformedCardImage(SKTRenderingView::image_From_Card_Graphics(s), QTransform()), QString()};
    }
    QList<qsizetype> bound;  // the name text, the ID text, then any barcode

private:
    SideSnapshot front_, back_;
    int count_;
};

std::shared_ptr<RowCards> badges(int count, bool withBarcode = true) {
    QList<std::shared_ptr<SKTGraphic>> g;
    g << text(QRectF(14, 14, 214, 24), 16, true) << text(QRectF(14, 44, 214, 18), 10, false);
    auto code = std::make_shared<SKTBarcode>();
    code->_bounds = QRectF(14, 80, 180, 50);
    code->barcode_font_index = BarcodeSymbologies::indexOf(QStringLiteral("Code 128"));
    if (withBarcode)
        g << code;
    Card_Property front(QStringLiteral("F")), back(QStringLiteral("B"));
    const SideSnapshot side = SideSnapshot::take(&g, &front, &back, 1, 0, kBadge);
    auto cards = std::make_shared<RowCards>(side, side, count);
    cards->bound = {0, 1, 2};
    if (!withBarcode)
        cards->bound.removeLast();
    return cards;
}

// A photo's detail: smooth shading with fine noise, 500 x 500 pixels as a
// loaded photo preview.
QImage photo() {
    QImage img(500, 500, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            img.setPixel(x, y, qRgb(qBound(0, 180 - y / 4 + n, 255), qBound(0, 140 + x / 8 + n, 255),
                                    qBound(0, 120 + (x + y) / 10 + n, 255)));
        }
    return img;
}

// A shipped template, its first two texts changed per card; with a photo in
// its photo frame when asked.
std::shared_ptr<RowCards> templateCards(int count, bool withPhoto = false) {
    const QString path = QDir(Resource_Path).filePath(QStringLiteral("Templates/Corporate/Corporate_Staff.did"));
    const DesignReadResult read = DesignFile::readDesignFile(path);
    if (!read.ok())
        qFatal("cannot read %s", qPrintable(path));
    DesignContents d = *read.contents;
    if (withPhoto) {
        auto picture = std::make_shared<SKTImage>();
        picture->_bounds = QRectF(12, 46, 63, 92);
        picture->_contents = picture->_contents_with_settings = photo();
        d.frontGraphics.prepend(picture);
    }
    const QRectF card(QPointF(0, 0), d.Front_card_Prop.Card_Size);
    auto cards = std::make_shared<RowCards>(
        SideSnapshot::take(&d.frontGraphics, &d.Front_card_Prop, &d.Back_card_Prop, d.Card_Shape, 0, card),
        SideSnapshot::take(&d.backGraphics, &d.Front_card_Prop, &d.Back_card_Prop, d.Card_Shape, 1, card), count);
    for (qsizetype i = 0; i < d.frontGraphics.size() && cards->bound.size() < 2; ++i)
        if (dynamic_cast<const SKTText*>(d.frontGraphics[i].get()))
            cards->bound << i;
    return cards;
}

double peakMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

void runJob(benchmark::State& state, const QString& ext, const QString& sides, std::shared_ptr<RowCards> cards,
            int threads, const QString& folder) {
    const int n = cards->count();
    for (auto _ : state) {
        state.PauseTiming();
        QDir(QDir(folder).filePath(ExportBatchJob::FolderName)).removeRecursively();
        replace_keep_file_flag = 2;  // leftovers of an earlier run are replaced unasked
        Stop_SMS_Sending_Now = false;
        state.ResumeTiming();
        ExportBatchJob job({folder, ext, sides, false, false, 0, n, threads}, cards);
        job.run();
        if (job.filesWritten() != (sides == QLatin1String("BOTH") ? 2 * n : n))
            state.SkipWithError("not every file was written");
    }
    state.counters["cards_per_s"] = benchmark::Counter(double(n), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_MiB"] = peakMiB();
}

void BM_PngLevel(benchmark::State& state) {
    const auto cards = templateCards(1, state.range(1) != 0);
    const QImage side = VectorPageOutput::imageAtResolution(
        QRectF(QPointF(0, 0), cards->card(0, QStringLiteral("F")).image.size()), 600,
        [&](QPainter& p) { cards->card(0, QStringLiteral("F")).image.drawRect(p); });
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setCompression((int(state.range(0)) * 91 + 8) / 9);  // Qt's ratio for the zlib level
        writer.write(side);
        bytes = out.size();
    }
    state.counters["KiB"] = bytes / 1024.0;
}
BENCHMARK(BM_PngLevel)->ArgsProduct({benchmark::CreateDenseRange(0, 9, 1), {0, 1}})->Unit(benchmark::kMillisecond);

void BM_PdfBadges(benchmark::State& state) {
    QTemporaryDir out;
    runJob(state, QStringLiteral("pdf"), QStringLiteral("F"), badges(int(state.range(0))), 0, out.path());
}
BENCHMARK(BM_PdfBadges)->Arg(1000)->Arg(4000)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// One badge's steps on one thread: 0 making the card (values, barcode
// picture), 1 its PDF (drawing and Qt's PDF writer), 2 writing the file;
// 3 the PDF of the same badge without its barcode.
void BM_BadgeSteps(benchmark::State& state) {
    const auto cards = badges(1000, state.range(0) != 3);
    QTemporaryDir out;
    const CardSource::Card card = cards->card(7, QStringLiteral("F"));
    const QByteArray pdf = ExportPicture(card.image).encode(QStringLiteral("pdf"), true);
    int i = 0;
    for (auto _ : state) {
        ++i;
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(cards->card(i % 1000, QStringLiteral("F")));
        else if (state.range(0) == 1 || state.range(0) == 3)
            benchmark::DoNotOptimize(ExportPicture(card.image).encode(QStringLiteral("pdf"), true));
        else
            writeFileSafely(out.filePath(QStringLiteral("Card_%1.pdf").arg(i)), pdf);
    }
    state.counters["pdf_KiB"] = pdf.size() / 1024.0;
}
BENCHMARK(BM_BadgeSteps)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// One PNG side's steps on one thread: 0 making the card, 1 drawing it at
// 600 dpi, 2 the PNG encoder, 3 writing the file.
void BM_PngSideSteps(benchmark::State& state) {
    const auto cards = templateCards(1000, true);
    QTemporaryDir out;
    const CardSource::Card card = cards->card(7, QStringLiteral("F"));
    auto draw = [&] {
        return VectorPageOutput::imageAtResolution(card.image.frame(), CardFileEncoder::Dpi,
                                                   [&](QPainter& p) { card.image.drawRect(p); });
    };
    const QImage side = draw();
    const QByteArray png = CardFileEncoder::encodeBitmap(side, QStringLiteral("png"));
    int i = 0;
    for (auto _ : state) {
        ++i;
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(cards->card(i % 1000, QStringLiteral("F")));
        else if (state.range(0) == 1)
            benchmark::DoNotOptimize(draw());
        else if (state.range(0) == 2)
            benchmark::DoNotOptimize(CardFileEncoder::encodeBitmap(side, QStringLiteral("png")));
        else
            writeFileSafely(out.filePath(QStringLiteral("Card_%1.png").arg(i)), png);
    }
    state.counters["png_KiB"] = png.size() / 1024.0;
}
BENCHMARK(BM_PngSideSteps)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_PdfBadgesOneThread(benchmark::State& state) {
    QTemporaryDir out;
    runJob(state, QStringLiteral("pdf"), QStringLiteral("F"), badges(int(state.range(0))), 1, out.path());
}
BENCHMARK(BM_PdfBadgesOneThread)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_PngCards(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString root = qEnvironmentVariable("ZELK_BENCH_OUT", QDir::tempPath());
    // About 1 MiB per 600-dpi side; keep a gigabyte spare.
    const qint64 needed = qint64(n) * 2 * (1 << 20) + (qint64(1) << 30);
    if (QStorageInfo(root).bytesAvailable() < needed) {
        state.SkipWithError("not enough free space in $ZELK_BENCH_OUT");
        return;
    }
    QTemporaryDir out(QDir(root).filePath(QStringLiteral("zelk-bench-XXXXXX")));
    runJob(state, QStringLiteral("png"), QStringLiteral("BOTH"), templateCards(n, true), int(state.range(1)),
           out.path());
}
BENCHMARK(BM_PngCards)
    ->Args({500, 1})
    ->Args({500, 0})
    ->Args({10000, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// The badges as a gLabels 3 document merging the same rows.
int writeGlabels(const QString& dir, int count) {
    QDir().mkpath(dir);
    QFile csv(QDir(dir).filePath(QStringLiteral("rows.csv")));
    if (!csv.open(QIODevice::WriteOnly))
        return 1;
    csv.write("name,id\n");
    for (int i = 0; i < count; ++i)
        csv.write((holderName(i) + QLatin1Char(',') + holderId(i) + QLatin1Char('\n')).toUtf8());
    QFile doc(QDir(dir).filePath(QStringLiteral("badge.glabels")));
    if (!doc.open(QIODevice::WriteOnly))
        return 1;
    const QString span = QStringLiteral(
        "<Span color=\"0x000000ff\" font_family=\"DejaVu Sans\" font_size=\"%1\" font_weight=\"%2\" "
        "font_italic=\"False\" line_spacing=\"1\"><Field name=\"%3\"/></Span>");
    const QString object = QStringLiteral(
        "<Object-text x=\"%1pt\" y=\"%2pt\" w=\"214pt\" h=\"%3pt\" justify=\"Left\" valign=\"Top\" "
        "auto_shrink=\"False\" a0=\"1\" a1=\"0\" a2=\"0\" a3=\"1\" a4=\"0\" a5=\"0\">%4</Object-text>\n");
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\"?>\n<Glabels-document xmlns=\"http://glabels.org/xmlns/3.0/\">\n"
        "<Template brand=\"Zelk\" part=\"CR80\" size=\"Other\" width=\"242.65pt\" height=\"153.07pt\" "
        "description=\"Badge\">\n<Meta category=\"card\"/>\n"
        "<Label-rectangle id=\"0\" width=\"242.65pt\" height=\"153.07pt\" round=\"10pt\" x_waste=\"0pt\" "
        "y_waste=\"0pt\">\n<Markup-margin size=\"0pt\"/>\n"
        "<Layout nx=\"1\" ny=\"1\" x0=\"0pt\" y0=\"0pt\" dx=\"242.65pt\" dy=\"153.07pt\"/>\n"
        "</Label-rectangle>\n</Template>\n<Objects id=\"0\" rotate=\"False\">\n");
    xml += object.arg(14).arg(14).arg(24).arg(span.arg(16).arg("Bold", "name"));
    xml += object.arg(14).arg(44).arg(18).arg(span.arg(10).arg("Regular", "id"));
    xml += QStringLiteral(
        "<Object-barcode x=\"14pt\" y=\"80pt\" w=\"180pt\" h=\"50pt\" backend=\"gnu-barcode\" style=\"Code128\" "
        "text=\"True\" checksum=\"True\" color=\"0x000000ff\" field=\"id\" a0=\"1\" a1=\"0\" a2=\"0\" a3=\"1\" "
        "a4=\"0\" a5=\"0\"/>\n</Objects>\n");
    xml += QStringLiteral("<Merge type=\"Text/Comma/Line1Keys\" src=\"%1\"/>\n<Data/>\n</Glabels-document>\n")
               .arg(QFileInfo(csv).absoluteFilePath());
    doc.write(xml.toUtf8());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppPaths::init();
    CardFace::install();
    if (argc == 4 && QByteArray(argv[1]) == "--write-glabels")
        return writeGlabels(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

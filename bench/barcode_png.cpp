// libs: zelk_barcode
// The whole road of a batch of barcode pictures: 10,000 values encoded,
// rendered and written as PNG files, beside zint's batch mode writing the
// same symbols as PNG files of about the same size (zint runs as a
// subprocess; its module sizes are chosen so that its pictures have about as
// many pixels as ours, see bench/README.md).
#include "BenchMain.h"
#include "barcode_values.h"

#include "barcode/BarcodeRenderer.h"
#include "barcode/NKDBarcodeFactory.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/TwoDRenderer.h"
#include "foundation/IndexedPicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

QString g_dir;  // the files of every run go here

const QList<QString>& texts() {
    static const QList<QString> t = [] {
        QList<QString> out;
        for (const QByteArray& v : zelk::bench::barcodeValues())
            out.append(QString::fromUtf8(v));
        return out;
    }();
    return t;
}

// The picture settings of production with no header or footer, and no
// margins round the 2D symbols (zint draws none either).
zelk::BarcodeRenderSettings renderSettings(bool twoD) {
    zelk::BarcodeRenderSettings s;
    s.hideHeader = true;
    s.hideFooter = true;
    if (twoD) {
        s.tbMarginMm = 0;
        s.lrMarginMm = 0;
    }
    return s;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs `picture` for every value and writes each result as PNG; counts the
// mean pixels and bytes of a picture.
template <class Picture>
void writeEveryValue(benchmark::State& state, const char* prefix, Picture picture) {
    qint64 pixels = 0, bytes = 0;
    for (auto _ : state) {
        pixels = bytes = 0;
        int i = 0;
        for (const QString& v : texts()) {
            const QImage img = picture(v);
            const QByteArray png = zelk::IndexedPicture::png(img);
            if (png.isEmpty() || !writeFile(QStringLiteral("%1/%2%3.png").arg(g_dir, prefix).arg(i++), png)) {
                state.SkipWithError("no picture");
                return;
            }
            pixels += qint64(img.width()) * img.height();
            bytes += png.size();
        }
    }
    state.counters["kpixels"] = double(pixels) / texts().size() / 1000.0;
    state.counters["kbytes"] = double(bytes) / texts().size() / 1000.0;
}

void BM_OursQrPng(benchmark::State& state) {
    const zelk::TwoDSettings q;  // level L, "Auto" version, 60 points at 600 dpi
    const zelk::BarcodeRenderSettings s = renderSettings(true);
    writeEveryValue(state, "qr", [&](const QString& v) {
        return zelk::TwoDRenderer::imageFromBarcodeImage(TwoDBarcode::Draw_QR_Barcode(v, q), {}, {}, s);
    });
}

void BM_OursDataMatrixPng(benchmark::State& state) {
    const zelk::TwoDSettings d;  // module 2 points at 600 dpi, size and encodation "Auto"
    const zelk::BarcodeRenderSettings s = renderSettings(true);
    writeEveryValue(state, "dm", [&](const QString& v) {
        return zelk::TwoDRenderer::imageFromBarcodeImage(TwoDBarcode::Draw_DataMatrix_Barcode(v, d), {}, {}, s);
    });
}

void BM_OursCode128Png(benchmark::State& state) {
    zelk::BarcodeRenderSettings s = renderSettings(false);
    s.dpi = static_cast<int>(state.range(0));
    writeEveryValue(state, "c128_", [&](const QString& v) {
        const auto b = zelk::NKDBarcodeFactory::build(QStringLiteral("Code 128"), v, {}, {}, s);
        return b ? zelk::BarcodeRenderer::bitmapFromBarcode(*b, s.dpi) : QImage();
    });
}

// zint's batch mode over the same values, writing into the same folder.
void runZint(benchmark::State& state, const char* prefix, const QStringList& args) {
    const QString values = g_dir + QStringLiteral("/values.txt");
    if (!zelk::bench::writeValues(values, zelk::bench::barcodeValues())) {
        state.SkipWithError("cannot write the values");
        return;
    }
    const QString out = QStringLiteral("%1/%2~~~~~.png").arg(g_dir, prefix);
    // The child's processor time, comparable with ours on a busy machine.
    auto childSeconds = [] {
        rusage u{};
        getrusage(RUSAGE_CHILDREN, &u);
        return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    };
    const double before = childSeconds();
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("zint"),
                args + QStringList{QStringLiteral("--batch"), QStringLiteral("--input=") + values,
                                   QStringLiteral("--filetype=png"), QStringLiteral("-o"), out});
        if (!p.waitForFinished(600000) || p.exitCode() != 0) {
            state.SkipWithError("zint failed");
            return;
        }
    }
    state.counters["zint_cpu_s"] = (childSeconds() - before) / double(state.iterations());
    qint64 pixels = 0, bytes = 0;
    const QFileInfoList files = QDir(g_dir).entryInfoList({QString::fromLatin1(prefix) + QStringLiteral("*.png")});
    for (const QFileInfo& f : files) {
        const QSize size = QImageReader(f.filePath()).size();
        pixels += qint64(size.width()) * size.height();
        bytes += f.size();
    }
    state.counters["kpixels"] = files.isEmpty() ? 0.0 : double(pixels) / files.size() / 1000.0;
    state.counters["kbytes"] = files.isEmpty() ? 0.0 : double(bytes) / files.size() / 1000.0;
}

// zint's X is 2 pixels times the scale, chosen so that its pictures have
// about as many pixels as ours (the kpixels counters): QR 15 to 20 pixels a
// module in ours (500 for versions 2 to 4), 18 in zint's; DataMatrix 15 or 16
// in ours, 16 in zint's; Code 128 6 pixels (20 mils at 300 dpi), 12 at
// 600 dpi, zint's bars 18 modules high where ours are 6 mm with 1 mm margins.
void BM_ZintQrPng(benchmark::State& state) {
    runZint(state, "zq", {"-b", "QRCODE", "--secure=1", "--scale=9"});
}

void BM_ZintDataMatrixPng(benchmark::State& state) {
    runZint(state, "zd", {"-b", "DATAMATRIX", "--square", "--scale=8"});
}

void BM_ZintCode128Png(benchmark::State& state) {
    const QString scale = QStringLiteral("--scale=%1").arg(state.range(0) / 100);
    runZint(state, "zc", {"-b", "CODE128", scale, "--height=18"});
}

// 100 pictures of one kind (QR Code, DataMatrix, Code 128 with its caption
// at 300 dpi) written at each quality of the PNG writer: zlib level
// (100 - quality) × 9 / 91, -1 the writer's default (level 6).
void BM_PngQuality(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const int quality = static_cast<int>(state.range(1));
    QList<QImage> pictures;
    for (const QString& v : texts().mid(0, 100)) {
        if (kind == 2) {
            const zelk::BarcodeRenderSettings s = renderSettings(false);
            const auto b = zelk::NKDBarcodeFactory::build(QStringLiteral("Code 128"), v, {}, {}, s);
            pictures.append(zelk::BarcodeRenderer::bitmapFromBarcode(*b, 300));
        } else {
            const QImage symbol = kind == 0 ? TwoDBarcode::Draw_QR_Barcode(v, {}) : TwoDBarcode::Draw_DataMatrix_Barcode(v, {});
            pictures.append(zelk::TwoDRenderer::imageFromBarcodeImage(symbol, {}, {}, renderSettings(true)));
        }
    }
    qint64 size = 0;
    for (auto _ : state) {
        size = 0;
        for (const QImage& img : pictures) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            writer.setQuality(quality);
            writer.write(img);
            size += bytes.size();
        }
    }
    state.counters["kbytes"] = double(size) / pictures.size() / 1000.0;
}

}  // namespace

BENCHMARK(BM_OursQrPng)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZintQrPng)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_OursDataMatrixPng)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZintDataMatrixPng)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_OursCode128Png)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ZintCode128Png)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PngQuality)
    ->ArgsProduct({{0, 1, 2}, {-1, 100, 89, 79, 69, 59, 0}})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // Captions need fonts, and fonts a GUI application.
    QTemporaryDir dir;
    g_dir = dir.path();
    return zelk::bench::runInApplication(argc, argv);
}

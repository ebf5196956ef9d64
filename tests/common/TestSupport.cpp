#include "TestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zelk::test {

QString sourceDir() { return QStringLiteral(ZELK_SOURCE_DIR); }
QString binaryDir() { return QStringLiteral(ZELK_BINARY_DIR); }
QString resourceDir() { return binaryDir() + QStringLiteral("/share/zelk-id-card"); }

double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QString testCupsSocket() {
    return QDir::temp().filePath(QStringLiteral("zelk-cups-%1.sock").arg(QCoreApplication::applicationPid()));
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    ASSERT_EQ(f.write(bytes), bytes.size()) << qPrintable(path);
}

void writeCutPicture(const QString& path, const char* format) {
    // Noise, so that the picture's data runs far beyond the cut.
    QImage picture(120, 90, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x * 5 + y * 91) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, format));
    ASSERT_GT(bytes.size(), 2000);
    writeBytes(path, bytes.left(200));
    ASSERT_TRUE(QImageReader(path).canRead()) << qPrintable(path);
}

QStringList filesThatHoldNoPicture(const QString& folder) {
    const QStringList paths = {folder + QStringLiteral("/empty.png"), folder + QStringLiteral("/fake.png"),
                               folder + QStringLiteral("/cut.jpg"), folder + QStringLiteral("/cut.png"),
                               folder + QStringLiteral("/headers.jpg")};
    writeBytes(paths[0], {});
    writeBytes(paths[1], "This is no picture.\n");
    writeCutPicture(paths[2], "jpg");
    writeCutPicture(paths[3], "png");
    // Every header whole, the first scan's too, and nothing after it.
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "jpg");
    const qsizetype scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    writeBytes(paths[4], jpeg.left(scan + 2 + ((quint8(jpeg.at(scan + 2)) << 8) | quint8(jpeg.at(scan + 3)))));
    return paths;
}

ToolResult runTool(const QString& program, const QStringList& args,
                   const QByteArray& input, int timeoutMs) {
    ToolResult r;
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(30000))
        return r;
    r.started = true;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

namespace {
QSize& offscreenScreen() {
    static QSize size;
    return size;
}
}  // namespace

bool requestOffscreenScreen(QSize size) {
    offscreenScreen() = size;
    return true;
}

QSize requestedOffscreenScreen() { return offscreenScreen(); }

}  // namespace zelk::test

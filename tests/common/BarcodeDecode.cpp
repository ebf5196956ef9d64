#define ZX_USE_UTF8 1
#include "BarcodeDecode.h"

#include "TestSupport.h"

#include <QPainter>
#include <QTemporaryDir>
#include <ZXing/ReadBarcode.h>

namespace zelk::test {

QImage onWhite(const QImage& img, int quiet) {
    QImage out(img.width() + 2 * quiet, img.height() + 2 * quiet, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(quiet, quiet, img);
    p.end();
    return out;
}

std::optional<Decoded> zxingDecode(const QImage& img, const QString& format, ZxingOptions options) {
    const QImage grey = img.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormatFromString(format.toStdString()));
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    hints.setTryCode39ExtendedMode(options.code39FullAscii);
    hints.setReturnCodabarStartEnd(options.codabarStartStop);
    ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                          static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result r = ZXing::ReadBarcode(view, hints);
    if (!r.isValid())
        return std::nullopt;
    Decoded d;
    d.text = QString::fromStdString(r.text());
    const auto& raw = r.bytes();
    d.bytes = QByteArray(reinterpret_cast<const char*>(raw.data()), static_cast<qsizetype>(raw.size()));
    d.ecLevel = QString::fromStdString(r.ecLevel());
    d.format = QString::fromStdString(ZXing::ToString(r.format()));
    d.symbologyId = QString::fromStdString(r.symbologyIdentifier());
    return d;
}

static std::optional<ToolResult> runOnPng(const QImage& img, const QString& tool, const QStringList& args) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("code.png"));
    if (!img.save(path))
        return std::nullopt;
    return runTool(tool, args + QStringList{path});
}

std::optional<QString> zbarDecode(const QImage& img) {
    auto r = runOnPng(img, QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q")});
    if (!r || r->exitCode != 0)
        return std::nullopt;
    QString text = QString::fromUtf8(r->out);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

std::optional<QByteArray> dmtxDecode(const QImage& img) {
    auto r = runOnPng(img, QStringLiteral("dmtxread"), {QStringLiteral("-N1")});
    if (!r || r->exitCode != 0 || r->out.isEmpty())
        return std::nullopt;
    return r->out;
}

}  // namespace zelk::test

#include "barcode/TwoDRenderer.h"

#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/BarcodeSizes.h"
#include "foundation/IndexedPicture.h"

#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace zelk {

namespace {

double headerHeight(const QString& header, const BarcodeRenderSettings& s) {
    return (s.hideHeader || header.isEmpty()) ? 0.0 : BarcodeRenderer::textHeight(s.headerFont);
}

double footerHeight(const QString& footer, const BarcodeRenderSettings& s) {
    return (s.hideFooter || footer.isEmpty()) ? 0.0 : BarcodeRenderer::textHeight(s.footerFont);
}

// Where the symbol goes in the frame, in points: under the header, centred
// across.
QRectF symbolTarget(const QImage& symbol, const QString& header, const QString& footer,
                    const BarcodeRenderSettings& s) {
    const BarcodeMargins m = BarcodeSizes::workingMargins(s);
    const double W = TwoDRenderer::Set_2d_Barcode_Width(symbol, header, footer, s);
    const QSizeF sz = sizeInPoints(symbol);
    return QRectF((W - sz.width()) / 2, m.tb + headerHeight(header, s) + m.header, sz.width(), sz.height());
}

// Pixels of the symbol drawn where the painter puts it one for one: its
// device rectangle is within two pixels of its own size.
bool drawnOneForOne(const QRectF& device, const QImage& symbol) {
    return std::abs(device.width() - symbol.width()) <= 2 && std::abs(device.height() - symbol.height()) <= 2;
}

// Bytes of eight indexes 0 or 1 for each byte of a Format_Mono row.
const std::array<quint64, 256>& monoBytes() {
    static const std::array<quint64, 256> table = [] {
        std::array<quint64, 256> t{};
        for (int b = 0; b < 256; ++b)
            for (int k = 0; k < 8; ++k)
                t[size_t(b)] |= quint64((b >> (7 - k)) & 1) << (8 * k);
        return t;
    }();
    return table;
}

// The frame of a symbol without texts, composed from the colour tables as
// the painter would draw it (the symbol's transparent pixels show the
// background); null when the symbol has no table, has partly transparent
// colours or is not drawn one for one.
QImage composeIndexed(const QImage& symbol, const QSize& frame, const QRectF& device, QRgb background) {
    if ((symbol.format() != QImage::Format_Mono && symbol.format() != QImage::Format_Indexed8) ||
        !drawnOneForOne(device, symbol))
        return {};
    QList<QRgb> table{background};
    std::array<uchar, 256> map{};
    const QList<QRgb> own = symbol.colorTable();
    for (qsizetype i = 0; i < own.size() && i < 256; ++i) {
        const int a = qAlpha(own.at(i));
        if (a != 0 && a != 255)
            return {};
        qsizetype at = a == 0 ? 0 : table.indexOf(own.at(i));
        if (at < 0) {
            at = table.size();
            table.append(own.at(i));
        }
        map[size_t(i)] = uchar(at);
    }
    QImage out(frame, QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    out.fill(0);
    const int x0 = int(std::round(device.left())), y0 = int(std::round(device.top()));
    const int from = std::max(0, -x0), to = std::min(symbol.width(), frame.width() - x0);
    std::vector<uchar> indexes(size_t(symbol.width()) + 8);
    const size_t rowBytes = (size_t(symbol.width()) * size_t(symbol.depth()) + 7) / 8;
    int previous = -1;  // the last symbol row composed
    for (int sy = 0; sy < symbol.height() && from < to; ++sy) {
        const int y = y0 + sy;
        if (y < 0 || y >= frame.height())
            continue;
        const uchar* row = symbol.constScanLine(sy);
        uchar* o = out.scanLine(y);
        if (previous >= 0 && std::memcmp(row, symbol.constScanLine(previous), rowBytes) == 0) {
            std::memcpy(o + x0 + from, out.constScanLine(y0 + previous) + x0 + from, size_t(to - from));
            previous = sy;
            continue;
        }
        if (symbol.format() == QImage::Format_Mono) {
            for (int b = 0; b < (symbol.width() + 7) / 8; ++b) {
                const quint64 eight = qToLittleEndian(monoBytes()[row[b]]);
                std::memcpy(indexes.data() + 8 * b, &eight, 8);
            }
            row = indexes.data();
        }
        for (int x = from; x < to; ++x)
            o[x0 + x] = map[row[x]];
        previous = sy;
    }
    out.setColorTable(table);
    return table.size() <= 2 ? IndexedPicture::packMono(out) : out;
}

}  // namespace

float TwoDRenderer::Set_2d_Barcode_Height(const QImage& symbol, const QString& header, const QString& footer,
                                          const BarcodeRenderSettings& s) {
    const BarcodeMargins m = BarcodeSizes::workingMargins(s);
    float h = static_cast<float>(sizeInPoints(symbol).height());
    h += static_cast<float>(headerHeight(header, s));
    h += m.header;
    h += static_cast<float>(footerHeight(footer, s));
    h += m.footer;
    h += 2 * m.tb;
    return h;
}

float TwoDRenderer::Set_2d_Barcode_Width(const QImage& symbol, const QString& header, const QString& footer,
                                         const BarcodeRenderSettings& s) {
    const BarcodeMargins m = BarcodeSizes::workingMargins(s);
    const double hw = (s.hideHeader || header.isEmpty()) ? 0.0 : BarcodeRenderer::textWidth(header, s.headerFont, 2.0);
    const double fw = (s.hideFooter || footer.isEmpty()) ? 0.0 : BarcodeRenderer::textWidth(footer, s.footerFont, 2.0);
    float w = static_cast<float>(std::max({sizeInPoints(symbol).width(), hw, fw}));
    w += 2 * m.lr;
    if (m.lr > 0)
        w += 15;
    return w;
}

void TwoDRenderer::drawBarcodeImage(QPainter& p, const QImage& symbol, const QString& header, const QString& footer,
                                    const BarcodeRenderSettings& s) {
    const BarcodeMargins m = BarcodeSizes::workingMargins(s);
    const double W = Set_2d_Barcode_Width(symbol, header, footer, s);
    const double H = Set_2d_Barcode_Height(symbol, header, footer, s);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(0, 0, W, H), s.fillTransparent ? QColor(Qt::transparent) : QColor(Qt::white));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const double hh = headerHeight(header, s);
    if (hh > 0)
        BarcodeRenderer::drawBandText(p, header, s.headerFont, s.headerColor, s.headerAlignIndex,
                                      QRectF(0, m.tb, W, hh));
    // The symbol's own pixels are kept one for one where the painter maps
    // points to the symbol's resolution, so that modules stay whole. Its
    // transparent margins show the frame's background.
    const QRectF target = symbolTarget(symbol, header, footer, s);
    const QRectF device = p.transform().mapRect(target);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (drawnOneForOne(device, symbol)) {
        const QTransform t = p.transform();
        p.resetTransform();
        p.drawImage(QPointF(std::round(device.left()), std::round(device.top())), symbol);
        p.setTransform(t);
    } else {
        p.drawImage(target, symbol);
    }

    const double fh = footerHeight(footer, s);
    if (fh > 0)
        BarcodeRenderer::drawBandText(p, footer, s.footerFont, s.footerColor, s.footerAlignIndex,
                                      QRectF(0, H - m.tb - fh, W, fh));
    p.restore();
}

QImage TwoDRenderer::imageFromBarcodeImage(const QImage& symbol, const QString& header, const QString& footer,
                                           const BarcodeRenderSettings& s) {
    if (symbol.isNull() || s.dpi <= 0)
        return {};
    const double W = Set_2d_Barcode_Width(symbol, header, footer, s);
    const double H = Set_2d_Barcode_Height(symbol, header, footer, s);
    const QSize frame(pixelsForPoints(W, s.dpi), pixelsForPoints(H, s.dpi));
    if (headerHeight(header, s) == 0 && footerHeight(footer, s) == 0) {
        const QRectF device = QTransform::fromScale(s.dpi / 72.0, s.dpi / 72.0)
                                  .mapRect(symbolTarget(symbol, header, footer, s));
        QImage img = composeIndexed(symbol, frame, device, s.fillTransparent ? qRgba(0, 0, 0, 0) : qRgb(255, 255, 255));
        if (!img.isNull()) {
            setSizeInPoints(img, QSizeF(W, H));
            return img;
        }
    }
    QImage img(frame, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull())
        return {};
    // The frame ends inside the last column and row of pixels; they take
    // the background too.
    img.fill(s.fillTransparent ? QColor(Qt::transparent) : QColor(Qt::white));
    {
        QPainter p(&img);
        p.scale(s.dpi / 72.0, s.dpi / 72.0);
        drawBarcodeImage(p, symbol, header, footer, s);
    }
    setSizeInPoints(img, QSizeF(W, H));
    return IndexedPicture::compact(img);
}

}  // namespace zelk

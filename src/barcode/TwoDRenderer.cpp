#include "barcode/TwoDRenderer.h"

#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeRenderer.h"
#include "barcode/BarcodeSizes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

double headerHeight(const QString& header, const BarcodeRenderSettings& s) {
    return (s.hideHeader || header.isEmpty()) ? 0.0 : BarcodeRenderer::textHeight(s.headerFont);
}

double footerHeight(const QString& footer, const BarcodeRenderSettings& s) {
    return (s.hideFooter || footer.isEmpty()) ? 0.0 : BarcodeRenderer::textHeight(s.footerFont);
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
    // The symbol hangs under the header, centred across the frame. Its own
    // pixels are kept one for one where the painter maps points to the
    // symbol's resolution, so that modules stay whole.
    const QSizeF sz = sizeInPoints(symbol);
    const QRectF target((W - sz.width()) / 2, m.tb + hh + m.header, sz.width(), sz.height());
    const QRectF device = p.transform().mapRect(target);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (std::abs(device.width() - symbol.width()) <= 2 && std::abs(device.height() - symbol.height()) <= 2) {
        const QTransform t = p.transform();
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPointF(std::round(device.left()), std::round(device.top())), symbol);
        p.setTransform(t);
    } else {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(target, symbol);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

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
    QImage img(pixelsForPoints(W, s.dpi), pixelsForPoints(H, s.dpi), QImage::Format_ARGB32_Premultiplied);
    if (img.isNull())
        return {};
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.scale(s.dpi / 72.0, s.dpi / 72.0);
        drawBarcodeImage(p, symbol, header, footer, s);
    }
    setSizeInPoints(img, QSizeF(W, H));
    return img;
}

}  // namespace zelk

#include "inspector/TransformedCardImage.h"

#include "foundation/DrawingCodes.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {
// A hair under a whole number of pixels counts as that number.
double pixelsFor(double points, double dpi) { return std::ceil(points * dpi / 72.0 - 1e-6); }
constexpr double MaxImagePixels = double(qint64(1) << 28);
constexpr int PdfResolution = 1200;
}  // namespace

TransformedCardImage::TransformedCardImage(SKTRenderingView card, const QTransform& transform)
    : card_(std::move(card)), transform_(transform) {}

void TransformedCardImage::drawRect(QPainter& painter) const {
    if (isNull())
        return;
    painter.save();
    painter.setTransform(transform_, true);
    card_->drawRect(painter);
    painter.restore();
}

QImage TransformedCardImage::imageAtResolution(double dpi) const {
    const QRectF f = frame();
    if (isNull() || !f.isValid() || !zelk::drawableBounds(f) || !std::isfinite(dpi) || dpi <= 0 ||
        dpi > SKTRenderingView::MaxDpi)
        return {};
    const double wp = pixelsFor(f.width(), dpi), hp = pixelsFor(f.height(), dpi);
    if (wp < 1 || hp < 1 || wp * hp > MaxImagePixels)
        return {};
    QImage image(int(wp), int(hp), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    QPainter painter(&image);
    painter.scale(dpi / 72.0, dpi / 72.0);
    painter.translate(-f.topLeft());
    drawRect(painter);
    painter.end();
    return image;
}

QByteArray TransformedCardImage::dataWithPDFInsideRect(const QRectF& rect) const {
    if (isNull() || !rect.isValid() || !zelk::drawableBounds(rect))
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(card_->printJobTitle());
        writer.setCreator(QStringLiteral("Zelk ID Card"));
        writer.setResolution(PdfResolution);
        const QPageSize pageSize(rect.size(), QPageSize::Point, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        const double s = writer.resolution() / 72.0;
        painter.scale(s, s);
        painter.translate(-rect.topLeft());
        painter.setClipRect(rect);
        drawRect(painter);
        if (!painter.end())
            return {};
    }
    return data;
}

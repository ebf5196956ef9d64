#include "inspector/face/TransformedCardImage.h"

#include "canvas/VectorPageOutput.h"

#include <QPainter>

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
    if (isNull())
        return {};
    return zelk::VectorPageOutput::imageAtResolution(frame(), dpi, [this](QPainter& p) { drawRect(p); });
}

QByteArray TransformedCardImage::dataWithPDFInsideRect(const QRectF& rect) const {
    if (isNull())
        return {};
    return zelk::VectorPageOutput::pdfPage(rect, card_->printJobTitle(), [this](QPainter& p) { drawRect(p); });
}

#include "production/ExportPicture.h"

#include "canvas/CardFileEncoder.h"
#include "foundation/SKTGraphic.h"

#include <QPainter>

using zelk::ExportPicture;

ExportPicture::ExportPicture(TransformedCardImage card) {
    if (card.isNull())
        return;
    frame_ = card.frame();
    paint_ = [card = std::move(card)](QPainter& p) { card.drawRect(p); };
}

ExportPicture::ExportPicture(QImage bitmap) {
    if (bitmap.isNull())
        return;
    bitmap_ = std::move(bitmap);
    frame_ = QRectF(QPointF(0, 0), pictureSizeInPoints(bitmap_));
    paint_ = [image = bitmap_, frame = frame_](QPainter& p) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(frame, image);
        p.restore();
    };
}

ExportPicture::ExportPicture(const QSizeF& size, std::function<void(QPainter&)> paint) {
    if (size.isEmpty() || !paint)
        return;
    frame_ = QRectF(QPointF(0, 0), size);
    paint_ = std::move(paint);
}

ExportPicture ExportPicture::combined(const ExportPicture& front, const ExportPicture& back, bool sideBySide) {
    ExportPicture both;
    if (front.isNull() || back.isNull())
        return both;
    const QSizeF s = front.size();
    both.frame_ = QRectF(0, 0, sideBySide ? 2 * s.width() : s.width(), sideBySide ? s.height() : 2 * s.height());
    const QPointF backAt = sideBySide ? QPointF(s.width(), 0) : QPointF(0, s.height());
    both.paint_ = [front, back, backAt](QPainter& p) {
        // Each side is clipped to its own place, so neither draws over the other.
        auto draw = [&p](const ExportPicture& side, const QPointF& at) {
            p.save();
            p.translate(at - side.frame_.topLeft());
            p.setClipRect(side.frame_, Qt::IntersectClip);
            side.paint_(p);
            p.restore();
        };
        draw(front, QPointF(0, 0));
        draw(back, backAt);
    };
    return both;
}

QByteArray ExportPicture::encode(const QString& extension, bool increase_dpi, QString* why) const {
    if (isNull()) {
        if (why)
            *why = QStringLiteral("There is no picture to write.");
        return {};
    }
    if (!bitmap_.isNull() && !increase_dpi)
        return CardFileEncoder::encodeBitmap(bitmap_, extension, why);
    return CardFileEncoder::encode(frame_, paint_, extension, QStringLiteral("Card"), why);
}

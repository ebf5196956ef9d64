#include "barcode/pdf417View.h"

#include "foundation/Utilities.h"

#include <QPainter>
#include <cstring>

pdf417View::pdf417View(QSizeF frame, int errorLevel, int dpi) : errorLevel(errorLevel), frame_(frame), dpi_(dpi) {
    pdf417init(&p);
}

void pdf417View::setErrorLevel(int level) {
    errorLevel = level;
    Show_NSLog_Message(QStringLiteral("ErrorLevel set to %1").arg(level));
}

int pdf417View::drawWithText(const QString& text) {
    if (text.isEmpty())
        return imageState = EmptyText;
    const QByteArray bytes = text.toUtf8();
    pdf417init(&p);
    p.text = bytes.constData();
    p.lenText = static_cast<int>(bytes.size());
    p.options = PDF417_USE_ERROR_LEVEL | PDF417_INVERT_BITMAP;
    p.errorLevel = errorLevel;
    p.aspectRatio = 1.0f;
    paintCode(&p);
    p.text = "";  // the bytes go out of scope
    if (p.error != PDF417_ERROR_SUCCESS || !p.outBits) {
        Show_NSLog_Message(QStringLiteral("Error encountered while drawing barcode, error %1.").arg(p.error));
        pdf417free(&p);
        return imageState = EncodingFailed;
    }
    // One pixel a module and a row, 0 black (a bar, the bitmap being
    // inverted); the frame's size in points stretches it.
    QImage bitmap(p.bitColumns, p.codeRows, QImage::Format_Mono);
    if (!bitmap.isNull()) {
        bitmap.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        const int bytesPerRow = p.lenBits / p.codeRows;
        for (int r = 0; r < p.codeRows; ++r)
            std::memcpy(bitmap.scanLine(r), p.outBits + r * bytesPerRow, static_cast<size_t>(bytesPerRow));
        zelk::setSizeInPoints(bitmap, frame_);
    }
    pdf417free(&p);
    pdf417Image = Increase_DPI(bitmap, dpi_);
    return imageState = ImageShown;
}

void pdf417View::drawRect(QPainter& painter) const {
    const QRectF bounds(QPointF(0, 0), frame_);
    painter.save();
    switch (imageState) {
    case ImageShown:
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(bounds, pdf417Image);
        break;
    case EmptyText:
        painter.fillRect(bounds, Qt::lightGray);
        break;
    default:
        painter.fillRect(bounds, Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(bounds, Qt::TextWordWrap, QStringLiteral("There was a problem drawing the barcode."));
        break;
    }
    painter.restore();
}

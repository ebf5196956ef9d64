#pragma once
// Drives the PDF417 encoder for one text and keeps the resulting picture, as
// large as the view's frame in points. The settings window's preview paints
// it; production uses it only as a picture maker. No widget: whoever shows
// it calls drawRect from its own paint.
#include "barcode/BarcodeGlobals.h"
#include "barcode/Pdf417Encoder.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

class pdf417View {
public:
    enum ImageState { ImageShown = 0, EmptyText = 1, EncodingFailed = 2 };

    // Pictures are `frame` points and are resampled to `dpi`; production
    // passes its own copy of the resolution, as it may run off the main thread.
    explicit pdf417View(QSizeF frame = QSizeF(), int errorLevel = 2, int dpi = USED_DPI_VALUE);

    QSizeF frame() const { return frame_; }
    void setFrameSize(QSizeF frame) { frame_ = frame; }

    // Encodes the text (UTF-8) at the view's level, the shape chosen for a
    // ratio of 1. An empty text or a failed encoding keeps the last picture.
    // Returns the new imageState.
    int drawWithText(const QString& text);

    // The last picture made; null before the first.
    QImage getImage() const { return pdf417Image; }

    void setErrorLevel(int level);
    int getErrorLevel() const { return errorLevel; }
    int getImageState() const { return imageState; }

    // Paints the state into (0, 0, frame): the picture, a light grey box for
    // an empty text, or a white box saying that drawing failed.
    void drawRect(QPainter& painter) const;

private:
    QImage pdf417Image;
    pdf417param p;  // the last encoding; its bitmap is freed once copied
    int errorLevel;
    int imageState = EmptyText;
    QSizeF frame_;
    int dpi_;
};

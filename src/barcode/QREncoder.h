#pragma once
// Front end of the QR Code encoder: text in, module grid out, and the grid
// rendered into a square picture at the barcode resolution.
#include "barcode/DataMatrix.h"

#include <QImage>
#include <QString>
#include <memory>

class QREncoder {
public:
    QREncoder() = delete;

    // level 0 L .. 3 H; version 0 "Auto" (the smallest version that holds the
    // text) or 1..40 (the text must fit that version). ASCII text goes in as
    // it is; other text as ISO-8859-1 where it fits that set, else as UTF-8,
    // behind the ECI designator of its set (3 or 26). Null when it does not fit.
    static std::unique_ptr<DataMatrix> encodeWithECLevel(int level, int version, const QString& string);

    // The same over raw bytes. Valid UTF-8 is taken as text, as above. Other
    // bytes go in unchanged and may be Shift JIS text: their double-byte
    // characters go into Kanji segments.
    static std::unique_ptr<DataMatrix> encodeCStringWithECLevel(int level, int version, const QByteArray& cstring,
                                                               int mask = -1);

    // The grid drawn into a picture `imageDimension` points square at `dpi`
    // dots per inch, a whole number of pixels per module, centred, with
    // transparent margins, with a colour table (one bit a pixel where there
    // is no margin). Null when the picture has fewer pixels than the grid
    // has modules.
    static QImage renderDataMatrix(const DataMatrix& matrix, int imageDimension, int dpi);
};

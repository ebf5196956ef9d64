#pragma once
// Draws a linear or postal barcode (bars, value text, header and footer) into
// a vector picture, a PDF page or a bitmap, and offers the text drawing that
// the 2D pictures share.
//
// Coordinates are points. The picture's frame is (0, 0, W, H) with W the
// widest of the bars, the header and the footer and H the barcode's height;
// the look comes from the barcode's render settings. Texts are drawn as
// outlines so that a picture looks the same on every device.
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPicture>
#include <QRectF>
#include <QSizeF>
#include <QString>

class NKDBarcode;
class QPainter;

namespace zelk {

class BarcodeRenderer {
public:
    // The frame of a barcode's picture, in points.
    static QSizeF viewSize(const NKDBarcode& b);
    // Draws the whole picture into (0, 0, W, H) of the painter's coordinates
    // (y downwards, one unit per point).
    static void drawBarcode(QPainter& p, const NKDBarcode& b);

    // Vector picture of a barcode, one unit per point; a null picture when the
    // barcode's content is not valid.
    static QPicture imageFromBarcode(const NKDBarcode& b);
    // Bitmap at `dpi` dots per inch (recorded in the image's dots per metre,
    // so its size in points is known) with a colour table where it has few
    // colours (IndexedPicture::compact); a null image for invalid content.
    static QImage bitmapFromBarcode(const NKDBarcode& b, double dpi);
    // One PDF page of the picture's size; empty for invalid content.
    static QByteArray pdfFromBarcode(const NKDBarcode& b);

    // The digits of a UPC/EAN caption (one whose first digit stands apart
    // or whose groups are split at tabs), each with its ink box in the
    // picture's coordinates; empty for any other caption.
    struct CaptionGlyph {
        QString text;
        QRectF box;
    };
    static QList<CaptionGlyph> captionGlyphs(const NKDBarcode& b);

    // --- Text, in points ---
    // A copy of `font` whose metrics and outlines are in points, with `kern`
    // points of added letter spacing.
    static QFont pointFont(const QFont& font, double kern = 0.0);
    static double capHeight(const QFont& font);
    static double textHeight(const QFont& font);
    static double textWidth(const QString& text, const QFont& font, double kern = 0.0);
    // A header or footer line: drawn at the top of `rect` (painter
    // coordinates), aligned by the alignment item's index ("Left", "Center",
    // "Right"; any other index left-aligns), with 2 points of letter spacing.
    static void drawBandText(QPainter& p, const QString& text, const QFont& font, const QColor& color,
                             int alignIndex, const QRectF& rect);
    // Same, with an explicit spacing and Qt alignment (Qt::AlignLeft,
    // Qt::AlignHCenter or Qt::AlignRight). Tabs advance to the next multiple
    // of 28 points.
    static void drawTextLine(QPainter& p, const QString& text, const QFont& font, const QColor& color,
                             Qt::Alignment align, const QRectF& rect, double kern);
};

}  // namespace zelk

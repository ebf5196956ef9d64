#pragma once
// Pictures of few colours with a colour table. A barcode picture has two
// colours, or the blends between them where a caption is drawn smooth: held
// with a table it takes a quarter (8 bits) or a thirty-second (1 bit) of the
// memory of 32-bit pixels, and its PNG, whose encoder is most of the cost of
// saving a picture, is made that much faster.
#include <QByteArray>
#include <QImage>
#include <QString>

class QPainter;
class QRectF;

namespace zelk {

class IndexedPicture {
public:
    IndexedPicture() = delete;

    // The same pixels, resolution and texts with a colour table (alpha kept
    // in it): Format_Mono where at most two colours occur, Format_Indexed8
    // where at most 256 do. A picture of more colours, a null one, and one
    // of 8 bits or fewer per pixel come back as they are.
    static QImage compact(const QImage& picture);

    // Packs a picture of Format_Indexed8 whose pixels use only indexes 0 and
    // 1 into Format_Mono with the first two colours of its table.
    static QImage packMono(const QImage& indexed);

    // Quality handed to the PNG writer, zlib level (100 - q) × 9 / 91 = 2.
    // Measured on barcode pictures, level 2 writes 2.5 (1 bit) to 3 (8-bit
    // captions) times as fast as the default level 6, for files 1.4 to 1.7
    // times as large; level 1 is no faster and larger.
    static constexpr int PngQuality = 79;

    // The picture as PNG at PngQuality; formats the writer cannot take go
    // through 32-bit ARGB. Empty, with the writer's reason in *error, when
    // no PNG could be made.
    static QByteArray png(const QImage& picture, QString* error = nullptr);

    // Draws the picture into `target` on a page (PDF, printer) without loss
    // and at the cost of what it shows. A page engine writes any picture but
    // an exact black-and-white one as 24-bit colour with a mask, megabytes
    // for a 600-dpi barcode. Here a picture whose two commonest colours are
    // opaque black and white goes as one 1-bit picture (the greys of smoothed
    // caption edges taken to the nearer of the two); any other as one filled
    // path of rectangles per main colour, a clear ground left out. Further
    // colours (a grey or coloured text, a coloured caption's smoothed edges)
    // go exactly, in pictures of the boxes round them. Pictures of more than
    // 256 colours, or of such colours throughout, are drawn as they are.
    static void drawOnPage(QPainter& painter, const QImage& picture, const QRectF& target);
};

}  // namespace zelk

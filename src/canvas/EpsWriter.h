#pragma once
// Encapsulated PostScript of one picture. Qt writes no PostScript, and a
// card's vector drawing has no PostScript painter to go to, so an EPS file
// holds the card as an image: the 600-dpi picture the raster files are made
// of, in a page of exactly the card's size in points.
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

namespace zelk {

class EpsWriter {
public:
    EpsWriter() = delete;

    // An EPSF-3.0 file (LanguageLevel 3) whose bounding box is `points`
    // (whole points in %%BoundingBox, exact in %%HiResBoundingBox) and whose
    // picture fills it: 8-bit DeviceRGB samples, Flate-compressed (zlib) and
    // ASCII85-encoded. What is clear in the picture is white paper, as EPS
    // has no transparency. Empty for a null picture or an empty box.
    static QByteArray page(const QImage& picture, const QSizeF& points, const QString& title);
};

}  // namespace zelk

#pragma once
// Batches drawn at random for the tests of what a batch's run tells: a card
// with two to four texts of the user's own bound to a workbook's columns
// (stacked apart, touching, overlapping by up to a line, one now and then
// reaching past an edge), a barcode and a picture at random places, and a
// workbook of twelve rows of values of random lengths, accents and empty
// cells. Each text has a font size of its own, so that a word read back
// from a PDF tells by its height which text printed it.
#include "RandomDraw.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk::test {

struct RandomText {
    int column;     // the workbook's column it is bound to, from 1
    QRectF box;     // as the user laid it out
    double points;  // its font size, no other text's
    int alignment;  // 0 left, 2 centred
};

struct RandomBatch {
    std::uint32_t seed = 0;
    QSizeF card;                // a CR80 card, landscape or portrait
    QStringList titles;         // the workbook's column titles, column 1 first
    QList<QStringList> rows;    // the workbook's rows, a value for each column
    QList<RandomText> texts;    // two to four
    int barcodeColumn = 0;      // a Code 128 bound to this column; 0: none
    QPointF barcodeAt;          // where the barcode tool left it, fitted to row 1's value
    std::optional<QRectF> picture;
    QColor pictureColour;
    // What was drawn, for the message of a failure.
    QString describe() const;
};

// The batch of `seed`.
RandomBatch drawBatch(std::uint32_t seed);

// The design of `batch` as the user leaves it on the canvas, the topmost
// first: its texts showing row 1's values, the barcode, and the picture
// (written as a PNG to `picturePath`). The barcode is bound and placed;
// `fitBarcode` gives it its symbology and the picture of row 1's value.
QList<std::shared_ptr<SKTGraphic>> designOf(const RandomBatch& batch, const QString& picturePath,
                                            const std::function<void(SKTGraphic& barcode, const QString& value)>& fitBarcode);

}  // namespace zelk::test

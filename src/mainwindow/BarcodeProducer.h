#pragma once
// How a barcode graphic's picture is made when a design is loaded without
// one. The barcode settings window fills this in; until it is installed (and
// in tests) the default producer makes no picture, and the graphic keeps
// its stored settings and bounds.
#include <QImage>
#include <QString>

class SKTGraphic;

namespace zelk {

class BarcodeProducer {
public:
    virtual ~BarcodeProducer();

    // Hands the graphic's settings to the producer and returns the picture of
    // `value` with the given header and footer texts; a null image when no
    // picture could be made.
    virtual QImage produceBarcode(const SKTGraphic& graphic, const QString& value,
                                  const QString& header, const QString& footer);
};

// The producer used when none is given: always a null image.
BarcodeProducer& defaultBarcodeProducer();

}  // namespace zelk

#pragma once
// The barcode producer of the running program: the graphic's settings go
// through the barcode transfer into a generator of its own, whose picture
// of the value comes back. It copies the caption kerning setting at each
// call, so it belongs to the GUI thread (canvas and design loading); a
// batch job makes its own zelk::BarcodeGenerator when it starts.
#include "mainwindow/BarcodeProducer.h"

namespace zelk {

class BarcodeGenProducer : public BarcodeProducer {
public:
    QImage produceBarcode(const SKTGraphic& graphic, const QString& value, const QString& header,
                          const QString& footer) override;
};

}  // namespace zelk

#include "mainwindow/BarcodeProducer.h"

namespace zelk {

BarcodeProducer::~BarcodeProducer() = default;

QImage BarcodeProducer::produceBarcode(const SKTGraphic&, const QString&, const QString&,
                                       const QString&) {
    return {};
}

BarcodeProducer& defaultBarcodeProducer() {
    static BarcodeProducer producer;
    return producer;
}

}  // namespace zelk

#include "mainwindow/BarcodeGenProducer.h"

#include "barcode/BarcodeGenerator.h"

namespace zelk {

QImage BarcodeGenProducer::produceBarcode(const SKTGraphic& graphic, const QString& value, const QString& header,
                                          const QString& footer) {
    BarcodeGenerator generator;
    generator.Set_Barcode_Prop_To_Control(graphic);
    return generator.Get_Image_From_Val(value, header, footer);
}

}  // namespace zelk

#pragma once
#include "NKDModifiedPlesseyBarcode.h"

// Modified Plessey with the hexadecimal characters "A" to "F" (values 10 to 15).
class NKDModifiedPlesseyHexBarcode : public NKDModifiedPlesseyBarcode {
    NKD_BARCODE_KIND(NKDModifiedPlesseyHexBarcode)
protected:
    int radix() const override { return 16; }
};

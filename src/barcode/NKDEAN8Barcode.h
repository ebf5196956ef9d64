#pragma once
#include "NKDEAN13Barcode.h"

// EAN-8: 7 digits and a check digit, computed when missing and checked when given.
class NKDEAN8Barcode : public NKDEAN13Barcode {
    NKD_BARCODE_KIND(NKDEAN8Barcode)
public:
    QString barcode() const override;
    QString caption() const override;
    float barBottom(int index) const override;
    int digitsToRight() const override { return 0; }
    int digitsToLeft() const override { return 0; }

protected:
    int dataLength() const override { return 7; }
};

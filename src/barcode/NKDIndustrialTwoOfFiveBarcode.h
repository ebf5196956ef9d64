#pragma once
#include "NKDInterleavedTwoOfFiveBarcode.h"

// Industrial (standard) 2 of 5: each digit in five bars of its own, the
// information in the bar widths only; start bars wide, wide, narrow and stop
// bars wide, narrow, wide, as the symbology defines them.
class NKDIndustrialTwoOfFiveBarcode : public NKDInterleavedTwoOfFiveBarcode {
    NKD_BARCODE_KIND(NKDIndustrialTwoOfFiveBarcode)
public:
    QString barcode() const override;
    QString initiator() const override { return QStringLiteral("1110011100100"); }
    QString terminator() const override { return QStringLiteral("1110010011100"); }
};

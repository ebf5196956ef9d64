#pragma once
#include "NKDBarcode.h"

// Codabar (EN 798): digits and "-", "$", ":", "/", ".", "+", framed by start
// and stop characters "A" to "D". A value given without them gets "A" at both
// ends; the frame is not part of the content, so the caption shows the value
// as typed. Characters are separated by a narrow space.
class NKDCodabarBarcode : public NKDBarcode {
    NKD_BARCODE_KIND(NKDCodabarBarcode)
public:
    QString _encodeChar(char c) const override;
    QString barcode() const override;
    QString initiator() const override;
    QString terminator() const override;
    bool isContentValid() const override;

private:
    // Whether the content carries its own start and stop characters.
    bool hasOwnFrame() const;
};

#pragma once
#include "NKDBarcode.h"

// Modified Plessey: each character as four bits, least significant first
// (bit 0 "1000", bit 1 "1110"), with a modulo 10 check character.
class NKDModifiedPlesseyBarcode : public NKDBarcode {
    NKD_BARCODE_KIND(NKDModifiedPlesseyBarcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString _encodeChar(char c) const override;
    QString initiator() const override;
    QString terminator() const override;
    void generateChecksum() override;

    // The check digit of a value under the modulo 10 rule: the characters at
    // odd positions from the right are doubled and their decimal digits
    // summed, those at even positions added; -1 when a character has no value.
    static int checkDigitFor(const QString& value, int radix);

protected:
    virtual int radix() const { return 10; }
    static QString bits(int value);
};

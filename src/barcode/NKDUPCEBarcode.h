#pragma once
#include "NKDUPCABarcode.h"

// UPC-E: a UPC-A with zeros suppressed, as a number system digit ("0" or
// "1") and six data digits, whose parities carry the check digit of the
// expanded UPC-A. Takes 7 digits, 8 with the check digit, or the 11 digits
// of a UPC-A to compress.
class NKDUPCEBarcode : public NKDUPCABarcode {
    NKD_BARCODE_KIND(NKDUPCEBarcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString barcode() const override;
    // True when data position p (1 to 6) takes even parity (set B).
    bool parityForDigit(int position) const;
    float barBottom(int index) const override;
    bool isContentValid() const override;
    QString terminator() const override { return QStringLiteral("010101"); }
    QString caption() const override;

    // The six UPC-E data digits of a 12-digit UPC-A; empty when the UPC-A
    // cannot be written as a UPC-E (the digits to drop are not all zeros,
    // or the number system is not 0 or 1).
    static QString UPCAToUPCE(const QString& upca);
    // The 11 UPC-A digits (without check) of a 7-digit UPC-E (number system
    // and six data digits); empty for anything else.
    static QString UPCEToUPCA(const QString& upce);
};

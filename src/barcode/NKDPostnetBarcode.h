#pragma once
#include "NKDBarcode.h"

// POSTNET (USPS): five bars per digit, two of them tall, with a modulo 10
// check digit, between two tall frame bars. Bars are 9 or 3.6 points high
// whatever the symbol's height.
class NKDPostnetBarcode : public NKDBarcode {
    NKD_BARCODE_KIND(NKDPostnetBarcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString initiator() const override { return QStringLiteral("100"); }
    QString terminator() const override { return QStringLiteral("1"); }
    QString _encodeChar(char) const override { return QStringLiteral("100100100100100"); }
    float barTop(int index) const override;
    void generateChecksum() override;
    bool isContentValid() const override;
    // Height in inches of bar b (1 to 5) of character d (the check digit
    // past the content).
    virtual float _heightForDigit(int d, int b) const;

protected:
    // Whether bar b (1 to 5) of a POSTNET digit is a full bar.
    static bool isTall(char digit, int b);
};

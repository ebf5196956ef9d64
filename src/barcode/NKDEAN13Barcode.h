#pragma once
#include "NKDAbstractUPCEANBarcode.h"

// EAN-13: 12 digits and a check digit, the first digit carried by the
// parities of the next six. The check digit is computed when missing and
// must be right when given.
class NKDEAN13Barcode : public NKDAbstractUPCEANBarcode {
    NKD_BARCODE_KIND(NKDEAN13Barcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString barcode() const override;
    // True when data position `index` (0 to 5, digits 2 to 7) takes even
    // parity for the leading digit.
    static bool _parityForSystemDigit(char systemDigit, int index);
    int digitsToRight() const override { return 0; }
    QString rightCaption() const override { return QString(); }
    QString caption() const override;
    void generateChecksum() override;
    bool isContentValid() const override;

protected:
    // Number of data digits without the check digit: 12 here.
    virtual int dataLength() const { return 12; }
};

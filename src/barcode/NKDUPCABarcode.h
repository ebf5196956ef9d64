#pragma once
#include "NKDAbstractUPCEANBarcode.h"

// UPC-A: 11 digits and a check digit, which is computed when missing and
// must be right when given.
class NKDUPCABarcode : public NKDAbstractUPCEANBarcode {
    NKD_BARCODE_KIND(NKDUPCABarcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString barcode() const override;
    void generateChecksum() override;
    QString caption() const override;
    bool isContentValid() const override;
};

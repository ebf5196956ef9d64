#pragma once
#include "NKDBarcode.h"

// Code 39 (ISO/IEC 16388): 43 data characters plus "*" as start and stop,
// no check character. The content is upper-cased; one enclosing pair of "*"
// is taken as the start and stop the symbol has anyway.
class NKDCode39Barcode : public NKDBarcode {
    NKD_BARCODE_KIND(NKDCode39Barcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString _encodeChar(char c) const override;
    QString initiator() const override;
    QString terminator() const override;
    bool isContentValid() const override;

    // The 13-module pattern (wide elements two modules, one light module as
    // the gap) of a Code 39 character, empty when it has none.
    static QString code39Pattern(char c);
};

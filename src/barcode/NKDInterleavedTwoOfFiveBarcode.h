#pragma once
#include "NKDBarcode.h"

// Interleaved 2 of 5 (ISO/IEC 16390): digits in pairs, the first of a pair in
// the bars and the second in the spaces; wide elements are three modules.
// An odd count is padded with a leading "0".
class NKDInterleavedTwoOfFiveBarcode : public NKDBarcode {
    NKD_BARCODE_KIND(NKDInterleavedTwoOfFiveBarcode)
public:
    QString barcode() const override;
    // True when element `barNumber` (0 to 4) of `digit` is narrow.
    static bool _getBarForDigit(char digit, int barNumber);
    QString initiator() const override { return QStringLiteral("1010"); }
    QString terminator() const override { return QStringLiteral("11101"); }
    bool isContentValid() const override;
};

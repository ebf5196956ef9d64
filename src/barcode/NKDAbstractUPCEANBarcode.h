#pragma once
#include "NKDBarcode.h"

// What UPC-A, UPC-E, EAN-13 and EAN-8 share (ISO/IEC 15420): normal guards,
// the left-hand odd-parity set A, digits only, the modulo 10 check with
// weights 3 and 1 from the right, guard bars reaching below the data bars,
// and one light tenth of the width on each side.
class NKDAbstractUPCEANBarcode : public NKDBarcode {
public:
    void calculateWidth() override;
    float firstBar() const override { return m_width * 0.1f; }
    float lastBar() const override { return m_width * 0.9f - m_barWidth; }
    QString _encodeChar(char c) const override;
    QString initiator() const override { return QStringLiteral("101"); }
    QString terminator() const override { return QStringLiteral("101"); }
    int digitsToRight() const override { return 1; }
    int digitsToLeft() const override { return 1; }
    float barBottom(int index) const override;
    void generateChecksum() override;
    QString rightCaption() const override;

    // Check digit (0 to 9) of a digit string, -1 when it holds a non-digit.
    static int mod10CheckDigit(const QString& digits);
    static bool allDigits(const QString& s);
    // Pattern of a digit in set A (odd), B (even) or C (right-hand).
    static QString setA(char digit);
    static QString setB(char digit);
    static QString setC(char digit);

protected:
    // The check digit given with the content, kept apart from the computed
    // one so that a wrong one is refused rather than printed.
    signed char computedCheckDigit() const { return m_computedCheck; }
    signed char m_computedCheck = -1;
};

// The two pattern transformations of the UPC/EAN character sets.
namespace zelk {
// Each "0" becomes "1" and every other character "0": set A to set C.
QString swapHandedness(const QString& pattern);
// swapHandedness read backwards: set A to set B.
QString swapParity(const QString& pattern);
}  // namespace zelk

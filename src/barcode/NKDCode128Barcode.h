#pragma once
#include "NKDBarcode.h"

#include <QList>

// Code 128 (ISO/IEC 15417). The code set is fixed (0 set A, 1 set B, 2 set C)
// or chosen from the content (3): set C for digits only, set A when control
// characters outnumber lower-case letters, otherwise set B. A character the
// current set lacks is encoded after a SHIFT (one character) or a code change
// (several), so that any mix of sets A and B is read back as typed. Set C
// takes digits only; an odd count ends with a change to set B for the last digit.
class NKDCode128Barcode : public NKDBarcode {
public:
    using NKDBarcode::initWithContent;
    const char* className() const override { return "NKDCode128Barcode"; }
    std::unique_ptr<NKDBarcode> copy() const override;

    enum { SetA = 0, SetB = 1, SetC = 2, SetAuto = 3 };

    bool initWithContent(const QString& content, bool printsCaption) override;
    int codeSet() const { return m_codeSet; }
    void setCodeSet(int set) { m_codeSet = set; }

    void generateChecksum() override;
    bool isContentValid() const override;
    QString initiator() const override;
    QString terminator() const override;
    QString _encodeChar(char c) const override;
    QString barcode() const override;

    static int _valueForChar(int c);
    static int _charForValue(int value);
    static bool _canEncodeChar(char c, int set);
    static QString _encodeChar(char c, int set);
    int _bestCodeSetForContent() const;
    static int _shiftCharacterForSet(int set);
    static QString _encodeNumberPair(int value);

    // Symbol values of the data characters, with the shifts and code changes,
    // start and check excluded; false when the content cannot be encoded.
    bool symbolValues(QList<int>* values) const;

private:
    int m_codeSet = SetAuto;
};

#pragma once
#include "NKDCode39Barcode.h"

// Code 39 full ASCII: printable ASCII and space, the characters Code 39 lacks
// written as a shift character ("$", "%", "/" or "+") and a letter.
class NKDExtendedCode39Barcode : public NKDCode39Barcode {
    NKD_BARCODE_KIND(NKDExtendedCode39Barcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString _encodeChar(char c) const override;
    bool isContentValid() const override;
    static QString getRequirementDescription();

    // The one or two Code 39 characters standing for an ASCII character,
    // empty for control characters and DEL.
    static QString fullAsciiPair(char c);
};

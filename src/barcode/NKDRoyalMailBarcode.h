#pragma once
#include "NKDBarcode.h"

#include <cstdint>

// Royal Mail four-state customer code (RM4SCC): four bars per character,
// each a full bar, ascender, descender or tracker, then a check character,
// between an ascender start bar and a full stop bar. A bar code is
// 2 × ascender + descender; a character's code word holds its four bar codes
// in nibbles, bar 1 in the most significant.
class NKDRoyalMailBarcode : public NKDBarcode {
    NKD_BARCODE_KIND(NKDRoyalMailBarcode)
public:
    bool initWithContent(const QString& content, bool printsCaption) override;
    QString initiator() const override { return QStringLiteral("10"); }
    QString terminator() const override { return QStringLiteral("1"); }
    QString _encodeChar(char) const override { return QStringLiteral("10101010"); }
    bool printsCaption() const override { return true; }
    bool printsHeader() const override { return true; }
    bool printsFooter() const override { return true; }
    void generateChecksum() override;
    int _barDescriptor(int index) const;
    float barTop(int index) const override;
    float barBottom(int index) const override;
    bool drawsBarBottoms() const override { return true; }
    // Digits and capitals only: any other character would stand as four
    // trackers, which no reader takes for data.
    bool isContentValid() const override;
};

std::uint32_t royalmail_characterDescriptor(char c);
int royalmail_barDescriptor(std::uint32_t word, int bar);
float royalmail_barTop(int barCode);
float royalmail_barBottom(int barCode);
int royalmail_collapseAscenders(std::uint32_t word);
int royalmail_collapseDescenders(std::uint32_t word);

#pragma once
#include "NKDBarcode.h"

#include <cstdint>

// Japan Post customer barcode: 20 code characters (digits, "-" and the
// control codes that carry letters) and a modulo 19 check character, each as
// three bars of four kinds between a two-bar start and stop code.
//
// The content holds the readable text (the caption); japanpostContents() the
// 20 code characters. The symbol size S (10 nominal, 8.5 to 11.5) scales the
// bars and sets the module width S / 6 points; it is kept apart from the
// height of the picture's frame.
class JapanPostBarcode : public NKDBarcode {
    NKD_BARCODE_KIND(JapanPostBarcode)
public:
    bool initWithContent(const QString& content, bool printsCaption, float barWidth, float height,
                         float fontSize, signed char checkDigit) override;
    bool initWithContent(const QString& content, bool printsCaption) override;
    void setContent(const QString& content) override;
    // The first sizing step sets the symbol size from the bar height (clamped).
    void setBarHeight(float h) override;
    // Symbol size, clamped to 8.5 to 11.5; the module width follows.
    void setSize(float size);
    float size() const { return m_size; }
    void setBarWidth(float w) override;
    void calculateWidth() override;
    QString barcode() const override;
    QString initiator() const override { return QStringLiteral("1010"); }
    QString terminator() const override { return QStringLiteral("101"); }
    int _barDescriptor(int index) const;
    float barTop(int index) const override;
    float barBottom(int index) const override;
    bool drawsBarBottoms() const override { return true; }
    void generateChecksum() override;
    bool isContentValid() const override;
    QString japanpostContents() const { return m_codes; }
    bool printsCaption() const override { return true; }
    bool printsHeader() const override { return true; }
    bool printsFooter() const override { return true; }

private:
    QString m_codes;
    float m_size = 10.0f;
};

std::uint32_t japanpost_characterDescriptor(char c);
int japanpost_barDescriptor(std::uint32_t word, int position, int count);
float japanpost_barTop(int barCode, float size);
float japanpost_barBottom(int barCode, float size);

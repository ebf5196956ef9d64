#pragma once
// Model of one linear or postal barcode: the text to encode, the sizes of the
// symbol, its module string ("1" dark, "0" light, one character per module of
// width barWidth, left to right) and the vertical extent of each bar.
//
// Objects are made in two steps, as each kind normalises its content after the
// base has stored it: construct, then initWithContent(). NKDBarcode::make()
// does both and gives nullptr for a null content.
#include "BarcodeRenderSettings.h"

#include <QDataStream>
#include <QString>
#include <memory>

class NKDBarcode {
public:
    NKDBarcode() = default;
    virtual ~NKDBarcode() = default;
    NKDBarcode(const NKDBarcode&) = default;
    NKDBarcode& operator=(const NKDBarcode&) = default;

    template <class T>
    static std::unique_ptr<T> make(const QString& content, bool printsCaption = true) {
        auto b = std::make_unique<T>();
        if (!b->initWithContent(content, printsCaption))
            return nullptr;
        return b;
    }

    // Creation. The two-argument form uses a module width of 0.936 points, a
    // height of 36 points and a caption font size of 6. Both answer false for
    // a null content (no object).
    virtual bool initWithContent(const QString& content, bool printsCaption);
    virtual bool initWithContent(const QString& content, bool printsCaption, float barWidth, float height,
                                 float fontSize, signed char checkDigit);

    // The look settings that captions, margins and bar tops are read from.
    void setRenderSettings(const zelk::BarcodeRenderSettings& s) { m_settings = s; }
    const zelk::BarcodeRenderSettings& renderSettings() const { return m_settings; }

    virtual void setContent(const QString& content);
    QString content() const { return m_content; }
    void setHeader(const QString& h) { m_header = h; }
    QString header() const { return m_header; }
    void setFooter(const QString& f) { m_footer = f; }
    QString footer() const { return m_footer; }

    virtual void setHeight(float h) { m_height = h; }
    float height() const { return m_height; }
    // Sets the height of the bars themselves, the first step of sizing a
    // symbol (Set_Barcode_Height). Kinds whose bar size is not a plain
    // height override it.
    virtual void setBarHeight(float h) { setHeight(h); }
    void setWidth(float w) { m_width = w; }
    float width() const { return m_width; }
    virtual void calculateWidth();

    virtual void setBarWidth(float w) { m_barWidth = w; }
    float barWidth() const { return m_barWidth; }
    void setCheckDigit(signed char c) { m_checkDigit = c; }
    signed char checkDigit() const { return m_checkDigit; }

    virtual void setPrintsCaption(bool on) { m_printsCaption = on; }
    virtual void setPrintsHeader(bool on) { m_printsHeader = on; }
    virtual void setPrintsFooter(bool on) { m_printsFooter = on; }
    virtual bool printsCaption() const { return m_printsCaption; }
    virtual bool printsHeader() const { return m_printsHeader; }
    virtual bool printsFooter() const { return m_printsFooter; }

    // Font sizes; each also sets the reserved height (inches) from the cap
    // height of the settings' font, and the header and footer ones measure
    // their text, so set the texts first.
    void setCaptionFontSize(float size);
    void setHeaderFontSize(float size);
    void setFooterFontSize(float size);
    float caption_fontSize() const { return m_captionFontSize; }
    float header_fontSize() const { return m_headerFontSize; }
    float footer_fontSize() const { return m_footerFontSize; }
    float captionHeight() const { return m_captionHeight; }
    float headerHeight() const { return m_headerHeight; }
    float footerHeight() const { return m_footerHeight; }
    void setCaptionHeight(float h) { m_captionHeight = h; }
    void setHeaderHeight(float h) { m_headerHeight = h; }
    void setFooterHeight(float h) { m_footerHeight = h; }
    float headerWidth() const { return m_headerWidth; }
    float footerWidth() const { return m_footerWidth; }
    void setHeaderWidth(float w) { m_headerWidth = w; }
    void setFooterWidth(float w) { m_footerWidth = w; }

    void set_Barcode_Orientation(int o) { m_orientation = o; }
    int Barcode_Orientation() const { return m_orientation; }

    virtual bool isSizeValid() const { return true; }
    virtual void generateChecksum() {}
    virtual bool isContentValid() const;

    virtual QString initiator() const { return QString(); }
    virtual QString terminator() const { return QString(); }
    virtual QString _encodeChar(char c) const;
    virtual QString barcode() const;
    QString completeBarcode() const;

    virtual int digitsToLeft() const { return 0; }
    virtual int digitsToRight() const { return 0; }
    QString leftCaption() const;
    virtual QString rightCaption() const;
    virtual QString caption() const;

    // Vertical extent of the bar whose last module is at `index`, in points
    // above the bar base line.
    virtual float barBottom(int index) const;
    virtual float barTop(int index) const;
    // Whether the renderer stands each bar on its own barBottom() even when
    // the caption is not split (four-state codes).
    virtual bool drawsBarBottoms() const { return false; }
    virtual float firstBar() const { return 0.0f; }
    virtual float lastBar() const { return m_width - m_barWidth; }

    virtual const char* className() const { return "NKDBarcode"; }
    QString description() const;
    bool isEqual(const NKDBarcode& other) const { return m_content == other.m_content; }
    // A new object of the same kind from content, caption flag, module width,
    // height, caption font size and check digit.
    virtual std::unique_ptr<NKDBarcode> copy() const = 0;

    // Sequential coding: content, caption flag, module width, width, height,
    // caption font size, caption height, check digit.
    void encodeWithCoder(QDataStream& out) const;
    bool initWithCoder(QDataStream& in);

protected:
    template <class T>
    std::unique_ptr<NKDBarcode> copyAs() const {
        auto b = std::make_unique<T>();
        b->setRenderSettings(m_settings);
        b->initWithContent(m_content, m_printsCaption, m_barWidth, m_height, m_captionFontSize, m_checkDigit);
        b->setBarWidth(m_barWidth);
        b->setHeight(m_height);
        b->m_captionFontSize = m_captionFontSize;
        b->setCheckDigit(m_checkDigit);
        b->calculateWidth();
        return b;
    }
    // The content as one byte per character; false when a character is not ASCII.
    bool asciiContent(QByteArray* out) const;
    // Points of the reserved text height: cap height × 1.35, in inches.
    static float textBandHeight(const QFont& font);

    zelk::BarcodeRenderSettings m_settings;
    QString m_content;
    QString m_header;
    QString m_footer;
    float m_barWidth = 0.0f;
    float m_height = 0.0f;
    float m_width = 0.0f;
    float m_captionFontSize = 0.0f;
    float m_headerFontSize = 0.0f;
    float m_footerFontSize = 0.0f;
    float m_captionHeight = 0.0f;
    float m_headerHeight = 0.0f;
    float m_footerHeight = 0.0f;
    float m_headerWidth = 0.0f;
    float m_footerWidth = 0.0f;
    int m_orientation = 0;
    signed char m_checkDigit = -1;
    bool m_printsCaption = false;
    bool m_printsHeader = false;
    bool m_printsFooter = false;
};

// Repeats the boilerplate every concrete kind needs.
#define NKD_BARCODE_KIND(Name)                                                   \
public:                                                                          \
    using NKDBarcode::initWithContent;                                           \
    const char* className() const override { return #Name; }                     \
    std::unique_ptr<NKDBarcode> copy() const override { return copyAs<Name>(); }

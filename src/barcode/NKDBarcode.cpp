#include "NKDBarcode.h"

#include "BarcodeRenderer.h"
#include "BarcodeSizes.h"

bool NKDBarcode::initWithContent(const QString& content, bool printsCaption) {
    return initWithContent(content, printsCaption, 0.936f, 36.0f, 6.0f, -1);
}

bool NKDBarcode::initWithContent(const QString& content, bool printsCaption, float barWidth, float height,
                                 float fontSize, signed char checkDigit) {
    if (content.isNull())
        return false;
    // Store the sizes given so that a copy keeps them.
    m_barWidth = barWidth;
    m_height = height;
    m_captionFontSize = fontSize;
    m_orientation = 0;
    setContent(content);
    setPrintsCaption(printsCaption);
    calculateWidth();
    setCheckDigit(checkDigit);
    return true;
}

void NKDBarcode::setContent(const QString& content) {
    m_content = content.isNull() ? QStringLiteral("") : content;
}

void NKDBarcode::calculateWidth() {
    m_width = static_cast<float>(completeBarcode().length()) * m_barWidth;
}

float NKDBarcode::textBandHeight(const QFont& font) {
    const double c = zelk::BarcodeRenderer::capHeight(font);
    return static_cast<float>(c / 72.0 + 0.35 * c / 72.0);
}

void NKDBarcode::setCaptionFontSize(float size) {
    m_captionFontSize = size;
    m_captionHeight = textBandHeight(m_settings.valueFont);
}

void NKDBarcode::setHeaderFontSize(float size) {
    m_headerFontSize = size;
    m_headerHeight = textBandHeight(m_settings.headerFont);
    m_headerWidth = static_cast<float>(zelk::BarcodeRenderer::textWidth(m_header, m_settings.headerFont, 0.0));
}

void NKDBarcode::setFooterFontSize(float size) {
    m_footerFontSize = size;
    m_footerHeight = textBandHeight(m_settings.footerFont);
    m_footerWidth = static_cast<float>(zelk::BarcodeRenderer::textWidth(m_footer, m_settings.footerFont, 0.0));
}

bool NKDBarcode::asciiContent(QByteArray* out) const {
    out->clear();
    out->reserve(m_content.size());
    for (QChar ch : m_content) {
        if (ch.unicode() > 127)
            return false;
        out->append(static_cast<char>(ch.unicode()));
    }
    return true;
}

bool NKDBarcode::isContentValid() const {
    QByteArray bytes;
    if (!asciiContent(&bytes))
        return false;
    for (char c : bytes)
        if (_encodeChar(c).isEmpty())
            return false;
    return true;
}

QString NKDBarcode::_encodeChar(char) const {
    return QStringLiteral("1010");
}

QString NKDBarcode::barcode() const {
    QByteArray bytes;
    if (!asciiContent(&bytes))
        return QString();
    QString out;
    for (char c : bytes)
        out += _encodeChar(c);
    if (m_checkDigit != -1)
        out += _encodeChar(m_checkDigit);
    return out;
}

QString NKDBarcode::completeBarcode() const {
    return initiator() + barcode() + terminator();
}

QString NKDBarcode::leftCaption() const {
    return m_content.left(digitsToLeft());
}

QString NKDBarcode::rightCaption() const {
    const int n = digitsToRight();
    return n > 0 ? m_content.right(n) : QString();
}

QString NKDBarcode::caption() const {
    const int l = digitsToLeft();
    const int r = digitsToRight();
    if (l == 0 && r == 0)
        return m_content;
    return m_content.mid(l, qMax(0, static_cast<int>(m_content.size()) - l - r));
}

float NKDBarcode::barBottom(int) const {
    float b = 0.0f;
    if (printsCaption())
        b += m_captionHeight * 72.0f;
    if (printsHeader())
        b += m_headerHeight * 72.0f;
    if (printsFooter())
        b += m_footerHeight * 72.0f;
    return b;
}

float NKDBarcode::barTop(int) const {
    const zelk::BarcodeMargins m = zelk::BarcodeSizes::workingMargins(m_settings);
    float t = m_height;
    if (printsCaption())
        t -= m_captionHeight * 72.0f + m.value;
    if (printsHeader())
        t -= m_headerHeight * 72.0f + m.header;
    if (printsFooter())
        t -= m_footerHeight * 72.0f + m.footer;
    return t - 2.0f * m.tb;
}

QString NKDBarcode::description() const {
    return QString::asprintf(
        "\n\tBarcode Class: %s\n\tContent: %s\n\tCheck Digit:%c\n\tWidth:%f\n\tHeight:%f\n\tBar Width:%f"
        "\n\tCaption Font Size:%f\n\tCaption Height:%f",
        className(), m_content.toUtf8().constData(), m_checkDigit, double(m_width), double(m_height),
        double(m_barWidth), double(m_captionFontSize), double(m_captionHeight));
}

void NKDBarcode::encodeWithCoder(QDataStream& out) const {
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out << m_content << qint8(m_printsCaption) << m_barWidth << m_width << m_height << m_captionFontSize
        << m_captionHeight << qint8(m_checkDigit);
}

bool NKDBarcode::initWithCoder(QDataStream& in) {
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    QString content;
    qint8 caption = 0;
    qint8 check = -1;
    in >> content >> caption >> m_barWidth >> m_width >> m_height >> m_captionFontSize >> m_captionHeight >> check;
    if (in.status() != QDataStream::Ok)
        return false;
    setContent(content);
    m_printsCaption = caption != 0;
    m_checkDigit = check;
    return true;
}

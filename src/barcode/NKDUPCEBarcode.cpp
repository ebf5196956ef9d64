#include "NKDUPCEBarcode.h"

namespace {

bool zeros(const QString& s) {
    for (QChar c : s)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

}  // namespace

QString NKDUPCEBarcode::UPCAToUPCE(const QString& a) {
    if (a.size() < 12 || !allDigits(a) || (a.at(0) != QLatin1Char('0') && a.at(0) != QLatin1Char('1')))
        return QString();
    // a.mid(k, n) holds a(k+1) .. a(k+n) in the usual 1-based naming.
    const QString a4to6 = a.mid(3, 3);
    if ((a4to6 == QLatin1String("000") || a4to6 == QLatin1String("100") || a4to6 == QLatin1String("200")) &&
        zeros(a.mid(6, 2)))
        return a.mid(1, 2) + a.mid(8, 3) + a.at(3);
    if (a.mid(4, 2) == QLatin1String("00") && zeros(a.mid(6, 3)))
        return a.mid(1, 3) + a.mid(9, 2) + QLatin1Char('3');
    if (a.at(5) == QLatin1Char('0') && zeros(a.mid(6, 4)))
        return a.mid(1, 4) + a.at(10) + QLatin1Char('4');
    if (a.at(10) >= QLatin1Char('5') && zeros(a.mid(6, 4)))
        return a.mid(1, 5) + a.at(10);
    return QString();
}

QString NKDUPCEBarcode::UPCEToUPCA(const QString& e) {
    if (e.size() != 7 || !allDigits(e))
        return QString();
    const QChar ns = e.at(0);
    const QString d = e.mid(1);
    const QChar last = d.at(5);
    if (last <= QLatin1Char('2'))
        return ns + d.mid(0, 2) + last + QStringLiteral("0000") + d.mid(2, 3);
    if (last == QLatin1Char('3'))
        return ns + d.mid(0, 3) + QStringLiteral("00000") + d.mid(3, 2);
    if (last == QLatin1Char('4'))
        return ns + d.mid(0, 4) + QStringLiteral("00000") + d.at(4);
    return ns + d.mid(0, 5) + QStringLiteral("0000") + last;
}

bool NKDUPCEBarcode::initWithContent(const QString& content, bool printsCaption) {
    if (!NKDUPCABarcode::initWithContent(content, printsCaption))
        return false;
    if (m_content.size() == 11) {
        // A UPC-A to compress; it keeps its computed check digit.
        const QString e = UPCAToUPCE(m_content + QLatin1Char(m_checkDigit));
        if (!e.isEmpty())
            setContent(m_content.left(1) + e);
    } else if (m_content.size() == 8) {
        setCheckDigit(static_cast<signed char>(m_content.at(7).toLatin1()));
        setContent(m_content.left(7));
    } else if (m_content.size() == 7) {
        setCheckDigit(-1);
    }
    // The check digit is that of the expanded UPC-A.
    const int c = mod10CheckDigit(UPCEToUPCA(m_content));
    m_computedCheck = (m_content.size() == 7 && c >= 0) ? static_cast<signed char>('0' + c) : -1;
    if (m_content.size() == 7 && m_checkDigit == -1)
        setCheckDigit(m_computedCheck);
    calculateWidth();
    return true;
}

bool NKDUPCEBarcode::parityForDigit(int p) const {
    // Parity pattern of the number system 0, ISO/IEC 15420 table 3:
    // even positions per check digit.
    static constexpr const char* kEven[10] = {"EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO",
                                              "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE"};
    const char c = m_checkDigit;
    bool even = false;
    if (c >= '0' && c <= '9' && p >= 1 && p <= 6)
        even = kEven[c - '0'][p - 1] == 'E';
    if (!m_content.isEmpty() && m_content.at(0) == QLatin1Char('1'))
        even = !even;
    return even;
}

QString NKDUPCEBarcode::barcode() const {
    QString out;
    const QString d = m_content.mid(1, 6);
    for (int i = 0; i < d.size(); ++i) {
        const char digit = d.at(i).toLatin1();
        out += parityForDigit(i + 1) ? setB(digit) : setA(digit);
    }
    return out;
}

float NKDUPCEBarcode::barBottom(int i) const {
    const int n = static_cast<int>(completeBarcode().length());
    if (i >= 7 && i <= n - 4)
        return m_captionHeight * 72.0f;
    return 3.6f;
}

bool NKDUPCEBarcode::isContentValid() const {
    if (m_content.size() != 7 || !allDigits(m_content))
        return false;
    if (m_content.at(0) != QLatin1Char('0') && m_content.at(0) != QLatin1Char('1'))
        return false;
    return m_checkDigit != -1 && m_checkDigit == m_computedCheck;
}

QString NKDUPCEBarcode::caption() const {
    return m_content.mid(1, 6);
}

#include "NKDUPCABarcode.h"

bool NKDUPCABarcode::initWithContent(const QString& content, bool printsCaption) {
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    const int computed = mod10CheckDigit(m_content.left(11));
    m_computedCheck = (m_content.size() >= 11 && computed >= 0) ? static_cast<signed char>('0' + computed) : -1;
    if (m_content.size() < 12)
        generateChecksum();
    else
        setCheckDigit(static_cast<signed char>(m_content.at(11).toLatin1()));
    calculateWidth();
    return true;
}

void NKDUPCABarcode::generateChecksum() {
    NKDAbstractUPCEANBarcode::generateChecksum();
}

QString NKDUPCABarcode::barcode() const {
    QString out;
    const QString d = m_content.left(11);
    for (int i = 0; i < d.size(); ++i) {
        if (i == 6)
            out += QStringLiteral("01010");
        out += i < 6 ? setA(d.at(i).toLatin1()) : setC(d.at(i).toLatin1());
    }
    if (m_checkDigit != -1)
        out += setC(m_checkDigit);
    return out;
}

QString NKDUPCABarcode::caption() const {
    return m_content.mid(1, 5) + QLatin1Char('\t') + m_content.mid(6, 5);
}

bool NKDUPCABarcode::isContentValid() const {
    if ((m_content.size() != 11 && m_content.size() != 12) || !allDigits(m_content))
        return false;
    return m_checkDigit != -1 && m_checkDigit == m_computedCheck;
}

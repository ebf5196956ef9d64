#include "NKDEAN8Barcode.h"

QString NKDEAN8Barcode::barcode() const {
    QString out;
    const QString d = m_content.left(7);
    for (int i = 0; i < d.size(); ++i) {
        if (i == 4)
            out += QStringLiteral("01010");
        out += i < 4 ? setA(d.at(i).toLatin1()) : setC(d.at(i).toLatin1());
    }
    if (m_checkDigit != -1)
        out += setC(m_checkDigit);
    return out;
}

QString NKDEAN8Barcode::caption() const {
    QString c = QStringLiteral(" ") + m_content.left(4) + QLatin1Char('\t') + m_content.mid(4, 3);
    if (m_checkDigit != -1)
        c += QLatin1Char(m_checkDigit);
    return c;
}

float NKDEAN8Barcode::barBottom(int i) const {
    const int n = static_cast<int>(completeBarcode().length());
    if (i >= 4 && i <= n - 4 && !(i >= 31 && i <= 35))
        return m_captionHeight * 72.0f;
    return 3.6f;
}

#include "NKDCode128Barcode.h"

#include <QDebug>

namespace {

// Bar and space widths of symbol values 0 to 105, ISO/IEC 15417 table 1.
constexpr const char* kWidths[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};

constexpr int kShift = 98;
constexpr int kCodeC = 99;
constexpr int kCodeB = 100;
constexpr int kCodeA = 101;

QString patternOfValue(int value) {
    if (value < 0 || value > 105)
        return QString();
    QString out;
    const char* w = kWidths[value];
    for (int i = 0; i < 6; ++i)
        out += QString(w[i] - '0', (i % 2 == 0) ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

// Value of a character in set A or B, -1 when the set lacks it.
int valueInSet(char c, int set) {
    const int u = static_cast<unsigned char>(c);
    if (set == NKDCode128Barcode::SetB)
        return (u >= 32 && u <= 126) ? u - 32 : -1;
    if (u >= 32 && u <= 95)
        return u - 32;
    if (u <= 29)
        return u + 64;
    return -1;
}

bool isControl(QChar c) {
    return c.unicode() < 32 || c.unicode() == 127;
}

}  // namespace

std::unique_ptr<NKDBarcode> NKDCode128Barcode::copy() const {
    auto b = std::make_unique<NKDCode128Barcode>();
    b->setCodeSet(m_codeSet);
    b->setRenderSettings(m_settings);
    b->NKDBarcode::initWithContent(m_content, m_printsCaption, m_barWidth, m_height, m_captionFontSize,
                                   m_checkDigit);
    b->calculateWidth();
    return b;
}

bool NKDCode128Barcode::initWithContent(const QString& content, bool printsCaption) {
    if (content.isNull())
        return false;
    if (m_codeSet == SetAuto) {
        m_content = content;
        m_codeSet = _bestCodeSetForContent();
    }
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    generateChecksum();
    calculateWidth();
    return true;
}

int NKDCode128Barcode::_bestCodeSetForContent() const {
    int controls = 0;
    int lower = 0;
    bool digitsOnly = true;
    for (QChar c : m_content) {
        if (c.unicode() < '0' || c.unicode() > '9')
            digitsOnly = false;
        if (isControl(c))
            ++controls;
        else if (c.unicode() >= 'a' && c.unicode() <= 'z')
            ++lower;
    }
    if (digitsOnly)
        return SetC;
    return controls > lower ? SetA : SetB;
}

int NKDCode128Barcode::_shiftCharacterForSet(int set) {
    switch (set) {
    case SetA: return kCodeA;
    case SetB: return kCodeB;
    case SetC: return kCodeC;
    default: return -1;
    }
}

bool NKDCode128Barcode::_canEncodeChar(char c, int set) {
    return !_encodeChar(c, set).isEmpty();
}

QString NKDCode128Barcode::_encodeChar(char c, int set) {
    if (set == SetC) {
        // Set C holds digit pairs only; a lone character is looked up as in set A.
        const int u = static_cast<unsigned char>(c);
        if (u < 32)
            return QString();
        return patternOfValue(valueInSet(c, SetA));
    }
    return patternOfValue(valueInSet(c, set));
}

QString NKDCode128Barcode::_encodeChar(char c) const {
    return _encodeChar(c, m_codeSet == SetC ? SetB : m_codeSet);
}

QString NKDCode128Barcode::_encodeNumberPair(int value) {
    if (value < 0 || value > 102)
        return QString();
    return patternOfValue(value);
}

int NKDCode128Barcode::_valueForChar(int c) {
    if (c >= 33 && c <= 126)
        return c - 32;
    if (c == 128)
        return 0;
    if (c >= 145 && c <= 156)
        return c - 50;
    qWarning("_valueForChar: received Unrecognized character %c", c);
    return -1;
}

int NKDCode128Barcode::_charForValue(int value) {
    if (value >= 1 && value <= 94)
        return value + 32;
    if (value == 0)
        return 128;
    if (value > 94 && value <= 106)
        return value + 50;
    qWarning("_charForValue: received Unrecognized value %i", value);
    return -1;
}

bool NKDCode128Barcode::symbolValues(QList<int>* out) const {
    QList<int>& values = *out;
    values.clear();
    QByteArray bytes;
    if (!asciiContent(&bytes))
        return false;
    const int n = static_cast<int>(bytes.size());
    auto isDigit = [&](int i) { return bytes[i] >= '0' && bytes[i] <= '9'; };
    if (m_codeSet == SetC) {
        for (int i = 0; i < n; ++i)
            if (!isDigit(i))
                return false;
        int i = 0;
        for (; i + 1 < n; i += 2)
            values.append((bytes[i] - '0') * 10 + (bytes[i + 1] - '0'));
        if (i < n) {
            values.append(kCodeB);
            values.append(valueInSet(bytes[i], SetB));
        }
        return true;
    }
    if (m_codeSet != SetA && m_codeSet != SetB)
        return false;
    int set = m_codeSet;
    for (int i = 0; i < n; ++i) {
        const char c = bytes[i];
        int v = valueInSet(c, set);
        if (v >= 0) {
            values.append(v);
            continue;
        }
        const int other = set == SetA ? SetB : SetA;
        v = valueInSet(c, other);
        if (v < 0)
            return false;
        // A run of characters of the other set changes set; a single one is shifted.
        const bool nextAlsoOther = i + 1 < n && valueInSet(bytes[i + 1], set) < 0 &&
                                   valueInSet(bytes[i + 1], other) >= 0;
        if (nextAlsoOther) {
            values.append(_shiftCharacterForSet(other));
            set = other;
        } else {
            values.append(kShift);
        }
        values.append(v);
    }
    return true;
}

void NKDCode128Barcode::generateChecksum() {
    QList<int> values;
    symbolValues(&values);
    int start = 103 + (m_codeSet >= SetA && m_codeSet <= SetC ? m_codeSet : 0);
    // Reduced as it goes: the weighted sum of a long value overflows an int.
    int sum = start % 103;
    for (int i = 0; i < values.size(); ++i)
        sum = (sum + (i + 1) % 103 * values.at(i)) % 103;
    setCheckDigit(static_cast<signed char>(sum));
}

bool NKDCode128Barcode::isContentValid() const {
    if (m_codeSet < SetA || m_codeSet > SetC)
        return false;
    QList<int> values;
    return symbolValues(&values);
}

QString NKDCode128Barcode::initiator() const {
    switch (m_codeSet) {
    case SetA: return patternOfValue(103);
    case SetB: return patternOfValue(104);
    case SetC: return patternOfValue(105);
    default:
        qWarning("Invalid codeSet value: %c", m_codeSet);
        return QString();
    }
}

QString NKDCode128Barcode::terminator() const {
    return QStringLiteral("1100011101011");
}

QString NKDCode128Barcode::barcode() const {
    QString out;
    QList<int> values;
    if (!symbolValues(&values))
        return out;
    for (int v : values)
        out += patternOfValue(v);
    if (m_checkDigit >= 0)
        out += _encodeNumberPair(m_checkDigit);
    return out;
}

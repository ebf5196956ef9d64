#include "barcode/CQR_Encode.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

// ISO/IEC 18004, error correction characteristics: error correction
// codewords per block and number of blocks, for L, M, Q, H and versions 1-40.
constexpr int kEccPerBlock[4][41] = {
    {-1, 7, 10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {-1, 10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {-1, 13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {-1, 17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
};
constexpr int kBlocks[4][41] = {
    {-1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 4, 4, 4, 4, 4, 6, 6, 6, 6, 7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {-1, 1, 1, 1, 2, 2, 4, 4, 4, 5, 5, 5, 8, 9, 9, 10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {-1, 1, 1, 2, 2, 4, 4, 6, 6, 8, 8, 8, 10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {-1, 1, 1, 2, 4, 4, 4, 5, 6, 8, 8, 11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
};

// Total codewords of a version: the modules left after the function
// patterns, eight to a codeword.
int totalCodewords(int ver) {
    int modules = (16 * ver + 128) * ver + 64;
    if (ver >= 2) {
        const int align = ver / 7 + 2;
        modules -= (25 * align - 10) * align - 55;
        if (ver >= 7)
            modules -= 36;
    }
    return modules / 8;
}

struct Tables {
    std::array<QR_VERSIONINFO, 41> versions{};
    std::array<int, 160> dataBits{};
    uint8_t expToInt[512] = {};
    uint8_t intToExp[256] = {};
    // Generator polynomials (ISO/IEC 18004 Annex A) by error correction
    // count, as coefficients of x^(n-1) .. x^0 (leading 1 left out).
    std::array<std::array<uint8_t, 68>, 69> generator{};

    Tables() {
        int x = 1;
        for (int i = 0; i < 255; ++i) {
            expToInt[i] = static_cast<uint8_t>(x);
            expToInt[i + 255] = static_cast<uint8_t>(x);
            intToExp[x] = static_cast<uint8_t>(i);
            x <<= 1;
            if (x & 0x100)
                x ^= 0x11D;
        }
        for (int n = 1; n <= 68; ++n) {
            // g(x) = (x - a^0)(x - a^1)...(x - a^(n-1)); coeff[0] is the highest.
            std::array<uint8_t, 69> g{};
            g[0] = 1;
            int len = 1;
            for (int r = 0; r < n; ++r) {
                std::array<uint8_t, 69> ng{};
                for (int k = 0; k < len; ++k) {
                    ng[k] ^= g[k];
                    if (g[k])
                        ng[k + 1] ^= expToInt[intToExp[g[k]] + r];
                }
                g = ng;
                ++len;
            }
            for (int k = 0; k < n; ++k)
                generator[n][k] = g[k + 1];
        }
        for (int v = 1; v <= 40; ++v) {
            QR_VERSIONINFO& info = versions[v];
            info.nVersionNo = v;
            info.ncAllCodeWord = totalCodewords(v);
            if (v >= 2) {
                const int size = 4 * v + 17;
                const int count = v / 7 + 2;
                const int step = (v == 32) ? 26 : (v * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
                int pos[7];
                pos[0] = 6;
                for (int i = count - 1, p = size - 7; i >= 1; --i, p -= step)
                    pos[i] = p;
                info.ncAlignPoint = count - 1;
                for (int i = 1; i < count; ++i)
                    info.nAlignPoint[i - 1] = pos[i];
            }
            for (int l = 0; l < 4; ++l) {
                const int blocks = kBlocks[l][v];
                const int ecc = kEccPerBlock[l][v];
                const int shortLen = info.ncAllCodeWord / blocks;
                const int longBlocks = info.ncAllCodeWord % blocks;
                info.RS_BlockInfo1[l] = {blocks - longBlocks, shortLen, shortLen - ecc};
                if (longBlocks)
                    info.RS_BlockInfo2[l] = {longBlocks, shortLen + 1, shortLen + 1 - ecc};
                info.ncDataCodeWord[l] = info.ncAllCodeWord - ecc * blocks;
                dataBits[(v - 1) * 4 + l] = info.ncDataCodeWord[l] * 8;
            }
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

int indicatorLength(int mode, int group) {
    static constexpr int numeral[3] = {10, 12, 14};
    static constexpr int alphabet[3] = {9, 11, 13};
    static constexpr int eightBit[3] = {8, 16, 16};
    static constexpr int kanji[3] = {8, 10, 12};
    switch (mode) {
    case QR_MODE_NUMERAL: return numeral[group];
    case QR_MODE_ALPHABET: return alphabet[group];
    case QR_MODE_8BIT: return eightBit[group];
    default: return kanji[group];
    }
}

// Finder (7 x 7) and alignment (5 x 5) patterns, most significant bit leftmost.
constexpr uint8_t kFinder[7] = {0x7F, 0x41, 0x5D, 0x5D, 0x5D, 0x41, 0x7F};
constexpr uint8_t kAlignment[5] = {0x1F, 0x11, 0x15, 0x11, 0x1F};

}  // namespace

const QR_VERSIONINFO* QR_VersonInfo() {
    return tables().versions.data();
}

int data_bit_size_array(int index) {
    if (index < 0 || index >= 160)
        return 0;
    return tables().dataBits[static_cast<size_t>(index)];
}

bool CQR_Encode::IsNumeralData(uint8_t c) {
    return c >= '0' && c <= '9';
}

bool CQR_Encode::IsAlphabetData(uint8_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '$' || c == '%' ||
           c == '*' || c == '+' || c == '-' || c == '.' || c == '/' || c == ':';
}

bool CQR_Encode::IsKanjiData(uint8_t c1, uint8_t c2) {
    if (((c1 >= 0x81 && c1 <= 0x9F) || (c1 >= 0xE0 && c1 <= 0xEB)) && c2 >= 0x40) {
        if ((c1 == 0x9F && c2 > 0xFC) || (c1 == 0xEB && c2 > 0xBF))
            return false;
        return true;
    }
    return false;
}

// Values of the 45 characters of ISO/IEC 18004 alphanumeric mode.
uint8_t CQR_Encode::AlphabetToBinaly(uint8_t c) {
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'Z')
        return static_cast<uint8_t>(c - 'A' + 10);
    switch (c) {
    case ' ': return 36;
    case '$': return 37;
    case '%': return 38;
    case '*': return 39;
    case '+': return 40;
    case '-': return 41;
    case '.': return 42;
    case '/': return 43;
    default: return 44;  // ':'
    }
}

// Shift JIS double byte to the 13-bit value of ISO/IEC 18004 Kanji mode.
int CQR_Encode::KanjiToBinaly(int wc) {
    if (wc >= 0x8140 && wc <= 0x9FFC)
        wc -= 0x8140;
    else
        wc -= 0xC140;
    return ((wc >> 8) * 0xC0) + (wc & 0xFF);
}

int CQR_Encode::GetBitLength(int nMode, int ncData, int nVerGroup) {
    int bits = 4 + indicatorLength(nMode, nVerGroup);
    switch (nMode) {
    case QR_MODE_NUMERAL:
        bits += 10 * (ncData / 3);
        if (ncData % 3 == 1)
            bits += 4;
        else if (ncData % 3 == 2)
            bits += 7;
        break;
    case QR_MODE_ALPHABET: bits += 11 * (ncData / 2) + 6 * (ncData % 2); break;
    case QR_MODE_8BIT: bits += 8 * ncData; break;
    default: bits += 13 * (ncData / 2); break;
    }
    return bits;
}

bool CQR_Encode::IsKanjiPair(const uint8_t* s, int i, int ncLength) const {
    return m_bKanjiAllowed && i < ncLength - 1 && IsKanjiData(s[i], s[i + 1]);
}

int CQR_Encode::Get_Encoding_Mode(const uint8_t* s, int ncLength) const {
    bool kanji = false, digit = false, alpha = false, other = false;
    for (int i = 0; i < ncLength; ++i) {
        if (IsKanjiPair(s, i, ncLength))
            kanji = true;
        else if (IsNumeralData(s[i]))
            digit = true;
        else if (IsAlphabetData(s[i]))
            alpha = true;
        else
            other = true;
    }
    if (other)
        return QR_MODE_8BIT;
    if (kanji)
        return QR_MODE_KANJI;
    if (alpha)
        return QR_MODE_ALPHABET;
    if (digit)
        return QR_MODE_NUMERAL;
    return QR_MODE_8BIT;
}

bool CQR_Encode::EncodeData(int nLevel, int nVersion, bool bAutoExtent, int nMaskingNo,
                            const char* lpsSource, int ncSource) {
    if (nLevel < 0 || nLevel > 3 || nVersion < 0 || nVersion > 40 || nMaskingNo < -1 ||
        nMaskingNo > 7 || !lpsSource)
        return false;
    m_nLevel = nLevel;
    m_nMaskingNo = nMaskingNo;
    m_nVersion_pass = nVersion == 0 ? 1 : nVersion;
    m_bAutoExtent = bAutoExtent;
    const int ncLength = ncSource > 0 ? ncSource : static_cast<int>(std::strlen(lpsSource));
    // 7,089 digits of version 40-L are the most characters any symbol holds.
    if (ncLength == 0 || ncLength > 7089)
        return false;
    const auto* src = reinterpret_cast<const uint8_t*>(lpsSource);

    const int nEncodeVersion = GetEncodeVersion(nVersion, src, ncLength);
    if (nEncodeVersion == 0)
        return false;
    if (nVersion == 0) {
        m_nVersion = nEncodeVersion;
    } else if (nEncodeVersion <= nVersion) {
        m_nVersion = nVersion;
    } else {
        if (!bAutoExtent)
            return false;
        m_nVersion = nEncodeVersion;
    }

    const QR_VERSIONINFO& info = QR_VersonInfo()[m_nVersion];
    const int ncDataCodeWord = info.ncDataCodeWord[nLevel];

    // Terminator, then the pad codewords 0xEC and 0x11 (ISO/IEC 18004 7.4.10).
    const int ncTerminater = min(4, ncDataCodeWord * 8 - m_ncDataCodeWordBit);
    if (ncTerminater > 0)
        m_ncDataCodeWordBit = SetBitStream(m_ncDataCodeWordBit, 0, ncTerminater);
    if (m_ncDataCodeWordBit < 0)
        return false;
    uint8_t pad = 0xEC;
    for (int i = (m_ncDataCodeWordBit + 7) / 8; i < ncDataCodeWord; ++i) {
        m_byDataCodeWord[i] = pad;
        pad = pad == 0xEC ? 0x11 : 0xEC;
    }

    // Interleave data and error correction codewords block by block.
    m_ncAllCodeWord = info.ncAllCodeWord;
    std::memset(m_byAllCodeWord, 0, sizeof m_byAllCodeWord);
    const QR_RSBLOCKINFO& g1 = info.RS_BlockInfo1[nLevel];
    const QR_RSBLOCKINFO& g2 = info.RS_BlockInfo2[nLevel];
    const int ncBlock1 = g1.ncRSBlock;
    const int ncBlock2 = g2.ncRSBlock;
    const int ncBlockSum = ncBlock1 + ncBlock2;
    const int ncDataCw1 = g1.ncDataCodeWord;
    const int ncDataCw2 = g2.ncDataCodeWord;

    int nDataCwIndex = 0;
    for (int b = 0; b < ncBlock1; ++b)
        for (int j = 0; j < ncDataCw1; ++j)
            m_byAllCodeWord[j * ncBlockSum + b] = m_byDataCodeWord[nDataCwIndex++];
    for (int b = 0; b < ncBlock2; ++b)
        for (int j = 0; j < ncDataCw2; ++j) {
            if (j < ncDataCw1)
                m_byAllCodeWord[j * ncBlockSum + ncBlock1 + b] = m_byDataCodeWord[nDataCwIndex++];
            else
                m_byAllCodeWord[ncBlockSum * ncDataCw1 + b] = m_byDataCodeWord[nDataCwIndex++];
        }

    const int ncRSCw1 = g1.ncAllCodeWord - ncDataCw1;
    const int ncRSCw2 = g2.ncAllCodeWord - ncDataCw2;
    nDataCwIndex = 0;
    for (int b = 0; b < ncBlockSum; ++b) {
        const bool first = b < ncBlock1;
        const int ncData = first ? ncDataCw1 : ncDataCw2;
        const int ncRS = first ? ncRSCw1 : ncRSCw2;
        std::memset(m_byRSWork, 0, sizeof m_byRSWork);
        std::memcpy(m_byRSWork, m_byDataCodeWord + nDataCwIndex, static_cast<size_t>(ncData));
        GetRSCodeWord(m_byRSWork, ncData, ncRS);
        for (int j = 0; j < ncRS; ++j)
            m_byAllCodeWord[ncDataCodeWord + j * ncBlockSum + b] = m_byRSWork[j];
        nDataCwIndex += ncData;
    }

    m_nSymbleSize = m_nVersion * 4 + 17;
    FormatModule();
    return true;
}

int CQR_Encode::GetEncodeVersion(int nVersion, const uint8_t* src, int ncLength) {
    const int nVerGroup = nVersion >= 27 ? QR_VRESION_L : (nVersion >= 10 ? QR_VRESION_M : QR_VRESION_S);
    static constexpr int first[3] = {1, 10, 27};
    static constexpr int last[3] = {9, 26, 40};
    for (int g = nVerGroup; g <= QR_VRESION_L; ++g) {
        if (!EncodeSourceData(src, ncLength, g))
            continue;
        for (int v = first[g]; v <= last[g]; ++v)
            if (QR_VersonInfo()[v].ncDataCodeWord[m_nLevel] >= (m_ncDataCodeWordBit + 7) / 8)
                return v;
    }
    return 0;
}

void CQR_Encode::removeBlock(int index) {
    for (int j = index; j < m_ncDataBlock - 1; ++j) {
        m_byBlockMode[j] = m_byBlockMode[j + 1];
        m_nBlockLength[j] = m_nBlockLength[j + 1];
    }
    --m_ncDataBlock;
}

bool CQR_Encode::EncodeSourceData(const uint8_t* src, int ncLength, int nVerGroup) {
    std::memset(m_nBlockLength, 0, sizeof m_nBlockLength);
    m_ncDataBlock = 0;

    // Character classes; a change of class starts a new segment.
    for (int i = 0; i < ncLength; ++i) {
        uint8_t byMode;
        if (IsKanjiPair(src, i, ncLength))
            byMode = QR_MODE_KANJI;
        else if (IsNumeralData(src[i]))
            byMode = QR_MODE_NUMERAL;
        else if (IsAlphabetData(src[i]))
            byMode = QR_MODE_ALPHABET;
        else
            byMode = QR_MODE_8BIT;
        if (i == 0)
            m_byBlockMode[0] = byMode;
        if (m_byBlockMode[m_ncDataBlock] != byMode) {
            if (m_ncDataBlock + 1 >= MAX_DATACODEWORD)
                return false;  // more segments than any symbol could hold
            m_byBlockMode[++m_ncDataBlock] = byMode;
        }
        ++m_nBlockLength[m_ncDataBlock];
        if (byMode == QR_MODE_KANJI) {
            ++m_nBlockLength[m_ncDataBlock];
            ++i;
        }
    }
    ++m_ncDataBlock;

    auto bits = [&](int k) { return GetBitLength(m_byBlockMode[k], m_nBlockLength[k], nVerGroup); };
    auto bits8 = [&](int n) { return GetBitLength(QR_MODE_8BIT, n, nVerGroup); };
    // Segment k takes in segment k + 1, keeping k's mode.
    auto joinWithNext = [&](int k) {
        m_nBlockLength[k] += m_nBlockLength[k + 1];
        removeBlock(k + 1);
    };

    // First pass: neighbouring numeric and alphanumeric segments are joined
    // when one segment is shorter, possibly into an adjacent 8-bit segment.
    int i = 0;
    while (i < m_ncDataBlock - 1) {
        const int m0 = m_byBlockMode[i], m1 = m_byBlockMode[i + 1];
        if ((m0 == QR_MODE_NUMERAL && m1 == QR_MODE_ALPHABET) ||
            (m0 == QR_MODE_ALPHABET && m1 == QR_MODE_NUMERAL)) {
            const int ncSrcBits = bits(i) + bits(i + 1);
            const int ncDstBits =
                GetBitLength(QR_MODE_ALPHABET, m_nBlockLength[i] + m_nBlockLength[i + 1], nVerGroup);
            if (ncSrcBits > ncDstBits) {
                int ncJoinFront = 0, ncJoinBehind = 0;
                if (i >= 1 && m_byBlockMode[i - 1] == QR_MODE_8BIT) {
                    ncJoinFront = bits8(m_nBlockLength[i - 1] + m_nBlockLength[i]) + bits(i + 1);
                    if (ncJoinFront > ncDstBits + bits8(m_nBlockLength[i - 1]))
                        ncJoinFront = 0;
                }
                if (i < m_ncDataBlock - 2 && m_byBlockMode[i + 2] == QR_MODE_8BIT) {
                    ncJoinBehind = bits(i) + bits8(m_nBlockLength[i + 1] + m_nBlockLength[i + 2]);
                    if (ncJoinBehind > ncDstBits + bits8(m_nBlockLength[i + 2]))
                        ncJoinBehind = 0;
                }
                int nJoinPosition = 0;
                if (ncJoinFront != 0 && ncJoinBehind != 0)
                    nJoinPosition = ncJoinFront < ncJoinBehind ? -1 : 1;
                else
                    nJoinPosition = ncJoinFront != 0 ? -1 : (ncJoinBehind != 0 ? 1 : 0);

                if (nJoinPosition == -1) {
                    joinWithNext(i - 1);
                } else if (nJoinPosition == 1) {
                    m_byBlockMode[i + 1] = QR_MODE_8BIT;
                    joinWithNext(i + 1);
                } else {
                    if (i < m_ncDataBlock - 2 && m_byBlockMode[i + 2] == QR_MODE_ALPHABET)
                        joinWithNext(i + 1);
                    m_byBlockMode[i] = QR_MODE_ALPHABET;
                    joinWithNext(i);
                    if (i >= 1 && m_byBlockMode[i - 1] == QR_MODE_ALPHABET)
                        joinWithNext(i - 1);
                }
                continue;
            }
        }
        ++i;
    }

    // Second pass: a short segment between others costs more in its own mode
    // header than as bytes, so it joins the 8-bit neighbours.
    i = 0;
    while (i < m_ncDataBlock - 1) {
        const int ncSrcBits = bits(i) + bits(i + 1);
        int ncDstBits = bits8(m_nBlockLength[i] + m_nBlockLength[i + 1]);
        const int header8 = 4 + indicatorLength(QR_MODE_8BIT, nVerGroup);
        if (i >= 1 && m_byBlockMode[i - 1] == QR_MODE_8BIT)
            ncDstBits -= header8;
        if (i < m_ncDataBlock - 2 && m_byBlockMode[i + 2] == QR_MODE_8BIT)
            ncDstBits -= header8;
        if (ncSrcBits <= ncDstBits) {
            ++i;
            continue;
        }
        if (i >= 1 && m_byBlockMode[i - 1] == QR_MODE_8BIT) {
            joinWithNext(i - 1);
            --i;
        }
        if (i < m_ncDataBlock - 2 && m_byBlockMode[i + 2] == QR_MODE_8BIT)
            joinWithNext(i + 1);
        m_byBlockMode[i] = QR_MODE_8BIT;
        joinWithNext(i);
        if (i >= 1)
            --i;
    }

    // The whole segmented length must fit the largest version of the group
    // (the exact version is chosen afterwards from the bits written).
    // An ECI header is the mode indicator 0111 and, below 128, one byte.
    const bool eci = m_nEci >= 0 && m_nEci < 128;
    int ncTotalBits = eci ? 12 : 0;
    for (int k = 0; k < m_ncDataBlock; ++k)
        ncTotalBits += bits(k);
    static constexpr int lastOfGroup[3] = {9, 26, 40};
    if (ncTotalBits > data_bit_size_array((lastOfGroup[nVerGroup] - 1) * 4 + m_nLevel))
        return false;

    // The bit stream.
    std::memset(m_byDataCodeWord, 0, sizeof m_byDataCodeWord);
    int bit = 0;
    if (eci) {
        bit = SetBitStream(bit, 7, 4);
        bit = SetBitStream(bit, m_nEci, 8);
    }
    int pos = 0;
    for (int k = 0; k < m_ncDataBlock && bit >= 0; ++k) {
        const int mode = m_byBlockMode[k];
        const int len = m_nBlockLength[k];
        const int count = mode == QR_MODE_KANJI ? len / 2 : len;
        const int indicator = indicatorLength(mode, nVerGroup);
        if (count >= (1 << indicator))
            return false;
        static constexpr int modeIndicator[4] = {1, 2, 4, 8};
        bit = SetBitStream(bit, modeIndicator[mode], 4);
        bit = SetBitStream(bit, count, indicator);
        const uint8_t* s = src + pos;
        switch (mode) {
        case QR_MODE_NUMERAL:
            for (int j = 0; j < len; j += 3) {
                const int n = min(3, len - j);
                int value = 0;
                for (int d = 0; d < n; ++d)
                    value = value * 10 + (s[j + d] - '0');
                bit = SetBitStream(bit, value, n == 3 ? 10 : (n == 2 ? 7 : 4));
            }
            break;
        case QR_MODE_ALPHABET:
            for (int j = 0; j < len; j += 2) {
                if (j + 1 < len)
                    bit = SetBitStream(bit, AlphabetToBinaly(s[j]) * 45 + AlphabetToBinaly(s[j + 1]), 11);
                else
                    bit = SetBitStream(bit, AlphabetToBinaly(s[j]), 6);
            }
            break;
        case QR_MODE_8BIT:
            for (int j = 0; j < len; ++j)
                bit = SetBitStream(bit, s[j], 8);
            break;
        default:
            for (int j = 0; j + 1 < len; j += 2)
                bit = SetBitStream(bit, KanjiToBinaly((s[j] << 8) | s[j + 1]), 13);
            break;
        }
        pos += len;
    }
    m_ncDataCodeWordBit = bit;
    return bit >= 0;
}

int CQR_Encode::SetBitStream(int nIndex, int wData, int ncData) {
    if (nIndex == -1 || nIndex + ncData > MAX_DATACODEWORD * 8)
        return -1;
    for (int i = 0; i < ncData; ++i) {
        if (wData & (1 << (ncData - i - 1)))
            m_byDataCodeWord[(nIndex + i) / 8] |= static_cast<uint8_t>(1 << (7 - ((nIndex + i) % 8)));
    }
    return nIndex + ncData;
}

void CQR_Encode::GetRSCodeWord(uint8_t* work, int ncDataCodeWord, int ncRSCodeWord) {
    const Tables& t = tables();
    const auto& gen = t.generator[static_cast<size_t>(ncRSCodeWord)];
    // Polynomial division: the remainder ends in work[0 .. ncRSCodeWord-1].
    uint8_t rem[MAX_CODEBLOCK] = {};
    for (int i = 0; i < ncDataCodeWord; ++i) {
        const uint8_t factor = work[i] ^ rem[0];
        std::memmove(rem, rem + 1, static_cast<size_t>(ncRSCodeWord - 1));
        rem[ncRSCodeWord - 1] = 0;
        if (factor) {
            const int lf = t.intToExp[factor];
            for (int j = 0; j < ncRSCodeWord; ++j)
                if (gen[static_cast<size_t>(j)])
                    rem[j] ^= t.expToInt[t.intToExp[gen[static_cast<size_t>(j)]] + lf];
        }
    }
    std::memcpy(work, rem, static_cast<size_t>(ncRSCodeWord));
}

void CQR_Encode::FormatModule() {
    std::memset(m_byModuleData, 0, sizeof m_byModuleData);
    SetFunctionModule();
    SetCodeWordPattern();

    if (m_nMaskingNo == -1) {
        // Lowest penalty wins; on a tie the lower mask number stays.
        m_nMaskingNo = 0;
        SetMaskingPattern(0);
        SetFormatInfoPattern(0);
        int nMinPenalty = CountPenalty();
        for (int i = 1; i <= 7; ++i) {
            SetMaskingPattern(i);
            SetFormatInfoPattern(i);
            const int nPenalty = CountPenalty();
            if (nPenalty < nMinPenalty) {
                nMinPenalty = nPenalty;
                m_nMaskingNo = i;
            }
        }
    }
    SetMaskingPattern(m_nMaskingNo);
    SetFormatInfoPattern(m_nMaskingNo);

    for (int i = 0; i < m_nSymbleSize; ++i)
        for (int j = 0; j < m_nSymbleSize; ++j)
            m_byModuleData[i][j] = (m_byModuleData[i][j] & 0x11) ? 1 : 0;
}

void CQR_Encode::SetFunctionModule() {
    const int n = m_nSymbleSize;
    SetFinderPattern(0, 0);
    SetFinderPattern(n - 7, 0);
    SetFinderPattern(0, n - 7);

    for (int i = 0; i < 8; ++i) {
        m_byModuleData[i][7] = m_byModuleData[7][i] = 0x20;
        m_byModuleData[n - 8][i] = m_byModuleData[n - 8 + i][7] = 0x20;
        m_byModuleData[i][n - 8] = m_byModuleData[7][n - 8 + i] = 0x20;
    }
    // Format information areas, reserved light until the mask is known.
    for (int i = 0; i < 9; ++i)
        m_byModuleData[i][8] = m_byModuleData[8][i] = 0x20;
    for (int i = 0; i < 8; ++i)
        m_byModuleData[n - 8 + i][8] = m_byModuleData[8][n - 8 + i] = 0x20;

    SetVersionPattern();

    const QR_VERSIONINFO& info = QR_VersonInfo()[m_nVersion];
    for (int i = 0; i < info.ncAlignPoint; ++i) {
        SetAlignmentPattern(info.nAlignPoint[i], 6);
        SetAlignmentPattern(6, info.nAlignPoint[i]);
        for (int j = 0; j < info.ncAlignPoint; ++j)
            SetAlignmentPattern(info.nAlignPoint[i], info.nAlignPoint[j]);
    }

    for (int i = 8; i <= n - 9; ++i) {
        m_byModuleData[i][6] = (i % 2) == 0 ? 0x30 : 0x20;
        m_byModuleData[6][i] = (i % 2) == 0 ? 0x30 : 0x20;
    }
}

void CQR_Encode::SetFinderPattern(int x, int y) {
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 7; ++j)
            m_byModuleData[x + j][y + i] = (kFinder[i] & (1 << (6 - j))) ? 0x30 : 0x20;
}

void CQR_Encode::SetAlignmentPattern(int x, int y) {
    if (m_byModuleData[x][y] & 0x20)
        return;  // overlaps a finder pattern
    x -= 2;
    y -= 2;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            m_byModuleData[x + j][y + i] = (kAlignment[i] & (1 << (4 - j))) ? 0x30 : 0x20;
}

// Version information: 6-bit version and BCH(18,6) remainder, generator 0x1F25.
void CQR_Encode::SetVersionPattern() {
    if (m_nVersion <= 6)
        return;
    int nVerData = m_nVersion << 12;
    for (int i = 0; i < 6; ++i)
        if (nVerData & (1 << (17 - i)))
            nVerData ^= (0x1F25 << (5 - i));
    nVerData += m_nVersion << 12;
    const int n = m_nSymbleSize;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 3; ++j) {
            const uint8_t v = (nVerData & (1 << (i * 3 + j))) ? 0x30 : 0x20;
            m_byModuleData[n - 11 + j][i] = v;
            m_byModuleData[i][n - 11 + j] = v;
        }
}

void CQR_Encode::SetCodeWordPattern() {
    const int n = m_nSymbleSize;
    const int totalBits = m_ncAllCodeWord * 8;
    int bit = 0;
    for (int right = n - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        const bool upward = ((right + 1) & 2) == 0;
        for (int vert = 0; vert < n; ++vert) {
            const int y = upward ? n - 1 - vert : vert;
            for (int j = 0; j < 2; ++j) {
                const int x = right - j;
                if (m_byModuleData[x][y] & 0x20)
                    continue;
                if (bit < totalBits) {
                    if (m_byAllCodeWord[bit / 8] & (1 << (7 - (bit % 8))))
                        m_byModuleData[x][y] |= 0x02;
                    ++bit;
                }
            }
        }
    }
}

void CQR_Encode::SetMaskingPattern(int nPatternNo) {
    const int n = m_nSymbleSize;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            uint8_t& m = m_byModuleData[x][y];
            if (m & 0x20)
                continue;
            const int i = y, j = x;  // i the row, j the column
            bool cond;
            switch (nPatternNo) {
            case 0: cond = (i + j) % 2 == 0; break;
            case 1: cond = i % 2 == 0; break;
            case 2: cond = j % 3 == 0; break;
            case 3: cond = (i + j) % 3 == 0; break;
            case 4: cond = ((i / 2) + (j / 3)) % 2 == 0; break;
            case 5: cond = ((i * j) % 2) + ((i * j) % 3) == 0; break;
            case 6: cond = (((i * j) % 2) + ((i * j) % 3)) % 2 == 0; break;
            default: cond = (((i * j) % 3) + ((i + j) % 2)) % 2 == 0; break;
            }
            const bool dark = ((m & 0x02) != 0) != cond;
            m = static_cast<uint8_t>((m & 0xFE) | (dark ? 0x01 : 0x00));
        }
    }
}

// Format information: level and mask, BCH(15,5) with generator 0x537, XOR 0x5412.
void CQR_Encode::SetFormatInfoPattern(int nPatternNo) {
    static constexpr int levelBits[4] = {1, 0, 3, 2};
    const int data = (levelBits[m_nLevel] << 3) | nPatternNo;
    int rem = data << 10;
    for (int i = 0; i < 5; ++i)
        if (rem & (1 << (14 - i)))
            rem ^= (0x537 << (4 - i));
    const int fmt = ((data << 10) | rem) ^ 0x5412;
    auto put = [&](int x, int y, int k) {
        m_byModuleData[x][y] = (fmt & (1 << k)) ? 0x30 : 0x20;
    };
    const int n = m_nSymbleSize;
    for (int k = 0; k <= 5; ++k)
        put(8, k, k);
    put(8, 7, 6);
    put(8, 8, 7);
    put(7, 8, 8);
    for (int k = 9; k < 15; ++k)
        put(14 - k, 8, k);
    for (int k = 0; k < 8; ++k)
        put(n - 1 - k, 8, k);
    for (int k = 8; k < 15; ++k)
        put(8, n - 15 + k, k);
    m_byModuleData[8][n - 8] = 0x30;
}

int CQR_Encode::CountPenalty() const {
    const int n = m_nSymbleSize;
    // Every row and every column once as a line of 0/1 with four light
    // modules on each side (outside the symbol counts as light).
    constexpr int pad = 4;
    uint8_t rows[MAX_MODULESIZE][MAX_MODULESIZE + 2 * pad];
    uint8_t cols[MAX_MODULESIZE][MAX_MODULESIZE + 2 * pad];
    int dark = 0;
    for (int a = 0; a < n; ++a) {
        std::memset(rows[a], 0, static_cast<size_t>(n + 2 * pad));
        std::memset(cols[a], 0, static_cast<size_t>(n + 2 * pad));
    }
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const uint8_t d = (m_byModuleData[x][y] & 0x11) ? 1 : 0;
            rows[y][x + pad] = d;
            cols[x][y + pad] = d;
            dark += d;
        }
    int nPenalty = 0;

    auto scanLine = [&](const uint8_t* l) {
        // Runs of five or more modules of one colour starting before n - 4.
        int j = 0;
        while (j < n - 4) {
            const uint8_t c = l[j];
            int k = j + 1;
            while (k < n && l[k] == c)
                ++k;
            if (k - j >= 5)
                nPenalty += k - j - 2;
            j = k;
        }
        // 1:1:3:1:1 finder-like patterns with four light modules on one
        // side. A window of 15 modules, j - 4 .. j + 10, slides along the
        // line; bit 14 is module j - 4 and bit 0 module j + 10.
        unsigned w = 0;
        for (int t = -pad; t <= n + 3; ++t) {
            w = ((w << 1) | l[t]) & 0x7FFF;
            const int j = t - 10;
            if (j < 0 || j >= n - 6)
                continue;
            // light j - 1, dark light dark dark dark light dark, light j + 7
            if ((w & 0xFF8) == 0x5D0 && ((w & 0x7000) == 0 || (w & 0x7) == 0))
                nPenalty += 40;
        }
    };
    for (int a = 0; a < n; ++a) {
        scanLine(rows[a] + pad);
        scanLine(cols[a] + pad);
    }

    // 2 x 2 blocks of one colour.
    for (int y = 0; y < n - 1; ++y) {
        const uint8_t* r0 = rows[y] + pad;
        const uint8_t* r1 = rows[y + 1] + pad;
        for (int x = 0; x < n - 1; ++x) {
            const int sum = r0[x] + r0[x + 1] + r1[x] + r1[x + 1];
            if (sum == 0 || sum == 4)
                nPenalty += 3;
        }
    }

    // Balance of dark and light modules.
    const int light = n * n - dark;
    const int k = std::abs(50 - (100 * light) / (n * n));
    nPenalty += (k / 5) * 10;
    return nPenalty;
}

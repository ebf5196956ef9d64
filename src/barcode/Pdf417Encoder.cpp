#include "barcode/Pdf417Encoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Text compaction sub-modes of ISO/IEC 15438 5.4.1: a character's position
// in its set is its value.
const char MIXED_SET[] = "0123456789&\r\t,:#-.$/+%*=^";
const char PUNCTUATION_SET[] = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'";

constexpr int START_PATTERN = 0x1FEA8;  // 17 modules
constexpr int STOP_PATTERN = 0x3FA29;   // 18 modules

constexpr int kMaxText = 5420;
constexpr int kLatchText = 900, kLatchByte = 901, kLatchNumeric = 902, kLatchByte6 = 924, kShiftByte = 913;

struct pdf417segment {
    char type;  // 'T' text, 'N' numeric, 'B' byte
    int start;
    int end;
};
using pdf417list = std::vector<pdf417segment>;

int getElementLength(const pdf417segment* e) {
    return e ? e->end - e->start : 0;
}

const pdf417segment* listGet(const pdf417list& l, int i) {
    return (i >= 0 && i < static_cast<int>(l.size())) ? &l[static_cast<size_t>(i)] : nullptr;
}

struct pdf417state {
    pdf417param* param;
    int cwPtr = 1;
};

bool isText(unsigned char c) {
    return (c >= 0x20 && c <= 0x7E) || c == '\r' || c == '\n' || c == '\t';
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

pdf417list breakString(const unsigned char* s, int n) {
    pdf417list list;
    auto digitRun = [&](int i) {
        int k = i;
        while (k < n && isDigit(s[k]))
            ++k;
        return k - i;
    };
    int i = 0;
    while (i < n) {
        const int d = digitRun(i);
        if (d >= 13) {
            list.push_back({'N', i, i + d});
            i += d;
            continue;
        }
        const bool text = isText(s[i]);
        const int start = i;
        while (i < n && isText(s[i]) == text) {
            if (text && isDigit(s[i])) {
                const int r = digitRun(i);
                if (r >= 13)
                    break;
                i += r;
                continue;
            }
            ++i;
        }
        list.push_back({text ? 'T' : 'B', start, i});
    }

    // A lone byte between two texts joins them.
    for (bool again = true; again;) {
        again = false;
        for (int k = 1; k + 1 < static_cast<int>(list.size()); ++k) {
            auto& prev = list[static_cast<size_t>(k - 1)];
            auto& cur = list[static_cast<size_t>(k)];
            auto& next = list[static_cast<size_t>(k + 1)];
            if (cur.type == 'B' && getElementLength(&cur) == 1 && prev.type == 'T' && next.type == 'T' &&
                getElementLength(&prev) + getElementLength(&next) >= 3) {
                prev.end = next.end;
                list.erase(list.begin() + k, list.begin() + k + 2);
                again = true;
                break;
            }
        }
    }
    // A text of five or more takes in a lone byte or a text beside it.
    for (bool again = true; again;) {
        again = false;
        for (int k = 0; k < static_cast<int>(list.size()); ++k) {
            auto& cur = list[static_cast<size_t>(k)];
            if (cur.type != 'T' || getElementLength(&cur) < 5)
                continue;
            const pdf417segment* prev = listGet(list, k - 1);
            if (prev && ((prev->type == 'B' && getElementLength(prev) == 1) || prev->type == 'T')) {
                cur.start = prev->start;
                list.erase(list.begin() + k - 1);
                again = true;
                break;
            }
            const pdf417segment* next = listGet(list, k + 1);
            if (next && ((next->type == 'B' && getElementLength(next) == 1) || next->type == 'T')) {
                cur.end = next->end;
                list.erase(list.begin() + k + 1);
                again = true;
                break;
            }
        }
    }
    // A byte segment takes in short texts and bytes beside it.
    for (bool again = true; again;) {
        again = false;
        for (int k = 0; k < static_cast<int>(list.size()); ++k) {
            auto& cur = list[static_cast<size_t>(k)];
            if (cur.type != 'B')
                continue;
            const pdf417segment* prev = listGet(list, k - 1);
            if (prev && ((prev->type == 'T' && getElementLength(prev) < 5) || prev->type == 'B')) {
                cur.start = prev->start;
                list.erase(list.begin() + k - 1);
                again = true;
                break;
            }
            const pdf417segment* next = listGet(list, k + 1);
            if (next && ((next->type == 'T' && getElementLength(next) < 5) || next->type == 'B')) {
                cur.end = next->end;
                list.erase(list.begin() + k + 1);
                again = true;
                break;
            }
        }
    }
    if (list.size() == 1 && list[0].type == 'T' && getElementLength(&list[0]) >= 8) {
        bool digits = true;
        for (int k = list[0].start; k < list[0].end && digits; ++k)
            digits = isDigit(s[k]);
        if (digits)
            list[0].type = 'N';
    }
    return list;
}

void byteCompaction6(pdf417state& st, const unsigned char* s) {
    uint64_t v = 0;
    for (int k = 0; k < 6; ++k)
        v = (v << 8) | s[k];
    int out[5];
    for (int k = 4; k >= 0; --k) {
        out[k] = static_cast<int>(v % 900);
        v /= 900;
    }
    for (int k = 0; k < 5; ++k)
        st.param->codewords[st.cwPtr++] = out[k];
}

void byteCompaction(pdf417state& st, const unsigned char* s, int start, int end) {
    const int n = end - start;
    if (st.cwPtr + 5 * (n / 6) + n % 6 >= 927) {
        st.param->error = PDF417_ERROR_TEXT_TOO_BIG;
        return;
    }
    int k = start;
    for (; k + 6 <= end; k += 6)
        byteCompaction6(st, s + k);
    for (; k < end; ++k)
        st.param->codewords[st.cwPtr++] = s[k];
}

// Up to 44 digits with a leading 1, in base 900 (ISO/IEC 15438 5.4.4).
void basicNumberCompaction(pdf417state& st, const unsigned char* s, int start, int end) {
    std::vector<int> digits;
    digits.push_back(1);
    for (int k = start; k < end; ++k)
        digits.push_back(s[k] - '0');
    const int count = (end - start) / 3 + 1;
    std::vector<int> out(static_cast<size_t>(count), 0);
    for (int c = count - 1; c >= 0; --c) {
        int rem = 0;
        for (int& d : digits) {
            const int cur = rem * 10 + d;
            d = cur / 900;
            rem = cur % 900;
        }
        out[static_cast<size_t>(c)] = rem;
    }
    for (int v : out)
        st.param->codewords[st.cwPtr++] = v;
}

void numberCompaction(pdf417state& st, const unsigned char* s, int start, int end) {
    const int n = end - start;
    const int r = n % 44;
    const int need = 15 * (n / 44) + (r > 0 ? r / 3 + 1 : 0);
    if (st.cwPtr + need >= 927) {
        st.param->error = PDF417_ERROR_TEXT_TOO_BIG;
        return;
    }
    for (int k = start; k < end; k += 44)
        basicNumberCompaction(st, s, k, std::min(k + 44, end));
}

enum { UPPER = 1, LOWER = 2, MIXED = 4, PUNCT = 8 };

// Classes of a byte in text compaction and its value in each.
int getTextTypeAndValue(unsigned char c, int* mixedValue, int* punctValue) {
    int type = 0;
    if (c >= 'A' && c <= 'Z')
        type |= UPPER;
    if (c >= 'a' && c <= 'z')
        type |= LOWER;
    if (c == ' ')
        type |= UPPER | LOWER | MIXED;
    if (c != 0) {
        if (const char* m = std::strchr(MIXED_SET, c)) {
            type |= MIXED;
            *mixedValue = static_cast<int>(m - MIXED_SET);
        }
        if (const char* p = std::strchr(PUNCTUATION_SET, c)) {
            type |= PUNCT;
            *punctValue = static_cast<int>(p - PUNCTUATION_SET);
        }
    }
    return type;
}

void textCompaction(pdf417state& st, const unsigned char* s, int start, int end) {
    // Values below 30; a byte shift is kShiftByte followed by 1000 + byte.
    std::vector<int> v;
    v.reserve(static_cast<size_t>(2 * (end - start) + 2));
    int mode = UPPER;
    auto typeOf = [&](int k, int* mv, int* pv) {
        return k < end ? getTextTypeAndValue(s[k], mv, pv) : 0;
    };
    auto valueIn = [&](unsigned char c, int sub, int mv, int pv) {
        if (c == ' ' && sub != PUNCT)
            return 26;
        if (sub == UPPER)
            return c - 'A';
        if (sub == LOWER)
            return c - 'a';
        if (sub == MIXED)
            return mv;
        return pv;
    };
    int k = start;
    while (k < end) {
        const unsigned char c = s[k];
        int mv = 0, pv = 0;
        const int type = getTextTypeAndValue(c, &mv, &pv);
        if (type & mode) {
            v.push_back(valueIn(c, mode, mv, pv));
            ++k;
            continue;
        }
        if (type == 0) {
            if (v.size() % 2) {
                v.push_back(29);
                if (mode == PUNCT)
                    mode = UPPER;
            }
            v.push_back(kShiftByte);
            v.push_back(1000 + c);
            ++k;
            continue;
        }
        int m1 = 0, p1 = 0, m2 = 0, p2 = 0;
        const int next1 = typeOf(k + 1, &m1, &p1);
        const int next2 = typeOf(k + 2, &m2, &p2);
        const bool nextTwoPunct = (next1 & PUNCT) && (next2 & PUNCT);
        // A punctuation character from upper, lower or mixed: with two more
        // after it, latch to punctuation (from upper and lower through
        // mixed); otherwise shift for this one character.
        auto punctuation = [&] {
            if (nextTwoPunct) {
                if (mode != MIXED)
                    v.push_back(28);
                v.push_back(25);
                mode = PUNCT;
            } else {
                v.push_back(29);
                v.push_back(pv);
                ++k;
            }
        };
        switch (mode) {
        case UPPER:
            if (type & LOWER) {
                v.push_back(27);
                mode = LOWER;
            } else if (type & MIXED) {
                v.push_back(28);
                mode = MIXED;
            } else {
                punctuation();
            }
            break;
        case LOWER:
            if (type & UPPER) {
                if ((next1 & UPPER) && (next2 & UPPER)) {
                    v.push_back(28);
                    v.push_back(28);
                    mode = UPPER;
                } else {
                    v.push_back(27);
                    v.push_back(c - 'A');
                    ++k;
                }
            } else if (type & MIXED) {
                v.push_back(28);
                mode = MIXED;
            } else {
                punctuation();
            }
            break;
        case MIXED:
            if (type & LOWER) {
                v.push_back(27);
                mode = LOWER;
            } else if (type & UPPER) {
                v.push_back(28);
                mode = UPPER;
            } else {
                punctuation();
            }
            break;
        default:  // punctuation: back to upper, then look again
            v.push_back(29);
            mode = UPPER;
            break;
        }
    }
    if (v.size() % 2)
        v.push_back(29);

    int shifts = 0;
    for (int x : v)
        if (x == kShiftByte)
            ++shifts;
    if (st.cwPtr + (static_cast<int>(v.size()) + 2 * shifts) / 2 >= 927) {
        st.param->error = PDF417_ERROR_TEXT_TOO_BIG;
        return;
    }
    for (size_t i = 0; i < v.size();) {
        if (v[i] == kShiftByte) {
            st.param->codewords[st.cwPtr++] = kShiftByte;
            st.param->codewords[st.cwPtr++] = v[i + 1] - 1000;
            i += 2;
        } else {
            st.param->codewords[st.cwPtr++] = 30 * v[i] + v[i + 1];
            i += 2;
        }
    }
}

void assemble(pdf417state& st, const unsigned char* s, const pdf417list& list) {
    st.cwPtr = 1;
    for (size_t k = 0; k < list.size() && st.param->error == 0; ++k) {
        const pdf417segment& e = list[k];
        const int len = getElementLength(&e);
        switch (e.type) {
        case 'B':
            st.param->codewords[st.cwPtr++] = len % 6 == 0 ? kLatchByte6 : kLatchByte;
            byteCompaction(st, s, e.start, e.end);
            break;
        case 'N':
            st.param->codewords[st.cwPtr++] = kLatchNumeric;
            numberCompaction(st, s, e.start, e.end);
            break;
        default:
            if (k > 0)
                st.param->codewords[st.cwPtr++] = kLatchText;
            textCompaction(st, s, e.start, e.end);
            break;
        }
    }
}

int maxPossibleErrorLevel(int remain) {
    for (int level = 8; level > 0; --level)
        if ((2 << level) <= remain)
            return level;
    return 0;
}

// Generator coefficients of each level: the product of (x - 3^i), i = 1 .. 2^(level+1), mod 929.
struct ErrorLevels {
    std::array<std::vector<int>, 9> coeff;
    ErrorLevels() {
        for (int level = 0; level <= 8; ++level) {
            const int k = 2 << level;
            std::vector<int> g(1, 1);  // lowest order first
            int root = 1;
            for (int i = 1; i <= k; ++i) {
                root = root * 3 % 929;
                std::vector<int> ng(g.size() + 1, 0);
                for (size_t j = 0; j < g.size(); ++j) {
                    ng[j + 1] = (ng[j + 1] + g[j]) % 929;
                    ng[j] = (ng[j] + 929 - g[j] * root % 929) % 929;
                }
                g = ng;
            }
            g.pop_back();  // the leading 1
            coeff[static_cast<size_t>(level)] = g;
        }
    }
};

const ErrorLevels& errorLevels() {
    static const ErrorLevels e;
    return e;
}

void calculateErrorCorrection(pdf417param* p, int dest) {
    int level = p->errorLevel;
    if (level < 0 || level > 8)
        level = 0;
    const std::vector<int>& a = errorLevels().coeff[static_cast<size_t>(level)];
    const int k = 2 << level;
    std::vector<int> e(static_cast<size_t>(k), 0);
    for (int i = 0; i < dest; ++i) {
        const int t1 = (p->codewords[i] + e[static_cast<size_t>(k - 1)]) % 929;
        for (int j = k - 1; j >= 0; --j) {
            const int t2 = t1 * a[static_cast<size_t>(j)] % 929;
            const int t3 = 929 - t2;
            e[static_cast<size_t>(j)] = ((j > 0 ? e[static_cast<size_t>(j - 1)] : 0) + t3) % 929;
        }
    }
    for (int j = 0; j < k; ++j)
        if (e[static_cast<size_t>(j)] != 0)
            e[static_cast<size_t>(j)] = 929 - e[static_cast<size_t>(j)];
    for (int j = k - 1; j >= 0; --j)
        p->codewords[dest++] = e[static_cast<size_t>(j)];
}

void getMaxSquare(pdf417param* p) {
    if (p->codeColumns > 21) {
        p->codeColumns = 29;
        p->codeRows = 32;
    } else {
        p->codeColumns = 16;
        p->codeRows = 58;
    }
}

// Bar-space patterns of the 929 codewords in clusters 0, 3 and 6
// (ISO/IEC 15438 Annex A).
const int CLUSTERS[3][929] = {
#include "barcode/Pdf417Patterns.inc"
};

void outPaintCode(pdf417param* p) {
    p->bitColumns = 17 * (p->codeColumns + 3) + 18;
    const int bytesPerRow = (p->bitColumns - 1) / 8 + 1;
    p->lenBits = bytesPerRow * p->codeRows;
    p->outBits = static_cast<char*>(std::calloc(static_cast<size_t>(p->lenBits), 1));
    if (!p->outBits) {
        p->lenBits = 0;
        return;
    }
    for (int row = 0; row < p->codeRows; ++row) {
        auto* out = reinterpret_cast<unsigned char*>(p->outBits) + row * bytesPerRow;
        int bit = 0;
        // The pattern's bits go in by the byte, as many as fit each time.
        auto put = [&](int pattern, int len) {
            while (len > 0) {
                const int free = 8 - (bit & 7);
                const int take = std::min(len, free);
                const int chunk = (pattern >> (len - take)) & ((1 << take) - 1);
                out[bit >> 3] |= static_cast<unsigned char>(chunk << (free - take));
                bit += take;
                len -= take;
            }
        };
        const int cluster = row % 3;
        const int* table = CLUSTERS[cluster];
        const int q = 30 * (row / 3);
        int left, right;
        if (cluster == 0) {
            left = q + (p->codeRows - 1) / 3;
            right = q + p->codeColumns - 1;
        } else if (cluster == 1) {
            left = q + 3 * p->errorLevel + (p->codeRows - 1) % 3;
            right = q + (p->codeRows - 1) / 3;
        } else {
            left = q + p->codeColumns - 1;
            right = q + 3 * p->errorLevel + (p->codeRows - 1) % 3;
        }
        put(START_PATTERN, 17);
        put(table[left], 17);
        for (int c = 0; c < p->codeColumns; ++c)
            put(table[p->codewords[row * p->codeColumns + c]], 17);
        put(table[right], 17);
        put(STOP_PATTERN, 18);
    }
    if (p->options & PDF417_INVERT_BITMAP)
        for (int i = 0; i < p->lenBits; ++i)
            p->outBits[i] = static_cast<char>(~p->outBits[i]);
}

}  // namespace

const int* zelk::pdf417ClusterPatterns(int cluster) {
    return cluster >= 0 && cluster < 3 ? CLUSTERS[cluster] : nullptr;
}

const int* zelk::pdf417ErrorLevelCoefficients(int level) {
    if (level < 0 || level > 8)
        return nullptr;
    return errorLevels().coeff[static_cast<size_t>(level)].data();
}

void pdf417init(pdf417param* param) {
    param->outBits = nullptr;
    param->lenBits = 0;
    param->options = 0;
    param->error = 0;
    param->lenText = -1;
    param->text = "";
    param->yHeight = 3.0f;
    param->aspectRatio = 0.5f;
}

void pdf417free(pdf417param* param) {
    std::free(param->outBits);
    param->outBits = nullptr;
}

void paintCode(pdf417param* p) {
    p->error = 0;
    std::free(p->outBits);
    p->outBits = nullptr;
    p->lenBits = 0;
    pdf417state st{p};
    if (p->options & PDF417_USE_RAW_CODEWORDS) {
        if (p->lenCodewords > 926 || p->lenCodewords < 1 || p->lenCodewords != p->codewords[0]) {
            p->error = PDF417_ERROR_INVALID_PARAMS;
            return;
        }
        for (int i = 0; i < p->lenCodewords; ++i)
            if (p->codewords[i] < 0 || p->codewords[i] > 928) {
                p->error = PDF417_ERROR_INVALID_PARAMS;
                return;
            }
    } else {
        if (!p->text) {
            p->error = PDF417_ERROR_INVALID_PARAMS;
            return;
        }
        if (p->lenText < 0)
            p->lenText = static_cast<int>(std::strlen(p->text));
        if (p->lenText > kMaxText) {
            p->error = PDF417_ERROR_TEXT_TOO_BIG;
            return;
        }
        const auto* s = reinterpret_cast<const unsigned char*>(p->text);
        const pdf417list list = breakString(s, p->lenText);
        assemble(st, s, list);
        if (p->error)
            return;
        p->lenCodewords = st.cwPtr;
        p->codewords[0] = p->lenCodewords;
    }

    const int maxErr = maxPossibleErrorLevel(928 - p->lenCodewords);
    if (!(p->options & PDF417_USE_ERROR_LEVEL)) {
        if (p->lenCodewords < 41)
            p->errorLevel = 2;
        else if (p->lenCodewords < 161)
            p->errorLevel = 3;
        else if (p->lenCodewords < 321)
            p->errorLevel = 4;
        else
            p->errorLevel = 5;
    }
    if (p->errorLevel < 0)
        p->errorLevel = 0;
    if (p->errorLevel > maxErr)
        p->errorLevel = maxErr;
    p->codeColumns = std::clamp(p->codeColumns, 1, 30);
    p->codeRows = std::clamp(p->codeRows, 3, 90);
    int tot = p->lenCodewords + (2 << p->errorLevel);
    bool fixedShape = false;
    if (p->options & PDF417_FIXED_RECTANGLE) {
        int pad = p->codeColumns * p->codeRows;
        if (pad > 928) {
            getMaxSquare(p);
            pad = 928;
        }
        // A rectangle too small for the data is recomputed below.
        if (pad >= tot) {
            tot = pad;
            fixedShape = true;
        }
    }
    if (!fixedShape) {
        if (!(p->options & (PDF417_FIXED_COLUMNS | PDF417_FIXED_ROWS))) {
            const double a = std::clamp(static_cast<double>(p->aspectRatio), 0.001, 1000.0);
            const double y = p->yHeight;
            const double b = 73 * a - 4;
            const double c = (-b + std::sqrt(b * b + 4 * 17 * a * tot * y)) / (2 * 17 * a);
            p->codeColumns = std::clamp(static_cast<int>(c + 0.5), 1, 30);
        }
        if (!(p->options & PDF417_FIXED_ROWS)) {
            p->codeRows = std::max(3, (tot - 1) / p->codeColumns + 1);
            if (p->codeRows > 90) {
                p->codeRows = 90;
                p->codeColumns = (tot - 1) / 90 + 1;
            }
        } else {
            p->codeColumns = (tot - 1) / p->codeRows + 1;
            if (p->codeColumns > 30) {
                p->codeColumns = 30;
                p->codeRows = (tot - 1) / 30 + 1;
            }
        }
        tot = p->codeRows * p->codeColumns;
    }
    if (tot > 928) {
        getMaxSquare(p);
        tot = 928;
    }
    if (tot < p->lenCodewords + (2 << p->errorLevel)) {
        p->error = PDF417_ERROR_TEXT_TOO_BIG;
        return;
    }

    p->errorLevel = maxPossibleErrorLevel(tot - p->lenCodewords);
    const int k = 2 << p->errorLevel;
    const int dataLen = tot - k;
    for (int i = p->lenCodewords; i < dataLen; ++i)
        p->codewords[i] = kLatchText;  // pad codeword
    p->lenCodewords = dataLen;
    p->codewords[0] = dataLen;
    calculateErrorCorrection(p, dataLen);
    p->lenCodewords = tot;
    outPaintCode(p);
}

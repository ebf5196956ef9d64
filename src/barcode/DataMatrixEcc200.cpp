#include "barcode/DataMatrixEcc200.h"

#include "barcode/ReedSolomon.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

constexpr const char* encchr = "ACTXEB";
enum { E_ASCII, E_C40, E_TEXT, E_X12, E_EDIFACT, E_BINARY, E_MAX };

// Codewords of switching from one encodation (row) to another (column).
constexpr int switchcost[E_MAX][E_MAX] = {
    {0, 1, 1, 1, 1, 2}, {1, 0, 2, 2, 2, 3}, {1, 2, 0, 2, 2, 3},
    {1, 2, 2, 0, 2, 3}, {1, 2, 2, 2, 0, 3}, {0, 1, 1, 1, 1, 0},
};

constexpr int kMaxBarcode = 3116;

bool isX12(unsigned char c) {
    return c == 13 || c == '*' || c == '>' || c == ' ' || std::isdigit(c) || std::isupper(c);
}

int letterIndex(char c) {
    const char* p = std::strchr(encchr, std::toupper(static_cast<unsigned char>(c)));
    return (p && c) ? static_cast<int>(p - encchr) : -1;
}

// C40 (text false) or Text (text true) values of one byte (ISO/IEC 16022 5.2.5).
int c40Values(unsigned char c, bool text, int* out) {
    int n = 0;
    if (c >= 128) {
        out[n++] = 1;  // Shift 2
        out[n++] = 30; // Upper Shift
        c &= 127;
    }
    const bool basicLetter = text ? (c >= 'a' && c <= 'z') : (c >= 'A' && c <= 'Z');
    const bool shift3Letter = text ? (c >= 'A' && c <= 'Z') : (c >= 'a' && c <= 'z');
    if (c == ' ') {
        out[n++] = 3;
    } else if (c >= '0' && c <= '9') {
        out[n++] = c - '0' + 4;
    } else if (basicLetter) {
        out[n++] = (c & 0x1F) - 1 + 14;
    } else if (c < 32) {
        out[n++] = 0;  // Shift 1
        out[n++] = c;
    } else if (c <= 47) {
        out[n++] = 1;
        out[n++] = c - 33;
    } else if (c >= 58 && c <= 64) {
        out[n++] = 1;
        out[n++] = c - 58 + 15;
    } else if (c >= 91 && c <= 95) {
        out[n++] = 1;
        out[n++] = c - 91 + 22;
    } else if (c == 96) {
        out[n++] = 2;  // Shift 3
        out[n++] = 0;
    } else if (shift3Letter) {
        out[n++] = 2;
        out[n++] = (c & 0x1F);
    } else {
        out[n++] = 2;
        out[n++] = c - 123 + 27;
    }
    return n;
}

int x12Value(unsigned char c) {
    if (c == 13)
        return 0;
    if (c == '*')
        return 1;
    if (c == '>')
        return 2;
    if (c == ' ')
        return 3;
    if (c >= '0' && c <= '9')
        return c - '0' + 4;
    return c - 'A' + 14;
}

// Writes codewords while room remains.
struct Writer {
    unsigned char* t;
    int tl;
    int tp = 0;
    bool ok = true;
    void put(int v) {
        if (tp >= tl) {
            ok = false;
            return;
        }
        t[tp++] = static_cast<unsigned char>(v);
    }
};

const std::vector<ecc200matrix_s> kSizes = {
    {10, 10, 10, 10, 3, 3, 5},         {12, 12, 12, 12, 5, 5, 7},
    {8, 18, 8, 18, 5, 5, 7},           {14, 14, 14, 14, 8, 8, 10},
    {8, 32, 8, 16, 10, 10, 11},        {16, 16, 16, 16, 12, 12, 12},
    {12, 26, 12, 26, 16, 16, 14},      {18, 18, 18, 18, 18, 18, 14},
    {20, 20, 20, 20, 22, 22, 18},      {12, 36, 12, 18, 22, 22, 18},
    {22, 22, 22, 22, 30, 30, 20},      {16, 36, 16, 18, 32, 32, 24},
    {24, 24, 24, 24, 36, 36, 24},      {26, 26, 26, 26, 44, 44, 28},
    {16, 48, 16, 24, 49, 49, 28},      {32, 32, 16, 16, 62, 62, 36},
    {36, 36, 18, 18, 86, 86, 42},      {40, 40, 20, 20, 114, 114, 48},
    {44, 44, 22, 22, 144, 144, 56},    {48, 48, 24, 24, 174, 174, 68},
    {52, 52, 26, 26, 204, 102, 42},    {64, 64, 16, 16, 280, 140, 56},
    {72, 72, 18, 18, 368, 92, 36},     {80, 80, 20, 20, 456, 114, 48},
    {88, 88, 22, 22, 576, 144, 56},    {96, 96, 24, 24, 696, 174, 68},
    {104, 104, 26, 26, 816, 136, 56},  {120, 120, 20, 20, 1050, 175, 68},
    {132, 132, 22, 22, 1304, 163, 62}, {144, 144, 24, 24, 1558, 156, 62},
};

}  // namespace

const std::vector<ecc200matrix_s>& ecc200matrix() {
    return kSizes;
}

// Codeword j of the whole stream, data and error correction alike, belongs
// to block j mod blocks. Where the data codewords do not divide evenly (only
// 144 × 144: 1558 in ten blocks, 156 in blocks 0 to 7 and 155 in blocks 8
// and 9) the error correction codewords therefore start with those of block
// 8, as ISO/IEC 16022 has it and as standard readers expect.
void ecc200(unsigned char* binary, int bytes, int datablock, int rsblock) {
    const int blocks = (bytes + 2) / datablock;
    zelk::ReedSolomon rs;
    rs_init_gf(rs, 0x12d);
    rs_init_code(rs, rsblock, 1);
    std::vector<unsigned char> buf(static_cast<size_t>(bytes));
    std::vector<unsigned char> ecc(static_cast<size_t>(rsblock));
    for (int b = 0; b < blocks; ++b) {
        int n = 0;
        for (int p = b; p < bytes; p += blocks)
            buf[static_cast<size_t>(n++)] = binary[p];
        rs_encode(rs, n, buf.data(), ecc.data());
        const int first = ((b - bytes) % blocks + blocks) % blocks;
        int p = rsblock - 1;
        for (int k = first; k < rsblock * blocks; k += blocks)
            binary[bytes + k] = ecc[static_cast<size_t>(p--)];
    }
}

// ISO/IEC 16022 Annex F: the nominal shape and the four corner cases.
namespace {

struct Placement {
    int* array;
    int nrow, ncol;
    void bit(int r, int c, int p, int b) {
        if (r < 0) {
            r += nrow;
            c += 4 - ((nrow + 4) % 8);
        }
        if (c < 0) {
            c += ncol;
            r += 4 - ((ncol + 4) % 8);
        }
        array[r * ncol + c] = (p << 3) + b;
    }
    void block(int r, int c, int p) {
        bit(r - 2, c - 2, p, 7);
        bit(r - 2, c - 1, p, 6);
        bit(r - 1, c - 2, p, 5);
        bit(r - 1, c - 1, p, 4);
        bit(r - 1, c - 0, p, 3);
        bit(r - 0, c - 2, p, 2);
        bit(r - 0, c - 1, p, 1);
        bit(r - 0, c - 0, p, 0);
    }
    void cornerA(int p) {
        bit(nrow - 1, 0, p, 7);
        bit(nrow - 1, 1, p, 6);
        bit(nrow - 1, 2, p, 5);
        bit(0, ncol - 2, p, 4);
        bit(0, ncol - 1, p, 3);
        bit(1, ncol - 1, p, 2);
        bit(2, ncol - 1, p, 1);
        bit(3, ncol - 1, p, 0);
    }
    void cornerB(int p) {
        bit(nrow - 3, 0, p, 7);
        bit(nrow - 2, 0, p, 6);
        bit(nrow - 1, 0, p, 5);
        bit(0, ncol - 4, p, 4);
        bit(0, ncol - 3, p, 3);
        bit(0, ncol - 2, p, 2);
        bit(0, ncol - 1, p, 1);
        bit(1, ncol - 1, p, 0);
    }
    void cornerC(int p) {
        bit(nrow - 3, 0, p, 7);
        bit(nrow - 2, 0, p, 6);
        bit(nrow - 1, 0, p, 5);
        bit(0, ncol - 2, p, 4);
        bit(0, ncol - 1, p, 3);
        bit(1, ncol - 1, p, 2);
        bit(2, ncol - 1, p, 1);
        bit(3, ncol - 1, p, 0);
    }
    void cornerD(int p) {
        bit(nrow - 1, 0, p, 7);
        bit(nrow - 1, ncol - 1, p, 6);
        bit(0, ncol - 3, p, 5);
        bit(0, ncol - 2, p, 4);
        bit(0, ncol - 1, p, 3);
        bit(1, ncol - 3, p, 2);
        bit(1, ncol - 2, p, 1);
        bit(1, ncol - 1, p, 0);
    }
};

}  // namespace

void ecc200placement(int* array, int nrow, int ncol) {
    Placement pl{array, nrow, ncol};
    std::fill(array, array + nrow * ncol, 0);
    int p = 1, r = 4, c = 0;
    do {
        if (r == nrow && c == 0)
            pl.cornerA(p++);
        if (r == nrow - 2 && c == 0 && ncol % 4)
            pl.cornerB(p++);
        if (r == nrow - 2 && c == 0 && (ncol % 8) == 4)
            pl.cornerC(p++);
        if (r == nrow + 4 && c == 2 && (ncol % 8) == 0)
            pl.cornerD(p++);
        do {  // up and to the right
            if (r < nrow && c >= 0 && !array[r * ncol + c])
                pl.block(r, c, p++);
            r -= 2;
            c += 2;
        } while (r >= 0 && c < ncol);
        r++;
        c += 3;
        do {  // down and to the left
            if (r >= 0 && c < ncol && !array[r * ncol + c])
                pl.block(r, c, p++);
            r += 2;
            c -= 2;
        } while (r < nrow && c >= 0);
        r += 3;
        c++;
    } while (r < nrow || c < ncol);
    if (!array[nrow * ncol - 1])
        array[nrow * ncol - 1] = array[nrow * ncol - ncol - 2] = 1;
}

bool ecc200encode(unsigned char* t, int tl, const unsigned char* s, int sl, const char* encoding, int* lenp) {
    if (!encoding || static_cast<int>(std::strlen(encoding)) < sl) {
        std::fprintf(stderr, "Encoding string too short\n");
        return false;
    }
    Writer w{t, tl};
    char enc = 'a';  // current encodation
    int sp = 0;
    while (sp < sl && w.ok) {
        const char e = static_cast<char>(std::tolower(static_cast<unsigned char>(encoding[sp])));
        if (letterIndex(e) < 0) {
            std::fprintf(stderr, "Unknown encoding %c\n", encoding[sp]);
            return false;
        }
        int run = 1;
        while (sp + run < sl && std::tolower(static_cast<unsigned char>(encoding[sp + run])) == e)
            ++run;
        // A C40, Text or X12 run left open at the end of the symbol is
        // closed by an unlatch before anything else follows.
        auto leaveTriples = [&] {
            if (enc == 'c' || enc == 't' || enc == 'x')
                w.put(254);
            enc = 'a';
        };
        auto ascii = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                if (i + 1 < to && std::isdigit(s[i]) && std::isdigit(s[i + 1])) {
                    w.put((s[i] - '0') * 10 + s[i + 1] - '0' + 130);
                    ++i;
                } else if (s[i] < 128) {
                    w.put(s[i] + 1);
                } else {
                    w.put(235);
                    w.put(s[i] - 127);
                }
            }
        };
        switch (e) {
        case 'a':
            leaveTriples();
            ascii(sp, sp + run);
            break;
        case 'b': {
            leaveTriples();
            w.put(231);
            auto randomised = [&](int v) {
                const int pos = w.tp + 1;
                const int r = v + ((149 * pos) % 255) + 1;
                w.put(r <= 255 ? r : r - 256);
            };
            if (run < 250) {
                randomised(run);
            } else {
                randomised(249 + run / 250);
                randomised(run % 250);
            }
            for (int i = 0; i < run; ++i)
                randomised(s[sp + i]);
            break;
        }
        case 'c':
        case 't':
        case 'x': {
            // Values of each byte; the run is cut where its values close a
            // triple (or, for C40 and Text, leave two to be completed with
            // Shift 1); what is left over goes out in ASCII (ISO/IEC 16022 5.2.5.2).
            std::vector<int> values;
            std::vector<int> endOf(static_cast<size_t>(run));
            for (int i = 0; i < run; ++i) {
                const unsigned char c = s[sp + i];
                if (e == 'x') {
                    if (!isX12(c)) {
                        std::fprintf(stderr, "Cannot encode char 0x%02X in X12\n", c);
                        return false;
                    }
                    values.push_back(x12Value(c));
                } else {
                    int v[4];
                    const int n = c40Values(c, e == 't', v);
                    values.insert(values.end(), v, v + n);
                }
                endOf[static_cast<size_t>(i)] = static_cast<int>(values.size());
            }
            int k = run;
            auto closes = [&](int count) { return count % 3 == 0 || (e != 'x' && count % 3 == 2); };
            while (k > 0 && !closes(endOf[static_cast<size_t>(k - 1)]))
                --k;
            if (k > 0) {
                const int latch = e == 'c' ? 230 : (e == 't' ? 239 : 238);
                if (enc != e) {
                    leaveTriples();
                    w.put(latch);
                }
                enc = e;
                std::vector<int> v(values.begin(), values.begin() + endOf[static_cast<size_t>(k - 1)]);
                if (v.size() % 3 == 2)
                    v.push_back(0);  // Shift 1 completes the last triple
                for (size_t i = 0; i + 2 < v.size(); i += 3) {
                    const int x = v[i] * 1600 + v[i + 1] * 40 + v[i + 2] + 1;
                    w.put(x >> 8);
                    w.put(x & 0xFF);
                }
            }
            if (k < run) {
                leaveTriples();
                ascii(sp + k, sp + run);
            }
            break;
        }
        case 'e': {
            for (int i = 0; i < run; ++i)
                if (s[sp + i] < 32 || s[sp + i] > 94) {
                    std::fprintf(stderr, "Cannot encode 0x%02X in EDIFACT\n", s[sp + i]);
                    return false;
                }
            leaveTriples();
            w.put(240);
            // Groups of four values in three codewords. A run that ends
            // inside a group ends it with the unlatch value 31; after a whole
            // group the unlatch takes one codeword of its own. Where no more
            // than two codewords remain a reader returns to ASCII by itself,
            // so the rest of the run goes out in ASCII (ISO/IEC 16022 5.2.8).
            int i = 0;
            while (i < run && w.ok) {
                if (w.tl - w.tp <= 2) {
                    ascii(sp + i, sp + run);
                    i = run;
                    break;
                }
                const int n = std::min(4, run - i);
                int v[4] = {0, 0, 0, 0};
                int count = 0;
                for (int j = 0; j < n; ++j)
                    v[count++] = s[sp + i + j] & 0x3F;
                if (count < 4)
                    v[count++] = 31;
                const unsigned bits = (unsigned(v[0]) << 18) | (unsigned(v[1]) << 12) | (unsigned(v[2]) << 6) | unsigned(v[3]);
                const int bytes = (count * 6 + 7) / 8;
                for (int b = 0; b < bytes; ++b)
                    w.put(static_cast<int>((bits >> (16 - 8 * b)) & 0xFF));
                i += n;
                if (i == run && n == 4 && w.tl - w.tp > 2)
                    w.put(31 << 2);
            }
            enc = 'a';
            break;
        }
        default:
            break;
        }
        sp += run;
    }
    if (!w.ok || sp < sl)
        return false;
    if (lenp)
        *lenp = w.tp;
    if (w.tp < tl && enc != 'a')
        w.put(254);
    if (w.tp < tl)
        w.put(129);
    while (w.tp < tl) {
        const int pos = w.tp + 1;
        int v = 129 + ((149 * pos) % 253) + 1;
        if (v > 254)
            v -= 254;
        w.put(v);
    }
    return true;
}

QByteArray encmake(int l, const unsigned char* s, int* lenp, bool exact) {
    if (l > kMaxBarcode)
        return {};
    if (l <= 0) {
        if (lenp)
            *lenp = 0;
        return QByteArray("");
    }
    struct Cell {
        int t = 0;  // codewords from here to the end with this encodation current; 0 impossible
        int s = 0;  // bytes this encodation takes from here
    };
    std::vector<std::array<Cell, E_MAX>> enc;
    try {
        enc.resize(static_cast<size_t>(l + 1));
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "Malloc(%d) failed\n", l);
        return {};
    }
    auto at = [&](int p, int e) -> Cell& { return enc[static_cast<size_t>(p)][static_cast<size_t>(e)]; };
    // Least cost of going on at q from encodation f; which e gives it.
    auto best = [&](int q, int f, int* which) {
        int bl = 0, b = -1;
        if (q < l)
            for (int e = 0; e < E_MAX; ++e) {
                if (!at(q, e).t)
                    continue;
                const int c = at(q, e).t + switchcost[f][e];
                if (b < 0 || c < bl) {
                    bl = c;
                    b = e;
                }
            }
        *which = b;
        return bl;
    };

    for (int p = l - 1; p >= 0; --p) {
        int b;
        // ASCII
        {
            int sl = 1, t = 1;
            if (p + 1 < l && std::isdigit(s[p]) && std::isdigit(s[p + 1]))
                sl = 2;
            else if (s[p] & 0x80)
                t = 2;
            t += best(p + sl, E_ASCII, &b);
            if (b == E_ASCII)
                sl += at(p + sl, E_ASCII).s;
            at(p, E_ASCII) = {t, sl};
        }
        // C40, Text
        for (int e = E_C40; e <= E_TEXT; ++e) {
            int sub = 0, t = 0, q = p;
            do {
                unsigned char c = s[q++];
                if (c & 0x80) {
                    sub += 2;
                    c &= 0x7F;
                }
                const bool basic = c == ' ' || std::isdigit(c) ||
                                   (e == E_C40 ? std::isupper(c) : std::islower(c));
                if (!basic)
                    sub++;
                sub++;
                while (sub >= 3) {
                    sub -= 3;
                    t += 2;
                }
            } while (sub && q < l);
            if (exact && sub == 2 && q == l) {
                sub = 0;
                t += 2;
            }
            if (!sub) {
                int tb = best(q, e, &b);
                if (exact && q < l && at(q, E_ASCII).t == 1 && tb >= 2) {
                    tb = 1;
                    b = E_ASCII;
                }
                int sl = q - p;
                if (b == e)
                    sl += at(q, e).s;
                at(p, e) = {t + tb, sl};
            } else {
                at(p, e) = {};
            }
        }
        // X12
        {
            int sub = 0, t = 0, q = p;
            bool ok = true;
            do {
                const unsigned char c = s[q++];
                if (!isX12(c)) {
                    ok = false;
                    break;
                }
                sub++;
                while (sub >= 3) {
                    sub -= 3;
                    t += 2;
                }
            } while (sub && q < l);
            if (ok && !sub) {
                const int tb = best(q, E_X12, &b);
                int sl = q - p;
                if (b == E_X12)
                    sl += at(q, E_X12).s;
                at(p, E_X12) = {t + tb, sl};
            } else {
                at(p, E_X12) = {};
            }
        }
        // EDIFACT: groups of one to four characters.
        at(p, E_EDIFACT) = {};
        if (s[p] >= 32 && s[p] <= 94) {
            int bl = 0, sl = 0;
            auto consider = [&](int chars, int cw, int from) {
                const int q = p + chars;
                int lb = -1;
                if (q == l) {
                    lb = cw;
                } else {
                    for (int e = 0; e < E_MAX; ++e) {
                        if ((from == E_ASCII && e == E_EDIFACT) || !at(q, e).t)
                            continue;
                        const int c = cw + at(q, e).t + switchcost[from][e];
                        if (lb < 0 || c < lb)
                            lb = c;
                    }
                }
                if (lb > 0 && (!bl || lb < bl)) {
                    bl = lb;
                    sl = chars;
                }
            };
            consider(1, 2, E_ASCII);
            if (p + 1 < l && s[p + 1] >= 32 && s[p + 1] <= 94) {
                consider(2, 3, E_ASCII);
                if (p + 2 < l && s[p + 2] >= 32 && s[p + 2] <= 94) {
                    consider(3, 3, E_ASCII);
                    if (p + 3 < l && s[p + 3] >= 32 && s[p + 3] <= 94)
                        consider(4, 3, E_EDIFACT);
                }
            }
            if (sl == 4 && p + 4 < l && at(p + 4, E_EDIFACT).t) {
                int w;
                best(p + 4, E_EDIFACT, &w);
                if (w == E_EDIFACT)
                    sl += at(p + 4, E_EDIFACT).s;
            }
            at(p, E_EDIFACT) = {bl, sl};
        }
        // Base256
        {
            int bl = 0, bw = -1;
            if (p + 1 < l) {
                for (int e = 0; e < E_MAX; ++e) {
                    if (!at(p + 1, e).t)
                        continue;
                    int c = at(p + 1, e).t + switchcost[E_BINARY][e];
                    if (e == E_BINARY && at(p + 1, e).t == 249)
                        c++;
                    if (bw < 0 || c < bl) {
                        bl = c;
                        bw = e;
                    }
                }
            }
            int sl = 1;
            if (bw == E_BINARY)
                sl += at(p + 1, E_BINARY).s;
            at(p, E_BINARY) = {1 + bl, sl};
        }
    }

    QByteArray out(l, 'A');
    int cur = E_ASCII, first = -1;
    for (int p = 0; p < l;) {
        int b = -1, bl = 0;
        for (int e = 0; e < E_MAX; ++e) {
            if (!at(p, e).t)
                continue;
            const int c = at(p, e).t + switchcost[cur][e];
            if (b < 0 || c < bl || (c == bl && e == cur)) {
                bl = c;
                b = e;
            }
        }
        if (b < 0 || at(p, b).s <= 0)
            b = E_ASCII;
        if (first < 0)
            first = at(p, b).t + switchcost[E_ASCII][b];
        const int n = std::min(at(p, b).s, l - p);
        for (int i = 0; i < n; ++i)
            out[p + i] = encchr[b];
        p += n;
        cur = b;
    }
    if (lenp)
        *lenp = first;
    return out;
}

std::vector<uint8_t> iec16022ecc200(int* Wptr, int* Hptr, QByteArray* encodingptr, int barcodelen,
                                    const unsigned char* barcode, int* lenp, int* maxp, int* eccp) {
    try {
        int W = Wptr ? *Wptr : 0, H = Hptr ? *Hptr : 0;
        QByteArray encoding = encodingptr ? *encodingptr : QByteArray();
        if (barcodelen < 0 || (barcodelen > 0 && !barcode))
            return {};
        const auto& sizes = ecc200matrix();
        std::vector<unsigned char> binary(3000);
        const ecc200matrix_s* matrix = nullptr;
        int len = 0;

        auto encodeAt = [&](const ecc200matrix_s& m) {
            return ecc200encode(binary.data(), m.bytes, barcode, barcodelen, encoding.constData(), &len);
        };

        if (W) {
            for (const auto& m : sizes)
                if (m.W == W && m.H == H) {
                    matrix = &m;
                    break;
                }
            if (!matrix) {
                std::fprintf(stderr, "Invalid size %dx%d\n", W, H);
                return {};
            }
            if (encoding.isEmpty()) {
                int need = 0;
                encoding = encmake(barcodelen, barcode, &need, true);
                if (encoding.isNull() && barcodelen > 0) {
                    std::fprintf(stderr, "Cannot make barcode fit %dx%d\n", W, H);
                    return {};
                }
                if (!encoding.isEmpty() && need != matrix->bytes) {
                    encoding = encmake(barcodelen, barcode, &need, false);
                    if (need > matrix->bytes) {
                        std::fprintf(stderr, "Cannot make barcode fit %dx%d\n", W, H);
                        return {};
                    }
                }
            }
            if (!encodeAt(*matrix)) {
                std::fprintf(stderr, "Barcode too long for %dx%d\n", W, H);
                return {};
            }
        } else {
            if (encoding.isEmpty()) {
                int need = 0;
                encoding = encmake(barcodelen, barcode, &need, true);
                if (encoding.isNull() && barcodelen > 0) {
                    std::fprintf(stderr, "Cannot find suitable size, barcode too long\n");
                    return {};
                }
                for (const auto& m : sizes)
                    if (m.bytes == need && encodeAt(m)) {
                        matrix = &m;
                        break;
                    }
                if (!matrix && !encoding.isEmpty()) {
                    encoding = encmake(barcodelen, barcode, &need, false);
                    // The cost model counts what the encodation needs; the
                    // first size whose codewords really take it is used.
                    for (const auto& m : sizes)
                        if (m.bytes >= need && encodeAt(m)) {
                            matrix = &m;
                            break;
                        }
                }
                if (!matrix && encoding.isEmpty() && encodeAt(sizes.front()))
                    matrix = &sizes.front();
            } else {
                // A character the encodation cannot take fails at every size:
                // try the largest once, so that the reason is reported once.
                if (!encodeAt(sizes.back())) {
                    std::fprintf(stderr, "Cannot find suitable size, barcode too long\n");
                    return {};
                }
                for (const auto& m : sizes)
                    if (encodeAt(m)) {
                        matrix = &m;
                        break;
                    }
            }
            if (!matrix) {
                std::fprintf(stderr, "Cannot find suitable size, barcode too long\n");
                return {};
            }
            W = matrix->W;
            H = matrix->H;
        }

        ecc200(binary.data(), matrix->bytes, matrix->datablock, matrix->rsblock);

        const int FW = matrix->FW, FH = matrix->FH;
        const int NC = W - 2 * (W / FW);
        const int NR = H - 2 * (H / FH);
        std::vector<int> places(static_cast<size_t>(NC * NR));
        ecc200placement(places.data(), NR, NC);
        std::vector<uint8_t> grid(static_cast<size_t>(W * H), 0);
        for (int y = 0; y < H; y += FH) {
            for (int x = 0; x < W; ++x)
                grid[static_cast<size_t>(y * W + x)] = 1;
            for (int x = 0; x < W; x += 2)
                grid[static_cast<size_t>((y + FH - 1) * W + x)] = 1;
        }
        for (int x = 0; x < W; x += FW) {
            for (int y = 0; y < H; ++y)
                grid[static_cast<size_t>(y * W + x)] = 1;
            for (int y = 0; y < H; y += 2)
                grid[static_cast<size_t>(y * W + x + FW - 1)] = 1;
        }
        for (int y = 0; y < NR; ++y)
            for (int x = 0; x < NC; ++x) {
                const int v = places[static_cast<size_t>((NR - y - 1) * NC + x)];
                if (v == 1 || (v > 7 && (binary[static_cast<size_t>((v >> 3) - 1)] & (1 << (v & 7)))))
                    grid[static_cast<size_t>((1 + y + 2 * (y / (FH - 2))) * W + 1 + x + 2 * (x / (FW - 2)))] = 1;
            }

        if (Wptr)
            *Wptr = W;
        if (Hptr)
            *Hptr = H;
        if (encodingptr)
            *encodingptr = encoding;
        if (lenp)
            *lenp = len;
        if (maxp)
            *maxp = matrix->bytes;
        if (eccp)
            *eccp = (matrix->bytes + 2) / matrix->datablock * matrix->rsblock;
        return grid;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "Malloc(%d) failed\n", barcodelen);
        return {};
    }
}

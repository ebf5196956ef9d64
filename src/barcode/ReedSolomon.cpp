#include "barcode/ReedSolomon.h"

#include <cstddef>

void rs_init_gf(zelk::ReedSolomon& rs, int poly) {
    int m = 0;
    for (int b = 1; b <= poly; b <<= 1)
        ++m;
    --m;
    rs.symsize = m;
    rs.logmod = (1 << m) - 1;
    rs.logt.assign(static_cast<size_t>(rs.logmod + 1), 0);
    rs.alog.assign(static_cast<size_t>(rs.logmod), 0);
    for (int p = 1, v = 0; v < rs.logmod; ++v) {
        rs.alog[static_cast<size_t>(v)] = p;
        rs.logt[static_cast<size_t>(p)] = v;
        p <<= 1;
        if (p & (1 << m))
            p ^= poly;
    }
}

void rs_init_code(zelk::ReedSolomon& rs, int nsym, int index) {
    rs.rlen = nsym;
    rs.rspoly.assign(static_cast<size_t>(nsym + 1), 0);
    rs.rspoly[0] = 1;
    for (int i = 1; i <= nsym; ++i) {
        rs.rspoly[static_cast<size_t>(i)] = 1;
        for (int k = i - 1; k > 0; --k) {
            int& c = rs.rspoly[static_cast<size_t>(k)];
            if (c)
                c = rs.alog[static_cast<size_t>((rs.logt[static_cast<size_t>(c)] + index) % rs.logmod)];
            c ^= rs.rspoly[static_cast<size_t>(k - 1)];
        }
        int& c0 = rs.rspoly[0];
        c0 = rs.alog[static_cast<size_t>((rs.logt[static_cast<size_t>(c0)] + index) % rs.logmod)];
        ++index;
    }
}

void rs_encode(const zelk::ReedSolomon& rs, int len, const uint8_t* data, uint8_t* res) {
    const int n = rs.rlen;
    for (int i = 0; i < n; ++i)
        res[i] = 0;
    for (int i = 0; i < len; ++i) {
        const int m = res[n - 1] ^ data[i];
        for (int k = n - 1; k > 0; --k) {
            if (m && rs.rspoly[static_cast<size_t>(k)])
                res[k] = static_cast<uint8_t>(
                    res[k - 1] ^ rs.alog[static_cast<size_t>((rs.logt[static_cast<size_t>(m)] +
                                                               rs.logt[static_cast<size_t>(rs.rspoly[static_cast<size_t>(k)])]) %
                                                              rs.logmod)]);
            else
                res[k] = res[k - 1];
        }
        if (m && rs.rspoly[0])
            res[0] = static_cast<uint8_t>(
                rs.alog[static_cast<size_t>((rs.logt[static_cast<size_t>(m)] + rs.logt[static_cast<size_t>(rs.rspoly[0])]) %
                                            rs.logmod)]);
        else
            res[0] = 0;
    }
}

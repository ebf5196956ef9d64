#pragma once
// Reed-Solomon check symbols over GF(2^m) for the DataMatrix encoder. The
// state lives in one object per encoding, so encodings may run on any thread.
#include <cstdint>
#include <vector>

namespace zelk {

struct ReedSolomon {
    int symsize = 0;           // bits per symbol
    int logmod = 0;            // 2^symsize - 1
    std::vector<int> logt;     // log table
    std::vector<int> alog;     // antilog table
    std::vector<int> rspoly;   // generator polynomial, lowest order first
    int rlen = 0;              // number of check symbols
};

}  // namespace zelk

// Field of 2^m elements from the primitive polynomial `poly` (m its degree).
void rs_init_gf(zelk::ReedSolomon& rs, int poly);
// Generator with roots a^index .. a^(index + nsym - 1).
void rs_init_code(zelk::ReedSolomon& rs, int nsym, int index);
// Check symbols of `len` data symbols; res[rlen - 1] is the highest-order
// coefficient, transmitted first.
void rs_encode(const zelk::ReedSolomon& rs, int len, const uint8_t* data, uint8_t* res);

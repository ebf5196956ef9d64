#pragma once
// DataMatrix ECC200 encoder (ISO/IEC 16022): symbol size, encodation by a
// least-cost search over ASCII, C40, Text, X12, EDIFACT and Base256, pad and
// Reed-Solomon codewords, module placement with finder and clock patterns.
#include <QByteArray>
#include <cstdint>
#include <vector>

// One symbol size of ISO/IEC 16022 (ECC200 symbol attributes).
struct ecc200matrix_s {
    int H, W;            // modules
    int FH, FW;          // data region with its finder and clock border
    int bytes;           // data codewords
    int datablock;       // data codewords per interleaved block
    int rsblock;         // error correction codewords per block
};

// The 30 sizes in the order in which "first fits" takes them.
const std::vector<ecc200matrix_s>& ecc200matrix();

// Encodes `barcode` (`barcodelen` bytes). *Wptr and *Hptr: the requested size
// or 0 for automatic; on success the symbol's size. encoding: one letter of
// "ACTXEB" per input byte, or null/empty for automatic. Returns the module
// grid, W × H bytes, row 0 the bottom row, 1 dark; empty after one line on
// standard error when the data does not fit (or memory runs out).
std::vector<uint8_t> iec16022ecc200(int* Wptr, int* Hptr, QByteArray* encoding, int barcodelen,
                                    const unsigned char* barcode, int* lenp, int* maxp, int* eccp);

// The least-cost encodation string; empty for empty input; a null array for
// more than 3,116 bytes. *lenp: the codewords it needs.
QByteArray encmake(int l, const unsigned char* s, int* lenp, bool exact);

// Data codewords of `s` in `encoding` into t (capacity tl), pads included.
bool ecc200encode(unsigned char* t, int tl, const unsigned char* s, int sl, const char* encoding, int* lenp);

// Appends the error correction codewords, interleaved as ISO/IEC 16022 has
// it: codeword j of the whole stream belongs to block j mod blocks.
void ecc200(unsigned char* binary, int bytes, int datablock, int rsblock);

// Module placement of ISO/IEC 16022 over nrow × ncol data modules: each
// position gets 8 × codeword (from 1) + bit (7 most significant), or 1 for
// the fixed dark modules of the bottom-right corner.
void ecc200placement(int* array, int nrow, int ncol);

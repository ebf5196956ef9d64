#pragma once
// PDF417 encoder (ISO/IEC 15438): text, numeric and byte compaction,
// Reed-Solomon error correction over GF(929), the automatic layout of rows
// and columns, and the rows painted as a bitmap of modules.
#include <cstdint>

constexpr int PDF417_FIXED_RECTANGLE = 1;
constexpr int PDF417_FIXED_COLUMNS = 2;
constexpr int PDF417_FIXED_ROWS = 4;
constexpr int PDF417_USE_ERROR_LEVEL = 16;
constexpr int PDF417_USE_RAW_CODEWORDS = 64;
constexpr int PDF417_INVERT_BITMAP = 128;

constexpr int PDF417_ERROR_SUCCESS = 0;
constexpr int PDF417_ERROR_TEXT_TOO_BIG = 1;
constexpr int PDF417_ERROR_INVALID_PARAMS = 2;

struct pdf417param {
    char* outBits = nullptr;  // rows top to bottom, each padded to whole bytes, MSB first
    int lenBits = 0;
    int bitColumns = 0;       // modules per row
    int codeRows = 0;         // 3 to 90
    int codeColumns = 0;      // data columns, 1 to 30
    int codewords[928] = {};  // codewords[0] is the symbol length descriptor
    int lenCodewords = 0;
    int errorLevel = 0;       // 0 to 8
    const char* text = "";
    int lenText = -1;         // negative: up to the terminating zero byte
    int options = 0;
    float aspectRatio = 0.5f;
    float yHeight = 3.0f;
    int error = 0;
};

void pdf417init(pdf417param* param);
void pdf417free(pdf417param* param);

// Encodes and paints. On error (`error` 1 or 2) no bitmap is made.
void paintCode(pdf417param* p);

namespace zelk {

// The 929 bar-space patterns of cluster 0, 3 or 6 (given as 0, 1 or 2), 17
// modules each, the first module the most significant bit, 1 a bar; null
// for another cluster.
const int* pdf417ClusterPatterns(int cluster);

// The GF(929) generator coefficients of an error correction level (0..8),
// lowest order first; 2^(level+1) of them.
const int* pdf417ErrorLevelCoefficients(int level);

}  // namespace zelk

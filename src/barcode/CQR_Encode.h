#pragma once
// QR Code model 2 encoder (ISO/IEC 18004): segmentation into numeric,
// alphanumeric, 8-bit byte and Kanji segments, Reed-Solomon error correction,
// module placement and the choice of the data mask by penalty score.
#include <cstdint>

constexpr int QR_LEVEL_L = 0;
constexpr int QR_LEVEL_M = 1;
constexpr int QR_LEVEL_Q = 2;
constexpr int QR_LEVEL_H = 3;

constexpr int QR_MODE_NUMERAL = 0;
constexpr int QR_MODE_ALPHABET = 1;
constexpr int QR_MODE_8BIT = 2;
constexpr int QR_MODE_KANJI = 3;

constexpr int QR_VRESION_S = 0;  // versions 1 to 9
constexpr int QR_VRESION_M = 1;  // versions 10 to 26
constexpr int QR_VRESION_L = 2;  // versions 27 to 40

constexpr int MAX_ALLCODEWORD = 3706;   // total codewords of version 40
constexpr int MAX_DATACODEWORD = 2956;  // data codewords of version 40-L
constexpr int MAX_CODEBLOCK = 153;      // longest block, data and check codewords
constexpr int MAX_MODULESIZE = 177;     // modules per side of version 40

struct QR_RSBLOCKINFO {
    int ncRSBlock = 0;       // number of blocks of this group
    int ncAllCodeWord = 0;   // codewords per block
    int ncDataCodeWord = 0;  // data codewords per block
};

struct QR_VERSIONINFO {
    int nVersionNo = 0;
    int ncAllCodeWord = 0;
    int ncDataCodeWord[4] = {};  // L, M, Q, H
    int ncAlignPoint = 0;        // alignment coordinates stored (6 is never stored)
    int nAlignPoint[6] = {};
    QR_RSBLOCKINFO RS_BlockInfo1[4];
    QR_RSBLOCKINFO RS_BlockInfo2[4];
};

// Version table of ISO/IEC 18004 (error correction characteristics and
// alignment pattern positions), index 0 empty, index v for version v.
const QR_VERSIONINFO* QR_VersonInfo();

// Data capacity in bits, indexed by (version - 1) * 4 + level.
int data_bit_size_array(int index);

class CQR_Encode {
public:
    CQR_Encode() = default;

    // Builds a symbol into m_byModuleData and m_nSymbleSize. nVersion 0 is
    // "Auto"; a larger version than requested is taken only with
    // bAutoExtent. nMaskingNo -1 chooses the mask by penalty score.
    // ncSource <= 0 means up to the terminating zero byte.
    bool EncodeData(int nLevel, int nVersion, bool bAutoExtent, int nMaskingNo,
                    const char* lpsSource, int ncSource = 0);

    // Off for text that is known not to be Shift JIS (for instance UTF-8):
    // then no byte pair is taken for a Kanji character.
    void setKanjiAllowed(bool allowed) { m_bKanjiAllowed = allowed; }
    // An ECI designator (0 to 127) written before the data, naming the
    // character set of the 8-bit segments; -1 writes none.
    void setEci(int designator) { m_nEci = designator; }

    int Get_Encoding_Mode(const uint8_t* lpsSource, int ncLength) const;
    bool IsKanjiPair(const uint8_t* s, int i, int ncLength) const;

    int m_nLevel = 0;
    int m_nVersion = 0;
    int m_nVersion_pass = 0;
    bool m_bAutoExtent = false;
    int m_nMaskingNo = -1;
    int m_nSymbleSize = 0;
    uint8_t m_byModuleData[MAX_MODULESIZE][MAX_MODULESIZE] = {};  // [x][y]

    int m_ncDataCodeWordBit = 0;
    uint8_t m_byDataCodeWord[MAX_DATACODEWORD] = {};

    int m_ncDataBlock = 0;
    uint8_t m_byBlockMode[MAX_DATACODEWORD] = {};
    int m_nBlockLength[MAX_DATACODEWORD] = {};

    int m_ncAllCodeWord = 0;
    uint8_t m_byAllCodeWord[MAX_ALLCODEWORD] = {};
    uint8_t m_byRSWork[MAX_CODEBLOCK] = {};

    static bool IsNumeralData(uint8_t c);
    static bool IsAlphabetData(uint8_t c);
    static bool IsKanjiData(uint8_t c1, uint8_t c2);
    static uint8_t AlphabetToBinaly(uint8_t c);
    static int KanjiToBinaly(int wc);
    static int GetBitLength(int nMode, int ncData, int nVerGroup);
    static int min(int a, int b) { return a < b ? a : b; }

private:
    int GetEncodeVersion(int nVersion, const uint8_t* lpsSource, int ncLength);
    bool EncodeSourceData(const uint8_t* lpsSource, int ncLength, int nVerGroup);
    int SetBitStream(int nIndex, int wData, int ncData);
    void GetRSCodeWord(uint8_t* lpbyRSWork, int ncDataCodeWord, int ncRSCodeWord);
    void FormatModule();
    void SetFunctionModule();
    void SetFinderPattern(int x, int y);
    void SetAlignmentPattern(int x, int y);
    void SetVersionPattern();
    void SetCodeWordPattern();
    void SetMaskingPattern(int nPatternNo);
    void SetFormatInfoPattern(int nPatternNo);
    int CountPenalty() const;
    void removeBlock(int index);

    bool m_bKanjiAllowed = true;
    int m_nEci = -1;
};

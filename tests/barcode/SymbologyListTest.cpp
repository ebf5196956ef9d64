// The stored list of symbology titles.
#include <gtest/gtest.h>

#include "barcode/BarcodeSymbologies.h"
#include "barcode/NKDBarcodeFactory.h"

using namespace zelk;

// Stored designs hold the position of their symbology: a reordered list
// would change the kind of every barcode in older files.
TEST(SymbologyList, StoredPositionsStay) {
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("Code 39")), 0);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("Code 128")), 9);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("QR Code")), 19);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("DataMatrix")), 21);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("AZTEC")), -1);
}

TEST(SymbologyList, EveryLinearTitleMakesAnObjectAndOnlyThreeAreTwoD) {
    int twoD = 0;
    for (const QString& title : BarcodeSymbologies::titles()) {
        SCOPED_TRACE(title.toStdString());
        if (BarcodeSymbologies::isTwoD(title)) {
            ++twoD;
            EXPECT_FALSE(BarcodeSymbologies::isLinear(title));
            EXPECT_FALSE(NKDBarcodeFactory::create(title, QStringLiteral("0123"), true));
        } else {
            EXPECT_TRUE(BarcodeSymbologies::isLinear(title));
            EXPECT_TRUE(NKDBarcodeFactory::create(title, QStringLiteral("0123"), true));
        }
    }
    EXPECT_EQ(twoD, 3);
    EXPECT_FALSE(BarcodeSymbologies::isTwoD(QStringLiteral("CODE_128")));
}

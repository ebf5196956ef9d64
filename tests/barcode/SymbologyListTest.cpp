// The stored list of symbology titles.
#include <gtest/gtest.h>

#include "barcode/BarcodeSymbologies.h"
#include "barcode/NKDBarcodeFactory.h"

using namespace zelk;

TEST(SymbologyList, FixedOrderAndLookups) {
    const QStringList& t = BarcodeSymbologies::titles();
    EXPECT_EQ(t.size(), 22);
    EXPECT_EQ(t.first(), QStringLiteral("Code 39"));
    EXPECT_EQ(t.size(), QSet<QString>(t.begin(), t.end()).size());
    for (int i = 0; i < t.size(); ++i) {
        EXPECT_EQ(BarcodeSymbologies::indexOf(t.at(i)), i);
        EXPECT_EQ(BarcodeSymbologies::titleAt(i), t.at(i));
    }
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("AZTEC")), -1);
    EXPECT_TRUE(BarcodeSymbologies::titleAt(-1).isEmpty());
    EXPECT_TRUE(BarcodeSymbologies::titleAt(t.size()).isEmpty());
    // Stored designs rely on these positions.
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("Code 128")), 9);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("Japan Post Barcode")), 18);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("QR Code")), 19);
    EXPECT_EQ(BarcodeSymbologies::indexOf(QStringLiteral("DataMatrix")), 21);
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

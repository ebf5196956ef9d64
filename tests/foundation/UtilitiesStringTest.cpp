#include "foundation/Utilities.h"

#include <gtest/gtest.h>

namespace {

struct TrimCase {
    const char* what;
    QString in;
    QString out;
};

}  // namespace

TEST(UtilitiesString, TrimStrTakesBlanksAndControlCharactersOffBothEndsOnce) {
    const TrimCase cases[] = {
        {"plain", QStringLiteral("  name  "), QStringLiteral("name")},
        {"line breaks and tabs", QStringLiteral("\n\t name \r\n"), QStringLiteral("name")},
        {"unicode blanks", QStringLiteral("\u00a0\u2028name\u3000\u0085"), QStringLiteral("name")},
        {"inner blanks kept", QStringLiteral(" first  last "), QStringLiteral("first  last")},
        {"control characters", QStringLiteral("\x01\x02name\x7f"), QStringLiteral("name")},
        {"format characters", QStringLiteral("\u200bname\ufeff"), QStringLiteral("name")},
        // Mixed in any order, all go at once: trimming again changes nothing.
        {"blank behind control", QStringLiteral("\x01 name \x02"), QStringLiteral("name")},
        {"zero-width space around a blank", QStringLiteral("\u200b \u200b"), QStringLiteral("")},
        {"layers of both", QStringLiteral("\ufeff \x01\t\u200b name\u200b \x02 \ufeff"), QStringLiteral("name")},
        {"control behind blank", QStringLiteral(" \x01name\x02 "), QStringLiteral("name")},
        {"only blanks", QStringLiteral(" \t\n "), QStringLiteral("")},
        {"only controls", QStringLiteral("\x01\x02"), QStringLiteral("")},
        {"astral text kept", QStringLiteral(" \U0001F600 "), QStringLiteral("\U0001F600")},
        {"astral format character", QStringLiteral("\U000E0001a\U000E0001"), QStringLiteral("a")},
        {"empty", QStringLiteral(""), QStringLiteral("")},
    };
    for (const TrimCase& c : cases) {
        EXPECT_EQ(Trim_Str(c.in), c.out) << c.what;
        EXPECT_EQ(Trim_Str(Trim_Str(c.in)), Trim_Str(c.in)) << c.what;
        EXPECT_FALSE(Trim_Str(c.in).isNull()) << c.what;
    }
    EXPECT_TRUE(Trim_Str(QString()).isNull());
}

TEST(UtilitiesString, RemoveReserveCharTrimsReservedEndsAndReplacesInnerSlashes) {
    const TrimCase cases[] = {
        {"clean", QStringLiteral("Card 1"), QStringLiteral("Card 1")},
        {"reserved at both ends", QStringLiteral("/\\?%*|\"<>Card<>\"|*%?\\/"), QStringLiteral("Card")},
        {"inner slash", QStringLiteral("Front/Back"), QStringLiteral("Front_Back")},
        {"inner reserved kept", QStringLiteral("a?b*c|d"), QStringLiteral("a?b*c|d")},
        {"blank after trimming", QStringLiteral("* name *"), QStringLiteral("name")},
        {"blank shields reserved", QStringLiteral(" *name* "), QStringLiteral("*name*")},
        {"only reserved", QStringLiteral("/?*"), QStringLiteral("")},
        {"slashes inside blanks", QStringLiteral("/ a/b /"), QStringLiteral("a_b")},
        {"empty", QStringLiteral(""), QStringLiteral("")},
    };
    for (const TrimCase& c : cases)
        EXPECT_EQ(Remove_Reserve_Char_In_File_Name(c.in), c.out) << c.what;
    EXPECT_TRUE(Remove_Reserve_Char_In_File_Name(QString()).isEmpty());
}

TEST(UtilitiesString, SubstringsClampTheirIndex) {
    const QString s = QStringLiteral("Zelk");
    struct Case { qsizetype n; const char* left; const char* from; };
    const Case cases[] = {
        {0, "", "Zelk"}, {3, "Zel", "k"}, {4, "Zelk", ""}, {1000, "Zelk", ""}, {-1, "", "Zelk"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Left_Str_substringToIndex(s, c.n), QString::fromUtf8(c.left)) << c.n;
        EXPECT_EQ(Read_Str_FromIndex(s, c.n), QString::fromUtf8(c.from)) << c.n;
    }
    for (qsizetype n : {0, 3, 100}) {
        EXPECT_TRUE(Left_Str_substringToIndex(QString(), n).isEmpty());
        EXPECT_TRUE(Read_Str_FromIndex(QString(), n).isEmpty());
    }
}

TEST(UtilitiesString, EmptyPatternsFindAndReplaceNothing) {
    EXPECT_TRUE(Find_Str_Case_Insensitive(QStringLiteral("Fup_Photo"), QStringLiteral("fup_")));
    EXPECT_FALSE(Find_Str(QStringLiteral("Fup_Photo"), QStringLiteral("fup_")));
    EXPECT_FALSE(Find_Str(QStringLiteral("Fup_Photo"), QString()));
    EXPECT_FALSE(Find_Str_Case_Insensitive(QStringLiteral("Fup_Photo"), QString()));
    EXPECT_FALSE(Find_Str(QString(), QString()));
    EXPECT_EQ(Replace_char_in_string(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
}

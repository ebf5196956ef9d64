#include "foundation/Units.h"
#include "foundation/ValueCodecs.h"

#include "TestSupport.h"

#include <QLocale>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

bool sameColor(const QColor& a, const QColor& b) {
    return a.rgba64() == b.rgba64();
}

}  // namespace

TEST(ValueCodecs, ColourTextReadsTheOneDecimalFormAndMalformedGivesClear) {
    const QColor clear = QColor::fromRgbF(0, 0, 0, 0);
    struct Case { const char* text; QColor expected; };
    const Case cases[] = {
        {"1.0:0.0:0.0:1.0", QColor::fromRgbF(1, 0, 0, 1)},
        {"0.5:0.2:0.8:0.3", QColor::fromRgbF(0.5f, 0.2f, 0.8f, 0.3f)},
        {"0:1:0:1", QColor::fromRgbF(0, 1, 0, 1)},
        {" 0.1 : 0.2 : 0.3 : 0.4 ", QColor::fromRgbF(0.1f, 0.2f, 0.3f, 0.4f)},
        {"1.5:-0.5:0.0:2.0", QColor::fromRgbF(1, 0, 0, 1)},  // out of range clamps
        {"0.123457:0.5:1:0.25", QColor::fromRgbF(0.123457f, 0.5f, 1, 0.25f)},
        {"", clear},
        {"0.5:0.5:0.5", clear},
        {"red", clear},
        {"0,5:0,5:0,5:1,0", clear},
        {"0.5:x:0.5:1.0", clear},
        {"nan:0:0:1", clear},
    };
    for (const Case& c : cases) {
        const QColor got = Convert_String_to_Color(QString::fromUtf8(c.text));
        EXPECT_TRUE(sameColor(got, c.expected)) << c.text << " -> " << got.name(QColor::HexArgb).toStdString();
        EXPECT_TRUE(sameColor(zelk::colorFromString(QString::fromUtf8(c.text)), got)) << c.text;
    }
    EXPECT_TRUE(sameColor(Convert_String_to_Color(QString()), clear));
}

TEST(ValueCodecs, ColourSurvivesASaveUnchanged) {
    const QColor colours[] = {
        QColor(0, 0, 0), QColor(255, 255, 255), QColor(12, 34, 56, 78), QColor(1, 2, 3, 4),
        QColor::fromRgbF(0.33333f, 0.66667f, 0.1f, 0.999f), QColor(Qt::transparent), QColor(200, 100, 50),
        QColor::fromHsv(200, 120, 80),
    };
    for (const QColor& c : colours) {
        const QString text = zelk::colorToString(c);
        const QColor back = Convert_String_to_Color(text);
        EXPECT_TRUE(sameColor(back, c.toRgb())) << text.toStdString();
        EXPECT_EQ(zelk::colorToString(back), text);
        // Every component is a plain number a float parser reads.
        for (const QString& part : text.split(QLatin1Char(':'))) {
            bool ok = false;
            part.toDouble(&ok);
            EXPECT_TRUE(ok) << text.toStdString();
        }
    }
    EXPECT_EQ(zelk::colorToString(QColor::fromRgbF(1, 0, 0.5f, 1)), QStringLiteral("1.0:0.0:0.5:1.0"));
    EXPECT_EQ(zelk::colorToString(QColor()), QStringLiteral("0.0:0.0:0.0:0.0"));
}

TEST(ValueCodecs, FontTextCarriesNameSizeAndFace) {
    QFont bold(QStringLiteral("DejaVu Sans"));
    bold.setPointSizeF(12.5);
    bold.setBold(true);
    EXPECT_EQ(zelk::fontToString(bold), QStringLiteral("DejaVu Sans-Bold::::12.50"));

    struct Case { const char* text; const char* family; double size; bool bold; bool italic; };
    const Case good[] = {
        {"DejaVu Sans::::12.00", "DejaVu Sans", 12.0, false, false},
        {"Helvetica-Bold::::9.50", "Helvetica", 9.5, true, false},
        {"Times-BoldItalic::::30.25", "Times", 30.25, true, true},
        {"Courier-Oblique::::8.00", "Courier", 8.0, false, true},
        {"Odd:Name:::::11.00", "Odd:Name:", 11.0, false, false},
        {"Serif::::7", "Serif", 7.0, false, false},
    };
    for (const Case& c : good) {
        QFont f;
        ASSERT_TRUE(zelk::tryFontFromString(QString::fromUtf8(c.text), f)) << c.text;
        EXPECT_EQ(f.family(), QString::fromUtf8(c.family)) << c.text;
        EXPECT_DOUBLE_EQ(f.pointSizeF(), c.size) << c.text;
        EXPECT_EQ(f.bold(), c.bold) << c.text;
        EXPECT_EQ(f.italic(), c.italic) << c.text;
        EXPECT_EQ(zelk::fontFromString(zelk::fontToString(f)), f) << c.text;
    }

    QFont fallback(QStringLiteral("DejaVu Serif"));
    fallback.setPointSizeF(10);
    const char* bad[] = {"", "DejaVu Sans", "::::12.00", "DejaVu Sans::::", "DejaVu Sans::::big",
                         "DejaVu Sans::::-3", "DejaVu Sans::::0", "DejaVu Sans::::1e9", "DejaVu Sans::::12,00"};
    for (const char* text : bad) {
        QFont f = fallback;
        EXPECT_FALSE(zelk::tryFontFromString(QString::fromUtf8(text), f)) << text;
        EXPECT_EQ(f, fallback) << text;
        EXPECT_EQ(zelk::fontFromString(QString::fromUtf8(text), fallback), fallback) << text;
    }
}

TEST(ValueCodecs, Flags) {
    EXPECT_EQ(zelk::flagToString(true), QStringLiteral("Y"));
    EXPECT_EQ(zelk::flagToString(false), QStringLiteral("N"));
    struct Case { const char* text; bool value; };
    const Case cases[] = {{"Y", true}, {" Y\n", true}, {"N", false}, {"y", false}, {"YES", false}, {"", false}};
    for (const Case& c : cases)
        EXPECT_EQ(zelk::flagFromString(QString::fromUtf8(c.text)), c.value) << c.text;
}

// Stored numbers use "." even when the user's locale writes decimal commas,
// both Qt's default locale and the C library's LC_NUMERIC.
TEST(ValueCodecs, GermanLocaleStillWritesPoints) {
    QTemporaryDir locales;
    ASSERT_TRUE(locales.isValid());
    const auto made = zelk::test::runTool(QStringLiteral("localedef"),
        {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
         locales.filePath(QStringLiteral("de_DE.UTF-8"))});
    ASSERT_TRUE(made.started);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QByteArray oldLocPath = qgetenv("LOCPATH");
    qputenv("LOCPATH", locales.path().toLocal8Bit());
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    EXPECT_STREQ(probe, "1,5");  // the C library really is German now
    EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1,5"));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(12.5);
    const QString colour = zelk::colorToString(QColor::fromRgbF(0.5f, 0.25f, 1, 0.75f));
    const QString fontText = zelk::fontToString(font);
    const QColor readBack = Convert_String_to_Color(QStringLiteral("0.5:0.0:1.0:1.0"));
    QFont fontBack;
    const bool fontRead = zelk::tryFontFromString(QStringLiteral("Serif::::9.75"), fontBack);

    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    if (oldLocPath.isNull())
        qunsetenv("LOCPATH");
    else
        qputenv("LOCPATH", oldLocPath);

    EXPECT_EQ(colour, QStringLiteral("0.5:0.25:1.0:0.75"));
    EXPECT_EQ(fontText, QStringLiteral("DejaVu Sans::::12.50"));
    EXPECT_TRUE(sameColor(readBack, QColor::fromRgbF(0.5f, 0, 1, 1)));
    ASSERT_TRUE(fontRead);
    EXPECT_DOUBLE_EQ(fontBack.pointSizeF(), 9.75);
}

TEST(Units, ConversionsBetweenPointsAndTheDisplayUnits) {
    EXPECT_NEAR(MM_to_Points_Convert(85.6), 242.6456692913, 1e-9);  // CR80 width
    EXPECT_NEAR(Points_to_MM_Convert(MM_to_Points_Convert(53.98)), 53.98, 1e-9);
    // The size fields hold single-precision lengths; the expected values are
    // the products worked out in single precision by hand.
    using U = zelk::MeasureUnit;
    struct Case { U unit; float value; float points; };
    const Case cases[] = {
        {U::Inch, 3.0f, 215.99998f},   // 3 x 25.4 mm, 76.2 mm short by its last bit
        {U::Inch, 1.5f, 107.99999f},
        {U::Inch, 2.0f, 144.0f},
        {U::Inch, 0.0f, 0.0f},
        {U::Cm, 2.54f, 72.0f},
        {U::Mm, -10.0f, -28.346457f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zelk::toPoints(c.value, c.unit), c.points) << int(c.unit) << " " << c.value;
    EXPECT_EQ(zelk::fromPoints(144.0f, U::Inch), 2.0f);
    // 85.6 mm in inches and back: 85.6 within single-precision rounding.
    const float inches = 85.6f * zelk::unitFactor(U::Mm, U::Inch);
    EXPECT_EQ(inches, 3.3700786f);
    EXPECT_EQ(inches * zelk::unitFactor(U::Inch, U::Mm), 85.59999f);
    for (auto [from, into] : {std::pair{-1, 2}, {2, 3}, {7, 7}})
        EXPECT_EQ(zelk::unitFactor(from, into), 1.0f) << from << " " << into;
}

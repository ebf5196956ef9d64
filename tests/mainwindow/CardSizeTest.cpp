// Card-size lookups, the card wizard's sizes and what a size change does.
#include "foundation/SKTGraphic.h"
#include "foundation/Units.h"
#include "mainwindow/CardSizeChange.h"
#include "mainwindow/CardSizePresets.h"
#include "mainwindow/CardWizard.h"
#include "mainwindow/DesignFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double tol = 0.05;  // mm: the presets are given to 0.1 mm

TEST(CardSizePresets, PortraitSwapsTheSidesAndUnknownIndexesGiveNoSize) {
    for (int category : {0, 1, 7}) {  // any category other than 0 is paper
        const QSizeF h = CardSizePresets::Get_My_card_Size(category, QStringLiteral("H"), 0);
        const QSizeF v = CardSizePresets::Get_My_card_Size(category, QStringLiteral("V"), 0);
        EXPECT_GT(h.width(), h.height()) << category;
        EXPECT_EQ(v, h.transposed()) << category;
    }
    EXPECT_NEAR(CardSizePresets::Get_My_card_Size(0, QStringLiteral("H"), 0).width(), 85.6, tol);  // CR80
    for (int index : {-1, 1000})
        EXPECT_TRUE(CardSizePresets::Get_My_card_Size(0, QStringLiteral("H"), index).isEmpty()) << index;
}

TEST(CardWizard, CustomSizesInEachUnitAndTheirLimits) {
    struct Case {
        double w, h;
        zelk::MeasureUnit unit;
        double wMm, hMm;  // 0: refused
    };
    const Case cases[] = {
        {3.375, 2.125, zelk::MeasureUnit::Inch, 85.725, 53.975},
        {8.56, 5.4, zelk::MeasureUnit::Cm, 85.6, 54.0},
        {100, 70, zelk::MeasureUnit::Mm, 100, 70},
        {0, 54, zelk::MeasureUnit::Mm, 0, 0},
        {-85, 54, zelk::MeasureUnit::Mm, 0, 0},
        {85, 4, zelk::MeasureUnit::Mm, 0, 0},
        {50, 50, zelk::MeasureUnit::Cm, 0, 0},  // 500 mm: beyond A3
        {std::nan(""), 54, zelk::MeasureUnit::Mm, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " unit " << int(c.unit));
        zelk::CardWizardChoice choice;
        choice.customSize = true;
        choice.customWidth = c.w;
        choice.customHeight = c.h;
        choice.customUnit = c.unit;
        const QSizeF mm = CardWizard::cardSizeMm(choice);
        if (c.wMm == 0) {
            EXPECT_TRUE(mm.isEmpty());
            EXPECT_EQ(CardWizard::validate(choice), CardWizard::InvalidSizeMessage);
            zelk::DesignContents design;
            design.Start_Card_Option = QStringLiteral("L");
            EXPECT_FALSE(CardWizard::applyTo(choice, design));
            EXPECT_EQ(design.Start_Card_Option, QStringLiteral("L"));
        } else {
            EXPECT_NEAR(mm.width(), c.wMm, 1e-5);  // single precision
            EXPECT_NEAR(mm.height(), c.hMm, 1e-5);
        }
    }
}

TEST(CardWizard, AppliesAnEmptyDesignOfTheChosenCard) {
    zelk::DesignContents design;
    design.frontGraphics << zelk::makeGraphic(zelk::GraphicKind::Text);
    zelk::CardWizardChoice choice;  // CR80, landscape, two sides
    choice.orientation = QStringLiteral("V");
    choice.twoSided = false;
    choice.cardShape = 1;
    ASSERT_TRUE(CardWizard::applyTo(choice, design));
    EXPECT_TRUE(design.frontGraphics.isEmpty());
    EXPECT_EQ(design.Start_Card_Option, QStringLiteral("W"));
    EXPECT_EQ(design.CARD_SIDE_STR, QStringLiteral("1"));
    EXPECT_EQ(design.Card_Shape, 1);
    EXPECT_EQ(CardWizard::totalSide(choice), QStringLiteral("1"));
    for (const Card_Property* p : {&design.Front_card_Prop, &design.Back_card_Prop}) {
        EXPECT_NEAR(p->Card_Size.width(), 54.0 * zelk::pointsPerMm, 1e-6);
        EXPECT_NEAR(p->Card_Size.height(), 85.6 * zelk::pointsPerMm, 1e-6);
        EXPECT_EQ(p->Card_Side, QStringLiteral("1"));
    }
}

TEST(CardSizeChange, OrientationMarks) {
    EXPECT_EQ(CardSizeChange::orientationMark(QStringLiteral("/t/Press_2_L.png")), QChar('L'));
    EXPECT_EQ(CardSizeChange::orientationMark(QStringLiteral("/t/Press_2_P.did")), QChar('P'));
    for (const char* none : {"/t/Press_2.png", "/t/Press_2_l.png", "/t/_L", "/t/Press_2_X.png", "/t/PRESS_LL.png"})
        EXPECT_TRUE(CardSizeChange::orientationMark(QString::fromLatin1(none)).isNull()) << none;
    EXPECT_EQ(CardSizeChange::otherOrientationPath(QStringLiteral("/t/a.b_L.png")), QStringLiteral("/t/a.b_P.png"));
    EXPECT_EQ(CardSizeChange::otherOrientationPath(QStringLiteral("/t/a.png")), QString());
}

class SizeChangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"Badge_L.png", "Badge_L.did", "Badge_P.png", "Badge_P.did"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        auto g = zelk::makeGraphic(zelk::GraphicKind::Shape);
        g->setBounds(QRectF(10, 20, 30, 40));
        front << g;
        auto b = zelk::makeGraphic(zelk::GraphicKind::Text);
        b->setBounds(QRectF(0, 0, 100, 50));
        back << b;
    }
    CardSizeChange::Outcome change(const QSizeF& from, const QSizeF& to, const QString& name, bool untouched) {
        return CardSizeChange::Card_Control_Size_Change_or_not(
            front, back, from, to, name.isEmpty() ? QString() : dir.filePath(name), untouched,
            [this](const QString& design) {
                loaded << design;
                return loadSucceeds;
            });
    }
    QTemporaryDir dir;
    CardSizeChange::Graphics front, back;
    QStringList loaded;
    bool loadSucceeds = true;
};

TEST_F(SizeChangeTest, TurningAnUntouchedMarkedTemplateLoadsTheOtherOrientation) {
    EXPECT_EQ(change({200, 100}, {100, 200}, QStringLiteral("Badge_L.png"), true), CardSizeChange::TemplateSwapped);
    EXPECT_EQ(loaded, QStringList{dir.filePath(QStringLiteral("Badge_P.did"))});
    EXPECT_EQ(front.first()->bounds(), QRectF(10, 20, 30, 40));
}

TEST_F(SizeChangeTest, OtherwiseBothSidesAreMovedAndScaled) {
    struct Case {
        const char* name;
        bool untouched;
        QSizeF to;
    };
    const Case cases[] = {
        {"Badge_L.png", false, {100, 200}},  // touched design
        {"Plain.png", true, {100, 200}},     // no mark
        {"Badge_L.png", true, {400, 200}},   // same orientation, only larger
        {"Badge_P.png", true, {100, 200}},   // already portrait: no turn asked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        front.removeFirst();
        back.removeFirst();
        loaded.clear();
        EXPECT_EQ(change({200, 100}, c.to, QString::fromLatin1(c.name), c.untouched), CardSizeChange::GraphicsScaled);
        EXPECT_TRUE(loaded.isEmpty());
        const double sx = c.to.width() / 200.0, sy = c.to.height() / 100.0;
        EXPECT_EQ(front.first()->bounds(), QRectF(10 * sx, 20 * sy, 30 * sx, 40 * sy));
        EXPECT_EQ(back.first()->bounds(), QRectF(0, 0, 100 * sx, 50 * sy));
    }
}

TEST_F(SizeChangeTest, AFailedTemplateLoadFallsBackToScaling) {
    loadSucceeds = false;
    EXPECT_EQ(change({200, 100}, {100, 200}, QStringLiteral("Badge_L.png"), true), CardSizeChange::GraphicsScaled);
    EXPECT_EQ(front.first()->bounds(), QRectF(5, 40, 15, 80));
    // Without the other orientation's design there is nothing to load.
    QFile::remove(dir.filePath(QStringLiteral("Badge_P.did")));
    loaded.clear();
    loadSucceeds = true;
    EXPECT_EQ(change({100, 200}, {200, 100}, QStringLiteral("Badge_L.png"), true), CardSizeChange::GraphicsScaled);
    EXPECT_TRUE(loaded.isEmpty());
}

TEST_F(SizeChangeTest, SizesWithoutAreaChangeNothing) {
    for (const auto& [from, to] : {std::pair{QSizeF(0, 100), QSizeF(100, 100)}, {QSizeF(100, 100), QSizeF(100, 0)},
                                   {QSizeF(100, 100), QSizeF(100, 100)}, {QSizeF(-5, 10), QSizeF(10, 10)}}) {
        EXPECT_EQ(change(from, to, QStringLiteral("Badge_L.png"), true), CardSizeChange::Unchanged);
        EXPECT_EQ(front.first()->bounds(), QRectF(10, 20, 30, 40));
    }
}

}  // namespace

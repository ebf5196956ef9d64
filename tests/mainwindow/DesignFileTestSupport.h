#pragma once
// Designs for the design-file, graphic-record and backup tests: every kind of
// graphic and both card sides with every stored field off its default.
#include "../foundation/GraphicTestSupport.h"

#include "TestSupport.h"

#include "foundation/Card_Property.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTSignature.h"
#include "mainwindow/DesignFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace zelk::test {

// Lowers the largest file this process may write, as a full disk would stop
// a save part way, and puts it back afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A picture file on disk for image and signature graphics to load.
inline QString writePictureFile(const QDir& dir, const QString& name, QRgb seed) {
    const QString path = dir.filePath(name);
    makeTestPicture(23, 17, 0, seed).save(path, "PNG");
    return path;
}

// A graphic as a design holds it: every stored field off its default. Image
// and signature pictures come from `picturePath`; other kinds hold none.
inline std::shared_ptr<SKTGraphic> makeStorableGraphic(GraphicKind kind, const QString& picturePath) {
    std::shared_ptr<SKTGraphic> g = makeFilledGraphic(kind);
    g->_contents = QImage();
    g->_contents_with_settings = QImage();
    if (kind == GraphicKind::Image)
        static_cast<SKTImage&>(*g).setFilePath(picturePath, false);
    else if (kind == GraphicKind::Signature)
        static_cast<SKTSignature&>(*g).setFilePath(picturePath);
    return g;
}

// The card-property fields, listed here apart from the file's own list so a
// field the file forgets shows up.
#define ZELK_TEST_CARD_PROPERTY_FIELDS(X)                                         \
    X(Card_border_chk) X(Card_bordr_clr) X(Card_bor_Stepper) X(Card_border_style) \
    X(Card_fill_chk) X(Card_fill_style) X(Card_fill_clr) X(Card_fill_Grd_1_clr)  \
    X(Card_fill_Grd_2_clr) X(Card_grad_Stepper) X(Card_hatch_style)              \
    X(Card_hatch_bk_clr) X(Card_alpha_Stepper) X(Card_BG_Image_Path)             \
    X(Card_BG_Image_Layout) X(Card_Content_clr) X(Card_Content_font)             \
    X(Watermark_Used) X(Watermark_Text) X(Watermark_Font) X(Watermark_Color)     \
    X(Watermark_Transp) X(Watermark_Alignment) X(Card_Side) X(Card_Side_Name)    \
    X(Card_Shape) X(Card_Name) X(Card_Location) X(Card_Size) X(Card_Preset)      \
    X(Card_Category) X(Card_Sub_Category) X(Card_Cat_index) X(Card_Create_Mode)

inline bool sameValue(const QColor& a, const QColor& b) {
    return a.isValid() == b.isValid() && (!a.isValid() || a.rgba64() == b.rgba64());
}
inline bool sameValue(const QFont& a, const QFont& b) { return a.toString() == b.toString(); }
template <class T>
bool sameValue(const T& a, const T& b) {
    return a == b;
}

inline ::testing::AssertionResult cardPropertiesMatch(const Card_Property& a, const Card_Property& b) {
    QStringList differences;
#define ZELK_COMPARE(name) \
    if (!sameValue(a.name, b.name)) differences << QStringLiteral(#name);
    ZELK_TEST_CARD_PROPERTY_FIELDS(ZELK_COMPARE)
#undef ZELK_COMPARE
    if (differences.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "card properties differ in: "
                                         << qPrintable(differences.join(QStringLiteral(", ")));
}

inline void setCardPropertyOffDefault(Card_Property& p, int variant) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5 + variant);
    font.setBold(variant == 0);
    font.setItalic(true);
    p.Card_border_chk = true;
    p.Card_bordr_clr = QColor::fromRgbF(0.25f, 0.5f, 0.75f, 0.9f);
    p.Card_bor_Stepper = 3 + variant;
    p.Card_border_style = QStringLiteral("DD");
    p.Card_fill_chk = false;
    p.Card_fill_style = variant == 0 ? QStringLiteral("G") : QStringLiteral("I");
    p.Card_fill_clr = QColor(12, 34, 56, 78);
    p.Card_fill_Grd_1_clr = QColor(200, 100, 0);
    p.Card_fill_Grd_2_clr = QColor(0, 100, 200);
    p.Card_grad_Stepper = 45 + variant;
    p.Card_hatch_style = QStringLiteral("Hatch_3");
    p.Card_hatch_bk_clr = QColor(9, 8, 7, 6);
    p.Card_alpha_Stepper = 0.35f;
    p.Card_BG_Image_Path = QStringLiteral("/tmp/backgrounds/waves %1.jpg").arg(variant);
    p.Card_BG_Image_Layout = QStringLiteral("Tile");
    p.Card_Content_clr = QColor(Qt::darkGreen);
    p.Card_Content_font = font;
    p.Watermark_Used = true;
    p.Watermark_Text = QStringLiteral("VOID — Muster");
    font.setPointSizeF(30.25);
    p.Watermark_Font = font;
    p.Watermark_Color = QColor(255, 0, 0, 128);
    p.Watermark_Transp = 0.4f;
    p.Watermark_Alignment = 2;
    p.Card_Side = QStringLiteral("1");
    p.Card_Side_Name = variant == 0 ? QStringLiteral("F") : QStringLiteral("B");
    p.Card_Shape = QStringLiteral("RR");
    p.Card_Name = QStringLiteral("Staff card %1").arg(variant);
    p.Card_Location = QPointF(10.5, -4.25);
    p.Card_Size = QSizeF(242.64566929133858, 153.0708661417323);
    p.Card_Preset = QStringLiteral("CR80");
    p.Card_Category = QStringLiteral("PVC");
    p.Card_Sub_Category = QStringLiteral("CR80 - 85.6 x 54 mm");
    p.Card_Cat_index = 2;
    p.Card_Create_Mode = QStringLiteral("W");
}

// The graphics of one side, in order, field by field.
inline void expectSameGraphics(const QList<std::shared_ptr<SKTGraphic>>& expected,
                               const QList<std::shared_ptr<SKTGraphic>>& actual, const char* side) {
    ASSERT_EQ(actual.size(), expected.size()) << side;
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(graphicsMatch(*expected.at(i), *actual.at(i))) << side << " graphic " << i;
}

// Field by field: two designs the same (graphics of each side in order).
inline void expectSameDesign(const DesignContents& expected, const DesignContents& actual) {
    EXPECT_EQ(actual.Start_Card_Option, expected.Start_Card_Option);
    EXPECT_EQ(actual.CARD_SIDE_STR, expected.CARD_SIDE_STR);
    EXPECT_EQ(actual.Card_Shape, expected.Card_Shape);
    EXPECT_TRUE(cardPropertiesMatch(expected.Front_card_Prop, actual.Front_card_Prop));
    EXPECT_TRUE(cardPropertiesMatch(expected.Back_card_Prop, actual.Back_card_Prop));
    expectSameGraphics(expected.frontGraphics, actual.frontGraphics, "front");
    expectSameGraphics(expected.backGraphics, actual.backGraphics, "back");
    EXPECT_EQ(actual.Excel_Binding_Use, expected.Excel_Binding_Use);
    EXPECT_EQ(actual.Excel_Source_Path, expected.Excel_Source_Path);
    EXPECT_EQ(actual.excelColumnTitles, expected.excelColumnTitles);
    EXPECT_EQ(actual.excelRows, expected.excelRows);
    EXPECT_EQ(actual.excel_cb_value, expected.excel_cb_value);
}

// A two-sided design using every kind on each side, both card properties,
// the Excel block and the group column indexes, all off their defaults.
inline DesignContents makeFullDesign(const QString& picturePath) {
    DesignContents c;
    c.Start_Card_Option = QStringLiteral("G");
    c.CARD_SIDE_STR = QStringLiteral("1");
    c.Card_Shape = 2;
    setCardPropertyOffDefault(c.Front_card_Prop, 0);
    setCardPropertyOffDefault(c.Back_card_Prop, 1);
    for (GraphicKind kind : allGraphicKinds()) {
        c.frontGraphics << makeStorableGraphic(kind, picturePath);
        c.backGraphics.prepend(makeStorableGraphic(kind, picturePath));
    }
    c.backGraphics.first()->control_ID = QStringLiteral("Fup_Name");
    c.Excel_Binding_Use = true;
    c.Excel_Source_Path = QStringLiteral("/home/staff/Läufer & <Co>.xlsx");
    c.excelColumnTitles = {QString(), QStringLiteral("Name"), QStringLiteral("Untitled Column 2")};
    c.excelRows = {
        QVariantMap{{QStringLiteral("Extension"), QStringLiteral("1")},
                    {QStringLiteral("Column1"), QStringLiteral("Ana")},
                    {QStringLiteral("Column2"), QStringLiteral("")}},
        QVariantMap{{QStringLiteral("Extension"), QStringLiteral("2")},
                    {QStringLiteral("Column1"), QStringLiteral("Bo \"B\" <b>")},
                    {QStringLiteral("Column2"), QStringLiteral("12.5")}},
    };
    for (int k = 0; k < 12; ++k)
        c.excel_cb_value[size_t(k)] = k == 5 ? -1 : k + 1;
    return c;
}

}  // namespace zelk::test

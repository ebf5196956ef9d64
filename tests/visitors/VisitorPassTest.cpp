// The pass drawing in its page coordinates (y up), the page that fits it,
// and the photo settings of a stored photo value.
#include "PdfWords.h"
#include "TestSupport.h"

#include "production/ExportPicture.h"
#include "visitors/ImageFilterString.h"
#include "visitors/VisitorPassDrawing.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace zelk {
namespace {

VisitorPassData fullRecord(bool photo) {
    VisitorPassData d;
    d.unique_detail_lbl = QStringLiteral("Visitor No. : ");
    d.unique_detail = QStringLiteral("V-17");
    d.date_time_detail = QStringLiteral("2026-12-07 09:15:00");
    for (int i = 0; i < 11; ++i)
        d.front.append({QStringLiteral("Front %1 :").arg(i), QStringLiteral("front value %1").arg(i)});
    for (int i = 0; i < 12; ++i)
        d.back.append({QStringLiteral("Back %1 :").arg(i), QStringLiteral("back value %1").arg(i)});
    d.other_detail_info = QStringLiteral("Car : AB 12\r\nBadge : 7\r\nEscort : Jo");
    if (photo) {
        d.photo = QImage(30, 60, QImage::Format_RGB32);
        d.photo.fill(Qt::blue);
    }
    return d;
}

QList<Visitor_Pass::Item> itemsOf(const Visitor_Pass::Layout& l, Visitor_Pass::Item::Kind kind) {
    QList<Visitor_Pass::Item> out;
    for (const auto& i : l.items)
        if (i.kind == kind)
            out << i;
    return out;
}

TEST(VisitorPass, PositionsFollowTheTopOfThePage) {
    const double W = 503, H = 700;
    const Visitor_Pass::Layout l = Visitor_Pass::layout(fullRecord(true), QSizeF(W, H));
    EXPECT_EQ(l.Border_rect, QRectF(10, 10, W - 20, H - 20));
    EXPECT_EQ(l.band, QRectF(11, H - 70, W - 22, 15));
    EXPECT_EQ(l.photoBox, QRectF(W - 120, H - 160, 80, 80));
    EXPECT_EQ(l.firstLineY, H - 100);
    const auto texts = itemsOf(l, Visitor_Pass::Item::Text);
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts[0].text, QStringLiteral("Visitor Details"));
    EXPECT_EQ(texts[0].rect.y(), H - 40);
    // The band's texts, trimmed and joined; the first front line.
    EXPECT_EQ(texts[1].text, QStringLiteral("Visitor No. :V-17"));
    EXPECT_EQ(texts[2].text, QStringLiteral("Date & Time :2026-12-07 09:15:00"));
    EXPECT_EQ(texts[1].rect.y(), H - 70);
    EXPECT_EQ(texts[3].rect, QRectF(20, H - 100, 150, texts[3].rect.height()));
    EXPECT_EQ(texts[4].rect.x(), 170);
    // The first back separator runs below the photo over the border's width.
    const auto lines = itemsOf(l, Visitor_Pass::Item::Separator);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_LT(lines[0].rect.y(), l.photoBox.y());
    EXPECT_EQ(lines[0].rect.x(), 10);
    EXPECT_EQ(lines[0].rect.width(), W - 20);
}

TEST(VisitorPass, TheFittedPageHoldsEverythingInsideTheBorder) {
    struct Case {
        const char* name;
        VisitorPassData data;
    };
    VisitorPassData empty;
    VisitorPassData emptyWithPhoto;
    emptyWithPhoto.photo = QImage(10, 10, QImage::Format_RGB32);
    const Case cases[] = {{"empty", empty},
                          {"empty with photo", emptyWithPhoto},
                          {"full", fullRecord(false)},
                          {"full with photo", fullRecord(true)}};
    for (const Case& c : cases) {
        const double W = 503;
        const double H = Visitor_Pass::fittingHeight(c.data, W);
        const Visitor_Pass::Layout l = Visitor_Pass::layout(c.data, QSizeF(W, H));
        EXPECT_GE(l.lowest, 20 - 1e-9) << c.name;
        EXPECT_LT(l.lowest, 21) << c.name;
        for (const auto& item : l.items) {
            if (item.kind == Visitor_Pass::Item::Border)
                continue;
            EXPECT_TRUE(l.Border_rect.contains(item.rect) || item.rect.height() == 0) << c.name;
            EXPECT_GE(item.rect.y(), l.Border_rect.y()) << c.name;
        }
        if (!c.data.photo.isNull()) {
            EXPECT_GE(l.photoBox.y(), 20) << c.name;
        }
    }
    // A further line makes the page taller by one 15-point step.
    VisitorPassData more = fullRecord(false);
    const double before = Visitor_Pass::fittingHeight(more, 503);
    more.front.append({QStringLiteral("Extra :"), QStringLiteral("x")});
    EXPECT_EQ(Visitor_Pass::fittingHeight(more, 503), before + 15);
}

TEST(VisitorPass, BlankLinesTakeNoRoomAndTheBackStartsBelowASeparator) {
    VisitorPassData d;
    d.front = {{QStringLiteral("Name :"), QStringLiteral("Ann")}, {QStringLiteral("  "), QStringLiteral("\r\n")}};
    d.back = {{QString(), QStringLiteral("Bo")}};
    const Visitor_Pass::Layout l = Visitor_Pass::layout(d, QSizeF(500, 400));
    const auto texts = itemsOf(l, Visitor_Pass::Item::Text);
    // Heading, band (the number is blank), name caption and value, back value.
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts[3].rect.y(), 400 - 100);
    // Without a photo: 2 + 2, the separator, 15 below the last front line.
    EXPECT_EQ(itemsOf(l, Visitor_Pass::Item::Separator).first().rect.y(), 400 - 100 - 15 - 2);
    EXPECT_EQ(texts[5].rect.y(), 400 - 100 - 15 - 2 - 2 - 15);
    EXPECT_EQ(texts[5].text, QStringLiteral("Bo"));
}

TEST(VisitorPass, PaintsWhitePageBlackBorderAndThePhoto) {
    const VisitorPassData d = fullRecord(true);
    const QSizeF page(503, Visitor_Pass::fittingHeight(d, 503));
    QImage img(page.toSize(), QImage::Format_RGB32);
    img.fill(Qt::red);
    QPainter p(&img);
    Visitor_Pass::paint(p, d, page);
    p.end();
    EXPECT_EQ(img.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_LT(std::min(img.pixelColor(9, 100).lightness(), img.pixelColor(10, 100).lightness()), 200);
    // The photo box's middle, 120 below the top.
    EXPECT_EQ(img.pixelColor(int(page.width()) - 80, 120), QColor(Qt::blue));
}

// The boxes of a PDF's words as pdftotext reads them, in points from the top.
QList<QRectF> pdfWordBoxes(const QByteArray& pdf) {
    QList<QRectF> out;
    for (const test::PdfWord& w : test::pdfWordsOf(pdf))
        out << w.box;
    return out;
}

// Long values beside the photo end before its box, cut there as a value
// too long for its column is; below it a line has the full width. In the
// exported PDF no word meets the photo, another word or the page's edge.
TEST(VisitorPass, LinesBesideThePhotoEndBeforeItsBox) {
    const QStringList longValues = {QStringLiteral("Montgomery-Whitfield Fotheringham, Alexandra"),
                                    QStringLiteral("Quarterly supplier contract renegotiation meeting"),
                                    QStringLiteral("alexandra.montgomery-whitfield@northwind-logistics.com")};
    VisitorPassData allLines = fullRecord(true);
    for (auto* side : {&allLines.front, &allLines.back})
        for (qsizetype i = 0; i < side->size(); ++i)
            (*side)[i].second = longValues.at(i % 3);
    VisitorPassData fewLines;  // the other details start beside the photo
    fewLines.photo = allLines.photo;
    fewLines.front = {{QStringLiteral("Name :"), longValues[0]}, {QStringLiteral("Purpose :"), longValues[1]}};
    fewLines.other_detail_info = (longValues + longValues).join(QStringLiteral("\r\n"));
    VisitorPassData noPhoto = allLines;
    noPhoto.photo = QImage();
    for (const auto& [what, data] : {std::pair{"every line", allLines}, std::pair{"other details", fewLines},
                                     std::pair{"no photo", noPhoto}}) {
        SCOPED_TRACE(what);
        const QSizeF page(503, Visitor_Pass::fittingHeight(data, 503));
        const Visitor_Pass::Layout l = Visitor_Pass::layout(data, page);
        const QRectF box = l.photoBox;
        int beside = 0;
        for (const auto& item : l.items)
            if (item.kind == Visitor_Pass::Item::Separator ||
                (item.kind == Visitor_Pass::Item::Text && item.rect.x() >= 170)) {  // no caption
                const bool by = !box.isEmpty() && item.rect.y() < box.bottom() && item.rect.bottom() > box.y();
                beside += by;
                EXPECT_TRUE(by ? item.rect.right() <= box.left() - 2 : item.rect.right() >= page.width() - 20)
                    << item.text.toStdString();
            }
        EXPECT_GE(beside, box.isEmpty() ? 0 : 4);

        const QRectF boxOnPage(box.x(), page.height() - box.bottom(), box.width(), box.height());
        const ExportPicture pass(page, [&](QPainter& p) { Visitor_Pass::paint(p, data, page); });
        const QList<QRectF> words = pdfWordBoxes(pass.encode(QStringLiteral("pdf"), true));
        ASSERT_GT(words.size(), 20);
        for (qsizetype i = 0; i < words.size(); ++i) {
            EXPECT_TRUE(QRectF(QPointF(0, 0), page).contains(words[i])) << i;
            EXPECT_FALSE(words[i].intersects(boxOnPage)) << i;
            for (qsizetype j = i + 1; j < words.size(); ++j)
                EXPECT_FALSE(words[i].adjusted(0.5, 0.5, -0.5, -0.5).intersects(words[j])) << i << " / " << j;
        }
    }
}

TEST(ImageFilterString, ParsesIntoThePhotosOwnSettings) {
    const auto plain = ImageFilterString::parse(QStringLiteral("  /a/b.png "));
    EXPECT_EQ(plain.path, QStringLiteral("/a/b.png"));
    EXPECT_FALSE(plain.filtered);

    // Three settings: the rest stays neutral, invert is never on.
    const auto three = ImageFilterString::parse(QStringLiteral("/a/b.png <IMG_FILTER> YES_0_1_"));
    EXPECT_TRUE(three.filtered);
    EXPECT_EQ(three.path, QStringLiteral("/a/b.png"));
    EXPECT_TRUE(three.settings.flipH);
    EXPECT_FALSE(three.settings.flipV);
    EXPECT_TRUE(three.settings.grayScale);
    const PhotoSettings neutral;
    EXPECT_EQ(three.settings.saturation, neutral.saturation);
    EXPECT_EQ(three.settings.contrast, 1);
    EXPECT_EQ(three.settings.transparency, 1);

    const auto all = ImageFilterString::parse(
        QStringLiteral("/p.jpg<IMG_FILTER>NO_true_0_y_90.7_0.5_0.25_2_1.5_0.1_1.2_0.3_0.8_1_3_DA_0.5:0:1:1_extra_"));
    const PhotoSettings& s = all.settings;
    EXPECT_FALSE(s.flipH);
    EXPECT_TRUE(s.flipV);
    EXPECT_FALSE(s.grayScale);
    EXPECT_TRUE(s.sepia);
    EXPECT_FLOAT_EQ(s.rotate, 90.7f);
    EXPECT_FLOAT_EQ(s.sharpness, 0.5f);
    EXPECT_FLOAT_EQ(s.exposure, 0.25f);
    EXPECT_FLOAT_EQ(s.blur, 2);
    EXPECT_FLOAT_EQ(s.saturation, 1.5f);
    EXPECT_FLOAT_EQ(s.brightness, 0.1f);
    EXPECT_FLOAT_EQ(s.contrast, 1.2f);
    EXPECT_FLOAT_EQ(s.hue, 0.3f);
    EXPECT_FLOAT_EQ(s.transparency, 0.8f);
    EXPECT_TRUE(s.border);
    EXPECT_FLOAT_EQ(s.borderWidth, 3);
    EXPECT_EQ(s.borderType, QStringLiteral("DA"));
    EXPECT_EQ(s.borderColor.rgb(), QColor::fromRgbF(0.5f, 0, 1).rgb());

    for (const auto& [text, value] : std::initializer_list<std::pair<const char*, bool>>{
             {"YES", true}, {"yes", true}, {"T", true}, {" +007", true}, {"1", true}, {"0", false},
             {"NO", false}, {"", false}, {"-0", false}, {"x", false}})
        EXPECT_EQ(ImageFilterString::readBool(QString::fromLatin1(text)), value) << text;
}

TEST(ImageFilterString, AppliesItsOwnSettingsOnly) {
    QImage photo(8, 4, QImage::Format_ARGB32);
    photo.fill(QColor(200, 40, 40));
    EXPECT_EQ(ImageFilterString::parse(QStringLiteral("/x.png")).apply(photo), photo);
    const QImage grey = ImageFilterString::parse(QStringLiteral("/x.png<IMG_FILTER>0_0_1_")).apply(photo);
    ASSERT_FALSE(grey.isNull());
    const QColor c = grey.pixelColor(4, 2);
    EXPECT_NEAR(c.red(), c.green(), 3);
    EXPECT_NEAR(c.green(), c.blue(), 3);
}

}  // namespace
}  // namespace zelk

#include "inspector/face/ImageTransforms.h"

#include "canvas/SideSnapshot.h"
#include "canvas/SKTRenderingView.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTText.h"
#include "inspector/face/CardFace.h"
#include "inspector/face/ImageProcesser.h"
#include "inspector/face/Repeat_Image.h"
#include "PixelTools.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

using zelk::test::maxChannelDifference;
using zelk::test::solidImage;

namespace {

// A card-like picture: white, with a red 10 x 10 block at its top-left corner.
QImage markedCard(int w = 60, int h = 40) {
    QImage img = solidImage(w, h, Qt::white);
    QPainter p(&img);
    p.fillRect(0, 0, 10, 10, Qt::red);
    return img;
}

// Where the red marker block sits: its centre pixel.
QPoint markerCentre(const QImage& img) {
    long sx = 0, sy = 0, n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    return n ? QPoint(int(sx / n), int(sy / n)) : QPoint(-1, -1);
}

}  // namespace

TEST(ImageTransforms, BorderedCopy) {
    // Width 4 on the edge: 2 points show inside. Dashes in points, butt caps.
    struct Case {
        const char* code;
        double inkFraction;  // of the top edge, away from the corners
    };
    // The lines' pen: every pattern is measured with the lines.
    const Case cases[] = {{"S", 1.0}, {"DA", 0.8}};
    const QImage in = solidImage(330, 40, Qt::white);
    for (const Case& c : cases) {
        const QImage out =
            ImageTransforms::image_Drawing_with_border(in, 4, QString::fromLatin1(c.code), Qt::red);
        ASSERT_EQ(out.size(), in.size());
        int ink = 0;
        for (int x = 10; x < 330 - 10 - 0; ++x)
            ink += out.pixelColor(x, 0).green() < 128 ? 1 : 0;
        EXPECT_NEAR(ink / 310.0, c.inkFraction, 0.04) << c.code;
        if (c.inkFraction == 1.0) {
            EXPECT_PIXEL_NEAR(out, 100, 0, QColor(Qt::red), 0) << c.code;
            EXPECT_PIXEL_NEAR(out, 100, 1, QColor(Qt::red), 0) << c.code;
            EXPECT_PIXEL_NEAR(out, 100, 2, QColor(Qt::white), 0) << c.code;
            EXPECT_PIXEL_NEAR(out, 0, 20, QColor(Qt::red), 0) << c.code;
            EXPECT_PIXEL_NEAR(out, 1, 20, QColor(Qt::red), 0) << c.code;
            EXPECT_PIXEL_NEAR(out, 2, 20, QColor(Qt::white), 0) << c.code;
            EXPECT_PIXEL_NEAR(out, 329, 39, QColor(Qt::red), 0) << c.code;
        }
    }
    EXPECT_TRUE(ImageTransforms::image_Drawing_with_border(QImage(), 4, QStringLiteral("S"), Qt::red).isNull());
}

TEST(ImageTransforms, BorderWidthIsInPoints) {
    // A 144 dpi picture: 4 points of line, 2 of them inside, are 4 pixels.
    QImage in = solidImage(80, 80, Qt::white);
    zelk::setReportedPointSize(in, QSizeF(40, 40));
    const QImage out = ImageTransforms::image_Drawing_with_border(in, 4, QStringLiteral("S"), Qt::blue);
    EXPECT_PIXEL_NEAR(out, 40, 3, QColor(Qt::blue), 0);
    EXPECT_PIXEL_NEAR(out, 40, 4, QColor(Qt::white), 0);
    const QSizeF pts = zelk::pictureSizeInPoints(out);
    EXPECT_NEAR(pts.width(), 40, 0.05);
}

namespace {

// A JPEG carrying an EXIF orientation tag (TIFF tag 274): the APP1 segment
// "Exif\0\0", a little-endian TIFF header and one IFD entry, placed right
// after the start-of-image marker.
QByteArray jpegWithOrientation(const QImage& img, quint16 orientation) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(img));
    QByteArray tiff("II*\0", 4);
    auto le16 = [&](quint16 v) { tiff.append(char(v & 0xff)).append(char(v >> 8)); };
    auto le32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            tiff.append(char((v >> (8 * i)) & 0xff));
    };
    le32(8);          // offset of the first IFD
    le16(1);          // one entry
    le16(0x0112);     // Orientation
    le16(3);          // SHORT
    le32(1);          // count
    le16(orientation);
    le16(0);          // padding of the value field
    le32(0);          // no next IFD
    QByteArray app1("Exif\0\0", 6);
    app1 += tiff;
    QByteArray segment("\xFF\xE1", 2);
    const quint16 len = quint16(app1.size() + 2);
    segment.append(char(len >> 8)).append(char(len & 0xff));
    segment += app1;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

}  // namespace

TEST(ImageTransforms, FilePreviewSizes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        QSize pixels;
        QSizeF requested;
        QSize expected;
        QImage::Format stored = QImage::Format_RGB32;
    };
    const Case cases[] = {
        {{2000, 1000}, {500, 500}, {500, 250}},
        {{1000, 2000}, {500, 500}, {250, 500}},
        {{100, 50}, {500, 500}, {100, 50}},     // never enlarged
        {{2000, 1000}, {320.9, 10}, {320, 160}},  // the width bounds both sides, truncated
        // No size: the picture whole, in true colours or in two.
        {{700, 300}, {0, 0}, {700, 300}},
        {{700, 300}, {0, 0}, {700, 300}, QImage::Format_Mono},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("p.png"));
        ASSERT_TRUE(markedCard(c.pixels.width(), c.pixels.height()).convertToFormat(c.stored).save(path));
        for (bool asIcon : {false, true}) {
            const QImage preview = ImageTransforms::imageWithPreviewOfFileAtPath(path, c.requested, asIcon);
            EXPECT_EQ(preview.size(), c.expected) << c.pixels.width() << "x" << c.pixels.height();
            const QSizeF pts = zelk::pictureSizeInPoints(preview);
            EXPECT_DOUBLE_EQ(pts.width(), c.expected.width());  // one pixel per point
        }
    }
}

TEST(ImageTransforms, FilePreviewIsUprightByItsOrientationTag) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Orientation 6: the stored picture is shown turned a quarter clockwise,
    // so the stored top-left corner shows at the top-right.
    struct Case {
        QSize stored;
        QSize expected;
    };
    for (const Case& c : {Case{{60, 40}, {40, 60}}, Case{{2000, 1000}, {250, 500}}}) {
        const QString path = dir.filePath(QStringLiteral("o.jpg"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(jpegWithOrientation(markedCard(c.stored.width(), c.stored.height()), 6));
        f.close();
        const QImage preview = ImageTransforms::Thimbnail_Using_CG_Image(path, QSizeF(500, 500));
        ASSERT_EQ(preview.size(), c.expected);
        const QPoint m = markerCentre(preview);
        EXPECT_GT(m.x(), preview.width() / 2);
        EXPECT_LT(m.y(), preview.height() / 4);
    }
}

TEST(ImageTransforms, FilePreviewOfNoPictureIsNull) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = dir.filePath(QStringLiteral("notes.png"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture at all");
    f.close();
    EXPECT_TRUE(ImageTransforms::Thimbnail_Using_CG_Image(text, QSizeF(500, 500)).isNull());
    EXPECT_TRUE(ImageTransforms::Thimbnail_Using_CG_Image(dir.filePath(QStringLiteral("missing.jpg")),
                                                          QSizeF(500, 500)).isNull());
    EXPECT_TRUE(ImageTransforms::imageWithPreviewOfFileAtPath(QString(), QSizeF(500, 500), true).isNull());
}

TEST(ImageTransforms, BannerTilesFromTheViewsTopLeft) {
    const QImage banner(zelk::test::resourceDir() + QStringLiteral("/banner.png"));
    ASSERT_FALSE(banner.isNull());
    Repeat_Image view;
    view.setBannerImage(banner);
    view.resize(banner.width() * 2 + 7, banner.height() + 9);
    QImage shot(view.size(), QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::magenta);
    view.render(&shot);
    for (const QPoint& p : {QPoint(0, 0), QPoint(5, 17), QPoint(banner.width() - 1, banner.height() - 1)}) {
        const QColor expected = banner.pixelColor(p);
        EXPECT_PIXEL_NEAR(shot, p.x(), p.y(), expected, 0);
        EXPECT_PIXEL_NEAR(shot, p.x() + banner.width(), p.y(), expected, 0);
        if (p.y() + banner.height() < shot.height()) {
            EXPECT_PIXEL_NEAR(shot, p.x(), p.y() + banner.height(), expected, 0);
        }
    }
    // The view's own picture is drawn above the tiles.
    view.setPixmap(QPixmap::fromImage(solidImage(4, 4, Qt::green)));
    view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view.render(&shot);
    EXPECT_PIXEL_NEAR(shot, 1, 1, QColor(Qt::green), 0);
    EXPECT_PIXEL_NEAR(shot, 20, 1, banner.pixelColor(20, 1), 0);
}

namespace {

// The renderer's card image of a CR80 front side: a red marker block at the
// top-left, a text graphic and the watermark (both texts for pdftotext).
SKTRenderingView cardImage() {
    Card_Property front;
    front.Card_fill_chk = false;
    front.Watermark_Used = true;
    front.Watermark_Text = QStringLiteral("ZELKWATERMARK");
    front.Watermark_Font = QFont(QStringLiteral("DejaVu Sans"), 14);
    front.Watermark_Color = Qt::black;
    front.Watermark_Alignment = 2;
    QList<std::shared_ptr<SKTGraphic>> graphics;
    auto marker = std::make_shared<SKTText>();
    marker->setBounds(QRectF(0, 0, 10, 10));
    marker->_isDrawingFill = true;
    marker->_fillColor = Qt::red;
    marker->alpha_val = 1.0f;
    graphics.append(marker);
    auto text = std::make_shared<SKTText>();
    text->setBounds(QRectF(30, 40, 180, 30));
    text->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"), 12);
    text->Set_text_value(QStringLiteral("ZELKVECTORCARD"));
    graphics.append(text);
    zelk::SideSnapshot side = zelk::SideSnapshot::take(&graphics, &front, nullptr, 0, 0,
                                                       QRectF(0, 0, 242.65, 153.07));
    side.cardFace = std::make_shared<CardFace>();
    return SKTRenderingView::image_From_Card_Graphics(side);
}

QByteArray squeezed(QByteArray text) {
    return text.replace("\n", "").replace(" ", "").replace("\f", "");
}

int countEitherWay(const QByteArray& haystack, const char* word) {
    std::string rev = word;
    std::reverse(rev.begin(), rev.end());
    return int(haystack.count(word)) + int(haystack.count(QByteArray(rev.c_str())));
}

}  // namespace

TEST(ImageTransforms, MirroredCardImageGeometry) {
    const SKTRenderingView card = cardImage();
    ASSERT_FALSE(card.isNull());
    struct Case {
        const char* note;
        TransformedCardImage image;
        bool right, bottom;  // where the marker block ends up
    };
    const Case cases[] = {
        {"left-right", ImageTransforms::Create_Mirror_Image_With_CG_Image(card, false), true, false},
        {"top-bottom", ImageTransforms::Create_Mirror_Image_With_CG_Image(card, true), false, true},
        {"half turn 180", ImageTransforms::imageRotatedByDegrees_Angle(card, 180, {}), true, true},
        {"half turn 90", ImageTransforms::imageRotatedByDegrees_Angle(card, 90, QRectF(1, 2, 3, 4)), true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.image.size(), card.size()) << c.note;
        const QImage img = c.image.imageAtResolution(72);
        ASSERT_EQ(img.size(), QSize(243, 154)) << c.note;
        const QPoint m = markerCentre(img);
        EXPECT_EQ(m.x() > 121, c.right) << c.note << " " << m.x();
        EXPECT_EQ(m.y() > 77, c.bottom) << c.note << " " << m.y();
    }
    // Mirroring the same way twice gives the card back.
    const QImage plain = card.imageAtResolution(144);
    const TransformedCardImage once = ImageTransforms::Create_Mirror_Image_With_CG_Image(card, true);
    const QImage onceImg = once.imageAtResolution(144);
    QImage twice(onceImg.size(), QImage::Format_ARGB32_Premultiplied);
    twice.fill(Qt::transparent);
    {
        QPainter p(&twice);
        p.scale(2, 2);
        p.setTransform(QTransform(1, 0, 0, -1, 0, 153.07), true);
        once.drawRect(p);
    }
    EXPECT_LE(maxChannelDifference(twice, plain), 8);
}

TEST(ImageTransforms, MirroredCardImageExportedToPdfIsStillVector) {
    const SKTRenderingView card = cardImage();
    const TransformedCardImage images[] = {
        ImageTransforms::Create_Mirror_Image_With_CG_Image(card, false),
        ImageTransforms::Create_Mirror_Image_With_CG_Image(card, true),
        ImageTransforms::imageRotatedByDegrees_Angle(card, 180, {}),
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const TransformedCardImage& image : images) {
        const QString path = dir.filePath(QStringLiteral("card.pdf"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray pdf = image.dataWithPDFInsideRect(image.frame());
        ASSERT_FALSE(pdf.isEmpty());
        f.write(pdf);
        f.close();
        const auto text = zelk::test::runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        ASSERT_TRUE(text.started);
        ASSERT_EQ(text.exitCode, 0) << text.err.constData();
        const QByteArray flat = squeezed(text.out);
        EXPECT_EQ(countEitherWay(flat, "ZELKVECTORCARD"), 1) << text.out.constData();
        EXPECT_EQ(countEitherWay(flat, "ZELKWATERMARK"), 1) << text.out.constData();
        const auto listing = zelk::test::runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
        ASSERT_EQ(listing.exitCode, 0);
        EXPECT_EQ(listing.out.trimmed().split('\n').size(), 2) << listing.out.constData();
        // The page is the card's exact size, as the unturned card's is.
        const auto info = zelk::test::runTool(QStringLiteral("pdfinfo"), {path});
        ASSERT_EQ(info.exitCode, 0);
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))
                                              .match(QString::fromUtf8(info.out));
        ASSERT_TRUE(m.hasMatch()) << info.out.constData();
        EXPECT_NEAR(m.captured(1).toDouble(), image.size().width(), 0.01);
        EXPECT_NEAR(m.captured(2).toDouble(), image.size().height(), 0.01);
    }
}

// A picture of two palette colours (as image tools write a solid colour)
// keeps its colour when its preview is much smaller than itself.
TEST(ImageTransforms, APalettePicturesPreviewKeepsItsColour) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QColor orange(255, 165, 0);
    QImage picture(4000, 1000, QImage::Format_Mono);
    picture.setColorTable({orange.rgb(), orange.rgb()});
    picture.fill(0);
    const QString path = dir.filePath(QStringLiteral("orange.png"));
    ASSERT_TRUE(picture.save(path));
    const QImage preview = ImageTransforms::Thimbnail_Using_CG_Image(path, QSizeF(84, 84));
    ASSERT_EQ(preview.size(), QSize(84, 21));
    EXPECT_EQ(QColor(preview.pixel(42, 10)), orange);
}

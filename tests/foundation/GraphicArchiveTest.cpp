// Archives of graphics: round trips of every field of every kind, arrays,
// and refusal of damaged or hostile data.
#include "GraphicTestSupport.h"

#include "foundation/GraphicArchive.h"
#include "foundation/SKTText.h"

#include <QBuffer>
#include <QCborArray>
#include <QCborMap>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

using GraphicPtr = std::shared_ptr<SKTGraphic>;

QByteArray filledArchive(GraphicKind kind) {
    return GraphicArchive::archivedData(*makeFilledGraphic(kind));
}

QCborMap filledMap() {
    return GraphicArchive::toCbor(*makeFilledGraphic(GraphicKind::Text));
}

QByteArray withField(const QString& key, const QCborValue& value) {
    QCborMap map = filledMap();
    map.insert(key, value);
    return QCborValue(map).toCbor();
}

QByteArray withoutField(const QString& key) {
    QCborMap map = filledMap();
    map.remove(key);
    return QCborValue(map).toCbor();
}

}  // namespace

TEST(GraphicArchive, EveryKindRoundTripsFilledAndDefaultAloneAndInAnArray) {
    // Every field off its default, and defaults: null pictures, an invalid
    // colour and empty texts come back as such.
    QList<GraphicPtr> graphics;
    for (GraphicKind kind : allGraphicKinds()) {
        graphics.append(makeFilledGraphic(kind));
        GraphicPtr plain = makeGraphic(kind);
        plain->_fillColor = QColor();
        graphics.append(plain);
    }
    for (const GraphicPtr& g : graphics) {
        QString error;
        const GraphicPtr back = GraphicArchive::unarchiveGraphic(GraphicArchive::archivedData(*g), &error);
        ASSERT_TRUE(back) << qPrintable(error);
        EXPECT_EQ(back->kind(), g->kind());
        EXPECT_TRUE(graphicsMatch(*g, *back)) << qPrintable(graphicKindName(g->kind()));
    }
    QList<GraphicPtr> back;
    QString error;
    ASSERT_TRUE(GraphicArchive::unarchiveGraphics(GraphicArchive::archivedData(graphics), &back, &error))
        << qPrintable(error);
    ASSERT_EQ(back.size(), graphics.size());
    for (int i = 0; i < graphics.size(); ++i) {
        EXPECT_NE(back[i].get(), graphics[i].get());
        EXPECT_TRUE(graphicsMatch(*graphics[i], *back[i])) << "index " << i;
    }
    EXPECT_FALSE(back[1]->_fillColor.isValid());
    EXPECT_TRUE(back[1]->_contents.isNull());
    // The empty array is an archive too.
    ASSERT_TRUE(GraphicArchive::unarchiveGraphics(GraphicArchive::archivedData(QList<GraphicPtr>{}), &back));
    EXPECT_TRUE(back.isEmpty());
}

TEST(GraphicArchive, PicturesKeepPixelsAndResolution) {
    GraphicPtr g = makeGraphic(GraphicKind::Image);
    g->_contents = makeTestPicture(64, 48, 300, qRgb(200, 100, 50));
    g->_contents_with_settings = g->_contents.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    g->_barcode_image = makeTestPicture(3, 1, 600, 0).convertToFormat(QImage::Format_Mono);
    const GraphicPtr back = GraphicArchive::unarchiveGraphic(GraphicArchive::archivedData(*g));
    ASSERT_TRUE(back);
    EXPECT_TRUE(graphicsMatch(*g, *back));
    EXPECT_EQ(pictureSizeInPoints(back->_contents), pictureSizeInPoints(g->_contents));
    // Transparent pixels stay transparent.
    EXPECT_EQ(qAlpha(back->_contents.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(back->_contents.pixel(1, 0)), 255);
}

TEST(GraphicArchive, WhatTheArchiveTakesItReadsAtBothSidesOfThePixelLimit) {
    // 8000 x 5000 is the 40 million pixel limit; Qt's own reader stops near
    // 33.5 million. 1-bit pictures keep the test small.
    for (const int height : {5000, 5001}) {
        GraphicPtr g = makeGraphic(GraphicKind::Barcode);
        g->_barcode_image = QImage(8000, height, QImage::Format_Mono);
        g->_barcode_image.fill(0);
        const QByteArray one = GraphicArchive::archivedData(*g);
        EXPECT_EQ(one.isEmpty(), height > 5000);
        EXPECT_EQ(GraphicArchive::archivedData(QList<GraphicPtr>{g}).isEmpty(), height > 5000);
        if (one.isEmpty())
            continue;
        const GraphicPtr back = GraphicArchive::unarchiveGraphic(one);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->_barcode_image.size(), QSize(8000, height));
    }
}

TEST(GraphicArchive, DamagedArchivesAreRefused) {
    const QByteArray good = filledArchive(GraphicKind::Image);
    QByteArray trailing = good;
    trailing.append('\0');
    QCborMap badVersion = filledMap();
    badVersion.insert(GraphicArchive::VersionKey, 2);
    QCborMap unknownKind = filledMap();
    unknownKind.insert(GraphicArchive::ClassKey, QStringLiteral("SKTGraphic"));
    QCborMap noKind = filledMap();
    noKind.remove(GraphicArchive::ClassKey);
    QByteArray notPng("\x89PNG\r\n\x1a\n garbage after the signature", 36);

    struct Case {
        const char* what;
        QByteArray data;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"not CBOR", QByteArray("hello, world")},
        {"data after the end", trailing},
        {"a CBOR text, not a map", QCborValue(QStringLiteral("SKTText")).toCbor()},
        {"an array given as one graphic", GraphicArchive::archivedData(QList<GraphicPtr>{})},
        {"another version", QCborValue(badVersion).toCbor()},
        {"unknown kind", QCborValue(unknownKind).toCbor()},
        {"no kind", QCborValue(noKind).toCbor()},
        {"missing field", withoutField(QStringLiteral("excel_col_indx"))},
        {"missing picture field", withoutField(QStringLiteral("_barcode_image"))},
        {"text where a number belongs", withField(QStringLiteral("print_object"), QStringLiteral("1"))},
        {"fraction where a whole number belongs", withField(QStringLiteral("polygon_type"), 5.5)},
        {"whole number out of range", withField(QStringLiteral("excel_col_indx"), qint64(1) << 40)},
        {"number where a flag belongs", withField(QStringLiteral("ctrl_is_locked"), 1)},
        {"NaN", withField(QStringLiteral("_strokeWidth"), qQNaN())},
        {"infinity in a float field", withField(QStringLiteral("alpha_val"), qInf())},
        {"huge number", withField(QStringLiteral("_fill_grad_angle"), 1e300)},
        {"rectangle of three", withField(QStringLiteral("_bounds"), QCborArray{1, 2, 3})},
        {"rectangle with NaN", withField(QStringLiteral("_bounds"), QCborArray{1, 2, qQNaN(), 4})},
        {"rectangle of texts", withField(QStringLiteral("_bounds"), QCborArray{"1", "2", "3", "4"})},
        {"colour component over 65535", withField(QStringLiteral("txt_clr"), QCborArray{70000, 0, 0, 65535})},
        {"colour as text", withField(QStringLiteral("txt_clr"), QStringLiteral("1.0:0.0:0.0:1.0"))},
        {"font with no size", withField(QStringLiteral("text_ctrl_font"), QStringLiteral("DejaVu Sans"))},
        {"font with NaN size", withField(QStringLiteral("text_ctrl_font"),
                                         QStringLiteral("DejaVu Sans,nan,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"))},
        {"font of absurd size", withField(QStringLiteral("text_ctrl_font"),
                                          QStringLiteral("DejaVu Sans,1e9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"))},
        {"picture of empty bytes", withField(QStringLiteral("_contents"), QByteArray())},
        {"picture not PNG", withField(QStringLiteral("_contents"), QByteArray("GIF89a...."))},
        {"picture with damaged PNG", withField(QStringLiteral("_contents"), notPng)},
        {"picture claiming 100000 x 100000 pixels",
         withField(QStringLiteral("_contents"), QCborValue(pngHeaderClaiming(100000, 100000)))},
        {"picture header without data", withField(QStringLiteral("_contents"), QCborValue(pngHeaderClaiming(8, 8)))},
        {"picture as text", withField(QStringLiteral("_barcode_image"), QStringLiteral("iVBORw0KGgo="))},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_EQ(GraphicArchive::unarchiveGraphic(c.data, &error), nullptr) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
}

TEST(GraphicArchive, EveryTruncationIsRefused) {
    const QByteArray good = filledArchive(GraphicKind::Barcode);
    // Every cut through the header and the field keys, then every 37th one.
    for (qsizetype n = 0; n < good.size(); n += (n < 600 ? 1 : 37)) {
        QString error;
        ASSERT_EQ(GraphicArchive::unarchiveGraphic(good.left(n), &error), nullptr) << "cut at " << n;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(GraphicArchive, ArrayReaderLeavesItsTargetUntouchedOnError) {
    QList<GraphicPtr> graphics = {makeFilledGraphic(GraphicKind::Text),
                                  makeFilledGraphic(GraphicKind::Line)};
    QCborArray items = QCborValue::fromCbor(GraphicArchive::archivedData(graphics)).toArray();
    QCborMap broken = items.at(1).toMap();
    broken.insert(QStringLiteral("_bounds"), QStringLiteral("oops"));
    QCborArray withBrokenSecond = items;
    withBrokenSecond[1] = broken;

    struct Case {
        const char* what;
        QByteArray data;
    };
    const QByteArray good = GraphicArchive::archivedData(graphics);
    const Case cases[] = {
        {"second graphic broken", QCborValue(withBrokenSecond).toCbor()},
        {"truncated", good.left(good.size() / 2)},
        {"one graphic, not an array", filledArchive(GraphicKind::Text)},
        {"array of numbers", QCborValue(QCborArray{1, 2, 3}).toCbor()},
    };
    const GraphicPtr sentinel = makeGraphic(GraphicKind::Shape);
    for (const Case& c : cases) {
        QList<GraphicPtr> target = {sentinel};
        QString error;
        EXPECT_FALSE(GraphicArchive::unarchiveGraphics(c.data, &target, &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
        ASSERT_EQ(target.size(), 1) << c.what;
        EXPECT_EQ(target.first().get(), sentinel.get()) << c.what;
    }
}

TEST(GraphicArchive, UnknownExtraKeysAreIgnored) {
    // A later version may add fields; the kind and the known fields decide.
    const GraphicPtr original = makeFilledGraphic(GraphicKind::Signature);
    QCborMap map = GraphicArchive::toCbor(*original);
    map.insert(QStringLiteral("some_later_field"), 42);
    const GraphicPtr back = GraphicArchive::unarchiveGraphic(QCborValue(map).toCbor());
    ASSERT_TRUE(back);
    EXPECT_TRUE(graphicsMatch(*original, *back));
}

// Graphic records of design files: every field of every kind survives a
// record, values keep one text form whatever the locale, a damaged record is
// refused whole, and a barcode stored without its picture gets one made.
#include "DesignFileTestSupport.h"

#include "foundation/Codes.h"
#include "foundation/GraphicArchive.h"
#include "foundation/SKTBarcode.h"
#include "foundation/Utilities.h"
#include "mainwindow/BarcodeProducer.h"
#include "mainwindow/GraphicRecord.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

using GraphicPtr = std::shared_ptr<SKTGraphic>;

QStringList filledRecord(GraphicKind kind) {
    return GraphicRecord::Get_Control_Prop_To_Array(*makeStorableGraphic(kind, QString()));
}

int positionOf(const QString& field) {
    return int(GraphicRecord::elementNames().indexOf(field));
}

// Records every call and answers with a fixed picture.
class RecordingProducer : public BarcodeProducer {
public:
    QImage answer;
    QStringList values, headers, footers;
    QImage produceBarcode(const SKTGraphic&, const QString& value, const QString& header,
                          const QString& footer) override {
        values << value;
        headers << header;
        footers << footer;
        return answer;
    }
};

}  // namespace

TEST(GraphicRecord, EveryKindRoundTripsEveryField) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = writePictureFile(QDir(dir.path()), QStringLiteral("photo one.png"), qRgb(40, 90, 140));
    const struct {
        GraphicKind kind;
        const char* code;
    } cases[] = {{GraphicKind::Line, "L"},  {GraphicKind::Text, "T"},    {GraphicKind::Shape, "D"},
                 {GraphicKind::Image, "I"}, {GraphicKind::Barcode, "B"}, {GraphicKind::Signature, "S"}};
    for (const auto& c : cases) {
        const GraphicPtr original = makeStorableGraphic(c.kind, picture);
        QString error;
        const QStringList record = GraphicRecord::Get_Control_Prop_To_Array(*original, &error);
        ASSERT_EQ(record.size(), GraphicRecord::ElementCount) << qPrintable(error);
        EXPECT_EQ(record.first(), QLatin1String(c.code));
        const GraphicPtr back = GraphicRecord::Create_Control_From_Array(record, {}, &error);
        ASSERT_TRUE(back) << qPrintable(error);
        EXPECT_TRUE(graphicsMatch(*original, *back));
        if (c.kind == GraphicKind::Image || c.kind == GraphicKind::Signature) {
            EXPECT_FALSE(back->_contents.isNull()) << "picture loaded again from its file";
        }
    }
}

TEST(GraphicRecord, LayoutHoldsEveryModelFieldOnce) {
    QStringList stored = GraphicRecord::elementNames();
    ASSERT_EQ(stored.size(), GraphicRecord::ElementCount);
    EXPECT_EQ(stored.takeFirst(), QStringLiteral("type code"));
    EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()).size(), stored.size()) << "a field twice";
    // The pictures of image and signature graphics come from their files.
    QStringList expected = allGraphicFieldNames();
    expected.removeAll(QStringLiteral("_contents"));
    expected.removeAll(QStringLiteral("_contents_with_settings"));
    EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()), QSet<QString>(expected.begin(), expected.end()));
}

TEST(GraphicRecord, NumbersAreWrittenWithAPointUnderAnyLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const GraphicPtr g = makeGraphic(GraphicKind::Shape);
    g->_bounds = QRectF(12.25, -3.5, 1000.125, 0.1);
    g->alpha_val = 0.1f;
    g->_strokeWidth = 1.0 / 3.0;
    const QStringList record = GraphicRecord::Get_Control_Prop_To_Array(*g);
    QLocale::setDefault(saved);
    EXPECT_EQ(record.at(positionOf(QStringLiteral("_bounds"))), QStringLiteral("12.25:-3.5:1000.125:0.1"));
    // The shortest text that reads back as the same float, not its double's digits.
    EXPECT_EQ(record.at(positionOf(QStringLiteral("alpha_val"))), QStringLiteral("0.1"));
    EXPECT_EQ(record.at(positionOf(QStringLiteral("_strokeWidth"))), QStringLiteral("0.3333333333333333"));
    EXPECT_EQ(record.at(positionOf(QStringLiteral("ctrl_is_visible"))), QStringLiteral("Y"));
    const GraphicPtr back = GraphicRecord::Create_Control_From_Array(record);
    ASSERT_TRUE(back);
    EXPECT_TRUE(graphicsMatch(*g, *back));
}

TEST(GraphicRecord, ValueOfTheWrongFormRefusesTheWholeRecord) {
    QByteArray notPng;
    QBuffer buffer(&notPng);
    buffer.open(QIODevice::WriteOnly);
    makeTestPicture(4, 4, 0, qRgb(1, 2, 3)).save(&buffer, "BMP");
    const struct {
        const char* field;
        QString text;
    } cases[] = {
        {"ctrl_is_locked", QStringLiteral("yes")},           // flags are "Y" or "N"
        {"ctrl_is_locked", QStringLiteral("")},
        {"print_object", QStringLiteral("1.5")},             // whole numbers only
        {"print_object", QStringLiteral(" 1")},
        {"print_object", QStringLiteral("99999999999")},     // beyond int
        {"_strokeWidth", QStringLiteral("nan")},
        {"_strokeWidth", QStringLiteral("1e300")},           // beyond any drawing
        {"_strokeWidth", QStringLiteral("1,5")},             // a locale's comma
        {"alpha_val", QStringLiteral("inf")},
        {"_strokeColor", QStringLiteral("1.2:0:0:1")},       // component beyond 1
        {"_strokeColor", QStringLiteral("0:0:0")},           // three components
        {"_strokeColor", QStringLiteral("red")},
        {"text_ctrl_font", QStringLiteral("DejaVu Sans")},   // no size
        {"text_ctrl_font", QStringLiteral("DejaVu Sans::::-4")},
        {"_bounds", QStringLiteral("1:2:3")},
        {"_bounds", QStringLiteral("1:2:3:x")},
        {"_barcode_image", QStringLiteral("not base64!")},
        {"_barcode_image", QString::fromLatin1(notPng.toBase64())},  // a picture, but not PNG
    };
    for (const auto& c : cases) {
        QStringList record = filledRecord(GraphicKind::Barcode);
        const int at = positionOf(QLatin1String(c.field));
        ASSERT_GT(at, 0) << c.field;
        record[at] = c.text;
        QString error;
        EXPECT_FALSE(GraphicRecord::Create_Control_From_Array(record, {}, &error))
            << c.field << " = " << qPrintable(c.text);
        EXPECT_TRUE(error.contains(QLatin1String(c.field))) << qPrintable(error);
        EXPECT_TRUE(error.contains(QString::number(at))) << qPrintable(error);
    }
}

TEST(GraphicRecord, WrongShapeOrTypeCodeIsRefused) {
    const QStringList good = filledRecord(GraphicKind::Text);
    QStringList unknownCode = good;
    unknownCode[0] = QStringLiteral("X");
    QStringList lowerCase = good;
    lowerCase[0] = QStringLiteral("t");
    const QList<QStringList> cases = {
        {}, good.mid(0, 1), good.mid(0, good.size() - 1), good + QStringList{QStringLiteral("extra")},
        unknownCode, lowerCase};
    for (const QStringList& record : cases) {
        QString error;
        EXPECT_FALSE(GraphicRecord::Create_Control_From_Array(record, {}, &error)) << record.size();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(GraphicRecord, PictureBeyondTheLimitsIsNeitherWrittenNorRead) {
    const GraphicPtr g = makeGraphic(GraphicKind::Barcode);
    g->_barcode_image = QImage(GraphicArchive::MaxPictureSide + 1, 1, QImage::Format_ARGB32);
    g->_barcode_image.fill(Qt::black);
    QString error;
    EXPECT_TRUE(GraphicRecord::Get_Control_Prop_To_Array(*g, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    // The same picture put in by hand is refused on reading.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(g->_barcode_image.save(&buffer, "PNG"));
    QStringList record = filledRecord(GraphicKind::Barcode);
    record[positionOf(QStringLiteral("_barcode_image"))] = QString::fromLatin1(png.toBase64());
    EXPECT_FALSE(GraphicRecord::Create_Control_From_Array(record));
}

TEST(GraphicRecord, BarcodeWithoutPictureIsProducedFromTheRightValue) {
    // value rule: a bound graphic takes the first bound value when it is not
    // empty, else its own value of the symbology's kind; both trimmed.
    const struct {
        int linear_or_2d;
        int source;
        const char* bound;
        const char* expected;
    } cases[] = {
        {0, DataSourceType::Manual, "  from list ", " linear  "},
        {1, DataSourceType::Manual, "", " two d "},
        {0, DataSourceType::Series, "  S-001 ", "S-001"},
        {1, DataSourceType::ExcelColumn, "\tRow one\n", "Row one"},
        {0, DataSourceType::Series, "   ", " linear  "},  // empty after trimming
        {1, DataSourceType::ExcelColumn, "", " two d "},
    };
    for (const auto& c : cases) {
        const GraphicPtr g = makeGraphic(GraphicKind::Barcode);
        g->linear_or_2d = c.linear_or_2d;
        g->linear_font_val = QStringLiteral(" linear  ");
        g->two_d_font_val = QStringLiteral(" two d ");
        g->header_val = QStringLiteral("Head");
        g->footer_val = QStringLiteral("Foot");
        g->_bounds = QRectF(5, 6, 70, 80);
        g->data_source_type = c.source;
        const QStringList record = GraphicRecord::Get_Control_Prop_To_Array(*g);

        RecordingProducer producer;
        producer.answer = makeTestPicture(144, 36, 144, qRgb(0, 0, 0));  // 72 x 18 points
        int asked = 0;
        GraphicRecordContext context;
        context.producer = &producer;
        context.firstBoundValue = [&](const SKTGraphic&) {
            ++asked;
            return QString::fromUtf8(c.bound);
        };
        const GraphicPtr back = GraphicRecord::Create_Control_From_Array(record, context);
        ASSERT_TRUE(back);
        ASSERT_EQ(producer.values.size(), 1);
        EXPECT_EQ(producer.values.first(), Trim_Str(QString::fromUtf8(c.expected))) << c.bound;
        EXPECT_EQ(producer.headers.first(), QStringLiteral("Head"));
        EXPECT_EQ(producer.footers.first(), QStringLiteral("Foot"));
        EXPECT_EQ(asked, c.source == DataSourceType::Manual ? 0 : 1) << "only a bound graphic asks";
        EXPECT_FALSE(back->_barcode_image.isNull());
        EXPECT_EQ(back->_bounds, QRectF(5, 6, 72, 18)) << "the picture's size in points";
    }
}

TEST(GraphicRecord, StoredPictureIsKeptAndNoneIsMadeWithoutAProducer) {
    RecordingProducer producer;
    producer.answer = makeTestPicture(8, 8, 0, qRgb(1, 1, 1));
    GraphicRecordContext context;
    context.producer = &producer;
    const GraphicPtr withPicture = makeStorableGraphic(GraphicKind::Barcode, QString());
    const GraphicPtr back =
        GraphicRecord::Create_Control_From_Array(GraphicRecord::Get_Control_Prop_To_Array(*withPicture), context);
    ASSERT_TRUE(back);
    EXPECT_TRUE(producer.values.isEmpty());
    EXPECT_TRUE(graphicsMatch(*withPicture, *back));

    // The default producer makes nothing: the graphic keeps its stored bounds.
    const GraphicPtr bare = makeGraphic(GraphicKind::Barcode);
    bare->_bounds = QRectF(1, 2, 30, 40);
    const GraphicPtr loaded = GraphicRecord::Create_Control_From_Array(GraphicRecord::Get_Control_Prop_To_Array(*bare));
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->_barcode_image.isNull());
    EXPECT_EQ(loaded->_bounds, QRectF(1, 2, 30, 40));
}

TEST(GraphicRecord, ImageWhoseFileIsGoneLoadsWithoutPicture) {
    QTemporaryDir dir;
    const QString path = writePictureFile(QDir(dir.path()), QStringLiteral("gone.png"), qRgb(9, 9, 9));
    const GraphicPtr g = makeStorableGraphic(GraphicKind::Image, path);
    ASSERT_FALSE(g->_contents.isNull());
    const QStringList record = GraphicRecord::Get_Control_Prop_To_Array(*g);
    ASSERT_TRUE(QFile::remove(path));
    const GraphicPtr back = GraphicRecord::Create_Control_From_Array(record);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->_contents.isNull());
    EXPECT_EQ(back->_file_path, path) << "the path is kept for when the file comes back";
}

// Barcode pictures keep their pixels and their colour table through the
// design file (an indexed PNG) and the archive; a picture stored with 32
// bits a pixel by an earlier version comes back with a table, and draws on
// the card as it did.
TEST(GraphicRecord, BarcodePicturesKeepTheirPixelsAndTheirTable) {
    QImage mono(13, 3, QImage::Format_Mono), blends(13, 3, QImage::Format_Indexed8);
    mono.setColorTable({qRgba(0, 0, 0, 0), qRgb(20, 40, 140)});
    blends.setColorTable({qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 128), qRgb(0, 0, 0)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 13; ++x) {
            mono.setPixel(x, y, (x * y + x) % 3 == 0);
            blends.setPixel(x, y, (x + y) % 3);
        }
    const QImage argb = mono.convertToFormat(QImage::Format_ARGB32);
    auto drawn = [](const SKTGraphic& g) {
        QImage card(20, 8, QImage::Format_ARGB32_Premultiplied);
        card.fill(qRgb(250, 240, 200));
        QPainter p(&card);
        g.drawContents(p);
        return card;
    };
    const struct {
        QImage picture;
        QImage::Format held;
    } cases[] = {{mono, QImage::Format_Mono}, {blends, QImage::Format_Indexed8}, {argb, QImage::Format_Mono}};
    for (const auto& c : cases) {
        const GraphicPtr g = makeGraphic(GraphicKind::Barcode);
        g->_barcode_image = c.picture;
        g->_bounds = QRectF(QPointF(2, 1), c.picture.size());
        const QStringList record = GraphicRecord::Get_Control_Prop_To_Array(*g);
        const int at = positionOf(QStringLiteral("_barcode_image"));
        const QByteArray png = QByteArray::fromBase64(record.at(at).toLatin1());
        ASSERT_GT(png.size(), 26);
        EXPECT_LE(int(png.at(24)), 8) << "bits a sample";
        EXPECT_TRUE(png.at(25) == 0 || png.at(25) == 3) << "grey or palette, not RGBA";
        const GraphicPtr fromFile = GraphicRecord::Create_Control_From_Array(record);
        const GraphicPtr fromArchive = GraphicArchive::unarchiveGraphic(GraphicArchive::archivedData(*g));
        for (const GraphicPtr& back : {fromFile, fromArchive}) {
            ASSERT_TRUE(back);
            EXPECT_EQ(back->_barcode_image.format(), c.held);
            EXPECT_EQ(back->_barcode_image.convertToFormat(QImage::Format_ARGB32),
                      c.picture.convertToFormat(QImage::Format_ARGB32));
            EXPECT_EQ(drawn(*back), drawn(*g));
        }
    }
}

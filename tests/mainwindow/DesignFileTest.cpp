// Design files: a full design survives save and open field by field, a
// template carries no table, the file is a property list other tools read,
// damaged or hostile files are refused, and a failed save keeps the old file.
#include "DesignFileTestSupport.h"

#include "BarcodeDecode.h"
#include "OlderDesignFile.h"
#include "TestSupport.h"
#include "TinyDisk.h"
#include "barcode/TwoDBarcode.h"
#include "barcode/TwoDRenderer.h"
#include "canvas/SKTRenderingView.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/GraphicArchive.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/UserPictureFolder.h"
#include "mainwindow/BarcodeProducer.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/GraphicRecord.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zelk;
using namespace zelk::test;

namespace {

// The top-level array of a valid file, for tests that damage one element.
QVariantList validTopLevel(const DesignContents& design) {
    QVariant value;
    EXPECT_TRUE(PropertyList::read(DesignFile::designFileData(design, QStringLiteral("L")), value));
    return value.toList();
}

QByteArray plistOf(const QVariant& value) {
    QString error;
    const QByteArray bytes = PropertyList::write(value, &error);
    EXPECT_FALSE(bytes.isEmpty()) << qPrintable(error);
    return bytes;
}

class FixedProducer : public BarcodeProducer {
public:
    QImage answer;
    QStringList values;
    QImage produceBarcode(const SKTGraphic&, const QString& value, const QString&, const QString&) override {
        values << value;
        return answer;
    }
};

class DesignFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        picture = writePictureFile(QDir(dir.path()), QStringLiteral("holder.png"), qRgb(200, 120, 40));
        path = dir.filePath(QStringLiteral("Staff card.did"));
    }
    QTemporaryDir dir;
    QString picture;
    QString path;
};

}  // namespace

TEST_F(DesignFileTest, SaveThenOpenGivesTheSameDesign) {
    const DesignContents original = makeFullDesign(picture);
    const DesignWriteResult written = DesignFile::writeDesignFile(path, original, QStringLiteral("L"));
    ASSERT_TRUE(written.ok) << qPrintable(written.message());

    const DesignReadResult read = DesignFile::readDesignFile(path);
    ASSERT_TRUE(read.ok()) << qPrintable(read.detail);
    const DesignContents& c = *read.contents;
    expectSameDesign(original, c);

    // Saving what was opened gives the same bytes: nothing drifts.
    EXPECT_EQ(DesignFile::designFileData(c, QStringLiteral("L")), fileBytes(path));
}

// A file of format version 1 (records without who placed each box) opens as
// it was: its boxes where they stood, each the design's; a version 1 file
// whose records are of version 2 is refused.
TEST_F(DesignFileTest, AVersionOneFileOpensWithItsBoxesTheDesigns) {
    // The first graphic a profile's name; a card the wizard made, opened as
    // a design file, gives the profile's fields to the placement rule.
    DesignContents design = makeFullDesign(picture);
    design.frontGraphics.first()->control_ID = Fup_Name;
    for (const QString& mode : {StartMode::Template, StartMode::DesignFile}) {
        SCOPED_TRACE(mode.toStdString());
        const bool wizards = mode == StartMode::DesignFile;
        design.Front_card_Prop.Card_Create_Mode = wizards ? StartMode::Wizard : StartMode::Template;
        QVariantList top = validTopLevel(design);
        top[DesignFile::StartModeAt] = mode;
        top[DesignFile::VersionAt] = QStringLiteral("2");
        const QByteArray mixed = plistOf([&] {
            QVariantList t = top;
            t[DesignFile::VersionAt] = QStringLiteral("1");
            return t;
        }());
        EXPECT_FALSE(DesignFile::readDesignData(mixed).ok());
        asFormatOne(top);
        const DesignReadResult read = DesignFile::readDesignData(plistOf(top));
        ASSERT_TRUE(read.ok()) << qPrintable(read.detail);
        ASSERT_EQ(read.contents->frontGraphics.size(), design.frontGraphics.size());
        for (qsizetype i = 0; i < design.frontGraphics.size(); ++i) {
            const SKTGraphic& g = *read.contents->frontGraphics.at(i);
            EXPECT_EQ(g.bounds(), design.frontGraphics.at(i)->bounds());
            EXPECT_EQ(g.boxOwner(), wizards && i == 0 ? BoxOwner::Rule : BoxOwner::Design) << i;
            EXPECT_TRUE(g.design_box.isNull());
        }
    }
}

TEST_F(DesignFileTest, EmptyDesignWithDefaultsRoundTrips) {
    const DesignContents original;
    ASSERT_TRUE(DesignFile::writeDesignFile(path, original, QStringLiteral("L")).ok);
    const DesignReadResult read = DesignFile::readDesignFile(path);
    ASSERT_TRUE(read.ok()) << qPrintable(read.detail);
    EXPECT_TRUE(cardPropertiesMatch(original.Front_card_Prop, read.contents->Front_card_Prop));
    EXPECT_TRUE(cardPropertiesMatch(original.Back_card_Prop, read.contents->Back_card_Prop));
    EXPECT_TRUE(read.contents->frontGraphics.isEmpty());
    EXPECT_EQ(read.contents->excel_cb_value, original.excel_cb_value);
}

TEST_F(DesignFileTest, TemplateCarriesTwoEmptyExcelArrays) {
    const DesignContents original = makeFullDesign(picture);
    ASSERT_TRUE(DesignFile::writeDesignFile(path, original, QStringLiteral("T")).ok);
    QVariant value;
    ASSERT_TRUE(PropertyList::readFile(path, value));
    const QVariantList top = value.toList();
    ASSERT_EQ(top.size(), DesignFile::ElementCount);
    EXPECT_EQ(top.at(DesignFile::ExcelColumnTitlesAt), QVariant(QVariantList()));
    EXPECT_EQ(top.at(DesignFile::ExcelRowsAt), QVariant(QVariantList()));

    const DesignReadResult read = DesignFile::readDesignFile(path);
    ASSERT_TRUE(read.ok()) << qPrintable(read.detail);
    EXPECT_TRUE(read.contents->excelColumnTitles.isEmpty());
    EXPECT_TRUE(read.contents->excelRows.isEmpty());
    // The rest of the design is the template.
    expectSameGraphics(original.frontGraphics, read.contents->frontGraphics, "front");
    EXPECT_EQ(read.contents->excel_cb_value, original.excel_cb_value);
}

TEST_F(DesignFileTest, PythonPlistlibReadsTheFile) {
    ASSERT_TRUE(DesignFile::writeDesignFile(path, makeFullDesign(picture), QStringLiteral("L")).ok);
    const QString script = QStringLiteral(
        "import plistlib, sys\n"
        "d = plistlib.load(open(sys.argv[1], 'rb'))\n"
        "records = d[7] + d[8]\n"
        "ok = all(isinstance(r, list) and all(isinstance(s, str) for s in r) for r in records)\n"
        "print(d[0], len(d), len(records), ''.join(r[0] for r in d[7]), ok, d[12][1]['Column1'])\n");
    const ToolResult r = runTool(debianPython(), {QStringLiteral("-c"), script, path});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.out).trimmed(),
              QStringLiteral("VEDAREZEDUZER 14 12 TILDBS True Bo \"B\" <b>"));
}

TEST_F(DesignFileTest, DamagedFilesAreRefusedWithTheMessage) {
    const DesignContents design = makeFullDesign(picture);
    const QByteArray good = DesignFile::designFileData(design, QStringLiteral("L"));
    ASSERT_FALSE(good.isEmpty());
    const QVariantList top = validTopLevel(design);

    QList<std::pair<const char*, QByteArray>> cases;
    auto withElement = [&](int at, const QVariant& v) {
        QVariantList changed = top;
        changed[at] = v;
        return plistOf(changed);
    };
    QVariantList wrongMagic = top;
    wrongMagic[0] = QStringLiteral("VEDAREZEDUZEX");
    cases.append({"wrong magic", plistOf(wrongMagic)});
    cases.append({"magic not first", plistOf(QVariantList{QStringLiteral("1")} + top)});
    cases.append({"not an array", plistOf(QVariantMap{{QStringLiteral("0"), DesignFile::Magic}})});
    cases.append({"newer format", withElement(DesignFile::VersionAt, QStringLiteral("3"))});
    cases.append({"last element missing", plistOf(top.mid(0, top.size() - 1))});
    cases.append({"an element too many", plistOf(top + QVariantList{QStringLiteral("x")})});
    cases.append({"cut in half", good.left(good.size() / 2)});
    cases.append({"cut before the end tag", good.left(good.size() - 10)});
    cases.append({"empty file", QByteArray()});
    cases.append({"unknown start mode", withElement(DesignFile::StartModeAt, QStringLiteral("X"))});
    cases.append({"sides not 1 or 2", withElement(DesignFile::CardSidesAt, QStringLiteral("3"))});
    cases.append({"shape not a number", withElement(DesignFile::CardShapeAt, QStringLiteral("oval"))});
    cases.append({"flag not Y or N", withElement(DesignFile::ExcelBindingUseAt, QStringLiteral("1"))});
    cases.append({"path as array", withElement(DesignFile::ExcelSourcePathAt, QVariantList())});
    cases.append({"card record short",
                  withElement(DesignFile::BackCardPropertyAt, top.at(DesignFile::BackCardPropertyAt).toList().mid(1))});
    cases.append({"twelve indexes expected",
                  withElement(DesignFile::GroupColumnIndexesAt, QVariantList{QStringLiteral("1")})});
    {
        QVariantList records = top.at(DesignFile::BackGraphicsAt).toList();
        records[2] = QStringLiteral("T");
        cases.append({"record as string", withElement(DesignFile::BackGraphicsAt, records)});
        QVariantList record = records.at(0).toList();
        record[5] = qint64(5);
        records[0] = record;
        records[2] = top.at(DesignFile::BackGraphicsAt).toList().at(2);
        cases.append({"integer inside a record", withElement(DesignFile::BackGraphicsAt, records)});
    }
    {
        QVariantList rows = top.at(DesignFile::ExcelRowsAt).toList();
        QVariantMap row = rows.at(0).toMap();
        row.insert(QStringLiteral("Column1"), qint64(7));
        rows[0] = row;
        cases.append({"cell as integer", withElement(DesignFile::ExcelRowsAt, rows)});
        rows[0] = QStringLiteral("row");
        cases.append({"row as string", withElement(DesignFile::ExcelRowsAt, rows)});
    }
    // Every element replaced by a value of another type.
    for (int at = 0; at < DesignFile::ElementCount; ++at) {
        const bool isText = top.at(at).typeId() == QMetaType::QString;
        if (at == DesignFile::ExcelSourcePathAt)
            continue;  // replaced by an array above
        cases.append({"element of another type",
                      withElement(at, isText ? QVariant(QVariantMap{}) : QVariant(QStringLiteral("x")))});
    }
    // Entity expansion and deep nesting are refused by the property list
    // reader, whose tests cover them.

    for (const auto& [name, bytes] : cases) {
        const DesignReadResult fromData = DesignFile::readDesignData(bytes);
        EXPECT_FALSE(fromData.ok()) << name;
        EXPECT_EQ(fromData.message, QStringLiteral("File is corrupt and cannot be opened.")) << name;
        EXPECT_FALSE(fromData.detail.isEmpty()) << name;

        writeBytes(path, bytes);
        const DesignReadResult fromFile = DesignFile::readDesignFile(path);
        EXPECT_FALSE(fromFile.contents.has_value()) << name;
        EXPECT_EQ(fromFile.message, DesignFile::CorruptMessage) << name;
    }
}

TEST_F(DesignFileTest, HugeOrMissingFileIsRefusedUnread) {
    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(PropertyListLimits().maxBytes + 1));  // sparse: no disk used
    huge.close();
    DesignReadResult r = DesignFile::readDesignFile(path);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message, DesignFile::CorruptMessage);
    EXPECT_TRUE(r.detail.contains(QStringLiteral("too large"))) << qPrintable(r.detail);

    for (const QString& p : {dir.filePath(QStringLiteral("none.did")), dir.path()}) {
        r = DesignFile::readDesignFile(p);
        EXPECT_FALSE(r.ok()) << qPrintable(p);
        EXPECT_EQ(r.message, DesignFile::CorruptMessage);
    }
}

TEST_F(DesignFileTest, FailedSaveReportsAndKeepsTheEarlierFile) {
    const DesignContents design = makeFullDesign(picture);
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);
    const QByteArray earlier = fileBytes(path);
    ASSERT_GT(earlier.size(), 8192);
    DesignContents changed = design;
    changed.Front_card_Prop.Card_Name = QStringLiteral("Changed");

    // The disk fills up part way through the new file (as root, a read-only
    // folder would still be writable).
    {
        FileSizeLimit limit(4096);
        const DesignWriteResult r = DesignFile::writeDesignFile(path, changed, QStringLiteral("L"));
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.code, DesignFile::CannotWrite);
        EXPECT_TRUE(r.message().startsWith(QStringLiteral("5 -- "))) << qPrintable(r.message());
    }
    EXPECT_EQ(fileBytes(path), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";

    // A design that cannot be stored writes nothing.
    changed.backGraphics.first()->_barcode_image = QImage(GraphicArchive::MaxPictureSide + 1, 1, QImage::Format_Mono);
    changed.backGraphics.first()->_barcode_image.fill(0);
    const DesignWriteResult unstorable = DesignFile::writeDesignFile(path, changed, QStringLiteral("L"));
    EXPECT_FALSE(unstorable.ok);
    EXPECT_EQ(unstorable.code, DesignFile::NotStorable);
    EXPECT_EQ(fileBytes(path), earlier);

    // Text that XML cannot carry.
    DesignContents badText = design;
    badText.Excel_Source_Path = QString(QChar(0xFFFE));
    EXPECT_EQ(DesignFile::writeDesignFile(path, badText, QStringLiteral("L")).code, DesignFile::NotStorable);
    EXPECT_EQ(fileBytes(path), earlier);
}

TEST_F(DesignFileTest, SaveToAPathThatCannotHoldAFileFails) {
    const DesignContents design;
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    writeBytes(plainFile, "not a folder");
    const QString fifo = dir.filePath(QStringLiteral("pipe.did"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        QString mode;
        int code;
    } cases[] = {
        {plainFile + QStringLiteral("/design.did"), QStringLiteral("L"), DesignFile::CannotOpen},
        {dir.filePath(QStringLiteral("no folder/design.did")), QStringLiteral("L"), DesignFile::CannotOpen},
        {dir.path(), QStringLiteral("L"), DesignFile::NotARegularFile},
        {fifo, QStringLiteral("L"), DesignFile::NotARegularFile},  // never replaced by a plain file
        {QString(), QStringLiteral("L"), DesignFile::NotARegularFile},
        {path, QStringLiteral("G"), DesignFile::BadMode},
    };
    for (const auto& c : cases) {
        const DesignWriteResult r = DesignFile::writeDesignFile(c.path, design, c.mode);
        EXPECT_FALSE(r.ok) << qPrintable(c.path);
        EXPECT_EQ(r.code, c.code) << qPrintable(c.path) << " " << qPrintable(r.reason);
        EXPECT_EQ(r.message(), QStringLiteral("%1 -- %2").arg(c.code).arg(r.reason));
    }
    EXPECT_EQ(fileBytes(plainFile), QByteArray("not a folder"));
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(DesignFileTest, BarcodeStoredWithoutPictureIsMadeOnOpening) {
    DesignContents design;
    for (int i = 0; i < 2; ++i) {
        auto g = makeGraphic(GraphicKind::Barcode);
        g->linear_font_val = QStringLiteral("CODE%1").arg(i);
        design.backGraphics << g;
    }
    // The second takes its value from the design's own table.
    design.backGraphics.last()->data_source_type = DataSourceType::ExcelColumn;
    design.backGraphics.last()->excel_col_indx = 2;
    design.excelRows = {QVariantMap{{"Extension", "1"}, {"Column1", "Ann"}, {"Column2", "OWN-7"}}};
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);

    FixedProducer producer;
    producer.answer = makeTestPicture(20, 10, 0, qRgb(0, 0, 0));
    GraphicRecordContext context;
    context.producer = &producer;
    context.firstBoundValue = [](const SKTGraphic&) { return QStringLiteral("TABLE-ON-SCREEN"); };
    const DesignReadResult made = DesignFile::readDesignFile(path, context);
    ASSERT_TRUE(made.ok()) << qPrintable(made.detail);
    EXPECT_EQ(producer.values, (QStringList{"CODE0", "OWN-7"}));
    for (const auto& g : made.contents->backGraphics)
        EXPECT_FALSE(g->_barcode_image.isNull());
    EXPECT_TRUE(sameGraphic(*made.contents->backGraphics.last(), *made.contents->backGraphics.last()));
    EXPECT_EQ(made.Barcode_output_image, producer.answer) << "the last picture made, for the window";

    const DesignReadResult none = DesignFile::readDesignFile(path);
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none.Barcode_output_image.isNull());
    EXPECT_TRUE(none.contents->backGraphics.first()->_barcode_image.isNull());
}

// The stored picture carries the symbol: opening needs no producer.
TEST_F(DesignFileTest, Pdf417GraphicDecodesAfterSaveOpenAndOffscreenRender) {
    const QString value = QStringLiteral("Zelk ID 0042 · visitor pass");
    TwoDSettings symbol;
    symbol.pdfWidth = 200;
    symbol.pdfHeight = 80;
    BarcodeRenderSettings finish;
    finish.hideHeader = finish.hideFooter = true;
    DesignContents design;
    design.Front_card_Prop.Card_Size = QSizeF(243, 153);
    design.frontGraphics << makeGraphic(GraphicKind::Barcode);
    design.frontGraphics[0]->Set_Barcode_image(
        TwoDRenderer::imageFromBarcodeImage(TwoDBarcode::Draw_PDF_417_Barcode(value, symbol), "", "", finish));
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);

    const DesignReadResult read = DesignFile::readDesignFile(path);
    ASSERT_TRUE(read.ok()) << qPrintable(read.detail);
    const DesignContents& c = *read.contents;
    const QRectF card(QPointF(0, 0), c.Front_card_Prop.Card_Size);
    const SideSnapshot side = SideSnapshot::take(&c.frontGraphics, &c.Front_card_Prop, &c.Back_card_Prop, 0, 0, card);
    const auto decoded = zxingDecode(onWhite(SKTRenderingView(card, side, "Print").imageAtResolution(300)), "PDF417");
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->text, value);
}

TEST_F(DesignFileTest, PicturesClaimingTooManyPixelsTogetherAreRefusedUndecoded) {
    // Each picture alone is within the limit of one picture; together they
    // would need gigabytes.
    DesignContents design;
    design.frontGraphics << makeGraphic(GraphicKind::Barcode);
    QVariantList top = validTopLevel(design);
    QStringList record;
    for (const QVariant& v : top.at(DesignFile::FrontGraphicsAt).toList().first().toList())
        record << v.toString();
    const int at = int(GraphicRecord::elementNames().indexOf(QStringLiteral("_barcode_image")));
    record[at] = QString::fromLatin1(pngHeaderClaiming(8000, 5000).toBase64());  // 40 million pixels
    EXPECT_EQ(GraphicRecord::storedPicturePixels(record), 40'000'000);
    QVariantList records;
    for (int i = 0; i < 6; ++i)
        records << QVariant(QVariantList(record.begin(), record.end()));
    top[DesignFile::FrontGraphicsAt] = records;
    const DesignReadResult r = DesignFile::readDesignData(plistOf(top));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message, DesignFile::CorruptMessage);
    EXPECT_TRUE(r.detail.contains(QStringLiteral("pixels in all"))) << qPrintable(r.detail);
}

TEST_F(DesignFileTest, WhatTheWriterAcceptsTheReaderOpensAtBothSidesOfThePixelLimit) {
    // 8000 x 5000 is the 40 million pixel limit; Qt's own reader stops near
    // 33.5 million. 1-bit pictures keep the test small.
    for (const int height : {5000, 5001}) {
        DesignContents design;
        design.frontGraphics << makeGraphic(GraphicKind::Barcode);
        QImage& stored = design.frontGraphics.first()->_barcode_image;
        stored = QImage(8000, height, QImage::Format_Mono);
        stored.fill(1);
        const DesignWriteResult written = DesignFile::writeDesignFile(path, design, QStringLiteral("L"));
        EXPECT_EQ(written.code, height > 5000 ? DesignFile::NotStorable : DesignFile::NoError);
        const DesignReadResult r = DesignFile::readDesignFile(path);
        ASSERT_TRUE(r.ok()) << qPrintable(r.detail);
        EXPECT_EQ(r.contents->frontGraphics.first()->_barcode_image.size(), QSize(8000, 5000));
    }
}

TEST_F(DesignFileTest, ADiskThatFillsUpPartWaySaysSoAndKeepsTheEarlierFile) {
    TinyDisk disk;
    ASSERT_TRUE(disk.mounted) << "cannot mount a small tmpfs: " << strerror(errno);
    const QString onDisk = disk.dir.filePath(QStringLiteral("card.did"));
    DesignContents design = makeFullDesign(picture);
    ASSERT_TRUE(DesignFile::writeDesignFile(onDisk, design, QStringLiteral("L")).ok);
    const QByteArray earlier = fileBytes(onDisk);
    design.Front_card_Prop.Card_Name = QString(100000, QLatin1Char('x'));
    const DesignWriteResult r = DesignFile::writeDesignFile(onDisk, design, QStringLiteral("L"));
    EXPECT_EQ(r.code, DesignFile::CannotWrite);
    EXPECT_TRUE(r.message().contains(QStringLiteral("disk is full"))) << qPrintable(r.message());
    EXPECT_EQ(fileBytes(onDisk), earlier);

    // Nor does a pasted picture that does not fit leave a part of itself.
    AppPaths::initWithRoots(resourceDir(), disk.dir.path());
    QString error;
    EXPECT_EQ(UserPictureFolder::storePicture(makeTestPicture(400, 400, 0, 7), &error), QString());
    EXPECT_TRUE(error.contains(QStringLiteral("disk is full"))) << qPrintable(error);
    EXPECT_EQ(QDir(disk.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"card.did"});
    EXPECT_TRUE(QDir(UserPictureFolder::path()).isEmpty());
}

class CountingHost : public DefaultModelHost {
public:
    QImage Get_Image_For_Path(const QString& file, bool asIcon) override {
        ++reads[file];
        return DefaultModelHost::Get_Image_For_Path(file, asIcon);
    }
    QHash<QString, int> reads;
};

TEST_F(DesignFileTest, APictureNamedByManyGraphicsIsReadOncePerLoadAtPreviewSize) {
    // A grey 20000 x 20000 PNG of 1.2 MB, written a row at a time.
    const QString huge = dir.filePath(QStringLiteral("huge.png"));
    const QString script = QStringLiteral(
        "import sys, struct, zlib\n"
        "def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))\n"
        "z = zlib.compressobj(1); row = b'\\0' + b'\\x80' * 60000\n"
        "idat = b''.join(z.compress(row) for _ in range(20000)) + z.flush()\n"
        "head = struct.pack('>IIBBBBB', 20000, 20000, 8, 2, 0, 0, 0)\n"
        "open(sys.argv[1], 'wb').write(b'\\x89PNG\\r\\n\\x1a\\n' + chunk(b'IHDR', head) + chunk(b'IDAT', idat)"
        " + chunk(b'IEND', b''))\n");
    ASSERT_EQ(runTool(debianPython(), {QStringLiteral("-c"), script, huge}).exitCode, 0);
    // A header claiming more than any reader takes, with no pixels behind it.
    const QString claim = dir.filePath(QStringLiteral("claim.png"));
    writeBytes(claim, pngHeaderClaiming(100000, 100000));
    DesignContents design;
    for (int i = 0; i <= 12; ++i) {
        auto g = makeGraphic(GraphicKind::Image);
        g->_file_path = i < 12 ? huge : claim;
        (i < 12 ? design.frontGraphics : design.backGraphics) << g;
    }
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);

    CountingHost host;
    setModelHost(&host);
    const DesignReadResult r = DesignFile::readDesignFile(path);
    ASSERT_TRUE(r.ok()) << qPrintable(r.detail);
    EXPECT_EQ(host.reads.value(huge), 1);
    for (const auto& g : r.contents->frontGraphics) {
        EXPECT_EQ(g->_contents.size(), QSize(PreviewPictureSide, PreviewPictureSide));
        EXPECT_EQ(QColor(g->_contents.pixel(250, 250)), QColor(0x80, 0x80, 0x80));
    }
    auto& refused = static_cast<SKTImage&>(*r.contents->backGraphics.first());
    EXPECT_TRUE(refused._contents.isNull());
    refused.setFileNSImage();  // outside a load, a path is read afresh
    EXPECT_EQ(host.reads.value(claim), 2);
    setModelHost(nullptr);
}

TEST_F(DesignFileTest, TextKeepsEveryCharacterThroughTheFile) {
    // XML normalises line ends and a reader may trim blanks: none of that may
    // reach the user's texts.
    const QStringList texts = {
        QString(),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("windows\r\nline\rends\n"),
        QStringLiteral("\ttabs\t"),
        QStringLiteral("<markup> & \"quotes\" 'single' ]]>"),
        QStringLiteral("Ünïcødé ÷ 漢字 😀"),
        QStringLiteral("\n"),
        QStringLiteral(" "),
    };
    DesignContents design;
    for (const QString& text : texts) {
        auto g = makeGraphic(GraphicKind::Text);
        g->Set_text_value(text);
        g->control_ID = text;
        design.frontGraphics << g;
        design.excelColumnTitles << text;
        design.excelRows << QVariantMap{{QStringLiteral("Column1"), text}};
    }
    design.Excel_Source_Path = texts.at(1);
    design.Front_card_Prop.Watermark_Text = texts.at(2);
    ASSERT_TRUE(DesignFile::writeDesignFile(path, design, QStringLiteral("L")).ok);
    const DesignReadResult r = DesignFile::readDesignFile(path);
    ASSERT_TRUE(r.ok()) << qPrintable(r.detail);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(r.contents->frontGraphics.at(i)->Text_Value, texts.at(i)) << i;
        EXPECT_EQ(r.contents->frontGraphics.at(i)->_Text_contents, texts.at(i)) << i;
        EXPECT_EQ(r.contents->frontGraphics.at(i)->control_ID, texts.at(i)) << i;
        EXPECT_EQ(r.contents->excelColumnTitles.at(i), texts.at(i)) << i;
        EXPECT_EQ(r.contents->excelRows.at(i).value(QStringLiteral("Column1")).toString(), texts.at(i)) << i;
    }
    EXPECT_EQ(r.contents->Excel_Source_Path, texts.at(1));
    EXPECT_EQ(r.contents->Front_card_Prop.Watermark_Text, texts.at(2));
}

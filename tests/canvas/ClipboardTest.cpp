// Copy and paste: our type restores every field, the PDF, TIFF and PNG
// renderings show the graphics, an outside picture becomes an image graphic,
// and unreadable data is reported to the user through SKTErrorWithCode.
#include "CanvasTestSupport.h"

#include "../foundation/GraphicTestSupport.h"
#include "TestSupport.h"
#include "canvas/GraphicClipboard.h"
#include "canvas/SKTError.h"
#include "foundation/AppPaths.h"
#include "foundation/GraphicArchive.h"
#include "foundation/SKTImage.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QImageWriter>
#include <QMimeData>
#include <QTemporaryDir>

using namespace zelk;
using namespace zelk::test;

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

TEST(SKTError, CodesLookUpTheirTextsInTheStringsTable) {
    for (long code : {long(SKTUnknownPasteboardReadError), long(SKTImageReadError)}) {
        const SKTError e = SKTErrorWithCode(code);
        EXPECT_EQ(e.localizedDescription, sktErrorString(QStringLiteral("description%1").arg(code)));
        EXPECT_FALSE(e.localizedDescription.startsWith(QLatin1String("description")));
        EXPECT_FALSE(e.localizedFailureReason.startsWith(QLatin1String("failureReason")));
        EXPECT_TRUE(e.userText().contains(e.localizedFailureReason));
    }
    // A key the table lacks comes back as itself.
    EXPECT_EQ(SKTErrorWithCode(99).localizedDescription, QStringLiteral("description99"));
}

using CanvasClipboard = CanvasFixture;

TEST_F(CanvasClipboard, CopyOffersOurTypePdfTiffAndPng) {
    auto g = add(GraphicKind::Shape, QRectF(20, 30, 40, 20));
    g->_fillColor = Qt::red;
    g->_isDrawingStroke = false;
    std::unique_ptr<QMimeData> data(GraphicClipboard::mimeDataForGraphics({g}));
    for (const QString& type : {GraphicClipboard::SKTGraphicViewPasteboardType, GraphicClipboard::PdfType,
                                GraphicClipboard::TiffType, GraphicClipboard::PngType})
        EXPECT_TRUE(data->hasFormat(type)) << type.toStdString();

    EXPECT_TRUE(data->data(GraphicClipboard::PdfType).startsWith("%PDF"));
    for (const QString& type : {GraphicClipboard::TiffType, GraphicClipboard::PngType}) {
        const QImage image = QImage::fromData(data->data(type));
        ASSERT_FALSE(image.isNull()) << type.toStdString();
        // 40 x 20 points at 144 dpi, filled red.
        EXPECT_EQ(image.size(), QSize(80, 40)) << type.toStdString();
        EXPECT_EQ(QColor(image.pixel(40, 20)), QColor(Qt::red)) << type.toStdString();
        EXPECT_EQ(pictureSizeInPoints(image), QSizeF(40, 20)) << type.toStdString();
    }
}

TEST_F(CanvasClipboard, PdfRenderingIsReadableByPoppler) {
    auto g = add(GraphicKind::Text, QRectF(0, 0, 120, 30));
    g->Set_text_value(QStringLiteral("Clipboard words"));
    std::unique_ptr<QMimeData> data(GraphicClipboard::mimeDataForGraphics({g}));
    QTemporaryDir dir;
    QFile pdf(dir.filePath("copy.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write(data->data(GraphicClipboard::PdfType));
    pdf.close();
    const ToolResult text = runTool(QStringLiteral("pdftotext"), {pdf.fileName(), QStringLiteral("-")});
    ASSERT_TRUE(text.started);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("Clipboard words")) << text.out.toStdString();
}

TEST_F(CanvasClipboard, CopyAndPasteWithinTheCanvasKeepEveryField) {
    auto a = makeFilledGraphic(GraphicKind::Barcode);
    auto b = makeFilledGraphic(GraphicKind::Text);
    a->ctrl_is_locked = b->ctrl_is_locked = false;
    doc.graphics = {a, b};
    auto other = add(GraphicKind::Shape, QRectF(0, 0, 5, 5));
    view->setSelectionIndexes({0, 1});
    QTest::keySequence(view.get(), QKeySequence::Copy);

    view->setSelectionIndexes({2});
    const int undoBefore = view->undoStacks().undoCount();
    host.shown.clear();
    QTest::keySequence(view.get(), QKeySequence::Paste);
    ASSERT_EQ(doc.graphics.size(), 5);
    EXPECT_TRUE(graphicsMatch(*a, *doc.graphics.at(0)));
    EXPECT_TRUE(graphicsMatch(*b, *doc.graphics.at(1)));
    EXPECT_NE(doc.graphics.at(0).get(), a.get());  // copies, not the same objects
    EXPECT_EQ(view->selectionIndexes(), indexesOf({0, 1}));
    EXPECT_EQ(view->Selected_Graphic(), doc.graphics.at(0));
    ASSERT_FALSE(host.shown.isEmpty());
    EXPECT_EQ(host.shown.last(), doc.graphics.at(0).get());
    EXPECT_EQ(view->undoStacks().undoCount(), undoBefore + 1);
    EXPECT_EQ(doc.graphics.at(4), other);
}

// A copy or cut that has nothing to put on the clipboard leaves what was
// there: an empty clipboard object would crash the text boxes' paste.
TEST_F(CanvasClipboard, NothingToCopyLeavesTheClipboardAsItWas) {
    // Hidden, so nothing is drawn, and beyond the archive's limits.
    auto hidden = add(GraphicKind::Image, QRectF(0, 0, 10, 10));
    hidden->_contents = QImage(GraphicArchive::MaxPictureSide + 1, 1, QImage::Format_Mono);
    hidden->_contents.fill(0);
    hidden->ctrl_is_visible = false;
    const struct {
        const char* note;
        QList<int> selection;
        QKeySequence::StandardKey key;
    } cases[] = {
        {"copy, nothing selected", {}, QKeySequence::Copy},
        {"cut, nothing selected", {}, QKeySequence::Cut},
        {"copy of a graphic that yields nothing", {0}, QKeySequence::Copy},
        {"cut of a graphic that yields nothing", {0}, QKeySequence::Cut},
    };
    for (const auto& c : cases) {
        auto* kept = new QMimeData();
        kept->setText(QStringLiteral("kept"));
        QGuiApplication::clipboard()->setMimeData(kept);
        view->setSelectionIndexes(c.selection);
        QTest::keySequence(view.get(), c.key);
        const QMimeData* now = QGuiApplication::clipboard()->mimeData();
        EXPECT_EQ(now ? now->text() : QString(), QStringLiteral("kept")) << c.note;
    }
}

TEST_F(CanvasClipboard, CutTakesTheGraphicsAway) {
    add(GraphicKind::Shape, QRectF(0, 0, 5, 5));
    view->setSelectionIndexes({0});
    QTest::keySequence(view.get(), QKeySequence::Cut);
    EXPECT_TRUE(doc.graphics.isEmpty());
    EXPECT_TRUE(GraphicClipboard::hasGraphics(QGuiApplication::clipboard()->mimeData()));
    view->paste();
    EXPECT_EQ(doc.graphics.size(), 1);
}

// Pasted pictures are written into the user's picture folder of a data tree.
class CanvasPictureClipboard : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        AppPaths::initWithRoots(resourceDir(), data.path());
    }
    QTemporaryDir data;
};

TEST_F(CanvasPictureClipboard, AnOutsidePngBecomesAnImageGraphicWithAFileOfItsOwn) {
    QImage picture(60, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    auto* data = new QMimeData();
    data->setData(QStringLiteral("image/png"), encoded(picture, "PNG"));
    QGuiApplication::clipboard()->setMimeData(data);

    view->paste();
    view->paste();
    ASSERT_EQ(doc.graphics.size(), 2);
    auto g = doc.graphics.first();
    ASSERT_TRUE(isExactlyImage(g.get()));
    EXPECT_EQ(g->bounds().size(), QSizeF(60, 30));  // its own size
    EXPECT_EQ(g->_contents.size(), QSize(60, 30));
    EXPECT_FALSE(g->_contents_with_settings.isNull());
    EXPECT_EQ(view->Selected_Graphic(), g);
    // Each paste has a file of its own in the data tree's picture folder.
    EXPECT_EQ(QFileInfo(g->_file_path).absolutePath(), this->data.filePath("Images_save_by_user"));
    EXPECT_NE(g->_file_path, doc.graphics.at(1)->_file_path);
    EXPECT_EQ(QImage(g->_file_path).convertToFormat(QImage::Format_RGB32), picture);
}

TEST_F(CanvasPictureClipboard, APictureLargerThanTheCardIsFittedToIt) {
    QImage picture(1000, 500, QImage::Format_RGB32);
    picture.fill(Qt::green);
    auto* data = new QMimeData();
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
    view->paste();
    ASSERT_EQ(doc.graphics.size(), 1);
    const QSizeF size = doc.graphics.first()->bounds().size();
    EXPECT_NEAR(size.width(), CardSize.width(), 1e-9);
    EXPECT_NEAR(size.height(), CardSize.width() / 2, 1e-9);
}

TEST_F(CanvasClipboard, UnreadableDataIsReportedAndInsertsNothing) {
    struct {
        QString type;
        QByteArray bytes;
        long code;
    } cases[] = {
        {GraphicClipboard::SKTGraphicViewPasteboardType, QByteArray("\xa1\x61\x78", 3), SKTUnknownPasteboardReadError},
        {GraphicClipboard::SKTGraphicViewPasteboardType, QByteArray(), SKTUnknownPasteboardReadError},
        {QStringLiteral("image/png"), QByteArray("\x89PNG\r\n\x1a\n broken", 16), SKTImageReadError},
        {QStringLiteral("image/jpeg"), QByteArray("not a picture"), SKTImageReadError},
    };
    for (const auto& c : cases) {
        MessageCapture messages;
        auto* data = new QMimeData();
        data->setData(c.type, c.bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        const int undoBefore = view->undoStacks().undoCount();
        view->paste();
        EXPECT_TRUE(doc.graphics.isEmpty()) << c.type.toStdString();
        EXPECT_EQ(view->undoStacks().undoCount(), undoBefore);
        ASSERT_EQ(messages.texts.size(), 1) << c.type.toStdString();
        EXPECT_EQ(messages.texts.first(), "\n" + SKTErrorWithCode(c.code).userText());
    }
}

TEST_F(CanvasClipboard, TextOnTheClipboardPastesNothingQuietly) {
    MessageCapture messages;
    auto* data = new QMimeData();
    data->setText(QStringLiteral("just words"));
    QGuiApplication::clipboard()->setMimeData(data);
    view->paste();
    EXPECT_TRUE(doc.graphics.isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty());
}

}  // namespace

// Every template the application ships opens, in the design-file reader and
// in the main window, and its preview is a picture of its front side.
#include "MainWindowTestSupport.h"
#include "TemplateGeneratorSupport.h"

#include "mainwindow/AppGlobals.h"
#include "mainwindow/CardSizeChange.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/TemplateGallery.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QStringList shippedPreviews() {
    QStringList out;
    const QDir root(QDir(zelk::test::resourceDir()).filePath(QStringLiteral("Templates")));
    for (const QString& folder : TemplateGallery::categoryFolderNames())
        out << TemplateGallery::previewFilesIn(root.filePath(folder));
    return out;
}

// Mean absolute difference per channel, 0 to 255.
double meanDifference(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(pa[x]) - qRed(pb[x])) + std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                   std::abs(qBlue(pa[x]) - qBlue(pb[x])) + std::abs(qAlpha(pa[x]) - qAlpha(pb[x]));
    }
    return sum / (4.0 * a.width() * a.height());
}

TEST(ShippedTemplates, EveryCategoryHasTwoAndAnOrientationPairExists) {
    const QDir root(QDir(zelk::test::resourceDir()).filePath(QStringLiteral("Templates")));
    int marked = 0;
    for (const QString& folder : TemplateGallery::categoryFolderNames()) {
        const QStringList previews = TemplateGallery::previewFilesIn(root.filePath(folder));
        EXPECT_GE(previews.size(), 2) << folder.toStdString();
        for (const QString& p : previews)
            if (!CardSizeChange::orientationMark(p).isNull() &&
                previews.contains(CardSizeChange::otherOrientationPath(p)))
                ++marked;
    }
    EXPECT_GE(marked, 2);
}

TEST(ShippedTemplates, EachOpensAndItsPreviewIsItsFrontSide) {
    const QStringList previews = shippedPreviews();
    ASSERT_GE(previews.size(), 14);
    for (const QString& preview : previews) {
        SCOPED_TRACE(preview.toStdString());
        const zelk::DesignReadResult read = DesignFile::readDesignFile(TemplateGallery::designPathOfPreview(preview));
        ASSERT_TRUE(read.ok()) << read.detail.toStdString();
        const zelk::DesignContents& d = *read.contents;
        EXPECT_EQ(d.Start_Card_Option, QStringLiteral("T"));
        EXPECT_EQ(d.CARD_SIDE_STR, QStringLiteral("2"));
        EXPECT_FALSE(d.frontGraphics.isEmpty());
        EXPECT_FALSE(d.backGraphics.isEmpty());
        EXPECT_TRUE(d.excelColumnTitles.isEmpty());

        const QImage shipped(preview);
        const QImage rendered = zelk::test::renderFront(d);
        ASSERT_FALSE(shipped.isNull());
        ASSERT_EQ(shipped.size(), rendered.size());
        // Drawn by the same renderer: only font rasterising may differ.
        EXPECT_LT(meanDifference(shipped, rendered), 2.0);
        // And it is a card, not a blank: the header or band is coloured.
        EXPECT_GT(meanDifference(shipped, QImage(shipped.size(), QImage::Format_ARGB32)), 50.0);
    }
}

class ShippedTemplatesInWindow : public zelk::test::MainWindowTest {};

TEST_F(ShippedTemplatesInWindow, EachLoadsAsAnUntitledTemplate) {
    SKTWindowController& w = open();
    const QStringList previews = shippedPreviews();
    ASSERT_GE(previews.size(), 14);  // a lost resource folder must not pass unseen
    for (const QString& preview : previews) {
        SCOPED_TRACE(preview.toStdString());
        sink.shown.clear();
        EXPECT_EQ(w.Read_and_load_design_Log_NEW_METHOD(TemplateGallery::designPathOfPreview(preview),
                                                        QStringLiteral("T"), true),
                  1);
        EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
        EXPECT_EQ(Project_File_Name, QString());
        EXPECT_FALSE(w.Get_Front_Controls_Array().isEmpty());
    }
}

}  // namespace

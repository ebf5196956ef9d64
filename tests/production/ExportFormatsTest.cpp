// A two-sided batch in every file type, side files and combined, checked
// with outside tools: file(1), ImageMagick's identify, poppler, Ghostscript.
#include "ExportTestSupport.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "production/ExportBatchJob.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

namespace {

QString tool(const QString& program, const QStringList& args) {
    const ToolResult r = runTool(program, args);
    EXPECT_TRUE(r.started) << program.toStdString() << " is not installed";
    EXPECT_EQ(r.exitCode, 0) << program.toStdString() << ": " << r.err.toStdString();
    return QString::fromUtf8(r.out).trimmed();
}

// Mean difference of the colour channels, both pictures on white.
double meanDifference(const QImage& a, const QImage& b) {
    const QSize s = a.size().boundedTo(b.size());
    QImage x(s, QImage::Format_RGB32), y(s, QImage::Format_RGB32);
    for (auto [to, from] : {std::pair{&x, &a}, std::pair{&y, &b}}) {
        to->fill(Qt::white);
        QPainter(to).drawImage(0, 0, *from);
    }
    double sum = 0;
    for (int j = 0; j < s.height(); ++j)
        for (int i = 0; i < s.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * s.width() * s.height());
}

}  // namespace

TEST(ExportFormats, EveryTypeSideFilesAndCombinedAsOutsideToolsReadThem) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const auto cards = std::make_shared<TestCards>(2);
    // `file` names, as file(1) of Debian 12 writes them.
    const struct {
        const char* ext;
        const char* kind;
        bool alpha;  // corners stay clear
    } types[] = {
        {"PNG", "PNG image data", true},   {"JPG", "JPEG image data", false}, {"BMP", "PC bitmap", false},
        {"TIFF", "TIFF image data", true}, {"PDF", "PDF document", false},
        {"EPS", "PostScript document text conforming DSC level 3.0, type EPS", false},
    };
    for (const auto& t : types) {
        for (const bool combined : {false, true}) {
            const QString ext = QString::fromLatin1(t.ext);
            SCOPED_TRACE(t.ext + std::string(combined ? " combined" : ""));
            // Stacked for PNG, JPG, BMP; side by side for the others.
            const bool sideBySide = combined && (ext == "TIFF" || ext == "PDF" || ext == "EPS");
            const QString folder = tmp.filePath(ext + (combined ? "-both" : ""));
            ASSERT_TRUE(QDir().mkpath(folder));
            replace_keep_file_flag = 0;
            ExportBatchJob job({folder, ext, "BOTH", combined, sideBySide, 0, 2, 0}, cards);
            job.run();
            ASSERT_EQ(job.filesWritten(), combined ? 2 : 4);
            const QDir out(job.outputFolder());
            const QStringList names = combined ? QStringList{"Card_1", "Card_2"}
                                               : QStringList{"Card_1_Back", "Card_1_Front", "Card_2_Back", "Card_2_Front"};
            for (const QString& name : names) {
                const QString file = out.filePath(name + "." + ext);
                const QString card = name.startsWith("Card_2") ? "Card 2" : "Card 1";
                EXPECT_TRUE(tool("file", {"-b", file}).startsWith(t.kind)) << qPrintable(file);
                const double w = sideBySide ? 180 : 90, h = combined && !sideBySide ? 108 : 54;
                if (ext == "PDF") {
                    EXPECT_TRUE(tool("pdfinfo", {file}).contains(QStringLiteral("Page size:       %1 x %2 pts").arg(w).arg(h)));
                    const QString text = tool("pdftotext", {file, "-"}).simplified();
                    for (const QString side : {"front", "back"}) {
                        if (combined || name.endsWith(side, Qt::CaseInsensitive)) {
                            EXPECT_TRUE(text.contains(card + " " + side)) << qPrintable(text);
                        }
                    }
                    continue;
                }
                QString picture = file;
                if (ext == "EPS") {
                    // Rendered by Ghostscript at the box's size, it is the PNG's card.
                    picture = file + ".png";
                    tool("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-r600", "-sDEVICE=png16m",
                                "-sOutputFile=" + picture, file});
                    const QString png = tmp.filePath(QStringLiteral("PNG%1/Zelk ID Card/%2.PNG")
                                                         .arg(combined ? "-both" : "", name));
                    QImage ours(png);
                    if (combined && sideBySide)  // the PNG is stacked: compare its front
                        ours = ours.copy(0, 0, 750, 450);
                    EXPECT_LT(meanDifference(QImage(picture), ours), 3.0);
                } else {
                    // 600 dpi, ceil(points x 600 / 72) pixels each way.
                    const QStringList id = tool("identify", {"-units", "PixelsPerInch", "-format", "%w %h %x %y", file})
                                               .split(' ');
                    ASSERT_EQ(id.size(), 4);
                    EXPECT_EQ(id[0].toInt(), int(w * 600 / 72));
                    EXPECT_EQ(id[1].toInt(), int(h * 600 / 72));
                    EXPECT_EQ(qRound(id[2].toDouble()), 600);
                    EXPECT_EQ(qRound(id[3].toDouble()), 600);
                }
                // A rounded corner: clear, or white paper; the card itself opaque.
                const QStringList px = tool("identify", {"-format",
                                                         "%[fx:round(255*p{1,1}.a)] %[fx:round(255*p{1,1}.r)] "
                                                         "%[fx:round(255*p{375,225}.a)]",
                                                         picture})
                                           .split(' ');
                ASSERT_EQ(px.size(), 3);
                EXPECT_EQ(px[0].toInt(), t.alpha ? 0 : 255);
                if (!t.alpha) {
                    EXPECT_EQ(px[1].toInt(), 255);
                }
                EXPECT_EQ(px[2].toInt(), 255);
            }
        }
    }
}

// The crop arithmetic, the output names, and face detection on a real
// photograph (the public-domain astronaut portrait of scikit-image).
#include "TestSupport.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "imaging/CropJob.h"
#include "imaging/CropPicture.h"
#include "imaging/FaceFinder.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelk;

namespace {

// A grey picture with one red block (top-left pixel rectangle).
QImage withBlock(QSize size, QRect block) {
    QImage p(size, QImage::Format_RGB32);
    p.fill(Qt::gray);
    QPainter(&p).fillRect(block, Qt::red);
    return p;
}

bool allRed(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) != QColor(Qt::red))
                return false;
    return true;
}

QString astronaut() { return test::sourceDir() + QStringLiteral("/tests/data/astronaut.png"); }

double overlap(const QRectF& a, const QRectF& b) {
    const QRectF i = a.intersected(b);
    const double u = a.width() * a.height() + b.width() * b.height() - i.width() * i.height();
    return u > 0 ? i.width() * i.height() / u : 0;
}

}  // namespace

TEST(CropArithmetic, GivenSizeAndSizeTexts) {
    // 300 x 100 with the aspect kept on a 400 x 400 picture: 100 x 100.
    EXPECT_EQ(CropPicture::givenSize(300, 100, true, QSizeF(400, 400)), QSizeF(100, 100));
    EXPECT_EQ(CropPicture::givenSize(300, 100, false, QSizeF(400, 400)), QSizeF(300, 100));
    const struct {
        const char *typed, *shown;  // the size text rules, 1 to 10000
    } texts[] = {{"", "1"}, {"0", "1"}, {"abc", "1"}, {"123456", "10000"}, {"20000", "10000"}, {"9999", "9999"},
                 {" 42 ", "42"}};
    for (const auto& t : texts)
        EXPECT_EQ(CropPicture::sizeText(QString::fromLatin1(t.typed)), QString::fromLatin1(t.shown)) << t.typed;
    const QImage scaled = CropPicture::crop(withBlock({400, 400}, {}), {CropSettings::GivenSize, {}, {500, 400}, 0, 0,
                                                                        300, 100, true, {}},
                                            nullptr)
                              .image;
    EXPECT_EQ(scaled.size(), QSize(100, 100));
}

TEST(CropArithmetic, FaceRectangleUsesTheCropsOwnScale) {
    const struct {
        QSize picture, view;
        QRect face;        // top-left pixels
        double margin;
        QRectF canvas;     // the crop rectangle, hand computed
        QSize out;
    } cases[] = {
        // A 300 x 200 preview shown 1:1 in a 400 x 300 view: ratio 1, only the flip.
        {{300, 200}, {400, 300}, {10, 20, 50, 60}, 0, {10, 120, 50, 60}, {50, 60}},
        // Shown at half size: the rectangle on the canvas is halved, the crop is the face.
        {{400, 200}, {200, 200}, {100, 50, 80, 40}, 0, {50, 55, 40, 20}, {80, 40}},
        // Margin 100 doubles the face, centred on it.
        {{400, 200}, {200, 200}, {100, 50, 80, 40}, 100, {30, 45, 80, 40}, {160, 80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.margin);
        const QImage shown = withBlock(c.picture, c.face);
        const QSizeF ratio = CropPicture::originalImageRatio(QSizeF(c.picture), QSizeF(c.view), 0);
        const QRectF r = CropPicture::faceCropRect(c.face, shown, c.margin, ratio);
        EXPECT_EQ(r, c.canvas);
        const QImage cut = CropPicture::cut(shown, CropPicture::sourceRect(r, ratio));
        EXPECT_EQ(cut.size(), c.out);
        if (c.margin == 0)
            EXPECT_TRUE(allRed(cut));
        else
            EXPECT_EQ(QColor(cut.pixel(cut.width() / 2, cut.height() / 2)), QColor(Qt::red));
    }
    // A selection without width writes nothing.
    EXPECT_TRUE(CropPicture::cut(withBlock({100, 100}, {}), QRectF(10, 10, 0, 30)).isNull());
}

// A selection reaching beyond the picture keeps only the picture's part;
// one holding nothing of it gives nothing, said apart from an empty one.
TEST(CropArithmetic, SelectionsAreClippedToThePicture) {
    const QImage picture = withBlock({60, 40}, {0, 0, 60, 40});  // all red
    const struct {
        QRectF canvas;  // view 500 x 400: a 60 x 40 picture is shown 1:1
        QSize out;      // hand computed; 0 x 0: nothing
        bool outside;
    } cases[] = {
        {{10, 10, 20, 20}, {20, 20}, false},    // inside: as before
        {{50, 30, 100, 100}, {10, 10}, false},  // over the top right corner
        {{-20, -20, 40, 30}, {20, 10}, false},  // over the bottom left corner
        {{10, 10, 100, 100}, {50, 30}, false},  // the default selection on a small picture
        {{-5, -5, 200, 200}, {60, 40}, false},  // around the whole picture
        {{70, 10, 20, 20}, {0, 0}, true},       // beside it
        {{10, 50, 20, 20}, {0, 0}, true},       // above it
        {{10, 10, 0, 20}, {0, 0}, false},       // no width: nothing, and no fault
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1,%2 %3x%4").arg(c.canvas.x()).arg(c.canvas.y()).arg(c.canvas.width())
                         .arg(c.canvas.height()).toStdString());
        CropSettings s;
        s.cropRect = c.canvas;
        s.viewSize = QSizeF(500, 400);
        const CropPicture::Result r = CropPicture::crop(picture, s, nullptr);
        EXPECT_EQ(r.image.size(), c.out);
        EXPECT_EQ(r.outside, c.outside);
        EXPECT_TRUE(r.image.isNull() || allRed(r.image));  // picture pixels only, nothing blank
    }
}

TEST(CropNames, InputNameAndNumberedCustomNames) {
    CropNaming n;
    n.folder = QStringLiteral("/out");
    EXPECT_EQ(n.Cropped_File_Name(QStringLiteral("/in/photo.JPG")), "/out/photo.jpg");
    EXPECT_EQ(n.Cropped_File_Name(QStringLiteral("/in/photo.JPG")), "/out/photo.jpg");
    n.customName = true;
    n.custom = QStringLiteral("Card");
    n.formatIndex = 2;
    n.crop_num = 0;
    EXPECT_EQ(n.Cropped_File_Name(QString()), "/out/Card.png");
    EXPECT_EQ(n.Cropped_File_Name(QString()), "/out/Card_1.png");
    EXPECT_EQ(n.Cropped_File_Name(QString()), "/out/Card_2.png");
    // Typed names are cleaned: none leaves the folder, none is hidden in it.
    const struct {
        const char *typed, *path;
    } typed[] = {{"../../escaped", "/out/_.._escaped.png"},
                 {"/etc/evil", "/out/etc_evil.png"},
                 {".hidden", "/out/hidden.png"},
                 {" ./.x", "/out/_.x.png"}};
    for (const auto& t : typed) {
        n.custom = QString::fromLatin1(t.typed);
        n.crop_num = 0;
        EXPECT_EQ(n.Cropped_File_Name(QString()), t.path) << t.typed;
    }
    EXPECT_EQ(CropNaming::extensionOf(3), "tiff");
    EXPECT_EQ(CropNaming::extensionOf(7), "");
}

TEST(FaceDetection, TheFirstFaceIsTheOneTheDetectorIsSurestOf) {
    ASSERT_TRUE(FaceFinder::available()) << "opencv-data's frontal-face cascade";
    FaceFinder finder;
    const QImage original(astronaut());
    const std::optional<QRect> real = finder.firstFace(original);
    ASSERT_TRUE(real);
    // At 300 px the cascade also finds a false face, larger than the real one.
    const QImage small = original.scaled(300, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QList<QRect> all = finder.faces(small);
    ASSERT_GE(all.size(), 2);
    const QRect first = *finder.firstFace(small);
    const double k = 300.0 / original.width();
    const QRectF expected(real->x() * k, real->y() * k, real->width() * k, real->height() * k);
    EXPECT_GT(overlap(QRectF(first), expected), 0.7);
    bool largerElsewhere = false;
    for (const QRect& f : all)
        largerElsewhere |= f.width() * f.height() > first.width() * first.height();
    EXPECT_TRUE(largerElsewhere);
    // A cascade that is not there: no detection, no crash.
    FaceFinder none(QStringLiteral("/nonexistent.xml"));
    EXPECT_FALSE(none.loaded());
    EXPECT_TRUE(none.faces(small).isEmpty());
    EXPECT_FALSE(none.firstFace(small));
}

TEST(FaceDetection, TheCropHoldsTheFaceFoundInTheOriginal) {
    FaceFinder finder;
    const QImage original(astronaut());
    ASSERT_FALSE(original.isNull());
    const std::optional<QRect> face = finder.firstFace(original);
    ASSERT_TRUE(face);

    // The face crop of the shown preview (500 x 500 in a 500 x 400 view).
    CropSettings s;
    s.method = CropSettings::Face;
    s.viewSize = QSizeF(500, 400);
    const QImage shown = CropPicture::loadShown(astronaut(), s.edit);
    const CropPicture::Result r = CropPicture::crop(shown, s, &finder);
    ASSERT_FALSE(r.noFace);
    ASSERT_FALSE(r.image.isNull());
    // Back in the original's pixels (top-left origin): the same face.
    const QSizeF ratio = CropPicture::originalImageRatio(QSizeF(shown.size()), s.viewSize, 0);
    const QRectF src = CropPicture::sourceRect(r.cropRect, ratio);
    const double k = double(original.width()) / shown.width();
    const QRectF inOriginal(src.x() * k, (shown.height() - src.y() - src.height()) * k, src.width() * k,
                            src.height() * k);
    EXPECT_GT(overlap(inOriginal, QRectF(*face)), 0.8) << inOriginal.x() << "," << inOriginal.y();
    EXPECT_EQ(r.image.size(), src.size().toSize());

    // With a margin, the cascade finds the face again in the written crop.
    s.faceMargin = 60;
    const CropPicture::Result wide = CropPicture::crop(shown, s, &finder);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("face.png"));
    ASSERT_TRUE(CropJob::writeCrop(wide.image, out, true, nullptr).written());
    const QImage back(out);
    ASSERT_FALSE(back.isNull());
    EXPECT_FALSE(finder.faces(back).isEmpty());
}

// Stop pressed while a row is being cropped: that row is finished and no
// later one begun. A file of that row already there is left as it is, with
// no question: Stop stands for cancel all.
TEST(CropJobStop, TheRowInProgressIsFinished) {
    const struct {
        int stopAt;
        bool taken;  // the stopped row's output exists before the run
    } cases[] = {{0, false}, {2, false}, {2, true}, {4, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stopAt * 10 + c.taken);
        QTemporaryDir dir;
        const QDir in(dir.path()), out(dir.filePath(QStringLiteral("out")));
        in.mkpath(QStringLiteral("out"));
        CropJob::Settings s;
        for (int i = 0; i < 5; ++i) {
            s.rows << in.filePath(QStringLiteral("p%1.png").arg(i));
            withBlock({30, 30}, {0, 0, 30, 30}).save(s.rows.last());
        }
        const QString taken = out.filePath(QStringLiteral("p%1.png").arg(c.stopAt));
        if (c.taken)
            withBlock({5, 5}, {}).save(taken);
        s.crop.cropRect = QRectF(0, 0, 10, 10);
        s.crop.viewSize = QSizeF(500, 400);
        s.naming.folder = out.path();
        s.naming.formatIndex = 2;
        int asked = 0;
        CropJob job(s, [&](const QString&) { return ++asked, 0; });
        job.rowStarted = [&](int row) {
            if (row == c.stopAt) {
                Stop_SMS_Sending_Now = true;
                replace_keep_file_flag = 5;
            }
        };
        Stop_SMS_Sending_Now = false;
        replace_keep_file_flag = 0;
        job.run();
        QStringList expected;
        for (int i = 0; i <= c.stopAt; ++i)
            expected << (i == c.stopAt && c.taken ? QString() : out.filePath(QStringLiteral("p%1.png").arg(i)));
        EXPECT_EQ(job.results(), expected);
        EXPECT_TRUE(job.stopped());
        EXPECT_EQ(asked, 0);
        EXPECT_EQ(QImage(taken).size(), c.taken ? QSize(5, 5) : QSize(10, 10));
    }
    Stop_SMS_Sending_Now = false;
    replace_keep_file_flag = 0;
}

// The design model's rules: binding, copying, sizing, bounds and the
// default host.
#include "GraphicTestSupport.h"

#include "TestSupport.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTBarcode.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTSignature.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

using namespace zelk;
using namespace zelk::test;

namespace {

// Records the graphics whose bounds the model reports.
class RecordingHost : public DefaultModelHost {
public:
    void Set_Control_Pos_And_Size(SKTGraphic* graphic) override {
        reported.append(graphic);
        lastBounds = graphic->_bounds;
    }
    QList<SKTGraphic*> reported;
    QRectF lastBounds;
};

struct HostGuard {
    explicit HostGuard(ModelHost* host) { setModelHost(host); }
    ~HostGuard() { setModelHost(nullptr); }
};

}  // namespace

TEST(GraphicBinding, SetDataSourceTypeClearsTheOtherBinding) {
    struct Case {
        int type;
        int index;
        QString name;
        bool excel;
        int column;
    };
    // Start: bound to both a series ("Staff", 3) and Excel column 5.
    const Case cases[] = {
        {0, -1, QString(), false, -1},          // manual: both bindings cleared
        {1, 3, QStringLiteral("Staff"), false, -1},  // series kept, Excel cleared
        {2, -1, QString(), true, 5},            // Excel on, series cleared
        {7, 3, QStringLiteral("Staff"), false, 5},   // another value: only stored
        {-1, 3, QStringLiteral("Staff"), false, 5},
    };
    for (const Case& c : cases) {
        SKTText g;
        g.Set_Batch_List_Name(QStringLiteral("Staff"));
        g.Set_Batch_List_Index(3);
        g.Set_Excel_binding(false);
        g.Set_Excel_binding_Index(5);
        g.Set_Data_source_type(c.type);
        SCOPED_TRACE(c.type);
        EXPECT_EQ(g.data_source_type, c.type);
        EXPECT_EQ(g.batch_list_index, c.index);
        EXPECT_EQ(g.batch_list_name, c.name);
        EXPECT_EQ(g.excel_binding, c.excel);
        EXPECT_EQ(g.excel_col_indx, c.column);
    }
}

TEST(GraphicCopy, CopyWithZoneCarriesBoundsFillStrokeTextAndBindingOnly) {
    // The fields copyWithZone carries; every other one (every barcode
    // field among them) is at its default in the copy.
    const QStringList carried = {
        "_bounds", "Text_Value", "_Text_contents", "data_source_type", "batch_list_name",
        "batch_list_index", "excel_binding", "excel_col_indx", "_isDrawingStroke",
        "_strokeColor", "_strokeWidth", "_stroke_border_type", "alpha_val_stroke",
        "_isDrawingFill", "_fillColor", "_fill_type", "_fill_Grad_clr1", "_fill_Grad_clr2",
        "_fill_grad_angle", "_fill_htch_clr", "_fill_hatch_type", "alpha_val", "shape_type"};
    for (GraphicKind kind : allGraphicKinds()) {
        SCOPED_TRACE(qPrintable(graphicKindName(kind)));
        auto original = makeFilledGraphic(kind);
        auto copy = original->copyWithZone();
        ASSERT_EQ(copy->kind(), kind);
        EXPECT_NE(copy.get(), original.get());
        // Differs from a new graphic in exactly the carried fields ...
        QStringList fromDefault = graphicDifferences(*makeGraphic(kind), *copy);
        fromDefault.sort();
        QStringList expected = carried;
        expected.sort();
        EXPECT_EQ(fromDefault, expected);
        // ... and from the original in every other field.
        const QStringList fromOriginal = graphicDifferences(*original, *copy);
        for (const QString& name : allGraphicFieldNames())
            EXPECT_EQ(fromOriginal.contains(name), !carried.contains(name)) << qPrintable(name);
    }
}

TEST(GraphicCopy, CloneCarriesEveryField) {
    for (GraphicKind kind : allGraphicKinds()) {
        auto original = makeFilledGraphic(kind);
        auto clone = original->clone();
        EXPECT_NE(clone.get(), original.get());
        EXPECT_TRUE(graphicsMatch(*original, *clone));
        // A deep copy: changing the clone leaves the original alone.
        clone->_bounds.translate(5, 5);
        clone->header_val = QStringLiteral("changed");
        EXPECT_EQ(graphicDifferences(*original, *clone),
                  QStringList({QStringLiteral("_bounds"), QStringLiteral("header_val")}));
    }
}

TEST(GraphicCopy, FillerSetsEveryFieldOffDefault) {
    // Guards the round-trip tests: a field left at its default would pass
    // them without being archived.
    for (GraphicKind kind : allGraphicKinds()) {
        auto filled = makeFilledGraphic(kind);
        EXPECT_EQ(graphicDifferences(*makeGraphic(kind), *filled), allGraphicFieldNames())
            << qPrintable(graphicKindName(kind));
    }
}

TEST(GraphicSize, MakeNaturalSizeRules) {
    struct Case {
        const char* what;
        std::shared_ptr<SKTGraphic> g;
        QRectF expected;
    };
    auto shape = std::make_shared<Shape_Control>(QStringLiteral("C"));
    shape->_bounds = QRectF(10, 20, 80, 30);
    auto tall = std::make_shared<Shape_Control>();
    tall->_bounds = QRectF(0, 0, 40, 90);
    auto locked = std::make_shared<Shape_Control>();
    locked->_bounds = QRectF(10, 20, 80, 30);
    locked->ctrl_is_locked = true;
    auto barcode = std::make_shared<SKTBarcode>();
    barcode->_bounds = QRectF(5, 5, 120, 40);
    auto image = std::make_shared<SKTImage>();
    image->_bounds = QRectF(7, 8, 10, 10);
    image->_contents = makeTestPicture(120, 60, 144, qRgb(1, 2, 3));  // 60 x 30 pt
    image->_isFlippedHorizontally = image->_isFlippedVertically = true;
    auto noPicture = std::make_shared<SKTImage>();
    noPicture->_bounds = QRectF(7, 8, 10, 30);
    auto signature = std::make_shared<SKTSignature>();
    signature->_bounds = QRectF(1, 1, 5, 5);
    signature->_contents = makeTestPicture(90, 30, 0, qRgb(9, 9, 9));  // no resolution: 72 dpi
    auto line = makeGraphic(GraphicKind::Line);
    line->_bounds = QRectF(0, 0, 100, 2);

    const Case cases[] = {
        {"shape: square of the shorter side", shape, QRectF(10, 20, 30, 30)},
        {"tall shape", tall, QRectF(0, 0, 40, 40)},
        {"locked shape unchanged", locked, QRectF(10, 20, 80, 30)},
        {"barcode unchanged", barcode, QRectF(5, 5, 120, 40)},
        {"image: its picture's size in points", image, QRectF(7, 8, 60, 30)},
        {"image without picture keeps its size", noPicture, QRectF(7, 8, 10, 30)},
        {"signature: its picture's size", signature, QRectF(1, 1, 90, 30)},
        {"line", line, QRectF(0, 0, 2, 2)},
    };
    for (const Case& c : cases) {
        c.g->makeNaturalSize();
        EXPECT_EQ(c.g->_bounds, c.expected) << c.what;
    }
    EXPECT_FALSE(image->_isFlippedHorizontally);
    EXPECT_FALSE(image->_isFlippedVertically);
}

TEST(GraphicSize, LockedImageKeepsItsFlips) {
    SKTImage image;
    image._contents = makeTestPicture(20, 20, 0, qRgb(1, 2, 3));
    image._bounds = QRectF(0, 0, 5, 5);
    image._isFlippedHorizontally = true;
    image.ctrl_is_locked = true;
    image.makeNaturalSize();
    EXPECT_TRUE(image._isFlippedHorizontally);
    EXPECT_EQ(image._bounds, QRectF(0, 0, 5, 5));
}

TEST(GraphicSize, TextNaturalSizeFitsItsLines) {
    SKTText text;
    text._bounds = QRectF(3, 4, 70, 20);
    text.text_ctrl_font = defaultFont(20.0);
    text.Set_text_value(QStringLiteral("A much longer first line\nB"));
    text.makeNaturalSize();
    // One point is one unit: a 20 pt font's two lines are about
    // 2 x 1.2 x 20 points high, and the long line is far wider than 70.
    EXPECT_EQ(text._bounds.topLeft(), QPointF(3, 4));
    EXPECT_GT(text._bounds.width(), 150.0);
    EXPECT_NEAR(text._bounds.height(), 2 * 1.2 * 20, 12.0);
    // The drawing lays the text out in exactly these two lines: at the
    // natural width the first line is not wrapped.
    EXPECT_EQ(fittedTextHeight(text), text._bounds.height());
    const double twoLines = text._bounds.height();
    const double width = text._bounds.width();

    text.Set_text_value(QStringLiteral("A much longer first line"));
    text.makeNaturalSize();
    EXPECT_NEAR(text._bounds.height(), twoLines / 2, 1.0);
    EXPECT_EQ(text._bounds.width(), width);

    // Letter spacing and upper case widen it.
    text.text_kerning = 2.0f;
    text.makeNaturalSize();
    EXPECT_GT(text._bounds.width(), width + 2 * 20);
    text.text_kerning = 0.0f;
    text.text_transfrom_case = 1;
    text.makeNaturalSize();
    EXPECT_GT(text._bounds.width(), width);

    // An empty text keeps its width, one line high.
    text.Set_text_value(QString());
    const double before = text._bounds.width();
    text.makeNaturalSize();
    EXPECT_EQ(text._bounds.width(), before);
    EXPECT_NEAR(text._bounds.height(), twoLines / 2, 1.0);

    // Locked: unchanged.
    text.ctrl_is_locked = true;
    text.Set_text_value(QStringLiteral("x"));
    text.makeNaturalSize();
    EXPECT_EQ(text._bounds.width(), before);
}

TEST(GraphicSize, MakeSameAsLabelSize) {
    const QRectF card(0, 0, 243, 153);
    for (GraphicKind kind : allGraphicKinds()) {
        for (bool locked : {false, true}) {
            auto g = makeGraphic(kind);
            g->_bounds = QRectF(10, 10, 20, 20);
            g->ctrl_is_locked = locked;
            g->makeSameAsLabelSize(card);
            const bool changes = !locked && kind != GraphicKind::Barcode;
            EXPECT_EQ(g->_bounds, changes ? card : QRectF(10, 10, 20, 20))
                << qPrintable(graphicKindName(kind)) << " locked " << locked;
        }
    }
}

TEST(GraphicBounds, SettersReachTheHost) {
    RecordingHost host;
    HostGuard guard(&host);
    SKTText g;
    g.setBounds(QRectF(1, 2, 3, 4));
    g.setXPosition(10);
    g.setYPosition(20);
    g.setWidth(30);
    g.setHeight(40);
    ASSERT_EQ(host.reported.size(), 5);
    for (SKTGraphic* reported : host.reported)
        EXPECT_EQ(reported, &g);
    EXPECT_EQ(host.lastBounds, QRectF(10, 20, 30, 40));
}

TEST(GraphicBounds, WorkerThreadChangesAreNotReported) {
    RecordingHost host;
    HostGuard guard(&host);
    auto copy = makeGraphic(GraphicKind::Barcode);
    std::thread worker([&] {
        copy->setBounds(QRectF(0, 0, 9, 9));
        copy->Set_Barcode_image(makeTestPicture(10, 10, 0, 0));
    });
    worker.join();
    EXPECT_TRUE(host.reported.isEmpty());
    EXPECT_EQ(copy->_bounds, QRectF(0, 0, 10, 10));
}

TEST(GraphicBarcode, SetBarcodeImageTakesThePictureSize) {
    RecordingHost host;
    HostGuard guard(&host);
    SKTBarcode b;
    b._bounds = QRectF(15, 25, 1, 1);
    // 600 dpi: 1200 x 300 pixels are 144 x 36 points.
    b.Set_Barcode_image(makeTestPicture(1200, 300, 600, qRgb(0, 0, 0)));
    EXPECT_EQ(b._bounds, QRectF(15, 25, 144, 36));
    EXPECT_EQ(host.reported.size(), 1);
    b.Set_Barcode_image(QImage());
    EXPECT_EQ(b._bounds, QRectF(15, 25, 0, 0));
    EXPECT_TRUE(b._barcode_image.isNull());
}

TEST(PictureSize, PointsFromResolution) {
    struct Case {
        const char* what;
        QImage picture;
        QSizeF expected;
    };
    QImage fresh(100, 50, QImage::Format_RGB32);
    fresh.fill(Qt::white);
    QImage odd(100, 50, QImage::Format_RGB32);
    odd.setDotsPerMeterX(3937);   // 100 dpi
    odd.setDotsPerMeterY(7874);   // 200 dpi
    const Case cases[] = {
        {"null", QImage(), QSizeF(0, 0)},
        {"no resolution counts 72 dpi", fresh, QSizeF(100, 50)},
        {"72 dpi", makeTestPicture(100, 50, 72, 0), QSizeF(100, 50)},
        {"144 dpi", makeTestPicture(100, 50, 144, 0), QSizeF(50, 25)},
        {"300 dpi", makeTestPicture(300, 150, 300, 0), QSizeF(72, 36)},
        {"x and y apart", odd, QSizeF(72, 18)},
    };
    for (const Case& c : cases) {
        const QSizeF s = pictureSizeInPoints(c.picture);
        EXPECT_NEAR(s.width(), c.expected.width(), 1e-9) << c.what;
        EXPECT_NEAR(s.height(), c.expected.height(), 1e-9) << c.what;
    }
}

TEST(PictureSize, ResolutionSurvivesAPngFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    ASSERT_TRUE(makeTestPicture(600, 300, 300, 0).save(path));
    const QSizeF s = pictureSizeInPoints(QImage(path));
    EXPECT_DOUBLE_EQ(s.width(), 144.0);
    EXPECT_DOUBLE_EQ(s.height(), 72.0);
}

TEST(DefaultHost, PicturePreviewsFitTheBox) {
    QTemporaryDir dir;
    struct Case {
        const char* what;
        QString path;
        QSize expected;  // invalid: a null picture
        QRgb shown = 0;  // where given, its colour as a window shows it, smoothly scaled to a third
    };
    const QString big = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(makeTestPicture(1000, 400, 300, 0).save(big));
    const QString tallJpeg = dir.filePath(QStringLiteral("tall.jpg"));
    ASSERT_TRUE(makeTestPicture(300, 1500, 0, 0).convertToFormat(QImage::Format_RGB32).save(tallJpeg));
    const QString small = dir.filePath(QStringLiteral("small.png"));
    ASSERT_TRUE(makeTestPicture(50, 40, 0, 0).save(small));
    // A picture of one colour saved with a palette of two, as a paint
    // program saves a plain photo background.
    const QRgb sky = qRgb(135, 206, 235);
    QImage twoColours(300, 400, QImage::Format_Mono);
    twoColours.setColorTable({sky, qRgb(0, 0, 0)});
    twoColours.fill(0);
    const QString palette = dir.filePath(QStringLiteral("palette.png"));
    ASSERT_TRUE(twoColours.save(palette));
    const QString junk = dir.filePath(QStringLiteral("junk.png"));
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is not a picture");
    }
    const Case cases[] = {
        {"wide picture scaled down", big, QSize(500, 200)},
        {"tall JPEG scaled down", tallJpeg, QSize(100, 500)},
        {"small picture kept", small, QSize(50, 40)},
        {"a palette picture in its colours", palette, QSize(300, 400), sky},
        {"missing file", dir.filePath(QStringLiteral("none.png")), QSize()},
        {"unreadable file", junk, QSize()},
        {"a folder", dir.path(), QSize()},
        {"empty path", QString(), QSize()},
    };
    DefaultModelHost host;
    for (const Case& c : cases) {
        const QImage preview = host.Get_Image_For_Path(c.path, false);
        if (!c.expected.isValid()) {
            EXPECT_TRUE(preview.isNull()) << c.what;
            continue;
        }
        EXPECT_EQ(preview.size(), c.expected) << c.what;
        // A preview is one pixel per point.
        EXPECT_EQ(pictureSizeInPoints(preview), QSizeF(c.expected)) << c.what;
        if (c.shown)
            EXPECT_EQ(preview.scaled(preview.size() / 3, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          .pixel(preview.width() / 6, preview.height() / 6),
                      c.shown)
                << c.what;
    }
}

TEST(ImageGraphic, SetFilePathLoadsThePicture) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(makeTestPicture(40, 30, 0, qRgb(5, 6, 7)).save(path));

    SKTImage g;
    g.Text_Value = QStringLiteral("before");
    g.setFilePath(path, false);
    EXPECT_EQ(g._file_path, path);
    EXPECT_EQ(g.Text_Value, QStringLiteral("before"));
    EXPECT_EQ(g._contents.size(), QSize(40, 30));
    // The default host does not filter: the drawn picture is the loaded one.
    EXPECT_EQ(g._contents_with_settings.size(), QSize(40, 30));

    g.setFilePath(path, true);
    EXPECT_EQ(g.Text_Value, path);

    // A missing file leaves no picture; an empty path keeps Text_Value.
    g.setFilePath(dir.filePath(QStringLiteral("gone.png")), false);
    EXPECT_TRUE(g._contents.isNull());
    EXPECT_TRUE(g._contents_with_settings.isNull());
    g.setFilePath(QString(), true);
    EXPECT_EQ(g._file_path, QString());
    EXPECT_EQ(g.Text_Value, path);
}

TEST(ImageGraphic, FilterAndRelocationGoThroughTheHost) {
    class FilteringHost : public DefaultModelHost {
    public:
        QString Check_Path_For_App_Resources(const QString& path) override {
            return path.isEmpty() ? path : path + QStringLiteral(".moved");
        }
        QImage Get_Image_For_Path(const QString& path, bool) override {
            asked = path;
            return makeTestPicture(8, 8, 0, 0);
        }
        QImage Get_Image_With_Update_Settings(const SKTGraphic& g) override {
            QImage filtered = g._contents.copy();
            filtered.fill(Qt::red);
            return filtered;
        }
        QString asked;
    } host;
    HostGuard guard(&host);
    SKTImage g;
    g.setFilePath(QStringLiteral("/pics/a.png"), true);
    EXPECT_EQ(g._file_path, QStringLiteral("/pics/a.png.moved"));
    EXPECT_EQ(g.Text_Value, QStringLiteral("/pics/a.png.moved"));
    EXPECT_EQ(host.asked, QStringLiteral("/pics/a.png.moved"));
    EXPECT_EQ(g._contents_with_settings.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_NE(g._contents.pixelColor(3, 3), QColor(Qt::red));
}

TEST(SignatureGraphic, DefaultSelectsTheSampleOfItsKind) {
    struct Case {
        QString code;
        QString file;
    };
    const Case cases[] = {{SKTSignature::Signature, QStringLiteral("sign_sample.png")},
                          {SKTSignature::Fingerprint, QStringLiteral("fingerprints.png")}};
    for (const Case& c : cases) {
        SKTSignature s;
        s.sign_or_fingureprint = c.code;
        s.setFilePath(SKTSignature::DefaultPathWord);
        EXPECT_TRUE(s._file_path.endsWith(QStringLiteral("/") + c.file)) << qPrintable(s._file_path);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.png"));
    ASSERT_TRUE(makeTestPicture(30, 10, 0, 0).save(path));
    SKTSignature s;
    s.setFilePath(path);
    EXPECT_EQ(s._file_path, path);
    EXPECT_EQ(s._contents.size(), QSize(30, 10));
}

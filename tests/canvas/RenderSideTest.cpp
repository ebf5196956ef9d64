// Offscreen rendering of a side: paint order, what is skipped, the card face
// hook, bitmap sizes, vector PDF, the card picture, and rendering on several
// threads at once.
#include "RenderTestSupport.h"
#include "TestSupport.h"

#include "canvas/CardFaceHook.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <QBuffer>
#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

using namespace zelk::test;

namespace {

// CR80: 85.6 x 54 mm.
const QRectF kCR80(0, 0, 85.6 * 72 / 25.4, 54 * 72 / 25.4);

// A card face that draws enough to make the checks mean something: the
// side's fill colour (through the snapshot's side), a gradient band and a
// text, a clip to an oval card when Card_Shape is 2, and a 4 point frame.
class TestFace : public zelk::CardFaceHook {
public:
    void Card_Base_Drawing(QPainter& p, const zelk::SideSnapshot& s) const override {
        QPainterPath outline;
        if (s.Card_Shape == 2)
            outline.addEllipse(s.cardRect);
        else
            outline.addRect(s.cardRect);
        const Card_Property* prop = s.sideProperty();
        p.fillPath(outline, prop ? prop->Card_fill_clr : QColor(Qt::white));
        QLinearGradient g(s.cardRect.topLeft(), s.cardRect.topRight());
        g.setColorAt(0, QColor(200, 200, 0));
        g.setColorAt(1, QColor(0, 200, 200));
        p.fillRect(QRectF(s.cardRect.left(), s.cardRect.bottom() - 12, s.cardRect.width(), 12), g);
        p.setFont(zelk::fontInPoints(QFont(QStringLiteral("DejaVu Sans"), 6), p.device()));
        p.drawText(QPointF(4, s.cardRect.bottom() - 3), QStringLiteral("FACE"));
        p.setClipPath(outline, Qt::IntersectClip);
    }
    void Card_Border_Drawing(QPainter& p, const zelk::SideSnapshot& s) const override {
        p.setPen(QPen(QColor(Qt::red), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(s.cardRect);
    }
};

std::shared_ptr<SKTGraphic> rect(QRectF b, QColor c) {
    auto s = std::make_shared<Shape_Control>(QStringLiteral("R"));
    s->_bounds = b;
    s->_isDrawingFill = true;
    s->_fillColor = c;
    s->_isDrawingStroke = false;
    return s;
}

std::shared_ptr<SKTGraphic> label(const QString& t, QRectF b, double size = 10) {
    auto x = std::make_shared<SKTText>();
    x->_bounds = b;
    x->Set_text_value(t);
    x->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
    x->text_ctrl_font.setPointSizeF(size);
    return x;
}

struct Design {
    QList<std::shared_ptr<SKTGraphic>> graphics;
    Card_Property front{QStringLiteral("F")}, back{QStringLiteral("B")};
    int shape = 0, side = 0;
    QRectF card = QRectF(0, 0, 100, 60);

    Design() {
        front.Card_fill_clr = QColor(0, 160, 0);
        back.Card_fill_clr = QColor(0, 0, 160);
    }
    zelk::SideSnapshot snap() const {
        return zelk::SideSnapshot::take(&graphics, &front, &back, shape, side, card);
    }
};

class RenderSide : public ::testing::Test {
protected:
    void SetUp() override { zelk::CardFaceHook::install(std::make_shared<TestFace>()); }
    void TearDown() override { zelk::CardFaceHook::install(nullptr); }
};

QImage render(const zelk::SideSnapshot& s, double dpi = 72) {
    return SKTRenderingView(s.cardRect, s, QStringLiteral("Test")).imageAtResolution(dpi);
}

}  // namespace

TEST_F(RenderSide, IndexZeroIsOnTopAndTheBorderOverAll) {
    Design d;
    d.graphics = {rect({20, 10, 40, 30}, Qt::yellow), rect({40, 20, 40, 30}, Qt::blue),
                  rect({0, 0, 100, 60}, Qt::gray)};
    const QImage img = render(d.snap());
    EXPECT_TRUE(near(img.pixelColor(50, 30), QColor(Qt::yellow), 2));  // 0 over 1
    EXPECT_TRUE(near(img.pixelColor(70, 45), QColor(Qt::blue), 2));    // 1 over 2
    EXPECT_TRUE(near(img.pixelColor(90, 5), QColor(Qt::gray), 2));     // 2 over the base
    EXPECT_TRUE(near(img.pixelColor(0, 30), QColor(Qt::red), 2));      // border over all
}

TEST_F(RenderSide, HiddenAndUnprintedGraphicsAreSkipped) {
    struct Case {
        bool visible;
        int print;
        bool drawn;
    };
    for (const Case& c : std::vector<Case>{{true, 0, true}, {false, 0, false}, {true, 1, false}, {false, 1, false}, {true, 2, false}}) {
        Design d;
        auto g = rect({20, 10, 40, 30}, Qt::yellow);
        g->ctrl_is_visible = c.visible;
        g->print_object = c.print;
        d.graphics = {g};
        const QColor px = render(d.snap()).pixelColor(40, 25);
        EXPECT_EQ(near(px, QColor(Qt::yellow), 2), c.drawn) << c.visible << " " << c.print;
        if (!c.drawn) {
            EXPECT_TRUE(near(px, d.front.Card_fill_clr, 2));
        }
    }
}

TEST_F(RenderSide, TheFaceComesFromTheSnapshotsSideAndItsClipStays) {
    Design d;
    d.side = 1;
    EXPECT_TRUE(near(render(d.snap()).pixelColor(50, 30), d.back.Card_fill_clr, 2));
    d.side = 0;
    EXPECT_TRUE(near(render(d.snap()).pixelColor(50, 30), d.front.Card_fill_clr, 2));
    // An oval card clips the graphics: a full-card graphic leaves the
    // corners transparent.
    d.shape = 2;
    d.graphics = {rect({0, 0, 100, 60}, Qt::yellow)};
    const QImage oval = render(d.snap());
    EXPECT_EQ(oval.pixelColor(3, 3).alpha(), 0);
    EXPECT_TRUE(near(oval.pixelColor(50, 30), QColor(Qt::yellow), 2));
    // Without an installed face nothing is drawn but the graphics.
    zelk::CardFaceHook::install(nullptr);
    const QImage bare = render(d.snap());
    EXPECT_EQ(bare.pixelColor(50, 59).alpha(), 255);
    EXPECT_TRUE(near(bare.pixelColor(0, 30), QColor(Qt::yellow), 2));
}

TEST_F(RenderSide, TheCardFaceIsCapturedWithTheSnapshot) {
    // Workers never read the process-wide slot: a face installed after the
    // snapshot was taken does not reach it.
    Design d;
    const zelk::SideSnapshot withFace = d.snap();
    zelk::CardFaceHook::install(nullptr);
    const zelk::SideSnapshot withoutFace = d.snap();
    EXPECT_TRUE(near(render(withFace).pixelColor(50, 30), d.front.Card_fill_clr, 2));
    EXPECT_EQ(render(withoutFace).pixelColor(50, 30).alpha(), 0);
    ASSERT_TRUE(withoutFace.cardFace);  // the default face, never null
}

TEST_F(RenderSide, ASnapshotIsACopy) {
    Design d;
    d.graphics = {rect({20, 10, 40, 30}, Qt::yellow)};
    const zelk::SideSnapshot s = d.snap();
    d.graphics[0]->_fillColor = Qt::blue;
    d.graphics.clear();
    d.front.Card_fill_clr = Qt::black;
    const QImage img = render(s);
    EXPECT_TRUE(near(img.pixelColor(40, 25), QColor(Qt::yellow), 2));
    EXPECT_TRUE(near(img.pixelColor(80, 30), QColor(0, 160, 0), 2));
}

TEST_F(RenderSide, BitmapSizeAndResolution) {
    Design d;
    d.card = kCR80;
    struct Case {
        double dpi;
        int w, h;
    };
    // ceil(points x dpi / 72): 85.6 mm = 242.65 pt, 54 mm = 153.07 pt.
    for (const Case& c : std::vector<Case>{{72, 243, 154}, {300, 1012, 638}, {600, 2023, 1276}}) {
        const QImage img = render(d.snap(), c.dpi);
        EXPECT_EQ(img.width(), c.w) << c.dpi;
        EXPECT_EQ(img.height(), c.h) << c.dpi;
        EXPECT_NEAR(img.dotsPerMeterX() * 0.0254, c.dpi, 0.05) << c.dpi;
    }
    // A whole number of points gives a whole number of pixels, no more.
    d.card = QRectF(0, 0, 72, 36);
    EXPECT_EQ(render(d.snap(), 600).size(), QSize(600, 300));
    // Refused: resolutions out of range, a card without area, a null side.
    for (double dpi : {0.0, -72.0, std::nan(""), 1e9})
        EXPECT_TRUE(render(d.snap(), dpi).isNull()) << dpi;
    d.card = QRectF(0, 0, 0, 50);
    EXPECT_TRUE(render(d.snap()).isNull());
    const zelk::SideSnapshot none = zelk::SideSnapshot::take(nullptr, &d.front, &d.back, 0, 0, kCR80);
    EXPECT_TRUE(none.isNull());
    EXPECT_TRUE(render(none).isNull());
    EXPECT_TRUE(SKTRenderingView::image_From_Card_Graphics(none).isNull());
    EXPECT_TRUE(SKTRenderingView::image_From_Card_Graphics(none).imageAtResolution(72).isNull());
    EXPECT_TRUE(SKTRenderingView(kCR80, none, QString()).dataWithPDFInsideRect(kCR80).isEmpty());
}

TEST_F(RenderSide, PdfIsVectorAtTheCardsSize) {
    Design d;
    d.card = kCR80;
    d.graphics = {label(QStringLiteral("Ada Lovelace"), {20, 20, 150, 20}),
                  rect({0, 0, 60, 60}, Qt::cyan)};
    const zelk::SideSnapshot s = d.snap();
    const QByteArray pdf = SKTRenderingView(kCR80, s, QStringLiteral("Print")).dataWithPDFInsideRect(kCR80);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("side.pdf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();

    // Written to a device it is the same file.
    QBuffer written;
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    EXPECT_TRUE(SKTRenderingView(kCR80, s, QStringLiteral("Print")).writePDFInsideRect(kCR80, &written));
    EXPECT_EQ(written.data().size(), pdf.size());
    EXPECT_FALSE(SKTRenderingView(kCR80, s, QString()).writePDFInsideRect(QRectF(), &written));

    const ToolResult info = runTool(QStringLiteral("pdfinfo"), {path});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    const QRegularExpression re(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const auto m = re.match(QString::fromUtf8(info.out));
    ASSERT_TRUE(m.hasMatch()) << info.out.toStdString();
    // Exactly the card, not rounded to whole points (242.65 x 153.07).
    EXPECT_NEAR(m.captured(1).toDouble(), kCR80.width(), 0.01);
    EXPECT_NEAR(m.captured(2).toDouble(), kCR80.height(), 0.01);
    EXPECT_TRUE(info.err.isEmpty()) << info.err.toStdString();  // the file is sound
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(QStringLiteral("Print")));  // the job title
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))));

    const ToolResult text = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains("Ada Lovelace")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("FACE")) << text.out.toStdString();

    // Painted edge to edge: a card filled by its face shows no blank strip at
    // any edge of the page (poppler renders it at 288 dpi).
    d.graphics = {rect(kCR80, Qt::cyan)};
    QFile g(path);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(SKTRenderingView(kCR80, d.snap(), QString()).dataWithPDFInsideRect(kCR80));
    g.close();
    const QString png = dir.filePath(QStringLiteral("page"));
    ASSERT_EQ(runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("288"), QStringLiteral("-png"),
                                                   QStringLiteral("-singlefile"), path, png}).exitCode, 0);
    const QImage page(png + QStringLiteral(".png"));
    ASSERT_EQ(page.size(), QSize(971, 613));  // ceil of 970.6 x 612.3
    for (int x = 0; x < page.width(); x += 7) {
        EXPECT_FALSE(isWhite(page.pixelColor(x, 0), 30)) << x;
        EXPECT_FALSE(isWhite(page.pixelColor(x, page.height() - 1), 30)) << x;
    }
    for (int y = 0; y < page.height(); y += 7) {
        EXPECT_FALSE(isWhite(page.pixelColor(0, y), 30)) << y;
        EXPECT_FALSE(isWhite(page.pixelColor(page.width() - 1, y), 30)) << y;
    }
}

TEST_F(RenderSide, CardImageDrawsOntoAnyPainter) {
    Design d;
    d.graphics = {label(QStringLiteral("Grace Hopper"), {5, 5, 90, 14}),
                  rect({10, 30, 30, 20}, Qt::yellow)};
    const zelk::SideSnapshot s = d.snap();
    const SKTRenderingView card = SKTRenderingView::image_From_Card_Graphics(s, false);
    ASSERT_FALSE(card.isNull());
    EXPECT_EQ(card.size(), QSizeF(100, 60));
    EXPECT_EQ(card.printJobTitle(), QStringLiteral("Print"));
    // The print flag names the caller only.
    EXPECT_TRUE(SKTRenderingView::image_From_Card_Graphics(s, true).imageAtResolution(72) ==
                card.imageAtResolution(72));

    // Drawn into a painter of another device (here a mirrored page at
    // 144 dpi) it is the same card.
    QImage mirrored(200, 120, QImage::Format_ARGB32_Premultiplied);
    mirrored.fill(Qt::transparent);
    QPainter p(&mirrored);
    p.translate(200, 0);
    p.scale(-2, 2);
    card.drawRect(p);
    p.end();
    const QImage direct = card.imageAtResolution(144).mirrored(true, false);
    ASSERT_EQ(direct.size(), mirrored.size());
    int differing = 0;
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x)
            if (!near(direct.pixelColor(x, y), mirrored.pixelColor(x, y), 24))
                ++differing;
    // Glyph edges rasterise a little differently mirrored; a misplaced or
    // wrongly scaled card would differ in thousands of pixels.
    EXPECT_LT(differing, direct.width() * direct.height() / 50);

    // Drawn into a PDF of another resolution its text stays text.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.pdf"));
    {
        QPdfWriter w(path);
        w.setResolution(300);
        w.setPageSize(QPageSize(QSizeF(100, 60), QPageSize::Point));
        w.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter pp(&w);
        pp.scale(w.resolution() / 72.0, w.resolution() / 72.0);
        card.drawRect(pp);
    }
    const ToolResult text = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("Grace Hopper")) << text.out.toStdString();
}

TEST_F(RenderSide, FourThreadsRenderIdenticalImages) {
    Design d;
    d.card = kCR80;
    auto photo = std::make_shared<Shape_Control>(QStringLiteral("S"));
    photo->_bounds = QRectF(10, 10, 70, 90);
    photo->_isDrawingFill = true;
    photo->_fill_type = QStringLiteral("G");
    photo->Drawing_Shadow = true;
    photo->Shadow_blur = 3;
    d.graphics = {label(QStringLiteral("Katherine Johnson"), {90, 20, 140, 20}),
                  label(QStringLiteral("Mission Control"), {90, 45, 140, 20}, 8), photo};
    const zelk::SideSnapshot s = d.snap();
    const QImage reference = render(s, 300);
    ASSERT_FALSE(reference.isNull());
    std::vector<QImage> images(4);
    for (int round = 0; round < 2; ++round) {
        std::vector<std::thread> workers;
        for (int i = 0; i < 4; ++i)
            workers.emplace_back([&, i] { images[i] = render(s, 300); });
        for (std::thread& t : workers)
            t.join();
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(images[i] == reference) << "round " << round << " thread " << i;
    }
    // The check means something: the face, the texts and the star all drew.
    EXPECT_TRUE(near(reference.pixelColor(900, 400), QColor(0, 160, 0), 2));
    int textPixels = 0;
    for (int y = 80; y < 170; ++y)
        for (int x = 380; x < 960; ++x)
            textPixels += reference.pixelColor(x, y).green() < 60;
    EXPECT_GT(textPixels, 500);
}

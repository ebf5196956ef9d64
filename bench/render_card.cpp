// libs: zelk_canvas zelk_foundation
// Rendering of one CR80 card side (85.6 x 54 mm: a photo, six texts, two
// shapes, a card face with a gradient and a border) to a 600 dpi bitmap and
// to a vector PDF, as batch export does for every card; and the same bitmap
// rendered on every core at once, as a batch runs.
#include "BenchMain.h"

#include "canvas/CardFaceHook.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Card_Property.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QThread>

#include <thread>
#include <vector>

namespace {

const QRectF kCard(0, 0, 85.6 * 72 / 25.4, 54 * 72 / 25.4);

// A face as busy as a real one: gradient base clipped to a rounded card,
// border on top.
class BenchFace : public zelk::CardFaceHook {
public:
    void Card_Base_Drawing(QPainter& p, const zelk::SideSnapshot& s) const override {
        QPainterPath o;
        o.addRoundedRect(s.cardRect, 10, 10);
        p.fillPath(o, Qt::white);
        QLinearGradient g(s.cardRect.topLeft(), s.cardRect.bottomRight());
        g.setColorAt(0, QColor(230, 240, 255));
        g.setColorAt(1, QColor(120, 160, 220));
        p.fillPath(o, g);
        p.setClipPath(o, Qt::IntersectClip);
    }
    void Card_Border_Drawing(QPainter& p, const zelk::SideSnapshot& s) const override {
        QPainterPath o;
        o.addRoundedRect(s.cardRect, 10, 10);
        p.strokePath(o, QPen(QColor(20, 40, 90), 3));
    }
};

QImage photo() {
    // A 500 x 500 picture, the size of a loaded photo preview, with detail.
    QImage img(500, 500, QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = qRgb((x * 7 + y) & 255, (y * 3) & 255, (x ^ y) & 255);
    }
    return img;
}

zelk::SideSnapshot cardSide() {
    static const QImage picture = photo();
    QList<std::shared_ptr<SKTGraphic>> g;
    const char* texts[] = {"Ada Lovelace", "Chief Analyst", "Analytical Engines Ltd",
                           "ID 0042-1815", "Valid until 12/2030", "www.example.org"};
    double y = 12;
    for (int i = 0; i < 6; ++i) {
        auto t = std::make_shared<SKTText>();
        t->_bounds = QRectF(95, y, 140, 16);
        t->Set_text_value(QString::fromLatin1(texts[i]));
        t->text_ctrl_font = QFont(QStringLiteral("DejaVu Sans"));
        t->text_ctrl_font.setPointSizeF(i == 0 ? 12 : 8);
        t->text_ctrl_font.setBold(i == 0);
        t->text_alignmnet = 0;
        y += i == 0 ? 22 : 16;
        g.append(t);
    }
    auto img = std::make_shared<SKTImage>();
    img->_bounds = QRectF(12, 12, 72, 90);
    img->_contents = picture;
    img->_contents_with_settings = picture;
    img->_isDrawingStroke = true;
    g.append(img);
    auto band = std::make_shared<Shape_Control>(QStringLiteral("R"));
    band->_bounds = QRectF(0, kCard.height() - 24, kCard.width(), 24);
    band->_isDrawingFill = true;
    band->_fill_type = QStringLiteral("G");
    band->_fill_Grad_clr1 = QColor(20, 40, 90);
    band->_fill_Grad_clr2 = QColor(60, 110, 200);
    band->_isDrawingStroke = false;
    g.append(band);
    auto star = std::make_shared<Shape_Control>(QStringLiteral("S"));
    star->_bounds = QRectF(210, 100, 24, 24);
    star->_isDrawingFill = true;
    star->_fillColor = QColor(240, 190, 30);
    star->Drawing_Shadow = true;
    g.append(star);
    Card_Property front(QStringLiteral("F")), back(QStringLiteral("B"));
    return zelk::SideSnapshot::take(&g, &front, &back, 1, 0, kCard);
}

void BM_CardTo600DpiImage(benchmark::State& state) {
    const zelk::SideSnapshot side = cardSide();
    const SKTRenderingView view = SKTRenderingView::image_From_Card_Graphics(side);
    for (auto _ : state) {
        QImage img = view.imageAtResolution(600);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetLabel("2023 x 1276 pixels");
}
BENCHMARK(BM_CardTo600DpiImage)->Unit(benchmark::kMillisecond);

void BM_CardToPdf(benchmark::State& state) {
    const zelk::SideSnapshot side = cardSide();
    const SKTRenderingView view = SKTRenderingView::image_From_Card_Graphics(side);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = view.dataWithPDFInsideRect(view.frame());
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_CardToPdf)->Unit(benchmark::kMillisecond);

// Cards per second when every core renders its own card from one snapshot.
void BM_CardTo600DpiImageOnAllCores(benchmark::State& state) {
    const zelk::SideSnapshot side = cardSide();
    const int cores = std::max(1, QThread::idealThreadCount());
    for (auto _ : state) {
        std::vector<std::thread> workers;
        for (int i = 0; i < cores; ++i)
            workers.emplace_back([&side] {
                QImage img = SKTRenderingView::image_From_Card_Graphics(side).imageAtResolution(600);
                benchmark::DoNotOptimize(img.constBits());
            });
        for (std::thread& t : workers)
            t.join();
    }
    state.SetItemsProcessed(state.iterations() * cores);
    state.counters["cores"] = cores;
}
BENCHMARK(BM_CardTo600DpiImageOnAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return zelk::bench::runInApplication(argc, argv,
                                         [] { zelk::CardFaceHook::install(std::make_shared<BenchFace>()); });
}

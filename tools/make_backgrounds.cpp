// Draws the card backgrounds the application ships in its resources'
// "Background" folder: gradients and patterns at the size of an ID-1 card
// (85.6 x 54 mm) at 300 dpi. Everything is drawn here, without randomness,
// so the same program always writes the same pictures.
//
// To rewrite the shipped files after changing it:
//   bin/zelk_make_backgrounds <source>/resources/Background
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int W = 1012;
constexpr int H = 638;

QImage canvas(const QColor& fill) {
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(fill);
    // 300 dpi, so the picture reports the card's size in points.
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    return image;
}

void linear(QPainter& p, QPointF from, QPointF to, const QList<std::pair<double, QColor>>& stops) {
    QLinearGradient g(from, to);
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(QRect(0, 0, W, H), g);
}

void glow(QPainter& p, QPointF centre, double radius, QColor colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.fillRect(QRect(0, 0, W, H), g);
}

void oceanWaves(QPainter& p) {
    linear(p, {0, 0}, {0, H}, {{0, QColor(10, 60, 120)}, {1, QColor(40, 150, 200)}});
    for (int band = 0; band < 7; ++band) {
        QPainterPath wave;
        const double base = 180 + band * 70;
        wave.moveTo(0, H);
        for (int x = 0; x <= W; x += 4)
            wave.lineTo(x, base + 28 * std::sin(x / 90.0 + band * 0.8));
        wave.lineTo(W, H);
        wave.closeSubpath();
        p.fillPath(wave, QColor(255, 255, 255, 22));
    }
}

void sunset(QPainter& p) {
    linear(p, {0, 0}, {0, H}, {{0, QColor(60, 30, 110)}, {0.55, QColor(230, 90, 90)}, {1, QColor(250, 190, 90)}});
    glow(p, {W * 0.72, H * 0.78}, 320, QColor(255, 230, 150, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(W * 0.72, H * 0.78), 90, 90);
}

void forestStripes(QPainter& p) {
    p.setPen(Qt::NoPen);
    const QColor shades[] = {QColor(40, 110, 70), QColor(60, 130, 80), QColor(35, 100, 65)};
    for (int i = -H / 40; i < W / 40 + H / 40; ++i) {
        p.setBrush(shades[(i % 3 + 3) % 3]);
        QPolygonF stripe({QPointF(i * 40, 0), QPointF(i * 40 + 22, 0), QPointF(i * 40 + 22 + H, H),
                          QPointF(i * 40 + H, H)});
        p.drawPolygon(stripe);
    }
}

void corporateBlue(QPainter& p) {
    linear(p, {0, 0}, {W, 0}, {{0, QColor(18, 40, 80)}, {1, QColor(30, 80, 150)}});
    p.fillRect(QRect(0, 150, W, H - 260), QColor(245, 247, 250));
    p.fillRect(QRect(0, 140, W, 10), QColor(240, 170, 40));
    p.fillRect(QRect(0, H - 110, W, 6), QColor(240, 170, 40));
}

void softDots(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int y = 0; y < H + 40; y += 34)
        for (int x = (y / 34) % 2 ? 17 : 0; x < W + 40; x += 34) {
            const double fade = double(x) / W;
            p.setBrush(QColor(int(230 - 60 * fade), int(200 - 30 * fade), int(170 + 40 * fade)));
            p.drawEllipse(QPointF(x, y), 6, 6);
        }
}

void hexagons(QPainter& p) {
    p.setPen(QPen(QColor(150, 170, 200), 3));
    const double r = 42;
    const double dx = r * std::sqrt(3.0);
    for (int row = -1; row * r * 1.5 < H + r; ++row)
        for (int col = -1; col * dx < W + dx; ++col) {
            const QPointF c(col * dx + (row % 2 ? dx / 2 : 0), row * r * 1.5);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k)
                hex << c + QPointF(r * std::cos(qDegreesToRadians(60.0 * k + 30)),
                                   r * std::sin(qDegreesToRadians(60.0 * k + 30)));
            p.drawPolygon(hex);
        }
}

void aurora(QPainter& p) {
    glow(p, {W * 0.2, H * 0.3}, 420, QColor(40, 220, 160, 170));
    glow(p, {W * 0.65, H * 0.2}, 380, QColor(90, 120, 255, 150));
    glow(p, {W * 0.85, H * 0.8}, 360, QColor(200, 60, 200, 120));
}

void graphite(QPainter& p) {
    p.setPen(QPen(QColor(70, 74, 82), 2));
    for (int i = -H; i < W; i += 18) {
        p.drawLine(QPointF(i, 0), QPointF(i + H, H));
        p.drawLine(QPointF(i + H, 0), QPointF(i, H));
    }
    glow(p, {W * 0.5, H * 0.5}, 600, QColor(255, 255, 255, 25));
}

void campusRed(QPainter& p) {
    QPainterPath swoosh;
    swoosh.moveTo(0, H * 0.72);
    swoosh.cubicTo(W * 0.35, H * 0.45, W * 0.65, H * 1.05, W, H * 0.6);
    swoosh.lineTo(W, H);
    swoosh.lineTo(0, H);
    swoosh.closeSubpath();
    p.fillPath(swoosh, QColor(255, 255, 255));
    p.setPen(QPen(QColor(235, 190, 60), 10));
    QPainterPath edge;
    edge.moveTo(0, H * 0.69);
    edge.cubicTo(W * 0.35, H * 0.42, W * 0.65, H * 1.02, W, H * 0.57);
    p.drawPath(edge);
}

void mintGeometry(QPainter& p) {
    p.setPen(Qt::NoPen);
    const double s = 92;
    for (int row = 0; row * s < H + s; ++row)
        for (int col = 0; col * s < W + s; ++col) {
            const int tone = (row * 7 + col * 3) % 5;
            p.setBrush(QColor(150 + tone * 18, 215 + tone * 6, 190 + tone * 10));
            const QPointF o(col * s, row * s);
            p.drawPolygon(QPolygonF({o, o + QPointF(s, 0), o + QPointF(0, s)}));
            p.setBrush(QColor(170 + tone * 14, 225 + tone * 4, 205 + tone * 8));
            p.drawPolygon(QPolygonF({o + QPointF(s, 0), o + QPointF(s, s), o + QPointF(0, s)}));
        }
}

// Rosette lines as on banknotes and passes: hard to copy by hand.
void guilloche(QPainter& p) {
    for (int k = 0; k < 18; ++k) {
        p.setPen(QPen(QColor(40, 110, 140, 90), 1.6));
        QPainterPath path;
        const double phase = k * M_PI / 9;
        for (int i = 0; i <= 2000; ++i) {
            const double t = i * 2 * M_PI / 2000;
            const double r = 230 + 70 * std::sin(7 * t + phase) + 25 * std::cos(19 * t);
            const QPointF pt(W / 2.0 + 1.6 * r * std::cos(t), H / 2.0 + r * std::sin(t));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.drawPath(path);
    }
}

void paperCream(QPainter& p) {
    p.setPen(QPen(QColor(180, 150, 90), 6));
    p.drawRect(QRectF(26, 26, W - 52, H - 52));
    p.setPen(QPen(QColor(180, 150, 90), 2));
    p.drawRect(QRectF(42, 42, W - 84, H - 84));
}

void circuit(QPainter& p) {
    const QColor line(40, 190, 180, 170);
    p.setPen(QPen(line, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A fixed walk of traces: each row steps right, turns at every fifth
    // cell, and ends in a pad.
    for (int row = 0; row < 10; ++row) {
        const double y0 = 40 + row * 64;
        QPainterPath trace;
        trace.moveTo(0, y0);
        double x = 0, y = y0;
        for (int step = 1; step <= 9; ++step) {
            x = step * 110 + (row % 3) * 17;
            trace.lineTo(x, y);
            if ((step + row) % 4 == 0) {
                y += (row % 2 ? -1 : 1) * 32;
                x += 32;
                trace.lineTo(x, y);
            }
        }
        p.drawPath(trace);
        p.setBrush(QColor(10, 50, 60));
        p.drawEllipse(QPointF(x, y), 9, 9);
        p.setBrush(Qt::NoBrush);
    }
}

void chevron(QPainter& p) {
    p.setPen(Qt::NoPen);
    const double w = 84, h = 42;
    for (int row = 0; row * h < H + h; ++row) {
        p.setBrush(row % 2 ? QColor(200, 215, 235) : QColor(230, 238, 248));
        QPolygonF band;
        for (int col = 0; col * w <= W + w; ++col) {
            band << QPointF(col * w, row * h) << QPointF(col * w + w / 2, row * h + h / 2);
        }
        for (int col = int(W / w) + 1; col >= 0; --col)
            band << QPointF(col * w + w / 2, row * h + h / 2 + h) << QPointF(col * w, row * h + h);
        p.drawPolygon(band);
    }
}

bool write(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QImageWriter writer(&file, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(90);
    return writer.write(image) && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    // Smooth gradients as JPEG (small and free of banding), flat patterns as PNG.
    const struct {
        const char* name;
        QColor ground;
        void (*draw)(QPainter&);
    } backgrounds[] = {
        {"Ocean Waves.jpg", Qt::white, oceanWaves},
        {"Sunset.jpg", Qt::white, sunset},
        {"Aurora.jpg", QColor(8, 14, 40), aurora},
        {"Forest Stripes.png", QColor(30, 90, 60), forestStripes},
        {"Corporate Blue.png", QColor(245, 247, 250), corporateBlue},
        {"Soft Dots.png", QColor(250, 246, 238), softDots},
        {"Hexagons.png", QColor(235, 240, 245), hexagons},
        {"Graphite.png", QColor(55, 58, 64), graphite},
        {"Campus Red.png", QColor(170, 25, 40), campusRed},
        {"Mint Geometry.png", QColor(210, 240, 228), mintGeometry},
        {"Guilloche.png", QColor(248, 244, 232), guilloche},
        {"Paper Cream.png", QColor(250, 245, 230), paperCream},
        {"Circuit.png", QColor(10, 50, 60), circuit},
        {"Chevron.png", QColor(250, 250, 252), chevron},
    };
    for (const auto& background : backgrounds) {
        QImage image = canvas(background.ground);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            background.draw(p);
        }
        const QString path = out.filePath(QString::fromUtf8(background.name));
        if (!write(image, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

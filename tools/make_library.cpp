// Draws the stock pictures the application ships in its resources'
// "LibraryImage" folder, one sub-folder per category: simple flat drawings
// of 300 x 300 pixels, PNG with a clear ground for the pictures placed on a
// card, JPEG for the full scenes. Everything is drawn here, without
// randomness, so the same program always writes the same pictures.
//
// To rewrite the shipped files after changing it:
//   bin/zelk_make_library <source>/resources/LibraryImage
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
#include <functional>

namespace {

constexpr int S = 300;
const QPointF C(S / 2.0, S / 2.0);

QPolygonF regular(int corners, double radius, double inner = 0, double turn = -90) {
    QPolygonF poly;
    const int points = inner > 0 ? corners * 2 : corners;
    for (int k = 0; k < points; ++k) {
        const double r = inner > 0 && k % 2 ? inner : radius;
        const double a = qDegreesToRadians(turn + 360.0 * k / points);
        poly << C + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

void fill(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void sky(QPainter& p, QColor top, QColor bottom) {
    QLinearGradient g(0, 0, 0, S);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(0, 0, S, S), g);
}

// ---------------------------------------------------------------- animals

void fish(QPainter& p) {
    fill(p, QColor(240, 140, 40));
    p.drawEllipse(QRectF(60, 100, 150, 100));
    p.drawPolygon(QPolygonF({QPointF(200, 150), QPointF(260, 100), QPointF(260, 200)}));
    fill(p, Qt::white);
    p.drawEllipse(QPointF(100, 135), 12, 12);
    fill(p, Qt::black);
    p.drawEllipse(QPointF(102, 135), 6, 6);
}

void bird(QPainter& p) {
    fill(p, QColor(60, 140, 220));
    p.drawEllipse(QRectF(80, 110, 140, 110));
    p.drawEllipse(QRectF(170, 80, 70, 70));
    fill(p, QColor(30, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(110, 150), QPointF(190, 160), QPointF(120, 210)}));
    fill(p, QColor(250, 190, 40));
    p.drawPolygon(QPolygonF({QPointF(235, 110), QPointF(270, 120), QPointF(235, 130)}));
    fill(p, Qt::black);
    p.drawEllipse(QPointF(212, 108), 6, 6);
}

void cat(QPainter& p) {
    fill(p, QColor(120, 120, 130));
    p.drawPolygon(QPolygonF({QPointF(70, 130), QPointF(85, 50), QPointF(140, 100)}));
    p.drawPolygon(QPolygonF({QPointF(230, 130), QPointF(215, 50), QPointF(160, 100)}));
    p.drawEllipse(QRectF(60, 80, 180, 170));
    fill(p, QColor(150, 210, 90));
    p.drawEllipse(QPointF(115, 150), 16, 20);
    p.drawEllipse(QPointF(185, 150), 16, 20);
    fill(p, QColor(240, 140, 160));
    p.drawPolygon(QPolygonF({QPointF(140, 185), QPointF(160, 185), QPointF(150, 198)}));
    p.setPen(QPen(QColor(230, 230, 230), 3));
    for (int k = -1; k <= 1; ++k) {
        p.drawLine(QPointF(130, 195 + k * 8), QPointF(80, 190 + k * 14));
        p.drawLine(QPointF(170, 195 + k * 8), QPointF(220, 190 + k * 14));
    }
}

void owl(QPainter& p) {
    fill(p, QColor(140, 95, 60));
    p.drawEllipse(QRectF(80, 60, 140, 200));
    fill(p, QColor(235, 215, 180));
    p.drawEllipse(QRectF(110, 150, 80, 95));
    fill(p, Qt::white);
    p.drawEllipse(QPointF(122, 112), 28, 28);
    p.drawEllipse(QPointF(178, 112), 28, 28);
    fill(p, Qt::black);
    p.drawEllipse(QPointF(122, 112), 12, 12);
    p.drawEllipse(QPointF(178, 112), 12, 12);
    fill(p, QColor(245, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(140, 135), QPointF(160, 135), QPointF(150, 155)}));
}

void butterfly(QPainter& p) {
    const QColor wings[] = {QColor(230, 80, 140), QColor(250, 170, 60)};
    for (int side : {-1, 1}) {
        fill(p, wings[0]);
        p.drawEllipse(QPointF(150 + side * 55, 115), 55, 60);
        fill(p, wings[1]);
        p.drawEllipse(QPointF(150 + side * 45, 200), 40, 45);
    }
    fill(p, QColor(50, 40, 40));
    p.drawRoundedRect(QRectF(142, 80, 16, 160), 8, 8);
    p.setPen(QPen(QColor(50, 40, 40), 3));
    p.drawLine(QPointF(150, 85), QPointF(125, 45));
    p.drawLine(QPointF(150, 85), QPointF(175, 45));
}

void paw(QPainter& p) {
    fill(p, QColor(110, 70, 50));
    p.drawEllipse(QRectF(95, 140, 110, 95));
    p.drawEllipse(QPointF(85, 120), 22, 28);
    p.drawEllipse(QPointF(125, 85), 22, 28);
    p.drawEllipse(QPointF(175, 85), 22, 28);
    p.drawEllipse(QPointF(215, 120), 22, 28);
}

void turtle(QPainter& p) {
    fill(p, QColor(120, 180, 90));
    p.drawEllipse(QPointF(235, 160), 28, 24);
    for (const QPointF& leg : {QPointF(95, 200), QPointF(195, 200), QPointF(95, 125), QPointF(195, 125)})
        p.drawEllipse(leg, 20, 16);
    fill(p, QColor(60, 120, 60));
    p.drawEllipse(QRectF(70, 100, 160, 120));
    p.setPen(QPen(QColor(150, 200, 110), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(regular(6, 35).translated(0, 10));
}

void bee(QPainter& p) {
    fill(p, QColor(200, 230, 250, 220));
    p.drawEllipse(QPointF(125, 95), 35, 45);
    p.drawEllipse(QPointF(180, 95), 35, 45);
    fill(p, QColor(250, 200, 30));
    p.drawEllipse(QRectF(70, 120, 170, 110));
    fill(p, QColor(40, 30, 20));
    for (int x : {120, 160, 200})
        p.drawRect(QRectF(x, 125, 18, 100).intersected(QRectF(75, 125, 160, 100)));
    p.drawEllipse(QPointF(80, 175), 6, 6);
}

void whale(QPainter& p) {
    fill(p, QColor(50, 90, 160));
    QPainterPath body;
    body.moveTo(40, 170);
    body.cubicTo(40, 90, 200, 80, 230, 150);
    body.lineTo(275, 110);
    body.lineTo(265, 190);
    body.cubicTo(200, 230, 60, 240, 40, 170);
    p.drawPath(body);
    fill(p, Qt::white);
    p.drawEllipse(QPointF(85, 150), 8, 8);
    p.setPen(QPen(QColor(80, 170, 230), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 95), QPointF(110, 55));
    p.drawLine(QPointF(120, 95), QPointF(140, 58));
}

void rabbit(QPainter& p) {
    fill(p, QColor(225, 220, 215));
    p.drawEllipse(QRectF(105, 30, 36, 110));
    p.drawEllipse(QRectF(160, 30, 36, 110));
    p.drawEllipse(QRectF(80, 110, 140, 140));
    fill(p, QColor(240, 170, 180));
    p.drawEllipse(QRectF(115, 45, 16, 80));
    p.drawEllipse(QRectF(170, 45, 16, 80));
    p.drawEllipse(QPointF(150, 195), 10, 8);
    fill(p, Qt::black);
    p.drawEllipse(QPointF(125, 170), 8, 8);
    p.drawEllipse(QPointF(175, 170), 8, 8);
}

// ---------------------------------------------------------------- nature (full scenes)

void sunrise(QPainter& p) {
    sky(p, QColor(250, 200, 120), QColor(240, 120, 90));
    fill(p, QColor(255, 235, 150));
    p.drawEllipse(QPointF(150, 190), 70, 70);
    fill(p, QColor(80, 60, 90));
    p.drawRect(QRectF(0, 200, S, 100));
}

void nightMoon(QPainter& p) {
    sky(p, QColor(10, 20, 60), QColor(40, 60, 120));
    fill(p, QColor(250, 245, 200));
    p.drawEllipse(QPointF(190, 110), 55, 55);
    fill(p, QColor(18, 30, 75));
    p.drawEllipse(QPointF(215, 95), 50, 50);
    fill(p, Qt::white);
    for (int k = 0; k < 14; ++k)
        p.drawEllipse(QPointF((k * 73) % S, (k * 41) % 200 + 10), 2, 2);
}

void mountains(QPainter& p) {
    sky(p, QColor(150, 200, 240), QColor(220, 240, 250));
    fill(p, QColor(90, 110, 140));
    p.drawPolygon(QPolygonF({QPointF(-20, 260), QPointF(110, 80), QPointF(240, 260)}));
    fill(p, QColor(120, 140, 160));
    p.drawPolygon(QPolygonF({QPointF(100, 260), QPointF(220, 120), QPointF(340, 260)}));
    fill(p, Qt::white);
    p.drawPolygon(QPolygonF({QPointF(110, 80), QPointF(140, 115), QPointF(80, 115)}));
    fill(p, QColor(70, 140, 80));
    p.drawRect(QRectF(0, 250, S, 50));
}

void tree(QPainter& p) {
    sky(p, QColor(190, 225, 245), QColor(235, 245, 250));
    fill(p, QColor(110, 80, 50));
    p.drawRect(QRectF(135, 170, 30, 100));
    fill(p, QColor(60, 150, 70));
    p.drawEllipse(QPointF(150, 120), 85, 80);
    fill(p, QColor(90, 180, 90));
    p.drawEllipse(QPointF(125, 100), 40, 35);
    fill(p, QColor(100, 170, 80));
    p.drawRect(QRectF(0, 265, S, 35));
}

void flower(QPainter& p) {
    sky(p, QColor(230, 245, 220), QColor(200, 230, 190));
    fill(p, QColor(70, 150, 70));
    p.drawRect(QRectF(145, 150, 10, 150));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(150, 120);
        p.rotate(45 * k);
        fill(p, QColor(240, 110, 150));
        p.drawEllipse(QRectF(-18, -75, 36, 70));
        p.restore();
    }
    fill(p, QColor(250, 200, 50));
    p.drawEllipse(QPointF(150, 120), 28, 28);
}

void rain(QPainter& p) {
    sky(p, QColor(120, 130, 150), QColor(180, 190, 200));
    fill(p, QColor(235, 238, 242));
    p.drawEllipse(QPointF(110, 110), 50, 40);
    p.drawEllipse(QPointF(170, 95), 60, 50);
    p.drawEllipse(QPointF(210, 120), 45, 35);
    p.drawRect(QRectF(60, 110, 190, 45));
    p.setPen(QPen(QColor(60, 120, 220), 5, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 7; ++k)
        p.drawLine(QPointF(80 + k * 25, 185 + (k % 2) * 20), QPointF(70 + k * 25, 215 + (k % 2) * 20));
}

void snowflake(QPainter& p) {
    sky(p, QColor(40, 90, 160), QColor(120, 170, 220));
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 6; ++k) {
        p.save();
        p.translate(C);
        p.rotate(60 * k);
        p.drawLine(QPointF(0, 0), QPointF(0, -100));
        p.drawLine(QPointF(0, -60), QPointF(-25, -85));
        p.drawLine(QPointF(0, -60), QPointF(25, -85));
        p.restore();
    }
}

void waves(QPainter& p) {
    sky(p, QColor(250, 230, 180), QColor(250, 210, 160));
    const QColor blues[] = {QColor(40, 110, 180), QColor(60, 140, 200), QColor(90, 170, 220)};
    for (int band = 0; band < 3; ++band) {
        QPainterPath wave;
        const double base = 150 + band * 45;
        wave.moveTo(0, S);
        for (int x = 0; x <= S; x += 4)
            wave.lineTo(x, base + 18 * std::sin(x / 30.0 + band));
        wave.lineTo(S, S);
        wave.closeSubpath();
        p.fillPath(wave, blues[band]);
    }
}

void leaf(QPainter& p) {
    sky(p, QColor(250, 240, 215), QColor(240, 225, 190));
    QPainterPath shape;
    shape.moveTo(70, 240);
    shape.cubicTo(60, 100, 180, 50, 250, 50);
    shape.cubicTo(250, 150, 190, 250, 70, 240);
    p.fillPath(shape, QColor(220, 120, 40));
    p.setPen(QPen(QColor(150, 70, 20), 5));
    p.drawLine(QPointF(60, 255), QPointF(220, 80));
}

void cactus(QPainter& p) {
    sky(p, QColor(250, 210, 140), QColor(250, 180, 110));
    fill(p, QColor(60, 140, 80));
    p.drawRoundedRect(QRectF(125, 60, 50, 210), 25, 25);
    p.drawRoundedRect(QRectF(70, 120, 30, 80), 15, 15);
    p.drawRect(QRectF(85, 180, 50, 22));
    p.drawRoundedRect(QRectF(200, 100, 30, 70), 15, 15);
    p.drawRect(QRectF(170, 150, 45, 22));
    fill(p, QColor(200, 150, 90));
    p.drawRect(QRectF(0, 262, S, 38));
}

// ---------------------------------------------------------------- shapes and symbols

struct Shape {
    const char* name;
    QColor colour;
    void (*draw)(QPainter&, const QColor&);
};

void star(QPainter& p, const QColor& c) { fill(p, c), p.drawPolygon(regular(5, 120, 50)); }
void heart(QPainter& p, const QColor& c) {
    QPainterPath h;
    h.moveTo(150, 250);
    h.cubicTo(20, 160, 60, 40, 150, 100);
    h.cubicTo(240, 40, 280, 160, 150, 250);
    p.fillPath(h, c);
}
void hexagon(QPainter& p, const QColor& c) { fill(p, c), p.drawPolygon(regular(6, 120, 0, 0)); }
void diamond(QPainter& p, const QColor& c) { fill(p, c), p.drawPolygon(regular(4, 125)); }
void triangle(QPainter& p, const QColor& c) { fill(p, c), p.drawPolygon(regular(3, 125).translated(0, 20)); }
void rings(QPainter& p, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        p.setPen(QPen(c.lighter(100 + k * 25), 14));
        p.drawEllipse(C, 120 - k * 28.0, 120 - k * 28.0);
    }
}
void burst(QPainter& p, const QColor& c) { fill(p, c), p.drawPolygon(regular(16, 125, 85)); }
void spiral(QPainter& p, const QColor& c) {
    QPainterPath path;
    path.moveTo(C);
    for (int i = 0; i <= 720; i += 4) {
        const double a = qDegreesToRadians(double(i) * 2), r = i / 6.5;
        path.lineTo(C + QPointF(r * std::cos(a), r * std::sin(a)));
    }
    p.setPen(QPen(c, 10, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}
void badge(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(105, 180), QPointF(80, 285), QPointF(125, 260), QPointF(140, 200)}));
    p.drawPolygon(QPolygonF({QPointF(195, 180), QPointF(220, 285), QPointF(175, 260), QPointF(160, 200)}));
    p.drawPolygon(regular(12, 95, 80).translated(0, -30));
    fill(p, Qt::white);
    p.drawEllipse(C - QPointF(0, 30), 55, 55);
    fill(p, c);
    p.drawPolygon(regular(5, 40, 17).translated(0, -30));
}
void check(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawEllipse(C, 125, 125);
    p.setPen(QPen(Qt::white, 28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(90, 155), QPointF(135, 200), QPointF(215, 110)}));
}
void cross(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawEllipse(C, 125, 125);
    p.setPen(QPen(Qt::white, 28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 100), QPointF(200, 200));
    p.drawLine(QPointF(200, 100), QPointF(100, 200));
}
void plus(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawRoundedRect(QRectF(115, 40, 70, 220), 14, 14);
    p.drawRoundedRect(QRectF(40, 115, 220, 70), 14, 14);
}
void arrow(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(40, 120), QPointF(160, 120), QPointF(160, 60), QPointF(265, 150),
                             QPointF(160, 240), QPointF(160, 180), QPointF(40, 180)}));
}
void info(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawEllipse(C, 125, 125);
    fill(p, Qt::white);
    p.drawEllipse(QPointF(150, 90), 18, 18);
    p.drawRoundedRect(QRectF(134, 125, 32, 110), 10, 10);
}
void warning(QPainter& p, const QColor& c) {
    QPainterPath t;
    t.addPolygon(QPolygonF({QPointF(150, 30), QPointF(275, 255), QPointF(25, 255)}));
    t.closeSubpath();
    p.setPen(QPen(c, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(t);
    fill(p, QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(138, 95, 24, 100), 10, 10);
    p.drawEllipse(QPointF(150, 220), 15, 15);
}
void envelope(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawRoundedRect(QRectF(35, 75, 230, 150), 12, 12);
    p.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(50, 90), QPointF(150, 165), QPointF(250, 90)}));
}
void lock(QPainter& p, const QColor& c) {
    p.setPen(QPen(c.darker(120), 22));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(90, 40, 120, 150), 0, 180 * 16);
    p.drawLine(QPointF(90, 115), QPointF(90, 140));
    p.drawLine(QPointF(210, 115), QPointF(210, 140));
    fill(p, c);
    p.drawRoundedRect(QRectF(60, 135, 180, 135), 16, 16);
    fill(p, Qt::white);
    p.drawEllipse(QPointF(150, 190), 16, 16);
    p.drawRect(QRectF(144, 195, 12, 40));
}
void home(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawPolygon(QPolygonF({QPointF(150, 35), QPointF(275, 150), QPointF(25, 150)}));
    p.drawRect(QRectF(60, 140, 180, 120));
    fill(p, Qt::white);
    p.drawRoundedRect(QRectF(125, 180, 50, 80), 6, 6);
}
void person(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawEllipse(QPointF(150, 95), 50, 50);
    QPainterPath body;
    body.moveTo(50, 270);
    body.cubicTo(50, 160, 250, 160, 250, 270);
    body.closeSubpath();
    p.fillPath(body, c);
}
void phone(QPainter& p, const QColor& c) {
    fill(p, c);
    p.drawRoundedRect(QRectF(95, 30, 110, 240), 18, 18);
    fill(p, QColor(220, 235, 250));
    p.drawRect(QRectF(107, 60, 86, 165));
    fill(p, Qt::white);
    p.drawEllipse(QPointF(150, 248), 10, 10);
}

bool write(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    QImageWriter writer(&file, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(88);
    return writer.write(image) && file.commit();
}

QImage draw(bool scene, const std::function<void(QPainter&)>& painting) {
    QImage image(S, S, scene ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(scene ? Qt::white : Qt::transparent);
    image.setDotsPerMeterX(3780);  // 96 dpi: about 8 cm on a card
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    painting(p);
    return image;
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
    struct Picture {
        const char* category;
        const char* name;
        void (*draw)(QPainter&);
    };
    // Animals on a clear ground, scenes of nature as JPEG.
    const Picture pictures[] = {
        {"Animals", "Fish.png", fish},           {"Animals", "Bird.png", bird},
        {"Animals", "Cat.png", cat},             {"Animals", "Owl.png", owl},
        {"Animals", "Butterfly.png", butterfly}, {"Animals", "Paw.png", paw},
        {"Animals", "Turtle.png", turtle},       {"Animals", "Bee.png", bee},
        {"Animals", "Whale.png", whale},         {"Animals", "Rabbit.png", rabbit},
        {"Nature", "Sunrise.jpg", sunrise},      {"Nature", "Night.jpg", nightMoon},
        {"Nature", "Mountains.jpg", mountains},  {"Nature", "Tree.jpg", tree},
        {"Nature", "Flower.jpg", flower},        {"Nature", "Rain.jpg", rain},
        {"Nature", "Snowflake.jpg", snowflake},  {"Nature", "Waves.jpg", waves},
        {"Nature", "Leaf.jpg", leaf},            {"Nature", "Cactus.jpg", cactus},
    };
    const Shape shapes[] = {
        {"Star.png", QColor(245, 190, 30), star},       {"Heart.png", QColor(220, 50, 70), heart},
        {"Hexagon.png", QColor(40, 150, 170), hexagon}, {"Diamond.png", QColor(120, 80, 200), diamond},
        {"Triangle.png", QColor(240, 120, 40), triangle}, {"Rings.png", QColor(30, 100, 180), rings},
        {"Burst.png", QColor(230, 60, 120), burst},     {"Spiral.png", QColor(40, 160, 90), spiral},
        {"Badge.png", QColor(200, 150, 30), badge},     {"Plus.png", QColor(200, 40, 40), plus},
    };
    const Shape symbols[] = {
        {"Check.png", QColor(40, 160, 80), check},      {"Cross.png", QColor(210, 50, 50), cross},
        {"Arrow.png", QColor(40, 110, 200), arrow},     {"Info.png", QColor(30, 120, 210), info},
        {"Warning.png", QColor(250, 200, 40), warning}, {"Mail.png", QColor(60, 90, 150), envelope},
        {"Lock.png", QColor(90, 100, 115), lock},       {"Home.png", QColor(200, 90, 50), home},
        {"Person.png", QColor(70, 80, 100), person},    {"Phone.png", QColor(40, 45, 55), phone},
    };
    auto save = [&](const char* category, const char* name, const QImage& image) {
        QDir().mkpath(out.filePath(QString::fromUtf8(category)));
        const QString path = out.filePath(QString::fromUtf8(category) + QLatin1Char('/') + QString::fromUtf8(name));
        if (!write(image, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        return true;
    };
    for (const Picture& picture : pictures) {
        const bool scene = QByteArray(picture.name).endsWith(".jpg");
        if (!save(picture.category, picture.name, draw(scene, picture.draw)))
            return 1;
    }
    for (const auto& [category, list] : {std::pair{"Shapes", &shapes}, std::pair{"Symbols", &symbols}})
        for (const Shape& shape : *list)
            if (!save(category, shape.name, draw(false, [&](QPainter& p) { shape.draw(p, shape.colour); })))
                return 1;
    return 0;
}

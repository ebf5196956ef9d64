// Draws the pictures of the promotion window (resources' "Promotion"
// folder): one per feature it presents, card mailing, the visitor desk and
// the barcode designer. Drawn without randomness, so the same program always
// writes the same files.
//
// To rewrite the shipped files after changing it:
//   bin/zelk_make_promotion_pictures <source>/resources/Promotion
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int S = 240;

// A card of the program's shape (ID-1 proportions) with a photo box and
// three text lines.
void card(QPainter& p, QRectF r, QColor band) {
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, r.height() * 0.22));
    const QRectF photo(r.left() + r.width() * 0.07, r.top() + r.height() * 0.32, r.width() * 0.26,
                       r.height() * 0.56);
    p.setBrush(QColor(200, 210, 225));
    p.drawRect(photo);
    p.setBrush(QColor(120, 135, 160));
    p.drawEllipse(QRectF(photo.center().x() - photo.width() * 0.2, photo.top() + photo.height() * 0.15,
                         photo.width() * 0.4, photo.width() * 0.4));
    p.drawChord(QRectF(photo.left() + photo.width() * 0.1, photo.top() + photo.height() * 0.6,
                       photo.width() * 0.8, photo.height() * 0.7),
                0, 180 * 16);
    p.setBrush(QColor(90, 100, 120));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(photo.right() + r.width() * 0.07, photo.top() + i * r.height() * 0.17,
                          r.width() * (i == 0 ? 0.5 : 0.38), r.height() * 0.07));
}

QImage mailing() {
    QImage image(S, S, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // An envelope with a card sliding out of it.
    card(p, QRectF(40, 40, 160, 101), QColor(30, 90, 170));
    const QRectF env(30, 110, 180, 100);
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(QColor(245, 220, 150));
    p.drawRect(env);
    QPainterPath flap;
    flap.moveTo(env.topLeft());
    flap.lineTo(env.center().x(), env.top() + 55);
    flap.lineTo(env.topRight());
    p.setBrush(QColor(235, 200, 120));
    p.drawPath(flap);
    return image;
}

QImage visitorDesk() {
    QImage image(S, S, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A pass on a lanyard.
    p.setPen(QPen(QColor(200, 40, 50), 6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(70, 10), QPointF(110, 70));
    p.drawLine(QPointF(170, 10), QPointF(130, 70));
    card(p, QRectF(55, 70, 130, 160).adjusted(0, 0, 0, -40), QColor(200, 40, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 50));
    p.drawRoundedRect(QRectF(70, 200, 100, 26), 6, 6);
    QFont font(QStringLiteral("DejaVu Sans"), 12, QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(70, 200, 100, 26), Qt::AlignCenter, QStringLiteral("VISITOR"));
    return image;
}

QImage barcodeDesigner() {
    QImage image(S, S, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(20, 40, 200, 160), 10, 10);
    // Bars of a fixed pattern, then a small square code beside them.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int widths[] = {2, 1, 3, 1, 1, 2, 4, 1, 2, 1, 1, 3, 2, 1, 1, 2, 3, 1, 2, 2, 1, 3, 1, 2};
    double x = 36;
    bool bar = true;
    for (int w : widths) {
        if (bar)
            p.drawRect(QRectF(x, 60, w * 2.5, 80));
        x += w * 2.5;
        bar = !bar;
    }
    const char* rows[] = {"1111111", "1000001", "1011101", "1011101", "1011101", "1000001", "1111111"};
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            if (rows[r][c] == '1')
                p.drawRect(QRectF(150 + c * 8, 130 + r * 8, 8, 8));
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    p.drawText(QRectF(36, 148, 110, 20), Qt::AlignLeft, QStringLiteral("0 123456 789"));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    const std::pair<const char*, QImage> pictures[] = {
        {"Card_Mailing.png", mailing()}, {"Visitor_Desk.png", visitorDesk()}, {"Barcode_Designer.png", barcodeDesigner()}};
    for (const auto& [name, image] : pictures)
        if (!image.save(folder.filePath(QString::fromLatin1(name)))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    return 0;
}

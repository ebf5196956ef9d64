// Draws a batch of the user's own texts bound to a workbook at random, and
// lays its design out as the user leaves it on the canvas.
#include "RandomBatches.h"

#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"

#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>

namespace zelk::test {

namespace {

// A CR80 card, in points.
constexpr double CardLong = 242.645669, CardShort = 153.070866;

struct Column {
    const char* title;
    ValueKind kind;
};
constexpr Column TextColumns[] = {{"Name", ValueKind::Name},   {"Title", ValueKind::Title},
                                  {"Company", ValueKind::Company}, {"Team", ValueKind::Team},
                                  {"Email", ValueKind::Email}, {"Slogan", ValueKind::Slogan}};
// Far enough apart that a word's height in a PDF tells its size.
constexpr double Sizes[] = {7, 8.5, 10, 11.5, 13};

// The height one line of a text of `points` takes.
double lineHeight(double points) {
    const std::shared_ptr<SKTGraphic> probe = makeGraphic(GraphicKind::Text);
    probe->text_ctrl_font.setPointSizeF(points);
    probe->Set_text_value(QStringLiteral("Xg"));
    probe->setBounds(QRectF(0, 0, 500, 10));
    return fittedTextHeight(*probe);
}

// The first `n` of `count` indexes in an order drawn at random.
QList<int> someOf(RandomDraw& draw, int count, int n) {
    QList<int> order;
    for (int i = 0; i < count; ++i)
        order << i;
    for (int i = count - 1; i > 0; --i)
        std::swap(order[i], order[draw.between(0, i)]);
    return order.mid(0, n);
}

}  // namespace

RandomBatch drawBatch(std::uint32_t seed) {
    RandomDraw draw(seed);
    RandomBatch b;
    b.seed = seed;
    b.card = draw.chance(0.3) ? QSizeF(CardShort, CardLong) : QSizeF(CardLong, CardShort);
    const int texts = draw.between(2, 4);
    const QList<int> columns = someOf(draw, int(std::size(TextColumns)), texts);
    const QList<int> sizes = someOf(draw, int(std::size(Sizes)), texts);
    QList<ValueKind> kinds;
    for (int i = 0; i < texts; ++i) {
        const Column& c = TextColumns[columns.at(i)];
        b.titles << QString::fromLatin1(c.title);
        kinds << c.kind;
        RandomText t;
        t.column = i + 1;
        t.points = Sizes[sizes.at(i)];
        t.alignment = draw.chance(0.5) ? 0 : 2;
        const double line = lineHeight(t.points);
        // A box for one to three lines and some room: never just as high as its
        // lines, where a word stands on the box's edge.
        const double width = draw.real(60, std::min(200.0, b.card.width() - 10));
        const int lines = draw.between(1, 3);
        const double room = draw.real(0.25, 0.75);
        double x, y;
        if (i == 0) {
            x = draw.real(4, b.card.width() - width - 4);
            y = draw.real(4, 24);
        } else {
            // Stacked under the one before: apart, touching, or overlapping
            // it by up to a line of the one before.
            const RandomText& above = b.texts.last();
            const double gap = std::array{draw.real(2, 12), 0.0,
                                          -draw.real(0.1, 1.0) * lineHeight(above.points)}[size_t(draw.between(0, 2))];
            x = std::clamp(above.box.x() + draw.real(-30, 30), 4.0, b.card.width() - width - 4);
            y = above.box.bottom() + gap;
        }
        // As many of its lines as the card has room for below it, one at least.
        const double height = (std::clamp(std::floor((b.card.height() - 4 - y) / line - room), 1.0, double(lines)) + room) * line;
        t.box = QRectF(x, y, width, height);
        b.texts << t;
    }
    // Now and then one reaches past an edge of the card.
    if (draw.chance(0.35)) {
        QRectF& box = b.texts[draw.between(0, texts - 1)].box;
        switch (draw.between(0, 3)) {
        case 0: box.moveLeft(-draw.real(5, 40)); break;
        case 1: box.moveLeft(b.card.width() - box.width() + draw.real(5, 40)); break;
        case 2: box.moveTop(-draw.real(5, 20)); break;
        default: box.moveTop(b.card.height() - box.height() + draw.real(5, 30)); break;
        }
    }
    if (draw.chance(0.8)) {
        b.titles << QStringLiteral("Number");
        kinds << ValueKind::Number;
        b.barcodeColumn = int(b.titles.size());
        b.barcodeAt = QPointF(draw.real(0, b.card.width() - 60), draw.real(0, b.card.height() - 25));
    }
    if (draw.chance(0.8)) {
        const QSizeF size(draw.real(20, 60), draw.real(20, 60));
        b.picture = QRectF(QPointF(draw.real(0, b.card.width() - size.width()), draw.real(0, b.card.height() - size.height())), size);
        // Light: black words over it still read, so what is told of them is
        // that they lie over it.
        b.pictureColour = draw.oneOf(QList<QColor>{QColor(230, 180, 40), QColor(150, 200, 240), QColor(240, 170, 160),
                                                   QColor(170, 220, 170)});
    }
    for (int row = 0; row < 12; ++row) {
        QStringList values;
        for (ValueKind kind : kinds)
            values << anyValue(draw, kind, 0.1);
        b.rows << values;
    }
    return b;
}

QString RandomBatch::describe() const {
    QString out;
    QTextStream s(&out);
    s << "seed " << seed << ": card " << card.width() << " x " << card.height() << "\n";
    for (const RandomText& t : texts)
        s << "  " << titles.at(t.column - 1) << " at " << t.points << " pt, box " << t.box.x() << ", " << t.box.y()
          << ", " << t.box.width() << " x " << t.box.height() << (t.alignment == 0 ? ", left" : ", centred") << "\n";
    if (barcodeColumn > 0)
        s << "  a Code 128 of " << titles.at(barcodeColumn - 1) << " at " << barcodeAt.x() << ", " << barcodeAt.y() << "\n";
    if (picture)
        s << "  a picture at " << picture->x() << ", " << picture->y() << ", " << picture->width() << " x "
          << picture->height() << "\n";
    for (qsizetype r = 0; r < rows.size(); ++r)
        s << "  row " << r + 1 << ": " << rows.at(r).join(QStringLiteral(" | ")) << "\n";
    return out;
}

QList<std::shared_ptr<SKTGraphic>> designOf(const RandomBatch& batch, const QString& picturePath,
                                            const std::function<void(SKTGraphic&, const QString&)>& fitBarcode) {
    auto boundTo = [](GraphicKind kind, int column) {
        std::shared_ptr<SKTGraphic> g = makeGraphic(kind);
        g->Set_Data_source_type(DataSourceType::ExcelColumn);
        g->Set_Excel_binding_Index(column);
        return g;
    };
    QList<std::shared_ptr<SKTGraphic>> side;
    for (const RandomText& t : batch.texts) {
        std::shared_ptr<SKTGraphic> text = boundTo(GraphicKind::Text, t.column);
        text->text_ctrl_font.setPointSizeF(t.points);
        text->text_alignmnet = t.alignment;
        // The canvas shows the first row's value.
        text->Set_text_value(batch.rows.value(0).value(t.column - 1));
        text->setBounds(t.box);
        side << text;
    }
    if (batch.barcodeColumn > 0) {
        std::shared_ptr<SKTGraphic> code = boundTo(GraphicKind::Barcode, batch.barcodeColumn);
        code->setBounds(QRectF(batch.barcodeAt, QSizeF(10, 10)));
        fitBarcode(*code, batch.rows.value(0).value(batch.barcodeColumn - 1));
        side << code;
    }
    if (batch.picture) {
        QImage picture(24, 24, QImage::Format_RGB32);
        picture.fill(batch.pictureColour);
        picture.save(picturePath, "PNG");
        std::shared_ptr<SKTGraphic> image = makeGraphic(GraphicKind::Image);
        static_cast<SKTImage&>(*image).setFilePath(picturePath, true);
        image->setBounds(*batch.picture);
        side << image;
    }
    return side;
}

}  // namespace zelk::test

#include "visitors/VisitorPassDrawing.h"

#include "foundation/DrawingCodes.h"
#include "foundation/Utilities.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

using zelk::Visitor_Pass;
using zelk::VisitorPassData;

namespace {

constexpr double LineStep = 15;
constexpr double MinorStep = 2;
// Room left between a line beside the photo and the photo's box.
constexpr double PhotoGap = 5;

// Measures in points: a device of 72 dots per inch.
const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage d(1, 1, QImage::Format_RGB32);
        d.setDotsPerMeterX(2835);
        d.setDotsPerMeterY(2835);
        return d;
    }();
    return device;
}

QString forDrawing(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// What shows of each line of the text in that width, cut between letters:
// a file then holds what the page shows, not words running on under the
// photo or off the page.
QString fittingPart(const QString& text, Visitor_Pass::Font kind, double width) {
    QStringList lines = forDrawing(text).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (Visitor_Pass::textSize(line, kind).width() <= width)
            continue;
        // The longest run of whole letters that fits: widths grow with the
        // letters, so the cut is searched for by halves.
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, line);
        std::vector<qsizetype> ends;
        for (qsizetype at = letters.toNextBoundary(); at > 0; at = letters.toNextBoundary())
            ends.push_back(at);
        const auto cut = std::partition_point(ends.begin(), ends.end(), [&](qsizetype at) {
            return Visitor_Pass::textSize(line.left(at), kind).width() <= width;
        });
        line.truncate(cut == ends.begin() ? 0 : *std::prev(cut));
    }
    return lines.join(QLatin1Char('\n'));
}

// The drawing state of one pass: the current line and what has been drawn.
class PassWriter {
public:
    PassWriter(const VisitorPassData& data, const QSizeF& page) : data_(data) {
        const QRectF R(0, 0, page.width(), page.height());
        out.Border_rect = QRectF(R.x() + 10, R.y() + 10, R.width() - 20, R.height() - 20);
        add(Visitor_Pass::Item::Border, out.Border_rect);
        T_ = QRectF(out.Border_rect.x() + 10, out.Border_rect.y(), out.Border_rect.width() - 20,
                    out.Border_rect.height());
        charHeight_ = Visitor_Pass::textSize(QStringLiteral("A"), Visitor_Pass::Font::Body).height();
        pos_ = out.Border_rect.height() - 20;
        out.lowest = pos_;
    }

    void run() {
        line("C", QString(), QStringLiteral("Visitor Details"), true, true, false, "F", false);
        shift();
        out.band = QRectF(out.Border_rect.x() + 1, pos_, out.Border_rect.width() - 2, 15);
        add(Visitor_Pass::Item::Band, out.band);
        line("L", data_.unique_detail_lbl, data_.unique_detail, false, false, false, "F", false);
        line("R", QStringLiteral("Date & Time : "), data_.date_time_detail, false, true, false, "F", false);
        shift();
        imageBottom_ = pos_ - 60;
        if (!data_.photo.isNull()) {
            out.photoBox = QRectF(T_.width() - 80, pos_ - 60, 80, 80);
            add(Visitor_Pass::Item::Photo, out.photoBox);
            imageBottom_ = out.photoBox.y();
        }
        out.firstLineY = pos_;
        for (const auto& [caption, value] : data_.front)
            line("L", caption, value, false, true, true, "F", false);
        for (const auto& [caption, value] : data_.back)
            line("L", caption, value, false, true, true, "B", false);
        if (!Trim_Str(data_.other_detail_info).isEmpty()) {
            minor();
            separator();
            shift();
            line("L", QStringLiteral("Other Details : "), data_.other_detail_info, false, true, true, "F", true);
        }
    }

    Visitor_Pass::Layout out;

private:
    void shift() { pos_ -= LineStep; }
    void minor() { pos_ -= MinorStep; }
    void add(Visitor_Pass::Item::Kind kind, const QRectF& rect, const QString& text = {},
             Visitor_Pass::Font font = Visitor_Pass::Font::Body, int alignment = 0) {
        out.items.append({kind, rect, text, font, alignment});
        if (kind != Visitor_Pass::Item::Border)
            out.lowest = std::min(out.lowest, rect.y());
    }
    // Where something drawn in `rect` that would reach `right` must end:
    // beside the photo box, before the box.
    double rightEdge(const QRectF& rect, double right) const {
        const QRectF& box = out.photoBox;
        const bool beside = !box.isEmpty() && rect.y() < box.y() + box.height() && rect.y() + rect.height() > box.y();
        return beside ? std::min(right, box.x() - PhotoGap) : right;
    }
    void separator() {
        const QRectF full(out.Border_rect.left(), pos_, out.Border_rect.width(), 0);
        add(Visitor_Pass::Item::Separator,
            QRectF(full.x(), full.y(), std::max(0.0, rightEdge(full, full.right()) - full.x()), 0));
        minor();
    }
    // A text of a two-column line, kept to its column.
    void columnText(QRectF rect, const QString& text, Visitor_Pass::Font font, int align) {
        rect.setRight(std::max(rect.left(), rightEdge(rect, rect.right())));
        add(Visitor_Pass::Item::Text, rect, fittingPart(text, font, rect.width()), font, align);
    }
    void line(const char* code, const QString& rawCaption, const QString& rawValue, bool heading, bool shiftAfter,
              bool twoColumns, const char* side, bool otherDetails) {
        const QString caption = Trim_Str(rawCaption);
        const QString value = Trim_Str(rawValue);
        if (caption.isEmpty() && value.isEmpty())
            return;
        if (side[0] == 'B' && !backLineDrawn_) {
            if (!data_.photo.isNull()) {
                while (pos_ > imageBottom_)
                    shift();
                minor();
            }
            minor();
            separator();
            shift();
            backLineDrawn_ = true;
        }
        int align = Qt::AlignLeft;
        if (code[0] == 'C')
            align = Qt::AlignHCenter;
        else if (code[0] == 'R')
            align = Qt::AlignRight;
        using F = Visitor_Pass::Font;
        if (heading) {
            const QSizeF s = Visitor_Pass::textSize(value, F::Heading);
            add(Visitor_Pass::Item::Text, QRectF(T_.x(), pos_, T_.width(), s.height()), value, F::Heading, align);
        } else if (!twoColumns) {
            const QString text = caption + value;
            const QSizeF s = Visitor_Pass::textSize(text, F::Body);
            add(Visitor_Pass::Item::Text, QRectF(T_.x(), pos_, T_.width(), s.height()), text, F::Body, align);
        } else {
            const QSizeF c = Visitor_Pass::textSize(caption, F::Caption);
            columnText(QRectF(T_.x(), pos_, 150, c.height()), caption, F::Caption, align);
            const QSizeF v = Visitor_Pass::textSize(value, F::Body);
            if (!otherDetails) {
                columnText(QRectF(T_.x() + 150, pos_, T_.width() - 150, v.height()), value, F::Body, align);
            } else {
                // The first line on the current line, the others below it;
                // each is as wide as the photo beside it allows.
                const QStringList lines = forDrawing(value).split(QLatin1Char('\n'));
                const double lineHeight = v.height() / double(lines.size());
                const double top = pos_ + charHeight_;
                for (qsizetype i = 0; i < lines.size(); ++i)
                    if (!lines[i].isEmpty())
                        columnText(QRectF(T_.x() + 150, top - double(i + 1) * lineHeight, T_.width() - 150, lineHeight),
                                   lines[i], F::Body, align);
            }
        }
        if (shiftAfter)
            shift();
    }

    const VisitorPassData& data_;
    QRectF T_;
    double pos_ = 0;
    double charHeight_ = 0;
    double imageBottom_ = 0;
    bool backLineDrawn_ = false;
};

}  // namespace

QFont Visitor_Pass::font(Font kind) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(kind == Font::Heading ? 12 : 10);
    f.setBold(kind != Font::Body);
    f.setKerning(false);
    return f;
}

QSizeF Visitor_Pass::textSize(const QString& text, Font kind) {
    const QFontMetricsF metrics(font(kind), &measuringDevice());
    const QString t = forDrawing(text);
    if (t.isEmpty())
        return QSizeF(0, metrics.height());
    return metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, t).size();
}

Visitor_Pass::Layout Visitor_Pass::layout(const VisitorPassData& data, const QSizeF& page) {
    PassWriter writer(data, page);
    writer.run();
    return writer.out;
}

double Visitor_Pass::fittingHeight(const VisitorPassData& data, double width, double margin) {
    // Every position is measured down from the top, so the drawing on a page
    // of no height reaches exactly as far below 0 as it needs room.
    const Layout dry = layout(data, QSizeF(width, 0));
    return std::ceil(margin - dry.lowest);
}

void Visitor_Pass::paint(QPainter& painter, const VisitorPassData& data, const QSizeF& page) {
    const Layout l = layout(data, page);
    const double H = page.height();
    auto onPage = [H](const QRectF& r) { return QRectF(r.x(), H - r.y() - r.height(), r.width(), r.height()); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
    for (const Item& item : l.items) {
        const QRectF r = onPage(item.rect);
        switch (item.kind) {
        case Item::Border:
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
            break;
        case Item::Band:
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
            painter.fillRect(r, Qt::lightGray);
            break;
        case Item::Photo:
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(r, data.photo);
            painter.restore();
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
            break;
        case Item::Separator:
            painter.setPen(QPen(Qt::lightGray, 1));
            painter.drawLine(QPointF(r.left(), r.top()), QPointF(r.right(), r.top()));
            break;
        case Item::Text:
            painter.save();
            // Cut off sideways only: a rounding in the font's size must not lose a
            // line's descenders.
            painter.setClipRect(r.adjusted(0, -2, 0, 2), Qt::IntersectClip);
            painter.setPen(Qt::black);
            painter.setFont(fontInPoints(font(item.font), painter.device()));
            painter.drawText(r, item.alignment | Qt::AlignTop, forDrawing(item.text));
            painter.restore();
            break;
        }
    }
    painter.restore();
}

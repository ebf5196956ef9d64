#pragma once
// Fields added to designs a user makes, and the roads that add them: a
// profile stamped onto the front, the desk's rows and its pass boxes typed
// into; and what a PDF of the side shows of them.
#include "HolderFields.h"
#include "VisitorTestSupport.h"

#include "canvas/CardFaceHook.h"
#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "inspector/face/CardFace.h"
#include "barcode/BarcodeSymbologies.h"
#include "canvas/SideGraphicsModel.h"
#include "mainwindow/BarcodeGenProducer.h"
#include "datasource/Data_From_Excel.h"
#include "groups/GroupMode.h"
#include "foundation/Codes.h"
#include "foundation/Shape_Control.h"
#include "foundation/Units.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/Template_Wizard.h"
#include "visitors/VisitorPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTest>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

namespace zelk::test {

inline const QSizeF Cr80(MM_to_Points_Convert(85.60), MM_to_Points_Convert(53.98));

// The words of a one-page PDF (pdftotext) and where its pictures are drawn
// (pdftocairo's SVG: an <image> placed by a <use> through its matrix).
struct PdfPage {
    QList<std::pair<QRectF, QString>> words;
    QList<QRectF> pictures;
};

inline PdfPage readPdf(const QString& pdf) {
    PdfPage page;
    for (const PdfWord& w : pdfWords(pdf))
        page.words.append({w.box, w.text});
    page.pictures = pdfPictures(pdf);
    return page;
}

// Each word of a PDF page of a side, and the graphic of the side that
// prints a word within a point of it (none where none does).
inline QList<std::pair<const SKTGraphic*, QRectF>> ownedWords(const PdfPage& page, const SideGraphics& side) {
    QList<std::pair<const SKTGraphic*, QRectF>> printed;
    const QList<std::shared_ptr<const SKTGraphic>> drawn(side.cbegin(), side.cend());
    for (const auto& g : side)
        if (g && g->ctrl_is_visible && isExactlyText(g.get())) {
            const std::shared_ptr<SKTGraphic> beside = copyBesideCaption(*g, drawn);
            for (const QRectF& w : printedWordBoxes(beside ? *beside : *g))
                printed.append({g.get(), w});
        }
    QList<std::pair<const SKTGraphic*, QRectF>> words;
    for (const auto& [box, text] : page.words) {
        const SKTGraphic* owner = nullptr;
        double nearest = 1.0;
        for (const auto& [g, w] : printed)
            if (const double d = QLineF(w.center(), box.center()).length(); d < nearest) {
                nearest = d;
                owner = g;
            }
        words.append({owner, box});
    }
    return words;
}

// The picture of a one-page PDF at `scale` times 72 dpi (pdftoppm); where
// `part` is given, of that part of the page alone (in points from its top
// left), its pixels numbered as the whole page's.
inline QImage pagePicture(const QString& pdf, double scale, const QRectF& part = QRectF()) {
    const QString png = pdf + QStringLiteral("-picture");
    QStringList args = {"-r", QString::number(72 * scale), "-png", "-singlefile"};
    const QRect px = QRectF(part.topLeft() * scale, part.size() * scale).toAlignedRect();
    if (!part.isEmpty())
        args << "-x" << QString::number(px.x()) << "-y" << QString::number(px.y()) << "-W"
             << QString::number(px.width()) << "-H" << QString::number(px.height());
    runTool("pdftoppm", args << pdf << png);
    const QImage picture = QImage(png + ".png").convertToFormat(QImage::Format_RGB32);
    if (part.isEmpty())
        return picture;
    // Back where the part lies on the page, the rest white.
    QImage page(px.right() + 1, px.bottom() + 1, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter(&page).drawImage(px.topLeft(), picture);
    return page;
}

// The fields of a side whose words, as pdftotext reads them from a PDF of
// the side, meet another graphic's words or a picture the PDF draws (not
// one behind most of the card): by ID, each once. A word of the PDF is the
// graphic's that prints a word within a point of it.
inline QStringList fieldsMeetingInPdf(const QString& pdf, const SideGraphics& side, const QSizeF& card) {
    const PdfPage page = readPdf(pdf);
    const QList<std::pair<const SKTGraphic*, QRectF>> words = ownedWords(page, side);
    auto meet = [](const QRectF& a, const QRectF& b) {
        const QRectF both = a & b;
        return both.width() > 0.1 && both.height() > 0.1;
    };
    QStringList out;
    for (const auto& [owner, box] : words) {
        if (!owner || !isFieldId(owner->control_ID) || out.contains(owner->control_ID))
            continue;
        bool meets = false;
        for (const auto& [g, w] : words)
            meets = meets || (g != owner && meet(box, w));
        for (const QRectF& p : page.pictures)
            meets = meets || (meet(box, p) && p.width() * p.height() < card.width() * card.height() / 2);
        if (meets)
            out << owner->control_ID;
    }
    return out;
}

// Whether a point lies past the outline of a card (Card_Shape: 1 rounded
// with corners of 10 points, 2 oval) of `card`'s size.
inline bool pastOutline(const QPointF& p, const QSizeF& card, int shape) {
    if (!QRectF(QPointF(0, 0), card).contains(p))
        return true;
    if (shape == 2) {
        const double a = card.width() / 2, b = card.height() / 2;
        const double dx = p.x() - a, dy = p.y() - b;
        return dx * dx / (a * a) + dy * dy / (b * b) > 1;
    }
    const double cx = std::clamp(p.x(), 10.0, card.width() - 10), cy = std::clamp(p.y(), 10.0, card.height() - 10);
    return shape == 1 && std::hypot(p.x() - cx, p.y() - cy) > 10;
}

// Around the card of an ink PDF (FieldsOnDesigns::inkOf), in points.
constexpr double InkMargin = 20;

// Writes an ink PDF of a side (FieldsOnDesigns::inkOf: its texts alone,
// black, the card `InkMargin` in from the page's edges and nothing cut at
// its outline), where given with only `alone`'s words in ink, and gives
// its path.
using InkPdf = std::function<QString(const SKTGraphic* alone)>;

// The fields of a side whose letters leave the card: each field whose
// words come within a point of the card's outline, alone on an ink PDF of
// the side (pdftoppm at 576 dpi), with a dark pixel past the card's
// straight edges, or past the curve of its corners more dark pixels than a
// point and a half square holds: by ID, each once.
inline QStringList fieldsLeavingInPdf(const InkPdf& ink, const SideGraphics& side, const QSizeF& card, int shape) {
    constexpr double Scale = 8;
    const QList<std::shared_ptr<const SKTGraphic>> drawn(side.cbegin(), side.cend());
    QStringList out;
    for (const auto& g : side) {
        if (!g || !g->ctrl_is_visible || !isExactlyText(g.get()) || !isFieldId(g->control_ID) ||
            out.contains(g->control_ID))
            continue;
        const std::shared_ptr<SKTGraphic> beside = copyBesideCaption(*g, drawn);
        const QList<QRectF> words = printedWordBoxes(beside ? *beside : *g);
        QRectF near;
        bool nearTheOutline = false;
        for (const QRectF& w : words) {
            const QRectF around = w.adjusted(-1, -1, 1, 1);
            near |= w.adjusted(-2, -2, 2, 2);
            for (const QPointF& p : {around.topLeft(), around.topRight(), around.bottomLeft(), around.bottomRight()})
                nearTheOutline = nearTheOutline || pastOutline(p, card, shape);
        }
        if (!nearTheOutline)
            continue;
        // Words past the ink PDF's page are far off the card.
        const QRectF page = QRectF(QPointF(0, 0), card).adjusted(-InkMargin + 2, -InkMargin + 2, InkMargin - 2, InkMargin - 2);
        if (std::any_of(words.cbegin(), words.cend(), [&page](const QRectF& w) { return !page.contains(w); })) {
            out << g->control_ID;
            continue;
        }
        const QRectF at = near.translated(InkMargin, InkMargin) & QRectF(QPointF(0, 0), card + 2 * QSizeF(InkMargin, InkMargin));
        const QImage picture = pagePicture(ink(g.get()), Scale, at);
        const QRect px = QRectF(at.topLeft() * Scale, at.size() * Scale).toAlignedRect() & picture.rect();
        int pastEdge = 0, pastCurve = 0;
        for (int y = px.top(); y <= px.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = px.left(); x <= px.right(); ++x) {
                const QPointF p((x + 0.5) / Scale - InkMargin, (y + 0.5) / Scale - InkMargin);
                if (qGray(line[x]) >= 128 || !pastOutline(p, card, shape))
                    continue;
                ++(QRectF(QPointF(0, 0), card).contains(p) ? pastCurve : pastEdge);
            }
        }
        if (pastEdge > 0 || pastCurve >= 1.5 * Scale * Scale)
            out << g->control_ID;
    }
    return out;
}

// What an unturned ellipse or rounded rectangle of the user's covers as
// drawn (its stroke's outer half with it), and its inside off the stroke
// (half a point in where it has none); none for any other graphic.
inline std::optional<std::pair<QPainterPath, QPainterPath>> curvedArea(const SKTGraphic& s) {
    if (!isExactlyShape(&s) || s.text_rotation % 360 != 0 ||
        (s.shape_type != ShapeCode::Circle && s.shape_type != ShapeCode::RoundedRectangle))
        return std::nullopt;
    const double stroke = s._isDrawingStroke ? std::max(s._strokeWidth, 0.0) : 0.0;
    auto outline = [&s](double grown) {
        const QRectF box = s.bounds().normalized().adjusted(-grown, -grown, grown, grown);
        QPainterPath p;
        if (s.shape_type == ShapeCode::Circle) {
            p.addEllipse(box);
        } else {
            const double r = std::clamp(s.cor_rad_val + grown, 0.0, std::min(box.width(), box.height()) / 2);
            p.addRoundedRect(box, r, r);
        }
        return p;
    };
    const double in = stroke > 0 ? std::max(stroke, 1.0) / 2 : 0.5;
    return std::pair(outline(stroke / 2), outline(-in));
}

// The fields of a side whose words, as a PDF of the side prints them, lie
// across the edge of one of its shapes (a word crosses its rectangle, less
// its stroke or a point within; or some of the field's words lie on it and
// some off it), or stand where their colour reads below the contrast a
// field keeps on the page's picture (pdftoppm; the median pixel of the
// word's box is its ground; 3:1, or what the box its owner gave it reads
// at where that is less; a field in the box its owner gave it, or locked,
// is where they put it): by ID, each once, the first of the two that holds.
inline QList<std::pair<QString, ReadsWrong>> fieldsAcrossOrUnreadableInPdf(const QString& pdf, const SideGraphics& side,
                                                                            const QSizeF& card) {
    constexpr double Scale = 4;
    const QImage picture = pagePicture(pdf, Scale);
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> out{};
        for (int i = 0; i < 256; ++i) {
            const double v = i / 255.0;
            out[size_t(i)] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return out;
    }();
    auto groundOf = [&](const QRectF& box) {
        std::vector<double> l;
        const QRect px = QRectF(box.topLeft() * Scale, box.size() * Scale).toAlignedRect() & picture.rect();
        for (int y = px.top(); y <= px.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = px.left(); x <= px.right(); ++x)
                l.push_back(0.2126 * linear[size_t(qRed(line[x]))] + 0.7152 * linear[size_t(qGreen(line[x]))] +
                            0.0722 * linear[size_t(qBlue(line[x]))]);
        }
        if (l.empty())
            return 1.0;
        std::nth_element(l.begin(), l.begin() + std::ptrdiff_t(l.size() / 2), l.end());
        return l[l.size() / 2];
    };
    auto contrast = [](double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); };
    QHash<const SKTGraphic*, QList<QRectF>> wordsOf;
    for (const auto& [owner, box] : ownedWords(readPdf(pdf), side))
        if (owner && isFieldId(owner->control_ID))
            wordsOf[owner] << box;
    QList<std::pair<QString, ReadsWrong>> out;
    for (const auto& g : side) {
        const QList<QRectF> words = wordsOf.value(g.get());
        if (words.isEmpty())
            continue;
        bool across = false;
        const std::vector<bool> backdrop = backdropsOf(side, QRectF(QPointF(0, 0), card));
        for (qsizetype i = 0; i < side.size(); ++i) {
            const auto& s = side.at(i);
            if (!s || !s->ctrl_is_visible || !(isExactlyShape(s.get()) || backdrop[std::size_t(i)]))
                continue;
            const double in = s->_isDrawingStroke ? std::max(s->_strokeWidth, 1.0) / 2 : 0.5;
            bool on = false, off = false;
            if (const auto curved = curvedArea(*s)) {
                // An ellipse or a rounded panel, as drawn.
                const auto& [area, inner] = *curved;
                for (const QRectF& w : words) {
                    const bool meets = area.intersects(w.adjusted(0.1, 0.1, -0.1, -0.1));
                    across = across || (meets && !inner.contains(w.adjusted(0.1, 0.1, -0.1, -0.1)));
                    (meets ? on : off) = true;
                }
            } else {
                const QRectF outer = s->drawingBounds();
                const QRectF inner = s->bounds().normalized().adjusted(in, in, -in, -in);
                for (const QRectF& w : words) {
                    const QRectF both = w & outer;
                    const bool meets = both.width() > 0.1 && both.height() > 0.1;
                    across = across || (meets && !inner.adjusted(-0.1, -0.1, 0.1, 0.1).contains(w));
                    (meets ? on : off) = true;
                }
            }
            across = across || (on && off);
        }
        if (across) {
            out.append({g->control_ID, ReadsWrong::AcrossAnEdge});
            continue;
        }
        const QRectF own = g->design_box.normalized();
        if (g->ctrl_is_locked || (g->boxOwner() != BoxOwner::Rule && (own.isEmpty() || own == g->bounds().normalized())))
            continue;
        const double text = luminance(g->txt_clr);
        const double least = g->boxOwner() == BoxOwner::Rule ? 3.0 : std::min(3.0, contrast(text, groundOf(own)));
        if (std::any_of(words.cbegin(), words.cend(), [&](const QRectF& w) { return contrast(text, groundOf(w)) < least - 0.05; }))
            out.append({g->control_ID, ReadsWrong::Unreadable});
    }
    return out;
}

// How many pixels of a PDF of a card's side (pdftoppm at 288 dpi) that lie
// a pixel or more past its outline (Card_Shape: 1 rounded with corners of
// 10 points, 2 oval) are dark: letters or pictures drawn past the card.
inline int darkPixelsPastOutline(const QString& pdf, const QSizeF& card, int shape) {
    if (shape != 1 && shape != 2)
        return 0;
    constexpr double Scale = 4;
    const QImage picture = pagePicture(pdf, Scale);
    int dark = 0;
    const double slack = 1 / Scale;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QPointF p((x + 0.5) / Scale, (y + 0.5) / Scale);
            bool past = false;
            if (shape == 2) {
                const double a = card.width() / 2 + slack, b = card.height() / 2 + slack;
                const double dx = p.x() - card.width() / 2, dy = p.y() - card.height() / 2;
                past = dx * dx / (a * a) + dy * dy / (b * b) > 1;
            } else {
                const double cx = std::clamp(p.x(), 10.0, card.width() - 10), cy = std::clamp(p.y(), 10.0, card.height() - 10);
                past = std::hypot(p.x() - cx, p.y() - cy) > 10 + slack;
            }
            dark += past && qGray(picture.pixel(x, y)) < 128;
        }
    return dark;
}

// The names the user is told fields by: a field's caption's text on `side`
// (of its value or its caption alike), else a profile field's ID-card
// caption, without the colon; sorted.
inline QStringList namesOfFields(const QStringList& ids, const SideGraphics& side) {
    QStringList out;
    for (const QString& id : ids) {
        const ProfileField* f = profileFieldForId(id);
        const QString captionId = fieldRole(id) == FieldRole::Caption ? id : partnerIdOf(id);
        QString name = f ? f->idCardCaption : id;
        for (const auto& g : side)
            if (g && g->control_ID == captionId && isExactlyText(g.get()) && g->ctrl_is_visible &&
                !g->Text_Value.trimmed().isEmpty()) {
                name = g->Text_Value;
                break;
            }
        name = name.trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name = name.chopped(1).trimmed();
        if (!out.contains(name))
            out << name;
    }
    out.sort();
    return out;
}

// The names of a side's fields that read wrong on a PDF of it (and, for
// the letters that leave the card, on its ink PDF), by kind, as the user
// is told them: each name once, under the worst of its fields'.
inline std::map<ReadsWrong, QStringList> namesReadingWrongInPdf(const QString& pdf, const SideGraphics& side,
                                                                const QSizeF& card, const InkPdf& ink) {
    std::map<ReadsWrong, QStringList> out;
    QStringList named = namesOfFields(fieldsLeavingInPdf(ink, side, card, ::Card_Shape), side);
    out[ReadsWrong::LeavesTheCard] = named;
    for (const QString& name : namesOfFields(fieldsMeetingInPdf(pdf, side, card), side))
        if (!named.contains(name)) {
            out[ReadsWrong::Meets] << name;
            named << name;
        }
    const auto others = fieldsAcrossOrUnreadableInPdf(pdf, side, card);
    for (ReadsWrong why : {ReadsWrong::AcrossAnEdge, ReadsWrong::Unreadable}) {
        QStringList ids;
        for (const auto& [id, w] : others)
            if (w == why)
                ids << id;
        for (const QString& name : namesOfFields(ids, side))
            if (!named.contains(name)) {
                out[why] << name;
                named << name;
            }
    }
    return out;
}

// The fields a message says read wrong in one way (its sentence: "... run
// off the card", "... do not fit on the card", "... lie across the edge of
// a shape", "... do not read on what is under them"; or, on the status
// bar's one line, "On the front: A runs off the card; B overlaps other text
// or pictures."), by the names it gives them, sorted; none where it said
// nothing so.
inline QStringList namesTold(const QStringList& shown, ReadsWrong why = ReadsWrong::Meets) {
    const QStringList verbs = why == ReadsWrong::LeavesTheCard ? QStringList{" off the card"}
                              : why == ReadsWrong::Meets ? QStringList{" not fit on the card", " other text or pictures"}
                              : why == ReadsWrong::AcrossAnEdge ? QStringList{" across the edge of a"}
                                                                : QStringList{" not read on what is under"};
    // A message's sentences stand apart; on the status bar's one line they
    // are told apart by how each ends, and a side's clauses by semicolons.
    static const QRegularExpression ending(
        QStringLiteral("(card\\)\\.|its values?\\.|their values\\.|it reads\\.|they read\\.) "));
    static const QRegularExpression clause(QStringLiteral("; |\\. (?=On the )|^Line \\d+: |^On the (front|back): "));
    QStringList out;
    for (QString message : shown)
        for (QString sentence : message.replace(ending, QStringLiteral("\\1\n\n")).split(QStringLiteral("\n\n")))
            for (const QString& part : sentence.replace(clause, QStringLiteral("\n\n")).split(QStringLiteral("\n\n"))) {
                qsizetype end = -1;
                for (const QString& verb : verbs)
                    if (const qsizetype at = part.indexOf(verb); at >= 0 && (end < 0 || at < end))
                        end = at;
                if (end < 0)
                    continue;
                QString names = part.left(end);
                for (const char* ending : {" does", " do", " lies", " lie", " runs", " run", " overlaps", " overlap"})
                    if (names.endsWith(ending)) {
                        names.chop(qsizetype(qstrlen(ending)));
                        break;
                    }
                for (const QString& name :
                     names.replace(QStringLiteral(" and "), QStringLiteral(", ")).split(QStringLiteral(", ")))
                    if (!out.contains(name.trimmed()))
                        out << name.trimmed();
            }
    out.sort();
    return out;
}

// Whether a rectangle lies inside the card's outline (Card_Shape: 1 rounded
// with corners of 10 points, 2 oval), `margin` points in from it, half a
// point left for rounding.
inline bool insideOutline(const QRectF& r, const QSizeF& card, int shape, double margin = 0) {
    const double slack = 0.5 - margin;
    for (const QPointF& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        if (!QRectF(QPointF(0, 0), card).adjusted(-slack, -slack, slack, slack).contains(p))
            return false;
        const double a = card.width() / 2 + slack, b = card.height() / 2 + slack;
        const double dx = p.x() - card.width() / 2, dy = p.y() - card.height() / 2;
        const double cx = std::clamp(p.x(), 10.0, card.width() - 10), cy = std::clamp(p.y(), 10.0, card.height() - 10);
        if ((shape == 2 && dx * dx / (a * a) + dy * dy / (b * b) > 1) ||
            (shape == 1 && std::hypot(p.x() - cx, p.y() - cy) > 10 + slack))
            return false;
    }
    return true;
}

// Whether `b` stands straight after `a` on its line, within `em`.
inline bool followedOnLine(const QRectF& a, const QRectF& b, double em) {
    return b.top() < a.center().y() && b.bottom() > a.center().y() && b.left() >= a.right() - 0.01 &&
           b.left() - a.right() < em;
}

inline double gapBetween(const QRectF& a, const QRectF& b) {
    return std::hypot(std::max({0.0, b.left() - a.right(), a.left() - b.right()}),
                      std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()}));
}

// A drag with the mouse on a canvas, from one point of the card to another.
inline void dragOn(SKTGraphicView* view, const QPointF& from, const QPointF& to) {
    const QPoint a = view->widgetPoint(from).toPoint(), b = view->widgetPoint(to).toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, a);
    QMouseEvent move(QEvent::MouseMove, QPointF(b), QPointF(view->mapToGlobal(b)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, b);
}

class FieldsOnDesigns : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        ::Fill_User_Profile = true;
    }
    void TearDown() override {
        ::Card_Shape = 0;
        ::Start_Card_Option = StartMode::Template;
        window->Title_For_Gen_ID_Card();
        MainWindowTest::TearDown();
    }
    QString picture(const QString& name, const QSize& size, const QColor& colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(data.filePath(name)));
        return data.filePath(name);
    }
    std::shared_ptr<SKTGraphic> front(const QString& id) const { return window->_graphicView->Selcect_Ctrl_With_ID(id); }
    // The photo's width on the front as shown, 0 where none is.
    double photoWidth() const {
        const auto photo = front(Fup_Photo);
        return photo && photo->ctrl_is_visible ? photo->bounds().width() : 0.0;
    }
    // Whether a stamping left the front's photo or a field the rule placed
    // larger than half its size: a try at half beside half could stand.
    bool stampedAboveHalf() const {
        const double frame = window->Get_Control_Rect_From_Template(Fup_Photo, QString()).width();
        bool above = photoWidth() > frame / 2 + 0.5;
        for (const auto& g : window->Get_Front_Controls_Array())
            above = above || (g->ctrl_is_visible && isExactlyText(g.get()) && isFieldId(g->control_ID) &&
                              g->boxOwner() == BoxOwner::Rule && drawnShare(*g) > SmallestFieldScale + 0.05);
        return above;
    }
    // A PDF of the front (or the back) drawn with `graphics`, its card face
    // as it stands.
    QByteArray sidePdf(const GraphicList& graphics, int back = 0) const {
        const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
        return SKTRenderingView(card,
                                SideSnapshot::take(&graphics, &window->Front_card_Prop, &window->Back_card_Prop,
                                                   ::Card_Shape, back, card),
                                "t")
            .dataWithPDFInsideRect(card);
    }
    // An ink PDF of the front (or the back) drawn with `graphics`: its texts
    // alone, black (or only `alone`'s, the others white where they
    // stand), the card InkMargin in from the page's edges and without its
    // face, which would cut what lies past its outline.
    QString inkPdf(const GraphicList& graphics, int back = 0, const SKTGraphic* alone = nullptr) const {
        GraphicList black;
        for (const auto& g : graphics)
            if (g && isExactlyText(g.get())) {
                black << g->clone();
                black.last()->txt_clr = !alone || g.get() == alone ? QColor(Qt::black) : QColor(Qt::white);
            }
        const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
        SideSnapshot snapshot =
            SideSnapshot::take(&black, &window->Front_card_Prop, &window->Back_card_Prop, ::Card_Shape, back, card);
        snapshot.cardFace = std::make_shared<CardFaceHook>();
        const QString path = data.filePath(QStringLiteral("ink.pdf"));
        writeBytes(path, SKTRenderingView(card, snapshot, "t")
                             .dataWithPDFInsideRect(card.adjusted(-InkMargin, -InkMargin, InkMargin, InkMargin)));
        return path;
    }
    // The same for each field alone, as the measure of letters leaving the
    // card asks for it.
    InkPdf inkOf(const GraphicList& graphics, int back = 0) const {
        return [this, graphics, back](const SKTGraphic* alone) { return inkPdf(graphics, back, alone); };
    }
    // A new design on a card of `shape` (Card_Shape, as the card panel's
    // Shape sets it) and, where given, `size`.
    void newCard(int shape, const QSizeF& size = QSizeF()) {
        window->New_Project();
        ::Fill_User_Profile = true;
        ::Card_Shape = shape;
        for (Card_Property* p : {&window->Front_card_Prop, &window->Back_card_Prop})
            p->Card_Shape = QStringList{"R", "RR", "E"}.at(shape);
        if (size.isEmpty())
            return;
        window->Set_Document_Size(size);
        window->SetDocumentCanvasSize(size);
        window->Front_card_Prop.Card_Size = size;
    }
    // The card face's background picture, as the card panel sets it.
    void backgroundPicture(const QImage& picture, const QString& name) {
        CardFace::install();
        Card_Property& face = window->Front_card_Prop;
        face.Card_fill_style = QStringLiteral("I");
        face.Card_BG_Image_Path = data.filePath(name);
        ASSERT_TRUE(picture.save(face.Card_BG_Image_Path));
        face.Card_BG_Image = picture;
    }
    // A Code 128 of the user's showing `value`, its top left at `at`, as the
    // barcode tool fits it.
    static std::shared_ptr<SKTGraphic> code128(const QString& value, const QPointF& at) {
        std::shared_ptr<SKTGraphic> code = makeGraphic(GraphicKind::Barcode);
        code->setBounds(QRectF(at, QSizeF(10, 10)));
        code->barcode_font_index = BarcodeSymbologies::indexOf(QStringLiteral("Code 128"));
        code->show_hide_hdr = code->show_hide_ftr = 1;
        code->linear_width_val = 10;
        code->Set_Barcode_image(BarcodeGenProducer().produceBarcode(*code, value, QString(), QString()));
        SideGraphicsModel::refitBarcode(code.get());
        return code;
    }
    // A shape of the user's filled with `colour`, on top of the front.
    std::shared_ptr<Shape_Control> addFilled(const QRectF& r, const QColor& colour) {
        auto shape = std::make_shared<Shape_Control>(QStringLiteral("R"));
        shape->setBounds(r);
        shape->_isDrawingFill = true;
        shape->_fillColor = colour;
        window->_graphicView->mutableGraphics() << shape;
        return shape;
    }
    // The desk over the design: visitor mode, both sides' panels shown.
    void deskMode() {
        ::Start_Card_Option = StartMode::Visitor;
        ::CARD_SIDE_STR = CardSide::TwoSided;
        window->Title_For_Visitor();
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        window->Show_Hide_Profile_Panel_Live_Mode(true);
    }
    // A row's text box on the front panel.
    static QWidget* rowBox(const QString& id) { return Front_Profile_Panel_OBJ->Get_Dynamic_Label_Ctrl(id, "T"); }
    // The profile's slots stamped onto the front, each with its caption.
    void stamp(const QList<int>& which, const QList<HolderSample>& samples, bool withPhoto) {
        User_Profile_Class& p = window->Front_user_profile;
        p.Reset_All_Values();
        p.clearCaptions();
        for (int i : which) {
            p.slot(i).value = samples.at(i).value;
            p.slot(i).label = samples.at(i).caption;
        }
        p.setImage(picture("face.png", {40, 50}, Qt::red));
        p.setImage_USE(withPhoto ? 1 : 0);
        window->Fill_User_profile_info_front_side();
    }
    // A group project whose first row holds the values, a column each.
    void group(const QList<HolderSample>& values) {
        GroupMode::install(*window);
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
        ::Start_Card_Option = QStringLiteral("G");
        window->Reset_Group_Mode_Excel_Col_Index();
        QStringList titles, row;
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            titles << QStringLiteral("C%1").arg(i);
            row << values.at(i).value;
            window->excel_cb_value[size_t(i)] = i + 1;
        }
        window->Create_Excel_List_Func(titles, {row});
        window->Update_Excel_Column_Binding(QStringLiteral("A"));
    }
    // A PDF of the front drawn with `graphics`, written to `name`.
    QString pdfOf(const QString& name, const GraphicList& graphics) {
        writeBytes(data.filePath(name), sidePdf(graphics));
        return data.filePath(name);
    }
    // Key by key, as the user types it.
    static void type(QWidget* box, const QString& text, bool clear = true) {
        auto* edit = qobject_cast<QLineEdit*>(box);
        ASSERT_TRUE(edit);
        if (clear)
            edit->clear();
        else
            edit->end(false);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    // The desk's Add Field, its caption and value typed.
    void addRow(const HolderSample& row) {
        VisitorPanel& panel = *Front_Profile_Panel_OBJ;
        panel.Add_New_Label_Clicked();
        type(panel.Get_Dynamic_Label_Ctrl(row.captionId, "T"), row.caption);
        type(panel.Get_Dynamic_Label_Ctrl(row.valueId, "T"), row.value);
    }
    // The long values a full pass is given: an e-mail that breaks in the
    // pass's own box at its size, whole along its line drawn smaller.
    static QList<HolderSample> passValues() {
        QList<HolderSample> out = longHolderSamples();
        out[SlotEmail].value = QStringLiteral("m.featherstonehaugh@northwind.example");
        return out;
    }

    // The visitor road onto a shipped pass, its front shown.
    void passRoad(const QString& pass) {
        ScopedDialogRunner runner([&](QDialog* d) {
            ::Selected_Template_Path = resourceDir() + "/Templates/Visitor/" + pass + ".png";
            return qobject_cast<Template_Wizard*>(d) ? 1 : 0;
        });
        ASSERT_TRUE(MainWindowStartSteps(*window).runVisitorRoad()) << sink.text();
        window->Select_front_side();
    }
    // The same with every front box ticked, the values typed, a photo chosen.
    void fullPass(const QList<HolderSample>& values = passValues(), const QString& pass = "Visitor_Day") {
        ASSERT_NO_FATAL_FAILURE(passRoad(pass));
        VisitorPanel& panel = *Front_Profile_Panel_OBJ;
        nextOpenPath = picture("visitor.png", {40, 50}, Qt::red);
        panel.Browse_image_Btn_Clicked();
        for (const HolderSample& h : values) {
            VisitorPanel::Slot& s = panel.fixedSlots[size_t(VisitorPanel::slotOfId(h.valueId))];
            for (QAbstractButton* box : {static_cast<QAbstractButton*>(s.label_chk), static_cast<QAbstractButton*>(s.value_chk)}) {
                box->setEnabled(true);
                box->click();
            }
            if (h.valueId != Fup_Date && h.valueId != Fup_Time)
                type(s.value, h.value);
        }
    }
};

}  // namespace zelk::test

// Writes what the application ships in its resources: the card templates
// (design file and preview of every one) and the interface pictures. The
// pictures are drawn here; the templates are built with the design model,
// written with the design-file writer and previewed with the offscreen
// renderer, so the shipped files are this program's own output. The test
// suite runs it into a temporary folder and compares with resources/.
//
// On both sides the name, role and number texts carry the card-holder
// profile's control IDs and the no-picture photo with the photo's ID stands
// inside a frame, so that a profile, the visitor desk and a group project
// fill the template's own texts and frames instead of placing new fields over
// them. The company line of the headers is the issuer's and has no ID: a
// profile without a company would hide it.
//
// To rewrite the shipped files after changing it:
//   bin/zelk_make_templates <source>/resources
#include "canvas/SideSnapshot.h"
#include "canvas/SKTRenderingView.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/Shape_Control.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTLine.h"
#include "foundation/SKTText.h"
#include "foundation/Units.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/DesignFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <cstdio>

using namespace zelk;

namespace {

struct TemplateSpec {
    QString category;   // folder
    QString name;       // file name without extension
    QString company;    // header text
    QString role;       // the card's title line
    QString backText;   // the back's message
    QColor accent;
    QColor light;
    bool portrait;
    int style;          // 0 header band, 1 side band
    // Whether the role line is the holder's position (and takes the title),
    // not the kind of pass, as "VISITOR" or "PRESS" is.
    bool roleIsTitle;
};

QList<TemplateSpec> templateSpecs() {
    const QColor navy(28, 56, 110), teal(0, 121, 121), red(176, 36, 48), green(34, 120, 60), grey(80, 86, 96),
        orange(214, 110, 20), purple(96, 52, 140), sky(40, 120, 200), gold(190, 150, 30);
    return {
        {"Corporate", "Corporate_Staff", "NORTHWIND TRADING", "Staff", "This card remains the property of the issuer.", navy, QColor(232, 238, 248), false, 0, true},
        {"Corporate", "Corporate_Manager", "BLUE RIVER GROUP", "Manager", "If found, please return to reception.", grey, QColor(240, 240, 240), false, 1, true},
        {"Education", "Education_Student", "HILLSIDE COLLEGE", "Student", "Valid for the current academic year.", green, QColor(234, 246, 236), false, 0, true},
        {"Education", "Education_Faculty", "LAKEVIEW SCHOOL", "Faculty", "Please show this card when asked.", purple, QColor(242, 236, 248), true, 0, true},
        {"Health", "Health_Nurse", "CITY GENERAL HOSPITAL", "Nursing Staff", "Access is granted only to marked areas.", teal, QColor(230, 246, 246), false, 0, true},
        {"Health", "Health_Doctor", "WESTSIDE CLINIC", "Physician", "Report a lost card at once.", red, QColor(250, 236, 236), false, 1, true},
        {"Misc", "Misc_Member", "RIVERSIDE CLUB", "Member", "Membership is not transferable.", orange, QColor(252, 242, 230), false, 0, true},
        {"Misc", "Misc_Volunteer", "COMMUNITY CENTRE", "Volunteer", "Thank you for your help.", sky, QColor(234, 242, 252), true, 0, true},
        // The orientation pair: the same card drawn landscape and portrait.
        {"Press", "Press_Pass_L", "DAILY HERALD", "PRESS", "The holder is an accredited journalist.", red, QColor(250, 240, 240), false, 0, false},
        {"Press", "Press_Pass_P", "DAILY HERALD", "PRESS", "The holder is an accredited journalist.", red, QColor(250, 240, 240), true, 0, false},
        {"Transport", "Transport_Driver", "METRO TRANSIT", "Driver", "Must be worn while on duty.", gold, QColor(250, 246, 230), false, 1, true},
        {"Transport", "Transport_Crew", "COASTAL AIRWAYS", "Crew", "Valid only with a matching photo.", navy, QColor(236, 240, 248), false, 0, true},
        {"Visitor", "Visitor_Day", "RECEPTION", "VISITOR", "Please return this card when you leave.", orange, QColor(255, 244, 228), false, 0, false},
        {"Visitor", "Visitor_Escort", "SECURE SITE", "ESCORTED VISITOR", "Must be accompanied at all times.", red, QColor(252, 236, 236), true, 0, false},
    };
}

QFont templateFont(double size, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

void fixFonts(SKTGraphic& g) {
    if (g.kind() != GraphicKind::Text)
        g.text_ctrl_font = templateFont(12, false);
    g.value_font_val = g.header_font_val = g.footer_font_val = templateFont(10, false);
}

std::shared_ptr<SKTGraphic> box(const QRectF& r, const QColor& fill, const QString& shape = QStringLiteral("R"),
                                const QColor& stroke = QColor(), double strokeWidth = 0) {
    auto g = std::make_shared<Shape_Control>(shape);
    g->_bounds = r;
    g->_isDrawingFill = true;
    g->_fillColor = fill;
    g->_isDrawingStroke = stroke.isValid();
    if (stroke.isValid()) {
        g->_strokeColor = stroke;
        g->_strokeWidth = strokeWidth;
    }
    return g;
}

std::shared_ptr<SKTGraphic> text(const QRectF& r, const QString& value, double size, bool bold, const QColor& colour,
                                 int alignment = 2) {
    auto g = std::make_shared<SKTText>();
    g->_bounds = r;
    g->_Text_contents = value;
    g->Text_Value = value;
    g->text_ctrl_font = templateFont(size, bold);
    g->txt_clr = colour;
    g->text_alignmnet = alignment;
    g->_isDrawingStroke = false;
    g->_isDrawingFill = false;
    return g;
}

QImage drawNoPicture();

// The card holder's photo inside a frame: the no-picture file of the
// resources, as the application places it for a photo not chosen yet. It
// is named by the path of an installed copy; the design reader relocates a
// resources path into the running application's resources.
std::shared_ptr<SKTGraphic> photo(const QRectF& frame) {
    static const QString path = QStringLiteral("/usr/share/%1/no.png")
                                    .arg(QFileInfo(AppPaths::defaultResourceRoot()).fileName());
    auto g = std::make_shared<SKTImage>();
    g->_bounds = frame.adjusted(3, 3, -3, -3);
    g->control_ID = Fup_Photo;
    g->_file_path = path;
    g->Text_Value = path;
    // The preview shows the picture the application will load.
    g->_contents = drawNoPicture();
    g->setFileNSImage_Variable(g->_contents);
    return g;
}

DesignContents buildTemplate(const TemplateSpec& s) {
    DesignContents d;
    d.Start_Card_Option = DesignFile::TemplateMode;
    d.CARD_SIDE_STR = QStringLiteral("2");
    d.Card_Shape = 1;
    const QSizeF mm = s.portrait ? QSizeF(54.0, 85.6) : QSizeF(85.6, 54.0);
    const QSizeF pt(mm.width() * pointsPerMm, mm.height() * pointsPerMm);
    const double w = pt.width(), h = pt.height();
    for (Card_Property* p : {&d.Front_card_Prop, &d.Back_card_Prop}) {
        p->Card_Size = pt;
        p->Card_Shape = QStringLiteral("RR");
        p->Card_Side = QStringLiteral("2");
        p->Card_Preset = s.portrait ? QStringLiteral("Vertical") : QStringLiteral("Horizontal");
        p->Card_Category = QStringLiteral("Plastic");
        p->Card_Sub_Category = QStringLiteral("CR80 (85.6 x 54 mm)");
        p->Card_Cat_index = 0;
        p->Card_Name = s.name;
        p->Card_Create_Mode = DesignFile::TemplateMode;
        p->Card_fill_chk = true;
        p->Card_fill_style = QStringLiteral("G");
        p->Card_fill_Grd_1_clr = Qt::white;
        p->Card_fill_Grd_2_clr = s.light;
        p->Card_grad_Stepper = 90;
        p->Card_border_chk = true;
        p->Card_bordr_clr = s.accent;
        p->Card_bor_Stepper = 1;
        // Every font is named: the defaults follow the application's font,
        // and the shipped files must not depend on it.
        p->Card_Content_font = templateFont(12, false);
        p->Watermark_Font = templateFont(36, false);
    }
    const QColor white(Qt::white), ink(30, 30, 36);
    // The texts a holder's values replace stand at the top of their frames,
    // one line high (the height the canvas fits a one-line text to), so a
    // value of one line keeps the frame and a longer one grows downwards into
    // the room left below the name.
    auto field = [](const QString& id, double x, double y, double width, const QString& value, double size, bool bold,
                    const QColor& colour, int alignment) {
        auto g = text(QRectF(x, y, width, 0), value, size, bold, colour, alignment);
        g->text_alignmnet_Vert = 0;
        g->control_ID = id;
        g->setHeight(zelk::fittedTextHeight(*g));
        return g;
    };
    const QString roleId = s.roleIsTitle ? Fup_Title : QString();
    auto& f = d.frontGraphics;  // index 0 is the topmost: texts first
    if (s.portrait) {
        // Header band, the photo in the middle, role and name under it (the
        // name may take two more lines), the number in the bottom band.
        const QRectF frame(w * 0.27, h * 0.2, w * 0.46, h * 0.38);
        f << field(QString(), 6, 13, w - 12, s.company, 10, true, white, 2)
          << field(roleId, 6, frame.bottom() + 5, w - 12, s.role, 9, true, s.accent, 2)
          << field(Fup_Name, 6, frame.bottom() + 20, w - 12, QStringLiteral("Full Name"), 12, true, ink, 2)
          << field(Fup_UniqueNo, 6, h - 22, w - 12, QStringLiteral("ID 000123"), 8, true, white, 2)
          << photo(frame)
          << box(frame, QColor(226, 230, 236), QStringLiteral("RR"), s.accent, 1.5)
          << box(QRectF(0, h - 28, w, 28), s.accent)
          << box(QRectF(0, 0, w, 40), s.accent);
    } else {
        // The photo on the left, in a frame of a photo's proportions; the
        // texts right of it from the frame's top: role, then name, the number
        // at the bottom, so that a name of two or three lines stays clear.
        const bool band = s.style == 1;
        const QRectF frame = band ? QRectF(10, 37, 62, 78) : QRectF(12, 46, 70, 88);
        const double x = band ? w * 0.34 + 10 : frame.right() + 10, width = w - x - 8;
        f << (band ? field(QString(), x, 12, width, s.company, 10, true, s.accent, 0)
                   : field(QString(), 8, 11, w - 16, s.company, 11, true, white, 2))
          << field(roleId, x, frame.top() + 2, width, s.role, 10, true, s.accent, 0)
          << field(Fup_Name, x, frame.top() + 18, width, QStringLiteral("Full Name"), 12, true, ink, 0)
          << field(Fup_UniqueNo, x, band ? h - 22 : frame.bottom() - 12, width, QStringLiteral("ID 000123"), 8, false,
                   ink, 0)
          << photo(frame);
        if (band)
            f << box(frame, white, QStringLiteral("RR"), white, 2) << box(QRectF(0, 0, w * 0.34, h), s.accent);
        else
            f << box(frame, QColor(226, 230, 236), QStringLiteral("RR"), s.accent, 1.5)
              << box(QRectF(0, h - 8, w, 8), s.accent) << box(QRectF(0, 0, w, 38), s.accent);
    }
    for (const std::shared_ptr<SKTGraphic>& g : f)
        fixFonts(*g);

    // The back: the issuer's header, its message, the holder's fields with a
    // small photo, and the signature line with its caption at the foot. Each
    // part has a band of its own, so the message may take two lines (three
    // on a portrait card), the name two (three on a portrait card) and none
    // reaches another.
    auto& b = d.backGraphics;
    auto signLine = std::make_shared<SKTLine>();
    signLine->_strokeColor = ink;
    signLine->_strokeWidth = 0.8;
    b << field(QString(), 10, 28, w - 20, s.backText, 9, false, ink, 2);
    if (s.portrait) {
        // The photo centred under the message; role, name and number under it.
        const QRectF frame(w / 2 - 26, 66, 52, 64);
        b << field(roleId, 8, frame.bottom() + 4, w - 16, s.role, 9, true, s.accent, 2)
          << field(Fup_Name, 8, frame.bottom() + 17, w - 16, QStringLiteral("Full Name"), 10, true, ink, 2)
          << field(Fup_UniqueNo, 8, frame.bottom() + 56, w - 16, QStringLiteral("ID 000123"), 8, false, ink, 2)
          << field(QString(), 10, h - 30, w - 20, QStringLiteral("Signature"), 7, false, ink, 2) << signLine
          << photo(frame) << box(frame, QColor(226, 230, 236), QStringLiteral("RR"), s.accent, 1.2);
        signLine->_bounds = QRectF(w * 0.15, h - 33, w * 0.7, 0);
    } else {
        // The photo on the left under the message; role, name and number
        // right of it from its top.
        const QRectF frame(10, 56, 42, 52);
        const double x = frame.right() + 10, width = w - x - 10;
        b << field(roleId, x, frame.top() + 1, width, s.role, 9, true, s.accent, 0)
          << field(Fup_Name, x, frame.top() + 14, width, QStringLiteral("Full Name"), 10, true, ink, 0)
          << field(Fup_UniqueNo, x, frame.top() + 42, width, QStringLiteral("ID 000123"), 8, false, ink, 0)
          << field(QString(), 10, h - 20, w - 20, QStringLiteral("Signature"), 7, false, ink, 2) << signLine
          << photo(frame) << box(frame, QColor(226, 230, 236), QStringLiteral("RR"), s.accent, 1.2);
        signLine->_bounds = QRectF(w * 0.15, h - 23, w * 0.7, 0);
    }
    b << field(QString(), 6, 5, w - 12, s.company, 8, true, white, 2) << box(QRectF(0, 0, w, 22), s.accent);
    for (const std::shared_ptr<SKTGraphic>& g : b)
        fixFonts(*g);
    return d;
}

bool writePng(const QImage& image, const QString& path, const char* format = "PNG", int quality = -1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && image.save(&out, format, quality) && out.commit();
}

QImage canvas(int w, int h, const QColor& fill) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// A head and shoulders in grey: no picture chosen yet.
QImage drawNoPicture() {
    QImage image = canvas(240, 300, QColor(236, 238, 242));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 182, 192));
    p.drawEllipse(QPointF(120, 115), 52, 60);
    QPainterPath body;
    body.moveTo(30, 300);
    body.cubicTo(30, 200, 210, 200, 210, 300);
    p.drawPath(body);
    return image;
}

// A picture frame with a red cross: the picture could not be read.
QImage drawPictureError() {
    QImage image = canvas(240, 240, QColor(250, 246, 246));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 156), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(24, 40, 192, 160), 12, 12);
    p.setPen(QPen(QColor(200, 40, 40), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(80, 90), QPointF(160, 150));
    p.drawLine(QPointF(160, 90), QPointF(80, 150));
    return image;
}

// Hills and a sun: the place of a picture.
QImage drawPictureIcon() {
    QImage image = canvas(240, 240, QColor(234, 242, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 140, 170), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(20, 36, 200, 168), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 190, 40));
    p.drawEllipse(QPointF(160, 86), 18, 18);
    p.setBrush(QColor(70, 140, 90));
    QPolygonF hills;
    hills << QPointF(26, 198) << QPointF(90, 110) << QPointF(130, 160) << QPointF(160, 130) << QPointF(214, 198);
    p.drawPolygon(hills);
    return image;
}

QImage drawSignature() {
    QImage image = canvas(480, 160, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 30, 90), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(30, 110);
    path.cubicTo(60, 20, 90, 20, 80, 110);
    path.cubicTo(76, 140, 120, 60, 140, 80);
    path.cubicTo(160, 100, 170, 120, 200, 70);
    path.cubicTo(220, 40, 230, 120, 260, 90);
    path.cubicTo(290, 60, 300, 110, 330, 80);
    path.cubicTo(360, 50, 380, 100, 450, 70);
    p.drawPath(path);
    p.drawLine(QPointF(60, 132), QPointF(420, 126));
    return image;
}

QImage drawFingerprint() {
    QImage image = canvas(240, 300, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 48), 3.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(120, 150);
    for (int i = 0; i < 13; ++i) {
        const double rx = 10 + i * 8.0, ry = 14 + i * 10.0;
        // Each ridge leaves a gap that turns with its size, as a print's do.
        const int start = (30 + i * 23) % 360;
        p.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), start * 16, (300 - (i % 3) * 25) * 16);
    }
    return image;
}

QImage drawPattern() {
    QImage image = canvas(64, 64, QColor(246, 248, 252));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(214, 222, 236), 6));
    for (int k = -64; k <= 128; k += 16)
        p.drawLine(QPointF(k, 64), QPointF(k + 64, 0));
    return image;
}

// Previews are drawn at 144 dpi.
QImage renderFront(const DesignContents& design, double dpi = 144.0) {
    CardFace::install();
    const QRectF card(QPointF(0, 0), design.Front_card_Prop.Card_Size);
    const SideSnapshot side = SideSnapshot::take(&design.frontGraphics, &design.Front_card_Prop,
                                                 &design.Back_card_Prop, design.Card_Shape, 0, card);
    return SKTRenderingView(card, side, QStringLiteral("Preview")).imageAtResolution(dpi);
}

// Writes root/Templates/<category folder>/<name>.did and .png for every
// template, and the interface pictures into root.
bool generateShippedResources(const QString& root, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    for (const TemplateSpec& s : templateSpecs()) {
        const QString folder = QDir(root).filePath(QStringLiteral("Templates/") + s.category);
        QDir().mkpath(folder);
        const DesignContents design = buildTemplate(s);
        const DesignWriteResult written =
            DesignFile::writeDesignFile(QDir(folder).filePath(s.name + QStringLiteral(".did")), design,
                                        DesignFile::TemplateMode);
        if (!written.ok)
            return fail(written.message());
        const QImage preview = renderFront(design);
        if (preview.isNull() || !writePng(preview, QDir(folder).filePath(s.name + QStringLiteral(".png"))))
            return fail(QStringLiteral("preview of ") + s.name);
    }
    const QList<std::pair<QString, QImage>> pictures = {
        {QStringLiteral("no.png"), drawNoPicture()},          {QStringLiteral("pic_err.png"), drawPictureError()},
        {QStringLiteral("pic_ic.png"), drawPictureIcon()},    {QStringLiteral("sign_sample.png"), drawSignature()},
        {QStringLiteral("fingerprints.png"), drawFingerprint()},
    };
    for (const auto& [name, image] : pictures)
        if (!writePng(image, QDir(root).filePath(name)))
            return fail(name);
    if (!writePng(drawPattern().convertToFormat(QImage::Format_RGB32), QDir(root).filePath(QStringLiteral("pattern_1.jpg")),
                  "JPG", 92))
        return fail(QStringLiteral("pattern_1.jpg"));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    QString error;
    if (!generateShippedResources(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

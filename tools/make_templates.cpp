// Writes what the application ships in its resources: the card templates
// (design file and preview of every one) and the interface pictures. The
// pictures are drawn here; the templates are built with the design model,
// written with the design-file writer and previewed with the offscreen
// renderer, so the shipped files are this program's own output. The test
// suite runs it into a temporary folder and compares with resources/.
//
// Each side carries a frame, with its control ID, for every field that a
// profile, the visitor desk or a group project may put there (see "The
// holder's fields" below), and the no-picture photo with the photo's ID
// stands inside a frame, so that they fill the template's own texts and
// frames instead of placing new fields over the design. The company line of
// the headers is the issuer's and has no ID: a profile without a company
// would hide it.
//
// To rewrite the shipped files after changing it:
//   bin/zelk_make_templates <source>/resources
#include "canvas/SideSnapshot.h"
#include "canvas/SKTRenderingView.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
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
    // Each accent is dark enough that the white texts of its bands read on
    // it, and it reads on its light ground, at 3:1 or more.
    const QColor navy(28, 56, 110), teal(0, 121, 121), red(176, 36, 48), green(34, 120, 60), grey(80, 86, 96),
        orange(214, 110, 20), purple(96, 52, 140), sky(40, 120, 200), gold(160, 120, 20);
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

// A text at the top of its frame, one line high for a line of its value
// (the height the canvas fits a one-line text to): a value of more lines
// grows downwards into the room left below it.
std::shared_ptr<SKTGraphic> sizedText(const QString& id, double x, double y, double width, const QString& value,
                                      double size, bool bold, const QColor& colour, int alignment) {
    auto g = text(QRectF(x, y, width, 0), value, size, bold, colour, alignment);
    g->text_alignmnet_Vert = 0;
    g->control_ID = id;
    g->setHeight(zelk::fittedTextHeight(*g));
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

// ---- The holder's fields ----
//
// Every side carries a frame for each field a profile, the visitor desk or a
// group project may put there: the name, title, company ... unique number,
// date and time, each with its caption above it or, where the line is wide
// enough, before it, and the photo. The template shows its samples of the
// name, the number and the title where the role is one; the other frames
// stay hidden until used. Each frame has room for a value as long as its
// yardstick, so all may show at once and none reaches another.

constexpr double CaptionSize = 5.0;
constexpr double ValueSize = 6.0;
// Between one field's room and the next one's caption.
constexpr double FieldGap = 1.0;

struct Yardstick {
    ProfileSlot slot;
    const char* text;
    int lines;  // in a grid column; the name and title give their own
};

// A long value of each field, and the lines it may take.
const Yardstick yardsticks[] = {
    {SlotName, "Maximiliana Alexandrova Featherstonehaugh", 2},
    {SlotTitle, "Senior Procurement Manager", 1},
    {SlotCompany, "Northwind Trading Company Ltd", 2},
    {SlotSlogan, "Annual supplier contract review", 2},
    {SlotAddress, "1200 Harbour View Boulevard, Suite 45", 2},
    {SlotPhone, "+1 555 0199 4321", 1},
    {SlotFax, "+1 555 0198 4322", 1},
    {SlotEmail, "m.featherstone@northwind.example", 2},
    {SlotWebsite, "www.northwind-trading.example", 2},
    {SlotUnique, "V-2026-004711", 1},
    {SlotDate, "28-Sep-2026", 1},
    {SlotTime, "14:05:59", 1},
};

const Yardstick& yardstickOf(ProfileSlot slot) {
    for (const Yardstick& y : yardsticks)
        if (y.slot == slot)
            return y;
    return yardsticks[0];
}

const ProfileField& fieldOf(ProfileSlot slot) { return profileFieldTable().at(slot); }

// The desk's captions where they differ from the ID card's: a visitor pass
// stores these. Whoever shows a caption writes its own text into it, and
// its room is made for the longer of the two.
QString visitorCaptionOf(ProfileSlot slot) {
    switch (slot) {
    case SlotSlogan: return QStringLiteral("Purpose :");
    case SlotFax: return QStringLiteral("Visitor Type :");
    case SlotWebsite: return QStringLiteral("Person to Meet :");
    case SlotUnique: return QStringLiteral("Visitor No. :");
    default: return fieldOf(slot).idCardCaption;
    }
}

double naturalWidth(const QString& value, double size, bool bold) {
    const auto t = sizedText(QString(), 0, 0, 0, value, size, bold, Qt::black, 0);
    return static_cast<const SKTText&>(*t).naturalTextSize().width();
}

// The height of `lines` lines of the font, or of `value` laid out at `width`.
double linesHeight(int lines, double size, bool bold) {
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("Ag");
    return sizedText(QString(), 0, 0, 1000, text.join(QLatin1Char('\n')), size, bold, Qt::black, 0)->bounds().height();
}
double textHeight(const QString& value, double size, bool bold, double width) {
    return sizedText(QString(), 0, 0, width, value, size, bold, Qt::black, 0)->bounds().height();
}

// A part of a side that holds fields one under another.
struct Column {
    double x, y, width, bottom;
    QColor caption, value;
    int alignment = 0;  // 0 left, 2 centred
    double room() const { return bottom - y; }
};

// One field as a side shows it.
struct HolderField {
    ProfileSlot slot;
    double size = ValueSize;
    bool bold = false;
    int lines = 0;   // 0: the yardstick's
    QString sample;  // the template's sample; empty: the frame starts hidden
    QColor colour;   // invalid: the column's
};

HolderField gridField(ProfileSlot slot, const QString& sample = QString(), bool bold = false) {
    HolderField f;
    f.slot = slot;
    f.bold = bold;
    f.sample = sample;
    return f;
}

class HolderLayout {
public:
    HolderLayout(QList<std::shared_ptr<SKTGraphic>>& out, bool visitor, QString* error)
        : out_(out), visitor_(visitor), error_(error) {}

    // Puts the field into the first column with room for its caption and
    // its yardstick: a value of one line has its caption before it where the
    // column is wide enough for both, else above it. The error when no
    // column has room.
    void place(const QList<Column*>& columns, const HolderField& f) {
        const ProfileField& pf = fieldOf(f.slot);
        const QString yardstick = QString::fromLatin1(yardstickOf(f.slot).text);
        const int lines = f.lines > 0 ? f.lines : yardstickOf(f.slot).lines;
        const double captionH = linesHeight(1, CaptionSize, true);
        const double valueH = linesHeight(lines, f.size, f.bold);
        const double captionW = std::max(naturalWidth(pf.idCardCaption, CaptionSize, true),
                                         naturalWidth(visitorCaptionOf(f.slot), CaptionSize, true));
        const double valueW = naturalWidth(yardstick, f.size, f.bold);
        for (Column* c : columns) {
            const bool beside = lines == 1 && c->alignment == 0 && captionW + 2 + valueW <= c->width;
            const double need = beside ? std::max(captionH, valueH) : captionH + valueH;
            if (need > c->room() + 0.01)
                continue;
            const double valueX = beside ? c->x + captionW + 2 : c->x;
            const double valueWidth = beside ? c->width - captionW - 2 : c->width;
            if (textHeight(yardstick, f.size, f.bold, valueWidth) > valueH + 0.01)
                continue;
            // Beside its value a caption stands on the value's foot.
            const double captionY = beside ? c->y + valueH - captionH : c->y;
            auto caption = sizedText(pf.captionId, c->x, captionY, beside ? captionW : c->width,
                                     visitor_ ? visitorCaptionOf(f.slot) : pf.idCardCaption, CaptionSize, true,
                                     c->caption, c->alignment);
            caption->Set_Ctrl_Is_Visible(false);
            const QString shown = f.sample.isEmpty() ? pf.idCardCaption.chopped(2) : f.sample;
            auto value = sizedText(pf.valueId, valueX, beside ? c->y : c->y + captionH, valueWidth, shown, f.size,
                                   f.bold, f.colour.isValid() ? f.colour : c->value, c->alignment);
            value->Set_Ctrl_Is_Visible(!f.sample.isEmpty());
            out_ << caption << value;
            c->y += need + FieldGap;
            return;
        }
        if (error_ && error_->isEmpty())
            *error_ = QStringLiteral("no room for ") + pf.valueId;
    }
    void placeAll(const QList<Column*>& columns, const QList<HolderField>& fields) {
        for (const HolderField& f : fields)
            place(columns, f);
    }

private:
    QList<std::shared_ptr<SKTGraphic>>& out_;
    bool visitor_;
    QString* error_;
};

// The fields of a side's grid of small texts: all but the name and title.
QList<HolderField> gridFields(const QString& numberSample) {
    return {gridField(SlotCompany), gridField(SlotSlogan), gridField(SlotAddress),
            gridField(SlotEmail),   gridField(SlotWebsite), gridField(SlotPhone),
            gridField(SlotFax),     gridField(SlotUnique, numberSample, true), gridField(SlotDate),
            gridField(SlotTime)};
}

// `count` grid columns side by side in [x, x + width).
QList<Column> columnsAcross(int count, double x, double y, double width, double bottom, const QColor& caption,
                            const QColor& value, double gutter = 5) {
    QList<Column> out;
    const double w = (width - gutter * (count - 1)) / count;
    for (int i = 0; i < count; ++i)
        out << Column{x + i * (w + gutter), y, w, bottom, caption, value};
    return out;
}

QList<Column*> pointersTo(QList<Column>& columns) {
    QList<Column*> out;
    for (Column& c : columns)
        out << &c;
    return out;
}

DesignContents buildTemplate(const TemplateSpec& s, QString* error) {
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
    const QColor white(Qt::white), ink(30, 30, 36), frameFill(226, 230, 236);
    const bool visitor = s.category == QLatin1String("Visitor");
    const QString name = QStringLiteral("Full Name"), number = QStringLiteral("ID 000123");
    // The title and the name, each with its caption above it. The title
    // shows the role where the role is the holder's position; elsewhere the
    // role is the card's own text, in its header.
    auto titleAndName = [&](HolderLayout& fields, Column& c, double titleSize, double nameSize) {
        HolderField title = gridField(SlotTitle, s.roleIsTitle ? s.role : QString(), true);
        title.size = titleSize;
        title.colour = s.accent;
        HolderField holder = gridField(SlotName, name, true);
        holder.size = nameSize;
        fields.place({&c}, title);
        fields.place({&c}, holder);
    };
    // The title and name in `block`, then the other fields in two columns
    // across the block under them and in `more`. Returns the columns filled.
    auto holderBlock = [&](HolderLayout& fields, Column block, double titleSize, double nameSize,
                           const QList<Column>& more = {}) {
        titleAndName(fields, block, titleSize, nameSize);
        QList<Column> grid = columnsAcross(2, block.x, block.y + 1, block.width, block.bottom, block.caption,
                                           block.value) + more;
        fields.placeAll(pointersTo(grid), gridFields(number));
        return grid;
    };
    // The header band's texts: the company, and the role where it is not
    // the title; on a narrow card the role stands under the company.
    // Returns the bottom of the texts.
    auto header = [&](QList<std::shared_ptr<SKTGraphic>>& side, double y, double size, double bandWidth) {
        const bool role = !s.roleIsTitle;
        if (role) {
            const double roleW = naturalWidth(s.role, size, true), companyW = naturalWidth(s.company, size, true);
            if (companyW + roleW + 20 <= bandWidth - 16) {
                side << sizedText(QString(), 8, y, companyW + 2, s.company, size, true, white, 0);
                auto r = sizedText(QString(), bandWidth - 8 - roleW - 2, y, roleW + 2, s.role, size, true, white, 1);
                side << r;
                return r->bounds().bottom();
            }
        }
        auto company = sizedText(QString(), 6, y, bandWidth - 12, s.company, size, true, white, 2);
        side << company;
        if (!role)
            return company->bounds().bottom();
        auto r = sizedText(QString(), 6, company->bounds().bottom(), bandWidth - 12, s.role, size - 1, true, white, 2);
        side << r;
        return r->bounds().bottom();
    };

    auto& f = d.frontGraphics;  // index 0 is the topmost: texts first
    HolderLayout front(f, visitor, error);
    QList<std::shared_ptr<SKTGraphic>> shapes;  // under the texts and the photo
    QRectF frame;
    if (s.portrait) {
        // The header; the photo with small fields right of it; title and
        // name under them; the grid of the other fields.
        const double top = header(f, 5, 10, w) + 5;
        frame = QRectF(8, top + 2, 54, 66);
        holderBlock(front, Column{8, frame.bottom() + 3, w - 16, h - 8, s.accent, ink, 2}, 7.5, 9,
                    {Column{frame.right() + 7, frame.top(), w - frame.right() - 15, frame.bottom(), s.accent, ink}});
        shapes << box(frame, frameFill, QStringLiteral("RR"), s.accent, 1.5) << box(QRectF(0, 0, w, top - 2), s.accent)
               << box(QRectF(0, h - 6, w, 6), s.accent);
    } else if (s.style == 1) {
        // The photo in the side band with small fields under it; the
        // company, title, name and the grid right of the band.
        const double band = w * 0.34;
        frame = QRectF(10, 26, band - 20, 76);
        const double x = band + 9, width = w - x - 7;
        auto company = sizedText(QString(), x, 8, width, s.company, 10, true, s.accent, 0);
        f << company;
        Column block{x, company->bounds().bottom() + 3, width, h - 5, s.accent, ink, 0};
        if (!s.roleIsTitle) {
            auto role = sizedText(QString(), x, block.y, width, s.role, 9, true, s.accent, 0);
            f << role;
            block.y = role->bounds().bottom() + FieldGap;
        }
        holderBlock(front, block, 8, 10, {Column{8, frame.bottom() + 4, band - 16, h - 4, white, white}});
        shapes << box(frame, white, QStringLiteral("RR"), white, 2) << box(QRectF(0, 0, band, h), s.accent);
    } else {
        // The header band; the photo on the left with small fields under
        // it; title and name right of it and the grid under them.
        const double top = header(f, 5, 10, w) + 5;
        frame = QRectF(8, top + 1, 58, 70);
        const double x = frame.right() + 8, width = w - x - 7;
        holderBlock(front, Column{x, top, width, h - 7, s.accent, ink, 0}, 8, 10,
                    {Column{frame.x(), frame.bottom() + 3, frame.width(), h - 7, s.accent, ink}});
        shapes << box(frame, frameFill, QStringLiteral("RR"), s.accent, 1.5) << box(QRectF(0, h - 5, w, 5), s.accent)
               << box(QRectF(0, 0, w, top - 2), s.accent);
    }
    f << photo(frame) << shapes;
    for (const std::shared_ptr<SKTGraphic>& g : f)
        fixFonts(*g);

    // The back: the issuer's header band with its message, the holder's
    // fields with a small photo, and the signature line at the foot of the
    // grid column with the most room left.
    auto& b = d.backGraphics;
    HolderLayout back(b, visitor, error);
    double top = header(b, 3, 8, w);
    auto message = sizedText(QString(), 8, top + 1, w - 16, s.backText, 6, false, white, 2);
    b << message;
    top = message->bounds().bottom() + 4;
    QList<Column> grid;
    if (s.portrait) {
        frame = QRectF(w / 2 - 19, top + 3, 38, 46);
        grid = holderBlock(back, Column{8, frame.bottom() + 2, w - 16, h - 4, s.accent, ink, 2}, 7.5, 9);
    } else {
        frame = QRectF(8, top + 3, 38, 46);
        const double x = frame.right() + 10, width = w - x - 7;
        Column block{x, top + 2, width, h - 4, s.accent, ink, 0};
        titleAndName(back, block, 7.5, 9);
        grid = columnsAcross(3, 8, std::max(block.y, frame.bottom() + 3), w - 15, h - 4, s.accent, ink);
        back.placeAll(pointersTo(grid), gridFields(number));
    }
    // The signature takes the column with the most room left.
    const Column* sign = &grid.first();
    for (const Column& c : grid)
        if (c.room() > sign->room())
            sign = &c;
    const double signatureH = linesHeight(1, 5, false) + 4;
    if (sign->room() < signatureH && error && error->isEmpty())
        *error = QStringLiteral("no room for the signature");
    auto signLine = std::make_shared<SKTLine>();
    signLine->_strokeColor = ink;
    signLine->_strokeWidth = 0.8;
    signLine->_bounds = QRectF(sign->x + 4, sign->bottom - signatureH + 3, sign->width - 8, 0);
    b << sizedText(QString(), sign->x, sign->bottom - signatureH + 4, sign->width, QStringLiteral("Signature"), 5,
                   false, ink, 2)
      << signLine << photo(frame) << box(frame, frameFill, QStringLiteral("RR"), s.accent, 1.2)
      << box(QRectF(0, 0, w, top - 2), s.accent);
    for (const std::shared_ptr<SKTGraphic>& g : b)
        fixFonts(*g);
    if (error && !error->isEmpty())
        *error = s.name + QStringLiteral(": ") + *error;
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
        QString why;
        const DesignContents design = buildTemplate(s, &why);
        if (!why.isEmpty())
            return fail(why);
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

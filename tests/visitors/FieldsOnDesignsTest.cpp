// Fields added to designs a user makes (a background, a band, a rounded or
// oval card, a second profile, a full visitor pass), by a profile's
// stamping and by the desk's rows, read back from a PDF of the side.
#include "HolderFields.h"
#include "VisitorTestSupport.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"
#include "foundation/Units.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/Template_Wizard.h"
#include "visitors/VisitorPanel.h"

#include <QCheckBox>
#include <QHash>
#include <QTransform>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace zelk::test {
namespace {

const QSizeF Cr80(MM_to_Points_Convert(85.60), MM_to_Points_Convert(53.98));

// What poppler reads of a one-page PDF: the words (pdftotext) and where
// the pictures are drawn (pdftocairo's SVG), in points from the top left.
struct PdfPage {
    QList<std::pair<QRectF, QString>> words;
    QList<QRectF> pictures;
};

PdfPage readPdf(const QString& pdf) {
    PdfPage page;
    const QString html = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).out);
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        page.words.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                           m.captured(5)});
    }
    // Each picture is an <image> of its pixel size, drawn where a <use> of
    // it puts it through its matrix.
    const QString svg = QString::fromUtf8(
        runTool(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), pdf, QStringLiteral("-")}).out);
    static const QRegularExpression image(
        QStringLiteral(R"re(<image id="([^"]+)" width="([\d.]+)" height="([\d.]+)")re"));
    static const QRegularExpression use(QStringLiteral(
        R"re(<use xlink:href="#([^"]+)" transform="matrix\(([-\d.e]+),([-\d.e]+),([-\d.e]+),([-\d.e]+),([-\d.e]+),([-\d.e]+)\)")re"));
    QHash<QString, QSizeF> images;
    for (auto it = image.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        images.insert(m.captured(1), QSizeF(m.captured(2).toDouble(), m.captured(3).toDouble()));
    }
    for (auto it = use.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!images.contains(m.captured(1)))
            continue;
        const QTransform t(m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble(),
                           m.captured(5).toDouble(), m.captured(6).toDouble(), m.captured(7).toDouble());
        page.pictures << t.mapRect(QRectF(QPointF(0, 0), images.value(m.captured(1))));
    }
    return page;
}

// Whether a point lies inside the card's outline (Card_Shape: 1 rounded
// with corners of 10 points, 2 oval), half a point left for rounding.
bool insideOutline(const QPointF& p, const QSizeF& card, int shape) {
    constexpr double Slack = 0.5;
    if (p.x() < -Slack || p.y() < -Slack || p.x() > card.width() + Slack || p.y() > card.height() + Slack)
        return false;
    if (shape == 2) {
        const double a = card.width() / 2 + Slack, b = card.height() / 2 + Slack;
        const double dx = p.x() - card.width() / 2, dy = p.y() - card.height() / 2;
        return dx * dx / (a * a) + dy * dy / (b * b) <= 1;
    }
    if (shape == 1) {
        const double r = 10;
        const double cx = std::clamp(p.x(), r, card.width() - r), cy = std::clamp(p.y(), r, card.height() - r);
        return std::hypot(p.x() - cx, p.y() - cy) <= r + Slack;
    }
    return true;
}

double gapBetween(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, b.left() - a.right(), a.left() - b.right()});
    const double dy = std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()});
    return std::hypot(dx, dy);
}

// The ID of a field's partner: a caption's value, a value's caption.
QString partnerOf(const QString& id) {
    if (const ProfileField* f = profileFieldForId(id))
        return f->captionId == id ? f->valueId : f->captionId;
    if (id.contains(QLatin1String("_label")))
        return QString(id).replace(QLatin1String("_label"), QLatin1String("_field"));
    return QString(id).replace(QLatin1String("_field"), QLatin1String("_label"));
}

bool isCaption(const QString& id) {
    const ProfileField* f = profileFieldForId(id);
    return f ? f->captionId == id : id.contains(QLatin1String("_label"));
}

bool isValue(const QString& id) {
    const ProfileField* f = profileFieldForId(id);
    return f ? f->valueId == id && f->slot != SlotPhoto : id.contains(QLatin1String("_field"));
}

class FieldsOnDesigns : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        ::Fill_User_Profile = true;
        photo = data.filePath(QStringLiteral("face.png"));
        QImage face(40, 50, QImage::Format_RGB32);
        face.fill(Qt::red);
        ASSERT_TRUE(face.save(photo));
        ground = data.filePath(QStringLiteral("ground.png"));
        QImage wash(200, 120, QImage::Format_RGB32);
        wash.fill(QColor(230, 240, 255));
        ASSERT_TRUE(wash.save(ground));
    }
    void TearDown() override {
        ::Card_Shape = 0;
        ::Start_Card_Option = StartMode::Template;
        window->Title_For_Gen_ID_Card();
        MainWindowTest::TearDown();
    }
    std::shared_ptr<SKTGraphic> front(const QString& id) const { return window->_graphicView->Selcect_Ctrl_With_ID(id); }
    // The profile's slots stamped onto the front, each with its caption.
    void stamp(const QList<int>& which, const QList<HolderSample>& samples, bool withPhoto) {
        User_Profile_Class& p = window->Front_user_profile;
        p.Reset_All_Values();
        p.clearCaptions();
        for (int i : which) {
            p.slot(i).value = samples.at(i).value;
            p.slot(i).label = samples.at(i).caption;
        }
        if (withPhoto) {
            p.setImage(photo);
            p.setImage_USE(1);
        }
        window->Fill_User_profile_info_front_side();
    }
    void visitorMode() {
        ::Start_Card_Option = StartMode::Visitor;
        ::CARD_SIDE_STR = CardSide::TwoSided;
        window->Title_For_Visitor();
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        window->Show_Hide_Profile_Panel_Live_Mode(true);
    }
    // Key by key, as the user types it.
    static void type(QWidget* box, const QString& text, bool clear = true) {
        auto* edit = qobject_cast<QLineEdit*>(box);
        ASSERT_TRUE(edit);
        if (clear)
            edit->clear();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    // The desk's Add Field, its caption and value typed.
    void addRow(const HolderSample& row) {
        VisitorPanel& panel = *Front_Profile_Panel_OBJ;
        panel.Add_New_Label_Clicked();
        type(panel.Get_Dynamic_Label_Ctrl(row.captionId, QStringLiteral("T")), row.caption);
        type(panel.Get_Dynamic_Label_Ctrl(row.valueId, QStringLiteral("T")), row.value);
    }
    QString photo, ground;
};

// The designs, each run through a stamping or the desk's rows; then its PDF
// read: no two texts meet where the card has a clear place; no word under a
// picture; every value whole; each caption nearer its own value than any
// other, with no other field's value right after it on its line; nothing
// outside the card's outline; what the user placed where the user put it.
TEST_F(FieldsOnDesigns, AddedFieldsKeepToTheDesign) {
    enum class Ground { None, Rectangle, Picture };
    enum class Road { Stamp, StampAll, StampAgain, DeskRows, DeskRowDragged, PassRows };
    struct Case {
        const char* note;
        Road road;
        Ground ground = Ground::None;
        int shape = 0;       // the card's outline
        bool band = false;   // a band across the card's foot
        QSizeF card = Cr80;
        bool longValues = false;  // values as long as a desk meets them
        int count = 10;           // of the fields, in slot order
        bool photo = true;
    };
    const Case cases[] = {
        {"a full-card rectangle behind a heading: six long values", Road::Stamp, Ground::Rectangle},
        {"a full-card picture behind a heading: six long values", Road::Stamp, Ground::Picture},
        {"a full-card rectangle: the desk's rows", Road::DeskRows, Ground::Rectangle},
        {"a full-card rectangle and a band across the foot: six long values", Road::Stamp, Ground::Rectangle, 0, true},
        {"a band across the foot: a row dragged onto it keeps its place", Road::DeskRowDragged, Ground::None, 0, true},
        // Full cards, on which a caption could stand apart from its value,
        // or a value straight after another field's caption.
        {"a blank card: ten long values", Road::StampAll, Ground::None, 0, false, Cr80, true, 10, false},
        {"a blank card: seven long values and the photo", Road::StampAll, Ground::None, 0, false, Cr80, true, 7},
        {"a rounded card: ten long values", Road::StampAll, Ground::None, 1, false, Cr80, true, 10, false},
        {"a rounded portrait card: ten fields and the photo", Road::StampAll, Ground::None, 1, false, Cr80.transposed()},
        {"an oval card: ten fields and the photo", Road::StampAll, Ground::None, 2},
        {"an oval card: the desk's rows", Road::DeskRows, Ground::None, 2},
        {"a second stamping with the photo after the user moved a value", Road::StampAgain},
        {"a full visitor pass: two rows", Road::PassRows},
    };
    const QList<HolderSample> rows = {
        {"F_field1", "F_label1", "EB-0042 - north gate", "Escort Badge :"},
        {"F_field2", "F_label2", "Blue Volvo V70, plate KX-118-LP", "Vehicle :"},
    };
    const QList<int> six = {SlotName, SlotTitle, SlotCompany, SlotSlogan, SlotPhone, SlotEmail};
    const QList<int> ten = {SlotName, SlotTitle, SlotCompany, SlotSlogan, SlotAddress,
                            SlotPhone, SlotFax,  SlotEmail,   SlotWebsite, SlotUnique};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        window->New_Project();
        ::Fill_User_Profile = true;
        // As the card panel's Shape sets it.
        ::Card_Shape = c.shape;
        for (Card_Property* p : {&window->Front_card_Prop, &window->Back_card_Prop})
            p->Card_Shape = c.shape == 1 ? QStringLiteral("RR") : c.shape == 2 ? QStringLiteral("E") : QStringLiteral("R");
        QSizeF size = c.card;
        GraphicList* sidePtr = &window->_graphicView->mutableGraphics();
        if (c.road == Road::PassRows) {
            // Every front box of the pass ticked, long values typed, a photo.
            const QString preview = resourceDir() + QStringLiteral("/Templates/Visitor/Visitor_Day.png");
            ScopedDialogRunner runner([&](QDialog* d) {
                if (qobject_cast<Template_Wizard*>(d)) {
                    ::Selected_Template_Path = preview;
                    return 1;
                }
                return 0;
            });
            ASSERT_TRUE(MainWindowStartSteps(*window).runVisitorRoad()) << sink.text();
            window->Select_front_side();
            sidePtr = &window->Get_Front_Controls_Array();
            size = window->Front_card_Prop.Card_Size;
            VisitorPanel& panel = *Front_Profile_Panel_OBJ;
            nextOpenPath = photo;
            panel.Browse_image_Btn_Clicked();
            for (const HolderSample& h : longHolderSamples()) {
                VisitorPanel::Slot& s = panel.fixedSlots[size_t(VisitorPanel::slotOfId(h.valueId))];
                for (QAbstractButton* box : {static_cast<QAbstractButton*>(s.label_chk),
                                             static_cast<QAbstractButton*>(s.value_chk)}) {
                    box->setEnabled(true);
                    box->click();
                }
                if (h.valueId != Fup_Date && h.valueId != Fup_Time)
                    type(s.value, h.value);
            }
        } else {
            window->Set_Document_Size(size);
            window->SetDocumentCanvasSize(size);
            window->Front_card_Prop.Card_Size = size;
            GraphicList& side = *sidePtr;
            auto heading = std::make_shared<SKTText>();
            heading->setBounds(QRectF(8, 6, std::min(150.0, size.width() - 16), 0));
            heading->Set_text_value(QStringLiteral("ACME HEADQUARTERS"));
            heading->setHeight(fittedTextHeight(*heading));
            side << heading;
            if (c.band) {
                auto band = std::make_shared<Shape_Control>(QStringLiteral("R"));
                band->setBounds(QRectF(0, size.height() - 30, size.width(), 30));
                band->_isDrawingFill = true;
                band->_fillColor = QColor(30, 60, 120);
                side << band;
            }
            if (c.ground == Ground::Rectangle) {
                auto back = std::make_shared<Shape_Control>(QStringLiteral("R"));
                back->setBounds(QRectF(QPointF(0, 0), size));
                back->_isDrawingFill = true;
                back->_fillColor = QColor(250, 235, 200);
                side << back;
            } else if (c.ground == Ground::Picture) {
                auto back = std::make_shared<SKTImage>();
                back->setFilePath(ground, true);
                back->setBounds(QRectF(QPointF(0, 0), size));
                side << back;
            }
        }
        GraphicList& side = *sidePtr;
        // The user's graphics before the road, with their places.
        QList<std::pair<std::shared_ptr<SKTGraphic>, QRectF>> users;
        for (const auto& g : side)
            users.append({g, g->bounds()});
        QList<HolderSample> shown;
        switch (c.road) {
        case Road::Stamp:
            stamp(six, longHolderSamples(), false);
            for (int i : six)
                shown << longHolderSamples().at(i);
            break;
        case Road::StampAll: {
            const QList<HolderSample>& samples = c.longValues ? longHolderSamples() : holderSamples();
            stamp(ten.mid(0, c.count), samples, c.photo);
            for (int i : ten.mid(0, c.count))
                shown << samples.at(i);
            break;
        }
        case Road::StampAgain: {
            const QList<int> four = {SlotName, SlotTitle, SlotCompany, SlotPhone};
            stamp(four, holderSamples(), false);
            // The name made smaller and dragged to the free room nearest
            // the bottom left.
            const auto name = front(Fup_Name);
            ASSERT_TRUE(name);
            QList<QRectF> others;
            for (const auto& g : side)
                if (g != name && g->ctrl_is_visible)
                    others << g->drawingBounds();
            const auto free = freePlaceFor(QRectF(4, size.height() - 30, 110, 26), others, QRectF(QPointF(), size));
            ASSERT_TRUE(free);
            name->setBounds(*free);
            users.append({name, name->bounds()});
            const QList<int> more = {SlotName, SlotTitle, SlotCompany, SlotPhone, SlotEmail, SlotUnique};
            stamp(more, holderSamples(), true);
            for (int i : more)
                shown << holderSamples().at(i);
            break;
        }
        case Road::DeskRows:
            visitorMode();
            for (const HolderSample& row : rows)
                addRow(row);
            shown = rows;
            break;
        case Road::DeskRowDragged: {
            visitorMode();
            const HolderSample vehicle = {rows.at(0).valueId, rows.at(0).captionId, rows.at(1).value, rows.at(1).caption};
            addRow(vehicle);
            // Dragged onto the band, then typed into again.
            const auto value = front(vehicle.valueId);
            ASSERT_TRUE(value);
            value->setBounds(QRectF(QPointF(40, size.height() - 24), value->bounds().size()));
            const QPointF dragged = value->bounds().topLeft();
            type(Front_Profile_Panel_OBJ->Get_Dynamic_Label_Ctrl(vehicle.valueId, QStringLiteral("T")),
                 QStringLiteral(" (guest parking)"), false);
            EXPECT_EQ(value->bounds().topLeft(), dragged);
            users.append({value, value->bounds()});
            shown = {vehicle};
            shown.first().value = value->Text_Value;
            break;
        }
        case Road::PassRows:
            for (const HolderSample& row : rows)
                addRow(row);
            shown = rows;
            break;
        }
        const QRectF card(QPointF(0, 0), size);
        // The card's ground aside, no two texts or pictures meet.
        GraphicList onGround = side;
        onGround.removeIf([&](const std::shared_ptr<SKTGraphic>& g) {
            return (isExactlyImage(g.get()) || isExactlyShape(g.get())) && g->bounds().width() * g->bounds().height() >=
                                                                               0.5 * size.width() * size.height();
        });
        const QStringList overlaps = overlapsOn(onGround, size);
        if (c.road == Road::PassRows) {
            // A full pass: a row meets others only where no clear place of
            // its smallest size is left.
            for (const HolderSample& row : rows)
                for (const QString& id : {row.captionId, row.valueId}) {
                    const auto g = front(id);
                    ASSERT_TRUE(g);
                    QList<QRectF> others;
                    for (const auto& o : side)
                        if (o != g && o->ctrl_is_visible && !(isExactlyText(o.get()) && o->Text_Value.isEmpty()))
                            others << o->drawingBounds();
                    const QRectF drawn = g->drawingBounds().adjusted(0.01, 0.01, -0.01, -0.01);
                    if (std::none_of(others.cbegin(), others.cend(), [&](const QRectF& r) { return drawn.intersects(r); }))
                        continue;
                    for (const QSizeF& s : fieldSizes(*g, size, {SmallestFieldScale, SmallestFieldScale})) {
                        EXPECT_FALSE(freePlaceFor(QRectF(QPointF(0, 0), s), others, card).has_value())
                            << id.toStdString() << " meets others at " << rectText(g->drawingBounds()).toStdString();
                    }
                }
        } else {
            EXPECT_EQ(overlaps.join(" | ").toStdString(), "");
        }
        if (c.road == Road::PassRows || c.road == Road::DeskRows) {
            // A row is written as the side's fields are, its caption and
            // value at one share of their sizes.
            QColor captions;
            for (const auto& g : side)
                if (g->ctrl_is_visible && profileFieldForId(g->control_ID) && isCaption(g->control_ID))
                    captions = g->txt_clr;
            for (const HolderSample& row : rows) {
                const auto caption = front(row.captionId), value = front(row.valueId);
                ASSERT_TRUE(caption && value);
                if (captions.isValid()) {
                    EXPECT_EQ(caption->txt_clr, captions) << row.caption.toStdString();
                }
                const double captionShare = drawnTextPointSize(*caption) / caption->text_ctrl_font.pointSizeF();
                const double valueShare = drawnTextPointSize(*value) / value->text_ctrl_font.pointSizeF();
                EXPECT_NEAR(captionShare, valueShare, 0.06) << row.caption.toStdString();
                // A card with room for them: at their own size.
                if (c.road == Road::DeskRows) {
                    EXPECT_GT(captionShare, 0.99) << row.caption.toStdString();
                }
            }
        }

        const QString pdf = data.filePath(QStringLiteral("side.pdf"));
        const auto snapshot =
            SideSnapshot::take(&side, &window->Front_card_Prop, &window->Back_card_Prop, ::Card_Shape, 0, card);
        writeBytes(pdf, SKTRenderingView(card, snapshot, QStringLiteral("t")).dataWithPDFInsideRect(card));
        const PdfPage page = readPdf(pdf);
        ASSERT_FALSE(page.words.isEmpty());
        // No word under a picture (the card's ground aside), none outside
        // the outline, nor a picture.
        QList<QRectF> pictures;
        for (const QRectF& p : page.pictures) {
            if (p.width() * p.height() < 0.5 * size.width() * size.height())
                pictures << p;
            for (const QPointF& corner : {p.topLeft(), p.topRight(), p.bottomLeft(), p.bottomRight()}) {
                EXPECT_TRUE(insideOutline(corner, size, c.shape)) << "a picture at " << rectText(p).toStdString();
            }
        }
        if ((c.road == Road::StampAll && c.photo) || c.road == Road::StampAgain) {
            EXPECT_EQ(pictures.size(), 1) << "the photo";
        }
        // The words of the added fields (the user's own texts are the user's).
        QList<QRectF> added;
        for (const auto& g : side)
            if (g->ctrl_is_visible && std::none_of(users.cbegin(), users.cend(), [&](const auto& u) { return u.first == g; }))
                added << g->drawingBounds().adjusted(-1, -1, 1, 1);
        for (const auto& [box, text] : page.words) {
            const bool ofAdded =
                std::any_of(added.cbegin(), added.cend(), [&box](const QRectF& r) { return r.contains(box); });
            for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
                EXPECT_TRUE(!ofAdded || insideOutline(corner, size, c.shape))
                    << text.toStdString() << " " << rectText(box).toStdString();
            }
            for (const QRectF& p : pictures) {
                EXPECT_FALSE(box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(p)) << text.toStdString();
            }
        }
        EXPECT_EQ(valuesNotWholeInPdf(pdf, side, shown).join(" | ").toStdString(), "");
        // Each caption nearer its own value than any other (within the
        // clearance kept between fields), and no other field's value
        // straight after it on its line (within an em); where the caption
        // or the other value was added, and its own value is not one the
        // user moved.
        auto isUsers = [&](const std::shared_ptr<SKTGraphic>& g) {
            return std::any_of(users.cbegin(), users.cend(), [&](const auto& u) { return u.first == g; });
        };
        for (const auto& g : side) {
            if (!g->ctrl_is_visible || !isCaption(g->control_ID) || g->Text_Value.isEmpty())
                continue;
            const auto own = front(partnerOf(g->control_ID));
            if (!own || !own->ctrl_is_visible || isUsers(own))
                continue;
            const QRectF at = g->drawingBounds();
            const double em = drawnTextPointSize(*g);
            for (const auto& v : side) {
                if (v == own || !v->ctrl_is_visible || !isValue(v->control_ID) || v->Text_Value.isEmpty() ||
                    (isUsers(g) && isUsers(v)))
                    continue;
                const QRectF other = v->drawingBounds();
                EXPECT_LE(gapBetween(at, own->drawingBounds()), gapBetween(at, other) + 2)
                    << g->Text_Value.toStdString() << " is nearer " << v->Text_Value.toStdString();
                const bool onItsLine = other.top() < at.center().y() && other.bottom() > at.center().y();
                EXPECT_FALSE(onItsLine && other.left() >= at.right() - 0.01 && other.left() - at.right() < em)
                    << g->Text_Value.toStdString() << " is followed by " << v->Text_Value.toStdString();
            }
        }
        for (const auto& [g, r] : users) {
            EXPECT_EQ(g->bounds(), r) << g->Text_Value.toStdString();
        }
    }
}

}  // namespace
}  // namespace zelk::test

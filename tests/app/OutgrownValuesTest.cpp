// Values too long for the frames a design keeps for them (an e-mail, a web
// address, a number or a fax written without blanks), on every road that
// fills a design: a profile stamped once or stamped short and then long, a
// group project's first row, the visitor desk's own boxes and a row the
// user widened past the card's edge. Each case read back from a PDF of the
// side: each shown value's nearest caption is its own, none reads on what
// lies under it worse than 3:1 (or than its frame let it), no two texts or
// pictures meet, no word lies under the photo, every value whole.
#include "../mainwindow/MainWindowTestSupport.h"
#include "../visitors/VisitorDeskTestSupport.h"
#include "HolderFields.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "datasource/Data_From_Excel.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/Shape_Control.h"
#include "groups/GroupMode.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/Template_Wizard.h"
#include "visitors/VisitorPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace zelk::test {
namespace {

// The long values every road is given: an e-mail of 45 characters, a web
// address of 39, a number and a fax written without blanks.
QList<HolderSample> longValues() {
    QList<HolderSample> out = holderSamples();
    out[SlotEmail].value = QStringLiteral("alexandra.whitfield@northwind-logistics.co.uk");
    out[SlotWebsite].value = QStringLiteral("www.northwind-trading-logistics.example");
    out[SlotUnique].value = QStringLiteral("EMP-2026-LOGISTICS-NIGHT-0042-B7X");
    out[SlotFax].value = QStringLiteral("+44(0)2079460959ext.12345678");
    return out;
}

// The same fields first stamped short.
QList<HolderSample> shortValues() {
    QList<HolderSample> out = longValues();
    const QStringList shorts = {"Bo", "CEO", "Acme", "Safe", "1 Elm St", "+1 5", "+1 6", "bo@ac.me", "ac.me", "V-1"};
    for (int i = 0; i < int(shorts.size()); ++i)
        out[i].value = shorts.at(i);
    return out;
}

// WCAG's relative luminance of an sRGB colour, and the contrast of two.
double luminance(const QColor& c) {
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}
double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

double gapBetween(const QRectF& a, const QRectF& b) {
    return std::hypot(std::max({0.0, b.left() - a.right(), a.left() - b.right()}),
                      std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()}));
}

enum class Road {
    Stamp,              // a profile with every box ticked, stamped once
    StampShortThenLong, // the same fields stamped short, then long
    Group,              // a group project whose first row holds the long values
    Desk,               // the desk's own boxes of a visitor pass, typed into
    DeskRowWidened,     // a desk row widened past the card's edge, then typed into
    OwnCardBesideShape, // a card of the user's with room: a value stamped again longer beside a shape
};

struct Case {
    const char* name;
    const char* design;  // a shipped template, or none
    Road road;
};

class OutgrownValues : public VisitorDeskTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        CardFace::install();
        ::Fill_User_Profile = true;
    }
    void TearDown() override {
        ::Start_Card_Option = StartMode::Template;
        window->Title_For_Gen_ID_Card();
        MainWindowTest::TearDown();
    }
    const GraphicList& side() const { return window->Get_Front_Controls_Array(); }
    std::shared_ptr<SKTGraphic> shown(const QString& id) const {
        const auto g = window->_graphicView->Selcect_Ctrl_With_ID(id);
        return g && g->ctrl_is_visible ? g : nullptr;
    }
    void load(const char* design) {
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(resourceDir() + "/Templates/" + design, "T", true), 1)
            << sink.text();
    }
    void stamp(const QList<HolderSample>& values) {
        User_Profile_Class& p = window->Front_user_profile;
        p.Reset_All_Values();
        p.clearCaptions();
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            p.slot(i).value = values.at(i).value;
            if (!values.at(i).value.isEmpty())
                p.slot(i).label = profileFieldTable().at(i).idCardCaption;
        }
        window->Fill_User_profile_info_front_side();
    }
    void group(const QList<HolderSample>& values) {
        GroupMode::install(*window);
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
        ::Start_Card_Option = QStringLiteral("G");
        ::CARD_SIDE_STR = QStringLiteral("2");
        ::Card_Front_Or_Back = 0;
        window->Reset_Group_Mode_Excel_Col_Index();
        QStringList titles, row;
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            titles << QStringLiteral("C%1").arg(i + 1);
            row << values.at(i).value;
            window->excel_cb_value[size_t(i)] = i + 1;
        }
        ::Excel_Source_Path = data.filePath(QStringLiteral("staff.xlsx"));
        window->Create_Excel_List_Func(titles, {row, row});
        window->Update_Excel_Column_Binding(QStringLiteral("A"));
    }
    // The desk on a visitor pass: every front box ticked and typed into.
    void desk(const char* design, const QList<HolderSample>& values) {
        ScopedDialogRunner runner([&](QDialog* d) {
            ::Selected_Template_Path = resourceDir() + "/Templates/" + QString(design).replace(".did", ".png");
            return qobject_cast<Template_Wizard*>(d) ? 1 : 0;
        });
        ASSERT_TRUE(MainWindowStartSteps(*window).runVisitorRoad()) << sink.text();
        window->Select_front_side();
        nextOpenPath = picture("visitor.png");
        front().Browse_image_Btn_Clicked();
        for (const HolderSample& h : values) {
            VisitorPanel::Slot& s = front().fixedSlots[size_t(slotOf(h.valueId))];
            click(s.label_chk);
            click(s.value_chk);
            if (h.valueId != Fup_Date && h.valueId != Fup_Time)
                type(s.value, h.value);
        }
    }
    static void type(QWidget* box, const QString& text, bool clear = true) {
        auto* edit = qobject_cast<QLineEdit*>(box);
        ASSERT_TRUE(edit);
        if (clear)
            edit->clear();
        else
            edit->end(false);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString pdfOf(const QString& name, const GraphicList& graphics) {
        const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
        const auto snapshot =
            SideSnapshot::take(&graphics, &window->Front_card_Prop, &window->Back_card_Prop, ::Card_Shape, 0, card);
        const QString pdf = data.filePath(name);
        writeBytes(pdf, SKTRenderingView(card, snapshot, "t").dataWithPDFInsideRect(card));
        return pdf;
    }
};

TEST_P(OutgrownValues, EachKeepsItsCaptionAndReadsOnItsGround) {
    const Case& c = GetParam();
    if (c.design && c.road != Road::Desk && c.road != Road::DeskRowWidened)
        load(c.design);
    // The frames the design keeps for the values, before the road.
    QHash<QString, QRectF> frames;
    for (const auto& g : side())
        if (fieldRole(g->control_ID) == FieldRole::Value)
            frames.insert(g->control_ID, g->bounds());
    QList<HolderSample> values = longValues();
    switch (c.road) {
    case Road::Stamp:
        stamp(values);
        break;
    case Road::StampShortThenLong:
        stamp(shortValues());
        stamp(values);
        break;
    case Road::Group:
        group(values);
        break;
    case Road::Desk:
        desk(c.design, values);
        break;
    case Road::DeskRowWidened: {
        values.removeIf([](const HolderSample& h) { return h.valueId == Fup_Date || h.valueId == Fup_Time; });
        desk(c.design, values);
        front().Add_New_Label_Clicked();
        type(front().Get_Dynamic_Label_Ctrl("F_label1", "T"), "Escort :");
        type(front().Get_Dynamic_Label_Ctrl("F_field1", "T"), "Sgt. Mirela Ivanova-Thorsdottir");
        // Its right handle dragged past the card's right edge, then a letter typed.
        const auto row = shown("F_field1");
        ASSERT_TRUE(row);
        const double edge = window->Front_card_Prop.Card_Size.width();
        row->setBounds(QRectF(row->bounds().topLeft(), QPointF(edge + 22, row->bounds().bottom())));
        type(front().Get_Dynamic_Label_Ctrl("F_field1", "T"), "a", false);
        values << HolderSample{"F_field1", "F_label1", row->Text_Value, "Escort :"};
        EXPECT_LE(row->bounds().right(), edge);
        break;
    }
    case Road::OwnCardBesideShape: {
        // A blank card with a tinted panel at its top right.
        auto panel = std::make_shared<Shape_Control>(QStringLiteral("R"));
        panel->setBounds(QRectF(150, 10, 80, 60));
        panel->_isDrawingFill = true;
        panel->_fillColor = QColor(220, 230, 245);
        window->_graphicView->mutableGraphics() << panel;
        // Five fields, the e-mail short, then stamped again long.
        QList<HolderSample> few = values;
        for (int i = 0; i < ProfileTextSlotCount; ++i)
            if (!QList<int>{SlotName, SlotTitle, SlotCompany, SlotPhone, SlotEmail}.contains(i))
                few[i].value.clear(), values[i].value.clear();
        few[SlotEmail].value = QStringLiteral("bo@ac.me");
        stamp(few);
        stamp(values);
        values.removeIf([](const HolderSample& h) { return h.value.isEmpty(); });
        break;
    }
    }
    values.removeIf([this](const HolderSample& h) { return !shown(h.valueId); });
    ASSERT_FALSE(values.isEmpty());
    // The desk writes the date and time itself.
    for (HolderSample& h : values)
        if (h.valueId == Fup_Date || h.valueId == Fup_Time)
            h.value = shown(h.valueId)->Text_Value;

    // No two texts or pictures meet (the card's ground and bands aside).
    const QSizeF size = window->Front_card_Prop.Card_Size;
    EXPECT_EQ(overlapsOn(side(), size).join(" | ").toStdString(), "");
    const QString pdf = pdfOf("side.pdf", side());
    EXPECT_EQ(valuesNotWholeInRawPdf(pdf, values).join(" | ").toStdString(), "");
    const QList<PdfWord> words = pdfWords(pdf);
    if (const auto photo = shown(Fup_Photo))
        for (const PdfWord& w : words)
            EXPECT_FALSE(w.box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(photo->drawingBounds())) << w.text.toStdString();

    // Each value's nearest caption is its own (a group project shows no
    // captions).
    QList<std::shared_ptr<SKTGraphic>> captions;
    for (const auto& g : side())
        if (g->ctrl_is_visible && fieldRole(g->control_ID) == FieldRole::Caption && !g->Text_Value.isEmpty())
            captions << g;
    for (const HolderSample& h : values) {
        const auto value = shown(h.valueId), own = shown(h.captionId);
        ASSERT_TRUE(value && (own || c.road == Road::Group)) << h.valueId.toStdString();
        if (!own)
            continue;
        const double ownGap = gapBetween(value->drawingBounds(), own->drawingBounds());
        for (const auto& other : captions)
            if (other != own) {
                EXPECT_LE(ownGap, gapBetween(value->drawingBounds(), other->drawingBounds()) + 0.01)
                    << h.value.toStdString() << " reads as " << other->Text_Value.toStdString();
            }
    }

    // Under each value's words, what the side draws without its fields'
    // texts, as poppler draws it a pixel a point.
    GraphicList ground;
    for (const auto& g : side())
        if (!(g->kind() == GraphicKind::Text && isFieldId(g->control_ID)))
            ground << g;
    const ToolResult png = runTool("pdftoppm", {"-r", "72", "-png", "-singlefile", pdfOf("ground.pdf", ground),
                                                data.filePath("ground")});
    ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
    const QImage under(data.filePath("ground.png"));
    ASSERT_FALSE(under.isNull());
    // The contrast of a text colour with the middle of the pixels of a box.
    auto contrastIn = [&under](const QColor& text, const QRectF& box) {
        std::vector<double> l;
        for (int y = int(box.top()); y < int(std::ceil(box.bottom())); ++y)
            for (int x = int(box.left()); x < int(std::ceil(box.right())); ++x)
                if (under.rect().contains(x, y))
                    l.push_back(luminance(under.pixelColor(x, y)));
        if (l.empty())
            return 21.0;
        std::nth_element(l.begin(), l.begin() + std::ptrdiff_t(l.size() / 2), l.end());
        return contrast(luminance(text), l[l.size() / 2]);
    };
    for (const HolderSample& h : values) {
        const auto value = shown(h.valueId);
        const double least = frames.contains(h.valueId) ? std::min(3.0, contrastIn(value->txt_clr, frames.value(h.valueId)))
                                                        : 3.0;
        for (const PdfWord& w : words)
            if (value->drawingBounds().adjusted(-1, -1, 1, 1).contains(w.box)) {
                EXPECT_GE(contrastIn(value->txt_clr, w.box), least - 0.05)
                    << h.valueId.toStdString() << " \"" << w.text.toStdString() << "\" at " << rectText(w.box).toStdString();
            }
    }
}

INSTANTIATE_TEST_SUITE_P(
    OnEveryRoad, OutgrownValues,
    ::testing::Values(Case{"SideBandLandscape", "Corporate/Corporate_Manager.did", Road::Stamp},
                      Case{"SideBandShortThenLong", "Corporate/Corporate_Manager.did", Road::StampShortThenLong},
                      Case{"SideBandDriver", "Transport/Transport_Driver.did", Road::Stamp},
                      Case{"SideBandGroup", "Health/Health_Doctor.did", Road::Group},
                      Case{"HeaderBand", "Corporate/Corporate_Staff.did", Road::Stamp},
                      Case{"SideBandDriverGroup", "Transport/Transport_Driver.did", Road::Group},
                      Case{"Landscape", "Press/Press_Pass_L.did", Road::StampShortThenLong},
                      Case{"Portrait", "Education/Education_Faculty.did", Road::Stamp},
                      Case{"PortraitShortThenLong", "Press/Press_Pass_P.did", Road::StampShortThenLong},
                      Case{"PassDesk", "Visitor/Visitor_Day.did", Road::Desk},
                      Case{"PortraitPassRowWidened", "Visitor/Visitor_Escort.did", Road::DeskRowWidened},
                      Case{"OwnCardBesideAShape", nullptr, Road::OwnCardBesideShape}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelk::test

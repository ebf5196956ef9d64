// A profile stamped on a shipped template fills the template's own texts
// and photo frame: nothing is placed anew over them, a long name stays in
// the name's frame, and the default photo is the one in the frame. The back
// is filled likewise and the issuer's header texts stay.
#include "../mainwindow/MainWindowTestSupport.h"
#include "HolderFields.h"

#include "canvas/SideSnapshot.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTRenderingView.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/AppGlobals.h"

#include <QImage>
#include <gtest/gtest.h>

namespace zelk::test {
namespace {

const QString LongName = QStringLiteral("Maximiliana Alexandrova Featherstonehaugh");

class TemplateFields : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        CardFace::install();
        const QString design = resourceDir() + QStringLiteral("/Templates/") + QString::fromLatin1(GetParam());
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(design, QStringLiteral("T"), true), 1) << sink.text();
    }
    const GraphicList& front() const { return window->Get_Front_Controls_Array(); }
    QList<std::shared_ptr<SKTGraphic>> withId(const QString& id) const {
        QList<std::shared_ptr<SKTGraphic>> out;
        for (const auto& g : front())
            if (g->control_ID == id)
                out << g;
        return out;
    }
    zelk::SideSnapshot snapshot() const {
        return zelk::SideSnapshot::take(&front(), &window->Front_card_Prop, &window->Back_card_Prop, ::Card_Shape, 0,
                                        QRectF(QPointF(0, 0), window->Front_card_Prop.Card_Size));
    }
};

TEST_P(TemplateFields, TheDefaultPhotoIsTheOneInTheFrame) {
    EXPECT_FALSE(window->Check_For_Defalut_Photo_Control());
    int images = 0;
    for (const auto& g : front())
        images += g->kind() == GraphicKind::Image;
    ASSERT_EQ(images, 1);
    ASSERT_EQ(withId(Fup_Photo).size(), 1);
    const QRectF photo = withId(Fup_Photo).first()->bounds();
    EXPECT_FALSE(frameAround(front(), photo).isNull());
    EXPECT_EQ(withId(Fup_Photo).first()->_file_path, window->NO_Image_Path);
}

TEST_P(TemplateFields, AStampedProfileFillsTheTemplatesTextsAndFrame) {
    ASSERT_EQ(withId(Fup_Name).size(), 1);
    const QRectF nameFrame = withId(Fup_Name).first()->bounds();
    const QRectF photoFrame = frameAround(front(), withId(Fup_Photo).first()->bounds());
    const qsizetype count = front().size();
    QImage red(40, 50, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString photo = data.filePath(QStringLiteral("face.png"));
    ASSERT_TRUE(red.save(photo));
    User_Profile_Class& p = window->Front_user_profile;
    p.setName(LongName);
    p.setUnique(QStringLiteral("V-2042"));
    p.setImage(photo);
    p.setImage_USE(1);
    ::Fill_User_Profile = true;
    window->Fill_User_profile_info_front_side();

    EXPECT_EQ(front().size(), count);  // nothing placed anew
    ASSERT_EQ(withId(Fup_Name).size(), 1);
    const auto name = withId(Fup_Name).first();
    EXPECT_EQ(name->Text_Value, LongName);
    EXPECT_EQ(name->bounds().topLeft(), nameFrame.topLeft());
    EXPECT_EQ(name->bounds().width(), nameFrame.width());
    EXPECT_GT(name->bounds().height(), nameFrame.height());  // it wraps, downwards
    for (const auto& g : front()) {
        if (g == name || !g->ctrl_is_visible || g->kind() != GraphicKind::Text)
            continue;
        EXPECT_FALSE(g->bounds().intersects(name->bounds())) << g->Text_Value.toStdString();
        EXPECT_NE(g->Text_Value, QStringLiteral("ID 000123"));  // the number was given
    }
    // A slot the profile leaves empty hides the template's placeholder.
    for (const auto& g : withId(Fup_Title))
        EXPECT_FALSE(g->ctrl_is_visible);

    // Drawn: the name's words lie in its frame and no "Full Name" is left.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("front.pdf"));
    const QRectF card(QPointF(0, 0), window->Front_card_Prop.Card_Size);
    writeBytes(pdf, SKTRenderingView(card, snapshot(), QStringLiteral("t")).dataWithPDFInsideRect(card));
    QStringList inFrame;
    for (const PdfWord& w : pdfWords(pdf)) {
        EXPECT_NE(w.text, QStringLiteral("Full"));
        if (name->bounds().adjusted(-1, -1, 1, 1).contains(w.box))
            inFrame << w.text;
    }
    EXPECT_EQ(inFrame.join(QLatin1Char(' ')), LongName);
    // And the photo fills the template's frame.
    const QImage image = SKTRenderingView(card, snapshot(), QStringLiteral("t")).imageAtResolution(72);
    EXPECT_EQ(image.pixelColor(photoFrame.center().toPoint()), QColor(Qt::red));
}

INSTANTIATE_TEST_SUITE_P(LandscapeAndPortrait, TemplateFields,
                         ::testing::Values("Visitor/Visitor_Day.did", "Education/Education_Faculty.did"));

// The back holds the holder's fields as the front does; the headers are the
// issuer's and stay whatever the profile holds.
class TemplateBacks : public TemplateFields {
protected:
    const GraphicList& back() const { return window->Get_Back_Controls_Array(); }
    // The walk of the profile dialog with every slot on both sides: a long
    // name, a title, a number and a photo; the company left empty.
    void stampOnBothSides() {
        QImage red(40, 50, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString photo = data.filePath(QStringLiteral("face.png"));
        ASSERT_TRUE(red.save(photo));
        for (User_Profile_Class* p : {&window->Front_user_profile, &window->Back_user_profile}) {
            p->setName(LongName);
            p->setTitle(QStringLiteral("Engineer"));
            p->setUnique(QStringLiteral("E-2291"));
            p->setImage(photo);
            p->setImage_USE(1);
        }
        ::Fill_User_Profile = true;
        window->Fill_User_profile_Details();
    }
    static QList<std::shared_ptr<SKTGraphic>> visibleTexts(const GraphicList& side) {
        QList<std::shared_ptr<SKTGraphic>> out;
        for (const auto& g : side)
            if (g->kind() == GraphicKind::Text && g->ctrl_is_visible)
                out << g;
        return out;
    }
};

TEST_P(TemplateBacks, AProfileOnBothSidesFillsTheBacksOwnFieldsClearOfEachOther) {
    const QList<QString> ids = {Fup_Name, Fup_Title, Fup_UniqueNo, Fup_Photo};
    QHash<QString, QPointF> places;
    QList<std::shared_ptr<SKTGraphic>> own;  // the message and the signature's caption
    for (const auto& g : back()) {
        if (ids.contains(g->control_ID)) {
            EXPECT_FALSE(places.contains(g->control_ID)) << g->control_ID.toStdString();
            places.insert(g->control_ID, g->bounds().topLeft());
        } else if (g->kind() == GraphicKind::Text && g->control_ID.isEmpty()) {
            own << g;
        }
    }
    ASSERT_EQ(places.size(), ids.size());
    const qsizetype count = back().size();
    stampOnBothSides();

    EXPECT_EQ(back().size(), count);  // nothing placed anew
    QList<std::shared_ptr<SKTGraphic>> shown = visibleTexts(back());
    for (const auto& g : back()) {
        if (ids.contains(g->control_ID)) {
            EXPECT_EQ(g->bounds().topLeft(), places.value(g->control_ID)) << g->control_ID.toStdString();
            EXPECT_TRUE(g->ctrl_is_visible) << g->control_ID.toStdString();
        }
        if (g->control_ID == Fup_Name) {
            EXPECT_EQ(g->Text_Value, LongName);
        }
        if (g->control_ID == Fup_Photo) {
            shown << g;
        }
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(shown[i]->bounds().intersects(shown[j]->bounds()))
                << shown[i]->Text_Value.toStdString() << " / " << shown[j]->Text_Value.toStdString();
        }
    for (const auto& g : own)
        EXPECT_TRUE(g->ctrl_is_visible) << g->Text_Value.toStdString();

    // Drawn: the back's frame shows the photo.
    const QRectF card(QPointF(0, 0), window->Back_card_Prop.Card_Size);
    const QRectF frame = frameAround(back(), window->_graphicView_BACK->Selcect_Ctrl_With_ID(Fup_Photo)->bounds());
    ASSERT_FALSE(frame.isNull());
    const auto side = zelk::SideSnapshot::take(&back(), &window->Front_card_Prop, &window->Back_card_Prop,
                                               ::Card_Shape, 1, card);
    const QImage image = SKTRenderingView(card, side, QStringLiteral("t")).imageAtResolution(72);
    EXPECT_EQ(image.pixelColor(frame.center().toPoint()), QColor(Qt::red));
}

TEST_P(TemplateBacks, AProfileWithoutACompanyKeepsTheIssuersHeaders) {
    // The header is the topmost text of each side.
    auto header = [](const GraphicList& side) {
        std::shared_ptr<SKTGraphic> top;
        for (const auto& g : side)
            if (g->kind() == GraphicKind::Text && (!top || g->bounds().top() < top->bounds().top()))
                top = g;
        return top;
    };
    const auto frontHeader = header(front()), backHeader = header(back());
    ASSERT_TRUE(frontHeader && backHeader);
    const QString company = frontHeader->Text_Value;
    stampOnBothSides();
    for (const auto& g : {frontHeader, backHeader}) {
        EXPECT_TRUE(g->ctrl_is_visible);
        EXPECT_EQ(g->Text_Value, company);
    }
}

INSTANTIATE_TEST_SUITE_P(HeaderBandSideBandAndPortrait, TemplateBacks,
                         ::testing::Values("Corporate/Corporate_Staff.did", "Corporate/Corporate_Manager.did",
                                           "Education/Education_Faculty.did"));

}  // namespace
}  // namespace zelk::test

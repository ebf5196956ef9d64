#pragma once
// The cards a stamping is tried on again and again, each made as a user
// makes it: blank, rounded and oval cards, shipped templates, the user's own
// headings, panels, bands and pictures dark over part of the card, below a
// diagonal or under an ellipse.
#include "FieldsOnDesignsSupport.h"

#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "inspector/face/CardFace.h"

#include <QPainter>

namespace zelk::test::stamped {

inline const QSizeF Badge4x3(288, 216);
inline const QSizeF Cr100(MM_to_Points_Convert(3.88 * 25.4), MM_to_Points_Convert(2.63 * 25.4));

enum class Card {
    Blank,
    Rounded,
    Oval,
    UsersOwn,
    DarkUsersOwn,
    NightWithSquare,  // night blue, a heading and an orange square of the user's
    ConferenceBadge,  // portrait: a title and a date line at the top, a dark band with a white text across its foot
    SideBandTemplate,
    LandscapeTemplate,
    DarkPanel,   // a dark blue panel of the user's over the card's left half
    WhitePanel,  // the same, white, its border a point wide
    Crowded,     // portrait: the user's heading and crew texts and a square; every field, long values, a photo
    RightPanel,  // a plum panel of the user's, without a border, over the card's right half (landscape)
    DarkFoot,    // rounded portrait: a dark green band of the user's over the lower half
    DarkRight,   // rounded: a dark plum panel of the user's over the right half
    DarkLeftPicture,  // a background picture dark over its left 60 %, light over the rest
    BrownPanel,       // a brown panel of the user's, without a border, over the left half
    DarkRightPicture,  // a background picture light over its left 45 %, dark over the rest
    FootBandUsersOwn,  // portrait: a dark band over the lower half; the user's barcode, picture and signature above
    NavyTop,           // portrait: a navy band of the user's, without a border, over the top 45 %
    NightWithLightSpots,  // a background picture night blue but for two small light spots
    // Grounds whose dark part no rectangle holds:
    DarkBelowADiagonal,  // a 4 x 3 in badge, rounded, a cream picture dark green below the diagonal across its lower left
    Cr100DarkCorner,     // a CR100 card, rounded, its picture dark over the triangle at its top right (30 %)
    Cr80DarkCorner,      // a CR80 card, its picture dark over the triangle at its top right (30 %)
    DarkEllipse,         // a 4 x 3 in badge, a dark filled ellipse of the user's without a border over most of it
};

class StampedCards : public FieldsOnDesigns {
protected:
    void TearDown() override {
        CardFaceHook::install(nullptr);
        FieldsOnDesigns::TearDown();
    }
    const GraphicList& side() const { return window->Get_Front_Controls_Array(); }

    // The card, as a new design each time (portrait where asked).
    void makeCard(Card kind, bool portrait) {
        switch (kind) {
        case Card::SideBandTemplate:
        case Card::LandscapeTemplate: {
            const QString design =
                kind == Card::SideBandTemplate ? "Corporate/Corporate_Manager.did" : "Press/Press_Pass_L.did";
            ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(resourceDir() + "/Templates/" + design, "T", true), 1);
            ::Fill_User_Profile = true;
            return;
        }
        case Card::Blank:
        case Card::UsersOwn:
        case Card::DarkUsersOwn:
        case Card::NightWithSquare:
        case Card::ConferenceBadge:
        case Card::Rounded:
        case Card::Oval:
        case Card::DarkPanel:
        case Card::WhitePanel:
        case Card::Crowded:
        case Card::RightPanel:
        case Card::DarkFoot:
        case Card::DarkRight:
        case Card::DarkLeftPicture:
        case Card::BrownPanel:
        case Card::DarkRightPicture:
        case Card::FootBandUsersOwn:
        case Card::NavyTop:
        case Card::NightWithLightSpots:
        case Card::DarkBelowADiagonal:
        case Card::Cr100DarkCorner:
        case Card::Cr80DarkCorner:
        case Card::DarkEllipse:
            newCard(kind == Card::Rounded || kind == Card::DarkFoot || kind == Card::DarkRight ||
                            kind == Card::DarkBelowADiagonal || kind == Card::Cr100DarkCorner
                        ? 1
                    : kind == Card::Oval                                                         ? 2
                                                                                                   : 0,
                    portrait || kind == Card::Crowded || kind == Card::DarkFoot ||
                            kind == Card::FootBandUsersOwn || kind == Card::NavyTop
                        ? Cr80.transposed()
                    : kind == Card::DarkBelowADiagonal || kind == Card::DarkEllipse ? Badge4x3
                    : kind == Card::Cr100DarkCorner                                    ? Cr100
                                                                                         : Cr80);
            break;
        }
        auto text = [this](const QRectF& at, double points, const QString& value, const QColor& colour) {
            auto t = std::make_shared<SKTText>();
            t->setBounds(at);
            t->text_ctrl_font.setPointSizeF(points);
            t->Set_text_value(value);
            t->txt_clr = colour;
            t->setHeight(fittedTextHeight(*t));
            window->_graphicView->mutableGraphics() << t;
        };
        if (kind == Card::NightWithSquare) {
            // A white heading at the top and an orange square on a night-blue card.
            text(QRectF(60, 3, 150, 0), 12, "ACME HEADQUARTERS", Qt::white);
            addFilled(QRectF(195, 100, 40, 40), QColor(230, 140, 40));
            CardFace::install();
            window->Front_card_Prop.Card_fill_clr = QColor(0x1a, 0x2a, 0x4a);
        }
        if (kind == Card::ConferenceBadge) {
            const QSizeF card = window->Front_card_Prop.Card_Size;
            text(QRectF(8, 6, card.width() - 16, 0), 12, "NORDIC SUMMIT 2026", Qt::black);
            text(QRectF(8, 24, card.width() - 16, 0), 8, "12 to 14 March, Malmö", Qt::black);
            addFilled(QRectF(0, card.height() * 2 / 3, card.width(), card.height() / 3), QColor(30, 40, 90));
            text(QRectF(8, card.height() - 22, card.width() - 16, 0), 10, "SPEAKER", Qt::white);
        }
        if (kind == Card::DarkPanel || kind == Card::WhitePanel) {
            // The rectangle tool's, filled, as the Align tab sizes it.
            const QSizeF card = window->Front_card_Prop.Card_Size;
            const auto panel = addFilled(QRectF(0, 0, card.width() / 2, card.height()),
                                         kind == Card::DarkPanel ? QColor(0x1f, 0x4e, 0x79) : QColor(Qt::white));
            panel->_isDrawingStroke = true;
            panel->_strokeWidth = 1;
        }
        if (kind == Card::RightPanel) {
            // As the Align tab's fields put it, to a hundredth of a point:
            // a hair short of half the card, no backdrop.
            const QSizeF card = window->Front_card_Prop.Card_Size;
            addFilled(QRectF(121.33, 0, 121.31, card.height()), QColor(0x3b, 0x0d, 0x2e))->_isDrawingStroke = false;
        }
        if (kind == Card::DarkFoot || kind == Card::DarkRight) {
            // The rectangle tool's, filled, no border, as the Align tab places it.
            CardFace::install();
            const QSizeF card = window->Front_card_Prop.Card_Size;
            addFilled(kind == Card::DarkFoot ? QRectF(0, card.height() / 2, 153.07, card.height() / 2)
                                               : QRectF(card.width() / 2, 0, card.width() / 2, card.height()),
                      kind == Card::DarkFoot ? QColor(0x0b, 0x3d, 0x2e) : QColor(0x3b, 0x0d, 0x2e));
        }
        if (kind == Card::BrownPanel || kind == Card::FootBandUsersOwn || kind == Card::NavyTop) {
            const QSizeF card = window->Front_card_Prop.Card_Size;
            addFilled(kind == Card::BrownPanel ? QRectF(0, 0, card.width() / 2, card.height())
                      : kind == Card::NavyTop  ? QRectF(0, 0, card.width(), card.height() * 0.45)
                                                 : QRectF(0, card.height() / 2, card.width(), card.height() / 2),
                      kind == Card::BrownPanel ? QColor(0x4a, 0x1c, 0x0c)
                      : kind == Card::NavyTop  ? QColor(0x16, 0x24, 0x4f)
                                                 : QColor(0x12, 0x3a, 0x24))
                ->_isDrawingStroke = false;
        }
        if (kind == Card::FootBandUsersOwn) {
            // A Code 128 at the top left, a picture at the top right and a
            // signature under them, as the user left them.
            const auto code = code128("4711-0815", QPointF(6, 6));
            auto image = std::make_shared<SKTImage>();
            image->setFilePath(picture("logo.png", {30, 30}, QColor(90, 140, 200)), true);
            image->setBounds(QRectF(108, 6, 40, 40));
            auto signature = makeGraphic(GraphicKind::Signature);
            signature->setBounds(QRectF(60, 70, 80, 24));
            window->_graphicView->mutableGraphics() << code << image << signature;
        }
        if (kind == Card::DarkLeftPicture || kind == Card::DarkRightPicture) {
            QImage picture(1011, 638, QImage::Format_RGB32);
            picture.fill(QColor(0xf4, 0xf1, 0xe8));
            if (kind == Card::DarkLeftPicture)
                QPainter(&picture).fillRect(0, 0, 607, 638, QColor(0x23, 0x2b, 0x3a));
            else
                QPainter(&picture).fillRect(455, 0, 556, 638, QColor(0x2a, 0x1d, 0x3c));
            backgroundPicture(picture, QStringLiteral("split.png"));
        }
        if (kind == Card::DarkBelowADiagonal || kind == Card::Cr100DarkCorner || kind == Card::Cr80DarkCorner) {
            // A cream picture at 4 pixels a point, dark over a triangle: below
            // the diagonal from a quarter down the left edge to three
            // quarters along the foot, or over the top right corner.
            const QSizeF card = window->Front_card_Prop.Card_Size;
            QImage picture(QSize(int(card.width() * 4), int(card.height() * 4)), QImage::Format_RGB32);
            picture.fill(QColor(0xf4, 0xf1, 0xe8));
            const double w = picture.width(), h = picture.height();
            const QPolygonF dark = kind == Card::DarkBelowADiagonal
                                       ? QPolygonF({QPointF(0, h / 4), QPointF(0, h), QPointF(w * 3 / 4, h)})
                                       : QPolygonF({QPointF(w * 0.225, 0), QPointF(w, 0), QPointF(w, h * 0.775)});
            QPainter paint(&picture);
            paint.setRenderHint(QPainter::Antialiasing);
            paint.setPen(Qt::NoPen);
            paint.setBrush(QColor(0x23, 0x2e, 0x1d));
            paint.drawPolygon(dark);
            paint.end();
            backgroundPicture(picture, QStringLiteral("diagonal.png"));
        }
        if (kind == Card::DarkEllipse) {
            auto ellipse = std::make_shared<Shape_Control>(ShapeCode::Circle);
            ellipse->setBounds(QRectF(55, 0, 202, 216));
            ellipse->_isDrawingFill = true;
            ellipse->_fillColor = QColor(0x41, 0x22, 0x0f);
            ellipse->_isDrawingStroke = false;
            window->_graphicView->mutableGraphics() << ellipse;
        }
        if (kind == Card::NightWithLightSpots) {
            QImage picture(1011, 638, QImage::Format_RGB32);
            picture.fill(QColor(0x1a, 0x2a, 0x4a));
            for (const QRect& spot : {QRect(60, 160, 285, 130), QRect(640, 420, 285, 130)})
                QPainter(&picture).fillRect(spot, QColor(0xf4, 0xf1, 0xe8));
            backgroundPicture(picture, QStringLiteral("spots.png"));
        }
        if (kind == Card::Crowded) {
            text(QRectF(8, 6, 137, 0), 12, "TIDE HALL - BAY 3", Qt::black);
            text(QRectF(8, 220.6, 60, 0), 10, "Crew C", Qt::black);
            addFilled(QRectF(105, 194.6, 40, 40), QColor(200, 60, 60));
        }
        if (kind == Card::UsersOwn || kind == Card::DarkUsersOwn) {
            // A heading of the user's and a tinted panel at the top right;
            // or a white heading and a filled square on a night-blue card.
            const bool dark = kind == Card::DarkUsersOwn;
            auto heading = std::make_shared<SKTText>();
            heading->setBounds(dark ? QRectF(60, 3, 150, 0) : QRectF(8, 6, 120, 0));
            heading->text_ctrl_font.setPointSizeF(12);
            heading->Set_text_value(dark ? "SYNCHROTRON ACCESS" : "ACME HEADQUARTERS");
            heading->txt_clr = dark ? Qt::white : Qt::black;
            heading->setHeight(fittedTextHeight(*heading));
            window->_graphicView->mutableGraphics() << heading;
            addFilled(dark ? QRectF(177, 89, 50, 50) : QRectF(150, 10, 80, 60),
                      dark ? QColor(230, 140, 40) : QColor(220, 230, 245));
            if (dark) {
                CardFace::install();
                window->Front_card_Prop.Card_fill_clr = QColor(0x1a, 0x23, 0x40);
            }
        }
    }
};

}  // namespace zelk::test::stamped

// The roads that give a design's boxes new values, each on a design where
// the order of its values or the ground under a row decides where a value
// goes: a stamping and a group row let every box grow for its own value
// before one that outgrew its box moves (a group row after another starting
// again from the design's boxes), and a row the user placed widens only
// onto ground where it reads.
#include "FieldsOnDesignsSupport.h"

#include "datasource/Data_From_Excel.h"
#include "foundation/SKTText.h"
#include "groups/GroupMode.h"

namespace zelk::test {
namespace {

TEST_F(FieldsOnDesigns, EachRoadOfAnOutgrownValueKeepsItsRule) {
    enum class Road { Stamp, GroupRow, GroupRowAfterAnother, DeskRow };
    struct Row {
        const char* rule;
        Road road;
    };
    const Row rows[] = {
        {"AStampingLetsEveryBoxGrowBeforeAnOutgrownValueMoves", Road::Stamp},
        {"AGroupRowLetsEveryBoxGrowBeforeAnOutgrownValueMoves", Road::GroupRow},
        {"AGroupRowOfShortValuesAfterAnotherTakesTheDesignsBoxes", Road::GroupRowAfterAnother},
        {"ARowTheUserPutOnABandWidensOnlyWhereItReads", Road::DeskRow},
    };
    // A company of one word too wide for its box, whose nearest clear place
    // is the room under the address's box, which the address's lines need.
    const QString company = "HarbourlineFreightLogistics", address = "1200 Harbour View Boulevard, Suite 4500, Portsmouth";
    const QRectF companyBox(10, 10, 40, 15), addressBox(10, 70, 120, 15);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        newCard(0, Cr80);
        if (r.road == Road::DeskRow) {
            // A pale band at the foot's left, on a navy ground: what the
            // user drags onto the band and types on widens along the band.
            const QRectF band(0, Cr80.height() - 30, 120, 30);
            addFilled(band, QColor(250, 235, 200));
            addFilled(QRectF(QPointF(0, 0), Cr80), QColor(20, 30, 90));
            deskMode();
            addRow({"F_field1", "F_label1", "EB-0042", "Escort Badge :"});
            const auto value = front("F_field1");
            ASSERT_TRUE(value);
            value->setBounds(QRectF(QPointF(40, Cr80.height() - 24), value->bounds().size()));
            type(rowBox("F_field1"), " - north gate, guest parking", false);
            EXPECT_EQ(value->bounds().topLeft(), QPointF(40, Cr80.height() - 24));
            EXPECT_LE(value->drawingBounds().right(), band.right() + 0.01) << rectText(value->bounds()).toStdString();
            continue;
        }
        for (const auto& [id, box] : {std::pair(Fup_Company, companyBox), std::pair(Fup_Address, addressBox)}) {
            auto t = std::make_shared<SKTText>();
            t->text_ctrl_font.setPointSizeF(12);
            t->control_ID = id;
            t->Set_text_value("x");
            t->setBounds(box);
            window->_graphicView->mutableGraphics() << t;
        }
        for (const QRectF& s : {QRectF(52, 0, 190, 66), QRectF(0, 30, 52, 36), QRectF(132, 66, 110, 20)})
            addFilled(s, QColor(200, 220, 240));
        QList<HolderSample> values = holderSamples();
        values[SlotCompany] = {Fup_Company, Fup_lbl_Company, company, ""};
        values[SlotAddress] = {Fup_Address, Fup_lbl_Address, address, ""};
        if (r.road == Road::Stamp) {
            stamp({SlotCompany, SlotAddress}, values, false);
        } else {
            GroupMode::install(*window);
            Data_From_Excel::defaultInstance()->clearRows();
            Data_From_Excel::defaultInstance()->removeDataColumns();
            ::Start_Card_Option = StartMode::GroupList;
            window->Reset_Group_Mode_Excel_Col_Index();
            window->excel_cb_value[size_t(SlotCompany)] = 1;
            window->excel_cb_value[size_t(SlotAddress)] = 2;
            window->Create_Excel_List_Func({"Company", "Address"}, {{company, address}});
            window->Update_Excel_Column_Binding(QStringLiteral("A"));
        }
        // The address grew in its box at its own size; the company went
        // elsewhere.
        const auto moved = front(Fup_Company), grown = front(Fup_Address);
        ASSERT_TRUE(moved && grown);
        EXPECT_EQ(moved->Text_Value, company);
        EXPECT_EQ(grown->Text_Value, address);
        EXPECT_EQ(grown->bounds().topLeft(), addressBox.topLeft());
        EXPECT_GT(drawnShare(*grown), 0.99)
            << rectText(grown->bounds()).toStdString() << " under " << rectText(moved->bounds()).toStdString();
        EXPECT_NE(moved->bounds().topLeft(), companyBox.topLeft()) << rectText(moved->bounds()).toStdString();
        EXPECT_EQ(overlapsOn(window->Get_Front_Controls_Array(), Cr80).join(" | ").toStdString(), "");
        if (r.road == Road::GroupRowAfterAnother) {
            // The project's workbook updated with values each box holds
            // on its line: at its place and width (its height its lines').
            window->Create_Excel_List_Func({"Company", "Address"}, {{"Acme", "1 Elm St"}});
            window->Update_Excel_Column_Binding(QStringLiteral("U"));
            for (const auto& [g, box] : {std::pair(moved, companyBox), std::pair(grown, addressBox)}) {
                EXPECT_EQ(g->bounds().topLeft(), box.topLeft()) << rectText(g->bounds()).toStdString();
                EXPECT_EQ(g->bounds().width(), box.width()) << rectText(g->bounds()).toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace zelk::test

// The export window's range fields as the user types, and the range a run
// takes from them.
#include "ExportTestSupport.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace zelk;
using namespace zelk::test;

TEST(ExportWindow, RangeFieldsFollowTheTypingRules) {
    ExportWindow w;
    Total_Batch_Excel_Card = 120;
    int recounts = 0;
    w.recount = [&] { ++recounts; };
    w.resetForExport(true, false, true, false);
    const struct {
        const char* field;
        const char* typed;
        bool series;
        const char* shown;  // from the edge cases of the range fields
    } cases[] = {
        {"total", "0", true, "1"},      {"total", "", true, "1"},       {"total", "500", true, "120"},
        {"total", "500", false, "500"}, {"to", "500", false, "120"},    {"to", "500", true, "120"},
        {"from", "abc", true, "1"},     {"from", "500", true, "120"},   {"from", "7x", true, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        if (w.Export_with_batch_chk->isChecked() != c.series)
            w.Export_with_batch_chk->click();
        QLineEdit* field = c.field == std::string("total") ? w.Total_Text
                           : c.field == std::string("to")  ? w.To_Text
                                                           : w.from_Text;
        field->setText(QString::fromLatin1(c.typed));
        emit field->textEdited(field->text());
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
    }
    EXPECT_EQ(w.from_Stepper->value(), 7);
    EXPECT_EQ(recounts, 2);  // the series box went off and on again

    // Without data values the total is one card and the range reaches 999999.
    w.Export_with_batch_chk->click();
    EXPECT_EQ(Total_Label, 1);
    EXPECT_EQ(w.Total_Text->text(), "1");
    EXPECT_EQ(w.To_Stepper->maximum(), 999999);
    EXPECT_FALSE(w.export_range_box->isEnabled());
}

TEST(ExportWindow, TheRangeReachesOnlyTheRowsOfTheData) {
    ExportWindow w;
    Total_Batch_Excel_Card = 120;
    w.resetForExport(false, false, false, true);
    EXPECT_FALSE(w.matrix_export_card_side->button(0)->isEnabled());  // one-sided card
    EXPECT_EQ(export_card_side, "F");
    ASSERT_TRUE(w.applyRange());
    EXPECT_EQ(Print_Start, 0);
    EXPECT_EQ(Total_Label, 120);
    w.Sel_print_rd->click();
    const struct {
        const char *from, *to;
        int start, end;  // Print_Start (0-based) and Total_Label
    } cases[] = {{"3", "5", 2, 5}, {"-4", "2", 0, 2}, {"-9", "-2", 0, 1}, {"100", "900", 99, 120}};
    for (const auto& c : cases) {
        w.from_Text->setText(c.from);
        w.To_Text->setText(c.to);
        ASSERT_TRUE(w.applyRange()) << c.from;
        EXPECT_EQ(Print_Start, c.start) << c.from;
        EXPECT_EQ(Total_Label, c.end) << c.from;
    }
}

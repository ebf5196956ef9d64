#pragma once
// The print window over a temporary data folder (with the shipped Default
// profile), the marked test card as the design, a batch the test sets, and
// the user played by the test.
#include "../mainwindow/MainWindowTestSupport.h"
#include "PrintTestSupport.h"

#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "production/PrintGlobals.h"
#include "production/Print_Wnd.h"

#include <QTemporaryDir>
#include <functional>

namespace zelk::test {

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        AppPaths::initWithRoots(resourceDir(), data.path());
        Check_Path_And_Create_Files();
        resetPrintGlobals();
        printInfo = PrintInfo();
        CARD_SIDE_STR = QStringLiteral("2");
        Start_Card_Option = QStringLiteral("L");
        w = Print_Wnd::defaultInstance();
        w->designSide = [this](int side) { return card.side(side); };
        // The batch the design holds, as the window's check boxes allow it.
        w->cardSource = [this](bool withSeries, bool withExcel) {
            PrintCardSource b = batch;
            b.Use_Data_Sheet_Values &= withSeries;
            b.Use_Excel_Binding_Values &= withExcel;
            if (!b.usesData())
                b.Total_Batch_Excel_Card = 1;
            return b;
        };
    }
    void TearDown() override {
        w->designSide = nullptr;
        w->cardSource = nullptr;
    }

    // Opens the window and plays `user` in it; other dialogs go to `others`
    // (cancelled when not given). The window then closes.
    void play(const std::function<void(Print_Wnd&)>& user, const std::function<int(QDialog*)>& others = {}) {
        ScopedDialogRunner runner([&](QDialog* d) {
            if (d == w) {
                user(*w);
                return 0;
            }
            return others ? others(d) : 0;
        });
        EXPECT_TRUE(w->Open_Print_Wnd());
    }

    QTemporaryDir data;
    MarkedCard card;
    PrintCardSource batch;
    Print_Wnd* w = nullptr;

private:
    ScopedServices quiet_;

protected:
    ScriptedSink sink;
};

}  // namespace zelk::test

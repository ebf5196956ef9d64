// The unit window rewrites the card size fields and the captions in the
// chosen unit; the grid window works on the window's grid and the grid-align
// button follows the grid.
#include "../mainwindow/MainWindowTestSupport.h"

#include "canvas/SKTGrid.h"
#include "dialogs/DialogRunner.h"
#include "inspector/UnitWindow.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Grid_Wizard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using namespace zelk::test;
using W = SKTWindowController;

namespace {

using UnitsAndGrid = MainWindowTest;

TEST_F(UnitsAndGrid, UnitWindowRewritesFieldsAndCaptions) {
    W& w = open();
    QDoubleSpinBox width;
    width.setDecimals(7);
    width.setRange(0, 1000);
    width.setValue(85.6);
    int sizeActions = 0;
    QObject::connect(&width, &QDoubleSpinBox::valueChanged, [&] { ++sizeActions; });
    w.registerCardSizeFields(&width, nullptr);
    QLabel x, length;
    QGroupBox title;
    w.registerUnitCaption(&x, W::UnitCaption::Position);
    w.registerUnitCaption(&length, W::UnitCaption::Length);
    w.registerUnitCaption(&title, W::UnitCaption::CardSizeTitle);
    EXPECT_EQ(length.text(), QStringLiteral("(mm)"));

    // 85.6 x 0.03937008 and back x 25.4, in single precision.
    const struct {
        int row;
        bool ok;
        float width;
        const char* caption;
    } steps[] = {
        {0, true, 3.3700786f, "in"},
        {1, false, 3.3700786f, "in"},  // Cancel
        {0, true, 3.3700786f, "in"},   // the same unit: factor 1, captions rewritten
        {2, true, 85.59999f, "mm"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "row " << s.row << (s.ok ? " OK" : " Cancel"));
        length.clear();
        zelk::test::ScopedDialogRunner runner([&](QDialog* dialog) {
            EXPECT_EQ(w.Unit_PrefWindow->unit_matrix->checkedId(), ::Measument_Unit_Is);
            w.Unit_PrefWindow->unit_matrix->button(s.row)->click();
            (s.ok ? w.Unit_PrefWindow->ok : w.Unit_PrefWindow->cancel)->click();
            return dialog->result();
        });
        w.doPreferences();
        EXPECT_EQ(float(width.value()), s.width);
        EXPECT_EQ(length.text(), s.ok ? QStringLiteral("(%1)").arg(s.caption) : QString());
        EXPECT_EQ(title.title(), QStringLiteral("Card Size (%1)").arg(s.caption));
        EXPECT_EQ(x.text(), QStringLiteral("(pt)"));
        EXPECT_EQ(::last_unit_val, ::Measument_Unit_Is);
    }
    EXPECT_EQ(sizeActions, 0) << "a unit change does not resize the card";
}

TEST_F(UnitsAndGrid, GridWindowLoadsTheGridAndTheAlignButtonFollowsIt) {
    W& w = open();
    QPushButton alignWithGrid;
    alignWithGrid.setEnabled(false);
    w.Align_with_grid_btn = &alignWithGrid;
    w.grid()->setSpacing(18);
    for (bool shown : {true, false}) {
        zelk::test::ScopedDialogRunner runner([&](QDialog*) {
            Grid_Wizard* g = Grid_Wizard::defaultInstance();
            EXPECT_EQ(g->Grid_Space_slidr->value(), 18);
            EXPECT_EQ(g->Grid_Space_val->text(), QStringLiteral("18 pt"));
            EXPECT_EQ(g->Show_hide_grid_chk->isChecked(), !shown);
            g->Show_hide_grid_chk->setChecked(shown);
            return 0;  // Cancel keeps what was changed
        });
        w.toggleGridShowing();
        EXPECT_EQ(w.grid()->isAlwaysShown(), shown);
        EXPECT_EQ(alignWithGrid.isEnabled(), shown);
    }
    w.Align_with_grid_btn = nullptr;

    // The value beside the slider follows it.
    zelk::test::ScopedDialogRunner runner([](QDialog*) {
        Grid_Wizard* g = Grid_Wizard::defaultInstance();
        g->Grid_Space_slidr->setValue(36);
        EXPECT_EQ(g->Grid_Space_val->text(), QStringLiteral("36 pt"));
        return 1;
    });
    w.toggleGridShowing();
    EXPECT_DOUBLE_EQ(w.grid()->spacing(), 36.0);
}

// The desktop's title bar names the window and then the application, in
// bold, beside its buttons: both windows are wide enough to show it whole.
TEST_F(UnitsAndGrid, TheWindowsAreWideEnoughForTheirWholeTitles) {
    zelk::UnitWindow units;
    for (QDialog* d : {static_cast<QDialog*>(&units), static_cast<QDialog*>(Grid_Wizard::defaultInstance())}) {
        SCOPED_TRACE(d->windowTitle().toStdString());
        QFont bold = d->font();
        bold.setBold(true);
        const int title =
            QFontMetrics(bold).horizontalAdvance(d->windowTitle() + QStringLiteral(" \u2014 Zelk ID Card"));
        d->adjustSize();
        EXPECT_GE(d->width(), title + 100);
    }
}

}  // namespace

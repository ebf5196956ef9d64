// The main window's unit and grid settings: the unit captions, the card size
// fields rewritten in a new unit, the unit window, and the grid window and
// snapping on the grid the three canvases share.
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGrid.h"
#include "canvas/SKTZoomingScrollView.h"
#include "dialogs/DialogRunner.h"
#include "foundation/Units.h"
#include "inspector/SizeField.h"
#include "inspector/UnitWindow.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Grid_Wizard.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QString unitName(int unit) {
    switch (unit) {
    case 0: return QStringLiteral("in");
    case 1: return QStringLiteral("cm");
    default: return QStringLiteral("mm");
    }
}

QString captionText(SKTWindowController::UnitCaption kind, int unit) {
    switch (kind) {
    case SKTWindowController::UnitCaption::Position: return QStringLiteral("(pt)");
    case SKTWindowController::UnitCaption::Length: return QStringLiteral("(%1)").arg(unitName(unit));
    case SKTWindowController::UnitCaption::CardSizeTitle: return QStringLiteral("Card Size (%1)").arg(unitName(unit));
    }
    return {};
}

void writeCaption(QWidget* caption, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(caption))
        label->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(caption))
        box->setTitle(text);
}

}  // namespace

void SKTWindowController::registerUnitCaption(QWidget* caption, UnitCaption kind) {
    if (!caption)
        return;
    unitCaptions_.append({caption, kind});
    writeCaption(caption, captionText(kind, ::Measument_Unit_Is));
}

void SKTWindowController::registerCardSizeFields(QDoubleSpinBox* width, QDoubleSpinBox* height) {
    cardWidthField_ = width;
    cardHeightField_ = height;
    for (QDoubleSpinBox* field : {width, height})
        if (auto* size = qobject_cast<SizeField*>(field))
            size->setUnit(Measument_Unit_Is());
}

void SKTWindowController::_setLabels() {
    for (const auto& [caption, kind] : unitCaptions_)
        if (caption)
            writeCaption(caption, captionText(kind, ::Measument_Unit_Is));
}

void SKTWindowController::Apply_unit_Chaneg_Values() {
    const float factor = Get_Unit_Convertor(::last_unit_val, ::Measument_Unit_Is);
    for (QDoubleSpinBox* field : {cardWidthField_.data(), cardHeightField_.data()}) {
        if (!field)
            continue;
        // The same size written in another unit: no size change to act on.
        const QSignalBlocker quiet(field);
        if (auto* size = qobject_cast<SizeField*>(field))
            size->setUnit(Measument_Unit_Is());
        field->setValue(float(field->value()) * factor);
    }
}

void SKTWindowController::doPreferences() {
    if (!Unit_PrefWindow) {
        Unit_PrefWindow = new zelk::UnitWindow(this);
        connect(Unit_PrefWindow->ok, &QPushButton::clicked, this, &SKTWindowController::prefsOkay);
    }
    if (QAbstractButton* row = Unit_PrefWindow->unit_matrix->button(::Measument_Unit_Is))
        row->setChecked(true);
    if (zelk::DialogRunner::run(Unit_PrefWindow) == 1)
        On_OK_of_Unit_Panel();
}

void SKTWindowController::prefsOkay() {
    if (Unit_PrefWindow)
        Unit_PrefWindow->done(1);
    Show_RHS_Properties(nullptr);
}

void SKTWindowController::On_OK_of_Unit_Panel() {
    const int chosen = Unit_PrefWindow ? Unit_PrefWindow->unit_matrix->checkedId() : -1;
    if (chosen >= 0)
        ::Measument_Unit_Is = chosen;
    _setLabels();
    Apply_unit_Chaneg_Values();
    ::last_unit_val = ::Measument_Unit_Is;
    // The rulers measure in the unit the fields show.
    for (SKTZoomingScrollView* view : {first_view, second_view, temp_design_view})
        view->setRulerUnit(Measument_Unit_Is());
    Show_RHS_Properties(nullptr);
}

void SKTWindowController::toggleGridShowing() {
    Grid_Wizard* window = Grid_Wizard::defaultInstance();
    window->setGrid(grid_);
    // The window's changes take effect at once: its result changes nothing.
    window->Open_Wnd();
    window->setGrid(nullptr);
}

void SKTWindowController::toggleGridConstraining() {
    grid_->setConstraining(!grid_->isConstraining());
}

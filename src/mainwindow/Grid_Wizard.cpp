#include "mainwindow/Grid_Wizard.h"

#include "canvas/SKTGrid.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

Grid_Wizard* Grid_Wizard::defaultInstance() {
    static Grid_Wizard* instance = new Grid_Wizard();
    return instance;
}

Grid_Wizard::Grid_Wizard(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Grid"));
    zelk::keepTitleWhole(this);
    auto* layout = new QVBoxLayout(this);
    Show_hide_grid_chk = new QCheckBox(QStringLiteral("Show grid"), this);
    layout->addWidget(Show_hide_grid_chk);
    Grid_Opt_box = new QGroupBox(this);
    auto* form = new QFormLayout(Grid_Opt_box);
    Grid_clr = new QPushButton(Grid_Opt_box);
    Grid_clr->setFixedWidth(60);
    form->addRow(QStringLiteral("Colour"), Grid_clr);
    Grid_Space_slidr = new QSlider(Qt::Horizontal, Grid_Opt_box);
    Grid_Space_slidr->setRange(2, 72);
    Grid_Space_val = new QLabel(Grid_Opt_box);
    // Room for the widest value, so the slider does not move as it changes.
    Grid_Space_val->setMinimumWidth(Grid_Space_val->fontMetrics().horizontalAdvance(QStringLiteral("72 pt")));
    auto* spacing = new QHBoxLayout;
    spacing->addWidget(Grid_Space_slidr, 1);
    spacing->addWidget(Grid_Space_val);
    form->addRow(QStringLiteral("Spacing"), spacing);
    layout->addWidget(Grid_Opt_box);
    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);

    connect(Show_hide_grid_chk, &QCheckBox::toggled, this, &Grid_Wizard::Grid_Show_Hide_Changed);
    connect(Grid_Space_slidr, &QSlider::valueChanged, this, &Grid_Wizard::Grid_Slider_Changed);
    connect(Grid_clr, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(grid_ ? grid_->color() : QColor(Qt::gray), this);
        if (chosen.isValid())
            Grid_Clr_Changed(chosen);
    });
    connect(ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
}

void Grid_Wizard::showColor(const QColor& color) {
    Grid_clr->setStyleSheet(QStringLiteral("background-color: %1;").arg(color.name()));
}

void Grid_Wizard::showSpacing(int spacing) {
    Grid_Space_val->setText(QStringLiteral("%1 pt").arg(spacing));
}

void Grid_Wizard::loadFromGrid() {
    if (!grid_)
        return;
    const QSignalBlocker b1(Show_hide_grid_chk);
    const QSignalBlocker b2(Grid_Space_slidr);
    showColor(grid_->_color);
    Grid_Space_slidr->setValue(int(std::lround(grid_->_spacing)));
    showSpacing(Grid_Space_slidr->value());
    Show_hide_grid_chk->setChecked(grid_->isAlwaysShown());
    Grid_Opt_box->setEnabled(grid_->isAlwaysShown());
}

int Grid_Wizard::Open_Wnd() {
    loadFromGrid();
    return zelk::DialogRunner::run(this);
}

void Grid_Wizard::Grid_Clr_Changed(const QColor& color) {
    showColor(color);
    if (!grid_)
        return;
    grid_->setColor(color);
    grid_->setAlwaysShown(true);
}

void Grid_Wizard::Grid_Slider_Changed(int spacing) {
    showSpacing(spacing);
    if (!grid_)
        return;
    grid_->setSpacing(spacing);
    grid_->setAlwaysShown(true);
}

void Grid_Wizard::Grid_Show_Hide_Changed(bool shown) {
    Grid_Opt_box->setEnabled(shown);
    if (grid_)
        grid_->setAlwaysShown(shown);
}

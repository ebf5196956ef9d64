#include "inspector/SignaturePanel.h"

#include "dialogs/TextBox.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/ColorWell.h"
#include "inspector/InspectorRules.h"
#include "inspector/PanelKit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

using namespace zelk;

SignaturePanel::SignaturePanel(QWidget* shelf) : QObject(shelf) {
    sign_tab = new QWidget(shelf);
    QBoxLayout* page = makePage(sign_tab);
    auto* file = new QGroupBox(QStringLiteral("Picture (PNG)"));
    auto* fileLayout = new QVBoxLayout(file);
    Sign_image_path = new zelk::TextBox;
    Sign_image_path->setReadOnly(true);
    Sign_image_path->setFixedHeight(48);
    fileLayout->addWidget(Sign_image_path);
    sign_browse_btn = new QPushButton(QStringLiteral("Browse..."));
    fileLayout->addWidget(inRow({sign_browse_btn}));
    page->addWidget(file);

    Sign_border_chk = new QCheckBox(QStringLiteral("Border"));
    page->addWidget(Sign_border_chk);
    Sign_Border_Box = new QGroupBox;
    QFormLayout* border = makeBoxForm(Sign_Border_Box);
    Sign_bor_Stepper = makeSpin(0, 50);
    border->addRow(QStringLiteral("Width (pt)"), Sign_bor_Stepper);
    Sign_bordr_clr = new ColorWell;
    border->addRow(QStringLiteral("Colour"), Sign_bordr_clr);
    Sign_border_style = makeCombo(dashStyleItems());
    border->addRow(QStringLiteral("Style"), Sign_border_style);
    page->addWidget(Sign_Border_Box);
    page->addStretch(1);
}

void SignaturePanel::load(const SKTGraphic& g) {
    setQuietly(Sign_image_path, g._file_path);
    setQuietly(Sign_border_chk, g._isDrawingStroke);
    SetObjEnabled(Sign_Border_Box, g._isDrawingStroke);
    setQuietly(Sign_bor_Stepper, wholeWidth(g._strokeWidth));
    setQuietly(Sign_bordr_clr, g._strokeColor);
    if (const int dash = dashIndexOfCode(g._stroke_border_type); dash >= 0)
        Sign_border_style->setCurrentIndex(dash);
}

void SignaturePanel::writeTo(SKTGraphic& g) const {
    g._isDrawingStroke = Sign_border_chk->isChecked();
    if (g._isDrawingStroke) {
        g._strokeColor = Sign_bordr_clr->color();
        g._strokeWidth = Sign_bor_Stepper->value();
    }
    g._stroke_border_type = dashCodeOfIndex(Sign_border_style->currentIndex());
}

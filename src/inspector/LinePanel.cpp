#include "inspector/LinePanel.h"

#include "foundation/SKTGraphic.h"
#include "inspector/ColorWell.h"
#include "inspector/InspectorRules.h"
#include "inspector/PanelKit.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>

using namespace zelk;

LinePanel::LinePanel(QWidget* shelf) : QObject(shelf) {
    line_tab = new QWidget(shelf);
    QBoxLayout* page = makePage(line_tab);
    auto* box = new QGroupBox(QStringLiteral("Line"));
    QFormLayout* form = makeBoxForm(box);
    Line_clr = new ColorWell;
    form->addRow(QStringLiteral("Colour"), Line_clr);
    Line_Wdt_Stepper = makeSpin(0, 50);
    form->addRow(QStringLiteral("Width (pt)"), Line_Wdt_Stepper);
    Line_border_style = makeCombo(dashStyleItems());
    form->addRow(QStringLiteral("Style"), Line_border_style);
    Line_ori_style = makeCombo(lineOrientationItems());
    form->addRow(QStringLiteral("Orientation"), Line_ori_style);
    Line_cap_style = makeCombo(lineCapItems());
    form->addRow(QStringLiteral("Cap"), Line_cap_style);
    Line_alpha_Stepper = makeSpin(0, 100);
    form->addRow(QStringLiteral("Opacity (%)"), Line_alpha_Stepper);
    page->addWidget(box);
    page->addStretch(1);
}

void LinePanel::load(const SKTGraphic& g) {
    setQuietly(Line_Wdt_Stepper, wholeWidth(g._strokeWidth));
    setQuietly(Line_clr, g._strokeColor);
    if (const int dash = dashIndexOfCode(g._stroke_border_type); dash >= 0)
        Line_border_style->setCurrentIndex(dash);
    Line_ori_style->setCurrentIndex(g._line_ori);
    Line_cap_style->setCurrentIndex(g._line_cap_style);
    setQuietly(Line_alpha_Stepper, percentOfFraction(g.alpha_val_stroke));
}

void LinePanel::writeTo(SKTGraphic& g) const {
    g._isDrawingStroke = true;
    g._strokeColor = Line_clr->color();
    g._strokeWidth = Line_Wdt_Stepper->value();
    g._stroke_border_type = dashCodeOfIndex(Line_border_style->currentIndex());
    g._line_cap_style = std::max(0, Line_cap_style->currentIndex());
    g._line_ori = std::max(0, Line_ori_style->currentIndex());
    g.alpha_val_stroke = float(Line_alpha_Stepper->value()) / 100.0f;
}

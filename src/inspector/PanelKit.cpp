#include "inspector/PanelKit.h"

#include "inspector/ColorWell.h"
#include "inspector/DoubleSlider.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelk {

QSpinBox* makeSpin(int minimum, int maximum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setKeyboardTracking(false);
    spin->setAccelerated(true);
    return spin;
}

QString trimmedNumberText(const QLocale& locale, double value, int decimals) {
    QString text = locale.toString(value, 'f', decimals);
    const QChar point = locale.decimalPoint().front();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(1);
    }
    return text;
}

namespace {
class TrimmedDoubleSpin : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QString textFromValue(double value) const override { return trimmedNumberText(locale(), value, decimals()); }
};
}  // namespace

QDoubleSpinBox* makeDoubleSpin(double minimum, double maximum, int decimals, QWidget* parent) {
    auto* spin = new TrimmedDoubleSpin(parent);
    spin->setDecimals(decimals);
    spin->setRange(minimum, maximum);
    spin->setKeyboardTracking(false);
    spin->setAccelerated(true);
    return spin;
}

QComboBox* makeCombo(const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    fillCombo(combo, items);
    return combo;
}

QBoxLayout* makePage(QWidget* page) {
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* column = new QWidget;
    scroll->setWidget(column);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    return layout;
}

QFormLayout* makeBoxForm(QGroupBox* box) {
    auto* form = new QFormLayout(box);
    form->setContentsMargins(8, 6, 8, 6);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

QWidget* inRow(std::initializer_list<QWidget*> widgets, bool stretch) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretch)
        layout->addStretch(1);
    return row;
}

void fillCombo(QComboBox* combo, const QStringList& items) {
    // Qt selects item 0 when items come into an empty combo; the platform
    // the panels come from selects nothing.
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

void setQuietly(QSpinBox* spin, int value) {
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}

void setQuietly(QDoubleSpinBox* spin, double value) {
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}

void setQuietly(QSlider* slider, int value) {
    const QSignalBlocker blocker(slider);
    slider->setValue(value);
}

void setQuietly(DoubleSlider* slider, double value) {
    const QSignalBlocker blocker(slider);
    slider->setDoubleValue(value);
}

void setQuietly(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void setQuietly(QPlainTextEdit* edit, const QString& text) {
    const QSignalBlocker blocker(edit);
    edit->setPlainText(text);
}

void setQuietly(ColorWell* well, const QColor& color) {
    well->setColor(color);
}

int stateOf(const QAbstractButton* button) {
    return button->isChecked() ? 1 : 0;
}

}  // namespace zelk

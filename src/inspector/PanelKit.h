#pragma once
// Small pieces the inspector's panels are built from, and the program's
// quiet writes into them: a value loaded by the program sets off no action,
// as in the platform the panels come from; only the combo boxes announce
// the program's selections (their handlers test Not_Draw_Only_Prop_Change).
#include <QString>
#include <QStringList>

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLocale;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QWidget;
class ColorWell;
class DoubleSlider;

namespace zelk {

// A text field and its stepper in one: a typed value is the value written.
// Keyboard tracking is off, so typing announces one value, when it is done.
QSpinBox* makeSpin(int minimum, int maximum, QWidget* parent = nullptr);
QDoubleSpinBox* makeDoubleSpin(double minimum, double maximum, int decimals, QWidget* parent = nullptr);
// A value with up to `decimals` decimals and no trailing zeros, so a size
// in inches reads 3.3700786 while 85.6 mm reads 85.6.
QString trimmedNumberText(const QLocale& locale, double value, int decimals);
QComboBox* makeCombo(const QStringList& items, QWidget* parent = nullptr);
// A page of the inspector: a scrolling column; returns the column's layout.
QBoxLayout* makePage(QWidget* page);
// A titled box with a form inside; returns the form.
QFormLayout* makeBoxForm(QGroupBox* box);
// Widgets side by side in one row.
QWidget* inRow(std::initializer_list<QWidget*> widgets, bool stretch = true);

// Fills a combo box from the program: afterwards nothing is selected, and
// no handler heard of it.
void fillCombo(QComboBox* combo, const QStringList& items);

// The program's writes, announced to nobody.
void setQuietly(QSpinBox* spin, int value);
void setQuietly(QDoubleSpinBox* spin, double value);
void setQuietly(QSlider* slider, int value);
void setQuietly(DoubleSlider* slider, double value);
void setQuietly(QAbstractButton* button, bool checked);
void setQuietly(QPlainTextEdit* edit, const QString& text);
void setQuietly(ColorWell* well, const QColor& color);

// 1 when the check box is on, else 0.
int stateOf(const QAbstractButton* button);

}  // namespace zelk

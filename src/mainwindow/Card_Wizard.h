#pragma once
// The card wizard's window: card category, size preset or a custom size in
// inches, centimetres or millimetres, orientation, sides and shape. OK
// checks the size; the caller reads choice() after a result of 1.
#include "mainwindow/CardWizard.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class QWidget;

class Card_Wizard : public QDialog {
    Q_OBJECT
public:
    static Card_Wizard* defaultInstance();

    int Open_Wnd();
    zelk::CardWizardChoice choice() const;

    // Actions.
    void Category_Changed(int item);
    void Preset_Changed(int item);
    void User_Profile_Click();
    void OK_Clicked();

    QComboBox* Category_ComboBox = nullptr;   // 0 plastic cards, 1 paper badge stocks
    QComboBox* Size_ComboBox = nullptr;       // the presets, then "Custom size"
    QWidget* custom_box = nullptr;
    QDoubleSpinBox* custom_width = nullptr;
    QDoubleSpinBox* custom_height = nullptr;
    QComboBox* Unit_ComboBox = nullptr;       // inch, cm, mm
    QRadioButton* landscape_btn = nullptr;
    QRadioButton* portrait_btn = nullptr;
    QComboBox* Sides_ComboBox = nullptr;      // 0 two-sided, else one-sided
    QComboBox* Shape_ComboBox = nullptr;      // rectangle, rounded, oval

private:
    explicit Card_Wizard(QWidget* parent = nullptr);
    bool customChosen() const;
};

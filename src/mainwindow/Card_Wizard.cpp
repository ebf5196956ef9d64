#include "mainwindow/Card_Wizard.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Services.h"
#include "foundation/Utilities.h"
#include "mainwindow/CardSizePresets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

Card_Wizard* Card_Wizard::defaultInstance() {
    static Card_Wizard* instance = new Card_Wizard();
    return instance;
}

Card_Wizard::Card_Wizard(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Card Wizard"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    Category_ComboBox = new QComboBox(this);
    Category_ComboBox->addItems({QStringLiteral("Plastic cards"), QStringLiteral("Paper badge stocks")});
    form->addRow(QStringLiteral("Card category"), Category_ComboBox);

    Size_ComboBox = new QComboBox(this);
    form->addRow(QStringLiteral("Card size"), Size_ComboBox);

    custom_box = new QWidget(this);
    auto* custom = new QHBoxLayout(custom_box);
    custom->setContentsMargins(0, 0, 0, 0);
    custom_width = new QDoubleSpinBox(custom_box);
    custom_height = new QDoubleSpinBox(custom_box);
    for (QDoubleSpinBox* s : {custom_width, custom_height}) {
        s->setDecimals(3);
        s->setRange(0, 10000);
    }
    custom_width->setValue(85.6);
    custom_height->setValue(54.0);
    Unit_ComboBox = new QComboBox(custom_box);
    Unit_ComboBox->addItems({QStringLiteral("inch"), QStringLiteral("cm"), QStringLiteral("mm")});
    Unit_ComboBox->setCurrentIndex(2);
    custom->addWidget(custom_width);
    custom->addWidget(new QLabel(QStringLiteral("x"), custom_box));
    custom->addWidget(custom_height);
    custom->addWidget(Unit_ComboBox);
    form->addRow(QStringLiteral("Custom size"), custom_box);

    auto* orientation = new QWidget(this);
    auto* orientationLayout = new QHBoxLayout(orientation);
    orientationLayout->setContentsMargins(0, 0, 0, 0);
    landscape_btn = new QRadioButton(QStringLiteral("Horizontal"), orientation);
    portrait_btn = new QRadioButton(QStringLiteral("Vertical"), orientation);
    auto* group = new QButtonGroup(this);
    group->addButton(landscape_btn);
    group->addButton(portrait_btn);
    landscape_btn->setChecked(true);
    orientationLayout->addWidget(landscape_btn);
    orientationLayout->addWidget(portrait_btn);
    orientationLayout->addStretch();
    form->addRow(QStringLiteral("Orientation"), orientation);

    Sides_ComboBox = new QComboBox(this);
    Sides_ComboBox->addItems({QStringLiteral("Two sides"), QStringLiteral("One side")});
    form->addRow(QStringLiteral("Sides"), Sides_ComboBox);

    Shape_ComboBox = new QComboBox(this);
    Shape_ComboBox->addItems({QStringLiteral("Rectangle"), QStringLiteral("Rounded rectangle"), QStringLiteral("Oval")});
    Shape_ComboBox->setCurrentIndex(1);
    form->addRow(QStringLiteral("Card shape"), Shape_ComboBox);
    layout->addLayout(form);

    auto* bottom = new QHBoxLayout;
    auto* profile = new QPushButton(QStringLiteral("Card Holder Profile"), this);
    bottom->addWidget(profile);
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, bottom);
    layout->addLayout(bottom);

    connect(Category_ComboBox, &QComboBox::currentIndexChanged, this, &Card_Wizard::Category_Changed);
    connect(Size_ComboBox, &QComboBox::currentIndexChanged, this, &Card_Wizard::Preset_Changed);
    connect(profile, &QPushButton::clicked, this, &Card_Wizard::User_Profile_Click);
    connect(ok, &QPushButton::clicked, this, &Card_Wizard::OK_Clicked);
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
    Category_Changed(0);
}

void Card_Wizard::Category_Changed(int item) {
    Size_ComboBox->clear();
    Size_ComboBox->addItems(item == 0 ? CardSizePresets::pvc_card_arry() : CardSizePresets::paper_card_arry());
    Size_ComboBox->addItem(QStringLiteral("Custom size"));
    Size_ComboBox->setCurrentIndex(0);
    Preset_Changed(0);
}

bool Card_Wizard::customChosen() const {
    return Size_ComboBox->currentIndex() == Size_ComboBox->count() - 1;
}

void Card_Wizard::Preset_Changed(int) {
    custom_box->setEnabled(customChosen());
}

zelk::CardWizardChoice Card_Wizard::choice() const {
    zelk::CardWizardChoice c;
    c.category = Category_ComboBox->currentIndex() == 0 ? 0 : 1;
    c.customSize = customChosen();
    c.presetIndex = c.customSize ? -1 : Size_ComboBox->currentIndex();
    c.customWidth = custom_width->value();
    c.customHeight = custom_height->value();
    c.customUnit = zelk::MeasureUnit(std::clamp(Unit_ComboBox->currentIndex(), 0, 2));
    c.orientation = portrait_btn->isChecked() ? QStringLiteral("V") : QStringLiteral("H");
    c.twoSided = Sides_ComboBox->currentIndex() == 0;
    c.cardShape = Shape_ComboBox->currentIndex();
    return c;
}

int Card_Wizard::Open_Wnd() {
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Card_Wizard::User_Profile_Click() {
    const QString total = CardWizard::totalSide(choice());
    if (const auto services = zelk::Services::current(); services->userProfile)
        services->userProfile(total);
}

void Card_Wizard::OK_Clicked() {
    const QString problem = CardWizard::validate(choice());
    if (!problem.isEmpty()) {
        Show_MessageBox(problem);
        return;
    }
    done(1);
}

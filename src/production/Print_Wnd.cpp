// The print window: its controls and their layout, opening and closing,
// and the printer and paper. The sheet layout and its controls are in
// Print_Wnd_Layout.cpp, the runs in Print_Wnd_Run.cpp, the print profiles in
// Print_Wnd_Profiles.cpp.
#include "production/Print_Wnd.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PageSetupPanel.h"
#include "foundation/Codes.h"
#include "foundation/Units.h"
#include "mainwindow/AppGlobals.h"
#include "production/PrintGlobals.h"
#include "production/PrintJobSettings.h"
#include "production/Sample_Preview.h"
#include "production/SheetLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

const QStringList Print_Wnd::bothSidesCodes = {QStringLiteral("UD"), QStringLiteral("U"), QStringLiteral("L"),
                                               QStringLiteral("DU"), QStringLiteral("DD")};
const QStringList Print_Wnd::oneSideCodes = {QStringLiteral("U"), QStringLiteral("D")};

Print_Wnd* Print_Wnd::defaultInstance() {
    static Print_Wnd* instance = new Print_Wnd();
    return instance;
}

Print_Wnd::Print_Wnd(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);
    buildLayout();
    connectControls();
    Print_Var = this;
}

// ---------------------------------------------------------------- layout

void Print_Wnd::buildLayout() {
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    auto lengthBox = [this](const char* name, double max) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setDecimals(2);
        box->setRange(0.0, max);
        box->setSingleStep(0.5);
        box->setSuffix(QStringLiteral(" mm"));
        return box;
    };
    auto countBox = [this](const char* name, int max) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(1, max);
        return box;
    };

    // Printer and paper.
    auto* printerBox = new QGroupBox(QStringLiteral("Printer and Paper"), this);
    auto* printerForm = new QFormLayout(printerBox);
    Printer_ComboBox = static_cast<QComboBox*>(named(new QComboBox(this), "Printer_ComboBox"));
    Orient_ComboBox = static_cast<QComboBox*>(named(new QComboBox(this), "Orient_ComboBox"));
    Orient_ComboBox->addItems({QStringLiteral("Portrait"), QStringLiteral("Landscape")});
    Paper_id = new QLabel(this);
    Size_id = new QLabel(this);
    l_mar_id = new QLabel(this);
    r_mar_id = new QLabel(this);
    t_mar_id = new QLabel(this);
    b_mar_id = new QLabel(this);
    page_setup_btn = new QPushButton(QStringLiteral("Page Setup..."), this);
    printerForm->addRow(QStringLiteral("Printer:"), Printer_ComboBox);
    auto* orientRow = new QHBoxLayout;
    orientRow->addWidget(Orient_ComboBox, 1);
    orientRow->addWidget(page_setup_btn);
    printerForm->addRow(QStringLiteral("Orientation:"), orientRow);
    printerForm->addRow(QStringLiteral("Paper:"), Paper_id);
    printerForm->addRow(QStringLiteral("Size (mm):"), Size_id);
    auto* margins = new QHBoxLayout;
    for (auto [caption, label] : {std::pair{"L", l_mar_id}, {"R", r_mar_id}, {"T", t_mar_id}, {"B", b_mar_id}}) {
        margins->addWidget(new QLabel(QLatin1String(caption) + QLatin1Char(':'), this));
        margins->addWidget(label);
    }
    margins->addStretch();
    printerForm->addRow(QStringLiteral("Margins (mm):"), margins);

    // Card size and grid.
    auto* gridBox = new QGroupBox(QStringLiteral("Card Layout"), this);
    auto* grid = new QGridLayout(gridBox);
    width_Stepper = lengthBox("width_Stepper", 2000);
    height_Stepper = lengthBox("height_Stepper", 2000);
    Row_Stepper = countBox("Row_Stepper", 999);
    Col_Stepper = countBox("Col_Stepper", 999);
    horz_mar_Stepper = lengthBox("horz_mar_Stepper", 1000);
    vert_mar_Stepper = lengthBox("vert_mar_Stepper", 1000);
    Side_Margin_Stepper = lengthBox("Side_Margin_Stepper", 1000);
    grid->addWidget(new QLabel(QStringLiteral("Width:"), this), 0, 0);
    grid->addWidget(width_Stepper, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Height:"), this), 0, 2);
    grid->addWidget(height_Stepper, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Rows:"), this), 1, 0);
    grid->addWidget(Row_Stepper, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Columns:"), this), 1, 2);
    grid->addWidget(Col_Stepper, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Horizontal gap:"), this), 2, 0);
    grid->addWidget(horz_mar_Stepper, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Vertical gap:"), this), 2, 2);
    grid->addWidget(vert_mar_Stepper, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("Side gap:"), this), 3, 0);
    grid->addWidget(Side_Margin_Stepper, 3, 1);

    // Centring, which fit to frame and duplex turn off; the alignment
    // buttons beside it stay.
    card_align_box = new QGroupBox(this);
    card_align_box->setObjectName(QStringLiteral("card_align_box"));
    card_align_box->setFlat(true);
    auto* centring = new QVBoxLayout(card_align_box);
    centring->setContentsMargins(0, 0, 0, 0);
    Auto_Center_chk_bx = new QCheckBox(QStringLiteral("Auto centre"), this);
    Auto_Center_chk_bx->setObjectName(QStringLiteral("Auto_Center_chk_bx"));
    centring->addWidget(new QLabel(QStringLiteral("Position on the sheet:"), this));
    centring->addWidget(Auto_Center_chk_bx);
    centring->addStretch();
    auto* alignRow = new QHBoxLayout;
    align_Gp_Bx = new QGroupBox(this);
    align_Gp_Bx->setObjectName(QStringLiteral("align_Gp_Bx"));
    auto* alignGrid = new QGridLayout(align_Gp_Bx);
    alignGrid->setSpacing(2);
    alignGrid->setContentsMargins(4, 4, 4, 4);
    for (int i = 0; i < 9; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("align_btn_%1").arg(i + 1));
        button->setIconSize(QSize(28, 28));
        button->setAutoRaise(true);
        align_btns[size_t(i)] = button;
        alignGrid->addWidget(button, i / 3, i % 3);
    }
    alignRow->addWidget(card_align_box);
    alignRow->addWidget(align_Gp_Bx);
    alignRow->addStretch();
    grid->addLayout(alignRow, 4, 0, 1, 4);

    // Sides and arrangement.
    auto* sideBox = new QGroupBox(QStringLiteral("Card Side"), this);
    auto* sideRow = new QHBoxLayout(sideBox);
    auto* sideColumn = new QVBoxLayout;
    matrix_card_side = new QButtonGroup(this);
    const char* sideTitles[] = {"Both sides", "Front", "Back"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QLatin1String(sideTitles[i]), this);
        radio->setObjectName(QStringLiteral("matrix_card_side_%1").arg(i));
        matrix_card_side->addButton(radio, i);
        sideColumn->addWidget(radio);
    }
    print_alignment = static_cast<QComboBox*>(named(new QComboBox(this), "print_alignment"));
    print_alignment->addItems({QStringLiteral("Back below, turned"), QStringLiteral("Back below"),
                               QStringLiteral("Back on the right"), QStringLiteral("Duplex, back upright"),
                               QStringLiteral("Duplex, back turned")});
    print_alignment_one_side = static_cast<QComboBox*>(named(new QComboBox(this), "print_alignment_one_side"));
    print_alignment_one_side->addItems({QStringLiteral("Upright"), QStringLiteral("Turned")});
    sideColumn->addWidget(print_alignment);
    sideColumn->addWidget(print_alignment_one_side);
    sideRow->addLayout(sideColumn, 1);
    print_align_demo_pic = new QLabel(this);
    print_align_demo_pic->setFixedSize(120, 76);
    sideRow->addWidget(print_align_demo_pic);

    // Options.
    auto* optionBox = new QGroupBox(QStringLiteral("Options"), this);
    auto* options = new QGridLayout(optionBox);
    fit_frame_chk = new QCheckBox(QStringLiteral("Fit to frame"), this);
    crop_mark_chk = new QCheckBox(QStringLiteral("Crop marks"), this);
    Show_Margins = new QCheckBox(QStringLiteral("Show card outlines"), this);
    mirror_chk_box = new QCheckBox(QStringLiteral("Mirror"), this);
    mirror_matrix = new QButtonGroup(this);
    auto* horizontal = new QRadioButton(QStringLiteral("Horizontal"), this);
    auto* vertical = new QRadioButton(QStringLiteral("Vertical"), this);
    mirror_matrix->addButton(horizontal, 0);
    mirror_matrix->addButton(vertical, 1);
    options->addWidget(fit_frame_chk, 0, 0);
    options->addWidget(crop_mark_chk, 0, 1);
    options->addWidget(Show_Margins, 0, 2);
    options->addWidget(mirror_chk_box, 1, 0);
    options->addWidget(horizontal, 1, 1);
    options->addWidget(vertical, 1, 2);

    // Data and range.
    export_range_box = new QGroupBox(QStringLiteral("Cards"), this);
    auto* range = new QGridLayout(export_range_box);
    print_with_batch_chk = new QCheckBox(QStringLiteral("Print with series"), this);
    print_with_excel_chk = new QCheckBox(QStringLiteral("Print with Excel"), this);
    All_print_rd = new QRadioButton(QStringLiteral("All"), this);
    Sel_print_rd = new QRadioButton(QStringLiteral("Range"), this);
    auto* rangeGroup = new QButtonGroup(this);
    rangeGroup->addButton(All_print_rd);
    rangeGroup->addButton(Sel_print_rd);
    tot_label = new QLabel(QStringLiteral("Total:"), this);
    from_label = new QLabel(QStringLiteral("From:"), this);
    to_label = new QLabel(QStringLiteral("To:"), this);
    Total_Stepper = countBox("Total_Stepper", 999999);
    from_Stepper = countBox("from_Stepper", 999999);
    To_Stepper = countBox("To_Stepper", 999999);
    Copies_Stepper = countBox("Copies_Stepper", 999);
    range->addWidget(print_with_batch_chk, 0, 0, 1, 2);
    range->addWidget(print_with_excel_chk, 0, 2, 1, 2);
    range->addWidget(All_print_rd, 1, 0);
    range->addWidget(tot_label, 1, 1);
    range->addWidget(Total_Stepper, 1, 2);
    range->addWidget(Sel_print_rd, 2, 0);
    range->addWidget(from_label, 2, 1);
    range->addWidget(from_Stepper, 2, 2);
    range->addWidget(to_label, 2, 3);
    range->addWidget(To_Stepper, 2, 4);
    range->addWidget(new QLabel(QStringLiteral("Copies:"), this), 1, 3);
    range->addWidget(Copies_Stepper, 1, 4);

    // Two columns of settings beside the sheet, so that the window fits a
    // 1280 x 720 screen.
    auto* paperColumn = new QVBoxLayout;
    paperColumn->addWidget(printerBox);
    paperColumn->addWidget(gridBox);
    paperColumn->addStretch();
    auto* cardsColumn = new QVBoxLayout;
    cardsColumn->addWidget(sideBox);
    cardsColumn->addWidget(optionBox);
    cardsColumn->addWidget(export_range_box);
    cardsColumn->addStretch();

    // The sheet preview.
    Print_sclview = new QScrollArea(this);
    Print_sclview->setObjectName(QStringLiteral("Print_sclview"));
    Print_sclview->setBackgroundRole(QPalette::Dark);
    Print_sclview->setAlignment(Qt::AlignCenter);
    Print_sclview->setMinimumSize(260, 300);
    test_image_view = new QLabel;
    test_image_view->setObjectName(QStringLiteral("test_image_view"));
    test_image_view->setFocusPolicy(Qt::StrongFocus);
    Print_sclview->setWidget(test_image_view);

    // Profiles, under the sheet: the list with its commands beside it.
    auto* profileBox = new QGroupBox(QStringLiteral("Print Profiles"), this);
    auto* profileRow = new QHBoxLayout(profileBox);
    List_profile = new QListWidget(this);
    List_profile->setObjectName(QStringLiteral("List_profile"));
    List_profile->setSelectionMode(QAbstractItemView::SingleSelection);
    // As tall as its buttons: the sheet above takes the rest.
    List_profile->setMaximumHeight(132);
    Add_profile_btn = new QPushButton(QStringLiteral("Add..."), this);
    Edit_profile_btn = new QPushButton(QStringLiteral("Edit..."), this);
    Save_profile_btn = new QPushButton(QStringLiteral("Save"), this);
    Delete_profile_btn = new QPushButton(QStringLiteral("Delete"), this);
    profileRow->addWidget(List_profile, 1);
    auto* profileButtons = new QVBoxLayout;
    for (QPushButton* b : {Add_profile_btn, Edit_profile_btn, Save_profile_btn, Delete_profile_btn})
        profileButtons->addWidget(b);
    profileButtons->addStretch();
    profileRow->addLayout(profileButtons);
    auto* sheetColumn = new QVBoxLayout;
    sheetColumn->addWidget(Print_sclview, 1);
    sheetColumn->addWidget(profileBox);

    auto* top = new QHBoxLayout;
    top->addLayout(paperColumn);
    top->addLayout(cardsColumn);
    top->addLayout(sheetColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cancel_btn = new QPushButton(QStringLiteral("Cancel"), this);
    preview_btn = new QPushButton(QStringLiteral("Preview"), this);
    print_btn = new QPushButton(QStringLiteral("Print"), this);
    print_btn->setDefault(true);
    buttons->addWidget(cancel_btn);
    buttons->addWidget(preview_btn);
    buttons->addWidget(print_btn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    // Room for a larger sheet where the screen has it (the runner fits the
    // window to its screen).
    resize(1240, 760);
}

void Print_Wnd::connectControls() {
    using W = Print_Wnd;
    connect(Printer_ComboBox, &QComboBox::activated, this, &W::Printer_Changed);
    connect(Orient_ComboBox, &QComboBox::activated, this, &W::Orientation_Changed);
    connect(page_setup_btn, &QPushButton::clicked, this, &W::pagesetup);
    for (QDoubleSpinBox* box : {width_Stepper, height_Stepper, horz_mar_Stepper, vert_mar_Stepper, Side_Margin_Stepper})
        connect(box, &QDoubleSpinBox::valueChanged, this, &W::Layout_Field_Changed);
    for (QSpinBox* box : {Row_Stepper, Col_Stepper})
        connect(box, &QSpinBox::valueChanged, this, &W::Grid_Field_Changed);
    connect(Auto_Center_chk_bx, &QCheckBox::clicked, this, &W::Auto_Center_Checked);
    for (int i = 0; i < 9; ++i)
        connect(align_btns[size_t(i)], &QToolButton::clicked, this, [this, i] { Alignment_btn_clicked(i + 1); });
    connect(matrix_card_side, &QButtonGroup::idClicked, this, &W::card_side_CellClick);
    connect(print_alignment, &QComboBox::activated, this, &W::Print_Alignment_Changed);
    connect(print_alignment_one_side, &QComboBox::activated, this, &W::Print_Alignment_One_Side_Changed);
    connect(fit_frame_chk, &QCheckBox::clicked, this, &W::Fit_To_Frame_clicked);
    connect(crop_mark_chk, &QCheckBox::clicked, this, &W::Enable_Crop_Mark_clicked);
    connect(Show_Margins, &QCheckBox::clicked, this, &W::Show_Margin_Checked);
    connect(mirror_chk_box, &QCheckBox::clicked, this, &W::Mirror_image_chk_clicked);
    connect(mirror_matrix, &QButtonGroup::idClicked, this, &W::Mirror_Image_Type_CellClick);
    connect(print_with_batch_chk, &QCheckBox::clicked, this, &W::Print_With_Batch_Changed);
    connect(print_with_excel_chk, &QCheckBox::clicked, this, &W::Print_With_Excel_Changed);
    connect(All_print_rd, &QRadioButton::clicked, this, &W::All_print_RD_Clicked);
    connect(Sel_print_rd, &QRadioButton::clicked, this, &W::Sel_Print_RD_Clicked);
    connect(List_profile, &QListWidget::itemSelectionChanged, this, &W::Profile_Selection_Changed);
    connect(Add_profile_btn, &QPushButton::clicked, this, &W::Add_profile_btn_clicked);
    connect(Edit_profile_btn, &QPushButton::clicked, this, &W::Edit_profile_btn_clicked);
    connect(Save_profile_btn, &QPushButton::clicked, this, &W::Save_profile_btn_clicked);
    connect(Delete_profile_btn, &QPushButton::clicked, this, &W::Delete_profile_btn_clicked);
    connect(preview_btn, &QPushButton::clicked, this, &W::PreviewButtonPressed);
    connect(print_btn, &QPushButton::clicked, this, &W::PrintButtonPressed);
    connect(cancel_btn, &QPushButton::clicked, this, &W::CancelButtonPressed);
}

// ---------------------------------------------------------------- opening and closing

bool Print_Wnd::Open_Print_Wnd() {
    draw_printing_or_visitor_pass = false;
    loading = true;
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
    mirror_chk_box->setChecked(false);
    mirror_matrix->button(0)->setChecked(true);
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(false);

    sel_card_side = Card_Front_Or_Back;
    side_mar = 0;
    fit_frame_chk->setChecked(false);
    crop_mark_chk->setChecked(false);
    Fit_Picture_To_Frame = false;
    Enable_Crop_Marks = false;

    print_with_batch_chk->setChecked(false);
    print_with_excel_chk->setChecked(false);
    print_with_batch_chk->setEnabled(false);
    print_with_excel_chk->setEnabled(false);
    All_print_rd->setChecked(true);
    setQuietly(from_Stepper, 1);
    All_print_RD_Clicked();

    const bool twoSided = CARD_SIDE_STR == CardSide::TwoSided;
    selectSideRow(twoSided ? 0 : 1);
    card_side_str = twoSided ? QStringLiteral("BOTH") : QStringLiteral("F");
    matrix_card_side->button(0)->setEnabled(twoSided);
    matrix_card_side->button(2)->setEnabled(twoSided);
    print_alignment->setCurrentIndex(0);
    print_alignment_one_side->setCurrentIndex(0);
    Print_Card_Side = card_side_str;
    // The fields the arrangement remembers start from the window's reset.
    setQuietly(Row_Stepper, 1);
    setQuietly(Col_Stepper, 1);
    for (QDoubleSpinBox* box : {Side_Margin_Stepper, horz_mar_Stepper, vert_mar_Stepper})
        setQuietly(box, 0.0);
    Set_Demo_align_image();

    auto_center_flag = false;
    Show_margin_rect = true;
    Auto_Center_chk_bx->setChecked(false);
    Show_Margins->setChecked(true);
    Print_Row = Print_Col = Total_Label = 1;

    Generate_No_Batch_Card_Image();

    batch = zelk::PrintCardSource();
    if (Start_Card_Option != StartMode::Visitor) {
        if (cardSource)
            batch = cardSource(true, true);
        if (!batch.usesData()) {
            Set_Tot_Value(Total_Label, 999999, QStringLiteral("A"));
        } else {
            print_with_batch_chk->setEnabled(batch.Use_Data_Sheet_Values);
            print_with_batch_chk->setChecked(batch.Use_Data_Sheet_Values);
            print_with_excel_chk->setEnabled(batch.Use_Excel_Binding_Values);
            print_with_excel_chk->setChecked(batch.Use_Excel_Binding_Values);
            Total_Label = std::max(batch.Total_Batch_Excel_Card, 1);
            Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
        }
    }
    Set_Enable_Diable_Range_Box();

    // The card: the design's front in points; the cell holds both sides
    // when they share it.
    const QSizeF card = front_image.isNull() ? QSizeF() : front_image.cardRect.size();
    const QSizeF cell = zelk::SheetLayout::cellSize(float(card.width()), float(card.height()), 0, card_side_str,
                                                    Print_Card_Algn);
    label_width = float(cell.width());
    label_hight = float(cell.height());
    setQuietly(width_Stepper, Points_to_MM_Convert(card.width()));
    setQuietly(height_Stepper, Points_to_MM_Convert(card.height()));

    for (QLabel* label : {l_mar_id, r_mar_id, t_mar_id, b_mar_id})
        label->setText(QStringLiteral("0.00"));
    horz_mar_Stepper->setEnabled(true);
    vert_mar_Stepper->setEnabled(true);
    align_Gp_Bx->setEnabled(true);
    label_align_val = 1;
    Set_Reset_Alignemnt_Image();

    // The printer shown is the printer printed on.
    {
        const QSignalBlocker block(Printer_ComboBox);
        Printer_ComboBox->clear();
        Printer_ComboBox->addItems(zelk::PrintInfo::availablePrinterNames());
        int at = Printer_ComboBox->findText(printInfo.printerName());
        if (at < 0 && Printer_ComboBox->count() > 0) {
            at = 0;
            printInfo.setPrinterName(Printer_ComboBox->itemText(0));
        }
        Printer_ComboBox->setCurrentIndex(at);
    }
    Set_values_From_Printer();

    loading = false;
    Check_Max_Cell_Value();
    Refresh_Preview();
    Load_Print_Profile();
    const int code = zelk::DialogRunner::run(this);
    return code == 1 || code == 0;
}

void Print_Wnd::CancelButtonPressed() {
    Fit_Picture_To_Frame = false;
    Enable_Crop_Marks = false;
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
    done(0);
}

void Print_Wnd::reject() {
    // Escape and the close box wait for a print under way: it cannot be
    // taken back once the cards go to the printer.
    if (!printing)
        done(0);
}

void Print_Wnd::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Refresh_Preview();
}

// ---------------------------------------------------------------- printer and paper

void Print_Wnd::Set_values_From_Printer() {
    Paper_id->setText(printInfo.paperName());
    const QSizeF paper = printInfo.paperSize(QPageSize::Millimeter);
    Size_id->setText(QString::asprintf("%.2f x %.2f", paper.width(), paper.height()));
    {
        const QSignalBlocker block(Orient_ComboBox);
        Orient_ComboBox->setCurrentIndex(printInfo.orientation() == QPageLayout::Landscape ? 1 : 0);
    }
    const QMarginsF edges = printInfo.unprintableEdges();
    Left_Mar = float(edges.left());
    Rite_Mar = float(edges.right());
    Top_Mar = float(edges.top());
    Bot_Mar = float(edges.bottom());
    l_mar_id->setText(QString::asprintf("%0.2f", Points_to_MM_Convert(Left_Mar)));
    r_mar_id->setText(QString::asprintf("%0.2f", Points_to_MM_Convert(Rite_Mar)));
    t_mar_id->setText(QString::asprintf("%0.2f", Points_to_MM_Convert(Top_Mar)));
    b_mar_id->setText(QString::asprintf("%0.2f", Points_to_MM_Convert(Bot_Mar)));
    Refresh_Preview();
}

void Print_Wnd::Printer_Changed() {
    const QString name = Printer_ComboBox->currentText();
    if (name.isEmpty())
        return;
    printInfo.setPrinterName(name);
    Set_values_From_Printer();
    Check_Max_Cell_Value();
}

void Print_Wnd::Orientation_Changed() {
    printInfo.setOrientation(Orient_ComboBox->currentText() == QLatin1String("Portrait") ? QPageLayout::Portrait
                                                                                         : QPageLayout::Landscape);
    Set_values_From_Printer();
    Check_Max_Cell_Value();
}

void Print_Wnd::pagesetup() {
    zelk::PrintInfo chosen = printInfo;
    if (!zelk::PageSetupPanel::run(this, chosen))
        return;
    printInfo = chosen;
    Set_values_From_Printer();
    Check_Max_Cell_Value();
}

void Print_Wnd::Refresh_Preview() {
    if (loading)
        return;
    const zelk::PrintJobSettings settings = zelk::PrintJobSettings::fromGlobals(false, 1);
    // The whole sheet fits the preview's width and height.
    const QSize room = Print_sclview->maximumViewportSize() - QSize(8, 8);
    double scale = 1.0;
    if (!settings.paper.isEmpty())
        scale = std::clamp(std::min(room.width() / settings.paper.width(), room.height() / settings.paper.height()),
                           0.25, 2.0);
    const QImage sheet = Sample_Preview(settings, !front_image.isNull()).imageRepresentation(scale);
    test_image_view->setPixmap(QPixmap::fromImage(sheet));
    test_image_view->resize(sheet.size());
    if (QScrollBar* bar = Print_sclview->verticalScrollBar())
        bar->setValue(0);
    test_image_view->setFocus();
}

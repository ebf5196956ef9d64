#include "production/Print_Wnd.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/Units.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "production/Add_Print_Profile.h"
#include "production/PageSetupPanel.h"
#include "production/PrintGlobals.h"
#include "production/PrintJob.h"
#include "production/PrintJobSettings.h"
#include "production/PrintProfileFile.h"
#include "production/PrintRange.h"
#include "production/Sample_Preview.h"
#include "production/SheetLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

namespace {

QString flag(bool on) {
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

QString mmText(double mm) {
    return QString::asprintf("%.2f", mm);
}

// The alignment buttons' pictures: the 3 x 3 block with the chosen place
// filled.
QPixmap alignmentPicture(int value, bool selected) {
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    for (int i = 0; i < 9; ++i) {
        const QRectF cell(3 + (i % 3) * 8, 3 + (i / 3) * 8, 6, 6);
        const bool chosen = i + 1 == value;
        p.setPen(QColor(90, 100, 120));
        p.setBrush(chosen ? (selected ? QColor(30, 110, 220) : QColor(120, 130, 150)) : QColor(Qt::white));
        p.drawRect(cell);
    }
    return pixmap;
}

// A card of the arrangement pictures: its letter upright or turned.
void drawCard(QPainter& p, const QRectF& r, const QString& letter, bool turned, const QColor& fill) {
    p.setPen(QColor(60, 70, 90));
    p.setBrush(fill);
    p.drawRoundedRect(r, 3, 3);
    p.save();
    p.translate(r.center());
    if (turned)
        p.rotate(180);
    QFont font;
    font.setPixelSize(int(r.height() * 0.6));
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height()), Qt::AlignCenter, letter);
    p.restore();
}

// The picture of an arrangement: where a card's sides go on the sheet.
QPixmap arrangementPicture(const QString& side, const QString& code) {
    QPixmap pixmap(120, 76);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor front(210, 228, 250), back(250, 232, 210);
    const QSizeF card(44, 28);
    if (side == QLatin1String("BOTH")) {
        if (code == QLatin1String("U") || code == QLatin1String("UD")) {
            drawCard(p, QRectF(QPointF(38, 6), card), QStringLiteral("F"), false, front);
            drawCard(p, QRectF(QPointF(38, 40), card), QStringLiteral("B"), code == QLatin1String("UD"), back);
        } else if (code == QLatin1String("L")) {
            drawCard(p, QRectF(QPointF(12, 24), card), QStringLiteral("F"), false, front);
            drawCard(p, QRectF(QPointF(64, 24), card), QStringLiteral("B"), false, back);
        } else {
            // Two pages: the front on one, the back on the next.
            p.setPen(QColor(150, 150, 150));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 4, 54, 68));
            p.drawRect(QRectF(62, 4, 54, 68));
            drawCard(p, QRectF(QPointF(9, 24), card), QStringLiteral("F"), false, front);
            drawCard(p, QRectF(QPointF(67, 24), card), QStringLiteral("B"), code == QLatin1String("DD"), back);
        }
    } else {
        const bool isBack = side == QLatin1String("B");
        drawCard(p, QRectF(QPointF(38, 24), card), isBack ? QStringLiteral("B") : QStringLiteral("F"),
                 code == QLatin1String("D"), isBack ? back : front);
    }
    return pixmap;
}

template <class Box, class Value>
void setQuietly(Box* box, Value value) {
    const QSignalBlocker block(box);
    box->setValue(value);
}

}  // namespace

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
    done(0);
}

void Print_Wnd::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Refresh_Preview();
}

// ---------------------------------------------------------------- printer and paper

void Print_Wnd::Set_values_From_Printer() {
    Paper_id->setText(printInfo.paperName());
    const QSizeF paper = printInfo.paperSize();
    Size_id->setText(QString::asprintf("%.2f x %.2f", Points_to_MM_Convert(paper.width()),
                                       Points_to_MM_Convert(paper.height())));
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

// ---------------------------------------------------------------- sheet layout

void Print_Wnd::Check_Max_Cell_Value() {
    if (loading)
        return;
    zelk::SheetLayoutInput in;
    in.cardWidthMm = float(width_Stepper->value());
    in.cardHeightMm = float(height_Stepper->value());
    in.horzGapMm = float(horz_mar_Stepper->value());
    in.vertGapMm = float(vert_mar_Stepper->value());
    in.sideGapMm = float(Side_Margin_Stepper->value());
    in.rows = Row_Stepper->value();
    in.cols = Col_Stepper->value();
    in.autoCenter = Auto_Center_chk_bx->isChecked();
    in.cardSide = card_side_str;
    in.arrangement = Print_Card_Algn;
    in.fitToFrame = Fit_Picture_To_Frame;
    in.paper = printInfo.paperSize();
    in.left = Left_Mar;
    in.right = Rite_Mar;
    in.top = Top_Mar;
    in.bottom = Bot_Mar;
    const zelk::SheetLayoutResult r = zelk::SheetLayout::compute(in);
    horz_mar = r.horz_mar;
    vert_mar = r.vert_mar;
    side_mar = r.side_mar;
    label_width = r.label_width;
    label_hight = r.label_hight;
    Print_Row = r.rows;
    Print_Col = r.cols;
    if (r.writeCols)
        setQuietly(Col_Stepper, r.cols);
    if (r.writeRows)
        setQuietly(Row_Stepper, r.rows);
    Refresh_Preview();
}

QString Print_Wnd::sideOfMatrix() const {
    switch (matrix_card_side->checkedId()) {
    case 0: return QStringLiteral("BOTH");
    case 1: return QStringLiteral("F");
    default: return QStringLiteral("B");
    }
}

void Print_Wnd::selectSideRow(int row) {
    if (QAbstractButton* b = matrix_card_side->button(row))
        b->setChecked(true);
}

void Print_Wnd::Set_Demo_align_image() {
    const int r = matrix_card_side->checkedId();
    Capture_Last_Values();
    Normal_Printing_Is_Selected();
    Print_One_Card_Algn = QStringLiteral("U");
    Duplex_Printing = false;
    if (r == 0) {
        print_alignment->show();
        print_alignment_one_side->hide();
        const int item = print_alignment->currentIndex();
        if (item >= 0 && item < bothSidesCodes.size()) {
            if (item >= 3)
                Duplex_Printing_Is_Selected();
            Print_Card_Algn = bothSidesCodes.at(item);
            print_align_demo_pic->setPixmap(arrangementPicture(QStringLiteral("BOTH"), Print_Card_Algn));
        }
    } else if (r == 1 || r == 2) {
        print_alignment->hide();
        print_alignment_one_side->show();
        Print_One_Card_Algn = print_alignment_one_side->currentIndex() == 0 ? QStringLiteral("U") : QStringLiteral("D");
        print_align_demo_pic->setPixmap(
            arrangementPicture(r == 1 ? QStringLiteral("F") : QStringLiteral("B"), Print_One_Card_Algn));
    }
}

void Print_Wnd::Capture_Last_Values() {
    LAST_Side_Mar = float(Side_Margin_Stepper->value());
    LAST_Horz_Mar = float(horz_mar_Stepper->value());
    LAST_Vert_Mar = float(vert_mar_Stepper->value());
    LAST_Row = Row_Stepper->value();
    LAST_Column = Col_Stepper->value();
}

void Print_Wnd::Disable_for_fit_or_duplex() {
    Capture_Last_Values();
    for (QDoubleSpinBox* box : {Side_Margin_Stepper, horz_mar_Stepper, vert_mar_Stepper}) {
        box->setEnabled(false);
        setQuietly(box, 0.0);
    }
    for (QSpinBox* box : {Row_Stepper, Col_Stepper}) {
        box->setEnabled(false);
        setQuietly(box, 1);
    }
    card_align_box->setEnabled(false);
}

void Print_Wnd::Duplex_Printing_Is_Selected() {
    Duplex_Printing = true;
    Disable_for_fit_or_duplex();
}

void Print_Wnd::Normal_Printing_Is_Selected() {
    if (fit_frame_chk->isChecked())
        return;
    card_align_box->setEnabled(true);
    const bool centred = Auto_Center_chk_bx->isChecked();
    align_Gp_Bx->setEnabled(!centred);
    if (matrix_card_side->checkedId() == 0) {
        Side_Margin_Stepper->setEnabled(true);
        setQuietly(Side_Margin_Stepper, double(LAST_Side_Mar));
    }
    horz_mar_Stepper->setEnabled(!centred);
    vert_mar_Stepper->setEnabled(!centred);
    setQuietly(horz_mar_Stepper, double(LAST_Horz_Mar));
    setQuietly(vert_mar_Stepper, double(LAST_Vert_Mar));
    Row_Stepper->setEnabled(true);
    Col_Stepper->setEnabled(true);
    setQuietly(Row_Stepper, LAST_Row);
    setQuietly(Col_Stepper, LAST_Column);
}

bool Print_Wnd::usesData() const {
    return batch.usesData();
}

void Print_Wnd::Calculate_label_acc_row_col() {
    if (usesData())
        return;
    Total_Label = Print_Row * Print_Col;
    Set_Tot_Value(Total_Label, Total_Stepper->maximum(), QStringLiteral("A"));
}

void Print_Wnd::card_side_CellClick() {
    card_side_str = sideOfMatrix();
    Side_Margin_Stepper->setEnabled(card_side_str == QLatin1String("BOTH"));
    Print_Card_Side = card_side_str;
    Set_Demo_align_image();
    Check_Max_Cell_Value();
    Calculate_label_acc_row_col();
}

void Print_Wnd::Auto_Center_Checked() {
    if (Fit_Picture_To_Frame)
        return;
    auto_center_flag = Auto_Center_chk_bx->isChecked();
    horz_mar_Stepper->setEnabled(!auto_center_flag);
    vert_mar_Stepper->setEnabled(!auto_center_flag);
    align_Gp_Bx->setEnabled(!auto_center_flag);
    Check_Max_Cell_Value();
}

void Print_Wnd::Print_Alignment_Changed() {
    Set_Demo_align_image();
    Check_Max_Cell_Value();
    Calculate_label_acc_row_col();
}

void Print_Wnd::Print_Alignment_One_Side_Changed() {
    Set_Demo_align_image();
    Refresh_Preview();
}

void Print_Wnd::Layout_Field_Changed() {
    Check_Max_Cell_Value();
}

void Print_Wnd::Grid_Field_Changed() {
    Check_Max_Cell_Value();
    Calculate_label_acc_row_col();
    Check_Max_Cell_Value();
}

// ---------------------------------------------------------------- alignment, range, data, mirror, marks

void Print_Wnd::Alignment_btn_clicked(int value) {
    label_align_val = value;
    Set_Reset_Alignemnt_Image();
    if (!Fit_Picture_To_Frame)
        Refresh_Preview();
}

void Print_Wnd::Set_Reset_Alignemnt_Image() {
    if (label_align_val < 1 || label_align_val > 9)
        return;
    for (int i = 0; i < 9; ++i) {
        const bool chosen = i + 1 == label_align_val;
        align_btns[size_t(i)]->setIcon(QIcon(alignmentPicture(i + 1, chosen)));
        align_btns[size_t(i)]->setProperty("selectedImage", chosen);
    }
}

void Print_Wnd::Show_Margin_Checked() {
    Show_margin_rect = Show_Margins->isChecked();
    Refresh_Preview();
}

void Print_Wnd::Enable_Crop_Mark_clicked() {
    Enable_Crop_Marks = crop_mark_chk->isChecked();
    Refresh_Preview();
}

void Print_Wnd::Fit_To_Frame_clicked() {
    Fit_Picture_To_Frame = fit_frame_chk->isChecked();
    if (Fit_Picture_To_Frame)
        Disable_for_fit_or_duplex();
    else
        Normal_Printing_Is_Selected();
    Check_Max_Cell_Value();
}

void Print_Wnd::Print_With_Batch_Changed() {
    Verify_Card_Count();
    Total_Label = print_with_batch_chk->isChecked() || print_with_excel_chk->isChecked()
                      ? batch.Total_Batch_Excel_Card
                      : Print_Row * Print_Col;
    Set_Tot_Value(Total_Label, Total_Label, QStringLiteral("A"));
    Set_Enable_Diable_Range_Box();
}

void Print_Wnd::Print_With_Excel_Changed() {
    Print_With_Batch_Changed();
}

void Print_Wnd::Set_Enable_Diable_Range_Box() {
    const bool data = print_with_batch_chk->isChecked() || print_with_excel_chk->isChecked();
    All_print_rd->setEnabled(data);
    Sel_print_rd->setEnabled(data);
    if (!data) {
        All_print_rd->setChecked(true);
        All_print_RD_Clicked();
    } else if (All_print_rd->isChecked()) {
        All_print_RD_Clicked();
    } else {
        Sel_Print_RD_Clicked();
    }
}

void Print_Wnd::All_print_RD_Clicked() {
    All_print_rd->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{tot_label, Total_Stepper})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{from_label, from_Stepper, to_label, To_Stepper})
        w->setEnabled(false);
}

void Print_Wnd::Sel_Print_RD_Clicked() {
    Sel_print_rd->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{tot_label, Total_Stepper})
        w->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{from_label, from_Stepper, to_label, To_Stepper})
        w->setEnabled(true);
}

void Print_Wnd::Set_Tot_Value(int value, int max, const QString& target) {
    if (value == 0)
        value = 1;
    if (!print_with_batch_chk->isChecked() && !print_with_excel_chk->isChecked()) {
        max = 999999;
        value = std::min(value, 999999);
    }
    max = std::max(max, 1);
    for (QSpinBox* box : {Total_Stepper, To_Stepper, from_Stepper}) {
        const QSignalBlocker block(box);
        box->setMaximum(max);
    }
    if (target == QLatin1String("TOT") || target == QLatin1String("A"))
        setQuietly(Total_Stepper, value);
    if (target == QLatin1String("TO") || target == QLatin1String("A"))
        setQuietly(To_Stepper, value);
}

void Print_Wnd::Mirror_image_chk_clicked() {
    Mirror_Image_Create = mirror_chk_box->isChecked();
    for (QAbstractButton* b : mirror_matrix->buttons())
        b->setEnabled(Mirror_Image_Create);
    Refresh_Preview();
}

void Print_Wnd::Mirror_Image_Type_CellClick() {
    Mirror_Vertical_Not_Horz = mirror_matrix->checkedId() == 1;
    Refresh_Preview();
}

// ---------------------------------------------------------------- runs

void Print_Wnd::Generate_No_Batch_Card_Image() {
    if (!designSide)
        return;
    if (card_side_str == QLatin1String("BOTH")) {
        back_image = designSide(CardSide::Back);
        front_image = designSide(CardSide::Front);
    } else if (card_side_str == QLatin1String("F")) {
        front_image = designSide(CardSide::Front);
    } else {
        back_image = designSide(CardSide::Back);
    }
}

void Print_Wnd::Verify_Card_Count() {
    batch = cardSource ? cardSource(print_with_batch_chk->isChecked(), print_with_excel_chk->isChecked())
                       : zelk::PrintCardSource();
}

void Print_Wnd::PreviewButtonPressed() {
    Execute_Printing(true);
}

void Print_Wnd::PrintButtonPressed() {
    Execute_Printing(false);
}

void Print_Wnd::Execute_Printing(bool preview) {
    const QSizeF paper = printInfo.paperSize();
    if (zelk::PrintRange::cardExceedsPaper(label_width, label_hight, Left_Mar, Rite_Mar, Top_Mar, Bot_Mar, horz_mar,
                                           vert_mar, paper.width(), paper.height()) &&
        Show_YES_NO_MessageBox(zelk::PrintRange::exceedsPaperQuestion) != 1)
        return;
    // Each run prints from a batch of its own, taken now.
    Verify_Card_Count();
    const zelk::PrintRange range =
        zelk::PrintRange::resolve(All_print_rd->isChecked(), Total_Stepper->value(), from_Stepper->value(),
                                  To_Stepper->value(), batch.usesData(), batch.Total_Batch_Excel_Card, Duplex_Printing);
    if (!All_print_rd->isChecked())
        Print_End = range.Print_End;
    if (!range.ok) {
        Show_MessageBox(range.message);
        return;
    }
    Print_Start = range.Print_Start;
    Total_Label = Total_Label_Real = range.Total_Label;
    printInfo.jobDisposition = preview ? zelk::PrintInfo::Disposition::Preview : zelk::PrintInfo::Disposition::Spool;
    Call_Print_Box_1();
    // The preview's pages went with its dialog.
    if (preview)
        zelk::PrintJob::returnFreedMemory();
}

void Print_Wnd::Call_Print_Box_1() {
    const zelk::PrintJobSettings settings =
        zelk::PrintJobSettings::fromGlobals(batch.usesData(), batch.Total_Batch_Excel_Card);
    const zelk::PrintJob job(settings, front_image, back_image, batch);
    zelk::PrintInfo info = printInfo;
    info.duplex = Duplex_Printing ? QPrinter::DuplexLongSide : QPrinter::DuplexNone;
    QPrinter printer(QPrinterInfo::printerInfo(info.printerName()), QPrinter::HighResolution);
    info.applyTo(printer);
    printer.setDocName(QStringLiteral("Zelk ID Card"));
    const int pages = job.view().numberOfPages();
    if (settings.preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                [&job, pages](QPrinter* target) { job.paint(*target, pages); });
        zelk::DialogRunner::run(&dialog);
    } else {
        setEnabled(false);
        const bool sent = job.paintOnWorker(printer, pages);
        setEnabled(true);
        if (!sent)
            Show_MessageBox(QStringLiteral("The cards could not be sent to the printer \"%1\".")
                                .arg(info.printerName()));
    }
    lastRunFailures = job.failureMessage();
    if (!lastRunFailures.isEmpty())
        Show_MessageBox(lastRunFailures);
}

// ---------------------------------------------------------------- print profiles

void Print_Wnd::Load_Print_Profile() {
    {
        const QSignalBlocker block(List_profile);
        List_profile->clear();
        ListData_profile.clear();
    }
    for (const QString& name : PrintProfileFile::listNames(print_profile_path))
        Create_Profile_List(name);
    Make_select_on_index(0);
}

void Print_Wnd::Create_Profile_List(const QString& name) {
    const QString trimmed = Trim_Str(name);
    if (trimmed.isEmpty())
        return;
    ListData_profile << trimmed;
    const QSignalBlocker block(List_profile);
    List_profile->addItem(trimmed);
}

QString Print_Wnd::Get_List_Name_Text(int row) const {
    return Trim_Str(ListData_profile.value(row));
}

void Print_Wnd::Make_select_on_index(int row) {
    if (row < 0 || row >= List_profile->count())
        return;
    {
        const QSignalBlocker block(List_profile);
        List_profile->setCurrentRow(row);
    }
    Profile_Selection_Changed();
}

void Print_Wnd::Profile_Selection_Changed() {
    const int row = List_profile->currentRow();
    if (ListData_profile.isEmpty() || row < 0)
        return;
    const QString name = Get_List_Name_Text(row);
    Delete_profile_btn->setEnabled(name != PrintProfileFile::defaultProfileName);
    Read_and_load_profile_info(name);
}

QStringList Print_Wnd::profileFields(const QString& printer) const {
    QStringList f;
    for (int i = 0; i < PrintProfileFile::FieldCount; ++i)
        f << QString();
    const QSizeF paper = printInfo.paperSize();
    f[PrintProfileFile::Printer] = printer;
    f[PrintProfileFile::PaperName] = Paper_id->text();
    f[PrintProfileFile::PaperSizeText] = Size_id->text();
    f[PrintProfileFile::PaperWidthMm] = mmText(Points_to_MM_Convert(paper.width()));
    f[PrintProfileFile::PaperHeightMm] = mmText(Points_to_MM_Convert(paper.height()));
    f[PrintProfileFile::Orientation] = Orient_ComboBox->currentText();
    f[PrintProfileFile::Rows] = QString::number(Row_Stepper->value());
    f[PrintProfileFile::Columns] = QString::number(Col_Stepper->value());
    f[PrintProfileFile::HorzGap] = mmText(horz_mar_Stepper->value());
    f[PrintProfileFile::VertGap] = mmText(vert_mar_Stepper->value());
    f[PrintProfileFile::SideGap] = mmText(Side_Margin_Stepper->value());
    f[PrintProfileFile::LeftMargin] = l_mar_id->text();
    f[PrintProfileFile::TopMargin] = t_mar_id->text();
    f[PrintProfileFile::RightMargin] = r_mar_id->text();
    f[PrintProfileFile::BottomMargin] = b_mar_id->text();
    f[PrintProfileFile::Alignment] = QString::number(label_align_val);
    f[PrintProfileFile::AutoCenter] = flag(Auto_Center_chk_bx->isChecked());
    f[PrintProfileFile::Side] = sideOfMatrix();
    f[PrintProfileFile::Arrangement] = QString::number(
        matrix_card_side->checkedId() == 0 ? print_alignment->currentIndex() : print_alignment_one_side->currentIndex());
    f[PrintProfileFile::Mirror] = flag(mirror_chk_box->isChecked());
    f[PrintProfileFile::MirrorType] = mirror_matrix->checkedId() == 0 ? QStringLiteral("FH") : QStringLiteral("FV");
    f[PrintProfileFile::ShowMargins] = flag(Show_Margins->isChecked());
    f[PrintProfileFile::WithSeries] = flag(print_with_batch_chk->isChecked());
    f[PrintProfileFile::WithExcel] = flag(print_with_excel_chk->isChecked());
    f[PrintProfileFile::CropMarks] = flag(crop_mark_chk->isChecked());
    f[PrintProfileFile::FitToFrame] = flag(fit_frame_chk->isChecked());
    return f;
}

bool Print_Wnd::Save_Print_Profile(const QString& name, const QString& printer) {
    QString error;
    if (!PrintProfileFile::write(PrintProfileFile::pathOf(print_profile_path, name), profileFields(printer), &error)) {
        Show_NSLog_Message(error);
        Show_MessageBox(QStringLiteral("The print profile \"%1\" could not be saved: %2").arg(name, error));
        return false;
    }
    Show_MessageBox(QStringLiteral("Print Profile has been saved successfully."));
    Load_Print_Profile();
    return true;
}

void Print_Wnd::Read_and_load_profile_info(const QString& name) {
    const QString path = PrintProfileFile::pathOf(print_profile_path, name);
    if (!QFileInfo::exists(path))
        return;
    QStringList f;
    QString error;
    if (!PrintProfileFile::read(path, f, &error)) {
        Show_NSLog_Message(error);
        return;
    }
    loading = true;
    auto yes = [&f](int i) { return f.at(i) == QLatin1String("Y"); };

    // A profile's printer that is not installed leaves the current one.
    custom_profile_Printer = f.at(PrintProfileFile::Printer);
    const int printerAt = Printer_ComboBox->findText(custom_profile_Printer);
    if (printerAt >= 0) {
        const QSignalBlocker block(Printer_ComboBox);
        Printer_ComboBox->setCurrentIndex(printerAt);
    }
    Paper_id->setText(f.at(PrintProfileFile::PaperName));
    Size_id->setText(f.at(PrintProfileFile::PaperSizeText));
    {
        const QSignalBlocker block(Orient_ComboBox);
        const int at = Orient_ComboBox->findText(f.at(PrintProfileFile::Orientation));
        if (at >= 0)
            Orient_ComboBox->setCurrentIndex(at);
    }
    setQuietly(Row_Stepper, std::max(f.at(PrintProfileFile::Rows).toInt(), 1));
    setQuietly(Col_Stepper, std::max(f.at(PrintProfileFile::Columns).toInt(), 1));
    setQuietly(horz_mar_Stepper, f.at(PrintProfileFile::HorzGap).toDouble());
    setQuietly(vert_mar_Stepper, f.at(PrintProfileFile::VertGap).toDouble());
    setQuietly(Side_Margin_Stepper, f.at(PrintProfileFile::SideGap).toDouble());
    l_mar_id->setText(f.at(PrintProfileFile::LeftMargin));
    t_mar_id->setText(f.at(PrintProfileFile::TopMargin));
    r_mar_id->setText(f.at(PrintProfileFile::RightMargin));
    b_mar_id->setText(f.at(PrintProfileFile::BottomMargin));
    const int alignment = f.at(PrintProfileFile::Alignment).toInt();
    label_align_val = alignment >= 1 && alignment <= 9 ? alignment : 1;
    Set_Reset_Alignemnt_Image();
    Auto_Center_chk_bx->setChecked(yes(PrintProfileFile::AutoCenter));
    Auto_Center_Checked();

    // The side, and the arrangement index bounded to the list it goes into.
    const QString side = f.at(PrintProfileFile::Side);
    const int arrangement = f.at(PrintProfileFile::Arrangement).toInt();
    if (CARD_SIDE_STR == CardSide::TwoSided && side == QLatin1String("BOTH")) {
        selectSideRow(0);
        print_alignment->setCurrentIndex(std::clamp(arrangement, 0, int(bothSidesCodes.size()) - 1));
    } else {
        selectSideRow(CARD_SIDE_STR == CardSide::TwoSided && side != QLatin1String("F") ? 2 : 1);
        print_alignment_one_side->setCurrentIndex(std::clamp(arrangement, 0, int(oneSideCodes.size()) - 1));
    }
    card_side_CellClick();

    mirror_chk_box->setChecked(yes(PrintProfileFile::Mirror));
    Mirror_image_chk_clicked();
    const bool horizontal = f.at(PrintProfileFile::MirrorType) == QLatin1String("FH");
    Mirror_Vertical_Not_Horz = !horizontal;
    mirror_matrix->button(horizontal ? 0 : 1)->setChecked(true);
    Show_Margins->setChecked(yes(PrintProfileFile::ShowMargins));
    Show_margin_rect = Show_Margins->isChecked();
    if (yes(PrintProfileFile::WithSeries))
        print_with_batch_chk->setChecked(batch.Use_Data_Sheet_Values);
    if (yes(PrintProfileFile::WithExcel))
        print_with_excel_chk->setChecked(batch.Use_Excel_Binding_Values);
    crop_mark_chk->setChecked(yes(PrintProfileFile::CropMarks));
    Enable_Crop_Marks = crop_mark_chk->isChecked();
    fit_frame_chk->setChecked(yes(PrintProfileFile::FitToFrame));
    Fit_To_Frame_clicked();

    if (printerAt >= 0)
        printInfo.setPrinterName(custom_profile_Printer);
    loading = false;
    Set_Enable_Diable_Range_Box();
    Set_values_From_Printer();
    Check_Max_Cell_Value();
    Calculate_label_acc_row_col();
}

void Print_Wnd::Add_Edit_Print_Profile(const QString& mode) {
    const bool edit = mode == QLatin1String("E");
    QString name, printer;
    const int row = List_profile->currentRow();
    if (edit) {
        if (row < 0) {
            Show_MessageBox(QStringLiteral("Please select a print profile"));
            return;
        }
        name = Get_List_Name_Text(row);
        printer = Printer_ComboBox->currentText();
    }
    Add_Print_Profile* dialog = Add_Print_Profile::defaultInstance();
    dialog->Profile_name->setText(name);
    dialog->pass_profile_name = name;
    if (dialog->Open_Profile_Wnd(name, printer) != 1)
        return;
    printInfo.setPrinterName(custom_profile_Printer);
    const int printerAt = Printer_ComboBox->findText(printInfo.printerName());
    if (printerAt >= 0) {
        const QSignalBlocker block(Printer_ComboBox);
        Printer_ComboBox->setCurrentIndex(printerAt);
    }
    Set_values_From_Printer();
    const QString saved = custom_print_profile_name;
    if (!Save_Print_Profile(saved, custom_profile_Printer))
        return;
    // An edit under a new name renames: the old file goes once the new one
    // is written. "Default" stays.
    if (edit && name != saved && name != PrintProfileFile::defaultProfileName) {
        Delete_File(PrintProfileFile::pathOf(print_profile_path, name));
        Load_Print_Profile();
    }
    if (edit)
        Make_select_on_index(int(ListData_profile.indexOf(saved)));
}

void Print_Wnd::Add_profile_btn_clicked() {
    Add_Edit_Print_Profile(QStringLiteral("A"));
}

void Print_Wnd::Edit_profile_btn_clicked() {
    Add_Edit_Print_Profile(QStringLiteral("E"));
}

void Print_Wnd::Save_profile_btn_clicked() {
    const int row = List_profile->currentRow();
    if (row < 0) {
        Show_MessageBox(QStringLiteral("Please select a print profile"));
        return;
    }
    if (Save_Print_Profile(Get_List_Name_Text(row), Printer_ComboBox->currentText()))
        Make_select_on_index(row);
}

void Print_Wnd::Delete_profile_btn_clicked() {
    const int row = List_profile->currentRow();
    if (row < 0) {
        Show_MessageBox(QStringLiteral("Please select a print profile"));
        return;
    }
    const QString name = Get_List_Name_Text(row);
    if (name == PrintProfileFile::defaultProfileName)
        return;
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure want to delete selected 'Print Profile'?")) != 1)
        return;
    Delete_File(PrintProfileFile::pathOf(print_profile_path, name));
    Load_Print_Profile();
}

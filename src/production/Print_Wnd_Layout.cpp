// The print window's sheet layout: card size, grid, gaps, centring and
// alignment, the side and its arrangement, fit to frame, crop marks,
// mirror printing and the card range.
#include "production/Print_Wnd.h"

#include "production/PrintGlobals.h"
#include "production/SheetLayout.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace {

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

}  // namespace

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

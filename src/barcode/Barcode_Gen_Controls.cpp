// The rules of the barcode settings window's single controls: what each
// change keeps in step, which values it sets and how the preview follows.
#include "barcode/Barcode_Gen.h"

#include "barcode/BarcodeColorWell.h"
#include "barcode/BarcodeGlobals.h"
#include "barcode/BarcodeLimits.h"
#include "barcode/BarcodeSizes.h"
#include "barcode/BarcodeStepper.h"
#include "barcode/NKDBarcode.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/Long_SMS_Dlg.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTabWidget>
#include <exception>

namespace {

bool isUpcOrEan(const QString& title) {
    return title == QLatin1String("UPCE") || title == QLatin1String("UPCA") || title == QLatin1String("EAN-8") ||
           title == QLatin1String("EAN-13");
}

}  // namespace

// ---------------------------------------------------------------- symbology and texts

void Barcode_Gen::barcodeTypeChanged() {
    try {
        const QString title = barcodeTypePopup->currentText();
        if (title == QLatin1String("QR Code") || title == QLatin1String("PDF417") ||
            title == QLatin1String("DataMatrix"))
            two_d_barcode_Opt_Select();
        else
            Liner_Barcode_Opt_Select();
        _setLabels();
        if (modeValue().isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter barcode value"));
            Set_Blank_Image();
            return;
        }
        kerning_value_Checkbox->setEnabled(!isUpcOrEan(title));
        goButtonActionPerformed();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

QString Barcode_Gen::capHeaderText(const QString& text) {
    const QString trimmed = Trim_Str(text);
    return trimmed.size() > 50 ? trimmed.left(50) : text;
}

void Barcode_Gen::controlTextDidChange(QObject* field) {
    try {
        if (field == HeaderText || field == FooterText) {
            auto* edit = static_cast<QLineEdit*>(field);
            const QString capped = capHeaderText(edit->text());
            if (capped != edit->text())
                edit->setText(capped);
        }
        if (liner_or_2D_font == 1 && field != dataText_2D)
            Get_2d_barcode_from_image();
        else
            goButtonActionPerformed();
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

void Barcode_Gen::textDidChange() { goButtonActionPerformed(); }

// ---------------------------------------------------------------- fonts

void Barcode_Gen::Value_Font_Changed() {
    QFontDialog dialog(value_font, this);
    if (zelk::DialogRunner::run(&dialog) == 1)
        changeFont(dialog.currentFont());
}

void Barcode_Gen::Header_Font_Changed() {
    QFontDialog dialog(header_font, this);
    if (zelk::DialogRunner::run(&dialog) == 1)
        header_changeFont(dialog.currentFont());
}

void Barcode_Gen::Footer_Font_Changed() {
    QFontDialog dialog(footer_font, this);
    if (zelk::DialogRunner::run(&dialog) == 1)
        footer_changeFont(dialog.currentFont());
}

void Barcode_Gen::changeFont(const QFont& font) {
    value_font = zelk::BarcodeLimits::clampedFont(font);
    showFontLabel(value_font_value, value_font);
    redrawPreview();
}

void Barcode_Gen::header_changeFont(const QFont& font) {
    header_font = zelk::BarcodeLimits::clampedFont(font);
    showFontLabel(header_font_value, header_font);
    redrawPreview();
}

void Barcode_Gen::footer_changeFont(const QFont& font) {
    footer_font = zelk::BarcodeLimits::clampedFont(font);
    showFontLabel(footer_font_value, footer_font);
    redrawPreview();
}

// ---------------------------------------------------------------- margins and sizes

void Barcode_Gen::redrawPreview() {
    if (liner_or_2D_font == 1)
        Get_2d_barcode_from_image();
    else
        redrawLinear();
}

void Barcode_Gen::Value_Margin_Changed() {
    if (liner_or_2D_font == 0)
        redrawLinear();
}

void Barcode_Gen::Header_Margin_Changed() {
    redrawPreview();
}

void Barcode_Gen::Footer_Margin_Changed() { redrawPreview(); }

void Barcode_Gen::TB_Margin_Changed() { redrawPreview(); }

void Barcode_Gen::LR_Margin_Changed() { redrawPreview(); }

void Barcode_Gen::heightChanged() {
    if (liner_or_2D_font == 1)
        goButtonActionPerformed();
    else
        redrawLinear();
}

void Barcode_Gen::widthChanged() {
    if (liner_or_2D_font == 1)
        goButtonActionPerformed();
    else
        redrawLinear();
}

void Barcode_Gen::pdf_heightChanged() { goButtonActionPerformed(); }

void Barcode_Gen::PDF_Row_Changed() { goButtonActionPerformed(); }

void Barcode_Gen::PDF_Col_Changed() { goButtonActionPerformed(); }

void Barcode_Gen::PDF_EC_Lvl_Changed() { goButtonActionPerformed(); }

void Barcode_Gen::dm_widthChanged() { goButtonActionPerformed(); }

void Barcode_Gen::dm_heightChanged() { goButtonActionPerformed(); }

void Barcode_Gen::dm_modulesizeChanged() {
    // Only the arrows raise the symbol's sides; a typed size does not.
    if (dm_moduleStepper_2D->changedByStepper())
        data_matrix_barcode_size_acc_format();
    goButtonActionPerformed();
}

void Barcode_Gen::data_matrix_barcode_size_acc_format() {
    const int m = dm_moduleStepper_2D->intValue();
    const QString format = dm_format_ComboBox->currentText();
    if (dm_format_ComboBox->currentIndex() < 0 || format == QLatin1String("Auto"))
        return;
    const QString rest = format.mid(1);
    const qsizetype x = rest.indexOf(QLatin1Char('X'));
    const int rows = x >= 0 ? rest.left(x).trimmed().toInt() : 0;
    const int columns = x >= 0 ? rest.mid(x + 1).trimmed().toInt() : 0;
    if (dm_widthStepper_2D->value() < columns * m)
        dm_widthStepper_2D->setQuietly(columns * m);
    if (dm_HeightStepper_2D->value() < rows * m)
        dm_HeightStepper_2D->setQuietly(rows * m);
}

void Barcode_Gen::Check_And_Set_QR_size_Acc_Version(int version) {
    // The stepper's minimum raises a smaller size with it.
    const QSignalBlocker quiet(HeightStepper_2D);
    HeightStepper_2D->setMinimum(zelk::BarcodeLimits::qrMinimumSize(version));
}

// ---------------------------------------------------------------- combo boxes

void Barcode_Gen::applyResolutionChoice() {
    const bool custom = DPI_ComboBox->currentIndex() == zelk::BarcodeLimits::customResolutionIndex();
    dpi_label->setVisible(custom);
    dpi_Stepper->setVisible(custom);
    usedDpi = custom ? dpi_Stepper->intValue()
                     : zelk::BarcodeLimits::resolutionOf(DPI_ComboBox->currentIndex(), QString());
    USED_DPI_VALUE = usedDpi;
}

void Barcode_Gen::comboBoxSelectionDidChange(QComboBox* combo) {
    try {
        if (!combo || combo->currentIndex() < 0)
            return;
        if (combo == DPI_ComboBox) {
            applyResolutionChoice();
            return;
        }
        if (combo == qr_version_ComboBox)
            QR_Version_Val = combo->currentIndex();
        if (combo == qr_ec_lvl_ComboBox)
            QR_EC_Level_Val = combo->currentIndex();
        if (liner_or_2D_font == 1) {
            if (combo == qr_version_ComboBox)
                Check_And_Set_QR_size_Acc_Version(combo->currentIndex());
            if (combo == dm_format_ComboBox)
                data_matrix_barcode_size_acc_format();
            if (combo == qr_version_ComboBox || combo == qr_ec_lvl_ComboBox || combo == dm_format_ComboBox ||
                combo == dm_encoding_ComboBox)
                goButtonActionPerformed();
        } else if (combo == align_hdr_combo || combo == align_ftr_combo) {
            redrawLinear();
        }
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
}

// ---------------------------------------------------------------- check boxes and colours

bool Barcode_Gen::Get_Print_State() {
    if (!captionCheckbox->isEnabled())
        return false;
    const bool prints = !captionCheckbox->isChecked();
    showinTopCheckbox->setEnabled(prints);
    return prints;
}

void Barcode_Gen::captionChanged() {
    Get_Print_State();
    redrawPreview();
}

void Barcode_Gen::showinTopChanged() {
    if (liner_or_2D_font == 0)
        redrawLinear();
}

void Barcode_Gen::hideHeaderChanged() { redrawPreview(); }

void Barcode_Gen::hideFooterChanged() { redrawPreview(); }

void Barcode_Gen::kerningChanged() {
    zelk::barcodeValueWithoutKerning = kerning_value_Checkbox->isChecked();
    if (liner_or_2D_font == 0)
        redrawLinear();
}

void Barcode_Gen::Transparent_Bkngd_Clicked() {
    const bool on = transparent_bkgnd->isChecked();
    bar_bk_clr_label->setEnabled(!on);
    bar_back_clr->setEnabled(!on);
    const QColor color = on ? QColor(Qt::transparent) : liner_or_2D_font == 1 ? QColor(Qt::white) : bar_back_clr->color();
    if (pass_barcode_control) {
        pass_barcode_control->_isDrawingFill = on;
        pass_barcode_control->_fillColor = color;
    }
    redrawPreview();
}

void Barcode_Gen::Set_Font_Clr() { redrawPreview(); }

void Barcode_Gen::DPI_Value_Changed() {
    // A typed value waits until the arrows or "Custom" are used again.
    if (dpi_Stepper->changedByStepper()) {
        usedDpi = dpi_Stepper->intValue();
        USED_DPI_VALUE = usedDpi;
    }
}

// ---------------------------------------------------------------- option sets and labels

void Barcode_Gen::Liner_Barcode_Opt_Select() {
    liner_or_2D_font = 0;
    dataText->setEnabled(true);
    dataText->show();
    dataText_2D->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{
             showinTopCheckbox, captionCheckbox, kerning_value_Checkbox, val_mar_Stepper, val_mar_label,
             val_font_label, val_font_btn, value_font_value, barcode_clr, bar_val_clr, bar_back_clr, val_clr_label,
             bar_clr_label, bar_bk_clr_label, linear_sett_box})
        w->show();
    two_d_sett_box->hide();
    pdf_2d_sett_box->hide();
    dm_2d_sett_box->hide();
    if (sett_tab->count() == 3)
        sett_tab->removeTab(2);
    sett_tab->setCurrentIndex(0);
}

void Barcode_Gen::two_d_barcode_Opt_Select() {
    liner_or_2D_font = 1;
    dataText->setEnabled(false);
    dataText->hide();
    dataText_2D->show();
    for (QWidget* w : std::initializer_list<QWidget*>{
             showinTopCheckbox, captionCheckbox, kerning_value_Checkbox, val_mar_Stepper, val_mar_label,
             val_font_label, val_font_btn, value_font_value, barcode_clr, bar_val_clr, bar_back_clr, val_clr_label,
             bar_clr_label, bar_bk_clr_label, linear_sett_box})
        w->hide();
    const QString title = barcodeTypePopup->currentText();
    const std::pair<const char*, QGroupBox*> boxes[] = {
        {"QR Code", two_d_sett_box}, {"PDF417", pdf_2d_sett_box}, {"DataMatrix", dm_2d_sett_box}};
    bool known = false;
    for (const auto& [name, box] : boxes)
        known = known || title == QLatin1String(name);
    if (known)
        for (const auto& [name, box] : boxes)
            box->setVisible(title == QLatin1String(name));
    if (sett_tab->count() == 2)
        sett_tab->insertTab(2, dpi_tab_item, QStringLiteral("Resolution"));
}

void Barcode_Gen::_setLabels() {
    if (liner_or_2D_font == 1) {
        barHeightLabel->setText(QStringLiteral("Bar Height :"));
        barWidthLabel->setText(QStringLiteral("Bar Width :"));
        return;
    }
    barHeightLabel->setText(QStringLiteral("Bar Height (mm):"));
    margin_box->setTitle(QStringLiteral("Margins (mm)"));
    barWidthLabel->setText(QStringLiteral("Bar Width (Mils):"));
}

// ---------------------------------------------------------------- help

void Barcode_Gen::help(const QString& title, const QString& text) {
    Cutom_Msg_Title = title;
    Cutom_Msg_Val = text;
    Long_SMS_Dlg::defaultInstance()->Open_Long_sms_Dialog();
}

void Barcode_Gen::QR_Version_Help_Btn() {
    help(QStringLiteral("Version :"),
         QStringLiteral("Version is configuration or number of modules (combination of black and white dots)."));
}

void Barcode_Gen::QR_EC_Lvl_Help_Btn() {
    help(QStringLiteral("Error correction (EC) level :"),
         QStringLiteral("An error-correction mechanism is built in each symbol so that the symbol can still be "
                        "decoded even if it is damaged."));
}

void Barcode_Gen::PDF_row_Help_btn() {
    help(QStringLiteral("PDF Rows :"), QStringLiteral("Number of rows in the PDF barcode."));
}

void Barcode_Gen::PDF_col_Help_btn() {
    help(QStringLiteral("PDF Columns :"), QStringLiteral("Number of columns in the PDF barcode."));
}

void Barcode_Gen::PDF_ec_lvl_Help_btn() {
    help(QStringLiteral("PDF EC Level :"),
         QStringLiteral("An error-correction mechanism is built in each symbol so that the symbol can still be "
                        "decoded even if it is damaged in PDF barcode."));
}

void Barcode_Gen::DM_format_Help_btn() {
    help(QStringLiteral("Preferred Format :"),
         QStringLiteral("Preferred Mode determines the smallest size of the symbol."));
}

void Barcode_Gen::DM_Encoding_Help_btn() {
    help(QStringLiteral("Encoding Mode :"),
         QStringLiteral("Encoding Mode is mode of compaction to encode data in the symbol."));
}

void Barcode_Gen::DPI_Help_Label() {
    help(QStringLiteral("DPI (Dots Per Inch) :"),
         QStringLiteral("Dots per inch is a measure of the resolution of printers in terms of Print Quality.\n\n"
                        "Bigger the DPI, Better the Print Quality. But File size of image also increases, as you "
                        "choose bigger DPI."));
}

// ---------------------------------------------------------------- picture helpers

QImage Barcode_Gen::Resize_Image(const QImage& image, const QSizeF& size) {
    const int w = static_cast<int>(size.width());
    const int h = static_cast<int>(size.height());
    if (image.isNull() || w <= 0 || h <= 0 || qint64(w) * h > zelk::BarcodeLimits::maxPicturePixels) {
        Show_NSLog_Message(QStringLiteral("Invalid image"));
        return {};
    }
    QImage out(w, h, QImage::Format_ARGB32);
    if (out.isNull()) {
        Show_NSLog_Message(QStringLiteral("Invalid image"));
        return {};
    }
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(0, 0, w, h), image);
    p.end();
    zelk::setSizeInPoints(out, QSizeF(w, h));
    Save_Barcode_gen_image(out, QStringLiteral("resize.bmp"));
    return out;
}

bool Barcode_Gen::Save_Barcode_image(const QImage& image, const QString& file_path_val) {
    if (image.isNull())
        return false;
    QSaveFile file(file_path_val);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        Show_NSLog_Message(QStringLiteral("Could not save the barcode picture to %1").arg(file_path_val));
        return false;
    }
    return true;
}

void Barcode_Gen::Save_Barcode_gen_image(const QImage&, const QString&) {}

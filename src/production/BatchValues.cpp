// The value each bound graphic takes for a card of a batch, how a text,
// a picture and a barcode take it, and the part of a text's box that its
// value is drawn in.
#include "production/BatchValues.h"

#include "foundation/IndexedPicture.h"

#include "canvas/placement/CaptionPairing.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTGraphic.h"
#include "foundation/SKTImage.h"
#include "foundation/TextMeasure.h"
#include "foundation/Utilities.h"
#include "foundation/WorkbookPicturePath.h"
#include "inspector/face/ImageProcesser.h"
#include "mainwindow/BarcodeProducer.h"

#include <QDir>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// What SKTImage::setFilePath does through the window, without the window:
// any thread may fill its own copy.
void loadPictureOfCopy(SKTGraphic& g, const QString& value, const QString& resourceRoot) {
    const QString path = zelk::AppPaths::relocatedIntoResources(value, resourceRoot);
    g._file_path = path;
    g._contents = path.isEmpty() ? QImage() : zelk::readPicturePreview(QDir::cleanPath(path));
    g._contents_with_settings =
        g._contents.isNull()
            ? QImage()
            : ImageProcesser::Get_Processed_Image_Full_Combined(
                  g._contents, g.gray_Scale, g.Sepia, g.invert_clr, g.hue_val, g.sat_val, g.brt_val, g.con_val,
                  qint32(g.rotate_image), g.srp_val, g.ev_val, g.blr_val, g.img_trnsp_val, true,
                  g._isFlippedHorizontally, g._isFlippedVertically, false, g._bounds);
}

// A card without this barcode: nothing drawn, at size 0 where it stood.
void removeBarcodePicture(SKTGraphic& g, BatchValues::Target target) {
    if (target == BatchValues::Target::Live) {
        g.Set_Barcode_image(QImage());
    } else {
        g._barcode_image = QImage();
        g._bounds.setSize(QSizeF(0, 0));
    }
}

// The picture centred on the rectangle the design fitted the barcode to, in
// single precision as the picture sizes are; a null picture (a value the
// symbology refuses) leaves size 0 at the centre.
void setCentredBarcodePicture(SKTGraphic& g, const QImage& picture, BatchValues::Target target) {
    const QSizeF size = zelk::pictureSizeInPoints(picture);
    const QRectF r = g.bar_image_ctrl_bounds;
    const float x = float(r.x()) + 0.5f * float(r.width()) - float(size.width()) / 2.0f;
    const float y = float(r.y()) + 0.5f * float(r.height()) - float(size.height()) / 2.0f;
    if (target == BatchValues::Target::Live) {
        g.Set_Barcode_image(picture);
        g.setXPosition(x);
        g.setYPosition(y);
    } else {
        // Held with a colour table, as every other barcode picture is.
        g._barcode_image = zelk::IndexedPicture::compact(picture);
        g._bounds = QRectF(QPointF(x, y), size);
    }
}

// A value as a reason may quote it: its first characters, those that show
// nothing marked.
QString quoted(const QString& value, qsizetype shown) {
    QString v = value.left(shown);
    for (QChar& c : v)
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    if (value.size() <= shown)
        return QStringLiteral("\"%1\"").arg(v);
    return QStringLiteral("\"%1\u2026\" (%2 characters)").arg(v, QString::number(value.size()));
}

}  // namespace

std::optional<QString> BatchValues::valueFor(const SKTGraphic& g, int index) const {
    if (g.print_object == 1 || !DataBinding::takesValues(&g))
        return std::nullopt;
    if (g.data_source_type == DataSourceType::Series && Use_Data_Sheet_Values) {
        if (g.batch_list_index == DataSourceType::None)
            return std::nullopt;
        const int position = DataBinding::Get_Data_SetIndex_According_Name(data_table_content, g.batch_list_name);
        QString value = Trim_Str(DataBinding::Get_sel_row_col_value_of_dataset(data_table_content, index, position));
        if (position < 0 && value.isEmpty() && zelk::isExactlyBarcode(&g))
            value = g.linear_or_2d != 0 ? g.two_d_font_val : g.linear_font_val;
        return value;
    }
    if (g.data_source_type == DataSourceType::ExcelColumn && Use_Excel_Binding_Values) {
        if (g.excel_col_indx == DataSourceType::None)
            return std::nullopt;
        return Trim_Str(
            DataBinding::Get_sel_row_col_value_of_Excel(excelRows, Excel_table_rows, index, g.excel_col_indx));
    }
    return std::nullopt;
}

QString BatchValues::Assign_Batch_Values_To_Control(const QList<std::shared_ptr<SKTGraphic>>& graphics, int index,
                                                   zelk::BarcodeProducer& producer, Target target) const {
    try {
        for (const std::shared_ptr<SKTGraphic>& g : graphics) {
            if (!g)
                continue;
            const std::optional<QString> value = valueFor(*g, index);
            if (!value)
                continue;
            switch (g->kind()) {
            case zelk::GraphicKind::Text:
                g->Set_text_value(*value);
                break;
            case zelk::GraphicKind::Image: {
                const QString path = g->data_source_type == DataSourceType::ExcelColumn
                                         ? zelk::workbookPicturePath(*value, excelSourcePath)
                                         : *value;
                if (target == Target::Live) {
                    static_cast<SKTImage&>(*g).setFilePath(path, false);
                } else {
                    loadPictureOfCopy(*g, path, resourceRoot);
                    if (!value->isEmpty() && g->_contents.isNull())
                        return QStringLiteral("the picture %1 cannot be read.").arg(quoted(*value, 260));
                }
                break;
            }
            case zelk::GraphicKind::Barcode:
                if (value->isEmpty()) {
                    removeBarcodePicture(*g, target);
                } else {
                    const QImage picture = producer.produceBarcode(*g, *value, g->header_val, g->footer_val);
                    if (target == Target::Copies && picture.isNull())
                        return QStringLiteral("no barcode can be made of the value %1.").arg(quoted(*value, 40));
                    setCentredBarcodePicture(*g, picture, target);
                }
                break;
            default:
                break;
            }
        }
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("unknown failure");
    }
    return QString();
}


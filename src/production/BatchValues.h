#pragma once
// The values a batch takes its cards from, and the step that puts card n's
// values into the bound texts, pictures and barcodes of a side. A plain
// value copied on the GUI thread when a run starts (series rows, Excel
// rows, flags and counts); workers share it read-only.
#include "production/DataBinding.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {
class BarcodeProducer;
}

class BatchValues {
public:
    bool Use_Data_Sheet_Values = false;
    bool Use_Excel_Binding_Values = false;
    zelk::DatasetBindingTable data_table_content;
    QList<QVariantMap> excelRows;
    QStringList excelTitles;
    int Data_table_rows = 0;
    int Excel_table_rows = 0;
    int Total_Batch_Excel_Card = 1;
    // The resources folder that picture paths are relocated into.
    QString resourceRoot;
    // The bound workbook: a relative picture path in its cells lies beside it.
    QString excelSourcePath;

    // How the values reach the graphics.
    enum class Target {
        // Copies that a worker fills: fields written directly, pictures read
        // and filtered on the calling thread, nothing reported to the window.
        Copies,
        // The live design, on the GUI thread: through the model's setters and
        // the window's picture pipeline, so that the inspector follows.
        Live,
    };

    // Assign_Batch_Values_To_Control: every printed text, image and barcode
    // bound to a source that is on takes its value of card `index` (see
    // valueFor): a text its text, an image its picture path (none for ""),
    // a barcode a picture of the value made from its own settings and
    // centred on bar_image_ctrl_bounds (none, at size 0, for ""). "" when
    // done; otherwise the reason the step stopped, and the graphics must not
    // be used. A run's copy (Copies) that would lack what its data names,
    // a picture path that names no readable picture or a value that yields
    // no barcode, is such a failure: the run must not count it as made. The
    // live design shows the card without them (at size 0 for a barcode).
    QString Assign_Batch_Values_To_Control(const QList<std::shared_ptr<SKTGraphic>>& graphics, int index,
                                          zelk::BarcodeProducer& producer, Target target) const;

    // The value, trimmed, that the graphic takes for card `index`; nothing
    // when it keeps what it holds (not bound, its source off, no series or
    // column chosen, not printed). A series is found by its name; a barcode
    // whose series is gone from the list falls back to its own data text.
    std::optional<QString> valueFor(const SKTGraphic& graphic, int index) const;
};

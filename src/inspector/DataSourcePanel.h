#pragma once
// The data source page of texts and images: the binding kind and series or
// column, the picture path of an image with its browse, library, camera and
// crop buttons, and the warning shown when the picture is missing.
#include <QObject>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class SKTGraphic;

class DataSourcePanel : public QObject {
    Q_OBJECT
public:
    explicit DataSourcePanel(QWidget* shelf);

    QWidget* datasource_tab = nullptr;

    // Selects the binding of a text or an image: its kind, and the series
    // or column in Batch_Series.
    void loadBinding(const SKTGraphic& g);
    // A signature's binding: the kind, and the series by name.
    void loadSignatureBinding(const SKTGraphic& g);

    QLabel* data_source_title = nullptr;
    QComboBox* Data_source_type = nullptr;  // "Manual", "Series" (+ the Excel entry)
    QComboBox* Batch_Series = nullptr;
    QPushButton* view_series_btn = nullptr;
    QGroupBox* manual_brws_box = nullptr;
    QPlainTextEdit* Manual_image_path = nullptr;
    QPushButton* manual_browse_btn = nullptr;
    QPushButton* manual_library_btn = nullptr;
    QPushButton* camera_btn = nullptr;
    QGroupBox* crop_image_box = nullptr;
    QPushButton* crop_btn = nullptr;
    QLabel* invalid_source_label = nullptr;
    QLabel* img_ctrl_id_val = nullptr;
};

#include "inspector/DataSourcePanel.h"

#include "dialogs/TextBox.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "inspector/PanelKit.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace zelk;

DataSourcePanel::DataSourcePanel(QWidget* shelf) : QObject(shelf) {
    datasource_tab = new QWidget(shelf);
    QBoxLayout* page = makePage(datasource_tab);
    data_source_title = new QLabel;
    data_source_title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    img_ctrl_id_val = new QLabel;
    img_ctrl_id_val->setStyleSheet(QStringLiteral("color: #6a7080;"));
    page->addWidget(inRow({data_source_title, img_ctrl_id_val}));

    auto* binding = new QGroupBox;
    QFormLayout* form = makeBoxForm(binding);
    Data_source_type = makeCombo({QStringLiteral("Manual"), QStringLiteral("Series")});
    Data_source_type->setObjectName(QStringLiteral("Data_source_type"));
    form->addRow(QStringLiteral("Source"), Data_source_type);
    Batch_Series = makeCombo({});
    Batch_Series->setObjectName(QStringLiteral("Batch_Series"));
    view_series_btn = new QPushButton(QStringLiteral("View"));
    form->addRow(QStringLiteral("Series"), inRow({Batch_Series, view_series_btn}, false));
    page->addWidget(binding);

    manual_brws_box = new QGroupBox(QStringLiteral("Picture"));
    auto* manual = new QVBoxLayout(manual_brws_box);
    Manual_image_path = new zelk::TextBox;
    Manual_image_path->setReadOnly(true);
    Manual_image_path->setFixedHeight(48);
    manual->addWidget(Manual_image_path);
    manual_browse_btn = new QPushButton(QStringLiteral("Browse..."));
    manual_library_btn = new QPushButton(QStringLiteral("Library..."));
    camera_btn = new QPushButton(QStringLiteral("Camera..."));
    manual->addWidget(inRow({manual_browse_btn, manual_library_btn, camera_btn}));
    page->addWidget(manual_brws_box);

    crop_image_box = new QGroupBox;
    auto* crop = new QVBoxLayout(crop_image_box);
    crop_btn = new QPushButton(QStringLiteral("Crop..."));
    crop->addWidget(inRow({crop_btn}));
    page->addWidget(crop_image_box);

    invalid_source_label = new QLabel(zelk::UnreadablePictureMessage);
    invalid_source_label->setWordWrap(true);
    invalid_source_label->setStyleSheet(QStringLiteral("color: #b00020;"));
    page->addWidget(invalid_source_label);
    page->addStretch(1);
}

void DataSourcePanel::loadBinding(const SKTGraphic& g) {
    Data_source_type->setCurrentIndex(g.data_source_type);
    if (g.data_source_type == DataSourceType::Series) {
        if (g.batch_list_name.isEmpty())
            Batch_Series->setCurrentIndex(-1);
        else
            Batch_Series->setCurrentIndex(Batch_Series->findText(g.batch_list_name));
    } else if (g.data_source_type == DataSourceType::ExcelColumn && g.excel_col_indx != DataSourceType::None) {
        Batch_Series->setCurrentIndex(g.excel_col_indx);
    }
}

void DataSourcePanel::loadSignatureBinding(const SKTGraphic& g) {
    Data_source_type->setCurrentIndex(g.data_source_type);
    if (!g.batch_list_name.isEmpty()) {
        const int item = Batch_Series->findText(g.batch_list_name);
        if (item >= 0)
            Batch_Series->setCurrentIndex(item);
    }
}

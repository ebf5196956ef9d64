#pragma once
// Everything the inspector shows beside the tab view: the title, the print
// check box and the standard editing buttons above it, the background
// gallery below it, and every tab page with its panel. The main window holds one; the pages wait on a hidden
// shelf while they are out of the tab view.
#include "inspector/InspectorRules.h"

#include <QObject>
#include <QString>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;
class QListView;
class AlignPanel;
class BackgroundGallery;
class CardPanel;
class DataSourcePanel;
class ImagePanel;
class LinePanel;
class PresetListModel;
class SKTGraphic;
class ShapePanel;
class SignaturePanel;
class TextPanel;

class InspectorPanels : public QObject {
    Q_OBJECT
public:
    // Builds the pages, and the header at the top of `column`, the
    // window's box that holds the tab view.
    InspectorPanels(QWidget* column, QWidget* window);

    // The page of a tab and the label it is shown under.
    QWidget* page(zelk::InspectorTab tab) const;
    QString label(zelk::InspectorTab tab) const;

    // ---- Header ----
    QLabel* properties_title = nullptr;
    QLabel* sel_control_name = nullptr;  // "NONE", "T", "I" or a signature's code
    QCheckBox* print_object_chk = nullptr;
    QToolButton* Cut_btn = nullptr;
    QToolButton* Copy_btn = nullptr;
    QToolButton* Paste_btn = nullptr;
    QToolButton* Delete_btn = nullptr;
    QToolButton* Begin_Front_btn = nullptr;
    QToolButton* Send_Back_btn = nullptr;
    QToolButton* Lock_btn = nullptr;
    QToolButton* Unlock_btn = nullptr;

    // ---- Background gallery ----
    BackgroundGallery* backgrounds = nullptr;
    QListView* imageBrowser = nullptr;

    // ---- Pages ----
    CardPanel* card = nullptr;
    TextPanel* text = nullptr;
    DataSourcePanel* source = nullptr;
    ImagePanel* image = nullptr;
    LinePanel* line = nullptr;
    SignaturePanel* signature = nullptr;
    ShapePanel* shape = nullptr;
    AlignPanel* align = nullptr;
    QWidget* barcode_tab = nullptr;
    QPushButton* View_barcode_prop_Button = nullptr;
    QWidget* Lock_tab = nullptr;
    QLabel* lock_note = nullptr;

    // The size-preset list's model (ColList shows it).
    PresetListModel* presetModel = nullptr;

    // The graphic shown last; it does not keep the graphic alive, and a
    // graphic deleted since never matches another.
    std::weak_ptr<SKTGraphic> Last_Selected_Graphic;

private:
    QWidget* shelf_ = nullptr;
};

#include "inspector/InspectorPanels.h"

#include "inspector/AlignPanel.h"
#include "inspector/BackgroundGallery.h"
#include "inspector/CardPanel.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/ImagePanel.h"
#include "inspector/LinePanel.h"
#include "inspector/PanelKit.h"
#include "inspector/ShapePanel.h"
#include "inspector/SignaturePanel.h"
#include "inspector/TextPanel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using zelk::InspectorTab;

InspectorPanels::InspectorPanels(QWidget* column, QWidget* window) : QObject(window) {
    shelf_ = new QWidget(window);
    shelf_->setObjectName(QStringLiteral("inspector_shelf"));
    shelf_->hide();

    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    properties_title = new QLabel(QStringLiteral("Card Properties"));
    properties_title->setObjectName(QStringLiteral("properties_title"));
    properties_title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14px; padding: 2px;"));
    sel_control_name = new QLabel(QStringLiteral("NONE"));
    sel_control_name->hide();
    layout->addWidget(properties_title);

    auto* buttons = new QWidget;
    auto* grid = new QGridLayout(buttons);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    const auto tool = [&](const char* text, const char* tip, int at) {
        auto* b = new QToolButton;
        b->setText(QString::fromLatin1(text));
        b->setToolTip(QString::fromLatin1(tip));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(b, at / 4, at % 4);
        return b;
    };
    Cut_btn = tool("Cut", "Cut the selected graphics", 0);
    Copy_btn = tool("Copy", "Copy the selected graphics", 1);
    Paste_btn = tool("Paste", "Paste graphics", 2);
    Delete_btn = tool("Delete", "Delete the selected graphics", 3);
    Begin_Front_btn = tool("To Front", "Bring to front", 4);
    Send_Back_btn = tool("To Back", "Send to back", 5);
    Lock_btn = tool("Lock", "Lock the selected graphics", 6);
    Unlock_btn = tool("Unlock", "Unlock the selected graphics", 7);
    layout->addWidget(buttons);
    print_object_chk = new QCheckBox(QStringLiteral("Do not print this graphic"));
    print_object_chk->setObjectName(QStringLiteral("print_object_chk"));
    layout->addWidget(print_object_chk);
    auto* gallery = new QGroupBox(QStringLiteral("Backgrounds"));
    auto* galleryLayout = new QVBoxLayout(gallery);
    galleryLayout->setContentsMargins(4, 4, 4, 4);
    backgrounds = new BackgroundGallery(this);
    imageBrowser = new QListView;
    imageBrowser->setObjectName(QStringLiteral("imageBrowser"));
    imageBrowser->setViewMode(QListView::IconMode);
    imageBrowser->setFlow(QListView::LeftToRight);
    imageBrowser->setWrapping(true);
    imageBrowser->setResizeMode(QListView::Adjust);
    // The model moves the items; the view only shows where they land.
    imageBrowser->setMovement(QListView::Static);
    imageBrowser->setDragDropMode(QAbstractItemView::InternalMove);
    imageBrowser->setDefaultDropAction(Qt::MoveAction);
    imageBrowser->setSelectionMode(QAbstractItemView::SingleSelection);
    imageBrowser->setIconSize(QSize(BackgroundGallery::IconWidth, BackgroundGallery::IconWidth * 2 / 3));
    imageBrowser->setSpacing(4);
    imageBrowser->setUniformItemSizes(true);
    imageBrowser->setFixedHeight(180);
    imageBrowser->setModel(backgrounds);
    galleryLayout->addWidget(imageBrowser);
    if (auto* columnLayout = qobject_cast<QBoxLayout*>(column->layout())) {
        columnLayout->insertWidget(0, header);
        columnLayout->addWidget(gallery);
    }

    card = new CardPanel(shelf_);
    text = new TextPanel(shelf_);
    source = new DataSourcePanel(shelf_);
    image = new ImagePanel(shelf_);
    line = new LinePanel(shelf_);
    signature = new SignaturePanel(shelf_);
    shape = new ShapePanel(shelf_);
    align = new AlignPanel(shelf_);

    barcode_tab = new QWidget(shelf_);
    QBoxLayout* barcode = zelk::makePage(barcode_tab);
    View_barcode_prop_Button = new QPushButton(QStringLiteral("Barcode Settings..."));
    barcode->addWidget(zelk::inRow({View_barcode_prop_Button}));
    barcode->addStretch(1);

    Lock_tab = new QWidget(shelf_);
    QBoxLayout* lock = zelk::makePage(Lock_tab);
    lock_note = new QLabel(QStringLiteral("This graphic is locked. Unlock it to change its properties."));
    lock_note->setWordWrap(true);
    lock->addWidget(lock_note);
    lock->addStretch(1);
}

QWidget* InspectorPanels::page(InspectorTab tab) const {
    switch (tab) {
    case InspectorTab::CardInfo: return card->card_info_tab;
    case InspectorTab::CardSize: return card->card_size_tab;
    case InspectorTab::CardBackground: return card->card_bkgd_tab;
    case InspectorTab::CardBorder: return card->card_brdr_tab;
    case InspectorTab::TextEditing: return text->text_edtng_tab;
    case InspectorTab::TextProperties: return text->text_prop_tab;
    case InspectorTab::DataSource: return source->datasource_tab;
    case InspectorTab::Image: return image->image_tab;
    case InspectorTab::Line: return line->line_tab;
    case InspectorTab::Signature: return signature->sign_tab;
    case InspectorTab::Barcode: return barcode_tab;
    case InspectorTab::Shape: return shape->shape_tab;
    case InspectorTab::Alignment: return align->aligmnt_tab;
    case InspectorTab::Lock: return Lock_tab;
    }
    return nullptr;
}

QString InspectorPanels::label(InspectorTab tab) const {
    switch (tab) {
    case InspectorTab::CardInfo: return QStringLiteral("Card");
    case InspectorTab::CardSize: return QStringLiteral("Size");
    case InspectorTab::CardBackground: return QStringLiteral("Background");
    case InspectorTab::CardBorder: return QStringLiteral("Border");
    case InspectorTab::TextEditing: return QStringLiteral("Text");
    case InspectorTab::TextProperties: return QStringLiteral("Style");
    case InspectorTab::DataSource: return QStringLiteral("Source");
    case InspectorTab::Image: return QStringLiteral("Image");
    case InspectorTab::Line: return QStringLiteral("Line");
    case InspectorTab::Signature: return QStringLiteral("Signature");
    case InspectorTab::Barcode: return QStringLiteral("Barcode");
    case InspectorTab::Shape: return QStringLiteral("General");
    case InspectorTab::Alignment: return QStringLiteral("Align");
    case InspectorTab::Lock: return QStringLiteral("Locked");
    }
    return {};
}

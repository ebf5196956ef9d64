#include "mainwindow/TemplateBrowserControls.h"

#include "mainwindow/TemplateGallery.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QVBoxLayout>

zelk::TemplateBrowserControls zelk::addTemplateBrowser(QWidget* parent, QVBoxLayout* layout) {
    TemplateBrowserControls c;
    auto* top = new QHBoxLayout;
    c.source = new QComboBox(parent);
    c.source->addItems({QStringLiteral("Built-in Templates"), QStringLiteral("User Templates")});
    top->addWidget(c.source);
    c.categoryTitle = new QLabel(QStringLiteral("Category"), parent);
    top->addWidget(c.categoryTitle);
    c.category = new QComboBox(parent);
    c.category->addItems(TemplateGallery::categoryFolderNames());
    top->addWidget(c.category);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("Zoom"), parent));
    c.zoom = new QSlider(Qt::Horizontal, parent);
    c.zoom->setRange(10, 100);
    c.zoom->setFixedWidth(140);
    top->addWidget(c.zoom);
    layout->addLayout(top);

    c.browser = new QListWidget(parent);
    c.browser->setViewMode(QListView::IconMode);
    c.browser->setResizeMode(QListView::Adjust);
    c.browser->setMovement(QListView::Static);
    c.browser->setSpacing(10);
    c.browser->setUniformItemSizes(true);
    // The names keep the text colour on the pale selection.
    c.browser->setStyleSheet(QStringLiteral(
        "QListWidget::item:selected { background: rgb(190, 210, 240); color: rgb(20, 30, 50);"
        " border: 2px solid rgb(40, 100, 200); border-radius: 4px; }"));
    layout->addWidget(c.browser, 1);
    return c;
}

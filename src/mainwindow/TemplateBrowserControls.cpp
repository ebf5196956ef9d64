#include "mainwindow/TemplateBrowserControls.h"

#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Export_Template.h"
#include "mainwindow/TemplateGallery.h"
#include "mainwindow/UserTemplates.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The preview centred on a clear square: the view gives every cell the size
// of one, so cards of either orientation must fit the same square whole.
QPixmap squarePreview(const QString& path, int side) {
    QPixmap square(side, side);
    square.fill(Qt::transparent);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return square;
    const QImage fitted = picture.scaled(square.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((square.width() - fitted.width()) / 2, (square.height() - fitted.height()) / 2, fitted);
    return square;
}

bool requireUsableChoice() {
    if (UserTemplates::isUsableChoice(Selected_Template_Path))
        return true;
    Show_MessageBox(UserTemplates::SelectTemplateMessage);
    return false;
}

// A usable choice and the user's yes to `question`.
bool confirmChoice(const QString& question) {
    return requireUsableChoice() && Show_YES_NO_MessageBox(question) == 1;
}

}  // namespace

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

zelk::UserTemplateButtons zelk::addUserTemplateButtons(QWidget* parent, bool stretch) {
    UserTemplateButtons b;
    b.box = new QWidget(parent);
    auto* row = new QHBoxLayout(b.box);
    row->setContentsMargins(0, 0, 0, 0);
    b.copy = new QPushButton(QStringLiteral("Copy"), b.box);
    b.rename = new QPushButton(QStringLiteral("Rename"), b.box);
    b.remove = new QPushButton(QStringLiteral("Delete"), b.box);
    for (QPushButton* button : {b.copy, b.rename, b.remove})
        row->addWidget(button);
    if (stretch)
        row->addStretch();
    return b;
}

bool zelk::copyChosenTemplate() {
    if (!confirmChoice(UserTemplates::CopyQuestion))
        return false;
    UserTemplates::copyTemplate(Selected_Template_Path);
    return true;
}

bool zelk::renameChosenTemplate() {
    if (!requireUsableChoice())
        return false;
    Export_Template* dialog = Export_Template::defaultInstance();
    const QString oldName = QFileInfo(Selected_Template_Path).completeBaseName();
    dialog->template_name->setText(oldName);
    dialog->template_passed = oldName;
    const int result = dialog->Open_Wnd(UserTemplates::RenameTitle);
    dialog->template_passed.clear();
    if (result != 1)
        return false;
    UserTemplates::renameTemplate(Selected_Template_Path, export_template_name);
    return true;
}

bool zelk::deleteChosenTemplate() {
    if (!confirmChoice(UserTemplates::DeleteQuestion))
        return false;
    UserTemplates::deleteTemplate(Selected_Template_Path);
    return true;
}

zelk::TemplateBrowser::TemplateBrowser(const TemplateBrowserControls& controls, TemplateGallery& gallery,
                                       QWidget* userButtons, int previewPixels)
    : c_(controls), gallery_(&gallery), userButtons_(userButtons), previewPixels_(previewPixels) {}

void zelk::TemplateBrowser::connect(QObject* context) const {
    const TemplateBrowser self = *this;
    QObject::connect(c_.source, &QComboBox::activated, context, [self](int item) {
        self.gallery_->sourceSelectionDidChange(item);
        self.showSource(item);
        self.reload();
    });
    QObject::connect(c_.category, &QComboBox::activated, context, [self](int) {
        self.gallery_->categorySelectionDidChange(self.c_.category->currentText());
        self.reload();
    });
    QObject::connect(c_.zoom, &QSlider::valueChanged, context, [self](int value) { self.zoom(value); });
    QObject::connect(c_.browser, &QListWidget::currentRowChanged, context,
                     [self](int row) { self.gallery_->imageBrowserSelectionDidChange(row); });
}

void zelk::TemplateBrowser::showSource(int item) const {
    userButtons_->setVisible(item != 0);
    c_.categoryTitle->setVisible(item == 0);
    c_.category->setVisible(item == 0);
}

void zelk::TemplateBrowser::reload() const {
    const QSignalBlocker blocker(c_.browser);
    c_.browser->clear();
    const int side = int(std::lround(previewPixels_ * gallery_->zoom()));
    c_.browser->setIconSize(QSize(side, side));
    for (const MyImageObject& e : gallery_->images) {
        // The selection is shown by the cell, not by tinting the preview.
        QIcon icon;
        const QPixmap pixmap = squarePreview(e.path(), previewPixels_);
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
        auto* item = new QListWidgetItem(icon, gallery_->showsTitles ? e.imageTitle() : QString());
        item->setToolTip(e.imageTitle());
        c_.browser->addItem(item);
    }
    if (const int selected = gallery_->selectedIndex(); selected >= 0)
        c_.browser->setCurrentRow(selected);
    c_.zoom->setEnabled(gallery_->sliderEnabled);
    userButtons_->setEnabled(gallery_->templateButtonsEnabled);
}

void zelk::TemplateBrowser::zoom(int value) const {
    gallery_->zoomSliderDidChange(value / 100.0);
    const int side = int(std::lround(previewPixels_ * gallery_->zoom()));
    c_.browser->setIconSize(QSize(side, side));
}

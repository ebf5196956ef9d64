#include "mainwindow/Template_Wizard.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Services.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Export_Template.h"
#include "mainwindow/TemplateBrowserControls.h"
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

// The largest preview side on screen at zoom 1, pixels.
constexpr int maxPreviewPixels = 360;

// The preview centred on a clear square: the view gives every cell the size
// of one, so cards of either orientation must fit the same square whole.
QPixmap squarePreview(const QImage& picture) {
    QPixmap square(maxPreviewPixels, maxPreviewPixels);
    square.fill(Qt::transparent);
    if (picture.isNull())
        return square;
    const QImage fitted = picture.scaled(square.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((square.width() - fitted.width()) / 2, (square.height() - fitted.height()) / 2, fitted);
    return square;
}

}  // namespace

Template_Wizard* Template_Wizard::defaultInstance() {
    static Template_Wizard* instance = new Template_Wizard();
    return instance;
}

Template_Wizard::Template_Wizard(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Templates"));
    auto* layout = new QVBoxLayout(this);

    const zelk::TemplateBrowserControls browser = zelk::addTemplateBrowser(this, layout);
    cat_cmbo_bx = browser.source;
    sub_cat_title = browser.categoryTitle;
    template_category_combo = browser.category;
    _zoom_slider = browser.zoom;
    imageBrowser = browser.browser;
    imageBrowser->setMinimumSize(760, 440);

    auto* bottom = new QHBoxLayout;
    template_btn_box = new QWidget(this);
    auto* boxLayout = new QHBoxLayout(template_btn_box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    auto* copy = new QPushButton(QStringLiteral("Copy"), template_btn_box);
    auto* rename = new QPushButton(QStringLiteral("Rename"), template_btn_box);
    auto* remove = new QPushButton(QStringLiteral("Delete"), template_btn_box);
    boxLayout->addWidget(copy);
    boxLayout->addWidget(rename);
    boxLayout->addWidget(remove);
    bottom->addWidget(template_btn_box);
    auto* profile = new QPushButton(QStringLiteral("Card Holder Profile"), this);
    bottom->addWidget(profile);
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, bottom);
    layout->addLayout(bottom);

    connect(cat_cmbo_bx, &QComboBox::activated, this, [this](int item) {
        gallery.sourceSelectionDidChange(item);
        template_btn_box->setVisible(item != 0);
        sub_cat_title->setVisible(item == 0);
        template_category_combo->setVisible(item == 0);
        reloadBrowser();
    });
    connect(template_category_combo, &QComboBox::activated, this, [this](int) {
        gallery.categorySelectionDidChange(template_category_combo->currentText());
        reloadBrowser();
    });
    connect(_zoom_slider, &QSlider::valueChanged, this, &Template_Wizard::zoomSliderDidChange);
    connect(imageBrowser, &QListWidget::currentRowChanged, this,
            [this](int row) { gallery.imageBrowserSelectionDidChange(row); });
    connect(imageBrowser, &QListWidget::itemDoubleClicked, this, &Template_Wizard::OK_Clicked);
    connect(copy, &QPushButton::clicked, this, &Template_Wizard::Copy_Templatee_Click);
    connect(rename, &QPushButton::clicked, this, &Template_Wizard::Rename_Template_Click);
    connect(remove, &QPushButton::clicked, this, &Template_Wizard::Delete_Template_Click);
    connect(profile, &QPushButton::clicked, this, &Template_Wizard::User_Profile_Click);
    connect(ok, &QPushButton::clicked, this, &Template_Wizard::OK_Clicked);
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
    resize(900, 620);
}

void Template_Wizard::reloadBrowser() {
    const QSignalBlocker blocker(imageBrowser);
    imageBrowser->clear();
    const int side = int(std::lround(maxPreviewPixels * gallery.zoom()));
    imageBrowser->setIconSize(QSize(side, side));
    for (const MyImageObject& e : gallery.images) {
        QImageReader reader(e.path());
        reader.setAutoTransform(true);
        // The selection is shown by the cell, not by tinting the preview.
        QIcon icon;
        const QPixmap pixmap = squarePreview(reader.read());
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
        auto* item = new QListWidgetItem(icon,
                                         gallery.showsTitles ? e.imageTitle() : QString());
        item->setToolTip(e.imageTitle());
        imageBrowser->addItem(item);
    }
    if (const int selected = gallery.selectedIndex(); selected >= 0)
        imageBrowser->setCurrentRow(selected);
    _zoom_slider->setEnabled(gallery.sliderEnabled);
    template_btn_box->setEnabled(gallery.templateButtonsEnabled);
}

int Template_Wizard::Open_Template_Window(const QString& onlyCategory) {
    gallery.setOnlyCategory(onlyCategory);
    Selected_Template_Path = QString();
    {
        const QSignalBlocker b1(cat_cmbo_bx);
        const QSignalBlocker b2(template_category_combo);
        const QSignalBlocker b3(_zoom_slider);
        cat_cmbo_bx->setCurrentIndex(0);
        cat_cmbo_bx->setEnabled(onlyCategory.isEmpty());
        const qsizetype at = TemplateGallery::categoryCodes().indexOf(onlyCategory.isEmpty() ? Sel_Template_Category
                                                                                            : onlyCategory);
        template_category_combo->setCurrentIndex(at < 0 ? 0 : int(at));
        template_category_combo->setEnabled(onlyCategory.isEmpty());
        _zoom_slider->setValue(50);
    }
    gallery.zoomSliderDidChange(0.5);
    template_btn_box->setVisible(false);
    sub_cat_title->setVisible(true);
    template_category_combo->setVisible(true);
    if (Sel_Template_Category.isEmpty())
        Sel_Template_Category = QStringLiteral("C");
    gallery.Fill_Templates();
    reloadBrowser();
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Template_Wizard::zoomSliderDidChange(int value) {
    gallery.zoomSliderDidChange(value / 100.0);
    const int side = int(std::lround(maxPreviewPixels * gallery.zoom()));
    imageBrowser->setIconSize(QSize(side, side));
}

bool Template_Wizard::requireChoice(bool withDesign) const {
    if (UserTemplates::isUsableChoice(Selected_Template_Path) &&
        (!withDesign || QFileInfo(TemplateGallery::designPathOfPreview(Selected_Template_Path)).isFile()))
        return true;
    Show_MessageBox(UserTemplates::SelectTemplateMessage);
    return false;
}

void Template_Wizard::refillUser() {
    gallery.Fill_Templates_User_Defined();
    reloadBrowser();
}

void Template_Wizard::Copy_Templatee_Click() {
    if (!requireChoice())
        return;
    if (Show_YES_NO_MessageBox(UserTemplates::CopyQuestion) != 1)
        return;
    UserTemplates::copyTemplate(Selected_Template_Path);
    refillUser();
}

void Template_Wizard::Rename_Template_Click() {
    if (!requireChoice())
        return;
    Export_Template* dialog = Export_Template::defaultInstance();
    const QString oldName = QFileInfo(Selected_Template_Path).completeBaseName();
    dialog->template_name->setText(oldName);
    dialog->template_passed = oldName;
    const int result = dialog->Open_Wnd(UserTemplates::RenameTitle);
    dialog->template_passed.clear();
    if (result != 1)
        return;
    UserTemplates::renameTemplate(Selected_Template_Path, export_template_name);
    refillUser();
}

void Template_Wizard::Delete_Template_Click() {
    if (!requireChoice())
        return;
    if (Show_YES_NO_MessageBox(UserTemplates::DeleteQuestion) != 1)
        return;
    UserTemplates::deleteTemplate(Selected_Template_Path);
    refillUser();
}

void Template_Wizard::User_Profile_Click() {
    if (!requireChoice(true))
        return;
    if (const auto services = zelk::Services::current(); services->userProfile)
        services->userProfile(QStringLiteral("2"));
}

void Template_Wizard::OK_Clicked() {
    if (!requireChoice(true))
        return;
    done(1);
}

#include "mainwindow/Template_Wizard.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Services.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/TemplateBrowserControls.h"
#include "mainwindow/UserTemplates.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// The largest preview side on screen at zoom 1, pixels.
constexpr int maxPreviewPixels = 360;

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
    const zelk::UserTemplateButtons userButtons = zelk::addUserTemplateButtons(this, false);
    template_btn_box = userButtons.box;
    bottom->addWidget(template_btn_box);
    auto* profile = new QPushButton(QStringLiteral("Card Holder Profile"), this);
    bottom->addWidget(profile);
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, bottom);
    layout->addLayout(bottom);

    browser_ = zelk::TemplateBrowser(browser, gallery, template_btn_box, maxPreviewPixels);
    browser_.connect(this);
    connect(imageBrowser, &QListWidget::itemDoubleClicked, this, &Template_Wizard::OK_Clicked);
    connect(userButtons.copy, &QPushButton::clicked, this, &Template_Wizard::Copy_Templatee_Click);
    connect(userButtons.rename, &QPushButton::clicked, this, &Template_Wizard::Rename_Template_Click);
    connect(userButtons.remove, &QPushButton::clicked, this, &Template_Wizard::Delete_Template_Click);
    connect(profile, &QPushButton::clicked, this, &Template_Wizard::User_Profile_Click);
    connect(ok, &QPushButton::clicked, this, &Template_Wizard::OK_Clicked);
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
    resize(900, 620);
}

void Template_Wizard::reloadBrowser() { browser_.reload(); }

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
    browser_.showSource(0);
    if (Sel_Template_Category.isEmpty())
        Sel_Template_Category = QStringLiteral("C");
    gallery.Fill_Templates();
    reloadBrowser();
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Template_Wizard::zoomSliderDidChange(int value) { browser_.zoom(value); }

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
    if (zelk::copyChosenTemplate())
        refillUser();
}

void Template_Wizard::Rename_Template_Click() {
    if (zelk::renameChosenTemplate())
        refillUser();
}

void Template_Wizard::Delete_Template_Click() {
    if (zelk::deleteChosenTemplate())
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

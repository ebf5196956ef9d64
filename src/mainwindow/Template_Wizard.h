#pragma once
// The template gallery window of the start chooser: shipped templates by
// category or the user's own, previews in an icon view with zoom, and the
// copy, rename and delete buttons of user templates. Open_Template_Window
// returns 1 with Selected_Template_Path naming a preview whose design
// exists.
#include "mainwindow/TemplateBrowserControls.h"
#include "mainwindow/TemplateGallery.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QSlider;
class QWidget;

class Template_Wizard : public QDialog {
    Q_OBJECT
public:
    static Template_Wizard* defaultInstance();

    // onlyCategory: "" for every category, "V" on the visitor road.
    int Open_Template_Window(const QString& onlyCategory = QString());

    // Actions.
    void zoomSliderDidChange(int value);
    void Copy_Templatee_Click();
    void Rename_Template_Click();
    void Delete_Template_Click();
    void User_Profile_Click();
    void OK_Clicked();

    TemplateGallery gallery;
    QComboBox* cat_cmbo_bx = nullptr;
    QComboBox* template_category_combo = nullptr;
    QLabel* sub_cat_title = nullptr;
    QListWidget* imageBrowser = nullptr;
    QSlider* _zoom_slider = nullptr;
    QWidget* template_btn_box = nullptr;

    // Shows the gallery's entries (after any change of them).
    void reloadBrowser();

private:
    explicit Template_Wizard(QWidget* parent = nullptr);
    // True for a usable choice (with `withDesign`, one whose design file is
    // there too); otherwise asks for a template to be selected.
    bool requireChoice(bool withDesign = false) const;
    void refillUser();

    zelk::TemplateBrowser browser_;
};

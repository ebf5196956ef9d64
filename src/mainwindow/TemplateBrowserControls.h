#pragma once
// The template browser both template galleries show (the template wizard
// and the group wizard's template screen): the built-in/user and category
// lists with the zoom slider above an icon view of the previews, the
// buttons of the user's templates, and the wiring that keeps the controls
// in step with the gallery behind them.
class QComboBox;
class QLabel;
class QListWidget;
class QObject;
class QPushButton;
class QSlider;
class QVBoxLayout;
class QWidget;
class TemplateGallery;

namespace zelk {

struct TemplateBrowserControls {
    QComboBox* source = nullptr;    // "Built-in Templates", "User Templates"
    QLabel* categoryTitle = nullptr;
    QComboBox* category = nullptr;  // the category folders
    QSlider* zoom = nullptr;        // 10 to 100
    QListWidget* browser = nullptr;
};

// Adds the controls to `layout` (the view stretches) and returns them; the
// caller connects them.
TemplateBrowserControls addTemplateBrowser(QWidget* parent, QVBoxLayout* layout);

// Copy, Rename and Delete of the user's templates in a row of their own (no
// margins) on `parent`; with `stretch` they keep to the left. The caller
// places the row and connects the buttons.
struct UserTemplateButtons {
    QWidget* box = nullptr;
    QPushButton* copy = nullptr;
    QPushButton* rename = nullptr;
    QPushButton* remove = nullptr;
};
UserTemplateButtons addUserTemplateButtons(QWidget* parent, bool stretch);

// The user-template buttons' actions on the chosen preview
// (Selected_Template_Path): each asks for a usable choice (else tells
// SelectTemplateMessage), then for the user's yes (Rename: for the new
// name), then changes the templates. True once they were changed.
bool copyChosenTemplate();
bool renameChosenTemplate();
bool deleteChosenTemplate();

// A browser's controls kept in step with its gallery. The previews are
// `previewPixels` square at zoom 1, each centred whole on a clear square.
class TemplateBrowser {
public:
    TemplateBrowser() = default;
    TemplateBrowser(const TemplateBrowserControls& controls, TemplateGallery& gallery, QWidget* userButtons,
                    int previewPixels);

    // The source list refills the gallery and shows its controls, the
    // category list refills it, the zoom sizes the previews and the view's
    // selection becomes the gallery's.
    void connect(QObject* context) const;
    // Source item 0 (built-in) shows the category list, any other the user
    // buttons.
    void showSource(int item) const;
    // The view anew from the gallery's entries, its selection, and the
    // slider and user buttons enabled as the gallery says.
    void reload() const;
    // The zoom slider's `value` (10 to 100) to the gallery and the previews.
    void zoom(int value) const;

private:
    TemplateBrowserControls c_;
    TemplateGallery* gallery_ = nullptr;
    QWidget* userButtons_ = nullptr;
    int previewPixels_ = 0;
};

}  // namespace zelk

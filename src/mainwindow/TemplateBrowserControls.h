#pragma once
// The template browser both template galleries show (the template wizard
// and the group wizard's template screen): the built-in/user and category
// lists with the zoom slider above an icon view of the previews.
class QComboBox;
class QLabel;
class QListWidget;
class QSlider;
class QVBoxLayout;
class QWidget;

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

}  // namespace zelk

#pragma once
// The template gallery's contents, without its window: the shipped templates
// of one category (Resource_Path/"Templates"/<category folder>), of every
// category ("A"), or the user's own (Created_Resource_Path/"Templates"/
// "User"). Each entry is a preview picture ("png" or "jpg"); the template's
// design is the file of the same name with the extension "did" beside it.
// The chosen entry is the process-wide Selected_Template_Path. An entry's
// path is the preview, its name the file name, its identifier
// "<category folder>/<file name>" or "TEMP%llu.png" for user templates.
#include "canvas/MyImageObject.h"

#include <QList>
#include <QString>
#include <QStringList>

class TemplateGallery {
public:
    // The category letters and their folders, in the category combo's order.
    static const QStringList& categoryCodes();       // "C", "E", "H", "M", "P", "T", "V"
    static const QStringList& categoryFolderNames(); // "Corporate", "Education", ...
    // The folder of a category code (lower case counts as upper case); any
    // unknown code reads "Corporate". "A" gives "" (all categories).
    static QString categoryFolder(const QString& code);
    // Resource_Path/"Templates" and Created_Resource_Path/"Templates"/"User".
    static QString templatesRoot();
    static QString userTemplateFolder();
    // The design file beside a preview: same name, extension "did".
    static QString designPathOfPreview(const QString& previewPath);
    // Preview pictures of a folder: extension "png" or "jpg" in any case,
    // sorted by name rather than in listing order: a folder listing here has
    // no order of its own, and the gallery must not change between machines.
    static QStringList previewFilesIn(const QString& folder);

    // ---- The gallery ----
    // Fills from the shipped templates of Sel_Template_Category (all of them
    // for "A"). A missing folder leaves the gallery as it was (false).
    bool Fill_Templates();
    // Fills from the user's templates. A missing folder leaves the gallery as
    // it was (false); an empty one disables the slider and the user-template
    // buttons and clears Selected_Template_Path.
    bool Fill_Templates_User_Defined();
    // Appends an entry; a path that is empty after trimming is ignored.
    void addImageWithPath(const QString& path, const QString& imageName, const QString& imageUid);

    int numberOfItemsInImageBrowser() const { return int(images.size()); }
    const MyImageObject& itemAtIndex(int index) const { return images.at(index); }
    // The selection changed to `index`: Selected_Template_Path becomes its
    // path (nothing for an index out of range).
    void imageBrowserSelectionDidChange(int index);
    // Moves the entries at `indexes` to `toIndex` (a drop position counted
    // before the move), keeping their order.
    bool moveItemsAtIndexes(QList<int> indexes, int toIndex);

    // The zoom of the previews, 0 to 1.
    void zoomSliderDidChange(double value);
    double zoom() const { return zoom_; }

    // The source combo: item 0 the shipped templates, any other the user's.
    void sourceSelectionDidChange(int item);
    // The category combo's item text: its first letter is the category.
    void categorySelectionDidChange(const QString& itemText);

    // Limits the category combo to one category (the visitor road: "V").
    void setOnlyCategory(const QString& code) { onlyCategory_ = code; }
    QString onlyCategory() const { return onlyCategory_; }

    // The entry whose preview is Selected_Template_Path; -1 for none.
    int selectedIndex() const;

    QList<MyImageObject> images;
    bool showsTitles = false;      // user templates show their names
    bool sliderEnabled = false;
    bool templateButtonsEnabled = false;  // copy, rename, delete

private:
    void selectFirst();
    static QString nextUserUid();

    double zoom_ = 0.5;
    QString onlyCategory_;
};

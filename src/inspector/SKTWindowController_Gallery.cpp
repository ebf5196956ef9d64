// The background gallery on the main window: filled once at start-up from
// the resources, and a choice in it becomes the front's picture fill.
#include "mainwindow/SKTWindowController.h"

#include "foundation/AppPaths.h"
#include "inspector/BackgroundGallery.h"
#include "inspector/InspectorPanels.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QListView>

void SKTWindowController::wireBackgroundGallery() {
    QListView* browser = inspector_->imageBrowser;
    connect(browser->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, browser] {
        const QModelIndexList chosen = browser->selectionModel()->selectedIndexes();
        if (!chosen.isEmpty())
            imageBrowserSelectionDidChange(chosen.first().row());
    });
    Load_and_fill_backgrounds();
}

void SKTWindowController::Load_and_fill_backgrounds() {
    if (inspector_)
        inspector_->backgrounds->Load_and_fill_backgrounds(QDir(Resource_Path).filePath(QStringLiteral("Background")));
}

void SKTWindowController::imageBrowserSelectionDidChange(int index) {
    if (!inspector_)
        return;
    BackgroundGallery* gallery = inspector_->backgrounds;
    if (index < 0 || index >= gallery->numberOfItemsInImageBrowser())
        return;
    const QString path = gallery->itemAtIndex(index).valueForKey(QStringLiteral("path")).toString();
    gallery->selected_image = path;
    // The gallery dresses the front, whichever side is shown.
    set_Front_BG_Image(path);
    Refresh_Canvas();
}

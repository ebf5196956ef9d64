#pragma once
// The gallery of ready-made card backgrounds: the pictures of the resources'
// "Background" folder, as the model of an icon view. The user may reorder
// them by dragging; nothing removes them, and a drag carries them nowhere
// outside the gallery. The order is not kept between runs.
#include "canvas/MyImageObject.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

class BackgroundGallery : public QAbstractListModel {
    Q_OBJECT
public:
    explicit BackgroundGallery(QObject* parent = nullptr);

    // Fills from the folder's "png" and "jpg" pictures (extension in any
    // case; "jpeg" is not taken). A missing folder leaves the gallery as it
    // was and gives false.
    bool Load_and_fill_backgrounds(const QString& folder);
    // Empties the gallery (a window that shows it again from the start).
    void clear();
    // Appends an item; a path empty once trimmed adds nothing.
    void addImageWithPath(const QString& path, const QString& imageName, const QString& image_UID);
    int numberOfItemsInImageBrowser() const { return int(images.size()); }
    const MyImageObject& itemAtIndex(int index) const { return images.at(index); }
    // Moves the items at the indexes, in their order, to the drop position
    // toIndex counted before the move.
    bool moveItemsAtIndexes(QList<int> indexes, int toIndex);

    QList<MyImageObject> images;
    // The path of the picture chosen last.
    QString selected_image;

    // ---- The icon view's model ----
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    // The view removes what was dragged away; the gallery keeps it.
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    static constexpr int IconWidth = 84;

private:
    mutable QHash<QString, QIcon> icons_;
};

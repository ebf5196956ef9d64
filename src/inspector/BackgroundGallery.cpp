#include "inspector/BackgroundGallery.h"

#include "foundation/ModelHost.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPixmap>
#include <algorithm>

namespace {

// Rows travel under a type of the gallery's own, which nothing outside it reads.
const QString RowsMimeType = QStringLiteral("application/x-zelk-background-rows");

}  // namespace

BackgroundGallery::BackgroundGallery(QObject* parent) : QAbstractListModel(parent) {}

bool BackgroundGallery::Load_and_fill_backgrounds(const QString& folder) {
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir())
        return false;
    clear();
    // Sorted by name: a folder listing has no order of its own, and the
    // gallery should look the same on every machine.
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
        const QString ext = entry.suffix().toLower();
        if (ext == QLatin1String("png") || ext == QLatin1String("jpg"))
            addImageWithPath(entry.filePath(), entry.fileName(), entry.fileName());
    }
    return true;
}

void BackgroundGallery::clear() {
    beginResetModel();
    images.clear();
    icons_.clear();
    endResetModel();
}

void BackgroundGallery::addImageWithPath(const QString& path, const QString& imageName, const QString& image_UID) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return;
    const int row = int(images.size());
    beginInsertRows({}, row, row);
    images.append(MyImageObject::initWithImage_Path(trimmed, imageName, image_UID));
    endInsertRows();
}

bool BackgroundGallery::moveItemsAtIndexes(QList<int> indexes, int toIndex) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    beginResetModel();
    QList<MyImageObject> moved;
    int before = 0;
    for (auto it = indexes.crbegin(); it != indexes.crend(); ++it) {
        if (*it < 0 || *it >= images.size())
            continue;
        moved.prepend(images.takeAt(*it));
        if (*it < toIndex)
            ++before;
    }
    int at = std::clamp(toIndex - before, 0, int(images.size()));
    for (const MyImageObject& item : moved)
        images.insert(at++, item);
    endResetModel();
    return true;
}

int BackgroundGallery::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(images.size());
}

QVariant BackgroundGallery::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= images.size())
        return {};
    const MyImageObject& item = images.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return item.imageTitle();
    case Qt::DecorationRole: {
        auto icon = icons_.find(item.path());
        if (icon == icons_.end()) {
            // Through the shared reader: a two-colour picture scaled down in
            // the decoder comes back white.
            const QImage preview = zelk::readPicturePreview(item.path(), IconWidth);
            icon = icons_.insert(item.path(), QIcon(QPixmap::fromImage(preview)));
        }
        return *icon;
    }
    default:
        return {};
    }
}

Qt::ItemFlags BackgroundGallery::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

Qt::DropActions BackgroundGallery::supportedDropActions() const { return Qt::MoveAction; }

QStringList BackgroundGallery::mimeTypes() const { return {RowsMimeType}; }

QMimeData* BackgroundGallery::mimeData(const QModelIndexList& indexes) const {
    QByteArray rows;
    QDataStream out(&rows, QIODevice::WriteOnly);
    for (const QModelIndex& index : indexes)
        if (index.isValid())
            out << qint32(index.row());
    auto* data = new QMimeData;
    data->setData(RowsMimeType, rows);
    return data;
}

bool BackgroundGallery::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                     const QModelIndex& parent) {
    if (!data || action != Qt::MoveAction || !data->hasFormat(RowsMimeType))
        return false;
    QList<int> rows;
    QDataStream in(data->data(RowsMimeType));
    while (!in.atEnd()) {
        qint32 r = -1;
        in >> r;
        rows << r;
    }
    // Dropped on an item: in its place; on the empty space: at the end.
    const int to = row >= 0 ? row : parent.isValid() ? parent.row() : int(images.size());
    return moveItemsAtIndexes(rows, to);
}

bool BackgroundGallery::removeRows(int, int, const QModelIndex&) { return false; }

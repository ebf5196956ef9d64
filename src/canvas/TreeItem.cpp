#include "canvas/TreeItem.h"

std::shared_ptr<TreeItem> TreeItem::TreeItemName(const QString& name) {
    return std::shared_ptr<TreeItem>(new TreeItem(name));
}

void TreeItem::addTreeItem(std::shared_ptr<TreeItem> child) {
    if (child)
        children_.append(std::move(child));
}

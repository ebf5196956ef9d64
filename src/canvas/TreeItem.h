#pragma once
// A row of a tree view with the rows below it (the group projects' folders
// and their designs). Rows are shared: a copy of the child list holds the
// same child items.
#include <QList>
#include <QString>
#include <memory>

class TreeItem {
public:
    static std::shared_ptr<TreeItem> TreeItemName(const QString& name);

    QString name() const { return name_; }
    void addTreeItem(std::shared_ptr<TreeItem> child);
    // True exactly when the item has a child.
    bool isBoss() const { return !children_.isEmpty(); }
    int getTreeItemNumbers() const { return int(children_.size()); }
    QList<std::shared_ptr<TreeItem>> getTreeItems() const { return children_; }
    void RemoveAllTreeItem() { children_.clear(); }

private:
    explicit TreeItem(const QString& name) : name_(name) {}

    QString name_;
    QList<std::shared_ptr<TreeItem>> children_;
};

#pragma once
// An item of an image browser (the template galleries, the picture library):
// a picture file, the name shown under it and an identifier unique within
// the browser. The browser shows the file's picture and, as title and
// subtitle, the name without its extension.
#include <QString>
#include <QVariant>

class MyImageObject {
public:
    MyImageObject() = default;
    static MyImageObject initWithImage_Path(const QString& path, const QString& image_Name,
                                            const QString& image_UID);

    void setPath(const QString& path) { path_ = path; }
    QString path() const { return path_; }
    QString imageName() const { return name_; }
    QString imageUID() const { return uid_; }
    // What the browser shows: the picture's path, and the name without its
    // extension as title and subtitle.
    QString imageRepresentation() const { return path_; }
    QString imageTitle() const;
    QString imageSubtitle() const { return imageTitle(); }
    // Read by key, as the browsers' callers do: "path" answers the path.
    QVariant valueForKey(const QString& key) const;

    bool operator==(const MyImageObject&) const = default;

private:
    QString path_;
    QString name_;
    QString uid_;
};

#pragma once
// A design file's top-level array made as a build before format 2 wrote
// it: version "1", each graphic's record without the elements added since.
#include "mainwindow/DesignFile.h"
#include "mainwindow/GraphicRecord.h"

#include <QString>
#include <QVariantList>

namespace zelk::test {

inline void asFormatOne(QVariantList& top) {
    top[DesignFile::VersionAt] = QStringLiteral("1");
    for (int at : {DesignFile::FrontGraphicsAt, DesignFile::BackGraphicsAt}) {
        QVariantList records = top.at(at).toList();
        for (QVariant& r : records)
            r = r.toList().mid(0, GraphicRecord::elementCount(1));
        top[at] = records;
    }
}

}  // namespace zelk::test

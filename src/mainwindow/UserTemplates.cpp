#include "mainwindow/UserTemplates.h"

#include "canvas/SKTRenderingView.h"
#include "canvas/SideSnapshot.h"
#include "foundation/Utilities.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/TemplateGallery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace {

QString siblingDesign(const QString& previewPath) {
    return TemplateGallery::designPathOfPreview(previewPath);
}

bool removeIfPresent(const QString& path) {
    return !QFileInfo::exists(path) || QFile::remove(path);
}

// The picture at `from` written to `to` as PNG (a PNG is copied byte for byte).
bool copyAsPng(const QString& from, const QString& to) {
    if (QFileInfo(from).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return QFile::copy(from, to);
    QImageReader reader(from);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!image.save(&out, "PNG"))
        return false;
    return out.commit();
}

}  // namespace

QString UserTemplates::folder() {
    return TemplateGallery::userTemplateFolder();
}

QString UserTemplates::previewPathOf(const QString& name) {
    return QDir(folder()).filePath(name + QStringLiteral(".png"));
}

QString UserTemplates::designPathOf(const QString& name) {
    return QDir(folder()).filePath(name + QStringLiteral(".did"));
}

bool UserTemplates::isUsableChoice(const QString& previewPath) {
    return !previewPath.isEmpty() && QFileInfo(previewPath).isFile();
}

QString UserTemplates::freeCopyPath(const QString& previewPath) {
    const QFileInfo info(previewPath);
    const QString base = info.completeBaseName();
    const QString ext = info.suffix();
    QString candidate;
    for (int n = 1; n < 100000; ++n) {
        candidate = info.dir().filePath(QStringLiteral("%1 (copy %2).%3").arg(base).arg(n).arg(ext));
        if (!QFileInfo::exists(candidate) && !QFileInfo::exists(siblingDesign(candidate)))
            return candidate;
    }
    return candidate;
}

QString UserTemplates::copyTemplate(const QString& previewPath) {
    if (!isUsableChoice(previewPath))
        return {};
    const QString target = freeCopyPath(previewPath);
    if (!QFile::copy(previewPath, target))
        return {};
    const QString design = siblingDesign(previewPath);
    if (QFileInfo(design).isFile() && !QFile::copy(design, siblingDesign(target))) {
        // A preview without its design would be a template that cannot open.
        QFile::remove(target);
        return {};
    }
    return target;
}

QString UserTemplates::renameTemplate(const QString& previewPath, const QString& newName) {
    if (!isUsableChoice(previewPath) || newName.isEmpty())
        return {};
    const QDir dir = QFileInfo(previewPath).dir();
    const QString newPreview = dir.filePath(newName + QStringLiteral(".png"));
    const QString newDesign = dir.filePath(newName + QStringLiteral(".did"));
    const QString oldDesign = siblingDesign(previewPath);
    if (QFileInfo(newPreview) == QFileInfo(previewPath))
        return previewPath;

    // Only the preview's kind changes when the name stays ("a.jpg" to
    // "a.png"): the design is already where it belongs.
    const bool designMoves = QFileInfo(newDesign) != QFileInfo(oldDesign);
    if (QFileInfo::exists(newPreview) || (designMoves && QFileInfo::exists(newDesign)))
        return {};
    if (!copyAsPng(previewPath, newPreview))
        return {};
    if (designMoves && QFileInfo(oldDesign).isFile() && !QFile::copy(oldDesign, newDesign)) {
        QFile::remove(newPreview);
        return {};
    }
    QFile::remove(previewPath);
    if (designMoves)
        QFile::remove(oldDesign);
    return newPreview;
}

bool UserTemplates::deleteTemplate(const QString& previewPath) {
    if (!isUsableChoice(previewPath))
        return false;
    const bool design = removeIfPresent(siblingDesign(previewPath));
    const bool preview = removeIfPresent(previewPath);
    return design && preview;
}

UserTemplates::NameCheck UserTemplates::checkTemplateName(const QString& rawName, const QString& oldName,
                                                          QString* cleanName) {
    const QString name = Remove_Reserve_Char_In_File_Name(Trim_Str(rawName)).trimmed();
    if (cleanName)
        *cleanName = name;
    // A name of dots only would name the folder itself or its parent.
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return NameEmpty;
    const bool exists = QFileInfo::exists(designPathOf(name));
    if (oldName.isEmpty())
        return exists ? AskReplace : NameAccepted;
    if (name != oldName && exists)
        return NameTaken;
    return NameAccepted;
}

bool UserTemplates::exportAsTemplate(const QString& name, const zelk::DesignContents& design, const QImage& preview,
                                     QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (name.isEmpty())
        return fail(EnterNameMessage);
    if (!Create_Folder(folder()))
        return fail(QStringLiteral("Cannot create the folder %1").arg(folder()));
    if (preview.isNull())
        return fail(QStringLiteral("No preview picture"));
    const QString previewPath = previewPathOf(name);
    {
        QSaveFile out(previewPath);
        if (!out.open(QIODevice::WriteOnly) || !preview.save(&out, "PNG") || !out.commit())
            return fail(QStringLiteral("Cannot write %1").arg(previewPath));
    }
    zelk::DesignContents contents = design;
    contents.Start_Card_Option = DesignFile::TemplateMode;
    const zelk::DesignWriteResult written =
        DesignFile::writeDesignFile(designPathOf(name), contents, DesignFile::TemplateMode);
    if (!written.ok) {
        QFile::remove(previewPath);
        return fail(written.message());
    }
    return true;
}

QImage UserTemplates::previewOf(const zelk::DesignContents& design) {
    const QRectF card(QPointF(0, 0), design.Front_card_Prop.Card_Size);
    const zelk::SideSnapshot side = zelk::SideSnapshot::take(&design.frontGraphics, &design.Front_card_Prop,
                                                             &design.Back_card_Prop, design.Card_Shape, 0, card);
    return SKTRenderingView(card, side, QStringLiteral("Preview")).imageAtResolution(PreviewDpi);
}

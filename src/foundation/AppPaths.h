#pragma once
// Process-wide folders and names. Set once at start-up (zelk::AppPaths::init)
// on the GUI thread and only read afterwards.
#include <QString>
#include <QStringList>

// The installed resources folder (templates, backgrounds, "Help.pdf", ...).
extern QString Resource_Path;
// The user's data folder: the application data location named after the
// application ("Zelk ID Card").
extern QString Created_Resource_Path;
// Created_Resource_Path/"DataSet": the series files.
extern QString Data_Folder_Path;
// Created_Resource_Path/"PrintProfile": the print profiles.
extern QString print_profile_path;
// Created_Resource_Path/"Cropped_Images".
extern QString Cropped_Img_Path;
// Created_Resource_Path/"Visitor_Log"/"Visitor.db".
extern QString Database_Path;
// "Untitled": the name of an unsaved design and of a new series.
extern QString default_file_name;
// "did": design and template files.
extern QString design_file_EXT;
// "txt": series files.
extern QString batch_file_EXT;

namespace zelk {

class AppPaths {
public:
    static constexpr const char* applicationName = "Zelk ID Card";

    // Sets every path from the default roots (see below).
    static void init();
    // Sets every path from the given roots; tests point these at temporary
    // folders.
    static void initWithRoots(const QString& resourceRoot, const QString& dataRoot);

    // <executable dir>/../share/zelk-id-card: the same layout in the build
    // tree (<build>/bin, <build>/share/zelk-id-card) and in an install.
    static QString defaultResourceRoot();
    // The per-user application data location, named after the application.
    static QString defaultDataRoot();

    // The sub-folders of the data folder tree, parents before children.
    static const QStringList& dataFolderTree();

    // A picture path of a design relocated into the resources folder
    // `resourceRoot` when it names a resources folder of another install;
    // other paths come back unchanged. Reads only its arguments and the
    // disk, so production workers call it too.
    static QString relocatedIntoResources(const QString& path, const QString& resourceRoot);

    // Whether a picture path names the shipped no-picture file ("no.png"),
    // the placeholder of a photo not chosen yet, wherever it is installed.
    static bool isNoPicture(const QString& path);
};

}  // namespace zelk

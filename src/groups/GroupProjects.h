#pragma once
// Group projects on disk: design files in folders below
// Created_Resource_Path/"Group_Excel_Data". A folder is named by its path
// relative to that base and may be nested ("All", "All/Staff"). The project
// tree is one row per folder followed by the rows of its projects (every
// folder expanded), in name order so that it reads the same everywhere.
// No widgets here: the wizard shows what this computes.
#include <QList>
#include <QString>
#include <QStringList>

class GroupProjects {
public:
    // Texts the user sees.
    static inline const QString SelectProjectMessage = QStringLiteral("Please select project.");
    static inline const QString CopyQuestion = QStringLiteral("Do you want to make copy of this project?");
    static inline const QString DeleteProjectQuestion = QStringLiteral("Do you want to delete this project?");
    static inline const QString DeleteFolderQuestion = QStringLiteral(
        "This Folder may be contain files if you delete this folder, also deleted contain files. Do you want to "
        "delete this folder permanently?");
    static inline const QString NameExistsMessage = QStringLiteral("Project name already exist.");
    static inline const QString RenameTitle = QStringLiteral("Rename Project");
    static inline const QString NameCaption = QStringLiteral("Project name");
    static inline const QString DefaultFolder = QStringLiteral("All");

    // Created_Resource_Path/"Group_Excel_Data".
    static QString base();
    // A typed project or folder name as its file or folder is named: cleaned
    // of reserved characters at the ends and of slashes, and without leading
    // dots, which would hide it from every listing; "" when nothing is left.
    static QString cleanName(const QString& rawName);
    // base/folder/name.did
    static QString projectPath(const QString& folder, const QString& name);

    // Creates the base and "All" when missing, then lists every folder at
    // any depth below the base by its relative path.
    static QStringList folders();

    // ---- The project tree ----
    struct Row {
        QString name;           // folder: relative path; project: file name without "did"
        bool folder = false;
        bool hasChildren = false;  // a folder with projects
    };
    // Rebuilds the rows from the disk (folders() first, so "All" is there).
    void Fill_Tree_View();
    const QList<Row>& rows() const { return rows_; }
    // The tree shows at least two rows: some project or second folder exists.
    bool project_created() const { return rows_.size() >= 2; }

    // The path of row `r`: a folder with projects and an empty folder below
    // "All" give base/name, a project base/<its folder>/name.did; "" for a
    // row out of range. *deleteFolderEnabled: a folder with projects that
    // is not "All".
    QString Get_Selected_Project_Path(int r, bool* deleteFolderEnabled = nullptr) const;
    // The folder above row `r` (the nearest folder row with projects before
    // it); "" when an empty folder or the top comes first.
    QString Get_Parent_Name(int r) const;

    // The first free "<name> (copy n).<ext>" beside the file, n = 1, 2, ...
    static QString Create_New_File_Path(const QString& path);

    // A usable project path: non-empty, a file there, a non-empty extension.
    static bool isUsableProject(const QString& path);
    // Copies the project beside itself (Create_New_File_Path); the new path
    // or "" on failure.
    static QString copyProject(const QString& path);
    enum RenameResult { Renamed, NameEmpty, NameTaken, RenameFailed };
    // Renames the project inside its folder to the cleaned name; a name in
    // use in that folder is refused (the file stays). The same name is
    // Renamed with nothing changed.
    static RenameResult renameProject(const QString& path, const QString& rawName, QString* newPath = nullptr);
    // Removes the project file, and its folder when that is empty then.
    // Other files beside it are the user's and stay.
    static bool deleteProject(const QString& path);
    // Removes a folder with everything in it (never the base itself).
    static bool deleteFolder(const QString& path);

    // ---- The folder dialog ----
    enum FolderResult { FolderMade, FolderNameEmpty, FolderNoParent, FolderExists, FolderFailed };
    // Makes parent/<cleaned name> below the base; *relativePath is the new
    // folder's relative path on success.
    static FolderResult createFolder(const QString& rawName, const QString& parent, QString* relativePath);

private:
    QList<Row> rows_;
};

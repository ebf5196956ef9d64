#pragma once
// The working folder where workbooks are unpacked and assembled. It holds
// card holders' data, so it is private to this user and this process
// (mode 0700, a fresh name in the temporary directory), never shared between
// processes, and removed when the process ends; the folder of a process
// that was killed is removed by a later start.
#include <QString>

namespace zelk {

class ZipWorkFolder {
public:
    // The folder's path; created on first use. Empty when it cannot be made.
    static QString path();
    // Removes everything inside the folder (links are removed, never
    // followed); the folder itself stays so that its name cannot be taken
    // over by someone else in the shared temporary directory.
    static void clear();
    // Removes a file tree without following symbolic links. True when
    // nothing is left at the path.
    static bool removeTree(const QString& path);
    // Removes the working folders that this user's processes left in
    // `tempFolder` when they ended without removing them (killed, or
    // crashed). A folder whose process still runs is left alone: the
    // process holds a lock on it for as long as it lives.
    static void removeLeftovers(const QString& tempFolder);
    // Tests point the folder at a temporary directory of their own; an empty
    // path goes back to the private default.
    static void setPathForTesting(const QString& path);
};

}  // namespace zelk

// Empties the workbook working folder; failures are ignored. The dialogs call
// it before a chosen workbook is unpacked, so only that workbook's sheets
// are listed.
void Delete_Excel_File_Temp_Folder();

#pragma once
// What the windows that write series share: the names and messages of a new
// series, the in-use guard of the design on screen, the ordering of folder
// listings.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zelk::series {

inline const QString kInUseCreate =
    QStringLiteral("Batch Processing Series can't be create because it is currently in use.");
inline const QString kInUseUpdate =
    QStringLiteral("Batch Processing Series can't be update because it is currently in use.");
inline const QString kReplaceQuestion =
    QStringLiteral("Batch Processing Series already exists. Do you want to replace it?");
inline const QString kFileError = QStringLiteral("Error in file accessing.");
// kFileError followed by why, when there is a reason to give.
inline QString fileErrorWithReason(const QString& why) {
    return why.isEmpty() ? kFileError : kFileError + QStringLiteral("\n\n") + why;
}
inline const QString kInvalidName = QStringLiteral("Please enter valid series name.");
inline const QString kCorrupted =
    QStringLiteral("Either file is corrupted or selected file contains invalid characters.");
inline const QString kNoValues = QStringLiteral("The selected file does not contain any value.");

// The in-use guard (a text, image or barcode of the card takes its values
// from the series). The main window installs its own while its series
// commands run; without one no series is in use.
using InUseCheck = std::function<bool(const QString& name)>;
InUseCheck setInUseCheck(InUseCheck check);
bool inUse(const QString& name);

// The series file of a name in Data_Folder_Path (the name cleaned).
QString pathOf(const QString& name);

// The typed name cleaned for a file; nullopt after "Please enter valid
// series name." when nothing is left.
std::optional<QString> cleanedName(const QString& typed);
// May a new series of this (cleaned) name be written? An existing one that
// the card uses is refused with its message; otherwise the user is asked
// whether to replace it.
bool mayWriteNew(const QString& name);

// 0 for a path to something that exists, else "Please select valid file
// path." and 1.
int Check_And_Validate_File_Path(const QString& path);

// The lower-case extensions of pictures that become series values.
const QStringList& imageTypes();
// Name order with runs of digits compared as numbers ("photo2" before
// "photo10"), letters ignoring case.
bool naturalLess(const QString& a, const QString& b);

}  // namespace zelk::series

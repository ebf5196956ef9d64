#pragma once
// The cross-cutting plain functions of the application: message boxes,
// logging, string helpers, file and folder helpers, the data folder tree and
// the help file.
#include "platform/FileWriting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QObject;

// Message boxes: callable from any thread, always shown on the GUI thread
// while the caller waits (see zelk::MessageSink).
// Shows "\n" + message with the single button "OK".
void Show_MessageBox(const QString& message);
// Buttons "Yes" (default) and "No": 1 for Yes, 0 for No.
int Show_YES_NO_MessageBox(const QString& question);
// Buttons "Yes", "No", "Cancel": 1000, 1001 or 1002.
int Show_YES_NO_Cancel_MessageBox(const QString& question);

// Writes the text to the system log; an empty or null text writes nothing.
void Show_NSLog_Message(const QString& text);

// White space, line breaks and control characters (format characters such
// as U+200B and U+FEFF included) off both ends, whichever comes first: the
// result is the same trimmed again. A null string gives a null string.
QString Trim_Str(const QString& str);
// True when `part` is non-empty and occurs in `text` (case-sensitive).
bool Find_Str(const QString& text, const QString& part);
bool Find_Str_Case_Insensitive(const QString& text, const QString& part);
// Every occurrence of `oldText` replaced by `newText` (an empty `oldText`
// changes nothing).
QString Replace_char_in_string(const QString& str, const QString& oldText, const QString& newText);
// The first n characters; the whole string when n is not below its length.
QString Left_Str_substringToIndex(const QString& str, qsizetype n);
// From index n to the end; "" when n is beyond the length.
QString Right_Str_substringFromIndex(const QString& str, qsizetype n);
QString Read_Str_FromIndex(const QString& str, qsizetype n);
// Up to (not including) index n; the whole string when n is beyond the length.
QString Read_Str_Upto_Index(const QString& str, qsizetype n);
// Usable as a file name: the reserved characters / \ ? % * | " < > trimmed
// from both ends, every remaining "/" replaced by "_", then Trim_Str.
QString Remove_Reserve_Char_In_File_Name(const QString& name);

// Creates the folder with any missing parents. The folder asked for is
// private to the user (0700): the data folders hold card holders' and
// visitors' data and the files every design trusts. True when a folder is
// there afterwards (a plain file at the path gives false).
bool Create_Folder(const QString& path);
// Removes the folder with its contents (a symbolic link is removed, never
// followed); failures are logged.
void Delete_Folder(const QString& path);
// Removes the file or folder at the path; failures are silent.
void Delete_File(const QString& path);
namespace zelk {
// Creates a folder of output in a place the user chose (the batch export's
// "Zelk ID Card"), with any missing parents, its mode left to the user's
// umask like any folder of theirs. True when a folder is there afterwards.
bool createOutputFolder(const QString& path);
// The integer a text starts with (blanks, a sign, ASCII digits), its
// magnitude held at `limit`; 0 when there is none.
qint64 leadingInteger(const QString& text, qint64 limit);
// What the user is told of a file chosen for a picture that holds none (an
// empty file, a text file named .png) or is gone.
extern const QString UnreadablePictureMessage;
// Whether the file holds a picture that decodes whole.
bool isReadablePicture(const QString& path);
// The message that names the files of a run whose pictures do not decode.
QString unreadablePicturesMessage(const QStringList& paths);
// A file chosen for a photo or picture is refused where it is chosen when it
// holds no picture that decodes: true after telling the user so, and the
// caller keeps the picture it had.
bool refuseUnreadablePicture(const QString& path);
// A typed name cleaned as Remove_Reserve_Char_In_File_Name cleans it, and
// without leading dots: the file it names is never hidden in its folder.
QString visibleFileName(const QString& typed);
// The bytes as the file at `path`. An old file is replaced by a temporary
// file written beside it once that is whole: a failed write keeps the old
// file. A new file that cannot be written whole is removed. A device or
// pipe at the path (a link to one included) takes the bytes itself. False
// with the reason in *why.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* why = nullptr);
}  // namespace zelk

// Sets the "enabled" property of the object and of every object inside it
// that has one.
void SetObjEnabled(QObject* obj, bool flag);

// Builds the data folder tree under Created_Resource_Path when missing and
// copies "Default.zkd" from the resources into "PrintProfile" when missing.
void Check_Path_And_Create_Files();
// Creates "Visitor_Log", copies the empty "Visitor.db" from the resources
// into it when missing and sets Database_Path.
void Check_Path_And_Create_VISITOR_Files();
// Opens Resource_Path/"Help.pdf" with its default application, or shows
// "Help file does not exist!"; says so when the desktop cannot open it.
void Open_Help_File();

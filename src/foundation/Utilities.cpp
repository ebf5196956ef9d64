#include "foundation/Utilities.h"

#include <algorithm>

#include "foundation/AppPaths.h"
#include "platform/MessageSink.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <QMetaProperty>
#include <QObject>
#include <QSaveFile>
#include <QUrl>

#include <cerrno>
#include <sys/stat.h>

Q_LOGGING_CATEGORY(zelkLog, "zelk")

using zelk::MessageAnswer;
using zelk::MessageButtons;
using zelk::MessageSink;

void Show_MessageBox(const QString& message) {
    MessageSink::ask(MessageButtons::Ok, QStringLiteral("\n") + message);
}

int Show_YES_NO_MessageBox(const QString& question) {
    return MessageSink::ask(MessageButtons::YesNo, question) == MessageAnswer::Yes ? 1 : 0;
}

int Show_YES_NO_Cancel_MessageBox(const QString& question) {
    switch (MessageSink::ask(MessageButtons::YesNoCancel, question)) {
    case MessageAnswer::Yes: return 1000;
    case MessageAnswer::No: return 1001;
    default: return 1002;
    }
}

void Show_NSLog_Message(const QString& text) {
    if (text.isEmpty())
        return;
    qCInfo(zelkLog).noquote() << text;
}

namespace {

// Trims code points matching `pred` from both ends, surrogate pairs taken whole.
template <typename Pred>
QString trimCodePoints(const QString& str, Pred pred) {
    if (str.isNull())
        return str;
    qsizetype begin = 0;
    qsizetype end = str.size();
    while (begin < end) {
        char32_t c = str.at(begin).unicode();
        qsizetype len = 1;
        if (QChar::isHighSurrogate(c) && begin + 1 < end && str.at(begin + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(str.at(begin), str.at(begin + 1));
            len = 2;
        }
        if (!pred(c))
            break;
        begin += len;
    }
    while (end > begin) {
        char32_t c = str.at(end - 1).unicode();
        qsizetype len = 1;
        if (QChar::isLowSurrogate(c) && end - 2 >= begin && str.at(end - 2).isHighSurrogate()) {
            c = QChar::surrogateToUcs4(str.at(end - 2), str.at(end - 1));
            len = 2;
        }
        if (!pred(c))
            break;
        end -= len;
    }
    return str.mid(begin, end - begin);
}

bool isBlankOrLineBreak(char32_t c) { return QChar::isSpace(c); }

bool isControlCharacter(char32_t c) {
    const QChar::Category cat = QChar::category(c);
    return cat == QChar::Other_Control || cat == QChar::Other_Format;
}

bool isReservedFileNameChar(char32_t c) {
    switch (c) {
    case '/': case '\\': case '?': case '%': case '*': case '|': case '"': case '<': case '>':
        return true;
    default:
        return false;
    }
}

// Removes a file, a symbolic link or a whole folder. Never follows a link.
bool removePath(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QFile::remove(path);
    if (info.isDir())
        return QDir(path).removeRecursively();
    return false;
}

// Copies a shipped resource into the data folder unless a file is there. The
// copy is made writable for its owner whatever the installed file's mode.
void copyResourceWhenMissing(const QString& source, const QString& target) {
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
        return;
    if (!QFileInfo(source).isFile())
        return;
    if (!QFile::copy(source, target)) {
        Show_NSLog_Message(QStringLiteral("Can not copy %1 to %2").arg(source, target));
        return;
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner |
                                      QFileDevice::WriteOwner);
}

}  // namespace

QString Trim_Str(const QString& str) {
    // One pass over both kinds, so that a blank behind a control character
    // goes too and trimming twice gives what trimming once gave.
    return trimCodePoints(str, [](char32_t c) { return isBlankOrLineBreak(c) || isControlCharacter(c); });
}

bool Find_Str(const QString& text, const QString& part) {
    return !part.isEmpty() && text.contains(part, Qt::CaseSensitive);
}

bool Find_Str_Case_Insensitive(const QString& text, const QString& part) {
    return !part.isEmpty() && text.contains(part, Qt::CaseInsensitive);
}

QString Replace_char_in_string(const QString& str, const QString& oldText, const QString& newText) {
    if (oldText.isEmpty())
        return str;
    QString result = str;
    return result.replace(oldText, newText);
}

QString Left_Str_substringToIndex(const QString& str, qsizetype n) {
    if (n <= 0)
        return str.isNull() ? str : QString(QLatin1String(""));
    return str.left(n);
}

QString Right_Str_substringFromIndex(const QString& str, qsizetype n) {
    if (str.isNull())
        return str;
    if (n >= str.size())
        return QString(QLatin1String(""));
    return str.mid(qMax<qsizetype>(n, 0));
}

QString Read_Str_FromIndex(const QString& str, qsizetype n) {
    return Right_Str_substringFromIndex(str, n);
}

QString Read_Str_Upto_Index(const QString& str, qsizetype n) {
    return Left_Str_substringToIndex(str, n);
}

QString Remove_Reserve_Char_In_File_Name(const QString& name) {
    QString result = trimCodePoints(name, isReservedFileNameChar);
    result.replace(QLatin1Char('/'), QLatin1Char('_'));
    return Trim_Str(result);
}

namespace {

// Makes the folder with any missing parents. Parents get the default mode,
// as ~/.local would from any program; a private folder is made private at
// once, never opened first.
bool makeFolder(const QString& path, bool privateToUser) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir();
    if (!privateToUser)
        return QDir().mkpath(path) && QFileInfo(path).isDir();
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    if (::mkdir(QFile::encodeName(info.absoluteFilePath()).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return QFileInfo(path).isDir();
}

}  // namespace

bool Create_Folder(const QString& path) { return makeFolder(path, true); }

bool zelk::createOutputFolder(const QString& path) { return makeFolder(path, false); }

void Delete_Folder(const QString& path) {
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (!removePath(path))
        Show_NSLog_Message(QStringLiteral("Can not delete folder %1").arg(path));
}

void Delete_File(const QString& path) {
    if (path.isEmpty())
        return;
    removePath(path);
}

namespace zelk {

const QString UnreadablePictureMessage = QStringLiteral("The picture file is missing or cannot be read.");

namespace {

// Whether a JPEG holds anything of its picture after the header of its
// first scan: one cut there still decodes, to a flat grey. What cannot be
// followed is left to the decoder.
bool jpegHoldsScanData(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    // The headers, however many metadata segments come first.
    const QByteArray b = file.read(8 << 20);
    auto at = [&b](qsizetype i) { return int(quint8(b.at(i))); };
    if (b.size() < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return true;
    qsizetype i = 2;
    while (i + 4 <= b.size()) {
        if (at(i) != 0xFF)
            return true;
        const int marker = at(i + 1);
        if (marker == 0xFF) {  // fill
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            i += 2;
            continue;
        }
        if (marker == 0xD9)  // the end, before any scan
            return false;
        const qsizetype next = i + 2 + ((at(i + 2) << 8) | at(i + 3));
        if (marker == 0xDA)
            return next < b.size() && !(at(next) == 0xFF && next + 1 < b.size() && at(next + 1) == 0xD9);
        i = next;
    }
    // Cut among its headers.
    return b.size() >= (8 << 20);
}

}  // namespace

bool isReadablePicture(const QString& path) {
    // What the file holds, not its name; and the picture itself, not only
    // its header: a file cut short after a whole header has none.
    QImageReader reader(path);
    return reader.canRead() && (reader.format() != "jpeg" || jpegHoldsScanData(path)) && !reader.read().isNull();
}

QString unreadablePicturesMessage(const QStringList& paths) {
    if (paths.size() == 1)
        return UnreadablePictureMessage + QStringLiteral("\n\n") + paths.first();
    return QStringLiteral("These picture files are missing or cannot be read, and nothing was written for them:\n\n") +
           paths.join(QLatin1Char('\n'));
}

bool refuseUnreadablePicture(const QString& path) {
    if (isReadablePicture(path))
        return false;
    Show_MessageBox(UnreadablePictureMessage);
    return true;
}

QString visibleFileName(const QString& typed) {
    QString name = Remove_Reserve_Char_In_File_Name(Trim_Str(typed));
    while (name.startsWith(QLatin1Char('.')))
        name = Remove_Reserve_Char_In_File_Name(name.mid(1));
    return name;
}

qint64 leadingInteger(const QString& text, qint64 limit) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 n = 0;
    for (; i < text.size() && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9'; ++i)
        n = std::min<qint64>(n * 10 + (text.at(i).unicode() - '0'), limit);
    return negative ? -n : n;
}

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* why) {
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return fail(QStringLiteral("The folder \"%1\" does not exist.").arg(folder.filePath()));
    if (!folder.isDir())
        return fail(QStringLiteral("\"%1\" is a file, not a folder.").arg(folder.filePath()));
    if (target.isDir())
        return fail(QStringLiteral("A folder of that name is in the way."));
    if (target.exists() && !target.isFile()) {
        // A device or a pipe cannot be replaced by a rename: it takes the
        // bytes itself.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return fail(device.errorString());
        return writeWholeFile(device, bytes, why);
    }
    if (!target.exists() && !target.isSymLink()) {
        // Nothing to keep: the file is written in place, without the flush to
        // disk that a replacement needs (a batch writes thousands of files).
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (writeWholeFile(file, bytes, why))
                return true;
            file.remove();
            return false;
        }
        if (!QFileInfo::exists(path))
            return fail(file.errorString());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (!writeWholeFile(file, bytes, why)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return fail(writeFailureReason(file));
    return true;
}

}  // namespace zelk

void SetObjEnabled(QObject* obj, bool flag) {
    if (!obj)
        return;
    const auto setOne = [flag](QObject* o) {
        const QMetaObject* meta = o->metaObject();
        const int index = meta->indexOfProperty("enabled");
        if (index >= 0 && meta->property(index).isWritable())
            meta->property(index).write(o, flag);
    };
    setOne(obj);
    const QList<QObject*> inside = obj->findChildren<QObject*>();
    for (QObject* child : inside)
        setOne(child);
}

void Check_Path_And_Create_Files() {
    if (Created_Resource_Path.isEmpty()) {
        Show_NSLog_Message(QStringLiteral("The data folder is not set"));
        return;
    }
    if (!Create_Folder(Created_Resource_Path)) {
        Show_NSLog_Message(QStringLiteral("Can not create folder %1").arg(Created_Resource_Path));
        return;
    }
    const QDir data(Created_Resource_Path);
    for (const QString& sub : zelk::AppPaths::dataFolderTree()) {
        if (!Create_Folder(data.filePath(sub)))
            Show_NSLog_Message(QStringLiteral("Can not create folder %1").arg(data.filePath(sub)));
    }
    copyResourceWhenMissing(QDir(Resource_Path).filePath(QStringLiteral("PrintProfile/Default.zkd")),
                            data.filePath(QStringLiteral("PrintProfile/Default.zkd")));
}

void Check_Path_And_Create_VISITOR_Files() {
    if (Created_Resource_Path.isEmpty()) {
        Show_NSLog_Message(QStringLiteral("The data folder is not set"));
        return;
    }
    const QDir data(Created_Resource_Path);
    const QString folder = data.filePath(QStringLiteral("Visitor_Log"));
    if (!Create_Folder(Created_Resource_Path) || !Create_Folder(folder))
        Show_NSLog_Message(QStringLiteral("Can not create folder %1").arg(folder));
    Database_Path = QDir(folder).filePath(QStringLiteral("Visitor.db"));
    copyResourceWhenMissing(QDir(Resource_Path).filePath(QStringLiteral("Visitor.db")), Database_Path);
}

void Open_Help_File() {
    const QString help = QDir(Resource_Path).filePath(QStringLiteral("Help.pdf"));
    if (Resource_Path.isEmpty() || !QFileInfo(help).isFile()) {
        Show_MessageBox(QStringLiteral("Help file does not exist!"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(help))) {
        Show_NSLog_Message(QStringLiteral("Can not open %1").arg(help));
        Show_MessageBox(QStringLiteral("The help file could not be opened: the desktop has no program for "
                                       "PDF files. Install one, or open the file yourself:\n%1").arg(help));
    }
}

#pragma once
// Zip packages (PKWARE's APPNOTE.TXT, the .ZIP file format notes) over
// minizip and zlib: unpacking a package into a folder and packing files and
// folders into a new package. Workbooks (.xlsx) are such packages.
#include <QString>
#include <QStringList>

class QFileDevice;

class SSZipArchive {
public:
    // Error codes of the domain "SSZipArchiveErrorDomain".
    enum ErrorCode {
        ErrorOpenZip = -1,         // "failed to open zip file"
        ErrorOpenFirstFile = -2,   // "failed to open first file in zip file"
        ErrorUnsafeEntry = -3,     // an entry would land outside the destination
        ErrorTooLarge = -4,        // over the size or entry-count caps
        ErrorReadEntry = -5,       // an entry cannot be read or fails its CRC
        ErrorWriteEntry = -6,      // a target cannot be created or written
    };
    struct Error {
        QString domain;
        int code = 0;
        QString description;
    };

    // Caps that refuse zip bombs. They admit a workbook of 100,000 rows by
    // 20 columns (about 200 MB of sheet XML) with room to spare.
    static constexpr qint64 kMaxTotalUnpackedSize = qint64(1) << 30;  // 1 GiB
    static constexpr qint64 kMaxEntries = 10000;

    // Unpacks every entry into the destination folder. Entries whose names
    // leave the folder ("..", absolute paths) and link entries are refused
    // before anything is written; read errors, CRC errors and short writes
    // fail the unpack. With overwrite off, existing files are left alone.
    static bool unzipFileAtPath(const QString& path, const QString& destination,
                                bool overwrite = true, const QString& password = {},
                                Error* error = nullptr);

    // Writes a new package holding the given files and folders, each under
    // its last path component (folders with all their content, an empty
    // folder as a "name/" entry). The package goes to a temporary file of
    // its own in the destination's folder, synced and then renamed over the
    // destination: a failure, or a process killed on the way, leaves any old
    // file intact and nothing beside it. False with the reason in *why when
    // the package cannot be made or an item cannot be read.
    static bool createZipFileAtPath(const QString& path, const QStringList& paths, QString* why = nullptr);

    // A package written to the open file, which the caller commits or
    // discards afterwards.
    explicit SSZipArchive(QFileDevice* file);
    ~SSZipArchive();
    SSZipArchive(const SSZipArchive&) = delete;
    SSZipArchive& operator=(const SSZipArchive&) = delete;

    bool open();
    // Adds the item `name`, relative to `baseFolder` (which ends with "/").
    bool writeFile(const QString& name, const QString& baseFolder);
    bool close();

private:
    bool writeEntry(const QString& name, const QString& filePath);
    bool writeFolderEntry(const QString& name);

    QFileDevice* _device;
    void* _zip = nullptr;
};

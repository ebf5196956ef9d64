#pragma once
// Builds zip packages entry by entry for the tests, including the hostile
// ones that no honest writer makes (through minizip's raw mode).
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zelk::test {

struct ZipEntry {
    QByteArray name;
    QByteArray data;
    // Raw mode: `data` is already deflated and these are declared as they are.
    bool raw = false;
    uint64_t declaredSize = 0;
    uint32_t declaredCrc = 0;
    // Unix mode bits in the external attributes (host 3); 0 for none.
    unsigned unixMode = 0;
};

// Writes a package of the entries; false when minizip refuses.
bool writeZip(const QString& path, const QList<ZipEntry>& entries);
// Raw deflate (RFC 1951) of the bytes, as stored in a zip entry.
QByteArray rawDeflate(const QByteArray& bytes);
// Names of the entries of a package, in central-directory order, with the
// MS-DOS date and time of each ("name@dosdate").
QStringList zipListing(const QString& path);
QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);
// Every file and folder below `root`, relative, sorted.
QStringList treeOf(const QString& root);

}  // namespace zelk::test

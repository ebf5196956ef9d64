#pragma once
// A print profile on disk: "<name>.zkd" in the print-profile folder, an XML
// property list whose root is one array of exactly 26 strings, read and
// written by position (printer, paper, layout, side and options; flags "Y"
// or "N", lengths in millimetres as text).
#include <QString>
#include <QStringList>

class PrintProfileFile {
public:
    static constexpr int FieldCount = 26;
    // Positions of the fields.
    enum Field {
        Printer, PaperName, PaperSizeText, PaperWidthMm, PaperHeightMm, Orientation, Rows, Columns,
        HorzGap, VertGap, SideGap, LeftMargin, TopMargin, RightMargin, BottomMargin, Alignment,
        AutoCenter, Side, Arrangement, Mirror, MirrorType, ShowMargins, WithSeries, WithExcel,
        CropMarks, FitToFrame
    };

    // folder/name.zkd
    static QString pathOf(const QString& folder, const QString& name);
    // The profiles of the folder: the names of its files whose extension is
    // exactly "zkd", sorted by name ignoring case.
    static QStringList listNames(const QString& folder);
    // Writes the 26 strings through a temporary file renamed over the old
    // one; false, the old file untouched and *error set, when it fails.
    static bool write(const QString& path, const QStringList& fields, QString* error = nullptr);
    // Reads the strings; false (and *error) for a missing or unreadable file,
    // a root that is not an array, or fewer than 26 elements.
    static bool read(const QString& path, QStringList& fields, QString* error = nullptr);

    // The name the profile dialog takes from the typed one: trimmed, and made
    // safe as a file name.
    static QString cleanName(const QString& typed);
    // The refusal of a typed name (checked after cleaning), "" when it is
    // accepted: "Please enter profile name." for an empty one, the Default
    // message for the Default profile's name in any case.
    static QString nameRefusal(const QString& typed);
    static const QString defaultProfileName;  // "Default"
    static const QString defaultNameMessage;
};

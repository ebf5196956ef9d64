#pragma once
// The design file (".did"): an XML property list holding one array read by
// position. Element 0 is "VEDAREZEDUZER"; the layout of every element is in
// docs/design-file.md, which reader and writer keep to.
//
// A plain value (DesignContents) goes in and comes out: no window, no
// process-wide value. The main window copies its state into the value to
// save, and takes the value apart after a successful load, so a refused file
// leaves the design on screen as it was.
#include "foundation/Card_Property.h"
#include "mainwindow/GraphicRecord.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <array>
#include <memory>
#include <optional>

class SKTGraphic;

namespace zelk {

// Everything a design file carries.
struct DesignContents {
    QString Start_Card_Option = QStringLiteral("L");  // StartMode
    QString CARD_SIDE_STR = QStringLiteral("2");      // "1" one-sided, "2" two-sided
    int Card_Shape = 0;                               // 0 rectangle, 1 rounded, 2 oval
    Card_Property Front_card_Prop{QStringLiteral("F")};
    Card_Property Back_card_Prop{QStringLiteral("B")};
    // Index 0 is the topmost graphic, as on the canvas.
    QList<std::shared_ptr<SKTGraphic>> frontGraphics;
    QList<std::shared_ptr<SKTGraphic>> backGraphics;
    // The Excel block.
    bool Excel_Binding_Use = false;
    QString Excel_Source_Path;
    QStringList excelColumnTitles;   // all table columns, row-number column first
    QList<QVariantMap> excelRows;    // "Extension" and "Column%d" -> text
    // The group column indexes excel_cb_value1 .. excel_cb_value12 (element
    // 0 holds excel_cb_value1); -1 for none.
    std::array<int, 12> excel_cb_value{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

struct DesignWriteResult {
    bool ok = false;
    int code = 0;     // DesignFile::WriteError
    QString reason;   // what went wrong, for the message
    // The failure as the user sees it: "%d -- %@" with code and reason.
    QString message() const;
};

struct DesignReadResult {
    std::optional<DesignContents> contents;  // set only on success
    // The barcode picture made last while loading (a barcode stored without
    // one); null when none was made. The window keeps it as
    // Barcode_output_image.
    QImage Barcode_output_image;
    QString message;  // for the user: DesignFile::CorruptMessage
    QString detail;   // for the log: what was wrong and where
    bool ok() const { return contents.has_value(); }
};

}  // namespace zelk

class DesignFile {
public:
    static inline const QString Magic = QStringLiteral("VEDAREZEDUZER");
    // The version written; a reader takes this one and version 1 (whose
    // graphic records end before the fields version 2 adds).
    static constexpr int FormatVersion = 2;
    static inline const QString DesignMode = QStringLiteral("L");
    static inline const QString TemplateMode = QStringLiteral("T");
    static inline const QString Extension = QStringLiteral("did");
    // Stored barcode pictures of one file may claim at most this many pixels
    // together: a small file of highly compressed pictures must not make the
    // reader decode gigabytes.
    static constexpr qint64 MaxStoredPicturePixels = 200'000'000;

    // Texts the main window shows.
    static inline const QString CorruptMessage = QStringLiteral("File is corrupt and cannot be opened.");
    // A failed save: "%d -- %@" (code, reason).
    static inline const QString SaveErrorFormat = QStringLiteral("%1 -- %2");
    // A failure while loading, reported by the loader: "%d - \n%@".
    static inline const QString LoadErrorFormat = QStringLiteral("%1 - \n%2");

    // Positions of the top-level array.
    enum Element {
        MagicAt = 0,
        VersionAt,
        StartModeAt,
        CardSidesAt,
        CardShapeAt,
        FrontCardPropertyAt,
        BackCardPropertyAt,
        FrontGraphicsAt,
        BackGraphicsAt,
        ExcelBindingUseAt,
        ExcelSourcePathAt,
        ExcelColumnTitlesAt,
        ExcelRowsAt,
        GroupColumnIndexesAt,
        ElementCount
    };

    enum WriteError {
        NoError = 0,
        BadMode = 1,          // neither "L" nor "T"
        NotStorable = 2,      // the contents hold something the file cannot carry
        NotARegularFile = 3,  // the path names a folder, device or pipe
        CannotOpen = 4,       // the temporary file cannot be made
        CannotWrite = 5,      // writing failed (full disk, size limit)
        CannotReplace = 6,    // the temporary file could not take the old one's place
    };

    // Writes the design to a temporary file beside `path` and renames it over
    // the old file: on any failure the old file is left as it was.
    // mode "L" writes the Excel table; "T" (template) writes two empty arrays
    // for the column titles and rows.
    static zelk::DesignWriteResult writeDesignFile(const QString& path,
                                                   const zelk::DesignContents& contents,
                                                   const QString& mode);

    // The file's bytes; empty, with the reason in *error, when the contents
    // cannot be stored.
    static QByteArray designFileData(const zelk::DesignContents& contents, const QString& mode,
                                     QString* error = nullptr);

    // Reads a design file. A file that is not a design file, is truncated,
    // holds a value of the wrong form at any position, or is hostile (too
    // large, too deep, entity declarations) gives CorruptMessage and no
    // contents. Each picture file the graphics name is read once per call.
    static zelk::DesignReadResult readDesignFile(const QString& path,
                                                 const zelk::GraphicRecordContext& context = {});
    static zelk::DesignReadResult readDesignData(const QByteArray& data,
                                                 const zelk::GraphicRecordContext& context = {});

    // The names of the top-level elements and of the card-property record's
    // elements, by position.
    static QStringList elementNames();
    static QStringList cardPropertyElementNames();

    // A side's card properties as a record and back (nullopt on a value of
    // the wrong form; Card_BG_Image is not stored: it is loaded from
    // Card_BG_Image_Path).
    static QStringList cardPropertyRecord(const Card_Property& property);
    static std::optional<Card_Property> cardPropertyFromRecord(const QStringList& record,
                                                               const QString& sideName,
                                                               QString* error = nullptr);
};

#include "mainwindow/DesignFile.h"

#include "datasource/Data_From_Excel.h"
#include "foundation/Codes.h"
#include "foundation/PictureLoadCache.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "mainwindow/BarcodeProducer.h"
#include "platform/PropertyList.h"

#include <QFileInfo>
#include <QSaveFile>

// The card-property record (format version 1), in file order. Frozen like
// the graphic record. Card_BG_Image is left out: the window loads it from
// Card_BG_Image_Path.
#define ZELK_CARD_PROPERTY_RECORD_FIELDS(X)                                      \
    X(Card_border_chk) X(Card_bordr_clr) X(Card_bor_Stepper) X(Card_border_style) \
    X(Card_fill_chk) X(Card_fill_style) X(Card_fill_clr) X(Card_fill_Grd_1_clr)  \
    X(Card_fill_Grd_2_clr) X(Card_grad_Stepper) X(Card_hatch_style)              \
    X(Card_hatch_bk_clr) X(Card_alpha_Stepper) X(Card_BG_Image_Path)             \
    X(Card_BG_Image_Layout) X(Card_Content_clr) X(Card_Content_font)             \
    X(Watermark_Used) X(Watermark_Text) X(Watermark_Font) X(Watermark_Color)     \
    X(Watermark_Transp) X(Watermark_Alignment) X(Card_Side) X(Card_Side_Name)    \
    X(Card_Shape) X(Card_Name) X(Card_Location) X(Card_Size) X(Card_Preset)      \
    X(Card_Category) X(Card_Sub_Category) X(Card_Cat_index) X(Card_Create_Mode)

namespace {

using zelk::DesignContents;
using zelk::DesignReadResult;
using zelk::DesignWriteResult;

#define ZELK_COUNT_FIELD(name) +1
constexpr int CardPropertyFieldCount = 0 ZELK_CARD_PROPERTY_RECORD_FIELDS(ZELK_COUNT_FIELD);
#undef ZELK_COUNT_FIELD

constexpr int GroupColumnIndexCount = 12;

// A design file is a few arrays of short strings; anything deeper is not one.
zelk::PropertyListLimits readLimits() {
    zelk::PropertyListLimits limits;
    limits.maxDepth = 16;
    return limits;
}

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

bool isString(const QVariant& v) { return v.typeId() == QMetaType::QString; }
bool isList(const QVariant& v) { return v.typeId() == QMetaType::QVariantList; }
bool isMap(const QVariant& v) { return v.typeId() == QMetaType::QVariantMap; }

// A list of strings, or nullopt when any element is not a string.
std::optional<QStringList> stringList(const QVariant& v) {
    if (!isList(v))
        return std::nullopt;
    const QVariantList list = v.toList();
    QStringList out;
    out.reserve(list.size());
    for (const QVariant& item : list) {
        if (!isString(item))
            return std::nullopt;
        out << item.toString();
    }
    return out;
}

QVariantList toVariantList(const QStringList& list) {
    QVariantList out;
    out.reserve(list.size());
    for (const QString& s : list)
        out << s;
    return out;
}

bool writeGraphics(const QList<std::shared_ptr<SKTGraphic>>& graphics, const char* side,
                   QVariantList* out, QString* error) {
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        if (!graphics.at(i))
            continue;
        QString reason;
        const QStringList record = GraphicRecord::Get_Control_Prop_To_Array(*graphics.at(i), &reason);
        if (record.isEmpty()) {
            setError(error, QStringLiteral("%1 graphic %2: %3").arg(QLatin1String(side)).arg(i).arg(reason));
            return false;
        }
        out->append(QVariant(toVariantList(record)));
    }
    return true;
}

// Passes production on to the caller's producer and keeps the last picture.
class LastPictureProducer : public zelk::BarcodeProducer {
public:
    explicit LastPictureProducer(zelk::BarcodeProducer* inner) : inner_(inner) {}
    QImage produceBarcode(const SKTGraphic& graphic, const QString& value, const QString& header,
                          const QString& footer) override {
        zelk::BarcodeProducer& producer = inner_ ? *inner_ : zelk::defaultBarcodeProducer();
        QImage picture = producer.produceBarcode(graphic, value, header, footer);
        if (!picture.isNull())
            last = picture;
        return picture;
    }
    QImage last;

private:
    zelk::BarcodeProducer* inner_;
};

// The pixels the stored pictures of both sides claim together.
qint64 claimedPicturePixels(const QVariantList& top) {
    qint64 total = 0;
    for (int at : {DesignFile::FrontGraphicsAt, DesignFile::BackGraphicsAt}) {
        for (const QVariant& record : top.at(at).toList()) {
            if (const std::optional<QStringList> strings = stringList(record))
                total += GraphicRecord::storedPicturePixels(*strings);
        }
    }
    return total;
}

bool readGraphics(const QVariant& v, const char* side, const zelk::GraphicRecordContext& context,
                  int formatVersion, QList<std::shared_ptr<SKTGraphic>>* out, QString* error) {
    if (!isList(v)) {
        setError(error, QStringLiteral("%1 graphics: not an array").arg(QLatin1String(side)));
        return false;
    }
    const QVariantList list = v.toList();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const std::optional<QStringList> record = stringList(list.at(i));
        if (!record) {
            setError(error, QStringLiteral("%1 graphic %2: not an array of strings")
                                .arg(QLatin1String(side))
                                .arg(i));
            return false;
        }
        QString reason;
        std::shared_ptr<SKTGraphic> g =
            GraphicRecord::Create_Control_From_Array(*record, context, &reason, formatVersion);
        if (!g) {
            setError(error, QStringLiteral("%1 graphic %2: %3").arg(QLatin1String(side)).arg(i).arg(reason));
            return false;
        }
        out->append(std::move(g));
    }
    return true;
}

}  // namespace

QString zelk::DesignWriteResult::message() const {
    return DesignFile::SaveErrorFormat.arg(code).arg(reason);
}

QStringList DesignFile::elementNames() {
    QStringList names = {QStringLiteral("magic"),
                         QStringLiteral("format version"),
                         QStringLiteral("Start_Card_Option"),
                         QStringLiteral("CARD_SIDE_STR"),
                         QStringLiteral("Card_Shape"),
                         QStringLiteral("Front_card_Prop"),
                         QStringLiteral("Back_card_Prop"),
                         QStringLiteral("front graphics"),
                         QStringLiteral("back graphics"),
                         QStringLiteral("Excel_Binding_Use"),
                         QStringLiteral("Excel_Source_Path"),
                         QStringLiteral("column titles"),
                         QStringLiteral("rows"),
                         QStringLiteral("excel_cb_value1..12")};
    Q_ASSERT(names.size() == ElementCount);
    return names;
}

QStringList DesignFile::cardPropertyElementNames() {
    QStringList names;
#define ZELK_NAME_FIELD(name) names << QStringLiteral(#name);
    ZELK_CARD_PROPERTY_RECORD_FIELDS(ZELK_NAME_FIELD)
#undef ZELK_NAME_FIELD
    return names;
}

QStringList DesignFile::cardPropertyRecord(const Card_Property& p) {
    QStringList record;
    record.reserve(CardPropertyFieldCount);
#define ZELK_WRITE_FIELD(name) record << GraphicRecord::encodeValue(p.name);
    ZELK_CARD_PROPERTY_RECORD_FIELDS(ZELK_WRITE_FIELD)
#undef ZELK_WRITE_FIELD
    return record;
}

std::optional<Card_Property> DesignFile::cardPropertyFromRecord(const QStringList& record,
                                                                const QString& sideName,
                                                                QString* error) {
    if (record.size() != CardPropertyFieldCount) {
        setError(error, QStringLiteral("card property record of %1 elements, %2 expected")
                            .arg(record.size())
                            .arg(CardPropertyFieldCount));
        return std::nullopt;
    }
    Card_Property p(sideName);
    int position = 0;
    QString failedField;
    auto take = [&](const char* name, auto& field) {
        if (!failedField.isEmpty())
            return;
        if (!GraphicRecord::decodeValue(record.at(position), field))
            failedField = QString::fromLatin1(name);
        else
            ++position;
    };
#define ZELK_READ_FIELD(name) take(#name, p.name);
    ZELK_CARD_PROPERTY_RECORD_FIELDS(ZELK_READ_FIELD)
#undef ZELK_READ_FIELD
    if (!failedField.isEmpty()) {
        setError(error, QStringLiteral("card property position %1 (%2): not a valid value")
                            .arg(position)
                            .arg(failedField));
        return std::nullopt;
    }
    return p;
}

QByteArray DesignFile::designFileData(const DesignContents& c, const QString& mode, QString* error) {
    if (mode != DesignMode && mode != TemplateMode) {
        setError(error, QStringLiteral("unknown save mode \"%1\"").arg(mode));
        return {};
    }
    QVariantList top;
    top.reserve(ElementCount);
    top << Magic << QString::number(FormatVersion) << c.Start_Card_Option << c.CARD_SIDE_STR
        << QString::number(c.Card_Shape);
    top << QVariant(toVariantList(cardPropertyRecord(c.Front_card_Prop)))
        << QVariant(toVariantList(cardPropertyRecord(c.Back_card_Prop)));
    QVariantList front;
    QVariantList back;
    if (!writeGraphics(c.frontGraphics, "front", &front, error)
        || !writeGraphics(c.backGraphics, "back", &back, error))
        return {};
    top << QVariant(front) << QVariant(back);

    // The Excel block: flag, workbook path, column titles, rows. A template
    // carries no one's table: two empty arrays.
    top << GraphicRecord::encodeValue(c.Excel_Binding_Use) << c.Excel_Source_Path;
    QVariantList titles;
    QVariantList rows;
    if (mode == DesignMode) {
        titles = toVariantList(c.excelColumnTitles);
        rows.reserve(c.excelRows.size());
        for (qsizetype r = 0; r < c.excelRows.size(); ++r) {
            QVariantMap row;
            const QVariantMap& source = c.excelRows.at(r);
            for (auto it = source.cbegin(); it != source.cend(); ++it) {
                // Cells are text; a number a caller put in is written as its text.
                if (!isString(it.value()) && !it.value().canConvert<QString>()) {
                    setError(error, QStringLiteral("row %1, \"%2\": not a text").arg(r).arg(it.key()));
                    return {};
                }
                row.insert(it.key(), it.value().toString());
            }
            rows << QVariant(row);
        }
    }
    top << QVariant(titles) << QVariant(rows);

    QStringList indexes;
    for (int v : c.excel_cb_value)
        indexes << QString::number(v);
    top << QVariant(toVariantList(indexes));
    Q_ASSERT(top.size() == ElementCount);

    QString reason;
    const QByteArray bytes = zelk::PropertyList::write(QVariant(top), &reason);
    if (bytes.isEmpty())
        setError(error, reason);
    return bytes;
}

DesignWriteResult DesignFile::writeDesignFile(const QString& path, const DesignContents& contents,
                                              const QString& mode) {
    DesignWriteResult result;
    auto fail = [&](WriteError code, const QString& reason) {
        result.ok = false;
        result.code = code;
        result.reason = reason;
        return result;
    };
    if (mode != DesignMode && mode != TemplateMode)
        return fail(BadMode, QStringLiteral("unknown save mode \"%1\"").arg(mode));
    QString reason;
    const QByteArray bytes = designFileData(contents, mode, &reason);
    if (bytes.isEmpty())
        return fail(NotStorable, reason);

    // Renaming over a device or a pipe would replace it with a plain file.
    const QFileInfo target(path);
    if (path.isEmpty() || (target.exists() && !target.isFile()))
        return fail(NotARegularFile, QStringLiteral("%1 is not a file").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(CannotOpen, QStringLiteral("%1: %2").arg(path, file.errorString()));
    QString why;
    if (!zelk::writeWholeFile(file, bytes, &why)) {
        file.cancelWriting();
        return fail(CannotWrite, QStringLiteral("%1: %2").arg(path, why));
    }
    if (!file.commit())
        return fail(CannotReplace, QStringLiteral("%1: %2").arg(path, zelk::writeFailureReason(file)));
    result.ok = true;
    return result;
}

namespace {

// The design of a parsed property list; nullopt with the position and reason
// in *error when any element is missing or of the wrong form.
std::optional<DesignContents> contentsFromValue(const QVariant& value,
                                                const zelk::GraphicRecordContext& context,
                                                QImage* producedPicture, QString* error) {
    if (!isList(value)) {
        setError(error, QStringLiteral("not an array"));
        return std::nullopt;
    }
    const QVariantList top = value.toList();
    if (top.isEmpty() || !isString(top.at(DesignFile::MagicAt))
        || top.at(DesignFile::MagicAt).toString() != DesignFile::Magic) {
        setError(error, QStringLiteral("element 0: not a design file"));
        return std::nullopt;
    }
    const QString version = top.size() < 2 || !isString(top.at(DesignFile::VersionAt))
                                ? QString()
                                : top.at(DesignFile::VersionAt).toString();
    if (version != QLatin1String("1") && version != QString::number(DesignFile::FormatVersion)) {
        setError(error, QStringLiteral("element 1: unknown format version"));
        return std::nullopt;
    }
    const int formatVersion = version.toInt();
    if (top.size() != DesignFile::ElementCount) {
        setError(error, QStringLiteral("%1 elements, %2 expected").arg(top.size()).arg(DesignFile::ElementCount));
        return std::nullopt;
    }
    const QStringList names = DesignFile::elementNames();
    auto bad = [&](int at, const QString& what) {
        setError(error, QStringLiteral("element %1 (%2): %3").arg(at).arg(names.at(at), what));
        return std::nullopt;
    };
    for (int at : {DesignFile::StartModeAt, DesignFile::CardSidesAt, DesignFile::CardShapeAt,
                   DesignFile::ExcelBindingUseAt, DesignFile::ExcelSourcePathAt}) {
        if (!isString(top.at(at)))
            return bad(at, QStringLiteral("not a string"));
    }

    DesignContents c;
    c.Start_Card_Option = top.at(DesignFile::StartModeAt).toString();
    using namespace zelk;
    if (!QStringList{StartMode::Template, StartMode::Wizard, StartMode::DesignFile, StartMode::Visitor,
                     StartMode::GroupList}
             .contains(c.Start_Card_Option))
        return bad(DesignFile::StartModeAt, QStringLiteral("unknown start mode"));
    c.CARD_SIDE_STR = top.at(DesignFile::CardSidesAt).toString();
    if (c.CARD_SIDE_STR != CardSide::OneSided && c.CARD_SIDE_STR != CardSide::TwoSided)
        return bad(DesignFile::CardSidesAt, QStringLiteral("neither \"1\" nor \"2\""));
    if (!GraphicRecord::decodeValue(top.at(DesignFile::CardShapeAt).toString(), c.Card_Shape))
        return bad(DesignFile::CardShapeAt, QStringLiteral("not a whole number"));

    QString reason;
    const int propertyAt[2] = {DesignFile::FrontCardPropertyAt, DesignFile::BackCardPropertyAt};
    Card_Property* property[2] = {&c.Front_card_Prop, &c.Back_card_Prop};
    const QString sideName[2] = {CardSide::FrontName, CardSide::BackName};
    for (int side = 0; side < 2; ++side) {
        const std::optional<QStringList> record = stringList(top.at(propertyAt[side]));
        if (!record)
            return bad(propertyAt[side], QStringLiteral("not an array of strings"));
        const std::optional<Card_Property> p =
            DesignFile::cardPropertyFromRecord(*record, sideName[side], &reason);
        if (!p)
            return bad(propertyAt[side], reason);
        *property[side] = *p;
    }

    if (!GraphicRecord::decodeValue(top.at(DesignFile::ExcelBindingUseAt).toString(), c.Excel_Binding_Use))
        return bad(DesignFile::ExcelBindingUseAt, QStringLiteral("neither \"Y\" nor \"N\""));
    c.Excel_Source_Path = top.at(DesignFile::ExcelSourcePathAt).toString();
    const std::optional<QStringList> titles = stringList(top.at(DesignFile::ExcelColumnTitlesAt));
    if (!titles)
        return bad(DesignFile::ExcelColumnTitlesAt, QStringLiteral("not an array of strings"));
    c.excelColumnTitles = *titles;
    if (!isList(top.at(DesignFile::ExcelRowsAt)))
        return bad(DesignFile::ExcelRowsAt, QStringLiteral("not an array"));
    const QVariantList rows = top.at(DesignFile::ExcelRowsAt).toList();
    c.excelRows.reserve(rows.size());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (!isMap(rows.at(r)))
            return bad(DesignFile::ExcelRowsAt, QStringLiteral("row %1 is not a dictionary").arg(r));
        const QVariantMap row = rows.at(r).toMap();
        for (auto it = row.cbegin(); it != row.cend(); ++it) {
            if (!isString(it.value()))
                return bad(DesignFile::ExcelRowsAt,
                           QStringLiteral("row %1, \"%2\": not a string").arg(r).arg(it.key().left(32)));
        }
        c.excelRows << row;
    }

    const qint64 pixels = claimedPicturePixels(top);
    if (pixels > DesignFile::MaxStoredPicturePixels)
        return bad(DesignFile::FrontGraphicsAt,
                   QStringLiteral("stored pictures of %1 pixels in all, at most %2")
                       .arg(pixels)
                       .arg(DesignFile::MaxStoredPicturePixels));
    LastPictureProducer producer(context.producer);
    zelk::GraphicRecordContext recordContext = context;
    recordContext.producer = &producer;
    // A barcode bound to an Excel column is made from this design's own
    // table, read above, not from a table the caller has.
    recordContext.firstBoundValue = [&c, &context](const SKTGraphic& g) {
        if (g.data_source_type == DataSourceType::ExcelColumn)
            return Data_From_Excel::firstColumnValue(c.excelRows, g.excel_col_indx);
        return context.firstBoundValue ? context.firstBoundValue(g) : QString();
    };
    if (!readGraphics(top.at(DesignFile::FrontGraphicsAt), "front", recordContext, formatVersion, &c.frontGraphics,
                      &reason))
        return bad(DesignFile::FrontGraphicsAt, reason);
    if (!readGraphics(top.at(DesignFile::BackGraphicsAt), "back", recordContext, formatVersion, &c.backGraphics,
                      &reason))
        return bad(DesignFile::BackGraphicsAt, reason);

    // A file from before boxes knew who placed them opens each box as the
    // design's; but on a card the card wizard made, no template gave the
    // profile's fields their boxes: the stamping did, and lays them out
    // again.
    const QString madeBy = c.Start_Card_Option == StartMode::DesignFile ? c.Front_card_Prop.Card_Create_Mode
                                                                         : c.Start_Card_Option;
    if (formatVersion == 1 && madeBy == StartMode::Wizard)
        for (QList<std::shared_ptr<SKTGraphic>>* side : {&c.frontGraphics, &c.backGraphics})
            for (const std::shared_ptr<SKTGraphic>& g : *side)
                if (g && profileFieldForId(g->control_ID))
                    g->setPlacedByRule();

    const std::optional<QStringList> indexes = stringList(top.at(DesignFile::GroupColumnIndexesAt));
    if (!indexes || indexes->size() != GroupColumnIndexCount)
        return bad(DesignFile::GroupColumnIndexesAt, QStringLiteral("not an array of 12 strings"));
    for (int k = 0; k < GroupColumnIndexCount; ++k) {
        if (!GraphicRecord::decodeValue(indexes->at(k), c.excel_cb_value[size_t(k)]))
            return bad(DesignFile::GroupColumnIndexesAt,
                       QStringLiteral("excel_cb_value%1: not a whole number").arg(k + 1));
    }
    *producedPicture = producer.last;
    return c;
}

DesignReadResult refused(const QString& detail) {
    DesignReadResult result;
    result.message = DesignFile::CorruptMessage;
    result.detail = detail;
    return result;
}

// The design a property list holds, or the reason it is refused.
DesignReadResult readDesignValue(const QVariant& value, const zelk::GraphicRecordContext& context) {
    const zelk::PictureLoadCache pictures;
    QString reason;
    QImage produced;
    std::optional<DesignContents> contents = contentsFromValue(value, context, &produced, &reason);
    if (!contents)
        return refused(reason);
    DesignReadResult result;
    result.contents = std::move(contents);
    result.Barcode_output_image = produced;
    return result;
}

}  // namespace

DesignReadResult DesignFile::readDesignData(const QByteArray& data, const zelk::GraphicRecordContext& context) {
    QVariant value;
    QString reason;
    if (!zelk::PropertyList::read(data, value, &reason, readLimits()))
        return refused(reason);
    return readDesignValue(value, context);
}

DesignReadResult DesignFile::readDesignFile(const QString& path, const zelk::GraphicRecordContext& context) {
    if (!QFileInfo(path).isFile())
        return refused(QStringLiteral("%1: not a readable file").arg(path));
    QVariant value;
    QString reason;
    if (!zelk::PropertyList::readFile(path, value, &reason, readLimits()))
        return refused(reason);
    return readDesignValue(value, context);
}

#include "platform/PropertyList.h"

#include "platform/FileWriting.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <pugixml.hpp>

namespace zelk {
namespace {

// ----- reading ---------------------------------------------------------------

class Reader {
public:
    Reader(const QByteArray& xml, const PropertyList::Limits& limits)
        : xml_(xml), limits_(limits) {}

    bool fail(pugi::xml_node node, const QString& message) {
        return failAt(node ? node.offset_debug() : -1, message);
    }

    bool failAt(ptrdiff_t offset, const QString& message) {
        if (error_.isEmpty())
            error_ = offset >= 0 ? QStringLiteral("%1: %2").arg(position(offset), message) : message;
        return false;
    }

    const QString& error() const { return error_; }

    bool document(QVariant& out) {
        if (xml_.size() > limits_.maxBytes)
            return failAt(-1, QStringLiteral("property list too large (%1 bytes, the limit is %2)")
                                  .arg(xml_.size())
                                  .arg(limits_.maxBytes));
        if (xml_.trimmed().isEmpty())
            return failAt(-1, QStringLiteral("empty input, not a property list"));
        // Refuse documents whose element count alone would blow up memory
        // before the tree is even looked at. Counting every '<' that opens a
        // tag errs only on the high side (comments and CDATA count too).
        if (startTagCount() > limits_.maxElements)
            return failAt(-1, QStringLiteral("too many elements (the limit is %1)").arg(limits_.maxElements));

        // Escapes are decoded here rather than by the parser, so that any entity
        // other than the five predefined ones is an error, never expanded or
        // passed through.
        const unsigned options = pugi::parse_cdata | pugi::parse_eol | pugi::parse_doctype |
                                 pugi::parse_ws_pcdata_single;
        const pugi::xml_parse_result parsed =
            doc_.load_buffer(xml_.constData(), size_t(xml_.size()), options, pugi::encoding_auto);
        if (!parsed)
            return failAt(parsed.offset,
                          QStringLiteral("malformed XML (%1)").arg(QString::fromUtf8(parsed.description())));

        pugi::xml_node root;
        for (pugi::xml_node node : doc_.children()) {
            switch (node.type()) {
            case pugi::node_doctype:
                if (std::strchr(node.value(), '[') != nullptr)
                    return fail(node, QStringLiteral("a document type with declarations (entities, DTD) is not accepted"));
                break;
            case pugi::node_element:
                if (root)
                    return fail(node, QStringLiteral("more than one root element"));
                root = node;
                break;
            case pugi::node_pcdata:
            case pugi::node_cdata:
                if (!isBlank(node.value()))
                    return fail(node, QStringLiteral("text outside the root element"));
                break;
            default:
                break;
            }
        }
        if (!root)
            return failAt(-1, QStringLiteral("no root element"));
        if (std::strcmp(root.name(), "plist") != 0)
            return fail(root, QStringLiteral("the root element is <%1>, not <plist>").arg(QString::fromUtf8(root.name())));

        pugi::xml_node valueNode;
        for (pugi::xml_node child : root.children()) {
            if (!checkStructural(child, "plist"))
                return false;
            if (child.type() != pugi::node_element)
                continue;
            if (valueNode)
                return fail(child, QStringLiteral("<plist> holds more than one value"));
            valueNode = child;
        }
        if (!valueNode)
            return fail(root, QStringLiteral("<plist> holds no value"));
        return value(valueNode, 1, out);
    }

private:
    qsizetype startTagCount() const {
        qsizetype count = 0;
        const char* p = xml_.constData();
        const qsizetype n = xml_.size();
        for (qsizetype i = 0; i + 1 < n; ++i)
            if (p[i] == '<' && p[i + 1] != '/' && p[i + 1] != '!' && p[i + 1] != '?')
                ++count;
        return count;
    }

    static bool isBlank(const char* s) {
        for (; *s; ++s)
            if (*s != ' ' && *s != '\t' && *s != '\n' && *s != '\r')
                return false;
        return true;
    }

    QString position(ptrdiff_t offset) const {
        int line = 1;
        int column = 1;
        const qsizetype end = qMin<qsizetype>(offset, xml_.size());
        for (qsizetype i = 0; i < end; ++i) {
            if (xml_.at(i) == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return QStringLiteral("line %1, column %2").arg(line).arg(column);
    }

    // Inside containers only elements, blanks, comments and processing
    // instructions may appear.
    bool checkStructural(pugi::xml_node child, const char* container) {
        switch (child.type()) {
        case pugi::node_pcdata:
        case pugi::node_cdata:
            if (!isBlank(child.value()))
                return fail(child, QStringLiteral("text is not allowed directly inside <%1>")
                                       .arg(QString::fromLatin1(container)));
            return true;
        case pugi::node_doctype:
            return fail(child, QStringLiteral("misplaced document type"));
        default:
            return true;
        }
    }

    // The character content of a leaf element, with references decoded.
    bool text(pugi::xml_node node, QString& out) {
        QByteArray bytes;
        for (pugi::xml_node child : node.children()) {
            switch (child.type()) {
            case pugi::node_pcdata:
                if (!unescape(child, bytes))
                    return false;
                break;
            case pugi::node_cdata:
                if (!appendChecked(child, child.value(), std::strlen(child.value()), bytes))
                    return false;
                break;
            case pugi::node_element:
                return fail(child, QStringLiteral("<%1> may not hold elements").arg(QString::fromUtf8(node.name())));
            case pugi::node_doctype:
                return fail(child, QStringLiteral("misplaced document type"));
            default:
                break;  // comments and processing instructions
            }
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString decoded = decoder(bytes);
        if (decoder.hasError())
            return fail(node, QStringLiteral("invalid UTF-8 in <%1>").arg(QString::fromUtf8(node.name())));
        out = decoded;
        return true;
    }

    // Appends raw character data, refusing characters XML 1.0 does not allow.
    bool appendChecked(pugi::xml_node node, const char* data, size_t size, QByteArray& out) {
        for (size_t i = 0; i < size; ++i) {
            const unsigned char c = static_cast<unsigned char>(data[i]);
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return fail(node, QStringLiteral("control character %1 in text").arg(int(c)));
        }
        out.append(data, qsizetype(size));
        return true;
    }

    static void appendUtf8(char32_t cp, QByteArray& out) {
        const QString s = QString::fromUcs4(&cp, 1);
        out.append(s.toUtf8());
    }

    bool unescape(pugi::xml_node node, QByteArray& out) {
        const char* s = node.value();
        const size_t n = std::strlen(s);
        size_t start = 0;
        for (size_t i = 0; i < n; ++i) {
            if (s[i] != '&')
                continue;
            if (!appendChecked(node, s + start, i - start, out))
                return false;
            const char* semi = static_cast<const char*>(std::memchr(s + i, ';', qMin<size_t>(n - i, 16)));
            if (!semi)
                return fail(node, QStringLiteral("a bare '&' or an unterminated reference in text"));
            const QByteArray ref(s + i + 1, semi - (s + i + 1));
            if (ref == "amp") out.append('&');
            else if (ref == "lt") out.append('<');
            else if (ref == "gt") out.append('>');
            else if (ref == "quot") out.append('"');
            else if (ref == "apos") out.append('\'');
            else if (ref.startsWith('#')) {
                bool ok = false;
                const uint cp = ref.startsWith("#x") ? ref.mid(2).toUInt(&ok, 16) : ref.mid(1).toUInt(&ok, 10);
                const bool allowed = ok && (cp == 0x9 || cp == 0xA || cp == 0xD ||
                                            (cp >= 0x20 && cp <= 0xD7FF) ||
                                            (cp >= 0xE000 && cp <= 0xFFFD) ||
                                            (cp >= 0x10000 && cp <= 0x10FFFF));
                if (!allowed || ref.size() < 2 || ref.at(1) == '+' || ref.at(1) == '-')
                    return fail(node, QStringLiteral("invalid character reference &%1;").arg(QString::fromLatin1(ref)));
                appendUtf8(char32_t(cp), out);
            } else {
                return fail(node, QStringLiteral("undeclared entity &%1; (entities are not expanded)")
                                      .arg(QString::fromUtf8(ref.left(32))));
            }
            i = size_t(semi - s);
            start = i + 1;
        }
        return appendChecked(node, s + start, n - start, out);
    }

    bool leafOnly(pugi::xml_node node) {
        QString content;
        if (!text(node, content))
            return false;
        if (!content.trimmed().isEmpty())
            return fail(node, QStringLiteral("<%1/> may not hold text").arg(QString::fromUtf8(node.name())));
        return true;
    }

    bool value(pugi::xml_node node, int depth, QVariant& out) {
        if (++elements_ > limits_.maxElements)
            return fail(node, QStringLiteral("too many elements (the limit is %1)").arg(limits_.maxElements));
        if (depth > limits_.maxDepth)
            return fail(node, QStringLiteral("nesting deeper than %1 levels").arg(limits_.maxDepth));
        const char* name = node.name();

        if (std::strcmp(name, "array") == 0) {
            QVariantList list;
            for (pugi::xml_node child : node.children()) {
                if (!checkStructural(child, "array"))
                    return false;
                if (child.type() != pugi::node_element)
                    continue;
                QVariant item;
                if (!value(child, depth + 1, item))
                    return false;
                list.append(item);
            }
            out = list;
            return true;
        }
        if (std::strcmp(name, "dict") == 0) {
            QVariantMap map;
            QString key;
            bool haveKey = false;
            for (pugi::xml_node child : node.children()) {
                if (!checkStructural(child, "dict"))
                    return false;
                if (child.type() != pugi::node_element)
                    continue;
                if (!haveKey) {
                    if (std::strcmp(child.name(), "key") != 0)
                        return fail(child, QStringLiteral("<dict> expects <key>, found <%1>").arg(QString::fromUtf8(child.name())));
                    if (++elements_ > limits_.maxElements)
                        return fail(child, QStringLiteral("too many elements (the limit is %1)").arg(limits_.maxElements));
                    if (!text(child, key))
                        return false;
                    haveKey = true;
                    continue;
                }
                if (std::strcmp(child.name(), "key") == 0)
                    return fail(child, QStringLiteral("<key> \"%1\" has no value").arg(key));
                QVariant item;
                if (!value(child, depth + 1, item))
                    return false;
                map.insert(key, item);
                haveKey = false;
            }
            if (haveKey)
                return fail(node, QStringLiteral("<key> \"%1\" has no value").arg(key));
            out = map;
            return true;
        }
        if (std::strcmp(name, "string") == 0) {
            QString s;
            if (!text(node, s))
                return false;
            out = s;
            return true;
        }
        if (std::strcmp(name, "integer") == 0) {
            QString s;
            if (!text(node, s))
                return false;
            s = s.trimmed();
            bool ok = false;
            qint64 v = 0;
            QString digits = s;
            const bool negative = digits.startsWith(QLatin1Char('-'));
            if (negative || digits.startsWith(QLatin1Char('+')))
                digits.remove(0, 1);
            if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
                const quint64 magnitude = digits.mid(2).toULongLong(&ok, 16);
                const quint64 maxMagnitude = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                                      : quint64(std::numeric_limits<qint64>::max());
                ok = ok && !digits.mid(2).startsWith(QLatin1Char('+')) &&
                     !digits.mid(2).startsWith(QLatin1Char('-')) && magnitude <= maxMagnitude;
                if (ok)
                    v = negative ? qint64(0 - magnitude) : qint64(magnitude);
            } else if (!digits.isEmpty() && digits.at(0).isDigit()) {
                v = s.toLongLong(&ok, 10);
            }
            if (!ok)
                return fail(node, QStringLiteral("bad integer \"%1\"").arg(s.left(64)));
            out = v;
            return true;
        }
        if (std::strcmp(name, "real") == 0) {
            QString s;
            if (!text(node, s))
                return false;
            s = s.trimmed();
            const QString lower = s.toLower();
            double v = 0;
            bool ok = true;
            if (lower == QLatin1String("nan"))
                v = std::numeric_limits<double>::quiet_NaN();
            else if (lower == QLatin1String("inf") || lower == QLatin1String("+inf") ||
                     lower == QLatin1String("infinity") || lower == QLatin1String("+infinity"))
                v = std::numeric_limits<double>::infinity();
            else if (lower == QLatin1String("-inf") || lower == QLatin1String("-infinity"))
                v = -std::numeric_limits<double>::infinity();
            else
                v = s.toDouble(&ok);  // always the "." form
            if (!ok || s.isEmpty())
                return fail(node, QStringLiteral("bad real number \"%1\"").arg(s.left(64)));
            out = v;
            return true;
        }
        if (std::strcmp(name, "true") == 0 || std::strcmp(name, "false") == 0) {
            if (!leafOnly(node))
                return false;
            out = std::strcmp(name, "true") == 0;
            return true;
        }
        if (std::strcmp(name, "data") == 0) {
            QString s;
            if (!text(node, s))
                return false;
            QByteArray encoded = s.toLatin1();
            encoded.replace(' ', QByteArray()).replace('\t', QByteArray())
                   .replace('\n', QByteArray()).replace('\r', QByteArray());
            auto decoded = QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return fail(node, QStringLiteral("bad base64 in <data>"));
            out = *decoded;
            return true;
        }
        if (std::strcmp(name, "date") == 0) {
            QString s;
            if (!text(node, s))
                return false;
            s = s.trimmed();
            QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
            if (!dt.isValid())
                return fail(node, QStringLiteral("bad date \"%1\"").arg(s.left(64)));
            if (dt.timeSpec() == Qt::LocalTime)
                dt.setTimeSpec(Qt::UTC);  // plist dates without a zone are UTC
            out = dt.toUTC();
            return true;
        }
        if (std::strcmp(name, "key") == 0)
            return fail(node, QStringLiteral("<key> outside a <dict>"));
        return fail(node, QStringLiteral("unknown element <%1>").arg(QString::fromUtf8(name).left(64)));
    }

    const QByteArray& xml_;
    const PropertyList::Limits& limits_;
    pugi::xml_document doc_;
    qsizetype elements_ = 0;
    QString error_;
};

// ----- writing ---------------------------------------------------------------

class Writer {
public:
    QByteArray out;
    QString error;

    // Nothing is written that the reader would refuse under its default limits.
    bool value(const QVariant& v, int depth) {
        if (depth > limits_.maxDepth)
            return fail(QStringLiteral("nesting deeper than %1 levels").arg(limits_.maxDepth));
        if (++elements_ > limits_.maxElements)
            return fail(QStringLiteral("too many elements (the limit is %1)").arg(limits_.maxElements));
        if (out.size() > limits_.maxBytes)
            return fail(QStringLiteral("larger than %1 bytes").arg(limits_.maxBytes));
        switch (v.metaType().id()) {
        case QMetaType::Bool:
            line(depth, v.toBool() ? "<true/>" : "<false/>");
            return true;
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::SChar:
        case QMetaType::Char:
            leaf(depth, "integer", QByteArray::number(v.toLongLong()));
            return true;
        case QMetaType::UInt:
        case QMetaType::UShort:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UChar: {
            const quint64 u = v.toULongLong();
            if (u > quint64(std::numeric_limits<qint64>::max()))
                return fail(QStringLiteral("integer %1 is out of range").arg(u));
            leaf(depth, "integer", QByteArray::number(u));
            return true;
        }
        case QMetaType::Double:
        case QMetaType::Float:
            leaf(depth, "real", realText(v.toDouble()));
            return true;
        case QMetaType::QString: {
            QByteArray escaped;
            if (!escape(v.toString(), escaped))
                return false;
            leaf(depth, "string", escaped);
            return true;
        }
        case QMetaType::QByteArray:
            leaf(depth, "data", v.toByteArray().toBase64());
            return true;
        case QMetaType::QDateTime:
        case QMetaType::QDate: {
            const QDateTime dt = v.metaType().id() == QMetaType::QDate
                                     ? v.toDate().startOfDay(Qt::UTC)
                                     : v.toDateTime();
            if (!dt.isValid())
                return fail(QStringLiteral("invalid date"));
            leaf(depth, "date", dt.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toLatin1());
            return true;
        }
        case QMetaType::QStringList:
        case QMetaType::QVariantList: {
            const QVariantList list = v.toList();
            if (list.isEmpty()) {
                line(depth, "<array/>");
                return true;
            }
            line(depth, "<array>");
            for (const QVariant& item : list)
                if (!value(item, depth + 1))
                    return false;
            line(depth, "</array>");
            return true;
        }
        case QMetaType::QVariantMap:
        case QMetaType::QVariantHash: {
            const QVariantMap map = v.toMap();  // keys in sorted order
            if (map.isEmpty()) {
                line(depth, "<dict/>");
                return true;
            }
            line(depth, "<dict>");
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                QByteArray key;
                if (!escape(it.key(), key))
                    return false;
                if (++elements_ > limits_.maxElements)
                    return fail(QStringLiteral("too many elements (the limit is %1)").arg(limits_.maxElements));
                leaf(depth + 1, "key", key);
                if (!value(it.value(), depth + 1))
                    return false;
            }
            line(depth, "</dict>");
            return true;
        }
        default:
            if (!v.isValid())
                return fail(QStringLiteral("a property list cannot hold an empty value"));
            return fail(QStringLiteral("a property list cannot hold a value of type %1")
                            .arg(QString::fromLatin1(v.metaType().name())));
        }
    }

private:
    PropertyList::Limits limits_;
    qsizetype elements_ = 0;

    bool fail(const QString& message) {
        if (error.isEmpty())
            error = message;
        return false;
    }

    void line(int depth, const QByteArray& text) {
        out.append(QByteArray(depth - 1, '\t'));
        out.append(text);
        out.append('\n');
    }

    void leaf(int depth, const char* tag, const QByteArray& content) {
        out.append(QByteArray(depth - 1, '\t'));
        out.append('<').append(tag).append('>');
        out.append(content);
        out.append("</").append(tag).append(">\n");
    }

    static QByteArray realText(double d) {
        if (std::isnan(d))
            return "nan";
        if (std::isinf(d))
            return d > 0 ? "inf" : "-inf";
        // Shortest text that reads back as the same double.
        return QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
    }

    // XML-escapes text. A carriage return is written as a reference, since
    // readers turn a literal one into a line feed. Characters XML 1.0 cannot
    // carry at all make the value unwritable rather than silently altered.
    bool escape(const QString& s, QByteArray& out) {
        QString escaped;
        escaped.reserve(s.size());
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar c = s.at(i);
            const char16_t u = c.unicode();
            if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
                escaped.append(c).append(s.at(i + 1));
                ++i;
                continue;
            }
            if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF ||
                (u < 0x20 && u != '\t' && u != '\n' && u != '\r'))
                return fail(QStringLiteral("text holds character U+%1, which XML cannot store")
                                .arg(uint(u), 4, 16, QLatin1Char('0')));
            switch (u) {
            case '&': escaped.append(QLatin1String("&amp;")); break;
            case '<': escaped.append(QLatin1String("&lt;")); break;
            case '>': escaped.append(QLatin1String("&gt;")); break;
            case '\r': escaped.append(QLatin1String("&#13;")); break;
            default: escaped.append(c);
            }
        }
        out = escaped.toUtf8();
        return true;
    }
};

}  // namespace

bool PropertyList::read(const QByteArray& xml, QVariant& out, QString* error, const Limits& limits) {
    Reader reader(xml, limits);
    QVariant result;
    if (!reader.document(result)) {
        if (error)
            *error = reader.error();
        return false;
    }
    out = std::move(result);
    return true;
}

bool PropertyList::readFile(const QString& path, QVariant& out, QString* error, const Limits& limits) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("can not open %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > limits.maxBytes) {
        if (error)
            *error = QStringLiteral("%1 is too large (%2 bytes, the limit is %3)")
                         .arg(path).arg(file.size()).arg(limits.maxBytes);
        return false;
    }
    // What the file holds and one byte more (to see it grow past the
    // limit), not the limit itself: read(n) reserves n bytes first.
    const qint64 expected = file.isSequential() ? limits.maxBytes : std::min<qint64>(file.size(), limits.maxBytes);
    const QByteArray bytes = file.read(expected + 1);
    QString message;
    if (!read(bytes, out, &message, limits)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, message);
        return false;
    }
    return true;
}

QByteArray PropertyList::write(const QVariant& value, QString* error) {
    Writer writer;
    writer.out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n";
    if (!writer.value(value, 1)) {
        if (error)
            *error = writer.error;
        return {};
    }
    writer.out.append("</plist>\n");
    if (writer.out.size() > Limits().maxBytes) {
        if (error)
            *error = QStringLiteral("larger than %1 bytes").arg(Limits().maxBytes);
        return {};
    }
    return writer.out;
}

bool PropertyList::writeFile(const QString& path, const QVariant& value, QString* error) {
    QString message;
    const QByteArray bytes = write(value, &message);
    if (bytes.isEmpty()) {
        if (error)
            *error = message;
        return false;
    }
    QSaveFile file(path);
    QString why;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        why = file.errorString();
    else if (!writeWholeFile(file, bytes, &why))
        file.cancelWriting();
    else if (!file.commit())
        why = writeFailureReason(file);
    if (why.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("can not write %1: %2").arg(path, why);
    return false;
}

}  // namespace zelk

#include "datasource/SheetReader.h"

#include <QIODevice>

#include <pugixml.hpp>

#include <cstring>

namespace zelk {
namespace {

constexpr qint64 kChunk = qint64(1) << 20;

QByteArray localName(const char* qname) {
    const char* colon = std::strrchr(qname, ':');
    return QByteArray(colon ? colon + 1 : qname);
}

bool isLocal(const pugi::xml_node& n, const char* name) {
    const char* q = n.name();
    const char* colon = std::strrchr(q, ':');
    return std::strcmp(colon ? colon + 1 : q, name) == 0;
}

pugi::xml_node childLocal(const pugi::xml_node& n, const char* name) {
    for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && isLocal(c, name))
            return c;
    return {};
}

pugi::xml_attribute attrLocal(const pugi::xml_node& n, const char* name) {
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
        const char* q = a.name();
        const char* colon = std::strrchr(q, ':');
        if (std::strcmp(colon ? colon + 1 : q, name) == 0 && std::strncmp(q, "xmlns", 5) != 0)
            return a;
    }
    return {};
}

// All character data directly inside the element (text split by comments or
// CDATA sections is joined).
QByteArray directText(const pugi::xml_node& n) {
    QByteArray out;
    for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            out.append(c.value());
    return out;
}

QByteArray deepText(const pugi::xml_node& n) {
    QByteArray out;
    for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
            out.append(c.value());
        else if (c.type() == pugi::node_element)
            out.append(deepText(c));
    }
    return out;
}

// Text of a string item (<si> or <is>): its <t>, or the <t> of each run
// <r> in order; phonetic runs (<rPh>) are readings, not text.
QString richText(const pugi::xml_node& item) {
    QByteArray out;
    for (pugi::xml_node c = item.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element)
            continue;
        if (isLocal(c, "t"))
            out.append(directText(c));
        else if (isLocal(c, "r"))
            out.append(directText(childLocal(c, "t")));
    }
    return SheetReader::decodeXString(QString::fromUtf8(out));
}

// Column number of cell-reference letters (A 1 ... XFD 16384); 0 for no or
// invalid letters, kMaxColumns + 1 for anything past the format's limit.
int columnNumber(const char* ref) {
    int n = 0;
    int letters = 0;
    for (const char* p = ref; *p && !(*p >= '1' && *p <= '9'); ++p) {
        char c = *p;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            return 0;
        n = n * 26 + (c - 'A' + 1);
        if (n > SheetReader::kMaxColumns)
            return SheetReader::kMaxColumns + 1;
        ++letters;
    }
    return letters ? n : 0;
}

// Pull scanner over the markup of a UTF-8 XML stream, read in chunks.
class Scanner {
public:
    enum Kind { Start, End, Empty, Eof, Error };
    struct Tag {
        Kind kind = Eof;
        QByteArray local;
        qsizetype begin = 0;  // offsets into buf, valid until the next call
        qsizetype end = 0;
    };

    explicit Scanner(QIODevice& dev) : dev_(dev) {}

    QByteArray buf;
    qsizetype keep = -1;  // start of bytes the caller still needs
    QString error;

    Tag next() {
        compact();
        for (;;) {
            const qsizetype lt = find("<", pos_);
            if (lt < 0) {
                pos_ = buf.size();
                return {};
            }
            ensure(lt + 9);
            const char* p = buf.constData() + lt;
            const qsizetype avail = buf.size() - lt;
            auto starts = [&](const char* s) {
                const qsizetype n = static_cast<qsizetype>(std::strlen(s));
                return avail >= n && std::memcmp(p, s, static_cast<size_t>(n)) == 0;
            };
            if (starts("<?")) {
                if (!skipPast(lt + 2, "?>")) return fail("unterminated processing instruction");
                continue;
            }
            if (starts("<!--")) {
                if (!skipPast(lt + 4, "-->")) return fail("unterminated comment");
                continue;
            }
            if (starts("<![CDATA[")) {
                if (!skipPast(lt + 9, "]]>")) return fail("unterminated CDATA section");
                continue;
            }
            if (starts("<!"))
                return fail("document type declarations are not accepted");
            if (starts("</")) {
                const qsizetype gt = find(">", lt + 2);
                if (gt < 0) return fail("unterminated end tag");
                Tag t;
                t.kind = End;
                t.local = nameAt(lt + 2, gt);
                t.begin = lt;
                t.end = gt + 1;
                pos_ = t.end;
                return t;
            }
            // Start or empty-element tag: '>' may appear inside quoted values.
            qsizetype i = lt + 1;
            char quote = 0;
            for (;; ++i) {
                if (i >= buf.size() && !more())
                    return fail("unterminated start tag");
                const char c = buf.at(i);
                if (quote) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            Tag t;
            t.kind = buf.at(i - 1) == '/' ? Empty : Start;
            t.local = nameAt(lt + 1, i);
            if (t.local.isEmpty())
                return fail("malformed tag");
            t.begin = lt;
            t.end = i + 1;
            pos_ = t.end;
            return t;
        }
    }

private:
    Tag fail(const char* why) {
        error = QString::fromLatin1(why);
        Tag t;
        t.kind = Error;
        return t;
    }

    QByteArray nameAt(qsizetype from, qsizetype limit) const {
        qsizetype e = from;
        while (e < limit) {
            const char c = buf.at(e);
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>')
                break;
            ++e;
        }
        return localName(buf.mid(from, e - from).constData());
    }

    bool more() {
        if (eof_)
            return false;
        const QByteArray chunk = dev_.read(kChunk);
        if (chunk.isEmpty()) {
            eof_ = true;
            return false;
        }
        buf.append(chunk);
        return true;
    }

    void ensure(qsizetype size) {
        while (buf.size() < size && more()) {}
    }

    qsizetype find(const char* needle, qsizetype from) {
        const qsizetype n = static_cast<qsizetype>(std::strlen(needle));
        for (;;) {
            const qsizetype at = buf.indexOf(needle, from);
            if (at >= 0)
                return at;
            from = qMax(from, buf.size() - n + 1);
            if (!more())
                return -1;
        }
    }

    bool skipPast(qsizetype from, const char* needle) {
        const qsizetype at = find(needle, from);
        if (at < 0)
            return false;
        pos_ = at + static_cast<qsizetype>(std::strlen(needle));
        return true;
    }

    // Drops consumed bytes once they add up, so the buffer stays about one
    // chunk long however large the file is.
    void compact() {
        const qsizetype drop = keep >= 0 ? keep : pos_;
        if (drop < kChunk)
            return;
        buf.remove(0, drop);
        pos_ -= drop;
        if (keep >= 0)
            keep -= drop;
    }

    QIODevice& dev_;
    qsizetype pos_ = 0;
    bool eof_ = false;
};

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata;

// Reads the element that starts with `open` up to its matching end tag and
// parses it. False (with an error) for an unterminated or malformed element.
bool captureElement(Scanner& s, const Scanner::Tag& open, pugi::xml_document& doc, QString& error) {
    qsizetype end = open.end;
    if (open.kind == Scanner::Start) {
        s.keep = open.begin;
        int depth = 0;
        for (;;) {
            const Scanner::Tag u = s.next();
            if (u.kind == Scanner::Eof || u.kind == Scanner::Error) {
                error = u.kind == Scanner::Error ? s.error : QStringLiteral("unexpected end of file");
                s.keep = -1;
                return false;
            }
            if (u.kind == Scanner::Start) {
                ++depth;
            } else if (u.kind == Scanner::End) {
                if (depth == 0) {
                    end = u.end;
                    break;
                }
                --depth;
            }
        }
    } else {
        s.keep = open.begin;
    }
    const qsizetype begin = s.keep;
    s.keep = -1;
    const pugi::xml_parse_result res =
        doc.load_buffer(s.buf.constData() + begin, static_cast<size_t>(end - begin), kParseOptions,
                        pugi::encoding_utf8);
    if (!res) {
        error = QString::fromUtf8(res.description());
        return false;
    }
    return true;
}

// Value of a cell (§18.3.1.4): shared string, inline string, or the stored
// text of <v> (numbers, dates and booleans as stored). A formula cell gives
// its cached result; without one the cell is empty.
bool cellValue(const pugi::xml_node& cell, const QStringList& shared, QString& out) {
    const pugi::xml_attribute ta = attrLocal(cell, "t");
    const char* t = ta ? ta.value() : "";
    const pugi::xml_node v = childLocal(cell, "v");
    if (std::strcmp(t, "s") == 0) {
        const QByteArray text = directText(v).trimmed();
        qint64 index = 0;
        int digits = 0;
        for (char c : text) {
            if (c < '0' || c > '9')
                break;
            index = index * 10 + (c - '0');
            if (++digits > 12)
                return false;
        }
        if (digits == 0 || index >= shared.size())
            return false;
        out = shared.at(static_cast<qsizetype>(index));
        return true;
    }
    if (std::strcmp(t, "inlineStr") == 0) {
        if (const pugi::xml_node is = childLocal(cell, "is")) {
            out = richText(is);
            return true;
        }
    }
    if (v) {
        out = QString::fromUtf8(directText(v));
        if (std::strcmp(t, "str") == 0 || std::strcmp(t, "inlineStr") == 0)
            out = SheetReader::decodeXString(out);
        return true;
    }
    if (childLocal(cell, "f"))
        return false;
    if (const pugi::xml_node is = childLocal(cell, "is")) {
        out = richText(is);
        return true;
    }
    out = QString::fromUtf8(deepText(cell));
    return true;
}

QStringList rowCells(const pugi::xml_node& row, const QStringList& shared) {
    QStringList cells;
    int prev = -1;
    QString value;
    for (pugi::xml_node c = row.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element || !isLocal(c, "c"))
            continue;
        int index = -1;
        if (const pugi::xml_attribute r = attrLocal(c, "r"))
            index = columnNumber(r.value()) - 1;
        if (index < 0)  // no usable reference: the cell after the previous one
            index = prev + 1;
        prev = index;
        if (index >= SheetReader::kMaxColumns)
            continue;
        value.clear();
        if (!cellValue(c, shared, value) || value.isEmpty())
            continue;
        while (cells.size() <= index)
            cells.append(QString());
        cells[index] = value;
    }
    return cells;
}

int dimensionColumns(const Scanner& s, const Scanner::Tag& t) {
    QByteArray tag = s.buf.mid(t.begin, t.end - t.begin);
    if (t.kind == Scanner::Start)
        tag.insert(tag.size() - 1, '/');
    pugi::xml_document doc;
    if (!doc.load_buffer(tag.constData(), static_cast<size_t>(tag.size()), kParseOptions, pugi::encoding_utf8))
        return -1;
    const pugi::xml_attribute ref = attrLocal(doc.first_child(), "ref");
    if (!ref)
        return -1;
    QByteArray r = QByteArray(ref.value()).trimmed();
    const qsizetype colon = r.indexOf(':');
    if (colon >= 0)
        r = r.mid(colon + 1).trimmed();
    return qMin(columnNumber(r.constData()), SheetReader::kMaxColumns);
}

}  // namespace

QString SheetReader::decodeXString(const QString& s) {
    if (!s.contains(QLatin1String("_x")))
        return s;
    auto hex = [](QChar c) -> int {
        const ushort u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'a' && u <= 'f') return u - 'a' + 10;
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        return -1;
    };
    QString out;
    out.reserve(s.size());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (s.at(i) == QLatin1Char('_') && i + 6 < n && s.at(i + 1) == QLatin1Char('x') &&
            s.at(i + 6) == QLatin1Char('_')) {
            int code = 0;
            bool ok = true;
            for (int k = 2; k < 6 && ok; ++k) {
                const int h = hex(s.at(i + k));
                ok = h >= 0;
                code = code * 16 + h;
            }
            if (ok) {
                out.append(QChar(static_cast<ushort>(code)));
                i += 6;
                continue;
            }
        }
        out.append(s.at(i));
    }
    return out;
}

SheetReader::Result SheetReader::readSheet(QIODevice& in, const QStringList& sharedStrings, bool firstRowOnly) {
    Result r;
    Scanner s(in);
    bool sawRoot = false;
    bool inData = false;
    bool dataClosed = false;
    for (;;) {
        const Scanner::Tag t = s.next();
        if (t.kind == Scanner::Error) {
            r.error = s.error;
            return r;
        }
        if (t.kind == Scanner::Eof)
            break;
        if (!sawRoot) {
            if (t.kind == Scanner::End || t.local != "worksheet") {
                r.error = QStringLiteral("not a worksheet");
                return r;
            }
            sawRoot = true;
            continue;
        }
        if (!inData) {
            if ((t.kind == Scanner::Start || t.kind == Scanner::Empty) && t.local == "dimension") {
                r.dimensionColumns = dimensionColumns(s, t);
            } else if (t.local == "sheetData" && t.kind == Scanner::Start) {
                inData = true;
            } else if (t.local == "sheetData" && t.kind == Scanner::Empty) {
                dataClosed = true;
                break;
            }
            continue;
        }
        if (t.kind == Scanner::End && t.local == "sheetData") {
            dataClosed = true;
            break;
        }
        if (t.local != "row" || t.kind == Scanner::End)
            continue;
        pugi::xml_document doc;
        if (!captureElement(s, t, doc, r.error)) {
            r.rows.clear();
            return r;
        }
        QStringList cells = rowCells(doc.first_child(), sharedStrings);
        r.widestRow = qMax(r.widestRow, static_cast<int>(cells.size()));
        r.rows.append(std::move(cells));
        if (firstRowOnly) {
            dataClosed = true;
            break;
        }
    }
    if (!sawRoot) {
        r.error = QStringLiteral("not a worksheet");
        return r;
    }
    if (inData && !dataClosed) {
        r.error = QStringLiteral("unexpected end of file");
        r.rows.clear();
        return r;
    }
    r.ok = true;
    return r;
}

bool SheetReader::readSharedStrings(QIODevice& in, QStringList& out, QString* error) {
    out.clear();
    Scanner s(in);
    bool sawRoot = false;
    QString why;
    for (;;) {
        const Scanner::Tag t = s.next();
        if (t.kind == Scanner::Error) {
            why = s.error;
            break;
        }
        if (t.kind == Scanner::Eof) {
            if (!sawRoot)
                why = QStringLiteral("not a shared-string table");
            break;
        }
        if (!sawRoot) {
            if (t.kind == Scanner::End || t.local != "sst") {
                why = QStringLiteral("not a shared-string table");
                break;
            }
            sawRoot = true;
            continue;
        }
        if (t.local != "si" || t.kind == Scanner::End)
            continue;
        pugi::xml_document doc;
        if (!captureElement(s, t, doc, why))
            break;
        out.append(richText(doc.first_child()));
    }
    if (why.isEmpty())
        return true;
    if (error)
        *error = why;
    out.clear();
    return false;
}

}  // namespace zelk

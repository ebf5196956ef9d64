#include "datasource/SheetReader.h"

#include <QIODevice>

#include <pugixml.hpp>

#include <cstring>

namespace zelk {
namespace {

constexpr qint64 kChunk = qint64(1) << 20;

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

// No cell of a real sheet nests elements anywhere near this deep; deeper
// markup is refused rather than walked.
constexpr int kMaxDepth = 64;

// All character data inside the element, in document order. The walk keeps
// no stack, so the nesting depth costs no call depth; false when the
// element nests deeper than kMaxDepth.
bool deepText(const pugi::xml_node& root, QByteArray& out) {
    int depth = 0;
    pugi::xml_node n = root.first_child();
    while (n) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
            out.append(n.value());
        if (n.type() == pugi::node_element && n.first_child()) {
            if (++depth > kMaxDepth)
                return false;
            n = n.first_child();
            continue;
        }
        while (n != root && !n.next_sibling()) {
            n = n.parent();
            --depth;
        }
        if (n == root)
            break;
        n = n.next_sibling();
    }
    return true;
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

// Pull scanner over the markup of a UTF-8 XML stream, read in chunks. It
// only finds tags; the elements it hands over are parsed by pugixml.
class Scanner {
public:
    enum Kind { Start, End, Empty, Eof, Error };
    struct Tag {
        Kind kind = Eof;
        qsizetype begin = 0;  // offsets into buf, valid until the next call
        qsizetype end = 0;
        qsizetype nameBegin = 0;
        qsizetype nameLength = 0;
        qsizetype localBegin = 0;  // after any prefix
    };

    explicit Scanner(QIODevice& dev) : dev_(dev) {}

    QByteArray buf;
    qsizetype keep = -1;  // start of bytes the caller still needs
    QString error;

    bool is(const Tag& t, const char* local) const {
        return QByteArrayView(buf).sliced(t.localBegin, t.nameBegin + t.nameLength - t.localBegin) ==
               QByteArrayView(local);
    }

    Tag next() {
        compact();
        for (;;) {
            const qsizetype lt = find("<", pos_);
            if (lt < 0) {
                pos_ = buf.size();
                return {};
            }
            int skipped = skipSpecial(lt);
            if (skipped < 0)
                return fail();
            if (skipped > 0)
                continue;
            ensure(lt + 2);
            if (lt + 1 < buf.size() && buf.at(lt + 1) == '!') {
                error = QStringLiteral("document type declarations are not accepted");
                return fail();
            }
            if (lt + 1 < buf.size() && buf.at(lt + 1) == '/') {
                const qsizetype gt = find(">", lt + 2);
                if (gt < 0) {
                    error = QStringLiteral("unterminated end tag");
                    return fail();
                }
                Tag t;
                t.kind = End;
                t.begin = lt;
                t.end = gt + 1;
                setName(t, lt + 2, gt);
                pos_ = t.end;
                return t;
            }
            // Start or empty-element tag: '>' may appear inside quoted values.
            qsizetype i = lt + 1;
            char quote = 0;
            for (;; ++i) {
                if (i >= buf.size() && !more()) {
                    error = QStringLiteral("unterminated start tag");
                    return fail();
                }
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
            t.begin = lt;
            t.end = i + 1;
            setName(t, lt + 1, i);
            if (t.nameLength == 0) {
                error = QStringLiteral("malformed tag");
                return fail();
            }
            pos_ = t.end;
            return t;
        }
    }

    // Moves past the end tag that closes `open`, giving the offset after it.
    // Any '<' outside comments, CDATA sections and processing instructions
    // starts markup (it cannot stand in text or attribute values), so only
    // those need skipping on the way.
    bool skipToEnd(const Tag& open, qsizetype& end) {
        const QByteArray qname = buf.mid(open.nameBegin, open.nameLength);
        for (;;) {
            const qsizetype lt = find("<", pos_);
            if (lt < 0) {
                error = QStringLiteral("unexpected end of file");
                return false;
            }
            const int skipped = skipSpecial(lt);
            if (skipped < 0)
                return false;
            if (skipped > 0)
                continue;
            ensure(lt + 2 + qname.size() + 1);
            pos_ = lt + 1;
            if (buf.size() < lt + 3 + qname.size() || buf.at(lt + 1) != '/' ||
                std::memcmp(buf.constData() + lt + 2, qname.constData(), static_cast<size_t>(qname.size())) != 0)
                continue;
            qsizetype i = lt + 2 + qname.size();
            while (i < buf.size() && (buf.at(i) == ' ' || buf.at(i) == '\t' || buf.at(i) == '\r' || buf.at(i) == '\n'))
                ++i;
            if (i < buf.size() && buf.at(i) == '>') {
                end = pos_ = i + 1;
                return true;
            }
        }
    }

private:
    Tag fail() {
        Tag t;
        t.kind = Error;
        return t;
    }

    void setName(Tag& t, qsizetype from, qsizetype limit) const {
        qsizetype e = from;
        t.localBegin = from;
        while (e < limit) {
            const char c = buf.at(e);
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>')
                break;
            if (c == ':')
                t.localBegin = e + 1;
            ++e;
        }
        t.nameBegin = from;
        t.nameLength = e - from;
    }

    // Comments, CDATA sections and processing instructions at `lt`: 1 when
    // one was skipped, 0 when there is none, -1 when it is unterminated.
    int skipSpecial(qsizetype lt) {
        ensure(lt + 9);
        const char* p = buf.constData() + lt;
        const qsizetype avail = buf.size() - lt;
        auto starts = [&](const char* s, qsizetype n) {
            return avail >= n && std::memcmp(p, s, static_cast<size_t>(n)) == 0;
        };
        const char* close = nullptr;
        qsizetype open = 0;
        if (starts("<?", 2)) {
            close = "?>";
            open = 2;
        } else if (starts("<!--", 4)) {
            close = "-->";
            open = 4;
        } else if (starts("<![CDATA[", 9)) {
            close = "]]>";
            open = 9;
        } else {
            return 0;
        }
        const qsizetype at = find(close, lt + open);
        if (at < 0) {
            error = QStringLiteral("unterminated comment, CDATA section or processing instruction");
            return -1;
        }
        pos_ = at + static_cast<qsizetype>(std::strlen(close));
        return 1;
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
constexpr qsizetype kBatchBytes = qsizetype(1) << 20;

// Collects whole elements (rows or shared-string items) and parses them
// together under one synthetic root: one parse per megabyte instead of one
// per element.
class Batch {
public:
    Batch() { bytes_.reserve(kBatchBytes + 4096); bytes_.append("<b>"); }
    bool add(Scanner& s, const Scanner::Tag& open, QString& error) {
        qsizetype end = open.end;
        s.keep = open.begin;
        const bool ok = open.kind == Scanner::Empty || s.skipToEnd(open, end);
        if (ok)
            bytes_.append(s.buf.constData() + s.keep, end - s.keep);
        else
            error = s.error;
        s.keep = -1;
        return ok;
    }
    bool full() const { return bytes_.size() >= kBatchBytes; }
    bool empty() const { return bytes_.size() == 3; }
    // Parses what was collected and hands each element to `use`, which
    // returns false (with `error` set) to stop.
    template <typename Use>
    bool flush(QString& error, Use&& use) {
        if (empty())
            return true;
        bytes_.append("</b>");
        pugi::xml_document doc;
        const pugi::xml_parse_result res = doc.load_buffer_inplace(bytes_.data(), static_cast<size_t>(bytes_.size()),
                                                                   kParseOptions, pugi::encoding_utf8);
        bool ok = static_cast<bool>(res);
        if (ok) {
            for (pugi::xml_node n = doc.first_child().first_child(); n && ok; n = n.next_sibling())
                if (n.type() == pugi::node_element)
                    ok = use(n);
        } else {
            error = QString::fromUtf8(res.description());
        }
        // The in-place parse wrote into the buffer, the root tag included.
        bytes_.resize(0);
        bytes_.append("<b>");
        return ok;
    }

private:
    QByteArray bytes_;
};

// Value of a cell (§18.3.1.4): shared string, inline string, or the stored
// text of <v> (numbers, dates and booleans as stored). A formula cell gives
// its cached result; without one the cell is empty. `tooDeep` tells a cell
// refused for its nesting.
bool cellValue(const pugi::xml_node& cell, const QStringList& shared, QString& out, bool& tooDeep) {
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
    QByteArray text;
    tooDeep = !deepText(cell, text);
    out = QString::fromUtf8(text);
    return !tooDeep;
}

// The row's values at their column index, up to the last one that is not
// empty, so an empty cell far right costs nothing. A row with cells but no
// value holds one empty string: only a row without cells is an empty list.
bool rowCells(const pugi::xml_node& row, const QStringList& shared, QStringList& cells, QString& error) {
    cells.clear();
    bool hadCell = false;
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
        hadCell = true;
        value.clear();
        bool tooDeep = false;
        if (!cellValue(c, shared, value, tooDeep)) {
            if (tooDeep) {
                error = QStringLiteral("elements nested too deeply in a cell");
                return false;
            }
            continue;
        }
        if (value.isEmpty())
            continue;
        while (cells.size() <= index)
            cells.append(QString());
        cells[index] = value;
    }
    if (hadCell && cells.isEmpty())
        cells.append(QString());
    return true;
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

SheetReader::Result SheetReader::readSheet(QIODevice& in, const QStringList& sharedStrings, bool firstRowOnly,
                                           int columns, qint64 maxCells) {
    Result r;
    Scanner s(in);
    Batch batch;
    QStringList cells;
    auto takeRow = [&](const pugi::xml_node& row) {
        if (!rowCells(row, sharedStrings, cells, r.error))
            return false;
        const bool valueless = cells.size() == 1 && cells.first().isEmpty();
        r.widestRow = qMax(r.widestRow, valueless ? 0 : static_cast<int>(cells.size()));
        r.rows.append(std::move(cells));
        // A row counts at least one cell, so rows of nothing are bounded too.
        const qint64 width = qMax(1, qMax(columns, r.widestRow));
        if (maxCells > 0 && r.rows.size() * width > maxCells) {
            r.error = QStringLiteral("the sheet is too large to read: %1 columns and at least %2 rows are more than %3 cells")
                          .arg(width).arg(r.rows.size()).arg(maxCells);
            return false;
        }
        return true;
    };
    auto failed = [&r](const QString& why) {
        r.error = why;
        r.rows.clear();
        r.widestRow = 0;
        return r;
    };
    bool sawRoot = false;
    bool inData = false;
    bool dataClosed = false;
    for (;;) {
        const Scanner::Tag t = s.next();
        if (t.kind == Scanner::Error)
            return failed(s.error);
        if (t.kind == Scanner::Eof)
            break;
        if (!sawRoot) {
            if (t.kind == Scanner::End || !s.is(t, "worksheet"))
                return failed(QStringLiteral("not a worksheet"));
            sawRoot = true;
            continue;
        }
        if (!inData) {
            if ((t.kind == Scanner::Start || t.kind == Scanner::Empty) && s.is(t, "dimension")) {
                r.dimensionColumns = dimensionColumns(s, t);
            } else if (s.is(t, "sheetData") && t.kind == Scanner::Start) {
                inData = true;
            } else if (s.is(t, "sheetData") && t.kind == Scanner::Empty) {
                dataClosed = true;
                break;
            }
            continue;
        }
        if (t.kind == Scanner::End && s.is(t, "sheetData")) {
            dataClosed = true;
            break;
        }
        if (t.kind == Scanner::End || !s.is(t, "row"))
            continue;
        if (!batch.add(s, t, r.error))
            return failed(r.error);
        if (firstRowOnly) {
            dataClosed = true;
            break;
        }
        if (batch.full() && !batch.flush(r.error, takeRow))
            return failed(r.error);
    }
    if (!sawRoot)
        return failed(QStringLiteral("not a worksheet"));
    if (inData && !dataClosed)
        return failed(QStringLiteral("unexpected end of file"));
    if (!batch.flush(r.error, takeRow))
        return failed(r.error);
    r.ok = true;
    return r;
}

bool SheetReader::readSharedStrings(QIODevice& in, QStringList& out, QString* error) {
    out.clear();
    Scanner s(in);
    Batch batch;
    auto take = [&out](const pugi::xml_node& si) {
        out.append(richText(si));
        return true;
    };
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
            if (t.kind == Scanner::End || !s.is(t, "sst")) {
                why = QStringLiteral("not a shared-string table");
                break;
            }
            sawRoot = true;
            continue;
        }
        if (t.kind == Scanner::End || !s.is(t, "si"))
            continue;
        if (!batch.add(s, t, why) || (batch.full() && !batch.flush(why, take)))
            break;
    }
    if (why.isEmpty())
        batch.flush(why, take);
    if (why.isEmpty())
        return true;
    if (error)
        *error = why;
    out.clear();
    return false;
}

}  // namespace zelk

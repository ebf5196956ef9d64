#include "datasource/RtfReader.h"

#include "datasource/SeriesText.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>

namespace zelk {
namespace {

// What a group inherits from the one around it.
struct GroupState {
    bool skip = false;  // a destination without document text
    int ucSkip = 1;     // characters that stand in for each \uN
};

// Destinations whose contents never belong to the document's text.
bool isSkippedDestination(const QByteArray& word) {
    static const QList<QByteArray> words = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "listtable", "listoverridetable",
        "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping",
        "datastore", "latentstyles", "objdata", "fldinst", "header", "headerl", "headerr",
        "headerf", "footer", "footerl", "footerr", "footerf", "filetbl", "pntext", "listtext",
        "nonshppict", "mmathPr", "pgdsctbl", "private", "template", "bkmkstart", "bkmkend"};
    return words.contains(word);
}

// Control words that stand for one character or a line end.
QString textOfWord(const QByteArray& word) {
    static const QHash<QByteArray, QString> map = {
        {"par", QStringLiteral("\n")},       {"line", QStringLiteral("\n")},
        {"sect", QStringLiteral("\n")},      {"page", QStringLiteral("\n")},
        {"cell", QStringLiteral("\n")},      {"row", QStringLiteral("\n")},
        {"nestcell", QStringLiteral("\n")},  {"nestrow", QStringLiteral("\n")},
        {"tab", QStringLiteral("\t")},       {"emdash", QString(QChar(0x2014))},
        {"endash", QString(QChar(0x2013))},  {"bullet", QString(QChar(0x2022))},
        {"lquote", QString(QChar(0x2018))},  {"rquote", QString(QChar(0x2019))},
        {"ldblquote", QString(QChar(0x201C))}, {"rdblquote", QString(QChar(0x201D))},
        {"emspace", QString(QChar(0x2003))}, {"enspace", QString(QChar(0x2002))},
        {"qmspace", QString(QChar(0x2005))}};
    return map.value(word);
}

class Parser {
public:
    explicit Parser(const QByteArray& rtf) : s_(rtf) {}

    QString run() {
        QList<GroupState> stack;
        GroupState state;
        qsizetype tooDeep = 0;
        while (i_ < s_.size()) {
            const char c = s_.at(i_);
            if (c == '{') {
                flushBytes();
                // Groups nested deeper than any real document are counted,
                // not stored.
                if (stack.size() < kMaxDepth)
                    stack.append(state);
                else
                    ++tooDeep;
                pendingSkip_ = 0;
                ++i_;
            } else if (c == '}') {
                flushBytes();
                if (tooDeep > 0)
                    --tooDeep;
                else if (!stack.isEmpty())
                    state = stack.takeLast();
                pendingSkip_ = 0;
                ++i_;
            } else if (c == '\\') {
                controlWord(state);
            } else if (c == '\r' || c == '\n') {
                ++i_;
            } else {
                ++i_;
                if (pendingSkip_ > 0) {
                    --pendingSkip_;
                } else if (!state.skip) {
                    bytes_.append(c);
                }
            }
        }
        flushBytes();
        return out_;
    }

private:
    void put(const QString& text, const GroupState& state) {
        if (state.skip)
            return;
        flushBytes();
        out_.append(text);
    }

    // Text bytes are decoded together, so that a character of two bytes
    // survives.
    void flushBytes() {
        if (bytes_.isEmpty())
            return;
        out_.append(decode(bytes_));
        bytes_.clear();
    }

    QString decode(const QByteArray& bytes) const {
        if (codePage_ == 1252 || codePage_ == 0)
            return series::fromWindows1252(bytes);
        QStringDecoder decoder(QByteArray("windows-" + QByteArray::number(codePage_)).constData());
        if (decoder.isValid()) {
            const QString text = decoder(bytes);
            if (!decoder.hasError())
                return text;
        }
        return series::fromWindows1252(bytes);
    }

    void controlWord(GroupState& state) {
        ++i_;  // the backslash
        if (i_ >= s_.size())
            return;
        const char c = s_.at(i_);
        if (!isAsciiLetter(c)) {
            ++i_;
            controlSymbol(c, state);
            return;
        }
        const qsizetype start = i_;
        while (i_ < s_.size() && isAsciiLetter(s_.at(i_)))
            ++i_;
        const QByteArray word = s_.mid(start, i_ - start);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (i_ < s_.size() && s_.at(i_) == '-') {
            negative = true;
            ++i_;
        }
        while (i_ < s_.size() && s_.at(i_) >= '0' && s_.at(i_) <= '9') {
            hasParam = true;
            param = std::min<long long>(param * 10 + (s_.at(i_) - '0'), 1 << 30);
            ++i_;
        }
        if (negative)
            param = -param;
        if (i_ < s_.size() && s_.at(i_) == ' ')
            ++i_;  // the delimiter belongs to the word

        if (word == "bin") {
            // Binary data: skipped whole, whatever group it is in.
            i_ = std::min<qsizetype>(s_.size(), i_ + std::max<long long>(param, 0));
            return;
        }
        if (pendingSkip_ > 0 && !isSkippedDestination(word)) {
            // A control word counts as one of the characters after \uN.
            --pendingSkip_;
            return;
        }
        if (isSkippedDestination(word)) {
            state.skip = true;
        } else if (word == "ansicpg" && hasParam) {
            flushBytes();
            codePage_ = static_cast<int>(param);
        } else if (word == "uc" && hasParam) {
            state.ucSkip = static_cast<int>(std::max<long long>(param, 0));
        } else if (word == "u" && hasParam) {
            const auto unit = static_cast<char16_t>(param < 0 ? param + 65536 : param);
            put(QString(QChar(unit)), state);
            pendingSkip_ = state.ucSkip;
        } else {
            const QString text = textOfWord(word);
            if (!text.isEmpty())
                put(text, state);
        }
    }

    void controlSymbol(char c, GroupState& state) {
        if (c == '\'') {
            // \'hh: one byte of the document's code page.
            const QByteArray hex = s_.mid(i_, 2);
            i_ += hex.size();
            if (pendingSkip_ > 0) {
                --pendingSkip_;
                return;
            }
            bool ok = false;
            const int b = hex.toInt(&ok, 16);
            if (ok && !state.skip)
                bytes_.append(static_cast<char>(b));
            return;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        switch (c) {
        case '\\': case '{': case '}': put(QString(QLatin1Char(c)), state); break;
        case '~': put(QString(QChar(0x00A0)), state); break;
        case '_': put(QString(QChar(0x2011)), state); break;
        case '\r': case '\n': put(QStringLiteral("\n"), state); break;  // an escaped line end is \par
        case '*': state.skip = true; break;
        default: break;  // \- optional hyphen, \: index entries, and the like
        }
    }

    static constexpr qsizetype kMaxDepth = 1024;

    static bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    const QByteArray s_;
    qsizetype i_ = 0;
    QString out_;
    QByteArray bytes_;
    int codePage_ = 1252;
    int pendingSkip_ = 0;
};

}  // namespace

QString RtfReader::plainText(const QByteArray& rtf) {
    qsizetype start = 0;
    while (start < rtf.size() && (rtf.at(start) == ' ' || rtf.at(start) == '\r' || rtf.at(start) == '\n' ||
                                  rtf.at(start) == '\t'))
        ++start;
    if (rtf.mid(start, 5) != "{\\rtf")
        return {};
    // \uN gives UTF-16 units one at a time: a pair may span two of them.
    QString text = series::replaceUnpairedSurrogates(Parser(rtf.mid(start)).run());
    return text.isNull() ? QString(QLatin1String("")) : text;
}

}  // namespace zelk

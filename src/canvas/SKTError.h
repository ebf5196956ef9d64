#pragma once
// The drawing core's own errors: unreadable clipboard or picture data. Each
// is an error of the domain "SketchErrorDomain" whose texts come from our
// strings table under "description%ld" and "failureReason%ld".
#include <QString>

namespace zelk {

struct SKTError {
    QString domain;
    long code = 0;
    QString localizedDescription;
    QString localizedFailureReason;

    bool isNull() const { return code == 0; }
    // What the user is told: the description, then the reason on a line of its own.
    QString userText() const;
};

// The codes of SketchErrorDomain.
enum SKTErrorCode : long {
    SKTUnknownPasteboardReadError = 1,  // the clipboard's graphics cannot be read
    SKTImageReadError = 2,              // the clipboard's picture cannot be read
};

inline const QString SKTErrorDomain = QStringLiteral("SketchErrorDomain");

// The text of the strings table under the key ("description1", ...); the
// key itself when the table has no such entry, as a lookup in a strings table
// does.
QString sktErrorString(const QString& key);

}  // namespace zelk

zelk::SKTError SKTErrorWithCode(long code);

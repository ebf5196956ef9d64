#pragma once
// Free names for a file that must not replace the one already at its path:
// the export's "keep both" answer, the cropping tool and the series imports.
#include <QString>

namespace zelk {

class ExportNames {
public:
    ExportNames() = delete;

    // `path` itself with its extension lower-cased when no file takes that
    // name, else the first free "stem (n).ext" in the same folder. A stem
    // that already ends in " (k)" with k above 0 goes on from k + 1
    // ("photo (3)" gives "photo (4)"); any other stem keeps its whole text
    // ("x (0)" gives "x (0) (1)"). A name counts as taken under its
    // extension as given and lower-cased, so keeping Card_1_Front.PNG on a
    // case-sensitive disk gives "Card_1_Front (1).png".
    static QString freeName(const QString& path);
};

}  // namespace zelk

#pragma once
// Free names for a file that is kept beside an older one of the same name.
#include <QString>

// The path itself, its extension lower-cased, when no file has that name;
// else the first free name "<base> (<n>).<ext>" in the same folder. A stem
// that already ends in " (k)" with k > 0 continues from k + 1 ("photo (3)"
// gives "photo (4)"); any other stem is the base ("x (0)" gives
// "x (0) (1)"). A name counts as taken under its extension as given and
// lower-cased, so keeping "Card_1_Front.PNG" gives "Card_1_Front (1).png".
QString Check_Exist_Path_and_Create_New(const QString& path);

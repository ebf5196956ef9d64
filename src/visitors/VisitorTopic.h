#pragma once
// What the visitor topic's files share: which desk the window is, a side's
// letter, and the text that stands for an empty field.
#include "foundation/Codes.h"
#include "mainwindow/AppGlobals.h"

#include <QString>

namespace zelk::visitortopic {

inline const QString TextHere = QStringLiteral("Text here");

inline bool visitorMode() { return ::Start_Card_Option == StartMode::Visitor; }
inline bool groupMode() { return ::Start_Card_Option == StartMode::GroupList; }
inline bool visitorOrGroupMode() { return visitorMode() || groupMode(); }

inline QString sideLetter(int side) { return side == 0 ? CardSide::FrontName : CardSide::BackName; }

}  // namespace zelk::visitortopic

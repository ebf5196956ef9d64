#pragma once
// The look of the help and promotion windows' link buttons: the button's own
// title in a bold system font of size 11, blue and underlined, on the
// window's background colour, with the open-hand cursor.
class QPushButton;

namespace zelk {

void applyLinkStyle(QPushButton* button);

}  // namespace zelk

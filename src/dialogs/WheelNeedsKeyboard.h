#pragma once
// Decides where the mouse wheel goes over a field that takes a value from
// it (a spin box, a slider, a combo box): to the field only while it has
// the keyboard, otherwise to the panel around it, which scrolls.

namespace zelk {

// Installs the rule on the running application, for every window; a second
// call changes nothing.
void installWheelNeedsKeyboard();

}  // namespace zelk

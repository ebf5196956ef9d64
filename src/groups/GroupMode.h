#pragma once
// Installs group projects into the main window: the start chooser's "G"
// road (the wizard and what follows it) and the design-file steps of start
// mode "G".
class SKTWindowController;

namespace GroupMode {
void install(SKTWindowController& window);
}

#pragma once
// The Arrange menu of the main window: the alignment and size commands, grid
// align, the grid window, snapping and the unit window. Its commands are
// defined in this folder, above the window's own shell, so the inspector adds
// the menu when the application starts.
class SKTWindowController;

class ArrangeMenu {
public:
    // Adds the menu once, before the Data menu.
    static void install(SKTWindowController& window);
};

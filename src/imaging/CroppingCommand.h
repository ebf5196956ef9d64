#pragma once
// The cropping tool's place on the main window: the shell declares the
// cropping command and the picture panel's three openers, the tool answers
// them, so the application connects them when it starts.
class SKTWindowController;

class CroppingCommand {
public:
    // Fills the window's cropping-tool openers with the tool.
    static void install(SKTWindowController& window);
};

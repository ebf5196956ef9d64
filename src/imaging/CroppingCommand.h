#pragma once
// The imaging windows' place on the main window: the shell declares the
// cropping command, the picture panel's three cropping openers and the
// camera and library openers; the windows here answer them, so the
// application connects them when it starts.
class SKTWindowController;

class CroppingCommand {
public:
    // Fills the window's cropping-tool, camera and image-library openers.
    static void install(SKTWindowController& window);
};

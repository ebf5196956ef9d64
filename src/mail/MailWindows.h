#pragma once
// Connects the mail windows to the main window when the application starts:
// the opener of the visitor details' mail window.
class SKTWindowController;

class MailWindows {
public:
    // Fills the hub's directMailWindow.
    static void install(SKTWindowController& window);
};

#pragma once
// The main window's Print command: the shell makes the command, printing
// answers it, so the application connects them when it starts.
class SKTWindowController;

class PrintCommand {
public:
    // Connects the window's "Print_Button" command to Print_method and gives
    // the shared print settings their start: the default printer, A4
    // portrait.
    static void install(SKTWindowController& window);
};

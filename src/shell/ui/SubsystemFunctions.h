#pragma once

class Session;
class MainWindow;

// Gives the main window the functions that the subsystems provide (the tax calculator, the
// deduction settings, the department and employee browser, ...). Each subsystem's window is
// opened the same way from its menu entry, tool button and quick-launch link.
void WireSubsystemFunctions(MainWindow &window, Session &session);

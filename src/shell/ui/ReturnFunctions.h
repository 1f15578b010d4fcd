#pragma once

class MainWindow;
class Session;

// Gives the main window the printed returns: the withholding report and the payment detail
// for domestic and foreign staff, each asked for its month, and the two blank forms.
void WireReturnFunctions(MainWindow &window, Session &session);

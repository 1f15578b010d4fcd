#pragma once

class MainWindow;
class Session;

// Gives the main window the wage and tax queries and the three-fund statistics: each opens
// its window inside the main window, or brings forward the one already open.
void WireQueryFunctions(MainWindow &window, Session &session);

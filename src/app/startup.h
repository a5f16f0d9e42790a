#pragma once

class QApplication;
class QWidget;

namespace vt {

// Process-wide settings that must hold before the first window: formats,
// Italian texts of Qt's own dialogs, the program's look.
void prepareApplication(QApplication& app);

// Creates the screen windows in their fixed order and registers them.
// Returns the login window, the program's main window.
QWidget* createWindows();

// The whole program: prepare, create the windows, show the login window and
// run until the program is told to end.
int runProgram(int argc, char** argv);

}  // namespace vt

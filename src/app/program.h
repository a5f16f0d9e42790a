#pragma once

class QWidget;

namespace vt {

// Ends the run: the event loop stops once the visible windows have agreed
// to close. Safe to call again from a window's own close step while the
// program is already ending.
void endProgram();

// Fixed-size screen windows (login, change of password) are not maximised
// like the others: they keep their designed size, have no title-bar
// buttons and stand in the centre of the screen.
void makeFixedScreen(QWidget* window);
void centreOnScreen(QWidget* window);

}  // namespace vt

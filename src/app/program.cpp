#include "app/program.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vt {

void endProgram() {
    // Quitting closes the visible windows, whose close step may ask to end
    // the program again.
    static bool ending = false;
    if (ending) return;
    ending = true;
    QCoreApplication::quit();
    ending = false;
}

void makeFixedScreen(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace vt

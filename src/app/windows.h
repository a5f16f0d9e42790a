#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/uiservices.h"

namespace vt {

// A screen window exists for the whole run and is shown and hidden. It opens
// maximised; closing it (its exit button or the close box) runs closeStep(),
// which by default shows the main menu again.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenWindow(QWidget* parent = nullptr);

    // Shows the window the way screen windows are shown.
    void showScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter and Return press a focused push button.
    void keyPressEvent(QKeyEvent* event) override;
    // Where closing leads. Default: the main menu.
    virtual void closeStep();
};

// A dialog window: created fresh for each use, fixed border, no title-bar
// buttons, centred on the screen (or on its owner).
class DialogWindow : public QDialog {
    Q_OBJECT
public:
    enum class Centre { Screen, Owner };
    explicit DialogWindow(QWidget* owner, Centre centre = Centre::Screen);

protected:
    void showEvent(QShowEvent* event) override;
    // Alt+F4 and Escape cannot leave it: only its own buttons do. Enter and
    // Return press a focused push button and nothing else: in a field they
    // never press the dialog's default button.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Lets the window's own buttons close it.
    void closeFromButton(int result = QDialog::Accepted);

private:
    Centre centre_;
    bool closing_ = false;
};

// The screen windows of the run, registered by start-up. A window may be
// registered as made when first asked for: start-up then shows the login
// without building every screen first, and each screen is built once, the
// first time someone opens it or hands something over to it.
namespace screens {
void add(QWidget* window);
using Maker = std::function<QWidget*()>;
void addWhenNeeded(const char* className, Maker make);
// Forgets every window and every window still to be made.
void clear();
// The windows made so far, in the order they were made.
QList<QWidget*> all();
// The window of that class, made now if it was registered to be made when
// needed; nothing when there is no such window.
QWidget* byClassName(const char* className);
template <typename T>
T* get() {
    for (QWidget* w : all())
        if (auto* typed = qobject_cast<T*>(w)) return typed;
    return qobject_cast<T*>(byClassName(T::staticMetaObject.className()));
}
// Opening a screen from another: show the target, then hide the source.
void switchTo(QWidget* from, QWidget* to);
// Shows the main menu (TfrmAvvio) and hides `from`.
void backToMainMenu(QWidget* from);
}  // namespace screens

// Opens a dialog window: a fresh instance owned by `owner`, filled by
// `fill` before it is shown, run modally, destroyed when it closes.
template <typename D, typename Fill>
void openDialog(QWidget* owner, Fill&& fill) {
    D dialog(owner);
    fill(dialog);
    dialogRunner().run(dialog);
}
template <typename D>
void openDialog(QWidget* owner) {
    openDialog<D>(owner, [](D&) {});
}

}  // namespace vt

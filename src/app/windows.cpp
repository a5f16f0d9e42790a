#include "app/windows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace vt {

namespace {
// Enter or Return on a focused push button presses it, as Space does; in a
// text field it never presses a button by Qt's default-button rule (the
// window's Enter chain moves the focus instead). True when the key was one
// of them and has been dealt with.
bool handleEnter(QWidget* window, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    event->accept();
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (button && button->isEnabled() && button->isVisible() && button->window() == window)
        button->click();
    return true;
}

// Every screen and dialog window takes the program's theme unless its form
// sets look="own".
void takeTheme(QWidget* window) {
    window->setProperty("look", QStringLiteral("theme"));
}
}  // namespace

ScreenWindow::ScreenWindow(QWidget* parent) : QWidget(parent) {
    // A plain widget subclass paints a style-sheet background only when asked.
    setAttribute(Qt::WA_StyledBackground);
    takeTheme(this);
}

void ScreenWindow::showScreen() {
    // Without a window manager "maximised" is only a wish: take the whole
    // screen explicitly as well, so the centred layout sits in the middle.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleEnter(this, event)) QWidget::keyPressEvent(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closeStep();
}

void ScreenWindow::closeStep() {
    screens::backToMainMenu(this);
}

DialogWindow::DialogWindow(QWidget* owner, Centre centre) : QDialog(owner), centre_(centre) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    takeTheme(this);
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    setFixedSize(size());
    QRect area;
    if (centre_ == Centre::Owner && parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) move(area.center() - rect().center());
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (closing_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (!handleEnter(this, event)) QDialog::keyPressEvent(event);
}

void DialogWindow::closeFromButton(int result) {
    closing_ = true;
    done(result);
    closing_ = false;
}

namespace screens {
namespace {
QList<QPointer<QWidget>>& registry() {
    static QList<QPointer<QWidget>> windows;
    return windows;
}
struct Pending {
    QByteArray className;
    Maker make;
};
QList<Pending>& pending() {
    static QList<Pending> makers;
    return makers;
}
}  // namespace

void add(QWidget* window) {
    registry().append(window);
}
void addWhenNeeded(const char* className, Maker make) {
    pending().append({QByteArray(className), std::move(make)});
}
void clear() {
    registry().clear();
    pending().clear();
}

QList<QWidget*> all() {
    QList<QWidget*> out;
    for (const auto& w : registry())
        if (w) out.append(w);
    return out;
}

QWidget* byClassName(const char* className) {
    for (QWidget* w : all())
        if (qstrcmp(w->metaObject()->className(), className) == 0) return w;
    for (qsizetype i = 0; i < pending().size(); ++i) {
        if (pending()[i].className != className) continue;
        // Taken off the list first: a window whose constructor asks for
        // itself must not be made twice.
        const Maker make = pending().takeAt(i).make;
        QWidget* window = make();
        add(window);
        return window;
    }
    return nullptr;
}

void switchTo(QWidget* from, QWidget* to) {
    if (!to) return;
    if (auto* screen = qobject_cast<ScreenWindow*>(to))
        screen->showScreen();
    else
        to->show();
    to->activateWindow();
    if (from && from != to) from->hide();
}

void backToMainMenu(QWidget* from) {
    switchTo(from, byClassName("TfrmAvvio"));
}
}  // namespace screens

}  // namespace vt

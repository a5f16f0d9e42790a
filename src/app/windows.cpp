#include "app/windows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace vt {

ScreenWindow::ScreenWindow(QWidget* parent) : QWidget(parent) {}

void ScreenWindow::showScreen() {
    // Without a window manager "maximised" is only a wish: take the whole
    // screen explicitly as well, so the centred layout sits in the middle.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closeStep();
}

void ScreenWindow::closeStep() { screens::backToMainMenu(this); }

DialogWindow::DialogWindow(QWidget* owner, Centre centre) : QDialog(owner), centre_(centre) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
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
    QDialog::keyPressEvent(event);
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
}  // namespace

void add(QWidget* window) { registry().append(window); }
void clear() { registry().clear(); }

QList<QWidget*> all() {
    QList<QWidget*> out;
    for (const auto& w : registry())
        if (w) out.append(w);
    return out;
}

QWidget* byClassName(const char* className) {
    for (QWidget* w : all())
        if (qstrcmp(w->metaObject()->className(), className) == 0) return w;
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

void backToMainMenu(QWidget* from) { switchTo(from, byClassName("TfrmAvvio")); }
}  // namespace screens

}  // namespace vt

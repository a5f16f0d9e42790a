#include "app/conventions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPointer>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTranslator>

namespace vt {

void applyProcessFormats() {
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}

void loadItalianTranslations(QCoreApplication& app) {
    // The copy shipped beside the program first, then the system's.
    const QStringList places{QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const char* name : {"qtbase_it"}) {
        auto* translator = new QTranslator(&app);
        bool loaded = false;
        for (const QString& dir : places) {
            if (translator->load(QLatin1String(name), dir)) {
                loaded = true;
                break;
            }
        }
        if (loaded)
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

namespace {

class HoverHints : public QObject {
public:
    HoverHints(QWidget* window, QLabel* panInfo) : QObject(window), window_(window), panInfo_(panInfo) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only a real movement counts: showing a window under a resting
        // mouse must not replace the designed text. A movement that a child
        // does not use reaches its parents too, and some styles add hover
        // events of their own: whoever receives it, the control under the
        // pointer decides, so every copy of one movement agrees.
        if (event->type() != QEvent::MouseMove) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_) return false;
        const QPoint at = window_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        QWidget* under = window_->childAt(at);
        show(under ? under : window_);
        return false;
    }

private:
    void show(QWidget* widget) {
        // The parts Qt builds inside a control (the text of an editable
        // drop-down list, the buttons of a spin box) speak for the control.
        for (; widget; widget = widget->parentWidget()) {
            const QString hint = widget->statusTip();
            if (!hint.isEmpty() && widget != window_) {
                panInfo_->setText(hint);
                return;
            }
            if (isBackground(widget)) {
                panInfo_->clear();
                return;
            }
            if (isNamedControl(widget)) return;
        }
    }

    static bool isNamedControl(const QWidget* widget) {
        const QString name = widget->objectName();
        return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
    }

    bool isBackground(QWidget* widget) const {
        if (widget == window_) return true;
        if (widget->property("hintBackground").toBool()) return true;
        if (widget == panInfo_) return false;
        const QByteArray cls = widget->metaObject()->className();
        return cls == "QWidget" || cls == "QFrame" || cls == "QGroupBox";
    }

    QWidget* window_;
    QLabel* panInfo_;
};

class FocusHighlight : public QObject {
public:
    FocusHighlight(QObject* parent, QWidget* rectangle) : QObject(parent), rectangle_(rectangle) {}
    bool eventFilter(QObject*, QEvent* event) override {
        // A window being destroyed may delete the rectangle before the field
        // loses the focus.
        if (!rectangle_) return false;
        if (event->type() == QEvent::FocusIn) rectangle_->setVisible(true);
        if (event->type() == QEvent::FocusOut) rectangle_->setVisible(false);
        return false;
    }

private:
    QPointer<QWidget> rectangle_;
};

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

class EnterMove : public QObject {
public:
    EnterMove(QObject* parent, QWidget* target) : QObject(parent), target_(target) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event))) return false;
        // As Tab does: a field reached this way has its text selected, so
        // typing replaces a shown "0,00" instead of being added to it.
        if (target_) target_->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QPointer<QWidget> target_;
};

// Keeps the allowed characters of a text.
QString keepAllowed(const QString& text, const QString& allowed) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (allowed.contains(c)) out.append(c);
    return out;
}

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, QString allowed, PasteRule paste)
        : QObject(parent), allowed_(std::move(allowed)), paste_(paste) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Pasting from the keyboard or the context menu and dropping insert
        // only the allowed characters, so that a maximum length counts only
        // them ("anno 2026" pasted into a year field gives 2026).
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (paste_ == PasteRule::Filtered && field && !field->isReadOnly()) {
            if (event->type() == QEvent::ContextMenu) {
                contextMenu(field, static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
            if (event->type() == QEvent::Drop) {
                auto* drop = static_cast<QDropEvent*>(event);
                if (drop->mimeData()->hasText()) {
                    field->setCursorPosition(field->cursorPositionAt(drop->position().toPoint()));
                    field->insert(keepAllowed(drop->mimeData()->text(), allowed_));
                    drop->setDropAction(Qt::CopyAction);
                    drop->accept();
                    field->setFocus(Qt::MouseFocusReason);
                    return true;
                }
            }
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (paste_ == PasteRule::Filtered && field && !field->isReadOnly() && key->matches(QKeySequence::Paste)) {
            pasteInto(field);
            return true;
        }
        const QString text = key->text();
        // Keys that type nothing (arrows, Backspace, Delete, Tab, Enter,
        // shortcuts such as Ctrl+V) pass; a typed character must be allowed.
        if (text.isEmpty() || key->modifiers().testFlag(Qt::ControlModifier)) return false;
        for (QChar c : text) {
            if (c.unicode() < 32 || c.unicode() == 127) continue;
            if (!allowed_.contains(c)) return true;
        }
        return false;
    }

private:
    void pasteInto(QLineEdit* field) const {
        if (const QClipboard* clipboard = QGuiApplication::clipboard())
            field->insert(keepAllowed(clipboard->text(), allowed_));
    }
    // The field's usual menu, whose "Incolla" pastes as the keyboard does.
    void contextMenu(QLineEdit* field, QPoint at) const {
        QMenu* menu = field->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // Qt writes each command's shortcut after a tab in the item's text.
        const QString pasteKey = u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions()) {
            if (!action->text().endsWith(pasteKey)) continue;
            action->setObjectName(QStringLiteral("edit-paste"));
            action->disconnect();
            QObject::connect(action, &QAction::triggered, field, [this, field] { pasteInto(field); });
        }
        menu->popup(at);
    }

    QString allowed_;
    PasteRule paste_;
};

// Whatever else the user puts into the field (the context menu's paste, a
// drop, undo of such an edit) loses its forbidden characters as it arrives.
void dropForbiddenEdits(QLineEdit* field, const QString& allowed) {
    QObject::connect(field, &QLineEdit::textEdited, field, [field, allowed](const QString& text) {
        const QString kept = keepAllowed(text, allowed);
        if (kept == text) return;
        const int cursor = field->cursorPosition();
        const int removedBefore =
            static_cast<int>(text.left(cursor).size() - keepAllowed(text.left(cursor), allowed).size());
        field->setText(kept);
        field->setCursorPosition(cursor - removedBefore);
    });
}

void trackMouse(QWidget* widget, QObject* filter) {
    widget->setMouseTracking(true);
    widget->installEventFilter(filter);
}

}  // namespace

void installHoverHints(QWidget* window, QLabel* panInfo) {
    auto* filter = new HoverHints(window, panInfo);
    trackMouse(window, filter);
    for (QWidget* child : window->findChildren<QWidget*>()) trackMouse(child, filter);
}

void installFocusHighlights(QWidget* window) {
    for (QWidget* field : window->findChildren<QWidget*>()) {
        const QString name = field->objectName();
        if (!name.startsWith(QLatin1String("txt"))) continue;
        auto* rectangle = window->findChild<QWidget*>(QStringLiteral("eff") + name.mid(3));
        if (!rectangle) continue;
        rectangle->setVisible(field->hasFocus());
        field->installEventFilter(new FocusHighlight(field, rectangle));
    }
}

void installEnterChain(const QList<QWidget*>& chain, bool wrap) {
    for (qsizetype i = 0; i < chain.size(); ++i) {
        QWidget* next = i + 1 < chain.size() ? chain[i + 1] : (wrap ? chain.front() : nullptr);
        chain[i]->installEventFilter(new EnterMove(chain[i], next));
    }
}

void installEnterMovesTo(QWidget* field, QWidget* target) {
    field->installEventFilter(new EnterMove(field, target));
}

void installCharacterFilter(QWidget* field, const QString& allowed, PasteRule paste) {
    field->installEventFilter(new KeyFilter(field, allowed, paste));
    if (paste == PasteRule::Filtered)
        if (auto* line = qobject_cast<QLineEdit*>(field)) dropForbiddenEdits(line, allowed);
}

void installDigitFilter(QWidget* field, PasteRule paste) {
    installCharacterFilter(field, QStringLiteral("0123456789"), paste);
}
void installAmountFilter(QWidget* field, PasteRule paste) {
    installCharacterFilter(field, QStringLiteral("0123456789,"), paste);
}

}  // namespace vt

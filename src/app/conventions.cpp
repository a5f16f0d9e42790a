#include "app/conventions.h"

#include <algorithm>
#include <optional>

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

#include "app/logic/pastedtext.h"

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

// What a text field takes when nothing limits it.
constexpr int kNoLimit = 32767;

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
        // The status text itself is background too: a hint stays only while
        // the pointer is over its control.
        if (widget == window_ || widget == panInfo_) return true;
        if (widget->property("hintBackground").toBool()) return true;
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

// Everything the user brings into a text field passes here: typed keys,
// pastes (keyboard, context menu, middle button), drops and whatever else
// edits the field (an input method, undo). A field has one of these, holding
// the characters its keys may type and the number of characters the user
// may bring in; the program's own texts are neither filtered nor cut.
class FieldInput : public QObject {
public:
    static FieldInput* of(QLineEdit* field) {
        if (FieldInput* existing = find(field)) return existing;
        return new FieldInput(field);
    }
    static FieldInput* find(const QLineEdit* field) {
        return static_cast<FieldInput*>(
            field->findChild<QObject*>(kName(), Qt::FindDirectChildrenOnly));
    }
    int limit() const { return limit_; }

    void setAllowed(const QString& allowed, PasteRule paste) {
        allowed_ = allowed;
        paste_ = paste;
    }
    void setLimit(int limit) { limit_ = limit; }

    bool eventFilter(QObject*, QEvent* event) override {
        const bool guarded = guardsPaste() || limit_ >= 0;
        switch (event->type()) {
            case QEvent::ContextMenu:
                if (!guarded || field_->isReadOnly()) return false;
                contextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                if (!guarded || field_->isReadOnly() || !drop->mimeData()->hasText()) return false;
                field_->setCursorPosition(field_->cursorPositionAt(drop->position().toPoint()));
                paste(drop->mimeData()->text());
                drop->setDropAction(Qt::CopyAction);
                drop->accept();
                field_->setFocus(Qt::MouseFocusReason);
                return true;
            }
            case QEvent::MouseButtonRelease: {
                // The middle button pastes the selection where the system
                // keeps one.
                const auto* mouse = static_cast<QMouseEvent*>(event);
                const QClipboard* clipboard = QGuiApplication::clipboard();
                if (!guarded || field_->isReadOnly() || mouse->button() != Qt::MiddleButton ||
                    !clipboard || !clipboard->supportsSelection() ||
                    !field_->rect().contains(mouse->position().toPoint()))
                    return false;
                field_->deselect();
                paste(clipboard->text(QClipboard::Selection));
                return true;
            }
            case QEvent::KeyPress:
                return keyPress(static_cast<QKeyEvent*>(event));
            default:
                return false;
        }
    }

private:
    static QString kName() { return QStringLiteral("vt-field-input"); }

    explicit FieldInput(QLineEdit* field) : QObject(field), field_(field), last_(field->text()) {
        setObjectName(kName());
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, &FieldInput::edited);
        // The text as it stands after every change, whoever made it; read
        // from the field, since an edit put right below changes it again
        // before the field reports the first change.
        connect(field, &QLineEdit::textChanged, this, [this] { last_ = field_->text(); });
    }

    bool guardsPaste() const { return allowed_.has_value() && paste_ == PasteRule::Filtered; }

    // How many characters may still come in, the selection being replaced;
    // negative when nothing limits them.
    qsizetype room() const {
        qsizetype limit = field_->maxLength();
        if (limit_ >= 0) limit = std::min<qsizetype>(limit, limit_);
        return limit - (field_->text().size() - field_->selectedText().size());
    }

    bool keyPress(const QKeyEvent* key) {
        if (key->matches(QKeySequence::Paste) && !field_->isReadOnly() &&
            (guardsPaste() || limit_ >= 0)) {
            if (const QClipboard* clipboard = QGuiApplication::clipboard()) paste(clipboard->text());
            return true;
        }
        const QString text = key->text();
        // Keys that type nothing (arrows, Backspace, Delete, Tab, Enter,
        // shortcuts such as Ctrl+V) pass; a typed character must be allowed.
        if (text.isEmpty() || key->modifiers().testFlag(Qt::ControlModifier)) return false;
        qsizetype typed = 0;
        for (QChar c : text) {
            if (c.unicode() < 32 || c.unicode() == 127) continue;
            if (allowed_ && !allowed_->contains(c)) return true;
            ++typed;
        }
        return limit_ >= 0 && typed > 0 && room() < typed;
    }

    // A paste or a drop. In a field whose keys are filtered it arrives whole
    // or not at all; elsewhere it is cut to what fits, as typing would be.
    void paste(const QString& text) {
        const qsizetype free = room();
        if (guardsPaste()) {
            const std::optional<QString> accepted = acceptedPaste(text, *allowed_, free);
            if (!accepted) {
                QApplication::beep();
                return;
            }
            insert(*accepted);
            return;
        }
        if (limit_ < 0) {
            insert(text);
        } else if (free > 0) {
            insert(text.left(free));
        }
    }

    void insert(const QString& text) {
        inserting_ = true;
        field_->insert(text);
        inserting_ = false;
    }

    // Any other edit by the user (an input method, for one) follows the same
    // rules: one that brings in a refused character is undone, one that
    // goes beyond the limit keeps only what fits.
    void edited(const QString& now) {
        if (inserting_ || (!guardsPaste() && limit_ < 0)) return;
        const QString before = last_;
        qsizetype prefix = 0;
        const qsizetype shorter = std::min(before.size(), now.size());
        while (prefix < shorter && before[prefix] == now[prefix]) ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               before[before.size() - 1 - suffix] == now[now.size() - 1 - suffix])
            ++suffix;
        const QString added = now.mid(prefix, now.size() - prefix - suffix);
        if (guardsPaste()) {
            for (QChar c : added) {
                if (allowed_->contains(c)) continue;
                restore(before, prefix);
                QApplication::beep();
                return;
            }
        }
        if (limit_ >= 0 && now.size() > limit_ && now.size() > before.size()) {
            const qsizetype keep =
                std::max<qsizetype>(0, limit_ - (now.size() - added.size()));
            restore(now.left(prefix) + added.left(keep) + now.right(suffix), prefix + keep);
        }
    }

    void restore(const QString& text, qsizetype cursor) {
        field_->setText(text);
        field_->setCursorPosition(static_cast<int>(std::min(cursor, text.size())));
    }

    // The field's usual menu, whose "Incolla" pastes as the keyboard does.
    void contextMenu(QPoint at) {
        QMenu* menu = field_->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // Qt writes each command's shortcut after a tab in the item's text.
        const QString pasteKey =
            u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions()) {
            if (!action->text().endsWith(pasteKey)) continue;
            action->setObjectName(QStringLiteral("edit-paste"));
            action->disconnect();
            QObject::connect(action, &QAction::triggered, this, [this] {
                if (const QClipboard* clipboard = QGuiApplication::clipboard())
                    paste(clipboard->text());
            });
        }
        menu->popup(at);
    }

    QLineEdit* field_;
    std::optional<QString> allowed_;
    PasteRule paste_ = PasteRule::Unfiltered;
    int limit_ = -1;
    QString last_;
    bool inserting_ = false;
};

// Typed keys of a widget that is not a text field.
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, QString allowed) : QObject(parent), allowed_(std::move(allowed)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || key->modifiers().testFlag(Qt::ControlModifier)) return false;
        for (QChar c : text) {
            if (c.unicode() < 32 || c.unicode() == 127) continue;
            if (!allowed_.contains(c)) return true;
        }
        return false;
    }

private:
    QString allowed_;
};

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
    if (auto* line = qobject_cast<QLineEdit*>(field))
        FieldInput::of(line)->setAllowed(allowed, paste);
    else
        field->installEventFilter(new KeyFilter(field, allowed));
}

void installTypingLimit(QLineEdit* field, int limit) {
    // The field's own maximum would cut the program's texts as well.
    field->setMaxLength(kNoLimit);
    FieldInput::of(field)->setLimit(limit);
}

int typingLimit(const QLineEdit* field) {
    const FieldInput* input = FieldInput::find(field);
    return input && input->limit() >= 0 ? std::min(input->limit(), field->maxLength())
                                        : field->maxLength();
}

void installTypingLimits(QWidget* window) {
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (field->maxLength() < kNoLimit) installTypingLimit(field, field->maxLength());
}

void installDigitFilter(QWidget* field, PasteRule paste) {
    installCharacterFilter(field, QStringLiteral("0123456789"), paste);
}
void installAmountFilter(QWidget* field, PasteRule paste) {
    installCharacterFilter(field, QStringLiteral("0123456789,"), paste);
}

}  // namespace vt

#include "app/cardfields.h"

#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace vt {

namespace {

class TypingLimit : public QObject {
public:
    TypingLimit(QLineEdit* field, int limit) : QObject(field), field_(field), limit_(limit) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) return pasteWithinLimit();
        const QString typed = key->text();
        if (typed.isEmpty() || typed.front().unicode() < 32 || typed.front().unicode() == 127 ||
            key->modifiers().testFlag(Qt::ControlModifier))
            return false;
        return room() < typed.size();
    }

private:
    qsizetype room() const {
        return limit_ - (field_->text().size() - field_->selectedText().size());
    }

    bool pasteWithinLimit() {
        // Only as much of the clipboard as still fits.
        const qsizetype free = room();
        if (free > 0) field_->insert(QGuiApplication::clipboard()->text().left(free));
        return true;
    }

    QLineEdit* field_;
    int limit_;
};

class AfterKeyRelease : public QObject {
public:
    AfterKeyRelease(QLineEdit* field, std::function<QString(const QString&)> rule)
        : QObject(field), field_(field), rule_(std::move(rule)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyRelease) return false;
        replaceKeepingCaret(field_, rule_(field_->text()));
        return false;
    }

private:
    QLineEdit* field_;
    std::function<QString(const QString&)> rule_;
};

class OnLeave : public QObject {
public:
    OnLeave(QLineEdit* field, std::function<void()> leave)
        : QObject(field), leave_(std::move(leave)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusOut) return false;
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) leave_();
        return false;
    }

private:
    std::function<void()> leave_;
};

}  // namespace

void replaceKeepingCaret(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    const int caret = field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

void installTypingLimit(QLineEdit* field, int limit) {
    field->installEventFilter(new TypingLimit(field, limit));
}

void installAfterKeyRelease(QLineEdit* field, std::function<QString(const QString&)> rule) {
    field->installEventFilter(new AfterKeyRelease(field, std::move(rule)));
}

void installOnLeave(QLineEdit* field, std::function<void()> leave) {
    field->installEventFilter(new OnLeave(field, std::move(leave)));
}

}  // namespace vt

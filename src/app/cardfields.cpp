#include "app/cardfields.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace vt {

namespace {

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

void installAfterKeyRelease(QLineEdit* field, std::function<QString(const QString&)> rule) {
    field->installEventFilter(new AfterKeyRelease(field, std::move(rule)));
}

void installOnLeave(QLineEdit* field, std::function<void()> leave) {
    field->installEventFilter(new OnLeave(field, std::move(leave)));
}

}  // namespace vt

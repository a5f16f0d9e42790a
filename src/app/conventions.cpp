#include "app/conventions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
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
        // mouse must not replace the designed text.
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::HoverMove) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        const QString hint = widget->statusTip();
        if (!hint.isEmpty() && widget != window_)
            panInfo_->setText(hint);
        else if (isBackground(widget))
            panInfo_->clear();
        return false;
    }

private:
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
        if (event->type() == QEvent::FocusIn) rectangle_->setVisible(true);
        if (event->type() == QEvent::FocusOut) rectangle_->setVisible(false);
        return false;
    }

private:
    QWidget* rectangle_;
};

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

class EnterMove : public QObject {
public:
    EnterMove(QObject* parent, QWidget* target) : QObject(parent), target_(target) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event))) return false;
        if (target_) target_->setFocus(Qt::OtherFocusReason);
        return true;
    }

private:
    QWidget* target_;
};

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, QString allowed) : QObject(parent), allowed_(std::move(allowed)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
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

void installCharacterFilter(QWidget* field, const QString& allowed) {
    field->installEventFilter(new KeyFilter(field, allowed));
}

void installDigitFilter(QWidget* field) { installCharacterFilter(field, QStringLiteral("0123456789")); }
void installAmountFilter(QWidget* field) { installCharacterFilter(field, QStringLiteral("0123456789,")); }

}  // namespace vt

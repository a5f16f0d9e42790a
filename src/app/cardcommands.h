#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

#include "app/uiservices.h"
#include "archive/cardrules.h"
#include "archive/recordfile.h"

class QLineEdit;

// The commands every card editor runs the same way on its own record file:
// reporting a failed save check, storing the card, browsing, and the small
// field commands.
namespace vt::cardui {

// The amount caption of the direction: black for incoming, red for outgoing.
void showAmountCaption(QLabel* caption, bool incoming);

// The save check that failed: its message in its form, then the focus on
// its field.
template <typename F>
void reportCheck(QWidget* window, const cards::SaveCheck<F>& failed, QWidget* field) {
    if (failed.kind == cards::SaveCheck<F>::Kind::Warning)
        warning(window, failed.message);
    else
        notice(window, failed.message);
    if (field) field->setFocus(Qt::OtherFocusReason);
}

// Writes `record` over the stored card that lblPosizione names, or appends
// it for a new card, then shows the position and says what was done. On a
// failure the access message is shown and lblPosizione keeps its text.
template <typename R>
void storeCard(QWidget* window, const TypedRecordFile<R>& file, const R& record,
               QLabel* posizione) {
    if (const auto at = cards::storedPosition(posizione->text())) {
        if (!file.overwrite(*at, record)) {
            error(window, cards::accessFailureMessage());
            return;
        }
        posizione->setText(QString::number(*at));
        information(window, cards::kUpdated);
        return;
    }
    const auto appended = file.append(record);
    if (!appended) {
        error(window, cards::accessFailureMessage());
        return;
    }
    posizione->setText(QString::number(appended.value()));
    information(window, cards::kInserted);
}

// A navigation button: reads at most one record and hands it to
// load(record, position); the empty archive and access failures are told.
template <typename R, typename Load>
void navigateCard(QWidget* window, const TypedRecordFile<R>& file, QLabel* posizione,
                  cards::Move move, Load&& load) {
    using Kind = cards::Step::Kind;
    const auto count = file.count();
    if (!count) {
        error(window, cards::accessFailureMessage());
        return;
    }
    const cards::Step step = cards::decideMove(move, posizione->text(), count.value());
    switch (step.kind) {
        case Kind::Nothing:
            return;
        case Kind::EmptyArchiveClear:
            posizione->clear();
            [[fallthrough]];
        case Kind::EmptyArchive:
            information(window, cards::kEmptyArchive);
            return;
        case Kind::Load: {
            const auto record = file.read(step.position);
            if (!record) {
                error(window, cards::accessFailureMessage());
                return;
            }
            load(record.value(), step.position);
            return;
        }
    }
}

// The file step of Duplicate, once the card has become a new one: the file
// is opened and closed again; a failure is told as a warning.
template <typename R>
bool touchForDuplicate(QWidget* window, const TypedRecordFile<R>& file) {
    if (file.touch()) return true;
    warning(window, cards::accessFailureMessage());
    return false;
}

// The e-mail button: a new message to the address of `email`, or the
// warning `missing` and the focus on the field when it is blank.
void sendMail(QWidget* window, QLineEdit* email, const QString& missing);

}  // namespace vt::cardui

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QWidget>
#include <functional>

#include "app/uiservices.h"
#include "archive/cardfile.h"
#include "archive/cardrules.h"
#include "archive/recordfile.h"

class QLabel;
class QLineEdit;

// The file side of the card editors' commands, the same for every archive:
// each opens the file, does its one read or write, closes it and reports
// the outcome (or the access failure) with the card's messages. The card's
// lblPosizione is passed in and kept up to date.
namespace vt::card {

// A navigation button: counts the records, decides where `move` leads from
// the position shown and hands the record read there to `load`.
using RecordLoader = std::function<void(QByteArray record, qint64 position)>;
void browse(QWidget* card, const RecordFile& file, Move move, QLabel* lblPosizione,
            const RecordLoader& load);

// Save: overwrites the stored card's record or appends a new one, shows its
// position and says which it was. False when the file could not be written.
bool save(QWidget* card, const RecordFile& file, QByteArrayView record, QLabel* lblPosizione);

// Duplicate's access test: the file is opened (created when missing) and
// closed again. False, after the access message in the card's `form`, when
// it cannot be.
bool reachable(QWidget* card, const RecordFile& file, MessageKind form);

// The save check that failed: its message in its form, then the focus on
// its field.
template <typename F>
void reportCheck(QWidget* card, const SaveCheck<F>& failed, QWidget* field) {
    messages().show(
        card,
        failed.kind == SaveCheck<F>::Kind::Warning ? MessageKind::Warning : MessageKind::Notice,
        failed.message);
    if (field) field->setFocus(Qt::OtherFocusReason);
}

// The amount caption of the direction: black for incoming, red for outgoing.
void showAmountCaption(QLabel* caption, bool incoming);

// The e-mail button: a new message to the address of `email`, or the
// warning `missing` and the focus on the field when it is blank.
void sendMail(QWidget* card, QLineEdit* email, const QString& missing);

}  // namespace vt::card

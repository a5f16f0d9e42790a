#include "app/cardactions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "app/OpenURL.h"
#include "app/uiservices.h"

namespace vt::card {

void browse(QWidget* card, const RecordFile& file, Move move, QLabel* lblPosizione,
            const RecordLoader& load) {
    const auto count = file.count();
    if (!count) {
        vt::error(card, accessFailureMessage());
        return;
    }
    const Step step = decideMove(move, lblPosizione->text(), count.value());
    switch (step.kind) {
        case Step::Kind::Nothing:
            return;
        case Step::Kind::EmptyArchiveClear:
            lblPosizione->clear();
            [[fallthrough]];
        case Step::Kind::EmptyArchive:
            vt::information(card, kEmptyArchive);
            return;
        case Step::Kind::Load: {
            auto record = file.read(step.position);
            if (!record) {
                vt::error(card, accessFailureMessage());
                return;
            }
            load(std::move(record.value()), step.position);
            return;
        }
    }
}

bool save(QWidget* card, const RecordFile& file, QByteArrayView record, QLabel* lblPosizione) {
    if (const auto at = storedPosition(lblPosizione->text())) {
        if (!file.overwrite(*at, record)) {
            vt::error(card, accessFailureMessage());
            return false;
        }
        lblPosizione->setText(QString::number(*at));
        vt::information(card, kUpdated);
        return true;
    }
    const auto appended = file.append(record);
    if (!appended) {
        vt::error(card, accessFailureMessage());
        return false;
    }
    lblPosizione->setText(QString::number(appended.value()));
    vt::information(card, kInserted);
    return true;
}

bool reachable(QWidget* card, const RecordFile& file, MessageKind form) {
    if (file.touch()) return true;
    messages().show(card, form, accessFailureMessage());
    return false;
}

void showAmountCaption(QLabel* caption, bool incoming) {
    caption->setText(amountCaption(incoming));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, incoming ? QColor(0xFF000000u) : QColor(0xFFFF0000u));
    caption->setPalette(palette);
}

void sendMail(QWidget* card, QLineEdit* email, const QString& missing) {
    const auto target = mailTarget(email->text());
    if (!target) {
        vt::warning(card, missing);
        email->setFocus(Qt::OtherFocusReason);
        return;
    }
    TMisc::Open(*target);
}

}  // namespace vt::card

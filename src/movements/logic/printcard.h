#pragma once

#include <QList>
#include <QString>

namespace vt::movprint {

// The rows of the printed movement card, top to bottom: caption, value
// memo, and the card control the value comes from (its trimmed text), or,
// for the two flags, the control whose check decides between two words.
struct Row {
    QString caption;
    QString memo;
    QString control;
};
const QList<Row>& rows();

// Where the footer bar of the printed movement card sits, in millimetres.
inline constexpr double kFooterTop = 109;

// The values of the two flag rows.
inline QString typeText(bool incoming) { return incoming ? QStringLiteral("Entrata") : QStringLiteral("Uscita"); }
inline QString settledText(bool settled) { return settled ? QStringLiteral("S\u00EC") : QStringLiteral("No"); }

}  // namespace vt::movprint

#pragma once

#include <QString>
#include <optional>

// What every card editor (movements, causali, registry) shares about the
// archive file behind it: where the browsing buttons lead, which position a
// save writes to, and the messages of saving, browsing and duplicating.
namespace vt::card {

// Messages of saving, navigating and duplicating (an access failure is
// reported with vt::accessFailureMessage(), archive/recordfile.h).
inline const QString kInserted =
    QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
inline const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kDuplicateNeedsStoredCard = QStringLiteral(
    "Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa \u00E8 "
    "stata inserita "
    "in archivio.");
QString duplicatedMessage();

// The position a save writes to: the stored card's position, or nothing for
// a new card (which is appended).
std::optional<qint64> storedPosition(const QString& posizione);

// ---- Navigation -----------------------------------------------------------

enum class Move { First, Previous, Next, Last };

struct Step {
    enum class Kind {
        Nothing,           // at an end of the file: no change, no message
        Load,              // show the record at `position`
        EmptyArchive,      // say the archive is empty
        EmptyArchiveClear  // the same, and empty lblPosizione first
    };
    Kind kind = Kind::Nothing;
    qint64 position = 0;
    bool operator==(const Step&) const = default;
};

// Where a navigation button leads from the card at `posizione` in a file of
// `count` records.
Step decideMove(Move move, const QString& posizione, qint64 count);

}  // namespace vt::card

#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "archive/recordfile.h"
#include "archive/records.h"
#include "output/logic/listlogic.h"
#include "output/logic/skippedrecords.h"

namespace vt::movsearch {

// The ten search fields of the movement search, in screen order, and the
// record field each one looks in.
inline constexpr std::array<mov::Field, 10> kSearchFields{
    mov::Data,     mov::DataSca,      mov::Causale,  mov::Promemoria, mov::Pagatore,
    mov::Categoria, mov::Beneficiario, mov::Ricevuta, mov::Tariffa,    mov::Note,
};

// The texts of the ten search fields as typed, in the order above.
using Filters = std::array<QString, 10>;

// A search text is a filter when it is not empty once blanks are trimmed; a
// text of blanks only is no filter at all.
bool isFilled(const QString& text);
// How many fields are filled.
int filledCount(const Filters& filters);

// How many filled search texts occur, A to Z without regard to case, in
// their record fields. A filled text is taken as typed (blanks included); a
// text that is not filled never occurs.
int matchCount(QByteArrayView record, const Filters& filters);

// The list line of a movement, shared by the search and the due list:
// causale (40), "  Scad. ", due date (10), "  Da: ", payer (30), "  A: ",
// beneficiary (30), "  Importo: ", signed amount.
QString movementLine(QByteArrayView record);

// A movement a list had to leave out, as its notice names it: the position,
// the due date and the causale as stored.
list::SkippedRecord skippedMovement(qint64 position, QByteArrayView record);

struct SearchResult {
    int filled = 0;               // the count shown in lblConta
    list::ListLines lines;        // in file order, unsorted, with positions
    std::optional<AccessFailure> failure;  // lines read before it are kept
};

// Lists every movement of the year file that matches at least as many
// search texts as there are filled fields.
SearchResult search(const QString& yearFile, const Filters& filters);

// The movement behind a listed line: the record at the line's position when
// it still composes the line, else the last record in file order that does.
struct LineMatch {
    std::optional<MovementRecord> record;
    qint64 position = 0;
    bool failed = false;  // the file could not be read
};
LineMatch findLine(const QString& yearFile, const list::ListLine& line);

// "Il presente riepilogo contiene N schede."
QString countText(qsizetype lines);

}  // namespace vt::movsearch

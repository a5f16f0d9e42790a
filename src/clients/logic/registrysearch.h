#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "archive/recordfile.h"
#include "archive/records.h"
#include "output/logic/listlogic.h"

namespace vt::clisearch {

// The ten search fields of the registry search, in screen order, and the
// record field each one looks in.
inline constexpr std::array<cli::Field, 10> kSearchFields{
    cli::Cliente,     cli::ComuneRes, cli::PartitaIva, cli::CodFisc,   cli::Documento,
    cli::Occupazione, cli::Prodotti,  cli::Zona,       cli::Questioni, cli::Note,
};

// The texts of the ten search fields as typed, in the order above.
using Filters = std::array<QString, 10>;

// Whether a search text filters at all: a text of blanks only does not, so a
// stray blank can neither be required nor let a card through.
bool isFilter(const QString& typed);
// How many fields filter.
int filledCount(const Filters& filters);

// A card is listed when every filtering text occurs, A to Z without regard
// to case, in its record field. A filtering text is taken as typed (a
// trailing blank must occur too).
bool matches(QByteArrayView record, const Filters& filters);

// The last column of a list line: the notes in the search, the pending
// questions in the recontact list.
enum class LastColumn { Note, Questioni };

// The list line of a card: name (26), "  Tel. ", preferred contact (15),
// two blanks, occupation (25), "  Prod. ", products (30), two blanks, then
// the notes or the pending questions whole.
QString clientLine(QByteArrayView record, LastColumn last);

struct SearchResult {
    list::ListLines lines;                 // in file order, unsorted, with positions
    std::optional<AccessFailure> failure;  // the lines read before it are kept
};

// Every card of the registry that every filtering text matches.
SearchResult search(const QString& path, const Filters& filters);

// Every card whose recontact flag reads exactly "Sì"; a read that fails keeps what was read before
// it.
SearchResult recontactList(const QString& path);

// The card behind a listed line, read again from the file: the card at the
// line's own position when it still makes that line; otherwise (the file
// changed meanwhile) the last card in file order whose line, trimmed, equals
// the line, trimmed. No record on a failure or when nothing matches.
struct LineMatch {
    std::optional<ClientRecord> record;
    qint64 position = 0;
    bool failed = false;  // the file could not be read
};
LineMatch findLine(const QString& path, const list::ListLine& line, LastColumn last);

// The count label before a search, and after it.
QString initialCountText();
QString countText(qsizetype lines);

// Who opened the search, told by the marker in its lblMemory, and what a
// pick hands over.
enum class Role {
    None,
    Clienti,
    MovimentiPagatore,
    MovimentiBeneficiario,
    CausaliPagatore,
    CausaliBeneficiario
};
Role roleOf(const QString& marker);
QString markerOf(Role role);

// The caller's field that receives a record field on a pick.
struct HandOver {
    QString control;
    cli::Field field;
};
// The fields a pick fills in the movement or causale card; empty for the
// registry card, which loads the whole card, and for an unknown marker.
QList<HandOver> handOver(Role role);

}  // namespace vt::clisearch

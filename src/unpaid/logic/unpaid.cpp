#include "unpaid/logic/unpaid.h"

#include "archive/recordfile.h"
#include "archive/records.h"
#include "archive/texts.h"
#include "movements/logic/exportmovements.h"
#include "movements/logic/searchmovements.h"
#include "unpaid/logic/helppages.h"

namespace vt::unpaid {

namespace {

struct Names {
    const char16_t* caption;
    const char16_t* fileName;
    const char16_t* sheetName;
};

Names names(Kind kind) {
    switch (kind) {
        case Kind::Entrate:
            return {u" Pagamenti insoluti in entrata", u"Pagamenti_in_Entrata_Insoluti.xls",
                    u"Pagamenti in entrata insoluti"};
        case Kind::Uscite:
            return {u" Pagamenti insoluti in uscita", u"Pagamenti_in_Uscita_Insoluti.xls",
                    u"Pagamenti in uscita insoluti"};
        case Kind::Tutti:
            break;
    }
    return {u" Pagamenti insoluti in entrata e in uscita", u"Pagamenti_Insoluti.xls",
            u"Pagamenti insoluti"};
}

// Grid columns (after "N.") that the user may change before exporting:
// the notes and the settled flag. Nothing typed there reaches the year file.
constexpr int kNoteColumn = 17;
constexpr int kSettledColumn = 19;

exporting::Definition makeDefinition(Kind kind) {
    const Names n = names(kind);
    exporting::Definition d;
    d.caption = QString::fromUtf16(n.caption);
    d.fileName = QString::fromUtf16(n.fileName);
    d.sheetName = QString::fromUtf16(n.sheetName);
    d.kind = exporting::Kind::Unpaid;
    // The same twenty columns as the year's export, in the same order.
    d.columns = expmov::definition().columns;
    for (auto& c : d.columns) c.editable = false;
    d.columns[kNoteColumn].editable = true;
    d.columns[kSettledColumn].editable = true;
    d.help = unpaidListHelpPage();
    return d;
}

bool ofKind(QByteArrayView record, Kind kind) {
    switch (kind) {
        case Kind::Entrate:
            return readFlag(record, mov::kFields[mov::Entrata]) == Flag::Yes;
        case Kind::Uscite:
            return readFlag(record, mov::kFields[mov::Uscita]) == Flag::Yes;
        case Kind::Tutti:
            break;
    }
    return true;
}

}  // namespace

const exporting::Definition& definition(Kind kind) {
    static const exporting::Definition entrate = makeDefinition(Kind::Entrate);
    static const exporting::Definition uscite = makeDefinition(Kind::Uscite);
    static const exporting::Definition tutti = makeDefinition(Kind::Tutti);
    switch (kind) {
        case Kind::Entrate:
            return entrate;
        case Kind::Uscite:
            return uscite;
        case Kind::Tutti:
            break;
    }
    return tutti;
}

Verdict judge(QByteArrayView record, const QDate& today, Kind kind) {
    if (readFlag(record, mov::kFields[mov::Saldato]) != Flag::No) return Verdict::Skip;
    if (!ofKind(record, kind)) return Verdict::Skip;
    const auto due = dateValue(readField(record, mov::kFields[mov::DataSca]));
    if (!due) return Verdict::Unreadable;
    return *due > today ? Verdict::Skip : Verdict::List;
}

List list(const QString& yearFile, const QDate& today, Kind kind) {
    List out;
    const MovementFile file(yearFile);
    const auto count = file.count();
    if (!count) {
        out.rows.failure = count.failure();
        return out;
    }
    if (count.value() == 0) return out;
    out.rows.rowCount = 0;
    qint64 seen = 0;
    // A file that grew since it was counted still gives the counted records.
    const FileStatus status = file.scan([&](qint64 position, QByteArrayView record) {
        if (seen++ >= count.value()) return false;
        switch (judge(record, today, kind)) {
            case Verdict::List:
                out.rows.rows.append(expmov::cells(record));
                break;
            case Verdict::Unreadable:
                out.skipped.append(movsearch::skippedMovement(position, record));
                break;
            case Verdict::Skip:
                break;
        }
        return true;
    });
    if (!status) out.rows.failure = status.failure();
    out.rows.rowCount = out.rows.rows.size();
    out.rows.notice = skippedNotice(out.skipped);
    return out;
}

QString skippedNotice(const list::SkippedRecords& skipped) {
    return list::skippedNotice(
        skipped, {QStringLiteral("scadenza"),
                  QStringLiteral("la sua data di scadenza non \u00E8 una data valida"),
                  QStringLiteral("la loro data di scadenza non \u00E8 una data valida")});
}

}  // namespace vt::unpaid

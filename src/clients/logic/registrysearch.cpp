#include "clients/logic/registrysearch.h"

#include <algorithm>

#include "archive/codec.h"
#include "output/logic/listedrecord.h"
#include "output/logic/listlogic.h"

namespace vt::clisearch {

bool isFilter(const QString& typed) {
    return !typed.trimmed().isEmpty();
}

int filledCount(const Filters& filters) {
    return static_cast<int>(std::count_if(filters.begin(), filters.end(), isFilter));
}

namespace {

// The filtering texts, folded once rather than once per card.
struct Prepared {
    std::array<QString, 10> folded;
    std::array<bool, 10> active{};
};

Prepared prepare(const Filters& filters) {
    Prepared p;
    for (std::size_t i = 0; i < filters.size(); ++i) {
        p.active[i] = isFilter(filters[i]);
        if (p.active[i]) p.folded[i] = list::foldAZ(filters[i]);
    }
    return p;
}

bool matchesPrepared(QByteArrayView record, const Prepared& p) {
    for (std::size_t i = 0; i < kSearchFields.size(); ++i) {
        if (!p.active[i]) continue;
        if (!list::foldAZ(readField(record, cli::kFields[kSearchFields[i]])).contains(p.folded[i]))
            return false;
    }
    return true;
}

}  // namespace

bool matches(QByteArrayView record, const Filters& filters) {
    return matchesPrepared(record, prepare(filters));
}

QString clientLine(QByteArrayView record, LastColumn last) {
    auto field = [&](cli::Field f) { return readField(record, cli::kFields[f]); };
    const QString lastColumn = field(last == LastColumn::Note ? cli::Note : cli::Questioni);
    // The fixed columns take 113 characters; one allocation holds the line.
    QString line;
    line.reserve(113 + lastColumn.size());
    list::appendFixed(line, field(cli::Cliente), 26);
    line.append(u"  Tel. ");
    list::appendFixed(line, field(cli::Recapito), 15);
    line.append(u"  ");
    list::appendFixed(line, field(cli::Occupazione), 25);
    line.append(u"  Prod. ");
    list::appendFixed(line, field(cli::Prodotti), 30);
    line.append(u"  ");
    line.append(lastColumn);
    return line;
}

namespace {

// The list of the cards a rule selects, each line with its card's position.
SearchResult collect(const QString& path, LastColumn last, const list::SelectionRule& select) {
    list::CollectedLines found =
        list::collectLines(ClientFile(path).raw(), select,
                           [last](QByteArrayView record) { return clientLine(record, last); });
    return {std::move(found.lines), std::move(found.failure)};
}

}  // namespace

SearchResult search(const QString& path, const Filters& filters) {
    const Prepared prepared = prepare(filters);
    return collect(path, LastColumn::Note, [&prepared](QByteArrayView record) {
        return matchesPrepared(record, prepared) ? list::Selection::List : list::Selection::Skip;
    });
}

SearchResult recontactList(const QString& path) {
    return collect(path, LastColumn::Questioni, [](QByteArrayView record) {
        return readFlag(record, cli::kFields[cli::Ricontatta]) == Flag::Yes ? list::Selection::List
                                                                            : list::Selection::Skip;
    });
}

LineMatch findLine(const QString& path, const list::ListLine& line, LastColumn last) {
    const list::ListedRecord found =
        list::findListedRecord(ClientFile(path).raw(), line,
                               [last](QByteArrayView record) { return clientLine(record, last); });
    LineMatch match;
    if (found.record) match.record = ClientRecord(*found.record);
    match.position = found.position;
    match.failed = found.failed;
    return match;
}

QString initialCountText() {
    return QStringLiteral("Il presente elenco contiene 0 schede.");
}

QString countText(qsizetype lines) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}

namespace {
struct RoleName {
    Role role;
    const char* marker;
};
constexpr RoleName kRoles[] = {
    {Role::Clienti, "clienti"},
    {Role::MovimentiPagatore, "movimenti_pagatore"},
    {Role::MovimentiBeneficiario, "movimenti_beneficiario"},
    {Role::CausaliPagatore, "causali_pagatore"},
    {Role::CausaliBeneficiario, "causali_beneficiario"},
};
}  // namespace

Role roleOf(const QString& marker) {
    const QString m = vt::trimmed(marker);
    for (const RoleName& r : kRoles)
        if (m == QLatin1String(r.marker)) return r.role;
    return Role::None;
}

QString markerOf(Role role) {
    for (const RoleName& r : kRoles)
        if (r.role == role) return QString::fromLatin1(r.marker);
    return {};
}

QList<HandOver> handOver(Role role) {
    // The movement card and the causale card name their payer and
    // beneficiary fields alike.
    switch (role) {
        case Role::MovimentiPagatore:
        case Role::CausaliPagatore:
            return {
                {QStringLiteral("txtPagatore"), cli::Cliente},
                {QStringLiteral("txtRecapitoPag"), cli::Recapito},
                {QStringLiteral("txtCodFisc"), cli::CodFisc},
                {QStringLiteral("txtPartitaIva"), cli::PartitaIva},
                {QStringLiteral("txtEmail"), cli::Email},
            };
        case Role::MovimentiBeneficiario:
        case Role::CausaliBeneficiario:
            return {
                {QStringLiteral("txtBeneficiario"), cli::Cliente},
                {QStringLiteral("txtRecapitoBen"), cli::Recapito},
            };
        case Role::Clienti:
        case Role::None:
            break;
    }
    return {};
}

}  // namespace vt::clisearch

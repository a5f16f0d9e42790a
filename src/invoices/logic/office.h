#pragma once

#include <QString>
#include <optional>

#include "invoices/logic/invoice.h"

// Whose invoices are imported: the office's own VAT number and fiscal code,
// which tell a received invoice (the office buys) from an issued one (the
// office sells). They are remembered beside the program in a small settings
// file of their own, apart from the password store.
namespace vt::invoices {

struct OfficeIdentity {
    QString vatNumber;   // eleven digits
    QString fiscalCode;  // sixteen characters, or eleven digits for a company

    bool operator==(const OfficeIdentity&) const = default;
};

// The texts as the window's fields hold them, made ready to compare:
// trimmed, upper case, blanks removed, an "IT" typed before the VAT number
// dropped.
OfficeIdentity normalizedOffice(const OfficeIdentity& typed);

// The first field that does not pass the program's own checks, with its
// warning. Either field may be empty, not both.
struct OfficeProblem {
    enum class Field { VatNumber, FiscalCode };
    Field field;
    QString message;
};
std::optional<OfficeProblem> checkOffice(const OfficeIdentity& office);

// Whether the party is the office: its VAT id or fiscal code is one of the
// office's.
bool isOffice(const Party& party, const OfficeIdentity& office);

// The settings file beside the program, section "Studio", keys "PartitaIva"
// and "CodiceFiscale".
inline const QString kSettingsFileName = QStringLiteral("FattureElettroniche.ini");
QString settingsPath();

// The remembered identity (empty texts when nothing is stored yet), or
// nothing when the file exists but cannot be read.
std::optional<OfficeIdentity> readOffice(const QString& path = settingsPath());
// Remembers the identity (normalised). False when the file cannot be
// written; the old file then stays as it was.
bool writeOffice(const OfficeIdentity& office, const QString& path = settingsPath());

}  // namespace vt::invoices

#include "invoices/logic/office.h"

#include "app/base/services.h"
#include "app/logic/inifile.h"
#include "checks/logic/fiscalcode.h"
#include "checks/logic/vatnumber.h"
#include "invoices/logic/wording.h"

namespace vt::invoices {

namespace {

const QString kSection = QStringLiteral("Studio");
const QString kVatKey = QStringLiteral("PartitaIva");
const QString kFiscalKey = QStringLiteral("CodiceFiscale");

QString code(const QString& text) {
    QString t = text.trimmed().toUpper();
    t.remove(u' ');
    return t;
}

bool allDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

OfficeIdentity normalizedOffice(const OfficeIdentity& typed) {
    OfficeIdentity office{code(typed.vatNumber), code(typed.fiscalCode)};
    if (office.vatNumber.size() == 13 && office.vatNumber.startsWith(QLatin1String("IT")))
        office.vatNumber = office.vatNumber.mid(2);
    return office;
}

std::optional<OfficeProblem> checkOffice(const OfficeIdentity& typed) {
    using F = OfficeProblem::Field;
    const OfficeIdentity office = normalizedOffice(typed);
    if (office.vatNumber.isEmpty() && office.fiscalCode.isEmpty())
        return OfficeProblem{F::VatNumber, wording::officeMissing()};
    if (!office.vatNumber.isEmpty()) {
        if (office.vatNumber.size() != 11)
            return OfficeProblem{F::VatNumber, wording::vatNumberLength()};
        if (!checks::isValidVatNumber(office.vatNumber))
            return OfficeProblem{F::VatNumber, wording::vatNumberWrong()};
    }
    if (!office.fiscalCode.isEmpty()) {
        // A company's fiscal code is its eleven-digit number, checked as a
        // VAT number is; a person's has sixteen characters.
        if (allDigits(office.fiscalCode) && office.fiscalCode.size() == 11) {
            if (!checks::isValidVatNumber(office.fiscalCode))
                return OfficeProblem{F::FiscalCode, wording::fiscalCodeWrong()};
        } else if (office.fiscalCode.size() != 16) {
            return OfficeProblem{F::FiscalCode, wording::fiscalCodeLength()};
        } else if (!checks::isValidFiscalCode(office.fiscalCode)) {
            return OfficeProblem{F::FiscalCode, wording::fiscalCodeWrong()};
        }
    }
    return std::nullopt;
}

bool isOffice(const Party& party, const OfficeIdentity& typed) {
    const OfficeIdentity office = normalizedOffice(typed);
    const QString vat = party.vatCountry == QLatin1String("IT") ? party.vatCode : QString();
    for (const QString& own : {office.vatNumber, office.fiscalCode}) {
        if (own.isEmpty()) continue;
        if (own == vat || own == party.fiscalCode) return true;
    }
    return false;
}

QString settingsPath() {
    return programDir() + kSettingsFileName;
}

std::optional<OfficeIdentity> readOffice(const QString& path) {
    const auto vat = ini::readValue(path, kSection, kVatKey);
    const auto fiscal = ini::readValue(path, kSection, kFiscalKey);
    if (!vat || !fiscal) return std::nullopt;
    return OfficeIdentity{*vat, *fiscal};
}

bool writeOffice(const OfficeIdentity& typed, const QString& path) {
    const OfficeIdentity office = normalizedOffice(typed);
    return ini::writeValue(path, kSection, kVatKey, office.vatNumber) &&
           ini::writeValue(path, kSection, kFiscalKey, office.fiscalCode);
}

}  // namespace vt::invoices

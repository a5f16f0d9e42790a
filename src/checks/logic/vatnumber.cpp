#include "checks/logic/vatnumber.h"

#include <array>

namespace vt::checks {
namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Offices 001 to 102 in order of their code.
const std::array<const char16_t*, 102> kOffices{u"Torino",
                                                u"Vercelli",
                                                u"Novara",
                                                u"Cuneo",
                                                u"Asti",
                                                u"Alessandria",
                                                u"Aosta",
                                                u"Imperia",
                                                u"Savona",
                                                u"Genova 1",
                                                u"La Spezia",
                                                u"Varese",
                                                u"Como",
                                                u"Sondrio",
                                                u"Milano 1",
                                                u"Bergamo",
                                                u"Brescia 1",
                                                u"Pavia",
                                                u"Cremona",
                                                u"Mantova",
                                                u"Bolzano",
                                                u"Trento",
                                                u"Verona",
                                                u"Vicenza",
                                                u"Belluno",
                                                u"Treviso",
                                                u"Venezia",
                                                u"Padova",
                                                u"Rovigo",
                                                u"Udine",
                                                u"Gorizia",
                                                u"Trieste",
                                                u"Piacenza",
                                                u"Parma",
                                                u"Reggio Emilia",
                                                u"Modena",
                                                u"Bologna 1",
                                                u"Ferrara",
                                                u"Ravenna",
                                                u"Forlì",
                                                u"Pesaro",
                                                u"Ancona",
                                                u"Macerata",
                                                u"Ascoli Piceno",
                                                u"Massa Carrara",
                                                u"Lucca",
                                                u"Pistoia",
                                                u"Firenze 1",
                                                u"Livorno",
                                                u"Pisa",
                                                u"Arezzo",
                                                u"Siena",
                                                u"Grosseto",
                                                u"Perugia",
                                                u"Terni",
                                                u"Viterbo",
                                                u"Rieti",
                                                u"Roma 1",
                                                u"Latina",
                                                u"Frosinone",
                                                u"Caserta",
                                                u"Benevento",
                                                u"Napoli 1",
                                                u"Avellino",
                                                u"Salerno",
                                                u"Aquila",
                                                u"Teramo",
                                                u"Pescara",
                                                u"Chieti",
                                                u"Campobasso",
                                                u"Foggia",
                                                u"Bari",
                                                u"Taranto",
                                                u"Brindisi",
                                                u"Lecce",
                                                u"Potenza",
                                                u"Matera",
                                                u"Cosenza",
                                                u"Catanzaro",
                                                u"Reggio Calabria",
                                                u"Trapani",
                                                u"Palermo",
                                                u"Messina",
                                                u"Agrigento",
                                                u"Caltanissetta",
                                                u"Enna",
                                                u"Catania",
                                                u"Ragusa",
                                                u"Siracusa",
                                                u"Sassari",
                                                u"Nuoro",
                                                u"Cagliari",
                                                u"Pordenone",
                                                u"Isernia",
                                                u"Oristano",
                                                u"Monza (Milano 2)",
                                                u"Prato (Firenze 2)",
                                                u"Brescia 2",
                                                u"Chiavari (Genova 2)",
                                                u"Roma 2",
                                                u"Bologna 2",
                                                u"Napoli 2"};

}  // namespace

bool isValidVatNumber(QStringView number) {
    if (number.size() != 11) return false;
    int sum = 0;
    for (qsizetype i = 0; i < 11; ++i) {
        if (!isAsciiDigit(number[i])) return false;
        if (i == 10) break;
        const int d = number[i].unicode() - u'0';
        // Positions 1, 3, ... count as they are; 2, 4, ... doubled, digits summed.
        sum += i % 2 == 0 ? d : (2 * d < 10 ? 2 * d : 2 * d - 9);
    }
    return number[10].unicode() - u'0' == (10 - sum % 10) % 10;
}

QString vatOfficeName(QStringView code) {
    if (code.size() != 3) return {};
    for (QChar c : code)
        if (!isAsciiDigit(c)) return {};
    const int n = code.toInt();
    if (n >= 1 && n <= static_cast<int>(kOffices.size()))
        return QString::fromUtf16(kOffices[static_cast<size_t>(n - 1)]);
    // Two later codes of the second offices of Bologna and Napoli.
    if (n == 120) return QStringLiteral("Bologna 2");
    if (n == 121) return QStringLiteral("Napoli 2");
    return {};
}

CheckReply vatNumberReply(const QString& fieldText) {
    const QString number = fieldText.toUpper();
    if (number.size() != 11)
        return {CheckReply::Kind::Warning,
                QStringLiteral(
                    "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."),
                false};
    if (!isValidVatNumber(number))
        return {
            CheckReply::Kind::Warning,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") +
                kCheckBreak +
                QStringLiteral(
                    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                    "ha rilasciato."),
            true};
    const QString valid =
        QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + kCheckBreak;
    const QString code = number.mid(7, 3);
    const QString office = vatOfficeName(code);
    if (office.isEmpty())
        // A sound number from an office the table does not know: still valid,
        // but no office is named.
        return {CheckReply::Kind::Information,
                valid + QStringLiteral(
                            "Il codice %1 dell'Ufficio IVA che lo ha rilasciato non corrisponde a "
                            "nessun ufficio conosciuto.")
                            .arg(code),
                true};
    return {CheckReply::Kind::Information,
            valid + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + office +
                u'.',
            true};
}

}  // namespace vt::checks

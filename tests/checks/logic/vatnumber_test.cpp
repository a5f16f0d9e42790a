#include "checks/logic/vatnumber.h"

#include <gtest/gtest.h>

#include <map>

#include "checks/generators.h"

namespace vt::checks {
namespace {

using test::CodeGenerator;

const QString kLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

QString validFrom(const QString& office) {
    return QStringLiteral(
               "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
               "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
           office + u'.';
}

// The offices by code, written out column by column as they are listed on
// paper, to catch a slip in the program's own copy.
const std::map<int, QString>& offices() {
    static const std::map<int, QString> table = [] {
        const char16_t* columns[4][26] = {
            {u"Torino",  u"Vercelli", u"Novara",   u"Cuneo",    u"Asti",      u"Alessandria",
             u"Aosta",   u"Imperia",  u"Savona",   u"Genova 1", u"La Spezia", u"Varese",
             u"Como",    u"Sondrio",  u"Milano 1", u"Bergamo",  u"Brescia 1", u"Pavia",
             u"Cremona", u"Mantova",  u"Bolzano",  u"Trento",   u"Verona",    u"Vicenza",
             u"Belluno", u"Treviso"},
            {u"Venezia",   u"Padova",    u"Rovigo",        u"Udine",         u"Gorizia",
             u"Trieste",   u"Piacenza",  u"Parma",         u"Reggio Emilia", u"Modena",
             u"Bologna 1", u"Ferrara",   u"Ravenna",       u"Forlì",         u"Pesaro",
             u"Ancona",    u"Macerata",  u"Ascoli Piceno", u"Massa Carrara", u"Lucca",
             u"Pistoia",   u"Firenze 1", u"Livorno",       u"Pisa",          u"Arezzo",
             u"Siena"},
            {u"Grosseto", u"Perugia",   u"Terni",   u"Viterbo",   u"Rieti",    u"Roma 1",
             u"Latina",   u"Frosinone", u"Caserta", u"Benevento", u"Napoli 1", u"Avellino",
             u"Salerno",  u"Aquila",    u"Teramo",  u"Pescara",   u"Chieti",   u"Campobasso",
             u"Foggia",   u"Bari",      u"Taranto", u"Brindisi",  u"Lecce",    u"Potenza",
             u"Matera",   u"Cosenza"},
            {u"Catanzaro",
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
             u"Napoli 2",
             u"Bologna 2",
             u"Napoli 2"}};
        std::map<int, QString> t;
        for (int col = 0; col < 4; ++col)
            for (int row = 0; row < 26; ++row) {
                int code = col * 26 + row + 1;
                if (code == 103) code = 120;
                if (code == 104) code = 121;
                t[code] = QString::fromUtf16(columns[col][row]);
            }
        return t;
    }();
    return table;
}

TEST(VatNumber, EveryOfficeCodeOfTheTableIsNamedAndNoOther) {
    ASSERT_EQ(offices().size(), 104u);
    int named = 0;
    for (int code = 0; code <= 999; ++code) {
        const QString text = QString::number(code).rightJustified(3, u'0');
        const auto it = offices().find(code);
        EXPECT_EQ(vatOfficeName(text), it == offices().end() ? QString() : it->second) << code;
        named += vatOfficeName(text).isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(named, 104);
}

TEST(VatNumber, GeneratedNumbersNameTheirOfficeAndAnyChangedDigitIsWrong) {
    CodeGenerator gen(11);
    for (const auto& [code, office] : offices()) {
        for (int n = 0; n < 3; ++n) {
            const QString number = gen.vatNumber(code);
            ASSERT_TRUE(isValidVatNumber(number)) << number.toStdString();
            EXPECT_EQ(vatNumberReply(number),
                      (CheckReply{CheckReply::Kind::Information, validFrom(office), true}));
            for (qsizetype i = 0; i < 11; ++i) {
                const QString wrong = gen.changed(number, i);
                EXPECT_EQ(vatNumberReply(wrong),
                          (CheckReply{CheckReply::Kind::Warning, kWrong, true}))
                    << wrong.toStdString();
            }
        }
    }
}

TEST(VatNumber, CheckDigitChangedByOneIsWrong) {
    CodeGenerator gen(12);
    const QString number = gen.vatNumber(15);
    QString up = number, down = number;
    up[10] = QChar(u'0' + (number[10].unicode() - u'0' + 1) % 10);
    down[10] = QChar(u'0' + (number[10].unicode() - u'0' + 9) % 10);
    EXPECT_EQ(vatNumberReply(up).text, kWrong);
    EXPECT_EQ(vatNumberReply(down).text, kWrong);
}

TEST(VatNumber, WellKnownOfficesByTheirCode) {
    CodeGenerator gen(13);
    EXPECT_EQ(vatNumberReply(gen.vatNumber(15)).text, validFrom(QStringLiteral("Milano 1")));
    EXPECT_EQ(vatNumberReply(gen.vatNumber(96)).text,
              validFrom(QStringLiteral("Monza (Milano 2)")));
    EXPECT_EQ(vatNumberReply(gen.vatNumber(120)).text, validFrom(QStringLiteral("Bologna 2")));
    EXPECT_EQ(vatNumberReply(gen.vatNumber(40)).text, validFrom(QStringLiteral("Forlì")));
}

TEST(VatNumber, ValidNumberOfAnUnknownOfficeIsValidAndNamesNoOffice) {
    CodeGenerator gen(14);
    for (int code : {0, 103, 119, 122, 999}) {
        const QString number = gen.vatNumber(code);
        const CheckReply reply = vatNumberReply(number);
        EXPECT_EQ(reply.kind, CheckReply::Kind::Information);
        EXPECT_TRUE(reply.closes);
        const QString codeText = number.mid(7, 3);
        EXPECT_EQ(
            reply.text,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                           "Il codice %1 dell'Ufficio IVA che lo ha rilasciato non corrisponde "
                           "a nessun ufficio conosciuto.")
                .arg(codeText));
        EXPECT_FALSE(reply.text.contains(QStringLiteral("del Comune di")));
    }
}

TEST(VatNumber, ElevenCharactersWithALetterAreWrongNotTooShort) {
    CodeGenerator gen(15);
    const QString number = gen.vatNumber(1);
    for (qsizetype i : {0, 5, 8, 10}) {
        for (QChar stranger :
             {u'A', u'x', u' ', u'-', u'\u00E8', u'\u0663' /* Arabic-Indic three */}) {
            QString text = number;
            text[i] = stranger;
            EXPECT_EQ(vatNumberReply(text), (CheckReply{CheckReply::Kind::Warning, kWrong, true}))
                << text.toStdString();
        }
    }
}

TEST(VatNumber, LengthOtherThanElevenKeepsTheWindowOpen) {
    CodeGenerator gen(16);
    const QString number = gen.vatNumber(1);
    for (const QString& text : {QString(), number.left(10), number + u'0', QStringLiteral("1")})
        EXPECT_EQ(vatNumberReply(text), (CheckReply{CheckReply::Kind::Warning, kLength, false}))
            << text.toStdString();
    // Not trimmed: a blank makes the twelfth character.
    EXPECT_EQ(vatNumberReply(number + u' ').text, kLength);
}

}  // namespace
}  // namespace vt::checks

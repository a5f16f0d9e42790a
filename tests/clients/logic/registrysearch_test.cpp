#include "clients/logic/registrysearch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "archive/recordfile.h"

namespace vt::clisearch {
namespace {

struct Card {
    QString cliente;
    QString comune = "Milano", recapito = "02 1234567", occupazione = "Impiegato",
            prodotti = "Assicurazioni", note = "cliente storico", questioni = "preventivo",
            ricontatta = "No";
};

ClientRecord make(const Card& c) {
    ClientRecord r;
    r.setText(cli::Cliente, c.cliente);
    r.setText(cli::ComuneRes, c.comune);
    r.setText(cli::Recapito, c.recapito);
    r.setText(cli::Occupazione, c.occupazione);
    r.setText(cli::Prodotti, c.prodotti);
    r.setText(cli::Note, c.note);
    r.setText(cli::Questioni, c.questioni);
    r.setText(cli::Ricontatta, c.ricontatta);
    r.setText(cli::PartitaIva, "00743110157");
    r.setText(cli::CodFisc, "RSSMRA80A01F205X");
    r.setText(cli::Email, "m@r.it");
    return r;
}

Filters only(std::initializer_list<std::pair<cli::Field, QString>> set) {
    Filters f;
    for (const auto& [field, text] : set)
        for (std::size_t i = 0; i < kSearchFields.size(); ++i)
            if (kSearchFields[i] == field) f[i] = text;
    return f;
}

class Registry : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("Clienti.pro");
    void add(const Card& c) { ASSERT_TRUE(ClientFile(path).append(make(c))); }
    QStringList names(const SearchResult& r) {
        QStringList out;
        for (const list::ListLine& l : r.lines) out.append(l.text.left(26).trimmed());
        return out;
    }
    QStringList found(const Filters& f) {
        const SearchResult r = search(path, f);
        EXPECT_FALSE(r.failure);
        return names(r);
    }
    void TearDown() override { setIoFaultHook(nullptr); }
};

TEST(LineLayout, FitsEachColumnAndKeepsTheLastWhole) {
    Card c{"Bianchi Giovanni Battista della Rovere"};
    c.recapito = " 333 1234567 int. 12 ";
    c.note = "  una nota lunga che resta intera fino in fondo  ";
    c.questioni = "richiamare";
    const ClientRecord r = make(c);
    const QString line = clientLine(r.bytes(), LastColumn::Note);
    const QString expected = QStringLiteral("Bianchi Giovanni Battista ") + "  Tel. " +
                             "333 1234567 int" + "  " + "Impiegato" + QString(16, u' ') +
                             "  Prod. " + "Assicurazioni" + QString(17, u' ') + "  " +
                             "una nota lunga che resta intera fino in fondo";
    EXPECT_EQ(line, expected);
    EXPECT_TRUE(clientLine(r.bytes(), LastColumn::Questioni).endsWith("  richiamare"));
    // The fixed part is always as wide.
    EXPECT_EQ(clientLine(make(Card{"A"}).bytes(), LastColumn::Note).indexOf("  Tel. "), 26);
}

TEST_F(Registry, NoFilterListsEveryCardInFileOrderWithPositions) {
    add({"Rossi"});
    add({"Bianchi"});
    add({"Rossi"});
    const SearchResult r = search(path, {});
    ASSERT_EQ(r.lines.size(), 3);
    EXPECT_EQ(names(r), (QStringList{"Rossi", "Bianchi", "Rossi"}));
    EXPECT_EQ(r.lines[0].position, 1);
    EXPECT_EQ(r.lines[2].position, 3);
    EXPECT_EQ(filledCount({}), 0);
}

TEST_F(Registry, EveryFilledFilterMustOccurWithoutRegardToCase) {
    add({"Mario ROSSI", "Milano"});
    add({"Luca Rossi", "Roma"});
    add({"Bianchi", "milano"});
    EXPECT_EQ(found(only({{cli::Cliente, "ROSSI"}, {cli::ComuneRes, "milano"}})),
              QStringList{"Mario ROSSI"});
    EXPECT_EQ(found(only({{cli::ComuneRes, "MILANO"}})), (QStringList{"Mario ROSSI", "Bianchi"}));
    // Accented capitals are compared as they are.
    add({"\u00C8lite srl"});
    EXPECT_TRUE(found(only({{cli::Cliente, "\u00E8lite"}})).isEmpty());
    EXPECT_EQ(found(only({{cli::Cliente, "\u00C8LITE"}})), QStringList{"\u00C8lite srl"});
}

TEST_F(Registry, EachOfTheTenFiltersLooksInItsOwnField) {
    const std::pair<cli::Field, const char*> table[] = {
        {cli::Cliente, "zzcliente"}, {cli::ComuneRes, "zzcomune"}, {cli::PartitaIva, "99999"},
        {cli::CodFisc, "ZZCF"},      {cli::Documento, "zzdoc"},    {cli::Occupazione, "zzocc"},
        {cli::Prodotti, "zzprod"},   {cli::Zona, "zzzona"},        {cli::Questioni, "zzquest"},
        {cli::Note, "zznote"},
    };
    for (const auto& [field, text] : table) {
        QFile::remove(path);
        ClientRecord hit = make({"Trovato"});
        hit.setText(field, QStringLiteral("x ") + text + QStringLiteral(" y"));
        ASSERT_TRUE(ClientFile(path).append(hit));
        add({"Altro"});
        const SearchResult r = search(path, only({{field, text}}));
        ASSERT_EQ(r.lines.size(), 1) << text;
        EXPECT_EQ(r.lines[0].position, 1) << text;
    }
}

TEST_F(Registry, BlankOnlyTextsAreNoFilterButATrailingBlankCounts) {
    add({"Rossi", "Milano"});
    add({"Bianchi", "Roma"});
    // A stray blank in another field neither lists a card that lacks the
    // real filter nor hides one that has it.
    const Filters f = only({{cli::Cliente, "rossi"}, {cli::Note, "   "}});
    EXPECT_EQ(filledCount(f), 1);
    EXPECT_EQ(found(f), QStringList{"Rossi"});
    EXPECT_EQ(found(only({{cli::Note, " "}})), (QStringList{"Rossi", "Bianchi"}));
    // A filled text is matched as typed: "rossi " needs the blank after it.
    EXPECT_TRUE(found(only({{cli::Cliente, "rossi "}})).isEmpty());
    EXPECT_EQ(filledCount(only({{cli::Cliente, "rossi "}})), 1);
}

TEST_F(Registry, MissingOrEmptyArchiveListsNothingAndIsCreated) {
    EXPECT_TRUE(found({}).isEmpty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(recontactList(path).lines.isEmpty());
}

TEST_F(Registry, UnreadableArchiveIsAFailure) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Clienti.pro"));
    EXPECT_TRUE(search(path, {}).failure);
}

TEST_F(Registry, RecontactListTakesExactlyTheYesFlag) {
    auto card = [](const char* name, const QString& flag) {
        Card c{QString::fromLatin1(name)};
        c.ricontatta = flag;
        return c;
    };
    add(card("Si", "S\u00EC"));
    add(card("No", "No"));
    add(card("Vuoto", ""));
    add(card("Altro", "SI"));
    add(card("Ancora", "S\u00EC"));
    const SearchResult r = recontactList(path);
    EXPECT_EQ(names(r), (QStringList{"Si", "Ancora"}));
    EXPECT_TRUE(r.lines[0].text.endsWith("  preventivo"));
    EXPECT_EQ(r.lines[1].position, 5);
}

TEST_F(Registry, AFailedReadIsReportedToTheCaller) {
    Card c{"Primo"};
    c.ricontatta = "S\u00EC";
    add(c);
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Read; });
    EXPECT_TRUE(recontactList(path).failure);
    EXPECT_TRUE(search(path, {}).failure);
}

TEST_F(Registry, EqualLinesEachFindTheirOwnCard) {
    add({"Rossi"});
    add({"Rossi"});
    ClientRecord second = make({"Rossi"});
    const SearchResult r = search(path, {});
    ASSERT_EQ(r.lines.size(), 2);
    ASSERT_EQ(r.lines[0].text, r.lines[1].text);
    EXPECT_EQ(findLine(path, r.lines[0], LastColumn::Note).position, 1);
    EXPECT_EQ(findLine(path, r.lines[1], LastColumn::Note).position, 2);
}

TEST_F(Registry, AChangedFileFallsBackToTheLastEqualLine) {
    add({"Rossi"});
    add({"Bianchi"});
    add({"Rossi"});
    const list::ListLine first = search(path, {}).lines[0];
    // The card at position 1 changed behind the list.
    ASSERT_TRUE(ClientFile(path).overwrite(1, make({"Verdi"})));
    const LineMatch m = findLine(path, first, LastColumn::Note);
    ASSERT_TRUE(m.record);
    EXPECT_EQ(m.position, 3);
    // A line that no card makes any more finds nothing; nor does a position
    // past the end of a file that shrank.
    EXPECT_FALSE(findLine(path, {"Gialli", 1}, LastColumn::Note).record);
    EXPECT_EQ(findLine(path, {first.text, 9}, LastColumn::Note).position, 3);
}

TEST_F(Registry, AnUnreadableFileFindsNothing) {
    add({"Rossi"});
    const list::ListLine l = search(path, {}).lines[0];
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    EXPECT_FALSE(findLine(path, l, LastColumn::Note).record);
}

TEST(Roles, MarkersAndTheFieldsEachRoleFills) {
    struct Case {
        const char* marker;
        Role role;
        QStringList controls;
    };
    const QStringList payer{"txtPagatore", "txtRecapitoPag", "txtCodFisc", "txtPartitaIva",
                            "txtEmail"};
    const QStringList beneficiary{"txtBeneficiario", "txtRecapitoBen"};
    const Case cases[] = {
        {"clienti", Role::Clienti, {}},
        {"movimenti_pagatore", Role::MovimentiPagatore, payer},
        {"movimenti_beneficiario", Role::MovimentiBeneficiario, beneficiary},
        {"causali_pagatore", Role::CausaliPagatore, payer},
        {"causali_beneficiario", Role::CausaliBeneficiario, beneficiary},
        {"movimenti", Role::None, {}},
        {"", Role::None, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roleOf(QString::fromLatin1(c.marker)), c.role) << c.marker;
        QStringList controls;
        for (const HandOver& h : handOver(c.role)) controls.append(h.control);
        EXPECT_EQ(controls, c.controls) << c.marker;
        if (c.role != Role::None) {
            EXPECT_EQ(markerOf(c.role), QString::fromLatin1(c.marker));
        }
    }
    const QList<HandOver> p = handOver(Role::MovimentiPagatore);
    EXPECT_EQ(p[0].field, cli::Cliente);
    EXPECT_EQ(p[1].field, cli::Recapito);
    EXPECT_EQ(p[2].field, cli::CodFisc);
    EXPECT_EQ(p[3].field, cli::PartitaIva);
    EXPECT_EQ(p[4].field, cli::Email);
}

TEST(Texts, Counts) {
    EXPECT_EQ(initialCountText(), "Il presente elenco contiene 0 schede.");
    EXPECT_EQ(countText(3), "Il presente riepilogo contiene 3 schede.");
}

}  // namespace
}  // namespace vt::clisearch

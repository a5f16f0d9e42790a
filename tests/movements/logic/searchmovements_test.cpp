#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/recordfile.h"
#include "movements/logic/searchmovements.h"

namespace vt::movsearch {
namespace {

struct Movement {
    QString causale, data = "01/03/2024", dataSca = "15/03/2024", pagatore = "Mario Rossi",
                     beneficiario = "Studio Bianchi", importo = "+100,00";
    QString categoria = {}, note = {};
};

MovementRecord make(const Movement& m) {
    MovementRecord r;
    r.setFlag(mov::Entrata, m.importo.startsWith(u'+'));
    r.setFlag(mov::Uscita, !m.importo.startsWith(u'+'));
    r.setText(mov::Causale, m.causale);
    r.setText(mov::Data, m.data);
    r.setText(mov::DataSca, m.dataSca);
    r.setText(mov::Preavviso, "0");
    r.setText(mov::Pagatore, m.pagatore);
    r.setText(mov::Beneficiario, m.beneficiario);
    r.setText(mov::Importo, m.importo.mid(1));
    r.setText(mov::ImportoSegnato, m.importo);
    r.setText(mov::Categoria, m.categoria);
    r.setText(mov::Note, m.note);
    r.setFlag(mov::Saldato, false);
    return r;
}

class Search : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("2024.eur");
    void add(const Movement& m) { ASSERT_TRUE(MovementFile(path).append(make(m))); }
    QStringList causali(const Filters& f) {
        QStringList out;
        const SearchResult r = search(path, f);
        EXPECT_FALSE(r.failure);
        for (const list::ListLine& line : r.lines) out.append(line.text.left(40).trimmed());
        return out;
    }
    void TearDown() override { setIoFaultHook(nullptr); }
};

Filters only(std::initializer_list<std::pair<mov::Field, QString>> set) {
    Filters f;
    for (const auto& [field, text] : set)
        for (std::size_t i = 0; i < kSearchFields.size(); ++i)
            if (kSearchFields[i] == field) f[i] = text;
    return f;
}

TEST(LineLayout, PadsCutsAndKeepsTheSignedAmountWhole) {
    Movement m{"Affitto ufficio di via Roma numero civico quarantadue"};
    m.pagatore = "Mario";
    m.beneficiario = QString(35, u'B');
    m.importo = "-1234,50";
    const QString line = movementLine(make(m).bytes());
    EXPECT_EQ(line, QString("Affitto ufficio di via Roma numero civic") + "  Scad. " + "15/03/2024" + "  Da: " +
                        "Mario" + QString(25, u' ') + "  A: " + QString(30, u'B') + "  Importo: " + "-1234,50");
    EXPECT_EQ(line.size(), 40 + 8 + 10 + 6 + 30 + 5 + 30 + 11 + 8);
}

TEST(FilledCount, TrimmedTextDecides) {
    EXPECT_EQ(filledCount(only({})), 0);
    EXPECT_EQ(filledCount(only({{mov::Causale, "  "}, {mov::Note, " x"}, {mov::Data, "/03/"}})), 2);
}

TEST_F(Search, NoFilterListsEveryMovement) {
    for (const char* c : {"Bolletta", "Affitto", "Canone"}) add({c});
    const SearchResult r = search(path, Filters{});
    EXPECT_EQ(r.filled, 0);
    EXPECT_EQ(r.lines.size(), 3);
    EXPECT_EQ(countText(r.lines.size()), QStringLiteral("Il presente riepilogo contiene 3 schede."));
}

TEST_F(Search, EveryFilledFieldMustOccur) {
    add({"Affitto ufficio", "01/03/2024", "15/03/2024", "Mario Rossi"});
    add({"Affitto garage", "01/03/2024", "15/03/2024", "Luigi Verdi"});
    add({"Bolletta", "01/03/2024", "15/03/2024", "ROSSI srl"});
    add({"AFFITTO box", "02/04/2024", "15/04/2024", "rossi e figli"});
    EXPECT_EQ(causali(only({{mov::Causale, "affitto"}, {mov::Pagatore, "Rossi"}})),
              (QStringList{"Affitto ufficio", "AFFITTO box"}));
    EXPECT_EQ(causali(only({{mov::Data, "/03/"}})), (QStringList{"Affitto ufficio", "Affitto garage", "Bolletta"}));
    EXPECT_EQ(causali(only({{mov::Data, "2024"}})).size(), 4);
}

TEST_F(Search, BlanksTypedAroundTheTextMustOccurToo) {
    add({"Affitto", "01/03/2024", "15/03/2024", "Mario Rossi"});
    add({"Bolletta", "01/03/2024", "15/03/2024", "Rossi"});
    EXPECT_EQ(causali(only({{mov::Pagatore, " rossi"}})), QStringList{"Affitto"});
    EXPECT_EQ(causali(only({{mov::Pagatore, "rossi "}})), QStringList{});
}

TEST_F(Search, AccentedCapitalsAreNotFolded) {
    Movement m{"Spesa"};
    m.note = "\u00E8 pagato";
    add(m);
    EXPECT_TRUE(causali(only({{mov::Note, "\u00C8"}})).isEmpty());
    EXPECT_EQ(causali(only({{mov::Note, "\u00E8 PAGATO"}})), QStringList{"Spesa"});
}

TEST_F(Search, AFieldOfBlanksIsNoFilter) {
    // A stray blank in one field must not let a record through that lacks
    // the real filter, nor keep out one that has it.
    Movement a{"Canone luce"};
    a.categoria = "Utenze casa";
    add(a);
    Movement b{"Affitto ufficio"};
    b.categoria = "Sede centrale";
    add(b);
    add({"Bolletta luce"});
    const Filters f = only({{mov::Causale, "luce"}, {mov::Categoria, " "}});
    EXPECT_EQ(filledCount(f), 1);
    EXPECT_EQ(causali(f), (QStringList{"Canone luce", "Bolletta luce"}));
    EXPECT_EQ(matchCount(make(b).bytes(), f), 0);
    EXPECT_EQ(causali(only({{mov::Categoria, "   "}, {mov::Note, "\t"}})).size(), 3);
}

TEST_F(Search, EmptyYearListsNothingAndCreatesTheFile) {
    const SearchResult r = search(path, Filters{});
    EXPECT_TRUE(r.lines.isEmpty());
    EXPECT_FALSE(r.failure);
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(Search, AccessFailureKeepsTheLinesReadBeforeIt) {
    add({"Uno"});
    add({"Due"});
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Close; });
    const SearchResult r = search(path, Filters{});
    EXPECT_TRUE(r.failure);
    EXPECT_EQ(r.lines.size(), 2);
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    EXPECT_TRUE(search(path, Filters{}).failure);
}

TEST_F(Search, EachLineKeepsItsRecordsPosition) {
    add({"Affitto", "01/03/2024"});
    add({"Bolletta"});
    add({"Affitto", "09/09/2024"});  // same line: the operation date is not in it
    const SearchResult r = search(path, Filters{});
    ASSERT_EQ(r.lines.size(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.lines[i].position, i + 1);
    EXPECT_EQ(r.lines[0].text, r.lines[2].text);
    const LineMatch first = findLine(path, r.lines[0]);
    ASSERT_TRUE(first.record);
    EXPECT_EQ(first.position, 1);
    EXPECT_EQ(first.record->text(mov::Data), "01/03/2024");
    const LineMatch third = findLine(path, r.lines[2]);
    EXPECT_EQ(third.position, 3);
}

TEST_F(Search, FindLineWithoutAValidPositionTakesTheLastEqualRecord) {
    add({"Affitto", "01/03/2024"});
    add({"Bolletta"});
    add({"Affitto", "09/09/2024"});
    const QString line = movementLine(make({"Affitto"}).bytes());
    for (qint64 position : {0, 2, 99}) {  // none, another line's record, past the end
        const LineMatch m = findLine(path, {"  " + line + "  ", position});
        ASSERT_TRUE(m.record) << position;
        EXPECT_EQ(m.position, 3);
        EXPECT_EQ(m.record->text(mov::Data), "09/09/2024");
    }
    EXPECT_FALSE(findLine(path, {"nessuna", 1}).record);
}

TEST_F(Search, FindLineReportsAFailure) {
    add({"Affitto"});
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    const LineMatch m = findLine(path, {movementLine(make({"Affitto"}).bytes()), 1});
    EXPECT_TRUE(m.failed);
    EXPECT_FALSE(m.record);
}

}  // namespace
}  // namespace vt::movsearch

#include "output/logic/listlogic.h"

#include <gtest/gtest.h>

namespace vt::list {
namespace {

TEST(ListOrder, IgnoresTheCaseOfAToZOnly) {
    QStringList lines{"bolletta",   "Canone", "affitto", "Affitto B",
                      "\u00C8lite", "zeta",   "_x",      "Zattera"};
    sortLines(lines);
    // '_' (95) sorts before the small letters, È (200) after them.
    EXPECT_EQ(lines, (QStringList{"_x", "affitto", "Affitto B", "bolletta", "Canone", "Zattera",
                                  "zeta", "\u00C8lite"}));
    EXPECT_TRUE(lessAZ("ABC", "abd"));
    EXPECT_FALSE(lessAZ("abc", "ABC"));
    EXPECT_FALSE(lessAZ("ABC", "abc"));
}

TEST(ListOrder, EqualLinesKeepTheirOrder) {
    QStringList lines{"Rossi 2", "ROSSI 1", "rossi 1"};
    sortLines(lines);
    EXPECT_EQ(lines, (QStringList{"ROSSI 1", "rossi 1", "Rossi 2"}));
}

TEST(FixedWidth, PadsOrCutsAloneOrAppended) {
    const struct {
        const char* text;
        int width;
        const char* fitted;
    } cases[] = {{"abc", 5, "abc  "}, {"abcdef", 4, "abcd"}, {"", 2, "  "}, {"ab", 2, "ab"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fixedWidth(c.text, c.width), c.fitted) << c.text;
        QString line = "> ";
        appendFixed(line, QString::fromLatin1(c.text), c.width);
        EXPECT_EQ(line, QStringLiteral("> ") + c.fitted) << c.text;
    }
}

const QStringList kLines{"Affitto ufficio", "Bolletta luce", "Canone affitto"};

TEST(Find, EmptyListGivesTheNotice) {
    QString last;
    EXPECT_TRUE(findNext({}, -1, "x", last).emptyList);
    EXPECT_EQ(emptyListNotice(),
              QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

struct Press {
    QString key;
    int selectedBefore;
    int expected;  // the line selected afterwards (-1: unchanged)
};

// One sequence of presses on the same list, sharing the last key.
void run(const QList<Press>& presses, QString last = {}) {
    for (const Press& p : presses) {
        SCOPED_TRACE(p.key.toStdString());
        const FindOutcome outcome = findNext(kLines, p.selectedBefore, p.key, last);
        EXPECT_FALSE(outcome.emptyList);
        EXPECT_EQ(outcome.select, p.expected);
    }
}

TEST(Find, SameKeyCyclesThroughTheMatchesAndWraps) {
    run({{"affitto", 0, 0}, {"affitto", 0, 2}, {"affitto", 2, 0}});
}

TEST(Find, ANewKeyRestartsFromTheFirstLine) {
    run({{"affitto", 0, 0}, {"affitto", 0, 2}, {"luce", 2, 1}, {"AFFITTO", 1, 0}});
}

TEST(Find, NoSelectionSelectsTheFirstLine) {
    run({{"luce", -1, 1}});
    run({{"nulla", -1, 0}});  // nothing found: the first line stays selected
}

TEST(Find, CaseOfAToZOnly) {
    const QStringList lines{"citt\u00E0 \u00E8 bella", "CASA"};
    QString last;
    EXPECT_EQ(findNext(lines, 0, "casa", last).select, 1);
    EXPECT_EQ(findNext(lines, 1, "\u00C8", last).select, -1);  // È does not find è
    EXPECT_EQ(findNext(lines, 1, "\u00E8", last).select, 0);
}

TEST(Find, AllLettersLowerCasesAccentedCapitalsToo) {
    const QStringList lines{"citt\u00E0 \u00E8 bella", "CASA"};
    QString last;
    EXPECT_EQ(findNext(lines, 0, "casa", last, FindCase::AllLetters).select, 1);
    EXPECT_EQ(findNext(lines, 1, "\u00C8", last, FindCase::AllLetters).select, 0);
    EXPECT_EQ(findNext(lines, 0, "CITT\u00C0", last, FindCase::AllLetters).select, 0);
}

TEST(Find, EmptyKeyNeverMatchesAndKeyIsNotTrimmed) {
    QString last = "x";
    EXPECT_EQ(findNext(kLines, 1, "", last).select, -1);
    EXPECT_EQ(last, "");
    EXPECT_EQ(findNext(kLines, 1, " luce", last).select, 1);
    EXPECT_EQ(findNext(kLines, 1, "luce ", last).select, -1);
}

TEST(Find, OnlyMatchStaysSelected) {
    run({{"bolletta", 0, 1}, {"bolletta", 1, 1}});
}

TEST(Find, SameKeyAsLastTimeStartsAfterTheSelectedLine) {
    // The balance sheet keeps its last key across windows: a first press
    // with the same key skips a match on the selected first line.
    run({{"affitto", 0, 2}}, "affitto");
}

TEST(PrintedList, HeightsFollowTheLineCount) {
    EXPECT_DOUBLE_EQ(printedMemoUnits(100), 1282.2);
    EXPECT_DOUBLE_EQ(printedBandUnits(100), 1292.2);
    EXPECT_DOUBLE_EQ(printedMemoUnits(0), 0);
}

}  // namespace
}  // namespace vt::list

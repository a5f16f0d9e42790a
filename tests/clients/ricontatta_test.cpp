#include "clients/Ricontatta.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "archive/recordfile.h"
#include "support/uifakes.h"

namespace vt {
namespace {

ClientRecord card(const QString& name, const QString& flag,
                  const QString& questioni = "richiamare") {
    ClientRecord r;
    r.setText(cli::Cliente, name);
    r.setText(cli::Recapito, "333 1");
    r.setText(cli::Note, "nota");
    r.setText(cli::Questioni, questioni);
    r.setText(cli::Ricontatta, flag);
    return r;
}

template <typename T>
T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QStringList lines(QWidget& d) {
    QStringList out;
    auto* list = child<QListWidget>(d, "lstRecords");
    for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
    return out;
}

class Recontact : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    void add(const ClientRecord& r) { ASSERT_TRUE(ClientFile(clientiFilePath()).append(r)); }
    void TearDown() override { setIoFaultHook(nullptr); }
    void open(const std::function<void(QDialog&)>& drive) {
        desktop.dialogs().drive(drive);
        openDialog<TfrmRicontatta>(nullptr);
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
    }
};

TEST_F(Recontact, ListsOnlyTheCardsMarkedYesWithTheirPendingQuestions) {
    add(card("Verdi", "S\u00EC", "preventivo"));
    add(card("Rossi", "No"));
    add(card("Neri", ""));
    add(card("Gialli", "si"));
    add(card("bianchi", "S\u00EC", "sollecito"));
    open([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Riepilogo persone da ricontattare");
        const QStringList l = lines(d);
        ASSERT_EQ(l.size(), 2);
        EXPECT_TRUE(l[0].startsWith("bianchi "));
        EXPECT_TRUE(l[0].endsWith("  sollecito"));
        EXPECT_FALSE(l[0].contains("nota"));
        EXPECT_TRUE(l[1].startsWith("Verdi "));
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->currentRow(), 0);
        EXPECT_TRUE(child<QLineEdit>(d, "txtTrova")->hasFocus());
        child<QPushButton>(d, "btnChiudi")->click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->count(), 0);
    });
}

TEST_F(Recontact, TheListIsNotRefreshedWhileOpen) {
    add(card("Verdi", "S\u00EC"));
    open([this](QDialog& d) {
        ASSERT_TRUE(ClientFile(clientiFilePath()).overwrite(1, card("Verdi", "No")));
        add(card("Rossi", "S\u00EC"));
        QTest::keyClicks(child<QLineEdit>(d, "txtTrova"), "rossi");
        child<QPushButton>(d, "btnTrova")->click();
        EXPECT_EQ(lines(d).size(), 1);
        EXPECT_TRUE(lines(d)[0].startsWith("Verdi "));
        child<QPushButton>(d, "btnChiudi")->click();
    });
    // Opened again, it shows the archive as it is now.
    open([](QDialog& d) {
        ASSERT_EQ(lines(d).size(), 1);
        EXPECT_TRUE(lines(d)[0].startsWith("Rossi "));
        child<QPushButton>(d, "btnChiudi")->click();
    });
}

TEST_F(Recontact, AnEmptyArchiveOpensAnEmptyListWithoutAMessageAnUnreadableOneSaysSo) {
    open([](QDialog& d) {
        EXPECT_TRUE(lines(d).isEmpty());
        child<QPushButton>(d, "btnChiudi")->click();
    });
    EXPECT_TRUE(QFile::exists(clientiFilePath()));
    EXPECT_TRUE(desktop.messages().shown.empty());
    add(card("Verdi", "S\u00EC"));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
    open([](QDialog& d) {
        EXPECT_TRUE(lines(d).isEmpty());
        child<QPushButton>(d, "btnChiudi")->click();
    });
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages().last().text, accessFailureMessage());
}

TEST_F(Recontact, FindsAndPrintsTheList) {
    add(card("Verdi", "S\u00EC"));
    add(card("Rossi", "S\u00EC"));
    open([this](QDialog& d) {
        QTest::keyClicks(child<QLineEdit>(d, "txtTrova"), "VERDI");
        child<QPushButton>(d, "btnTrova")->click();
        EXPECT_EQ(child<QListWidget>(d, "lstRecords")->currentRow(), 1);
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_EQ(desktop.printers().printed.size(), 1);
        child<QPushButton>(d, "btnChiudi")->click();
    });
    EXPECT_EQ(TfrmRicontatta::printTitle(), "Riepilogo persone da ricontattare");
}

}  // namespace
}  // namespace vt

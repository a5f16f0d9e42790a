#include "clients/Clienti.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/conventions.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "clients/SchedaCliente.h"
#include "clients/logic/card.h"
#include "report/Report.h"
#include "support/uifakes.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt {
namespace {

using test::ShownMessage;

const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di "
    "scrittura nella cartella di installazione del programma.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kNoName = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del pagatore o "
    "beneficiario.");

// The 29 fields in the order Enter moves through them.
const char* const kChain[] = {
    "txtCliente",  "txtDataNasc",     "txtComuneNasc",  "txtProvNasc",   "txtSesso",
    "txtRecapito", "txtIndirizzoRes", "txtProvRes",     "txtComuneRes",  "txtCapRes",
    "txtEstremi",  "txtTelCasa",      "txtTelUff",      "txtTelCel",     "txtFax",
    "txtEmail",    "txtCodFisc",      "txtCarta",       "txtScadeCarta", "txtPartitaIva",
    "txtIban",     "txtDocumento",    "txtOccupazione", "txtCivile",     "txtTitoli",
    "txtProdotti", "txtZona",         "txtQuestioni",   "txtNote",
};
const char* const kHidden[] = {"lblFile01", "lblFile02", "lblFile03",
                               "lblDesc01", "lblDesc02", "lblDesc03"};

class Registry : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio menu;
    TfrmClienti card;
    QString path = desktop.file(QStringLiteral("Clienti.pro"));

    void SetUp() override {
        screens::clear();
        screens::add(&menu);
        screens::add(&card);
        card.show();
        card.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&card));
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }

    QLineEdit* line(const char* name) { return find<QLineEdit>(name); }
    QComboBox* combo(const char* name) { return find<QComboBox>(name); }
    QLabel* label(const char* name) { return find<QLabel>(name); }
    QAbstractButton* button(const char* name) { return find<QAbstractButton>(name); }
    template <typename T>
    T* find(const char* name) {
        auto* w = card.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString focused() const {
        QWidget* w = card.focusWidget();
        return w ? w->objectName() : QString();
    }
    // The text a field of either kind shows.
    QString text(const char* name) {
        if (auto* c = card.findChild<QComboBox*>(QLatin1String(name))) return c->currentText();
        return line(name)->text();
    }
    void type(const char* name, const QString& keys) {
        QWidget* w = card.findChild<QWidget*>(QLatin1String(name));
        w->setFocus();
        QTest::keyClicks(w, keys);
    }
    std::vector<ShownMessage>& shown() { return desktop.messages().shown; }
    QString lastText() { return shown().empty() ? QString() : shown().back().text; }

    // Stores records named "Cliente <i>" straight into the file.
    void storeRecords(int n, const QString& ricontatta = QString()) {
        ClientFile file(path);
        for (int i = 1; i <= n; ++i) {
            ClientRecord r;
            r.setText(cli::Cliente, QStringLiteral("Cliente %1").arg(i));
            r.setText(cli::Zona, QStringLiteral("Zona %1").arg(i));
            r.setFlag(cli::Ricontatta, i % 2 == 1);
            if (!ricontatta.isNull()) r.setText(cli::Ricontatta, ricontatta);
            r.setText(cli::File01, QStringLiteral("doc%1.pdf").arg(i));
            ASSERT_TRUE(file.append(r).ok());
        }
    }
    QByteArray fileBytes() {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
};

TEST_F(Registry, ShowingClearsTheCardWithTheFocusOnTheName) {
    EXPECT_EQ(card.windowTitle(), QStringLiteral(" Vantresa 4.0 - Pagatori e Beneficiari"));
    card.setCardTexts([] {
        clients::CardTexts c;
        c.cliente = c.note = c.provRes = QStringLiteral("XX");
        c.file02 = QStringLiteral("x.pdf");
        c.posizione = QStringLiteral("3");
        c.ricontatta = true;
        return c;
    }());
    combo("txtProvNasc")->setCurrentIndex(4);
    card.hide();
    card.show();
    for (const char* name : kChain) EXPECT_EQ(text(name), QString()) << name;
    for (const char* name : kHidden) EXPECT_EQ(label(name)->text(), QString()) << name;
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_FALSE(find<QCheckBox>("chkRicontatta")->isChecked());
    for (const char* name : {"txtProvNasc", "txtProvRes"})
        EXPECT_EQ(combo(name)->currentIndex(), -1) << name;
    EXPECT_EQ(focused(), QStringLiteral("txtCliente"));
    for (const char* name : kHidden) EXPECT_FALSE(label(name)->isVisible()) << name;
}

TEST_F(Registry, FieldsTakeTheirRecordsCapacityAndProvincesOfferTheCodes) {
    const int limits[] = {50, 30, 50, -1, 1,  50, 50,  -1, 50, 5,   250, 30, 30,  30, 30,
                          50, 16, 30, 30, 11, 27, 120, 50, 50, 120, 120, 50, 250, 250};
    for (std::size_t i = 0; i < std::size(kChain); ++i) {
        if (limits[i] < 0) continue;
        EXPECT_EQ(typingLimit(line(kChain[i])), limits[i]) << kChain[i];
    }
    // The limits bind the keys, not what the program puts in.
    line("txtSesso")->setText(QStringLiteral("MF"));
    EXPECT_EQ(text("txtSesso"), QStringLiteral("MF"));
    type("txtSesso", QStringLiteral("x"));
    EXPECT_EQ(text("txtSesso"), QStringLiteral("MF"));
    for (const char* name : {"txtProvNasc", "txtProvRes"}) {
        QComboBox* c = combo(name);
        EXPECT_TRUE(c->isEditable());
        ASSERT_EQ(c->count(), 112);
        EXPECT_EQ(c->itemText(0), QStringLiteral("AG"));
        EXPECT_EQ(c->itemText(111), QStringLiteral("VV"));
        EXPECT_GE(c->lineEdit()->maxLength(), 100) << name;
    }
}

TEST_F(Registry, EnterMovesAlongTheChainAndFromNotesBackToTheName) {
    for (std::size_t i = 0; i < std::size(kChain); ++i) {
        QWidget* w = card.findChild<QWidget*>(QLatin1String(kChain[i]));
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_EQ(focused(), QLatin1String(kChain[(i + 1) % std::size(kChain)])) << kChain[i];
    }
    // The highlight follows the focus, provinces included.
    EXPECT_TRUE(find<QWidget>("effCliente")->isVisible());
    combo("txtProvRes")->setFocus();
    EXPECT_TRUE(find<QWidget>("effProvRes")->isVisible());
    EXPECT_FALSE(find<QWidget>("effCliente")->isVisible());
}

TEST_F(Registry, TypingRulesShapeTheFieldsAsTheyChange) {
    type("txtSesso", QStringLiteral("f"));
    EXPECT_EQ(text("txtSesso"), QStringLiteral("F"));
    type("txtCodFisc", QStringLiteral(" rssmra"));
    QTest::keyClick(line("txtCodFisc"), Qt::Key_Left);
    QTest::keyClick(line("txtCodFisc"), Qt::Key_Left);
    QTest::keyClicks(line("txtCodFisc"), QStringLiteral(" "));
    QTest::keyClick(line("txtCodFisc"), Qt::Key_End);
    QTest::keyClicks(line("txtCodFisc"), QStringLiteral(" "));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSSM RA"));  // only the ends are trimmed
    type("txtIban", QStringLiteral(" it60x "));
    EXPECT_EQ(text("txtIban"), QStringLiteral("IT60X"));
    type("txtEmail", QStringLiteral(" mario@example.it "));
    EXPECT_EQ(text("txtEmail"), QStringLiteral("mario@example.it"));
    type("txtCapRes", QStringLiteral("ab1"));
    EXPECT_EQ(text("txtCapRes"), QStringLiteral("AB1"));
    type("txtProvRes", QStringLiteral(" rmx"));
    EXPECT_EQ(text("txtProvRes"), QStringLiteral("RMX"));
    // Picked from the list.
    combo("txtProvNasc")->setCurrentIndex(combo("txtProvNasc")->findText(QStringLiteral("MI")));
    EXPECT_EQ(text("txtProvNasc"), QStringLiteral("MI"));
    // Entering a province field again keeps its text but shows no pick.
    line("txtCliente")->setFocus();
    combo("txtProvNasc")->setFocus();
    EXPECT_EQ(combo("txtProvNasc")->currentIndex(), -1);
    EXPECT_EQ(text("txtProvNasc"), QStringLiteral("MI"));
    // Free-text fields keep what was typed.
    type("txtDataNasc", QStringLiteral(" 1 gennaio 1980 "));
    EXPECT_EQ(text("txtDataNasc"), QStringLiteral(" 1 gennaio 1980 "));

    line("txtCliente")->setText(QStringLiteral("Rossi"));
    button("cmdSalva")->click();
    const QByteArray bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3372);
    EXPECT_EQ(bytes.mid(240, 3), QByteArray("\x02RM"));
    EXPECT_EQ(bytes.mid(133, 3), QByteArray("\x02MI"));
    EXPECT_EQ(bytes.mid(136, 2), QByteArray("\x01"
                                            "F"));
    EXPECT_EQ(bytes.mid(294, 4), QByteArray("\x03"
                                            "AB1"));
}

// Only a to z become capitals in a fiscal code: a sharp s stays one letter,
// so the code keeps the length the check measures.
TEST_F(Registry, AFiscalCodeTurnsOnlyAToZToCapitals) {
    type("txtCodFisc", QStringLiteral("rss"));
    for (const auto& [key, text] : {std::pair{Qt::Key_ssharp, QStringLiteral("\u00DF")},
                                    std::pair{Qt::Key_Egrave, QStringLiteral("\u00E8")}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(line("txtCodFisc"), &press);
    }
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSS\u00DF\u00E8"));
    line("txtCodFisc")->setText(QStringLiteral(" stra\u00DFe "));
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("STRA\u00DFE"));
}

// A province takes exactly what is typed: no code of the list completes it.
TEST_F(Registry, AProvinceTakesExactlyWhatIsTyped) {
    for (const char* name : {"txtProvNasc", "txtProvRes"}) {
        combo(name)->setFocus();
        QTest::keyClicks(combo(name), QStringLiteral("t"));
        EXPECT_EQ(text(name), QStringLiteral("T")) << name;
        QTest::keyClick(combo(name), Qt::Key_Return);
        EXPECT_EQ(text(name), QStringLiteral("T")) << name;
    }
    line("txtCliente")->setText(QStringLiteral("Rossi"));
    button("cmdSalva")->click();
    const ClientRecord r(fileBytes());
    EXPECT_EQ(r.text(cli::ProvNasc), QStringLiteral("T"));
    EXPECT_EQ(r.text(cli::ProvRes), QStringLiteral("T"));
}

TEST_F(Registry, DigitFieldsSwallowTypedKeysButNotPastedText) {
    for (const char* name : {"txtCarta", "txtPartitaIva"}) {
        type(name, QStringLiteral("12 a-b3"));
        EXPECT_EQ(text(name), QStringLiteral("123")) << name;
        QTest::keyClick(line(name), Qt::Key_Backspace);
        EXPECT_EQ(text(name), QStringLiteral("12")) << name;
        QApplication::clipboard()->setText(QStringLiteral("ab 9"));
        QTest::keyClick(line(name), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(name), QStringLiteral("12ab 9")) << name;
        line(name)->clear();
    }
    // Pasted letters elsewhere follow each field's own rule.
    QApplication::clipboard()->setText(QStringLiteral(" na "));
    for (const char* name : {"txtProvRes", "txtCapRes", "txtTelCasa"}) {
        card.findChild<QWidget*>(QLatin1String(name))->setFocus();
        QTest::keyClick(card.findChild<QWidget*>(QLatin1String(name)), Qt::Key_V,
                        Qt::ControlModifier);
    }
    EXPECT_EQ(text("txtProvRes"), QStringLiteral("NA"));
    EXPECT_EQ(text("txtCapRes"), QStringLiteral(" NA "));
    EXPECT_EQ(text("txtTelCasa"), QStringLiteral(" na "));
}

TEST_F(Registry, ABlankNameIsRefusedAndNothingIsWritten) {
    line("txtCliente")->setText(QStringLiteral("   "));
    line("txtNote")->setText(QStringLiteral("nota"));
    line("txtNote")->setFocus();
    button("cmdSalva")->click();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(lastText(), kNoName);
    EXPECT_EQ(focused(), QStringLiteral("txtCliente"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(label("lblPosizione")->text(), QString());
}

TEST_F(Registry, SavingANewCardAppendsThenOverwritesIt) {
    storeRecords(2);
    const QByteArray before = fileBytes();
    line("txtCliente")->setText(QStringLiteral("  Citt\u00E0 Societ\u00E0 srl "));
    line("txtNote")->setText(QStringLiteral("prima \u4E2D"));
    find<QCheckBox>("chkRicontatta")->setChecked(true);
    button("cmdSalva")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Information);
    EXPECT_EQ(lastText(), kInserted);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    QByteArray bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3 * 3372);
    EXPECT_EQ(bytes.left(2 * 3372), before);
    const QByteArray third = bytes.mid(2 * 3372);
    EXPECT_EQ(third.mid(0, 18), QByteArray("\x11"
                                           "Citt\xE0 Societ\xE0 srl"));
    EXPECT_EQ(third.mid(1612, 8), QByteArray("\x07prima ?"));
    EXPECT_EQ(third.mid(1863, 3), QByteArray("\x02S\xEC"));

    line("txtNote")->setText(QStringLiteral("seconda"));
    find<QCheckBox>("chkRicontatta")->setChecked(false);
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kUpdated);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3 * 3372);
    EXPECT_EQ(bytes.left(2 * 3372), before);
    EXPECT_EQ(bytes.mid(2 * 3372 + 1612, 8), QByteArray("\x07seconda"));
    EXPECT_EQ(bytes.mid(2 * 3372 + 1863, 3), QByteArray("\x02No"));
}

TEST_F(Registry, SavingIntoAMissingFileCreatesItAtPositionOne) {
    line("txtCliente")->setText(QStringLiteral("Rossi"));
    button("cmdSalva")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    EXPECT_EQ(fileBytes().size(), 3372);
}

TEST_F(Registry, EmptyArchiveNavigationSaysSoAndCreatesTheFile) {
    for (const char* name : {"cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
        shown().clear();
        button(name)->click();
        ASSERT_EQ(shown().size(), 1u) << name;
        EXPECT_EQ(shown().back().kind, MessageKind::Information) << name;
        EXPECT_EQ(lastText(), kEmpty) << name;
        EXPECT_EQ(label("lblPosizione")->text(), QString()) << name;
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST_F(Registry, NavigationStepsThroughTheFileAndStopsSilentlyAtTheEnds) {
    storeRecords(3);
    // A partial record at the end is never shown.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(100, 'x'));
    }
    button("cmdAvanti")->click();  // from a new card: record 1
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Cliente 1"));
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    EXPECT_EQ(label("lblFile01")->text(), QStringLiteral("doc1.pdf"));
    EXPECT_TRUE(find<QCheckBox>("chkRicontatta")->isChecked());
    button("cmdIndietro")->click();  // on record 1: nothing
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdUltimo")->click();
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Cliente 3"));
    button("cmdAvanti")->click();  // on the last: nothing
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    button("cmdIndietro")->click();
    EXPECT_EQ(text("txtZona"), QStringLiteral("Zona 2"));
    EXPECT_FALSE(find<QCheckBox>("chkRicontatta")->isChecked());
    button("cmdPrimo")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdNuovo")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    button("cmdIndietro")->click();  // from a new card: record 1
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Registry, LoadingAnUnreadableRicontattaKeepsTheBox) {
    storeRecords(2, QStringLiteral("si"));
    for (bool before : {true, false}) {
        find<QCheckBox>("chkRicontatta")->setChecked(before);
        button("cmdPrimo")->click();
        EXPECT_EQ(find<QCheckBox>("chkRicontatta")->isChecked(), before);
        EXPECT_EQ(text("txtCliente"), QStringLiteral("Cliente 1"));
    }
}

TEST_F(Registry, DuplicateNeedsAStoredCardThenKeepsAllButAttachments) {
    line("txtCliente")->setText(QStringLiteral("Rossi"));
    button("cmdDuplica")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(
        lastText(),
        QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo "
                       "che questa \u00E8 stata inserita in archivio."));
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Rossi"));

    storeRecords(2);
    button("cmdUltimo")->click();
    line("txtNote")->setFocus();
    label("lblDesc01")->setText(QStringLiteral("contratto"));
    const clients::CardTexts before = card.cardTexts();
    button("cmdDuplica")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Information);
    EXPECT_EQ(lastText(),
              QStringLiteral(
                  "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                  "Al termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(focused(), QStringLiteral("txtCliente"));
    clients::CardTexts expected = before;
    expected.file01 = expected.desc01 = expected.posizione = QString();
    EXPECT_EQ(card.cardTexts(), expected);
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kInserted);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    EXPECT_EQ(fileBytes().size(), 3 * 3372);
}

TEST_F(Registry, UnreachableArchiveIsReportedAndTheCardKeepsItsContents) {
    ASSERT_TRUE(QDir().mkpath(path));
    line("txtCliente")->setText(QStringLiteral("Rossi"));
    label("lblPosizione")->setText(QStringLiteral("2"));
    for (const char* name :
         {"cmdSalva", "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro", "cmdDuplica"}) {
        shown().clear();
        button(name)->click();
        ASSERT_EQ(shown().size(), 1u) << name;
        EXPECT_EQ(shown().back().kind, MessageKind::Error) << name;
        EXPECT_EQ(lastText(), kAccess) << name;
        EXPECT_EQ(text("txtCliente"), QStringLiteral("Rossi")) << name;
    }
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(Registry, ReadOnlyArchiveChangesNothing) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    storeRecords(1);
    const QByteArray before = fileBytes();
    QFile(path).setPermissions(QFileDevice::ReadOwner);
    line("txtCliente")->setText(QStringLiteral("Rossi"));
    label("lblPosizione")->setText(QStringLiteral("1"));
    for (const char* name : {"cmdSalva", "cmdUltimo", "cmdDuplica"}) {
        shown().clear();
        button(name)->click();
        EXPECT_EQ(lastText(), kAccess) << name;
        EXPECT_EQ(text("txtCliente"), QStringLiteral("Rossi")) << name;
    }
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(Registry, FailingDiskChangesNeitherFileNorCard) {
    storeRecords(1);
    const QByteArray before = fileBytes();
    line("txtCliente")->setText(QStringLiteral("Rossi"));
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Write; });
    button("cmdSalva")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Error);
    EXPECT_EQ(lastText(), kAccess);
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    setIoFaultHook(nullptr);
    EXPECT_EQ(fileBytes(), before);

    button("cmdPrimo")->click();
    line("txtNote")->setText(QStringLiteral("mia"));
    for (IoStep failing : {IoStep::Read, IoStep::Open, IoStep::Stat}) {
        setIoFaultHook([failing](IoStep step, const QString&) { return step == failing; });
        shown().clear();
        button("cmdUltimo")->click();
        setIoFaultHook(nullptr);
        EXPECT_EQ(lastText(), kAccess);
        EXPECT_EQ(text("txtNote"), QStringLiteral("mia"));
        EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    }
}

TEST_F(Registry, CheckButtonsOpenTheirCheckWithTheWholeTrimmedField) {
    const struct {
        const char* button;
        const char* field;
        QString text;
        const char* window;
        const char* windowField;
    } cases[] = {
        {"btnCodFisc", "txtCodFisc", QStringLiteral("RSSMRA80A01H501U"), "TfrmCodFisc",
         "txtCodFisc"},
        {"btnCodFisc", "txtCodFisc", QStringLiteral("12345678901"), "TfrmPartitaIva",
         "txtPartitaIva"},
        {"btnCodFisc", "txtCodFisc", QString(), "TfrmCodFisc", "txtCodFisc"},
        {"btnPartitaIva", "txtPartitaIva", QStringLiteral("01234567890"), "TfrmPartitaIva",
         "txtPartitaIva"},
        {"btnCarta", "txtCarta", QStringLiteral("4111111111111111"), "TfrmCarta", "txtNumero"},
        // Pasted text longer than the check's own field is handed over whole.
        {"btnCarta", "txtCarta", QStringLiteral(" 4111 1111 1111 1111 0000 0000 99 "), "TfrmCarta",
         "txtNumero"},
        {"btnIban", "txtIban", QStringLiteral("IT60X0542811101000000123456"), "TfrmIban",
         "txtIban"},
    };
    for (const auto& k : cases) {
        line(k.field)->setText(k.text);
        const QString expected = line(k.field)->text().trimmed();
        QString seen;
        QString window;
        desktop.dialogs().scripts.push_back([&](QDialog& d) {
            window = QString::fromLatin1(d.metaObject()->className());
            if (auto* f = d.findChild<QLineEdit*>(QLatin1String(k.windowField))) seen = f->text();
            return int(QDialog::Rejected);
        });
        button(k.button)->click();
        EXPECT_EQ(window, QString::fromLatin1(k.window)) << k.button << k.text.toStdString();
        EXPECT_EQ(seen, expected) << k.button;
    }
    EXPECT_TRUE(shown().empty());
}

TEST_F(Registry, EmailButtonOpensAMessageEvenWithoutAnAddress) {
    button("btnEmail")->click();
    line("txtEmail")->setText(QStringLiteral("mario@example.it"));
    button("btnEmail")->click();
    EXPECT_EQ(desktop.shell().opened, (QStringList{QStringLiteral("\"mailto:\""),
                                                   QStringLiteral("\"mailto:mario@example.it\"")}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(Registry, AttachmentsGoThroughTheWindowAndASaveStoresThem) {
    storeRecords(1);
    button("cmdPrimo")->click();
    label("lblDesc01")->setText(QStringLiteral(" fattura "));
    QString memory, file01, desc01;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        memory = d.findChild<QLabel*>(QStringLiteral("lblMemory"))->text();
        file01 = d.findChild<QLineEdit*>(QStringLiteral("txtFile01"))->text();
        desc01 = d.findChild<QLineEdit*>(QStringLiteral("txtDesc01"))->text();
        d.findChild<QLineEdit*>(QStringLiteral("txtDesc02"))
            ->setText(QStringLiteral(" contratto "));
        d.findChild<QLineEdit*>(QStringLiteral("txtFile02"))
            ->setText(QStringLiteral("contratto.pdf"));
        d.findChild<QPushButton*>(QStringLiteral("btnApplica"))->click();
        return d.result();
    });
    button("cmdFile")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{QStringLiteral("TfrmAllegaCartella")});
    EXPECT_EQ(memory, QStringLiteral("clienti"));
    EXPECT_EQ(file01, QStringLiteral("doc1.pdf"));
    EXPECT_EQ(desc01, QStringLiteral("fattura"));
    EXPECT_EQ(label("lblFile02")->text(), QStringLiteral("contratto.pdf"));
    EXPECT_EQ(label("lblDesc02")->text(), QStringLiteral("contratto"));
    button("cmdSalva")->click();
    const QByteArray bytes = fileBytes();
    EXPECT_EQ(bytes.mid(2117, 14), QByteArray("\x0D"
                                              "contratto.pdf"));
    EXPECT_EQ(bytes.mid(2870, 10), QByteArray("\x09"
                                              "contratto"));
    EXPECT_EQ(bytes.mid(2619, 8), QByteArray("\x07"
                                             "fattura"));
}

TEST_F(Registry, HoverShowsEachControlsHint) {
    const struct {
        const char* name;
        QString hint;
    } hints[] = {
        {"cmdNuovo",
         QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda.")},
        {"cmdSalva", QStringLiteral("Salva la scheda corrente in archivio.")},
        {"cmdDuplica",
         QStringLiteral(
             "Prepara la schermata per la registrazione di una nuova scheda duplicando i "
             "dati correnti.")},
        {"cmdTrova", QStringLiteral("Trova una scheda in archivio.")},
        {"cmdAnteprima", QStringLiteral("Visualizza l'anteprima di stampa.")},
        {"cmdStampa", QStringLiteral("Stampa la scheda corrente.")},
        {"cmdPDF", QStringLiteral("Esporta la scheda in formato PDF.")},
        {"cmdRicontatta", QStringLiteral("Visualizza il riepilogo dei Clienti da ricontattare.")},
        {"cmdEsporta",
         QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")},
        {"cmdFile", QStringLiteral("Allega file alla scheda corrente.")},
        {"cmdGuida", QStringLiteral("Visualizza la guida in linea.")},
        {"cmdEsci", QStringLiteral("Esci dalla schermata di lavoro corrente.")},
        {"cmdPrimo", QStringLiteral("Visualizza la prima scheda in archivio.")},
        {"cmdIndietro", QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {"cmdAvanti", QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {"btnCodFisc", QStringLiteral("Controlla il codice fiscale.")},
        {"btnPartitaIva", QStringLiteral("Controlla il numero di partita IVA.")},
        {"btnCarta", QStringLiteral("Controlla il numero di carta di credito.")},
        {"btnIban", QStringLiteral("Controlla l'IBAN.")},
        {"btnEmail", QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
        {"chkRicontatta",
         QStringLiteral("Annota che il Cliente \u00E8 da ricontattare per questioni in sospeso.")},
    };
    QLabel* info = label("panInfo");
    EXPECT_EQ(info->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    for (const auto& h : hints) {
        QWidget* w = card.findChild<QWidget*>(QLatin1String(h.name));
        ASSERT_NE(w, nullptr) << h.name;
        QTest::mouseMove(w, QPoint(3, 3));
        EXPECT_EQ(info->text(), h.hint) << h.name;
        QTest::mouseMove(card.findChild<QWidget*>(QStringLiteral("grpQuestioni")), QPoint(2, 40));
        EXPECT_EQ(info->text(), QString()) << h.name;
    }
}

TEST_F(Registry, HelpOpensTheRegistrysPage) {
    QString title;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        if (auto* l = d.findChild<QLabel*>(QStringLiteral("lblTitolo"))) title = l->text();
        return int(QDialog::Rejected);
    });
    button("cmdGuida")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmGuida"});
    EXPECT_EQ(title, QStringLiteral("Applicazione Pagatori e Beneficiari."));
}

// A card with every field filled, each value told apart by `tag` and
// already in the form the card's typing rules give it.
ClientRecord fullRecord(QChar tag, bool ricontatta) {
    ClientRecord r;
    int i = 0;
    for (const clients::Binding& b : clients::bindings())
        r.setText(b.field, QString(tag) + QString::number(++i));
    r.setFlag(cli::Ricontatta, ricontatta);
    return r;
}

// What the card shows once `record` is loaded at `position`.
clients::CardTexts shownAs(const ClientRecord& record, qint64 position) {
    clients::CardTexts c = clients::clearedCard();
    clients::decode(record, position, c);
    return c;
}

QListWidget* listOf(QDialog& d) {
    return d.findChild<QListWidget*>(QStringLiteral("lstRecords"));
}

void doubleClickRow(QDialog& d, int row) {
    test::doubleClickRow(listOf(d), row);
}

class RegistryLists : public Registry {
protected:
    // Runs `drive` on the next dialog the card opens.
    void script(const std::function<void(QDialog&)>& drive) { desktop.dialogs().drive(drive); }
    // Searches with no filter and picks the line at `row`.
    void searchAndPick(int row) {
        script([row](QDialog& d) {
            EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblMemory"))->text(), "clienti");
            d.findChild<QPushButton*>(QStringLiteral("btnCerca"))->click();
            doubleClickRow(d, row);
            EXPECT_FALSE(d.isVisible());
        });
        button("cmdTrova")->click();
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
    }
};

TEST_F(RegistryLists, SearchLoadsTheWholePickedCardWithItsPosition) {
    const ClientRecord a = fullRecord(u'A', true), b = fullRecord(u'B', false);
    ASSERT_TRUE(ClientFile(path).append(a).ok());
    ASSERT_TRUE(ClientFile(path).append(b).ok());
    // A new card with the box ticked: the picked card's "No" clears it.
    type("txtCliente", "bozza");
    find<QCheckBox>("chkRicontatta")->setChecked(true);
    searchAndPick(1);
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmTrovaClienti"});
    EXPECT_EQ(card.cardTexts(), shownAs(b, 2));
    EXPECT_EQ(label("lblPosizione")->text(), "2");
    EXPECT_FALSE(label("lblFile01")->text().isEmpty());
    EXPECT_FALSE(find<QCheckBox>("chkRicontatta")->isChecked());
    searchAndPick(0);
    EXPECT_EQ(card.cardTexts(), shownAs(a, 1));
    EXPECT_TRUE(find<QCheckBox>("chkRicontatta")->isChecked());
    // The loaded card is a stored card like any other: a save overwrites it.
    line("txtNote")->setText("cambiata");
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kUpdated);
    EXPECT_EQ(ClientFile(path).count().value(), 2);
    EXPECT_EQ(ClientFile(path).read(1)->text(cli::Note), "cambiata");
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(RegistryLists, TwoCardsWithTheSameLineEachLoadTheirOwn) {
    ClientRecord first;
    first.setText(cli::Cliente, "Rossi Mario");
    first.setText(cli::Email, "primo@x.it");
    ClientRecord second = first;
    second.setText(cli::Email, "secondo@x.it");
    ASSERT_TRUE(ClientFile(path).append(first).ok());
    ASSERT_TRUE(ClientFile(path).append(second).ok());
    searchAndPick(0);
    EXPECT_EQ(label("lblPosizione")->text(), "1");
    EXPECT_EQ(line("txtEmail")->text(), "primo@x.it");
    searchAndPick(1);
    EXPECT_EQ(label("lblPosizione")->text(), "2");
    EXPECT_EQ(line("txtEmail")->text(), "secondo@x.it");
}

TEST_F(RegistryLists, ARegistryUnreadableAtThePickClosesSilentlyAndKeepsTheCard) {
    ASSERT_TRUE(ClientFile(path).append(fullRecord(u'A', false)).ok());
    type("txtCliente", "bozza");
    script([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("btnCerca"))->click();
        setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Open; });
        doubleClickRow(d, 0);
        EXPECT_FALSE(d.isVisible());
    });
    button("cmdTrova")->click();
    setIoFaultHook(nullptr);
    EXPECT_EQ(line("txtCliente")->text(), "bozza");
    EXPECT_EQ(label("lblPosizione")->text(), "");
    EXPECT_TRUE(shown().empty());
}

TEST_F(RegistryLists, ACardMarkedForRecontactIsFoundInTheListAndLoaded) {
    storeRecords(3, QStringLiteral("No"));
    // Mark the second card and save it.
    button("cmdAvanti")->click();
    button("cmdAvanti")->click();
    ASSERT_EQ(label("lblPosizione")->text(), "2");
    find<QCheckBox>("chkRicontatta")->setChecked(true);
    line("txtQuestioni")->setText("preventivo da rifare");
    button("cmdSalva")->click();
    button("cmdNuovo")->click();
    QStringList listed;
    script([&listed](QDialog& d) {
        QListWidget* list = listOf(d);
        for (int i = 0; i < list->count(); ++i) listed.append(list->item(i)->text());
        d.findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setText("PREVENTIVO");
        d.findChild<QPushButton*>(QStringLiteral("btnTrova"))->click();
        ASSERT_EQ(list->currentRow(), 0);
        doubleClickRow(d, 0);
        EXPECT_FALSE(d.isVisible());
    });
    button("cmdRicontatta")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmRicontatta"});
    ASSERT_EQ(listed.size(), 1);
    EXPECT_TRUE(listed[0].startsWith("Cliente 2 "));
    EXPECT_TRUE(listed[0].endsWith("  preventivo da rifare"));
    EXPECT_EQ(label("lblPosizione")->text(), "2");
    EXPECT_EQ(line("txtCliente")->text(), "Cliente 2");
    EXPECT_EQ(line("txtZona")->text(), "Zona 2");
    EXPECT_TRUE(find<QCheckBox>("chkRicontatta")->isChecked());
}

TEST_F(RegistryLists, AnEmptyRegistryOpensAnEmptyRecontactList) {
    int lines = -1;
    script([&lines](QDialog& d) {
        lines = listOf(d)->count();
        d.findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
    });
    button("cmdRicontatta")->click();
    EXPECT_EQ(lines, 0);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(shown().empty());
}

TEST_F(RegistryLists, PreviewPrintAndPdfShowTheCardAsOnScreenUnsaved) {
    type("txtCliente", " Rossi Mario");
    type("txtComuneRes", "Roma");
    combo("txtProvRes")->setEditText("rm");
    type("txtCarta", "4111");
    // The sheet is made from the controls, provinces included.
    Report sheet = clients::filledCard(&card);
    EXPECT_EQ(sheet.find("txtCampo01")->text, "Rossi Mario");
    EXPECT_EQ(sheet.find("txtCampo07")->text, "Roma RM");
    EXPECT_EQ(sheet.find("txtCampo16")->text, "N. 4111  -  Scadenza: ");
    button("cmdAnteprima")->click();
    EXPECT_EQ(desktop.printers().previews, QStringList{"Scheda informativa"});
    button("cmdStampa")->click();
    EXPECT_EQ(desktop.printers().printed.size(), 1);
    desktop.messages().confirmations = {true};
    button("cmdPDF")->click();
    const QString pdf = desktop.file("Cliente.pdf");
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back().kind, MessageKind::Confirmation);
    EXPECT_EQ(lastText(), QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con "
                                         "successo.\r\n\r\nSi vuole aprire il file?"));
    EXPECT_EQ(desktop.shell().opened, QStringList{u'"' + pdf + u'"'});
    // Nothing was saved on the way.
    EXPECT_EQ(label("lblPosizione")->text(), "");
    EXPECT_TRUE(fileBytes().isEmpty());
    EXPECT_EQ(line("txtCliente")->text(), " Rossi Mario");
}

TEST_F(RegistryLists, PrintingWithoutAPrinterSaysSo) {
    desktop.printers().installed = false;
    button("cmdStampa")->click();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back().kind, MessageKind::Error);
    EXPECT_EQ(lastText(), noPrinterMessage());
}

TEST_F(RegistryLists, APdfThatCannotBeWrittenSaysSo) {
    ASSERT_TRUE(QDir(desktop.dir()).mkdir("Cliente.pdf"));
    button("cmdPDF")->click();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back().kind, MessageKind::Error);
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(RegistryLists, ExportOpensTheGridOfTheWholeRegistry) {
    storeRecords(2);
    int rows = -1;
    script([&rows](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Esporta archivio pagatori e beneficiari in Microsoft Excel");
        const QAbstractItemModel* grid =
            d.findChild<QTableView*>(QStringLiteral("grdRecords"))->model();
        rows = grid->rowCount();
        EXPECT_EQ(grid->index(1, 1).data().toString(), "Cliente 2");
        d.findChild<QToolButton*>(QStringLiteral("cmdEsci"))->click();
    });
    button("cmdEsporta")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmExpClienti"});
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(shown().empty());
}

TEST_F(Registry, ExitShowsTheMainMenu) {
    button("cmdEsci")->click();
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(menu.isVisible());
}

}  // namespace
}  // namespace vt

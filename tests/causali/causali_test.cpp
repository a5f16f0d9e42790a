#include "causali/Causali.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/conventions.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "support/uifakes.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vt {
namespace {

using test::ShownMessage;

const QString kNeeds =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di "
    "scrittura nella cartella di installazione del programma.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kUpdated =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QStringList kTextFields{
    "txtCausale",      "txtPromemoria",  "txtImporto",   "txtPagatore", "txtRecapitoPag",
    "txtCodFisc",      "txtPartitaIva",  "txtCategoria", "txtEmail",    "txtPagamento",
    "txtBeneficiario", "txtRecapitoBen", "txtNote",      "txtTariffa"};

class CausaleCard : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio menu;
    TfrmCausali card;
    QString path = desktop.file(QStringLiteral("Causali.pro"));

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

    QLineEdit* line(const QString& name) { return find<QLineEdit>(name); }
    QLabel* label(const char* name) { return find<QLabel>(QLatin1String(name)); }
    QAbstractButton* button(const char* name) { return find<QAbstractButton>(QLatin1String(name)); }
    template <typename T>
    T* find(const QString& name) {
        auto* w = card.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString focused() const {
        QWidget* w = card.focusWidget();
        return w ? w->objectName() : QString();
    }
    std::vector<ShownMessage>& shown() { return desktop.messages().shown; }
    QString lastText() { return shown().empty() ? QString() : shown().back().text; }
    void fillValid(const QString& causale = QStringLiteral("Affitto")) {
        line("txtCausale")->setText(causale);
        line("txtPagatore")->setText(QStringLiteral("Rossi"));
        line("txtBeneficiario")->setText(QStringLiteral("Bianchi"));
    }
    void storeRecords(int n) {
        CausaliFile file(path);
        for (int i = 1; i <= n; ++i) {
            CausaleRecord r;
            r.setFlag(cau::Entrata, i % 2 == 1);
            r.setFlag(cau::Uscita, i % 2 == 0);
            r.setText(cau::Causale, QStringLiteral("Causale %1").arg(i));
            r.setText(cau::Importo, QStringLiteral("%1,00").arg(i));
            ASSERT_TRUE(file.append(r).ok());
        }
    }
    QByteArray fileBytes() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(CausaleCard, ShowingStartsANewCardWithLimitsAndCaption) {
    EXPECT_EQ(card.windowTitle(), QStringLiteral(" Vantresa 4.0 - Archivio Causali"));
    line("txtCausale")->setText(QStringLiteral("vecchia"));
    button("optUscita")->click();
    label("lblPosizione")->setText(QStringLiteral("3"));
    card.hide();
    card.show();
    for (const QString& name : kTextFields)
        EXPECT_EQ(line(name)->text(),
                  name == QLatin1String("txtImporto") ? QStringLiteral("0,00") : QString())
            << name.toStdString();
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_TRUE(button("optEntrata")->isChecked());
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in entrata: \u20AC"));
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));
    EXPECT_EQ(label("panInfo")->text(),
              QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_FALSE(card.findChild<QWidget*>(QStringLiteral("btnCents"))->isVisible());

    // Typing limits; the payment method holds 250 but takes 150 from the keys.
    const int limits[] = {250, 250, 15, 50, 50, 16, 11, 50, 50, 150, 50, 50, 250, 250};
    for (qsizetype i = 0; i < kTextFields.size(); ++i)
        EXPECT_EQ(typingLimit(line(kTextFields[i])), limits[i]) << kTextFields[i].toStdString();
}

// The limit binds typing; what the program puts in shows whole.
TEST_F(CausaleCard, ALongNormalisedAmountShowsWhole) {
    QLineEdit* amount = line("txtImporto");
    amount->clear();
    amount->setFocus();
    QTest::keyClicks(amount, QStringLiteral("12345678901234567"));
    EXPECT_EQ(amount->text(), QStringLiteral("123456789012345"));
    line("txtPagatore")->setFocus();
    EXPECT_EQ(amount->text(), QStringLiteral("123456789012345,00"));
    amount->setText(QStringLiteral("1234567890123"));
    button("btnCents")->click();
    EXPECT_EQ(amount->text(), QStringLiteral("1234567890123,00"));
}

// A pasted or dropped amount arrives whole or not at all: "12.50" is
// refused rather than turned into 1250, and the field keeps its text.
TEST_F(CausaleCard, APastedOrDroppedAmountIsTakenWholeOrRefused) {
    const struct {
        const char* pasted;
        const char* accepted;  // nullptr: refused
    } cases[] = {{" 12,50 ", "12,50"}, {"12.50", nullptr},         {"1.234,56", nullptr},
                 {"1,234.56", nullptr}, {"\u20AC 12,50", nullptr}, {"ab12", nullptr}};
    QLineEdit* amount = line("txtImporto");
    for (const auto& k : cases) {
        for (bool drop : {false, true}) {
            SCOPED_TRACE(std::string(k.pasted) + (drop ? " dropped" : " pasted"));
            const QString text = QString::fromUtf8(k.pasted);
            amount->setText(drop ? QString() : QStringLiteral("7,00"));
            amount->setFocus();
            amount->selectAll();
            if (drop) {
                QMimeData data;
                data.setText(text);
                const QPoint at = amount->rect().center();
                QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(amount, &enter);
                QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(amount, &dropped);
            } else {
                QGuiApplication::clipboard()->setText(text);
                QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
            }
            const QString kept = drop ? QString() : QStringLiteral("7,00");
            EXPECT_EQ(amount->text(), k.accepted ? QString::fromUtf8(k.accepted) : kept);
            line("txtPagatore")->setFocus();
            EXPECT_EQ(amount->text(), k.accepted ? QStringLiteral("12,50")
                                                 : (drop ? QStringLiteral("0,00") : kept));
        }
    }
    // What the field shows is what is saved.
    fillValid();
    amount->setText(QStringLiteral("7,00"));
    amount->setFocus();
    amount->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("12.50"));
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    button("cmdSalva")->click();
    EXPECT_EQ(CausaliFile(path).read(1)->text(cau::Importo), QStringLiteral("7,00"));
}

TEST_F(CausaleCard, DirectionSetsTheAmountCaptionAndColour) {
    button("optUscita")->click();
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in uscita: \u20AC"));
    EXPECT_EQ(label("lblImporto")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    button("optEntrata")->click();
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in entrata: \u20AC"));
    EXPECT_EQ(label("lblImporto")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(CausaleCard, KeysEnterAndLeavingFollowTheFieldRules) {
    line("txtCausale")->setFocus();
    for (qsizetype i = 0; i < kTextFields.size(); ++i) {
        ASSERT_EQ(focused(), kTextFields[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));

    QLineEdit* amount = line("txtImporto");
    amount->clear();
    amount->setFocus();
    QTest::keyClicks(amount, QStringLiteral("a-.2,675"));
    EXPECT_EQ(amount->text(), QStringLiteral("2,675"));
    line("txtPagatore")->setFocus();
    EXPECT_EQ(amount->text(), QStringLiteral("2,67"));

    QLineEdit* vat = line("txtPartitaIva");
    vat->setFocus();
    QTest::keyClicks(vat, QStringLiteral("1x2,3"));
    EXPECT_EQ(vat->text(), QStringLiteral("123"));

    QLineEdit* cf = line("txtCodFisc");
    cf->setFocus();
    QTest::keyClicks(cf, QStringLiteral(" rss"));
    EXPECT_EQ(cf->text(), QStringLiteral("RSS"));
    QLineEdit* mail = line("txtEmail");
    mail->setFocus();
    QTest::keyClicks(mail, QStringLiteral(" a@b.it "));
    EXPECT_EQ(mail->text(), QStringLiteral("a@b.it"));

    QLineEdit* pay = line("txtPagamento");
    pay->setFocus();
    QTest::keyClicks(pay, QString(160, u'a'));
    EXPECT_EQ(pay->text().size(), 150);
    pay->setText(QString(250, u'b'));
    EXPECT_EQ(pay->text().size(), 250);
}

TEST_F(CausaleCard, SaveChecksInOrderThenAppendsAndOverwrites) {
    storeRecords(3);
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("la causale del pagamento."));
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));
    line("txtCausale")->setText(QStringLiteral("Affitto"));
    line("txtPagatore")->setText(QStringLiteral("Rossi"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("il nome del beneficiario."));
    EXPECT_EQ(focused(), QStringLiteral("txtBeneficiario"));
    line("txtPagatore")->clear();
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("il nome del pagatore."));
    EXPECT_EQ(focused(), QStringLiteral("txtPagatore"));
    EXPECT_EQ(QFileInfo(path).size(), 3 * 1628);

    fillValid();
    line("txtImporto")->setText(QStringLiteral("12,5"));
    button("optUscita")->click();
    button("cmdSalva")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Information);
    EXPECT_EQ(lastText(), kInserted);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("4"));
    EXPECT_EQ(line("txtImporto")->text(), QStringLiteral("12,50"));
    auto stored = CausaliFile(path).read(4);
    ASSERT_TRUE(stored.ok());
    EXPECT_EQ(stored->text(cau::ImportoSegnato), QStringLiteral("-12,50"));

    const QByteArray before = fileBytes();
    line("txtNote")->setText(QStringLiteral("cambiata"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kUpdated);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("4"));
    const QByteArray after = fileBytes();
    ASSERT_EQ(after.size(), 4 * 1628);
    EXPECT_EQ(after.left(3 * 1628), before.left(3 * 1628));
    EXPECT_EQ(CausaliFile(path).read(4)->text(cau::Note), QStringLiteral("cambiata"));
}

TEST_F(CausaleCard, EmptyArchiveNavigationSaysSoAndCreatesTheFile) {
    for (const char* name : {"cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
        shown().clear();
        label("lblPosizione")->setText(QStringLiteral("5"));
        button(name)->click();
        ASSERT_EQ(shown().size(), 1u) << name;
        EXPECT_EQ(shown().back().kind, MessageKind::Information) << name;
        EXPECT_EQ(lastText(), kEmpty);
        EXPECT_EQ(label("lblPosizione")->text(), QLatin1String(name) == QLatin1String("cmdAvanti")
                                                     ? QString()
                                                     : QStringLiteral("5"))
            << name;
    }
    EXPECT_TRUE(QFile::exists(path));
    shown().clear();
    label("lblPosizione")->setText(QStringLiteral("1"));
    button("cmdIndietro")->click();
    EXPECT_TRUE(shown().empty());
}

TEST_F(CausaleCard, NavigationStepsThroughTheFileAndStopsSilentlyAtTheEnds) {
    storeRecords(3);
    button("cmdAvanti")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Causale 1"));
    button("cmdNuovo")->click();
    button("cmdIndietro")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdIndietro")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdUltimo")->click();
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Causale 3"));
    EXPECT_TRUE(button("optEntrata")->isChecked());
    line("txtNote")->setText(QStringLiteral("persa"));
    button("cmdAvanti")->click();
    EXPECT_EQ(line("txtNote")->text(), QStringLiteral("persa"));
    button("cmdIndietro")->click();
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Causale 2"));
    EXPECT_EQ(line("txtImporto")->text(), QStringLiteral("2,00"));
    EXPECT_EQ(line("txtNote")->text(), QString());
    EXPECT_TRUE(button("optUscita")->isChecked());
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in uscita: \u20AC"));
    button("cmdPrimo")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    EXPECT_TRUE(shown().empty());
}

TEST_F(CausaleCard, DuplicateNeedsAStoredCardThenSavesANewRecord) {
    fillValid();
    button("cmdDuplica")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(
        lastText(),
        QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo "
                       "che questa \u00E8 stata inserita in archivio."));
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Affitto"));
    button("cmdSalva")->click();
    ASSERT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdDuplica")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Information);
    EXPECT_EQ(lastText(),
              QStringLiteral(
                  "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                  "Al termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Affitto"));
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));
    line("txtCausale")->setText(QStringLiteral("Affitto box"));
    button("cmdSalva")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("2"));
    EXPECT_EQ(CausaliFile(path).read(1)->text(cau::Causale), QStringLiteral("Affitto"));
}

TEST_F(CausaleCard, UnreachableArchiveIsReportedAndTheCardKeepsItsContents) {
    ASSERT_TRUE(QDir().mkpath(path));
    fillValid();
    label("lblPosizione")->setText(QStringLiteral("2"));
    for (const char* name : {"cmdSalva", "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
        shown().clear();
        button(name)->click();
        ASSERT_EQ(shown().size(), 1u) << name;
        EXPECT_EQ(shown().back().kind, MessageKind::Error) << name;
        EXPECT_EQ(lastText(), kAccess) << name;
        EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Affitto")) << name;
        EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("2")) << name;
    }
    shown().clear();
    button("cmdDuplica")->click();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(lastText(), kAccess);
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(CausaleCard, ReadOnlyArchiveAndFailingReadsOrWritesChangeNothing) {
    storeRecords(1);
    const QByteArray before = fileBytes();
    fillValid();
    QFile(path).setPermissions(QFile::ReadOwner);
    // An administrator writes whatever the permissions say.
    if (!QFileInfo(path).isWritable()) {
        button("cmdSalva")->click();
        EXPECT_EQ(shown().back().kind, MessageKind::Error);
        EXPECT_EQ(lastText(), kAccess);
        EXPECT_EQ(label("lblPosizione")->text(), QString());
        EXPECT_EQ(fileBytes(), before);
    }
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Write; });
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kAccess);
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    setIoFaultHook(nullptr);
    EXPECT_EQ(fileBytes(), before);

    button("cmdPrimo")->click();
    line("txtNote")->setText(QStringLiteral("mia"));
    shown().clear();
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Read; });
    button("cmdUltimo")->click();
    setIoFaultHook(nullptr);
    EXPECT_EQ(lastText(), kAccess);
    EXPECT_EQ(line("txtNote")->text(), QStringLiteral("mia"));
}

TEST_F(CausaleCard, EmailAndCheckButtons) {
    button("sndEmail")->click();
    EXPECT_EQ(lastText(), QStringLiteral("Attenzione: indicare l'indirizzo e-mail."));
    EXPECT_EQ(focused(), QStringLiteral("txtEmail"));
    line("txtEmail")->setText(QStringLiteral(" mario@example.it "));
    button("sndEmail")->click();
    EXPECT_EQ(desktop.shell().opened, QStringList{QStringLiteral("\"mailto:mario@example.it\"")});

    const struct {
        const char* button;
        const char* field;
        const char* text;
        const char* window;
    } cases[] = {{"chkCodFisc", "txtCodFisc", "RSSMRA80A01H501U", "TfrmCodFisc"},
                 {"chkCodFisc", "txtCodFisc", "12345678901", "TfrmPartitaIva"},
                 {"chkIva", "txtPartitaIva", "01234567890", "TfrmPartitaIva"}};
    for (const auto& c : cases) {
        line(QLatin1String(c.field))->setText(QLatin1String(c.text));
        desktop.dialogs().scripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
        button(c.button)->click();
        ASSERT_FALSE(desktop.dialogs().opened.isEmpty());
        EXPECT_EQ(desktop.dialogs().opened.last(), QLatin1String(c.window)) << c.text;
    }
}

TEST_F(CausaleCard, HoverHintsAndCommandWindows) {
    const QString registry =
        QStringLiteral("Importa i dati dall'archivio anagrafico dei pagatori e beneficiari.");
    const struct {
        const char* name;
        QString hint;
    } hints[] = {
        {"cmdNuovo",
         QStringLiteral("Predispone la schermata per l'inserimento di una nuova scheda.")},
        {"cmdSalva", QStringLiteral("Salva la scheda corrente in archivio.")},
        {"cmdEsporta",
         QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {"optUscita", QStringLiteral("Spunta questa casella per registrare un importo in uscita.")},
        {"impPagatore", registry},
        {"impBeneficiario", registry},
        {"sndEmail", QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
        {"chkIva", QStringLiteral("Controlla il numero di partita IVA.")},
    };
    QLabel* info = label("panInfo");
    for (const auto& h : hints) {
        QTest::mouseMove(card.findChild<QWidget*>(QLatin1String(h.name)), QPoint(3, 3));
        EXPECT_EQ(info->text(), h.hint) << h.name;
        QTest::mouseMove(card.findChild<QWidget*>(QStringLiteral("grpCausale")), QPoint(2, 250));
        EXPECT_EQ(info->text(), QString()) << h.name;
    }
    // From a button straight onto the status text: emptied too.
    QTest::mouseMove(button("cmdSalva"), QPoint(3, 3));
    ASSERT_EQ(info->text(), QStringLiteral("Salva la scheda corrente in archivio."));
    QTest::mouseMove(info, QPoint(5, 5));
    EXPECT_EQ(info->text(), QString());

    const struct {
        const char* button;
        const char* window;
    } cases[] = {{"cmdTrova", "TfrmTrovaCausali"},
                 {"cmdStampa", "TfrmStampaCausale"},
                 {"cmdEsporta", "TfrmExpCausali"},
                 {"cmdGuida", "TfrmGuida"},
                 {"impPagatore", "TfrmTrovaClienti"},
                 {"impBeneficiario", "TfrmTrovaClienti"}};
    for (const auto& c : cases) {
        desktop.dialogs().scripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
        button(c.button)->click();
        ASSERT_FALSE(desktop.dialogs().opened.isEmpty());
        EXPECT_EQ(desktop.dialogs().opened.last(), QLatin1String(c.window)) << c.button;
    }
    button("cmdEsci")->click();
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(menu.isVisible());
}

}  // namespace
}  // namespace vt

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/Avvio.h"
#include "app/conventions.h"
#include "app/windows.h"
#include "archive/recordfile.h"
#include "movements/Movimenti.h"
#include "support/uifakes.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vt {
namespace {

using test::ShownMessage;

const QString kNeeds = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");
const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kUpdated = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

class Card : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmAvvio menu;
    TfrmMovimenti card;
    QString path = desktop.file(QStringLiteral("2026.eur"));

    void SetUp() override {
        screens::clear();
        screens::add(&menu);
        screens::add(&card);
        label("lblFile")->setText(path);
        card.show();
        card.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&card));
    }
    void TearDown() override {
        screens::clear();
        setIoFaultHook(nullptr);
    }

    QLineEdit* line(const char* name) { return find<QLineEdit>(name); }
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
    std::vector<ShownMessage>& shown() { return desktop.messages().shown; }
    QString lastText() { return shown().empty() ? QString() : shown().back().text; }

    // Fills the mandatory fields of the card shown.
    void fillValid(const QString& causale = QStringLiteral("Affitto")) {
        line("txtData")->setText(QStringLiteral("09/12/2026"));
        line("txtPreavviso")->setText(QStringLiteral("0"));
        line("txtCausale")->setText(causale);
        line("txtDataSca")->setText(QStringLiteral("31/12/2026"));
        line("txtPagatore")->setText(QStringLiteral("Rossi"));
        line("txtBeneficiario")->setText(QStringLiteral("Bianchi"));
    }
    // Stores n records straight into the year file, causale "Scheda <i>".
    void storeRecords(int n) {
        MovementFile file(path);
        for (int i = 1; i <= n; ++i) {
            MovementRecord r;
            r.setFlag(mov::Entrata, i % 2 == 1);
            r.setFlag(mov::Uscita, i % 2 == 0);
            r.setText(mov::Causale, QStringLiteral("Scheda %1").arg(i));
            r.setText(mov::Importo, QStringLiteral("%1,00").arg(i));
            r.setText(mov::ImportoSegnato, (i % 2 ? QStringLiteral("+") : QStringLiteral("-")) + r.text(mov::Importo));
            ASSERT_TRUE(file.append(r).ok());
        }
    }
    QByteArray fileBytes() {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
    // A dialog script for the date picker: checks its start, picks `day`
    // (or cancels when `day` is null) and returns.
    std::function<int(QDialog&)> pick(QDate day, QString* memory = nullptr, QDate* start = nullptr) {
        return [day, memory, start](QDialog& d) {
            auto* calendar = d.findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"));
            if (start) *start = calendar->selectedDate();
            if (memory) *memory = d.findChild<QLabel*>(QStringLiteral("lblMemory"))->text();
            if (!day.isValid()) {
                d.findChild<QPushButton*>(QStringLiteral("btnAnnulla"))->click();
                return d.result();
            }
            calendar->setSelectedDate(day);
            d.findChild<QPushButton*>(QStringLiteral("btnImportaData"))->click();
            return d.result();
        };
    }
};

TEST_F(Card, ShowingClearsTheCardToANewOneDatedToday) {
    line("txtCausale")->setText(QStringLiteral("vecchia"));
    button("optUscita")->click();
    find<QCheckBox>("chkSaldato")->setChecked(true);
    label("lblPosizione")->setText(QStringLiteral("3"));
    label("lblFile02")->setText(QStringLiteral("x.pdf"));
    card.hide();
    card.show();
    EXPECT_EQ(line("txtData")->text(), QStringLiteral("09/12/2026"));
    EXPECT_EQ(line("txtPreavviso")->text(), QStringLiteral("0"));
    EXPECT_EQ(line("txtImporto")->text(), QStringLiteral("0,00"));
    EXPECT_EQ(line("txtTotale")->text(), QStringLiteral("+0,00"));
    for (const char* name : {"txtCausale", "txtPromemoria", "txtDataSca", "txtPagatore", "txtRecapitoPag",
                             "txtCodFisc", "txtPartitaIva", "txtCategoria", "txtEmail", "txtPagamento",
                             "txtBeneficiario", "txtRecapitoBen", "txtRicevuta", "txtNote", "txtTariffa"})
        EXPECT_EQ(line(name)->text(), QString()) << name;
    for (const char* name : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03",
                             "lblPosizione"})
        EXPECT_EQ(label(name)->text(), QString()) << name;
    EXPECT_TRUE(button("optEntrata")->isChecked());
    EXPECT_FALSE(button("optUscita")->isChecked());
    EXPECT_FALSE(button("chkSaldato")->isChecked());
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in entrata: \u20AC"));
    EXPECT_EQ(label("lblImporto")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));
}

TEST_F(Card, FieldsHaveTheirLimitsAndHiddenStateIsHidden) {
    const struct {
        const char* name;
        int limit;
    } limits[] = {{"txtData", 10},         {"txtCausale", 250},   {"txtPromemoria", 250}, {"txtDataSca", 10},
                  {"txtPreavviso", 3},     {"txtImporto", 15},    {"txtPagatore", 50},    {"txtRecapitoPag", 50},
                  {"txtCodFisc", 16},      {"txtPartitaIva", 11}, {"txtCategoria", 50},   {"txtEmail", 50},
                  {"txtBeneficiario", 50}, {"txtRecapitoBen", 50}, {"txtRicevuta", 250},  {"txtNote", 250},
                  {"txtTariffa", 250}};
    for (const auto& l : limits) EXPECT_EQ(typingLimit(line(l.name)), l.limit) << l.name;
    EXPECT_EQ(typingLimit(line("txtPagamento")), 150);
    EXPECT_TRUE(line("txtData")->isReadOnly());
    EXPECT_TRUE(line("txtDataSca")->isReadOnly());
    for (const char* name : {"lblFile", "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02",
                             "lblDesc03", "txtTotale", "btnCents"})
        EXPECT_FALSE(card.findChild<QWidget*>(QLatin1String(name))->isVisible()) << name;
    EXPECT_TRUE(label("lblPosizione")->isVisible());

    // Every typed field shows its highlight only while it has the focus.
    const QStringList fields{"Data",      "Causale",     "Promemoria", "DataSca",      "Preavviso",
                             "Importo",   "Pagatore",    "RecapitoPag", "CodFisc",     "PartitaIva",
                             "Categoria", "Email",       "Pagamento",  "Beneficiario", "RecapitoBen",
                             "Ricevuta",  "Note",        "Tariffa"};
    for (const QString& f : fields) {
        card.findChild<QLineEdit*>(QStringLiteral("txt") + f)->setFocus();
        for (const QString& g : fields) {
            auto* eff = card.findChild<QWidget*>(QStringLiteral("eff") + g);
            ASSERT_NE(eff, nullptr) << g.toStdString();
            EXPECT_EQ(eff->isVisible(), f == g) << f.toStdString() << " " << g.toStdString();
        }
    }
}

TEST_F(Card, PaymentMethodTypesOnlyUpTo150ButHoldsWhatAPickerBrings) {
    QLineEdit* pay = line("txtPagamento");
    pay->setFocus();
    QTest::keyClicks(pay, QString(160, u'a'));
    EXPECT_EQ(pay->text().size(), 150);
    pay->setText(QString(250, u'b'));
    EXPECT_EQ(pay->text().size(), 250);
}

TEST_F(Card, EnterMovesAlongTheChainAndOpensThePickerInDateFields) {
    const QStringList chain{"txtCausale",    "txtPromemoria", "txtDataSca",   "txtPreavviso",
                            "txtImporto",    "txtPagatore",   "txtRecapitoPag", "txtCodFisc",
                            "txtPartitaIva", "txtCategoria",  "txtEmail",     "txtPagamento",
                            "txtBeneficiario", "txtRecapitoBen", "txtRicevuta", "txtNote",
                            "txtTariffa",    "txtData"};
    line("txtCausale")->setFocus();
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        ASSERT_EQ(focused(), chain[i]);
        if (chain[i] == QStringLiteral("txtDataSca")) {
            // Enter here opens the picker; the chain goes on from the next field.
            desktop.dialogs().scripts.push_back(pick({}));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_EQ(desktop.dialogs().opened.size(), 1);
            line("txtPreavviso")->setFocus();
            continue;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(focused(), QStringLiteral("txtData"));
    desktop.dialogs().scripts.push_back(pick({}));
    QTest::keyClick(line("txtData"), Qt::Key_Enter);
    EXPECT_EQ(desktop.dialogs().opened, (QStringList{"TfrmCalendario", "TfrmCalendario"}));
}

// A pasted or dropped number arrives whole or not at all, so it is never
// changed into another one ("1,5" days into 15, "12.50" euro into 1250);
// the VAT number takes any paste.
TEST_F(Card, PastedTextReachesTheNumberFieldsWholeOrNotAtAllButTheVatNumberTakesItAll) {
    const auto paste = [this](const char* name, const QString& before, const QString& text) {
        QLineEdit* field = line(name);
        field->setText(before);
        field->setFocus();
        field->selectAll();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        return field->text();
    };
    const auto drop = [this](const char* name, const QString& text) {
        QLineEdit* field = line(name);
        field->clear();
        QMimeData data;
        data.setText(text);
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &dropped);
        return field->text();
    };
    const struct {
        const char* field;
        const char* text;
        const char* accepted;  // nullptr: refused
    } cases[] = {
        {"txtPreavviso", " 15 ", "15"},          {"txtPreavviso", "1,5", nullptr},
        {"txtPreavviso", "5g", nullptr},         {"txtPreavviso", " -1.0 \u20AC", nullptr},
        {"txtPreavviso", "1000", nullptr},       {"txtImporto", " 12,50 ", "12,50"},
        {"txtImporto", "12.50", nullptr},        {"txtImporto", "1.234,56", nullptr},
        {"txtImporto", "\u20AC 1.234,56", nullptr}, {"txtImporto", "5g", nullptr},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.field) + " <- " + k.text);
        const QString text = QString::fromUtf8(k.text);
        const QString accepted = k.accepted ? QString::fromUtf8(k.accepted) : QString();
        EXPECT_EQ(paste(k.field, QStringLiteral("7"), text), k.accepted ? accepted : QStringLiteral("7"));
        EXPECT_EQ(drop(k.field, text), accepted);
    }
    paste("txtImporto", QStringLiteral("7"), QStringLiteral("12.50"));
    line("txtPagatore")->setFocus();
    EXPECT_EQ(line("txtImporto")->text(), QStringLiteral("7,00"));
    // A bad VAT number only makes its check answer "ERRATO".
    EXPECT_EQ(paste("txtPartitaIva", QString(), QStringLiteral("IT 0123a")), QStringLiteral("IT 0123a"));
}

// The limit binds typing; the normalised amount shows whole.
TEST_F(Card, ALongNormalisedAmountShowsWhole) {
    QLineEdit* amount = line("txtImporto");
    amount->clear();
    amount->setFocus();
    QTest::keyClicks(amount, QStringLiteral("1234567890123"));
    line("txtPagatore")->setFocus();
    EXPECT_EQ(amount->text(), QStringLiteral("1234567890123,00"));
}

TEST_F(Card, SavingRefusesANoticeThatIsNotAllDigits) {
    fillValid();
    line("txtPreavviso")->setText(QStringLiteral("5g"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("il numero di giorni di preavviso della scadenza del pagamento."));
    EXPECT_EQ(focused(), QStringLiteral("txtPreavviso"));
    EXPECT_TRUE(fileBytes().isEmpty());
}

TEST_F(Card, AmountTakesDigitsAndCommaAndIsNormalisedOnLeaving) {
    QLineEdit* amount = line("txtImporto");
    amount->clear();
    amount->setFocus();
    QTest::keyClicks(amount, QStringLiteral("1a-.0,5e"));
    EXPECT_EQ(amount->text(), QStringLiteral("10,5"));
    line("txtPagatore")->setFocus();
    EXPECT_EQ(amount->text(), QStringLiteral("10,50"));

    const struct {
        const char* pasted;
        const char* shown;
    } cases[] = {{"1.234,56", "0,00"}, {"", "0,00"}, {"abc", "0,00"}, {"1,2,3", "0,00"},
                 {"-12,5", "12,50"}, {"2,675", "2,67"}, {"12,345", "12,35"}};
    for (const auto& k : cases) {
        amount->setFocus();
        amount->setText(QString::fromUtf8(k.pasted));
        line("txtPagatore")->setFocus();
        EXPECT_EQ(amount->text(), QString::fromUtf8(k.shown)) << k.pasted;
    }
}

TEST_F(Card, DigitFieldsSwallowOtherKeys) {
    for (const char* name : {"txtPreavviso", "txtPartitaIva"}) {
        QLineEdit* f = line(name);
        f->clear();
        f->setFocus();
        QTest::keyClicks(f, QStringLiteral("1x2,3.-"));
        EXPECT_EQ(f->text(), QStringLiteral("123")) << name;
    }
}

TEST_F(Card, FiscalCodeIsUpperCasedAndEmailTrimmedAfterEachKey) {
    QLineEdit* cf = line("txtCodFisc");
    cf->setFocus();
    QTest::keyClicks(cf, QStringLiteral(" rss"));
    EXPECT_EQ(cf->text(), QStringLiteral("RSS"));
    QLineEdit* mail = line("txtEmail");
    mail->setFocus();
    QTest::keyClicks(mail, QStringLiteral(" a@b.it "));
    EXPECT_EQ(mail->text(), QStringLiteral("a@b.it"));
}

TEST_F(Card, DateFieldsEmptyOnBackspaceOrDeleteAndOpenThePickerOnOtherKeys) {
    QLineEdit* data = line("txtData");
    data->setFocus();
    QTest::keyClick(data, Qt::Key_Delete);
    EXPECT_EQ(data->text(), QString());

    QLineEdit* due = line("txtDataSca");
    due->setText(QStringLiteral("01/01/2020"));
    due->setFocus();
    QTest::keyClick(due, Qt::Key_Backspace);
    EXPECT_EQ(due->text(), QString());
    // A lone Shift opens nothing.
    QTest::keyClick(due, Qt::Key_Shift);
    EXPECT_TRUE(desktop.dialogs().opened.isEmpty());

    QString memory;
    QDate start;
    due->setText(QStringLiteral("15/06/2020"));
    desktop.dialogs().scripts.push_back(pick(QDate(2028, 2, 29), &memory, &start));
    QTest::keyClick(due, Qt::Key_A);
    EXPECT_EQ(memory, QStringLiteral("movimenti_scadenza"));
    EXPECT_EQ(start, QDate(2026, 12, 9));
    EXPECT_EQ(due->text(), QStringLiteral("29/02/2028"));

    // A second use is a fresh picker, again on today; Annulla changes nothing.
    desktop.dialogs().scripts.push_back(pick({}, &memory, &start));
    data->setFocus();
    QTest::keyClick(data, Qt::Key_5);
    EXPECT_EQ(memory, QStringLiteral("movimenti_data"));
    EXPECT_EQ(start, QDate(2026, 12, 9));
    EXPECT_EQ(data->text(), QString());
    desktop.dialogs().scripts.push_back(pick(QDate(2026, 1, 2)));
    QTest::keyClick(data, Qt::Key_Space);
    EXPECT_EQ(data->text(), QStringLiteral("02/01/2026"));
    EXPECT_EQ(due->text(), QStringLiteral("29/02/2028"));
}

TEST_F(Card, ClearButtonsEmptyTheirDate) {
    line("txtDataSca")->setText(QStringLiteral("01/01/2027"));
    button("impDataSca")->click();
    EXPECT_EQ(line("txtDataSca")->text(), QString());
    button("impData")->click();
    EXPECT_EQ(line("txtData")->text(), QString());
}

TEST_F(Card, DirectionSetsTheAmountCaptionAndColour) {
    QTest::mouseClick(button("optUscita"), Qt::LeftButton);
    EXPECT_TRUE(button("optUscita")->isChecked());
    EXPECT_FALSE(button("optEntrata")->isChecked());
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in uscita: \u20AC"));
    EXPECT_EQ(label("lblImporto")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::mouseClick(button("optEntrata"), Qt::LeftButton);
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in entrata: \u20AC"));
    EXPECT_EQ(label("lblImporto")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(Card, SaveStopsAtTheFirstMissingFieldInOrderWithFocusThere) {
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("la causale del pagamento."));
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));

    line("txtCausale")->setText(QStringLiteral("Affitto"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("la data di scadenza del pagamento."));
    EXPECT_EQ(focused(), QStringLiteral("txtDataSca"));

    line("txtDataSca")->setText(QStringLiteral("31/12/2026"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("il nome del pagatore."));
    EXPECT_EQ(focused(), QStringLiteral("txtPagatore"));

    line("txtPagatore")->setText(QStringLiteral("Rossi"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("il nome del beneficiario."));
    EXPECT_EQ(focused(), QStringLiteral("txtBeneficiario"));

    line("txtBeneficiario")->setText(QStringLiteral("Bianchi"));
    line("txtPreavviso")->clear();
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(),
              kNeeds + QStringLiteral("il numero di giorni di preavviso della scadenza del pagamento."));
    EXPECT_EQ(focused(), QStringLiteral("txtPreavviso"));

    line("txtPreavviso")->setText(QStringLiteral("3"));
    line("txtData")->setText(QStringLiteral("31/02/2014"));
    button("cmdSalva")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Notice);
    EXPECT_EQ(lastText(), QStringLiteral("Attenzione: la data 31/02/2014 non esiste.\n\r\n\rPer poter salvare la "
                                         "scheda \u00E8 necessario indicare una data valida nel formato gg/mm/aaaa."));
    EXPECT_EQ(focused(), QStringLiteral("txtData"));
    // No check passed far enough to touch the year file.
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(label("lblPosizione")->text(), QString());
}

TEST_F(Card, SavingTwiceAppendsThenOverwritesTheSameRecord) {
    storeRecords(2);
    const QByteArray before = fileBytes();
    fillValid();
    line("txtImporto")->setText(QStringLiteral("12,5"));
    button("optUscita")->click();
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kInserted);
    EXPECT_EQ(shown().back().kind, MessageKind::Information);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    EXPECT_EQ(line("txtImporto")->text(), QStringLiteral("12,50"));
    QByteArray after = fileBytes();
    ASSERT_EQ(after.size(), 3 * 3414);
    EXPECT_EQ(after.left(2 * 3414), before);
    MovementRecord stored(after.mid(2 * 3414));
    EXPECT_EQ(stored.text(mov::Importo), QStringLiteral("12,50"));
    EXPECT_EQ(stored.text(mov::ImportoSegnato), QStringLiteral("-12,50"));
    EXPECT_EQ(stored.flag(mov::Uscita), Flag::Yes);

    line("txtNote")->setText(QStringLiteral("seconda"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kUpdated);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    after = fileBytes();
    ASSERT_EQ(after.size(), 3 * 3414);
    EXPECT_EQ(after.left(2 * 3414), before);
    EXPECT_EQ(MovementRecord(after.mid(2 * 3414)).text(mov::Note), QStringLiteral("seconda"));
}

TEST_F(Card, SavingAStoredCardRewritesOnlyItsRecord) {
    storeRecords(3);
    const QByteArray before = fileBytes();
    button("cmdAvanti")->click();
    button("cmdAvanti")->click();
    ASSERT_EQ(label("lblPosizione")->text(), QStringLiteral("2"));
    fillValid(QStringLiteral("Cambiata"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kUpdated);
    const QByteArray after = fileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(3414), before.left(3414));
    EXPECT_EQ(after.mid(2 * 3414), before.mid(2 * 3414));
    EXPECT_EQ(MovementRecord(after.mid(3414, 3414)).text(mov::Causale), QStringLiteral("Cambiata"));
}

TEST_F(Card, PastedAmountWithSignOrSeparatorsIsStoredNormalisedAndUnsigned) {
    const struct {
        const char* pasted;
        const char* stored;
    } cases[] = {{"1.234,56", "0,00"}, {"-80", "80,00"}, {"12,3,4", "0,00"}, {"dieci", "0,00"}};
    for (const auto& k : cases) {
        button("cmdNuovo")->click();
        fillValid();
        line("txtImporto")->setText(QString::fromUtf8(k.pasted));
        button("cmdSalva")->click();
        const MovementRecord r = MovementFile(path).read(label("lblPosizione")->text().toLongLong()).value();
        EXPECT_EQ(r.text(mov::Importo), QString::fromUtf8(k.stored)) << k.pasted;
        EXPECT_EQ(r.text(mov::ImportoSegnato), QStringLiteral("+") + QString::fromUtf8(k.stored)) << k.pasted;
    }
}

TEST_F(Card, LongAndForeignTextsAreCutAndReplacedOnSave) {
    fillValid();
    // Pasted text is not limited by typing; it is cut to the record.
    line("txtPagamento")->setText(QString(300, u'p'));
    line("txtPromemoria")->insert(QString(400, u'm'));
    line("txtNote")->setText(QStringLiteral("\u4E2D\u6587 \u00E8 \u20AC \u0141"));
    label("lblDesc01")->setText(QString(600, u'd'));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kInserted);
    const QByteArray bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3414);
    const MovementRecord r(bytes);
    EXPECT_EQ(r.text(mov::Pagamento), QString(250, u'p'));
    EXPECT_EQ(r.text(mov::Promemoria), QString(250, u'm'));
    EXPECT_EQ(r.text(mov::Desc01), QString(250, u'd'));
    EXPECT_EQ(bytes.mid(1404, 8), QByteArray("?? \xE8 \x80 ?"));
    EXPECT_EQ(r.text(mov::Beneficiario), QStringLiteral("Bianchi"));
}

TEST_F(Card, EmptyYearNavigationSaysSoAndCreatesTheFile) {
    label("lblPosizione")->setText(QStringLiteral("4"));
    for (const char* name : {"cmdPrimo", "cmdUltimo", "cmdIndietro"}) {
        button(name)->click();
        EXPECT_EQ(lastText(), kEmpty) << name;
        EXPECT_EQ(shown().back().kind, MessageKind::Information);
        EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("4")) << name;
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    button("cmdAvanti")->click();
    EXPECT_EQ(lastText(), kEmpty);
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_EQ(shown().size(), 4u);
}

TEST_F(Card, NavigationStepsThroughTheFileAndStopsSilentlyAtTheEnds) {
    storeRecords(5);
    button("cmdIndietro")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdNuovo")->click();
    button("cmdAvanti")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Scheda 1"));
    button("cmdIndietro")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("1"));
    button("cmdUltimo")->click();
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Scheda 5"));
    button("cmdAvanti")->click();
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("5"));
    button("cmdIndietro")->click();
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Scheda 4"));
    EXPECT_EQ(line("txtTotale")->text(), QStringLiteral("-4,00"));
    EXPECT_TRUE(button("optUscita")->isChecked());
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in uscita: \u20AC"));
    button("cmdPrimo")->click();
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Scheda 1"));
    EXPECT_TRUE(button("optEntrata")->isChecked());
    EXPECT_TRUE(shown().empty());
}

TEST_F(Card, LoadingFillsEveryControlAndKeepsControlsOfUnreadableFlags) {
    MovementRecord r;
    const QStringList names{"txtData",      "txtCausale",     "txtPromemoria", "txtDataSca",   "txtPreavviso",
                            "txtImporto",   "txtTotale",      "txtPagatore",   "txtRecapitoPag", "txtCodFisc",
                            "txtPartitaIva", "txtCategoria",  "txtEmail",      "txtPagamento", "txtBeneficiario",
                            "txtRecapitoBen", "txtRicevuta",  "txtNote",       "txtTariffa"};
    const QList<mov::Field> fields{mov::Data,     mov::Causale,     mov::Promemoria, mov::DataSca,
                                   mov::Preavviso, mov::Importo,    mov::ImportoSegnato, mov::Pagatore,
                                   mov::RecapitoPag, mov::CodFisc,  mov::PartitaIva, mov::Categoria,
                                   mov::Email,    mov::Pagamento,   mov::Beneficiario, mov::RecapitoBen,
                                   mov::Ricevuta, mov::Note,        mov::Tariffa};
    for (qsizetype i = 0; i < fields.size(); ++i) r.setText(fields[i], QStringLiteral(" v%1 ").arg(i));
    const QStringList labels{"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};
    const QList<mov::Field> attachments{mov::File01, mov::File02, mov::File03, mov::Desc01, mov::Desc02, mov::Desc03};
    for (qsizetype i = 0; i < attachments.size(); ++i) r.setText(attachments[i], QStringLiteral("s%1").arg(i));
    r.setText(mov::Entrata, QStringLiteral("si"));
    r.setText(mov::Uscita, QStringLiteral("SI"));
    r.setText(mov::Saldato, QStringLiteral("S"));
    button("optUscita")->click();
    find<QCheckBox>("chkSaldato")->setChecked(true);

    card.loadRecord(r, 42);
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_EQ(line(names[i].toLatin1().constData())->text(), QStringLiteral("v%1").arg(i)) << names[i].toStdString();
    for (qsizetype i = 0; i < labels.size(); ++i)
        EXPECT_EQ(label(labels[i].toLatin1().constData())->text(), QStringLiteral("s%1").arg(i));
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("42"));
    EXPECT_TRUE(button("optUscita")->isChecked());
    EXPECT_TRUE(button("chkSaldato")->isChecked());
    EXPECT_EQ(label("lblImporto")->text(), QStringLiteral("Importo in uscita: \u20AC"));

    r.setFlag(mov::Entrata, true);
    r.setFlag(mov::Uscita, false);
    r.setFlag(mov::Saldato, false);
    card.loadRecord(r, 1);
    EXPECT_TRUE(button("optEntrata")->isChecked());
    EXPECT_FALSE(button("chkSaldato")->isChecked());
    EXPECT_EQ(label("lblImporto")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(Card, DuplicateNeedsAStoredCardThenKeepsItAsANewOne) {
    button("cmdDuplica")->click();
    EXPECT_EQ(lastText(), QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che "
                                         "questa \u00E8 stata inserita in archivio."));
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);

    storeRecords(2);
    button("cmdUltimo")->click();
    fillValid(QStringLiteral("Da copiare"));
    line("txtData")->setText(QStringLiteral("01/02/2026"));
    line("txtImporto")->setText(QStringLiteral("70,00"));
    find<QCheckBox>("chkSaldato")->setChecked(true);
    label("lblFile01")->setText(QStringLiteral("a.pdf"));
    label("lblDesc03")->setText(QStringLiteral("d"));
    button("cmdSalva")->click();
    const QByteArray before = fileBytes();

    line("txtNote")->setFocus();
    button("cmdDuplica")->click();
    EXPECT_EQ(lastText(), QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                         "Al termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(shown().back().kind, MessageKind::Information);
    EXPECT_EQ(focused(), QStringLiteral("txtCausale"));
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Da copiare"));
    EXPECT_EQ(line("txtImporto")->text(), QStringLiteral("70,00"));
    EXPECT_EQ(line("txtPagatore")->text(), QStringLiteral("Rossi"));
    EXPECT_TRUE(button("optUscita")->isChecked());
    EXPECT_EQ(line("txtData")->text(), QStringLiteral("09/12/2026"));
    EXPECT_EQ(line("txtDataSca")->text(), QString());
    EXPECT_FALSE(button("chkSaldato")->isChecked());
    EXPECT_EQ(label("lblFile01")->text(), QString());
    EXPECT_EQ(label("lblDesc03")->text(), QString());
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_EQ(fileBytes(), before);

    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kNeeds + QStringLiteral("la data di scadenza del pagamento."));
    line("txtDataSca")->setText(QStringLiteral("10/01/2027"));
    button("cmdSalva")->click();
    EXPECT_EQ(lastText(), kInserted);
    EXPECT_EQ(label("lblPosizione")->text(), QStringLiteral("3"));
    const QByteArray after = fileBytes();
    EXPECT_EQ(after.left(before.size()), before);
    EXPECT_EQ(MovementRecord(after.mid(2 * 3414)).text(mov::Causale), QStringLiteral("Da copiare"));
}

// The year file cannot be reached: a folder stands where the file should be.
TEST_F(Card, UnreachableYearFileIsReportedAndTheCardKeepsItsContents) {
    ASSERT_TRUE(QDir().mkpath(path));
    fillValid();
    label("lblPosizione")->setText(QStringLiteral("2"));
    const struct {
        QString causale, posizione;
    } before{line("txtCausale")->text(), label("lblPosizione")->text()};
    for (const char* name : {"cmdSalva", "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
        shown().clear();
        button(name)->click();
        ASSERT_EQ(shown().size(), 1u) << name;
        EXPECT_EQ(shown().back().kind, MessageKind::Error) << name;
        EXPECT_EQ(lastText(), kAccess) << name;
        EXPECT_EQ(line("txtCausale")->text(), before.causale) << name;
        EXPECT_EQ(label("lblPosizione")->text(), before.posizione) << name;
    }
    shown().clear();
    button("cmdDuplica")->click();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(lastText(), kAccess);
    // The duplication itself stands.
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_EQ(line("txtCausale")->text(), before.causale);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(Card, FailingWriteLeavesTheFileAndTheCardAsTheyWere) {
    storeRecords(1);
    const QByteArray before = fileBytes();
    fillValid();
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Write; });
    button("cmdSalva")->click();
    EXPECT_EQ(shown().back().kind, MessageKind::Error);
    EXPECT_EQ(lastText(), kAccess);
    EXPECT_EQ(label("lblPosizione")->text(), QString());
    EXPECT_EQ(line("txtCausale")->text(), QStringLiteral("Affitto"));
    setIoFaultHook(nullptr);
    EXPECT_EQ(fileBytes(), before);

    storeRecords(1);
    button("cmdPrimo")->click();
    setIoFaultHook([](IoStep step, const QString&) { return step == IoStep::Read; });
    line("txtNote")->setText(QStringLiteral("mia"));
    button("cmdAvanti")->click();
    setIoFaultHook(nullptr);
    EXPECT_EQ(lastText(), kAccess);
    EXPECT_EQ(line("txtNote")->text(), QStringLiteral("mia"));
}

TEST_F(Card, EmailButtonOpensAMailOrAsksForTheAddress) {
    button("sndEmail")->click();
    EXPECT_EQ(lastText(), QStringLiteral("Attenzione: indicare l'indirizzo e-mail del tesserato."));
    EXPECT_EQ(shown().back().kind, MessageKind::Warning);
    EXPECT_EQ(focused(), QStringLiteral("txtEmail"));
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
    line("txtEmail")->setText(QStringLiteral("  mario@example.it "));
    button("sndEmail")->click();
    EXPECT_EQ(desktop.shell().opened, QStringList{QStringLiteral("\"mailto:mario@example.it\"")});
}

TEST_F(Card, HoverShowsEachControlsHint) {
    const QString dateHint = QStringLiteral(
        "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
    const QString clientHint = QStringLiteral("Importa i dati dall'archivio anagrafico dei Clienti.");
    const struct {
        const char* name;
        QString hint;
    } hints[] = {
        {"cmdNuovo", QStringLiteral("Predispone la schermata per l'inserimento di una nuova scheda.")},
        {"cmdDuplica", QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i "
                                      "dati correnti.")},
        {"cmdSalva", QStringLiteral("Salva la scheda corrente in archivio.")},
        {"cmdTrova", QStringLiteral("Trova una scheda in archivio.")},
        {"cmdPrimo", QStringLiteral("Visualizza la prima scheda in archivio.")},
        {"cmdIndietro", QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {"cmdAvanti", QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {"cmdUltimo", QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {"cmdScadenze", QStringLiteral("Visualizza il riepilogo dei pagamenti in scadenza o scaduti e non saldati.")},
        {"cmdStampa", QStringLiteral("Stampa la scheda corrente.")},
        {"cmdEsporta", QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")},
        {"cmdFile", QStringLiteral("Allega file alla scheda corrente.")},
        {"cmdGuida", QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {"cmdEsci", QStringLiteral("Esci da questa schermata di lavoro.")},
        {"impData", QStringLiteral("Cancella la data.")},
        {"impDataSca", QStringLiteral("Cancella la data.")},
        {"impCausale", QStringLiteral("Importa i dati dall'archivio delle causali.")},
        {"impPagatore", clientHint},
        {"impBeneficiario", clientHint},
        {"chkCodFisc", QStringLiteral("Controlla il codice fiscale.")},
        {"chkIva", QStringLiteral("Controlla il numero di partita IVA.")},
        {"sndEmail", QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
        {"txtData", dateHint},
        {"txtDataSca", dateHint},
        {"optEntrata", QStringLiteral("Spunta questa casella per registrare un importo in entrata.")},
        {"optUscita", QStringLiteral("Spunta questa casella per registrare un importo in uscita.")},
        {"chkSaldato", QStringLiteral("Spunta questa casella per indicare che il pagamento \u00E8 stato saldato.")},
    };
    QLabel* info = label("panInfo");
    EXPECT_EQ(info->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    for (const auto& h : hints) {
        QWidget* w = card.findChild<QWidget*>(QLatin1String(h.name));
        ASSERT_NE(w, nullptr) << h.name;
        QTest::mouseMove(w, QPoint(3, 3));
        EXPECT_EQ(info->text(), h.hint) << h.name;
        QTest::mouseMove(card.findChild<QWidget*>(QStringLiteral("grpMovimento")), QPoint(2, 200));
        EXPECT_EQ(info->text(), QString()) << h.name;
    }
}

TEST_F(Card, ExitShowsTheMainMenu) {
    button("cmdEsci")->click();
    EXPECT_FALSE(card.isVisible());
    EXPECT_TRUE(menu.isVisible());
}

TEST_F(Card, ToolButtonsOpenTheirWindows) {
    const struct {
        const char* button;
        const char* window;
    } cases[] = {{"cmdTrova", "TfrmTrovaMovimenti"},   {"cmdScadenze", "TfrmSospesiMov"},
                 {"cmdStampa", "TfrmStampaMovimento"}, {"cmdEsporta", "TfrmExpMovimenti"},
                 {"cmdFile", "TfrmAllegaCartella"}};
    for (const auto& c : cases) {
        desktop.dialogs().scripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
        button(c.button)->click();
        ASSERT_FALSE(desktop.dialogs().opened.isEmpty()) << c.button;
        EXPECT_EQ(desktop.dialogs().opened.last(), QLatin1String(c.window)) << c.button;
    }
    EXPECT_EQ(desktop.dialogs().opened.size(), 5);
}

TEST_F(Card, PayerAndBeneficiaryImportsOpenTheRegistryPicker) {
    for (const char* name : {"impPagatore", "impBeneficiario"}) {
        desktop.dialogs().scripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
        button(name)->click();
    }
    EXPECT_EQ(desktop.dialogs().opened, (QStringList{"TfrmTrovaClienti", "TfrmTrovaClienti"}));
}

TEST_F(Card, HelpOpensTheRegistersPage) {
    QString title;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        if (auto* l = d.findChild<QLabel*>(QStringLiteral("lblTitolo"))) title = l->text();
        return int(QDialog::Rejected);
    });
    button("cmdGuida")->click();
    EXPECT_EQ(desktop.dialogs().opened, QStringList{"TfrmGuida"});
    EXPECT_EQ(title, QStringLiteral("Applicazione Registro Movimenti."));
}

TEST_F(Card, CheckButtonsOpenTheirCheckWithTheTrimmedField) {
    const struct {
        const char* button;
        const char* field;
        const char* text;
        const char* window;
        const char* windowField;
    } cases[] = {
        {"chkCodFisc", "txtCodFisc", " RSSMRA80A01 ", "TfrmCodFisc", "txtCodFisc"},
        {"chkCodFisc", "txtCodFisc", "12345678901", "TfrmPartitaIva", "txtPartitaIva"},
        {"chkCodFisc", "txtCodFisc", "", "TfrmCodFisc", "txtCodFisc"},
        {"chkIva", "txtPartitaIva", "01234567890", "TfrmPartitaIva", "txtPartitaIva"},
    };
    for (const auto& k : cases) {
        line(k.field)->setText(QString::fromLatin1(k.text));
        QString seen;
        QString window;
        desktop.dialogs().scripts.push_back([&](QDialog& d) {
            window = QString::fromLatin1(d.metaObject()->className());
            if (auto* f = d.findChild<QLineEdit*>(QLatin1String(k.windowField))) seen = f->text();
            return int(QDialog::Rejected);
        });
        button(k.button)->click();
        EXPECT_EQ(window, QString::fromLatin1(k.window)) << k.text;
        EXPECT_EQ(seen, QString::fromLatin1(k.text).trimmed()) << k.text;
    }
    EXPECT_TRUE(shown().empty());
}

}  // namespace
}  // namespace vt

#include "clients/Clienti.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QSignalBlocker>

#include "app/Guida.h"
#include "app/OpenURL.h"
#include "app/cardactions.h"
#include "app/cardfields.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "checks/checkwindows.h"
#include "clients/ExpClienti.h"
#include "clients/Ricontatta.h"
#include "clients/SchedaCliente.h"
#include "clients/TrovaClienti.h"
#include "clients/logic/helppages.h"
#include "movements/AllegaCartella.h"
#include "movements/Movimenti.h"
#include "ui_Clienti.h"

using namespace vt::clients;

namespace {

// Keeps a field in the form `rule` gives it after every change.
void keepAs(QLineEdit* field, QString (*rule)(const QString&)) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field, rule](const QString& text) {
        vt::replaceKeepingCaret(field, rule(text));
    });
}

// A province drop-down shows no code as picked, whatever it holds.
void unselectKeepingText(QComboBox* province) {
    const QString text = province->currentText();
    const QSignalBlocker blocker(province);
    province->setCurrentIndex(-1);
    province->setEditText(text);
}

}  // namespace

TfrmClienti::TfrmClienti(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmClienti>()) {
    ui->setupUi(this);
    const struct {
        QToolButton* button;
        const char* picture;
    } pictures[] = {
        {ui->cmdNuovo, "nuovo"},
        {ui->cmdDuplica, "duplica"},
        {ui->cmdSalva, "salva"},
        {ui->cmdTrova, "trova"},
        {ui->cmdPrimo, "primo"},
        {ui->cmdIndietro, "indietro"},
        {ui->cmdAvanti, "avanti"},
        {ui->cmdUltimo, "ultimo"},
        {ui->cmdAnteprima, "anteprima"},
        {ui->cmdStampa, "stampa"},
        {ui->cmdPDF, "pdf"},
        {ui->cmdRicontatta, "ricontatta"},
        {ui->cmdEsporta, "esporta"},
        {ui->cmdFile, "file"},
        {ui->cmdGuida, "guida"},
        {ui->cmdEsci, "esci"},
        {ui->btnCodFisc, "controlla"},
        {ui->btnPartitaIva, "controlla"},
        {ui->btnCarta, "controlla"},
        {ui->btnIban, "controlla"},
        {ui->btnEmail, "email"},
    };
    for (const auto& p : pictures) p.button->setIcon(vt::icon(QLatin1String(p.picture)));

    // Each field takes as many characters as its record field holds; the
    // provinces take any text and the record keeps its first two.
    QList<QWidget*> chain;
    for (int i = 0; i < kTypedFields; ++i) {
        const Binding& b = bindings()[static_cast<std::size_t>(i)];
        QWidget* w = control(b.control);
        chain.append(w);
        if (auto* field = qobject_cast<QLineEdit*>(w))
            field->setMaxLength(vt::ClientRecord::fieldSpec(b.field).capacity);
    }
    for (QComboBox* province : provinces()) {
        province->addItems(provinceCodes());
        unselectKeepingText(province);
        province->setEditText(QString());
        province->installEventFilter(this);
        connect(province, &QComboBox::editTextChanged, province, [province](const QString& text) {
            vt::replaceKeepingCaret(province->lineEdit(), codeText(text));
        });
        // What is typed stays as typed: no code of the list completes it.
        province->setCompleter(nullptr);
    }

    vt::installFocusHighlights(this);
    vt::installHoverHints(this, ui->panInfo);
    vt::installEnterChain(chain);
    // The limits bind the user; the program's own texts (a normalised
    // amount, a picked value) show whole.
    vt::installTypingLimits(this);
    vt::installDigitFilter(ui->txtCarta, vt::PasteRule::Unfiltered);
    vt::installDigitFilter(ui->txtPartitaIva, vt::PasteRule::Unfiltered);
    keepAs(ui->txtSesso, upperText);
    // A fiscal code follows the same rule on every card.
    keepAs(ui->txtCodFisc, vt::card::fiscalCodeAfterKey);
    keepAs(ui->txtIban, codeText);
    keepAs(ui->txtEmail, emailText);
    ui->txtEmail->installEventFilter(this);
    // The postal code follows the keyboard: what a key typed is upper-cased
    // when the key comes up.
    vt::installAfterKeyRelease(ui->txtCapRes, upperText);

    connect(ui->cmdNuovo, &QToolButton::clicked, this, &TfrmClienti::cmdNuovoClick);
    connect(ui->cmdDuplica, &QToolButton::clicked, this, &TfrmClienti::cmdDuplicaClick);
    connect(ui->cmdSalva, &QToolButton::clicked, this, &TfrmClienti::cmdSalvaClick);
    connect(ui->cmdTrova, &QToolButton::clicked, this, &TfrmClienti::cmdTrovaClick);
    connect(ui->cmdPrimo, &QToolButton::clicked, this, &TfrmClienti::cmdPrimoClick);
    connect(ui->cmdIndietro, &QToolButton::clicked, this, &TfrmClienti::cmdIndietroClick);
    connect(ui->cmdAvanti, &QToolButton::clicked, this, &TfrmClienti::cmdAvantiClick);
    connect(ui->cmdUltimo, &QToolButton::clicked, this, &TfrmClienti::cmdUltimoClick);
    connect(ui->cmdAnteprima, &QToolButton::clicked, this, &TfrmClienti::cmdAnteprimaClick);
    connect(ui->cmdStampa, &QToolButton::clicked, this, &TfrmClienti::cmdStampaClick);
    connect(ui->cmdPDF, &QToolButton::clicked, this, &TfrmClienti::cmdPDFClick);
    connect(ui->cmdRicontatta, &QToolButton::clicked, this, &TfrmClienti::cmdRicontattaClick);
    connect(ui->cmdEsporta, &QToolButton::clicked, this, &TfrmClienti::cmdEsportaClick);
    connect(ui->cmdFile, &QToolButton::clicked, this, &TfrmClienti::cmdFileClick);
    connect(ui->cmdGuida, &QToolButton::clicked, this, &TfrmClienti::cmdGuidaClick);
    connect(ui->cmdEsci, &QToolButton::clicked, this, &TfrmClienti::cmdEsciClick);
    connect(ui->btnCodFisc, &QToolButton::clicked, this, &TfrmClienti::btnCodFiscClick);
    connect(ui->btnPartitaIva, &QToolButton::clicked, this, &TfrmClienti::btnPartitaIvaClick);
    connect(ui->btnCarta, &QToolButton::clicked, this, &TfrmClienti::btnCartaClick);
    connect(ui->btnIban, &QToolButton::clicked, this, &TfrmClienti::btnIbanClick);
    connect(ui->btnEmail, &QToolButton::clicked, this, &TfrmClienti::btnEmailClick);
}

TfrmClienti::~TfrmClienti() = default;

QWidget* TfrmClienti::control(const char* name) const {
    return findChild<QWidget*>(QLatin1String(name));
}

QList<QComboBox*> TfrmClienti::provinces() const {
    return {ui->txtProvNasc, ui->txtProvRes};
}

// ---- The card and its plain copy -------------------------------------------

CardTexts TfrmClienti::cardTexts() const {
    CardTexts c;
    for (const Binding& b : bindings()) {
        QWidget* w = control(b.control);
        if (auto* field = qobject_cast<QLineEdit*>(w))
            c.*b.member = field->text();
        else if (auto* province = qobject_cast<QComboBox*>(w))
            c.*b.member = province->currentText();
        else if (auto* label = qobject_cast<QLabel*>(w))
            c.*b.member = label->text();
    }
    c.posizione = ui->lblPosizione->text();
    c.ricontatta = ui->chkRicontatta->isChecked();
    return c;
}

void TfrmClienti::setCardTexts(const CardTexts& c) {
    for (const Binding& b : bindings()) {
        QWidget* w = control(b.control);
        if (auto* field = qobject_cast<QLineEdit*>(w))
            field->setText(c.*b.member);
        else if (auto* province = qobject_cast<QComboBox*>(w))
            province->setEditText(c.*b.member);
        else if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(c.*b.member);
    }
    ui->lblPosizione->setText(c.posizione);
    ui->chkRicontatta->setChecked(c.ricontatta);
}

void TfrmClienti::loadRecord(const vt::ClientRecord& record, qint64 position) {
    CardTexts c = cardTexts();
    decode(record, position, c);
    setCardTexts(c);
}

void TfrmClienti::clearCard() {
    setCardTexts(clearedCard());
    for (QComboBox* province : provinces()) unselectKeepingText(province);
    ui->txtCliente->setFocus(Qt::OtherFocusReason);
}

void TfrmClienti::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    // Opening the registry always starts on a new card; a window coming
    // back from the task bar keeps what it shows.
    if (!event->spontaneous()) clearCard();
}

// ---- Typing rules that need more than a change of text ----------------------

bool TfrmClienti::eventFilter(QObject* watched, QEvent* event) {
    if (auto* province = qobject_cast<QComboBox*>(watched)) {
        if (event->type() == QEvent::FocusIn) unselectKeepingText(province);
        if (event->type() == QEvent::FocusOut)
            vt::replaceKeepingCaret(province->lineEdit(), codeText(province->currentText()));
        return false;
    }
    if (watched == ui->txtEmail && event->type() == QEvent::FocusOut)
        vt::replaceKeepingCaret(ui->txtEmail, emailText(ui->txtEmail->text()));
    return false;
}

// ---- Commands --------------------------------------------------------------

void TfrmClienti::cmdNuovoClick() {
    clearCard();
}

void TfrmClienti::cmdSalvaClick() {
    const CardTexts card = cardTexts();
    if (const auto failed = firstFailingCheck(card)) {
        vt::warning(this, *failed);
        ui->txtCliente->setFocus(Qt::OtherFocusReason);
        return;
    }
    vt::card::save(this, vt::ClientFile(vt::clientiFilePath()).raw(), encode(card).bytes(),
                   ui->lblPosizione);
}

void TfrmClienti::cmdDuplicaClick() {
    CardTexts card = cardTexts();
    if (!duplicate(card)) {
        vt::warning(this, vt::card::kDuplicateNeedsStoredCard);
        return;
    }
    setCardTexts(card);
    if (!vt::card::reachable(this, vt::ClientFile(vt::clientiFilePath()).raw(),
                             vt::MessageKind::Error))
        return;
    ui->txtCliente->setFocus(Qt::OtherFocusReason);
    vt::information(this, vt::card::duplicatedMessage());
}

void TfrmClienti::navigate(vt::card::Move move) {
    vt::card::browse(this, vt::ClientFile(vt::clientiFilePath()).raw(), move, ui->lblPosizione,
                     [this](QByteArray bytes, qint64 position) {
                         loadRecord(vt::ClientRecord(std::move(bytes)), position);
                     });
}

void TfrmClienti::cmdPrimoClick() {
    navigate(vt::card::Move::First);
}
void TfrmClienti::cmdIndietroClick() {
    navigate(vt::card::Move::Previous);
}
void TfrmClienti::cmdAvantiClick() {
    navigate(vt::card::Move::Next);
}
void TfrmClienti::cmdUltimoClick() {
    navigate(vt::card::Move::Last);
}

void TfrmClienti::cmdFileClick() {
    TfrmAllegaCartella::openFor(this, QStringLiteral("clienti"));
}

void TfrmClienti::cmdGuidaClick() {
    vt::showHelp(this, vt::clientsCardHelpPage());
}

void TfrmClienti::cmdEsciClick() {
    close();
}

// ---- Check buttons and e-mail ------------------------------------------------

void TfrmClienti::btnCodFiscClick() {
    vt::openFiscalCodeCheck(this, vt::trimmed(ui->txtCodFisc->text()));
}
void TfrmClienti::btnPartitaIvaClick() {
    vt::openVatNumberCheck(this, vt::trimmed(ui->txtPartitaIva->text()));
}
void TfrmClienti::btnCartaClick() {
    vt::openCardCheck(this, vt::trimmed(ui->txtCarta->text()));
}
void TfrmClienti::btnIbanClick() {
    vt::openIbanCheck(this, vt::trimmed(ui->txtIban->text()));
}
void TfrmClienti::btnEmailClick() {
    TMisc::Open(mailTarget(ui->txtEmail->text()));
}

// ---- The registry's lists, printing and export ------------------------------

void TfrmClienti::cmdTrovaClick() {
    // A card picked there is loaded here with its position.
    vt::openDialog<TfrmTrovaClienti>(
        this, [](TfrmTrovaClienti& d) { d.setMemory(QStringLiteral("clienti")); });
}

// The sheet is filled from the controls: what is printed is what is on
// screen, saved or not.
void TfrmClienti::cmdAnteprimaClick() {
    vt::clients::previewCard(this);
}
void TfrmClienti::cmdStampaClick() {
    vt::clients::printCard(this);
}
void TfrmClienti::cmdPDFClick() {
    vt::clients::pdfCard(this);
}

void TfrmClienti::cmdRicontattaClick() {
    vt::openDialog<TfrmRicontatta>(this);
}

void TfrmClienti::cmdEsportaClick() {
    vt::openDialog<TfrmExpClienti>(this);
}

#include "movements/Movimenti.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "app/Guida.h"
#include "app/OpenURL.h"
#include "app/base/services.h"
#include "app/cardactions.h"
#include "app/cardfields.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "archive/texts.h"
#include "causali/TrovaCausali.h"
#include "causali/logic/card.h"
#include "checks/checkwindows.h"
#include "clients/TrovaClienti.h"
#include "movements/AllegaCartella.h"
#include "movements/Calendario.h"
#include "movements/ExpMovimenti.h"
#include "movements/SospesiMov.h"
#include "movements/StampaMovimento.h"
#include "movements/TrovaMovimenti.h"
#include "movements/logic/helppages.h"
#include "movements/logic/searchmovements.h"
#include "ui_Movimenti.h"

using namespace vt::card;

namespace {
// The record holds 250 characters of payment method; the keyboard may
// bring in 150.
constexpr int kPaymentTypingLimit = 150;
}  // namespace

TfrmMovimenti::TfrmMovimenti(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMovimenti>()) {
    ui->setupUi(this);
    const struct {
        QToolButton* button;
        const char* picture;
    } pictures[] = {
        {ui->cmdNuovo, "nuovo"},          {ui->cmdDuplica, "duplica"},
        {ui->cmdSalva, "salva"},          {ui->cmdTrova, "trova"},
        {ui->cmdPrimo, "primo"},          {ui->cmdIndietro, "indietro"},
        {ui->cmdAvanti, "avanti"},        {ui->cmdUltimo, "ultimo"},
        {ui->cmdScadenze, "scadenze"},    {ui->cmdStampa, "stampa"},
        {ui->cmdEsporta, "esporta"},      {ui->cmdFile, "file"},
        {ui->cmdGuida, "guida"},          {ui->cmdEsci, "esci"},
        {ui->impData, "cancella"},        {ui->impDataSca, "cancella"},
        {ui->impCausale, "importa"},      {ui->impPagatore, "importa"},
        {ui->impBeneficiario, "importa"}, {ui->chkCodFisc, "controlla"},
        {ui->chkIva, "controlla"},        {ui->sndEmail, "email"},
    };
    for (const auto& p : pictures) p.button->setIcon(vt::icon(QLatin1String(p.picture)));

    vt::installFocusHighlights(this);
    vt::installHoverHints(this, ui->panInfo);

    // Enter moves along the card; in the date fields it opens the picker.
    const QList<QWidget*> chain{ui->txtCausale,      ui->txtPromemoria,  ui->txtDataSca,
                                ui->txtPreavviso,    ui->txtImporto,     ui->txtPagatore,
                                ui->txtRecapitoPag,  ui->txtCodFisc,     ui->txtPartitaIva,
                                ui->txtCategoria,    ui->txtEmail,       ui->txtPagamento,
                                ui->txtBeneficiario, ui->txtRecapitoBen, ui->txtRicevuta,
                                ui->txtNote,         ui->txtTariffa,     ui->txtData};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        if (chain[i] != ui->txtDataSca) vt::installEnterMovesTo(chain[i], chain[i + 1]);
    // The limits bind the user; the program's own texts (a normalised
    // amount, a picked value) show whole.
    vt::installTypingLimits(this);
    vt::installDigitFilter(ui->txtPreavviso);
    vt::installDigitFilter(ui->txtPartitaIva, vt::PasteRule::Unfiltered);
    vt::installAmountFilter(ui->txtImporto);
    // The record holds more than may be typed here: a picker may bring up
    // to the record's capacity, the keyboard only kPaymentTypingLimit.
    vt::installTypingLimit(ui->txtPagamento, kPaymentTypingLimit);
    vt::installAfterKeyRelease(ui->txtCodFisc, fiscalCodeAfterKey);
    vt::installAfterKeyRelease(ui->txtEmail, emailAfterKey);
    vt::installOnLeave(ui->txtImporto, [this] { txtImportoExit(); });
    ui->txtData->installEventFilter(this);
    ui->txtDataSca->installEventFilter(this);

    connect(ui->cmdNuovo, &QToolButton::clicked, this, &TfrmMovimenti::cmdNuovoClick);
    connect(ui->cmdDuplica, &QToolButton::clicked, this, &TfrmMovimenti::cmdDuplicaClick);
    connect(ui->cmdSalva, &QToolButton::clicked, this, &TfrmMovimenti::cmdSalvaClick);
    connect(ui->cmdTrova, &QToolButton::clicked, this, &TfrmMovimenti::cmdTrovaClick);
    connect(ui->cmdPrimo, &QToolButton::clicked, this, &TfrmMovimenti::cmdPrimoClick);
    connect(ui->cmdIndietro, &QToolButton::clicked, this, &TfrmMovimenti::cmdIndietroClick);
    connect(ui->cmdAvanti, &QToolButton::clicked, this, &TfrmMovimenti::cmdAvantiClick);
    connect(ui->cmdUltimo, &QToolButton::clicked, this, &TfrmMovimenti::cmdUltimoClick);
    connect(ui->cmdScadenze, &QToolButton::clicked, this, &TfrmMovimenti::cmdScadenzeClick);
    connect(ui->cmdStampa, &QToolButton::clicked, this, &TfrmMovimenti::cmdStampaClick);
    connect(ui->cmdEsporta, &QToolButton::clicked, this, &TfrmMovimenti::cmdEsportaClick);
    connect(ui->cmdFile, &QToolButton::clicked, this, &TfrmMovimenti::cmdFileClick);
    connect(ui->cmdGuida, &QToolButton::clicked, this, &TfrmMovimenti::cmdGuidaClick);
    connect(ui->cmdEsci, &QToolButton::clicked, this, &TfrmMovimenti::cmdEsciClick);
    connect(ui->btnCents, &QPushButton::clicked, this, &TfrmMovimenti::btnCentsClick);
    connect(ui->optEntrata, &QRadioButton::clicked, this, &TfrmMovimenti::optEntrataClick);
    connect(ui->optUscita, &QRadioButton::clicked, this, &TfrmMovimenti::optUscitaClick);
    connect(ui->impData, &QToolButton::clicked, this, &TfrmMovimenti::impDataClick);
    connect(ui->impDataSca, &QToolButton::clicked, this, &TfrmMovimenti::impDataScaClick);
    connect(ui->impCausale, &QToolButton::clicked, this, &TfrmMovimenti::impCausaleClick);
    connect(ui->impPagatore, &QToolButton::clicked, this, &TfrmMovimenti::impPagatoreClick);
    connect(ui->impBeneficiario, &QToolButton::clicked, this, &TfrmMovimenti::impBeneficiarioClick);
    connect(ui->chkCodFisc, &QToolButton::clicked, this, &TfrmMovimenti::chkCodFiscClick);
    connect(ui->chkIva, &QToolButton::clicked, this, &TfrmMovimenti::chkIvaClick);
    connect(ui->sndEmail, &QToolButton::clicked, this, &TfrmMovimenti::sndEmailClick);

    // The header repeats the year that the caption names.
    connect(this, &QWidget::windowTitleChanged, this, [this](const QString& caption) {
        const qsizetype at = caption.lastIndexOf(QStringLiteral(" anno "));
        ui->lblTitolo->setText(
            at < 0 ? QStringLiteral("Registro\nmovimenti")
                   : QStringLiteral("<span style=\"font-size:10pt; font-weight:normal\">Registro "
                                    "movimenti</span><br>Anno ") +
                         caption.mid(at + 6).toHtmlEscaped());
    });
    showDirection(true);
}

TfrmMovimenti::~TfrmMovimenti() = default;

// ---- The card and its plain copy -------------------------------------------

CardTexts TfrmMovimenti::cardTexts() const {
    CardTexts c;
    c.data = ui->txtData->text();
    c.causale = ui->txtCausale->text();
    c.promemoria = ui->txtPromemoria->text();
    c.dataSca = ui->txtDataSca->text();
    c.preavviso = ui->txtPreavviso->text();
    c.importo = ui->txtImporto->text();
    c.totale = ui->txtTotale->text();
    c.pagatore = ui->txtPagatore->text();
    c.recapitoPag = ui->txtRecapitoPag->text();
    c.codFisc = ui->txtCodFisc->text();
    c.partitaIva = ui->txtPartitaIva->text();
    c.categoria = ui->txtCategoria->text();
    c.email = ui->txtEmail->text();
    c.pagamento = ui->txtPagamento->text();
    c.beneficiario = ui->txtBeneficiario->text();
    c.recapitoBen = ui->txtRecapitoBen->text();
    c.ricevuta = ui->txtRicevuta->text();
    c.note = ui->txtNote->text();
    c.tariffa = ui->txtTariffa->text();
    c.file01 = ui->lblFile01->text();
    c.file02 = ui->lblFile02->text();
    c.file03 = ui->lblFile03->text();
    c.desc01 = ui->lblDesc01->text();
    c.desc02 = ui->lblDesc02->text();
    c.desc03 = ui->lblDesc03->text();
    c.posizione = ui->lblPosizione->text();
    c.incoming = ui->optEntrata->isChecked();
    c.saldato = ui->chkSaldato->isChecked();
    return c;
}

void TfrmMovimenti::setCardTexts(const CardTexts& c) {
    ui->txtData->setText(c.data);
    ui->txtCausale->setText(c.causale);
    ui->txtPromemoria->setText(c.promemoria);
    ui->txtDataSca->setText(c.dataSca);
    ui->txtPreavviso->setText(c.preavviso);
    ui->txtImporto->setText(c.importo);
    ui->txtTotale->setText(c.totale);
    ui->txtPagatore->setText(c.pagatore);
    ui->txtRecapitoPag->setText(c.recapitoPag);
    ui->txtCodFisc->setText(c.codFisc);
    ui->txtPartitaIva->setText(c.partitaIva);
    ui->txtCategoria->setText(c.categoria);
    ui->txtEmail->setText(c.email);
    ui->txtPagamento->setText(c.pagamento);
    ui->txtBeneficiario->setText(c.beneficiario);
    ui->txtRecapitoBen->setText(c.recapitoBen);
    ui->txtRicevuta->setText(c.ricevuta);
    ui->txtNote->setText(c.note);
    ui->txtTariffa->setText(c.tariffa);
    ui->lblFile01->setText(c.file01);
    ui->lblFile02->setText(c.file02);
    ui->lblFile03->setText(c.file03);
    ui->lblDesc01->setText(c.desc01);
    ui->lblDesc02->setText(c.desc02);
    ui->lblDesc03->setText(c.desc03);
    ui->lblPosizione->setText(c.posizione);
    (c.incoming ? ui->optEntrata : ui->optUscita)->setChecked(true);
    showDirection(c.incoming);
    ui->chkSaldato->setChecked(c.saldato);
}

QString TfrmMovimenti::yearFile() const {
    return vt::trimmed(ui->lblFile->text());
}

void TfrmMovimenti::loadListedLine(const vt::list::ListLine& line) {
    const vt::movsearch::LineMatch match = vt::movsearch::findLine(yearFile(), line);
    if (match.record) loadRecord(*match.record, match.position);
}

void TfrmMovimenti::loadRecord(const vt::MovementRecord& record, qint64 position) {
    CardTexts c = cardTexts();
    decode(record, position, c);
    setCardTexts(c);
}

void TfrmMovimenti::showDirection(bool incoming) {
    showAmountCaption(ui->lblImporto, incoming);
}

void TfrmMovimenti::clearCard() {
    setCardTexts(clearedCard(vt::today()));
    ui->txtCausale->setFocus(Qt::OtherFocusReason);
}

void TfrmMovimenti::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    // A year always starts on a new card; a window coming back from the
    // task bar keeps what it shows.
    if (!event->spontaneous()) clearCard();
}

// ---- Keys ------------------------------------------------------------------

namespace {

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock;
}
}  // namespace

bool TfrmMovimenti::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtData || watched == ui->txtDataSca) {
        if (event->type() != QEvent::KeyPress) return false;
        auto* field = static_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab still leaves the field, and a lone Shift or Ctrl opens nothing.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            isModifierOnly(key->key()))
            return false;
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            field->clear();
        else
            openDatePicker(field);
        return true;
    }
    return false;
}

void TfrmMovimenti::txtImportoExit() {
    btnCentsClick();
}

void TfrmMovimenti::btnCentsClick() {
    ui->txtImporto->setText(vt::normalizeAmount(ui->txtImporto->text()));
}

void TfrmMovimenti::openDatePicker(QLineEdit* field) {
    const QString target = field == ui->txtData ? kPickOperationDate : kPickDueDate;
    vt::openDialog<TfrmCalendario>(this, [&](TfrmCalendario& picker) { picker.setTarget(target); });
}

void TfrmMovimenti::impDataClick() {
    ui->txtData->clear();
}
void TfrmMovimenti::impDataScaClick() {
    ui->txtDataSca->clear();
}

void TfrmMovimenti::optEntrataClick() {
    showDirection(true);
}
void TfrmMovimenti::optUscitaClick() {
    showDirection(false);
}

// ---- Commands --------------------------------------------------------------

void TfrmMovimenti::cmdNuovoClick() {
    clearCard();
}

QWidget* TfrmMovimenti::fieldWidget(CheckField field) const {
    switch (field) {
        case CheckField::Causale:
            return ui->txtCausale;
        case CheckField::Data:
            return ui->txtData;
        case CheckField::DataSca:
            return ui->txtDataSca;
        case CheckField::Preavviso:
            return ui->txtPreavviso;
        case CheckField::Pagatore:
            return ui->txtPagatore;
        case CheckField::Beneficiario:
            return ui->txtBeneficiario;
    }
    return nullptr;
}

void TfrmMovimenti::cmdSalvaClick() {
    btnCentsClick();
    const CardTexts card = cardTexts();
    if (const auto failed = firstFailingCheck(card)) {
        reportCheck(this, *failed, fieldWidget(failed->field));
        return;
    }
    vt::card::save(this, vt::MovementFile(yearFile()).raw(), encode(card).bytes(),
                   ui->lblPosizione);
}

void TfrmMovimenti::cmdDuplicaClick() {
    CardTexts card = cardTexts();
    if (!duplicate(card, vt::today())) {
        vt::warning(this, kDuplicateNeedsStoredCard);
        return;
    }
    setCardTexts(card);
    // The register says so as a warning, not as an error.
    if (!reachable(this, vt::MovementFile(yearFile()).raw(), vt::MessageKind::Warning)) return;
    ui->txtCausale->setFocus(Qt::OtherFocusReason);
    vt::information(this, duplicatedMessage());
}

void TfrmMovimenti::navigate(Move move) {
    browse(this, vt::MovementFile(yearFile()).raw(), move, ui->lblPosizione,
           [this](QByteArray bytes, qint64 position) {
               loadRecord(vt::MovementRecord(std::move(bytes)), position);
           });
}

void TfrmMovimenti::cmdPrimoClick() {
    navigate(Move::First);
}
void TfrmMovimenti::cmdIndietroClick() {
    navigate(Move::Previous);
}
void TfrmMovimenti::cmdAvantiClick() {
    navigate(Move::Next);
}
void TfrmMovimenti::cmdUltimoClick() {
    navigate(Move::Last);
}

void TfrmMovimenti::cmdGuidaClick() {
    vt::showHelp(this, vt::movementsRegisterHelpPage());
}

void TfrmMovimenti::cmdEsciClick() {
    close();
}

// ---- Fields with their own buttons -------------------------------------------

void TfrmMovimenti::chkCodFiscClick() {
    vt::openFiscalCodeCheck(this, vt::trimmed(ui->txtCodFisc->text()));
}

void TfrmMovimenti::chkIvaClick() {
    vt::openVatNumberCheck(this, vt::trimmed(ui->txtPartitaIva->text()));
}

void TfrmMovimenti::sndEmailClick() {
    sendMail(this, ui->txtEmail, kEmailMissing);
}

// ---- Windows built elsewhere -------------------------------------------------

void TfrmMovimenti::impCausaleClick() {
    vt::openDialog<TfrmTrovaCausali>(this, [this](TfrmTrovaCausali& list) {
        list.setMemory(QStringLiteral("movimenti"));
        list.setMovementImport([this](const vt::CausaleRecord& causale) {
            CardTexts c = cardTexts();
            vt::causali::importInto(causale, c);
            setCardTexts(c);
        });
    });
}
void TfrmMovimenti::impPagatoreClick() {
    vt::openDialog<TfrmTrovaClienti>(
        this, [](TfrmTrovaClienti& d) { d.setMemory(QStringLiteral("movimenti_pagatore")); });
}
void TfrmMovimenti::impBeneficiarioClick() {
    vt::openDialog<TfrmTrovaClienti>(
        this, [](TfrmTrovaClienti& d) { d.setMemory(QStringLiteral("movimenti_beneficiario")); });
}
void TfrmMovimenti::cmdTrovaClick() {
    vt::openDialog<TfrmTrovaMovimenti>(
        this, [](TfrmTrovaMovimenti& d) { d.setMemory(QStringLiteral("movimenti")); });
}
void TfrmMovimenti::cmdScadenzeClick() {
    vt::openDialog<TfrmSospesiMov>(this);
}
void TfrmMovimenti::cmdStampaClick() {
    vt::openDialog<TfrmStampaMovimento>(this);
}
void TfrmMovimenti::cmdEsportaClick() {
    vt::openDialog<TfrmExpMovimenti>(this);
}
void TfrmMovimenti::cmdFileClick() {
    TfrmAllegaCartella::openFor(this, QStringLiteral("movimenti"));
}

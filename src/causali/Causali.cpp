#include "causali/Causali.h"

#include <QShowEvent>

#include "app/Guida.h"
#include "app/cardactions.h"
#include "app/cardfields.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "archive/texts.h"
#include "causali/ExpCausali.h"
#include "causali/StampaCausale.h"
#include "causali/TrovaCausali.h"
#include "causali/logic/helppages.h"
#include "causali/logic/listcausali.h"
#include "checks/checkwindows.h"
#include "clients/TrovaClienti.h"
#include "clients/logic/registrysearch.h"
#include "ui_Causali.h"

using namespace vt::causali;
using vt::card::Move;

namespace {
// The record holds 250 characters of payment method; the keyboard may
// bring in 150.
constexpr int kPaymentTypingLimit = 150;
}  // namespace

TfrmCausali::TfrmCausali(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmCausali>()) {
    ui->setupUi(this);
    const struct {
        QToolButton* button;
        const char* picture;
    } pictures[] = {
        {ui->cmdNuovo, "nuovo"},       {ui->cmdDuplica, "duplica"},
        {ui->cmdSalva, "salva"},       {ui->cmdTrova, "trova"},
        {ui->cmdPrimo, "primo"},       {ui->cmdIndietro, "indietro"},
        {ui->cmdAvanti, "avanti"},     {ui->cmdUltimo, "ultimo"},
        {ui->cmdStampa, "stampa"},     {ui->cmdEsporta, "esporta"},
        {ui->cmdGuida, "guida"},       {ui->cmdEsci, "esci"},
        {ui->impPagatore, "importa"},  {ui->impBeneficiario, "importa"},
        {ui->chkCodFisc, "controlla"}, {ui->chkIva, "controlla"},
        {ui->sndEmail, "email"},
    };
    for (const auto& p : pictures) p.button->setIcon(vt::icon(QLatin1String(p.picture)));

    vt::installFocusHighlights(this);
    vt::installHoverHints(this, ui->panInfo);
    vt::installEnterChain({ui->txtCausale, ui->txtPromemoria, ui->txtImporto, ui->txtPagatore,
                           ui->txtRecapitoPag, ui->txtCodFisc, ui->txtPartitaIva, ui->txtCategoria,
                           ui->txtEmail, ui->txtPagamento, ui->txtBeneficiario, ui->txtRecapitoBen,
                           ui->txtNote, ui->txtTariffa});
    // The limits bind the user; the program's own texts (a normalised
    // amount, a picked value) show whole.
    vt::installTypingLimits(this);
    vt::installAmountFilter(ui->txtImporto);
    vt::installDigitFilter(ui->txtPartitaIva, vt::PasteRule::Unfiltered);
    vt::installTypingLimit(ui->txtPagamento, kPaymentTypingLimit);
    vt::installAfterKeyRelease(ui->txtCodFisc, vt::card::fiscalCodeAfterKey);
    vt::installAfterKeyRelease(ui->txtEmail, vt::card::emailAfterKey);
    vt::installOnLeave(ui->txtImporto, [this] { txtImportoExit(); });

    connect(ui->cmdNuovo, &QToolButton::clicked, this, &TfrmCausali::cmdNuovoClick);
    connect(ui->cmdDuplica, &QToolButton::clicked, this, &TfrmCausali::cmdDuplicaClick);
    connect(ui->cmdSalva, &QToolButton::clicked, this, &TfrmCausali::cmdSalvaClick);
    connect(ui->cmdTrova, &QToolButton::clicked, this, &TfrmCausali::cmdTrovaClick);
    connect(ui->cmdStampa, &QToolButton::clicked, this, &TfrmCausali::cmdStampaClick);
    connect(ui->cmdEsporta, &QToolButton::clicked, this, &TfrmCausali::cmdEsportaClick);
    connect(ui->cmdPrimo, &QToolButton::clicked, this, &TfrmCausali::cmdPrimoClick);
    connect(ui->cmdIndietro, &QToolButton::clicked, this, &TfrmCausali::cmdIndietroClick);
    connect(ui->cmdAvanti, &QToolButton::clicked, this, &TfrmCausali::cmdAvantiClick);
    connect(ui->cmdUltimo, &QToolButton::clicked, this, &TfrmCausali::cmdUltimoClick);
    connect(ui->cmdGuida, &QToolButton::clicked, this, &TfrmCausali::cmdGuidaClick);
    connect(ui->cmdEsci, &QToolButton::clicked, this, &TfrmCausali::cmdEsciClick);
    connect(ui->btnCents, &QPushButton::clicked, this, &TfrmCausali::btnCentsClick);
    connect(ui->optEntrata, &QRadioButton::clicked, this, &TfrmCausali::optEntrataClick);
    connect(ui->optUscita, &QRadioButton::clicked, this, &TfrmCausali::optUscitaClick);
    connect(ui->impPagatore, &QToolButton::clicked, this, &TfrmCausali::impPagatoreClick);
    connect(ui->impBeneficiario, &QToolButton::clicked, this, &TfrmCausali::impBeneficiarioClick);
    connect(ui->chkCodFisc, &QToolButton::clicked, this, &TfrmCausali::chkCodFiscClick);
    connect(ui->chkIva, &QToolButton::clicked, this, &TfrmCausali::chkIvaClick);
    connect(ui->sndEmail, &QToolButton::clicked, this, &TfrmCausali::sndEmailClick);
    showDirection(true);
}

TfrmCausali::~TfrmCausali() = default;

// ---- The card and its plain copy -------------------------------------------

CardTexts TfrmCausali::cardTexts() const {
    CardTexts c;
    c.causale = ui->txtCausale->text();
    c.promemoria = ui->txtPromemoria->text();
    c.importo = ui->txtImporto->text();
    c.pagatore = ui->txtPagatore->text();
    c.recapitoPag = ui->txtRecapitoPag->text();
    c.codFisc = ui->txtCodFisc->text();
    c.partitaIva = ui->txtPartitaIva->text();
    c.categoria = ui->txtCategoria->text();
    c.email = ui->txtEmail->text();
    c.pagamento = ui->txtPagamento->text();
    c.beneficiario = ui->txtBeneficiario->text();
    c.recapitoBen = ui->txtRecapitoBen->text();
    c.note = ui->txtNote->text();
    c.tariffa = ui->txtTariffa->text();
    c.posizione = ui->lblPosizione->text();
    c.incoming = ui->optEntrata->isChecked();
    return c;
}

void TfrmCausali::setCardTexts(const CardTexts& c) {
    ui->txtCausale->setText(c.causale);
    ui->txtPromemoria->setText(c.promemoria);
    ui->txtImporto->setText(c.importo);
    ui->txtPagatore->setText(c.pagatore);
    ui->txtRecapitoPag->setText(c.recapitoPag);
    ui->txtCodFisc->setText(c.codFisc);
    ui->txtPartitaIva->setText(c.partitaIva);
    ui->txtCategoria->setText(c.categoria);
    ui->txtEmail->setText(c.email);
    ui->txtPagamento->setText(c.pagamento);
    ui->txtBeneficiario->setText(c.beneficiario);
    ui->txtRecapitoBen->setText(c.recapitoBen);
    ui->txtNote->setText(c.note);
    ui->txtTariffa->setText(c.tariffa);
    ui->lblPosizione->setText(c.posizione);
    (c.incoming ? ui->optEntrata : ui->optUscita)->setChecked(true);
    showDirection(c.incoming);
}

void TfrmCausali::loadRecord(const vt::CausaleRecord& record, qint64 position) {
    CardTexts c = cardTexts();
    decode(record, position, c);
    setCardTexts(c);
}

void TfrmCausali::showDirection(bool incoming) {
    vt::card::showAmountCaption(ui->lblImporto, incoming);
}

void TfrmCausali::clearCard() {
    setCardTexts(clearedCard());
    ui->txtCausale->setFocus(Qt::OtherFocusReason);
}

void TfrmCausali::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    // Opening the archive starts on a new card; a window coming back from
    // the task bar keeps what it shows.
    if (!event->spontaneous()) clearCard();
}

// ---- Fields ------------------------------------------------------------------

void TfrmCausali::txtImportoExit() {
    btnCentsClick();
}

void TfrmCausali::btnCentsClick() {
    ui->txtImporto->setText(vt::normalizeAmount(ui->txtImporto->text()));
}

void TfrmCausali::optEntrataClick() {
    showDirection(true);
}
void TfrmCausali::optUscitaClick() {
    showDirection(false);
}

// ---- Commands --------------------------------------------------------------

void TfrmCausali::cmdNuovoClick() {
    clearCard();
}

QWidget* TfrmCausali::fieldWidget(CheckField field) const {
    switch (field) {
        case CheckField::Causale:
            return ui->txtCausale;
        case CheckField::Pagatore:
            return ui->txtPagatore;
        case CheckField::Beneficiario:
            return ui->txtBeneficiario;
    }
    return nullptr;
}

void TfrmCausali::cmdSalvaClick() {
    btnCentsClick();
    const CardTexts card = cardTexts();
    if (const auto failed = firstFailingCheck(card)) {
        vt::card::reportCheck(this, *failed, fieldWidget(failed->field));
        return;
    }
    vt::card::save(this, vt::CausaliFile(vt::causaliFilePath()).raw(), encode(card).bytes(),
                   ui->lblPosizione);
}

void TfrmCausali::cmdDuplicaClick() {
    CardTexts card = cardTexts();
    if (!duplicate(card)) {
        vt::warning(this, vt::card::kDuplicateNeedsStoredCard);
        return;
    }
    setCardTexts(card);
    if (!vt::card::reachable(this, vt::CausaliFile(vt::causaliFilePath()).raw(),
                             vt::MessageKind::Warning))
        return;
    ui->txtCausale->setFocus(Qt::OtherFocusReason);
    vt::information(this, vt::card::duplicatedMessage());
}

void TfrmCausali::navigate(Move move) {
    vt::card::browse(this, vt::CausaliFile(vt::causaliFilePath()).raw(), move, ui->lblPosizione,
                     [this](QByteArray bytes, qint64 at) {
                         loadRecord(vt::CausaleRecord(std::move(bytes)), at);
                     });
}

void TfrmCausali::cmdPrimoClick() {
    navigate(Move::First);
}
void TfrmCausali::cmdIndietroClick() {
    navigate(Move::Previous);
}
void TfrmCausali::cmdAvantiClick() {
    navigate(Move::Next);
}
void TfrmCausali::cmdUltimoClick() {
    navigate(Move::Last);
}

void TfrmCausali::cmdTrovaClick() {
    vt::openDialog<TfrmTrovaCausali>(
        this, [](TfrmTrovaCausali& d) { d.setMemory(vt::causlist::kIntoCausaleCard); });
}

void TfrmCausali::cmdStampaClick() {
    vt::openDialog<TfrmStampaCausale>(this);
}

void TfrmCausali::cmdEsportaClick() {
    vt::openDialog<TfrmExpCausali>(this);
}

void TfrmCausali::cmdGuidaClick() {
    vt::showHelp(this, vt::causaliHelpPage());
}

void TfrmCausali::cmdEsciClick() {
    close();
}

// ---- Fields with their own buttons -------------------------------------------

void TfrmCausali::chkCodFiscClick() {
    vt::openFiscalCodeCheck(this, vt::trimmed(ui->txtCodFisc->text()));
}

void TfrmCausali::chkIvaClick() {
    vt::openVatNumberCheck(this, vt::trimmed(ui->txtPartitaIva->text()));
}

void TfrmCausali::sndEmailClick() {
    vt::card::sendMail(this, ui->txtEmail, kEmailMissing);
}

// The registry picker fills the payer's or the beneficiary's fields.
void TfrmCausali::impPagatoreClick() {
    vt::openDialog<TfrmTrovaClienti>(this, [](TfrmTrovaClienti& d) {
        d.setMemory(vt::clisearch::markerOf(vt::clisearch::Role::CausaliPagatore));
    });
}
void TfrmCausali::impBeneficiarioClick() {
    vt::openDialog<TfrmTrovaClienti>(this, [](TfrmTrovaClienti& d) {
        d.setMemory(vt::clisearch::markerOf(vt::clisearch::Role::CausaliBeneficiario));
    });
}

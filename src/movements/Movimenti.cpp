#include "movements/Movimenti.h"

#include "movements/AllegaCartella.h"
#include "movements/ExpMovimenti.h"
#include "movements/SospesiMov.h"
#include "movements/StampaMovimento.h"
#include "movements/TrovaMovimenti.h"
#include "movements/logic/searchmovements.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QShowEvent>

#include "app/Guida.h"
#include "app/OpenURL.h"
#include "app/base/services.h"
#include "app/conventions.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "archive/texts.h"
#include "checks/checkwindows.h"
#include "movements/Calendario.h"
#include "movements/logic/helppages.h"
#include "ui_Movimenti.h"

using namespace vt::card;

// ---- Look -----------------------------------------------------------------

namespace vt::movements {

namespace {
struct Svg {
    const char* name;
    const char* data;
};
// The card's pictures, drawn as vectors so that they stay sharp at any size.
constexpr Svg kPictures[] = {
    {"nuovo", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><path d=\"M8 4 h18 l10 10 v28 h-28 z\" fill=\"#ffffff\" stroke=\"#b7791f\" stroke-width=\"2.5\" stroke-linejoin=\"round\"/><path d=\"M26 4 v10 h10\" fill=\"#fff8e1\" stroke=\"#b7791f\" stroke-width=\"2\" stroke-linejoin=\"round\"/><line x1=\"13\" y1=\"20\" x2=\"29\" y2=\"20\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><line x1=\"13\" y1=\"26\" x2=\"29\" y2=\"26\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><line x1=\"13\" y1=\"32\" x2=\"29\" y2=\"32\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><circle cx=\"35\" cy=\"35\" r=\"10\" fill=\"#2e8b57\"/><path d=\"M35 29 v12 M29 35 h12\" stroke=\"#fff\" stroke-width=\"3.5\" stroke-linecap=\"round\"/></svg>"},
    {"duplica", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><path d=\"M4 4 h14 l10 10 v22 h-24 z\" fill=\"#ffffff\" stroke=\"#b7791f\" stroke-width=\"2.5\" stroke-linejoin=\"round\"/><path d=\"M18 4 v10 h10\" fill=\"#fff8e1\" stroke=\"#b7791f\" stroke-width=\"2\" stroke-linejoin=\"round\"/><path d=\"M18 12 h16 l10 10 v22 h-26 z\" fill=\"#ffffff\" stroke=\"#b7791f\" stroke-width=\"2.5\" stroke-linejoin=\"round\"/><path d=\"M34 12 v10 h10\" fill=\"#fff8e1\" stroke=\"#b7791f\" stroke-width=\"2\" stroke-linejoin=\"round\"/><line x1=\"22\" y1=\"28\" x2=\"36\" y2=\"28\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><line x1=\"22\" y1=\"34\" x2=\"36\" y2=\"34\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><line x1=\"22\" y1=\"40\" x2=\"36\" y2=\"40\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/></svg>"},
    {"salva", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><rect x=\"5\" y=\"5\" width=\"38\" height=\"38\" rx=\"4\" fill=\"#2f6fb0\"/><rect x=\"12\" y=\"5\" width=\"22\" height=\"14\" fill=\"#dbe8f5\"/><rect x=\"27\" y=\"8\" width=\"4\" height=\"8\" fill=\"#2f6fb0\"/><rect x=\"10\" y=\"25\" width=\"28\" height=\"18\" rx=\"1\" fill=\"#ffffff\"/><line x1=\"14\" y1=\"31\" x2=\"34\" y2=\"31\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><line x1=\"14\" y1=\"37\" x2=\"34\" y2=\"37\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/></svg>"},
    {"trova", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"20\" cy=\"20\" r=\"13\" fill=\"#e8f1fa\" stroke=\"#2f6fb0\" stroke-width=\"5\"/><path d=\"M30 30 L43 43\" stroke=\"#b7791f\" stroke-width=\"7\" stroke-linecap=\"round\"/></svg>"},
    {"primo", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"24\" r=\"20\" fill=\"#2f6fb0\"/><path d=\"M15 14 v20\" stroke=\"#fff\" stroke-width=\"4\" stroke-linecap=\"round\"/><path d=\"M33 14 L19 24 L33 34 z\" fill=\"#fff\" stroke=\"#fff\" stroke-width=\"2\" stroke-linejoin=\"round\"/></svg>"},
    {"indietro", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"24\" r=\"20\" fill=\"#2f6fb0\"/><path d=\"M30 13 L17 24 L30 35 z\" fill=\"#fff\" stroke=\"#fff\" stroke-width=\"2\" stroke-linejoin=\"round\"/></svg>"},
    {"avanti", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"24\" r=\"20\" fill=\"#2f6fb0\"/><path d=\"M18 13 L31 24 L18 35 z\" fill=\"#fff\" stroke=\"#fff\" stroke-width=\"2\" stroke-linejoin=\"round\"/></svg>"},
    {"ultimo", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"24\" r=\"20\" fill=\"#2f6fb0\"/><path d=\"M33 14 v20\" stroke=\"#fff\" stroke-width=\"4\" stroke-linecap=\"round\"/><path d=\"M15 14 L29 24 L15 34 z\" fill=\"#fff\" stroke=\"#fff\" stroke-width=\"2\" stroke-linejoin=\"round\"/></svg>"},
    {"scadenze", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"25\" r=\"19\" fill=\"#ffffff\" stroke=\"#c0392b\" stroke-width=\"4\"/><path d=\"M24 13 V25 L32 30\" fill=\"none\" stroke=\"#b7791f\" stroke-width=\"3.5\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/><path d=\"M9 9 l6 -4 M39 9 l-6 -4\" stroke=\"#c0392b\" stroke-width=\"4\" stroke-linecap=\"round\"/></svg>"},
    {"stampa", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><rect x=\"13\" y=\"4\" width=\"22\" height=\"14\" fill=\"#ffffff\" stroke=\"#b7791f\" stroke-width=\"2\"/><rect x=\"4\" y=\"16\" width=\"40\" height=\"20\" rx=\"4\" fill=\"#6b7a89\"/><rect x=\"13\" y=\"28\" width=\"22\" height=\"16\" fill=\"#ffffff\" stroke=\"#b7791f\" stroke-width=\"2\"/><line x1=\"17\" y1=\"34\" x2=\"31\" y2=\"34\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><line x1=\"17\" y1=\"40\" x2=\"31\" y2=\"40\" stroke=\"#e0c08f\" stroke-width=\"2.5\"/><circle cx=\"38\" cy=\"22\" r=\"2\" fill=\"#2e8b57\"/></svg>"},
    {"esporta", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><rect x=\"6\" y=\"5\" width=\"36\" height=\"38\" rx=\"3\" fill=\"#ffffff\" stroke=\"#2e8b57\" stroke-width=\"2.5\"/><path d=\"M6 15 h36 M6 24 h36 M6 33 h36 M18 5 v38 M30 5 v38\" stroke=\"#9cc9ae\" stroke-width=\"1.5\"/><rect x=\"2\" y=\"14\" width=\"22\" height=\"22\" rx=\"3\" fill=\"#2e8b57\"/><path d=\"M8 19 l10 12 M18 19 l-10 12\" stroke=\"#fff\" stroke-width=\"3.5\" stroke-linecap=\"round\"/></svg>"},
    {"file", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><path d=\"M30 12 v20 a7 7 0 0 1 -14 0 v-22 a5 5 0 0 1 10 0 v20 a1.5 1.5 0 0 1 -3 0 v-16\" fill=\"none\" stroke=\"#b7791f\" stroke-width=\"3.5\" stroke-linecap=\"round\" transform=\"rotate(20 24 24)\"/></svg>"},
    {"guida", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><circle cx=\"24\" cy=\"24\" r=\"21\" fill=\"#2e8b57\"/><path d=\"M17 18 A7 7 0 1 1 27 24 C24.5 25.5 24 27 24 30\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"4.5\" stroke-linecap=\"round\"/><circle cx=\"24\" cy=\"37\" r=\"3\" fill=\"#ffffff\"/></svg>"},
    {"esci", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 48 48\"><rect x=\"6\" y=\"4\" width=\"24\" height=\"40\" rx=\"3\" fill=\"#8a5a2b\"/><rect x=\"10\" y=\"8\" width=\"16\" height=\"32\" fill=\"#c48a52\"/><circle cx=\"22\" cy=\"25\" r=\"1.8\" fill=\"#5a3a1a\"/><path d=\"M28 24 L42 24\" stroke=\"#c0392b\" stroke-width=\"5\" stroke-linecap=\"round\"/><path d=\"M36 16 L44 24 L36 32\" fill=\"none\" stroke=\"#c0392b\" stroke-width=\"5\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/></svg>"},
    {"cancella", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><circle cx=\"12\" cy=\"12\" r=\"10\" fill=\"#c0392b\"/><path d=\"M8 8 l8 8 M16 8 l-8 8\" stroke=\"#fff\" stroke-width=\"2.6\" stroke-linecap=\"round\"/></svg>"},
    {"importa", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><rect x=\"2\" y=\"7\" width=\"20\" height=\"15\" rx=\"2\" fill=\"#fff8e1\" stroke=\"#b7791f\" stroke-width=\"2\"/><path d=\"M12 2 v11\" stroke=\"#2e8b57\" stroke-width=\"3\" stroke-linecap=\"round\"/><path d=\"M7 9 l5 5 l5 -5\" fill=\"none\" stroke=\"#2e8b57\" stroke-width=\"3\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/></svg>"},
    {"controlla", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><circle cx=\"12\" cy=\"12\" r=\"10\" fill=\"#2e8b57\"/><path d=\"M7 12 l3.5 3.5 l6.5 -7\" fill=\"none\" stroke=\"#fff\" stroke-width=\"2.8\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/></svg>"},
    {"email", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><rect x=\"2\" y=\"5\" width=\"20\" height=\"14\" rx=\"2\" fill=\"#fff8e1\" stroke=\"#b7791f\" stroke-width=\"2\"/><path d=\"M3 7 L12 13.5 L21 7\" fill=\"none\" stroke=\"#b7791f\" stroke-width=\"2\" stroke-linejoin=\"round\"/></svg>"},

};
}  // namespace

QIcon icon(const QString& name) {
    for (const auto& p : kPictures) {
        if (name != QLatin1String(p.name)) continue;
        QSvgRenderer renderer(QByteArray(p.data));
        QIcon out;
        for (int side : {16, 24, 32, 48, 64, 96}) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            renderer.render(&painter);
            painter.end();
            out.addPixmap(pixmap);
        }
        return out;
    }
    return {};
}

void stylePanel(QWidget* window, QWidget* panel) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0xEF, 0xE4, 0xD0));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    // On the panel, not the window: dialogs owned by the window keep their
    // own look. No rule sets a text colour, so labels coloured by the
    // program (the amount caption) keep their colour.
    panel->setStyleSheet(QStringLiteral(
        "#%1 { background: #fdf6ea; border: 1px solid #d9b98a; border-radius: 12px; }"
        "#panComandi { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffaf0, stop:1 #f1dfbf);"
        "  border: none; border-bottom: 1px solid #d9b98a; border-top-left-radius: 12px;"
        "  border-top-right-radius: 12px; }"
        "QGroupBox { background: #ffffff; border: 1px solid #e3c795; border-radius: 8px; margin-top: 12px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 14px; padding: 0 6px; color: #8a5a2b; }"
        "QLineEdit { border: 1px solid #c9b28f; border-radius: 3px; padding: 1px 4px; background: #ffffff;"
        "  selection-background-color: #2f6fb0; }"
        "QLineEdit[readOnly=\"true\"] { background: #f8f2e7; }"
        "QFrame[objectName^=\"eff\"] { background: #f6b73c; border: none; border-radius: 5px; }"
        "QToolButton { border: 1px solid transparent; border-radius: 7px; background: transparent; }"
        "QToolButton:hover { background: #fff1cf; border: 1px solid #e3c795; }"
        "QToolButton:pressed { background: #f3d9a4; }"
        "#lblPosizione { background: #ffffff; border: 1px solid #c9b28f; border-radius: 5px;"
        "  font-size: 15pt; font-weight: bold; }"
        "#lblTitolo { font-size: 15pt; font-weight: bold; }"
        "#panInfo, #panAnno { background: #fffaf0; border: 1px solid #e3c795; border-radius: 5px; padding-left: 8px; }")
                              .arg(panel->objectName()));
}

}  // namespace vt::movements

TfrmMovimenti::TfrmMovimenti(QWidget* parent) : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMovimenti>()) {
    ui->setupUi(this);
    vt::movements::stylePanel(this, ui->panScheda);
    const struct {
        QToolButton* button;
        const char* picture;
    } pictures[] = {
        {ui->cmdNuovo, "nuovo"},          {ui->cmdDuplica, "duplica"},         {ui->cmdSalva, "salva"},
        {ui->cmdTrova, "trova"},          {ui->cmdPrimo, "primo"},             {ui->cmdIndietro, "indietro"},
        {ui->cmdAvanti, "avanti"},        {ui->cmdUltimo, "ultimo"},           {ui->cmdScadenze, "scadenze"},
        {ui->cmdStampa, "stampa"},        {ui->cmdEsporta, "esporta"},         {ui->cmdFile, "file"},
        {ui->cmdGuida, "guida"},          {ui->cmdEsci, "esci"},               {ui->impData, "cancella"},
        {ui->impDataSca, "cancella"},     {ui->impCausale, "importa"},         {ui->impPagatore, "importa"},
        {ui->impBeneficiario, "importa"}, {ui->chkCodFisc, "controlla"},       {ui->chkIva, "controlla"},
        {ui->sndEmail, "email"},
    };
    for (const auto& p : pictures) p.button->setIcon(vt::movements::icon(QLatin1String(p.picture)));

    vt::installFocusHighlights(this);
    vt::installHoverHints(this, ui->panInfo);

    // Enter moves along the card; in the date fields it opens the picker.
    const QList<QWidget*> chain{ui->txtCausale,    ui->txtPromemoria, ui->txtDataSca,     ui->txtPreavviso,
                                ui->txtImporto,    ui->txtPagatore,   ui->txtRecapitoPag, ui->txtCodFisc,
                                ui->txtPartitaIva, ui->txtCategoria,  ui->txtEmail,       ui->txtPagamento,
                                ui->txtBeneficiario, ui->txtRecapitoBen, ui->txtRicevuta, ui->txtNote,
                                ui->txtTariffa,    ui->txtData};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        if (chain[i] != ui->txtDataSca) vt::installEnterMovesTo(chain[i], chain[i + 1]);
    vt::installDigitFilter(ui->txtPreavviso);
    vt::installDigitFilter(ui->txtPartitaIva);
    vt::installAmountFilter(ui->txtImporto);
    for (QWidget* w : {static_cast<QWidget*>(ui->txtData), static_cast<QWidget*>(ui->txtDataSca),
                       static_cast<QWidget*>(ui->txtImporto), static_cast<QWidget*>(ui->txtCodFisc),
                       static_cast<QWidget*>(ui->txtEmail), static_cast<QWidget*>(ui->txtPagamento)})
        w->installEventFilter(this);

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
        ui->lblTitolo->setText(at < 0 ? QStringLiteral("Registro\nmovimenti")
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

QString TfrmMovimenti::yearFile() const { return vt::trimmed(ui->lblFile->text()); }

void TfrmMovimenti::loadListedLine(const QString& line) {
    const vt::movsearch::LineMatch match = vt::movsearch::findLine(yearFile(), line);
    if (match.record) loadRecord(*match.record, match.position);
}

void TfrmMovimenti::loadRecord(const vt::MovementRecord& record, qint64 position) {
    CardTexts c = cardTexts();
    decode(record, position, c);
    setCardTexts(c);
}

void TfrmMovimenti::showDirection(bool incoming) {
    ui->lblImporto->setText(amountCaption(incoming));
    QPalette palette = ui->lblImporto->palette();
    palette.setColor(QPalette::WindowText, incoming ? QColor(0xFF000000u) : QColor(0xFFFF0000u));
    ui->lblImporto->setPalette(palette);
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
constexpr int kPaymentTypingLimit = 150;

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

// Replaces a field's text without moving the caret more than needed.
void replaceKeepingCaret(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    const int caret = field->cursorPosition();
    field->setText(text);
    field->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}
}  // namespace

bool TfrmMovimenti::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtData || watched == ui->txtDataSca) {
        if (event->type() != QEvent::KeyPress) return false;
        auto* field = static_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab still leaves the field, and a lone Shift or Ctrl opens nothing.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || isModifierOnly(key->key()))
            return false;
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            field->clear();
        else
            openDatePicker(field);
        return true;
    }
    if (watched == ui->txtImporto && event->type() == QEvent::FocusOut) {
        // Leaving the field, not a context menu or another window taking
        // the keyboard for a moment (the user may be about to paste).
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) txtImportoExit();
        return false;
    }
    if (watched == ui->txtPagamento && event->type() == QEvent::KeyPress) {
        // The record holds more than may be typed here: a picker may bring
        // up to the record's capacity, the keyboard only kPaymentTypingLimit.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.isEmpty() || typed.front().unicode() < 32 || typed.front().unicode() == 127 ||
            key->modifiers().testFlag(Qt::ControlModifier))
            return false;
        const qsizetype kept = ui->txtPagamento->text().size() - ui->txtPagamento->selectedText().size();
        return kept + typed.size() > kPaymentTypingLimit;
    }
    if (event->type() == QEvent::KeyRelease) {
        if (watched == ui->txtCodFisc) replaceKeepingCaret(ui->txtCodFisc, fiscalCodeAfterKey(ui->txtCodFisc->text()));
        if (watched == ui->txtEmail) replaceKeepingCaret(ui->txtEmail, emailAfterKey(ui->txtEmail->text()));
    }
    return false;
}

void TfrmMovimenti::txtImportoExit() { btnCentsClick(); }

void TfrmMovimenti::btnCentsClick() { ui->txtImporto->setText(vt::normalizeAmount(ui->txtImporto->text())); }

void TfrmMovimenti::openDatePicker(QLineEdit* field) {
    const QString target = field == ui->txtData ? kPickOperationDate : kPickDueDate;
    vt::openDialog<TfrmCalendario>(this, [&](TfrmCalendario& picker) { picker.setTarget(target); });
}

void TfrmMovimenti::impDataClick() { ui->txtData->clear(); }
void TfrmMovimenti::impDataScaClick() { ui->txtDataSca->clear(); }

void TfrmMovimenti::optEntrataClick() { showDirection(true); }
void TfrmMovimenti::optUscitaClick() { showDirection(false); }

// ---- Commands --------------------------------------------------------------

void TfrmMovimenti::cmdNuovoClick() { clearCard(); }

QWidget* TfrmMovimenti::fieldWidget(Check::Field field) const {
    switch (field) {
    case Check::Field::Causale: return ui->txtCausale;
    case Check::Field::Data: return ui->txtData;
    case Check::Field::DataSca: return ui->txtDataSca;
    case Check::Field::Preavviso: return ui->txtPreavviso;
    case Check::Field::Pagatore: return ui->txtPagatore;
    case Check::Field::Beneficiario: return ui->txtBeneficiario;
    }
    return nullptr;
}

void TfrmMovimenti::cmdSalvaClick() {
    btnCentsClick();
    const CardTexts card = cardTexts();
    if (const auto failed = firstFailingCheck(card)) {
        if (failed->kind == Check::Kind::Warning)
            vt::warning(this, failed->message);
        else
            vt::notice(this, failed->message);
        if (QWidget* w = fieldWidget(failed->field)) w->setFocus(Qt::OtherFocusReason);
        return;
    }
    const vt::MovementFile file(yearFile());
    const vt::MovementRecord record = encode(card);
    if (const auto at = storedPosition(card.posizione)) {
        if (!file.overwrite(*at, record)) {
            vt::error(this, accessFailureMessage());
            return;
        }
        ui->lblPosizione->setText(QString::number(*at));
        vt::information(this, kUpdated);
        return;
    }
    const auto appended = file.append(record);
    if (!appended) {
        vt::error(this, accessFailureMessage());
        return;
    }
    ui->lblPosizione->setText(QString::number(appended.value()));
    vt::information(this, kInserted);
}

void TfrmMovimenti::cmdDuplicaClick() {
    CardTexts card = cardTexts();
    if (!duplicate(card, vt::today())) {
        vt::warning(this, kDuplicateNeedsStoredCard);
        return;
    }
    setCardTexts(card);
    if (!vt::MovementFile(yearFile()).touch()) {
        vt::warning(this, accessFailureMessage());
        return;
    }
    ui->txtCausale->setFocus(Qt::OtherFocusReason);
    vt::information(this, duplicatedMessage());
}

void TfrmMovimenti::navigate(Move move) {
    const vt::MovementFile file(yearFile());
    const auto count = file.count();
    if (!count) {
        vt::error(this, accessFailureMessage());
        return;
    }
    const Step step = decideMove(move, ui->lblPosizione->text(), count.value());
    switch (step.kind) {
    case Step::Kind::Nothing:
        return;
    case Step::Kind::EmptyArchiveClear:
        ui->lblPosizione->clear();
        [[fallthrough]];
    case Step::Kind::EmptyArchive:
        vt::information(this, kEmptyArchive);
        return;
    case Step::Kind::Load: {
        const auto record = file.read(step.position);
        if (!record) {
            vt::error(this, accessFailureMessage());
            return;
        }
        loadRecord(record.value(), step.position);
        return;
    }
    }
}

void TfrmMovimenti::cmdPrimoClick() { navigate(Move::First); }
void TfrmMovimenti::cmdIndietroClick() { navigate(Move::Previous); }
void TfrmMovimenti::cmdAvantiClick() { navigate(Move::Next); }
void TfrmMovimenti::cmdUltimoClick() { navigate(Move::Last); }

void TfrmMovimenti::cmdGuidaClick() {
    vt::showHelp(this, vt::movementsRegisterHelpPage());
}

void TfrmMovimenti::cmdEsciClick() { close(); }

// ---- Fields with their own buttons -------------------------------------------

void TfrmMovimenti::chkCodFiscClick() { vt::openFiscalCodeCheck(this, vt::trimmed(ui->txtCodFisc->text())); }

void TfrmMovimenti::chkIvaClick() { vt::openVatNumberCheck(this, vt::trimmed(ui->txtPartitaIva->text())); }

void TfrmMovimenti::sndEmailClick() {
    const auto target = mailTarget(ui->txtEmail->text());
    if (!target) {
        vt::warning(this, kEmailMissing);
        ui->txtEmail->setFocus(Qt::OtherFocusReason);
        return;
    }
    TMisc::Open(*target);
}

// ---- Windows built elsewhere -------------------------------------------------

void TfrmMovimenti::impCausaleClick() {}
void TfrmMovimenti::impPagatoreClick() {}
void TfrmMovimenti::impBeneficiarioClick() {}
void TfrmMovimenti::cmdTrovaClick() { vt::openDialog<TfrmTrovaMovimenti>(this, [](TfrmTrovaMovimenti& d) { d.setMemory(QStringLiteral("movimenti")); }); }
void TfrmMovimenti::cmdScadenzeClick() { vt::openDialog<TfrmSospesiMov>(this); }
void TfrmMovimenti::cmdStampaClick() { vt::openDialog<TfrmStampaMovimento>(this); }
void TfrmMovimenti::cmdEsportaClick() { vt::openDialog<TfrmExpMovimenti>(this); }
void TfrmMovimenti::cmdFileClick() { TfrmAllegaCartella::openFor(this, QStringLiteral("movimenti")); }

#include "movements/MenuMovimenti.h"

#include <QIcon>
#include <QShowEvent>

#include "app/Guida.h"
#include "app/base/services.h"
#include "app/conventions.h"
#include "app/pictures.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "movements/Movimenti.h"
#include "movements/logic/card.h"
#include "movements/logic/helppages.h"
#include "ui_MenuMovimenti.h"

namespace {
const QString kToCard = QStringLiteral("movimenti");
const QString kToMainMenu = QStringLiteral("avvio");
}  // namespace

TfrmMenuMovimenti::TfrmMenuMovimenti(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuMovimenti>()) {
    ui->setupUi(this);
    ui->imgGuida->setIcon(vt::icon(QStringLiteral("guida")));
    ui->imgEsci->setIcon(vt::icon(QStringLiteral("esci")));
    vt::installDigitFilter(ui->txtAnnoPreventivi);
    vt::installEnterMovesTo(ui->txtAnnoPreventivi, ui->btnApriPreventivi);
    connect(ui->btnApriPreventivi, &QPushButton::clicked, this,
            &TfrmMenuMovimenti::btnApriPreventiviClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmMenuMovimenti::imgGuidaClick);
    connect(ui->imgEsci, &QToolButton::clicked, this, &TfrmMenuMovimenti::imgEsciClick);
}

TfrmMenuMovimenti::~TfrmMenuMovimenti() = default;

void TfrmMenuMovimenti::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    if (event->spontaneous()) return;
    ui->txtAnnoPreventivi->setText(QString::number(vt::today().year()).rightJustified(4, u'0'));
    ui->lblMemory->setText(kToMainMenu);
    ui->txtAnnoPreventivi->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuMovimenti::btnApriPreventiviClick() {
    const QString typed = ui->txtAnnoPreventivi->text();
    if (!vt::card::acceptableYear(typed)) {
        vt::warning(this, vt::card::kYearMessage);
        ui->txtAnnoPreventivi->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (auto* card = vt::screens::get<TfrmMovimenti>()) {
        if (auto* file = card->findChild<QLabel*>(QStringLiteral("lblFile")))
            file->setText(vt::yearFilePath(vt::trimmed(typed)));
        card->setWindowTitle(vt::card::editorCaption(typed));
    }
    ui->lblMemory->setText(kToCard);
    close();
}

void TfrmMenuMovimenti::closeStep() {
    if (vt::trimmed(ui->lblMemory->text()) == kToCard)
        vt::screens::switchTo(this, vt::screens::get<TfrmMovimenti>());
    else
        vt::screens::backToMainMenu(this);
}

void TfrmMenuMovimenti::imgGuidaClick() {
    vt::showHelp(this, vt::movementsRegisterHelpPage());
}

void TfrmMenuMovimenti::imgEsciClick() {
    close();
}

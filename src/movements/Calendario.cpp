#include "movements/Calendario.h"

#include <QLineEdit>

#include "app/base/services.h"
#include "archive/codec.h"
#include "archive/texts.h"
#include "movements/Movimenti.h"
#include "movements/logic/card.h"
#include "ui_Calendario.h"

TfrmCalendario::TfrmCalendario(QWidget* owner)
    : vt::DialogWindow(owner, Centre::Owner), ui(std::make_unique<Ui::TfrmCalendario>()) {
    ui->setupUi(this);
    ui->calAppuntamenti->setSelectedDate(vt::today());
    connect(ui->btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

TfrmCalendario::~TfrmCalendario() = default;

void TfrmCalendario::setTarget(const QString& target) { ui->lblMemory->setText(target); }

void TfrmCalendario::btnImportaDataClick() {
    const QString target = vt::trimmed(ui->lblMemory->text());
    const char* fieldName = nullptr;
    if (target == vt::card::kPickOperationDate) fieldName = "txtData";
    if (target == vt::card::kPickDueDate) fieldName = "txtDataSca";
    if (!fieldName) return;
    // The card that asked: normally the owner, else the register's window.
    QWidget* card = qobject_cast<TfrmMovimenti*>(parentWidget());
    if (!card) card = vt::screens::get<TfrmMovimenti>();
    if (card)
        if (auto* field = card->findChild<QLineEdit*>(QLatin1String(fieldName)))
            field->setText(vt::dateText(ui->calAppuntamenti->selectedDate()));
    closeFromButton(QDialog::Accepted);
}

void TfrmCalendario::btnAnnullaClick() { closeFromButton(QDialog::Rejected); }

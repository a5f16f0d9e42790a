#pragma once

#include <memory>

#include "app/windows.h"

namespace Ui {
class TfrmCalendario;
}

// The date picker of the movement card: a fresh window at every use, opening
// on today's date. "Importa" writes the chosen date into the card field that
// lblMemory names ("movimenti_data" or "movimenti_scadenza").
class TfrmCalendario : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* owner = nullptr);
    ~TfrmCalendario() override;

    void setTarget(const QString& target);

private slots:
    void btnImportaDataClick();
    void btnAnnullaClick();

private:
    std::unique_ptr<Ui::TfrmCalendario> ui;
};

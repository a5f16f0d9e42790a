#pragma once

#include <QString>
#include <memory>

#include "app/logic/helppage.h"
#include "app/windows.h"

namespace Ui {
class TfrmGuida;
}

// The help window: shows the title and text its opener puts into it, and
// offers the manual Guida.pdf beside the program.
class TfrmGuida : public vt::DialogWindow {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner);
    ~TfrmGuida() override;

    // Fills the page: title and text of paragraphs (separated by
    // kTextBreak).
    void setPage(const QString& title, const QString& text);
    QString title() const;
    QString text() const;

private:
    void lnkWebClick();
    void btnChiudiClick();

    std::unique_ptr<Ui::TfrmGuida> ui;
};

namespace vt {

// Opens the help window TfrmGuida, owned by `owner`, with the given title
// and text (paragraphs separated by kTextBreak), and waits until it closes.
void showHelp(QWidget* owner, const QString& title, const QString& text);
void showHelp(QWidget* owner, const HelpPage& page);

}  // namespace vt

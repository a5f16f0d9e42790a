#include "movements/StampaMovimento.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/base/services.h"
#include "archive/codec.h"
#include "movements/Movimenti.h"
#include "movements/logic/printcard.h"
#include "report/logic/cardsheet.h"
#include "ui_StampaMovimento.h"

namespace {

vt::report::ReportLayout documentLayout() {
    QList<vt::report::CardRow> rows;
    for (const auto& r : vt::movprint::rows()) rows.append({r.caption, r.memo});
    return vt::report::cardSheetLayout(QStringLiteral("Scheda movimento"),
                                       QStringLiteral("SCHEDA INFORMATIVA MOVIMENTO"), rows, vt::movprint::kFooterTop);
}

// The text a control of the card shows, whatever kind of control it is.
QString controlText(const QWidget* card, const QString& name) {
    const QWidget* w = card ? card->findChild<QWidget*>(name) : nullptr;
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* t = qobject_cast<const QTextEdit*>(w)) return t->toPlainText();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

bool controlChecked(const QWidget* card, const QString& name) {
    const auto* b = card ? card->findChild<QAbstractButton*>(name) : nullptr;
    return b && b->isChecked();
}

QPixmap printerPicture() {
    QPixmap picture(88, 88);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::white);
    p.drawRect(24, 8, 40, 30);  // paper in
    p.setBrush(QColor(120, 130, 145));
    p.drawRoundedRect(8, 34, 72, 30, 6, 6);  // body
    p.setBrush(Qt::white);
    p.drawRect(22, 54, 44, 28);  // paper out
    p.setPen(QPen(QColor(120, 120, 120), 2));
    for (int y : {62, 68, 74}) p.drawLine(28, y, 60, y);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(66, 40, 7, 7);
    return picture;
}

}  // namespace

TfrmStampaMovimento::TfrmStampaMovimento(QWidget* owner)
    : vt::DialogWindow(owner, Centre::Owner), ui(std::make_unique<Ui::TfrmStampaMovimento>()),
      repDocumento_(documentLayout()) {
    ui->setupUi(this);
    ui->imgStampante->setPixmap(printerPicture());
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmStampaMovimento::btnStampaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmStampaMovimento::btnAnnullaClick);
}

TfrmStampaMovimento::~TfrmStampaMovimento() = default;

void TfrmStampaMovimento::fillFromCard() {
    // The card that opened this window, or the one movement card.
    QWidget* card = qobject_cast<TfrmMovimenti*>(parentWidget());
    if (!card) card = vt::screens::get<TfrmMovimenti>();
    for (const auto& row : vt::movprint::rows()) {
        QString value;
        if (row.control == QLatin1String("optEntrata"))
            value = vt::movprint::typeText(controlChecked(card, row.control));
        else if (row.control == QLatin1String("chkSaldato"))
            value = vt::movprint::settledText(controlChecked(card, row.control));
        else
            value = vt::trimmed(controlText(card, row.control));
        repDocumento_.setText(row.memo, value);
    }
    repDocumento_.setText(QStringLiteral("txtCalce"),
                          vt::report::printedOnText(vt::today(), vt::clock().now()));
}

void TfrmStampaMovimento::btnStampaClick() {
    repDocumento_.setOrientation(QPageLayout::Portrait);
    fillFromCard();
    repDocumento_.prepare();
    repDocumento_.print(this, false);
    closeFromButton(QDialog::Accepted);
}

void TfrmStampaMovimento::btnAnnullaClick() { closeFromButton(QDialog::Rejected); }

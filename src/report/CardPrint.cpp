#include "report/CardPrint.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "app/base/services.h"
#include "archive/codec.h"

namespace vt {

namespace {

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

CardPrintWindow::CardPrintWindow(QWidget* owner, report::CardSheet sheet)
    : DialogWindow(owner, Centre::Owner),
      sheet_(std::move(sheet)),
      repDocumento_(report::cardSheetLayout(sheet_)) {}

void CardPrintWindow::setUpControls() {
    if (auto* picture = findChild<QLabel*>(QStringLiteral("imgStampante")))
        picture->setPixmap(printerPicture());
    if (auto* b = findChild<QPushButton*>(QStringLiteral("btnStampa")))
        connect(b, &QPushButton::clicked, this, &CardPrintWindow::btnStampaClick);
    if (auto* b = findChild<QPushButton*>(QStringLiteral("btnAnnulla")))
        connect(b, &QPushButton::clicked, this, &CardPrintWindow::btnAnnullaClick);
}

void CardPrintWindow::fillFromCard() {
    const QWidget* from = card();
    for (const report::SheetRow& row : sheet_.rows) {
        const QString value =
            row.byCheck()
                ? (controlChecked(from, row.control) ? row.checkedWord : row.uncheckedWord)
                : vt::trimmed(controlText(from, row.control));
        repDocumento_.setText(row.memo, value);
    }
    repDocumento_.setText(QStringLiteral("txtCalce"),
                          report::printedOnText(vt::today(), vt::clock().now()));
}

void CardPrintWindow::btnStampaClick() {
    repDocumento_.setOrientation(QPageLayout::Portrait);
    fillFromCard();
    repDocumento_.prepare();
    repDocumento_.print(this, false);
    closeFromButton(QDialog::Accepted);
}

void CardPrintWindow::btnAnnullaClick() {
    closeFromButton(QDialog::Rejected);
}

}  // namespace vt

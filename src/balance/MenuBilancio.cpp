#include "balance/MenuBilancio.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>

#include "app/base/services.h"
#include "app/conventions.h"
#include "archive/codec.h"
#include "archive/recordfile.h"
#include "balance/Bilancio.h"
#include "balance/logic/balance.h"
#include "balance/logic/period.h"
#include "ui_MenuBilancio.h"

namespace {

// Days and months are picked from their lists only: no key types into the
// drop-downs (the keys that move between items, open the list or leave the
// field still work), and paste and drop are not offered.
class PickOnly : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_F4:
            case Qt::Key_Escape:
                return false;
            default:
                return true;
        }
    }
};

void setUpPicker(QComboBox* field, const QStringList& items, int maxLength, QObject* pickOnly) {
    field->addItems(items);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->lineEdit()->setMaxLength(maxLength);
    field->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    field->lineEdit()->setAcceptDrops(false);
    field->installEventFilter(pickOnly);
    field->lineEdit()->installEventFilter(pickOnly);
}

void clearPicker(QComboBox* field) {
    field->setCurrentIndex(-1);
    field->setEditText(QString());
}

}  // namespace

TfrmMenuBilancio::TfrmMenuBilancio(QWidget* parent)
    : vt::ScreenWindow(parent), ui(std::make_unique<Ui::TfrmMenuBilancio>()) {
    ui->setupUi(this);
    auto* pickOnly = new PickOnly(this);
    setUpPicker(ui->txtGiornoInizio, vt::balance::dayItems(), 2, pickOnly);
    setUpPicker(ui->txtMeseInizio, vt::balance::monthItems(), 9, pickOnly);
    setUpPicker(ui->txtGiornoFine, vt::balance::dayItems(), 2, pickOnly);
    setUpPicker(ui->txtMeseFine, vt::balance::monthItems(), 9, pickOnly);
    for (QComboBox* field :
         {ui->txtGiornoInizio, ui->txtMeseInizio, ui->txtGiornoFine, ui->txtMeseFine}) {
        field->installEventFilter(this);
        field->lineEdit()->installEventFilter(this);
    }
    vt::installDigitFilter(ui->txtAnno);
    vt::installFocusHighlights(this);
    vt::installEnterChain({ui->txtAnno, ui->txtTipologia, ui->txtGiornoInizio, ui->txtMeseInizio,
                           ui->txtGiornoFine, ui->txtMeseFine, ui->btnVisualizza},
                          false);
    ui->btnVisualizza->setAutoDefault(false);
    ui->btnEsci->setAutoDefault(false);
    connect(ui->txtAnno, &QLineEdit::textChanged, this, &TfrmMenuBilancio::txtAnnoChange);
    connect(ui->btnVisualizza, &QPushButton::pressed, this,
            &TfrmMenuBilancio::btnVisualizzaMouseDown);
    connect(ui->btnVisualizza, &QPushButton::clicked, this, &TfrmMenuBilancio::btnVisualizzaClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &TfrmMenuBilancio::btnEsciClick);
}

TfrmMenuBilancio::~TfrmMenuBilancio() = default;

void TfrmMenuBilancio::showEvent(QShowEvent* event) {
    vt::ScreenWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmMenuBilancio::FormShow() {
    for (QComboBox* field :
         {ui->txtGiornoInizio, ui->txtMeseInizio, ui->txtGiornoFine, ui->txtMeseFine})
        clearPicker(field);
    ui->txtTipologia->clear();
    ui->txtAnno->setText(QString::number(vt::today().year()).rightJustified(4, u'0'));
    txtAnnoChange();
    ui->txtTipologia->setFocus(Qt::OtherFocusReason);
}

bool TfrmMenuBilancio::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto* field = qobject_cast<QComboBox*>(watched);
        if (!field && watched->parent()) field = qobject_cast<QComboBox*>(watched->parent());
        if (field) checkLeftField(field);
    }
    return vt::ScreenWindow::eventFilter(watched, event);
}

void TfrmMenuBilancio::checkLeftField(QComboBox* field) {
    const bool day = field == ui->txtGiornoInizio || field == ui->txtGiornoFine;
    const QString text = field->currentText();
    const QString kept = day ? vt::balance::keptDay(text) : vt::balance::keptMonth(text);
    if (kept.isEmpty() && !text.isEmpty()) clearPicker(field);
}

void TfrmMenuBilancio::txtAnnoChange() {
    const QString year = vt::trimmed(ui->txtAnno->text());
    ui->lblAnnoInizio->setText(year);
    ui->lblAnnoFine->setText(year);
}

void TfrmMenuBilancio::btnVisualizzaMouseDown() {
    ui->lblAttendere->setVisible(true);
    ui->lblAttendere->repaint();
}

void TfrmMenuBilancio::btnVisualizzaClick() {
    ui->lblDataInizio->clear();
    ui->lblDataFine->clear();
    const vt::balance::PeriodCheck check = vt::balance::checkPeriod({
        ui->txtAnno->text(),
        ui->txtGiornoInizio->currentText(),
        ui->txtMeseInizio->currentText(),
        ui->lblAnnoInizio->text(),
        ui->txtGiornoFine->currentText(),
        ui->txtMeseFine->currentText(),
        ui->lblAnnoFine->text(),
    });
    ui->lblDataInizio->setText(check.startDate);
    ui->lblDataFine->setText(check.endDate);
    if (!check.ok) {
        ui->lblAttendere->setVisible(false);
        if (check.kind == vt::balance::PeriodCheck::Kind::Warning)
            vt::warning(this, check.message);
        else
            vt::notice(this, check.message);
        QWidget* focus = nullptr;
        switch (check.focus) {
            case vt::balance::PeriodField::Year:
                focus = ui->txtAnno;
                break;
            case vt::balance::PeriodField::StartDay:
                focus = ui->txtGiornoInizio;
                break;
            case vt::balance::PeriodField::StartMonth:
                focus = ui->txtMeseInizio;
                break;
            case vt::balance::PeriodField::EndDay:
                focus = ui->txtGiornoFine;
                break;
            case vt::balance::PeriodField::EndMonth:
                focus = ui->txtMeseFine;
                break;
            case vt::balance::PeriodField::None:
                break;
        }
        if (focus) focus->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui->lblFile->setText(vt::programDir() + check.yearFileName);
    const vt::balance::Request request{ui->txtTipologia->text(), ui->lblFile->text(),
                                       ui->lblDataInizio->text(), ui->lblDataFine->text()};
    vt::openDialog<TfrmBilancio>(this, [&](TfrmBilancio& sheet) { sheet.setRequest(request); });
    ui->lblAttendere->setVisible(false);
}

void TfrmMenuBilancio::btnEsciClick() {
    close();
}

#include "movements/AllegaCartella.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "app/OpenURL.h"
#include "app/uiservices.h"
#include "archive/codec.h"
#include "movements/logic/attachments.h"
#include "ui_AllegaCartella.h"

namespace {

// A red cross on a light disc: empties the slot.
QIcon clearIcon() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xd6, 0xd6));
    p.drawEllipse(QRectF(1, 1, 18, 18));
    p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    return QIcon(pixmap);
}

QString slotName(const char* stem, int slot) { return QLatin1String(stem) + QStringLiteral("%1").arg(slot + 1, 2, 10, QChar(u'0')); }

// The card whose labels receive the slots: the single window of that class.
QWidget* cardFor(const QString& memory, QWidget* owner) {
    const char* cls = memory == QLatin1String("clienti")     ? "TfrmClienti"
                      : memory == QLatin1String("movimenti") ? "TfrmMovimenti"
                                                             : nullptr;
    if (!cls) return nullptr;
    if (QWidget* card = vt::screens::byClassName(cls)) return card;
    QWidget* window = owner ? owner->window() : nullptr;
    return window && qstrcmp(window->metaObject()->className(), cls) == 0 ? window : nullptr;
}

void setLabel(QWidget* card, const QString& name, const QString& text) {
    if (auto* label = card->findChild<QLabel*>(name)) label->setText(vt::trimmed(text));
}

QString labelText(const QWidget* card, const QString& name) {
    const auto* label = card ? card->findChild<QLabel*>(name) : nullptr;
    return label ? vt::trimmed(label->text()) : QString();
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* owner)
    : vt::DialogWindow(owner), ui(std::make_unique<Ui::TfrmAllegaCartella>()) {
    ui->setupUi(this);
    ui->lblMemory->hide();
    slots_ = {{
        {ui->txtFile01, ui->txtDesc01, ui->btnSfoglia01, ui->btnApri01, ui->imgCancella01},
        {ui->txtFile02, ui->txtDesc02, ui->btnSfoglia02, ui->btnApri02, ui->imgCancella02},
        {ui->txtFile03, ui->txtDesc03, ui->btnSfoglia03, ui->btnApri03, ui->imgCancella03},
    }};
    const QIcon cross = clearIcon();
    for (int i = 0; i < 3; ++i) {
        const Slot& s = slots_[static_cast<std::size_t>(i)];
        s.clear->setIcon(cross);
        s.clear->setCursor(Qt::PointingHandCursor);
        for (QPushButton* b : {s.browse, s.open}) b->setAutoDefault(false);
        connect(s.file, &QLineEdit::textChanged, this, [this, i] { txtFileChange(i); });
        connect(s.browse, &QPushButton::clicked, this, [this, i] { btnSfogliaClick(i); });
        connect(s.open, &QPushButton::clicked, this, [this, i] { btnApriClick(i); });
        connect(s.clear, &QToolButton::clicked, this, [this, i] { imgCancellaClick(i); });
        txtFileChange(i);
    }
    ui->btnApplica->setAutoDefault(false);
    ui->btnAnnulla->setAutoDefault(false);
    connect(ui->btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
    // The names come from the folder; what the user types is a description.
    ui->txtDesc01->setFocus();
}

TfrmAllegaCartella::~TfrmAllegaCartella() = default;

void TfrmAllegaCartella::openFor(QWidget* card, const QString& memory) {
    vt::openDialog<TfrmAllegaCartella>(card, [&](TfrmAllegaCartella& d) {
        d.ui->lblMemory->setText(memory);
        for (int i = 0; i < 3; ++i) {
            const Slot& s = d.slots_[static_cast<std::size_t>(i)];
            s.file->setText(labelText(card, slotName("lblFile", i)));
            s.desc->setText(labelText(card, slotName("lblDesc", i)));
        }
    });
}

void TfrmAllegaCartella::txtFileChange(int slot) {
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    s.open->setEnabled(!vt::trimmed(s.file->text()).isEmpty());
}

void TfrmAllegaCartella::btnSfogliaClick(int slot) {
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    const QString chosen =
        vt::fileDialogs().openFile(this, vt::attach::dialogTitle(), QString(), vt::attach::dialogFilter());
    // A cancelled dialog leaves the slot and the folder as they were.
    if (chosen.isEmpty()) return;
    const QString previous = s.file->text();
    // A name the archive cannot hold gets one it can, so that the slot
    // always leads back to its copy.
    const QString given = vt::trimmed(QFileInfo(chosen).fileName());
    const QString name = vt::attach::copyNameInFolder(given);
    s.file->setText(name);
    const auto outcome = vt::attach::copyIntoFolder(
        chosen, name, [this] { return vt::confirm(this, vt::attach::overwriteQuestion()); });
    // Failures are silent; the slot keeps the new name only while it refers
    // to a file in the folder.
    if (outcome == vt::attach::CopyOutcome::Failed && !vt::attach::presentInFolder(name)) s.file->setText(previous);
    if (outcome == vt::attach::CopyOutcome::Copied && name != given)
        vt::notice(this, vt::attach::renamedNotice(name));
}

void TfrmAllegaCartella::btnApriClick(int slot) {
    const QString target = vt::attach::openTarget(slots_[static_cast<std::size_t>(slot)].file->text());
    // A name with a folder part would lead outside the attachment folder.
    if (!target.isEmpty()) TMisc::Open(target);
}

void TfrmAllegaCartella::imgCancellaClick(int slot) { slots_[static_cast<std::size_t>(slot)].file->clear(); }

void TfrmAllegaCartella::btnApplicaClick() {
    if (QWidget* card = cardFor(vt::trimmed(ui->lblMemory->text()), parentWidget())) {
        for (int i = 0; i < 3; ++i) {
            const Slot& s = slots_[static_cast<std::size_t>(i)];
            setLabel(card, slotName("lblFile", i), s.file->text());
            setLabel(card, slotName("lblDesc", i), s.desc->text());
        }
    }
    closeFromButton(QDialog::Accepted);
}

void TfrmAllegaCartella::btnAnnullaClick() { closeFromButton(QDialog::Rejected); }

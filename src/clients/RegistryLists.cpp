#include "clients/RegistryLists.h"

#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "app/windows.h"
#include "output/ListWidgets.h"
#include "output/logic/listlogic.h"

namespace vt::clients {

namespace {
constexpr int kPositionRole = Qt::UserRole + 1;
}

void fillListed(QListWidget* list, QList<clisearch::Listed> lines) {
    // Sorted here with the list's own order; the list's stable sort then
    // keeps this order, so each line finds its position again by its row.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const clisearch::Listed& a, const clisearch::Listed& b) {
                         return list::lessAZ(a.line, b.line);
                     });
    QStringList texts;
    texts.reserve(lines.size());
    for (const auto& l : lines) texts.append(l.line);
    fillRecordList(list, texts);
    for (int i = 0; i < list->count() && i < lines.size(); ++i)
        list->item(i)->setData(kPositionRole, lines[i].position);
}

std::optional<clisearch::Listed> selectedListed(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return clisearch::Listed{item->text(), item->data(kPositionRole).toLongLong()};
}

namespace {
const char* windowClassOf(clisearch::Role role) {
    switch (role) {
        case clisearch::Role::Clienti:
            return "TfrmClienti";
        case clisearch::Role::MovimentiPagatore:
        case clisearch::Role::MovimentiBeneficiario:
            return "TfrmMovimenti";
        case clisearch::Role::CausaliPagatore:
        case clisearch::Role::CausaliBeneficiario:
            return "TfrmCausali";
        case clisearch::Role::None:
            break;
    }
    return nullptr;
}

QWidget* targetOf(clisearch::Role role, QWidget* opener) {
    const char* className = windowClassOf(role);
    if (!className) return nullptr;
    if (opener && opener->window()->inherits(className)) return opener->window();
    return screens::byClassName(className);
}
}  // namespace

void handOver(clisearch::Role role, const ClientRecord& record, qint64 position, QWidget* opener) {
    QWidget* target = targetOf(role, opener);
    if (!target) return;
    if (role == clisearch::Role::Clienti) {
        (void)position;
        return;
    }
    for (const clisearch::HandOver& h : clisearch::handOver(role))
        if (auto* field = target->findChild<QLineEdit*>(h.control))
            field->setText(record.text(h.field));
}

}  // namespace vt::clients

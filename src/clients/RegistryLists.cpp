#include "clients/RegistryLists.h"

#include <QLineEdit>

#include "app/windows.h"
#include "clients/Clienti.h"

namespace vt::clients {

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
        if (auto* card = qobject_cast<TfrmClienti*>(target)) card->loadRecord(record, position);
        return;
    }
    // The movement and causale cards are reached by their field names only.
    for (const clisearch::HandOver& h : clisearch::handOver(role))
        if (auto* field = target->findChild<QLineEdit*>(h.control))
            field->setText(record.text(h.field));
}

void pickListed(const std::optional<list::ListLine>& selected, clisearch::LastColumn last,
                clisearch::Role role, QWidget* opener) {
    if (!selected) return;
    const clisearch::LineMatch match = clisearch::findLine(clientiFilePath(), *selected, last);
    if (match.record) handOver(role, *match.record, match.position, opener);
}

}  // namespace vt::clients

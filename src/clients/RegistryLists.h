#pragma once

#include <QList>

#include "clients/logic/registrysearch.h"

class QListWidget;
class QWidget;

namespace vt::clients {

// Fills a record list with listed cards, sorted as every list is, each line
// keeping the position of its card.
void fillListed(QListWidget* list, QList<clisearch::Listed> lines);
// The selected line and its card's position; nothing without a selection.
std::optional<clisearch::Listed> selectedListed(const QListWidget* list);

// Hands a picked card to the window that asked for it, by the marker's role:
// the registry card loads the whole card; the movement and causale cards get
// their payer or beneficiary fields filled, trimmed, and keep every other
// field. `opener` is the window that opened the list; when it is not the
// window the role names, the screen window of that class is used.
void handOver(clisearch::Role role, const ClientRecord& record, qint64 position, QWidget* opener);

}  // namespace vt::clients

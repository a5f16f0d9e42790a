#pragma once

#include <optional>

#include "clients/logic/registrysearch.h"
#include "output/logic/listlogic.h"

class QWidget;

namespace vt::clients {

// Hands a picked card to the window that asked for it, by the marker's role:
// the registry card loads the whole card with its position; the movement and
// causale cards get their payer or beneficiary fields filled, trimmed, and
// keep every other field. `opener` is the window that opened the list; when
// it is not the window the role names, the screen window of that class is
// used.
void handOver(clisearch::Role role, const ClientRecord& record, qint64 position, QWidget* opener);

// A double-click in a registry list: the card behind the selected line is
// read again from Clienti.pro and handed over. No selection, a card that no
// longer makes the line or a registry that cannot be read hand over nothing,
// without a message.
void pickListed(const std::optional<list::ListLine>& selected, clisearch::LastColumn last,
                clisearch::Role role, QWidget* opener);

}  // namespace vt::clients

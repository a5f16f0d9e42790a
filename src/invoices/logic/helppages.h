#pragma once

#include <QList>

#include "app/logic/helppage.h"

namespace vt {

// The help page of the import of electronic invoices, "Importazione fatture
// elettroniche.", opened by the import window's help button.
HelpPage invoiceImportHelpPage();

// Every help page of the import (for the manual).
QList<HelpPage> invoicesHelpPages();

}  // namespace vt

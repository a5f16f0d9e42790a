#include "app/tools/manualpages.h"

#include "app/logic/helppages.h"
#include "balance/logic/helppages.h"
#include "causali/logic/helppages.h"
#include "clients/logic/exportclients.h"
#include "clients/logic/helppages.h"
#include "invoices/logic/helppages.h"
#include "movements/logic/helppages.h"
#include "stats/logic/helppages.h"
#include "unpaid/logic/helppages.h"

namespace vt {

// Each area keeps its help pages in its own logic (<area>/logic/helppages.h,
// a function returning QList<HelpPage>); add the area's list here, in the
// order of the main menu.
QList<HelpPage> manualPages() {
    QList<HelpPage> pages;
    pages += appHelpPages();
    pages += clientsHelpPages();
    pages += movementsHelpPages();
    pages += invoicesHelpPages();
    pages += causaliHelpPages();
    pages += expcli::helpPages();
    pages += balanceHelpPages();
    pages += statsHelpPages();
    pages += unpaidHelpPages();
    return pages;
}

}  // namespace vt

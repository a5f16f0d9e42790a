#include "app/startup.h"

#include <QApplication>

#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Password.h"
#include "app/conventions.h"
#include "app/dailybackup.h"
#include "app/pictures.h"
#include "app/windows.h"
#include "balance/MenuBilancio.h"
#include "causali/Causali.h"
#include "clients/Clienti.h"
#include "movements/MenuMovimenti.h"
#include "movements/Movimenti.h"
#include "stats/MenuStats.h"
#include "unpaid/MenuInsoluti.h"

namespace vt {

void prepareApplication(QApplication& app) {
    applyProcessFormats();
    loadItalianTranslations(app);
    applyTheme(app);
    // The program ends only when told to (main menu closed, login "Esci"),
    // never because its last visible window was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
}

namespace {
template <typename W>
void whenNeeded() {
    screens::addWhenNeeded(W::staticMetaObject.className(), [] { return new W; });
}
}  // namespace

QWidget* createWindows() {
    screens::clear();
    // Dialog windows are created afresh by their openers at each use.
    auto* login = new TfrmPassword;
    screens::add(login);
    // The other screens are built the first time they are needed, so the
    // login shows without waiting for every card editor.
    whenNeeded<TfrmAvvio>();
    whenNeeded<TfrmCambiaPassword>();
    whenNeeded<TfrmMenuBilancio>();
    whenNeeded<TfrmMenuMovimenti>();
    whenNeeded<TfrmMenuStats>();
    whenNeeded<TfrmMovimenti>();
    whenNeeded<TfrmClienti>();
    whenNeeded<TfrmMenuInsoluti>();
    whenNeeded<TfrmCausali>();
    return login;
}

int runProgram(int argc, char** argv) {
    // Qt's own dialogs (file, print) rather than the desktop's, so that they
    // speak Italian like the rest of the program.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantresa"));
    prepareApplication(app);
    QWidget* login = createWindows();
    login->show();
    const int code = QApplication::exec();
    // A copy still running stops here; its working folder never looks
    // complete and the next start makes the day's copy again.
    backups().finish();
    for (QWidget* w : screens::all()) delete w;
    screens::clear();
    return code;
}

}  // namespace vt

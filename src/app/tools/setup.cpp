// The install step of the portable program folder: the password store with
// the initial password (only where none exists, so that reinstalling never
// resets a password the user chose) and the manual Guida.pdf made from the
// program's help pages.
//
//     vantresa_setup <program folder>

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/logic/manual.h"
#include "app/logic/password.h"
#include "app/tools/manualpages.h"

int main(int argc, char** argv) {
    // Fonts are needed to lay out the manual, a screen is not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "uso: vantresa_setup <cartella del programma>\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath() + u'/';
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "vantresa_setup: impossibile creare %s\n", qPrintable(folder));
        return 1;
    }
    int status = 0;
    switch (vt::password::installInitial(folder)) {
        case vt::password::InstallResult::Created:
            std::printf("-- Password iniziale scritta in %s\n", qPrintable(vt::password::storePath(folder)));
            break;
        case vt::password::InstallResult::Kept:
            std::printf("-- Password esistente conservata: %s\n", qPrintable(vt::password::storePath(folder)));
            break;
        case vt::password::InstallResult::Failed:
            std::fprintf(stderr, "vantresa_setup: impossibile scrivere %s\n",
                         qPrintable(vt::password::storePath(folder)));
            status = 1;
            break;
    }
    const QString manual = folder + vt::manual::kFileName;
    if (vt::manual::write(manual, vt::manualPages())) {
        std::printf("-- Manuale scritto: %s\n", qPrintable(manual));
    } else {
        std::fprintf(stderr, "vantresa_setup: impossibile scrivere %s\n", qPrintable(manual));
        status = 1;
    }
    return status;
}

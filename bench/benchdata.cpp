#include "benchdata.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "app/base/services.h"
#include "archive/records.h"
#include "archive/texts.h"

namespace vt::bench {

namespace {
const QStringList& sampleCausali() {
    static const QStringList causali{QStringLiteral("Affitto locali ufficio di via Roma"),
                                     QStringLiteral("Fornitura energia elettrica bimestrale"),
                                     QStringLiteral("Consulenza fiscale e tributaria trimestrale"),
                                     QStringLiteral("Parcella per prestazione professionale"),
                                     QStringLiteral("Canone assistenza software gestionale")};
    return causali;
}
const QStringList& sampleNames() {
    static const QStringList names{QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi S.r.l."),
                                   QStringLiteral("Verdi Giuseppina e figli S.n.c."),
                                   QStringLiteral("Studio Associato Esposito & Colombo"),
                                   QStringLiteral("Società Cooperativa Sociale L'Aurora")};
    return names;
}
}  // namespace

QString makeCausaliFolder(int count) {
    static QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("causali-%1").arg(count)) + u'/';
    const QString path = folder + QStringLiteral("Causali.pro");
    if (QFile::exists(path)) return folder;
    QDir().mkpath(folder);
    const QStringList& causali = sampleCausali();
    const QStringList& names = sampleNames();
    std::mt19937 random(11);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < count; ++i) {
        CausaleRecord r;
        const bool in = random() % 2 == 0;
        r.setFlag(cau::Entrata, in);
        r.setFlag(cau::Uscita, !in);
        r.setText(cau::Causale, causali[static_cast<int>(random() % causali.size())] +
                                    QStringLiteral(" n. %1").arg(i));
        r.setText(cau::Promemoria, QStringLiteral("Rata mensile, pagamento con bonifico"));
        const QString amount =
            normalizeAmount(QString::number(random() % 500000 / 100.0, 'f', 2).replace(u'.', u','));
        r.setText(cau::Importo, amount);
        r.setText(cau::ImportoSegnato, (in ? u'+' : u'-') + amount);
        r.setText(cau::Pagatore, names[static_cast<int>(random() % names.size())]);
        r.setText(cau::Beneficiario, names[static_cast<int>(random() % names.size())]);
        r.setText(cau::Email, QStringLiteral("amministrazione@example.it"));
        r.setText(cau::Pagamento, QStringLiteral("Bonifico bancario"));
        r.setText(cau::Note, QStringLiteral("Nessuna nota particolare per questa causale."));
        file.write(r.bytes());
    }
    return folder;
}

QString makeYearFile(int count) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench-%1.eur").arg(count));
    if (QFile::exists(path)) return path;
    const QStringList causali{QStringLiteral("Affitto locali ufficio di via Roma"),
                              QStringLiteral("Fornitura energia elettrica bimestrale"),
                              QStringLiteral("Consulenza fiscale e tributaria trimestrale"),
                              QStringLiteral("Parcella per prestazione professionale"),
                              QStringLiteral("Canone assistenza software gestionale")};
    const QStringList names{QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi S.r.l."),
                            QStringLiteral("Verdi Giuseppina e figli S.n.c."),
                            QStringLiteral("Studio Associato Esposito & Colombo"),
                            QStringLiteral("Società Cooperativa Sociale L'Aurora")};
    std::mt19937 random(7);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < count; ++i) {
        MovementRecord r;
        const bool in = random() % 2 == 0;
        r.setFlag(mov::Entrata, in);
        r.setFlag(mov::Uscita, !in);
        const QDate day = QDate(2026, 1, 1).addDays(static_cast<int>(random() % 365));
        r.setText(mov::Data, dateText(day));
        r.setText(mov::DataSca, dateText(day.addDays(30)));
        r.setText(mov::Preavviso, QString::number(random() % 30));
        r.setText(mov::Causale, causali[static_cast<int>(random() % causali.size())]);
        r.setText(mov::Promemoria,
                  QStringLiteral("Rata %1 di 12, pagamento con bonifico").arg(i % 12 + 1));
        const QString amount =
            normalizeAmount(QString::number(random() % 500000 / 100.0, 'f', 2).replace(u'.', u','));
        r.setText(mov::Importo, amount);
        r.setText(mov::ImportoSegnato, (in ? u'+' : u'-') + amount);
        r.setText(mov::Pagatore, names[static_cast<int>(random() % names.size())]);
        r.setText(mov::Beneficiario, names[static_cast<int>(random() % names.size())]);
        r.setText(mov::Email, QStringLiteral("amministrazione@example.it"));
        r.setText(mov::Pagamento, QStringLiteral("Bonifico bancario"));
        r.setText(mov::Note, QStringLiteral("Nessuna nota particolare per questo movimento."));
        r.setFlag(mov::Saldato, random() % 3 == 0);
        file.write(r.bytes());
    }
    return path;
}

QString makeClientFile(int count) {
    static QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("registry-%1").arg(count));
    const QString path = folder + QStringLiteral("/Clienti.pro");
    if (QFile::exists(path)) return path;
    QDir().mkpath(folder);
    const QStringList surnames{QStringLiteral("Rossi"),    QStringLiteral("Bianchi"),
                               QStringLiteral("Esposito"), QStringLiteral("Colombo"),
                               QStringLiteral("Ferrari"),  QStringLiteral("Ricci")};
    const QStringList names{QStringLiteral("Mario"), QStringLiteral("Giuseppina"),
                            QStringLiteral("Luca"), QStringLiteral("Anna Maria"),
                            QStringLiteral("Francesco")};
    const QStringList towns{QStringLiteral("Milano"), QStringLiteral("Roma"),
                            QStringLiteral("Napoli"), QStringLiteral("Reggio nell'Emilia"),
                            QStringLiteral("San Giovanni in Persiceto")};
    std::mt19937 random(11);
    auto pick = [&](const QStringList& from) {
        return from[static_cast<int>(random() % from.size())];
    };
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < count; ++i) {
        ClientRecord r;
        r.setText(cli::Cliente, pick(surnames) + u' ' + pick(names));
        r.setText(cli::DataNasc, QStringLiteral("12/05/1970"));
        r.setText(cli::ComuneNasc, pick(towns));
        r.setText(cli::ProvNasc, QStringLiteral("MI"));
        r.setText(cli::Recapito, QStringLiteral("333 %1").arg(1000000 + random() % 8999999));
        r.setText(cli::IndirizzoRes, QStringLiteral("Via Giuseppe Garibaldi %1").arg(i % 200 + 1));
        r.setText(cli::ComuneRes, pick(towns));
        r.setText(cli::ProvRes, QStringLiteral("RM"));
        r.setText(cli::CapRes, QStringLiteral("00100"));
        r.setText(cli::Estremi, QStringLiteral("Bonifico bancario a 30 giorni fine mese"));
        r.setText(cli::Email, QStringLiteral("cliente%1@example.it").arg(i));
        r.setText(cli::CodFisc, QStringLiteral("RSSMRA70E12F205X"));
        r.setText(cli::PartitaIva,
                  QStringLiteral("%1").arg(random() % 100000000000ULL, 11, 10, QLatin1Char('0')));
        r.setText(cli::Iban, QStringLiteral("IT60X0542811101000000123456"));
        r.setText(cli::Occupazione, QStringLiteral("Libero professionista"));
        r.setText(cli::Prodotti, QStringLiteral("Consulenza fiscale e contabile"));
        r.setText(cli::Zona, QStringLiteral("Nord"));
        r.setText(cli::Questioni,
                  QStringLiteral("Richiamare per il preventivo dell'anno prossimo"));
        r.setText(cli::Note,
                  QStringLiteral("Cliente dal %1, referenze ottime.").arg(2000 + i % 25));
        r.setFlag(cli::Ricontatta, random() % 4 == 0);
        file.write(r.bytes());
    }
    return path;
}

int runWithRatio(int argc, char** argv, const std::string& baseline, const std::string& measured,
                 const char* name, const char* target) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double base = reporter.timeOf(baseline);
    const double time = reporter.timeOf(measured);
    if (base > 0 && time > 0)
        std::printf("%s ratio: %.2f (target <= %s)\n", name, time / base, target);
    benchmark::Shutdown();
    return 0;
}

namespace {
class FixedFolder : public ProgramDirectory {
public:
    explicit FixedFolder(QString folder) : folder_(std::move(folder)) {}
    QString path() const override { return folder_; }

private:
    QString folder_;
};
}  // namespace

void useProgramFolder(const QString& folder) {
    setProgramDirectory(folder.isEmpty() ? nullptr : std::make_shared<FixedFolder>(folder));
}

}  // namespace vt::bench

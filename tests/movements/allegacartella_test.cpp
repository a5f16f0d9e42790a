#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "archive/recordfile.h"
#include "clients/Clienti.h"
#include "movements/AllegaCartella.h"
#include "movements/Movimenti.h"
#include "movements/logic/attachments.h"
#include "support/uifakes.h"

namespace vt {
namespace {

const char* const kLabels[] = {"lblFile01", "lblDesc01", "lblFile02", "lblDesc02", "lblFile03", "lblDesc03"};

class Attachments : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QTemporaryDir elsewhere;
    std::unique_ptr<TfrmMovimenti> card;

    void SetUp() override {
        card = std::make_unique<TfrmMovimenti>();
        screens::add(card.get());
    }
    void TearDown() override { screens::clear(); }

    static QLabel* label(QWidget* w, const char* name) {
        auto* l = w->findChild<QLabel*>(QLatin1String(name));
        if (!l) {
            l = new QLabel(w);
            l->setObjectName(QLatin1String(name));
        }
        return l;
    }
    void setCard(const QStringList& texts) {
        for (int i = 0; i < 6; ++i) label(card.get(), kLabels[i])->setText(texts.value(i));
    }
    QStringList cardTexts(QWidget* w) const {
        QStringList out;
        for (const char* name : kLabels) out.append(label(w, name)->text());
        return out;
    }
    QString source(const QString& relative, const QByteArray& content) {
        const QString path = elsewhere.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    QByteArray attached(const QString& name) const {
        QFile f(desktop.file(QStringLiteral("Documenti_Allegati/") + name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Opens the window the way the card does and hands it to `drive`.
    void run(const std::function<void(TfrmAllegaCartella&)>& drive, const QString& memory = QStringLiteral("movimenti"),
             QWidget* opener = nullptr) {
        desktop.dialogs().scripts.push_back([&](QDialog& d) {
            auto* window = qobject_cast<TfrmAllegaCartella*>(&d);
            EXPECT_TRUE(window);
            if (window) drive(*window);
            return d.result();
        });
        TfrmAllegaCartella::openFor(opener ? opener : card.get(), memory);
        EXPECT_TRUE(desktop.dialogs().scripts.empty());
    }
    static QLineEdit* field(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(QLatin1String(name)); }
    static QPushButton* push(QWidget& w, const char* name) { return w.findChild<QPushButton*>(QLatin1String(name)); }
};

TEST_F(Attachments, OpensWithTheCardsSlotsTrimmedAndApriOnlyWhereANameIs) {
    setCard({QStringLiteral("  fattura.pdf "), QStringLiteral(" la fattura "), QString(), QStringLiteral("solo descrizione"),
             QStringLiteral("   "), QString()});
    run([&](TfrmAllegaCartella& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral(" Allega file"));
        EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblMemory"))->text(), QStringLiteral("movimenti"));
        EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("lblMemory"))->isVisible());
        EXPECT_EQ(field(w, "txtFile01")->text(), QStringLiteral("fattura.pdf"));
        EXPECT_EQ(field(w, "txtDesc01")->text(), QStringLiteral("la fattura"));
        EXPECT_EQ(field(w, "txtDesc02")->text(), QStringLiteral("solo descrizione"));
        EXPECT_TRUE(field(w, "txtFile01")->isReadOnly());
        EXPECT_TRUE(push(w, "btnApri01")->isEnabled());
        EXPECT_FALSE(push(w, "btnApri02")->isEnabled());
        EXPECT_FALSE(push(w, "btnApri03")->isEnabled());
        EXPECT_EQ(push(w, "btnSfoglia01")->text(), QStringLiteral("Sfoglia..."));
        field(w, "txtFile03")->setText(QStringLiteral(" x "));
        EXPECT_TRUE(push(w, "btnApri03")->isEnabled());
        push(w, "btnAnnulla")->click();
    });
}

TEST_F(Attachments, BrowsingCopiesTheChosenFileAndApplyingHandsTheSlotsBack) {
    desktop.fileDialogs().answers = {source(QStringLiteral("Doc/fattura.pdf"), "PDF")};
    run([&](TfrmAllegaCartella& w) {
        push(w, "btnSfoglia01")->click();
        EXPECT_EQ(field(w, "txtFile01")->text(), QStringLiteral("fattura.pdf"));
        EXPECT_TRUE(push(w, "btnApri01")->isEnabled());
        field(w, "txtDesc01")->setText(QStringLiteral("  Fattura di marzo  "));
        push(w, "btnApri01")->click();
        push(w, "btnApplica")->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(desktop.fileDialogs().captions, QStringList{QStringLiteral("Selezionare il file da allegare:")});
    EXPECT_EQ(attached(QStringLiteral("fattura.pdf")), "PDF");
    EXPECT_EQ(desktop.shell().opened,
              QStringList{u'"' + QDir::toNativeSeparators(desktop.file(QStringLiteral("Documenti_Allegati/fattura.pdf"))) +
                          u'"'});
    EXPECT_EQ(cardTexts(card.get()), (QStringList{QStringLiteral("fattura.pdf"), QStringLiteral("Fattura di marzo"), QString(),
                                                  QString(), QString(), QString()}));
    EXPECT_TRUE(desktop.messages().shown.empty());
}

TEST_F(Attachments, ASecondFileOfTheSameNameAsksBeforeReplacing) {
    desktop.fileDialogs().answers = {source(QStringLiteral("a/fattura.pdf"), "first"),
                                     source(QStringLiteral("b/fattura.pdf"), "second"),
                                     source(QStringLiteral("b/fattura.pdf"), "second")};
    desktop.messages().confirmations = {false, true};
    run([&](TfrmAllegaCartella& w) {
        push(w, "btnSfoglia01")->click();
        push(w, "btnSfoglia02")->click();
        EXPECT_EQ(desktop.messages().last().text, attach::overwriteQuestion());
        EXPECT_EQ(field(w, "txtFile02")->text(), QStringLiteral("fattura.pdf"));
        EXPECT_EQ(attached(QStringLiteral("fattura.pdf")), "first");
        push(w, "btnSfoglia02")->click();
        EXPECT_EQ(attached(QStringLiteral("fattura.pdf")), "second");
        push(w, "btnAnnulla")->click();
    });
    EXPECT_EQ(desktop.messages().shown.size(), 2u);
}

TEST_F(Attachments, ACancelledDialogOrAnUnreadableFileChangesNothing) {
    setCard({QStringLiteral("vecchio.pdf")});
    desktop.fileDialogs().answers = {QString(), elsewhere.filePath(QStringLiteral("sparito.pdf")), elsewhere.path()};
    run([&](TfrmAllegaCartella& w) {
        for (int i = 0; i < 3; ++i) {
            push(w, "btnSfoglia01")->click();
            EXPECT_EQ(field(w, "txtFile01")->text(), QStringLiteral("vecchio.pdf")) << i;
        }
        push(w, "btnAnnulla")->click();
    });
    EXPECT_TRUE(desktop.messages().shown.empty());
    EXPECT_TRUE(QDir(desktop.file(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files).isEmpty());
}

TEST_F(Attachments, ApriOpensOnlyFilesInsideTheAttachmentFolder) {
    setCard({QStringLiteral("../Movimenti.xls"), QString(), QStringLiteral("/etc/passwd"), QString(),
             QStringLiteral("..\\..\\x.doc"), QString()});
    run([&](TfrmAllegaCartella& w) {
        for (const char* name : {"btnApri01", "btnApri02", "btnApri03"}) {
            EXPECT_TRUE(push(w, name)->isEnabled()) << name;
            push(w, name)->click();
        }
        push(w, "btnAnnulla")->click();
    });
    EXPECT_TRUE(desktop.shell().opened.isEmpty());
}

TEST_F(Attachments, ClearingASlotKeepsItsDescriptionAndTheCopiedFile) {
    desktop.fileDialogs().answers = {source(QStringLiteral("fattura.pdf"), "PDF")};
    setCard({QString(), QString(), QStringLiteral("vecchio.pdf"), QStringLiteral("descrizione")});
    run([&](TfrmAllegaCartella& w) {
        push(w, "btnSfoglia02")->click();
        w.findChild<QToolButton*>(QStringLiteral("imgCancella02"))->click();
        EXPECT_EQ(field(w, "txtFile02")->text(), QString());
        EXPECT_EQ(field(w, "txtDesc02")->text(), QStringLiteral("descrizione"));
        EXPECT_FALSE(push(w, "btnApri02")->isEnabled());
        push(w, "btnApplica")->click();
    });
    EXPECT_EQ(cardTexts(card.get())[2], QString());
    EXPECT_EQ(cardTexts(card.get())[3], QStringLiteral("descrizione"));
    EXPECT_EQ(attached(QStringLiteral("fattura.pdf")), "PDF");
}

TEST_F(Attachments, AnnullaHandsNothingBackButTheCopyStays) {
    setCard({QStringLiteral("vecchio.pdf"), QStringLiteral("vecchia")});
    desktop.fileDialogs().answers = {source(QStringLiteral("nuovo.pdf"), "new")};
    run([&](TfrmAllegaCartella& w) {
        push(w, "btnSfoglia01")->click();
        field(w, "txtDesc01")->setText(QStringLiteral("nuova"));
        push(w, "btnAnnulla")->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(cardTexts(card.get()).mid(0, 2), (QStringList{QStringLiteral("vecchio.pdf"), QStringLiteral("vecchia")}));
    EXPECT_EQ(attached(QStringLiteral("nuovo.pdf")), "new");
}

// A name the archive could not store as it is gets one it can: the copy
// takes that name, the slot shows it, a notice tells the user, and Apri
// opens that copy.
TEST_F(Attachments, ANameTheArchiveCannotHoldGetsOneItCanAndTheUserIsTold) {
    const struct {
        QString chosen;  // relative to a folder elsewhere
        QString copy;
    } cases[] = {
        {QStringLiteral("g/\u03A9mega.pdf"), QStringLiteral("_mega.pdf")},
        {QStringLiteral("c/a:b.txt"), QStringLiteral("a_b.txt")},
        // Becomes the same name as the one before: a second copy beside it.
        {QStringLiteral("b/a\\b.txt"), QStringLiteral("a_b (2).txt")},
        {QStringLiteral("t/fattura 10:30.pdf"), QStringLiteral("fattura 10_30.pdf")},
        // As long as a file name may be here; the slot holds 250.
        {QStringLiteral("l/") + QString(251, u'y') + QStringLiteral(".pdf"),
         QString(246, u'y') + QStringLiteral(".pdf")},
    };
    for (const auto& c : cases)
        desktop.fileDialogs().answers.push_back(source(c.chosen, c.chosen.toUtf8()));
    run([&](TfrmAllegaCartella& w) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.chosen.toStdString());
            const std::size_t before = desktop.messages().shown.size();
            push(w, "btnSfoglia01")->click();
            EXPECT_EQ(field(w, "txtFile01")->text(), c.copy);
            ASSERT_EQ(desktop.messages().shown.size(), before + 1);
            EXPECT_EQ(desktop.messages().last().kind, MessageKind::Notice);
            EXPECT_EQ(desktop.messages().last().text, attach::renamedNotice(c.copy));
            EXPECT_EQ(attached(c.copy), c.chosen.toUtf8());
            push(w, "btnApri01")->click();
            EXPECT_EQ(desktop.shell().opened.last(),
                      u'"' + QDir::toNativeSeparators(desktop.file(QStringLiteral("Documenti_Allegati/") + c.copy)) +
                          u'"');
        }
        push(w, "btnApplica")->click();
    });
    EXPECT_EQ(cardTexts(card.get())[0], cases[4].copy);
    // No question was asked: each renamed copy went to a free name.
    for (const auto& m : desktop.messages().shown) EXPECT_NE(m.kind, MessageKind::Confirmation);
}

TEST_F(Attachments, ThePayerCardGetsItsOwnSlots) {
    TfrmClienti clienti;
    // The window reaches the card's attachment labels by their names.
    for (const char* name : kLabels) {
        if (clienti.findChild<QLabel*>(QLatin1String(name))) continue;
        auto* label = new QLabel(&clienti);
        label->setObjectName(QLatin1String(name));
    }
    screens::add(&clienti);
    setCard({QStringLiteral("movimento.pdf")});
    label(&clienti, "lblFile03")->setText(QStringLiteral("contratto.pdf"));
    run(
        [&](TfrmAllegaCartella& w) {
            EXPECT_EQ(field(w, "txtFile03")->text(), QStringLiteral("contratto.pdf"));
            field(w, "txtDesc01")->setText(QStringLiteral(" carta d'identit\u00E0 "));
            push(w, "btnApplica")->click();
        },
        QStringLiteral("clienti"), &clienti);
    EXPECT_EQ(cardTexts(&clienti), (QStringList{QString(), QStringLiteral("carta d'identit\u00E0"), QString(), QString(),
                                                QStringLiteral("contratto.pdf"), QString()}));
    EXPECT_EQ(cardTexts(card.get())[0], QStringLiteral("movimento.pdf"));
}

// Through a whole card: attach, save, show another card, come back, open.
struct CardKind {
    const char* name;
    std::function<std::unique_ptr<QWidget>(test::FakeDesktop&)> create;
    std::function<void(QWidget&)> fill;
    std::function<QString(test::FakeDesktop&)> storedSlot;
};
void PrintTo(const CardKind& k, std::ostream* os) { *os << k.name; }

class AttachedToACard : public ::testing::TestWithParam<CardKind> {
protected:
    test::FakeDesktop desktop;
    QTemporaryDir elsewhere;
    void TearDown() override { screens::clear(); }
    static QAbstractButton* command(QWidget& card, const char* name) {
        return card.findChild<QAbstractButton*>(QLatin1String(name));
    }
};

TEST_P(AttachedToACard, AfterSavingAndReloadingApriOpensTheCopy) {
    const CardKind& kind = GetParam();
    std::unique_ptr<QWidget> card = kind.create(desktop);
    screens::add(card.get());
    card->show();

    const QString chosen = elsewhere.filePath(QStringLiteral("\u03A9mega.pdf"));
    {
        QFile f(chosen);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("omega");
    }
    desktop.fileDialogs().answers = {chosen};
    desktop.dialogs().scripts.push_back([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("btnSfoglia01"))->click();
        d.findChild<QLineEdit*>(QStringLiteral("txtDesc01"))->setText(QStringLiteral("Fattura"));
        d.findChild<QPushButton*>(QStringLiteral("btnApplica"))->click();
        return d.result();
    });
    command(*card, "cmdFile")->click();
    ASSERT_EQ(desktop.messages().shown.size(), 1u);
    EXPECT_EQ(desktop.messages().last().text, attach::renamedNotice(QStringLiteral("_mega.pdf")));

    kind.fill(*card);
    command(*card, "cmdSalva")->click();
    EXPECT_EQ(desktop.messages().last().text, QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    EXPECT_EQ(kind.storedSlot(desktop), QStringLiteral("_mega.pdf"));

    command(*card, "cmdNuovo")->click();
    EXPECT_EQ(card->findChild<QLabel*>(QStringLiteral("lblFile01"))->text(), QString());
    command(*card, "cmdPrimo")->click();
    QString shown;
    desktop.dialogs().scripts.push_back([&](QDialog& d) {
        shown = d.findChild<QLineEdit*>(QStringLiteral("txtFile01"))->text();
        d.findChild<QPushButton*>(QStringLiteral("btnApri01"))->click();
        d.findChild<QPushButton*>(QStringLiteral("btnAnnulla"))->click();
        return d.result();
    });
    command(*card, "cmdFile")->click();
    EXPECT_EQ(shown, QStringLiteral("_mega.pdf"));
    ASSERT_EQ(desktop.shell().opened.size(), 1);
    QString target = desktop.shell().opened.front();
    ASSERT_TRUE(target.startsWith(u'"') && target.endsWith(u'"'));
    target = target.mid(1, target.size() - 2);
    EXPECT_EQ(QDir::fromNativeSeparators(target), desktop.file(QStringLiteral("Documenti_Allegati/_mega.pdf")));
    QFile opened(target);
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(opened.readAll(), "omega");
}

INSTANTIATE_TEST_SUITE_P(
    Cards, AttachedToACard,
    ::testing::Values(
        CardKind{"Movement",
                 [](test::FakeDesktop& desktop) -> std::unique_ptr<QWidget> {
                     auto card = std::make_unique<TfrmMovimenti>();
                     card->findChild<QLabel*>(QStringLiteral("lblFile"))
                         ->setText(desktop.file(QStringLiteral("2026.eur")));
                     return card;
                 },
                 [](QWidget& card) {
                     const auto set = [&](const char* name, const char* text) {
                         card.findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromUtf8(text));
                     };
                     set("txtData", "09/12/2026");
                     set("txtCausale", "Affitto");
                     set("txtDataSca", "31/12/2026");
                     set("txtPagatore", "Rossi");
                     set("txtBeneficiario", "Bianchi");
                 },
                 [](test::FakeDesktop& desktop) {
                     return MovementFile(desktop.file(QStringLiteral("2026.eur"))).read(1)->text(mov::File01);
                 }},
        CardKind{"Registry", [](test::FakeDesktop&) -> std::unique_ptr<QWidget> { return std::make_unique<TfrmClienti>(); },
                 [](QWidget& card) {
                     card.findChild<QLineEdit*>(QStringLiteral("txtCliente"))->setText(QStringLiteral("Rossi Mario"));
                 },
                 [](test::FakeDesktop& desktop) {
                     return ClientFile(desktop.file(QStringLiteral("Clienti.pro"))).read(1)->text(cli::File01);
                 }}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vt


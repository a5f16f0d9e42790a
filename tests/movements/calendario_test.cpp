#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/windows.h"
#include "movements/Calendario.h"
#include "movements/Movimenti.h"
#include "support/uifakes.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vt {
namespace {

class Picker : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    TfrmMovimenti card;
    void SetUp() override {
        screens::clear();
        card.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&card));
    }
    QLineEdit* field(const char* name) { return card.findChild<QLineEdit*>(QLatin1String(name)); }
    static QPushButton* button(QDialog& d, const char* name) {
        return d.findChild<QPushButton*>(QLatin1String(name));
    }
    static QCalendarWidget* calendar(QDialog& d) {
        return d.findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"));
    }
    // Opens a fresh picker on the card as the card does, with `memory` in
    // lblMemory, and lets `script` drive it.
    void open(const QString& memory, std::function<int(QDialog&)> script) {
        desktop.dialogs().scripts.push_back(std::move(script));
        openDialog<TfrmCalendario>(&card, [&](TfrmCalendario& d) { d.setTarget(memory); });
    }
};

TEST_F(Picker, LooksAsDesignedAndOpensOnToday) {
    open(QStringLiteral("movimenti_data"), [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Importazione data"));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("lblCampo001"))->text(), QStringLiteral("Importare una data:"));
        EXPECT_EQ(button(d, "btnImportaData")->text(), QStringLiteral("Importa"));
        EXPECT_EQ(button(d, "btnAnnulla")->text(), QStringLiteral("Annulla"));
        EXPECT_FALSE(d.findChild<QLabel*>(QStringLiteral("lblMemory"))->isVisible());
        EXPECT_EQ(calendar(d)->selectedDate(), QDate(2026, 12, 9));
        // Centred on the card that opened it.
        EXPECT_LE((d.frameGeometry().center() - d.parentWidget()->window()->frameGeometry().center()).manhattanLength(),
                  8);
        button(d, "btnAnnulla")->click();
        return d.result();
    });
}

TEST_F(Picker, ImportaWritesTheChosenDateIntoTheNamedField) {
    field("txtDataSca")->setText(QStringLiteral("01/01/2001"));
    open(QStringLiteral("movimenti_scadenza"), [](QDialog& d) {
        calendar(d)->setSelectedDate(QDate(2024, 2, 29));
        button(d, "btnImportaData")->click();
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    EXPECT_EQ(field("txtDataSca")->text(), QStringLiteral("29/02/2024"));
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("09/12/2026"));
    open(QStringLiteral("movimenti_data"), [](QDialog& d) {
        calendar(d)->setSelectedDate(QDate(2027, 3, 5));
        button(d, "btnImportaData")->click();
        return d.result();
    });
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("05/03/2027"));
}

TEST_F(Picker, UnknownTargetKeepsThePickerOpenAndEscapeDoesNotClose) {
    open(QStringLiteral("altro"), [](QDialog& d) {
        button(d, "btnImportaData")->click();
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        button(d, "btnAnnulla")->click();
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("09/12/2026"));
    EXPECT_EQ(field("txtDataSca")->text(), QString());
}

}  // namespace
}  // namespace vt

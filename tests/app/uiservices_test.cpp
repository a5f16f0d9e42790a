#include "app/uiservices.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace vt {
namespace {

// The names the dialog lists in its folder, once its model has read it.
QStringList listed(QFileDialog& dialog, int expected) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view) return {};
    QStringList names;
    QDeadlineTimer deadline(10000);
    do {
        QTest::qWait(20);
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r)
            names.append(view->model()->index(r, 0, root).data().toString());
    } while (names.size() < expected && !deadline.hasExpired());
    names.sort();
    return names;
}

TEST(OpenFileDialog, EveryFileFilterKeepsItsTextAndListsFilesWithoutExtension) {
    QTemporaryDir dir;
    for (const char* name : {"LEGGIMI", "fattura.pdf", "foto.jpg"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const struct {
        QString filter;
        QString shown;
        QStringList files;
    } cases[] = {
        {"Tutti i file (*.*)", "Tutti i file (*.*)", {"LEGGIMI", "fattura.pdf", "foto.jpg"}},
        {"Documenti PDF (*.pdf)", "Documenti PDF (*.pdf)", {"fattura.pdf"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        QFileDialog dialog(nullptr, QStringLiteral("Selezionare il file da allegare:"), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        setUpOpenFileDialog(dialog, c.filter);
        dialog.show();
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->count(), 1);
        EXPECT_EQ(combo->itemText(0), c.shown);
        EXPECT_EQ(listed(dialog, static_cast<int>(c.files.size())), c.files);
    }
}

}  // namespace
}  // namespace vt

#include "support/uifakes.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

namespace vt::test {

bool RecordingMessages::show(QWidget*, MessageKind kind, const QString& text) {
    shown.push_back({kind, text});
    if (kind != MessageKind::Confirmation) return true;
    if (confirmations.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << text.toStdString();
        return false;
    }
    const bool answer = confirmations.front();
    confirmations.pop_front();
    return answer;
}

QStringList RecordingMessages::texts() const {
    QStringList out;
    for (const auto& m : shown) out.append(m.text);
    return out;
}

QString ScriptedFileDialogs::openFile(QWidget*, const QString& caption, const QString&,
                                      const QString&) {
    captions.append(caption);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << caption.toStdString();
        return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedInputBoxes::getText(QWidget*, const QString&, const QString& prompt,
                                                   const QString&) {
    prompts.append(prompt);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return std::nullopt;
    }
    // Taken apart rather than copied whole: GCC's optimiser otherwise warns
    // about the optional's payload.
    const bool cancelled = !answers.front().has_value();
    const QString text = answers.front().value_or(QString());
    answers.pop_front();
    if (cancelled) return std::nullopt;
    return text;
}

bool PdfPrinters::setUp(QPrinter& printer, QWidget*, bool askUser) {
    if (!installed) return false;
    if (askUser) {
        ++dialogs;
        if (!dialogAccepts) return false;
    }
    const QString file = folder + QStringLiteral("/printed-%1.pdf").arg(printed.size() + 1);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printed.append(file);
    return true;
}

void PdfPrinters::preview(QWidget*, const QString& title,
                          const std::function<void(QPrinter*)>& paint) {
    previews.append(title);
    QPrinter printer(QPrinter::HighResolution);
    const QString file = folder + QStringLiteral("/preview-%1.pdf").arg(previews.size());
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    paint(&printer);
    previewFiles.append(file);
}

int ScriptedDialogs::run(QDialog& dialog) {
    opened.append(QString::fromLatin1(dialog.metaObject()->className()));
    if (scripts.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.metaObject()->className();
        return QDialog::Rejected;
    }
    auto script = std::move(scripts.front());
    scripts.pop_front();
    dialog.show();
    const int result = script(dialog);
    dialog.hide();
    return result;
}

void ScriptedDialogs::drive(std::function<void(QDialog&)> drive) {
    scripts.push_back([drive = std::move(drive)](QDialog& d) {
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        drive(d);
        return 0;
    });
}

FakeDesktop::FakeDesktop()
    : messages_(std::make_shared<RecordingMessages>()),
      files_(std::make_shared<ScriptedFileDialogs>()),
      inputs_(std::make_shared<ScriptedInputBoxes>()),
      printers_(std::make_shared<PdfPrinters>()),
      dialogs_(std::make_shared<ScriptedDialogs>()),
      backups_(std::make_shared<RecordingBackups>()) {
    printers_->folder = dir();
    setMessages(messages_);
    setFileDialogs(files_);
    setInputBoxes(inputs_);
    setPrinters(printers_);
    setDialogRunner(dialogs_);
    setBackups(backups_);
}

FakeDesktop::~FakeDesktop() {
    setMessages(nullptr);
    setFileDialogs(nullptr);
    setInputBoxes(nullptr);
    setPrinters(nullptr);
    setDialogRunner(nullptr);
    setBackups(nullptr);
}

void doubleClickRow(QListWidget* list, int row) {
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->item(row), nullptr) << "no line " << row;
    list->setCurrentRow(row);
    list->doItemsLayout();
    const QRect rect = list->visualItemRect(list->item(row));
    ASSERT_TRUE(rect.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace vt::test

#pragma once

#include <QDialog>
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/dailybackup.h"
#include "app/uiservices.h"
#include "support/fakes.h"

class QListWidget;

namespace vt::test {

struct ShownMessage {
    MessageKind kind;
    QString text;
};

// Records every message. Warnings, errors, information and notices are
// answered OK; a confirmation takes the next scripted answer, and one with
// no answer scripted fails the test (answering No) instead of waiting.
class RecordingMessages : public MessageService {
public:
    std::vector<ShownMessage> shown;
    std::deque<bool> confirmations;

    bool show(QWidget* parent, MessageKind kind, const QString& text) override;
    const ShownMessage& last() const { return shown.back(); }
    QStringList texts() const;
};

// Scripted answers for the file dialog and the input box; an unexpected
// dialog fails the test and answers "cancelled".
class ScriptedFileDialogs : public FileDialogService {
public:
    std::deque<QString> answers;
    QStringList captions;
    QString openFile(QWidget*, const QString& caption, const QString&, const QString&) override;
};

class ScriptedInputBoxes : public InputBoxService {
public:
    std::deque<std::optional<QString>> answers;
    QStringList prompts;
    std::optional<QString> getText(QWidget*, const QString&, const QString& prompt,
                                   const QString&) override;
};

// A printer that writes PDF files into the test's folder: the same painting
// path as a real printer. With `installed` false there is no printer.
class PdfPrinters : public PrinterService {
public:
    bool installed = true;
    bool dialogAccepts = true;
    QString folder;       // where the PDFs go
    QStringList printed;  // files written by setUp'd printers
    int dialogs = 0;
    QStringList previews;      // titles of previews shown
    QStringList previewFiles;  // each preview's pages, also written as PDF

    bool hasPrinter() const override { return installed; }
    bool setUp(QPrinter& printer, QWidget* parent, bool askUser) override;
    void preview(QWidget* parent, const QString& title,
                 const std::function<void(QPrinter*)>& paint) override;
};

// Runs dialogs by script: each opened dialog is handed to the next script,
// which drives it (it is shown, not modal) and returns its result. A dialog
// with no script left fails the test and is rejected.
class ScriptedDialogs : public DialogRunner {
public:
    std::deque<std::function<int(QDialog&)>> scripts;
    QStringList opened;  // class names of the dialogs run
    int run(QDialog& dialog) override;
    // Scripts the next dialog as a person meets it: active on the screen,
    // then driven by `drive`; its result is 0.
    void drive(std::function<void(QDialog&)> drive);
};

// Counts the daily copies asked for and makes none: a test that wants a real
// copy installs a BackupService of its own.
class RecordingBackups : public BackupService {
public:
    int started = 0;
    void startDaily(QWidget*) override { ++started; }
};

// Every service faked for the life of the object.
class FakeDesktop : public FakeSystem {
public:
    FakeDesktop();
    ~FakeDesktop();

    RecordingMessages& messages() { return *messages_; }
    ScriptedFileDialogs& fileDialogs() { return *files_; }
    ScriptedInputBoxes& inputBoxes() { return *inputs_; }
    PdfPrinters& printers() { return *printers_; }
    ScriptedDialogs& dialogs() { return *dialogs_; }
    RecordingBackups& backups() { return *backups_; }

private:
    std::shared_ptr<RecordingMessages> messages_;
    std::shared_ptr<ScriptedFileDialogs> files_;
    std::shared_ptr<ScriptedInputBoxes> inputs_;
    std::shared_ptr<PdfPrinters> printers_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    std::shared_ptr<RecordingBackups> backups_;
};

// Double-clicks the line at `row` of a record list as a person does: the
// button goes down on the line, then the double-click follows.
void doubleClickRow(QListWidget* list, int row);

}  // namespace vt::test

#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;
class QDialog;
class QPrinter;

namespace vt {

// The five forms of message the program shows.
enum class MessageKind {
    Warning,       // warning icon, OK and Cancel; missing or wrong input
    Error,         // error icon, OK and Cancel; file access failures
    Information,   // information icon, OK and Cancel; completed actions
    Confirmation,  // question icon, Yes and No
    Notice,        // plain box, OK only
};

// Every modal dialog of the program goes through these services, so a test
// can answer them instead of a person.
class MessageService {
public:
    virtual ~MessageService() = default;
    // True when the user answers OK (or Yes).
    virtual bool show(QWidget* parent, MessageKind kind, const QString& text);
};

// Sets an open-file dialog up for `filter` (filters separated by ";;", each
// a text with its patterns in parentheses). Every filter shows its text as
// given; a "*.*" pattern matches every file, as users expect of it, files
// without an extension included.
void setUpOpenFileDialog(QFileDialog& dialog, const QString& filter);

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full path, or an empty text when cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& directory,
                             const QString& filter);
};

class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // The text typed, or nothing when cancelled.
    virtual std::optional<QString> getText(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& value);
};

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Whether any printer is installed.
    virtual bool hasPrinter() const;
    // Gets the printer ready: with `askUser`, through the print dialog
    // (false when the user cancels); without, on the default printer.
    virtual bool setUp(QPrinter& printer, QWidget* parent, bool askUser);
    // Shows a print preview whose pages `paint` draws.
    virtual void preview(QWidget* parent, const QString& title,
                         const std::function<void(QPrinter*)>& paint);
};

// Runs a dialog window modally. A test replaces it to drive the dialog.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int run(QDialog& dialog);
};

MessageService& messages();
FileDialogService& fileDialogs();
InputBoxService& inputBoxes();
PrinterService& printers();
DialogRunner& dialogRunner();

void setMessages(std::shared_ptr<MessageService> replacement);
void setFileDialogs(std::shared_ptr<FileDialogService> replacement);
void setInputBoxes(std::shared_ptr<InputBoxService> replacement);
void setPrinters(std::shared_ptr<PrinterService> replacement);
void setDialogRunner(std::shared_ptr<DialogRunner> replacement);

// Shorthands for the five forms. Inside a message a paragraph break is
// "\n\r\n\r" (kMessageBreak); in questions and help texts "\r\n\r\n".
inline const QString kMessageBreak = QStringLiteral("\n\r\n\r");
inline const QString kTextBreak = QStringLiteral("\r\n\r\n");

void warning(QWidget* parent, const QString& text);
void error(QWidget* parent, const QString& text);
void information(QWidget* parent, const QString& text);
bool confirm(QWidget* parent, const QString& text);
void notice(QWidget* parent, const QString& text);

// The text as a person should see it: each paragraph break as one empty line.
QString displayText(const QString& text);

}  // namespace vt

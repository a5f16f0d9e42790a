#include "app/uiservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include "app/base/serviceslot.h"

namespace vt {

QString displayText(const QString& text) {
    // Both break forms, and any lone CR, become plain line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

bool MessageService::show(QWidget* parent, MessageKind kind, const QString& text) {
    QMessageBox box(parent);
    box.setText(displayText(text));
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
        case MessageKind::Warning:
            box.setWindowTitle(QStringLiteral("Attenzione"));
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MessageKind::Error:
            box.setWindowTitle(QStringLiteral("Errore"));
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MessageKind::Information:
            box.setWindowTitle(QStringLiteral("Informazione"));
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MessageKind::Confirmation:
            box.setWindowTitle(QStringLiteral("Conferma"));
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case MessageKind::Notice:
            box.setWindowTitle(QStringLiteral("Vantresa"));
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    const int answer = box.exec();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

void setUpOpenFileDialog(QFileDialog& dialog, const QString& filter) {
    // The dialog shows each filter's text without the patterns it appends
    // (the last parentheses), so a filter can show "(*.*)" and match "*".
    static const QRegularExpression patterns(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    QStringList filters;
    for (const QString& text : filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = patterns.match(text);
        QStringList matched =
            m.hasMatch() ? m.captured(1).split(u' ', Qt::SkipEmptyParts) : QStringList{};
        for (QString& p : matched)
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        if (matched.isEmpty()) matched = {QStringLiteral("*")};
        filters.append(text.trimmed() + QStringLiteral(" (") + matched.join(u' ') + u')');
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(filters);
}

QString FileDialogService::openFile(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter) {
    QFileDialog dialog(parent, caption, directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    setUpOpenFileDialog(dialog, filter);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

std::optional<QString> InputBoxService::getText(QWidget* parent, const QString& caption,
                                                const QString& prompt, const QString& value) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
}

bool PrinterService::hasPrinter() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool PrinterService::setUp(QPrinter& printer, QWidget* parent, bool askUser) {
    if (!hasPrinter()) return false;
    if (!askUser) return true;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrinterService::preview(QWidget* parent, const QString& title,
                             const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* p) { paint(p); });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

int DialogRunner::run(QDialog& dialog) {
    return dialog.exec();
}

MessageService& messages() {
    return *detail::serviceSlot<MessageService>().current;
}
FileDialogService& fileDialogs() {
    return *detail::serviceSlot<FileDialogService>().current;
}
InputBoxService& inputBoxes() {
    return *detail::serviceSlot<InputBoxService>().current;
}
PrinterService& printers() {
    return *detail::serviceSlot<PrinterService>().current;
}
DialogRunner& dialogRunner() {
    return *detail::serviceSlot<DialogRunner>().current;
}
void setMessages(std::shared_ptr<MessageService> r) {
    detail::serviceSlot<MessageService>().set(std::move(r));
}
void setFileDialogs(std::shared_ptr<FileDialogService> r) {
    detail::serviceSlot<FileDialogService>().set(std::move(r));
}
void setInputBoxes(std::shared_ptr<InputBoxService> r) {
    detail::serviceSlot<InputBoxService>().set(std::move(r));
}
void setPrinters(std::shared_ptr<PrinterService> r) {
    detail::serviceSlot<PrinterService>().set(std::move(r));
}
void setDialogRunner(std::shared_ptr<DialogRunner> r) {
    detail::serviceSlot<DialogRunner>().set(std::move(r));
}

void warning(QWidget* parent, const QString& text) {
    messages().show(parent, MessageKind::Warning, text);
}
void error(QWidget* parent, const QString& text) {
    messages().show(parent, MessageKind::Error, text);
}
void information(QWidget* parent, const QString& text) {
    messages().show(parent, MessageKind::Information, text);
}
bool confirm(QWidget* parent, const QString& text) {
    return messages().show(parent, MessageKind::Confirmation, text);
}
void notice(QWidget* parent, const QString& text) {
    messages().show(parent, MessageKind::Notice, text);
}

}  // namespace vt

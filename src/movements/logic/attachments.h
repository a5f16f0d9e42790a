#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vt::attach {

// The folder beside the executable that holds the copies of attached files,
// shared by movement cards and payer and beneficiary cards; ends with '/'.
QString folder();

// Whether a slot's file name (trimmed) names a file directly inside the
// folder: not empty, no folder part, no drive, not "." or "..". A name that
// reached a card from a record written elsewhere may be anything; only such
// names are ever opened or written through a slot.
bool isBareName(const QString& slotName);

// The full path in the folder of a slot's file, or an empty text when the
// name is not a bare name.
QString pathInFolder(const QString& slotName);

// Whether the slot's name refers to a file present in the folder.
bool presentInFolder(const QString& slotName);

// What the shell-open routine receives for a slot: the file's full path in
// double quotes; empty when the name is not a bare name.
QString openTarget(const QString& slotName);

// The file dialog's title and filter, and the overwrite question.
QString dialogTitle();
QString dialogFilter();
QString overwriteQuestion();

// The characters a slot holds, as its record field does.
inline constexpr int kSlotCapacity = 250;

// The name under which a chosen file (its file name, without folder) is
// copied into the folder. A name the slot can hold is kept as it is
// (trimmed), and a file of that name already there is the overwrite
// question's business. Any other name is made into one: each character that
// Windows-1252 cannot hold, or that a file name or a slot refuses (\ / : * ?
// " < > | and control characters), is replaced (by its plain letter where it
// has one, as "\u0105" by "a", else by "_"); the name is cut to
// kSlotCapacity characters keeping its extension; and when a file of that
// name is already among `existing` (the folder's file names; letter case does
// not count, as on Windows) " (2)", " (3)" and so on go before the extension.
QString copyName(const QString& chosenName, const QStringList& existing);
// copyName against the files now in the folder.
QString copyNameInFolder(const QString& chosenName);

// The plain notice telling the user the name the copy got when it is not
// the chosen file's own.
QString renamedNotice(const QString& name);

enum class CopyOutcome {
    Copied,        // the chosen file is now in the folder
    AlreadyThere,  // the chosen file is the folder's own copy: nothing to do
    KeptExisting,  // the user kept the file of the same name already there
    Failed,        // source unreadable, folder or copy refused: nothing changed
};

// Copies the chosen file (full path) into the folder under `name` (from
// copyName), creating the folder when missing. When another file of that
// name is already there, `askOverwrite` decides whether it is replaced. The
// copy is written beside the target and only then takes its name, so a
// failed copy never destroys the file already there.
CopyOutcome copyIntoFolder(const QString& source, const QString& name,
                           const std::function<bool()>& askOverwrite);
// The same under copyNameInFolder of the chosen file's name.
CopyOutcome copyIntoFolder(const QString& source, const std::function<bool()>& askOverwrite);

}  // namespace vt::attach

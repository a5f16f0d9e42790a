#pragma once

#include <QString>

namespace vt::invoices {

// The name under which a copy of a file called `wanted` is kept in the
// attachment folder: the `n`th candidate (1 for the first choice, 2, 3, ...
// when the earlier ones are taken by other files).
//
// The rule for names the archive can hold is meant to be one rule for the
// whole program, shared with the attachments window; until that shared rule
// is in place the import keeps its own here, behind this one function, so
// that switching over changes nothing else. It gives a name that a record
// field holds as written: only characters of Windows-1252, none that a
// folder cannot take in a file name (\ / : * ? " < > | and control
// characters become '_'), no trailing dots or blanks, no reserved device
// name, at most 250 characters with the extension kept, and " (n)" before
// the extension for the later candidates.
QString copyNameCandidate(const QString& wanted, int n);

}  // namespace vt::invoices

#pragma once

#include <QString>
#include <optional>

namespace vt::ini {

// A small Windows-style INI file: "[Section]" lines and "Key=Value" lines,
// names matched without regard to letter case, blanks around names and
// values ignored, ";" and "#" lines are comments.
//
// Read and write go straight to the file every time: no copy is kept in
// memory, so a failed write can never be mistaken later for a stored value.

// The value of `key` in `section`: an empty text when the file, the section
// or the key is missing; nothing when the file exists but cannot be read.
std::optional<QString> readValue(const QString& path, const QString& section, const QString& key);

// Sets `key` in `section` to `value`, adding the section or the key when
// missing and keeping every other line as it was. The file is replaced in
// one step, so a failure leaves the old file untouched. False on failure.
bool writeValue(const QString& path, const QString& section, const QString& key, const QString& value);

}  // namespace vt::ini

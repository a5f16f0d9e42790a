#pragma once

#include <QString>
#include <optional>

namespace vt::password {

// The password store: an INI file beside the program, section "Accesso",
// key "Valore", holding the scrambled password in hexadecimal.
inline const QString kStoreFileName = QStringLiteral("unins000.dll");
inline const QString kSection = QStringLiteral("Accesso");
inline const QString kKey = QStringLiteral("Valore");

// The password an installation starts with. The install step writes it only
// when no store exists, so reinstalling never resets a changed password.
inline const QString kInitialPassword = QStringLiteral("primanota");

// Longest password the scrambling routine is meant for.
inline constexpr int kMaxLength = 255;

// The store in `folder` (ending with '/'); by default the program's folder.
QString storePath();
QString storePath(const QString& folder);

// The form in which a password is stored and compared: surrounding blanks
// and control characters removed, letters a to z in upper case, every other
// character unchanged.
QString normalized(const QString& typed);

// Whether a typed password matches the unscrambled stored one.
bool matches(const QString& typed, const QString& storedPlain);

// Whether the store can hold the password so that typing it again matches:
// only characters of code 0 to 255 survive scrambling.
bool isStorable(const QString& password);

// The stored password, unscrambled: empty when nothing is stored (missing
// file, section or key); nothing when the store cannot be read or its value
// is not hexadecimal.
std::optional<QString> readStored(const QString& path = storePath());

// Stores `password` (normalised, scrambled). False when the store cannot be
// written; the old value then stays in place.
bool writeStored(const QString& password, const QString& path = storePath());

enum class LoginResult { Match, NoMatch, ReadFailure };
LoginResult checkLogin(const QString& typed, const QString& path = storePath());

enum class ChangeResult {
    Changed,
    WrongOldPassword,
    NotConfirmed,       // new and confirmation differ (letter case included)
    NotStorable,        // a character the store cannot keep (above code 255)
    ReadFailure,
    WriteFailure,
};
// The change of password in its fixed order of checks.
ChangeResult change(const QString& oldPassword, const QString& newPassword, const QString& confirmation,
                    const QString& path = storePath());

}  // namespace vt::password

namespace vt::password {

// The install step: puts the initial password into the store of `folder`
// (ending with '/') when there is no store there yet. Anything already at
// that path is left alone. False when a missing store cannot be written.
enum class InstallResult { Created, Kept, Failed };
InstallResult installInitial(const QString& folder);

}  // namespace vt::password

#include "app/logic/password.h"

#include <QFileInfo>

#include "app/base/services.h"
#include "app/logic/crypt.h"
#include "app/logic/inifile.h"
#include "archive/codec.h"

namespace vt::password {

QString storePath() { return storePath(programDir()); }
QString storePath(const QString& folder) { return folder + kStoreFileName; }

QString normalized(const QString& typed) {
    QString out = vt::trimmed(typed);
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
    return out;
}

bool matches(const QString& typed, const QString& storedPlain) {
    // An empty store holds no password: nothing matches it, not even a
    // blank entry.
    const QString stored = vt::trimmed(storedPlain);
    return !stored.isEmpty() && normalized(typed) == stored;
}

bool isStorable(const QString& password) {
    for (QChar c : password)
        if (c.unicode() > 0xFF) return false;
    return true;
}

std::optional<QString> readStored(const QString& path) {
    const auto value = ini::readValue(path, kSection, kKey);
    if (!value) return std::nullopt;
    return crypt::unscramble(*value);
}

bool writeStored(const QString& password, const QString& path) {
    return ini::writeValue(path, kSection, kKey, vt::trimmed(crypt::scramble(normalized(password))));
}

LoginResult checkLogin(const QString& typed, const QString& path) {
    const auto stored = readStored(path);
    if (!stored) return LoginResult::ReadFailure;
    return matches(typed, *stored) ? LoginResult::Match : LoginResult::NoMatch;
}

ChangeResult change(const QString& oldPassword, const QString& newPassword, const QString& confirmation,
                    const QString& path) {
    const auto stored = readStored(path);
    if (!stored) return ChangeResult::ReadFailure;
    if (!matches(oldPassword, *stored)) return ChangeResult::WrongOldPassword;
    if (vt::trimmed(newPassword) != vt::trimmed(confirmation)) return ChangeResult::NotConfirmed;
    if (!isStorable(newPassword)) return ChangeResult::NotStorable;
    if (!writeStored(newPassword, path)) return ChangeResult::WriteFailure;
    return ChangeResult::Changed;
}

}  // namespace vt::password

namespace vt::password {

InstallResult installInitial(const QString& folder) {
    const QString path = storePath(folder);
    const QFileInfo info(path);
    // A store the user changed, or anything else in its place, stays.
    if (info.exists() || info.isSymLink()) return InstallResult::Kept;
    return writeStored(kInitialPassword, path) ? InstallResult::Created : InstallResult::Failed;
}

}  // namespace vt::password

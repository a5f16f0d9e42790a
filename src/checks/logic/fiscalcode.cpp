#include "checks/logic/fiscalcode.h"

#include <array>

#include "archive/codec.h"

namespace vt::checks {
namespace {

constexpr int kFirstCode = 48;  // '0'
constexpr int kLastCode = 90;   // 'Z'
constexpr int kCodes = kLastCode - kFirstCode + 1;

// Values of the characters at odd positions, indexed from '0'. A digit counts
// as the letter in the same place of the alphabet; ':' to '@' count 0.
constexpr std::array<int, kCodes> kOdd{1,  0, 5, 7, 9,  13, 15, 17, 19, 21,  // 0-9
                                       0,  0, 0, 0, 0,  0,  0,               // : ; < = > ? @
                                       1,  0, 5, 7, 9,  13, 15, 17, 19, 21, 2,  4, 18, 20,  // A-N
                                       11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};        // O-Z

// Values at even positions: digits 0-9, letters 0-25.
constexpr std::array<int, kCodes> kEven{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  // 0-9
                                        0,  0,  0,  0,  0,  0,  0,              // : ; < = > ? @
                                        0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                        11, 12, 13, 14, 15, 16, 17, 18, 19, 20,  // A-U
                                        21, 22, 23, 24, 25};                     // V-Z

}  // namespace

std::optional<QChar> fiscalCodeCheckCharacter(QStringView first15) {
    if (first15.size() != 15) return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < first15.size(); ++i) {
        const int code = first15[i].unicode();
        // Pasted accented letters or punctuation have no place in the tables.
        if (code < kFirstCode || code > kLastCode) return std::nullopt;
        const bool oddPosition = i % 2 == 0;  // positions count from 1
        sum += (oddPosition ? kOdd : kEven)[static_cast<size_t>(code - kFirstCode)];
    }
    return QChar(u'A' + sum % 26);
}

bool isValidFiscalCode(QStringView code) {
    if (code.size() != 16) return false;
    const auto expected = fiscalCodeCheckCharacter(code.first(15));
    return expected && *expected == code[15];
}

CheckReply fiscalCodeReply(const QString& fieldText) {
    // Only a to z: another letter's capital may be longer (a sharp s gives
    // "SS") and would change the length that is checked.
    const QString code = vt::upperAZ(fieldText);
    if (code.size() != 16)
        return {
            CheckReply::Kind::Warning,
            QStringLiteral(
                "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
            false};
    if (isValidFiscalCode(code))
        return {CheckReply::Kind::Information,
                QStringLiteral("Il codice fiscale digitato è VALIDO."), true};
    return {CheckReply::Kind::Warning,
            QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."), true};
}

}  // namespace vt::checks

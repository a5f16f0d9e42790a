#include "app/logic/crypt.h"

#include <cstdint>

namespace vt::crypt {
namespace {

constexpr std::uint16_t kStartKey = 5093;
constexpr std::uint16_t kMultiplier = 43517;
constexpr std::uint16_t kAddend = 36457;

// The key always moves on with the scrambled byte, in both directions.
std::uint16_t nextKey(std::uint16_t key, std::uint8_t scrambled) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(scrambled) + key) * kMultiplier + kAddend);
}

std::uint8_t keyByte(std::uint16_t key) { return static_cast<std::uint8_t>(key >> 8); }

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    return -1;
}

}  // namespace

QString scramble(const QString& plain) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(plain.size() * 2);
    std::uint16_t key = kStartKey;
    for (QChar c : plain) {
        const auto b = static_cast<std::uint8_t>(c.unicode() & 0xFF);
        const auto scrambled = static_cast<std::uint8_t>(b ^ keyByte(key));
        hex.append(QLatin1Char(kDigits[scrambled >> 4]));
        hex.append(QLatin1Char(kDigits[scrambled & 0x0F]));
        key = nextKey(key, scrambled);
    }
    return hex;
}

std::optional<QString> unscramble(const QString& hex) {
    QString plain;
    plain.reserve(hex.size() / 2);
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexDigit(hex[i]);
        const int low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        const auto scrambled = static_cast<std::uint8_t>(high * 16 + low);
        plain.append(QChar(static_cast<char16_t>(scrambled ^ keyByte(key))));
        key = nextKey(key, scrambled);
    }
    return plain;
}

}  // namespace vt::crypt

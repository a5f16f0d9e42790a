#pragma once

#include <QString>
#include <optional>

namespace vt::crypt {

// The password store keeps the password scrambled with a 16-bit running
// key. Only the low byte of each character takes part, so the routines are
// exact for characters of code 0 to 255.

// Plain text -> two upper-case hexadecimal digits per character.
QString scramble(const QString& plain);

// Hexadecimal text -> plain text (characters 0 to 255). Pairs are read from
// the left; an odd last digit is ignored. Nothing when a pair is not
// hexadecimal.
std::optional<QString> unscramble(const QString& hex);

}  // namespace vt::crypt

#pragma once

// Small generators of valid codes, written from the published rules and
// independently of the program's own check code, so that the tests compare
// two separate readings of each rule.

#include <QString>
#include <ostream>
#include <random>
#include <string>

#include "checks/logic/checkreply.h"

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vt::checks {
inline void PrintTo(const CheckReply& reply, std::ostream* os) {
    const char* kinds[] = {"none", "warning", "information"};
    *os << '{' << kinds[static_cast<int>(reply.kind)] << ", \"" << reply.text.toStdString()
        << "\", " << (reply.closes ? "closes" : "stays open") << '}';
}
}  // namespace vt::checks

namespace vt::test {

class CodeGenerator {
public:
    explicit CodeGenerator(unsigned seed) : rng_(seed) {}

    // Italian fiscal code: three letters of surname, three of name, two
    // digits of year, month letter, two digits of day, municipality (a
    // letter and three digits), check letter.
    QString fiscalCode() {
        std::string code;
        for (int i = 0; i < 6; ++i) code += letter();
        code += digits(2);
        code += "ABCDEHLMPRST"[pick(12)];
        code += digits(2);
        code += letter();
        code += digits(3);
        code += fiscalCheckLetter(code);
        return QString::fromStdString(code);
    }

    // Any 15 characters of letters and digits, then the check letter.
    QString fiscalCodeAnyCharacters() {
        std::string code;
        for (int i = 0; i < 15; ++i) code += pick(2) ? letter() : digit();
        code += fiscalCheckLetter(code);
        return QString::fromStdString(code);
    }

    // Italian VAT number: seven digits, the office code, the check digit.
    QString vatNumber(int office) {
        std::string number = digits(7);
        const std::string code = std::to_string(1000 + office).substr(1);
        number += code;
        number += luhnCompletion(number);
        return QString::fromStdString(number);
    }

    // A card number of `length` digits beginning with `prefix`.
    QString cardNumber(const std::string& prefix, int length) {
        std::string number = prefix;
        number += digits(length - 1 - static_cast<int>(prefix.size()));
        number += luhnCompletion(number);
        return QString::fromStdString(number);
    }

    // An Italian IBAN: IT, check digits, CIN letter, ABI, CAB, account.
    QString italianIban() {
        std::string bban;
        bban += letter();
        bban += digits(10);
        for (int i = 0; i < 12; ++i) bban += pick(4) == 0 ? letter() : digit();
        return QString::fromStdString(iban("IT", bban));
    }

    // An IBAN of any country from its BBAN (ISO 13616, MOD 97-10).
    static std::string iban(const std::string& country, const std::string& bban) {
        const int remainder = mod97Digitwise(bban + country + "00");
        const int check = 98 - remainder;
        return country + std::to_string(100 + check).substr(1) + bban;
    }

    // The Luhn digit that completes a number: the whole number's Luhn sum,
    // doubling every second digit from the right, becomes a multiple of 10.
    static char luhnCompletion(const std::string& body) {
        for (char check = '0'; check <= '9'; ++check)
            if (luhnSum(body + check) % 10 == 0) return check;
        return '?';
    }

    static int luhnSum(const std::string& number) {
        int sum = 0;
        bool doubleIt = false;
        for (auto it = number.rbegin(); it != number.rend(); ++it, doubleIt = !doubleIt) {
            int d = *it - '0';
            if (doubleIt) d = d * 2 / 10 + d * 2 % 10;
            sum += d;
        }
        return sum;
    }

    // Published odd-position values, written as the letter that has each
    // value 0 to 25; a digit counts as the letter in the same place.
    static int fiscalOddValue(char c) {
        static const std::string byValue = "BAKPLCQDREVOSFTGUHMINJWZYX";
        const char asLetter = c >= '0' && c <= '9' ? static_cast<char>('A' + (c - '0')) : c;
        return static_cast<int>(byValue.find(asLetter));
    }
    static int fiscalEvenValue(char c) { return c >= '0' && c <= '9' ? c - '0' : c - 'A'; }
    static char fiscalCheckLetter(const std::string& first15) {
        int sum = 0;
        for (size_t i = 0; i < 15; ++i)
            sum += (i + 1) % 2 ? fiscalOddValue(first15[i]) : fiscalEvenValue(first15[i]);
        return static_cast<char>('A' + sum % 26);
    }

    // ISO 7064 MOD 97-10 over an alphanumeric text, one digit at a time,
    // after moving nothing: letters count A = 10 ... Z = 35.
    static int mod97Digitwise(const std::string& text) {
        int r = 0;
        for (char c : text) {
            if (c >= 'A' && c <= 'Z') {
                const int v = c - 'A' + 10;
                r = (r * 10 + v / 10) % 97;
                r = (r * 10 + v % 10) % 97;
            } else {
                r = (r * 10 + (c - '0')) % 97;
            }
        }
        return r;
    }

    // The same text with the character at `index` replaced by another of the
    // same class (digit by digit, letter by letter).
    QString changed(const QString& code, qsizetype index) {
        QString out = code;
        const QChar c = code[index];
        const bool isDigit = c >= u'0' && c <= u'9';
        QChar other;
        do {
            other = QChar(isDigit ? digit() : letter());
        } while (other == c);
        out[index] = other;
        return out;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    char letter() { return static_cast<char>('A' + pick(26)); }
    char digit() { return static_cast<char>('0' + pick(10)); }
    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += digit();
        return s;
    }

    std::mt19937 rng_;
};

}  // namespace vt::test

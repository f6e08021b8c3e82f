// SPDX-License-Identifier: MIT
#include "textnumber.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace textnumber {
namespace {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exponents are clamped here while they are read: far beyond any double, yet far from overflowing
// the integer that holds them however many digits the text has.
constexpr std::int64_t kExponentClamp = 100'000'000;

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

} // namespace

double leadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }

    const std::size_t intStart = at;
    at = skipDigits(text, at);
    const std::string_view intPart = text.substr(intStart, at - intStart);
    std::string_view fracPart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracStart = at + 1;
        at = skipDigits(text, fracStart);
        fracPart = text.substr(fracStart, at - fracStart);
    }
    if (intPart.empty() && fracPart.empty())
        return 0.0; // "", "-", ".", "abc", ",5"

    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digitsAt = at + 1;
        bool exponentNegative = false;
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) {
            exponentNegative = text[digitsAt] == '-';
            ++digitsAt;
        }
        // "12E" and "12E+" are 12 followed by text that is not part of the number.
        for (std::size_t k = digitsAt; k < text.size() && isDigit(text[k]); ++k)
            if (exponent < kExponentClamp)
                exponent = exponent * 10 + (text[k] - '0');
        if (exponentNegative)
            exponent = -exponent;
    }

    // The C library's strtod is exact (correctly rounded). It is handed the digits alone, as a
    // whole number with its decimal exponent, so that the locale's decimal separator (a comma
    // under Turkish) never comes into it, and "+", ".5", "5." and clamped exponents need no care.
    std::string normal;
    normal.reserve(intPart.size() + fracPart.size() + 24);
    normal.append("0").append(intPart).append(fracPart);
    normal.append("e").append(
        std::to_string(exponent - static_cast<std::int64_t>(fracPart.size())));
    const double magnitude = std::strtod(normal.c_str(), nullptr);
    if (std::isinf(magnitude))
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return negative ? -magnitude : magnitude;
}

float toSingle(double value) noexcept {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::max();
    if (value < -largest)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

namespace {

// "d.ddddde±x" (what printf's %e writes, with the locale's decimal separator) as plain decimal
// notation without trailing zeros.
std::string plainFromScientific(std::string_view scientific) {
    std::string out;
    if (!scientific.empty() && scientific.front() == '-') {
        out.push_back('-');
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, e))
        if (isDigit(c))
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const std::string_view expText = scientific.substr(e + 1);
    for (char c : expText)
        if (isDigit(c))
            exponent = exponent * 10 + (c - '0');
    if (expText.front() == '-')
        exponent = -exponent;

    if (exponent < 0) {
        out.append("0.");
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits);
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out.append(digits);
        out.append(intDigits - digits.size(), '0');
    } else {
        out.append(digits, 0, intDigits);
        out.push_back('.');
        out.append(digits, intDigits);
    }
    return out;
}

} // namespace

std::string singleToText(float value) {
    if (value == 0.0F)
        return "0"; // negative zero too: the window shows no "-0"
    std::string text;
    for (int digits = 7; digits <= 9; ++digits) {
        // The decimal separator printf writes is the locale's; only the digits and the
        // exponent are read from it.
        std::array<char, 64> buffer{};
        const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", digits - 1,
                                         static_cast<double>(value));
        text =
            plainFromScientific(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
        if (toSingle(leadingNumber(text)) == value)
            break; // nine digits always read back; the loop ends there at the latest
    }
    return text;
}

} // namespace textnumber

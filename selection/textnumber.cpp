// SPDX-License-Identifier: MIT
#include "textnumber.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

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

// Decimal order of magnitude of the first non-zero digit of "int.frac", e.g. 2 for "123.4" and
// -4 for "0.00012". Only asked for when that digit exists.
std::int64_t orderOfFirstDigit(std::string_view intPart, std::string_view fracPart) {
    for (std::size_t k = 0; k < intPart.size(); ++k)
        if (intPart[k] != '0')
            return static_cast<std::int64_t>(intPart.size() - k) - 1;
    for (std::size_t k = 0; k < fracPart.size(); ++k)
        if (fracPart[k] != '0')
            return -static_cast<std::int64_t>(k) - 1;
    return 0;
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

    // std::from_chars is exact (correctly rounded) and never consults the locale; it is handed a
    // normalised copy so that "+", ".5", "5." and clamped exponents need no special care.
    std::string normal;
    normal.reserve(intPart.size() + fracPart.size() + 16);
    normal.append(intPart.empty() ? std::string_view("0") : intPart);
    if (!fracPart.empty())
        normal.append(".").append(fracPart);
    normal.append("e").append(std::to_string(exponent));

    double magnitude = 0.0;
    const auto [end, error] =
        std::from_chars(normal.data(), normal.data() + normal.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        const bool overflow = orderOfFirstDigit(intPart, fracPart) + exponent > 0;
        magnitude = overflow ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc{}) {
        magnitude = 0.0; // not reached: the copy is always a well-formed number
    }
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

// "d.ddddde±x" (what std::to_chars writes in scientific form) as plain decimal notation without
// trailing zeros.
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
    const char* expBegin = expText.data() + (expText.front() == '+' ? 1 : 0);
    std::from_chars(expBegin, expText.data() + expText.size(), exponent);

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
        std::array<char, 64> buffer{};
        const auto result =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                          std::chars_format::scientific, digits - 1);
        text = plainFromScientific(std::string_view(buffer.data(), result.ptr));
        if (toSingle(leadingNumber(text)) == value)
            break; // nine digits always read back; the loop ends there at the latest
    }
    return text;
}

} // namespace textnumber

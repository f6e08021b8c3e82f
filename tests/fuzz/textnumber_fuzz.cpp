// SPDX-License-Identifier: MIT
// The text-number conversions against any bytes at all.
//  - The leading-number parse never fails and agrees with a second, independent reading of the
//    same rules (a table-driven scanner handing the number it finds to the C library's strtod
//    under the C locale).
//  - Every single-precision value written as text reads back as the same value, in plain
//    decimals with a period, whatever the process locale.

#include "textnumber.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

namespace {

locale_t cLocale;
locale_t turkishLocale;

// The grammar as a state table: blanks, sign, digits, one period, exponent.
enum State {
    kBlanks,
    kSign,
    kInt,
    kPointAfterInt,
    kPointAlone,
    kFrac,
    kE,
    kESign,
    kEDigits,
    kStop
};

State next(State s, char c) {
    const bool digit = c >= '0' && c <= '9';
    switch (s) {
    case kBlanks:
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            return kBlanks;
        [[fallthrough]];
    case kSign:
        if (s == kBlanks && (c == '+' || c == '-'))
            return kSign;
        return digit ? kInt : c == '.' ? kPointAlone : kStop;
    case kInt:
        return digit ? kInt : c == '.' ? kPointAfterInt : (c == 'e' || c == 'E') ? kE : kStop;
    case kPointAfterInt:
    case kFrac:
        return digit ? kFrac : (c == 'e' || c == 'E') ? kE : kStop;
    case kPointAlone:
        return digit ? kFrac : kStop;
    case kE:
        return digit ? kEDigits : (c == '+' || c == '-') ? kESign : kStop;
    case kESign:
    case kEDigits:
        return digit ? kEDigits : kStop;
    case kStop:
        break;
    }
    return kStop;
}

bool accepting(State s) {
    return s == kInt || s == kPointAfterInt || s == kFrac || s == kEDigits;
}

double reference(std::string_view text) {
    State s = kBlanks;
    std::size_t start = 0;
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (s == kBlanks)
            start = i;
        s = next(s, text[i]);
        if (s == kStop)
            break;
        if (accepting(s))
            end = i + 1;
    }
    if (end == 0)
        return 0.0;
    const std::string number(text.substr(start, end - start));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

[[noreturn]] void fail(const char* what, std::string_view text, double got, double want) {
    std::fprintf(stderr, "%s for \"%.*s\": got %.17g, want %.17g\n", what,
                 static_cast<int>(text.size()), text.data(), got, want);
    std::abort();
}

void checkWritten(float value) {
    uselocale(turkishLocale);
    const std::string turkish = textnumber::singleToText(value);
    uselocale(cLocale);
    const std::string plain = textnumber::singleToText(value);
    uselocale(LC_GLOBAL_LOCALE);
    if (turkish != plain)
        fail("the text depends on the locale", turkish, value, value);
    const float back = textnumber::toSingle(textnumber::leadingNumber(plain));
    if (back != value)
        fail("the written text reads back as another value", plain, back, value);
    if (plain.find_first_not_of("-0123456789.") != std::string::npos || plain.empty())
        fail("the text is not plain decimal notation", plain, back, value);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    turkishLocale = newlocale(LC_ALL_MASK, "tr_TR.UTF-8", nullptr);
    if (!cLocale || !turkishLocale) {
        std::fprintf(stderr, "the Turkish locale is missing; set LOCPATH to the test locales\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    uselocale(turkishLocale);
    const double got = textnumber::leadingNumber(text);
    uselocale(LC_GLOBAL_LOCALE);
    const double want = reference(text);
    if (std::memcmp(&got, &want, sizeof got) != 0)
        fail("the parse disagrees with the reference", text, got, want);
    checkWritten(textnumber::toSingle(got));

    if (size >= sizeof(float)) {
        float bits;
        std::memcpy(&bits, data, sizeof bits);
        if (std::isfinite(bits))
            checkWritten(bits);
    }
    return 0;
}

// SPDX-License-Identifier: MIT
#pragma once
// Text-number conversions of the window, free of any toolkit and of the process locale.
//
// Every number the program reads comes from a control's text, and every number it writes back
// (a raised cooler rating, a motor's rated speed) goes into one. Both directions use "." as the
// decimal point whatever the user's locale says, so the program behaves the same under a Turkish
// locale (comma decimal separator) as under C.

#include <string>
#include <string_view>

namespace textnumber {

// The number a text begins with. Leading blanks (space, tab, CR, LF) are skipped; then an
// optional sign, digits with at most one period as the decimal point, and an optional exponent
// (E or e, an optional sign and at least one digit) are read up to the first character that does
// not fit. A text without such a number, the empty text included, gives 0; "7,5" gives 7.
// A magnitude beyond double precision saturates to the largest finite double of the same sign,
// one too small for it gives zero of the same sign: never infinity, never NaN.
double leadingNumber(std::string_view text);

// The nearest single-precision value. Beyond the single-precision range the value saturates to
// the largest finite single of the same sign (a plain cast would be undefined behaviour there).
float toSingle(double value) noexcept;

// Plain decimal notation of a single-precision value: no exponent, no leading blank, no trailing
// zeros, no thousands separator ("7.5", "18.5", "2820", "0"). Seven significant digits where they
// read back, through leadingNumber and toSingle, as the same value; up to nine where seven cannot.
std::string singleToText(float value);

} // namespace textnumber

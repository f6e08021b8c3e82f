// SPDX-License-Identifier: MIT
#pragma once
// A text as a JSON string, well formed for any text: the quote and the backslash escaped, and
// every control character (a tab, a line break, ...) written as its escape, as JSON requires.

#include <cstdio>
#include <string>
#include <string_view>

inline std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (code < 0x20 || code == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// SPDX-License-Identifier: MIT
// A text handed to the page as JSON: well formed whatever it holds.

#include "json.h"

#include <gtest/gtest.h>

TEST(Json, EveryTextIsAWellFormedString) {
    const struct {
        std::string_view text, json;
    } cases[] = {
        {"", R"("")"},
        {"Fan Motoru  Mil Çapı =", R"("Fan Motoru  Mil Çapı =")"},
        {"a \"quoted\" back\\slash", R"("a \"quoted\" back\\slash")"},
        {"a\ttab", R"("a\ttab")"},
        {"two\nlines", R"("two\nlines")"},
        {"\r\x01\x1f\x7f", R"("\u000d\u0001\u001f\u007f")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jsonString(c.text), c.json) << c.text;
}

// SPDX-License-Identifier: MIT
#pragma once
// The facts every language's tests share (support/facts.txt), built into the tests.
#include <string>
#include <string_view>
#include <vector>

using FactLine = std::vector<std::string>;

// The words of every line of a fact, in order; "-" in the file stands for an empty text.
std::vector<FactLine> facts(std::string_view name);
// A fact that is one whole number; -1 where there is none.
int factNumber(std::string_view name);

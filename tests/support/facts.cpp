// SPDX-License-Identifier: MIT
#include "facts.h"

#include "facts_text.h"

#include <sstream>

std::vector<FactLine> facts(std::string_view name) {
    std::vector<FactLine> found;
    std::istringstream text{std::string(kFactsText)};
    for (std::string line; std::getline(text, line);) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first != name)
            continue;
        FactLine fact;
        for (std::string word; words >> word;)
            fact.push_back(word == "-" ? std::string() : word);
        found.push_back(std::move(fact));
    }
    return found;
}

int factNumber(std::string_view name) {
    const std::vector<FactLine> found = facts(name);
    return found.size() == 1 && found.front().size() == 1 ? std::stoi(found.front().front()) : -1;
}

// SPDX-License-Identifier: MIT
#pragma once
// Whole sessions of use, for the fuzzer and the soak: a stream of bytes becomes a sequence of
// actions a person can take at the window, each carried out through the real widgets, and after
// every action the window is checked for what must always hold.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class Form1;

class Session {
public:
    // Drives the given window, which must be shown. A quick hand is assumed: the application's
    // double-click interval is set to 0 so that the lists' popups take every click at once.
    // With record, each action is also written down (record()).
    explicit Session(Form1& window, bool record = false);

    // Takes the next action from the bytes, carries it out and checks the window. Returns false
    // when the bytes are used up. A broken rule is reported through failure().
    bool step(std::span<const std::uint8_t>& bytes);

    // The first broken rule, or empty.
    const std::string& failure() const { return failure_; }

    // How many actions have been carried out.
    std::size_t actions() const { return actions_; }

    // Each action as a person would tell it, one a line, each followed by what the window then
    // shows ("= " and the shown texts), for another toolkit to replay:
    //   pick-keys LIST ROW | pick-mouse LIST ROW | arrow LIST KEY MODIFIER |
    //   type FIELD SELECT-ALL HEX-UTF8 | paste FIELD HEX-UTF8 | option INDEX |
    //   option-arrow INDEX Left|Right | calculate | enter FIELD | tab FIELD
    const std::vector<std::string>& record() const { return record_; }

private:
    Form1& window_;
    std::string failure_;
    std::size_t actions_ = 0;
    bool recording_;
    std::vector<std::string> record_;

    void check(bool afterCoolerPick);
};

// SPDX-License-Identifier: MIT
#pragma once
// The window's controls in plain memory, as the handlers see a toolkit's: texts, list items, the
// options, and every write in the order it came, to check against. A person's acts are played
// on it through the window's own wiring: typing sets a text and runs nothing; a pick or a click
// runs the handler the wiring names.

#include "form.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class MemoryControls final : public form::Controls {
public:
    // A window as it opens: its load handler has run.
    MemoryControls();

    // A person's acts, written as a line of words:
    //   Combo1=45   types 45 into a field (Text2, or a list's; "Combo1=" empties it)
    //   Combo1<45   picks the item 45 of a list
    //   Option1<2   clicks the option of index 2
    //   Command1    clicks a button
    // writes then holds what these acts wrote.
    void act(std::string_view acts);

    // What the window shows of a control ("Option1(2)" for an option's caption, "selected" for
    // the index of the selected option).
    std::string shown(std::string_view name) const;

    form::Form1 form{*this};
    // Every write, in order: "Label8=4ZL", "clear Label35", "select 1", "Option1(1)=1365".
    std::vector<std::string> writes;
    std::array<std::vector<std::string>, form::kControlCount> items;
    bool ended = false;
    // A toolkit that raises the group's click when code selects an option.
    bool clickOnSelect = false;

    std::string text(form::Id control) const override;
    void setText(form::Id control, std::string_view text) override;
    void clear(form::Id result) override;
    void append(form::Id list, std::string_view item) override;
    bool isSelected(int option) const override { return selected_ == option; }
    void select(int option) override;
    void setCaption(int option, std::string_view caption) override;
    void end() override { ended = true; }

private:
    std::array<std::string, form::kControlCount> texts_;
    int selected_;

    void fire(form::Id control, int index = 0);
};

// A control by the name the layout gives it ("Option1" is the group).
form::Id controlNamed(std::string_view name);

// SPDX-License-Identifier: MIT
#pragma once
// The window's controls by name, and what the handlers may do with them: the small interface
// each toolkit implements over its own widgets (Qt's window, the browser's page), and the tests
// over plain memory.

#include <cstdint>
#include <string>
#include <string_view>

namespace form {

// Every control, in the order the window makes them; Option1_0 to Option1_2 are the members of
// the option group Option1. Form1 (the window) and Option1 (the group) name what raises an event.
// clang-format off
enum class Id : std::uint8_t {
    Label7, Combo1, Label22, Label2, Text2, Label5,
    Label9, Combo2, Label25, Label41, Label40, Label42, Label38, Label37, Label39,
    Line1,
    Label10, Combo3, Label6, Option1_0, Option1_1, Option1_2,
    Label13, Label8, Label3, Label1, Label4, Label12, Label11, Label34, Label35, Label33,
    Label28, Label26, Label27, Label30, Label18, Label29, Label36, Label31, Label32,
    Label16, Label14, Label17, Command1, Command3, Label20, Label19, Label23, Label21, Label24,
    Label15,
    Form1, Option1, None
};
// clang-format on
inline constexpr int kControlCount = static_cast<int>(Id::Form1);

// The name the layout gives a control ("Combo1"; "Option1" for each member of the group).
std::string_view nameOf(Id id) noexcept;

// The index of an option member, 0 to 2; -1 for any other control.
int optionIndex(Id id) noexcept;

// What a handler does to the window, and no more.
class Controls {
public:
    // The text a control shows: a list's or the text box's field, a label's or an option's caption.
    virtual std::string text(Id control) const = 0;
    // Sets it, as code does: no handler runs for it.
    virtual void setText(Id control, std::string_view text) = 0;
    // Empties a result before a calculation writes it anew: what a screen reader is told of is
    // the new value, not the emptying.
    virtual void clear(Id result) = 0;
    // Adds an item at the end of a list.
    virtual void append(Id list, std::string_view item) = 0;
    // Whether the option of that index is the selected one.
    virtual bool isSelected(int option) const = 0;
    // Selects it (the others are deselected).
    virtual void select(int option) = 0;
    // Sets its caption.
    virtual void setCaption(int option, std::string_view caption) = 0;
    // Ends the program at once: the window closes, nothing more runs.
    virtual void end() = 0;

protected:
    ~Controls() = default;
};

} // namespace form

// SPDX-License-Identifier: MIT
#pragma once
// The window as data: every control's kind, text at start, place and size, tab position,
// tooltip and the caption and unit beside it; the items of the three lists; which event of which
// control runs which handler. A toolkit builds its window from this and from nothing else.

#include "controls.h"

#include <span>
#include <string_view>

namespace form {

enum class Kind : std::uint8_t {
    Caption, // static text naming the control to its right, ending in " ="
    Unit,    // static text with the unit of the value to its left
    Credit,  // the credit line, plain static text
    Value,   // a result: display-only, white, bordered
    List,    // a list with an editable field, whose pick runs a handler
    TextBox, // a one-line editable field
    Option,  // a member of the option group
    Button,  // a push button, neither default nor cancel
    Line,    // the separator
};

// A place in the client area, in twips (1/1440 inch): 15 are one pixel at 96 dots per inch.
struct Place {
    int left, top, width, height;
};

// The pixel nearest a length or position in twips, at 96 dots per inch.
constexpr int pixels(int twips) {
    return (twips + 7) / 15;
}

struct Control {
    Id id;
    Kind kind;
    std::string_view text; // at start
    Place at;
    int tab; // the tab position; -1 for the line, which has none
    std::string_view tooltip = {};
    Id caption = Id::None; // an input's or result's caption label (the options': the group's)
    Id unit = Id::None;    // and its unit label
};

// Every control, in the order the window makes them.
std::span<const Control> controls() noexcept;

// The room after a caption, unit or credit line, in the window's pixels at 96 dots per inch:
// from its left edge to the next control on its row, or to the window's edge. Every toolkit fits
// the captions' font to it.
int roomAfter(const Control& label) noexcept;

// The name a screen reader speaks for a control: its caption without " =", as every toolkit
// names it; empty where it has no caption (the options: their group's).
std::string_view spokenName(const Control& control) noexcept;

struct Window {
    std::string_view title;
    Place clientArea;
    int textBoxMaxLength; // typed or pasted
    Id focusAtStart;
    int optionSelectedAtStart;
};
const Window& window() noexcept;

// The items of a list, in the order they are added; empty for any other control.
std::span<const std::string_view> items(Id list) noexcept;

enum class Event : std::uint8_t {
    Load,  // the window's, once before it is first shown
    Pick,  // the user's pick of a list item (mouse or arrow keys, never typing)
    Click, // a button's, or an option's, with the option's index
};

enum class Handler : std::uint8_t {
    Form_Load,
    Combo1_Click,
    Combo2_Click,
    Combo3_Click,
    Option1_Click,
    Command1_Click,
    Command3_Click,
};

struct Wire {
    Id control; // Option1: the group, whose click passes the member's index
    Event event;
    Handler handler;
};

// The seven events that run code; nothing else any control does runs a handler.
std::span<const Wire> wiring() noexcept;

} // namespace form

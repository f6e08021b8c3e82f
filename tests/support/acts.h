// SPDX-License-Identifier: MIT
#pragma once
// Sessions of acts written as text (tests/sessions/*.session): what a person does at the window,
// in the one language every toolkit plays. One act a line:
//   key KEY              a key on what has the keyboard (the open list, else the focus):
//                        Enter, Escape, Space, Tab, Home, End, Up, Down, Left, Right, PageUp,
//                        PageDown, Backspace, Delete, F4, A, with "shift+", "alt+" or "ctrl+"
//                        before it
//   type TEXT            the text typed there, key by key
//   paste TEXT           the text pasted into the focused field
//   click NAME           a click on a control (Combo1, Text2, Label40, Label7, Command1,
//                        Option1(2), ...)
//   arrow LIST           a click on a list's arrow
//   item LIST TEXT       a click on the item of the open list with that text
//   wheel LIST up|down   the mouse wheel turned over a list
//   pause                a wait longer than the lists' keyboard search waits for a next key
//   copy                 the selection copied, as each toolkit offers it (the window: Ctrl+Shift+C;
//                        the page: a click on "Kopyala"), with no list open; its record holds
//                        the plain text copied
//   expect NAME=TEXT ... what the window must show after the act before it; besides the
//                        controls' names, "selected" (the selected option's index), "focus"
//                        (the control with the focus, or -), "open"
//                        (the list whose items are shown, or -) and "highlight" (the item
//                        highlighted in it, or -)
// Blank lines and lines from "#" on are passed over. An act or key not named here fails the
// session, as an expect that does not hold does.

#include <QMap>
#include <QString>
#include <string>
#include <vector>

class Form1;

struct ActsPlayed {
    // Each "expect" that did not hold, with its line.
    std::vector<std::string> failures;
    // Each act, followed by what the window then shows: "= " and the fields, results, options'
    // captions, the selected option, the focus, the open list and its highlighted item, joined
    // by "|"; after a copy, "|" and the plain text copied, in hexadecimal.
    std::vector<std::string> record;
};

// Plays the acts on the window, which must be shown and active.
ActsPlayed playActs(Form1& window, const QString& acts);

// Plays one act (no expect) and writes it down with what the window then shows; false, and a
// failure, for an act or key the language does not name.
bool playAct(Form1& window, const QString& line, ActsPlayed& played);

// What the window shows now, by the names an expect takes.
QMap<QString, QString> actsState(Form1& window);

// A session of acts made up as it goes: from a seed, count acts, each chosen among those the
// language has for what the window then shows (keys with every modifier, typing, pauses, clicks
// on every control, caption, unit and result, the lists' arrows and items, the wheel), and
// played. The same seed makes the same session. Left out are the acts that end the program or
// that a browser takes for itself (generate.cpp).
ActsPlayed playGenerated(Form1& window, unsigned seed, int count);

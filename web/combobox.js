// SPDX-License-Identifier: MIT
// A list of the page: an editable combo box as the WAI-ARIA pattern has it. A text field with the
// combobox role, a button that opens its popup, the popup (a listbox). It answers keys as the
// desktop's list does. Only a pick runs the handler: a click on an item, Enter on the highlighted
// one in the open list, or an arrow key (or Page Up and Down) in the closed field, which moves to
// the next or previous item; typing and Enter in the closed field pick nothing. Alt+Down opens
// the list and, open, closes it again with no pick, as Escape does; F4 does both (closing, with
// any modifier). In the open list the arrows (Alt+Up too) and Page Up and Down (by nine) move the
// highlight, Home and End go to its ends, and typing moves it to the first item that begins with
// what was typed (the keys of one quick run count as one text); every other key is the open
// list's too and does nothing (Backspace leaves the field, Tab the focus), but for the browser's
// own with Ctrl. The list keeps the index of the item its field last showed, which the arrows
// move from; a text typed that is an item's becomes that index when the field is left or Enter
// pressed in it, with no pick.
"use strict";

// Keys that the window's text fields answer otherwise than a browser's: the arrows up and down
// and Page Up and Down (the lists' fields pick with them, unmodified), and Home and End with
// Ctrl, move nothing; Left or Right where text is selected moves the text cursor from where it
// stands, one letter, and the selection goes; Shift+Delete cuts, as in Chromium and Firefox
// (WebKitGTK would type a character of its own). True where the key is done with.
function still(e) {
  const field = e.target;
  if (e.key === "Delete" && e.shiftKey && !e.ctrlKey && !e.altKey && !e.metaKey) {
    if (field.selectionStart !== field.selectionEnd) document.execCommand("cut");
    return true;
  }
  if ((e.key === "ArrowLeft" || e.key === "ArrowRight") && !e.shiftKey && !e.ctrlKey &&
      !e.altKey && field.selectionStart !== field.selectionEnd) {
    const from = field.selectionDirection === "backward" ? field.selectionStart : field.selectionEnd;
    const to = Math.min(Math.max(from + (e.key === "ArrowLeft" ? -1 : 1), 0), field.value.length);
    field.setSelectionRange(to, to);
    return true;
  }
  return ["ArrowUp", "ArrowDown", "PageUp", "PageDown"].includes(e.key) ||
         (e.ctrlKey && (e.key === "Home" || e.key === "End"));
}

function ComboBox(form, c, { place, px, name, pick: picked }) {
  const list = { items: [], index: -1, active: -1 };
  // What was typed in the open list, and when last: a pause of longer than this starts anew.
  const typed = { text: "", at: 0, pause: 400 };
  const field = document.createElement("input");
  field.type = "text";
  field.id = c.name;
  field.className = "list";
  field.setAttribute("role", "combobox");
  field.setAttribute("aria-autocomplete", "none");
  field.setAttribute("aria-expanded", "false");
  field.setAttribute("aria-controls", c.name + "-items");
  field.autocomplete = "off";
  field.spellcheck = false;
  // The keyboard of text, which has the point of "7.5" in every region (a decimal keypad types a
  // comma in some).
  field.inputMode = "text";
  place(field, c);
  const button = document.createElement("span");
  button.className = "open";
  button.setAttribute("aria-hidden", "true");
  const [left, top, width, height] = c.at;
  place(button, { at: [left + width - 255, top, 255, height] });
  const popup = document.createElement("ul");
  popup.id = c.name + "-items";
  popup.setAttribute("role", "listbox");
  popup.setAttribute("aria-label", name);
  popup.className = "items";
  popup.hidden = true;
  popup.style.setProperty("--left", px(left));
  popup.style.setProperty("--top", px(top + height));
  popup.style.setProperty("--width", px(width));
  // The three are one box, where the page flows.
  const box = document.createElement("div");
  box.className = "combo";
  box.append(field, button, popup);
  form.append(box);
  Object.assign(list, { field, popup, box });

  const pick = (index) => {
    list.index = index;
    field.value = list.items[index];
    close();
    picked();
  };
  // A pick from the open list: the focus comes back to the field anew, so that a screen reader
  // says the field with its new value (in Firefox, Orca says only "collapsed" otherwise).
  const pickFromList = (index) => {
    pick(index);
    field.blur();
    field.focus();
  };
  const highlight = (index) => {
    list.active = index;
    [...popup.children].forEach((item, i) => item.setAttribute("aria-selected", i === index));
    if (index >= 0) {
      field.setAttribute("aria-activedescendant", popup.children[index].id);
      popup.children[index].scrollIntoView({ block: "nearest" });
    } else field.removeAttribute("aria-activedescendant");
  };
  // Open, the field's item is highlighted, or the first where the field shows none.
  const open = () => {
    popup.hidden = false;
    field.setAttribute("aria-expanded", "true");
    highlight(list.index >= 0 ? list.index : 0);
  };
  const close = () => {
    popup.hidden = true;
    field.setAttribute("aria-expanded", "false");
    highlight(-1);
  };
  // A finger that opens the list on its arrow, or picks from it, wants no keyboard over it: the
  // field takes the focus with the keyboard of none, until the field itself is touched, for
  // typing, or clicked.
  const keyboard = (wanted) => { field.inputMode = wanted ? "text" : "none"; };
  button.addEventListener("pointerdown", (e) => {
    if (e.pointerType !== "mouse") keyboard(false);
  });
  field.addEventListener("pointerdown", () => keyboard(true));
  button.addEventListener("mousedown", (e) => {
    e.preventDefault();
    field.focus();
    popup.hidden ? open() : close();
  });
  popup.addEventListener("mousedown", (e) => e.preventDefault());
  // A click or a tap anywhere else closes the open list with no pick.
  document.addEventListener("pointerdown", (e) => {
    if (!popup.hidden && !box.contains(e.target)) close();
  });
  popup.addEventListener("click", (e) => {
    const item = e.target.closest("li");
    if (item) pickFromList([...popup.children].indexOf(item));
  });
  // A typed text that is an item's is where the arrows move on from.
  const settle = () => {
    const at = list.items.indexOf(field.value);
    if (field.value !== "" && at >= 0) list.index = at;
  };
  field.addEventListener("blur", () => {
    settle();
    close();
  });
  // The first item from the highlighted one on that begins with the text typed so far.
  const search = (key, now) => {
    const again = now - typed.at <= typed.pause;
    typed.text = again ? typed.text + key : key;
    typed.at = now;
    const from = list.active + (typed.text.length === 1 ? 1 : 0);
    for (let i = 0; i < list.items.length; i++) {
      const at = (from + i) % list.items.length;
      if (list.items[at].toLowerCase().startsWith(typed.text.toLowerCase())) return highlight(at);
    }
  };
  field.addEventListener("keydown", (e) => {
    const down = e.key === "ArrowDown" || e.key === "PageDown";
    const up = e.key === "ArrowUp" || e.key === "PageUp";
    const plain = !e.altKey && !e.ctrlKey && !e.shiftKey && !e.metaKey;
    if (!popup.hidden) {
      if ((e.key === "Escape" && plain) || e.key === "F4" || (e.key === "ArrowDown" && e.altKey)) {
        close();
      } else if (down || up) {
        // Page Up and Down go a page of the desktop's list at a time: it shows ten items.
        const step = (e.key.startsWith("Page") ? 9 : 1) * (down ? 1 : -1);
        highlight(Math.min(Math.max(list.active + step, 0), list.items.length - 1));
      } else if (e.key === "Home" || e.key === "End") {
        highlight(e.key === "Home" ? 0 : list.items.length - 1);
      } else if (e.key === "Enter") {
        if (list.active >= 0) pickFromList(list.active);
      } else if (e.key.length === 1 && !e.ctrlKey && !e.altKey && !e.metaKey) {
        search(e.key, e.timeStamp);
      } else if ((e.ctrlKey || e.metaKey) && (/^(Tab|PageUp|PageDown|F4|[a-z])$/.test(e.key) ||
                                               e.code === "Tab")) {
        return; // the browser's own
      }
      e.preventDefault();
      return;
    }
    if (e.key === "Enter") settle();
    if ((e.key === "F4" && plain) || (e.key === "ArrowDown" && e.altKey)) {
      open();
    } else if ((down || up) && !e.ctrlKey && !e.altKey) {
      // An arrow key in the field moves to the next or previous item: a pick.
      const next = list.index + (down ? 1 : -1);
      if (next >= 0 && next < list.items.length && next !== list.index) pick(next);
    } else if (!still(e)) return;
    e.preventDefault();
  });
  return list;
}

// SPDX-License-Identifier: MIT
// How the page stands on any screen, and the window's tab order in it.
// Where the window fits, every control stands at the window's place; narrower, or under a finger,
// the page flows: the window's rows one after another, each control whole with its caption before
// it and its unit after it (the styles in shell.html). The page is built in the window's order,
// row by row, so that it reads in that order too; each input and result stands in one box with
// its caption and unit, and the buttons in one row.
// Tab goes through the controls in the window's order (the text box first), which is not the
// order they read in: the page moves the focus itself, and leaves to the browser only the step
// beyond either end, out of the page. Only the first and the last control are stops of the
// browser's own, so that it comes into the page at one of those ends.
"use strict";

var Flow = (function () {
  const stopping = ["List", "TextBox", "Button", "Option"];

  // The condition the page flows under: narrower than the window and its margin, or a coarse
  // pointer.
  let query = null;
  function condition(description) {
    if (!query) {
      const margin = 2 * parseFloat(getComputedStyle(document.body).paddingLeft);
      const widest = description.client[0] / 15 + margin - 0.02;
      query = `(max-width: ${widest}px), (pointer: coarse)`;
      for (const sheet of document.styleSheets)
        for (const rule of sheet.cssRules)
          if (rule instanceof CSSMediaRule && rule.media.mediaText === "not all")
            rule.media.mediaText = query;
    }
    return matchMedia(query);
  }

  // Each input and result in a box with its caption and unit, the buttons in one, in the order
  // of the description, which is the window's, row by row.
  function arrange(form, description, element) {
    const boxOf = (c) => (c.kind === "Option" ? document.getElementById("Option1Group")
                                              : element[c.id].closest(".combo") ?? element[c.id]);
    const owned = new Set();
    for (const c of description.controls) {
      if (c.caption !== description.none) owned.add(c.caption);
      if (c.unit !== description.none) owned.add(c.unit);
    }
    let buttons = null;
    const placed = new Set();
    for (const c of description.controls) {
      if (owned.has(c.id)) continue;
      const box = boxOf(c);
      if (placed.has(box)) continue;
      placed.add(box);
      if (c.kind === "Button") {
        if (!buttons) {
          buttons = document.createElement("div");
          buttons.className = "buttons";
          form.append(buttons);
        }
        buttons.append(box);
        continue;
      }
      buttons = null;
      if (c.caption === description.none) {
        form.append(box);
        continue;
      }
      const field = document.createElement("div");
      field.className = "field";
      let unit = element[c.unit];
      if (!unit) {
        // Room for a unit where there is none, so that the controls stand in one column.
        unit = document.createElement("span");
        unit.className = "unit";
        unit.setAttribute("aria-hidden", "true");
      }
      // The control and its unit stay together, beside the caption or under it.
      const entry = document.createElement("div");
      entry.className = "entry";
      entry.append(box, unit);
      field.append(element[c.caption], entry);
      form.append(field);
    }
  }

  // The window's tab order, kept by the page: the options are one stop, the one selected.
  function order(description, element, radios) {
    const stops = [];
    for (const c of [...description.controls].sort((a, b) => a.tab - b.tab)) {
      if (!stopping.includes(c.kind)) continue;
      if (c.kind !== "Option") stops.push({ has: (e) => e === element[c.id], at: () => element[c.id],
                                            nodes: [element[c.id]] });
      else if (!stops.some((s) => s.nodes === radios))
        stops.push({ has: (e) => radios.includes(e), at: () => radios.find((r) => r.checked) ?? radios[0],
                     nodes: radios });
    }
    stops.forEach((stop, i) => {
      for (const node of stop.nodes) node.tabIndex = i === 0 || i === stops.length - 1 ? 0 : -1;
    });
    // Tab, and an arrow on a button (the window's buttons take the arrows so), go to the next
    // or previous stop.
    const arrows = { ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1 };
    document.addEventListener("keydown", (e) => {
      if (e.defaultPrevented || e.metaKey) return;
      const focused = document.activeElement;
      const arrow = focused && focused.tagName === "BUTTON" ? arrows[e.key] : undefined;
      // WebKitGTK names Shift+Tab "Unidentified"; its code is still Tab's.
      const tab = e.key === "Tab" || e.code === "Tab";
      if ((!tab || e.ctrlKey || e.altKey) && !arrow) return;
      const at = stops.findIndex((stop) => stop.has(document.activeElement));
      const step = arrow !== undefined ? arrow : e.shiftKey ? -1 : 1;
      const next = at + step;
      if (at < 0 || next < 0 || next >= stops.length) return;
      e.preventDefault();
      // A text field comes with its text selected, as when the browser or the window tabs in;
      // selected before the focus comes, so that a screen reader hears it with the field.
      const target = stops[next].at();
      if (target.tagName === "INPUT" && target.type === "text" && target.value)
        target.setSelectionRange(0, target.value.length);
      target.focus();
    });
  }

  // Runs now and each time the page comes to stand as the window again.
  function whenWide(description, then) {
    const flowing = condition(description);
    if (!flowing.matches) then();
    flowing.addEventListener("change", () => {
      if (!flowing.matches) then();
    });
  }

  return { arrange, order, whenWide };
})();

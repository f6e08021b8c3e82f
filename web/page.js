// SPDX-License-Identifier: MIT
// The browser's window: built from the window's description (fan_layout, as JSON), with the
// browser's own controls at their places (15 twips to a CSS pixel), the controls' interface the
// handlers use (Page.text ... Page.end, called from page.cpp), and each pick or click wired to
// the handler the description names (fan_run). Nothing else a person does runs a handler.
// The editable lists follow the WAI-ARIA editable combobox pattern.
"use strict";

var Page = (function () {
  let window_ = null; // the description
  const element = []; // by control id: the element that shows its text
  const lists = {}; // by list id: {items, index, field, popup, active}
  const radios = [];
  const px = (twips) => twips / 15 + "px";
  let ended = false;

  function run(handler, index) {
    if (ended) return;
    const before = shownResults();
    Module._fan_run(handler, index || 0);
    if (!ended) announce(before);
  }

  function wire(control, event) {
    return window_.wiring.find((w) => w.control === control && w.event === event);
  }

  // The window's place and size of a control, which the page's styles use where the window fits.
  function place(node, c) {
    const [left, top, width, height] = c.at;
    node.classList.add("placed");
    node.style.setProperty("--left", px(left));
    node.style.setProperty("--top", px(top));
    node.style.setProperty("--width", px(width));
    node.style.setProperty("--height", px(height));
  }

  function controlById(id) {
    return window_.controls.find((c) => c.id === id);
  }

  // One line for a screen reader after each event: what the handlers changed, read as the
  // window shows it (caption, value, unit), once.
  function shownResults() {
    return window_.controls
      .filter((c) => c.kind === "Value" || c.kind === "TextBox" || c.kind === "List" ||
                     c.kind === "Option")
      .map((c) => [c, textOf(c.id)]);
  }
  function announce(before) {
    const said = [];
    for (const shown of before) {
      const c = shown[0];
      const was = shown[1];
      const now = textOf(c.id);
      if (now === was || now === "" || document.activeElement === element[c.id]) continue;
      const unit = c.unit === window_.none ? "" : " " + controlById(c.unit).text;
      said.push(c.spoken + " " + now + unit);
    }
    if (!said.length) return;
    const region = document.getElementById("announce");
    region.textContent = said.join(", ");
    // Said once: a screen reader takes the line as it comes, and reading the page later does not
    // read its values a second time.
    clearTimeout(announce.clearing);
    announce.clearing = setTimeout(() => region.replaceChildren(), 2000);
  }

  function textOf(id) {
    const node = element[id];
    if (node.tagName === "INPUT" && node.type === "radio") return node.labels[0].textContent;
    return node.tagName === "INPUT" ? node.value : node.textContent;
  }

  function build(description) {
    window_ = description;
    document.title = description.title;
    document.getElementById("title").textContent = description.title.trim();
    const form = document.getElementById("Form1");
    form.style.setProperty("--width", px(description.client[0]));
    form.style.setProperty("--height", px(description.client[1]));
    let group = null;
    for (const c of description.controls) {
      let node;
      switch (c.kind) {
        case "Caption":
        case "Unit":
        case "Credit":
          node = document.createElement(c.kind === "Caption" ? "label" : "span");
          node.className = "caption " + c.kind.toLowerCase();
          node.textContent = c.text;
          break;
        case "Value":
          node = document.createElement("input");
          node.type = "text";
          node.readOnly = true;
          node.tabIndex = -1;
          node.className = "value";
          break;
        case "List": {
          const list = ComboBox(form, c, {
            place, px,
            name: c.spoken,
            pick() {
              const w = wire(c.id, "Pick");
              if (w) run(w.handler);
            },
          });
          lists[c.id] = list;
          node = list.field;
          break;
        }
        case "TextBox":
          node = document.createElement("input");
          node.type = "text";
          node.maxLength = description.maxLength;
          node.autocomplete = "off";
          node.spellcheck = false;
          // A phone's digits, whatever its region: the requirement is a whole number.
          node.inputMode = "numeric";
          node.className = "box";
          node.addEventListener("keydown", (e) => {
            if (still(e)) e.preventDefault();
          });
          break;
        case "Option": {
          if (!group) {
            group = document.createElement("div");
            group.setAttribute("role", "radiogroup");
            group.id = "Option1Group";
            form.append(group);
          }
          node = document.createElement("input");
          node.type = "radio";
          node.name = "Option1";
          node.id = "Option1_" + c.index;
          node.checked = c.index === description.selected;
          const label = document.createElement("label");
          label.htmlFor = node.id;
          label.className = "option";
          label.append(node, document.createElement("span"));
          label.lastChild.textContent = c.text;
          place(label, c);
          group.append(label);
          radios[c.index] = node;
          node.addEventListener("click", () => {
            const w = wire(description.optionGroup, "Click");
            if (w) run(w.handler, c.index);
          });
          // The arrows, with any modifier, go to the option beside and select it, as the
          // window's do: Left and Right stop at the group's ends, and Up and Down, with no option
          // above or below, do nothing (with Alt too: WebKit would move on). Alt+Left and
          // Alt+Right are the browser's.
          node.addEventListener("keydown", (e) => {
            const step = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: 0, ArrowDown: 0 }[e.key];
            if (step === undefined || (e.altKey && step)) return;
            e.preventDefault();
            const beside = radios[c.index + step];
            if (step && beside) {
              beside.focus();
              beside.click();
            }
          });
          break;
        }
        case "Button":
          node = document.createElement("button");
          node.type = "button";
          node.textContent = c.text;
          break;
        case "Line":
          node = document.createElement("hr");
          node.setAttribute("aria-hidden", "true");
          break;
      }
      if (c.kind !== "List" && c.kind !== "Option") {
        node.id = c.name;
        place(node, c);
        form.append(node);
      }
      if (c.tooltip) node.title = c.tooltip;
      if (c.kind === "Button") {
        const w = wire(c.id, "Click");
        if (w) node.addEventListener("click", () => run(w.handler));
        // Neither button is the default: Enter presses none (Space presses the focused one).
        node.addEventListener("keydown", (e) => {
          if (e.key === "Enter") e.preventDefault();
        });
      }
      element[c.id] = node;
    }
    tie(description);
    Flow.arrange(form, description, element);
    // Labels and results never take the focus, and a click on them does nothing: the focus
    // stays where it was, and a caption does not hand the click to its control.
    form.addEventListener("mousedown", (e) => {
      if (!e.target.closest(".list, .box, button, .option, .open, .items")) e.preventDefault();
    });
    form.addEventListener("click", (e) => {
      if (e.target.closest(".caption")) e.preventDefault();
    });
    Flow.whenWide(description, () => fitCaptions(description));
    for (const w of description.wiring) if (w.event === "Load") run(w.handler);
    Actions.build(description);
    element[description.focus].focus();
    performance.mark("ready");
  }

  // Every input and result is named by its caption, and described by its unit and tooltip; the
  // options through their group. The name is the caption's spoken part, the caption itself, so
  // that a screen reader that reads the page line by line reads the caption once, as the name of
  // what follows it: the caption's " =" is shown and not spoken. The tab order is the
  // description's.
  function tie(description) {
    for (const c of description.controls) {
      if (c.caption === description.none) continue;
      const caption = element[c.caption];
      const node = c.kind === "Option" ? document.getElementById("Option1Group") : element[c.id];
      // Split once: the three options share one caption.
      const shown = caption.textContent;
      if (!caption.childElementCount && shown.startsWith(c.spoken) && shown !== c.spoken) {
        const unspoken = document.createElement("span");
        unspoken.setAttribute("aria-hidden", "true");
        unspoken.textContent = shown.slice(c.spoken.length);
        caption.replaceChildren(c.spoken, unspoken);
      }
      // The option group's caption carries a tooltip of its own, which is no part of its name.
      if (c.kind === "Option") node.setAttribute("aria-label", c.spoken);
      else node.setAttribute("aria-labelledby", caption.id);
      if (caption.tagName === "LABEL" && c.kind !== "Option") caption.htmlFor = node.id;
      const described = [c.unit === description.none ? "" : element[c.unit].textContent, c.tooltip];
      const text = described.filter((d) => d).join(", ");
      if (text) node.setAttribute("aria-description", text);
    }
    Flow.order(description, element, radios);
  }

  // The captions are set in the browser's sans-serif at the window's 8 points, smaller where
  // one would not stand whole and clear of the control after it.
  function fitCaptions(description) {
    const form = document.getElementById("Form1");
    const captions = description.controls.filter((c) => c.kind === "Caption" || c.kind === "Unit");
    // The room after each, in CSS pixels, less the clear space it keeps.
    const room = (c) => c.room - 5;
    const fits = () => captions.every((c) => element[c.id].scrollWidth <= room(c));
    const use = (size) => form.style.setProperty("--caption-size", size + "px");
    // The widths scale with the size: one measure gives the size, a second confirms it.
    const scale = Math.min(1, ...captions.map((c) => room(c) / element[c.id].scrollWidth));
    if (scale < 1) {
      let size = Math.floor(((32 / 3) * scale) * 4) / 4;
      use(size);
      while (!fits() && size > 8) use((size -= 0.25));
    }
  }

  return {
    build,
    text: (id) => textOf(id),
    setText(id, text) {
      const node = element[id];
      if (node.tagName === "INPUT") {
        node.value = text;
        const list = lists[id];
        if (list) list.index = list.items.indexOf(text);
      } else node.textContent = text;
    },
    append(id, item) {
      const list = lists[id];
      const option = document.createElement("li");
      option.setAttribute("role", "option");
      option.id = list.field.id + "-" + list.items.length;
      option.textContent = item;
      list.popup.append(option);
      list.items.push(item);
    },
    isSelected: (index) => radios[index].checked,
    select(index) {
      radios[index].checked = true;
    },
    setCaption(index, caption) {
      radios[index].labels[0].lastChild.textContent = caption;
    },
    end() {
      ended = true;
      window.close();
      // A browser keeps a tab open that the page did not open itself: the program has ended,
      // and the page says nothing more.
      document.body.replaceChildren();
    },
  };
})();

Module.onRuntimeInitialized = () => Page.build(JSON.parse(UTF8ToString(Module._fan_layout())));

// SPDX-License-Identifier: MIT
// The selection leaves the page: the row of actions after the window (Yazdır, Kopyala, Bağlantı,
// and Paylaş where the browser has a share sheet), the datasheet the browser prints, and the
// link that opens the page as it stands. The report is the window's own (fan_report), the same
// text the desktop copies; the link's fragment holds every control's text, the selected option
// and the options' captions, and is read back as untrusted input: what cannot be read is left
// as the page opens, nothing of it runs, and nothing about it is said.
"use strict";

var Actions = (function () {
  const report = (kind) => UTF8ToString(Module._fan_report(kind));
  // What a link may set, by the name the layout gives it: the fields and results, the option
  // group (which option is selected) and each option's caption.
  let description = null;
  const said = (text) => {
    const region = document.getElementById("announce");
    region.textContent = text;
  };

  function linked() {
    return description.controls.filter((c) =>
      c.kind === "List" || c.kind === "TextBox" || c.kind === "Value");
  }

  // The page as it stands, as a fragment: "Combo1=132&…&Option1=1&Option1_1=1405".
  function fragment() {
    const parts = new URLSearchParams();
    for (const c of linked()) {
      const text = Page.text(c.id);
      if (text) parts.append(c.name, text);
    }
    const options = description.controls.filter((c) => c.kind === "Option");
    parts.append("Option1", String(options.findIndex((c) => Page.isSelected(c.index))));
    for (const c of options) parts.append("Option1_" + c.index, Page.text(c.id));
    return parts.toString();
  }

  function link() {
    return location.href.split("#")[0] + "#" + fragment();
  }

  // A link's text for a control: no longer than a field takes, no control characters.
  function readable(text, longest) {
    if (typeof text !== "string" || text.length > longest) return false;
    for (let i = 0; i < text.length; i++) {
      const code = text.charCodeAt(i);
      if (code < 32 || code === 127) return false;
    }
    return true;
  }

  // Shows what a link holds; whatever part of it cannot be read is left as it is.
  function open(hash) {
    if (!hash || hash.length > 4096) return;
    // Any text parses, a malformed escape as itself.
    const parts = new URLSearchParams(hash.replace(/^#/, ""));
    for (const c of linked()) {
      const text = parts.get(c.name);
      // A result is a short word of the tables; a list's field holds what was typed in it.
      const longest = { TextBox: description.maxLength, List: 256, Value: 16 }[c.kind];
      if (text !== null && readable(text, longest)) Page.setText(c.id, text);
    }
    const options = description.controls.filter((c) => c.kind === "Option");
    const selected = parts.get("Option1");
    if (selected !== null && /^[0-2]$/.test(selected) && options[Number(selected)])
      Page.select(Number(selected));
    for (const c of options) {
      const caption = parts.get("Option1_" + c.index);
      if (caption !== null && /^[0-9]{1,9}$/.test(caption)) Page.setCaption(c.index, caption);
    }
  }

  // Puts text (and HTML) on the clipboard through the browser's own copy, which every engine
  // grants a click, from disk as from a site.
  let copying = null;
  document.addEventListener("copy", (e) => {
    if (!copying) return;
    for (const type of Object.keys(copying)) e.clipboardData.setData(type, copying[type]);
    copying = null;
    e.preventDefault();
  });
  function copy(forms, done) {
    copying = forms;
    const copied = document.execCommand("copy");
    copying = null;
    if (copied) said(done);
  }

  // The datasheet the browser prints, in place of the form: the report's table, made when the
  // page is printed, by its button or by the browser's own print.
  function datasheet() {
    const sheet = document.getElementById("datasheet");
    const parsed = new DOMParser().parseFromString(report(1), "text/html");
    sheet.replaceChildren(...parsed.body.childNodes);
  }

  function build(layout) {
    description = layout;
    const row = document.getElementById("actions");
    const button = (id, text, act) => {
      const made = document.createElement("button");
      made.type = "button";
      made.id = id;
      made.textContent = text;
      made.addEventListener("click", act);
      // A click leaves the focus where it was, as the desktop's menu does.
      made.addEventListener("mousedown", (e) => e.preventDefault());
      row.append(made);
      return made;
    };
    button("print", "Yazdır", () => window.print());
    button("copy", "Kopyala", () =>
      copy({ "text/plain": report(0), "text/html": report(1) }, "Seçim kopyalandı"));
    button("link", "Bağlantı", () => copy({ "text/plain": link() }, "Bağlantı kopyalandı"));
    if (typeof navigator.share === "function")
      button("share", "Paylaş", () => {
        navigator.share({ title: description.title.trim(), text: report(0), url: link() })
          .catch(() => {});
      });
    window.addEventListener("beforeprint", datasheet);
    open(location.hash);
    window.addEventListener("hashchange", () => open(location.hash));
  }

  return { build, fragment, link, open, report };
})();

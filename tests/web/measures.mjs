// SPDX-License-Identifier: MIT
// What the page's tests measure in the page, each a function run there (page.evaluate).

// In the page: each caption's, unit's and the credit line's text, and the clear CSS pixels
// between the end of its letters and the next control on its row (or the window's edge).
export function clearSpaces() {
  const form = document.getElementById("Form1").getBoundingClientRect();
  const controls = [...document.querySelectorAll(".placed")]
    .filter((e) => e.offsetParent && e.tagName !== "HR");
  return [...document.querySelectorAll("#Form1 .caption")].map((caption) => {
    const range = document.createRange();
    range.selectNodeContents(caption);
    const ink = range.getBoundingClientRect();
    let next = form.right;
    for (const other of controls) {
      const box = other.getBoundingClientRect();
      if (other !== caption && box.left > ink.left && box.top < ink.bottom && box.bottom > ink.top)
        next = Math.min(next, box.left);
    }
    return [caption.textContent, next - ink.right];
  });
}

// In the page: the controls that do not stand at the window's place and size (page.js gives each
// its --left, --top, --width and --height, from the window's description).
export function misplaced() {
  const form = document.getElementById("Form1").getBoundingClientRect();
  const off = (a, b) => Math.abs(a - b) > 0.5;
  return [...document.querySelectorAll(".placed:not(hr)")].filter((e) => {
    const box = e.getBoundingClientRect();
    const at = (name) => parseFloat(e.style.getPropertyValue(name));
    return off(box.left - form.left, at("--left")) || off(box.top - form.top, at("--top")) ||
           off(box.width, at("--width")) || off(box.height, at("--height"));
  }).map((e) => e.id || e.textContent);
}

// In the page: the contrast of each control's text against what stands behind it.
export function contrastOfEveryText() {
  const rgb = (colour) => colour.match(/[\d.]+/g).slice(0, 3).map(Number);
  const luminance = ([r, g, b]) => [r, g, b].map((v) => {
    v /= 255;
    return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
  }).reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
  const behind = (node) => {
    for (let n = node; n; n = n.parentElement) {
      const colour = getComputedStyle(n).backgroundColor;
      if (!/rgba\(.*, 0\)$/.test(colour) && colour !== "transparent") return colour;
    }
    return "rgb(255, 255, 255)";
  };
  return [...document.querySelectorAll(".placed:not(hr):not(.option), .option span")]
    .map((node) => {
      const [a, b] = [luminance(rgb(getComputedStyle(node).color)), luminance(rgb(behind(node)))];
      return [node.id || node.textContent, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
    });
}

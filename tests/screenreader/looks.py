# SPDX-License-Identifier: MIT
"""What the window looks like on the screen, measured on a grab of it: the controls read over
the AT-SPI bus give the places, the display server's own picture the pixels."""

import atspi_test

# (AT-SPI 2.56 calls a push button a "button".)
CONTROLS = {"label", "combo box", "text", "radio button", "push button", "button", "separator"}


def controls(window, Atspi):
    """Each control of the window with its box in window coordinates (the parts of a list left
    out), and whether it is a plain label (a caption, a unit or the credit line)."""
    # Taken from the window's own place, since toolkits differ in what "window coordinates" are.
    top = window.get_extents(Atspi.CoordType.WINDOW)
    found = []
    for accessible in atspi_test.descendants(window):
        if (accessible.get_role_name() in CONTROLS
                and accessible.get_parent().get_role_name() != "combo box"):
            box = accessible.get_extents(Atspi.CoordType.WINDOW)
            plain = (accessible.get_role_name() == "label"
                     and not atspi_test.related(accessible, "labelled-by"))
            found.append((accessible, (box.x - top.x, box.y - top.y, box.width, box.height),
                          plain))
    return found


def colours(picture, origin, box):
    x, y, width, height = box
    return {picture.pixel(origin[0] + col, origin[1] + row)
            for row in range(y, y + height) for col in range(x, x + width)}


def clear_spaces(picture, origin, found, window_width):
    """For each plain label of `found`, (name, box, plain) triples, the clear pixels between its
    last drawn pixel and the next control on its row (or the window's edge), as (pixels, name);
    None where it shows nothing."""
    spaces = []
    for name, (x, y, width, height), plain in found:
        if not plain:
            continue
        following = [bx for _, (bx, by, bw, bh), _ in found
                     if bx > x and by <= y + height - 1 and by + bh - 1 >= y and bh > 1]
        right = min(following, default=window_width) - 1
        background = picture.pixel(origin[0] + right, origin[1] + y)
        ink = next((col for col in range(right, x - 1, -1)
                    if any(picture.pixel(origin[0] + col, origin[1] + row) != background
                           for row in range(y, y + height))), None)
        spaces.append((None if ink is None else right - ink, name))
    return spaces

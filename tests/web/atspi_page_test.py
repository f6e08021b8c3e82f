# SPDX-License-Identifier: MIT
"""The page as a screen reader on Linux reads it: Debian's Chromium on a virtual display of the
test's own, with its own session and accessibility buses, showing the page from disk; the worked
example made with real key presses; every result read back over AT-SPI with libatspi, by the
caption it is tied to, with its unit as the description.
    atspi_page_test.py PAGE"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from desktop import FACTS, Desktop, keep, main, wait_until  # noqa: E402
from browsers import open_page  # noqa: E402
import unittest  # noqa: E402

# The results in the window's order, by caption and description ("Basınç" names two).
RESULTS = [("Basınç", "Pa"), ("Max. Çap", "mm"), ("Fan Tipi", ""), ("Fan Çapı", "mm"),
           ("Kanat Sayısı", ""), ("Açı", "derece"), ("Fan Gücü", "kW"),
           ("Fan Debisi", "m3/h, 1.113 kg/m3 (45)"), ("Basınç", "Pa, Statik"),
           ("Fan Motoru Mil Çapı", "mm"), ("Fan Motor Tipi", ""), ("Fan Motoru Akımı (Max)", "A")]


def descendants(accessible):
    for i in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


class ChromiumOverTheBus(unittest.TestCase):
    page = None

    def test_the_results_after_the_calculation(self):
        with Desktop(program=None) as desktop:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import Atspi, GLib

            def settled(condition):
                # The tree changes while Chromium builds the page: a node asked for may be gone.
                def asked():
                    try:
                        return condition()
                    except GLib.Error:
                        return None
                return asked
            open_page(desktop, "chromium", self.page)

            def document():
                root = Atspi.get_desktop(0)
                for i in range(root.get_child_count()):
                    app = root.get_child_at_index(i)
                    if app and "hromium" in (app.get_name() or ""):
                        for node in descendants(app):
                            if node.get_role_name() == "document web":
                                return node
                return None
            wait_until(settled(document), 60, "the page over AT-SPI")

            def fields():
                return [n for n in descendants(document()) if n.get_role_name() == "entry"]
            wait_until(settled(lambda: [f for f in fields() if f.get_name() == "Fan Tipi"]), 60,
                       "the page's results over AT-SPI")
            desktop.keys(*FACTS["keys"])

            def read():
                shown = []
                for node in fields():
                    # The interface's own call, which both releases' bindings take.
                    value = Atspi.Text.get_text(node, 0, -1) if node.get_text_iface() else ""
                    shown.append((node.get_name(), value, node.get_description()))
                return shown
            wanted = [(caption, value, unit) for (caption, unit), value
                      in zip(RESULTS, FACTS["results"])]
            def calculated():
                shown = [s for s in read() if (s[0], s[2]) in RESULTS]
                return shown if all(w in shown for w in wanted) else None
            results = wait_until(settled(calculated), 30,
                                 "the results of the calculation over AT-SPI")
            with open(keep("atspi.txt"), "w") as out:
                out.writelines(f"entry | {n} | {v} | {d}\n" for n, v, d in read())
            for line in wanted:
                self.assertIn(line, results)
            print("\n".join(f"entry | {n} | {v} | {d}" for n, v, d in results), file=sys.stderr)


if __name__ == "__main__":
    ChromiumOverTheBus.page = os.path.abspath(sys.argv.pop(1))
    main(program_argument=False)

# SPDX-License-Identifier: MIT
"""What a Windows screen reader reads of the program, through UI Automation: the installed
program's files under Wine (a fresh prefix, Windows' own fonts) and a UI Automation client in a
process of its own (uia_client.exe) that walks the window's tree after the worked calculation,
made with real key presses. Every control is there with its name and control type, each result
is read by its value, and the program still answers its user afterwards.
    uia_test.py PROGRAM_FOLDER UIA_CLIENT"""

import os
import subprocess
import sys
import unittest

from wine import Wine

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from desktop import FACTS, keep, main  # noqa: E402

# UI Automation's control types.
BUTTON, COMBO_BOX, EDIT, RADIO_BUTTON, TEXT, GROUP, WINDOW, SEPARATOR = (
    50000, 50003, 50004, 50013, 50020, 50026, 50032, 50038)
TITLE = "Vidalı Kompresör Soğutucu Fan Seçim Programı"


class ThroughUIAutomation(unittest.TestCase):
    folder = client = None

    def test_the_window_read_by_a_client_of_its_own_after_the_calculation(self):
        with Wine() as wine:
            program = wine.open(["wine", os.path.join(self.folder, "fan-selection.exe")])
            wine.keys(*FACTS["keys"])
            wine.settled()
            read = subprocess.run(["wine", self.client, "60"], env=wine.env, timeout=180,
                                  stdin=subprocess.DEVNULL, capture_output=True, text=True)
            with open(keep("uia-tree.txt"), "w") as tree:
                tree.write(read.stdout + read.stderr)
            self.assertEqual(read.returncode, 0, read.stderr)
            elements = [line.split("\t") for line in read.stdout.splitlines()]
            print("\nwhat UI Automation gives, depth, control type, name, value:",
                  *["  " * int(d) + f"{t} {n!r} {v}" for d, t, n, v in elements],
                  sep="\n    ", file=sys.stderr)
            kinds = [(int(t), n) for _, t, n, _ in elements]
            self.assertEqual(kinds[0][0], WINDOW)
            self.assertEqual(kinds[0][1].strip(), TITLE)
            self.assertGreaterEqual(len(kinds) - 1, int(FACTS["controls"][0]))
            names = {kind: [n for k, n in kinds if k == kind] for kind in set(k for k, _ in kinds)}
            self.assertEqual(names.get(BUTTON), ["Hesapla", "Çıkış"])
            self.assertEqual(names.get(RADIO_BUTTON), FACTS["speeds"])
            self.assertEqual(names.get(GROUP), ["Fan d/dk"])
            self.assertEqual(len(names.get(SEPARATOR, [])), 1)
            # The text box; each list has an edit field of its own inside it.
            self.assertEqual([n for d, t, n, _ in elements if int(t) == EDIT and d == "1"],
                             ["Soğutma Havası İhtiyacı"])
            self.assertEqual(names.get(COMBO_BOX, [])[:3],
                             ["Kompresör Gücü", "Soğutucu Gücü", "Fan Motoru Gücü"])
            # Each result is read by its value, in the window's order, among the captions.
            texts = iter(names.get(TEXT, []))
            self.assertTrue(all(value in texts for value in FACTS["results"]), names.get(TEXT))
            self.assertIn("Kompresör Gücü =", names.get(TEXT))
            # The program still answers its user: its close key ends it as it should.
            wine.keys("alt+F4")
            self.assertEqual(program.wait(timeout=60), 0)


if __name__ == "__main__":
    ThroughUIAutomation.folder, ThroughUIAutomation.client = sys.argv[1:3]
    del sys.argv[1:3]
    main(program_argument=False)

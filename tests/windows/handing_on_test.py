# SPDX-License-Identifier: MIT
"""The selection handed on from the Windows program under Wine: after the worked calculation with
real key presses, Ctrl+Shift+C puts the report on the Windows clipboard, read back by another
program (Wine hands the Windows clipboard to the X display's, where xclip reads it); Ctrl+S and
Enter in the save dialog write the datasheet into the user's documents, read back by pdftotext.
    handing_on_test.py PROGRAM_FOLDER"""

import glob
import os
import subprocess
import sys
import unittest

from wine import Wine

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "screenreader"))
from desktop import FACTS, keep, main, wait_until  # noqa: E402


class HandingOnUnderWine(unittest.TestCase):
    folder = None

    def test_copied_and_saved_as_pdf(self):
        with Wine() as wine:
            program = wine.open(["wine", os.path.join(self.folder, "fan-selection.exe")])
            wine.keys(*FACTS["keys"])
            wine.settled()
            wine.keys("ctrl+shift+c")

            def pasted():
                done = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t",
                                       "UTF8_STRING"], env=wine.env, timeout=20,
                                      capture_output=True)
                return done.returncode == 0 and "Fan Tipi" in done.stdout.decode() and \
                    done.stdout.decode()
            text = wait_until(pasted, 30, "the report on the clipboard")
            with open(keep("copied.txt"), "w") as kept:
                kept.write(text)
            for value in FACTS["inputs"] + FACTS["results"]:
                self.assertIn("\t" + value + "\t", text)
            self.assertIn("Fan Tipi\t4ZL\t\n", text)

            wine.keys("ctrl+s")
            documents = os.path.join(wine.prefix, "drive_c", "users", "*", "Documents")
            pattern = os.path.join(documents, "Fan seçimi 132 kW 4ZL.pdf")
            # The save dialog opens on the user's documents, named after the selection.
            for _ in range(3):
                wine.settled()
                wine.keys("Return")
                if glob.glob(pattern):
                    break
            (pdf,) = wait_until(lambda: [p for p in glob.glob(pattern) if os.path.getsize(p)],
                                30, "the datasheet written")
            sheet = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, timeout=30,
                                   capture_output=True, text=True).stdout
            for value in FACTS["inputs"] + FACTS["results"]:
                self.assertIn(value, sheet)
            self.assertIn("Seçimin gerekçesi", sheet)
            wine.keys("alt+F4")
            self.assertEqual(program.wait(timeout=60), 0)


if __name__ == "__main__":
    HandingOnUnderWine.folder = sys.argv.pop(1)
    main(program_argument=False)

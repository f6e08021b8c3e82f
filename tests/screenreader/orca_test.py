# SPDX-License-Identifier: MIT
"""The window as a blind user meets it: Orca, the screen reader, reads the real program on a
virtual display. Orca runs without speech; what it presents on each step stands in its debug
record as a braille line. Flat review (keypad minus) reads the window line by line as it stands
on the screen: KP_Home the line above, KP_Up the current line, KP_Page_Up the line below.
    orca_test.py PROGRAM"""

import os
import re
import sys
import time

from desktop import FACTS, DesktopTest, main
from screen_reader import start_orca

# An empty list or text box shows in flat review as its name, as in any toolkit's window; an
# empty result shows as nothing.
AT_START = [
    "Kompresör Gücü = Kompresör Gücü kW Soğutma Havası İhtiyacı = Soğutma Havası İhtiyacı kg/h",
    "Soğutucu Gücü = Soğutucu Gücü kW Basınç = Pa Max. Çap = mm",
    "separator",
    "Fan Motoru Gücü = Fan Motoru Gücü Fan d/dk = & y 3000 &=y 1500 & y 1000",
    "Fan Tipi = Fan Çapı = mm Kanat Sayısı = Açı = derece",
    "Fan Gücü = kW Fan Debisi = m3/h Basınç = Pa",
    "Fan Motoru  Mil Çapı = mm",
    "Hesapla Çıkış",
    "Fan Motor Tipi =",
    "Fan Motoru Akımı (Max) = A Sürüm N - yerleşik tablolar",
]
# The worked example, each value read where it stands.
AFTER_132 = [line.format(*FACTS["inputs"], *FACTS["results"], *FACTS["speeds"]) for line in [
    "Kompresör Gücü = {0} kW Soğutma Havası İhtiyacı = {2} kg/h",
    "Soğutucu Gücü = {1} kW Basınç = {4} Pa Max. Çap = {5} mm",
    "separator",
    "Fan Motoru Gücü = {3} Fan d/dk = & y {16} &=y {17} & y {18}",
    "Fan Tipi = {6} Fan Çapı = {7} mm Kanat Sayısı = {8} Açı = {9} derece",
    "Fan Gücü = {10} kW Fan Debisi = {11} m3/h Basınç = {12} Pa",
    "Fan Motoru  Mil Çapı = {13} mm",
    "Hesapla Çıkış",
    "Fan Motor Tipi = {14}",
    "Fan Motoru Akımı (Max) = {15} A Sürüm N - yerleşik tablolar",
]]


class Orca(DesktopTest):
    @classmethod
    def arrive(cls):
        # Orca first, as on a blind user's desktop; then the program.
        cls.record = start_orca(cls.desktop)
        cls.wait_for(r"BRAILLE LINE:\s+'Screen reader on\.'")
        cls.desktop.open_window()
        # The focus in the air requirement, presented with its caption.
        cls.wait_for(r"BRAILLE LINE:\s+'.*Soğutma Havası İhtiyacı = ")

    @classmethod
    def presented(cls, since=0, after=""):
        """The braille lines Orca presented after a point in its record, and after the first
        entry there that holds `after`."""
        with open(cls.record, "rb") as record:
            record.seek(since)
            text = record.read().decode("utf-8", "replace")
        text = text[text.find(after):] if after in text else ""
        # The credit line's version number stands as N.
        return [re.sub(r"Sürüm [0-9.]+ ", "Sürüm N ", line.removesuffix(" $l").strip())
                for line in re.findall(r"BRAILLE LINE:\s+'(.*)'", text)]

    @classmethod
    def wait_for(cls, pattern, seconds=40):
        """Waits for an entry in Orca's record. The record is written through a buffer: a press
        of Shift, which changes nothing, makes Orca write on."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if os.path.exists(cls.record):
                with open(cls.record, encoding="utf-8", errors="replace") as record:
                    if re.search(pattern, record.read()):
                        return
            cls.desktop.keys("shift", pause=0.5)
        raise AssertionError(f"Orca never presented {pattern}")

    def keys(self, *keys, until=lambda lines: True, after=""):
        """Presses keys and returns the braille lines Orca presented for them once they satisfy
        `until`; fails with what it presented if they never do. The pause between keys is longer
        than Orca's double-click time, so that each press counts alone. Orca's record is written
        through a buffer: a press of Shift, which changes nothing, makes it write on."""
        since = os.path.getsize(self.record)
        self.desktop.keys(*keys, pause=0.7)
        deadline = time.monotonic() + 30
        while not until(self.presented(since, after)):
            if time.monotonic() > deadline:
                raise AssertionError(f"after {keys} Orca presented only {self.presented(since, after)}")
            self.desktop.keys("shift", pause=0.2)
        return self.presented(since, after)

    def flat_review(self):
        """Reads the whole window from its top line to its bottom line with flat review."""
        self.keys("KP_Subtract", *["KP_Home"] * 10)
        lines = self.keys("KP_Up", *["KP_Page_Up"] * len(AT_START),
                          until=lambda lines: len(lines) >= len(AT_START),
                          after="Handler is Speak the current flat review line")
        self.keys("KP_Subtract", until=lambda lines: "Leaving flat review." in lines)
        print("\nflat review:", *lines, sep="\n    ", file=sys.stderr)
        return lines

    def test_1_flat_review_at_start_shows_captions_and_units_only(self):
        self.assertEqual(self.flat_review(), AT_START)

    def test_2_a_calculation_by_keyboard(self):
        # What Orca presents on a change of focus differs between its versions around the
        # control's own words (Orca 43 puts the application's name first); those words are
        # checked. Tab from the air requirement: the speed options are announced with the
        # group's caption, their own caption and that one is selected ("=y").
        def presented(*words):
            return lambda lines: any(all(w in line for w in words) for line in lines)

        options = presented("Fan d/dk =", "&=y 1500 radio button")
        focus = self.keys("Tab", until=options)
        self.assertTrue(options(focus), focus)
        # On to the compressor list, whose caption is announced; its arrow keys pick 132 kW.
        combo = presented("Kompresör Gücü =", "combo box")
        focus = self.keys("Tab", "Tab", "Tab", until=combo)
        self.assertTrue(combo(focus), focus)
        picked = presented("132")
        focus = self.keys(*["Down"] * 13, until=picked)
        self.assertTrue(focus[-1].endswith("132"), focus)
        calculate = presented("Hesapla", "button")
        focus = self.keys("shift+Tab", "shift+Tab", "space", until=calculate)
        self.assertTrue(calculate(focus), focus)
        self.assertEqual(self.flat_review(), AFTER_132)


if __name__ == "__main__":
    main()

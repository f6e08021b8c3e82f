# SPDX-License-Identifier: MIT
"""The installed program, as Debian's CI tests a package (debian/tests): on a virtual display, a
calculation made with keys and read back over the AT-SPI bus, and on a grab of the window every
caption and unit clear of the box that follows it.
    installed_test.py PROGRAM"""

import sys

import atspi_test
import looks
from desktop import FACTS, main


class Installed(atspi_test.OverTheBus):
    def test_3_every_caption_and_unit_stands_clear_of_the_next_control(self):
        found = looks.controls(self.window, self.Atspi)
        width = self.window.get_extents(self.Atspi.CoordType.WINDOW).width
        spaces = looks.clear_spaces(self.desktop.screenshot(),
                                    self.desktop.window_origin(self.program_process),
                                    [(c.get_name(), box, plain) for c, box, plain in found], width)
        self.assertEqual(len(spaces), int(FACTS["captions"][0]))
        for space, text in spaces:
            with self.subTest(label=text):
                self.assertIsNotNone(space, "shows nothing")
                self.assertGreaterEqual(space, 4)
        print("\nsmallest clear space after a caption: %d px, after \"%s\"" % min(spaces),
              file=sys.stderr)


if __name__ == "__main__":
    main()

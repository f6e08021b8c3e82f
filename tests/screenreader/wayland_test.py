# SPDX-License-Identifier: MIT
"""The window in a native Wayland session: the real program on a headless Wayland compositor
(Qt's wayland platform, no X server anywhere), driven with real key presses through the
compositor, read back over the AT-SPI bus, looked at in the compositor's own screenshot, and
closed both with "Çıkış" and by the compositor's close request.
    wayland_test.py PROGRAM"""

import atspi_test
import looks
from desktop import FACTS, main


class OnWayland(atspi_test.OverTheBus):
    session = "wayland"

    def test_2_a_calculation_reaches_the_bus_with_its_change_events(self):
        super().test_2_a_calculation_reaches_the_bus_with_its_change_events()
        # Every control is drawn: inside each one's box, as the compositor shows it, some pixel
        # differs from the rest (the line, one pixel high, differs from the window around it).
        picture = self.desktop.screenshot()
        origin = self.desktop.window_origin(self.program_process)
        found = looks.controls(self.window, self.Atspi)
        self.assertEqual(len(found), int(FACTS["controls"][0]), sorted((c.get_role_name(), c.get_name()) for c, _, _ in found))
        for control, (x, y, width, height), _ in found:
            with self.subTest(control=control.get_name(), role=control.get_role_name()):
                inside = looks.colours(picture, origin, (x, y, width, height))
                if control.get_role_name() == "separator":
                    around = looks.colours(picture, origin, (x, y - 3, width, 1))
                    self.assertFalse(inside & around)
                else:
                    self.assertGreater(len(inside), 1)

    def test_3_exits_on_cikis_and_on_the_compositors_close_request(self):
        self.desktop.keys("Tab", "space")  # from "Hesapla" on to "Çıkış", and press it
        self.assertEqual(self.program_process.wait(timeout=10), 0)
        second = self.desktop.open_window()
        self.desktop.sway(f"[pid={second.pid}]", "kill")
        self.assertEqual(second.wait(timeout=10), 0)


if __name__ == "__main__":
    main()

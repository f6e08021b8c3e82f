# SPDX-License-Identifier: MIT
"""The window in a native Wayland session: the real program on a headless Wayland compositor
(Qt's wayland platform, no X server anywhere), driven with real key presses through the
compositor, read back over the AT-SPI bus, looked at in the compositor's own screenshot, and
closed both with "Çıkış" and by the compositor's close request.
    wayland_test.py PROGRAM"""

import os
import subprocess
import time

import atspi_test
from desktop import main


class OnWayland(atspi_test.OverTheBus):
    session = "wayland"

    def screenshot(self):
        """The compositor's picture of the window's content, and its size."""
        import gi
        gi.require_version("GdkPixbuf", "2.0")
        from gi.repository import GdkPixbuf
        (view,) = [v for v in self.desktop.views() if v["pid"] == self.program_process.pid]
        x = view["rect"]["x"] + view["window_rect"]["x"]
        y = view["rect"]["y"] + view["window_rect"]["y"]
        path = os.path.join(self.desktop.home, "screen.png")
        subprocess.run(["grim", path], env=self.desktop.env, check=True, timeout=20)
        picture = GdkPixbuf.Pixbuf.new_from_file(path)
        keep = os.environ.get("FANSEL_WAYLAND_SHOT")
        if keep:
            picture.savev(keep, "png", [], [])
        return picture, x, y, view["window_rect"]

    def test_2_a_calculation_reaches_the_bus_with_its_change_events(self):
        super().test_2_a_calculation_reaches_the_bus_with_its_change_events()
        # Every control is drawn: inside each one's box, as the compositor shows it, some pixel
        # differs from the rest (the line, one pixel high, differs from the window around it).
        picture, x, y, content = self.screenshot()
        self.assertEqual((content["width"], content["height"]), (455, 269))
        pixels, stride, channels = (picture.get_pixels(), picture.get_rowstride(),
                                    picture.get_n_channels())
        def colours(box):
            return {bytes(pixels[(y + row) * stride + (x + col) * channels:][:3])
                    for row in range(box.y, box.y + box.height)
                    for col in range(box.x, box.x + box.width)}

        controls = self.all_controls()
        self.assertEqual(len(controls), 52)
        for control in controls:
            box = control.get_extents(self.Atspi.CoordType.WINDOW)
            with self.subTest(control=control.get_name(), role=control.get_role_name()):
                if control.get_role_name() == "separator":
                    around = self.Atspi.Rect()
                    around.x, around.y, around.width, around.height = box.x, box.y - 3, box.width, 1
                    self.assertFalse(colours(box) & colours(around))
                else:
                    self.assertGreater(len(colours(box)), 1)

    def all_controls(self):
        wanted = {"label", "combo box", "text", "radio button", "push button", "separator"}
        return [a for a in atspi_test.descendants(self.window) if a.get_role_name() in wanted
                and a.get_parent().get_role_name() != "combo box"]

    def test_3_exits_on_cikis_and_on_the_compositors_close_request(self):
        self.desktop.keys("Tab", "space")  # from "Hesapla" on to "Çıkış", and press it
        self.assertEqual(self.program_process.wait(timeout=10), 0)
        second = self.desktop.open_window()
        self.desktop.sway(f"[pid={second.pid}]", "kill")
        self.assertEqual(second.wait(timeout=10), 0)


if __name__ == "__main__":
    main()

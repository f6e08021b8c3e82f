# SPDX-License-Identifier: MIT
"""The window as an assistive tool reads it over the AT-SPI bus: the real program on a virtual
display, driven with real key presses, read back with libatspi.
    atspi_test.py PROGRAM"""

from desktop import FACTS, DesktopTest, main, wait_until

# Every result, by the caption it is tied to, and its unit and tooltip as the description.
# "Basınç =" names two results; the first is the cooler's, the second the fan's.
RESULTS = [
    ("Basınç =", "Pa"), ("Max. Çap =", "mm"), ("Fan Tipi =", ""), ("Fan Çapı =", "mm"),
    ("Kanat Sayısı =", ""), ("Açı =", "derece"), ("Fan Gücü =", "kW"),
    ("Fan Debisi =", "m3/h, 1.113 kg/m3 (45)"), ("Basınç =", "Pa, Statik"),
    ("Fan Motoru  Mil Çapı =", "mm"), ("Fan Motor Tipi =", ""), ("Fan Motoru Akımı (Max) =", "A"),
]
INPUTS = [
    ("Kompresör Gücü =", "combo box", "Kompresör Gücü", "kW"),
    ("Soğutma Havası İhtiyacı =", "text", "Soğutma Havası İhtiyacı", "kg/h, 1.113 kg/m3 (45)"),
    ("Soğutucu Gücü =", "combo box", "Soğutucu Gücü", "kW"),
    ("Fan Motoru Gücü =", "combo box", "Fan Motoru Gücü", ""),
]
# The worked example: 132 kW picked, then "Hesapla": the results in the order of RESULTS.
AFTER_132 = FACTS["results"]


def related(accessible, kind):
    """The targets of one kind of relation ("labelled-by", "label-for") of an accessible."""
    return [relation.get_target(i) for relation in accessible.get_relation_set()
            if relation.get_relation_type().value_nick == kind
            for i in range(relation.get_n_targets())]


def descendants(accessible):
    for i in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(i)
        yield child
        yield from descendants(child)


class OverTheBus(DesktopTest):
    @classmethod
    def arrive(cls):
        # The client library joins the buses of the desktop that now stands.
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        cls.Atspi, cls.GLib = Atspi, GLib
        cls.program_process = cls.desktop.open_window()
        cls.window = cls.find_window()
        cls.names_changed = []
        cls.listener = Atspi.EventListener.new(
            lambda event: cls.names_changed.append((event.source, event.source.get_name())))
        cls.listener.register("object:property-change:accessible-name")

    @classmethod
    def find_window(cls):
        def shown():
            desktop = cls.Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_name() == "fan-selection" and app.get_child_count():
                    window = app.get_child_at_index(0)
                    if window.get_state_set().contains(cls.Atspi.StateType.SHOWING):
                        return window
            return None
        return wait_until(shown, 60, "the window reaching the accessibility bus", pause=0.2)

    def pump_until(self, condition, seconds, what):
        """Lets the bus deliver its events until condition() holds."""
        context = self.GLib.MainContext.default()

        def delivered():
            while context.iteration(False):
                pass
            return condition()
        return wait_until(delivered, seconds, what, pause=0.02)

    def captions(self):
        """Each caption label in screen order, with the control it names."""
        found = []
        for accessible in descendants(self.window):
            if accessible.get_role_name() == "label":
                for target in related(accessible, "label-for"):
                    found.append((accessible.get_name(), target))
        return found

    def results(self):
        named = [(caption, target) for caption, target in self.captions()
                 if target.get_role_name() == "label"]
        self.assertEqual([caption for caption, _ in named], [c for c, _ in RESULTS])
        return [target for _, target in named]

    def text_of(self, accessible):
        return self.Atspi.Text.get_text(accessible, 0, -1)

    def test_1_every_result_is_tied_to_its_caption_and_empty_at_start(self):
        captions = {caption for caption, _ in self.captions()}
        for result, (caption, _) in zip(self.results(), RESULTS):
            with self.subTest(caption=caption):
                # No result yet: nothing, neither the caption nor the unit.
                self.assertEqual(result.get_name(), "")
                self.assertEqual(result.get_description(), "")
                tied = related(result, "labelled-by")
                self.assertEqual([label.get_name() for label in tied], [caption])
        self.assertIn("Fan d/dk =", captions)

    def test_1_every_input_is_named_by_its_caption_and_unit(self):
        inputs = [(caption, target) for caption, target in self.captions()
                  if target.get_role_name() in ("combo box", "text")]
        self.assertEqual(len(inputs), len(INPUTS))
        for (caption, control), (want_caption, role, name, description) in zip(inputs, INPUTS):
            with self.subTest(caption=want_caption):
                self.assertEqual(caption, want_caption)
                self.assertEqual(control.get_role_name(), role)
                self.assertEqual(control.get_name(), name)
                self.assertEqual(control.get_description(), description)
                self.assertEqual([l.get_name() for l in related(control, "labelled-by")],
                                 [want_caption])

    def test_1_speed_options_are_one_group_named_by_its_caption(self):
        groups = [target for caption, target in self.captions() if caption == "Fan d/dk ="]
        self.assertEqual(len(groups), 1)
        group = groups[0]
        self.assertEqual(group.get_name(), "Fan d/dk")
        options = [group.get_child_at_index(i) for i in range(group.get_child_count())]
        self.assertEqual([o.get_role_name() for o in options], ["radio button"] * 3)
        self.assertEqual([o.get_name() for o in options], ["3000", "1500", "1000"])
        checked = [o.get_state_set().contains(self.Atspi.StateType.CHECKED) for o in options]
        self.assertEqual(checked, [False, True, False])
        tooltip = [l for l in related(group, "labelled-by")]
        self.assertEqual([l.get_description() for l in tooltip], ["ContiTech MultiRib"])

    def test_2_a_calculation_reaches_the_bus_with_its_change_events(self):
        self.desktop.keys(*FACTS["keys"])
        results = self.results()
        # The calculation's last write is the used speed option's caption (the motor's rated
        # speed); its change event marks the end.
        self.pump_until(lambda: any(source.get_role_name() == "radio button"
                                    for source, _ in self.names_changed), 30,
                        "the change event of a speed option's caption")
        self.assertEqual([r.get_name() for r in results], AFTER_132)
        changed = {}
        for source, name in self.names_changed:
            changed.setdefault(source, []).append(name)
        for result, value, (_, description) in zip(results, AFTER_132, RESULTS):
            with self.subTest(value=value):
                self.assertEqual(changed.get(result, [])[-1:], [value])
                self.assertEqual(result.get_description(), description)
        inputs = {caption: target for caption, target in self.captions()}
        compressor, _, air, _ = FACTS["inputs"]
        self.assertEqual(self.text_of(inputs["Soğutma Havası İhtiyacı ="]), air)
        self.assertEqual(self.text_of(inputs["Kompresör Gücü ="].get_child_at_index(1)), compressor)
        group = inputs["Fan d/dk ="]
        self.assertEqual([group.get_child_at_index(i).get_name() for i in range(3)],
                         FACTS["speeds"])


if __name__ == "__main__":
    main()

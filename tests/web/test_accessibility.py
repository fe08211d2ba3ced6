"""What Chromium tells assistive technology about the page, and the captions' tooltips."""
import unittest

from page import PageTest


class Accessibility(PageTest):
    def test_fields_are_named_and_described_by_their_captions(self):
        diameter_help = "AWG 24 = 0.51054 mm (cat5/cat5e) AWG 23 = 0.57404 mm"
        area_help = "AWG 24 = 0.205 mm2 (cat5/cat5e) AWG 23 = 0.258 mm2"
        for name, role, accessible_name, description in [
                ("lenght", "textbox", "Total cable length (m)", "Total cable lenght, out and back."),
                ("diameter", "textbox", "Cable diameter (mm)", diameter_help),
                ("areafld", "textbox", "Cable area (mm2)", area_help),
                ("current", "textbox", "Current (A)", ""),
                ("PopupMenu1", "combobox", "Conductor material", "")]:
            with self.subTest(control=name):
                node = self.page.accessible(name)
                self.assertEqual((node["role"], node["name"]), (role, accessible_name))
                self.assertTrue(node["description"].startswith(description), node["description"])

    def test_captions_are_labels_of_their_fields_with_their_help_as_tooltips(self):
        for caption, field, tooltip in [("Label1", "lenght", "Total cable lenght, out and back."),
                                        ("Label2", "diameter", "AWG 24 = 0.51054 mm (cat5/cat5e)\nAWG 23"),
                                        ("Label4", "areafld", "AWG 24 = 0.205 mm2 (cat5/cat5e)\nAWG 23"),
                                        ("Label3", "current", "")]:
            with self.subTest(caption=caption):
                label = self.page.control(caption)
                self.assertEqual(label.tag_name, "label")
                self.assertEqual(label.get_property("htmlFor"), self.page.control(field).get_property("id"))
                self.assertTrue((label.get_attribute("title") or "").startswith(tooltip))

    def test_the_result_is_announced_politely(self):
        self.assertEqual(self.page.accessible("result")["live"], "polite")


if __name__ == "__main__":
    unittest.main()

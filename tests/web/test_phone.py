"""The page on a phone: the window grows to the screen's width, its text and tap targets with
it, the fields ask for the decimal keypad, and a caption's help comes with a tap, or with F1
from the keyboard anywhere."""
import unittest

from selenium.webdriver.common.keys import Keys

from page import Page, PageTest

# Every box a finger aims at, as it shows: its rendered height and the size of its text.
MEASURED = """
var boxes = document.querySelectorAll('[data-name], [role=menubar] [role=menuitem], .guirt-title button');
return Array.prototype.filter.call(boxes, function(box) { return box.offsetHeight > 0; }).map(function(box) {
  return {name: box.dataset.name || box.textContent, height: box.getBoundingClientRect().height,
          text: parseFloat(getComputedStyle(box).fontSize) * box.currentCSSZoom,
          fits: box.tagName !== 'LABEL' || box.scrollWidth <= box.clientWidth};
});
"""
BUBBLE = ".guirt-help:not(:empty)"


class Phone(unittest.TestCase):
    def setUp(self):
        self.page = Page()

    def tearDown(self):
        self.page.close()

    def measured(self):
        return {box["name"]: box for box in self.page.driver.execute_script(MEASURED)}

    def test_the_window_fills_the_screens_width_with_text_and_targets_grown_alike(self):
        for width, height in [(360, 740), (412, 915)]:
            with self.subTest(screen=f"{width}x{height}"):
                page = self.page
                page.as_phone(width, height)
                page.open()
                window = page.driver.execute_script("return document.querySelector('.guirt-window')"
                                                    ".getBoundingClientRect().width")
                self.assertAlmostEqual(window, width, delta=1)
                scale = width / 298  # the window's own width, borders included
                page.tap(page.menu("Edit"))
                boxes = self.measured()
                self.assertAlmostEqual(boxes["lenght"]["text"], 12 * scale, delta=0.1)
                self.assertAlmostEqual(boxes["form"]["text"], 10 * scale, delta=0.1)
                self.assertAlmostEqual(boxes["PopupMenu1"]["text"], 12 * scale, delta=0.1)
                self.assertIn("CutCtrl+X", boxes)
                for name, box in boxes.items():
                    if name not in ("form", "result"):  # output, not for tapping
                        self.assertGreaterEqual(box["height"], 24, name)
                    self.assertTrue(box["fits"], name)

    def test_the_fields_ask_for_the_decimal_keypad_and_a_drop_goes_where_it_falls(self):
        page = self.page
        page.as_phone(360, 740)
        page.open()
        for name in ("lenght", "diameter", "areafld", "current"):
            self.assertEqual(page.control(name).get_attribute("inputmode"), "decimal")
        # Just right of the seventh of nine 1s, in the grown window.
        page.type_over("lenght", "1" * 9)
        x, y = page.driver.execute_script(
            "var f = arguments[0], r = f.getBoundingClientRect(), s = getComputedStyle(f);"
            "var c = document.createElement('canvas').getContext('2d'); c.font = s.font;"
            "var six = f.clientLeft + parseFloat(s.paddingLeft) + c.measureText('1'.repeat(7)).width;"
            "return [r.left + (six + 1) * f.currentCSSZoom, r.top + r.height / 2]", page.control("lenght"))
        data = {"items": [{"mimeType": "text/plain", "data": "5"}], "dragOperationsMask": 1}
        for kind in ("dragEnter", "dragOver", "drop"):
            page.driver.execute_cdp_cmd("Input.dispatchDragEvent", {"type": kind, "x": x, "y": y, "data": data})
        page.wait_for(lambda: page.shows("lenght") == "1111111511")

    def test_a_tap_on_a_caption_shows_its_help_until_a_tap_elsewhere(self):
        page = self.page
        page.as_phone(360, 740)
        page.open()
        page.tap(page.control("Label1"))
        bubble = page.wait_for(lambda: page.driver.find_elements("css selector", BUBBLE))[0]
        self.assertEqual(bubble.text, "Total cable lenght, out and back.")
        self.assertEqual(bubble.get_attribute("role"), "status")
        self.assertNotEqual(page.focused(), "lenght")  # no keyboard over the help
        below = page.driver.execute_script("return arguments[0].getBoundingClientRect().top >= "
                                           "arguments[1].getBoundingClientRect().bottom - 1",
                                           bubble, page.control("Label1"))
        self.assertTrue(below)
        page.tap(page.control("result"))
        self.assertEqual(page.driver.find_elements("css selector", BUBBLE), [])


class HelpByKeyboard(PageTest):
    def test_f1_in_a_field_shows_its_captions_help_and_escape_takes_it_away(self):
        page = self.page
        page.control("diameter").click()
        page.press(Keys.F1)
        bubble = page.wait_for(lambda: page.driver.find_elements("css selector", BUBBLE))[0]
        self.assertTrue(bubble.text.startswith("AWG 24 = 0.51054 mm (cat5/cat5e)\nAWG 23"), bubble.text)
        self.assertEqual(page.focused(), "diameter")
        page.press(Keys.ESCAPE)
        self.assertEqual(page.driver.find_elements("css selector", BUBBLE), [])

    def test_a_desktop_window_keeps_its_own_size(self):
        size = self.page.driver.execute_script("var w = document.querySelector('.guirt-window');"
                                               "return [w.getBoundingClientRect().width, w.currentCSSZoom]")
        self.assertEqual(size, [298, 1])


if __name__ == "__main__":
    unittest.main()

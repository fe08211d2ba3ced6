"""What the page's elements are to assistive technology: their roles, the captions as the
labels of their fields, and the result as a live region; what axe-core finds (WCAG 2.2 A and
AA, and its best practices); and the contrast of what the keyboard and the eye follow. (What
the controls are called and read as is a behaviour case, on every target.)"""
import os
import re
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from page import PageTest

AXE = os.environ.get("DRAVELLO_AXE", os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                  "npm/node_modules/axe-core/axe.min.js"))
AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]


def luminance(css):
    """The relative luminance of a CSS rgb()/rgba() colour."""
    channels = [int(c) / 255 for c in re.findall(r"[\d.]+", css)[:3]]
    linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    light, dark = sorted([luminance(a), luminance(b)], reverse=True)
    return (light + 0.05) / (dark + 0.05)


class Accessibility(PageTest):
    def test_fields_and_popup_have_their_roles(self):
        for name, role in [("lenght", "textbox"), ("diameter", "textbox"), ("areafld", "textbox"),
                           ("current", "textbox"), ("PopupMenu1", "combobox")]:
            with self.subTest(control=name):
                self.assertEqual(self.page.accessible(name)["role"], role)

    def test_captions_are_labels_of_their_fields(self):
        for caption, field in [("Label1", "lenght"), ("Label2", "diameter"), ("Label4", "areafld"),
                               ("Label3", "current")]:
            with self.subTest(caption=caption):
                label = self.page.control(caption)
                self.assertEqual(label.tag_name, "label")
                self.assertEqual(label.get_property("htmlFor"), self.page.control(field).get_property("id"))

    def test_the_result_is_announced_politely(self):
        self.assertEqual(self.page.accessible("result")["live"], "polite")

    def axe_finds(self):
        """axe-core's findings on the page as it shows now, one line each."""
        driver = self.page.driver
        if not driver.execute_script("return !!window.axe"):
            with open(AXE, encoding="utf-8") as source:
                driver.execute_script(source.read())
        driver.set_script_timeout(30)
        return driver.execute_async_script(
            "var done = arguments[1];"
            "axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}}).then(function(result) {"
            "  done(result.violations.map(function(v) {"
            "    return v.id + ': ' + v.nodes.map(function(n) { return n.target.join(' '); }).join(', '); }));"
            "}, function(error) { done(['axe failed: ' + error]); })", AXE_TAGS)

    def test_axe_finds_nothing_as_loaded_with_a_menu_open_with_help_shown_and_ended(self):
        page = self.page
        self.assertEqual(self.axe_finds(), [], "as loaded")
        page.control("current").click()
        page.press(Keys.ALT, "e")
        self.assertEqual(self.axe_finds(), [], "the Edit menu open")
        page.press(Keys.ESCAPE)
        page.control("diameter").click()
        page.press(Keys.F1)
        page.wait_for(lambda: page.driver.find_elements(By.CSS_SELECTOR, ".guirt-help:not(:empty)"))
        self.assertEqual(self.axe_finds(), [], "help shown")
        page.menu("File").click()
        page.command("Exit").click()
        page.wait_for(lambda: page.driver.find_elements(By.CSS_SELECTOR, ".guirt-ended"))
        self.assertEqual(self.axe_finds(), [], "ended")

    def test_the_keyboards_place_in_the_menus_and_the_fields_edges_stand_out(self):
        page = self.page
        style = "var s = getComputedStyle(arguments[0]); return [s.outlineStyle, s.outlineColor, s.borderTopColor]"
        background = "return getComputedStyle(arguments[0]).backgroundColor"
        page.control("current").click()
        page.press(Keys.ALT, "e")
        outline, colour, _ = page.driver.execute_script(style, page.driver.switch_to.active_element)
        self.assertEqual(outline, "solid")
        menu = page.driver.find_element(By.CSS_SELECTOR, "[role=menu]:not([hidden])")
        self.assertGreaterEqual(contrast(colour, page.driver.execute_script(background, menu)), 3)
        page.press(Keys.ESCAPE)  # the menu closes, the bar's Edit keeps the focus
        outline, colour, _ = page.driver.execute_script(style, page.driver.switch_to.active_element)
        self.assertEqual(outline, "solid")
        bar = page.driver.find_element(By.CSS_SELECTOR, "[role=menubar]")
        self.assertGreaterEqual(contrast(colour, page.driver.execute_script(background, bar)), 3)
        window = page.driver.find_element(By.CSS_SELECTOR, ".guirt-window")
        _, _, border = page.driver.execute_script(style, page.control("lenght"))
        self.assertGreaterEqual(contrast(border, page.driver.execute_script(background, window)), 3)


if __name__ == "__main__":
    unittest.main()

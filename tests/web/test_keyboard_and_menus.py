"""The page's own keyboard ways, which a desktop's toolkit gives its programs: a field Tab
enters scrolled to its start, and the menubar walked with the arrow keys."""
import unittest

from selenium.webdriver.common.keys import Keys

from page import PageTest


class KeyboardAndMenus(PageTest):
    def test_tab_into_a_long_text_selects_it_and_shows_its_start(self):
        wide = "1" + "0" * 40
        self.page.type_over("lenght", wide)
        self.page.press(Keys.TAB)
        self.page.press(Keys.SHIFT, Keys.TAB)
        field = self.page.control("lenght")
        view = "var f = arguments[0]; return [f.selectionStart, f.selectionEnd, f.selectionDirection, f.scrollLeft]"
        self.assertEqual(self.page.driver.execute_script(view, field), [0, len(wide), "backward", 0])

    def test_the_menus_are_walked_with_the_arrow_keys_from_their_first_enabled_item(self):
        self.page.control("current").click()
        self.page.press(Keys.CONTROL, "a")
        self.page.press(Keys.ALT, "e")
        self.assertEqual(self.page.focused(), "CutCtrl+X")
        self.page.press(Keys.ARROW_DOWN)
        self.page.press(Keys.ARROW_DOWN)
        self.page.press(Keys.ARROW_DOWN)
        self.page.press(Keys.ENTER)
        self.assertEqual(self.page.focused(), "current")
        self.assertEqual(self.page.shows("current"), "")
        self.assertEqual(self.page.shows("result"), "Voltage drop = 0V")


if __name__ == "__main__":
    unittest.main()

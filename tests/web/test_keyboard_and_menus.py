"""The keyboard and the menus of the page: tab order, the Edit menu and the fields' shortcuts."""
import unittest

from selenium.webdriver.common.keys import Keys

from page import PageTest


class KeyboardAndMenus(PageTest):
    def test_tab_walks_the_controls_in_their_order(self):
        self.assertEqual(self.page.focused(), "PopupMenu1")
        for name in ["lenght", "diameter", "areafld", "current"]:
            self.page.press(Keys.TAB)
            self.assertEqual(self.page.focused(), name)
        self.page.press(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.page.focused(), "areafld")

    def test_tab_into_a_long_text_selects_it_and_shows_its_start(self):
        wide = "1" + "0" * 40
        self.page.type_over("lenght", wide)
        self.page.press(Keys.TAB)
        self.page.press(Keys.SHIFT, Keys.TAB)
        field = self.page.control("lenght")
        view = "var f = arguments[0]; return [f.selectionStart, f.selectionEnd, f.selectionDirection, f.scrollLeft]"
        self.assertEqual(self.page.driver.execute_script(view, field), [0, len(wide), "backward", 0])

    def test_edit_menu_by_keyboard_acts_on_the_field_it_was_opened_from(self):
        self.page.control("current").click()
        self.page.press(Keys.CONTROL, "a")
        self.page.press(Keys.ALT, "e")
        self.assertEqual(self.page.menu_items(), {"Undo": False, "Cut": True, "Copy": True, "Paste": True,
                                                  "Delete": True, "Select All": False})
        self.assertEqual(self.page.focused(), "CutCtrl+X")
        self.page.press(Keys.ESCAPE)
        self.assertEqual(self.page.menu_items(), {})
        self.page.press(Keys.ESCAPE)
        self.assertEqual(self.page.focused(), "current")

        self.page.press(Keys.ALT, "e")
        self.page.press(Keys.ARROW_DOWN)
        self.page.press(Keys.ARROW_DOWN)
        self.page.press(Keys.ARROW_DOWN)
        self.page.press(Keys.ENTER)
        self.assertEqual(self.page.focused(), "current")
        self.assertEqual(self.page.shows("current"), "")
        self.assertEqual(self.page.shows("result"), "Voltage drop = 0V")

    def test_edit_menu_by_mouse_copies_pastes_and_undoes(self):
        self.page.control("diameter").click()
        self.page.press(Keys.CONTROL, "a")
        self.page.menu("Edit").click()
        self.assertEqual(self.page.menu_items()["Copy"], True)
        self.page.command("Copy").click()

        self.page.control("areafld").click()
        self.page.press(Keys.END)
        before = self.page.shows("areafld")
        self.page.menu("Edit").click()
        self.assertEqual(self.page.menu_items(), {"Undo": False, "Cut": False, "Copy": False, "Paste": True,
                                                  "Delete": False, "Select All": True})
        self.page.command("Select All").click()
        self.page.menu("Edit").click()
        self.page.command("Paste").click()
        self.page.wait_for(lambda: self.page.shows("areafld") == "0.51054")
        self.assertEqual(self.page.focused(), "areafld")

        self.page.menu("Edit").click()
        self.assertEqual(self.page.menu_items()["Undo"], True)
        self.page.command("Undo").click()
        self.assertEqual(self.page.shows("areafld"), before)

    def test_the_fields_keep_their_editing_shortcuts(self):
        self.page.control("current").click()
        self.page.press(Keys.CONTROL, "a")
        self.page.press(Keys.CONTROL, "x")
        self.assertEqual(self.page.shows("result"), "Voltage drop = 0V")
        self.page.press(Keys.CONTROL, "v")
        self.page.wait_for(lambda: self.page.shows("current") == "0.350")
        self.assertEqual(self.page.shows("result"), "Voltage drop = 1.795V")
        self.page.press(Keys.CONTROL, "z")
        self.assertEqual(self.page.shows("current"), "")
        self.page.control("lenght").click()
        self.page.press(Keys.CONTROL, "a")
        self.page.press(Keys.CONTROL, "c")
        self.page.control("current").click()
        self.page.press(Keys.CONTROL, "v")
        self.page.wait_for(lambda: self.page.shows("current") == "60")

    def test_a_paste_past_the_bound_is_refused_whole_and_one_at_it_is_taken(self):
        most = 65536
        self.page.control("diameter").click()
        self.page.press(Keys.CONTROL, "a")
        before = {name: self.page.shows(name) for name in ("diameter", "areafld", "result")}
        now = lambda: {name: self.page.shows(name) for name in before}
        self.paste("1." + "0" * (most - 1))
        self.assertEqual(now(), before)
        self.page.menu("Edit").click()
        self.page.command("Paste").click()
        self.page.driver.execute_async_script("setTimeout(arguments[0], 100)")  # the clipboard answers later
        self.assertEqual(now(), before)
        self.assertEqual(self.page.focused(), "diameter")
        self.paste("1." + "0" * (most - 2))
        self.page.wait_for(lambda: self.page.shows("areafld") == "0.7853982")
        self.assertEqual(len(self.page.shows("diameter")), most)
        self.assertEqual(self.page.shows("result"), "Voltage drop = 0.468V")
        self.page.press(Keys.CONTROL, "z")
        self.assertEqual(now(), before)

    def paste(self, text):
        """Ctrl+V with the text on the clipboard."""
        self.page.driver.execute_async_script("navigator.clipboard.writeText(arguments[0]).then(arguments[1])", text)
        self.page.press(Keys.CONTROL, "v")


if __name__ == "__main__":
    unittest.main()

"""The keyboard and the menus of the page: tab order, the Edit menu and the fields' shortcuts."""
import unittest

from selenium.webdriver.common.keys import Keys

from page import Page

page = None


def setUpModule():
    global page
    page = Page()


def tearDownModule():
    page.close()


def press(*keys):
    page.driver.switch_to.active_element.send_keys(*keys, Keys.NULL)


class KeyboardAndMenus(unittest.TestCase):
    def setUp(self):
        page.open()

    def test_tab_walks_the_controls_in_their_order(self):
        self.assertEqual(page.focused(), "PopupMenu1")
        for name in ["lenght", "diameter", "areafld", "current"]:
            press(Keys.TAB)
            self.assertEqual(page.focused(), name)
        press(Keys.SHIFT, Keys.TAB)
        self.assertEqual(page.focused(), "areafld")

    def test_edit_menu_by_keyboard_acts_on_the_field_it_was_opened_from(self):
        page.control("current").click()
        press(Keys.CONTROL, "a")
        press(Keys.ALT, "e")
        self.assertEqual(page.menu_items(), {"Undo": False, "Cut": True, "Copy": True, "Paste": True,
                                             "Delete": True, "Select All": False})
        self.assertEqual(page.focused(), "CutCtrl+X")
        press(Keys.ESCAPE)
        self.assertEqual(page.menu_items(), {})
        press(Keys.ESCAPE)
        self.assertEqual(page.focused(), "current")

        press(Keys.ALT, "e")
        press(Keys.ARROW_DOWN)
        press(Keys.ARROW_DOWN)
        press(Keys.ARROW_DOWN)
        press(Keys.ENTER)
        self.assertEqual(page.focused(), "current")
        self.assertEqual(page.shows("current"), "")
        self.assertEqual(page.shows("result"), "Voltage drop = 0V")

    def test_edit_menu_by_mouse_copies_pastes_and_undoes(self):
        page.control("diameter").click()
        press(Keys.CONTROL, "a")
        page.menu("Edit").click()
        self.assertEqual(page.menu_items()["Copy"], True)
        page.command("Copy").click()

        page.control("areafld").click()
        press(Keys.END)
        before = page.shows("areafld")
        page.menu("Edit").click()
        self.assertEqual(page.menu_items(), {"Undo": False, "Cut": False, "Copy": False, "Paste": True,
                                             "Delete": False, "Select All": True})
        page.command("Select All").click()
        page.menu("Edit").click()
        page.command("Paste").click()
        page.wait_for(lambda: page.shows("areafld") == "0.51054")
        self.assertEqual(page.focused(), "areafld")

        page.menu("Edit").click()
        self.assertEqual(page.menu_items()["Undo"], True)
        page.command("Undo").click()
        self.assertEqual(page.shows("areafld"), before)

    def test_the_fields_keep_their_editing_shortcuts(self):
        page.control("current").click()
        press(Keys.CONTROL, "a")
        press(Keys.CONTROL, "x")
        self.assertEqual(page.shows("result"), "Voltage drop = 0V")
        press(Keys.CONTROL, "v")
        page.wait_for(lambda: page.shows("current") == "0.350")
        self.assertEqual(page.shows("result"), "Voltage drop = 1.795V")
        press(Keys.CONTROL, "z")
        self.assertEqual(page.shows("current"), "")
        page.control("lenght").click()
        press(Keys.CONTROL, "a")
        press(Keys.CONTROL, "c")
        page.control("current").click()
        press(Keys.CONTROL, "v")
        page.wait_for(lambda: page.shows("current") == "60")


if __name__ == "__main__":
    unittest.main()

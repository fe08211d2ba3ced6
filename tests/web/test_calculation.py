"""The program's results in the page, typed as a person types them."""
import unittest

from selenium.webdriver.support.ui import Select

from page import PageTest


class Calculation(PageTest):
    def test_start_up_example(self):
        self.assertEqual(self.page.shows("result"), "Voltage drop = 1.795V")
        self.assertEqual(self.page.shows("form"), "Vd (20\u00b0C) = ( Length x Current x 0.0175 ) / Area")
        self.assertEqual(self.page.driver.title, "Dravello")

    def test_every_metal_from_the_diameter(self):
        self.page.type_over("lenght", "100")
        self.page.type_over("current", "10")
        self.page.type_over("diameter", "1")
        self.assertEqual(self.page.shows("areafld"), "0.7853982")
        for metal, resistivity, drop in [("Copper", "0.0175", "22.282"), ("Aluminium", "0.028", "35.651"),
                                         ("Gold", "0.023", "29.285"), ("Silver", "0.016", "20.372"),
                                         ("Iron", "0.098", "124.777"), ("Lead", "0.221", "281.386")]:
            with self.subTest(metal=metal):
                Select(self.page.control("PopupMenu1")).select_by_visible_text(metal)
                self.assertEqual(self.page.shows("result"), f"Voltage drop = {drop}V")
                self.assertEqual(self.page.shows("form"), f"Vd (20\u00b0C) = ( Length x Current x {resistivity} ) / Area")

    def test_the_area_gives_the_diameter(self):
        self.page.type_over("lenght", "100")
        self.page.type_over("current", "10")
        self.page.type_over("areafld", "1")
        self.assertEqual(self.page.shows("diameter"), "1.128379")
        self.assertEqual(self.page.shows("result"), "Voltage drop = 17.5V")

    def test_a_long_result_keeps_its_number_on_one_line(self):
        self.page.type_over("current", "1000")
        self.page.type_over("diameter", "1")
        self.page.type_over("lenght", "1e200")
        result = self.page.control("result")
        shown = self.page.shows("result")
        self.assertTrue(shown.startswith("Voltage drop = 2228") and shown.endswith("\u2026"), shown)
        fits = "return arguments[0].scrollWidth <= arguments[0].clientWidth && arguments[0].clientHeight <= 20"
        self.assertTrue(self.page.driver.execute_script(fits, result))
        whole = result.get_attribute("aria-label")
        self.assertTrue(whole.startswith("Voltage drop = 2228") and whole.endswith("V") and len(whole) > 200, whole)
        self.assertEqual(result.get_attribute("title"), whole)

    def test_text_that_is_no_number_gives_the_desktop_texts(self):
        self.page.type_over("diameter", "abc")
        self.assertEqual(self.page.shows("areafld"), "0")
        self.assertEqual(self.page.shows("result"), "Voltage drop = INFV")
        self.page.type_over("current", "-2")
        self.assertEqual(self.page.shows("result"), "Voltage drop = -INFV")
        self.page.type_over("lenght", "0")
        self.assertEqual(self.page.shows("result"), "Voltage drop = NANV")
        self.page.type_over("lenght", "60")
        self.page.type_over("current", "0.350")
        self.page.type_over("diameter", "0.51054")
        self.assertEqual(self.page.shows("result"), "Voltage drop = 1.795V")
        self.assertEqual(self.page.console_errors(), [])


if __name__ == "__main__":
    unittest.main()

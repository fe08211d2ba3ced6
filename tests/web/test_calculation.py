"""The program's results in the page, typed as a person types them."""
import unittest

from selenium.webdriver.support.ui import Select

from page import Page

page = None


def setUpModule():
    global page
    page = Page()


def tearDownModule():
    page.close()


class Calculation(unittest.TestCase):
    def setUp(self):
        page.open()

    def test_start_up_example(self):
        self.assertEqual(page.shows("result"), "Voltage drop = 1.795V")
        self.assertEqual(page.shows("form"), "Vd (20\u00b0C) = ( Length x Current x 0.0175 ) / Area")
        self.assertEqual(page.driver.title, "Dravello")

    def test_every_metal_from_the_diameter(self):
        page.type_over("lenght", "100")
        page.type_over("current", "10")
        page.type_over("diameter", "1")
        self.assertEqual(page.shows("areafld"), "0.7853981633974483")
        for metal, resistivity, drop in [("Copper", "0.0175", "22.282"), ("Aluminium", "0.028", "35.651"),
                                         ("Gold", "0.023", "29.285"), ("Silver", "0.016", "20.372"),
                                         ("Iron", "0.098", "124.777"), ("Lead", "0.221", "281.386")]:
            with self.subTest(metal=metal):
                Select(page.control("PopupMenu1")).select_by_visible_text(metal)
                self.assertEqual(page.shows("result"), f"Voltage drop = {drop}V")
                self.assertEqual(page.shows("form"), f"Vd (20\u00b0C) = ( Length x Current x {resistivity} ) / Area")

    def test_the_area_gives_the_diameter(self):
        page.type_over("lenght", "100")
        page.type_over("current", "10")
        page.type_over("areafld", "1")
        self.assertEqual(page.shows("diameter"), "1.1283791670955126")
        self.assertEqual(page.shows("result"), "Voltage drop = 17.5V")

    def test_text_that_is_no_number_gives_the_desktop_texts(self):
        page.type_over("diameter", "abc")
        self.assertEqual(page.shows("areafld"), "0")
        self.assertEqual(page.shows("result"), "Voltage drop = INFV")
        page.type_over("current", "-2")
        self.assertEqual(page.shows("result"), "Voltage drop = -INFV")
        page.type_over("lenght", "0")
        self.assertEqual(page.shows("result"), "Voltage drop = NANV")
        page.type_over("lenght", "60")
        page.type_over("current", "0.350")
        page.type_over("diameter", "0.51054")
        self.assertEqual(page.shows("result"), "Voltage drop = 1.795V")
        self.assertEqual(page.console_errors(), [])


if __name__ == "__main__":
    unittest.main()

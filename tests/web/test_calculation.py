"""The page's own side of the results: its title, and a long result measured by the browser
to fit its box. (The results themselves are behaviour cases, on every target.)"""
import unittest

from page import PageTest


class Calculation(PageTest):
    def test_the_window_title_is_the_pages(self):
        self.assertEqual(self.page.driver.title, "Dravello")

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


if __name__ == "__main__":
    unittest.main()

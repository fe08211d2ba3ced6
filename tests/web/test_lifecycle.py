"""How the program ends in the page, and the page working offline after one visit."""
import unittest

from selenium.webdriver.common.by import By

from page import Page


class Lifecycle(unittest.TestCase):
    def setUp(self):
        self.page = Page()
        self.page.open()

    def tearDown(self):
        self.page.close()

    def assert_ended_and_starts_again(self):
        page = self.page
        notice = page.wait_for(lambda: page.driver.find_elements(By.CSS_SELECTOR, ".guirt-ended"))[0]
        self.assertEqual(notice.text, "Dravello has ended. Start again")
        self.assertEqual(page.driver.find_elements(By.CSS_SELECTOR, "[data-name=result]"), [])
        self.assertEqual(page.console_errors(), [])
        notice.find_element(By.TAG_NAME, "button").click()
        page.wait_for(lambda: page.shows("result") == "Voltage drop = 1.795V")

    def test_exit_ends_the_program(self):
        self.page.menu("File").click()
        self.page.command("Exit").click()
        self.assert_ended_and_starts_again()

    def test_closing_the_window_ends_the_program(self):
        self.page.driver.find_element(By.CSS_SELECTOR, ".guirt-title button").click()
        self.assert_ended_and_starts_again()

    def test_an_unhandled_exception_is_reported_once_and_ends_the_program(self):
        page = self.page
        # The popup reports a row it does not have, which its model refuses.
        page.driver.execute_script("var popup = document.querySelector('[data-name=PopupMenu1]');"
                                   "Guirt.report(Guirt.nodes.indexOf(popup), Guirt.CHANGE, 99, '')")
        report = "Unhandled exception OutOfBoundsException: Row 99 does not exist; the popup has 6 rows."
        ended = page.wait_for(lambda: page.driver.find_elements(By.CSS_SELECTOR, ".guirt-ended"))[0]
        self.assertEqual(ended.text, "Dravello has ended (status 1). Start again")
        self.assertEqual([n.text for n in page.driver.find_elements(By.CSS_SELECTOR, ".guirt-error")], [report])
        self.assertEqual(len([m for m in page.console_errors() if report in m]), 1)
        self.assertEqual(page.driver.find_elements(By.CSS_SELECTOR, "[data-name]"), [])

    def test_after_one_visit_the_page_works_offline(self):
        page = self.page
        page.driver.set_script_timeout(10)
        page.driver.execute_async_script("var done = arguments[0]; navigator.serviceWorker.ready.then(() => done())")
        page.server.stop()
        page.open()
        page.type_over("diameter", "1")
        self.assertEqual(page.shows("areafld"), "0.7853982")


if __name__ == "__main__":
    unittest.main()

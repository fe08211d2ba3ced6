"""How the program ends in the page, and the copy of the page kept after one visit: it works
offline, and a change on the server replaces it."""
import os
import pathlib
import shutil
import subprocess
import tempfile
import unittest

from selenium.webdriver.common.by import By

from page import SITE, Page, Quiet

SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
ICON = "packaging/linux/icons/hicolor/scalable/apps/org.dravello.Dravello.svg"


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


class KeptCopy(unittest.TestCase):
    """The copy kept after a visit serves the next one, until the server's files change."""

    def test_a_return_visit_asks_the_server_for_nothing_and_a_change_shows_on_the_visit_after_next(self):
        with tempfile.TemporaryDirectory() as root:
            # The page put together as the build does, from a copy of its sources, then again
            # with a change to one of them.
            site, source = os.path.join(root, "site"), os.path.join(root, "source")
            shutil.copytree(os.path.join(SOURCES, "packaging", "web"), os.path.join(source, "packaging", "web"))
            os.makedirs(os.path.dirname(os.path.join(source, ICON)))
            shutil.copy(os.path.join(SOURCES, ICON), os.path.join(source, ICON))
            put_together = ["cmake", f"-DSOURCE={source}", f"-DBUILT={SITE}", f"-DSITE={site}", "-DVERSION=1.0.0",
                            "-P", os.path.join(SOURCES, "cmake", "WebSite.cmake")]
            subprocess.run(put_together, check=True)
            asked = []

            class Counted(Quiet):
                def do_GET(self):
                    asked.append(self.path)
                    super().do_GET()

            page = Page(site=site, handler=Counted)
            kept = "var done = arguments[0]; navigator.serviceWorker.ready.then(() => caches.keys()).then(done)"
            heading = "return document.querySelector('h1').textContent"
            try:
                page.driver.set_script_timeout(10)
                page.open()
                first = page.driver.execute_async_script(kept)
                asked.clear()
                page.open()
                # The browser asks whether the worker changed, and nothing else.
                self.assertEqual([path for path in asked if path != "/sw.js"], [])

                index = pathlib.Path(source, "packaging", "web", "index.html")
                index.write_text(index.read_text(encoding="utf-8").replace(">Dravello</h1>", ">Dravello, changed</h1>"),
                                 encoding="utf-8")
                subprocess.run(put_together, check=True)
                page.open()
                self.assertEqual(page.driver.execute_script(heading), "Dravello")

                # The new worker has its copy once it has taken over and let the old copy go.
                def taken_over():
                    names = page.driver.execute_async_script(kept)
                    return len(names) == 1 and names != first

                page.wait_for(taken_over)
                page.open()
                self.assertEqual(page.driver.execute_script(heading), "Dravello, changed")
            finally:
                page.close()


if __name__ == "__main__":
    unittest.main()

"""The page never stays empty: when the program cannot start (opened from a file, a file
missing or cut short, the connection lost, a damaged offline copy) it says why and what to do."""
import os
import unittest

from selenium.webdriver.common.by import By

from page import SITE, Page, Quiet

WASM = os.path.join(SITE, "dravello.wasm")


class MissingScript(Quiet):
    def do_GET(self):
        if self.path.endswith("dravello.js"):
            self.send_error(404)
        else:
            super().do_GET()

    do_HEAD = do_GET


class CutShortWasm(Quiet):
    """Sends the first half of a file, as a whole file."""
    FILE = "dravello.wasm"

    def do_GET(self):
        if not self.path.endswith(self.FILE):
            return super().do_GET()
        with open(os.path.join(SITE, self.FILE), "rb") as whole:
            half = whole.read()[:os.path.getsize(os.path.join(SITE, self.FILE)) // 2]
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(self.FILE))
        self.send_header("Content-Length", str(len(half)))
        self.end_headers()
        self.wfile.write(half)


class CutShortScript(CutShortWasm):
    FILE = "dravello.js"


class DroppedWasm(Quiet):
    """Goes away halfway through the program."""

    def do_GET(self):
        if not self.path.endswith("dravello.wasm"):
            return super().do_GET()
        with open(WASM, "rb") as wasm:
            whole = wasm.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/wasm")
        self.send_header("Content-Length", str(len(whole)))
        self.end_headers()
        self.wfile.write(whole[:len(whole) // 2])
        self.wfile.flush()
        self.close_connection = True


class Loading(unittest.TestCase):
    def browser(self, handler=Quiet):
        page = Page(handler=handler)
        self.addCleanup(page.close)
        return page

    def said(self, page, url):
        """The page's notice once it shows, as [what went wrong, what to do, button]."""
        page.driver.get(url)
        notice = page.wait_for(lambda: page.driver.find_elements(By.CSS_SELECTOR, "[role=alert]"))[0]
        self.assertEqual(page.driver.find_elements(By.CSS_SELECTOR, "[data-name]"), [])
        self.assertTrue(page.driver.execute_script("return document.querySelector('main').contains(arguments[0])",
                                                   notice))
        return [part.text for part in notice.find_elements(By.CSS_SELECTOR, "p, button")]

    def test_opened_from_a_file_it_says_to_serve_the_folder(self):
        said = self.said(self.browser(), "file://" + os.path.abspath(os.path.join(SITE, "index.html")))
        self.assertEqual(said[0], "Dravello could not start: a page opened from a file cannot load its program.")
        self.assertIn("python3 -m http.server 8000 --bind 127.0.0.1", said[1])
        self.assertEqual(len(said), 2)  # reloading a file changes nothing

    def test_a_failed_load_says_what_and_offers_a_reload(self):
        for handler, what in [
                (MissingScript, "the server answered 404 for dravello.js."),
                (CutShortWasm, "dravello.wasm arrived damaged or incomplete."),
                (CutShortScript, "dravello.js arrived damaged or incomplete."),
                (DroppedWasm, "the connection to the server failed while loading dravello.wasm.")]:
            with self.subTest(server=handler.__name__):
                page = self.browser(handler)
                said = self.said(page, page.server.url)
                self.assertEqual(said[0], "Dravello could not start: " + what)
                self.assertEqual(said[2], "Reload")

    def test_offline_with_a_damaged_copy_it_says_so_and_drops_the_copy(self):
        page = self.browser()
        page.open()
        page.driver.set_script_timeout(10)
        page.driver.execute_async_script("var done = arguments[0]; navigator.serviceWorker.ready.then(function() {"
                                         "  return caches.keys(); }).then(function(names) {"
                                         "  return caches.open(names[0]); }).then(function(cache) {"
                                         "  return cache.put('dravello.wasm', new Response(new Uint8Array([0, 97, 115])));"
                                         "}).then(function() { done(); })")
        page.server.stop()
        said = self.said(page, page.server.url)
        self.assertEqual(said[0], "Dravello could not start: dravello.wasm arrived damaged or incomplete.")
        damaged = ("var done = arguments[0]; caches.match('dravello.wasm').then(function(kept) {"
                   "  return kept ? kept.arrayBuffer() : null; }).then(function(bytes) { done(!!bytes && bytes.byteLength == 3); })")
        page.wait_for(lambda: not page.driver.execute_async_script(damaged))


if __name__ == "__main__":
    unittest.main()

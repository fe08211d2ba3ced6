"""Dravello's page in a real headless Chromium, served from the built site on 127.0.0.1.

A Page is one browser on one local server; the tests drive it as a person does, key by
key, and read what the page shows and what Chromium's accessibility tree says.
"""
import functools
import http.server
import os
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = os.environ.get("DRAVELLO_WEB_SITE", os.path.join(os.path.dirname(__file__), "../../build/web"))

# A browser with nothing of its own going on the network or in the background.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--no-first-run", "--window-size=640,480"]


class Server:
    """The site folder on a free port of 127.0.0.1, until stopped."""

    def __init__(self, site, handler):
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=site))
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Page:
    def __init__(self, site=SITE, handler=Quiet):
        self.server = Server(site, handler)
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.server.url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

    def close(self):
        self.driver.quit()
        self.server.stop()

    def as_phone(self, width, height):
        """From now on the browser is a phone's: a touch screen of this many CSS pixels."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})

    def tap(self, element):
        """A finger's tap in the middle of the element."""
        box = self.driver.execute_script("var r = arguments[0].getBoundingClientRect();"
                                         "return [r.left + r.width / 2, r.top + r.height / 2]", element)
        point = {"x": box[0], "y": box[1]}
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [point]})
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def open(self):
        """Loads the page afresh and waits for the program's first result."""
        self.driver.get(self.server.url)
        self.wait_for(lambda: self.shows("result").startswith("Voltage drop"))

    def wait_for(self, condition, seconds=10):
        return WebDriverWait(self.driver, seconds, poll_frequency=0.02).until(lambda _: condition())

    def control(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, f"[data-name={name}]")

    def shows(self, name):
        """A label's text, a field's text or a popup's chosen row."""
        element = self.control(name)
        if element.tag_name == "select":
            return self.driver.execute_script("return arguments[0].selectedOptions[0].text", element)
        if element.tag_name == "input":
            return element.get_property("value")
        return element.get_property("textContent")

    def type_over(self, name, text):
        """Selects a field's text with the keyboard and types the new text key by key."""
        field = self.control(name)
        field.click()
        field.send_keys(Keys.CONTROL, "a", Keys.NULL)
        for key in text or Keys.DELETE:
            field.send_keys(key)

    def press(self, *keys):
        """Keys together, to whatever has the focus."""
        self.driver.switch_to.active_element.send_keys(*keys, Keys.NULL)

    def focused(self):
        return self.driver.execute_script("var f = document.activeElement; return f.dataset.name || f.textContent")

    def menu(self, title):
        """The menubar's item that opens the menu with this title."""
        for item in self.driver.find_elements(By.CSS_SELECTOR, "[role=menubar] [aria-haspopup=menu]"):
            if item.text == title:
                return item
        raise LookupError(title)

    def menu_items(self):
        """The open menu's commands: text to enabled."""
        items = self.driver.find_elements(By.CSS_SELECTOR, "[role=menu]:not([hidden]) [role=menuitem]")
        return {item.find_element(By.TAG_NAME, "span").text: item.get_attribute("aria-disabled") == "false"
                for item in items}

    def command(self, text):
        return self.driver.find_element(
            By.XPATH, f"//*[@role='menu' and not(@hidden)]//*[@role='menuitem'][span[1][normalize-space()='{text}']]")

    def accessible(self, name):
        """Chromium's accessible node for a control: its role, name and description."""
        document = self.driver.execute_cdp_cmd("DOM.getDocument", {})
        node = self.driver.execute_cdp_cmd("DOM.querySelector", {"nodeId": document["root"]["nodeId"],
                                                                 "selector": f"[data-name={name}]"})
        tree = self.driver.execute_cdp_cmd("Accessibility.getPartialAXTree",
                                           {"nodeId": node["nodeId"], "fetchRelatives": False})
        found = tree["nodes"][0]
        value = lambda key: found.get(key, {}).get("value", "")
        properties = {p["name"]: p["value"].get("value") for p in found.get("properties", [])}
        return {"role": value("role"), "name": value("name"), "description": value("description"),
                "live": properties.get("live", "")}

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]


class PageTest(unittest.TestCase):
    """Tests sharing one browser, each on the page loaded afresh."""

    @classmethod
    def setUpClass(cls):
        cls.page = Page()

    @classmethod
    def tearDownClass(cls):
        cls.page.close()

    def setUp(self):
        self.page.open()

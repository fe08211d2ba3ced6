"""The page in headless Chromium: each step given through WebDriver's input actions (trusted key
and pointer events) or the browser's own machinery, each read taken from the page as shown and
from Chromium's accessibility tree.

Where headless Chromium leaves no user's path, the step takes the nearest one and says so:
a popup's row is chosen with the keys of its open list, a drop comes from DevTools, and so
does the other tab the page loses the focus to. A field's context menu is the browser's own,
which WebDriver cannot reach (and headless Chromium shows none): those cases say so.
"""
import os
import re
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web"))
from page import Page  # noqa: E402

KEYS = {"Ctrl": Keys.CONTROL, "Shift": Keys.SHIFT, "Alt": Keys.ALT, "Tab": Keys.TAB, "Escape": Keys.ESCAPE,
        "Enter": Keys.ENTER, "Up": Keys.ARROW_UP, "Down": Keys.ARROW_DOWN, "Left": Keys.ARROW_LEFT,
        "Right": Keys.ARROW_RIGHT, "Home": Keys.HOME, "End": Keys.END, "Delete": Keys.DELETE,
        "Backspace": Keys.BACKSPACE}
MODIFIERS = ("Ctrl", "Shift", "Alt")

# What the source of a drop is told is the operation the page answered at the last dragover:
# DevTools' drop sends one more dragover, hands the drop its operation and ends the source's drag
# with it. The page sees that operation as the drop event's dropEffect, read here before any of
# its own listeners; what the page does after that (a cancelled beforeinput) never reaches the
# source.
WATCH_DROPS = """
window.addEventListener('drop', function(event) {
  window.behaviourDrop = event.dataTransfer.dropEffect;
}, true);
"""

# Lets the page finish what the step set going: work it queued comes before these two turns.
SETTLE_PAGE = "var done = arguments[arguments.length - 1]; setTimeout(function() { setTimeout(done, 0); }, 0);"

ENDED = ".guirt-ended"


class WebTarget:
    settle = 5

    def __init__(self, site):
        self.page = Page(site)
        self.driver = self.page.driver
        self.window = self.driver.current_window_handle
        self.user_agent = self.driver.execute_script("return navigator.userAgent")
        self.elsewhere = None  # another tab of the browser, made the first time the user leaves

    def start(self, locale):
        # The language the browser tells pages the user reads, as its settings would.
        self.driver.execute_cdp_cmd("Emulation.setUserAgentOverride",
                                    {"userAgent": self.user_agent, "acceptLanguage": locale.tag})
        self.page.open()
        self.driver.execute_script(WATCH_DROPS)

    def stop(self):
        # The next case starts in the page's tab, with no key or button held.
        self.activate(self.window)
        ActionChains(self.driver).reset_actions()

    def close(self):
        self.page.close()

    def do(self, op, *args):
        step = getattr(self, "do_" + op, None)
        if step is None:
            raise AssertionError(f"the page has no way to {op}")
        step(*args)
        if op != "leave":  # a tab in the background has its timers slowed
            self.driver.execute_async_script(SETTLE_PAGE)

    def read(self, op, *args):
        return str(getattr(self, "read_" + op)(*args))

    # Steps.
    def do_click(self, control):
        ActionChains(self.driver).move_to_element(self.page.control(control)).click().perform()

    def do_key(self, chord):
        names = chord.split("+")
        held = [KEYS[name] for name in names[:-1] if name in MODIFIERS]
        last = names[-1]
        pressed = KEYS.get(last, last.lower())
        actions = ActionChains(self.driver)
        for modifier in held:
            actions.key_down(modifier)
        actions.send_keys(pressed)
        for modifier in reversed(held):
            actions.key_up(modifier)
        actions.perform()

    def do_type(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def do_clipboard(self, text):
        self.driver.execute_async_script(
            "var done = arguments[1]; navigator.clipboard.writeText(arguments[0]).then(function() { done(''); },"
            " function(error) { done(String(error)); });", text)

    def do_drop(self, control, text):
        # DevTools' drag events are the browser's own, trusted, as another program's drag is; the
        # source offers a copy, as a text editor's drag does.
        x, y = self.centre(self.page.control(control))
        data = {"items": [{"mimeType": "text/plain", "data": text}], "dragOperationsMask": 1}
        self.driver.execute_script("delete window.behaviourDrop")
        for kind in ("dragEnter", "dragOver", "drop"):
            self.driver.execute_cdp_cmd("Input.dispatchDragEvent", {"type": kind, "x": x, "y": y, "data": data})

    def do_openmenu(self, menu, by):
        item = self.bar_item(menu)
        if by == "mouse":
            ActionChains(self.driver).move_to_element(item).click().perform()
        else:
            self.do_key("Alt+" + self.access_key(item))

    def do_chooseitem(self, item, by):
        shown = self.open_menu()
        if shown is None:
            raise AssertionError(f"no menu is open to choose {item} from")
        entry = self.menu_entry(shown, item)
        if by == "mouse":
            ActionChains(self.driver).move_to_element(entry).click().perform()
        else:
            ActionChains(self.driver).send_keys(self.access_key(entry).lower()).perform()

    def do_pick(self, control, row):
        # Headless Chromium draws an open <select>'s list in a popup of its own, out of reach of
        # WebDriver's pointer (a click where a row shows lands on the page and closes the list).
        # The list is opened with a real click, and the row chosen in it with the arrow keys and
        # Enter, which is the one way left to choose in the open list.
        self.do_openlist(control)
        popup = self.page.control(control)
        rows = self.driver.execute_script("return Array.from(arguments[0].options, o => o.text)", popup)
        if row not in rows:
            raise AssertionError(f"{control} has no row {row!r}: {rows}")
        steps = rows.index(row) - popup.get_property("selectedIndex")
        ActionChains(self.driver).send_keys((Keys.ARROW_DOWN if steps > 0 else Keys.ARROW_UP) * abs(steps)
                                            + Keys.ENTER).perform()

    def do_openlist(self, control):
        popup = self.page.control(control)
        ActionChains(self.driver).move_to_element(popup).click().perform()
        self.page.wait_for(lambda: self.driver.execute_script("return arguments[0].matches(':open')", popup), 5)

    def do_hover(self, control):
        ActionChains(self.driver).move_to_element(self.page.control(control)).perform()

    def do_leave(self):
        # Another tab of the browser comes to the front: the page gets the browser's own blur, as
        # when another window is activated (and is hidden too, as a tab behind another is). A new
        # window would not do: in headless Chromium it takes no focus from the page.
        if self.elsewhere is None:
            self.elsewhere = self.driver.execute_cdp_cmd("Target.createTarget",
                                                         {"url": "about:blank", "background": True})["targetId"]
        self.activate(self.elsewhere)
        self.page.wait_for(lambda: not self.driver.execute_script("return document.hasFocus()"), 5)

    def do_comeback(self):
        self.activate(self.window)
        self.page.wait_for(lambda: self.driver.execute_script("return document.hasFocus()"), 5)

    def do_close(self):
        close = self.driver.find_element(By.CSS_SELECTOR, ".guirt-window .guirt-title button")
        ActionChains(self.driver).move_to_element(close).click().perform()

    # Reads.
    def read_text(self, control):
        return self.page.shows(control)

    def read_length(self, control):
        return self.driver.execute_script("return arguments[0].value.length", self.page.control(control))

    def read_name(self, control):
        return self.page.accessible(control)["name"]

    def read_description(self, control):
        return self.page.accessible(control)["description"]

    def read_tooltip(self, control):
        # A page's tooltip is its element's title.
        return self.page.control(control).get_attribute("title") or ""

    def read_enabled(self, control):
        return "no" if self.page.control(control).get_property("disabled") else "yes"

    def read_focus(self):
        return self.driver.execute_script(
            "var f = document.activeElement;"
            "return document.hasFocus() && f && f.closest('.guirt-content') && f.dataset.name || ''")

    def read_selection(self, control):
        start, end, direction = self.driver.execute_script(
            "var f = arguments[0]; return [f.selectionStart, f.selectionEnd, f.selectionDirection]",
            self.page.control(control))
        return f"{end},{start}" if direction == "backward" else f"{start},{end}"

    def read_whole(self, control):
        # A field's text in view from end to end: nothing of it scrolls.
        return "yes" if self.driver.execute_script(
            "var f = arguments[0]; return f.scrollWidth <= f.clientWidth", self.page.control(control)) else "no"

    def read_menu(self):
        shown = self.open_menu()
        if shown is None:
            return ""
        return ";".join(f"{self.entry_text(entry)}={0 if entry.get_attribute('aria-disabled') == 'true' else 1}"
                        for entry in shown.find_elements(By.CSS_SELECTOR, "[role=menuitem]"))

    def read_dropped(self):
        effect = self.driver.execute_script("return window.behaviourDrop")
        if effect is None:
            raise AssertionError("no drop has reached the page")
        return "refused" if effect == "none" else "taken"

    def read_exit(self):
        ended = self.driver.find_elements(By.CSS_SELECTOR, ENDED)
        if not ended:
            return "running"
        status = re.search(r"\(status (-?\d+)\)", ended[0].text)
        return status.group(1) if status else "0"

    def read_running(self):
        return "no" if self.driver.find_elements(By.CSS_SELECTOR, ENDED) else "yes"

    # What the steps and reads share.
    def activate(self, target):
        self.driver.execute_cdp_cmd("Target.activateTarget", {"targetId": target})

    def centre(self, element):
        return self.driver.execute_script(
            "var r = arguments[0].getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]", element)

    def bar_item(self, menu):
        for item in self.driver.find_elements(By.CSS_SELECTOR, "[role=menubar] [aria-haspopup=menu]"):
            if item.get_property("textContent") == menu:
                return item
        raise AssertionError(f"the menubar has no menu {menu}")

    def open_menu(self):
        shown = self.driver.find_elements(By.CSS_SELECTOR, "[role=menu]:not([hidden])")
        return shown[0] if shown else None

    @staticmethod
    def entry_text(entry):
        # An item's text is its first part; the shortcut follows it.
        return entry.find_element(By.CSS_SELECTOR, "span").get_property("textContent")

    def menu_entry(self, shown, item):
        for entry in shown.find_elements(By.CSS_SELECTOR, "[role=menuitem]"):
            if self.entry_text(entry) == item:
                return entry
        raise AssertionError(f"the open menu has no item {item}")

    @staticmethod
    def access_key(element):
        """The letter shown underlined in a menu's or an item's text."""
        underlined = element.find_elements(By.TAG_NAME, "u")
        if not underlined:
            raise AssertionError(f"{element.text!r} has no access key")
        return underlined[0].get_property("textContent")

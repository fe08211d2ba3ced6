#!/usr/bin/python3
"""Dravello keeps its light look under dark desktop themes, judged from real pixels.

Starts the real program on the X display under each dark desktop (GNOME and Xfce with a
dark GTK theme, KDE with a dark colour scheme, a prefer-dark GTK setting with -style
Fusion), takes screenshots of the window, a menu, the popup's list and a tooltip, and
checks that each background is light and that the text on it reads at 4.5:1 or more.
Usage: light_look.py DRAVELLO GTK_THEME_PLUGIN [SCREENSHOT_FOLDER]
"""
import os
import subprocess
import sys
import tempfile
import time

from pixels import CONTENT_HEIGHT, POPUP, TEXTS, Shot, check, fail, settled, xdotool

KDE_DARK = """[Colors:Window]
BackgroundNormal=32,35,38
ForegroundNormal=252,252,252
[Colors:View]
BackgroundNormal=20,22,24
ForegroundNormal=252,252,252
[Colors:Button]
BackgroundNormal=41,44,48
ForegroundNormal=252,252,252
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:Tooltip]
BackgroundNormal=41,44,48
ForegroundNormal=252,252,252
"""
GTK_PREFER_DARK = "[Settings]\ngtk-application-prefer-dark-theme=1\n"


def desktops(config):
    """Each dark desktop: its environment and the program's arguments."""
    kde, gtk = os.path.join(config, "kde"), os.path.join(config, "gtk")
    os.makedirs(kde)
    os.makedirs(os.path.join(gtk, "gtk-3.0"))
    with open(os.path.join(kde, "kdeglobals"), "w") as f:
        f.write(KDE_DARK)
    with open(os.path.join(gtk, "gtk-3.0", "settings.ini"), "w") as f:
        f.write(GTK_PREFER_DARK)
    gtk_dark = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}
    return {
        "gnome-gtk3-dark": ({"XDG_CURRENT_DESKTOP": "GNOME", **gtk_dark}, []),
        "xfce-gtk3-dark": ({"XDG_CURRENT_DESKTOP": "XFCE", **gtk_dark}, []),
        "kde-dark": ({"XDG_CURRENT_DESKTOP": "KDE", "KDE_SESSION_VERSION": "5", "XDG_CONFIG_HOME": kde}, []),
        "gnome-prefer-dark-fusion": ({"XDG_CURRENT_DESKTOP": "GNOME", "XDG_CONFIG_HOME": gtk}, ["-style", "Fusion"]),
    }


class Program:
    def __init__(self, app, env, args, log):
        self.process = subprocess.Popen([app, *args], env=env, stdout=log, stderr=subprocess.STDOUT)
        try:
            self.window = self.wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "^Dravello$"),
                                        "its window")
            # Qt shows tooltips in the active window only.
            xdotool("windowfocus", "--sync", self.window)
        except BaseException:
            # A window that never shows ends the test, and the program with it.
            self.end()
            raise

    def wait_for(self, found, what, seconds=15):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                fail(f"the program exited with status {self.process.returncode} before showing {what}")
            if result := found():
                return result[0]
            time.sleep(0.1)
        fail(f"no {what} within {seconds}s")

    def popup(self, what):
        """The program's other visible window: a menu, a list or a tooltip."""
        return self.wait_for(self.others, what)

    def close_popup(self):
        xdotool("key", "Escape")
        self.wait_for(lambda: [] if self.others() else [True], "closed popup")

    def others(self):
        return [w for w in xdotool("search", "--onlyvisible", "--pid", str(self.process.pid)) if w != self.window]

    def click(self, x, y):
        xdotool("mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def end(self):
        self.process.kill()
        self.process.wait()


def main():
    if len(sys.argv) not in (3, 4):
        fail("usage: light_look.py DRAVELLO GTK_THEME_PLUGIN [SCREENSHOT_FOLDER]")
    app, plugin, shots = sys.argv[1], sys.argv[2], sys.argv[3] if len(sys.argv) == 4 else None
    # Without it GNOME and Xfce would show Qt's own light look, and the test would prove nothing.
    if not os.path.exists(plugin):
        fail(f"no GTK theme plugin at {plugin} (scripts/install-deps.sh installs qt6-gtk-platformtheme)")
    with tempfile.TemporaryDirectory() as config:
        base = {k: v for k, v in os.environ.items()
                if k not in ("QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "GTK_THEME", "KDE_SESSION_VERSION")}
        base["QT_QPA_PLATFORM"] = "xcb"
        for desktop, (env, args) in desktops(config).items():
            keep = (lambda part: os.path.join(shots, f"{desktop}-{part}.png")) if shots else (lambda part: None)
            with open(os.path.join(config, f"{desktop}.log"), "w+") as log:
                program = Program(app, {**base, **env}, args, log)
                try:
                    window = settled(program.window)
                    Shot(program.window, keep("window"))
                    menu_h = window.height - CONTENT_HEIGHT
                    check(desktop, "window", window.region(0, menu_h, window.width, CONTENT_HEIGHT), text=False)
                    check(desktop, "menu bar", window.region(0, 0, window.width, menu_h))
                    for what, (x, y, w, h) in TEXTS.items():
                        check(desktop, what, window.region(x, y + menu_h, w, h))

                    program.click(12, menu_h // 2)  # the File menu's title
                    check(desktop, "menu", Shot(program.popup("menu"), keep("menu")).region(0, 0, 10**4, 10**4))
                    program.close_popup()

                    program.click(POPUP[0] + POPUP[2] // 2, menu_h + POPUP[1] + POPUP[3] // 2)
                    popup_list = Shot(program.popup("popup list"), keep("popup-list"))
                    check(desktop, "popup list", popup_list.region(0, 0, 10**4, 10**4), text=False)
                    program.close_popup()

                    x, y, w, h = TEXTS["caption"]
                    xdotool("mousemove", "--window", program.window, str(x + 20), str(menu_h + y + h // 2))
                    tip = Shot(program.popup("tooltip"), keep("tooltip"))
                    check(desktop, "tooltip", tip.region(0, 0, 10**4, 10**4))
                finally:
                    program.end()
                    log.seek(0)
                    said = log.read().strip()
                    if said:
                        print(f"--- {desktop}: program output\n{said}")
    print("e2e.light_look: PASS")


if __name__ == "__main__":
    main()

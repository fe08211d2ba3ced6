#!/usr/bin/python3
"""dravello.exe keeps its light window under a dark Windows colour scheme, judged from pixels.

Sets a dark scheme in the Wine prefix's Control Panel colours, starts the program under
Wine on the X display, checks that the window and the popup's open list are light and
that the captions, formula, result and field text read at 4.5:1 or more, and puts the
colours back.
Usage: windows_dark_scheme.py WINE_RUN DRAVELLO_EXE
"""
import subprocess
import sys
import time

from pixels import CONTENT_HEIGHT, CONTENT_WIDTH, POPUP, TEXTS, check, fail, settled, xdotool

KEY = r"HKCU\Control Panel\Colors"
DARK = {"ButtonFace": "32 32 32", "Window": "20 20 20", "WindowText": "240 240 240", "ButtonText": "240 240 240"}


def main():
    if len(sys.argv) != 3:
        fail("usage: windows_dark_scheme.py WINE_RUN DRAVELLO_EXE")
    wine_run, exe = sys.argv[1:]

    def reg(*args):
        return subprocess.run([wine_run, "reg", *args], capture_output=True, text=True)

    saved = {}
    for name in DARK:
        words = reg("query", KEY, "/v", name).stdout.split()
        saved[name] = " ".join(words[words.index("REG_SZ") + 1:]) if "REG_SZ" in words else None
    program = None
    try:
        for name, value in DARK.items():
            reg("add", KEY, "/v", name, "/d", value, "/f")
        program = subprocess.Popen([wine_run, exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = None
        for _ in range(300):
            if found := xdotool("search", "--onlyvisible", "--name", "^Dravello$"):
                window = found[0]
                break
            time.sleep(0.1)
        if not window:
            fail("no window titled Dravello within 30s")
        shot = settled(window)
        # The content area sits inside the frame Wine draws, as wide at the bottom as at the sides.
        left = (shot.width - CONTENT_WIDTH) // 2
        top = shot.height - CONTENT_HEIGHT - left
        check("dark scheme", "window", shot.region(left, top, CONTENT_WIDTH, CONTENT_HEIGHT), text=False)
        for what, (x, y, w, h) in TEXTS.items():
            check("dark scheme", what, shot.region(left + x, top + y, w, h))

        before = set(xdotool("search", "--onlyvisible", "--name", ""))
        xdotool("mousemove", "--window", window, str(left + POPUP[0] + POPUP[2] // 2),
                str(top + POPUP[1] + POPUP[3] // 2), "click", "1")
        for _ in range(50):
            if opened := set(xdotool("search", "--onlyvisible", "--name", "")) - before:
                check("dark scheme", "popup list", settled(opened.pop()).region(0, 0, 10**4, 10**4), text=False)
                break
            time.sleep(0.1)
        else:
            fail("the popup's list did not open")
    finally:
        if program:
            program.kill()
            program.wait()
        for name, value in saved.items():
            if value is None:
                reg("delete", KEY, "/v", name, "/f")
            else:
                reg("add", KEY, "/v", name, "/d", value, "/f")
    print("windows_dark_scheme: PASS")


if __name__ == "__main__":
    main()

"""Windows on the X display: what they show, read from their pixels, and the checks on that."""
import collections
import subprocess
import sys
import time

CONTENT_WIDTH, CONTENT_HEIGHT = 296, 247  # the window's content area, below its menu bar
# Rectangles (left, top, width, height) in content coordinates, from window/PropertyLists.h.
POPUP = (20, 14, 256, 20)
TEXTS = {
    "caption": (20, 75, 142, 20),
    "formula": (20, 46, 256, 16),
    "result": (20, 207, 256, 20),
    "field text": (199, 77, 74, 16),  # inside the length field's frame
}


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


class Shot:
    """One window's pixels as X shows them."""

    def __init__(self, window, keep=None):
        ppm = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], capture_output=True,
                             check=True).stdout
        fields, at = [], 0
        while len(fields) < 4:  # P6, width, height, maximum, each after white space
            while ppm[at:at + 1].isspace():
                at += 1
            end = at
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[at:end])
            at = end
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = ppm[at + 1:]
        if keep:
            subprocess.run(["convert", "ppm:-", keep], input=ppm, check=True)

    def region(self, left, top, width, height):
        return [tuple(self.pixels[3 * (y * self.width + x):3 * (y * self.width + x) + 3])
                for y in range(top, min(top + height, self.height)) for x in range(left, min(left + width, self.width))]


def look(pixels):
    """The background (the commonest colour) and the contrast of the text on it."""
    background = collections.Counter(pixels).most_common(1)[0][0]
    return background, max(contrast(p, background) for p in pixels)


def check(desktop, what, pixels, text=True):
    background, ratio = look(pixels)
    shown = "#%02x%02x%02x" % background
    print(f"{desktop}: {what}: background {shown}" + (f", text {ratio:.2f}:1" if text else ""))
    if luminance(background) < 0.5:
        fail(f"{desktop}: the {what} is dark ({shown})")
    if text and ratio < 4.5:
        fail(f"{desktop}: the {what} reads at {ratio:.2f}:1 on {shown}")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def settled(window):
    """The window's pixels once two screenshots in a row agree: mapped is not yet painted."""
    before = Shot(window)
    for _ in range(25):
        time.sleep(0.2)
        after = Shot(window)
        if after.pixels == before.pixels:
            return after
        before = after
    return before

#!/usr/bin/python3
"""The page's benchmarks, in headless Chromium on a server on 127.0.0.1.

- What users download: build/web gzipped, beside the Windows program's exe + dll.
- From navigation to the first result shown, for a first visit (no cache, no service
  worker) and a return visit (both), against the plain-JavaScript page (bench/web/plain.html),
  the two loaded in turns.
- A keystroke in the diameter field (key down, the text changed, input, key up: the area
  converted and the result recalculated, then the frame's style and layout brought up to
  date, as the next frame shown needs them), Dravello's page and the plain page in two
  frames of one page taking turns in batches, timed with performance.now() in the page.
- A paste of the longest text a field takes (65,536 characters) over the current field, the
  result recalculated, in the same two frames taking turns; then one character more, which
  Dravello refuses whole.
Usage: web_bench.py SITE WIN64_BUILD [ROUNDS]
"""
import gzip
import http.server
import os
import statistics
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import page  # noqa: E402

STARTS = 640  # loads of each page and visit, in pairs of START_ROUNDS
START_ROUNDS = 32
BATCH = 10  # keystrokes timed together, half of them 5s and half Backspaces
KEY_ROUNDS = 50  # batches of each page in one pair
STRETCHES = 5

FIRST_RESULT = """
new MutationObserver(function(_, observer) {
  var result = document.querySelector('[data-name=result]');
  if (result && /[0-9]/.test(result.textContent)) {
    window.firstResult = performance.now();
    observer.disconnect();
  }
}).observe(document, {subtree: true, childList: true, characterData: true});
"""

# Times batch keystrokes in the diameter field of a frame, a 5 typed at the start of its text
# and a Backspace that takes it back, in turn from the first (0 for a 5), so that each changes
# the result (from 1.795V to 0V and back); gives milliseconds per keystroke.
KEYSTROKES = """
const [frame, batch, first = 0] = arguments;
const w = frame.contentWindow;
const field = w.document.querySelector('[data-name=diameter]');
const result = w.document.querySelector('[data-name=result]');
const key = (type, name) => field.dispatchEvent(new w.KeyboardEvent(type, {key: name, bubbles: true}));
const start = performance.now();
for (let i = 0; i < batch; i++) {
  const back = (first + i) % 2;
  const name = back ? 'Backspace' : '5';
  key('keydown', name);
  field.value = back ? field.value.slice(1) : '5' + field.value;
  field.dispatchEvent(new w.InputEvent('input', {bubbles: true, inputType: back ? 'deleteContentBackward' : 'insertText'}));
  key('keyup', name);
  // Style and layout, which the browser would otherwise leave to the next frame.
  result.getBoundingClientRect();
}
return (performance.now() - start) / batch;
"""


MOST_TEXT = 65536
PASTE_PAIRS = 20
PASTE_ROUNDS = 10

# Inserts the text over the whole of the current field of a frame as a paste does (a paste
# event holding the text, which the page may refuse, then the editing commands' own insertion
# and its input, which a real paste does by itself where nothing refused it); gives the
# milliseconds it took and the length the field then held, and puts the field's text back.
PASTE = """
const [frame, text] = arguments;
const w = frame.contentWindow;
const field = w.document.querySelector('[data-name=current]');
const kept = field.value;
field.focus();
field.select();
const start = performance.now();
const offered = new w.DataTransfer();
offered.setData('text/plain', text);
const paste = new w.ClipboardEvent('paste', {clipboardData: offered, bubbles: true, cancelable: true});
if (field.dispatchEvent(paste)) w.document.execCommand('insertText', false, text);
const took = performance.now() - start;
const length = field.value.length;
field.select();
w.document.execCommand('insertText', false, kept);
return [took, length];
"""


class Isolated(page.Quiet):
    """Cross-origin isolated, so that performance.now() counts in microseconds."""

    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()


def spread(values):
    return statistics.stdev(values) / statistics.mean(values) * 100


def paired(pairs, rounds, a, b):
    """Times of a and b (callables giving one run's time) in pairs of rounds, the one going
    first changing from round to round, so that whatever drifts over a pair weighs on both
    alike: each pair's sums, and their ratios a/b."""
    sums_a, sums_b = [], []
    for _ in range(pairs):
        sum_a = sum_b = 0
        for r in range(rounds):
            if r % 2 == 0:
                sum_a += a()
                sum_b += b()
            else:
                sum_b += b()
                sum_a += a()
        sums_a.append(sum_a)
        sums_b.append(sum_b)
    return sums_a, sums_b, [x / y for x, y in zip(sums_a, sums_b)]


def print_ratios(ratios, target):
    """The pairs' ratios: median and spread, and the medians of stretches of consecutive
    pairs, whose spread says how far the median moves over the run."""
    q = statistics.quantiles(ratios, n=4)
    print(f"  ratio within pairs: median {statistics.median(ratios):.3f}, middle half {q[0]:.3f}-{q[2]:.3f}, "
          f"range {min(ratios):.3f}-{max(ratios):.3f}, CV {spread(ratios):.1f}% ({len(ratios)} pairs)")
    size = len(ratios) // STRETCHES
    if size >= 2:
        medians = [statistics.median(ratios[k:k + size]) for k in range(0, size * STRETCHES, size)]
        print(f"  medians of {STRETCHES} stretches of {size} pairs: {min(medians):.3f}-{max(medians):.3f}, "
              f"CV {spread(medians):.1f}%" + (f"; target <= {target}" if target else ""))


def print_times(label, sums, per, unit):
    q = statistics.quantiles(sums, n=4)
    print(f"  {label:12} median {statistics.median(sums) / per:7.2f} {unit} (middle half {q[0] / per:.2f}-"
          f"{q[2] / per:.2f}, CV {spread(sums):.1f}%)")


def sizes(site, win64):
    print("transfer size (gzip -9 of each file):")
    total = 0
    for name in sorted(os.listdir(site)):
        with open(os.path.join(site, name), "rb") as f:
            packed = len(gzip.compress(f.read(), 9))
        total += packed
        print(f"  {name:22} {packed:8d} bytes")
    print(f"  build/web in all       {total:8d} bytes ({total / 1000:.1f} KB; target <= 125 KB)")
    exe, dll = (os.path.join(win64, name) for name in ("dravello.exe", "guirt.dll"))
    if os.path.exists(exe) and os.path.exists(dll):
        raw = os.path.getsize(exe) + os.path.getsize(dll)
        with zipfile.ZipFile(os.path.join(win64, "dravello-windows-x64.zip")) as z:
            zipped = sum(info.compress_size for info in z.infolist())
        print(f"  Windows exe + dll      {raw:8d} bytes, {zipped} zipped: the page is "
              f"{total / raw:.2f}x the files and {total / zipped:.2f}x the zip")


def first_result(browser, url):
    browser.driver.get(url)
    return browser.wait_for(lambda: browser.driver.execute_script("return window.firstResult"))


def start_up(browser):
    cdp = browser.driver.execute_cdp_cmd
    watch = cdp("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_RESULT})["identifier"]
    pairs = STARTS // START_ROUNDS
    print(f"navigation to the first result shown ({pairs} pairs of {START_ROUNDS} loads of each page, in turns):")
    cdp("Network.enable", {})
    for visit, off, target in (("first visit", True, 1.5), ("return visit", False, 1.2)):
        cdp("Network.setCacheDisabled", {"cacheDisabled": off})
        cdp("Network.setBypassServiceWorker", {"bypass": off})
        dravello = lambda: first_result(browser, browser.server.url + "app/")
        plain = lambda: first_result(browser, browser.server.url + "plain.html")
        if not off:
            browser.driver.get(browser.server.url + "app/")
            browser.driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        # One of each first, so that a return visit finds both in the cache.
        dravello()
        plain()
        sums_a, sums_b, ratios = paired(pairs, START_ROUNDS, dravello, plain)
        print(f" {visit}:")
        print_times("Dravello", sums_a, START_ROUNDS, "ms")
        print_times("plain page", sums_b, START_ROUNDS, "ms")
        print_ratios(ratios, target)
    # Later pages go without the watch: a document that has had a mutation observer stays slower
    # at changing its tree, which the plain page does at every keystroke and Dravello's does not.
    cdp("Page.removeScriptToEvaluateOnNewDocument", {"identifier": watch})


def frames_shown(browser):
    """The page of two frames, Dravello's first, once both show a result."""
    browser.driver.get(browser.server.url + "frames.html")
    frames = browser.driver.find_elements(page.By.TAG_NAME, "iframe")
    browser.wait_for(lambda: all(browser.driver.execute_script(
        "return /[0-9]/.test(arguments[0].contentDocument.querySelector('[data-name=result]')?.textContent)", f)
        for f in frames))
    return frames


SHOWN = """
const d = arguments[0].contentDocument;
return ['diameter', 'areafld', 'result'].map((name) => {
  const node = d.querySelector(`[data-name=${name}]`);
  return node.value ?? node.textContent;
}).join(' | ');
"""


def keystrokes(browser, frames, rounds):
    run = lambda frame: browser.driver.execute_script(KEYSTROKES, frame, BATCH)
    for frame in frames:
        run(frame)  # the first batch compiles and warms what the rest run
    # After a 5 and after the Backspace that takes it back, both show the same texts: the two
    # do the same work and lay out the same text.
    shown = [[], []]
    for first in (0, 1):
        for i, frame in enumerate(frames):
            browser.driver.execute_script(KEYSTROKES, frame, 1, first)
            shown[i].append(browser.driver.execute_script(SHOWN, frame))
    if shown[0] != shown[1]:
        sys.exit(f"web_bench: the pages show different texts:\n  {shown[0]}\n  {shown[1]}")
    pairs = rounds // KEY_ROUNDS
    # A whole pair in one call would keep the page busy; one batch per call lets it breathe.
    sums_a, sums_b, ratios = paired(pairs, KEY_ROUNDS, lambda: run(frames[0]), lambda: run(frames[1]))
    print(f"a keystroke in the diameter field to its layout, {pairs} pairs of {KEY_ROUNDS} batches of {BATCH} "
          f"keystrokes per page, taking turns:")
    print_times("Dravello", sums_a, KEY_ROUNDS / 1000, "us")
    print_times("plain page", sums_b, KEY_ROUNDS / 1000, "us")
    print_ratios(ratios, 1.2)


def pastes(browser, frames):
    paste = lambda frame, length: browser.driver.execute_script(PASTE, frame, "1" + "0" * (length - 1))
    for frame in frames:
        paste(frame, MOST_TEXT)  # the first compiles and warms what the rest run
    shown = []

    def timed(frame):
        took, length = paste(frame, MOST_TEXT)
        shown.append(length)
        return took

    sums_a, sums_b, ratios = paired(PASTE_PAIRS, PASTE_ROUNDS, lambda: timed(frames[0]), lambda: timed(frames[1]))
    if any(length != MOST_TEXT for length in shown):
        print("paste of the bound: a field did not take the whole paste")
        return
    print(f"a paste of {MOST_TEXT} characters over the current field, {PASTE_PAIRS} pairs of {PASTE_ROUNDS} pastes "
          f"per page, taking turns:")
    print_times("Dravello", sums_a, PASTE_ROUNDS, "ms")
    print_times("plain page", sums_b, PASTE_ROUNDS, "ms")
    print_ratios(ratios, None)
    paste(frames[0], MOST_TEXT + 1)  # the first refusal's beep makes the page's sound output
    took, length = paste(frames[0], MOST_TEXT + 1)
    print(f"  Dravello refusing one character more: {took:.2f} ms, the field kept its text: "
          f"{'yes' if length < MOST_TEXT else 'no'}")


def main():
    site, win64 = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 2500
    sizes(site, win64)
    with tempfile.TemporaryDirectory() as root:
        os.symlink(os.path.abspath(site), os.path.join(root, "app"))
        os.symlink(os.path.join(os.path.dirname(os.path.abspath(__file__)), "web", "plain.html"),
                   os.path.join(root, "plain.html"))
        with open(os.path.join(root, "frames.html"), "w") as f:
            f.write('<!doctype html><iframe src="app/" width="400" height="400"></iframe>'
                    '<iframe src="plain.html" width="400" height="400"></iframe>')
        browser = page.Page(site=root, handler=Isolated)
        try:
            start_up(browser)
            frames = frames_shown(browser)
            keystrokes(browser, frames, rounds)
            pastes(browser, frames)
        finally:
            browser.close()


if __name__ == "__main__":
    main()

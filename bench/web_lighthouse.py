#!/usr/bin/python3
"""Lighthouse's accessibility audit of the page, on a phone and on a desktop, run against
Debian's Chromium on a server on 127.0.0.1: the score (out of 100) and every audit that did
not pass. Exits 1 below 100. Then its performance on a phone (its simulated mobile network
and processor), from a server that gzips what it sends as web servers do: the median of
RUNS scores, with the largest contentful paint and the total blocking time. Lighthouse is
the one bench/web/npm pins (scripts/install-npm.sh).
Usage: web_lighthouse.py SITE
"""
import gzip
import io
import json
import os
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import page  # noqa: E402

LIGHTHOUSE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web", "npm", "node_modules", "lighthouse",
                          "cli", "index.js")
CHROMIUM_FLAGS = "--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage"
RUNS = 5


class Gzipped(page.Quiet):
    """Each file gzipped, where the browser takes it so."""

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not os.path.isfile(path):
            return super().send_head()
        with open(path, "rb") as f:
            body = gzip.compress(f.read(), 9)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)


def lighthouse(url, category, preset):
    """Lighthouse's report of the category on the form factor."""
    with tempfile.TemporaryDirectory() as folder:
        report = os.path.join(folder, "report.json")
        command = ["node", LIGHTHOUSE, url, f"--only-categories={category}", "--chrome-path=/usr/bin/chromium",
                   f"--chrome-flags={CHROMIUM_FLAGS}", "--output=json", f"--output-path={report}", "--quiet"]
        if preset == "desktop":
            command.append("--preset=desktop")
        subprocess.run(command, check=True)
        with open(report, encoding="utf-8") as saved:
            return json.load(saved)


def audit(url, preset):
    """The accessibility score and the audits that did not pass, on the form factor."""
    result = lighthouse(url, "accessibility", preset)
    failed = [name for name, found in result["audits"].items() if found.get("score") is not None and found["score"] < 1]
    return round(result["categories"]["accessibility"]["score"] * 100), failed


def performance(site):
    """The median of RUNS mobile performance scores, with the runs' largest contentful paints
    and total blocking times."""
    server = page.Server(site, Gzipped)
    try:
        results = [lighthouse(server.url, "performance", "mobile") for _ in range(RUNS)]
    finally:
        server.stop()
    scores = [round(r["categories"]["performance"]["score"] * 100) for r in results]
    paints = [r["audits"]["largest-contentful-paint"]["numericValue"] / 1000 for r in results]
    blocking = [r["audits"]["total-blocking-time"]["numericValue"] for r in results]
    print(f"Lighthouse performance, mobile, gzipped, {RUNS} runs: median {statistics.median(scores)} "
          f"(range {min(scores)}-{max(scores)}; target >= 95), largest contentful paint median "
          f"{statistics.median(paints):.2f} s, total blocking time median {statistics.median(blocking):.0f} ms")


def main():
    server = page.Server(sys.argv[1], page.Quiet)
    try:
        scores = []
        for preset in ("mobile", "desktop"):
            score, failed = audit(server.url, preset)
            scores.append(score)
            print(f"Lighthouse accessibility, {preset}: {score}" + (f" (failed: {', '.join(failed)})" if failed else ""))
    finally:
        server.stop()
    performance(sys.argv[1])
    return 0 if min(scores) == 100 else 1


if __name__ == "__main__":
    sys.exit(main())

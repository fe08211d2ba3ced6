#!/usr/bin/python3
"""Lighthouse's accessibility audit of the page, on a phone and on a desktop, run against
Debian's Chromium on a server on 127.0.0.1: the score (out of 100) and every audit that did
not pass. Exits 1 below 100. Lighthouse is the one bench/web/npm pins (scripts/install-npm.sh).
Usage: web_lighthouse.py SITE
"""
import json
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
import page  # noqa: E402

LIGHTHOUSE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web", "npm", "node_modules", "lighthouse",
                          "cli", "index.js")
CHROMIUM_FLAGS = "--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage"


def audit(url, preset):
    """The accessibility score and the audits that did not pass, on the form factor."""
    with tempfile.TemporaryDirectory() as folder:
        report = os.path.join(folder, "report.json")
        command = ["node", LIGHTHOUSE, url, "--only-categories=accessibility", "--chrome-path=/usr/bin/chromium",
                   f"--chrome-flags={CHROMIUM_FLAGS}", "--output=json", f"--output-path={report}", "--quiet"]
        if preset == "desktop":
            command.append("--preset=desktop")
        subprocess.run(command, check=True)
        with open(report, encoding="utf-8") as saved:
            result = json.load(saved)
    failed = [name for name, found in result["audits"].items() if found.get("score") is not None and found["score"] < 1]
    return round(result["categories"]["accessibility"]["score"] * 100), failed


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
    return 0 if min(scores) == 100 else 1


if __name__ == "__main__":
    sys.exit(main())

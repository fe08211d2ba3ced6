"""Runs the behaviour cases (cases.py) against one target, each case on a freshly started program.

    run.py recording AGENT          the models on the recording backend, in the agent's process
    run.py qt AGENT                 the real Qt window, in the agent's process, on the X display
    run.py wine AGENT DRAVELLO_EXE  dravello.exe under Wine, driven by the agent from outside
    run.py web SITE                 the page in headless Chromium

-k PATTERN after them picks the cases whose test names hold it. A case one target cannot run says
so, and why, in the case: it is reported as skipped with that reason, never left out.
"""
import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cases import CASES  # noqa: E402
from steps import Expect, IfRunning  # noqa: E402


def flat(steps):
    for step in steps:
        if isinstance(step, list):
            yield from flat(step)
        else:
            yield step


def desktop_locale(locale):
    """A desktop's locale as Qt and Wine read it: the POSIX variable that overrides the others."""
    return {"LC_ALL": locale.tag.replace("-", "_") + ".UTF-8"}


def simulated_locale(locale):
    """The recording backend's simulated platform has no locale data: it is given its user's setting."""
    return {"RECORDING_DECIMAL_SEPARATOR": locale.separator}


def make_target(kind, args):
    if kind == "web":
        from targets.web import WebTarget
        return WebTarget(args[0])
    from targets.agent import AgentTarget
    if kind == "wine":
        return AgentTarget(["wine", args[0], args[1]], per_case=False, settle=10, settings=desktop_locale)
    if kind == "qt":
        return AgentTarget([args[0]], per_case=True, settle=5, settings=desktop_locale)
    return AgentTarget([args[0]], per_case=True, settle=5, settings=simulated_locale)


class Runner:
    def __init__(self, target):
        self.target = target

    def run(self, steps):
        for step in flat(steps):
            if isinstance(step, Expect):
                self.check(step)
            elif isinstance(step, IfRunning):
                if self.target.read("running") == "yes":
                    self.run(step.steps)
            else:
                self.target.do(*step)

    def check(self, expected):
        deadline = time.monotonic() + self.target.settle
        while True:
            seen = self.target.read(*expected.read)
            wanted = expected.value if expected.same_as is None else self.target.read(*expected.same_as)
            if matches(seen, wanted, expected.how):
                return
            if time.monotonic() > deadline:
                raise AssertionError(f"{describe(expected.read)} gave {shorten(seen)!r}, expected "
                                     f"{expected.how} {shorten(wanted)!r}"
                                     + (f" (what {describe(expected.same_as)} gives)" if expected.same_as else ""))
            time.sleep(0.02)


def matches(seen, wanted, how):
    if how == "words":
        return seen.split() == wanted.split()
    if how == "contains":
        return wanted in seen
    if how == "startswith":
        return seen.startswith(wanted)
    if how == "endswith":
        return seen.endswith(wanted)
    return seen == wanted


def describe(read):
    return f"{read[0]}({', '.join(read[1:])})"


def shorten(value):
    return value if len(value) <= 120 else f"{value[:60]}...({len(value)} characters)...{value[-40:]}"


def test_name(number, title):
    return f"test_{number:02d}_" + re.sub(r"[^a-z0-9]+", "_", title.lower()).strip("_")[:70]


def make_suite(kind, target):
    class Behaviour(unittest.TestCase):
        def tearDown(self):
            target.stop()

    for number, case in enumerate(CASES, 1):
        def test(self, case=case):
            if kind in case.cannot:
                self.skipTest(case.cannot[kind])
            target.start(case.locale)
            Runner(target).run(case.steps)
        test.__doc__ = case.title
        setattr(Behaviour, test_name(number, case.title), test)
    Behaviour.__name__ = f"Behaviour_{kind}"
    return Behaviour


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ARITY:
        sys.exit(__doc__)
    kind = sys.argv[1]
    arity = ARITY[kind]
    target = make_target(kind, sys.argv[2:2 + arity])
    loader = unittest.TestLoader()
    rest = sys.argv[2 + arity:]
    if rest[:1] == ["-k"]:
        loader.testNamePatterns = [f"*{rest[1]}*"]
    try:
        suite = loader.loadTestsFromTestCase(make_suite(kind, target))
        result = unittest.TextTestRunner(verbosity=2).run(suite)
    finally:
        target.close()
    sys.exit(0 if result.wasSuccessful() else 1)


ARITY = {"recording": 1, "qt": 1, "wine": 2, "web": 1}

if __name__ == "__main__":
    main()

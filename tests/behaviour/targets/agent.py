"""A target driven through an agent: a program of the target's platform that carries out the
steps and answers the reads, one line each way on its standard input and output.

The protocol, which every agent speaks (agents/AgentProtocol.h):
- A request is one line: the operation and its arguments, separated by tabs. A reply is one
  line: "ok", a tab and the value (empty for a step), or "error", a tab and what went wrong.
- In both, a backslash, tab, line feed and carriage return inside a field are written as
  \\\\, \\t, \\n and \\r.
- "start" starts a fresh program and answers once its window shows; "stop" ends it, if it
  still runs. Any other operation is a step or a read of steps.py, named as there.
- An agent that is the program itself (in-process) is started for each case: it answers
  "start" at once, and "stop" ends the agent.
- The agent, and the programs it starts, run in the case's locale: the environment that
  `settings` makes of it. An agent that lasts from case to case is started again when the
  locale changes.
"""
import os
import subprocess

ESCAPES = {"\\": "\\\\", "\t": "\\t", "\n": "\\n", "\r": "\\r"}
UNESCAPES = {"\\": "\\", "t": "\t", "n": "\n", "r": "\r"}


def escape(field):
    return "".join(ESCAPES.get(c, c) for c in field)


def unescape(field):
    out, chars = [], iter(field)
    for c in chars:
        out.append(UNESCAPES[next(chars)] if c == "\\" else c)
    return "".join(out)


class AgentTarget:
    def __init__(self, command, per_case, settle, settings):
        self.command = command
        self.per_case = per_case
        self.settle = settle
        self.settings = settings
        self.process = None
        self.locale = None

    def launch(self, locale):
        self.locale = locale
        self.process = subprocess.Popen(self.command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        encoding="utf-8", bufsize=1, env=os.environ | self.settings(locale))

    def start(self, locale):
        if self.process is not None and locale != self.locale:
            self.end_agent()
        if self.process is None or self.process.poll() is not None:
            self.launch(locale)
        self.request("start")

    def stop(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            try:
                self.request("stop")
            except AssertionError:
                pass
        if self.per_case:
            self.end_agent()

    def close(self):
        self.end_agent()

    def end_agent(self):
        if self.process is None:
            return
        try:
            self.process.stdin.close()
            self.process.wait(timeout=20)
        except (subprocess.TimeoutExpired, BrokenPipeError, OSError):
            self.process.kill()
            self.process.wait()
        self.process = None

    def request(self, *fields):
        if self.process.poll() is not None:
            raise AssertionError(f"the agent has ended (status {self.process.returncode})")
        self.process.stdin.write("\t".join(escape(f) for f in fields) + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise AssertionError(f"the agent ended while asked {fields[0]} (status {self.process.wait()})")
        status, _, value = line.rstrip("\n").partition("\t")
        if status != "ok":
            raise AssertionError(f"{fields[0]}: {unescape(value)}")
        return unescape(value)

    def do(self, op, *args):
        self.request(op, *args)

    def read(self, op, *args):
        return self.request(op, *args)

#!/usr/bin/python3
"""What a screen reader learns of Dravello's window over AT-SPI.

Reads the running program's accessible tree from the accessibility bus, as Orca would:
each field is named and described after the caption beside it and labelled by it, the
material popup is labelled "Conductor material", and a new result is announced (an
accessible-name change of the result line). Needs a session bus (dbus-run-session) with
AT-SPI, and an X display.
Usage: screen_reader.py DRAVELLO
"""
import os
import subprocess
import sys
import time

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"
LABELLED_BY = 2  # AtspiRelationType

# Each field's name, its caption and the start of its description.
FIELDS = {
    "Total cable length (m)": ("Total cable length (m):", "Total cable lenght, out and back."),
    "Cable diameter (mm)": ("Cable diameter (mm):", "AWG 24 = 0.51054 mm (cat5/cat5e)\nAWG 23"),
    "Cable area (mm2)": ("Cable area (mm2):", "AWG 24 = 0.205 mm2 (cat5/cat5e)\nAWG 23"),
    "Current (A)": ("Current (A):", ""),
}


def fail(message):
    print(f"e2e.screen_reader: FAIL: {message}", file=sys.stderr)
    sys.exit(1)


class Node:
    """One accessible object of the program, by its bus name and path."""

    def __init__(self, bus, ref):
        self.bus, self.ref = bus, (str(ref[0]), str(ref[1]))
        proxy = bus.get_object(*self.ref)
        self.accessible = dbus.Interface(proxy, ACCESSIBLE)
        self.properties = dbus.Interface(proxy, dbus.PROPERTIES_IFACE)
        self.proxy = proxy

    def prop(self, name):
        return str(self.properties.Get(ACCESSIBLE, name))

    def role(self):
        return str(self.accessible.GetRoleName())

    def children(self):
        return [Node(self.bus, ref) for ref in self.accessible.GetChildren()]

    def labels(self):
        return [Node(self.bus, ref) for kind, targets in self.accessible.GetRelationSet()
                if kind == LABELLED_BY for ref in targets]

    def walk(self):
        yield self
        for child in self.children():
            yield from child.walk()


def accessibility_bus():
    session = dbus.SessionBus()
    launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    # What a desktop sets when the user turns a screen reader on; Qt follows it.
    dbus.Interface(launcher, dbus.PROPERTIES_IFACE).Set("org.a11y.Status", "IsEnabled", True)
    return str(dbus.Interface(launcher, "org.a11y.Bus").GetAddress())


def find_window(bus, seconds=30):
    root = Node(bus, ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"))
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in root.children():
            for window in app.children():
                if window.prop("Name") == "Dravello":
                    return window
        time.sleep(0.2)
    fail("no window named Dravello on the accessibility bus")


def check_names(window):
    nodes = list(window.walk())
    fields = {node.prop("Name"): node for node in nodes if node.role() == "text"}
    for name, (caption, description) in FIELDS.items():
        field = fields.get(name)
        if field is None:
            fail(f"no field named {name!r}; the fields are {sorted(fields)}")
        if not field.prop("Description").startswith(description) or (description == "") != (field.prop("Description") == ""):
            fail(f"{name!r} is described as {field.prop('Description')!r}")
        labels = [label.prop("Name") for label in field.labels()]
        if labels != [caption]:
            fail(f"{name!r} is labelled by {labels}, not {caption!r}")
    popups = [node for node in nodes if node.role() == "combo box"]
    if len(popups) != 1 or [label.prop("Name") for label in popups[0].labels()] != ["Conductor material"]:
        fail("the material popup is not labelled 'Conductor material'")
    results = [node for node in nodes if node.role() == "label" and node.prop("Name").startswith("Voltage drop = ")]
    if len(results) != 1:
        fail("no single result line")
    return fields["Current (A)"], results[0]


def check_announcement(address, current, result):
    before = result.prop("Name")
    rule = "type='signal',interface='org.a11y.atspi.Event.Object',member='PropertyChange'"
    with subprocess.Popen(["dbus-monitor", "--address", address, rule], stdout=subprocess.PIPE, text=True) as monitor:
        time.sleep(0.5)  # the monitor is listening
        dbus.Interface(current.proxy, "org.a11y.atspi.EditableText").SetTextContents("10")
        after = before
        deadline = time.monotonic() + 10
        while after == before and time.monotonic() < deadline:
            time.sleep(0.2)
            after = result.prop("Name")
        time.sleep(0.5)
        monitor.terminate()
        log = monitor.communicate()[0]
    if after == before:
        fail(f"the result stayed {before!r} after the current changed")
    # The signal carries the result line's path and the property; a reader then reads
    # the new name from the object.
    announced = [block for block in log.split("\nsignal ")
                 if f"path={result.ref[1]};" in block and '"accessible-name"' in block]
    if not announced:
        fail(f"the new result {after!r} was not announced; the bus carried:\n{log}")
    print(f"announced: {before!r} -> {after!r}")


def main():
    if len(sys.argv) != 2:
        fail("usage: screen_reader.py DRAVELLO")
    address = accessibility_bus()
    bus = dbus.bus.BusConnection(address)
    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/registry")
    # A listener for name changes, as a screen reader registers one: Qt sends only the
    # events someone listens to.
    dbus.Interface(registry, "org.a11y.atspi.Registry").RegisterEvent(
        "object:property-change:accessible-name", dbus.Array([], signature="s"), "")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    with subprocess.Popen([sys.argv[1]], env=env) as program:
        try:
            window = find_window(bus)
            current, result = check_names(window)
            check_announcement(address, current, result)
        finally:
            program.terminate()
    print("e2e.screen_reader: the fields are named, described and labelled; a new result is announced")


main()

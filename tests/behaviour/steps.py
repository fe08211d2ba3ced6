"""The words behaviour cases are written in: what a user does, and what is read back.

A step is a tuple (operation, arguments...) that a target carries out as the user would on
its platform: keys through the platform's input, clicks through its pointer, menus through
its menus. A read is a tuple too, answered from what the platform shows and what its
accessibility interface says. Texts are Python strings; a target counts them in UTF-16 units
as every platform here does.

Controls are named as the program names them: PopupMenu1, lenght, diameter, areafld,
current (the popup and the fields), result, form (the output labels) and Label1 to Label4
(the captions).
"""
from dataclasses import dataclass, field


# What the user does.
def click(control):
    """A click in the middle of the control (a field takes the focus and puts its cursor there)."""
    return ("click", control)


def key(chord):
    """Keys pressed together and released, as "Ctrl+A", "Shift+Tab", "Alt+E", "Escape", "Down"."""
    return ("key", chord)


def type_text(text):
    """Each character typed as a key of its own, to whatever has the focus."""
    return ("type", text)


def clipboard(text):
    """Puts the text on the platform's clipboard, as another program would."""
    return ("clipboard", text)


def drop(control, text):
    """Another program drags the text onto the control and lets go."""
    return ("drop", control, text)


def choose(menu, item, by):
    """Opens the bar's menu and chooses its item, by "mouse" or by "keyboard" (Alt and the menu's
    access key, then the item's)."""
    return [open_menu(menu, by), choose_item(item, by)]


def choose_item(item, by):
    """Chooses the item of the menu that is open (the bar's or a context menu), by "mouse" or by
    "keyboard" (its access key). Items are named by their text without access marks; a context
    menu's editing items as Undo, Cut, Copy, Paste, Delete and Select All."""
    return ("chooseitem", item, by)


def open_menu(menu, by):
    """Opens the bar's menu and leaves it open."""
    return ("openmenu", menu, by)


def open_context(control):
    """Opens the field's own context menu (a right click) and leaves it open."""
    return ("opencontext", control)


def context(control, item):
    """Chooses the item (Undo, Cut, Copy, Paste, Delete, Select All) of the field's context menu."""
    return ("context", control, item)


def pick(control, row):
    """Picks the popup's row with the mouse: its list opened, the row clicked."""
    return ("pick", control, row)


def open_list(control):
    """Opens the popup's list and leaves it open."""
    return ("openlist", control)


def hover(control):
    """Rests the mouse on the control until its tooltip shows."""
    return ("hover", control)


def leave():
    """Another window of the desktop becomes the active one."""
    return ("leave",)


def come_back():
    """The program's window is activated again (a click on its title bar or Alt+Tab)."""
    return ("comeback",)


def close():
    """The window is asked to close, as the window manager's close button asks."""
    return ("close",)


# What is read back.
def text(control):
    """What the control shows: a field's text, a label's text as drawn, the popup's chosen row."""
    return ("text", control)


def length(control):
    """The length of a field's text in UTF-16 units."""
    return ("length", control)


def name(control):
    """The control's accessible name."""
    return ("name", control)


def description(control):
    """The control's accessible description."""
    return ("description", control)


def tooltip(control):
    """The text of the control's tooltip ("" for none)."""
    return ("tooltip", control)


def enabled(control):
    return ("enabled", control)


def focus():
    """The name of the control with the keyboard focus; "" when none of the window's has it."""
    return ("focus",)


def selection(control):
    """A field's selection as "anchor,cursor" in UTF-16 units (the two equal: no selection)."""
    return ("selection", control)


def whole(control):
    """"yes" when a field shows every character of its text, from the first to the last, with
    nothing scrolled out of its box; "no" otherwise."""
    return ("whole", control)


def menu_shown():
    """The open menu's items as "Undo=0;Cut=1;..." (1 enabled), named as choose_item names them,
    separators left out; a context menu's editing items only. "" when no menu is open."""
    return ("menu",)


def dropped():
    """What the last drop's source was told: "taken" or "refused"."""
    return ("dropped",)


def exit_status():
    """The program's exit status once it has ended, or "running" if it has not within a few seconds."""
    return ("exit",)


def running():
    """"yes" while the program runs, "no" once it has ended."""
    return ("running",)


@dataclass
class Expect:
    """The read comes to give the value within the target's settle time: equal to it, or
    holding, starting or ending with it, or the same words whatever the spaces and line breaks between
    them (`how`), or equal to what another read gives (`same_as`)."""
    read: tuple
    value: str = None
    how: str = "equal"
    same_as: tuple = None


def shows(control, value):
    return Expect(text(control), value)


def expect(read, value, how="equal"):
    return Expect(read, value, how)


def same(read, other):
    return Expect(read, same_as=other)


@dataclass
class IfRunning:
    """Steps taken only while the program still runs (a close request may have ended it)."""
    steps: list


def if_running(*steps):
    return IfRunning(list(steps))


@dataclass(frozen=True)
class Locale:
    """The user's language and region as the platform is set to it: a BCP 47 tag ("de-DE"), which
    each target turns into its platform's setting, and the decimal separator that goes with it,
    which a simulated platform (without locale data of its own) is given as its user's setting."""
    tag: str
    separator: str


US = Locale("en-US", ".")


@dataclass
class Case:
    """A behaviour a user meets: steps and expectations, in order, from a freshly started program.

    `cannot` names the targets that cannot run the case, each with the reason. `locale` is the
    one the program is started in; every case has one, so no case depends on the machine's.
    """
    title: str
    steps: list
    cannot: dict = field(default_factory=dict)
    locale: Locale = US


def case(title, *steps, cannot=None, locale=US):
    flat = []
    for step in steps:
        if isinstance(step, list):
            flat.extend(step)
        else:
            flat.append(step)
    return Case(title, flat, cannot or {}, locale)


# Steps users take often.
def retype(control, new_text):
    """Clicks into the field, selects its whole text with the keyboard and types the new text."""
    return [click(control), key("Ctrl+A"), type_text(new_text) if new_text else key("Delete")]

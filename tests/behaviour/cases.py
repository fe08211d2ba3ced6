"""What a user of Dravello meets, written once and run on every target (run.py).

Each case starts from a freshly started program showing the start-up example: copper,
60 m, 0.51054 mm (0.20471 mm2), 0.350 A.
"""
from steps import (Locale, case, choose, choose_item, click, clipboard, close, come_back, context, description, drop,
                   dropped, enabled, exit_status, expect, focus, hover, if_running, key, leave, length,
                   menu_shown, name, open_context, open_list, open_menu, pick, retype, running, same, selection,
                   shows, text, tooltip, type_text, whole)

MOST = 65536  # the most UTF-16 units a field holds

NO_CONTEXT_MENU = "a page cannot open the browser's own context menu of a field, nor choose from it"
NO_TEXT_LAYOUT = "the simulated toolkit lays out no text in its fields"
NO_DROP_TARGET = "a Win32 edit control is no drop target: it takes no dragged text"
NO_DROP_ANSWER = ("a page reads dragged text only as it is dropped, after the browser has answered the source "
                  "(a copy, when the source allows one, so no source deletes what a field then refuses)")

# The captions' help texts, which the fields they caption are described by.
DIAMETER_HELP = ("AWG 24 = 0.51054 mm (cat5/cat5e)\nAWG 23 = 0.57404 mm\nAWG 22 = 0.64516 mm\nAWG 21 = 0.7239 mm\n"
                 "AWG 20 = 0.8128 mm\nAWG 19 = 0.91186 mm\nAWG 18 = 1.02362 mm")
AREA_HELP = ("AWG 24 = 0.205 mm2 (cat5/cat5e)\nAWG 23 = 0.258 mm2\nAWG 22 = 0.326 mm2\nAWG 21 = 0.410 mm2\n"
             "AWG 20 = 0.518 mm2\nAWG 19 = 0.635 mm2\nAWG 18 = 0.823 mm2")

START = [shows("PopupMenu1", "Copper"), shows("lenght", "60"), shows("diameter", "0.51054"),
         shows("areafld", "0.20471"), shows("current", "0.350"), shows("result", "Voltage drop = 1.795V"),
         shows("form", "Vd (20°C) = ( Length x Current x 0.0175 ) / Area")]

# The Edit menu's items as it opens over a field whose text is all selected, with text on
# the clipboard and nothing to undo; and over one with nothing selected.
ALL_SELECTED = "Undo=0;Cut=1;Copy=1;Paste=1;Delete=1;Select All=0"
NONE_SELECTED = "Undo=0;Cut=0;Copy=0;Paste=1;Delete=0;Select All=1"

CASES = []


def add(*args, **kwargs):
    CASES.append(case(*args, **kwargs))


# Start-up, the keyboard and screen readers.
add("The window opens on the start-up example with the focus on the material popup",
    START, expect(focus(), "PopupMenu1"))

add("Screen readers name each control after its caption and read the caption's help",
    expect(name("PopupMenu1"), "Conductor material"),
    expect(name("lenght"), "Total cable length (m)"),
    expect(name("diameter"), "Cable diameter (mm)"),
    expect(name("areafld"), "Cable area (mm2)"),
    expect(name("current"), "Current (A)"),
    expect(description("lenght"), "Total cable lenght, out and back."),
    # Read as words: a page's accessible description is one line.
    expect(description("diameter"), DIAMETER_HELP, how="words"),
    expect(description("areafld"), AREA_HELP, how="words"),
    expect(tooltip("Label1"), "Total cable lenght, out and back."),
    expect(tooltip("Label2"), DIAMETER_HELP), expect(tooltip("Label4"), AREA_HELP))

add("Tab and Shift+Tab walk the popup and the fields from top to bottom",
    key("Tab"), expect(focus(), "lenght"), key("Tab"), expect(focus(), "diameter"),
    key("Tab"), expect(focus(), "areafld"), key("Tab"), expect(focus(), "current"),
    key("Shift+Tab"), expect(focus(), "areafld"), key("Shift+Tab"), expect(focus(), "diameter"),
    key("Shift+Tab"), expect(focus(), "lenght"), key("Shift+Tab"), expect(focus(), "PopupMenu1"))

add("A field Tab enters has its whole text selected, a long one shown from its start",
    retype("lenght", "1" + "0" * 40), key("Tab"), key("Shift+Tab"),
    expect(focus(), "lenght"), expect(selection("lenght"), "41,0"))

add("A number too long for a field at its own size shows whole at a smaller one; a longer one scrolls",
    retype("diameter", "123456.7891"), expect(whole("diameter"), "yes"),
    shows("areafld", "1.197071e+10"), expect(whole("areafld"), "yes"),
    retype("diameter", "1" + "0" * 40), expect(whole("diameter"), "no"),
    cannot={"recording": NO_TEXT_LAYOUT})

add("The window activated again gives the focus back to the control that had it",
    leave(), come_back(), expect(focus(), "PopupMenu1"),
    click("areafld"), leave(), come_back(), expect(focus(), "areafld"),
    type_text("9"), expect(length("areafld"), "8"))

# The calculation, by key, by menu and by mouse.
add("Typing a diameter fills in the area and the result follows",
    retype("diameter", "1"), shows("areafld", "0.7853982"), shows("result", "Voltage drop = 0.468V"),
    retype("lenght", "100"), retype("current", "10"), shows("result", "Voltage drop = 22.282V"))

add("Typing an area fills in the diameter and the result follows",
    retype("areafld", "1"), shows("diameter", "1.128379"), shows("result", "Voltage drop = 0.368V"))

add("Each material picked by keyboard gives its formula and result",
    key("Down"), shows("PopupMenu1", "Aluminium"), shows("result", "Voltage drop = 2.872V"),
    shows("form", "Vd (20°C) = ( Length x Current x 0.028 ) / Area"),
    key("Down"), shows("result", "Voltage drop = 2.359V"), key("Down"), shows("result", "Voltage drop = 1.641V"),
    key("Down"), shows("result", "Voltage drop = 10.053V"), key("Down"), shows("PopupMenu1", "Lead"),
    shows("result", "Voltage drop = 22.671V"), key("Home"), shows("result", "Voltage drop = 1.795V"))

add("A material picked with the mouse gives its result",
    pick("PopupMenu1", "Iron"), shows("PopupMenu1", "Iron"), shows("result", "Voltage drop = 10.053V"),
    shows("form", "Vd (20°C) = ( Length x Current x 0.098 ) / Area"))

add("A diameter pasted from the Edit menu converts at once",
    clipboard("77"), click("diameter"), key("Ctrl+A"), choose("Edit", "Paste", "mouse"),
    shows("diameter", "77"), shows("areafld", "4656.626"), shows("result", "Voltage drop = 0V"))

add("An area too large for any number gives an infinite diameter, which reads back as infinite",
    retype("areafld", "1e400"), shows("diameter", "INF"), shows("result", "Voltage drop = 0V"),
    retype("diameter", "-1e400"), shows("areafld", "INF"), shows("result", "Voltage drop = 0V"))

add("Text that is no number reads as zero and the result says so",
    retype("diameter", "abc"), shows("areafld", "0"), shows("result", "Voltage drop = INFV"),
    retype("current", ""), shows("result", "Voltage drop = NANV"))

# Numbers as the user writes them: where the platform's decimal separator is a comma, a field
# reads it beside the point, and what the program writes has it.
for tag in ("de-DE", "fr-FR", "ru-RU"):
    add(f"In {tag} a field reads a decimal comma or point, and the program writes the comma",
        shows("form", "Vd (20°C) = ( Length x Current x 0,0175 ) / Area"), shows("result", "Voltage drop = 1,795V"),
        retype("areafld", "2,5"), shows("diameter", "1,784124"), shows("result", "Voltage drop = 0,147V"),
        retype("diameter", "1.5"), shows("areafld", "1,767146"), shows("result", "Voltage drop = 0,208V"),
        locale=Locale(tag, ","))

add("In en-US a comma ends the number that a field reads",
    retype("areafld", "2,5"), shows("diameter", "1.595769"), shows("result", "Voltage drop = 0.184V"))


# Every editing command by each way of giving it: the menu by mouse and by keyboard, the
# shortcut, and the field's own context menu; the menus show, as they open, what applies.
def edit_by(way, command, shown=None):
    if way == "shortcut":
        return [key({"Undo": "Ctrl+Z", "Cut": "Ctrl+X", "Copy": "Ctrl+C", "Paste": "Ctrl+V",
                     "Select All": "Ctrl+A"}[command])]
    opened = open_context(edit_by.field) if way == "context" else open_menu("Edit", way)
    steps = [opened]
    if shown is not None:
        steps.append(expect(menu_shown(), shown))
    steps.append(choose_item(command, "mouse" if way == "context" else way))
    return steps


def editing_case(way, cannot=None):
    # A key released in the diameter converts it: by keyboard and by shortcut, the area the
    # paste replaces, and the undo gives back, is the converted one.
    def on(field, command, shown=None):
        edit_by.field = field
        return edit_by(way, command, shown)

    add(f"Undo, Cut, Copy, Paste, Delete and Select All by {way}, each as the menus show it",
        clipboard("77"),
        click("diameter"), on("diameter", "Select All", NONE_SELECTED), expect(selection("diameter"), "0,7"),
        on("diameter", "Copy", ALL_SELECTED),
        click("areafld"), key("End"), on("areafld", "Select All", NONE_SELECTED),
        on("areafld", "Paste", ALL_SELECTED), shows("areafld", "0.51054"), shows("diameter", "0.8062504"),
        expect(focus(), "areafld"),
        on("areafld", "Undo", "Undo=1;Cut=0;Copy=0;Paste=1;Delete=0;Select All=1"),
        shows("areafld", "0.20471" if way in ("mouse", "context") else "0.2047149"),
        click("current"), on("current", "Select All"), on("current", "Cut", ALL_SELECTED),
        shows("current", ""), shows("result", "Voltage drop = 0V"),
        click("lenght"), on("lenght", "Select All"),
        [] if way == "shortcut" else on("lenght", "Delete", ALL_SELECTED),
        [] if way == "shortcut" else shows("lenght", ""),
        [] if way == "shortcut" else on("lenght", "Paste", "Undo=1;Cut=0;Copy=0;Paste=1;Delete=0;Select All=0"),
        [] if way == "shortcut" else shows("lenght", "0.350"),
        cannot=cannot)


editing_case("mouse")
editing_case("keyboard")
editing_case("shortcut")
editing_case("context", cannot={"web": NO_CONTEXT_MENU})

add("Edit > Paste by keyboard replaces the selection the field had",
    retype("diameter", "4"), clipboard("77"), click("diameter"), key("Ctrl+A"),
    choose("Edit", "Paste", "keyboard"), shows("diameter", "77"), shows("areafld", "4656.626"))

add("The Edit menu opened by keyboard shows what applies and Escape gives the focus back",
    click("current"), key("Ctrl+A"), clipboard("77"), open_menu("Edit", "keyboard"),
    expect(menu_shown(), ALL_SELECTED), key("Escape"), key("Escape"), expect(menu_shown(), ""),
    expect(focus(), "current"), choose("Edit", "Delete", "keyboard"), shows("current", ""),
    expect(focus(), "current"))


# The bound: a field holds at most MOST units; an edit past it is refused whole, never cut.
# A one-line field takes a pasted or dropped text with each line break as one space. The
# shortcuts' keys are released in the field, which converts it.
def at_most(units, line_break):
    """A number of `units` units once its line break (in the middle) is a space; without one, a
    digit stands there."""
    half = units // 2
    return "1" + "0" * (half - 2) + (line_break or "0") + "0" * (units - half)


for line_break, called in (("", "none"), ("\n", "LF"), ("\r", "CR"), ("\r\n", "CRLF")):
    add(f"A paste past the bound is refused whole and one at it is taken (line break: {called})",
        click("diameter"), key("Ctrl+A"),
        clipboard(at_most(MOST + 1, line_break)), key("Ctrl+V"),
        shows("diameter", "0.51054"), shows("areafld", "0.2047149"), expect(running(), "yes"),
        clipboard(at_most(MOST, line_break)), key("Ctrl+V"),
        expect(length("diameter"), str(MOST)), expect(text("diameter"), "1000", how="startswith"),
        key("Ctrl+Z"), shows("diameter", "0.51054"))

add("A paste past the bound from a menu is refused whole, from either menu",
    click("areafld"), key("Ctrl+A"), clipboard("2" * (MOST + 1)),
    choose("Edit", "Paste", "mouse"), shows("areafld", "0.20471"),
    open_context("areafld"), choose_item("Paste", "mouse"), shows("areafld", "0.20471"),
    shows("diameter", "0.5105339"),
    cannot={"web": NO_CONTEXT_MENU})

add("A key typed into a full field is refused",
    click("lenght"), key("Ctrl+A"), clipboard("1" * MOST), key("Ctrl+V"), expect(length("lenght"), str(MOST)),
    key("End"), type_text("5"), expect(length("lenght"), str(MOST)), expect(text("lenght"), "11111", how="endswith"))

add("A drop past the bound is refused whole; one within it is taken, its line break as a space",
    drop("diameter", "1" * (MOST + 1)), shows("diameter", "0.51054"), shows("areafld", "0.20471"),
    drop("current", "2\r\n"), expect(length("current"), "7"), expect(text("current"), "2 ", how="contains"),
    cannot={"wine": NO_DROP_TARGET})

add("A refused drop tells its source that nothing was taken",
    drop("diameter", "1" * (MOST + 1)), expect(dropped(), "refused"),
    drop("current", "2"), expect(dropped(), "taken"),
    cannot={"wine": NO_DROP_TARGET, "web": NO_DROP_ANSWER})

# A result too long for its line, at any platform's font: each key gives a new number.
def drop_of(zeros):
    return {40: "51290846846847476916084217702091298177024", 41: "512908468468474749818029063186846186471424",
            42: "5129084684684747343437785721195927502323712"}[zeros]


def whole(zeros):
    return f"Voltage drop = {drop_of(zeros)}V"


add("A result too long for its line is cut, and its tooltip and name say it whole after every key",
    retype("current", "1" + "0" * 40), expect(text("result"), "\u2026", how="endswith"),
    expect(text("result"), "Voltage drop = ", how="startswith"),
    expect(tooltip("result"), whole(40)), expect(name("result"), whole(40)),
    type_text("0"), expect(name("result"), whole(41)), expect(tooltip("result"), whole(41)),
    type_text("0"), expect(name("result"), whole(42)), expect(tooltip("result"), whole(42)),
    key("Backspace"), key("Backspace"), expect(name("result"), whole(40)),
    retype("current", "1"), shows("result", "Voltage drop = 5.129V"), expect(tooltip("result"), ""),
    expect(name("result"), "Voltage drop = 5.129V"))


# Ending: closed as the window manager asks, by File > Exit, and in odd states, where a close
# request either ends the program with status 0 or changes nothing, so the next one works.
add("Closing the window ends the program with status 0", close(), expect(exit_status(), "0"))

add("File > Exit by mouse ends the program with status 0", choose("File", "Exit", "mouse"),
    expect(exit_status(), "0"))

add("File > Exit by keyboard ends the program with status 0", choose("File", "Exit", "keyboard"),
    expect(exit_status(), "0"))


def closing_in(title, *opened, cannot=None):
    add(f"A close request with {title} open ends the program or leaves it whole",
        *opened, close(),
        if_running(key("Escape"), retype("diameter", "1"), shows("areafld", "0.7853982"), close()),
        expect(exit_status(), "0"), cannot=cannot)


closing_in("a menu of the bar", click("diameter"), open_menu("Edit", "mouse"))
closing_in("a field's context menu", open_context("diameter"), cannot={"web": NO_CONTEXT_MENU})
closing_in("the popup's list", open_list("PopupMenu1"))
closing_in("a tooltip", hover("Label2"))

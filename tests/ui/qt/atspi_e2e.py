"""Reads the running program through AT-SPI, as a screen reader would, and drives it with real
X input events (xdotool) as a user would: names and roles in both caption languages, no hidden
field exposed, a click into the placeholder and typing, Calculate pressed with the keyboard, a
double-click on the ruler, a locator pasted from the clipboard with its line break, and a flag
pressed through its accessible action."""
import subprocess
import sys
import time

import pyatspi

TITLE = "Tarvolin utility 1.1 - QZ9XQW"


def wait_for(what, probe, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    sys.exit(f"FAIL: timed out waiting for {what}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "tarvolin" and app.childCount > 0:
            return app
    return None


def controls(app):
    """Every accessible below the application: (role name, accessible name, accessible)."""
    found = []

    def walk(node):
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None:
                continue
            found.append((child.getRoleName(), child.name, child))
            walk(child)

    walk(app)
    return found


def find(app, name, role=None):
    for role_name, accessible_name, accessible in controls(app):
        if accessible_name == name and (role is None or role_name == role):
            return accessible
    return None


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    expect("Press" in names, f"{accessible.name!r} has no press action; it has {names}")
    action.doAction(names.index("Press"))


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def expect(condition, message):
    if not condition:
        sys.exit(f"FAIL: {message}")


app = wait_for("the program on the accessibility bus", application)
wait_for("the window's controls", lambda: find(app, "Calcola", "push button"))
all_names = {(role, name) for role, name, _ in controls(app)}

for name, role in [("Locatore 1", "text"), ("Locatore 2", "text"), ("Puntamento", "text"), ("Km", "text"),
                   ("Calcola", "push button"), ("Esci", "push button"), ("English", "radio button"),
                   ("Italiano", "radio button"), ("Km/miglia", "push button"), ("Bussola", "image")]:
    expect(find(app, name, role) is not None, f"no {role} named {name!r}; seen {sorted(all_names)}")
expect(checked(find(app, "Italiano")) and not checked(find(app, "English")), "the Italian flag is not the one checked")
expect(text_of(find(app, "Locatore 1", "text")) == "JN61FV", "home locator not read back")
texts = [text_of(a) for role, _, a in controls(app) if role == "text"]
for hidden in ("Text2", "Text4", "Text7", "Text8"):
    expect(hidden not in texts, f"hidden field {hidden} is exposed")
expect(len(texts) == 4, f"expected the four shown fields, found {len(texts)}")

window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + TITLE + "$"],
                        check=True, capture_output=True, text=True).stdout.split()[0]
# A click into the second field, which shows the placeholder "...": what is typed replaces it.
# Text5 is at (336, 56), 81 x 25; the ruler at (360, 243), 103 x 33.
xdotool("mousemove", "--window", window, "376", "68", "click", "1")
xdotool("type", "--window", window, "--delay", "20", "jn45ll")
wait_for("the typed locator", lambda: text_of(find(app, "Locatore 2", "text")) == "JN45LL")
# Calculate by the keyboard: two Tabs from the second field, then the keypad's Enter.
xdotool("key", "--window", window, "--delay", "50", "Tab", "Tab", "KP_Enter")
bearing = wait_for("the bearing", lambda: text_of(find(app, "Puntamento", "text")) == " 326" and " 326")
distance = text_of(find(app, "Km", "text"))
expect(distance == " 487", f"distance read back as {distance!r}")

# A double-click on the ruler converts once.
xdotool("mousemove", "--window", window, "410", "260", "click", "--repeat", "2", "--delay", "60", "1")
wait_for("the distance in miles", lambda: find(app, "Miglia", "text"))
time.sleep(0.3)
miles = text_of(find(app, "Miglia", "text"))
expect(miles == "302", f"a double-click on the ruler left {miles!r}, not one conversion (302)")

# A locator pasted with the line break it was copied with, from the X clipboard: the field takes
# the first line, and the completed locator lets Enter calculate.
subprocess.run(["xclip", "-selection", "clipboard"], input="io91wm\r\nsecond line\n", text=True, check=True)
xdotool("mousemove", "--window", window, "376", "68", "click", "1")
xdotool("key", "--window", window, "--delay", "50", "ctrl+a", "ctrl+v")
wait_for("the pasted locator", lambda: text_of(find(app, "Locatore 2", "text")) == "IO91WM")
xdotool("key", "--window", window, "Return")
pasted_bearing = wait_for("the bearing to the pasted locator",
                          lambda: text_of(find(app, "Puntamento", "text")) == " 323" and " 323")

press(find(app, "English"))
wait_for("English names", lambda: find(app, "Locator 1", "text") and find(app, "Km/miles"))
expect(find(app, "Calculate", "push button") is not None, "Calculate button not renamed")
expect(checked(find(app, "English")) and not checked(find(app, "Italiano")), "the English flag is not the one checked")
expect(text_of(find(app, "Bearing", "text")) == " 323", "bearing lost after the language switch")
print(f"PASS: read bearing {bearing.strip()} and distance {distance.strip()} km through AT-SPI; "
      "names, roles and the chosen flag follow the caption language; hidden fields not exposed; "
      "placeholder replaced by typing; Enter on Calculate; a double-click is one click; "
      "a pasted locator's line break left out")

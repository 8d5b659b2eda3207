#!/usr/bin/python3
# The built program under an X server and a D-Bus session of its own, with no window manager and
# under openbox, driven by real X11 keys and clicks and by assistive actions, read back through
# AT-SPI as assistive technology reads it and through the window properties a taskbar reads;
# then natively on Wayland under weston, worked through AT-SPI alone.
# Usage: end_to_end.py HOURVAULT [FOLDER], FOLDER for the screenshots.
import contextlib
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import warnings
from pathlib import Path

# What it runs on, all from the test tools' packages.
missing = [tool for tool in ("Xvfb", "dbus-daemon", "/usr/libexec/at-spi-bus-launcher", "openbox",
                             "xdotool", "xprop", "import", "weston", "weston-screenshooter")
           if shutil.which(tool) is None]
try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib  # noqa: E402
except (ImportError, ValueError):
    missing.append("python3-gi with Atspi 2.0")
if missing:
    sys.exit(f"end_to_end needs {', '.join(missing)}: install the test tools with: "
             "scripts/setup tests")

Role, State, Relation = Atspi.Role, Atspi.StateType, Atspi.RelationType
# An action's own name, not the localized one, is what is looked for: a deprecated read, still.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name", DeprecationWarning)
# Each list, in the order Calculate checks them: the name its frame gives it, its typical choice.
LISTS = {"cameras": ("Number of Cameras", "8"), "resolution": ("Resolution", "720 x 240 (2CIF)"),
         "quality": ("Picture Quality", "Q4 (13KB)"),
         "rate": ("Recording Rate (images per second)", "7"),
         "audio": ("Audio Recording", "No Audio"), "disk": ("Hard Disk Size", "500 GB")}
# What each shows while nothing is chosen, and what Calculate says of it then, as every test
# expects them.
EXPECTED = (Path(__file__).parents[1] / "expected_texts.h").read_text()
PROMPTS = dict(zip(LISTS, re.findall(r'"(< select [^"]*>)"', EXPECTED)))
MISSING = dict(zip(LISTS, re.findall(r'"(You must select [^"]*)"', EXPECTED)))
TYPICAL = {key: choice for key, (_, choice) in LISTS.items()}
RESULTS = {"Recording time in hours": "200.05", "Recording time in days": "8.3"}
BLANK = dict.fromkeys(RESULTS, "")
# Each glossary term and the first words of the explanation it labels.
TERMS = {"# of Cameras :": "This is the number of cameras",
         "Resolution :": "This represents the size of the",
         "Picture Quality :": "This is the setting that controls",
         "Recording Rate :": "This is the number of images",
         "Audio Quality :": "This is the sampling rate of",
         "HDD Size :": "Ostrel DVRs work with hard disk"}
started = []  # what is still to stop, each in a process group of its own with what it starts


def start(*command, **options):
    started.append(subprocess.Popen(command, start_new_session=True, **options))
    return started[-1]


def stop(keep=0):
    while len(started) > keep:
        process = started.pop()
        for sig in (signal.SIGTERM, signal.SIGKILL):
            if process.poll() is None:
                os.killpg(process.pid, sig)
                with contextlib.suppress(subprocess.TimeoutExpired):
                    process.wait(5)


def serve(*command):  # a server that prints, once ready, where to reach it
    server = start(*command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return server.stdout.readline().strip() or sys.exit(f"{command[0]} did not start")


def expect(what, probe, wanted=None):  # polls for wanted: one of a set; anything true if None
    seen, deadline = None, time.monotonic() + 10
    while time.monotonic() < deadline:
        with contextlib.suppress(GLib.Error):  # a window that goes under a read: no answer yet
            seen = probe()
            if seen if wanted is None else seen in (wanted if type(wanted) is set else [wanted]):
                return seen
        time.sleep(0.02)
    raise AssertionError(f"{what}: {seen!r}, not {wanted!r}")


def descendants(node, role):
    for child in children(node):
        yield from [child] if child.get_role() == role else []
        yield from descendants(child, role)


xdo = lambda *args: subprocess.run(["xdotool", *map(str, args)], check=True,
                                   capture_output=True).stdout
# Reading through AT-SPI. A name is heard as a screen reader says it: a run of spaces, one pause.
children = lambda node: list(filter(None, map(node.get_child_at_index,
                                              range(node.get_child_count()))))
named = lambda node, role: {child.get_name(): child for child in descendants(node, role)}
has = lambda node, state: node.get_state_set().contains(state)
heard = lambda node, words=None: " ".join(node.get_name().split()[:words])
text = lambda node, start=0, end=-1: Atspi.Text.get_text(node, start, end)
targets = lambda node, relation: [r.get_target(i) for r in node.get_relation_set()
                                  if r.get_relation_type() == relation
                                  for i in range(r.get_n_targets())]


def click(node, right=None, button=1, repeat=1):  # its middle, or this far from its right edge
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    x = box.x + (box.width - right if right else box.width // 2)
    xdo("mousemove", "--sync", x, box.y + box.height // 2, "click", "--repeat", repeat, button)


def on_the_bus(process):  # the program's application on the accessibility bus
    return expect("the program on the accessibility bus", lambda: next(
        (a for a in children(Atspi.get_desktop(0)) if a.get_process_id() == process.pid), None))


def says(box):  # the texts a box shows, as a screen reader says them
    return [heard(label) for label in descendants(box, Role.LABEL) if has(label, State.SHOWING)]


def controls(main):  # the lists by the frames that label them, the result boxes and buttons
    found = {heard(label): combo for combo in descendants(main, Role.COMBO_BOX)
             for label in targets(combo, Relation.LABELLED_BY)}
    boxes, buttons = named(main, Role.TEXT), named(main, Role.PUSH_BUTTON)
    expect("the lists, result boxes and buttons",
           lambda: [sorted(found), sorted(boxes), sorted(buttons)],
           [sorted(label for label, _ in LISTS.values()), ["", *sorted(RESULTS)],
            ["Calculate", "Clear"]])
    return {key: found[label] for key, (label, _) in LISTS.items()}, boxes, buttons


def act(node, action):  # as an assistive tool does, without keys or mouse
    Atspi.Action.do_action(node, next(i for i in range(Atspi.Action.get_n_actions(node))
                                      if Atspi.Action.get_action_name(node, i) == action))


# A window a taskbar lists as the program's: of the normal kind, transient for none, with the
# program's icon and the class that ties it to the launcher.
LISTED_WINDOW = {
    "kind": "_NET_WM_WINDOW_TYPE = _NET_WM_WINDOW_TYPE_NORMAL", "listed": True,
    "owner": "WM_TRANSIENT_FOR:  not found.", "icon": True,
    "class": next(line.split("=")[1] for line in next(
        (Path(__file__).parents[2] / "assets").glob("*.desktop")).read_text().splitlines()
                  if line.startswith("StartupWMClass="))}


def taskbar_view(title, wm):  # what a taskbar reads of a window of the program
    found = lambda name, *only: xdo("search", *only, "--name", f"^{name}$").split()[0].decode()
    prop = lambda window, name: subprocess.run(
        ["xprop", "-notype", *(["-root"] if window == "root" else ["-id", window]), name],
        capture_output=True, text=True).stdout.strip()
    window, main = found(title, "--onlyvisible"), found("OSTREL  Hourvault")
    listed = not wm or int(window) in [int(w, 16) for w in prop(
        "root", "_NET_CLIENT_LIST").split("#")[-1].split(",")]
    return {"kind": prop(window, "_NET_WM_WINDOW_TYPE"), "owner": prop(window, "WM_TRANSIENT_FOR"),
            "class": prop(window, "WM_CLASS").split(", ")[-1].strip('"'), "listed": listed,
            "icon": prop(window, "_NET_WM_ICON") == prop(main, "_NET_WM_ICON") != ""}


def close_as_window_manager(title):  # by the WM_DELETE_WINDOW client message
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    window = int(xdo("search", "--onlyvisible", "--name", f"^{title}$").split()[0])
    atom = lambda name: x11.XInternAtom(display, name, 0)
    # An XClientMessageEvent as longs: type, serial, sent, display, window, type, format, data.
    x11.XSendEvent(display, window, 0, 0, (ctypes.c_long * 24)(
        33, 0, 0, 0, window, atom(b"WM_PROTOCOLS"), 32, atom(b"WM_DELETE_WINDOW")))
    x11.XCloseDisplay(display)


def run(program, shot, wm):
    keys = lambda *names: xdo("key", *names)
    if wm:
        start(wm, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        expect("the window manager", lambda: subprocess.run(
            ["xdotool", "get_num_desktops"], capture_output=True).returncode, 0)
    process = start(program)
    app = on_the_bus(process)
    window = lambda title: next(
        (w for w in children(app) if w.get_name() == title and has(w, State.SHOWING)), None)

    def opened(title):  # shown, read as a window, every picture named
        win = expect(f"the {title} window", lambda: window(title))
        expect(f"the role of {title}", win.get_role_name, {"dialog", "window", "frame"})
        expect(f"a picture without a name in {title}", lambda: "" in named(win, Role.IMAGE), False)
        return win

    def activate(win, spot):  # a window manager brings it forward; with none, the user clicks
        if not wm and not has(win, State.ACTIVE):
            click(spot)
        expect(f"{win.get_name()} active", lambda: has(win, State.ACTIVE), True)

    def drop_down(key, entry):  # opened by its arrow; gives the entry once it shows
        click(lists[key], right=8)
        return expect(f"{entry} in its drop-down", lambda: has(lists[key], State.EXPANDED)
                      and named(lists[key], Role.LIST_ITEM).get(entry))

    def type_in(key, typed):
        xdo("type", typed)
        expect(f"{typed} typed into {key}", lambda: choice(key), typed)

    def menu(title, item):  # opened by a click on its title; gives the item once it shows
        items = named(main, Role.MENU_ITEM)
        click(items[title])
        expect(f"the {title} menu open", lambda: has(items[item].get_parent(), State.SHOWING),
               True)
        return items[item]

    def missing(key):  # the Missing Data box, once it shows asking for that list
        box = expect("the Missing Data box", lambda: window("Missing Data"))
        expect("the Missing Data text", lambda: says(box), [" ".join(MISSING[key].split())])
        return box

    def answer(box):
        activate(box, box)
        keys("Return")
        expect("the Missing Data box closed", lambda: window("Missing Data") is None, True)

    main = opened("OSTREL  Hourvault")
    logo = named(main, Role.IMAGE)["Ostrel logo"]
    lists, boxes, buttons = controls(main)
    choice = lambda key: text(named(lists[key], Role.TEXT)[""])
    choices = lambda: {key: choice(key) for key in lists}
    results = lambda: {name: text(boxes[name]) for name in RESULTS}
    as_left = lambda: (choices(), results(), has(buttons["Clear"], State.FOCUSED))
    video_format = lambda: sorted(named(main, Role.LABEL).keys() & {"NTSC", "PAL"})
    expect("the start", lambda: (video_format(), choices()), (["NTSC"], PROMPTS))
    activate(main, logo)
    shot("1-start")

    # The typical request. Along the focus order from Calculate (Clear, audio, rate, cameras, disk)
    # by keys; resolution, quality and rate by mouse. A drop-down takes a release at once once the
    # pointer has moved from the opening click, as it does on its way to the entry.
    keys("Tab", "Tab", "Down", "Tab", "Tab", *["Down"] * 8, "Tab", "Down", "Down")
    expect("the lists set by keys", lambda: [choice(key) for key in ("audio", "cameras", "disk")],
           ["No Audio", "8", "500 GB"])
    for key in ("resolution", "quality", "rate"):
        click(drop_down(key, TYPICAL[key]))
        expect(f"{key} picked", lambda: (choice(key), has(lists[key], State.EXPANDED)),
               (TYPICAL[key], False))
    click(buttons["Calculate"])
    expect("the typical request", lambda: (choices(), results()), (TYPICAL, RESULTS))
    shot("2-typical")
    # A wheel turn over a list without the focus changes nothing. The Tab is handled after it, so
    # once Clear has the focus the wheel has been handled too.
    click(lists["disk"], button=5, repeat=2)
    keys("Tab")
    expect("after the wheel", as_left, (TYPICAL, RESULTS, True))

    # Each glossary term labels its explanation, which is labelled by it in turn.
    keys("ctrl+g")
    glossary = opened("Glossary of Terms")
    expect("each glossary term and what it labels", lambda: {
        heard(term): heard(explanation, 6) for term in descendants(glossary, Role.LABEL)
        for explanation in targets(term, Relation.LABEL_FOR)
        if heard(term) in map(heard, targets(explanation, Relation.LABELLED_BY))}, TERMS)
    shot("3-glossary")
    # With the main window hidden, the Glossary is the program's only window: a taskbar must
    # list it, which it does not for a window transient for another.
    expect("the Glossary as a taskbar sees it", lambda: taskbar_view("Glossary of Terms", wm),
           LISTED_WINDOW)
    if wm:
        activate(glossary, glossary)
        keys("alt+F4")
    else:
        close_as_window_manager("Glossary of Terms")
    expect("the Glossary closed", lambda: window("Glossary of Terms") is None, True)
    activate(main, logo)
    expect("the main window back as it was", as_left, (TYPICAL, RESULTS, True))

    # A menu command by the menu bar's keys is no leaving of the list: "89" stays typed. Through
    # the menu bar to Calculate it is: the list is checked before the message, so the typed "89"
    # gives way to the prompt and the results go.
    click(named(lists["cameras"], Role.TEXT)[""])
    keys("End", "9")
    expect("9 typed after the 8", lambda: choice("cameras"), "89")
    keys("alt", "Right", "Right", "Right", "Down", "Return")
    glossary = opened("Glossary of Terms")
    activate(glossary, glossary)
    keys("Return")
    activate(main, logo)
    expect("the Glossary by keys, and back", lambda: (choice("cameras"), results()),
           ("89", RESULTS))
    model = menu("Model", "TX-4090 (9 channel)")
    keys("Escape")
    expect("the Model menu closed", lambda: has(model.get_parent(), State.SHOWING), False)
    click(buttons["Calculate"])
    message = missing("cameras")
    expect("the cameras list checked first", lambda: (choice("cameras"), results()),
           (PROMPTS["cameras"], BLANK))
    answer(message)
    if wm:
        activate(main, logo)
    keys(*["Down"] * 8, "shift+Tab", "Down")  # the cameras, then the rate list they rebuilt
    expect("8 cameras and 7 a second picked again", choices, TYPICAL)

    # As an assistive tool works: a press acts as a click does, text it sets while no one types
    # in the list is checked at once, and nothing gets past the Missing Data box.
    act(buttons["Calculate"], "Press")
    expect("Calculate pressed by its action", results, RESULTS)
    disk = named(lists["disk"], Role.TEXT)[""]
    Atspi.EditableText.set_text_contents(disk, "1 TB")
    expect("a text set in the disk list", lambda: (choice("disk"), results()),
           (PROMPTS["disk"], BLANK))
    click(disk)
    keys("ctrl+a")
    type_in("disk", "500 GBx")
    act(buttons["Calculate"], "Press")
    message = missing("disk")
    expect("the disk list checked before the press", lambda: choice("disk"), PROMPTS["disk"])
    act(buttons["Calculate"], "Press")
    act(named(main, Role.MENU_ITEM)["Glossary"], "Press")
    time.sleep(0.3)  # a press lands 100 ms after its action; nothing may come of it
    expect("one box, and no Glossary under it", lambda: sorted(
        w.get_name() for w in children(app) if has(w, State.SHOWING)),
           ["Missing Data", "OSTREL  Hourvault"])
    answer(message)
    if wm:
        activate(main, logo)

    # Ctrl+C, the program's Clear: with a drop-down open, it closes that and resets all; and
    # while typing in a list (Tab from disk to resolution selects its prompt).
    drop_down("disk", "1 TB")
    shot("4-drop-down")
    keys("ctrl+c")
    expect("Ctrl+C with a drop-down open", lambda: (has(lists["disk"], State.EXPANDED), choices(),
           results()), (False, PROMPTS, BLANK))
    activate(main, logo)
    keys("Tab")
    type_in("resolution", "720")
    keys("ctrl+c")
    expect("Ctrl+C while typing", choices, PROMPTS)

    # A typed camera count is no choice: leaving the list brings its prompt back, and Calculate
    # asks for the cameras.
    keys("shift+Tab", "shift+Tab")
    type_in("cameras", "5")
    keys("Tab")
    expect("the cameras list after Tab", lambda: choice("cameras"), PROMPTS["cameras"])
    click(buttons["Calculate"])
    message = missing("cameras")
    shot("5-missing-data")
    answer(message)
    # The box hands the focus to the cameras list, its prompt selected, so typing replaces it.
    # With no window manager to give the window back, the keys go to the window under the mouse.
    if wm:
        activate(main, logo)
    field = named(lists["cameras"], Role.TEXT)[""]
    selection = lambda: Atspi.Text.get_selection(field, 0)
    expect("the cameras prompt selected", lambda: text(
        field, selection().start_offset, selection().end_offset), PROMPTS["cameras"])
    type_in("cameras", "3")

    click(menu("Format", "PAL"))
    expect("the window in PAL", lambda: (video_format(), choices()), (["PAL"], PROMPTS))
    shot("6-pal")
    # A double-click on an entry that lies over Calculate picks the entry and presses nothing:
    # the drop-down closes on the first click, and the second falls on Calculate.
    boxes_on_screen = [Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
                       for node in (drop_down("cameras", "16"), buttons["Calculate"])]
    left, top = (max(getattr(box, side) for box in boxes_on_screen) for side in ("x", "y"))
    right, bottom = (min(box.x + box.width for box in boxes_on_screen),
                     min(box.y + box.height for box in boxes_on_screen))
    assert left < right and top < bottom, "no entry of the drop-down lies over Calculate"
    xdo("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2,
        "click", "--repeat", 2, "--delay", 80, 1)
    expect("16 picked by a double-click", lambda: choice("cameras"), "16")
    time.sleep(0.3)  # the second click's press and release; nothing may come of them
    expect("no Missing Data box under the double-click", lambda: window("Missing Data") is None,
           True)
    click(menu("Help", "About 'Hourvault'"))
    about = opened("About this program...")
    activate(about, named(about, Role.IMAGE)["Ostrel brand logo"])
    shot("7-about")
    expect("About as a taskbar sees it", lambda: taskbar_view("About this program...", wm),
           LISTED_WINDOW)
    keys("Return")
    activate(main, logo)
    keys("alt+F4" if wm else "ctrl+x")  # the window closed from the window manager, or Exit
    expect("the exit status", process.poll, 0)


# Only for the Wayland run: with WAYLAND_DISPLAY set the accessibility registry keeps no X
# connection, and Xvfb, once it has no client left between two X11 set-ups, resets. Full stacks
# under the sanitizers, for tests/leaks.supp to know Qt's Wayland platform by them.
wayland = lambda: {key: value for key, value in os.environ.items() if key != "DISPLAY"} | {
    "WAYLAND_DISPLAY": "wayland-hourvault", "QT_QPA_PLATFORM": "wayland",
    "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0"}


def run_on_wayland(program, shot):  # natively under weston, with no X: read and pressed by AT-SPI
    # This compositor has no seat: no keys or clicks, and no drop-down, whose opening would crash
    # Qt 6.4's Wayland plugin. With no animations each picture shows the windows as they stand.
    runtime, socket = Path(os.environ["XDG_RUNTIME_DIR"]), wayland()["WAYLAND_DISPLAY"]
    (runtime / "weston.ini").write_text("[shell]\nstartup-animation=none\nclose-animation=none\n")
    start("weston", "--backend=headless-backend.so", "--use-pixman", "--scale=2", "--debug",
          "--width=1024", "--height=768", f"--config={runtime / 'weston.ini'}",
          f"--socket={socket}", stderr=subprocess.DEVNULL)
    expect("weston's socket", (runtime / socket).is_socket, True)
    process = start(program, env=wayland())
    app = on_the_bus(process)
    shown = lambda title: [w for w in children(app)
                           if w.get_name() == title and has(w, State.SHOWING)]
    window = lambda title: expect(f"the {title} window", lambda: shown(title))[0]
    closed = lambda title: expect(f"the {title} window closed", lambda: shown(title), [])

    main = window("OSTREL  Hourvault")
    lists, boxes, buttons = controls(main)
    as_left = lambda: [text(named(lists[key], Role.TEXT)[""]) for key in LISTS
                       ] + [text(boxes[name]) for name in RESULTS]
    expect("the start", as_left, [*PROMPTS.values(), "", ""])
    shot("1-start")

    act(buttons["Calculate"], "Press")  # returns at once: the click comes 100 ms later
    message = window("Missing Data")
    expect("the Missing Data alert and its text", lambda: [message.get_role_name(), *says(message)],
           ["alert", " ".join(MISSING["cameras"].split())])
    shot("2-missing-data")
    act(named(message, Role.PUSH_BUTTON)["OK"], "Press")
    closed("Missing Data")

    act(named(main, Role.MENU_ITEM)["Glossary"], "Press")  # Help > Glossary: the main window hides
    glossary = window("Glossary of Terms")
    closed("OSTREL  Hourvault")
    shot("3-glossary")
    act(named(glossary, Role.PUSH_BUTTON)["OK"], "Press")
    closed("Glossary of Terms")
    window("OSTREL  Hourvault")
    expect("the main window back as it was", as_left, [*PROMPTS.values(), "", ""])
    shot("4-back")
    with contextlib.suppress(GLib.Error):  # File > Exit: the program may end before it answers
        act(named(main, Role.MENU_ITEM)["Exit"], "Press")
    expect("the exit status", process.poll, 0)


def shoot_on_wayland(path):  # weston's shooter names the picture itself, in the folder it runs in
    with tempfile.TemporaryDirectory(dir=path.parent) as folder:
        subprocess.run(["weston-screenshooter"], cwd=folder, check=True, env=wayland())
        next(Path(folder).glob("*.png")).replace(path)


def main():
    program = Path(sys.argv[1]).resolve()
    shots = Path(sys.argv[2] if len(sys.argv) > 2 else program.parents[1] / "end_to_end")
    shots.mkdir(parents=True, exist_ok=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))  # and so stop all it started
    # With no display at all: one line that says why, and status 1, not a core dump.
    ended = subprocess.run([program], capture_output=True, text=True, timeout=30, env={
        key: value for key, value in os.environ.items()
        if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")})
    failed = int((ended.returncode, len(ended.stderr.splitlines())) != (1, 1))
    print(f"no display: {'FAILED' if failed else 'passed'}, status {ended.returncode}: "
          f"{ended.stderr.strip()}")
    # Runtime files, settings and caches in a folder of our own, none of the user's desktop.
    with tempfile.TemporaryDirectory(prefix="hourvault-end-to-end-") as private:
        os.environ.update(XDG_RUNTIME_DIR=private, XDG_CONFIG_HOME=private, XDG_CACHE_HOME=private,
                          QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        try:
            # It stays up between the set-ups, also when it has no client left for a moment.
            os.environ["DISPLAY"] = ":" + serve("Xvfb", "-displayfd", "1", "-nolisten", "tcp",
                                                "-noreset", "-screen", "0", "1024x768x24")
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = serve(
                "dbus-daemon", "--session", "--nofork", "--print-address")
            Atspi.get_desktop(0).set_cache_mask(Atspi.Cache.NONE)  # every read asks the program
            for wm in (None, "openbox", "weston"):  # under weston, natively on Wayland
                tag = {None: "no-wm", "weston": "wayland"}.get(wm, wm)
                began, servers = time.monotonic(), len(started)
                shoot = shoot_on_wayland if wm == "weston" else lambda path: subprocess.run(
                    ["import", "-window", "root", path], check=True)
                shot = lambda step: shoot(shots / f"{tag}-{step}.png")
                try:
                    run_on_wayland(program, shot) if wm == "weston" else run(program, shot, wm)
                    print(f"{tag}: passed in {time.monotonic() - began:.1f} s")
                except Exception:  # the other set-ups still run
                    failed += 1
                    print(f"{tag}: FAILED\n{traceback.format_exc()}")
                    with contextlib.suppress(Exception):  # its screen may be gone
                        shot("failed")
                finally:
                    stop(servers)
        finally:
            stop()
    print(f"screenshots in {shots}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

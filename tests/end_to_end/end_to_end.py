#!/usr/bin/python3
# The built program in an X server and a D-Bus session of its own, with no window manager and
# under openbox, driven by keys, clicks and assistive actions and read back as assistive tools
# and taskbars read it; then natively on Wayland under weston, through AT-SPI alone. Each set-up
# is an entry of RUNS: what it starts, a fixture for its scenarios, each a test of its own that
# begins from a fresh start (from_clear), but for those on the program as it starts.
import argparse
import contextlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from dataclasses import dataclass
from pathlib import Path

sys.dont_write_bytecode = True  # no caches of the helpers in the source tree
# What it runs on, all from the test tools' packages.
missing = [tool for tool in ("Xvfb", "dbus-daemon", "/usr/libexec/at-spi-bus-launcher", "openbox",
                             "xdotool", "xprop", "import", "setxkbmap", "weston",
                             "weston-screenshooter") if shutil.which(tool) is None]
try:
    import accessibility  # noqa: F401
except (ImportError, ValueError):
    missing.append("python3-gi with Atspi 2.0")
if missing:
    sys.exit(f"end_to_end needs {', '.join(missing)}: install the test tools with: "
             "scripts/setup tests")

import on_windows  # noqa: E402
import session  # noqa: E402
from accessibility import (Atspi, GLib, Relation, Role, State, act, children,  # noqa: E402
                           click, descendants, has, heard, listener, named, on_screen, on_the_bus,
                           says, targets, text, text_changes)
from session import expect, keys, xdo  # noqa: E402

def facts():  # what the program's own tables and every test's texts say, as window_facts wrote it
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--facts", type=Path, required=True)
    return json.loads(parser.parse_known_args()[0].facts.read_text())

FACTS, MISSING_DATA = facts(), "Missing Data"
TITLE, GLOSSARY, ABOUT = FACTS["title"], FACTS["glossary"], FACTS["about"]
# Each list, in the order Calculate checks them, by the test's key: its frame's caption, its
# name as its control carries it (which a reader of the Windows program knows it by), its prompt,
# what Calculate says of it then, and its choice in the typical request.
KEYS = ("cameras", "resolution", "quality", "rate", "audio", "disk")
LISTS = {key: row["caption"] for key, row in zip(KEYS, FACTS["lists"])}
NAMES = {key: row["name"] for key, row in zip(KEYS, FACTS["lists"])}
PROMPTS = {key: row["prompt"] for key, row in zip(KEYS, FACTS["lists"])}
MISSING = {key: row["message"] for key, row in zip(KEYS, FACTS["lists"])}
TYPICAL = {key: row["typical"] for key, row in zip(KEYS, FACTS["lists"])}
# Both result boxes by what they are named, with the typical request's results.
RESULTS = {box["accessible"]: box["typical"] for box in FACTS["results"]}
BLANK = dict.fromkeys(RESULTS, "")
# Each glossary term and the first words of the explanation it labels.
TERMS = {" ".join(term.split()): " ".join(explained.split()[:6])
         for term, explained in FACTS["terms"].items()}
# The pictures of each model by its channel count, those of the chosen one showing.
MODELS = {channels: sorted(shows for count, shows in FACTS["models"] if count == channels)
          for channels in (16, 9)}
# A window a taskbar lists: normal, transient for none, with the icon and the launcher's class.
LAUNCHER = next((Path(__file__).parents[2] / "assets").glob("*.desktop")).read_text()
LISTED_WINDOW = {"kind": "_NET_WM_WINDOW_TYPE = _NET_WM_WINDOW_TYPE_NORMAL", "listed": True,
                 "owner": "WM_TRANSIENT_FOR:  not found.", "icon": True,
                 "class": re.search(r"^StartupWMClass=(.*)$", LAUNCHER, re.M)[1]}

@dataclass
class Run:  # one set-up: how the program starts, where its pictures go, what was found of it
    tag: str
    command: list
    shots: Path
    readme: Path | None = None  # for the README's pictures, if this run takes them
    wm: str | None = None
    env: dict | None = None
    reader: Path | None = None  # for the Windows program
    title: str = TITLE
    names: dict = None

    def shot(self, step, readme=None):
        if readme and self.readme:
            time.sleep(0.5)  # the window painted as it now stands
            session.shoot(self.readme / f"{readme}.png", framed=True)
        session.shoot(self.shots / f"{self.tag}-{step}.png", self.env)

    def opened(self, title):  # shown, read as a window, every picture named
        win = expect(f"the {title} window", lambda: self.shown().get(title))
        expect(f"the role of {title}", win.get_role_name, {"dialog", "window", "frame"})
        expect(f"a picture without a name in {title}", lambda: "" in named(win, Role.IMAGE), False)
        return win

    def activate(self, win=None, spot=None):  # brought forward by a window manager, or clicked
        win, spot = win or self.main, spot or win or self.logo
        if not self.wm and not has(win, State.ACTIVE):
            click(spot)
        expect(f"{win.get_name()} active", lambda: has(win, State.ACTIVE), True)

    def answer(self, box):  # by its key, then back to the main window
        title = box.get_name()
        self.activate(box)
        keys("Return")
        self.check(f"the {title} window closed", windows=[TITLE])
        if self.wm or title != MISSING_DATA:  # with none, the focus stays where the box left it
            self.activate()

    def check(self, what, **wanted):  # by the readers below, a list's choice by its key
        expect(what, lambda: {name: self.choice(name) if name in LISTS else getattr(self, name)()
                              for name in wanted}, wanted)

    entry = lambda self, key: next(node for node in children(self.lists[key])
                                   if node.get_role() == Role.TEXT)  # the text a list holds
    choice = lambda self, key: text(self.entry(key))
    choices = lambda self: {key: self.choice(key) for key in LISTS}
    results = lambda self: {name: text(self.boxes[name]) for name in RESULTS}
    dropped = lambda self: [key for key in LISTS if has(self.lists[key], State.EXPANDED)]
    focus = lambda self: next((name for name, node in self.controls.items()
                               if has(node, State.FOCUSED)), None)
    told = lambda self: sorted(text_changes)  # the lists whose text changed, as a reader hears
    shown = lambda self: {w.get_name(): w for w in children(self.app) if has(w, State.SHOWING)}
    windows = lambda self: sorted(self.shown())
    video_format = lambda self: sorted(named(self.main, Role.LABEL).keys() & {"NTSC", "PAL"})
    model = lambda self: sorted(name for name, node in named(self.main, Role.IMAGE).items()
                                if "TX-4" in name and has(node, State.SHOWING))
    message = lambda self: says(self.shown()[MISSING_DATA])
    frames = lambda self: {heard(node): [heard(frame) for frame in targets(
        node, Relation.LABELLED_BY)] for node in self.lists.values()}
    read_only = lambda self: [(has(box, State.READ_ONLY), has(box, State.EDITABLE))
                              for box in map(self.boxes.get, RESULTS)]

    def drop_down(self, key, entry):  # opened by its arrow; gives the entry once it shows
        click(self.lists[key], right=8)
        return expect(f"{entry} in its drop-down", lambda: has(self.lists[key], State.EXPANDED)
                      and named(self.lists[key], Role.LIST_ITEM).get(entry))

    def type_in(self, key, typed):
        xdo("type", typed)
        self.check(f"{typed} typed into {key}", **{key: typed})

    def menu(self, title, item):  # opened by a click on its title; gives the item once it shows
        items = named(self.main, Role.MENU_ITEM)
        click(items[title])
        expect(f"the {title} menu open", lambda: has(items[item].get_parent(), State.SHOWING), True)
        return items[item]

    def missing(self, key):  # the Missing Data box, once it shows asking for that list
        self.check(f"the Missing Data box for {key}", message=[" ".join(MISSING[key].split())])
        return self.shown()[MISSING_DATA]

def launch(run):  # the main window, its lists named by their frames, results and buttons
    # Full stacks under the sanitizers, for tests/leaks.supp to know Qt's accessibility bridge
    # by: a key it forwards to the bus as the program ends is left behind, whatever ended it.
    env = dict(run.env or os.environ)
    env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0"
    run.process = session.start(*run.command, env=env)
    run.app = on_the_bus(run.process)
    run.main = run.opened(TITLE)
    found = lambda: [named(run.main, r) for r in (Role.COMBO_BOX, Role.TEXT, Role.PUSH_BUTTON)]
    expect("the lists, result boxes and buttons", lambda: [sorted(names) for names in found()],
           [sorted(LISTS.values()), ["", *sorted(RESULTS)], ["Calculate", "Clear"]])
    lists, run.boxes, run.buttons = found()
    run.lists = {key: lists[caption] for key, caption in LISTS.items()}
    run.logo = named(run.main, Role.IMAGE)["Ostrel logo"]
    run.controls = run.buttons | lists | {name: run.boxes[name] for name in RESULTS}
    run.check("each list labelled by its frame, the result boxes read-only",
              frames={name: [name] for name in lists}, read_only=[(True, False)] * 2)

def as_launched(scenario):  # a scenario on the program as it starts, not from a fresh start
    scenario.as_launched = True
    return scenario

def from_clear(run):  # every other scenario starts here: NTSC and the TX-4160, then Clear by its
    # button, and the focus back on Calculate
    run.activate()
    for item in ("NTSC", "TX-4160 (16 channel)"):
        act(named(run.main, Role.MENU_ITEM)[item])
    click(run.buttons["Clear"])
    keys("shift+Tab")
    run.check("a fresh start", windows=[TITLE], video_format=["NTSC"], choices=PROMPTS,
              results=BLANK, focus="Calculate")

@as_launched
def no_display(run):  # one line that says why, and status 1, not a core dump
    ended = subprocess.run(run.command, capture_output=True, text=True, timeout=30, env={
        key: value for key, value in os.environ.items()
        if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")})
    assert (ended.returncode, len(ended.stderr.splitlines())) == (1, 1), ended

@as_launched
def start(run):  # then a Tab round all ten controls, every list with its prompt: no text told
    launch(run)
    run.activate()
    run.check("the start", video_format=["NTSC"], model=MODELS[16], choices=PROMPTS,
              focus="Calculate")
    run.shot("1-start", readme="1-startup")
    session.pump()
    text_changes.clear()
    keys(*["Tab"] * 9)  # Clear, the lists, the days, the hours: the last shows they all came
    run.check("the focus after nine Tabs", focus="Recording time in hours")
    keys("Tab")
    run.check("the focus round to the start, no text told", focus="Calculate", told=[])

def typical_request(run, shot=True, press=True):  # by keys along the focus order from
    # Calculate, each change told (Clear, audio, rate, cameras, disk); the rest by mouse. A
    # drop-down takes a release at once once the pointer has moved from the opening click, as it
    # does on its way to the entry. Then Calculate, by a click.
    session.pump()
    text_changes.clear()
    keys("Tab", "Tab", "Down", "Tab", "Tab", *["Down"] * 8, "Tab", "Down", "Down")
    by_keys = {key: TYPICAL[key] for key in ("audio", "cameras", "disk")}
    run.check("the lists set by keys, each change told", **by_keys,
              told=sorted(LISTS[key] for key in by_keys))
    for key in ("resolution", "quality", "rate"):
        click(run.drop_down(key, TYPICAL[key]))
        run.check(f"{key} picked", **{key: TYPICAL[key]}, dropped=[])
    if not press:
        return
    click(run.buttons["Calculate"])
    run.check("the typical request", choices=TYPICAL, results=RESULTS)
    if shot:
        run.shot("2-typical", readme="2-typical-calculation")

def glossary_and_taskbar(run):  # each term labels its explanation, which is labelled by it
    typical_request(run, shot=False)
    keys("ctrl+g")
    glossary = run.opened(GLOSSARY)
    expect("each glossary term and what it labels", lambda: {
        heard(term): heard(explanation, 6) for term in descendants(glossary, Role.LABEL)
        for explanation in targets(term, Relation.LABEL_FOR)
        if heard(term) in map(heard, targets(explanation, Relation.LABELLED_BY))}, TERMS)
    # With the main window hidden it is the only window: a taskbar must list it, so not transient.
    expect("the Glossary as a taskbar sees it", lambda: session.taskbar_view(
        GLOSSARY, TITLE, run.wm), LISTED_WINDOW)
    if run.wm:
        run.activate(glossary)
    run.shot("3-glossary", readme="4-glossary")
    keys("alt+F4") if run.wm else session.close_as_window_manager(GLOSSARY)
    run.check("the Glossary closed", windows=[TITLE])
    run.activate()
    run.check("the main window back as it was", choices=TYPICAL, results=RESULTS,
              focus="Calculate")

def assistive_actions(run):
    # As an assistive tool works: a press acts as a click does, text it sets while no one types
    # in the list is checked at once, and nothing gets past the Missing Data box.
    typical_request(run, press=False)
    act(run.buttons["Calculate"])
    run.check("Calculate pressed by its action", results=RESULTS)
    Atspi.EditableText.set_text_contents(run.entry("disk"), "1 TB")
    run.check("a text set in the disk list", disk=PROMPTS["disk"], results=BLANK)
    click(run.entry("disk"))
    keys("ctrl+a")
    run.type_in("disk", "500 GBx")
    act(run.buttons["Calculate"])
    message = run.missing("disk")
    run.check("the disk list checked before the press", disk=PROMPTS["disk"])
    act(run.buttons["Calculate"])
    act(named(run.main, Role.MENU_ITEM)["Glossary"])
    time.sleep(0.3)  # a press lands 100 ms after its action; nothing may come of it
    run.check("one box, and no Glossary under it", windows=[MISSING_DATA, TITLE])
    run.answer(message)

def pal_and_double_click(run):  # then the TX-4090: the lists start over, still in PAL
    click(run.menu("Format", "PAL"))
    run.check("the window in PAL", video_format=["PAL"], choices=PROMPTS)
    # A double-click on an entry over Calculate picks it and presses nothing: the second click
    # falls on Calculate, once the drop-down has closed.
    boxes = [on_screen(node) for node in (run.drop_down("cameras", "16"), run.buttons["Calculate"])]
    left, top = (max(box[side] for box in boxes) for side in (0, 1))
    right, bottom = (min(box[side] + box[side + 2] for box in boxes) for side in (0, 1))
    assert left < right and top < bottom, "no entry of the drop-down lies over Calculate"
    xdo("mousemove", "--sync", (left + right) // 2, (top + bottom) // 2,
        "click", "--repeat", 2, "--delay", 80, 1)
    run.check("16 picked by a double-click", cameras="16")
    time.sleep(0.3)  # the second click's press and release; nothing may come of them
    run.check("no Missing Data box under the double-click", windows=[TITLE])
    click(run.menu("Model", "TX-4090 (9 channel)"))
    keys(*["shift+Tab"] * 4)  # from the cameras list back to Calculate
    run.check("the TX-4090 in PAL", model=MODELS[9], video_format=["PAL"],
              choices=PROMPTS, focus="Calculate")
    run.shot("6-tx4090-pal", readme="3-tx4090-pal")

def about(run):
    click(run.menu("Help", "About 'Hourvault'"))
    about = run.opened(ABOUT)
    run.activate(about, named(about, Role.IMAGE)["Ostrel brand logo"])
    run.shot("7-about", readme="5-about")
    expect("About as a taskbar sees it", lambda: session.taskbar_view(
        ABOUT, TITLE, run.wm), LISTED_WINDOW)
    keys("Return")
    run.activate()
    run.shot("8-back", readme="6-back-to-main")

def exit_program(run):  # the window closed from the window manager, or File > Exit by its key
    xdo("keydown", "alt+F4" if run.wm else "ctrl+x")
    expect("the exit status", run.process.poll, 0)
    xdo("keyup", "alt+F4" if run.wm else "ctrl+x")  # only now: Qt leaks a key event in flight

@as_launched
def russian_layout(run):  # Ctrl with the keys in the places of C, G and X, with no Latin letters
    launch(run)
    run.activate()
    keys("Tab", "Tab", "Down", "Tab", "Tab")  # "No Audio", then into the cameras list
    subprocess.run(["setxkbmap", "ru"], check=True)
    try:
        session.press_keycode(54)
        run.check("a Cyrillic letter in C's place", cameras="\u0441", audio=TYPICAL["audio"])
        session.press_keycode(54, control=True)
        run.check("Clear by Ctrl and that key", choices=PROMPTS)
        session.press_keycode(42, control=True)
        run.answer(run.opened(GLOSSARY))
        session.press_keycode(53, control=True, up=False)
        expect("the exit status after Ctrl and the key in X's place", run.process.poll, 0)
        session.press_keycode(53, control=True, down=False)  # as in exit_program
    finally:
        subprocess.run(["setxkbmap", "us"], check=True)

def openbox(run):
    run.wm = "openbox"
    session.start(run.wm, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    expect("the window manager", lambda: subprocess.run(
        ["xdotool", "get_num_desktops"], capture_output=True).returncode, 0)

def weston(run):  # with no seat: no keys, clicks or drop-downs (which crash Qt 6.4 there), and
    # no animations. Without DISPLAY nothing there uses X, the accessibility registry included.
    run.env = {key: value for key, value in os.environ.items() if key != "DISPLAY"} | {
        "WAYLAND_DISPLAY": "wayland-hourvault", "QT_QPA_PLATFORM": "wayland"}
    config = Path(os.environ["XDG_RUNTIME_DIR"]) / "weston.ini"
    config.write_text("[shell]\nstartup-animation=none\nclose-animation=none\n")
    session.start("weston", "--backend=headless-backend.so", "--use-pixman", "--scale=2",
                  "--debug", "--width=1024", "--height=768", f"--config={config}",
                  f"--socket={run.env['WAYLAND_DISPLAY']}", stderr=subprocess.DEVNULL)
    expect("weston's socket", config.with_name(run.env["WAYLAND_DISPLAY"]).is_socket, True)

@as_launched
def on_wayland(run):  # natively, with no X: read and pressed through AT-SPI alone
    launch(run)
    run.check("the start", choices=PROMPTS, results=BLANK)
    run.shot("1-start")
    act(run.buttons["Calculate"])  # returns at once: the click comes 100 ms later
    message = run.missing("cameras")
    expect("the Missing Data box an alert", message.get_role_name, "alert")
    run.shot("2-missing-data")
    act(named(message, Role.PUSH_BUTTON)["OK"])
    run.check("the Missing Data box closed", windows=[TITLE])
    act(named(run.main, Role.MENU_ITEM)["Glossary"])  # Help > Glossary: the main window hides
    run.check("the Glossary alone", windows=[GLOSSARY])
    glossary = run.opened(GLOSSARY)
    run.shot("3-glossary")
    act(named(glossary, Role.PUSH_BUTTON)["OK"])
    run.check("the main window back as it was", windows=[TITLE], choices=PROMPTS, results=BLANK)
    run.shot("4-back")
    with contextlib.suppress(GLib.Error):  # File > Exit: the program may end before it answers
        act(named(run.main, Role.MENU_ITEM)["Exit"])
    expect("the exit status", run.process.poll, 0)

X11 = (start, typical_request, glossary_and_taskbar, assistive_actions,
       pal_and_double_click, about, exit_program)
RUNS = [("no-display", lambda run: None, (no_display,)), ("no-wm", lambda run: None, X11),
        ("openbox", openbox, (*X11, russian_layout)), ("wayland", weston, (on_wayland,))]

def session_tests(tag, set_up, scenarios, make_run):  # one set-up as a fixture, and a test for
    # each scenario, in their order; after a failure the rest of them are skipped
    class Session(unittest.TestCase):
        @classmethod
        def setUpClass(cls):
            cls.servers, cls.failed = len(session.started), False
            cls.under_test = make_run(tag, set_up)  # not "run": a test case's own method
            set_up(cls.under_test)

        @classmethod
        def tearDownClass(cls):
            session.stop(cls.servers)

        def setUp(self):
            if self.failed:
                self.skipTest("an earlier scenario of this set-up failed")

    def test(scenario):
        def run_scenario(self):
            try:
                if not getattr(scenario, "as_launched", False):
                    fresh = on_windows.from_clear if set_up is on_windows.set_up else from_clear
                    fresh(self.under_test)
                scenario(self.under_test)
            except BaseException:
                type(self).failed = True
                with contextlib.suppress(Exception):  # its screen may be gone
                    self.under_test.shot(f"failed-{scenario.__name__}")
                raise
        return run_scenario

    for scenario in scenarios:
        setattr(Session, f"test_{scenario.__name__}", test(scenario))
    Session.__name__ = Session.__qualname__ = tag
    return unittest.TestSuite(Session(f"test_{scenario.__name__}") for scenario in scenarios)

def main():
    parser = argparse.ArgumentParser(description="The program's end-to-end test.")
    parser.add_argument("program", type=Path)
    parser.add_argument("folder", type=Path, nargs="?", help="for a picture of each step")
    parser.add_argument("--readme-shots", type=Path, metavar="DIR", help="and the README's shots")
    parser.add_argument("--scale", type=int, default=1, help="2 for a screen at 200 %%")
    parser.add_argument("--windows", type=Path, metavar="READER",
                        help="PROGRAM is the Windows program, run under Wine, read by READER")
    parser.add_argument("--facts", type=Path, required=True, help="as window_facts wrote them")
    args = parser.parse_args()
    runs = [("wine", on_windows.set_up, on_windows.SCENARIOS)] if args.windows else RUNS
    shots = args.folder or args.program.resolve().parents[1] / "end_to_end"
    for folder in filter(None, (shots, args.readme_shots)):
        folder.mkdir(parents=True, exist_ok=True)
    make_run = lambda tag, set_up: Run(
        tag, [args.program.resolve()], shots,
        args.readme_shots if set_up in (openbox, on_windows.set_up) else None,
        reader=args.windows, names=NAMES)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))  # and so stop all it started
    with tempfile.TemporaryDirectory(prefix="hourvault-end-to-end-") as private:
        try:
            session.open_session(private, args.scale)
            Atspi.get_desktop(0).set_cache_mask(Atspi.Cache.NONE)  # every read asks the program
            listener.register("object:text-changed")
            suite = unittest.TestSuite(session_tests(*run, make_run) for run in runs)
            result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
        finally:
            session.stop()
    print(f"screenshots in {shots}")
    return 0 if result.wasSuccessful() else 1

if __name__ == "__main__":
    sys.exit(main())

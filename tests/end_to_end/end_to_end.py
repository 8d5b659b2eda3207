#!/usr/bin/python3
# The built program under an X server of its own and a private D-Bus session, once with no window
# manager and once under openbox, driven by real X11 keys and clicks (xdotool) and read back as
# assistive technology reads it, through AT-SPI.
# Usage: end_to_end.py HOURVAULT [FOLDER]   FOLDER gets a screenshot of each step (default:
# end_to_end/ in the program's build tree).
import contextlib
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Role, State, Relation = Atspi.Role, Atspi.StateType, Atspi.RelationType
# Each list by the name its frame gives it, and the prompt it shows while nothing is chosen.
LISTS = {
    "cameras": ("Number of Cameras", "< select # of cameras >"),
    "resolution": ("Resolution", "< select resolution >"),
    "quality": ("Picture Quality", "< select picture quality >"),
    "rate": ("Recording Rate (images per second)", "< select recording rate >"),
    "audio": ("Audio Recording", "< select audio quality >"),
    "disk": ("Hard Disk Size", "< select HDD size >"),
}
PROMPTS = {key: prompt for key, (_, prompt) in LISTS.items()}
TYPICAL = {"cameras": "8", "resolution": "720 x 240 (2CIF)", "quality": "Q4 (13KB)", "rate": "7",
           "audio": "No Audio", "disk": "500 GB"}
TYPICAL_RESULTS, NO_RESULTS = ["200.05", "8.3"], ["", ""]
# Each glossary term and the first words of its explanation.
TERMS = {"# of Cameras :": "This is the number of cameras",
         "Resolution :": "This represents the size of the",
         "Picture Quality :": "This is the setting that controls",
         "Recording Rate :": "This is the number of images",
         "Audio Quality :": "This is the sampling rate of",
         "HDD Size :": "Ostrel DVRs work with hard disk"}
started = []


def start(*command, **options):
    """Starts a process in a group of its own, so that stopping it stops what it started."""
    started.append(subprocess.Popen(command, start_new_session=True, **options))
    return started[-1]


@contextlib.contextmanager
def processes():
    """Stops, on the way out, every process started inside."""
    first = len(started)
    try:
        yield
    finally:
        while len(started) > first:
            process = started.pop()
            for sig in (signal.SIGTERM, signal.SIGKILL):
                if process.poll() is None:
                    os.killpg(process.pid, sig)
                    with contextlib.suppress(subprocess.TimeoutExpired):
                        process.wait(5)


def start_reading(*command):
    """Starts a server that writes its display or address to the descriptor put for {fd}."""
    reader, writer = os.pipe()
    start(*(part.format(fd=writer) for part in command), pass_fds=[writer],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(writer)
    with os.fdopen(reader) as pipe:
        return pipe.readline().strip() or sys.exit(f"{command[0]} did not start")


def expect(what, probe, wanted=None, timeout=10):
    """Polls probe until it gives wanted (one of a set; anything true if none) and returns that.
    Windows come and go meanwhile, so an object that vanishes under a read is no answer yet."""
    allowed = wanted if isinstance(wanted, set) else [wanted]
    seen, deadline = None, time.monotonic() + timeout
    while time.monotonic() < deadline:
        with contextlib.suppress(GLib.Error):
            seen = probe()
            if seen if wanted is None else seen in allowed:
                return seen
        time.sleep(0.02)
    raise AssertionError(f"{what}: {seen!r}, not {wanted!r}")


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True).stdout


def children(node):
    return [child for child in map(node.get_child_at_index, range(node.get_child_count())) if child]


def descendants(node, role):
    for child in children(node):
        yield from [child] if child.get_role() == role else []
        yield from descendants(child, role)


def find(node, role, name=""):
    return next((child for child in descendants(node, role) if child.get_name() == name), None)


def has(node, state):
    return node.get_state_set().contains(state)


def targets(node, relation):
    return [r.get_target(i) for r in node.get_relation_set() if r.get_relation_type() == relation
            for i in range(r.get_n_targets())]


def heard(node, count=None):
    """A node's name as a screen reader says it: runs of spaces are one pause."""
    return " ".join(node.get_name().split()[:count])


def text(node, span=(0, -1)):
    return Atspi.Text.get_text(node, *span) if "Text" in node.get_interfaces() else ""


def selected(node):
    span = Atspi.Text.get_selection(node, 0)
    return text(node, (span.start_offset, span.end_offset))


def window(app, title):
    return next((w for w in children(app) if w.get_name() == title and has(w, State.SHOWING)), None)


def click(node, right=None, button=1, repeat=1):
    """Clicks a node's middle, or as far from its right edge as told (a list's arrow)."""
    box = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    x = box.x + (box.width - right if right else box.width // 2)
    xdo("mousemove", "--sync", x, box.y + box.height // 2, "click", "--repeat", repeat, button)


def send_close(title):
    """Asks a window to close as a window manager does: a WM_DELETE_WINDOW client message."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    target = int(xdo("search", "--onlyvisible", "--name", f"^{title}$").split()[0])
    protocols, delete = (x11.XInternAtom(display, name, 0)
                         for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW"))
    # An XClientMessageEvent, a long for each field: type, serial, sent, display, window,
    # message type, format, then its data: the protocol and a time.
    event = (ctypes.c_long * 24)(33, 0, 0, 0, target, protocols, 32, delete)
    x11.XSendEvent(display, target, 0, 0, event)
    x11.XCloseDisplay(display)


def run(program, shot, wm):
    keys = lambda *names: xdo("key", *names)
    if wm:
        start(wm, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        expect("the window manager", lambda: subprocess.run(
            ["xdotool", "get_num_desktops"], capture_output=True).returncode, 0)
    process = start(program)
    app = expect("the program on the accessibility bus", lambda: next(
        (a for a in children(Atspi.get_desktop(0)) if a.get_process_id() == process.pid), None))
    main = expect("the main window", lambda: window(app, "OSTREL  Hourvault"))
    logo = find(main, Role.IMAGE, "Ostrel logo")

    def activate(win, spot):
        """A window manager brings the window forward; with none, the user clicks it."""
        if not wm and not has(win, State.ACTIVE):
            click(spot)
        expect(f"{win.get_name()} active", lambda: has(win, State.ACTIVE), True)

    def unnamed_pictures(win):
        return [picture for picture in descendants(win, Role.IMAGE) if not picture.get_name()]

    def help_window(title):
        win = expect(f"the {title} window", lambda: window(app, title))
        expect(f"the role of {title}", win.get_role_name, {"dialog", "window", "frame"})
        expect(f"pictures without a name in {title}", lambda: unnamed_pictures(win), [])
        return win

    # What assistive technology finds: the lists named by their frames, the result boxes and
    # buttons by names of their own, every picture named, the video format in force.
    found = {heard(label): combo for combo in descendants(main, Role.COMBO_BOX)
             for label in targets(combo, Relation.LABELLED_BY)}
    expect("the lists by their labels", lambda: sorted(found), sorted(n for n, _ in LISTS.values()))
    lists = {key: found[label] for key, (label, _) in LISTS.items()}
    choices = lambda: {key: text(find(combo, Role.TEXT)) for key, combo in lists.items()}
    boxes = {b.get_name(): b for b in descendants(main, Role.TEXT) if b.get_name()}
    expect("the result boxes", lambda: sorted(boxes),
           ["Recording time in days", "Recording time in hours"])
    results = lambda: [text(boxes[f"Recording time in {unit}"]) for unit in ("hours", "days")]
    buttons = {b.get_name(): b for b in descendants(main, Role.PUSH_BUTTON)}
    expect("the buttons", lambda: sorted(buttons), ["Calculate", "Clear"])
    expect("pictures without a name", lambda: unnamed_pictures(main), [])

    def video_format():
        """NTSC or PAL, wherever a label says it: in its name, description or text."""
        for label in descendants(main, Role.LABEL):
            said = f"{label.get_name()} {label.get_description()} {text(label)}".replace(":", " ")
            for format_ in ("NTSC", "PAL"):
                if format_ in said.split():
                    return format_

    expect("the video format", video_format, "NTSC")
    expect("the lists at start", choices, PROMPTS)
    activate(main, logo)
    shot("1-start")

    def pick(key, entry):
        # A drop-down takes a release at once once the pointer has moved from the opening click,
        # as it does on its way to the entry.
        click(lists[key], right=8)
        click(expect(f"{entry} in its drop-down", lambda: has(lists[key], State.EXPANDED) and find(
            lists[key], Role.LIST_ITEM, entry)))
        expect(f"{entry} picked", lambda: (choices()[key], has(lists[key], State.EXPANDED)),
               (entry, False))

    # The typical request. Along the focus order from Calculate (Clear, audio, rate, cameras, disk)
    # by keys; resolution, quality and rate from their drop-downs by mouse.
    keys("Tab", "Tab", "Down")
    expect("audio by keys", lambda: choices()["audio"], "No Audio")
    keys("Tab", "Tab", *["Down"] * 8, "Tab", "Down", "Down")
    expect("cameras and disk by keys", lambda: [choices()[k] for k in ("cameras", "disk")],
           ["8", "500 GB"])
    for key in ("resolution", "quality", "rate"):
        pick(key, TYPICAL[key])
    click(buttons["Calculate"])
    expect("the typical request", lambda: (choices(), results()), (TYPICAL, TYPICAL_RESULTS))
    shot("2-typical")

    # A wheel turn over a list without the focus changes nothing. The Tab after it is handled
    # after it, so once Clear has the focus the wheel has been handled too.
    click(lists["disk"], button=5, repeat=2)
    keys("Tab")
    expect("the focus after the wheel", lambda: has(buttons["Clear"], State.FOCUSED), True)
    expect("the lists after the wheel", lambda: (choices(), results()), (TYPICAL, TYPICAL_RESULTS))

    # The Glossary ties each term to its explanation; closed from the window manager, it gives
    # back the main window as it was.
    keys("ctrl+g")
    glossary = help_window("Glossary of Terms")

    def terms():
        return {term: [heard(t, 6) for t in targets(label, Relation.LABEL_FOR)
                       if term in [heard(s) for s in targets(t, Relation.LABELLED_BY)]]
                for label in descendants(glossary, Role.LABEL) if (term := heard(label)) in TERMS}

    expect("each glossary term and what it labels", terms, {t: [e] for t, e in TERMS.items()})
    shot("3-glossary")
    if wm:
        activate(glossary, glossary)
        keys("alt+F4")
    else:
        send_close("Glossary of Terms")
    expect("the Glossary closed", lambda: window(app, "Glossary of Terms") is None, True)
    activate(main, logo)
    expect("the main window back", lambda: (choices(), results(),
                                             has(buttons["Clear"], State.FOCUSED)),
           (TYPICAL, TYPICAL_RESULTS, True))

    # Ctrl+C, the program's Clear, with a drop-down open: the drop-down closes and all is reset.
    click(lists["disk"], right=8)
    expect("the disk drop-down open", lambda: has(lists["disk"], State.EXPANDED) and find(
        lists["disk"], Role.LIST_ITEM, "1 TB"))
    shot("4-drop-down")
    keys("ctrl+c")
    expect("Ctrl+C with a drop-down open", lambda: (has(lists["disk"], State.EXPANDED), choices(),
                                                   results()), (False, PROMPTS, NO_RESULTS))

    # Ctrl+C while typing in a list (Tab from disk to resolution selects its prompt).
    activate(main, logo)
    keys("Tab")
    xdo("type", "720")
    expect("typed into the resolution list", lambda: choices()["resolution"], "720")
    keys("ctrl+c")
    expect("Ctrl+C while typing", choices, PROMPTS)

    # A typed camera count is no choice: leaving the list brings its prompt back, and Calculate
    # asks for the cameras.
    keys("shift+Tab", "shift+Tab")
    xdo("type", "5")
    expect("typed into the cameras list", lambda: choices()["cameras"], "5")
    keys("Tab")
    expect("the cameras list after Tab", lambda: choices()["cameras"], PROMPTS["cameras"])
    click(buttons["Calculate"])
    message = expect("the Missing Data box", lambda: window(app, "Missing Data"))
    expect("the Missing Data text", lambda: [heard(n) for n in descendants(message, Role.LABEL)
                                             if has(n, State.SHOWING)],
           ["You must select the number of cameras."])
    shot("5-missing-data")
    activate(message, message)
    keys("Return")
    expect("the Missing Data box closed", lambda: window(app, "Missing Data") is None, True)
    # The box hands the focus to the cameras list, its prompt selected, so typing replaces it.
    # With no window manager to give the window back, the keys go to the window under the mouse.
    if wm:
        activate(main, logo)
    field = find(lists["cameras"], Role.TEXT)
    expect("the cameras prompt selected", lambda: selected(field), PROMPTS["cameras"])
    xdo("type", "3")
    expect("typing after the box", lambda: choices()["cameras"], "3")

    def menu(title, item):
        click(find(main, Role.MENU_ITEM, title))
        entry = find(main, Role.MENU_ITEM, item)
        expect(f"the {title} menu open", lambda: has(entry.get_parent(), State.SHOWING), True)
        click(entry)

    menu("Format", "PAL")
    expect("the window in PAL", lambda: (video_format(), choices()), ("PAL", PROMPTS))
    shot("6-pal")
    menu("Help", "About 'Hourvault'")
    about = help_window("About this program...")
    activate(about, find(about, Role.IMAGE, "Ostrel brand logo"))
    shot("7-about")
    keys("Return")
    activate(main, logo)

    # The end: the program's own Exit (Ctrl+X), or the window closed from the window manager.
    keys("alt+F4" if wm else "ctrl+x")
    expect("the exit status", process.poll, 0)


def main():
    program = Path(sys.argv[1]).resolve()
    shots = Path(sys.argv[2]) if len(sys.argv) > 2 else program.parents[1] / "end_to_end"
    shots.mkdir(parents=True, exist_ok=True)
    screenshot = lambda path: subprocess.run(["import", "-window", "root", path], check=True)
    # Runtime files, settings and caches in a folder of our own, none of the user's desktop.
    private = tempfile.mkdtemp(prefix="hourvault-end-to-end-")
    os.environ.update(XDG_RUNTIME_DIR=private, XDG_CONFIG_HOME=private, XDG_CACHE_HOME=private,
                      QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))  # stop what was started
    failed = 0
    try:
        with processes():
            os.environ["DISPLAY"] = ":" + start_reading(
                "Xvfb", "-displayfd", "{fd}", "-nolisten", "tcp", "-screen", "0", "1024x768x24")
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_reading(
                "dbus-daemon", "--session", "--nofork", "--print-address={fd}")
            Atspi.get_desktop(0).set_cache_mask(Atspi.Cache.NONE)  # every read asks the program
            for wm in (None, "openbox"):
                tag, began = wm or "no-wm", time.monotonic()
                with processes():
                    try:
                        run(program, lambda step: screenshot(shots / f"{tag}-{step}.png"), wm)
                        print(f"{tag}: passed in {time.monotonic() - began:.1f} s")
                    except Exception:  # the other set-up still runs
                        failed += 1
                        screenshot(shots / f"{tag}-failed.png")
                        print(f"{tag}: FAILED\n{traceback.format_exc()}")
    finally:
        shutil.rmtree(private, ignore_errors=True)
    print(f"screenshots in {shots}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

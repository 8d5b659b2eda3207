# The Windows program under Wine, in the test's X server under openbox: driven by real keys and
# clicks (xdotool), read back from outside by the tests' reader, which lists its windows and
# controls by name (tests/win32/reader.cpp), as a test robot or an assistive tool reads them.
import json
import os
import subprocess
import tempfile
from pathlib import Path

import session
from session import expect, keys, xdo

WINE_RUN = Path(__file__).parents[2] / "cmake" / "wine-run"

def wine(run, program):  # a program of the build, in the Wine session the test shares
    return [str(WINE_RUN), str(program)]

def read(run, *how):  # the program's windows as the reader sees them, by title (a drop-down by
    # kind); with "--accessible" each control also as a screen reader reads it
    # Into a file: a Wine server it starts would keep a pipe open, and a read of it waiting.
    with tempfile.TemporaryFile() as seen:
        subprocess.run([*wine(run, run.reader), *how], env=run.env, stdout=seen, timeout=30,
                       check=True)
        seen.seek(0)
        windows = json.load(seen)["windows"]
    return {window["title"] or window["kind"]: window for window in windows}

def controls(run, title):
    return read(run)[title]["controls"]

def click_on(place, right=None):  # the middle of a place on the screen, or this far from its right
    left, top, end, bottom = place
    xdo("mousemove", "--sync", end - right if right else (left + end) // 2, (top + bottom) // 2,
        "click", 1)

def texts(run, title, *names):
    found = controls(run, title)
    return {name: found[name]["text"] for name in names}

def set_up(run):  # openbox, the program, and its main window active
    run.env = dict(os.environ, HOURVAULT_WINE_DISPLAY="inherit")
    session.start("openbox", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    expect("the window manager", lambda: subprocess.run(
        ["xdotool", "get_num_desktops"], capture_output=True).returncode, 0)
    # Wine's own services outlive the program by a moment and say so as the X server goes.
    run.process = session.start(*wine(run, run.command[0]), stderr=subprocess.DEVNULL,
                                env=dict(run.env, HOURVAULT_WINE_NEW_SESSION="1"))
    xdo("search", "--sync", "--name", f"^{run.title}$")
    expect("the main window", lambda: run.title in read(run))
    xdo("windowactivate", "--sync", session.found(run.title))

def from_clear(run):  # Clear by its button, then the focus back on Calculate
    from end_to_end import PROMPTS  # noqa: E402 (the texts every test expects)
    xdo("windowactivate", "--sync", session.found(run.title))
    click_on(controls(run, run.title)["cmdClear"]["place"])
    keys("shift+Tab")
    expect("a fresh start", lambda: ({key: controls(run, run.title)[name]["text"]
                                      for key, name in run.names.items()},
                                     texts(run, run.title, "txtHours", "txtDays"),
                                     controls(run, run.title)["cmdCalculate"]["focused"]),
           (PROMPTS, {"txtHours": "", "txtDays": ""}, True))

def typical_request(run):  # by keys along the focus order, then by clicks on drop-down entries,
    # and read aloud
    from end_to_end import RESULTS, TYPICAL  # noqa: E402
    keys("Tab", "Tab", "Down", "Tab", "Tab", *["Down"] * 8, "Tab", "Down", "Down")
    for key in ("resolution", "quality", "rate"):
        name = run.names[key]
        click_on(controls(run, run.title)[name]["place"], right=8)
        expect(f"{key} dropped down", lambda: controls(run, run.title)[name]["dropped"], True)
        shown = expect("its drop-down", lambda: read(run)["ComboLBox"])
        row = controls(run, run.title)[name]["entries"].index(TYPICAL[key]) - shown["firstShown"]
        left, top, right, _ = shown["place"]
        click_on([left, top + row * shown["entryHeight"], right,
                  top + (row + 1) * shown["entryHeight"]])
        expect(f"{key} picked", lambda: controls(run, run.title)[name]["text"], TYPICAL[key])
    click_on(controls(run, run.title)["cmdCalculate"]["place"])
    expect("the typical request", lambda: texts(run, run.title, "txtHours", "txtDays"),
           dict(zip(("txtHours", "txtDays"), RESULTS.values())))
    run.shot("2-typical", readme="windows-1-calculation")
    # Through oleacc from another process, as Narrator and NVDA read: each list a combo box
    # named by its frame with its text as value, the field that takes its focus named alike; a
    # result box by its unit label; a picture by what it shows.
    from end_to_end import FACTS, LISTS  # noqa: E402
    found = read(run, "--accessible")[run.title]["controls"]
    heard = {name: found[name]["accessible"] for name in found}
    fields = {name: {part: found[name]["field"][part] for part in ("name", "value")}
              for name in run.names.values()}
    assert {name: heard[name] for name in run.names.values()} == {
        run.names[key]: {"name": caption, "role": "combo box", "value": TYPICAL[key]}
        for key, caption in LISTS.items()}, heard
    assert fields == {run.names[key]: {"name": caption, "value": TYPICAL[key]}
                      for key, caption in LISTS.items()}, fields
    units = {box["name"]: box["unit"] for box in FACTS["results"]}
    assert {box: heard[box]["name"] for box in units} == units, heard
    pictures = FACTS["pictures"]
    assert {picture: heard[picture]["name"] for picture in pictures} == pictures, heard

def help_windows(run):  # each takes the main window's place and gives it back: by OK, or
    # closed by the window manager (WM_DELETE_WINDOW)
    from end_to_end import ABOUT, GLOSSARY  # noqa: E402
    for title, opening, readme in (
            (GLOSSARY, ("ctrl+g",), "windows-2-glossary"),
            (ABOUT, ("F10", "Right", "Right", "Right", "Down", "Up", "Return"), "windows-3-about")):
        keys(*opening)
        expect(f"the {title} window alone", lambda: sorted(read(run)), [title])
        run.shot(readme.split("-", 2)[-1], readme=readme)
        keys("Return") if title == GLOSSARY else session.close_as_window_manager(title)
        expect("the main window back", lambda: sorted(read(run)), [run.title])

def exit_program(run):  # File > Exit by its key, in the main window brought forward again
    xdo("windowactivate", "--sync", session.found(run.title))
    keys("ctrl+x")
    expect("the exit status", run.process.poll, 0)

# What the window test in the program's process cannot show: the program as a user starts it,
# real keys and clicks, what a screen reader reads from outside, the screenshots and the exit
# status.
SCENARIOS = (typical_request, help_windows, exit_program)

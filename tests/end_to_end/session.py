# The session the program runs in: processes, each in a process group of its own with what it
# starts, an X server and a D-Bus session of our own; what users, window managers and taskbars
# do and read on X11.
import contextlib
import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from gi.repository import GLib

started = []  # what is still to stop
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
xdo = lambda *args: subprocess.run(["xdotool", *map(str, args)], check=True,
                                   capture_output=True).stdout
keys = lambda *names: xdo("key", *names)
found = lambda title, *only: xdo("search", *only, "--name", f"^{title}$").split()[0].decode()
prop = lambda window, name: subprocess.run(
    ["xprop", "-notype", *(["-root"] if window == "root" else ["-id", window]), name],
    capture_output=True, text=True).stdout.strip()

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

def open_session(private, scale):  # runtime files, settings and caches in a folder of our own
    os.environ.update(XDG_RUNTIME_DIR=private, XDG_CONFIG_HOME=private, XDG_CACHE_HOME=private,
                      QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                      QT_SCALE_FACTOR=str(scale))
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    # It stays up between the set-ups, also when it has no client left for a moment.
    os.environ["DISPLAY"] = ":" + serve("Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-noreset",
                                        "-screen", "0", f"{1024 * scale}x{768 * scale}x24")
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = serve("dbus-daemon", "--session", "--nofork",
                                                   "--print-address")

def pump():  # hands on the events that came in meanwhile
    while GLib.MainContext.default().iteration(False):
        pass

def expect(what, probe, wanted=None):  # polls for wanted: one of a set; anything true if None
    # Long enough for a program under the sanitizers on a busy machine: a poll that succeeds
    # returns at once.
    seen, deadline = None, time.monotonic() + 30
    while time.monotonic() < deadline:
        pump()
        with contextlib.suppress(GLib.Error, KeyError):  # a window or control not there (yet)
            seen = probe()
            if seen if wanted is None else seen in (wanted if type(wanted) is set else [wanted]):
                return seen
        time.sleep(0.02)
    raise AssertionError(f"{what}: {seen!r}, not {wanted!r}")

def shoot(path, env=None, framed=False):  # the screen, or the active window in its frame
    if env and "WAYLAND_DISPLAY" in env:  # weston's shooter names the picture, where it runs
        with tempfile.TemporaryDirectory(dir=path.parent) as folder:
            subprocess.run(["weston-screenshooter"], cwd=folder, check=True, env=env)
            return next(Path(folder).glob("*.png")).replace(path)
    window = xdo("getactivewindow").decode().strip() if framed else "root"
    subprocess.run(["import", *["-frame"] * framed, "-window", window, path], check=True)

def taskbar_view(title, main_title, wm):  # what a taskbar reads of a window of the program
    window, main = found(title, "--onlyvisible"), found(main_title)
    listed = not wm or int(window) in [int(w, 16) for w in prop(
        "root", "_NET_CLIENT_LIST").split("#")[-1].split(",")]
    return {"kind": prop(window, "_NET_WM_WINDOW_TYPE"), "owner": prop(window, "WM_TRANSIENT_FOR"),
            "class": prop(window, "WM_CLASS").split(", ")[-1].strip('"'), "listed": listed,
            "icon": prop(window, "_NET_WM_ICON") == prop(main, "_NET_WM_ICON") != ""}

def close_as_window_manager(title):  # by the WM_DELETE_WINDOW client message
    display, window = ctypes.c_void_p(x11.XOpenDisplay(None)), int(found(title, "--onlyvisible"))
    atom = lambda name: x11.XInternAtom(display, name, 0)
    # An XClientMessageEvent as longs: type, serial, sent, display, window, type, format, data.
    x11.XSendEvent(display, window, 0, 0, (ctypes.c_long * 24)(
        33, 0, 0, 0, window, atom(b"WM_PROTOCOLS"), 32, atom(b"WM_DELETE_WINDOW")))
    x11.XCloseDisplay(display)

def press_keycode(keycode, control=False, down=True, up=True):  # whatever the layout makes it
    display, xtest = ctypes.c_void_p(x11.XOpenDisplay(None)), ctypes.CDLL("libXtst.so.6")
    codes = [x11.XKeysymToKeycode(display, 0xFFE3)] * control + [keycode]  # Control_L first
    for code, state in [*((c, 1) for c in codes if down), *((c, 0) for c in codes[::-1] if up)]:
        xtest.XTestFakeKeyEvent(display, code, state, 0)
    x11.XCloseDisplay(display)  # which sends them

#!/usr/bin/env python3
"""Starts the empty window and Hourvault in turns and compares their start-up.

Each run: the clock (CLOCK_MONOTONIC) is read just before the program is spawned; the program's
first-paint probe prints the clock at its first painted frame and its memory then. The runs
alternate (empty, Hourvault, then Hourvault, empty, ...) so that other load on the machine falls
on both alike; the table shows medians, the fastest and slowest run, and Hourvault / empty.
With --wine, the Windows programs of the windows-bench preset run under Wine instead, in a
private X server with a window manager; their probe prints when they have painted, and the
clock is read when that line arrives.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def parse_args():
    here = os.path.dirname(os.path.abspath(__file__))
    build = os.path.join(here, "..", "build", "bench", "bench")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=int(os.environ.get("ROUNDS", "100")),
                        help="runs of each program per platform and scale (100, or $ROUNDS)")
    parser.add_argument("--warm-up", type=int, default=3,
                        help="uncounted rounds first, for the page and font caches")
    parser.add_argument("--platforms", default="offscreen,xcb",
                        help="comma-separated; xcb runs under its own Xvfb, skipped without one")
    parser.add_argument("--scales", default="1,2", help="comma-separated QT_SCALE_FACTOR values")
    parser.add_argument("--floor", default=os.path.join(build, "empty_window"))
    parser.add_argument("--program", default=os.path.join(build, "hourvault_first_paint"),
                        help="the program compared with the floor")
    parser.add_argument("--label", default="", help="printed above the tables")
    parser.add_argument("--wine", metavar="BUILD",
                        help="the windows-bench build folder: compare its programs under Wine")
    return parser.parse_args()


class Xvfb:
    """A private X server for the xcb runs, on a display number it picks itself."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
             "-screen", "0", "1920x1080x24"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def close(self):
        self.process.terminate()
        self.process.wait()


def run_once(command, env, errors):
    """One start-up: milliseconds from spawn to first paint, and the probe's memory in KiB."""
    read_end, write_end = os.pipe()
    actions = [(os.POSIX_SPAWN_DUP2, write_end, 1), (os.POSIX_SPAWN_DUP2, errors.fileno(), 2)]
    errors.seek(0)
    errors.truncate()
    started = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
    pid = os.posix_spawn(command[0], command, env, file_actions=actions)
    os.close(write_end)
    with os.fdopen(read_end) as out:
        report = out.readline()
        arrived = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
        out.read()
    _, status = os.waitpid(pid, 0)
    fields = dict(item.split("=", 1) for item in report.split())
    if os.waitstatus_to_exitcode(status) != 0 or "vmhwm_kib" not in fields:
        errors.seek(0)
        sys.exit(f"{command[-1]} gave no report:\n{report}{errors.read()}")
    return {
        "ms": (int(fields.get("first_paint_ns", arrived)) - started) / 1e6,
        "hwm": int(fields["vmhwm_kib"]) / 1024,
        "pss": int(fields["pss_kib"]) / 1024 if "pss_kib" in fields else float("nan"),
    }


def environment(platform, scale, display):
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = platform
    env.pop("QT_SCALE_FACTOR", None)
    if scale != "1":
        env["QT_SCALE_FACTOR"] = scale
    if display:
        env["DISPLAY"] = display
    return env


def read_from_disk(programs):
    """Drops the programs' files from the page cache. A file the linker has just written sits
    there in large blocks, each mapped whole at its first touch, which would count pages the
    program never reads; a program installed earlier is read in from disk, as after this."""
    for command in programs.values():
        path = next((part for part in reversed(command) if os.path.isfile(part)), None)
        if path is None:
            continue
        descriptor = os.open(path, os.O_RDONLY)
        try:
            os.fsync(descriptor)
            os.posix_fadvise(descriptor, 0, 0, os.POSIX_FADV_DONTNEED)
        finally:
            os.close(descriptor)


def measure(programs, env, rounds, warm_up, errors):
    read_from_disk(programs)
    samples = {name: [] for name in programs}
    for round_number in range(warm_up + rounds):
        order = list(programs.items())
        if round_number % 2:
            order.reverse()
        for name, path in order:
            result = run_once(path, env, errors)
            if round_number >= warm_up:
                samples[name].append(result)
    return samples


def table(title, samples, floor, program):
    def column(name, key):
        values = [s[key] for s in samples[name]]
        return statistics.median(values), min(values), max(values)

    lines = [title,
             f"{'':18}{'first paint (ms)':>26}{'peak RSS VmHWM (MiB)':>27}{'PSS (MiB)':>11}",
             f"{'':18}{'median':>10}{'min':>8}{'max':>8}{'median':>11}{'min':>8}{'max':>8}"
             f"{'median':>11}"]
    for name in (floor, program):
        ms, hwm, pss = column(name, "ms"), column(name, "hwm"), column(name, "pss")
        lines.append(f"{name:18}{ms[0]:10.1f}{ms[1]:8.1f}{ms[2]:8.1f}"
                     f"{hwm[0]:11.1f}{hwm[1]:8.1f}{hwm[2]:8.1f}{pss[0]:11.1f}")
    ratio = {key: column(program, key)[0] / column(floor, key)[0] for key in ("ms", "hwm", "pss")}
    lines.append(f"{program + ' / empty':18}{ratio['ms']:9.3f}x{'':16}"
                 f"{ratio['hwm']:10.3f}x{'':16}{ratio['pss']:10.3f}x")
    return "\n".join(lines)


def under_wine(args, floor, program):
    """The Windows programs under Wine, in a private X server under openbox."""
    build = os.path.abspath(args.wine)
    wine = shutil.which("wine")
    if wine is None or shutil.which("Xvfb") is None or shutil.which("openbox") is None:
        sys.exit("--wine needs wine, Xvfb and openbox: install them with: scripts/setup windows")
    server = Xvfb()
    manager = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=server.display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=server.display, WINEARCH="win32", WINEDEBUG="-all",
               WINEPREFIX=os.path.join(build, "wine-win32"),
               WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
    try:
        if not os.path.exists(os.path.join(env["WINEPREFIX"], "system.reg")):
            subprocess.run([wine, "wineboot", "-i"], env=env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # One server for every round, as a desktop session has.
        subprocess.run(["wineserver", "-k"], env=env)
        subprocess.run(["wineserver", "-p"], env=env, check=True)
        programs = {floor: [wine, os.path.join(build, "bench", "win32_empty_window.exe")],
                    program: [wine, os.path.join(build, "bench", "win32_hourvault_first_paint.exe")]}
        with tempfile.TemporaryFile() as errors:
            samples = measure(programs, env, args.rounds, args.warm_up, errors)
        print(table(f"Wine under Xvfb and openbox, 100 %, {args.rounds} rounds", samples, floor,
                    program) + "\n", flush=True)
    finally:
        subprocess.run(["wineserver", "-k"], env=env)
        manager.terminate()
        server.close()


def main():
    args = parse_args()
    floor, program = "empty window", "Hourvault"
    if args.label:
        print(args.label)
    if args.wine:
        under_wine(args, floor, program)
        return
    programs = {floor: [args.floor], program: [args.program]}
    with tempfile.TemporaryFile() as errors:
        for platform in args.platforms.split(","):
            server = None
            if platform == "xcb":
                if shutil.which("Xvfb") is None:
                    print("xcb: skipped, Xvfb is not installed\n")
                    continue
                server = Xvfb()
            try:
                for scale in args.scales.split(","):
                    env = environment(platform, scale, server.display if server else None)
                    samples = measure(programs, env, args.rounds, args.warm_up, errors)
                    where = "Xvfb" if server else platform
                    title = f"{where}, {round(float(scale) * 100)} %, {args.rounds} rounds"
                    print(table(title, samples, floor, program) + "\n", flush=True)
            finally:
                if server:
                    server.close()


if __name__ == "__main__":
    main()

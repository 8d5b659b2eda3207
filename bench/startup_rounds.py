#!/usr/bin/env python3
"""Starts the empty window and Hourvault in turns and compares their start-up.

Each run: the clock (CLOCK_MONOTONIC) is read just before the program is spawned; the program's
first-paint probe prints the clock at its first painted frame and its memory then. The runs
alternate (empty, Hourvault, then Hourvault, empty, ...) so that other load on the machine falls
on both alike; the table shows medians, the fastest and slowest run, and Hourvault / empty.
With --wine, the Windows programs of a windows-bench preset run under Wine instead, in a
private X server with a window manager: the empty window, the native floor (the same native
controls with the program's manifest) and Hourvault, compared with the floor. Their probe prints
when they have painted, and the clock is read when that line arrives; a few more runs under a
server that logs its requests count each program's requests up to its first paint.
"""

import argparse
import os
import re
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
                        help="a windows-bench build folder: compare its programs under Wine")
    parser.add_argument("--request-rounds", type=int, default=3,
                        help="with --wine, runs of each program that count its server requests")
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
        "mark": fields.get("mark"),
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


def wine_for(program, build):
    """Wine's loader, prefix and architecture for a Windows program, as cmake/wine-run picks them:
    a PE32+ program by Wine's 64-bit loader in the build's win64 prefix, a PE32 one by `wine`
    in its win32 prefix."""
    with open(program, "rb") as image:
        header = image.read(4096)
    machine = int.from_bytes(header[int.from_bytes(header[0x3c:0x40], "little") + 4:][:2],
                             "little")
    arch = "win64" if machine == 0x8664 else "win32"
    loader = shutil.which("wine")
    if arch == "win64" and os.access("/usr/lib/wine/wine64", os.X_OK):
        loader = "/usr/lib/wine/wine64"
    return loader, os.path.join(build, f"wine-{arch}"), arch


def requests_to_mark(log, mark):
    """The server requests of the process that created the event named `mark`, up to that
    event: from the server's log (debug level 1), where each request is a line
    `TID: name( ... )` and each thread's first reply names its process."""
    owner, marker = {}, None
    lines = log.splitlines()
    request = re.compile(r"^([0-9a-f]{4,8}): (\w+)\( ")
    started = re.compile(r"^([0-9a-f]{4,8}): init_(?:first_)?thread\(\) = \w+ \{ pid=([0-9a-f]+)")
    for number, line in enumerate(lines):
        if (found := started.match(line)):
            owner[found[1]] = found[2]
        elif (found := request.match(line)) and f'{mark}"' in line and "create_event" in line:
            marker = (number, owner.get(found[1]))
            break
    if marker is None or marker[1] is None:
        return None
    owner, count = {}, 0
    for line in lines[:marker[0]]:
        if (found := started.match(line)):
            owner[found[1]] = found[2]
            # The thread's first request came before its process was known.
            count += found[2] == marker[1]
        elif (found := request.match(line)) and owner.get(found[1]) == marker[1]:
            count += 1
    return count


def count_requests(programs, env, rounds, errors):
    """Each program's server requests to its first paint, under a server that logs them."""
    counts = {name: [] for name in programs}
    subprocess.run(["wineserver", "-k"], env=env)
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "server.log")
        # The server appends through a descriptor of its own; reading moves no offset of its.
        with open(path, "ab") as written, open(path, "rb") as log:
            server = subprocess.Popen(["wineserver", "-f", "-p", "-d1"], env=env,
                                      stdout=subprocess.DEVNULL, stderr=written)
            try:
                for round_number in range(1 + rounds):
                    for name, command in programs.items():
                        log.seek(0, os.SEEK_END)
                        report = run_once(command, env, errors)
                        count = requests_to_mark(log.read().decode(errors="replace"),
                                                 report["mark"])
                        if count is None:
                            sys.exit(f"{name}: its mark {report['mark']} is not in the server's "
                                     "log")
                        # The first round starts Wine's own services; it is not counted.
                        if round_number > 0:
                            counts[name].append(count)
            finally:
                subprocess.run(["wineserver", "-k"], env=env)
                server.wait()
    return counts


def wine_table(title, samples, requests, base):
    def column(values):
        return statistics.median(values), min(values), max(values)

    lines = [title,
             f"{'':28}{'first paint (ms)':>26}{'peak memory (MiB)':>27}{'server requests':>27}",
             f"{'':28}{'median':>10}{'min':>8}{'max':>8}{'median':>11}{'min':>8}{'max':>8}"
             f"{'median':>11}{'min':>8}{'max':>8}"]
    medians = {}
    for name in samples:
        ms = column([s["ms"] for s in samples[name]])
        hwm = column([s["hwm"] for s in samples[name]])
        sent = column(requests[name])
        medians[name] = ms[0], hwm[0], sent[0]
        lines.append(f"{name:28}{ms[0]:10.1f}{ms[1]:8.1f}{ms[2]:8.1f}"
                     f"{hwm[0]:11.1f}{hwm[1]:8.1f}{hwm[2]:8.1f}"
                     f"{sent[0]:11.0f}{sent[1]:8d}{sent[2]:8d}")
    for name in samples:
        if name != base:
            ratio = [medians[name][i] / medians[base][i] for i in range(3)]
            lines.append(f"{name + ' / ' + base:28}{ratio[0]:9.3f}x{'':16}{ratio[1]:10.3f}x"
                         f"{'':16}{ratio[2]:10.3f}x")
    return "\n".join(lines)


def under_wine(args, names):
    """The Windows programs under Wine, in a private X server under openbox: the empty window,
    the native floor and Hourvault, compared with the floor."""
    build = os.path.abspath(args.wine)
    paths = [os.path.join(build, "bench", f"{program}.exe") for program in
             ("win32_empty_window", "win32_native_floor", "win32_hourvault_first_paint")]
    wine, prefix, arch = wine_for(paths[-1], build)
    if wine is None or shutil.which("Xvfb") is None or shutil.which("openbox") is None:
        sys.exit("--wine needs wine, Xvfb and openbox: install them with: scripts/setup windows")
    server = Xvfb()
    manager = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=server.display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=server.display, WINEARCH=arch, WINEDEBUG="-all",
               WINEPREFIX=prefix, WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
    if arch == "win64":
        env["WINELOADER"] = wine
    try:
        if not os.path.exists(os.path.join(env["WINEPREFIX"], "system.reg")):
            subprocess.run([wine, "wineboot", "-i"], env=env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # One server for every round, as a desktop session has.
        subprocess.run(["wineserver", "-k"], env=env)
        subprocess.run(["wineserver", "-p"], env=env, check=True)
        programs = {name: [wine, path] for name, path in zip(names, paths)}
        with tempfile.TemporaryFile() as errors:
            samples = measure(programs, env, args.rounds, args.warm_up, errors)
            requests = count_requests(programs, env, args.request_rounds, errors)
        print(wine_table(f"Wine ({arch}) under Xvfb and openbox, 100 %, {args.rounds} rounds; "
                         f"server requests to the first paint in {args.request_rounds}",
                         samples, requests, names[1]) + "\n", flush=True)
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
        under_wine(args, (floor, "native floor", program))
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

#!/usr/bin/python3
"""Loads an empty page and Hourvault's page in turns in headless Chromium and compares their
time to first paint, and weighs what the page transfers.

Each load is a first visit: the origin's data (service worker, caches) and the browser's cache
are cleared before it. "First paint" is the browser's own first-paint mark, from the start of
the navigation. The loads alternate (empty, Hourvault, then Hourvault, empty, ...) after a few
uncounted rounds, so that other load on the machine falls on both alike. The empty page has
Hourvault's menu bar and a black client area of the main window's size, as the empty window
of the desktop benchmark has the window's menus and size. Sizes are of every file a first visit brings (the service
worker keeps them all), gzip-compressed as web/serve.py and static hosts send them: the
program (page, styles, scripts, module, manifest, service worker) apart from its pictures and
its font.

Usage: web_first_paint.py SITE [--rounds N] [--label TEXT]
"""
import argparse
import gzip
import json
import os
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).parents[1] / "web"))
from serve import Server  # noqa: E402

from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402

EMPTY_PAGE = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1"><title>empty</title>
<style>html{background:#3a3a3a}body{margin:0;font:12px/16px "Liberation Sans",Arial,sans-serif}
nav,main{width:613px;margin:0 auto}nav{display:flex;gap:14px;padding:3px 7px 4px;
box-sizing:border-box;background:#efefef}main{height:343px;background:#000}</style></head>
<body><nav><span>File</span><span>Model</span><span>Format</span><span>Help</span></nav>
<main></main></body></html>
"""
# What counts as the program's own bytes; pictures and the font are weighed apart.
PICTURES = (".jpg", ".gif", ".png", ".svg")
TARGET_RATIO, TARGET_KB = 1.10, 150


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("site", type=Path)
    parser.add_argument("--rounds", type=int, default=int(os.environ.get("ROUNDS", "40")))
    parser.add_argument("--warm-up", type=int, default=3)
    parser.add_argument("--label", default="")
    return parser.parse_args()


class Browser:
    def __init__(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-extensions", "--disable-dev-shm-usage",
                         "--window-size=1000,800"):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})

    def first_visit(self, url, origin):
        """First paint in ms from the navigation's start."""
        self.driver.get("about:blank")
        self.driver.execute_cdp_cmd("Storage.clearDataForOrigin",
                                    {"origin": origin, "storageTypes": "all"})
        self.driver.execute_cdp_cmd("Network.clearBrowserCache", {})
        self.driver.get(url)
        end = time.monotonic() + 10
        while time.monotonic() < end:
            found = self.driver.execute_script(
                "const paint = performance.getEntriesByName('first-paint')[0];"
                "return paint ? paint.startTime : null")
            if found:
                return found
            time.sleep(0.01)
        raise RuntimeError(f"no first paint of {url}")

    def quit(self):
        self.driver.quit()


def main():
    arguments = parse_args()
    with tempfile.TemporaryDirectory() as folder:
        served = Path(folder) / "site"
        shutil.copytree(arguments.site, served)
        (served / "empty.html").write_text(EMPTY_PAGE)
        server = Server(served)
        browser = Browser()
        origin = server.url.rstrip("/")
        pages = {"empty page": server.url + "empty.html", "Hourvault": server.url}
        times = {name: [] for name in pages}
        try:
            for round_ in range(arguments.warm_up + arguments.rounds):
                order = list(pages) if round_ % 2 == 0 else list(pages)[::-1]
                for name in order:
                    paint = browser.first_visit(pages[name], origin)
                    if round_ >= arguments.warm_up:
                        times[name].append(paint)
        finally:
            browser.quit()
            server.stop()

    print(arguments.label)
    print(f"headless Chromium, first visits, {arguments.rounds} rounds")
    print(f"{'':24}{'first paint (ms)':>30}")
    print(f"{'':24}{'median':>10}{'min':>10}{'max':>10}")
    for name, values in times.items():
        print(f"{name:24}{statistics.median(values):10.1f}{min(values):10.1f}{max(values):10.1f}")
    ratio = statistics.median(times["Hourvault"]) / statistics.median(times["empty page"])
    print(f"{'Hourvault / empty':24}{ratio:9.3f} x   (aim: at most {TARGET_RATIO:.2f} x)")

    sizes = {str(path.relative_to(arguments.site)): len(gzip.compress(path.read_bytes(), 9))
             for path in arguments.site.rglob("*") if path.is_file()}
    fonts = lambda path: path.startswith("fonts/")  # noqa: E731
    pictures = lambda path: path.endswith(PICTURES)  # noqa: E731

    def total(kind):
        return sum(size for path, size in sizes.items() if kind(path)) / 1024

    program = total(lambda path: not fonts(path) and not pictures(path))
    print()
    print("a first visit's files, gzip-compressed as served (KiB)")
    print(f"{'program':24}{program:10.1f}   (aim: under {TARGET_KB} KB)")
    for path, size in sorted(sizes.items()):
        if not fonts(path) and not pictures(path):
            print(f"  {path:22}{size / 1024:10.1f}")
    print(f"{'pictures and icons':24}{total(pictures):10.1f}")
    print(f"{'font':24}{total(fonts):10.1f}")
    print(json.dumps({"first_paint_ratio": round(ratio, 3), "program_kib": round(program, 1)}))


main()

#!/usr/bin/python3
"""The page in headless Chromium, driven through WebDriver by real keys, clicks and touches and
read back as a user sees it: the window cases that both desktop front-ends walk (from the
shared headers, through the JSON the build writes), the typical request, the layout at desktop
and phone widths, the help views, the shortcuts, Exit, an offline start and an accessibility
audit.

Usage: page_test.py --site FOLDER --cases window_facts.json --tables page_tables.json
                    --axe axe.min.js [--shots FOLDER] [unittest arguments]
"""
import argparse
import json
import shutil
import sys
import time
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).parents[2] / "web"))
from serve import Server  # noqa: E402

try:
    from selenium import webdriver
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
except ImportError:
    sys.exit("page_test.py needs python3-selenium: install the test tools with: scripts/setup web")

parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
for option in ("site", "cases", "tables", "axe"):
    parser.add_argument(f"--{option}", type=Path, required=True)
parser.add_argument("--shots", type=Path)
ARGS, UNITTEST_ARGS = parser.parse_known_args()
for tool in ("/usr/bin/chromium", "/usr/bin/chromedriver", ARGS.axe):
    if not Path(tool).exists():
        sys.exit(f"page_test.py needs {tool}: install the test tools with: scripts/setup web")

CASES = json.loads(ARGS.cases.read_text())
TABLES = json.loads(ARGS.tables.read_text())
LISTS = [entry["name"] for entry in CASES["lists"]]  # in the order Calculate checks them
CAMERAS, RESOLUTION, QUALITY, RATE, AUDIO, DISK = range(6)
TYPICAL = [entry["typical"] for entry in CASES["lists"]]
TYPICAL_RESULTS = [box["typical"] for box in CASES["results"]]  # hours, days
NO_RESULTS = ["", ""]
# Each control of the focus order by its name, from its role.
NAMES = {row["role"]: row["name"] for row in TABLES["main"]["controls"]
         + TABLES["main"]["resultControls"] + TABLES["main"]["lists"]}
FOCUS_ORDER = [NAMES[role] for role in TABLES["main"]["focusOrder"]]
# The window's caption as the page's title has it: its run of two spaces kept.
TITLE = TABLES["main"]["caption"].replace("  ", "\u00a0 ")
START = TABLES["main"]["start"]
DESKTOP, PHONE = (680, 420), (375, 740)


def fresh(list_number, model, format_):
    return next(row["entries"] for row in CASES["lists"][list_number]["fresh"]
                if row["model"] == model and row["format"] == format_)


class Page:
    """One headless Chromium for the whole run, and the page's folder served on 127.0.0.1."""

    def __init__(self):
        self.server = Server(ARGS.site)
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                         "--disable-dev-shm-usage", "--no-first-run", "--disable-extensions",
                         "--disable-features=Translate,AutofillServerCommunication"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_window_size(1000, 1000)
        self.agent = self.driver.execute_script("return navigator.userAgent")

    def quit(self):
        self.driver.quit()
        self.server.stop()

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def open(self, size=DESKTOP, scale=1, mobile=False, locale=None, url=None):
        """The page as a new user meets it, at that viewport."""
        width, height = size
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=scale, mobile=mobile)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5)
        # The browser's language, which navigator.language reports.
        self.cdp("Network.setUserAgentOverride", userAgent=self.agent,
                 acceptLanguage=locale or "en-US")
        self.driver.get(url or self.server.url)
        self.wait("the program to start",
                  lambda: self.js("return document.documentElement.dataset.ready") == "true")

    def wait(self, what, condition, timeout=5.0):
        end = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > end:
                raise AssertionError(f"timed out waiting for {what}")
            time.sleep(0.02)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def ctrl(self, letter):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(letter).key_up(
            Keys.CONTROL).perform()

    def shift(self, key):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(key).key_up(Keys.SHIFT).perform()

    def click(self, element_id):
        ActionChains(self.driver).move_to_element(self.element(element_id)).click().perform()

    def tap(self, element):
        """A finger on the element's middle, as the touch screen reports it."""
        self.js("arguments[0].scrollIntoView({block: 'center'})", element)
        x, y = self.js("const r = arguments[0].getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2];", element)
        point = [{"x": x, "y": y}]
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=point)
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def element(self, element_id):
        return self.driver.find_element("id", element_id)

    def arrow(self, name):
        return self.driver.find_element("css selector", f"#{name}-combo .arrow")

    # What a user sees.

    def focused(self):
        return self.js("return document.activeElement && document.activeElement.id")

    def selected(self):
        return self.js("const e = document.activeElement;"
                       "return e.value.substring(e.selectionStart, e.selectionEnd)")

    def shown(self, list_number):
        return self.element(LISTS[list_number]).get_property("value")

    def entries(self, list_number):
        return self.js("return [...document.getElementById(arguments[0]).children]"
                       ".map(o => o.textContent)", f"{LISTS[list_number]}-entries")

    def results(self):
        return [self.element("txtHours").get_property("value"),
                self.element("txtDays").get_property("value")]

    def dropped(self):
        return [name for name in LISTS
                if self.element(name).get_attribute("aria-expanded") == "true"]

    def message(self):
        """The Missing Data box while it is open: its title, text and buttons."""
        return self.js("const box = document.getElementById('missingData');"
                       "return box.open ? [box.querySelector('h2').textContent,"
                       " box.querySelector('p').textContent,"
                       " [...box.querySelectorAll('button')].map(b => b.textContent)] : null")

    def checked(self):
        return sorted(self.js("return [...document.querySelectorAll('[aria-checked=true]')]"
                              ".map(e => e.id)"))

    def visible_pictures(self):
        return sorted(self.js("return [...document.querySelectorAll('#client .picture')]"
                              ".filter(p => p.offsetParent !== null).map(p => p.id)"))

    def video_format(self):
        return self.element("txtFormat").text

    def shot(self, name):
        if ARGS.shots:
            ARGS.shots.mkdir(parents=True, exist_ok=True)
            self.driver.save_screenshot(str(ARGS.shots / f"{name}.png"))

    # What a user does.

    def click_into(self, list_number):
        field = self.element(LISTS[list_number])
        ActionChains(self.driver).move_to_element_with_offset(field, -20, 0).click().perform()
        self.wait("the list to take the focus", lambda: self.focused() == LISTS[list_number])

    def type_into(self, list_number, text):
        """Into the list's field, over what it shows."""
        self.click_into(list_number)
        self.keys(Keys.END)
        self.shift(Keys.HOME)
        self.keys(text)

    def pick_by_keys(self, list_number, text):
        self.click_into(list_number)
        self.keys(Keys.ARROW_DOWN)
        entries = self.entries(list_number)
        target = entries.index(text)
        steps = target - self.js("const o = document.querySelector("
                                 "`#${arguments[0]}-entries .active`); return o ? +o.dataset.index"
                                 " : 0", LISTS[list_number])
        for _ in range(abs(steps)):
            self.keys(Keys.ARROW_DOWN if steps > 0 else Keys.ARROW_UP)
        self.keys(Keys.ENTER)
        assert self.shown(list_number) == text, (self.shown(list_number), text)

    def pick_by_mouse(self, list_number, text):
        ActionChains(self.driver).move_to_element(self.arrow(LISTS[list_number])).click().perform()
        index = self.entries(list_number).index(text)
        option = self.element(f"{LISTS[list_number]}-entry{index}")
        ActionChains(self.driver).move_to_element(option).click().perform()
        assert self.shown(list_number) == text, (self.shown(list_number), text)

    def choose_from_menu_bar(self, item):
        menu = self.js("return document.getElementById(arguments[0]).closest('[role=menu]')"
                       ".getAttribute('aria-labelledby')", item)
        self.click(menu)
        self.wait("the menu to open", lambda: self.element(item).is_displayed())
        self.click(item)

    def close_message(self, key=Keys.ENTER):
        self.keys(key)
        self.wait("the box to close", lambda: self.message() is None)


PAGE = None


class PageTest(unittest.TestCase):
    def setUp(self):
        self.page = PAGE

    def tearDown(self):
        errors = [entry["message"] for entry in self.page.driver.get_log("browser")
                  if entry["level"] == "SEVERE" and "favicon" not in entry["message"]]
        self.assertEqual(errors, [], "errors in the browser's console")

    def check_reset(self, model, format_):
        page = self.page
        for number in range(6):
            self.assertEqual(page.shown(number), CASES["lists"][number]["prompt"])
            self.assertEqual(page.entries(number), fresh(number, model, format_), LISTS[number])
        self.assertEqual(page.results(), NO_RESULTS)
        items = {item.get("model", item.get("format")): item["name"]
                 for menu in TABLES["menus"] for item in menu["items"]
                 if ("model" in item and item["model"] == model)
                 or ("format" in item and item["format"] == format_)}
        self.assertEqual(page.checked(), sorted(items.values()))
        pictures = {picture["role"]: picture["model"] for picture in TABLES["main"]["modelPictures"]}
        shown = sorted(row["name"] for row in TABLES["main"]["controls"]
                       if row["kind"] == "picture" and pictures.get(row["role"], model) == model)
        self.assertEqual(page.visible_pictures(), shown)
        caption = next(f["caption"] for f in TABLES["main"]["formats"] if f["format"] == format_)
        self.assertEqual(page.video_format(), caption)

    def pick_all(self, choices, by_mouse=False):
        for number, choice in enumerate(choices):
            if choice:
                (self.page.pick_by_mouse if by_mouse else self.page.pick_by_keys)(number, choice)


class MainWindow(PageTest):
    def test_opens_as_tx4160_in_ntsc_with_calculate_focused(self):
        self.page.open()
        self.assertEqual(self.page.driver.title, TITLE)
        self.check_reset(START["model"], START["format"])
        self.assertEqual(self.page.focused(), "cmdCalculate")
        self.page.shot("desktop-start")

    def test_typical_request_by_mouse_then_by_keys(self):
        page = self.page
        for by_mouse in (True, False):
            page.open()
            self.pick_all(TYPICAL, by_mouse)
            self.assertEqual(page.results(), NO_RESULTS)
            page.click("cmdCalculate")
            self.assertEqual(page.results(), TYPICAL_RESULTS)
            self.assertEqual(page.focused(), "cmdCalculate")
        page.shot("desktop-typical")
        # A new pick blanks the results; Calculate again brings them back the same.
        page.pick_by_mouse(DISK, "1 TB")
        self.assertEqual(page.results(), NO_RESULTS)
        page.pick_by_keys(DISK, TYPICAL[DISK])
        page.element("cmdCalculate").click()
        page.element("cmdCalculate").click()
        self.assertEqual(page.results(), TYPICAL_RESULTS)

    def test_results_in_the_browsers_language(self):
        page = self.page
        page.open(locale=CASES["decimalCommaLocale"].replace("_", "-"))
        for request in CASES["decimalCommaRequests"]:
            self.pick_all(request["choices"])
            page.click("cmdCalculate")
            self.assertEqual(page.results(), [request["hours"], request["days"]])
        page.open(locale="de")
        self.pick_all(TYPICAL)
        page.click("cmdCalculate")
        self.assertEqual(page.results(), [text.replace(".", ",") for text in TYPICAL_RESULTS])

    def test_calculate_names_the_first_missing_choice(self):
        page = self.page
        for case in CASES["missingChoices"]:
            with self.subTest(case["name"]):
                page.open()
                for number in range(case["picked"]):
                    page.pick_by_keys(number, TYPICAL[number])
                page.js("document.getElementById('txtHours').value = 'earlier';"
                        "document.getElementById('txtDays').value = 'result'")
                shown = [page.shown(number) for number in range(6)]
                offered = [page.entries(number) for number in range(6)]
                typed = case["typedInto"]
                if typed >= 0:
                    page.type_into(typed, case["typed"])
                    shown[typed] = CASES["lists"][typed]["prompt"]
                if case["leaving"] != "none":
                    if case["leaving"] == "backtab":
                        page.shift(Keys.TAB)
                    else:
                        page.keys(Keys.TAB)
                page.click("cmdCalculate")
                missing = case["missing"]
                self.assertEqual(page.message(), ["Missing Data",
                                                  CASES["lists"][missing]["message"], ["OK"]])
                page.close_message()
                self.assertEqual(page.focused(), LISTS[missing])
                self.assertEqual(page.selected(), shown[missing])
                self.assertEqual(page.results(),
                                 NO_RESULTS if typed >= 0 else ["earlier", "result"])
                self.assertEqual([page.shown(number) for number in range(6)], shown)
                self.assertEqual([page.entries(number) for number in range(6)], offered)

    def test_commands_reset_the_lists_and_move_no_focus(self):
        page = self.page
        for case in CASES["settingsCommands"]:
            with self.subTest(case["name"]):
                page.open()
                *before, last = case["steps"]
                for item in before:
                    page.choose_from_menu_bar(item)
                for number in range(6):
                    page.pick_by_keys(number, page.entries(number)[0])
                page.click("cmdCalculate")
                self.assertNotEqual(page.results(), NO_RESULTS)
                page.type_into(case["typedInto"], "12")
                if last == "cmdClear":
                    page.click(last)
                else:
                    page.choose_from_menu_bar(last)
                self.check_reset(case["model"], case["format"])
                if last == "cmdClear":
                    self.assertEqual(page.focused(), last)
                else:
                    self.assertEqual(page.focused(), LISTS[case["typedInto"]])
                    self.assertEqual(page.selected(), CASES["lists"][case["typedInto"]]["prompt"])

    def test_rate_list_keeps_or_drops_typed_text(self):
        page = self.page
        for case in CASES["rateLeavings"]:
            with self.subTest(case["name"]):
                page.open()
                if case["cameras"]:
                    page.pick_by_keys(CAMERAS, TYPICAL[CAMERAS])
                page.pick_by_keys(RESOLUTION, TYPICAL[RESOLUTION])
                if case["resolutionRetyped"]:
                    page.type_into(RESOLUTION, "720")
                    page.keys(Keys.TAB)
                page.type_into(RATE, "9")
                page.keys(Keys.TAB)
                self.assertEqual(page.focused(), LISTS[CAMERAS])
                self.assertEqual(page.shown(RATE), case["shown"])
                self.assertEqual(page.entries(RATE),
                                 CASES["typicalRates"] if case["rebuilt"] else [])

    def test_tab_goes_round_the_window_in_its_focus_order(self):
        page = self.page
        page.open()
        visited = [page.focused()]
        for _ in FOCUS_ORDER:
            page.keys(Keys.TAB)
            visited.append(page.focused())
        self.assertEqual(visited, FOCUS_ORDER + FOCUS_ORDER[:1])
        back = [page.focused()]
        for _ in FOCUS_ORDER:
            page.shift(Keys.TAB)
            back.append(page.focused())
        self.assertEqual(back, [FOCUS_ORDER[0]] + FOCUS_ORDER[::-1])

    def test_enter_presses_only_a_focused_button_and_escape_nothing(self):
        page = self.page
        page.open()
        self.pick_all(TYPICAL)
        # In a list, Enter and Escape press nothing, and a typed entry's text is no choice.
        page.type_into(AUDIO, TYPICAL[AUDIO])
        page.keys(Keys.ENTER, Keys.ESCAPE)
        self.assertEqual(page.results(), NO_RESULTS)
        self.assertIsNone(page.message())
        page.pick_by_keys(AUDIO, TYPICAL[AUDIO])
        page.shift(Keys.TAB)
        page.shift(Keys.TAB)
        self.assertEqual(page.focused(), "cmdCalculate")
        page.keys(Keys.ESCAPE)
        self.assertEqual(page.results(), NO_RESULTS)
        page.keys(Keys.ENTER)
        self.assertEqual(page.results(), TYPICAL_RESULTS)
        page.keys(Keys.TAB, Keys.SPACE)
        self.assertEqual(page.results(), NO_RESULTS)
        self.assertEqual(page.shown(CAMERAS), CASES["lists"][CAMERAS]["prompt"])

    def test_editing_drops_the_choice_and_retyping_keeps_it(self):
        page = self.page
        page.open()
        self.pick_all(TYPICAL)
        page.click("cmdCalculate")
        # A chosen entry's very text typed over all of it, by a key or by an input method's
        # commit, is still the choice: leaving the list keeps the result.
        for by_input_method in (False, True):
            page.click_into(CAMERAS)
            page.keys(Keys.END)
            page.shift(Keys.HOME)
            if by_input_method:
                page.cdp("Input.insertText", text=TYPICAL[CAMERAS])
            else:
                page.keys(TYPICAL[CAMERAS])
            page.keys(Keys.TAB)
            self.assertEqual(page.shown(CAMERAS), TYPICAL[CAMERAS])
            self.assertEqual(page.results(), TYPICAL_RESULTS)
        # Anything else is no choice: the text stays while the list holds the focus.
        page.click_into(AUDIO)
        page.keys(Keys.END, Keys.BACKSPACE)
        self.assertEqual(page.shown(AUDIO), TYPICAL[AUDIO][:-1])
        self.assertEqual(page.results(), TYPICAL_RESULTS)
        page.click("cmdCalculate")
        self.assertEqual(page.message()[1], CASES["lists"][AUDIO]["message"])
        page.close_message()

    def test_pasted_composed_and_autofilled_texts_are_no_choice(self):
        page = self.page
        page.open()
        self.pick_all(TYPICAL)
        # An input method's text, or a paste, arrives as text: no choice, until it is left.
        page.click_into(DISK)
        page.keys(Keys.END)
        page.shift(Keys.HOME)
        page.cdp("Input.imeSetComposition", text="750", selectionStart=3, selectionEnd=3)
        page.cdp("Input.insertText", text="750 GB")
        self.assertEqual(page.shown(DISK), "750 GB")
        page.keys(Keys.TAB)
        self.assertEqual(page.shown(DISK), CASES["lists"][DISK]["prompt"])
        # Text put into a list that does not hold the focus, as autofill does, is left at once.
        page.pick_by_keys(DISK, TYPICAL[DISK])
        page.click("cmdCalculate")
        page.js("const field = document.getElementById(arguments[0]); field.value = '1 TB';"
                "field.dispatchEvent(new InputEvent('input', {bubbles: true}))", LISTS[DISK])
        self.assertEqual(page.shown(DISK), CASES["lists"][DISK]["prompt"])
        self.assertEqual(page.results(), NO_RESULTS)
        page.click("cmdCalculate")
        self.assertEqual(page.message()[1], CASES["lists"][DISK]["message"])
        page.close_message(Keys.ESCAPE)
        self.assertEqual(page.focused(), LISTS[DISK])

    def test_shortcuts_act_before_the_fields_keys_also_with_a_list_open(self):
        page = self.page
        page.open()
        self.pick_all(TYPICAL)
        page.click("cmdCalculate")
        # Ctrl+C clears instead of copying, with the list open too.
        page.click_into(CAMERAS)
        page.keys(Keys.ARROW_DOWN)
        self.assertEqual(page.dropped(), [LISTS[CAMERAS]])
        page.ctrl("c")
        self.assertEqual(page.dropped(), [])
        self.check_reset(START["model"], START["format"])
        self.assertEqual(page.focused(), LISTS[CAMERAS])
        self.assertEqual(page.selected(), CASES["lists"][CAMERAS]["prompt"])
        # Ctrl+G opens the glossary from a list; it comes back with the typed text.
        page.type_into(RESOLUTION, "720")
        page.ctrl("g")
        self.assertTrue(page.element("glossary").is_displayed())
        page.keys(Keys.ENTER)
        page.wait("the main window back", lambda: page.element("client").is_displayed())
        self.assertEqual(page.shown(RESOLUTION), "720")
        self.assertEqual(page.focused(), LISTS[RESOLUTION])

    def test_a_double_click_on_an_entry_presses_nothing_beneath(self):
        page = self.page
        page.open()
        # The audio list's last entry lies over the top of Calculate.
        ActionChains(page.driver).move_to_element(page.arrow(LISTS[AUDIO])).click().perform()
        last = len(page.entries(AUDIO)) - 1
        option = page.element(f"{LISTS[AUDIO]}-entry{last}")
        button = page.element("cmdCalculate").rect
        below = button["y"] + 1 - (option.rect["y"] + option.rect["height"] / 2)
        self.assertLess(below, option.rect["height"] / 2, "the entry lies over the button")
        ActionChains(page.driver).move_to_element_with_offset(option, 0, below).double_click() \
            .perform()
        self.assertEqual(page.shown(AUDIO), page.entries(AUDIO)[last])
        self.assertIsNone(page.message())

    def test_menu_bar_by_keys(self):
        page = self.page
        page.open()
        page.type_into(AUDIO, "12")
        page.keys(Keys.F10)
        self.assertEqual(page.focused(), "mnuFile")
        page.keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_DOWN, Keys.ARROW_DOWN)
        self.assertEqual(page.focused(), "mnuPAL")
        page.keys(Keys.ENTER)
        self.check_reset(START["model"], 1 - START["format"])
        self.assertEqual(page.focused(), LISTS[AUDIO])
        # Escape out of the menus gives the focus back with nothing left or chosen.
        page.type_into(AUDIO, "8")
        page.keys(Keys.F10, Keys.ARROW_DOWN, Keys.ESCAPE, Keys.ESCAPE)
        self.assertEqual(page.focused(), LISTS[AUDIO])
        self.assertEqual(page.shown(AUDIO), "8")


class HelpViews(PageTest):
    def test_texts_and_the_way_back_unchanged(self):
        page = self.page
        expected = {}
        for row in CASES["helpTexts"]:
            expected.setdefault(row["window"], {})[row["name"]] = row["text"]
        captions = {window["name"]: window["caption"] for window in TABLES["helpWindows"]}
        for view, item in (("about", "mnuAbout"), ("glossary", "mnuGlossary")):
            for back in ("OK", "Back"):
                with self.subTest(f"{view} closed by {back}"):
                    page.open()
                    self.pick_all(TYPICAL[:3])
                    page.type_into(AUDIO, "No")
                    page.choose_from_menu_bar(item)
                    self.assertFalse(page.element("calculator").is_displayed())
                    self.assertEqual(page.driver.title, captions[view])
                    texts = page.js("return Object.fromEntries([...document.querySelectorAll("
                                    "'#help .label')].map(l => [l.dataset.name, l.textContent]))")
                    self.assertEqual(texts, expected[view])
                    self.assertEqual(page.focused(), f"{view}-Command1")
                    page.keys(Keys.ESCAPE)  # presses nothing
                    self.assertTrue(page.element(view).is_displayed())
                    page.shot(f"desktop-{view}")
                    if back == "OK":
                        page.keys(Keys.SPACE)
                    else:
                        page.driver.back()
                    page.wait("the main window back", lambda: page.element("client").is_displayed())
                    self.assertEqual([page.shown(n) for n in (CAMERAS, RESOLUTION, QUALITY, AUDIO)],
                                     TYPICAL[:3] + ["No"])
                    self.assertEqual(page.focused(), LISTS[AUDIO])
                    self.assertEqual(page.driver.title, TITLE)
                    # Built afresh each time: nothing of the last opening is left.
                    self.assertEqual(page.js("return document.getElementById('help')"
                                             ".children.length"), 0)


class Exit(PageTest):
    def test_exit_leaves_only_a_way_to_start_again(self):
        page = self.page
        page.open()
        self.pick_all(TYPICAL[:2])
        page.ctrl("x")
        page.wait("the ended page", lambda: page.js("return !document.getElementById('client')"))
        link = page.driver.find_element("css selector", ".ended a")
        self.assertIn("has ended", page.driver.find_element("css selector", ".ended h1").text)
        link.click()
        page.wait("a new start", lambda: page.js(
            "return document.documentElement.dataset.ready") == "true")
        self.check_reset(START["model"], START["format"])


class Layout(PageTest):
    def rects(self, names, within="client"):
        return self.page.js(
            "const base = document.getElementById(arguments[1]).getBoundingClientRect();"
            "return arguments[0].map(n => { const r = document.getElementById(n)"
            ".getBoundingClientRect(); return [n, r.left - base.left, r.top - base.top,"
            " r.width, r.height]; })", names, within)

    def test_desktop_places_as_the_tables_place_them(self):
        page = self.page
        for scale in (1, 2):
            page.open(scale=scale)
            # A list's place is its whole box, field and arrow; a hidden picture's is measured
            # once its model is chosen.
            lists = set(LISTS)
            expected = [[p["name"], p["left"], p["top"], p["width"], p["height"]]
                        for p in CASES["places"]]
            names = [f"{name}-combo" if name in lists else name for name, *_ in expected]
            shown = [page.element(name).is_displayed() for name in names]
            measured = self.rects([n for n, s in zip(names, shown) if s])
            page.choose_from_menu_bar(next(item["name"] for menu in TABLES["menus"]
                                           for item in menu["items"]
                                           if item.get("model", START["model"]) != START["model"]))
            measured += self.rects([n for n, s in zip(names, shown) if not s])
            measured = sorted(measured, key=lambda row: names.index(row[0]))
            self.assertEqual([row[1:] for row in measured], [row[1:] for row in expected])
            page.choose_from_menu_bar(next(item["name"] for menu in TABLES["menus"]
                                           for item in menu["items"]
                                           if item.get("model") == START["model"]))
            client = page.element("client").rect
            self.assertEqual((client["width"], client["height"]), (
                TABLES["main"]["place"]["width"], TABLES["main"]["place"]["height"]))
            # Every control of the table where the table puts it, the frames' own inside them.
            rows = [row for row in TABLES["main"]["controls"] if row["kind"] != "picture"
                    or page.element(row["name"]).is_displayed()]
            self.assertEqual(self.rects([row["name"] for row in rows]),
                             [[row["name"], *row["place"].values()] for row in rows])
            result = TABLES["main"]["resultControls"]
            self.assertEqual(self.rects([row["name"] for row in result], "resultFrame"),
                             [[row["name"], *row["place"].values()] for row in result])
            place = TABLES["main"]["listPlace"]["place"]
            for entry in TABLES["main"]["lists"]:
                self.assertEqual(self.rects([f"{entry['name']}-combo"], NAMES[entry["frame"]])[0][1:],
                                 list(place.values()))
            # The font the layout is made for, brought by the page, and the twice-as-large
            # pictures on a screen of two device pixels to the CSS pixel.
            self.assertTrue(page.js("return document.fonts.check('10px \"Liberation Sans\"')"))
            self.assertEqual(page.js("return document.fonts.status"), "loaded")
            twins = page.js("return [...document.querySelectorAll('#client img')]"
                            ".filter(i => i.offsetParent).map(i => i.currentSrc.includes('@2x'))")
            self.assertEqual(set(twins), {scale == 2})
            # Every caption and text fits its box.
            clipped = page.js("return [...document.querySelectorAll('#client .caption, "
                              "#client .unit, #client button, #txtFormat')]"
                              ".filter(e => e.scrollWidth > e.clientWidth + 1).map(e => e.id)")
            self.assertEqual(clipped, [])

    def test_phone_width_one_column_in_the_focus_order(self):
        page = self.page
        page.open(PHONE, scale=2, mobile=True)
        page.shot("phone-start")
        controls = page.js(
            "return arguments[0].map(n => { const e = document.getElementById(n);"
            " const r = (e.closest('.combo') || e).getBoundingClientRect();"
            " return [n, r.left, r.top, r.right, r.bottom]; })", FOCUS_ORDER)
        width = page.js("return document.documentElement.clientWidth")
        self.assertEqual(page.js("return document.documentElement.scrollWidth"), width)
        for (name, left, top, right, bottom), following in zip(controls, controls[1:]):
            self.assertGreaterEqual(following[2], bottom, f"{following[0]} below {name}")
        for name, left, top, right, bottom in controls:
            self.assertGreaterEqual(left, 0, name)
            self.assertLessEqual(right, width, name)
            self.assertGreaterEqual(bottom - top, 44, f"{name} is a finger's target")
        # Text a phone need not zoom into to read or type: 16 px and up.
        small = page.js("return [...document.querySelectorAll('#client input, #client button')]"
                        ".filter(e => parseFloat(getComputedStyle(e).fontSize) < 16).map(e => e.id)")
        self.assertEqual(small, [])
        # Menus and entries are a finger's targets too; nothing is cut off.
        heights = page.js("return [...document.querySelectorAll('.menu-title')]"
                          ".map(e => e.getBoundingClientRect().height)")
        self.assertTrue(all(height >= 44 for height in heights), heights)
        clipped = page.js("return [...document.querySelectorAll('.caption, .unit, button, "
                          ".format')].filter(e => e.offsetParent && e.scrollWidth > "
                          "e.clientWidth + 1).map(e => e.id || e.textContent)")
        self.assertEqual(clipped, [])

    def test_typical_request_by_touch_on_a_phone(self):
        page = self.page
        page.open(PHONE, scale=2, mobile=True)
        for number, choice in enumerate(TYPICAL):
            page.tap(page.arrow(LISTS[number]))
            self.assertEqual(page.dropped(), [LISTS[number]])
            # The keyboard stays down while a finger picks from the entries.
            self.assertEqual(page.element(LISTS[number]).get_attribute("inputmode"), "none")
            index = page.entries(number).index(choice)
            page.tap(page.element(f"{LISTS[number]}-entry{index}"))
            self.assertEqual(page.shown(number), choice)
        page.tap(page.element("cmdCalculate"))
        self.assertEqual(page.results(), TYPICAL_RESULTS)
        # Left, the list brings the keyboard again, however the focus comes back to it.
        self.assertEqual(page.element(LISTS[-1]).get_attribute("inputmode"), "")
        page.js("window.scrollTo(0, 0)")
        page.shot("phone-typical")
        # The help views fit the phone's width, nothing cut off.
        page.tap(page.element("mnuHelp"))
        page.tap(page.element("mnuGlossary"))
        self.assertEqual(page.js("return document.documentElement.scrollWidth"),
                         page.js("return document.documentElement.clientWidth"))
        cut = page.js("return [...document.querySelectorAll('#help .label')]"
                      ".filter(l => l.scrollHeight > l.clientHeight + 1).map(l => l.id)")
        self.assertEqual(cut, [])
        page.shot("phone-glossary")


class Offline(PageTest):
    def test_starts_without_the_server_once_opened(self):
        page = self.page
        server = Server(ARGS.site)
        try:
            page.open(url=server.url)
            # The worker takes the open page over once it has kept every file.
            page.wait("the service worker", lambda: page.js(
                "return navigator.serviceWorker.controller !== null"), timeout=15)
            # The installed app: a manifest with the program's icons, nothing missing.
            errors = page.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
            self.assertEqual(errors, [])
        finally:
            server.stop()
        page.driver.get(server.url)
        page.wait("the page from the worker's copy", lambda: page.js(
            "return document.documentElement.dataset.ready") == "true")
        self.pick_all(TYPICAL)
        page.click("cmdCalculate")
        self.assertEqual(page.results(), TYPICAL_RESULTS)
        # The font the page brings for machines without it is there offline too.
        page.driver.set_script_timeout(10)
        loaded = page.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "Promise.all(['Regular', 'Bold'].map(style => new FontFace(style,"
            " `url(fonts/LiberationSans-${style}.ttf)`).load())).then(() => done(true),"
            " error => done(String(error)))")
        self.assertIs(loaded, True)


class Accessibility(PageTest):
    def audit(self):
        page = self.page
        if not page.js("return !!window.axe"):
            page.js(ARGS.axe.read_text())
        page.driver.set_script_timeout(30)
        found = page.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document).then(r => done(r.violations.map(v => [v.id, v.help,"
            " v.nodes.map(n => n.target.join(' '))])), e => done([['axe', String(e), []]]))")
        return found

    def test_axe_finds_nothing(self):
        page = self.page
        for size, mobile in ((DESKTOP, False), (PHONE, True)):
            page.open(size, mobile=mobile)
            self.assertEqual(self.audit(), [], "the main window")
            page.click_into(CAMERAS)
            page.keys(Keys.ARROW_DOWN)
            self.assertEqual(self.audit(), [], "a list open")
            page.click("mnuModel")
            self.assertEqual(self.audit(), [], "a menu open")
            page.keys(Keys.ESCAPE, Keys.ESCAPE)
            page.click("cmdCalculate")
            self.assertEqual(self.audit(), [], "the Missing Data box")
            page.close_message()
            for item in ("mnuGlossary", "mnuAbout"):
                page.choose_from_menu_bar(item)
                self.assertEqual(self.audit(), [], item)
                page.keys(Keys.ENTER)
                page.wait("the main window", lambda: page.element("client").is_displayed())


def main():
    global PAGE
    try:
        PAGE = Page()
    except WebDriverException as error:
        sys.exit(f"page_test.py: Chromium would not start: {error.msg}")
    try:
        program = unittest.main(argv=[sys.argv[0], *UNITTEST_ARGS], exit=False, verbosity=2)
    finally:
        PAGE.quit()
    if ARGS.shots:
        print(f"screenshots in {ARGS.shots}")
    sys.exit(0 if program.result.wasSuccessful() else 1)


if __name__ == "__main__":
    shutil.rmtree(ARGS.shots, ignore_errors=True) if ARGS.shots else None
    main()

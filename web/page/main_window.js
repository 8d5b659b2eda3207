// The main window in the page: it turns what users do into the controller's events and does
// what the controller asks of the window. The controller itself runs in hourvault.wasm.
const byId = (id) => document.getElementById(id);
const mainWindow = document.querySelector(".window");
const client = byId("client");
const helpPlace = byId("help");
const messageBox = byId("missingData");
const resultBoxes = [...document.querySelectorAll("[data-box]")]
    .sort((a, b) => a.dataset.box - b.dataset.box);
const buttons = [...document.querySelectorAll("[data-button]")];
const commands = [...document.querySelectorAll("#menubar [data-command]")];
// A double-click's second click after a pick would press what lies under the closed list.
const doubleClickTime = 500;

let program = null; // the module, from its start to Exit
let ended = false;
let commandsEnabled = true;
let focusAfterMessage = null; // the list the controller focused while the box was up
let focusBeforeHelp = null;
let lastPickByPointer = 0;

const windowShown = () => !ended && !mainWindow.hidden;
const takesInput = () => program !== null && windowShown() && !messageBox.open;

// The controller's events; none while a box or a help view is up.
const report = {
    command(number) {
        if (takesInput() && commandsEnabled) {
            program._hv_command(number);
        }
    },
    pressed(number) {
        if (takesInput()) {
            program._hv_pressed(number);
        }
    },
    entryChosen(list) {
        if (takesInput()) {
            program._hv_entry_chosen(list);
        }
    },
    focusArrived(list) {
        if (takesInput()) {
            program._hv_focus_arrived(list);
        }
    },
    textArrived(list, holdsFocus) {
        if (takesInput()) {
            program._hv_text_arrived(list, holdsFocus ? 1 : 0);
        }
    },
};

const lists = [...document.querySelectorAll("[data-list]")]
    .map((field) => new OptionList(field, {
        takesInput,
        entryChosen: report.entryChosen,
        textArrived: report.textArrived,
        pickedByPointer(time) {
            lastPickByPointer = time;
        },
    }))
    .sort((a, b) => a.number - b.number);
const listOf = (element) => lists.find((list) => list.field === element);
const closeLists = () => lists.forEach((list) => list.close());

// The controls the focus order visits, in that order.
const focusable = [...client.querySelectorAll("button, input")];
const isControl = (element) => focusable.includes(element);

const menus = new MenuBar(byId("menubar"), {
    mayOpen: () => windowShown() && !messageBox.open,
    opening: closeLists,
    command: report.command,
});

// The menus' Ctrl+letter keys act before a field's own editing keys, also while a list is
// open; a keyboard without Latin letters gives them by the key's place.
const shortcuts = new Map(commands.filter((item) => item.dataset.key)
    .map((item) => [item.dataset.key, item]));
const letterOf = (event) => {
    if (/^[a-z]$/i.test(event.key)) {
        return event.key.toUpperCase();
    }
    const place = /^Key([A-Z])$/.exec(event.code);
    return place ? place[1] : null;
};
const plain = (event) => !event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey;
let altAlone = false;
document.addEventListener("keydown", (event) => {
    altAlone = event.key === "Alt" && !event.ctrlKey && !event.shiftKey && !event.metaKey;
    if (!windowShown() || messageBox.open) {
        return;
    }
    if (event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey) {
        const item = shortcuts.get(letterOf(event));
        if (item) {
            event.preventDefault();
            event.stopPropagation();
            closeLists();
            if (menus.active) {
                menus.leave();
            }
            report.command(Number(item.dataset.command));
        }
        return;
    }
    // F10 takes the menu bar, as on the desktop.
    if (event.key === "F10" && plain(event) && !menus.active) {
        event.preventDefault();
        menus.enter();
        return;
    }
    // Tab and Shift+Tab go round the window's controls, as in the desktop window.
    if (event.key === "Tab" && !event.ctrlKey && !event.altKey && !event.metaKey &&
        isControl(event.target)) {
        listOf(event.target)?.close();
        const visible = focusable.filter((control) => control.offsetParent !== null);
        const at = visible.indexOf(event.target);
        if (event.shiftKey ? at === 0 : at === visible.length - 1) {
            event.preventDefault();
            visible[event.shiftKey ? visible.length - 1 : 0].focus();
        }
    }
}, true);
document.addEventListener("keyup", (event) => {
    // Alt pressed and let go alone takes the menu bar, or leaves it.
    if (event.key === "Alt" && altAlone && windowShown() && !messageBox.open) {
        event.preventDefault();
        if (menus.active) {
            menus.leave();
        } else {
            menus.enter();
        }
    }
    altAlone = false;
}, true);
document.addEventListener("pointerdown", (event) => {
    altAlone = false;
    for (const list of lists) {
        if (list.isOpen && !list.combo.contains(event.target)) {
            list.close();
        }
    }
}, true);

// Where the focus arrives, for the rule that says when a list is left: only the window's own
// controls count, not the menu bar, a box or anything outside the page.
document.addEventListener("focusin", (event) => {
    if (isControl(event.target)) {
        const list = listOf(event.target);
        report.focusArrived(list ? list.number : -1);
    }
});

// A press gives the button the focus first, as a click on the desktop does, so the list it
// leaves is checked before the command.
for (const button of buttons) {
    button.addEventListener("click", () => {
        if (!takesInput()) {
            return;
        }
        if (document.activeElement !== button) {
            button.focus();
        }
        report.pressed(Number(button.dataset.button));
    });
}

// The second click of a double-click on an entry would land on what lies under the list.
const eatSecondClick = (event) => {
    if (event.detail >= 2 && event.timeStamp - lastPickByPointer < doubleClickTime) {
        event.preventDefault();
        event.stopPropagation();
    }
};
for (const type of ["mousedown", "click", "dblclick"]) {
    document.addEventListener(type, eatSecondClick, true);
}

// The Missing Data box, closed by OK or Escape; the list it names then takes the focus.
function closeMessage() {
    messageBox.close();
    const list = focusAfterMessage;
    focusAfterMessage = null;
    if (list && takesInput()) {
        list.focus();
    }
}
byId("missingData-ok").addEventListener("click", closeMessage);
messageBox.addEventListener("cancel", (event) => {
    event.preventDefault();
    closeMessage();
});

// The About and Glossary views take the window's place, and give it back unchanged, by
// their OK button or by the browser's Back. An installed app's window keeps no history.
const standalone = window.matchMedia("(display-mode: standalone)").matches;
let helpView = null;

function openHelp(kind) {
    const template = [...document.querySelectorAll("template")]
        .find((candidate) => candidate.content.firstElementChild.dataset.kind === String(kind));
    menus.closeMenu();
    closeLists();
    focusBeforeHelp = document.activeElement;
    helpView = template.content.firstElementChild.cloneNode(true);
    helpPlace.replaceChildren(helpView);
    mainWindow.hidden = true;
    helpPlace.hidden = false;
    document.title = helpView.dataset.caption;
    helpView.querySelector("button").addEventListener("click", () => {
        if (!standalone && history.state && history.state.help) {
            history.back();
        } else {
            closeHelp();
        }
    });
    if (!standalone) {
        history.pushState({help: helpView.id}, "", `#${helpView.id}`);
    }
    // Read from the top, on a phone too, with OK holding the focus.
    helpView.querySelector("button").focus({preventScroll: true});
    window.scrollTo(0, 0);
}

function closeHelp() {
    if (!helpView || ended) {
        return;
    }
    helpPlace.hidden = true;
    helpPlace.replaceChildren();
    helpView = null;
    mainWindow.hidden = false;
    document.title = mainTitle;
    program._hv_help_window_closed();
    if (focusBeforeHelp && focusBeforeHelp.isConnected && focusBeforeHelp !== document.body) {
        focusBeforeHelp.focus();
    }
    focusBeforeHelp = null;
}

window.addEventListener("popstate", () => {
    if (helpView && !(history.state && history.state.help === helpView.id)) {
        closeHelp();
    }
});

// Exit: an installed app's window closes; a tab, which a page cannot close, is left saying
// that Hourvault has ended, with a way to start it again. Nothing is kept.
function endProgram() {
    ended = true;
    // Out of the module's call first; then the module is let go of.
    setTimeout(() => {
        program = null;
        const name = document.querySelector("meta[name=application-name]").content;
        const note = document.createElement("main");
        note.className = "ended";
        const heading = document.createElement("h1");
        heading.textContent = `${name} has ended.`;
        const again = document.createElement("a");
        again.href = location.pathname;
        again.textContent = `Start ${name} again`;
        const line = document.createElement("p");
        line.append(again);
        note.append(heading, line);
        document.body.replaceChildren(note);
        document.title = `${name} has ended`;
        window.close();
    });
}

const mainTitle = document.title;

// What the controller does to the window (binding.cpp calls these).
const page = {
    selectionIndex: (list) => lists[list].index,
    text(what, which) {
        switch (what) {
        case 0:
            return lists[which].field.value;
        case 1:
            return resultBoxes[which].value;
        default:
            return decimalSeparator();
        }
    },
    clearList: (list) => lists[list].clear(),
    appendEntry: (list, text) => lists[list].append(text),
    setShownText: (list, text) => lists[list].show(text),
    setResultText(box, text) {
        resultBoxes[box].value = text;
    },
    focusList(list) {
        if (messageBox.open) {
            focusAfterMessage = lists[list];
        } else {
            lists[list].focus();
        }
    },
    showMessage(text, title) {
        closeLists();
        byId("missingData-title").textContent = title;
        byId("missingData-text").textContent = text;
        messageBox.showModal();
    },
    showSettings(model, format) {
        for (const item of commands) {
            if (item.dataset.model !== undefined) {
                item.setAttribute("aria-checked", String(Number(item.dataset.model) === model));
            }
            if (item.dataset.format !== undefined) {
                item.setAttribute("aria-checked", String(Number(item.dataset.format) === format));
            }
        }
        for (const picture of client.querySelectorAll("[data-model]")) {
            picture.hidden = Number(picture.dataset.model) !== model;
        }
        const caption = byId("txtFormat");
        caption.textContent = caption.getAttribute(`data-caption-${format}`);
    },
    enableCommands(enabled) {
        commandsEnabled = enabled;
        for (const item of commands) {
            item.setAttribute("aria-disabled", String(!enabled));
        }
    },
    openHelpWindow: (kind) => openHelp(kind),
    endProgram,
};

// The decimal separator of the browser's language, read each time it is needed.
function decimalSeparator() {
    try {
        const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
            .find((candidate) => candidate.type === "decimal");
        return part ? part.value : ".";
    } catch {
        return ".";
    }
}

// The page restored from the browser's cache after Exit stays ended; a reload starts anew.
if (location.hash) {
    history.replaceState(null, "", location.pathname + location.search);
}

createHourvault({page}).then((module) => {
    program = module;
    program._hv_start();
    mainWindow.inert = false;
    if (document.activeElement === document.body || !document.activeElement) {
        byId(buttons.find((button) => button.dataset.button === "0").id)
            .focus({preventScroll: true});
    }
    document.documentElement.dataset.ready = "true";
});

if ("serviceWorker" in navigator) {
    window.addEventListener("load", () => {
        navigator.serviceWorker.register("sw.js").catch(() => {});
    });
}

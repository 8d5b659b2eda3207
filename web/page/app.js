// The page's side of Hourvault: it turns what users do into the controller's events and does
// what the controller asks of the window. The controller itself runs in hourvault.wasm.
"use strict";

(() => {
    const byId = (id) => document.getElementById(id);
    const mainWindow = document.querySelector(".window");
    const client = byId("client");
    const helpPlace = byId("help");
    const messageBox = byId("missingData");
    const resultBoxes = [...document.querySelectorAll("[data-box]")]
        .sort((a, b) => a.dataset.box - b.dataset.box);
    const buttons = [...document.querySelectorAll("[data-button]")];
    const menubar = byId("menubar");
    const menuTitles = [...menubar.querySelectorAll(".menu-title")];
    const commands = [...menubar.querySelectorAll("[data-command]")];
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

    // An editable drop-down list as WAI-ARIA's combobox: a text field and a listbox popup.
    // Typed text is never a choice, and drops the choice at once; a pick is one, by a click on
    // an entry, or Enter on the entry the arrow keys reached. The program's own refills and
    // prompts raise nothing.
    class OptionList {
        constructor(field) {
            this.field = field;
            this.number = Number(field.dataset.list);
            this.combo = field.parentElement;
            this.arrow = this.combo.querySelector(".arrow");
            this.popup = byId(field.getAttribute("aria-controls"));
            this.index = -1;
            this.active = -1;
            field.addEventListener("input", () => this.edited());
            field.addEventListener("keydown", (event) => this.key(event));
            field.addEventListener("blur", () => this.close());
            field.addEventListener("pointerdown", () => {
                field.inputMode = ""; // a tap on the field itself brings the keyboard
            });
            field.addEventListener("drop", (event) => event.preventDefault());
            this.arrow.addEventListener("pointerdown", (event) => this.arrowPressed(event));
            this.popup.addEventListener("pointerdown", (event) => event.preventDefault());
            this.popup.addEventListener("click", (event) => {
                const option = event.target.closest("[role=option]");
                if (option) {
                    lastPickByPointer = event.timeStamp;
                    this.pick(Number(option.dataset.index));
                }
            });
            this.popup.addEventListener("pointermove", (event) => {
                const option = event.target.closest("[role=option]");
                if (option) {
                    this.highlight(Number(option.dataset.index), false);
                }
            });
        }

        get isOpen() {
            return !this.popup.hidden;
        }

        clear() {
            this.close();
            this.index = -1;
            this.popup.replaceChildren();
        }

        append(text) {
            const option = document.createElement("div");
            option.id = `${this.field.id}-entry${this.popup.children.length}`;
            option.setAttribute("role", "option");
            option.setAttribute("aria-selected", "false");
            option.dataset.index = this.popup.children.length;
            option.textContent = text;
            this.popup.append(option);
        }

        // A text that is no entry: a prompt. With the focus, it is selected, so typing replaces it.
        show(text) {
            this.index = -1;
            this.field.value = text;
            if (document.activeElement === this.field) {
                this.field.select();
            }
        }

        focus() {
            this.field.focus({preventScroll: false});
            this.field.select();
        }

        edited() {
            // The chosen entry's own text typed over it keeps the choice.
            if (this.index >= 0 && this.field.value === this.popup.children[this.index].textContent) {
                return;
            }
            this.index = -1;
            this.highlight(-1);
            report.textArrived(this.number, document.activeElement === this.field);
        }

        open(active) {
            if (this.popup.children.length === 0 || !takesInput()) {
                return;
            }
            this.popup.hidden = false;
            this.field.setAttribute("aria-expanded", "true");
            this.highlight(active);
        }

        close() {
            if (this.isOpen) {
                this.popup.hidden = true;
                this.field.setAttribute("aria-expanded", "false");
            }
            this.highlight(-1);
        }

        // The entry the arrow keys or the pointer reached: not yet a choice.
        highlight(index, scroll = true) {
            const options = this.popup.children;
            if (this.active >= 0 && this.active < options.length) {
                options[this.active].classList.remove("active");
                options[this.active].setAttribute("aria-selected", "false");
            }
            this.active = this.isOpen && index >= 0 && index < options.length ? index : -1;
            if (this.active < 0) {
                this.field.removeAttribute("aria-activedescendant");
                return;
            }
            const option = options[this.active];
            option.classList.add("active");
            option.setAttribute("aria-selected", "true");
            this.field.setAttribute("aria-activedescendant", option.id);
            if (scroll) {
                option.scrollIntoView({block: "nearest"});
            }
        }

        pick(index) {
            if (index < 0 || index >= this.popup.children.length || !takesInput()) {
                return;
            }
            this.close();
            this.index = index;
            this.field.value = this.popup.children[index].textContent;
            if (document.activeElement === this.field) {
                this.field.select();
            }
            report.entryChosen(this.number);
        }

        arrowPressed(event) {
            if (event.button !== 0) {
                return;
            }
            event.preventDefault();
            if (!takesInput()) {
                return;
            }
            if (this.isOpen) {
                this.close();
                return;
            }
            // A finger opens the entries without bringing up the keyboard.
            if (event.pointerType !== "mouse") {
                this.field.inputMode = "none";
            }
            if (document.activeElement !== this.field) {
                this.focus();
            }
            this.open(this.index >= 0 ? this.index : 0);
        }

        key(event) {
            if (event.isComposing || event.ctrlKey || event.metaKey) {
                return;
            }
            const last = this.popup.children.length - 1;
            const from = this.active >= 0 ? this.active : this.index;
            let handled = true;
            switch (event.key) {
            case "ArrowDown":
                if (event.altKey) {
                    this.open(this.index);
                } else if (this.isOpen) {
                    this.highlight(Math.min(from + 1, last));
                } else {
                    this.open(this.index >= 0 ? this.index : 0);
                }
                break;
            case "ArrowUp":
                if (event.altKey) {
                    this.close();
                } else if (this.isOpen) {
                    this.highlight(Math.max(from < 0 ? last : from - 1, 0));
                } else {
                    this.open(this.index >= 0 ? this.index : last);
                }
                break;
            case "PageDown":
            case "PageUp":
                handled = this.isOpen;
                if (handled) {
                    const step = event.key === "PageDown" ? 10 : -10;
                    this.highlight(Math.max(0, Math.min(from + step, last)));
                }
                break;
            case "Enter":
                // Only an entry reached in the open list is picked; Enter presses nothing.
                if (this.isOpen && this.active >= 0) {
                    this.pick(this.active);
                } else {
                    this.close();
                }
                break;
            case "Escape":
                handled = this.isOpen;
                this.close();
                break;
            default:
                handled = false;
            }
            if (handled) {
                event.preventDefault();
            }
        }
    }

    const lists = [...document.querySelectorAll("[data-list]")]
        .map((field) => new OptionList(field))
        .sort((a, b) => a.number - b.number);
    const listOf = (element) => lists.find((list) => list.field === element);
    const closeLists = () => lists.forEach((list) => list.close());

    // The controls the focus order visits, and the window's focus order itself.
    const focusable = [...client.querySelectorAll("button, input")];
    const isControl = (element) => focusable.includes(element);

    // The menu bar as WAI-ARIA's menubar: the menus take the keyboard while open, and give the
    // focus back to where it was when they close, so no list is left by using them.
    const menus = {
        focusBefore: null,
        openTitle: null,

        itemsOf(title) {
            return [...byId(title.getAttribute("aria-controls")).children]
                .filter((item) => item.getAttribute("role") !== "separator");
        },

        enter(title) {
            if (!windowShown() || messageBox.open) {
                return;
            }
            if (!menubar.contains(document.activeElement)) {
                this.focusBefore = document.activeElement;
            }
            closeLists();
            title.focus();
        },

        open(title, item = null) {
            this.enter(title);
            if (this.openTitle && this.openTitle !== title) {
                this.closeMenu();
            }
            const menu = byId(title.getAttribute("aria-controls"));
            menu.hidden = false;
            title.setAttribute("aria-expanded", "true");
            this.openTitle = title;
            const items = this.itemsOf(title);
            (item === "first" ? items[0] : item === "last" ? items.at(-1) : menu).focus();
        },

        closeMenu() {
            if (this.openTitle) {
                byId(this.openTitle.getAttribute("aria-controls")).hidden = true;
                this.openTitle.setAttribute("aria-expanded", "false");
                for (const item of this.itemsOf(this.openTitle)) {
                    item.classList.remove("hover");
                }
                this.openTitle = null;
            }
        },

        // Back to the control that had the focus before the menu bar took it.
        leave() {
            this.closeMenu();
            const back = this.focusBefore;
            this.focusBefore = null;
            if (back && back.isConnected && back !== document.body) {
                back.focus();
            } else if (menubar.contains(document.activeElement)) {
                document.activeElement.blur();
            }
        },

        choose(item) {
            if (item.getAttribute("aria-disabled") === "true") {
                return;
            }
            this.leave();
            report.command(Number(item.dataset.command));
        },

        step(title, by) {
            const index = menuTitles.indexOf(title);
            return menuTitles[(index + by + menuTitles.length) % menuTitles.length];
        },

        key(event) {
            const target = event.target;
            const title = menuTitles.includes(target) ? target
                : this.openTitle && menubar.contains(target) ? this.openTitle : null;
            if (!title) {
                return;
            }
            const inMenu = !menuTitles.includes(target);
            const items = this.itemsOf(title);
            const index = items.indexOf(target);
            let handled = true;
            switch (event.key) {
            case "ArrowRight":
            case "ArrowLeft": {
                const next = this.step(title, event.key === "ArrowRight" ? 1 : -1);
                if (inMenu) {
                    this.open(next, "first");
                } else {
                    next.focus();
                }
                break;
            }
            case "ArrowDown":
                if (inMenu) {
                    items[(index + 1) % items.length].focus();
                } else {
                    this.open(title, "first");
                }
                break;
            case "ArrowUp":
                if (inMenu) {
                    items[(Math.max(index, 0) - 1 + items.length) % items.length].focus();
                } else {
                    this.open(title, "last");
                }
                break;
            case "Home":
            case "End":
                handled = inMenu;
                if (inMenu) {
                    (event.key === "Home" ? items[0] : items.at(-1)).focus();
                }
                break;
            case "Enter":
            case " ":
                if (inMenu && index >= 0) {
                    this.choose(items[index]);
                } else if (!inMenu) {
                    this.open(title, "first");
                }
                break;
            case "Escape":
                if (inMenu) {
                    this.closeMenu();
                    title.focus();
                } else {
                    this.leave();
                }
                break;
            case "Tab":
            case "F10":
                this.leave();
                break;
            default:
                handled = false;
            }
            if (handled) {
                event.preventDefault();
                event.stopPropagation();
            }
        },
    };

    menubar.addEventListener("pointerdown", (event) => {
        const title = event.target.closest(".menu-title");
        if (title && event.button === 0) {
            event.preventDefault();
            if (menus.openTitle === title) {
                menus.leave();
            } else {
                menus.open(title);
            }
        } else if (event.target.closest(".menu")) {
            event.preventDefault(); // the focus stays in the menu
        }
    });
    menubar.addEventListener("click", (event) => {
        const item = event.target.closest("[data-command]");
        if (item) {
            menus.choose(item);
        }
    });
    menubar.addEventListener("pointerover", (event) => {
        const title = event.target.closest(".menu-title");
        if (title && menus.openTitle && menus.openTitle !== title) {
            menus.open(title);
        }
        const item = event.target.closest("[role^=menuitem]");
        if (item && !menuTitles.includes(item)) {
            item.focus();
        }
    });
    menubar.addEventListener("keydown", (event) => menus.key(event));
    menubar.addEventListener("focusout", (event) => {
        // The focus went elsewhere on the page (a click, another program's window is no matter).
        if (event.relatedTarget && !menubar.contains(event.relatedTarget)) {
            menus.focusBefore = null;
            menus.closeMenu();
        }
    });
    document.addEventListener("pointerdown", (event) => {
        if (menus.openTitle && !menubar.contains(event.target)) {
            menus.closeMenu();
            menus.focusBefore = null;
        }
        for (const list of lists) {
            if (list.isOpen && !list.combo.contains(event.target)) {
                list.close();
            }
        }
    }, true);

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
                if (menus.openTitle || menubar.contains(document.activeElement)) {
                    menus.leave();
                }
                report.command(Number(item.dataset.command));
            }
            return;
        }
        if (event.key === "F10" && !event.ctrlKey && !event.altKey && !event.metaKey &&
            !event.shiftKey && !menubar.contains(event.target)) {
            event.preventDefault();
            menus.enter(menuTitles[0]);
            return;
        }
        // Tab and Shift+Tab go round the window's controls, as in the desktop window.
        if (event.key === "Tab" && !event.ctrlKey && !event.altKey && !event.metaKey &&
            isControl(event.target)) {
            listOf(event.target)?.close();
            const visible = focusable.filter((control) => control.offsetParent !== null);
            const at = visible.indexOf(event.target);
            const next = event.shiftKey ? at === 0 : at === visible.length - 1;
            if (next) {
                event.preventDefault();
                visible[event.shiftKey ? visible.length - 1 : 0].focus();
            }
        }
    }, true);
    document.addEventListener("keyup", (event) => {
        // Alt pressed and let go alone takes the menu bar, as on the desktop.
        if (event.key === "Alt" && altAlone && windowShown() && !messageBox.open) {
            event.preventDefault();
            if (menubar.contains(document.activeElement)) {
                menus.leave();
            } else {
                menus.enter(menuTitles[0]);
            }
        }
        altAlone = false;
    }, true);
    document.addEventListener("pointerdown", () => {
        altAlone = false;
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

    // The Missing Data box. The focus goes to the list it names once it is closed.
    byId("missingData-ok").addEventListener("click", () => messageBox.close());
    messageBox.addEventListener("close", () => {
        const list = focusAfterMessage;
        focusAfterMessage = null;
        if (list && takesInput()) {
            list.focus();
        }
    });

    // The About and Glossary views take the window's place, and give it back unchanged, by
    // their OK button or by the browser's Back. An installed app's window keeps no history.
    const standalone = window.matchMedia("(display-mode: standalone)").matches;
    let helpView = null;

    function openHelp(kind) {
        const template = [...document.querySelectorAll("template")]
            .find((candidate) => candidate.content.firstElementChild.dataset.kind === String(kind));
        if (!template) {
            program._hv_help_window_closed();
            return;
        }
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
})();

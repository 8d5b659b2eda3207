// The menu bar as WAI-ARIA's menubar: the menus take the keyboard while open, and give the focus
// back to where it was when they close, so that using them leaves no list. The window (host)
// says whether menus may open and runs the commands chosen.
class MenuBar {
    constructor(element, host) {
        this.element = element;
        this.host = host;
        this.titles = [...element.querySelectorAll(".menu-title")];
        this.focusBefore = null;
        this.openTitle = null;

        element.addEventListener("pointerdown", (event) => {
            const title = event.target.closest(".menu-title");
            if (title && event.button === 0) {
                event.preventDefault();
                if (this.openTitle === title) {
                    this.leave();
                } else {
                    this.open(title);
                }
            } else if (event.target.closest(".menu")) {
                event.preventDefault(); // the focus stays in the menu
            }
        });
        element.addEventListener("click", (event) => {
            const item = event.target.closest("[data-command]");
            if (item) {
                this.choose(item);
            }
        });
        element.addEventListener("pointerover", (event) => {
            const title = event.target.closest(".menu-title");
            if (title && this.openTitle && this.openTitle !== title) {
                this.open(title);
            }
            const item = event.target.closest("[role^=menuitem]");
            if (item && !this.titles.includes(item)) {
                item.focus();
            }
        });
        element.addEventListener("keydown", (event) => this.key(event));
        element.addEventListener("focusout", (event) => {
            // The focus went elsewhere on the page; another program's window is no matter.
            if (event.relatedTarget && !element.contains(event.relatedTarget)) {
                this.focusBefore = null;
                this.closeMenu();
            }
        });
        document.addEventListener("pointerdown", (event) => {
            if (this.openTitle && !element.contains(event.target)) {
                this.focusBefore = null;
                this.closeMenu();
            }
        }, true);
    }

    // The menu bar holds the focus, a menu open or not.
    get active() {
        return this.openTitle !== null || this.element.contains(document.activeElement);
    }

    itemsOf(title) {
        return [...document.getElementById(title.getAttribute("aria-controls")).children]
            .filter((item) => item.getAttribute("role") !== "separator");
    }

    enter(title = this.titles[0]) {
        if (!this.host.mayOpen()) {
            return;
        }
        if (!this.element.contains(document.activeElement)) {
            this.focusBefore = document.activeElement;
        }
        this.host.opening();
        title.focus();
    }

    open(title, item = null) {
        this.enter(title);
        if (!this.element.contains(document.activeElement)) {
            return;
        }
        if (this.openTitle && this.openTitle !== title) {
            this.closeMenu();
        }
        const menu = document.getElementById(title.getAttribute("aria-controls"));
        menu.hidden = false;
        title.setAttribute("aria-expanded", "true");
        this.openTitle = title;
        const items = this.itemsOf(title);
        (item === "first" ? items[0] : item === "last" ? items.at(-1) : menu).focus();
    }

    closeMenu() {
        if (this.openTitle) {
            document.getElementById(this.openTitle.getAttribute("aria-controls")).hidden = true;
            this.openTitle.setAttribute("aria-expanded", "false");
            this.openTitle = null;
        }
    }

    // Back to the control that had the focus before the menu bar took it.
    leave() {
        this.closeMenu();
        const back = this.focusBefore;
        this.focusBefore = null;
        if (back && back.isConnected && back !== document.body) {
            back.focus();
        } else if (this.element.contains(document.activeElement)) {
            document.activeElement.blur();
        }
    }

    choose(item) {
        if (item.getAttribute("aria-disabled") === "true") {
            return;
        }
        this.leave();
        this.host.command(Number(item.dataset.command));
    }

    next(title, by) {
        const index = this.titles.indexOf(title);
        return this.titles[(index + by + this.titles.length) % this.titles.length];
    }

    key(event) {
        const target = event.target;
        const onTitle = this.titles.includes(target);
        const title = onTitle ? target : this.openTitle;
        if (!title) {
            return;
        }
        const items = this.itemsOf(title);
        const index = items.indexOf(target);
        let handled = true;
        switch (event.key) {
        case "ArrowRight":
        case "ArrowLeft": {
            const next = this.next(title, event.key === "ArrowRight" ? 1 : -1);
            if (onTitle) {
                next.focus();
            } else {
                this.open(next, "first");
            }
            break;
        }
        case "ArrowDown":
            if (onTitle) {
                this.open(title, "first");
            } else {
                items[(index + 1) % items.length].focus();
            }
            break;
        case "ArrowUp":
            if (onTitle) {
                this.open(title, "last");
            } else {
                items[(Math.max(index, 0) - 1 + items.length) % items.length].focus();
            }
            break;
        case "Home":
        case "End":
            handled = !onTitle;
            if (handled) {
                (event.key === "Home" ? items[0] : items.at(-1)).focus();
            }
            break;
        case "Enter":
        case " ":
            if (onTitle) {
                this.open(title, "first");
            } else if (index >= 0) {
                this.choose(items[index]);
            }
            break;
        case "Escape":
            if (onTitle) {
                this.leave();
            } else {
                this.closeMenu();
                title.focus();
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
    }
}

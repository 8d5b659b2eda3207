// An editable drop-down list as WAI-ARIA's combobox: a text field and a listbox popup. Typed
// text is never a choice, and drops the choice at once; a pick is one, by a click or a tap on
// an entry, or Enter on the entry the arrow keys reached. The program's own refills and
// prompts raise nothing. The window (host) says whether it takes input and hears the rest.
class OptionList {
    constructor(field, host) {
        this.field = field;
        this.host = host;
        this.number = Number(field.dataset.list);
        this.combo = field.parentElement;
        this.arrow = this.combo.querySelector(".arrow");
        this.popup = document.getElementById(field.getAttribute("aria-controls"));
        this.index = -1;
        this.active = -1;
        field.addEventListener("input", () => this.edited());
        field.addEventListener("keydown", (event) => this.key(event));
        field.addEventListener("blur", () => {
            this.close();
            // A finger's pick kept the keyboard away; the next focus, however it comes, may type.
            field.inputMode = "";
        });
        field.addEventListener("pointerdown", () => {
            field.inputMode = ""; // a tap on the field itself brings the keyboard
        });
        field.addEventListener("drop", (event) => event.preventDefault());
        this.arrow.addEventListener("pointerdown", (event) => this.arrowPressed(event));
        // The focus stays in the field while the entries are used.
        this.popup.addEventListener("pointerdown", (event) => event.preventDefault());
        this.popup.addEventListener("click", (event) => {
            const option = event.target.closest("[role=option]");
            if (option) {
                host.pickedByPointer(event.timeStamp);
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

    get holdsFocus() {
        return document.activeElement === this.field;
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

    entry(index) {
        return this.popup.children[index].textContent;
    }

    // A text that is no entry: a prompt. With the focus, it is selected, so typing replaces it.
    show(text) {
        this.index = -1;
        this.field.value = text;
        if (this.holdsFocus) {
            this.field.select();
        }
    }

    // As Tab leaves it: its text selected.
    focus() {
        this.field.focus();
        this.field.select();
    }

    edited() {
        // The chosen entry's own text typed over it keeps the choice.
        if (this.index >= 0 && this.field.value === this.entry(this.index)) {
            return;
        }
        this.index = -1;
        this.highlight(-1);
        this.host.textArrived(this.number, this.holdsFocus);
    }

    open(active) {
        if (this.popup.children.length === 0 || !this.host.takesInput()) {
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
        if (index < 0 || index >= this.popup.children.length || !this.host.takesInput()) {
            return;
        }
        this.close();
        this.index = index;
        this.field.value = this.entry(index);
        if (this.holdsFocus) {
            this.field.select();
        }
        this.host.entryChosen(this.number);
    }

    arrowPressed(event) {
        if (event.button !== 0) {
            return;
        }
        event.preventDefault();
        if (!this.host.takesInput()) {
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
        if (!this.holdsFocus) {
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

// The page's side of the board: it takes over the board's elements, which the
// page was built with, carries out the board's property writes on them by
// number, and hands every click on a button and every key typed in the board
// back to the board. The board is C++ run as WebAssembly; see Page.h for the
// calls that arrive here.
//
// Debian's Emscripten minifies this file with tools that know no "?." (the build
// fails) and silently drop a declaration such as "const { a } = b": plain forms only.
Module["printErr"] = (text) => console.error(text);
Module["onAbort"] = (what) => orvanePage.stop(String(what));
// A failed click ends the program (Dispatch.h); a page has no process to end.
// Ending it by a thrown exception would be caught on its way out by the C++
// below and turned into an abort, again and again; instead the call returns
// into WebAssembly, which stops at once with a trap that nothing there can
// catch. By then the page has said why and the board takes no more clicks.
Module["quit"] = () => {};

var orvanePage = {
  elements: [],
  board: null,
  stopped: false,

  install(order) {
    const board = (this.board = document.getElementById("board"));
    const nodes = board.querySelectorAll("[role=cell],.l,button");
    for (let n = 0; n < nodes.length; n++) {
      this.elements[order[n]] = nodes[n];
      nodes[n].element = order[n];
    }
    // Disabled and hidden buttons receive no clicks; the browser sees to that.
    board.addEventListener("click", (event) => {
      const button = event.target.closest("button");
      if (button) this.click(button.element);
    });
    // The board answers its keys (PageKeys.h) and the browser no longer acts on
    // them; every other key, and any key typed elsewhere, stays the browser's.
    board.addEventListener("keydown", (event) => {
      const verb = this.verbOf(event);
      const from = event.target.element;
      const enlarged = board.classList.contains("enlarged");
      if (verb >= 0 && from !== undefined && this.call("_orvane_key", from, verb, event.repeat, enlarged)) {
        event.preventDefault();
        this.tell("");
        this.offerHistory();
      }
    });
    // Undo and redo are the platform's keys wherever the focus is on the page,
    // but in a field that edits text, whose own they are there; on a phone, the
    // enlarged box's "Undo" and "Redo" too.
    this.mac = /mac|iphone|ipad/i.test((navigator.userAgentData || navigator).platform);
    addEventListener("keydown", (event) => {
      const redo = this.undoKey(event);
      if (redo === null || this.editsText(event.target)) return;
      event.preventDefault();
      this.undo(redo, event.target.element);
    });
    this.history = ["undo", "redo"].map((id, redo) => {
      const button = document.getElementById(id);
      button.addEventListener("click", () => this.undo(redo === 1));
      return button;
    });
    // Paste and copy are the browser's own events, from its keys (Ctrl+V and
    // Shift+Insert, Ctrl+C and Ctrl+Insert, Cmd+V and Cmd+C on a Mac) and its edit
    // menu, with no permission to ask. They are the board's wherever the focus is
    // on the page, but in a field that edits text; a copy is the browser's too
    // while the player has selected text.
    this.told = document.getElementById("told");
    document.addEventListener("paste", (event) => {
      if (this.editsText(event.target)) return;
      event.preventDefault();
      this.paste(event.clipboardData ? event.clipboardData.getData("text/plain") : "");
    });
    document.addEventListener("copy", (event) => {
      if (this.editsText(event.target) || !getSelection().isCollapsed || !event.clipboardData) return;
      const text = this.copy();
      if (!text) return;
      event.clipboardData.setData("text/plain", text);
      event.preventDefault();
    });
    // A phone opens its edit menu only over text: the enlarged box's "Copy" and
    // "Paste" reach the clipboard instead, as a tap allows. A browser that refuses
    // (or has no such clipboard, outside a secure page) is said so on the line.
    const refused = (button) => () => this.tell(button.dataset.refused);
    const clipboard = (use) => new Promise((done) => done(use(navigator.clipboard)));
    const copy = document.getElementById("copy");
    copy.addEventListener("click", () => {
      const text = this.copy();
      if (text) clipboard((c) => c.writeText(text)).catch(refused(copy));
    });
    const paste = document.getElementById("paste");
    paste.addEventListener("click", () => {
      this.tell("");
      clipboard((c) => c.readText()).then((text) => this.paste(text), refused(paste));
    });
    // A cell or a label is focusable only while it has the focus (focus below);
    // the window losing the focus leaves it where it is.
    board.addEventListener("focusout", ({ target }) => {
      if (target.tagName !== "BUTTON" && target !== document.activeElement) target.removeAttribute("tabindex");
    });
    // The board is drawn before its code has loaded, and takes clicks from now on.
    board.inert = false;
  },

  show(title) {
    document.title = title;
    this.board.querySelector("button").focus();
  },

  // A key as the board's verb, by its number in ui/Keys.h (PageKeys.cpp holds
  // these to it), or -1: Tab, Space and Escape stay the browser's, and so does
  // a key with Alt, or with Ctrl or Cmd but Home and End.
  verbOf(event) {
    const key = event.key;
    const ctrl = event.ctrlKey || event.metaKey;
    if (event.altKey) return -1;
    if (key === "Home" || key === "End") return (key === "Home" ? 8 : 9) + (ctrl ? 2 : 0);
    if (ctrl) return -1;
    // A digit key as the board's rule has it, from the key's place on the top row and what it typed.
    const topRow = /^Digit([1-9])$/.exec(event.code);
    const digit = this.call("_orvane_digit", topRow ? Number(topRow[1]) : 0, key.length === 1 ? key.codePointAt(0) : 0);
    if (digit) return digit;
    return { ArrowLeft: 4, ArrowRight: 5, ArrowUp: 6, ArrowDown: 7, Delete: 21, Backspace: 21 }[key] || -1;
  },

  // Ctrl+Z undoes, and Ctrl+Y and Ctrl+Shift+Z redo; on a Mac Cmd+Z and
  // Cmd+Shift+Z, Cmd+Y being the browser's History there: false for undo, true
  // for redo, null for any other key. The letter is the one
  // the layout types, or on a layout that types none, the one at the key's place.
  undoKey(event) {
    const [own, other] = this.mac ? [event.metaKey, event.ctrlKey] : [event.ctrlKey, event.metaKey];
    if (!own || other || event.altKey) return null;
    const place = /^Key([A-Z])$/.exec(event.code);
    const letter = (/^[a-z]$/i.test(event.key) ? event.key : place ? place[1] : "").toLowerCase();
    return letter === "z" ? event.shiftKey : letter === "y" && !event.shiftKey && !this.mac ? true : null;
  },

  // From the board (the focus on one of its elements), the focus lands in a cell
  // as an arrow's does (PageKeys.h); from anywhere else it stays.
  // The box the action touched is told to the view (the page's script), which
  // shows it where one box is enlarged.
  undo(redo, from = -1) {
    this.tell("");
    const box = this.call("_orvane_undo", from, redo);
    this.offerHistory();
    if (box) this.board.dispatchEvent(new CustomEvent("touched", { detail: box - 1 }));
  },

  // "Undo" and "Redo" are offered while there is something to undo or redo. The
  // one with the focus that runs out hands it to the other, which has something.
  offerHistory() {
    const can = this.call("_orvane_history");
    const focused = this.history.indexOf(document.activeElement);
    this.history.forEach((button, n) => (button.disabled = !(can & (1 << n))));
    if (focused >= 0 && this.history[focused].disabled) this.history[1 - focused].focus();
  },

  // A cell, or a label while it shows a digit, takes the focus when none of the
  // cell's candidates can; never a tab stop, and never by a click.
  focus(element) {
    const target = this.elements[element];
    if (target.tagName !== "BUTTON") target.tabIndex = -1;
    target.focus();
  },

  click(element) {
    this.tell("");
    this.call("_orvane_click", element);
    this.offerHistory();
  },

  // Pastes the clipboard's text ("" when it held none) as one action, or says on
  // the page why the board took nothing.
  paste(text) {
    this.tell("");
    const room = this.call("_orvane_paste_room");
    if (!room) return;
    // As many whole characters as the room holds: at least one byte more than the
    // board reads, when there is more.
    const size = this.call("_orvane_paste_room_size");
    const written = new TextEncoder().encodeInto(text.slice(0, size), HEAPU8.subarray(room, room + size)).written;
    this.tell(UTF8ToString(this.call("_orvane_paste", written)));
    this.offerHistory();
  },

  // The board as text for the clipboard, or "" once it has stopped.
  copy() {
    this.tell("");
    return UTF8ToString(this.call("_orvane_copy"));
  },

  // The line that tells the player why a paste took nothing; the next action clears it.
  tell(message) {
    this.told.textContent = message;
    this.told.hidden = !message;
  },

  // A field that edits text keeps the keys and the clipboard's events to itself.
  editsText(target) {
    return target.isContentEditable || /^(INPUT|TEXTAREA|SELECT)$/.test(target.tagName);
  },

  // The board's answer, or 0 once it has stopped.
  call(name, ...args) {
    if (this.stopped) return 0;
    try {
      return Module[name](...args);
    } catch (e) {
      // The board has already said why it stopped; anything else that escapes
      // (a trap in the WebAssembly) ends the board the same way.
      if (!this.stopped) {
        console.error("Orvane: internal error: " + e);
        this.stop(String(e && e.message ? e.message : e));
      }
      return 0;
    }
  },

  // The label is named only while it shows a digit; an empty label is not there
  // for assistive technology, as it shows nothing.
  setCaption(element, caption, name) {
    const label = this.elements[element];
    label.textContent = caption;
    if (name) {
      label.setAttribute("role", "img");
      label.setAttribute("aria-label", name);
      label.removeAttribute("aria-hidden");
    } else {
      label.removeAttribute("role");
      label.removeAttribute("aria-label");
      label.removeAttribute("tabindex");
      label.setAttribute("aria-hidden", "true");
    }
  },

  // The page's way of ending: the board takes no more clicks and says why.
  stop(message) {
    if (this.stopped) return;
    this.stopped = true;
    if (this.board) {
      this.board.inert = true;
      this.board.classList.add("stopped");
    }
    const line = document.getElementById("failure");
    // The sentence is the page's, in the player's language, with the message in it as it stands.
    const words = line.dataset.words;
    const at = words.indexOf("%1$s");
    line.textContent = at < 0 ? words : words.slice(0, at) + message + words.slice(at + 4);
    line.hidden = false;
  },
};

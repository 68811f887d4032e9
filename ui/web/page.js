// The page's side of the board: it takes over the board's elements, which the
// page was built with, carries out the board's property writes on them by
// number, and hands every click on a button back to the board. The board is
// C++ run as WebAssembly; see Page.h for the calls that arrive here.
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
    const nodes = board.querySelectorAll("button,.l");
    for (let n = 0; n < nodes.length; n++) {
      this.elements[order[n]] = nodes[n];
      nodes[n].element = order[n];
    }
    // Disabled and hidden buttons receive no clicks; the browser sees to that.
    board.addEventListener("click", (event) => {
      const button = event.target.closest("button");
      if (button) this.click(button.element);
    });
    // The board is drawn before its code has loaded, and takes clicks from now on.
    board.inert = false;
  },

  show(title) {
    document.title = title;
    this.board.querySelector("button").focus();
  },

  click(element) {
    if (this.stopped) return;
    try {
      Module["_orvane_click"](element);
    } catch (e) {
      // The board has already said why it stopped; anything else that escapes
      // (a trap in the WebAssembly) ends the board the same way.
      if (!this.stopped) {
        console.error("Orvane: internal error: " + e);
        this.stop(String(e && e.message ? e.message : e));
      }
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
    line.textContent = "Orvane has stopped after an internal error (" + message + "). Reload the page to start again.";
    line.hidden = false;
  },
};

// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

"use strict";
// Form1 in the page: the conversion command runs in the WebAssembly core,
// which reads and writes the boxes and shows messages through the functions
// below. Text crosses as UTF-16 code units, exactly as the boxes hold it.
(() => {
  const $ = (id) => document.getElementById(id);
  const form = $("Form1");
  const input = $("file_sj");
  const output = $("asm_sj");
  const dialog = $("message");
  let memory = null;

  const units = (pointer, length) => new Uint16Array(memory.buffer, pointer, length);
  const textAt = (pointer, length) => {
    const codes = units(pointer, length);
    let text = "";
    for (let i = 0; i < codes.length; i += 8192) {
      text += String.fromCharCode.apply(null, codes.subarray(i, i + 8192));
    }
    return text;
  };

  // Focus goes back where it was when the message closes. Browsers that put it
  // back themselves have done so before this event, which comes later: by
  // then focus may have moved on, and stays where it is.
  let focusBefore = null;
  dialog.addEventListener("close", () => {
    if (!document.activeElement || document.activeElement === document.body) {
      (focusBefore || input).focus();
    }
  });

  const page = {
    inputLength: () => input.value.length,
    readInput: (pointer) => {
      const value = input.value;
      const codes = units(pointer, value.length);
      for (let i = 0; i < value.length; i++) codes[i] = value.charCodeAt(i);
    },
    setInput: (pointer, length) => {
      input.value = textAt(pointer, length);
    },
    setOutput: (pointer, length) => {
      output.value = textAt(pointer, length);
    },
    // One OK button and no icon is all the command asks for (buttons 0).
    showMessage: (prompt, promptLength, buttons, title, titleLength) => {
      $("message_title").textContent = textAt(title, titleLength);
      $("message_prompt").textContent = textAt(prompt, promptLength);
      focusBefore = document.activeElement;
      dialog.showModal();
    },
  };

  const bytes = Uint8Array.from(atob($("core").textContent.trim()), (c) => c.charCodeAt(0));
  const { exports } = new WebAssembly.Instance(new WebAssembly.Module(bytes), { page });
  memory = exports.memory;
  exports._initialize();

  // The button, and Enter in a box, convert.
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    exports.f_a_Click();
  });

  // A paste is taken whole, up to its first line break, over the selection,
  // as one step that undo takes back. One without a line break is left to the
  // browser, whose own paste of a long text is the faster.
  input.addEventListener("paste", (event) => {
    const pasted = event.clipboardData && event.clipboardData.getData("text/plain");
    if (typeof pasted !== "string" || !/[\r\n]/.test(pasted)) return;
    event.preventDefault();
    const line = pasted.split(/[\r\n]/, 1)[0];
    if (!document.execCommand("insertText", false, line)) {
      input.setRangeText(line, input.selectionStart, input.selectionEnd, "end");
    }
  });

  // Where the window is narrower than the form, the whole form scales down to
  // fit, as one piece: zoom lays it out again at that size, so the text stays
  // crisp and the boxes work as before. Elsewhere it keeps its own size.
  const naturalWidth = form.offsetWidth;
  const fit = () => {
    const width = document.documentElement.clientWidth - 1; // a pixel for rounding
    const scale = Math.floor((1000 * width) / naturalWidth) / 1000;
    form.style.zoom = scale < 1 ? String(scale) : "";
  };
  addEventListener("resize", fit);
  fit();

  // Served as an app (the page that links a manifest), a service worker keeps
  // it for use offline. Where none can register, as from file://, the page
  // works as it is, and says nothing.
  if (document.querySelector('link[rel="manifest"]') && "serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js").catch(() => {});
  }

  // The caret starts in the input box, as in the window, ready for a paste.
  input.focus();

  // Usable from here on; the mark dates it from the start of navigation.
  form.dataset.ready = "";
  performance.mark("tovalin-ready");
})();

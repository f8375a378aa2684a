// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The page in both engines that matter: Chromium through Playwright and WebKit
// (Safari's engine) through WebKitWebDriver, one table of cases for both,
// over http from a server that records every request, and from file://.
// Usage: node --test page.test.mjs   (TOVALIN_PAGE names the built page)
import assert from "node:assert/strict";
import { spawn, spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readdirSync, readFileSync } from "node:fs";
import http from "node:http";
import { after, before, describe, test } from "node:test";
import { chromium } from "playwright-core";
import { Builder, By, Key } from "selenium-webdriver";

const pagePath = process.env.TOVALIN_PAGE;
const digits = "0123456789abcdef".repeat(2500);
const conversions = [["1", "00000001", "01000000"], ["12345678", "12345678", "78563412"],
  ["abcdef", "00abcdef", "efcdab00"], ["123456789A", "3456789A", "9A785634"],
  ["abc", "00000abc", "bc0a0000", "Enter"]]; // Enter in the input box converts too
const notHex = ["警告", "你输入的不是16进制文本!"];
const messages = [["", "提示", "请输入16进制文本!"], ["0x12", ...notHex], [" 12", ...notHex],
  ["１２", ...notHex]];
// Pasted into "ff" between its letters: what the box holds, and the output.
const pastes = [[digits, `f${digits}f`, "ffdebc9a"], ["DEADBEEF\n1234", "fDEADBEEFf", "FfEEDBEA"],
  ["12\r\n34", "f12f", "2ff10000"]];

const requests = [];
// A phone's viewport, 320 × 568, where no window is that narrow: the page in a frame.
const pages = { "/tovalin.html": () => readFileSync(pagePath), "/narrow.html": () => '<link rel="icon" '
  + 'href="data:,"><body style="margin:0"><iframe src="/tovalin.html" width="320" height="568" style="border:0">' };
// The page served as an app, at /app/, from the folder that app.dir names.
const app = { dir: process.env.TOVALIN_APP };
const server = http.createServer((request, response) => {
  const file = `${app.dir}/${request.url.replace(/^\/app\/|\?.*/g, "") || "index.html"}`;
  if (request.url.startsWith("/app/") && existsSync(file)) {
    response.writeHead(200, { "content-type": { js: "text/javascript", png: "image/png",
      webmanifest: "application/manifest+json" }[file.split(".").pop()] ?? "text/html; charset=utf-8" });
    return response.end(readFileSync(file));
  }
  requests.push(request.url);
  const page = pages[request.url];
  response.writeHead(page ? 200 : 404, { "content-type": "text/html; charset=utf-8" });
  response.end(page ? page() : "");
});
const served = (path) => `http://127.0.0.1:${server.address().port}${path}`;

// Each browser as the same few operations.
const chromiumOptions = { executablePath: "/usr/bin/chromium", args: ["--no-sandbox", "--disable-gpu",
  "--disable-background-networking", "--disable-component-update"] };
async function openChromium(media) {
  const browser = await chromium.launch(chromiumOptions);
  const context = await browser.newContext(media);
  await context.grantPermissions(["clipboard-read", "clipboard-write"]);
  const page = await context.newPage();
  return {
    go: (url) => page.goto(url),
    size: (width, height) => page.setViewportSize({ width, height }),
    run: (fn, arg) => page.evaluate(fn, arg),
    type: (id, text) => page.type(`#${id}`, text),
    press: (key) => page.keyboard.press(key),
    click: (id) => page.click(`#${id}`),
    paste: async (text) => { // once the clipboard reads back what was written
      await page.evaluate(async (t) => {
        await navigator.clipboard.writeText(t);
        for (let i = 0; i < 100 && (await navigator.clipboard.readText()) !== t; i++) {
          await new Promise((resolve) => setTimeout(resolve, 50));
        }
      }, text);
      await page.keyboard.press("Control+V");
    },
    close: () => browser.close(),
  };
}

async function openWebKit(theme) { // GTK's theme, which WebKit takes its dark preference from
  const port = 4444 + (process.pid % 1000) + (theme ? 1 : 0);
  const server = spawn("WebKitWebDriver", [`--port=${port}`],
    { stdio: "ignore", env: { ...process.env, GTK_THEME: theme ?? "Adwaita" } });
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
    browserName: "MiniBrowser", "webkitgtk:browserOptions":
      { binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser", args: ["--automation"] },
  }).build();
  const keys = { Tab: Key.TAB, Enter: Key.ENTER };
  return {
    go: (url) => driver.get(url),
    size: async (width, height) => { // the viewport, not the window around it, which
      const window = driver.manage().window(); // GTK resizes later: until both agree
      for (let i = 0, w = 0, h = 0; i < 20 && (w !== width || h !== height); i++) {
        const r = await window.getRect();
        [w, h] = await driver.executeScript("return [innerWidth, innerHeight]");
        if (w !== width || h !== height) await window.setRect({ width: r.width + width - w, height: r.height + height - h });
        await new Promise((resolve) => setTimeout(resolve, 200));
      }
    },
    run: (fn, arg) => driver.executeScript(fn, arg),
    type: async (id, text) => (await driver.findElement(By.id(id))).sendKeys(text),
    press: (key) => driver.actions().sendKeys(keys[key]).perform(),
    click: async (id) => (await driver.findElement(By.id(id))).click(),
    paste: async (text) => { // through the X server's clipboard
      const xclip = spawn("xclip", ["-selection", "clipboard"], { stdio: ["pipe", "ignore", "ignore"] });
      xclip.stdin.end(text);
      for (let i = 0; i < 50 && spawnSync("xclip", ["-o", "-selection", "clipboard"],
        { encoding: "utf8" }).stdout !== text; i++) await new Promise((r) => setTimeout(r, 100));
      await driver.actions().keyDown(Key.CONTROL).sendKeys("v").keyUp(Key.CONTROL).perform();
    },
    close: async () => { await driver.quit(); server.kill(); },
  };
}

const state = () => {
  const $ = (id) => document.getElementById(id);
  return { input: $("file_sj").value, output: $("asm_sj").value, focus: document.activeElement.id,
    open: $("message").open, title: $("message_title").textContent,
    prompt: $("message_prompt").textContent, buttons: $("message").querySelectorAll("button").length };
};
// Where the form is drawn, and whether each control is found, by a probe at
// its centre, where the layout table scaled to that size puts it.
const geometry = (framed) => {
  const w = framed ? frames[0] : window, form = w.document.getElementById("Form1");
  const scale = Number(form.style.zoom || 1), box = form.parentElement.getBoundingClientRect();
  const misplaced = [...form.children].filter((c) => {
    const s = w.getComputedStyle(c), at = (k, size) => parseFloat(s[k]) + parseFloat(s[size]) / 2 + 1;
    return w.document.elementFromPoint(box.left + at("left", "width") * scale,
      box.top + at("top", "height") * scale) !== c;
  }).map((c) => c.id);
  return { viewport: [w.innerWidth, w.innerHeight], scrollWidth: w.document.documentElement.scrollWidth,
    box: [box.left, box.right, box.width / form.offsetWidth], scale, misplaced };
};
// The form's face dark, every box and the button outlined, and the result.
const look = () => {
  const $ = (id) => getComputedStyle(document.getElementById(id)), face = $("Form1").backgroundColor;
  const level = Number(face.match(/[\d.]+/)[0]) / (face.startsWith("rgb") ? 255 : 1);
  return { output: document.getElementById("asm_sj").value, dark: level < 0.3, outlined: ["file_sj",
    "asm_sj", "f_a"].every((id) => parseFloat($(id).borderTopWidth) > 0 && $(id).borderTopColor !== $(id).backgroundColor) };
};
const axeSource = readFileSync(new URL("node_modules/axe-core/axe.min.js", import.meta.url), "utf8");
const audit = () => axe.run(document).then((r) => ({ incomplete: r.incomplete.map((v) => v.id),
  violations: r.violations.map((v) => `${v.id} ${v.nodes.map((n) => n.target).join(" ")}`) }));
const setInput = (text) => { document.getElementById("file_sj").value = text; };
const caretAfterFirst = () => {
  const box = document.getElementById("file_sj");
  box.focus();
  box.setSelectionRange(1, 1);
};

// The input box once a paste has changed it: the paste may land later.
async function inputAfterPaste(b, before) {
  for (let i = 0; i < 50 && (await b.run(state)).input === before; i++) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return (await b.run(state)).input;
}

before(() => new Promise((resolve) => server.listen(0, "127.0.0.1", resolve)));
after(() => server.close());

for (const [engine, open] of [["Chromium", openChromium], ["WebKit", openWebKit]]) {
  describe(engine, () => {
    let b;
    before(async () => (b = await open()).go(served("/tovalin.html")));
    after(() => b.close());

    test("opens with the caret in the input box, where Ctrl+V pastes", async () => {
      assert.equal((await b.run(state)).focus, "file_sj");
      await b.paste("DEADBEEF\n1234");
      assert.equal(await inputAfterPaste(b, ""), "DEADBEEF");
    });
    test("Tab walks from the input box to the output box and the button", async () => {
      await b.click("file_sj");
      for (const id of ["asm_sj", "f_a"]) {
        await b.press("Tab");
        assert.equal((await b.run(state)).focus, id);
      }
    });
    for (const [typed, input, output, key] of conversions) {
      test(`converts ${typed}${key ? ` on ${key}` : ""}`, async () => {
        await b.run(setInput, "");
        await b.type("file_sj", typed);
        await (key ? b.press(key) : b.click("f_a"));
        assert.deepEqual(await b.run(state).then((s) => [s.input, s.output]), [input, output]);
      });
    }
    for (const [typed, title, prompt] of messages) {
      test(`"${typed}" is answered with ${title}`, async () => {
        const before = await b.run(state);
        await b.run(setInput, typed);
        await b.click("f_a");
        const shown = await b.run(state);
        assert.deepEqual([shown.open, shown.title, shown.prompt, shown.buttons, shown.focus],
          [true, title, prompt, 1, "message_ok"]);
        await b.press("Enter");
        const closed = await b.run(state);
        assert.deepEqual([closed.open, closed.focus, closed.input, closed.output],
          [false, "f_a", typed, before.output]);
      });
    }
    for (const [pasted, held, output] of pastes) {
      test(`paste of ${pasted.length} characters`, async () => {
        await b.run(setInput, "ff");
        await b.run(caretAfterFirst);
        await b.paste(pasted);
        assert.equal(await inputAfterPaste(b, "ff"), held);
        await b.click("f_a");
        assert.equal((await b.run(state)).output, output);
      });
    }
    for (const [width, height] of [[320, 568], [1280, 720]]) {
      test(`the whole form fits ${width} × ${height}, in its own proportions`, async () => {
        if (width > 400) await b.size(width, height);
        await b.go(served(width < 400 ? "/narrow.html" : "/tovalin.html"));
        const g = await b.run(geometry, width < 400);
        assert.deepEqual(g.viewport, [width, height]);
        assert.ok(g.scrollWidth <= width && g.box[0] >= 0 && g.box[1] <= width, JSON.stringify(g));
        assert.ok(Math.abs(g.box[2] - g.scale) < 0.01 && (width < 400 ? g.scale < 0.8 : g.scale === 1));
        assert.deepEqual(g.misplaced, []);
      });
    }
    test("axe-core finds nothing at open, after a conversion, with each message", async () => {
      await b.go(served("/tovalin.html"));
      await b.run(new Function(axeSource));
      const results = [await b.run(audit)];
      for (const typed of ["1234", "", "0x12"]) { // a conversion, then each message
        await b.run(setInput, typed);
        await b.click("f_a");
        results.push(await b.run(audit));
        if (typed !== "1234") await b.press("Enter");
      }
      console.log(`${engine}: axe leaves for review: ${[...new Set(results.flatMap((r) => r.incomplete))]}`);
      assert.deepEqual(results.flatMap((r) => r.violations), []);
    });
    test("works from file:// and asks for nothing over the network", async () => {
      await b.go(`file://${pagePath}`);
      await b.run(setInput, "1234");
      await b.click("f_a");
      assert.equal((await b.run(state)).output, "34120000");
      assert.equal(await b.run(() => performance.getEntriesByType("resource").length), 0);
      assert.deepEqual(requests.filter((url) => !(url in pages)), []);
    });
    test("served as an app, registers its worker and converts", async () => {
      await b.go(served("/app/"));
      assert.equal(await b.run(() => navigator.serviceWorker.ready.then((r) => r.scope)), served("/app/"));
      await b.run(setInput, "1234");
      await b.click("f_a");
      assert.equal((await b.run(state)).output, "34120000");
    });
  });
}

// The reader's colours: a dark preference in both engines, and forced colours
// (Windows' high contrast) in Chromium, which alone emulates them.
for (const [name, open] of [["Chromium, dark", () => openChromium({ colorScheme: "dark" })],
  ["WebKit, dark", () => openWebKit("Adwaita:dark")],
  ["Chromium, dark forced colours", () => openChromium({ colorScheme: "dark", forcedColors: "active" })]]) {
  test(`${name}: a dark form, outlined, converting, where axe finds nothing`, async () => {
    const b = await open();
    await b.go(served("/tovalin.html"));
    await b.run(new Function(axeSource));
    await b.run(setInput, "1234");
    await b.click("f_a");
    const [seen, { violations }] = [await b.run(look), await b.run(audit)];
    await b.close();
    assert.deepEqual([seen, violations], [{ output: "34120000", dark: true, outlined: true }, []]);
  });
}

// As an app, in a profile (an incognito one installs nothing). Nothing printed:
// no policy refused anything.
test("Chromium: the app installs, works offline and takes the next version", async () => {
  const context = await chromium.launchPersistentContext(mkdtempSync("/tmp/tovalin-"), chromiumOptions);
  const page = context.pages()[0], printed = [], seen = [];
  page.on("console", (m) => ["error", "warning"].includes(m.type()) && printed.push(m.text()));
  const convert = async () => { await page.fill("#file_sj", "1234"); await page.click("#f_a");
    return page.inputValue("#asm_sj"); };
  await page.goto(served("/app/"));
  await page.evaluate(() => navigator.serviceWorker.ready);
  seen.push((await (await context.newCDPSession(page)).send("Page.getInstallabilityErrors")).installabilityErrors);
  seen.push(await page.evaluate(() => Promise.all(["icon-192", "icon-512", "icon-maskable", "apple-touch-icon"]
    .map((n) => Object.assign(new Image(), { src: `${n}.png` })).map((i) => i.decode().then(() => i.naturalWidth)))));
  await context.setOffline(true);
  await page.reload();
  seen.push(await convert());
  await context.setOffline(false);
  const folder = readdirSync(process.env.TOVALIN_NEXT_APP).find((name) => /^tovalin-.+-web$/.test(name));
  app.dir = `${process.env.TOVALIN_NEXT_APP}/${folder}`;
  const next = folder.replace(/-web$/, "");
  await page.reload();
  for (let i = 0; i < 100 && (await page.evaluate(() => caches.keys())).join() !== next; i++) await page.waitForTimeout(100);
  await page.reload();
  seen.push(await page.evaluate(async () => [await caches.keys(), !!navigator.serviceWorker.controller]),
    await convert(), printed);
  await context.close();
  assert.deepEqual(seen, [[], [192, 512, 512, 180], "34120000", [[next], true], "34120000", []]);
});

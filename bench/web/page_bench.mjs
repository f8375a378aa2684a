// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Figures for the page in headless Chromium: the file's size, navigation
// start to a usable form (median of repeated loads), and Ctrl+V of 1,000,000
// digits then the button to the result, beside Chromium's own paste of the
// same text into a bare text box.
// Usage: node bench/web/page_bench.mjs PAGE.html NODE_MODULES_DIR
import { statSync } from "node:fs";
import { createRequire } from "node:module";
import { resolve } from "node:path";

const [page, modules] = process.argv.slice(2);
const { chromium } = createRequire(resolve(modules) + "/")("playwright-core");
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
    "--disable-component-update", "--no-first-run", "--disable-sync"],
});
const context = await browser.newContext();
await context.grantPermissions(["clipboard-read", "clipboard-write"]);
const tab = await context.newPage();
const url = `file://${resolve(page)}`;
console.log(`file size: ${statSync(page).size} bytes`);

const loads = [];
for (let i = 0; i < 21; i++) {
  await tab.goto(url);
  await tab.waitForFunction(() => performance.getEntriesByName("tovalin-ready").length > 0);
  loads.push(await tab.evaluate(() => performance.getEntriesByName("tovalin-ready")[0].startTime));
}
console.log(`navigation start to usable form: median ${median(loads).toFixed(1)} ms ` +
  `(min ${Math.min(...loads).toFixed(1)}, max ${Math.max(...loads).toFixed(1)}, ${loads.length} loads)`);

const digits = "0123456789".repeat(100000);
async function pasteMillion(convert) {
  await tab.evaluate((text) => navigator.clipboard.writeText(text), digits);
  await tab.focus("input");
  // The button's place, found before the paste: the click below is the
  // mouse's own, with none of Playwright's checks on a page that is busy.
  const button = convert && (await tab.locator("#f_a").boundingBox());
  const start = performance.now();
  await tab.keyboard.press("Control+V");
  if (convert) {
    await tab.mouse.click(button.x + button.width / 2, button.y + button.height / 2);
    await tab.waitForFunction(() => document.getElementById("asm_sj").value === "89674523");
  } else {
    await tab.waitForFunction((n) => document.querySelector("input").value.length === n, digits.length);
  }
  return performance.now() - start;
}
const ours = [];
const bare = [];
for (let i = 0; i < 5; i++) {
  await tab.goto(url);
  await tab.waitForFunction(() => performance.getEntriesByName("tovalin-ready").length > 0);
  ours.push(await pasteMillion(true));
  await tab.setContent("<input>");
  bare.push(await pasteMillion(false));
}
console.log(`Ctrl+V of 1,000,000 digits, then the button, to the result: median ` +
  `${median(ours).toFixed(0)} ms; Chromium's own paste into a bare text box: ` +
  `${median(bare).toFixed(0)} ms`);
await browser.close();

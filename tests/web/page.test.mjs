// Browser test of the web page against a running render service.
//
//   node page.test.mjs
//
// VORTEL_SERVER_CMD: the service's command line, {port} replaced by a free port (default:
// $VORTEL_BUILD/bin/vortel-server, the build folder build/); CHROMIUM: the browser (default
// /usr/bin/chromium).
// Screenshots go to docs/screenshots/web-*.png. Exit status 0 when every check passed.

import { spawn } from "node:child_process";
import { mkdtemp, mkdir, readdir, readFile, rm } from "node:fs/promises";
import { createServer } from "node:net";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, "../..");
const shots = process.env.VORTEL_SCREENSHOTS || path.join(repo, "docs/screenshots");
const build = process.env.VORTEL_BUILD || path.join(repo, "build");
const serverCmd = process.env.VORTEL_SERVER_CMD || `'${build}/bin/vortel-server' --listen 127.0.0.1:{port}`;

let failures = 0;
function check(name, ok, detail = "") {
  console.log(`${ok ? "ok  " : "FAIL"} ${name}${ok || !detail ? "" : `: ${detail}`}`);
  if (!ok) failures++;
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function freePort() {
  return new Promise((resolve, reject) => {
    const s = createServer();
    s.once("error", reject);
    s.listen(0, "127.0.0.1", () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

async function waitForHealth(base, child) {
  for (let i = 0; i < 100; i++) {
    if (child.exitCode != null) throw new Error(`the server ended with status ${child.exitCode}`);
    try {
      const r = await fetch(`${base}/health`);
      if (r.ok && (await r.json()).status === "ok") return;
    } catch {
      // not listening yet
    }
    await sleep(200);
  }
  throw new Error("the server did not answer /health within 20 s");
}

async function post(base, body, lang = "en") {
  return fetch(`${base}/render`, {
    method: "POST",
    headers: { "Content-Type": "application/json", "Accept-Language": lang },
    body: typeof body === "string" ? body : JSON.stringify(body),
  });
}

async function renderPng(base, job) {
  const r = await post(base, { ...job, format: "png" });
  if (!r.ok) throw new Error(`POST /render: ${r.status} ${await r.text()}`);
  return Buffer.from(await r.arrayBuffer());
}

// The page's job once the picture for it is on screen and matches `want`.
async function shownJob(page, want, what) {
  try {
    await page.waitForFunction((want) => {
      const img = document.getElementById("picture");
      const job = window.vortelPage?.currentJob();
      if (img?.dataset.state !== "ready" || !job) return false;
      return new Function("job", `return ${want}`)(job);
    }, { timeout: 20000 }, want);
  } catch {
    const job = await page.evaluate(() => window.vortelPage?.currentJob());
    throw new Error(`${what}: no picture for ${want}; shown job ${JSON.stringify(job)}`);
  }
  return page.evaluate(() => window.vortelPage.currentJob());
}

async function shownBytes(page) {
  const b64 = await page.evaluate(async () => {
    const data = new Uint8Array(await (await fetch(document.getElementById("picture").src)).arrayBuffer());
    let s = "";
    for (const byte of data) s += String.fromCharCode(byte);
    return btoa(s);
  });
  return Buffer.from(b64, "base64");
}

async function waitForFile(dir, name) {
  for (let i = 0; i < 100; i++) {
    const files = await readdir(dir);
    if (files.includes(name)) return readFile(path.join(dir, name));
    await sleep(200);
  }
  throw new Error(`no download ${name} in ${dir}: ${(await readdir(dir)).join(", ")}`);
}

async function openPage(browser, base, { languages = ["en-US", "en"], width = 1280, height = 900 } = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height });
  await page.evaluateOnNewDocument((languages) => {
    Object.defineProperty(navigator, "languages", { get: () => languages });
    Object.defineProperty(navigator, "language", { get: () => languages[0] });
  }, languages);
  const renders = [];
  page.on("request", (req) => {
    if (req.url().endsWith("/render")) renders.push({ lang: req.headers()["accept-language"], body: req.postData() });
  });
  page.on("pageerror", (e) => check("no script error on the page", false, e.message));
  await page.goto(base, { waitUntil: "load" });
  await page.waitForFunction(() => document.querySelectorAll('input[name="texture"], input[name="backFill"]').length > 2,
    { timeout: 20000 });
  await shownJob(page, "true", "first picture");
  return { context, page, renders };
}

async function interfaceChecks(base) {
  const styles = (await (await fetch(`${base}/styles`)).json()).styles;
  check("/styles lists the styles 0..45", styles.length === 46 && styles.every((s, i) => s.number === i));
  const presets = await (await fetch(`${base}/presets`)).json();
  const counts = { guide: [0, 29], bevel: [0, 17], outline: [0, 12], shadow: [0, 11], frame: [0, 17], gradient: [1, 15] };
  for (const [kind, [first, last]] of Object.entries(counts)) {
    const numbers = presets[kind].map((p) => p.number);
    check(`/presets ${kind} is ${first}..${last}`, numbers[0] === first && numbers.at(-1) === last &&
      numbers.length === last - first + 1);
  }
  check("/presets lists stock textures", presets.texture.length > 0 && presets.texture.every((p) => p.name.startsWith(":JPG_")));
  const faces = (await (await fetch(`${base}/faces`)).json()).faces;
  check("/faces is sorted (without regard to case) and not empty", faces.length > 0 && faces.every((f, i) => i === 0 || faces[i - 1].toLowerCase() <= f.toLowerCase()));
  for (const url of [styles[45].thumbnail, presets.guide[29].thumbnail, presets.texture[0].thumbnail]) {
    const r = await fetch(base + url);
    const bytes = Buffer.from(await r.arrayBuffer());
    check(`${url} is a PNG`, r.ok && r.headers.get("content-type") === "image/png" &&
      bytes.subarray(1, 4).toString() === "PNG");
  }
  // refusals: a 4xx status with a JSON message that follows Accept-Language
  const refused = [
    ["a style out of range", { text: "x", presets: { style: 99 }, format: "png" }],
    ["an unknown format", { text: "x", format: "gif" }],
    ["a file as texture", { text: "x", textures: { 0: "/etc/passwd" }, format: "png" }],
    ["an output path", { text: "x", output: "/tmp/x.png", format: "png" }],
    ["no JSON at all", "{text"],
  ];
  for (const [what, body] of refused) {
    const answers = [];
    for (const lang of ["en", "de-DE,de;q=0.9"]) {
      const r = await post(base, body, lang);
      const json = await r.json().catch(() => ({}));
      answers.push({ status: r.status, error: json.error });
    }
    const [en, de] = answers;
    check(`${what} is refused in English and German`, en.status >= 400 && en.status < 500 && de.status === en.status &&
      typeof en.error === "string" && typeof de.error === "string" && en.error !== de.error,
      JSON.stringify(answers));
  }
}

async function main() {
  const port = await freePort();
  const base = `http://127.0.0.1:${port}`;
  const child = spawn("sh", ["-c", `${serverCmd.replaceAll("{port}", String(port))}`], {
    stdio: ["ignore", "inherit", "inherit"],
    detached: true,
  });
  const downloads = await mkdtemp(path.join(tmpdir(), "vortel-web-"));
  let browser;
  try {
    await waitForHealth(base, child);
    await interfaceChecks(base);
    await mkdir(shots, { recursive: true });
    browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
      headless: true,
      args: ["--no-sandbox", "--disable-gpu", "--lang=en-US"],
    });

    // --- a session: type, pick, random, download ---------------------------------------------------
    const { context, page, renders } = await openPage(browser, base);
    const cdp = await page.createCDPSession();
    await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads, browserContextId: context.id });

    await page.click("#text", { clickCount: 3 });
    await page.keyboard.press("Backspace");
    const before = renders.length;
    await page.type("#text", "Hallo\nWelt", { delay: 25 });
    await shownJob(page, `job.text === "Hallo\\nWelt"`, "typing");
    await sleep(400);
    const typed = renders.length - before;
    check("typing renders after a pause, not on every key", typed >= 1 && typed < 6, `${typed} renders for 10 keys`);
    check("the last render is the typed text", JSON.parse(renders.at(-1).body).text === "Hallo\nWelt");

    await page.click('label:has(input[name="style"][value="5"])');
    await page.click('label:has(input[name="guide"][value="3"])');
    await page.click('label:has(input[name="bevel"][value="2"])');
    const picked = await shownJob(page, "job.presets?.style === 5 && job.presets.guide === 3 && job.presets.bevel === 2", "picking");
    check("picked presets are in the job", picked.text === "Hallo\nWelt" && picked.size === "640x320");

    await page.click("#random");
    const seedText = await page.$eval("#seed", (e) => e.textContent);
    const seed = Number(/\d+/.exec(seedText)?.[0]);
    check("Random shows its seed", seed >= 1 && seed <= 2147483646, seedText);
    const randomJob = await shownJob(page, `job.presets?.random === ${seed}`, "random");
    check("Random replaces the style and the presets after it", randomJob.presets.style === undefined &&
      randomJob.presets.guide === undefined && randomJob.presets.bevel === undefined);

    const expected = await renderPng(base, randomJob);
    const shown = await shownBytes(page);
    check("the shown picture is the service's PNG for currentJob()", shown.equals(expected),
      `${shown.length} against ${expected.length} bytes`);

    // downloads: each format's file, named after the text's first line
    const formats = [
      ["png", (b) => b.subarray(1, 4).toString() === "PNG" && b[25] === 2],
      ["jpg", (b) => b[0] === 0xff && b[1] === 0xd8],
      ["svg", (b) => b.toString("utf8", 0, 400).includes("<svg")],
      ["pdf", (b) => b.subarray(0, 5).toString() === "%PDF-"],
      ["vtl", (b) => b.length > 0],
    ];
    for (const [format, looksRight] of formats) {
      await page.click(`button[data-format="${format}"]`);
      const file = await waitForFile(downloads, `hallo.${format}`);
      check(`download ${format} is hallo.${format} in its format`, looksRight(file));
      if (format === "png") check("the downloaded PNG equals the shown picture", file.equals(expected));
      await rm(path.join(downloads, `hallo.${format}`));
    }
    await page.click("#transparent");
    await page.click('button[data-format="png"]');
    const transparent = await waitForFile(downloads, "hallo.png");
    check("the transparent PNG has an alpha channel", transparent[25] === 6, `colour type ${transparent[25]}`);

    // a size that is no size: a readable error, no render
    const sent = renders.length;
    await page.click("#width", { clickCount: 3 });
    await page.type("#width", "0");
    await sleep(500);
    const error = await page.$eval("#error", (e) => (e.hidden ? "" : e.textContent));
    check("a width of 0 shows an error and renders nothing", error.length > 10 && renders.length === sent, error);
    await page.click("#width", { clickCount: 3 });
    await page.type("#width", "640");
    await shownJob(page, `job.size === "640x320"`, "size back");
    check("the error goes once the size is good", await page.$eval("#error", (e) => e.hidden));

    // keyboard: Tab reaches the styles as one stop, arrows and Space pick, Tab goes on to the next group
    await page.focus("#text");
    let tabs = 0;
    while (tabs < 30 && !(await page.evaluate(() => document.activeElement?.name === "style"))) {
      await page.keyboard.press("Tab");
      tabs++;
    }
    check("Tab reaches the styles from the text in a few steps", tabs < 10, `${tabs} tabs`);
    await page.keyboard.press("ArrowRight");
    await page.keyboard.press("ArrowRight");
    await page.keyboard.press("Space");
    const focused = await page.evaluate(() => {
      const el = document.activeElement;
      const box = el.nextElementSibling;
      return { value: el.value, checked: el.checked, outline: getComputedStyle(box).outlineStyle };
    });
    check("arrows and Space pick a style", focused.checked && focused.value !== "none", JSON.stringify(focused));
    check("the focused style is outlined", focused.outline === "solid", focused.outline);
    await shownJob(page, `job.presets?.style === ${Number(focused.value)}`, "keyboard style");
    await page.keyboard.press("Tab");
    check("the next Tab goes to the deformations", await page.evaluate(() => document.activeElement?.name === "guide"));
    await page.focus('input[name="guide"][value="7"]');
    await page.keyboard.press("Enter");
    await shownJob(page, "job.presets?.guide === 7", "Enter on a deformation");
    check("Enter picks a deformation and stays on the page", page.url() === `${base}/`, page.url());

    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: path.join(shots, "web-desktop.png") });

    // --- language: the switch, its memory, and what the page sends --------------------------------
    const englishHeading = await page.$eval("h1", (e) => e.textContent);
    await page.select("#language", "de");
    const german = await page.evaluate(() => ({ h1: document.querySelector("h1").textContent, lang: document.documentElement.lang,
      random: document.getElementById("random").textContent }));
    check("the switch turns the page German", german.lang === "de" && german.h1 !== englishHeading &&
      german.random === "Zufallseffekt", JSON.stringify(german));
    await page.screenshot({ path: path.join(shots, "web-desktop-de.png") });
    await page.click('label:has(input[name="shadow"][value="4"])');
    await shownJob(page, "job.presets?.shadow === 4", "German render");
    check("renders ask for German after the switch", renders.at(-1).lang.startsWith("de"), renders.at(-1).lang);
    await page.reload({ waitUntil: "load" });
    check("the choice is remembered", await page.$eval("html", (e) => e.lang) === "de");
    await context.close();

    // the browser's own language decides on a first visit
    for (const [languages, want] of [[["de-DE", "en"], "de"], [["de"], "de"], [["en-GB", "de"], "en"], [["fr-FR"], "en"]]) {
      const first = await openPage(browser, base, { languages });
      const lang = await first.page.$eval("html", (e) => e.lang);
      const asked = first.renders[0]?.lang ?? "";
      check(`navigator.languages ${languages} gives ${want}`, lang === want && asked.startsWith(want), `${lang}, ${asked}`);
      await first.context.close();
    }

    // --- an answer that comes late is dropped: the newest change wins -----------------------------
    const race = await openPage(browser, base);
    await race.page.setRequestInterception(true);
    race.page.on("request", (req) => {
      const slow = req.url().endsWith("/render") && JSON.parse(req.postData()).text === "slow";
      setTimeout(() => req.continue().catch(() => {}), slow ? 1500 : 0);
    });
    await race.page.click("#text", { clickCount: 3 });
    await race.page.keyboard.type("slow");
    await sleep(500);
    await race.page.click("#text", { clickCount: 3 });
    await race.page.keyboard.type("fast");
    await shownJob(race.page, `job.text === "fast"`, "the newer render");
    await sleep(2000);
    const last = await race.page.evaluate(() => window.vortelPage.currentJob().text);
    check("a late answer for an older text does not replace the picture", last === "fast", last);
    await race.context.close();

    // --- phone ----------------------------------------------------------------------------------------
    const phone = await openPage(browser, base, { width: 360, height: 740 });
    const layout = await phone.page.evaluate(() => ({
      scroll: document.scrollingElement.scrollWidth,
      picture: document.querySelector(".stage").getBoundingClientRect().top,
      controls: document.querySelector(".controls").getBoundingClientRect().top,
    }));
    check("the phone layout has no sideways scrolling", layout.scroll <= 360, `${layout.scroll} px wide`);
    check("on a phone the controls are below the picture", layout.controls > layout.picture, JSON.stringify(layout));
    await phone.page.screenshot({ path: path.join(shots, "web-phone.png") });
    await phone.context.close();
  } catch (e) {
    check("the test ran to its end", false, e.stack || String(e));
  } finally {
    await browser?.close();
    try {
      process.kill(-child.pid, "SIGTERM");
    } catch {
      // already gone
    }
    await rm(downloads, { recursive: true, force: true });
  }
  console.log(failures ? `${failures} check(s) failed` : "all checks passed");
  process.exit(failures ? 1 : 0);
}

main();

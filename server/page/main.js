// The page: reads the form into a job, keeps the picture up to date, offers the downloads.

import { LatestRender, getJson, render } from "./api.js";
import { applyTexts, initialLanguage, setLanguage, t } from "./i18n.js";
import { PRESET_KINDS, buildJob, drawSeed, fileName, side } from "./job.js";

const $ = (selector) => document.querySelector(selector);
const form = $("#controls");
const picture = $("#picture");
const stage = $(".stage");
const statusLine = $("#status");
const errorLine = $("#error");

let seed = null;       // the random effect's seed, or null
let shownJob = null;   // the job of the picture on screen
let pictureUrl = null;

// --- the form as a job -------------------------------------------------------------------------

function checked(name) {
  return form.querySelector(`input[name="${name}"]:checked`)?.value ?? "none";
}

function fillChoice(name, colorInput) {
  const value = checked(name);
  if (value.startsWith("gradient:")) return { kind: "gradient", gradient: Number(value.slice(9)) };
  if (value.startsWith("texture:")) return { kind: "texture", texture: value.slice(8) };
  return { kind: value, color: colorInput.value };
}

function readState() {
  const presets = {};
  for (const kind of PRESET_KINDS) {
    const value = checked(kind);
    presets[kind] = value === "none" ? null : Number(value);
  }
  return {
    text: $("#text").value,
    face: $("#face").value,
    width: side($("#width").value),
    height: side($("#height").value),
    seed,
    presets,
    textFill: fillChoice("textFill", $("#text-color")),
    backFill: fillChoice("backFill", $("#back-color")),
  };
}

// The job for the form, or null (with the reason shown) when the size is no size.
function currentFormJob() {
  const state = readState();
  if (state.width == null || state.height == null) {
    showError(t("badSize"));
    return null;
  }
  return buildJob(state);
}

// --- status and errors ---------------------------------------------------------------------------

function showError(message) {
  errorLine.textContent = message;
  errorLine.hidden = !message;
}

function setBusy(busy, text) {
  stage.classList.toggle("busy", busy);
  stage.setAttribute("aria-busy", String(busy));
  statusLine.textContent = text;
}

// --- the picture ---------------------------------------------------------------------------------

const renderer = new LatestRender({
  delay: 150,
  renderer: render,
  onStart() {
    picture.dataset.state = "loading";
    setBusy(true, t("busy"));
  },
  onPicture(blob, job, id) {
    const url = URL.createObjectURL(blob);
    picture.onload = () => {
      if (!renderer.isLatest(id)) return;
      if (pictureUrl) URL.revokeObjectURL(pictureUrl);
      pictureUrl = url;
      shownJob = job;
      picture.alt = t("pictureAlt", job.text.replace(/\n/g, " "));
      picture.dataset.state = "ready";
      setBusy(false, t("ready"));
      showError("");
    };
    picture.src = url;
  },
  onError(error) {
    picture.dataset.state = "error";
    setBusy(false, "");
    showError(t("renderFailed", error.message));
  },
});

function update() {
  renderer.schedule(() => currentFormJob());
}

// --- building the lists --------------------------------------------------------------------------

function thumb(name, value, label, src, args) {
  const item = document.createElement("label");
  item.className = "thumb";
  const input = document.createElement("input");
  input.type = "radio";
  input.name = name;
  input.value = value;
  input.dataset.i18nLabel = label;
  if (args) input.dataset.i18nArgs = JSON.stringify(args);
  item.append(input);
  if (src) {
    const img = document.createElement("img");
    img.src = src;
    img.alt = "";
    img.width = 96;
    img.height = 48;
    img.loading = "lazy";
    item.append(img);
  } else {
    const span = document.createElement("span");
    span.className = "none-box";
    span.dataset.i18n = label;
    item.append(span);
  }
  return item;
}

function fillGroup(id, name, items, { withNone = true } = {}) {
  const box = document.getElementById(id);
  if (withNone) {
    const none = thumb(name, "none", "none");
    none.querySelector("input").checked = true;
    box.append(none);
  }
  for (const item of items) box.append(item);
}

async function loadLists() {
  const [faces, styles, presets] = await Promise.all([getJson("/faces"), getJson("/styles"), getJson("/presets")]);
  const faceSelect = $("#face");
  for (const face of faces.faces) faceSelect.append(new Option(face, face));

  fillGroup("group-style", "style", styles.styles.map((s) =>
    thumb("style", s.number, "style", s.thumbnail, [s.number, s.text.replace(/\n/g, " ")])));
  for (const kind of PRESET_KINDS.slice(1)) {
    fillGroup(`group-${kind}`, kind, presets[kind].map((p) => thumb(kind, p.number, `${kind}Item`, p.thumbnail, [p.number])));
  }
  fillGroup("group-gradient", "textFill", presets.gradient.map((p) =>
    thumb("textFill", `gradient:${p.number}`, "gradientItem", p.thumbnail, [p.number])), { withNone: false });
  const textureName = (p) => p.name.replace(/^:/, "");
  fillGroup("group-text-texture", "textFill", presets.texture.map((p) =>
    thumb("textFill", `texture:${p.name}`, "textureItem", p.thumbnail, [textureName(p)])), { withNone: false });
  fillGroup("group-back-texture", "backFill", presets.texture.map((p) =>
    thumb("backFill", `texture:${p.name}`, "textureItem", p.thumbnail, [textureName(p)])), { withNone: false });
}

// --- what the user does --------------------------------------------------------------------------

function showSeed() {
  const out = $("#seed");
  out.dataset.i18n = seed == null ? "noSeed" : "seed";
  out.dataset.i18nArgs = JSON.stringify(seed == null ? [] : [seed]);
  out.textContent = seed == null ? t("noSeed") : t("seed", seed);
}

function checkValue(name, value) {
  const input = form.querySelector(`input[name="${name}"][value="${value}"]`);
  if (input) input.checked = true;
}

// A random effect replaces the style and what follows it, so its own choices show; the text,
// the font and the size stay.
function randomEffect() {
  seed = drawSeed();
  for (const kind of PRESET_KINDS) checkValue(kind, "none");
  checkValue("textFill", "effect");
  checkValue("backFill", "effect");
  showSeed();
  update();
}

form.addEventListener("input", (event) => {
  const target = event.target;
  // a style comes before the random effect and would not show through it
  if (target.name === "style") {
    seed = null;
    showSeed();
  }
  if (target.id === "text-color") checkValue("textFill", "color");
  if (target.id === "back-color") checkValue("backFill", "color");
  if ((target.id === "width" || target.id === "height") && side($("#width").value) && side($("#height").value)) {
    showError("");
  }
  update();
});
form.addEventListener("change", (event) => {
  // radio inputs report through "input" too; a select may only say "change" in some browsers
  if (event.target.tagName === "SELECT") update();
});
form.addEventListener("submit", (event) => event.preventDefault());
// Enter picks a picture as Space does (a radio input only takes Space by itself).
form.addEventListener("keydown", (event) => {
  const target = event.target;
  if (event.key !== "Enter" || target.type !== "radio") return;
  event.preventDefault();
  if (!target.checked) {
    target.checked = true;
    target.dispatchEvent(new Event("input", { bubbles: true }));
  }
});
$("#random").addEventListener("click", randomEffect);

async function download(format) {
  const job = currentFormJob();
  if (!job) return;
  if (format === "png" && $("#transparent").checked) job.transparent = true;
  const name = fileName(job.text, format);
  statusLine.textContent = t("preparing");
  try {
    const blob = await render(job, format);
    const url = URL.createObjectURL(blob);
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60_000);
    statusLine.textContent = t("downloaded", name);
    showError("");
  } catch (error) {
    statusLine.textContent = "";
    showError(t("downloadFailed", error.message));
  }
}

for (const button of document.querySelectorAll("[data-format]")) {
  button.addEventListener("click", () => download(button.dataset.format));
}

const languageSelect = $("#language");
languageSelect.addEventListener("change", () => {
  setLanguage(languageSelect.value);
  applyTexts();
  if (shownJob) picture.alt = t("pictureAlt", shownJob.text.replace(/\n/g, " "));
  if (picture.dataset.state === "ready") statusLine.textContent = t("ready");
});

// --- start ---------------------------------------------------------------------------------------

window.vortelPage = {
  currentJob() {
    return shownJob ? structuredClone(shownJob) : null;
  },
};

languageSelect.value = setLanguage(initialLanguage(), null); // remembered only when switched
applyTexts();
update();
try {
  await loadLists();
  applyTexts();
} catch (error) {
  showError(t("loadFailed", error.message));
}

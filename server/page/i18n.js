// Every text of the page, English and German. Elements name their text with data-i18n (content),
// data-i18n-label (aria-label) or data-i18n-placeholder; applyTexts() fills them in.

const TEXTS = {
  en: {
    title: "Vortel – text effects",
    heading: "Vortel text effects",
    language: "Language",
    picture: "Your text effect",
    pictureAlt: "Text effect: {0}",
    text: "Text",
    textHelp: "Several lines are allowed.",
    face: "Font",
    faceEffect: "The effect's font",
    size: "Picture size",
    width: "Width",
    height: "Height",
    pixels: "px",
    random: "Random effect",
    seed: "Seed {0}",
    noSeed: "No random effect",
    styles: "Styles",
    style: "Style {0}: {1}",
    guide: "Deformation",
    guideItem: "Deformation {0}",
    bevel: "3D bevel",
    bevelItem: "Bevel {0}",
    outline: "Outline",
    outlineItem: "Outline {0}",
    shadow: "Shadow",
    shadowItem: "Shadow {0}",
    frame: "Frame",
    frameItem: "Frame {0}",
    none: "None (from the effect)",
    textFill: "Text fill",
    backFill: "Background",
    fromEffect: "From the effect",
    color: "Colour",
    textColor: "Text colour",
    backColor: "Background colour",
    gradients: "Text gradients",
    gradientItem: "Gradient {0}",
    textTexture: "Text texture",
    backTexture: "Background texture",
    textureItem: "Texture {0}",
    download: "Download",
    transparent: "Transparent background (PNG)",
    downloadPng: "PNG",
    downloadJpg: "JPEG",
    downloadSvg: "SVG",
    downloadPdf: "PDF",
    downloadVtl: ".vtl document",
    downloadLabel: "Download as {0}",
    busy: "Rendering…",
    ready: "Picture ready.",
    preparing: "Preparing the download…",
    downloaded: "Download started: {0}",
    loadFailed: "The page could not load its lists: {0}",
    renderFailed: "The picture could not be rendered: {0}",
    downloadFailed: "The download failed: {0}",
    network: "the server cannot be reached",
    badSize: "width and height must be whole numbers from 1 to 10000",
    status: "Status",
  },
  de: {
    title: "Vortel – Texteffekte",
    heading: "Vortel Texteffekte",
    language: "Sprache",
    picture: "Ihr Texteffekt",
    pictureAlt: "Texteffekt: {0}",
    text: "Text",
    textHelp: "Mehrere Zeilen sind möglich.",
    face: "Schrift",
    faceEffect: "Schrift des Effekts",
    size: "Bildgröße",
    width: "Breite",
    height: "Höhe",
    pixels: "px",
    random: "Zufallseffekt",
    seed: "Startwert {0}",
    noSeed: "Kein Zufallseffekt",
    styles: "Stile",
    style: "Stil {0}: {1}",
    guide: "Verformung",
    guideItem: "Verformung {0}",
    bevel: "3D-Relief",
    bevelItem: "Relief {0}",
    outline: "Kontur",
    outlineItem: "Kontur {0}",
    shadow: "Schatten",
    shadowItem: "Schatten {0}",
    frame: "Rahmen",
    frameItem: "Rahmen {0}",
    none: "Keine (vom Effekt)",
    textFill: "Textfüllung",
    backFill: "Hintergrund",
    fromEffect: "Vom Effekt",
    color: "Farbe",
    textColor: "Textfarbe",
    backColor: "Hintergrundfarbe",
    gradients: "Farbverläufe für den Text",
    gradientItem: "Farbverlauf {0}",
    textTexture: "Textur des Textes",
    backTexture: "Textur des Hintergrunds",
    textureItem: "Textur {0}",
    download: "Herunterladen",
    transparent: "Durchsichtiger Hintergrund (PNG)",
    downloadPng: "PNG",
    downloadJpg: "JPEG",
    downloadSvg: "SVG",
    downloadPdf: "PDF",
    downloadVtl: ".vtl-Dokument",
    downloadLabel: "Als {0} herunterladen",
    busy: "Wird gezeichnet …",
    ready: "Bild fertig.",
    preparing: "Download wird vorbereitet …",
    downloaded: "Download gestartet: {0}",
    loadFailed: "Die Seite konnte ihre Listen nicht laden: {0}",
    renderFailed: "Das Bild konnte nicht gezeichnet werden: {0}",
    downloadFailed: "Der Download ist fehlgeschlagen: {0}",
    network: "Der Server ist nicht erreichbar",
    badSize: "Breite und Höhe müssen ganze Zahlen von 1 bis 10000 sein",
    status: "Status",
  },
};

export const LANGUAGES = Object.keys(TEXTS);
const STORE_KEY = "vortel.language";
let current = "en";

// German for a browser that prefers de*, English otherwise; a choice made on the page wins.
export function initialLanguage(storage = globalThis.localStorage, languages = globalThis.navigator?.languages) {
  let stored = null;
  try {
    stored = storage?.getItem(STORE_KEY);
  } catch {
    // storage may be switched off; the browser's language decides then
  }
  if (LANGUAGES.includes(stored)) return stored;
  const first = (languages && languages[0]) || globalThis.navigator?.language || "en";
  return first.toLowerCase().startsWith("de") ? "de" : "en";
}

export function setLanguage(lang, storage = globalThis.localStorage) {
  current = LANGUAGES.includes(lang) ? lang : "en";
  try {
    storage?.setItem(STORE_KEY, current);
  } catch {
    // not remembered, still switched
  }
  return current;
}

export function language() {
  return current;
}

export function t(key, ...args) {
  const text = TEXTS[current][key] ?? TEXTS.en[key] ?? key;
  return text.replace(/\{(\d+)\}/g, (_, i) => String(args[Number(i)] ?? ""));
}

// data-i18n-args (a JSON list) fills the {0} {1} of the element's texts.
export function applyTexts(root = document) {
  document.documentElement.lang = current;
  document.title = t("title");
  const args = (el) => (el.dataset.i18nArgs ? JSON.parse(el.dataset.i18nArgs) : []);
  for (const el of root.querySelectorAll("[data-i18n]")) el.textContent = t(el.dataset.i18n, ...args(el));
  for (const el of root.querySelectorAll("[data-i18n-label]")) {
    el.setAttribute("aria-label", t(el.dataset.i18nLabel, ...args(el)));
  }
  for (const el of root.querySelectorAll("[data-i18n-placeholder]")) el.placeholder = t(el.dataset.i18nPlaceholder);
}

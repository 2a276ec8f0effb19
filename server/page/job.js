// The page's choices turned into a render job, and the little pure helpers around it.

export const PRESET_KINDS = ["style", "guide", "bevel", "outline", "shadow", "frame"];
export const MAX_SEED = 2147483646;
export const MAX_SIDE = 10000;

// #rrggbb to the engine's COLORREF 0x00BBGGRR.
export function colorref(hex) {
  const m = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(hex);
  if (!m) throw new RangeError(`not a colour: ${hex}`);
  const [r, g, b] = m.slice(1).map((v) => parseInt(v, 16));
  return r | (g << 8) | (b << 16);
}

// A seed for presets.random, 1..2147483646.
export function drawSeed(random = () => crypto.getRandomValues(new Uint32Array(1))[0] / 2 ** 32) {
  return 1 + Math.floor(random() * MAX_SEED);
}

// A side of the picture from a text field, or null when it is no whole number in 1..10000.
export function side(value) {
  const s = String(value).trim();
  if (!/^\d+$/.test(s)) return null;
  const n = Number(s);
  return n >= 1 && n <= MAX_SIDE ? n : null;
}

function fill(choice, surface, settings, textures, presets) {
  if (choice.kind === "color") {
    settings[surface === "1" ? "TextFill" : "BackFill"] = { FillKind: 2, FillColor: colorref(choice.color) };
  } else if (choice.kind === "texture") {
    settings[surface === "1" ? "TextFill" : "BackFill"] = { FillKind: 0 };
    textures[surface] = choice.texture;
  } else if (choice.kind === "gradient" && surface === "1") {
    presets.gradient = choice.gradient;
  }
}

// state: { text, face, width, height, seed, presets: {style, guide, ...: number|null},
//          textFill: {kind: effect|color|gradient|texture, color, gradient, texture},
//          backFill: {kind: effect|color|texture, color, texture} }
export function buildJob(state) {
  const presets = {};
  if (state.presets.style != null) presets.style = state.presets.style;
  if (state.seed != null) presets.random = state.seed;
  for (const kind of PRESET_KINDS.slice(1)) {
    if (state.presets[kind] != null) presets[kind] = state.presets[kind];
  }
  const settings = {};
  const textures = {};
  fill(state.textFill, "1", settings, textures, presets);
  fill(state.backFill, "0", settings, textures, presets);
  if (state.face) settings.LogFont = { lfFaceName: state.face };

  const job = { text: state.text, size: `${state.width}x${state.height}` };
  if (Object.keys(presets).length) job.presets = presets;
  if (Object.keys(settings).length) job.settings = settings;
  if (Object.keys(textures).length) job.textures = textures;
  return job;
}

// A download's file name from the text's first line: letters and digits joined by hyphens.
export function fileName(text, format) {
  const stem = String(text)
    .split("\n")[0]
    .normalize("NFC")
    .toLowerCase()
    .replace(/[^\p{L}\p{N}]+/gu, "-")
    .replace(/^-+|-+$/g, "")
    .slice(0, 40)
    .replace(/-+$/, "");
  return `${stem || "vortel"}.${format}`;
}

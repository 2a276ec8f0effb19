// The render service's HTTP interface as the page uses it. Every request says the page's language,
// so the service answers errors in it.

import { language, t } from "./i18n.js";

export class ServiceError extends Error {
  constructor(message, status) {
    super(message);
    this.status = status;
  }
}

function headers(extra = {}) {
  return { "Accept-Language": language() === "de" ? "de, en;q=0.5" : "en, de;q=0.5", ...extra };
}

async function failure(response) {
  let message = `HTTP ${response.status}`;
  try {
    const body = await response.json();
    if (body && typeof body.error === "string") message = body.error;
  } catch {
    // no JSON body: the status says enough
  }
  return new ServiceError(message, response.status);
}

async function send(url, options) {
  let response;
  try {
    response = await fetch(url, options);
  } catch (e) {
    if (e.name === "AbortError") throw e;
    throw new ServiceError(t("network"), 0);
  }
  if (!response.ok) throw await failure(response);
  return response;
}

export async function getJson(url) {
  return (await send(url, { headers: headers() })).json();
}

// POST /render: the job with the format; the answer's bytes as a Blob.
export async function render(job, format, signal) {
  const response = await send("/render", {
    method: "POST",
    headers: headers({ "Content-Type": "application/json" }),
    body: JSON.stringify({ ...job, format }),
    signal,
  });
  return response.blob();
}

// Runs renders one after another as the page changes: a change waits `delay` ms for the next one,
// a new request aborts the one before, and an answer that is not the newest is dropped.
export class LatestRender {
  constructor({ delay = 150, renderer = render, onStart, onPicture, onError }) {
    Object.assign(this, { delay, renderer, onStart, onPicture, onError });
    this.counter = 0;
    this.timer = null;
    this.controller = null;
  }

  // makeJob is asked when the delay is over; null means there is nothing to render.
  schedule(makeJob) {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => {
      const job = makeJob();
      if (job) this.run(job);
    }, this.delay);
  }

  async run(job) {
    this.controller?.abort();
    const controller = new AbortController();
    this.controller = controller;
    const id = ++this.counter;
    this.onStart?.(job, id);
    try {
      const blob = await this.renderer(job, "png", controller.signal);
      if (id === this.counter) this.onPicture?.(blob, job, id);
    } catch (e) {
      if (id === this.counter && e.name !== "AbortError") this.onError?.(e, job, id);
    }
  }

  isLatest(id) {
    return id === this.counter;
  }
}

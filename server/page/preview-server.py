#!/usr/bin/python3
"""Preview server for the Vortel web page.

A development aid: it serves the page in this folder at / and answers the render service's HTTP
interface (README.md here) through the Python module `vortel`, so the page can be built and tested
before the C++ service `vortel-server` exists. That service replaces this script; nothing else
depends on it.

    PYTHONPATH=build/python /usr/bin/python3 server/page/preview-server.py --port 8080

Thumbnails are rendered on first request and kept in memory. Error messages follow the request's
Accept-Language (German or English): the module speaks English here, and a failed render is asked
once more of `vortel-cli batch` in German when German was asked for (`--cli`, by default the
`vortel-cli` beside the module's build).
"""

import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import threading
import warnings
from http import HTTPStatus
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path

os.environ["LANGUAGE"] = "en"  # read once when the module is imported
import vortel  # noqa: E402

PAGE_DIR = Path(__file__).resolve().parent
STATIC_TYPES = {".html": "text/html; charset=utf-8", ".css": "text/css; charset=utf-8",
                ".js": "text/javascript; charset=utf-8", ".svg": "image/svg+xml", ".png": "image/png"}
FORMATS = {  # format -> (file extension, Content-Type)
    "png": (".png", "image/png"), "jpg": (".jpg", "image/jpeg"), "bmp": (".bmp", "image/bmp"),
    "svg": (".svg", "image/svg+xml"), "pdf": (".pdf", "application/pdf"),
    "vtl": (".vtl", "application/x-vortel"), "deform": (".deform", "application/octet-stream"),
    "bevel": (".bevel", "application/octet-stream"), "color": (".color", "application/octet-stream"),
    "shadow": (".shadow", "application/octet-stream"),
}
PRESET_RANGES = {"guide": range(0, 30), "bevel": range(0, 18), "outline": range(0, 13),
                 "shadow": range(0, 12), "frame": range(0, 18), "gradient": range(1, 16)}
THUMB_SIZE = "96x48"
MAX_BODY = 1 << 20          # a job is a few hundred bytes; settings with guide points stay far below
MAX_PIXELS = 4096 * 4096    # the module would take 10000 x 10000 (about 1 GB); one request must not
RENDERS = threading.BoundedSemaphore(max(1, os.cpu_count() or 1))

MESSAGES = {
    "en": {"not_found": "not found", "bad_json": "the request body is no JSON object: {}",
           "content_type": "send the job as application/json", "too_large": "the request is too large",
           "format": "unknown format '{}'; one of: {}", "key": "the key '{}' is not accepted here",
           "stock": "{} must name a stock image (':JPG_07', '*IMPRINT_07'), not a file",
           "size": "the size must be WxH with at most {} pixels", "memory": "not enough memory for this picture"},
    "de": {"not_found": "nicht gefunden", "bad_json": "Der Inhalt der Anfrage ist kein JSON-Objekt: {}",
           "content_type": "Den Auftrag bitte als application/json senden",
           "too_large": "Die Anfrage ist zu groß",
           "format": "Unbekanntes Format '{}'; erlaubt: {}", "key": "Der Schlüssel '{}' ist hier nicht erlaubt",
           "stock": "{} muss ein Bild der Bibliothek nennen (':JPG_07', '*IMPRINT_07'), keine Datei",
           "size": "Die Größe muss BxH mit höchstens {} Pixeln sein",
           "memory": "Nicht genug Speicher für dieses Bild"},
}


def language(header):
    """de or en, the first of the two in Accept-Language by weight; English when neither is named."""
    best, best_q = "en", -1.0
    for order, part in enumerate((header or "").split(",")):
        fields = part.strip().split(";")
        tag = fields[0].strip().lower()
        q = 1.0
        for f in fields[1:]:
            if f.strip().startswith("q="):
                try:
                    q = float(f.strip()[2:])
                except ValueError:
                    q = 0.0
        lang = "de" if tag.startswith("de") else "en" if tag.startswith("en") else None
        if lang and q > 0 and q > best_q:
            best, best_q = lang, q
    return best


class JobRefused(Exception):
    def __init__(self, status, message):
        super().__init__(message)
        self.status = status


def check_job(job, lang):
    """The job as the module takes it, with the page's limits: no files of this machine, no giants."""
    msg = MESSAGES[lang]
    if not isinstance(job, dict):
        raise JobRefused(400, msg["bad_json"].format(type(job).__name__))
    job = dict(job)
    fmt = job.pop("format", "png")
    if fmt not in FORMATS:
        raise JobRefused(400, msg["format"].format(fmt, ", ".join(FORMATS)))
    for key in ("output", "inputs"):
        if key in job:
            raise JobRefused(400, msg["key"].format(key))
    stock = dict(job.get("textures") or {}) if isinstance(job.get("textures"), dict) else {}
    names = [("textures." + k, v) for k, v in stock.items()] + [("imprint", job.get("imprint"))]
    for where, name in names:
        if name is not None and not (isinstance(name, str) and name[:1] in (":", "*")):
            raise JobRefused(400, msg["stock"].format(where))
    size = job.get("size")
    if isinstance(size, str):
        m = re.fullmatch(r"(\d+)x(\d+)", size)
        dims = (int(m.group(1)), int(m.group(2))) if m else None
    elif isinstance(size, list) and len(size) == 2 and all(isinstance(v, int) for v in size):
        dims = tuple(size)
    else:
        dims = (1, 1) if size is None else None   # no size: the engine's default; anything else: its message
    if dims and dims[0] * dims[1] > MAX_PIXELS:
        raise JobRefused(400, msg["size"].format(MAX_PIXELS))
    return job, fmt


def render_bytes(job, fmt):
    with RENDERS, tempfile.TemporaryDirectory(prefix="vortel-preview-") as tmp:
        path = os.path.join(tmp, "out" + FORMATS[fmt][0])
        vortel.save(job, path)
        return Path(path).read_bytes()


def message_in(lang, job, fmt, english, cli):
    """The engine's message for a failed job in German, from the command line's batch."""
    if lang == "en" or not cli:
        return english
    with tempfile.TemporaryDirectory(prefix="vortel-preview-") as tmp:
        line = dict(job, output=os.path.join(tmp, "out" + FORMATS[fmt][0]))
        jobs = os.path.join(tmp, "job.jsonl")
        Path(jobs).write_text(json.dumps(line) + "\n", encoding="utf-8")
        env = dict(os.environ, LANGUAGE="de")
        try:
            run = subprocess.run([cli, "batch", "--workers", "1", jobs], env=env, capture_output=True,
                                 text=True, timeout=60)
        except (OSError, subprocess.TimeoutExpired):
            return english
    m = re.search(r"^vortel-cli: Zeile \d+: (.*)$", run.stderr, re.M)
    return m.group(1) if m else english


def thumbnail_job(kind, name):
    if kind == "style" and name.isdigit() and int(name) < 46:
        return {"size": THUMB_SIZE, "presets": {"style": int(name)}}
    if kind in PRESET_RANGES and name.isdigit() and int(name) in PRESET_RANGES[kind]:
        text = "Abc" if kind in ("guide", "gradient") else "A"
        return {"text": text, "size": THUMB_SIZE, "presets": {kind: int(name)}}
    if kind == "texture" and re.fullmatch(r"JPG_\d+", name):
        return {"text": "", "size": THUMB_SIZE, "settings": {"BackFill": {"FillKind": 0}},
                "textures": {"0": ":" + name}}
    return None


class Handler(BaseHTTPRequestHandler):
    server_version = "vortel-preview"
    thumbs, thumbs_lock = {}, threading.Lock()
    cli = None

    def log_message(self, fmt, *args):
        if self.server.verbose:
            super().log_message(fmt, *args)

    def lang(self):
        return language(self.headers.get("Accept-Language"))

    def send(self, status, body, ctype, extra=None):
        self.send_response(status)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store" if ctype.startswith("application/json") else "no-cache")
        for k, v in (extra or {}).items():
            self.send_header(k, v)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def send_json(self, value, status=200):
        self.send(status, json.dumps(value, ensure_ascii=False).encode(), "application/json; charset=utf-8")

    def send_error_json(self, status, message):
        self.send_json({"error": message}, status)

    def do_GET(self):
        path = self.path.split("?", 1)[0]
        if path == "/health":
            return self.send_json({"status": "ok"})
        if path == "/faces":
            return self.send_json({"faces": self.server.faces()})
        if path == "/styles":
            return self.send_json({"styles": [{"number": s["style"], "text": s["text"],
                                               "thumbnail": f"/thumbnails/style/{s['style']}.png"}
                                              for s in vortel.styles()]})
        if path == "/presets":
            answer = {kind: [{"number": n, "thumbnail": f"/thumbnails/{kind}/{n}.png"} for n in numbers]
                      for kind, numbers in PRESET_RANGES.items()}
            answer["texture"] = [{"name": ":" + name, "thumbnail": f"/thumbnails/texture/{name}.png"}
                                 for name in self.server.textures()]
            return self.send_json(answer)
        m = re.fullmatch(r"/thumbnails/([a-z]+)/([A-Za-z0-9_]+)\.png", path)
        if m:
            return self.thumbnail(m.group(1), m.group(2))
        return self.static(path)

    do_HEAD = do_GET

    def thumbnail(self, kind, name):
        job = thumbnail_job(kind, name)
        if job is None:
            return self.send_error_json(404, MESSAGES[self.lang()]["not_found"])
        key = (kind, name)
        data = self.thumbs.get(key)
        if data is None:
            try:
                data = render_bytes(job, "png")
            except vortel.Error as e:
                return self.send_error_json(500, str(e))
            with self.thumbs_lock:
                self.thumbs[key] = data
        self.send(200, data, "image/png", {"Cache-Control": "max-age=3600"})

    def static(self, path):
        name = "index.html" if path == "/" else path.lstrip("/")
        file = (PAGE_DIR / name).resolve()
        if PAGE_DIR not in file.parents or file.suffix not in STATIC_TYPES or not file.is_file():
            return self.send_error_json(404, MESSAGES[self.lang()]["not_found"])
        self.send(200, file.read_bytes(), STATIC_TYPES[file.suffix])

    def do_POST(self):
        lang = self.lang()
        msg = MESSAGES[lang]
        if self.path.split("?", 1)[0] != "/render":
            return self.send_error_json(404, msg["not_found"])
        try:
            length = int(self.headers.get("Content-Length", "0"))
        except ValueError:
            length = -1
        if length < 0 or length > MAX_BODY:
            self.close_connection = True
            return self.send_error_json(413, msg["too_large"])
        body = self.rfile.read(length)
        if self.headers.get_content_type() != "application/json":
            return self.send_error_json(415, msg["content_type"])
        try:
            job, fmt = check_job(json.loads(body.decode("utf-8")), lang)
        except (UnicodeDecodeError, json.JSONDecodeError) as e:
            return self.send_error_json(400, msg["bad_json"].format(e))
        except JobRefused as e:
            return self.send_error_json(e.status, str(e))
        try:
            data = render_bytes(job, fmt)
        except vortel.WarpRefused as e:
            return self.send_error_json(422, message_in(lang, job, fmt, str(e), self.cli))
        except vortel.JobError as e:
            return self.send_error_json(400, message_in(lang, job, fmt, str(e), self.cli))
        except vortel.Error as e:
            return self.send_error_json(500, message_in(lang, job, fmt, str(e), self.cli))
        except MemoryError:
            return self.send_error_json(503, msg["memory"])
        self.send(200, data, FORMATS[fmt][1])


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, verbose):
        super().__init__(address, Handler)
        self.verbose = verbose
        self._faces = self._textures = None

    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):  # a browser that went away meanwhile
            super().handle_error(request, client_address)

    def faces(self):
        if self._faces is None:
            out = subprocess.run(["fc-list", ":", "family"], capture_output=True, text=True).stdout
            # a line lists a family's names, the first being its own
            self._faces = sorted({line.split(",")[0].strip() for line in out.splitlines() if line.strip()})
        return self._faces

    def textures(self):
        if self._textures is None:
            self._textures = [r["name"] for r in vortel.resources() if r["type"] == "JPG"]
        return self._textures


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--port", type=int, default=8080)
    ap.add_argument("--host", default="127.0.0.1")
    ap.add_argument("--cli", default=str(Path(vortel.__file__).resolve().parents[2] / "bin" / "vortel-cli"),
                    help="vortel-cli for German error messages")
    ap.add_argument("--verbose", action="store_true", help="log every request")
    args = ap.parse_args()
    if not args.verbose:
        warnings.simplefilter("ignore", vortel.RenderWarning)  # seeds, substituted fonts
    Handler.cli = args.cli if os.access(args.cli, os.X_OK) else None
    server = Server((args.host, args.port), args.verbose)
    print(f"vortel preview server on http://{args.host}:{server.server_port}/", file=sys.stderr, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()

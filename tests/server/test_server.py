"""vortel-server over real HTTP on 127.0.0.1: every route, every format against `vortel-cli render`,
the limits, bad requests, a slow client, a full queue and many connections at once. Run by ctest
with VORTEL_BIN naming the folder of vortel-server and vortel-cli."""

import concurrent.futures
import http.client
import json
import os
import pathlib
import re
import select
import socket
import subprocess
import tempfile
import threading
import time
import unittest
import uuid

BIN = pathlib.Path(os.environ.get("VORTEL_BIN", pathlib.Path(__file__).resolve().parents[2] / "build/bin"))


class Server:
    """A vortel-server of its own on a free port; its log lines are kept."""

    def __init__(self, *args):
        self.process = subprocess.Popen([BIN / "vortel-server", "--listen", "127.0.0.1:0", *args],
                                        stderr=subprocess.PIPE, text=True, env={**os.environ, "LANGUAGE": "en"})
        first = self.process.stderr.readline()
        match = re.search(r"http://127\.0\.0\.1:(\d+)/", first)
        assert match, first
        self.port = int(match.group(1))
        self.log = []
        self.reader = threading.Thread(target=self._read_log, daemon=True)
        self.reader.start()

    def _read_log(self):
        for line in self.process.stderr:
            self.log.append(line.rstrip("\n"))

    def request(self, method, path, body=None, headers=None, timeout=60):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=timeout)
        try:
            connection.request(method, path, body=body, headers=headers or {})
            response = connection.getresponse()
            return response.status, dict(response.getheaders()), response.read()
        finally:
            connection.close()

    def render(self, job, language="en"):
        return self.request("POST", "/render", json.dumps(job).encode(),
                            {"Content-Type": "application/json", "Accept-Language": language})

    def stop(self):
        self.process.terminate()
        status = self.process.wait(timeout=30)
        self.reader.join(timeout=10)
        self.process.stderr.close()
        return status

    def said(self):
        """What the service wrote besides its request lines (a sanitizer's report, say)."""
        return "\n".join(line for line in self.log if not line.startswith(("GET ", "POST ")))


def multipart(fields):
    """A multipart/form-data body of (name, file name or None, bytes) fields."""
    boundary = uuid.uuid4().hex
    body = b""
    for name, filename, data in fields:
        disposition = f'form-data; name="{name}"' + (f'; filename="{filename}"' if filename else "")
        body += f"--{boundary}\r\nContent-Disposition: {disposition}\r\n\r\n".encode() + data + b"\r\n"
    body += f"--{boundary}--\r\n".encode()
    return body, {"Content-Type": f"multipart/form-data; boundary={boundary}"}


def cli_render(job, output):
    """`vortel-cli render` of a job dict, as the service takes it."""
    args = [str(BIN / "vortel-cli"), "render", "-o", str(output)]
    if "text" in job:
        args += ["--text", job["text"]]
    if "size" in job:
        args += ["--size", job["size"]]
    for kind, number in job.get("presets", {}).items():
        args += ["--style", str(number)] if kind == "style" else (
            ["--random", str(number)] if kind == "random" else [f"--{kind}-preset", str(number)])
    for key, value in job.get("settings", {}).items():
        args += ["--set", f"{key}={json.dumps(value)}"]
    for surface, name in job.get("textures", {}).items():
        args += ["--texture", f"{surface}={name}"]
    if job.get("transparent"):
        args.append("--transparent")
    if "quality" in job:
        args += ["--quality", job["quality"]]
    subprocess.run(args, check=True, capture_output=True, env={**os.environ, "LANGUAGE": "en"})
    return pathlib.Path(output).read_bytes()


JOB = {"text": "Web", "size": "200x100", "presets": {"bevel": 3, "shadow": 2, "guide": 9}}


class Routes(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server("--workers", "2", "--max-side", "1024", "--max-upload", "200000")
        cls.scratch = tempfile.TemporaryDirectory()
        cls.root = pathlib.Path(cls.scratch.name)

    @classmethod
    def tearDownClass(cls):
        cls.assert_stops(cls.server)
        cls.scratch.cleanup()

    @staticmethod
    def assert_stops(server):
        status = server.stop()
        assert status == 0, f"the service did not end cleanly on SIGTERM ({status}):\n{server.said()}"

    def test_lists_thumbnails_and_the_page(self):
        for path, kind, check in [
            ("/health", "application/json", lambda b: json.loads(b) == {"status": "ok"}),
            ("/faces", "application/json", lambda b: "DejaVu Sans" in json.loads(b)["faces"]),
            ("/styles", "application/json", lambda b: [s["number"] for s in json.loads(b)["styles"]] == list(range(46))),
            ("/presets", "application/json", lambda b: len(json.loads(b)["guide"]) == 30 and json.loads(b)["texture"]
             and json.loads(b)["bevel"][3]["name"] == "3D bevel 3"),
            ("/thumbnails/style/24.png", "image/png", lambda b: b.startswith(b"\x89PNG")),
            ("/thumbnails/gradient/15.png", "image/png", lambda b: b.startswith(b"\x89PNG")),
            ("/thumbnails/texture/JPG_07.png", "image/png", lambda b: b.startswith(b"\x89PNG")),
            ("/", "text/html", lambda b: b"<html" in b),
            ("/main.js", "text/javascript", lambda b: b"import" in b),
            ("/style.css", "text/css", lambda b: len(b) > 100),
        ]:
            status, headers, body = self.server.request("GET", path)
            self.assertEqual(status, 200, path)
            self.assertTrue(headers["Content-Type"].startswith(kind), (path, headers["Content-Type"]))
            self.assertTrue(check(body), path)
        _, _, german = self.server.request("GET", "/presets", headers={"Accept-Language": "de"})
        self.assertEqual(json.loads(german)["bevel"][3]["name"], "3D-Kante 3")
        for path in ("/thumbnails/style/46.png", "/thumbnails/bevel/x.png", "/thumbnails/texture/JPG_999.png",
                     "/nothing", "/preview-server.py", "/README.md", "/../CMakeLists.txt"):
            status, headers, body = self.server.request("GET", path)
            self.assertEqual(status, 404, path)
            self.assertIn("error", json.loads(body), path)

    def test_every_format_is_the_command_lines_file(self):
        cases = [("png", {}), ("png", {"transparent": True}), ("png", {"quality": "draft"}), ("jpg", {}),
                 ("bmp", {}), ("svg", {}), ("pdf", {}), ("vtl", {}), ("deform", {}), ("bevel", {}), ("color", {}),
                 ("shadow", {}), ("png", {"presets": {"random": 99, "frame": 4}}),
                 ("png", {"textures": {"1": ":JPG_07"}, "settings": {"TextFill": {"FillKind": 0}}}),
                 # Texts in other scripts, with the Noto fonts.
                 ("png", {"text": "مرحبا بالعالم", "settings": {"LogFont": {"lfFaceName": "Noto Sans Arabic"}}}),
                 ("png", {"text": "नमस्ते दुनिया", "settings": {"LogFont": {"lfFaceName": "Noto Sans Devanagari"}}}),
                 ("svg", {"text": "你好，世界", "settings": {"LogFont": {"lfFaceName": "Noto Sans CJK SC"}}})]
        types = {"png": "image/png", "jpg": "image/jpeg", "bmp": "image/bmp", "svg": "image/svg+xml",
                 "pdf": "application/pdf", "vtl": "application/x-vortel"}
        for number, (format, extra) in enumerate(cases):
            job = {**JOB, **extra}
            status, headers, body = self.server.render({**job, "format": format})
            self.assertEqual(status, 200, (format, extra, body[:200]))
            self.assertEqual(headers["Content-Type"], types.get(format, "application/octet-stream"), format)
            self.assertEqual(body, cli_render(job, self.root / f"{number}.{format}"), (format, extra))
        # A document made by the service opens elsewhere as the same picture.
        for job in (JOB, {**JOB, "presets": {"random": 4711}}, {"text": "Zwei\nZeilen", "presets": {"style": 24}}):
            _, _, document = self.server.render({**job, "format": "vtl"})
            _, _, picture = self.server.render({**job, "format": "png"})
            (self.root / "page.vtl").write_bytes(document)
            subprocess.run([str(BIN / "vortel-cli"), "render", str(self.root / "page.vtl"), "-o", str(self.root / "doc.png")],
                           check=True, capture_output=True)
            self.assertEqual((self.root / "doc.png").read_bytes(), picture, job)

    def test_uploads_are_the_files_of_the_render(self):
        texture = cli_render({"size": "64x64", "presets": {"style": 7}}, self.root / "texture.png")
        start = cli_render({"size": "180x90", "text": "Start", "presets": {"bevel": 5}}, self.root / "start.vtl")
        job = {"settings": {"TextFill": {"FillKind": 0}}}
        body, headers = multipart([("job", None, json.dumps(job).encode()), ("texture1", "wood.png", texture),
                                   ("start", "mine.vtl", start)])
        status, _, picture = self.server.request("POST", "/render", body, headers)
        self.assertEqual(status, 200, picture[:200])
        args = [str(BIN / "vortel-cli"), "render", str(self.root / "start.vtl"), "--set", 'TextFill={"FillKind":0}',
                "--texture", f"1={self.root / 'texture.png'}", "-o", str(self.root / "expected.png")]
        subprocess.run(args, check=True, capture_output=True)
        self.assertEqual(picture, (self.root / "expected.png").read_bytes())

    def test_a_cameras_jpeg_is_an_upload_like_any_picture(self):
        from PIL import Image

        photo = Image.new("RGB", (640, 480), (200, 120, 40))
        exif = Image.Exif()
        exif[0x010F], exif[0x0110], exif[0x0112] = "Camera maker", "Camera model", 6  # rotated, as phones say
        photo.save(self.root / "photo.jpg", "JPEG", quality=90, exif=exif.tobytes())
        job = {"settings": {"TextFill": {"FillKind": 0}}, "size": "240x120"}
        body, headers = multipart([("job", None, json.dumps(job).encode()),
                                   ("texture1", "IMG_0001.JPG", (self.root / "photo.jpg").read_bytes())])
        status, _, picture = self.server.request("POST", "/render", body, headers)
        self.assertEqual(status, 200, picture[:200])
        subprocess.run([str(BIN / "vortel-cli"), "render", "--size", "240x120", "--set", 'TextFill={"FillKind":0}',
                        "--texture", f"1={self.root / 'photo.jpg'}", "-o", str(self.root / "photo-cli.png")],
                       check=True, capture_output=True)
        self.assertEqual(picture, (self.root / "photo-cli.png").read_bytes())

    def test_bad_requests_are_answered_in_the_clients_language(self):
        big = b"x" * 200001
        cases = [
            ("malformed JSON", b"{text: 1}", {}, 400),
            ("not an object", b"[1, 2]", {}, 400),
            ("nested too deep", b'{"settings": ' + b"[" * 100 + b"]" * 100 + b"}", {}, 400),
            ("wrong type", json.dumps({"transparent": "yes"}).encode(), {}, 400),
            ("wrong type inside", json.dumps({"presets": {"bevel": "three"}}).encode(), {}, 400),
            ("unknown key", json.dumps({"colour": "red"}).encode(), {}, 400),
            ("unknown format", json.dumps({"format": "gif"}).encode(), {}, 400),
            ("output", json.dumps({"output": "/tmp/x.png"}).encode(), {}, 400),
            ("inputs", json.dumps({"inputs": ["/etc/passwd"]}).encode(), {}, 400),
            ("a path as texture", json.dumps({"textures": {"1": "/etc/passwd"}}).encode(), {}, 400),
            ("a path as imprint", json.dumps({"imprint": "../../etc/hostname"}).encode(), {}, 400),
            ("bad preset", json.dumps({"presets": {"bevel": 99}}).encode(), {}, 400),
            ("too large a side", json.dumps({"size": "1025x10"}).encode(), {}, 413),
            ("transparent JPEG", json.dumps({"format": "jpg", "transparent": True}).encode(), {}, 400),
            ("a JSON body over 1 MiB", b'{"text": "' + b"a" * (1 << 20) + b'"}', {}, 413),
            ("an upload over the limit", *multipart([("job", None, b"{}"), ("texture1", "a.png", big)]), 413),
            ("an upload that is no picture", *multipart([("job", None, b'{"settings":{"TextFill":{"FillKind":0}}}'),
                                                          ("texture1", "a.png", b"not a picture")]), 400),
            ("an unknown upload", *multipart([("job", None, b"{}"), ("passwd", "passwd", b"x")]), 400),
            ("a start file that is no document", *multipart([("job", None, b"{}"), ("start", "s.vtl", b"junk")]), 400),
            ("a start file of another kind", *multipart([("job", None, b"{}"), ("start", "s.txt", b"junk")]), 400),
        ]
        for name, body, headers, status in cases:
            answers = []
            for language in ("en", "de-DE,de;q=0.9,en;q=0.8"):
                got, reply_headers, reply = self.server.request(
                    "POST", "/render", body, {"Content-Type": "application/json", **headers, "Accept-Language": language})
                self.assertEqual(got, status, (name, reply[:300]))
                self.assertEqual(reply_headers["Content-Type"], "application/json", name)
                answers.append(json.loads(reply)["error"])
            self.assertNotEqual(answers[0], answers[1], f"{name}: the same words in English and German")
        # The log has a line for each request, and nothing of what was sent.
        time.sleep(0.2)
        self.assertTrue(any(re.fullmatch(r"POST /render 400 [0-9.]+ ms \d+ bytes", line) for line in self.server.log))
        self.assertFalse(any("passwd" in line or "colour" in line for line in self.server.log), self.server.log)

    def test_a_50_mb_body_is_refused_before_it_is_read(self):
        with socket.create_connection(("127.0.0.1", self.server.port), timeout=30) as s:
            s.sendall(b"POST /render HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\n"
                      b"Content-Length: 52428800\r\n\r\n" + b"{" * 65536)
            answer = s.recv(65536)
        self.assertTrue(answer.startswith(b"HTTP/1.1 413"), answer[:100])


class Load(unittest.TestCase):
    def test_a_slow_client_holds_no_worker_and_is_cut_off(self):
        server = Server("--workers", "1", "--request-time", "3")
        try:
            body = json.dumps(JOB).encode()
            with socket.create_connection(("127.0.0.1", server.port), timeout=30) as slow:
                slow.sendall(b"POST /render HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\n"
                             + f"Content-Length: {len(body)}\r\n\r\n".encode())
                started = time.monotonic()
                answer = b""
                # One byte a second; meanwhile the one worker renders for others at once.
                for i, byte in enumerate(body[:6]):
                    slow.sendall(bytes([byte]))
                    if i == 1:
                        begun = time.monotonic()
                        status, _, _ = server.render(JOB)
                        self.assertEqual(status, 200)
                        self.assertLess(time.monotonic() - begun, 2.0)
                    time.sleep(1)
                slow.settimeout(10)
                try:
                    while b"\r\n\r\n" not in answer:
                        chunk = slow.recv(4096)
                        if not chunk:
                            break
                        answer += chunk
                except OSError:
                    pass
            self.assertTrue(answer.startswith(b"HTTP/1.1 408"), answer[:200])
            self.assertLess(time.monotonic() - started, 12)
        finally:
            Routes.assert_stops(server)

    def test_connections_are_kept_and_many_are_taken_at_once(self):
        server = Server("--workers", "2")
        try:
            # Many requests on one connection, none answered with a close.
            connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=30)
            for _ in range(12):
                connection.request("GET", "/health")
                response = connection.getresponse()
                response.read()
                self.assertEqual(response.status, 200)
                self.assertNotEqual(response.getheader("Connection", "").lower(), "close")
            connection.close()
            # 64 clients connecting at the same moment are all taken and answered at once: with the
            # library's queue of five the others waited a second to connect and up to a minute for
            # their answer.
            sockets = [socket.socket() for _ in range(64)]
            begun = time.monotonic()
            for s in sockets:
                s.setblocking(False)
                s.connect_ex(("127.0.0.1", server.port))
            pending = set(sockets)
            while pending and time.monotonic() - begun < 10:
                pending -= set(select.select([], list(pending), [], 0.05)[1])
            self.assertLess(time.monotonic() - begun, 0.9)  # a refused connection tries again after a second
            answers = []
            for s in sockets:
                s.setblocking(True)
                s.settimeout(30)
                s.sendall(b"GET /health HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
            for s in sockets:
                answers.append(s.recv(100))
                s.close()
            self.assertTrue(all(reply.startswith(b"HTTP/1.1 200") for reply in answers))
            self.assertLess(time.monotonic() - begun, 10)
        finally:
            Routes.assert_stops(server)

    def test_many_connections_at_once_and_a_full_queue(self):
        server = Server("--workers", "2")
        try:
            job = {"text": "Last", "size": "320x240", "presets": {"bevel": 3, "shadow": 2}}
            _, _, expected = server.render(job)

            def one(_):
                return server.render(job)

            with concurrent.futures.ThreadPoolExecutor(32) as pool:
                answers = list(pool.map(one, range(200)))
            self.assertEqual([status for status, _, _ in answers], [200] * 200)
            self.assertTrue(all(body == expected for _, _, body in answers))
        finally:
            Routes.assert_stops(server)
        # One worker and a queue of one: of many at once, some are told to come back later.
        server = Server("--workers", "1", "--queue", "1")
        try:
            big = {"text": "Voll", "size": "2000x1500", "presets": {"bevel": 3, "shadow": 2}}
            with concurrent.futures.ThreadPoolExecutor(8) as pool:
                answers = list(pool.map(lambda _: server.render(big), range(8)))
            statuses = sorted(status for status, _, _ in answers)
            self.assertIn(200, statuses)
            self.assertIn(503, statuses)
            self.assertEqual(set(statuses), {200, 503})
            for status, headers, body in answers:
                if status == 503:
                    self.assertEqual(headers["Retry-After"], "1")
                    self.assertIn("busy", json.loads(body)["error"])
        finally:
            Routes.assert_stops(server)


if __name__ == "__main__":
    unittest.main()

"""The Python module against the command line: the same job gives the same pixels, bytes, state
and messages. Run by ctest with PYTHONPATH at build/python and VORTEL_CLI naming vortel-cli."""

import concurrent.futures
import json
import os
import pathlib
import subprocess
import tempfile
import unittest
import warnings

import numpy as np
from PIL import Image

import vortel

CLI = os.environ.get("VORTEL_CLI", str(pathlib.Path(__file__).resolve().parents[2] / "build/bin/vortel-cli"))

# A job and the render options a person would type for it.
PICTURE_JOBS = [
    ("plain", {"text": "Hallo", "size": "160x80"}, ["--text", "Hallo", "--size", "160x80"]),
    ("bevel and shadow", {"text": "Stein", "size": [200, 90], "presets": {"bevel": 3, "shadow": 2}},
     ["--text", "Stein", "--size", "200x90", "--bevel-preset", "3", "--shadow-preset", "2"]),
    ("transparent", {"text": "Glas", "size": "160x80", "presets": {"bevel": 3, "shadow": 2}, "transparent": True},
     ["--text", "Glas", "--size", "160x80", "--bevel-preset", "3", "--shadow-preset", "2", "--transparent"]),
    ("stock texture", {"text": "Holz", "size": "160x80", "settings": {"TextFill": {"FillKind": 0}},
                       "textures": {"1": ":JPG_07"}},
     ["--text", "Holz", "--size", "160x80", "--set", 'TextFill={"FillKind":0}', "--texture", "1=:JPG_07"]),
    ("imprint", {"text": "Prägung", "size": "180x80", "imprint": "*IMPRINT_07"},
     ["--text", "Prägung", "--size", "180x80", "--imprint", "*IMPRINT_07"]),
    ("main style", {"size": "240x100", "presets": {"style": 24}}, ["--size", "240x100", "--style", "24"]),
    ("random and frame", {"size": "200x100", "presets": {"random": 7, "frame": 4}},
     ["--size", "200x100", "--random", "7", "--frame-preset", "4"]),
    ("frayed outline", {"text": "Rand", "size": "160x80", "presets": {"outline": 5}, "quality": "normal"},
     ["--text", "Rand", "--size", "160x80", "--outline-preset", "5", "--quality", "normal"]),
    ("draft", {"text": "Entwurf", "size": "160x80", "presets": {"bevel": 3}, "quality": "draft"},
     ["--text", "Entwurf", "--size", "160x80", "--bevel-preset", "3", "--quality", "draft"]),
    ("settings as a list", {"text": "Zwei\nZeilen", "size": "160x100", "settings": ['SmoothFont=false']},
     ["--text", "Zwei\nZeilen", "--size", "160x100", "--set", "SmoothFont=false"]),
]

SAVE_JOB = ({"text": "Datei", "size": "200x90", "presets": {"bevel": 2, "shadow": 1, "guide": 9}},
            ["--text", "Datei", "--size", "200x90", "--bevel-preset", "2", "--shadow-preset", "1", "--guide-preset", "9"])
FORMATS = [".png", ".bmp", ".jpg", ".vtl", ".deform", ".bevel", ".color", ".shadow", ".svg", ".pdf", ".emf", ".wmf"]


def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, check=False)


def batch_messages(jobs, folder):
    """The message `vortel-cli batch` gives for each job of the list, by line."""
    lines = [json.dumps({**job, "output": str(folder / f"job{i}.png")}) for i, job in enumerate(jobs)]
    listing = folder / "jobs.jsonl"
    listing.write_text("\n".join(lines) + "\n")
    run = cli("batch", str(listing), "--workers", "1")
    messages = {}
    for line in run.stderr.splitlines():
        if line.startswith("vortel-cli: line "):
            number, message = line[len("vortel-cli: line "):].split(": ", 1)
            messages[int(number) - 1] = message
    return messages


class ModuleTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self.folder.name)

    def tearDown(self):
        self.folder.cleanup()

    def cli_picture(self, args):
        path = self.dir / "cli.png"
        run = cli("render", *args, "-o", str(path))
        self.assertEqual(run.returncode, 0, run.stderr)
        with Image.open(path) as image:
            return np.asarray(image)

    def test_pictures_equal_the_command_lines(self):
        document = self.dir / "doc.vtl"
        vortel.save({"text": "Dokument", "size": "220x90", "presets": {"style": 3}}, document)
        bevel = self.dir / "stone.bevel"
        vortel.save({"presets": {"bevel": 7}}, bevel)
        table = PICTURE_JOBS + [
            ("document input", {"inputs": [document]}, [str(document)]),
            ("style file input", {"inputs": str(bevel), "text": "Stil", "size": (np.int64(160), 80)},
             [str(bevel), "--text", "Stil", "--size", "160x80"]),
        ]
        for name, job, args in table:
            with self.subTest(name):
                picture = vortel.render(job)
                expected = self.cli_picture(args)
                self.assertEqual(picture.dtype, np.uint8)
                self.assertEqual(picture.shape, expected.shape)
                self.assertTrue(np.array_equal(picture, expected), f"{np.count_nonzero(picture != expected)} bytes differ")

    def test_saved_files_equal_the_command_lines(self):
        job, args = SAVE_JOB
        variants = [(ext, {}, []) for ext in FORMATS] + [
            (".jpg", {"jpeg-quality": 35}, ["--jpeg-quality", "35"]),
            (".png", {"png-effort": "fast"}, ["--png-effort", "fast"]),
            (".png", {"transparent": True}, ["--transparent"]),
        ]
        for ext, extra, extra_args in variants:
            with self.subTest(ext + str(extra)):
                mine, theirs = self.dir / ("module" + ext), self.dir / ("cli" + ext)
                vortel.save({**job, **extra}, mine)
                run = cli("render", *args, *extra_args, "-o", str(theirs))
                self.assertEqual(run.returncode, 0, run.stderr)
                self.assertEqual(mine.read_bytes(), theirs.read_bytes())

    def test_bad_jobs_raise_the_command_lines_messages(self):
        table = [
            ({"txt": "Tippfehler"}, vortel.JobError),
            ({"text": ["a", "b"]}, vortel.JobError),
            ({"size": "0x10"}, vortel.JobError),
            ({"size": "640"}, vortel.JobError),
            ({"presets": {"bevel": 99}}, vortel.JobError),
            ({"presets": {"sparkle": 1}}, vortel.JobError),
            ({"settings": {"NoSuchKey": 1}}, vortel.JobError),
            ({"settings": {"SmoothFont": "ja"}}, vortel.JobError),
            ({"quality": "best"}, vortel.JobError),
            ({"transparent": "yes"}, vortel.JobError),
            ({"transparent": True, "quality": "draft"}, vortel.JobError),
            ({"textures": {"2": ":JPG_07"}}, vortel.JobError),
            ({"inputs": ["/nonexistent/effect.vtl"]}, vortel.FileError),
            ({"inputs": ["notes.txt"]}, vortel.JobError),
            ({"textures": {"1": "/nonexistent/wood.png"}}, vortel.FileError),
            ({"imprint": "*NO_SUCH_IMPRINT"}, vortel.FileError),
        ]
        messages = batch_messages([job for job, _ in table], self.dir)
        for i, (job, kind) in enumerate(table):
            with self.subTest(job=job):
                with self.assertRaises(kind) as caught:
                    vortel.render(job)
                self.assertIn(i, messages, "the command line took the job")
                self.assertEqual(str(caught.exception), messages[i])
                self.assertIsInstance(caught.exception, vortel.Error)
                self.assertIsInstance(caught.exception, ValueError if kind is vortel.JobError else OSError)

    def test_save_reports_the_render_verbs_file_errors(self):
        for path in ["/nonexistent/folder/a.png", str(pathlib.Path(tempfile.gettempdir()) / "a.xyz")]:
            with self.subTest(path):
                run = cli("render", "--text", "a", "-o", path)
                with self.assertRaises(vortel.Error) as caught:
                    vortel.save({"text": "a"}, path)
                self.assertEqual("vortel-cli: " + str(caught.exception), run.stderr.strip())
                self.assertIsInstance(caught.exception, OSError if run.returncode == 1 else ValueError)

    def test_refused_warp_raises_and_save_still_writes_the_background(self):
        job, args = {"size": "60x30", "settings": {"GuidePoints": [[], [], [], []]}}, ["--size", "60x30", "--set",
                                                                                      "GuidePoints=[[],[],[],[]]"]
        theirs, mine = self.dir / "cli.png", self.dir / "module.png"
        run = cli("render", *args, "-o", str(theirs))
        self.assertEqual(run.returncode, 3, run.stderr)
        message = run.stderr.strip().removeprefix("vortel-cli: warning: ")
        for call in (vortel.render, lambda j: vortel.save(j, mine), vortel.inspect):
            with self.subTest(call), self.assertRaises(vortel.WarpRefused) as caught:
                call(job)
            self.assertEqual(str(caught.exception), message)
        self.assertEqual(mine.read_bytes(), theirs.read_bytes())

    def test_what_is_not_a_job(self):
        for job, kind in [(["text", "a"], TypeError), ({"text": object()}, vortel.JobError),
                          ({1: "a"}, vortel.JobError), ({"output": "a.png"}, vortel.JobError)]:
            with self.subTest(job=job):
                self.assertRaises(kind, vortel.render, job)

    def test_threads_give_the_pictures_of_one_after_another(self):
        jobs = [{"text": f"Nr. {i}", "size": [120 + i, 60],
                 "presets": {"bevel": i % 18, "shadow": i % 12, "outline": i % 13}} for i in range(40)]
        one_by_one = [vortel.render(job) for job in jobs]
        with concurrent.futures.ThreadPoolExecutor(4) as pool:
            together = list(pool.map(vortel.render, jobs))
        for i, (a, b) in enumerate(zip(one_by_one, together)):
            self.assertTrue(np.array_equal(a, b), f"job {i}")

    def test_state_and_lists_equal_the_command_lines(self):
        job = {"text": "Zustand", "size": "300x120", "presets": {"guide": 4}, "settings": {"SmoothFont": False}}
        run = cli("inspect", "--text", "Zustand", "--size", "300x120", "--guide-preset", "4",
                  "--set", "SmoothFont=false", "--json")
        self.assertEqual(vortel.inspect(job), json.loads(run.stdout))
        listed = [line.split() for line in cli("resources").stdout.split("\n\n")[0].splitlines()]
        self.assertEqual([(r["type"], r["name"], r["bytes"]) for r in vortel.resources()],
                         [(w[0], w[1], int(w[-2])) for w in listed])
        styles = vortel.styles()
        self.assertEqual([s["style"] for s in styles], list(range(46)))
        for number in (1, 24, 45):
            state = vortel.inspect({"presets": {"style": number}})
            self.assertEqual(styles[number]["text"], state["Text"].replace("\r\n", "\n"))

    def test_substituted_face_is_a_warning(self):
        with warnings.catch_warnings(record=True) as said:
            warnings.simplefilter("always")
            vortel.render({"text": "a", "size": "40x20", "settings": {"LogFont": {"lfFaceName": "No Such Face 42"}}})
        self.assertTrue(any(issubclass(w.category, vortel.RenderWarning) for w in said), said)


if __name__ == "__main__":
    unittest.main()

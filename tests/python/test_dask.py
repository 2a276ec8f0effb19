"""A job list rendered on a local Dask cluster of two worker processes against `vortel-cli batch`:
the same files byte for byte, also when a worker dies in the middle of a chunk, and a job that
takes its worker down every time is reported failed with its line instead of being tried forever."""

import io
import json
import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import unittest

import dask
from distributed import Client, LocalCluster

import vortel.dask

CLI = os.environ.get("VORTEL_CLI", str(pathlib.Path(__file__).resolve().parents[2] / "build/bin/vortel-cli"))

# Jobs of every kind the list may hold, repeated with other texts up to 200.
KINDS = [
    {"size": "160x80", "presets": {"bevel": 3, "shadow": 2}, "ext": ".png"},
    {"size": "160x80", "presets": {"style": 24}, "ext": ".bmp"},
    {"size": "160x80", "presets": {"guide": 9, "outline": 5}, "quality": "normal", "ext": ".png"},
    {"size": "160x80", "presets": {"bevel": 2}, "transparent": True, "ext": ".png"},
    {"size": "160x80", "textures": {"1": ":JPG_07"}, "settings": {"TextFill": {"FillKind": 0}}, "ext": ".jpg"},
    {"size": "160x80", "presets": {"random": 11, "frame": 4}, "ext": ".vtl"},
    {"size": "160x80", "presets": {"guide": 3}, "ext": ".svg"},
]


def job_list(folder: pathlib.Path, count: int = 200) -> pathlib.Path:
    lines = []
    for i in range(count):
        kind = dict(KINDS[i % len(KINDS)])
        ext = kind.pop("ext")
        lines.append(json.dumps({**kind, "text": f"Nr {i}", "output": str(folder / f"job{i:03}{ext}")}))
    folder.mkdir(parents=True, exist_ok=True)
    path = folder / "jobs.jsonl"
    path.write_text("\n".join(lines) + "\n")
    return path


def outputs(folder: pathlib.Path) -> dict:
    return {p.name: p.read_bytes() for p in folder.iterdir() if p.name != "jobs.jsonl"}


# Run on the workers (by reference: this file's folder is on the workers' path too).
def render_dying_once(chunk):
    """Renders half the chunk holding job 100, then ends its worker, once."""
    marker = pathlib.Path(os.environ["VORTEL_TEST_MARKER"])
    if any(job[0] == 100 for job in chunk) and not marker.exists():
        vortel.dask.render_chunk(chunk[: len(chunk) // 2])
        marker.write_text(str(os.getpid()))
        os.kill(os.getpid(), signal.SIGKILL)
    return vortel.dask.render_chunk(chunk)


def render_dying_on_job_7(chunk):
    """Ends its worker whenever the chunk holds job 7 (the file's line 8)."""
    if any(job[0] == 7 for job in chunk):
        os.kill(os.getpid(), signal.SIGKILL)
    return vortel.dask.render_chunk(chunk)


class DaskCluster(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.root = pathlib.Path(cls.scratch.name)
        os.environ["VORTEL_TEST_MARKER"] = str(cls.root / "died")
        # The workers' interpreters are started the way this one was: same path, same module.
        with dask.config.set({"distributed.scheduler.allowed-failures": 1}):
            cls.cluster = LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                                       silence_logs=50)
        cls.client = Client(cls.cluster)
        reference = cls.root / "batch"
        status = subprocess.run([CLI, "batch", str(job_list(reference)), "--workers", "2"], capture_output=True,
                                text=True, check=False)
        assert status.returncode == 0, status.stderr
        cls.expected = outputs(reference)

    @classmethod
    def tearDownClass(cls):
        cls.client.close()
        cls.cluster.close()
        cls.scratch.cleanup()

    def run_list(self, name, **options):
        folder = self.root / name
        # Workers ended by an earlier test are started again by their nannies; wait for them.
        self.client.wait_for_workers(2, timeout=120)
        out, err = io.StringIO(), io.StringIO()
        status = vortel.dask.run(str(job_list(folder)), self.client, out=out, err=err, **options)
        return folder, status, out.getvalue(), err.getvalue()

    def assert_same_files(self, folder, where):
        written = outputs(folder)
        # A worker ended while writing leaves its temporary file beside the output, never a part.
        leftovers = [name for name in written if ".tmp-" in name]
        for name in leftovers:
            del written[name]
        self.assertEqual(sorted(written), sorted(self.expected), where)
        for name, data in self.expected.items():
            self.assertEqual(written[name], data, f"{where}: {name}")

    def test_outputs_equal_the_batchs(self):
        for chunk in (None, 1, 7):
            folder, status, out, err = self.run_list(f"chunk{chunk}", chunk=chunk)
            self.assertEqual(status, 0, err)
            self.assertRegex(out, r"^200 done, 0 failed, [0-9.]+ s \(2 workers\)\n$")
            self.assert_same_files(folder, f"chunk {chunk}")

    def test_a_worker_dying_mid_chunk_loses_nothing(self):
        folder, status, out, err = self.run_list("dying", chunk=10, render=render_dying_once)
        self.assertTrue((self.root / "died").exists(), "no worker was ended")
        self.assertEqual(status, 0, err)
        self.assertRegex(out, r"^200 done, 0 failed")
        self.assert_same_files(folder, "a worker ended")

    def test_a_job_that_ends_its_worker_every_time_fails(self):
        folder, status, out, err = self.run_list("crashing", chunk=5, render=render_dying_on_job_7)
        self.assertEqual(status, 1, err)
        self.assertRegex(out, r"^199 done, 1 failed", err)
        self.assertIn("vortel.dask: line 8: the process rendering this job ended without an answer, 2 times\n", err)
        self.assertEqual(err.count("vortel.dask: line "), 1, err)
        written = outputs(folder)
        self.assertNotIn("job007.png", written)
        for name, data in self.expected.items():
            if name != "job007.png":
                self.assertEqual(written.get(name), data, name)


class DaskCommandLine(unittest.TestCase):
    """`python3 -m vortel.dask` as a person runs it: its own local cluster, failures and statuses."""

    def run_module(self, *args):
        return subprocess.run([sys.executable, "-m", "vortel.dask", *args], capture_output=True, text=True,
                              check=False, timeout=300)

    def test_reports_failures_by_line_and_writes_them_to_run_again(self):
        with tempfile.TemporaryDirectory() as scratch:
            folder = pathlib.Path(scratch)
            jobs = folder / "jobs.csv"
            jobs.write_text(f"output,size,bevel\n{folder}/a.png,80x40,3\n{folder}/b.png,80x40,99\n"
                            f"{folder}/c.png,80x40,\n")
            run = self.run_module(str(jobs), "--local", "2", "--failed", str(folder / "again.csv"))
            self.assertEqual(run.returncode, 1, run.stderr)
            self.assertRegex(run.stdout, r"^2 done, 1 failed, [0-9.]+ s \(2 workers\)\n$")
            self.assertIn("vortel.dask: line 3: --bevel-preset", run.stderr)
            self.assertEqual((folder / "again.csv").read_text(), f"output,size,bevel\n{folder}/b.png,80x40,99\n")
            self.assertTrue((folder / "a.png").exists() and (folder / "c.png").exists())
            # What cannot be run at all is refused before a cluster is started, as the batch does.
            for content, status in (("", 2), ("output,colour\nx.png,red\n", 2)):
                jobs.write_text(content)
                run = self.run_module(str(jobs))
                self.assertEqual(run.returncode, status, run.stderr)
                self.assertEqual(run.stderr.count("\n"), 1, run.stderr)
                self.assertTrue(run.stderr.startswith("vortel.dask: "), run.stderr)
            # What is no file is refused without being read, as the batch refuses it.
            os.mkfifo(folder / "fifo.jsonl")
            for path in (folder / "none.jsonl", folder / "fifo.jsonl", folder, pathlib.Path("/dev/zero")):
                run = self.run_module(str(path))
                self.assertEqual(run.returncode, 1, (path, run.stderr))
                self.assertEqual(run.stderr.count("\n"), 1, (path, run.stderr))
            # A spreadsheet's CSV: byte-order mark, semicolons, CRLF, umlauts.
            (folder / "sheet.csv").write_bytes(f"\ufeffoutput;text;size\r\n{folder}/grüße.png;Grüße;80x40\r\n".encode())
            run = self.run_module(str(folder / "sheet.csv"), "--local", "1")
            self.assertEqual(run.returncode, 0, run.stderr)
            self.assertTrue((folder / "grüße.png").exists())
            self.assertEqual(self.run_module(str(jobs), "--local", "1", "--scheduler", "x").returncode, 2)


if __name__ == "__main__":
    unittest.main()

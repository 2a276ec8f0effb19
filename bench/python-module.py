#!/usr/bin/python3
"""Times the Python module (python/README.md): the cost of a call beyond the render, and 1000
bevelled, shadowed 640 x 480 jobs saved from a ThreadPoolExecutor and rendered by `vortel.dask` on
a local cluster of as many worker processes, against `vortel-cli batch`.

    PYTHONPATH=build/python /usr/bin/python3 bench/python-module.py [--jobs 1000] [--workers 2] [--no-dask]

Compare the first figure with `build/bin/vortel-bench --benchmark_filter=BM_PictureJob`, the same
jobs made in C++ without the module."""

import argparse
import concurrent.futures
import json
import os
import pathlib
import subprocess
import tempfile
import time

import vortel

ROOT = pathlib.Path(__file__).resolve().parents[1]


def per_call(job, count):
    vortel.render(job)
    start = time.perf_counter()
    for _ in range(count):
        vortel.render(job)
    return (time.perf_counter() - start) / count


def jobs(count, effort="small"):
    """Bevelled, shadowed 640 x 480 pictures, each with a text of its own."""
    return [{"text": f"Nr. {i}", "size": "640x480", "presets": {"bevel": 3, "shadow": 2}, "png-effort": effort}
            for i in range(count)]


def batch_seconds(cli, work, folder, workers):
    listing = folder / "jobs.jsonl"
    listing.write_text("".join(json.dumps({**job, "output": str(folder / f"{i}.png")}) + "\n"
                               for i, job in enumerate(work)))
    start = time.perf_counter()
    subprocess.run([cli, "batch", str(listing), "--workers", str(workers)], check=True, capture_output=True)
    return time.perf_counter() - start


def module_seconds(work, folder, workers):
    start = time.perf_counter()
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        list(pool.map(lambda i: vortel.save(work[i], folder / f"{i}.png"), range(len(work))))
    return time.perf_counter() - start


class DaskRun:
    """A local cluster of `workers` single-threaded worker processes, started once (not timed)."""

    def __init__(self, workers):
        import logging

        from distributed import Client, LocalCluster

        start = time.perf_counter()
        self.cluster = LocalCluster(n_workers=workers, threads_per_worker=1, dashboard_address=None,
                                    silence_logs=logging.ERROR)
        self.client = Client(self.cluster)
        self.client.wait_for_workers(workers)
        self.started = time.perf_counter() - start

    def seconds(self, work, folder):
        import io

        import vortel.dask

        listing = folder / "jobs.jsonl"
        listing.write_text("".join(json.dumps({**job, "output": str(folder / f"{i}.png")}) + "\n"
                                   for i, job in enumerate(work)))
        start = time.perf_counter()
        status = vortel.dask.run(str(listing), self.client, out=io.StringIO(), err=io.StringIO())
        assert status == 0
        return time.perf_counter() - start

    def close(self):
        self.client.close()
        self.cluster.close()


def sampled_equal(work, first, second):
    return all((first / f"{i}.png").read_bytes() == (second / f"{i}.png").read_bytes()
               for i in range(0, len(work), max(1, len(work) // 20)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jobs", type=int, default=1000)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--rounds", type=int, default=1, help="pairs of runs a worker count, order alternating")
    parser.add_argument("--skip-one", action="store_true", help="leave out the runs on one worker")
    parser.add_argument("--calls", type=int, default=2000)
    parser.add_argument("--png-effort", default="small", choices=["small", "fast"], help="how the PNG files are written")
    parser.add_argument("--no-dask", action="store_true", help="leave out the runs on a local Dask cluster")
    parser.add_argument("--cli", default=str(ROOT / "build/bin/vortel-cli"))
    options = parser.parse_args()
    print(f"load average at the start: {os.getloadavg()[0]:.2f} on {os.cpu_count()} cores")

    tiny = per_call({"text": "a", "size": "8x8"}, options.calls)
    full = per_call(jobs(1)[0], max(20, options.calls // 100))
    print(f"render 8x8:              {tiny * 1e6:8.1f} us a call ({options.calls} calls)")
    print(f"render 640x480 bevel:    {full * 1e3:8.2f} ms a call")

    work = jobs(options.jobs, options.png_effort)
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b, \
            tempfile.TemporaryDirectory() as c:
        a, b, c = pathlib.Path(a), pathlib.Path(b), pathlib.Path(c)
        counts = [options.workers] if options.skip_one else sorted({1, options.workers})
        for workers in counts:
            cluster = None if options.no_dask else DaskRun(workers)
            if cluster:
                print(f"local cluster of {workers} worker process(es) started in {cluster.started:.2f} s")
            for round in range(options.rounds):
                # The order turns each round, so a change of load falls on all of them.
                runs = [("batch", lambda: batch_seconds(options.cli, work, a, workers)),
                        ("module", lambda: module_seconds(work, b, workers))]
                if cluster:
                    runs.append(("dask", lambda: cluster.seconds(work, c)))
                runs = runs[round % len(runs):] + runs[:round % len(runs)]
                took = {name: run() for name, run in runs}
                line = f"{len(work)} jobs, {workers} worker(s): batch {took['batch']:6.2f} s"
                for name, folder in (("module", b), ("dask", c)):
                    if name in took:
                        line += (f", {name} {took[name]:6.2f} s ({(took[name] / took['batch'] - 1) * 100:+.1f} %, "
                                 f"sampled files equal: {sampled_equal(work, a, folder)})")
                print(line, flush=True)
            if cluster:
                cluster.close()
    print(f"load average at the end: {os.getloadavg()[0]:.2f}")


if __name__ == "__main__":
    main()

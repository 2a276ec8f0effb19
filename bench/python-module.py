#!/usr/bin/python3
"""Times the Python module (python/README.md): the cost of a call beyond the render, and 1000
bevelled, shadowed 640 x 480 jobs saved from a ThreadPoolExecutor against `vortel-cli batch`.

    PYTHONPATH=build/python /usr/bin/python3 bench/python-module.py [--jobs 1000] [--workers 2]

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


def jobs(count):
    """Bevelled, shadowed 640 x 480 pictures, each with a text of its own."""
    return [{"text": f"Nr. {i}", "size": "640x480", "presets": {"bevel": 3, "shadow": 2}} for i in range(count)]


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


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--jobs", type=int, default=1000)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--rounds", type=int, default=1, help="pairs of runs a worker count, order alternating")
    parser.add_argument("--skip-one", action="store_true", help="leave out the runs on one worker")
    parser.add_argument("--calls", type=int, default=2000)
    parser.add_argument("--cli", default=str(ROOT / "build/bin/vortel-cli"))
    options = parser.parse_args()
    print(f"load average at the start: {os.getloadavg()[0]:.2f} on {os.cpu_count()} cores")

    tiny = per_call({"text": "a", "size": "8x8"}, options.calls)
    full = per_call(jobs(1)[0], max(20, options.calls // 100))
    print(f"render 8x8:              {tiny * 1e6:8.1f} us a call ({options.calls} calls)")
    print(f"render 640x480 bevel:    {full * 1e3:8.2f} ms a call")

    work = jobs(options.jobs)
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
        counts = [options.workers] if options.skip_one else sorted({1, options.workers})
        for workers, round in [(w, r) for w in counts for r in range(options.rounds)]:
            # The machine is shared: alternating which goes first spreads a change of load over both.
            if round % 2 == 0:
                cli = batch_seconds(options.cli, work, pathlib.Path(a), workers)
                mine = module_seconds(work, pathlib.Path(b), workers)
            else:
                mine = module_seconds(work, pathlib.Path(b), workers)
                cli = batch_seconds(options.cli, work, pathlib.Path(a), workers)
            same = all((pathlib.Path(a) / f"{i}.png").read_bytes() == (pathlib.Path(b) / f"{i}.png").read_bytes()
                       for i in range(0, len(work), max(1, len(work) // 20)))
            print(f"{len(work)} jobs, {workers} worker(s): batch {cli:6.2f} s, module {mine:6.2f} s "
                  f"({(mine / cli - 1) * 100:+.1f} %), sampled files equal: {same}")
    print(f"load average at the end: {os.getloadavg()[0]:.2f}")


if __name__ == "__main__":
    main()

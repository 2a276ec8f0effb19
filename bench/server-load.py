#!/usr/bin/python3
"""Load on vortel-server over loopback: renders a second and latency percentiles for one job at
1, 8 and 32 connections, and the server's peak memory. Bounded: each step sends at most
--requests requests and stops after --seconds.

    /usr/bin/python3 bench/server-load.py [--server build/bin/vortel-server] [--workers 2]
        [--requests 600] [--seconds 20] [--png-effort fast|small]

The load comes from ApacheBench (`ab -k`, Debian apache2-utils), a client in C that takes little
of the two cores it shares with the server; without it, from Python threads (http.client), one
keep-alive connection each, which take more. Either way the figures are what the server does with
what the client leaves to it."""

import argparse
import http.client
import json
import pathlib
import re
import shutil
import statistics
import tempfile
import subprocess
import threading
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]


def start(server, workers):
    process = subprocess.Popen([server, "--listen", "127.0.0.1:0", "--workers", str(workers)],
                               stderr=subprocess.PIPE, text=True, env={"LANGUAGE": "en", "PATH": "/usr/bin:/bin"})
    port = int(re.search(r":(\d+)/", process.stderr.readline()).group(1))
    threading.Thread(target=lambda: [None for _ in process.stderr], daemon=True).start()  # the request log
    return process, port


def peak_memory(pid):
    for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    return 0.0


def step(port, body, connections, requests, seconds):
    latencies, failures, lock = [], [], threading.Lock()
    sent = iter(range(requests))
    deadline = time.monotonic() + seconds

    def client():
        connection = http.client.HTTPConnection("127.0.0.1", port, timeout=60)
        while time.monotonic() < deadline:
            with lock:
                if next(sent, None) is None:
                    break
            begun = time.perf_counter()
            connection.request("POST", "/render", body, {"Content-Type": "application/json"})
            response = connection.getresponse()
            data = response.read()
            took = time.perf_counter() - begun
            with lock:
                (latencies if response.status == 200 and data.startswith(b"\x89PNG") else failures).append(took)
        connection.close()

    begun = time.perf_counter()
    threads = [threading.Thread(target=client) for _ in range(connections)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    elapsed = time.perf_counter() - begun
    latencies.sort()
    pick = lambda q: latencies[min(len(latencies) - 1, int(q * len(latencies)))] * 1000
    return {"connections": connections, "done": len(latencies), "failed": len(failures),
            "per_second": len(latencies) / elapsed, "p50": pick(0.50), "p90": pick(0.90), "p99": pick(0.99),
            "mean": statistics.mean(latencies) * 1000}


def step_ab(port, body, connections, requests, seconds):
    with tempfile.NamedTemporaryFile(suffix=".json") as job:
        job.write(body)
        job.flush()
        run = subprocess.run(["ab", "-q", "-k", "-t", str(int(seconds)), "-n", str(requests), "-c", str(connections),
                              "-p", job.name, "-T", "application/json", f"http://127.0.0.1:{port}/render"],
                             capture_output=True, text=True, check=True).stdout
    number = lambda pattern: float(re.search(pattern, run, re.M).group(1))
    done = int(number(r"^Complete requests:\s+(\d+)"))
    failed = int(number(r"^Failed requests:\s+(\d+)")) + int(re.search(r"^Non-2xx responses:\s+(\d+)", run, re.M).group(1)
                                                                 if "Non-2xx" in run else 0)
    return {"connections": connections, "done": done - failed, "failed": failed,
            "per_second": number(r"^Requests per second:\s+([0-9.]+)"), "p50": number(r"^\s+50%\s+(\d+)"),
            "p90": number(r"^\s+90%\s+(\d+)"), "p99": number(r"^\s+99%\s+(\d+)")}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--server", default=str(ROOT / "build/bin/vortel-server"))
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--requests", type=int, default=600)
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--png-effort", default="fast", choices=["fast", "small"])
    parser.add_argument("--connections", default="1,8,32")
    parser.add_argument("--python-client", action="store_true", help="load from Python threads even where ab is")
    options = parser.parse_args()
    job = {"text": "Last", "size": "640x480", "presets": {"bevel": 3, "shadow": 2}, "png-effort": options.png_effort}
    body = json.dumps(job).encode()
    process, port = start(options.server, options.workers)
    try:
        step(port, body, 2, 20, 10)  # fonts and the heap warm
        client = step_ab if shutil.which("ab") and not options.python_client else step
        print(f"640x480 bevel + shadow PNG ({options.png_effort}), {options.workers} workers, "
              f"client: {'ab' if client is step_ab else 'Python threads'}")
        for connections in map(int, options.connections.split(",")):
            r = client(port, body, connections, options.requests, options.seconds)
            print(f"{r['connections']:3} connections: {r['per_second']:6.1f} renders/s, p50 {r['p50']:6.1f} ms, "
                  f"p90 {r['p90']:6.1f} ms, p99 {r['p99']:6.1f} ms ({r['done']} done, {r['failed']} failed)", flush=True)
        print(f"peak memory of the server: {peak_memory(process.pid):.0f} MiB")
    finally:
        process.terminate()
        process.wait()


if __name__ == "__main__":
    main()

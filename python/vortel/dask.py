"""Renders a job list of ``vortel-cli batch`` on a Dask distributed cluster.

    python3 -m vortel.dask JOBS [--scheduler ADDRESS | --local N] [--chunk M] [--failed FILE]

The list (JSON lines or CSV) is read by the batch's own reader; chunks of jobs go to the cluster's
workers, which render them through this module and write each output where its job says, so the
paths must mean the same on every worker (a shared folder). Progress, failure lines (with the line
numbers of the file), the summary and the exit status are those of ``vortel-cli batch``.

A chunk whose worker dies is taken to another worker by the scheduler. A chunk that loses workers
again and again is put aside; at the end its jobs run one at a time, alone on the cluster, and a
job that still takes its worker down every time it is tried is reported failed instead of being
tried forever. With ``--local`` the scheduler tries a task twice;
a scheduler of your own does what its ``distributed.scheduler.allowed-failures`` says.
"""

from __future__ import annotations

import argparse
import logging
import math
import os
import sys
import tempfile
import time
from typing import Callable, List, Optional, Sequence, TextIO, Tuple

from . import _vortel

PROGRAM = "vortel.dask"

# One job as it travels to a worker: (index in the list, line, render arguments, error).
Job = Tuple[int, int, List[str], str]
# One job's result: (index, failure or "", what the engine said).
Result = Tuple[int, str, str]


def render_chunk(chunk: Sequence[Job]) -> List[Result]:
    """Renders the jobs of one chunk, one after the other, on the worker that runs it."""
    return [(index, *_vortel.run_job(line, args, error)) for index, line, args, error in chunk]


class UsageError(Exception):
    """A command line or job list this program cannot run (exit status 2)."""


def _write_atomically(path: str, content: bytes) -> None:
    folder = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(prefix=os.path.basename(path) + ".tmp-", dir=folder)
    try:
        with os.fdopen(handle, "wb") as file:
            file.write(content)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.unlink(temporary)
        raise


def _chunk_size(jobs: int, workers: int) -> int:
    # About eight chunks a worker thread: the last ones finish close together, and a lost worker
    # costs little; never so small that the scheduler's round trips show.
    return max(1, min(200, math.ceil(jobs / (8 * max(1, workers)))))


def _attempts(client) -> int:
    """How often the scheduler runs a task whose workers die under it before giving up."""
    try:
        return int(client.run_on_scheduler(lambda dask_scheduler: dask_scheduler.allowed_failures)) + 1
    except Exception:
        import dask

        return int(dask.config.get("distributed.scheduler.allowed-failures")) + 1


def run(
    path: str,
    client,
    *,
    chunk: Optional[int] = None,
    failed: Optional[str] = None,
    render: Callable[[Sequence[Job]], List[Result]] = render_chunk,
    out: TextIO = sys.stdout,
    err: TextIO = sys.stderr,
) -> int:
    """Renders the job list at ``path`` on the cluster behind ``client``; returns the exit status.

    Raises ``vortel.JobError`` for a list that is no job list and ``vortel.FileError`` for a file
    that cannot be read, as ``vortel-cli batch`` refuses them before rendering anything.
    """
    from distributed import as_completed
    from distributed.scheduler import KilledWorker

    jobs_list = _vortel.read_job_list(path)
    for warning in jobs_list.warnings:
        print(_vortel.warning_line(PROGRAM, f"{path}: {warning}"), file=err)
    jobs: List[Job] = [(i, line, args, error) for i, (line, args, error) in enumerate(jobs_list.jobs)]
    workers = max(1, sum(client.nthreads().values()))
    size = chunk or _chunk_size(len(jobs), workers)
    attempts = _attempts(client)

    start = time.monotonic()
    progress = _vortel.Progress(len(jobs), err.isatty(), PROGRAM)
    pending = {}
    for first in range(0, len(jobs), size):
        part = jobs[first : first + size]
        pending[client.submit(render, part, pure=False)] = part
    done = 0
    failures: List[int] = []

    def report(results: List[Result]) -> None:
        nonlocal done
        for index, failure, said in results:
            done += 1
            if failure:
                failures.append(index)
                err.write(progress.break_line() + _vortel.failure_report(jobs[index][1], failure, said, PROGRAM))
            err.write(progress.update(done, len(failures)))
        err.flush()

    # The chunks whose workers died under them again and again are put aside whole: which of their
    # jobs took the workers down is not known, and a job queued beside the guilty one on a worker
    # that dies counts a death too.
    aside: List[Job] = []
    for future in as_completed(list(pending)):
        part = pending.pop(future)
        try:
            report(future.result())
        except KilledWorker:
            aside.extend(part)
        except Exception as error:  # the worker could not run the chunk at all
            report([(job[0], f"{type(error).__name__}: {error}", "") for job in part])
        finally:
            future.release()
    # Then each of them alone on the cluster: a death now is its own doing.
    for job in aside:
        future = client.submit(render, [job], pure=False)
        try:
            report(future.result())
        except KilledWorker:
            report([(job[0], _vortel.crashed_worker_failure(attempts), "")])
        except Exception as error:
            report([(job[0], f"{type(error).__name__}: {error}", "")])
        finally:
            future.release()
    seconds = time.monotonic() - start
    err.write(progress.update(done, len(failures), True) + progress.break_line())
    err.flush()
    print(_vortel.summary_line(done, len(failures), seconds, workers), file=out, flush=True)
    if failed:
        _write_atomically(failed, jobs_list.text(sorted(failures)))
    return 0 if not failures else 1


def _arguments(argv: Optional[Sequence[str]]) -> argparse.Namespace:
    parser = argparse.ArgumentParser(
        prog="python3 -m vortel.dask",
        description="Render a job list of `vortel-cli batch` on a Dask cluster.",
    )
    parser.add_argument("jobs", metavar="JOBS", help="a job list: JSON lines or CSV with a header")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--scheduler", metavar="ADDRESS", help="the scheduler of a running cluster, e.g. tcp://host:8786")
    where.add_argument(
        "--local", metavar="N", type=int, help="start a cluster of N worker processes on this machine (default: one a core)"
    )
    parser.add_argument("--chunk", metavar="M", type=int, help="jobs a task renders (default: about 8 tasks a worker)")
    parser.add_argument("--failed", metavar="FILE", help="write the failing jobs to FILE as a job list to run again")
    args = parser.parse_args(argv)
    if args.local is not None and args.local < 1:
        parser.error("--local: expected 1 or more worker processes")
    if args.chunk is not None and args.chunk < 1:
        parser.error("--chunk: expected 1 or more jobs")
    return args


def main(argv: Optional[Sequence[str]] = None) -> int:
    args = _arguments(argv)
    try:
        import dask
        from distributed import Client, LocalCluster
    except ImportError as error:
        print(f"{PROGRAM}: {error} (Debian: apt install python3-distributed)", file=sys.stderr)
        return 1
    # The workers find this module as the driver does, whatever the working folder.
    import vortel.dask as this

    cluster = None
    try:
        # A fault found in the list needs no cluster: it is reported before one is started.
        _vortel.read_job_list(args.jobs)
        if args.scheduler:
            client = Client(args.scheduler, timeout="20s")
        else:
            with dask.config.set({"distributed.scheduler.allowed-failures": 1}):
                cluster = LocalCluster(
                    n_workers=args.local or os.cpu_count() or 1,
                    threads_per_worker=1,
                    processes=True,
                    dashboard_address=None,
                    silence_logs=logging.ERROR,
                )
            client = Client(cluster)
        with client:
            return this.run(args.jobs, client, chunk=args.chunk, failed=args.failed, render=this.render_chunk)
    except _vortel.JobError as error:
        print(f"{PROGRAM}: {error}", file=sys.stderr)
        return 2
    except (_vortel.Error, OSError) as error:
        print(f"{PROGRAM}: {error}", file=sys.stderr)
        return 1
    finally:
        if cluster is not None:
            cluster.close()


if __name__ == "__main__":
    sys.exit(main())

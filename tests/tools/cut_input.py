#!/usr/bin/env python3
"""Runs an interactive program on inputs that end anywhere and on inputs that make no sense.

Every run must end by itself, with status 0 and nothing on standard error (so no sanitizer or
valgrind report). The inputs:
  - each transcript input in DIR, cut at every byte offset, or over a long input at a
    thousand of them (--every-line: only at the start and the end of each line, for slow
    wrappers such as valgrind);
  - each transcript input followed by random bytes, and 1 MB of random bytes.
A hang is judged by CPU time, not wall time: a run that uses up its CPU seconds is spinning,
while one that merely waits its turn on a busy machine is not. A failing input is written to
the current folder so the failure can be replayed.
"""
import argparse
import concurrent.futures
import os
import pathlib
import random
import resource
import signal
import subprocess
import sys

# Every run has all its input at once, so only a fault keeps it waiting this long.
WALL_SECONDS = 600


def cut_points(data, every_line):
    points = {0, len(data)}
    for i, byte in enumerate(data):
        if byte == ord("\n"):
            points.update((i, i + 1))
    if not every_line:
        # Every byte of a short input; of a long one, a thousand spread over it and its end.
        step = max(1, len(data) // 1000)
        points.update(range(0, len(data), step), range(max(0, len(data) - 200), len(data)))
    return sorted(points)


def run(command, data, cpu_seconds):
    """Returns None when the run is sound, otherwise what went wrong."""
    process = subprocess.Popen(
        command, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE
    )
    try:
        resource.prlimit(process.pid, resource.RLIMIT_CPU, (cpu_seconds, cpu_seconds + 1))
    except OSError:  # it has already ended
        pass
    try:
        _, errors = process.communicate(data, timeout=WALL_SECONDS)
    except subprocess.TimeoutExpired:
        process.kill()
        process.communicate()
        return f"still running after {WALL_SECONDS} s, with all its input given"
    if process.returncode == -signal.SIGXCPU:
        return f"spinning: used up {cpu_seconds} s of CPU time"
    if process.returncode != 0 or errors:
        return f"exit status {process.returncode}\n{errors.decode(errors='replace')[:2000]}"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("transcripts", type=pathlib.Path)
    parser.add_argument("--wrapper", default="", help="command line to run the program under")
    parser.add_argument("--every-line", action="store_true")
    parser.add_argument("--cpu", type=int, default=1, help="CPU seconds a run may use")
    args = parser.parse_args()

    command = args.wrapper.split() + [args.program]
    rng = random.Random(20261208)
    cases = []
    for path in sorted(args.transcripts.glob("*.in")):
        data = path.read_bytes()
        for k in cut_points(data, args.every_line):
            cases.append((f"{path.name} cut at byte {k}", data[:k], args.cpu))
        if not args.every_line:
            tail = rng.randbytes(4096)
            cases.append((f"{path.name} and random bytes", data + tail, args.cpu))
    if not args.every_line:
        cases.append(("1 MB of random bytes", rng.randbytes(1 << 20), 10 * args.cpu))

    def check(case):
        name, data, cpu_seconds = case
        return name, data, run(command, data, cpu_seconds)

    # Five failures tell enough: the rest are not run, so a program that spins fails in seconds.
    failures = 0
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for name, data, problem in pool.map(check, cases):
            if problem is None:
                continue
            failures += 1
            saved = pathlib.Path(f"failed-{failures}.in")
            saved.write_bytes(data)
            print(f"FAIL {name} (input saved as {saved.resolve()}): {problem}")
            if failures == 5:
                pool.shutdown(cancel_futures=True)
                break
    if failures:
        print(f"{failures} runs failed")
        return 1
    print(f"all {len(cases)} runs sound")
    return 0


if __name__ == "__main__":
    sys.exit(main())

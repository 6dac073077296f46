#!/usr/bin/env python3
"""Runs an interactive program on inputs that end anywhere and on inputs that make no sense.

Every run must end by itself within its time limit, with status 0 and nothing on standard
error (so no sanitizer or valgrind report). The inputs:
  - each transcript input in DIR, cut at every byte offset (--every-line: only at the start
    and the end of each line, for slow wrappers such as valgrind);
  - a closed standard input;
  - each transcript input followed by random bytes, and 1 MB of random bytes.
A failing input is written to the current folder so the failure can be replayed.
"""
import argparse
import concurrent.futures
import os
import pathlib
import random
import subprocess
import sys


def cut_points(data, every_line):
    if not every_line:
        return range(len(data) + 1)
    points = {0, len(data)}
    for i, byte in enumerate(data):
        if byte == ord("\n"):
            points.update((i, i + 1))
    return sorted(points)


def run(command, data, timeout):
    """Returns None when the run is sound, otherwise what went wrong. data None: closed stdin."""
    if data is None:
        feed = {"preexec_fn": lambda: os.close(0)}
    else:
        feed = {"input": data}
    try:
        result = subprocess.run(
            command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=timeout, **feed
        )
    except subprocess.TimeoutExpired:
        return f"still running after {timeout} s"
    if result.returncode != 0 or result.stderr:
        return f"exit status {result.returncode}\n{result.stderr.decode(errors='replace')[:2000]}"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("transcripts", type=pathlib.Path)
    parser.add_argument("--wrapper", default="", help="command line to run the program under")
    parser.add_argument("--every-line", action="store_true")
    parser.add_argument("--timeout", type=float, default=1.0)
    args = parser.parse_args()

    command = args.wrapper.split() + [args.program]
    rng = random.Random(20261208)
    cases = [("closed standard input", None, args.timeout)]
    for path in sorted(args.transcripts.glob("*.in")):
        data = path.read_bytes()
        for k in cut_points(data, args.every_line):
            cases.append((f"{path.name} cut at byte {k}", data[:k], args.timeout))
        if not args.every_line:
            tail = rng.randbytes(4096)
            cases.append((f"{path.name} and random bytes", data + tail, args.timeout))
    if not args.every_line:
        cases.append(("1 MB of random bytes", rng.randbytes(1 << 20), 10 * args.timeout))

    def check(case):
        name, data, timeout = case
        return name, data, run(command, data, timeout)

    failures = 0
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for name, data, problem in pool.map(check, cases):
            if problem is None:
                continue
            failures += 1
            if failures <= 5:
                saved = pathlib.Path(f"failed-{failures}.in")
                saved.write_bytes(data or b"")
                print(f"FAIL {name} (input saved as {saved.resolve()}): {problem}")
    print(f"{len(cases) - failures} of {len(cases)} runs sound")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

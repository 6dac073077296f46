#!/usr/bin/env python3
"""Exit status and standard error when the input or the output fails, and when they do not.

usage: exit_status.py BIN_DIR
Each case runs one program with its standard input and output set up as the row says. Output
that cannot be written, or input that cannot be read, must end the program with status 1 and one
line on standard error; the end of the input is a normal end; a closed pipe is SIGPIPE's to end.
A program is given 5 s of CPU time: one that spins is killed, one that waits is not a failure.
"""
import os
import resource
import signal
import subprocess
import sys

ENDLESS = "yes 1"
NAME_THEN_ZEROS = "printf 'John\\n'; cat /dev/zero"
NO_SPACE = "write error: No space left on device"

CASES = [
    # program, standard input, standard output, status, standard error after "program: "
    ("account_sum", "empty", "/dev/full", 1, NO_SPACE),
    ("account_sum", "empty", "closed", 1, "write error: Bad file descriptor"),
    ("account_sum", "empty", "gone", -signal.SIGPIPE, None),
    ("order_tool", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("order_tool", ENDLESS, "gone", -signal.SIGPIPE, None),
    ("order_tool", "/", "/dev/null", 1, "read error: Is a directory"),
    ("order_tool", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("order_tool", "empty", "/dev/null", 0, None),
    ("enrol_console", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("enrol_console", "/", "/dev/null", 1, "read error: Is a directory"),
    ("enrol_console", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("account_number_entry", NAME_THEN_ZEROS, "/dev/full", 1, NO_SPACE),
    ("account_number_entry", ENDLESS, "closed", 1, "write error: Bad file descriptor"),
    ("account_number_entry", "/", "/dev/null", 1, "read error: Is a directory"),
    ("account_number_guided", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("account_number_guided", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
]


def run(program, source, sink):
    """Returns (status, standard error) of one run."""
    feeder = None
    if source in ("empty", "closed"):
        stdin = subprocess.DEVNULL
    elif source.startswith("/"):
        stdin = os.open(source, os.O_RDONLY)
    else:
        feeder = subprocess.Popen(["sh", "-c", source], stdout=subprocess.PIPE)
        stdin = feeder.stdout
    reader = None
    if sink == "closed":
        stdout = subprocess.DEVNULL
    elif sink == "gone":
        reader, stdout = os.pipe()
        os.close(reader)
    else:
        stdout = open(sink, "wb")

    def limit_and_close():
        resource.setrlimit(resource.RLIMIT_CPU, (5, 6))
        if source == "closed":
            os.close(0)
        if sink == "closed":
            os.close(1)

    try:
        result = subprocess.run([program], stdin=stdin, stdout=stdout, stderr=subprocess.PIPE,
                                preexec_fn=limit_and_close, timeout=300)
    finally:
        if feeder:
            feeder.kill()
            feeder.wait()
        for f in (stdin, stdout):
            if isinstance(f, int) and f > 2:
                os.close(f)
            elif hasattr(f, "close"):
                f.close()
    return result.returncode, result.stderr.decode(errors="replace")


def main():
    failures = 0
    for program, source, sink, status, message in CASES:
        expected = f"{program}: {message}\n" if message else ""
        got_status, got_errors = run(os.path.join(sys.argv[1], program), source, sink)
        if (got_status, got_errors) != (status, expected):
            failures += 1
            print(f"FAIL {program} <{source} >{sink}: status {got_status}, expected {status}; "
                  f"standard error {got_errors!r}, expected {expected!r}")
    print(f"{len(CASES) - failures} of {len(CASES)} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

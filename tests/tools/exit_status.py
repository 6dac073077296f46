#!/usr/bin/env python3
"""Exit status and standard error when the input or the output fails, and when they do not.

usage: exit_status.py BIN_DIR
Each case runs one program with its standard input and output set up as the row says. Output
that cannot be written, or input that cannot be read, must end the program with status 1 and one
line on standard error; the end of the input is a normal end; a closed pipe is SIGPIPE's to end.
A program is given 5 s of CPU time: one that spins is killed, one that waits is not a failure.
Under strace, when it is installed, each run must write standard error in one call at most, so
that programs sharing it do not mix their lines; and a failed close of standard output, which is
all some file systems report of a lost write, must count as a write error.
"""
import os
import resource
import shutil
import signal
import subprocess
import sys
import tempfile

ENDLESS = "yes 1"
NAME_THEN_ZEROS = "printf 'John\\n'; cat /dev/zero"
NO_SPACE = "write error: No space left on device"
# Under strace, the close of standard output fails with EIO (the dynamic loader's own closes come
# first, and must not fail).
CLOSE_FAILS = "close of standard output fails"

CASES = [
    # program and arguments, standard input, standard output, status, standard error after
    # "program: ",
    # and strace options that make a system call fail
    ("account_sum", "empty", "/dev/full", 1, NO_SPACE),
    ("order_tool --help", "empty", "/dev/full", 1, NO_SPACE),
    ("enrol_console --version", "empty", "closed", 1, "write error: Bad file descriptor"),
    ("account_number_entry --bogus", "empty", "closed", 2,
     "unrecognized option '--bogus'\nTry 'account_number_entry --help' for more information."),
    ("account_sum", "empty", "closed", 1, "write error: Bad file descriptor"),
    ("account_sum", "empty", "gone", -signal.SIGPIPE, None),
    ("order_tool", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("order_tool", ENDLESS, "gone", -signal.SIGPIPE, None),
    ("order_tool", "/", "/dev/null", 1, "read error: Is a directory"),
    ("order_tool", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("order_tool", "empty", "/dev/null", 0, None),
    ("account_number_entry", "terminal", "terminal_session.out", 0, None),
    ("enrol_console", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("enrol_console", "/", "/dev/null", 1, "read error: Is a directory"),
    ("enrol_console", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("account_number_entry", NAME_THEN_ZEROS, "/dev/full", 1, NO_SPACE),
    ("account_number_entry", ENDLESS, "closed", 1, "write error: Bad file descriptor"),
    ("account_number_entry", "/", "/dev/null", 1, "read error: Is a directory"),
    ("account_number_guided", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("account_number_guided", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("account_sum", "empty", "/dev/null", 1, "write error: Input/output error", CLOSE_FAILS),
    ("order_tool", "empty", "/dev/null", 1, "write error: Input/output error", CLOSE_FAILS),
]
STRACE = shutil.which("strace")


def close_of_stdout(program):
    """Which close call of an ordinary run of program closes standard output, counted from 1;
    0, which strace refuses, when none does."""
    with tempfile.NamedTemporaryFile(mode="r", prefix="strace-") as trace:
        subprocess.run([STRACE, "-qq", "-o", trace.name, "-e", "trace=close", program],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, check=True)
        closes = [line.split(")")[0] for line in trace if line.startswith("close(")]
    return closes.index("close(1") + 1 if "close(1" in closes else 0


def run(command, source, sink, fault):
    """Returns (status, standard error, writes to standard error) of one run; the writes are
    counted only under strace, and are otherwise None."""
    feeder = None
    if source in ("empty", "closed"):
        stdin = subprocess.DEVNULL
    elif source == "terminal":  # Ctrl-D already typed
        terminal, stdin = os.openpty()
        os.write(terminal, b"\x04")
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

    trace = tempfile.NamedTemporaryFile(mode="r", prefix="strace-")
    if STRACE:
        traced = [STRACE, "-f", "-qq", "-o", trace.name, "-e", "trace=write,close"]
        if fault == CLOSE_FAILS:
            traced += ["-e", f"inject=close:error=EIO:when={close_of_stdout(command[0])}"]
        command = traced + command
    try:
        result = subprocess.run(command, stdin=stdin, stdout=stdout, stderr=subprocess.PIPE,
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
    writes = sum(" write(2, " in line for line in trace) if STRACE else None
    trace.close()
    errors = result.stderr.decode(errors="replace")
    if source == "terminal":
        os.close(terminal)
        # Output sent to a file is what a piped run prints: no newline for an echo it never held.
        piped = subprocess.run(command[-1:], stdin=subprocess.DEVNULL, capture_output=True)
        with open(sink, "rb") as f:
            errors += "" if f.read() == piped.stdout else "output differs from a piped run"
    return result.returncode, errors, writes


def main():
    failures = 0
    cases = [case for case in CASES if STRACE or len(case) == 5]
    for command, source, sink, status, message, *fault in cases:
        program, *arguments = command.split()
        expected = f"{program}: {message}\n" if message else ""
        got_status, got_errors, writes = run(
            [os.path.join(sys.argv[1], program)] + arguments, source, sink, " ".join(fault))
        if (got_status, got_errors) != (status, expected) or (writes or 0) > 1:
            failures += 1
            print(f"FAIL {command} <{source} >{sink} {fault}: status {got_status}, expected "
                  f"{status}; standard error {got_errors!r}, expected {expected!r}, "
                  f"in {writes} writes")
    if not STRACE:
        print("strace is not installed: the cases that need it were left out")
    print(f"{len(cases) - failures} of {len(cases)} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

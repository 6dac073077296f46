#!/usr/bin/env python3
"""Exit status and standard error when the input or the output fails, and when they do not.

usage: exit_status.py BIN_DIR [--strace]
Each case runs one program with its standard input and output set up as the row says. Output
that cannot be written, or input that cannot be read, must end the program with status 1 and one
line on standard error; the end of the input is a normal end; a closed pipe is SIGPIPE's to end.
A program is given 5 s of CPU time: one that spins is killed, one that waits is not a failure.
Non-blocking descriptors and a non-canonical terminal change nothing, and the terminal keeps
what was typed for the next program. With --strace every case runs under strace, and reports itself skipped where it is not
installed: each run must write standard error in one call at most, so that programs sharing it
do not mix their lines, and a chosen call can be made to fail: a close of standard output, which
is all some file systems report of a lost write; a write to a terminal, which a stream writing
through C's stdout may not see fail; a read right after a value, which must not be used, since
its end was not seen, and one in the rest of a rejected line, which must not undo the rejection.
Without --strace the cases that need no failing call run on their own.
"""
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile

ENDLESS = "yes 1"
NAME_THEN_ZEROS = "printf 'John\\n'; cat /dev/zero"
NO_SPACE = "write error: No space left on device"
WRITE_EIO = "write error: Input/output error"
READ_EIO = "read error: Input/output error"
# Under strace, the call fails with EIO: (system call, descriptor, which of its calls there).
CLOSE_FAILS = ("close", 1, 1)
SECOND_READ_FAILS = ("read", 0, 2)
SECOND_WRITE_FAILS = ("write", 1, 2)
FIRST_WRITE_FAILS = ("write", 1, 1)
SKIPPED = 77
NEXT = b"echo next\n"  # typed at a terminal after the answers, for the program that runs next

CASES = [
    # program and arguments, standard input, standard output, status, standard error after
    # "program: ", and the call that fails under strace. A "like:SOURCE" standard output must
    # be what the program prints with SOURCE as its input, or with the row's own input when SOURCE
    # is empty; so must a "nonblocking:SOURCE" one, a non-blocking pipe read only after a while.
    # A "nonblocking:" standard input is a non-blocking pipe, and "-icanon:" a terminal not in
    # canonical mode with the input typed ahead, and NEXT after it.
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
    ("order_tool", "yes 1 | head -n 3000; echo 5", "nonblocking:", 0, None),
    ("order_tool", "nonblocking:printf '2\\n'; sleep 0.2; printf '3\\n'", "like:printf '2\\n3\\n'", 0,
     None),
    ("order_tool", "-icanon:printf '2\\n5\\n'", "like:", 0, None),
    ("enrol_console", "-icanon:printf 'OOP\\nABC\\n2015 1 5\\nn\\n'", "like:", 0, None),
    ("account_number_entry", "-icanon:printf 'John 1 2 3\\n123 123 12345\\n'", "like:", 0, None),
    ("account_number_entry", "terminal", "like:empty", 0, None),
    ("enrol_console", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("enrol_console", "/", "/dev/null", 1, "read error: Is a directory"),
    ("enrol_console", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("account_number_entry", NAME_THEN_ZEROS, "/dev/full", 1, NO_SPACE),
    ("account_number_entry", ENDLESS, "closed", 1, "write error: Bad file descriptor"),
    ("account_number_entry", "/", "/dev/null", 1, "read error: Is a directory"),
    ("account_number_guided", ENDLESS, "/dev/full", 1, NO_SPACE),
    ("account_number_guided", "closed", "/dev/null", 1, "read error: Bad file descriptor"),
    ("account_sum", "empty", "/dev/null", 1, WRITE_EIO, CLOSE_FAILS),
    ("order_tool", "empty", "/dev/null", 1, WRITE_EIO, CLOSE_FAILS),
    ("account_sum", "empty", "terminal", 1, WRITE_EIO, SECOND_WRITE_FAILS),
    ("order_tool --version", "empty", "terminal", 1, WRITE_EIO, FIRST_WRITE_FAILS),
    ("order_tool", "printf '1\\n1\\n5\\n'", "terminal", 1, WRITE_EIO, SECOND_WRITE_FAILS),
    ("enrol_console", "printf 'OOP\\nABC123\\n2015 1 5\\nn\\n'", "terminal", 1, WRITE_EIO,
     SECOND_WRITE_FAILS),
    ("account_number_entry", "printf 'John 123 123 12345\\n'", "terminal", 1, WRITE_EIO,
     SECOND_WRITE_FAILS),
    ("account_number_guided", "printf '\\nJohn 1 1 1\\n'", "terminal", 1, WRITE_EIO,
     SECOND_WRITE_FAILS),
    ("order_tool", "printf '1\\n2'", "like:printf '1\\n'", 1, READ_EIO, SECOND_READ_FAILS),
    ("enrol_console", "printf 'OOP\\nABC123\\n2015 1 5'", "like:printf 'OOP\\nABC123\\n2015 1 '", 1,
     READ_EIO, SECOND_READ_FAILS),
    ("account_number_guided", "printf '\\nJohn 123 123 1234'", "like:printf '\\nJohn 123 123 '",
     1, READ_EIO, SECOND_READ_FAILS),
    # The error comes while the rest of a rejected line is skipped: the entry stays rejected.
    ("account_number_guided", "printf '\\nJohn\\n1 abc '", "like:", 1, READ_EIO, SECOND_READ_FAILS),
    ("enrol_console", "printf 'OOP\\nABC123\\nabc'", "like:", 1, READ_EIO, SECOND_READ_FAILS),
]
STRACE = shutil.which("strace") if "--strace" in sys.argv else None


def injection(command, fault, terminal):
    """strace options that make fault's call fail with EIO: its nth call on its descriptor.
    Calls on a terminal are told by its path (the sanitizers' own writes come in between);
    other calls are counted from their first call on the descriptor in an ordinary run."""
    call, descriptor, nth = fault
    if terminal:
        return ["-P", terminal, "-e", f"inject={call}:error=EIO:when={nth}"]
    with tempfile.NamedTemporaryFile(mode="r", prefix="strace-") as trace:
        subprocess.run([STRACE, "-qq", "-o", trace.name, "-e", f"trace={call}"] + command,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, check=True)
        descriptors = [re.split(r"[,)]", line[len(call) + 1:])[0]
                       for line in trace if line.startswith(call + "(")]
    first = descriptors.index(str(descriptor)) + 1
    return ["-e", f"inject={call}:error=EIO:when={first + nth - 1}"]


def printed(command, source):
    """Standard output of an ordinary run of command with what source prints as its input."""
    feed = b"" if source == "empty" else subprocess.run(
        ["sh", "-c", source], capture_output=True, check=True).stdout
    return subprocess.run(command, input=feed, capture_output=True, timeout=60).stdout


def run(command, source, sink, fault):
    """Returns (status, standard error, writes to standard error) of one run; the writes are
    counted only under strace, and are otherwise None."""
    feeder = None
    copier = None
    terminals = []
    if source in ("empty", "closed"):
        stdin = subprocess.DEVNULL
    elif source == "terminal":  # Ctrl-D already typed
        terminal, stdin = os.openpty()
        terminals.append(terminal)
        os.write(terminal, b"\x04")
    elif source.startswith("-icanon:"):
        terminal, stdin = os.openpty()
        terminals.append(terminal)
        subprocess.run(["stty", "-icanon"], stdin=stdin, check=True)
        os.write(terminal, subprocess.run(source[len("-icanon:"):], shell=True,
                                          capture_output=True).stdout + NEXT)
    elif source.startswith("/"):
        stdin = os.open(source, os.O_RDONLY)
    else:
        feeder = subprocess.Popen(["sh", "-c", source.removeprefix("nonblocking:")],
                                  stdout=subprocess.PIPE)
        stdin = feeder.stdout
        os.set_blocking(stdin.fileno(), not source.startswith("nonblocking:"))
    if sink == "closed":
        stdout = subprocess.DEVNULL
    elif sink == "gone":
        reader, stdout = os.pipe()
        os.close(reader)
    elif sink == "terminal":  # nobody reads it: the output must fit in its buffer
        terminal, stdout = os.openpty()
        terminals.append(terminal)
    elif sink.startswith("like:"):
        stdout = tempfile.TemporaryFile()
    elif sink.startswith("nonblocking:"):
        pipe, stdout = os.pipe()
        os.set_blocking(stdout, False)
        copy = tempfile.TemporaryFile()
        copier = subprocess.Popen(["sh", "-c", "sleep 0.3; exec cat"], stdin=pipe, stdout=copy)
        os.close(pipe)
    else:
        stdout = open(sink, "wb")

    def limit_and_close():
        resource.setrlimit(resource.RLIMIT_CPU, (5, 6))
        if source == "closed":
            os.close(0)
        if sink == "closed":
            os.close(1)

    trace = tempfile.NamedTemporaryFile(mode="r", prefix="strace-")
    traced = []
    if STRACE:
        traced = [STRACE, "-f", "-qq", "-o", trace.name, "-e", "trace=read,write,close"]
        terminal = os.ttyname(stdout) if sink == "terminal" else None
        traced += injection(command, fault, terminal) if fault else []
    try:
        result = subprocess.run(traced + command, stdin=stdin, stdout=stdout,
                                stderr=subprocess.PIPE, preexec_fn=limit_and_close, timeout=300)
        errors = result.stderr.decode(errors="replace")
        if copier:
            os.close(stdout)
            copier.wait()
            stdout = copy
        # Output sent to a file from a terminal is what a piped run prints: no newline for an
        # echo it never held.
        if sink.startswith(("like:", "nonblocking:")):
            stdout.seek(0)
            if stdout.read() != printed(command, sink.split(":", 1)[1] or source.removeprefix("-icanon:")):
                errors += f"output differs from a run on {sink}"
        if source.startswith("-icanon:"):  # what the terminal holds now, without waiting
            subprocess.run(["stty", "min", "0"], stdin=stdin, check=True)
            if os.read(stdin, 4096) != NEXT:
                errors += "the terminal no longer holds what was typed for the next program"
    finally:
        if feeder:
            feeder.kill()
            feeder.wait()
        for f in [stdin, stdout] + terminals:
            if isinstance(f, int) and f > 2:
                os.close(f)
            elif hasattr(f, "close"):
                f.close()
    writes = sum(" write(2, " in line for line in trace) if STRACE else None
    trace.close()
    return result.returncode, errors, writes


def main():
    if "--strace" in sys.argv and not STRACE:
        print("strace is not installed")
        return SKIPPED
    failures = 0
    cases = [case for case in CASES if STRACE or len(case) == 5]
    for command, source, sink, status, message, *fault in cases:
        program, *arguments = command.split()
        expected = f"{program}: {message}\n" if message else ""
        got_status, got_errors, writes = run(
            [os.path.join(sys.argv[1], program)] + arguments, source, sink, fault[0] if fault else None)
        if (got_status, got_errors) != (status, expected) or (writes or 0) > 1:
            failures += 1
            print(f"FAIL {command} <{source} >{sink} {fault}: status {got_status}, expected "
                  f"{status}; standard error {got_errors!r}, expected {expected!r}, "
                  f"in {writes} writes")
    print(f"{len(cases) - failures} of {len(cases)} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

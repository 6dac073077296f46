#!/usr/bin/env python3
"""Types a whole session into a program running on a pseudo-terminal, one answer at a time.

The session file is the screen as the user sees it, with each typed answer written as
[[answer]] (followed by the line break its Enter makes) and Ctrl-D written as [[^D]]. Each answer
is typed only once everything before it is on the screen, so a prompt that is not flushed before
the program waits makes the session stall and fail. The whole screen must match at the end, and
the program must exit with status 0.
"""
import os
import pty
import re
import select
import sys
import time

WAIT = 30.0  # seconds for any one piece of output to appear; only a fault waits that long


class Terminal:
    def __init__(self, program):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execv(program, [program])
        self.screen = ""

    def wait_for(self, expected):
        """Reads until the screen shows exactly expected; False if it does not in time."""
        deadline = time.monotonic() + WAIT
        while self.screen != expected:
            if not expected.startswith(self.screen):
                return False
            left = deadline - time.monotonic()
            if left <= 0 or not self.read(left):
                return False
        return True

    def read(self, timeout):
        ready, _, _ = select.select([self.fd], [], [], timeout)
        if not ready:
            return False
        try:
            data = os.read(self.fd, 4096)
        except OSError:  # the program has ended and closed the terminal
            return False
        self.screen += data.decode(errors="replace").replace("\r\n", "\n")
        return bool(data)

    def type(self, keys):
        os.write(self.fd, keys.encode())

    def finish(self):
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                while self.read(0.1):
                    pass
                return os.waitstatus_to_exitcode(status)
            self.read(0.1)
        os.kill(self.pid, 9)
        os.waitpid(self.pid, 0)
        return "still running"


def main():
    program, session = sys.argv[1], sys.argv[2]
    with open(session, encoding="utf-8") as f:
        pieces = re.split(r"\[\[(.*?)\]\]", f.read())
    terminal = Terminal(program)
    expected = pieces[0]
    for answer, after in zip(pieces[1::2], pieces[2::2]):
        if not terminal.wait_for(expected):
            print(f"before typing {answer!r} the screen should read:\n{expected}\n"
                  f"but it reads:\n{terminal.screen}")
            terminal.finish()
            return 1
        if answer == "^D":
            terminal.type("\x04")
            expected += after
        else:
            terminal.type(answer + "\r")
            expected += answer + after
    ok = terminal.wait_for(expected)
    status = terminal.finish()
    if not ok or terminal.screen != expected or status != 0:
        print(f"exit status {status}; the screen should read:\n{expected}\n"
              f"but it reads:\n{terminal.screen}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

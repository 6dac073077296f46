#!/usr/bin/env python3
"""Types a whole session into a program running on a pseudo-terminal, one answer at a time.

The session file is the screen as the user sees it. A typed answer is written [[answer]] and is
followed by the line break its Enter makes. Inside the brackets ^D is Ctrl-D: [[^D]] is Ctrl-D
alone, and an answer holding ^D is typed without Enter (so [[2^D^D]] is "2" handed over with one
Ctrl-D, then the end of the input with a second); ⏎ is one more Enter, so [[John⏎]] pastes two
lines. An answer is written to the terminal in one go, once everything before it is on the
screen, so a prompt that is not flushed before the program waits makes the session stall and
fail. The whole screen must match at the end, and the program must exit with status 0. The
name tells a session's kind: *_typed_ahead: every answer is typed before the program starts;
*_read_error: standard input is the terminal opened for writing only, and the status must be 1;
*_to_another_terminal or *_from_another_terminal: standard output, or input, is a second
terminal (the file is output's screen, answers marked); *_to_dev_tty: standard output is
/dev/tty; *_left_nonblocking: the terminal is non-blocking; *_not_canonical: it is not in
canonical mode, with MIN 0 and TIME 0.
"""
import codecs
import fcntl
import os
import pty
import re
import select
import subprocess
import sys
import time

WAIT = 30.0  # seconds for any one piece of output to appear; only a fault waits that long
CTRL_D = "^D"
ENTER = "\u23ce"


class Terminal:
    def __init__(self, program, session):
        output, screen = os.openpty()
        self.start, go = os.pipe()
        self.pid, self.keys = pty.fork()
        if self.pid == 0:
            os.read(self.start, 1)
            if session.endswith("_read_error.screen"):
                os.dup2(os.open("/dev/tty", os.O_WRONLY), 0)
            if session.endswith("_left_nonblocking.screen"):
                fcntl.fcntl(0, fcntl.F_SETFL, os.O_NONBLOCK)
            if session.endswith("_not_canonical.screen"):
                subprocess.run(["stty", "-icanon", "min", "0", "time", "0"], check=True)
            if session.endswith("_to_another_terminal.screen"):
                os.dup2(screen, 1)
            if session.endswith("_from_another_terminal.screen"):
                os.dup2(screen, 0)
            if session.endswith("_to_dev_tty.screen"):
                os.dup2(os.open("/dev/tty", os.O_WRONLY), 1)
            os.execv(program, [program])
        os.close(screen)
        self.start = go
        if not session.endswith("_typed_ahead.screen"):
            self.go()
        self.fd = output if session.endswith("_to_another_terminal.screen") else self.keys
        if session.endswith("_from_another_terminal.screen"):
            self.keys = output
        # Bytes as they come; a read may end inside a CR LF pair or a UTF-8 character.
        self.raw = b""

    @property
    def screen(self):
        """What is on the screen so far, without a character or CR LF pair still incomplete."""
        text = codecs.getincrementaldecoder("utf-8")("replace").decode(self.raw)
        return text.removesuffix("\r").replace("\r\n", "\n")

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
        self.raw += data
        return bool(data)

    def go(self):
        os.write(self.start, b"!")

    def type(self, keys):
        os.write(self.keys, keys.encode())

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
    terminal = Terminal(program, session)
    echoed = terminal.fd == terminal.keys
    expected = pieces[0]
    for answer, after in zip(pieces[1::2], pieces[2::2]):
        if not terminal.wait_for(expected):
            print(f"before typing {answer!r} the screen should read:\n{expected}\n"
                  f"but it reads:\n{terminal.screen}")
            terminal.finish()
            return 1
        # Ctrl-D is not echoed; the last Enter shows as the line break that follows in the file.
        keys = answer.replace(CTRL_D, "\x04").replace(ENTER, "\r")
        terminal.type(keys if CTRL_D in answer else keys + "\r")
        expected += (answer.replace(CTRL_D, "").replace(ENTER, "\n") if echoed else "") + after
    if session.endswith("_typed_ahead.screen"):
        terminal.go()
    ok = terminal.wait_for(expected)
    status = terminal.finish()
    if not ok or terminal.screen != expected or status != session.endswith("_read_error.screen"):
        print(f"exit status {status}; the screen should read:\n{expected}\n"
              f"but it reads:\n{terminal.screen}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

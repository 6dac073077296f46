#!/usr/bin/env python3
"""What each program does with a command line, the way GNU programs answer one.

usage: command_line.py BIN_DIR VERSION PROGRAM...
Every row runs every program with the row's arguments, with a directory as standard input, so
that any read would end the program with a read error: --help, --version and misuse read nothing.
"""
import os
import subprocess
import sys

TRY = "Try 'PROGRAM --help' for more information.\n"
HELP = "the usage text"
VERSION = "the version text"

CASES = [
    # arguments, exit status, standard output, standard error; PROGRAM stands for the name
    (["--help"], 0, HELP, ""),
    (["--he"], 0, HELP, ""),
    (["--help", "--bogus"], 0, HELP, ""),
    (["extra", "--help"], 0, HELP, ""),
    (["--version"], 0, VERSION, ""),
    (["--v"], 0, VERSION, ""),
    (["--version", "--help"], 0, VERSION, ""),
    (["--bogus"], 2, "", "PROGRAM: unrecognized option '--bogus'\n" + TRY),
    (["--bogus", "--help"], 2, "", "PROGRAM: unrecognized option '--bogus'\n" + TRY),
    (["extra", "--bogus"], 2, "", "PROGRAM: unrecognized option '--bogus'\n" + TRY),
    (["--helpful"], 2, "", "PROGRAM: unrecognized option '--helpful'\n" + TRY),
    (["--help=x"], 2, "", "PROGRAM: option '--help' doesn't allow an argument\n" + TRY),
    (["--vers=1"], 2, "", "PROGRAM: option '--version' doesn't allow an argument\n" + TRY),
    (["-x"], 2, "", "PROGRAM: invalid option -- 'x'\n" + TRY),
    (["-hv"], 2, "", "PROGRAM: invalid option -- 'h'\n" + TRY),
    (["extra"], 2, "", "PROGRAM: extra operand 'extra'\n" + TRY),
    (["one", "two"], 2, "", "PROGRAM: extra operand 'one'\n" + TRY),
    (["-"], 2, "", "PROGRAM: extra operand '-'\n" + TRY),
    (["--", "--help"], 2, "", "PROGRAM: extra operand '--help'\n" + TRY),
]


def wrong_text(output, kind, program, version):
    """What is wrong with output as the usage or version text, or None."""
    lines = output.splitlines()
    if kind == HELP:
        sentence = lines[1] if len(lines) > 1 else ""
        expected = [f"Usage: {program}", sentence, "",
                    "      --help     display this help and exit",
                    "      --version  output version information and exit", "",
                    f"Full documentation: man {program}"]
        if lines == expected and sentence.endswith(".") and output.endswith("\n"):
            return None
        return f"not a usage text: {output!r}"
    if lines[:1] == [f"{program} (ardo console) {version}"] and "License MIT" in output:
        return None
    return f"not the version text of {version}: {output!r}"


def main():
    bin_dir, version, programs = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = 0
    for program in programs:
        for arguments, status, output, errors in CASES:
            directory = os.open("/", os.O_RDONLY)
            result = subprocess.run([os.path.join(bin_dir, program)] + arguments,
                                    stdin=directory, capture_output=True, timeout=60)
            os.close(directory)
            got_output = result.stdout.decode(errors="replace")
            got_errors = result.stderr.decode(errors="replace")
            expected_errors = errors.replace("PROGRAM", program)
            problems = []
            if result.returncode != status:
                problems.append(f"status {result.returncode}, expected {status}")
            if output in (HELP, VERSION):
                problem = wrong_text(got_output, output, program, version)
                problems += [problem] if problem else []
            elif got_output != output:
                problems.append(f"standard output {got_output!r}, expected {output!r}")
            if got_errors != expected_errors:
                problems.append(f"standard error {got_errors!r}, expected {expected_errors!r}")
            if problems:
                failures += 1
                print(f"FAIL {program} {' '.join(arguments)}: " + "; ".join(problems))
    print(f"{len(programs) * len(CASES) - failures} of {len(programs) * len(CASES)} runs as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

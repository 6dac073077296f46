#!/usr/bin/env python3
"""What each program does with a command line, the way GNU programs answer one.

usage: command_line.py BIN_DIR VERSION PROGRAM...
Every row runs every program with the row's arguments, with a directory as standard input, so
that any read would end the program with a read error: --help, --version and misuse read nothing.
No line of standard output is wider than 80 columns.
"""
import os
import re
import subprocess
import sys

# Patterns for standard output; PROGRAM and VERSION stand for the program's name and version.
HELP = (r"Usage: PROGRAM \[OPTION\]\n(?:[^\n]+\n)*[^\n]+\.\n\n"
        r"      --help     display this help and exit\n"
        r"      --version  output version information and exit\n\nFull documentation: man PROGRAM\n")
VERSION = (r"PROGRAM \(ardo console\) VERSION\nCopyright \(C\) [0-9]{4} [^\n]+\n"
           r"License MIT: [^\n]+\n(?:[^\n]+\n)*")
TRY = "\nTry 'PROGRAM --help' for more information.\n"

CASES = [
    # arguments, exit status, standard output, standard error
    (["--help"], 0, HELP, ""),
    (["--he"], 0, HELP, ""),
    (["--help", "--bogus"], 0, HELP, ""),
    (["extra", "--help"], 0, HELP, ""),
    (["--version"], 0, VERSION, ""),
    (["--v"], 0, VERSION, ""),
    (["--version", "--help"], 0, VERSION, ""),
    (["--bogus"], 2, "", "PROGRAM: unrecognized option '--bogus'" + TRY),
    (["--bogus", "--help"], 2, "", "PROGRAM: unrecognized option '--bogus'" + TRY),
    (["extra", "--bogus"], 2, "", "PROGRAM: unrecognized option '--bogus'" + TRY),
    (["--helpful"], 2, "", "PROGRAM: unrecognized option '--helpful'" + TRY),
    (["--help=x"], 2, "", "PROGRAM: option '--help' doesn't allow an argument" + TRY),
    (["--vers=1"], 2, "", "PROGRAM: option '--version' doesn't allow an argument" + TRY),
    (["-x"], 2, "", "PROGRAM: invalid option -- 'x'" + TRY),
    (["-hv"], 2, "", "PROGRAM: invalid option -- 'h'" + TRY),
    (["extra"], 2, "", "PROGRAM: extra operand 'extra'" + TRY),
    (["one", "two"], 2, "", "PROGRAM: extra operand 'one'" + TRY),
    (["-"], 2, "", "PROGRAM: extra operand '-'" + TRY),
    (["--", "--help"], 2, "", "PROGRAM: extra operand '--help'" + TRY),
    # Quoted as a shell reads it back, one line each, cut with the quotes closed.
    (["a\nb"], 2, "", "PROGRAM: extra operand 'a'$'\\n''b'" + TRY),
    (["-\x1b"], 2, "", "PROGRAM: invalid option -- ''$'\\033'" + TRY),
    (["--it's"], 2, "", "PROGRAM: unrecognized option \"--it's\"" + TRY),
    # In double quotes where a single quote is all that needs quoting, as GNU writes it: '#' and
    # '~' only first, and nothing that means more there, such as '$'.
    (["it's here"], 2, "", "PROGRAM: extra operand \"it's here\"" + TRY),
    (["~'"], 2, "", "PROGRAM: extra operand \"~'\"" + TRY),
    (["~~'"], 2, "", "PROGRAM: extra operand '~~'\\'''" + TRY),
    (["a'b$c"], 2, "", "PROGRAM: extra operand 'a'\\''b$c'" + TRY),
    (["'" + "x" * 200], 2, "", "PROGRAM: extra operand \"'" + "x" * 143 + "\"" + TRY),
    # Every byte outside printable ASCII is escaped: letters, C1 controls, U+2028, invalid bytes.
    (["café"], 2, "", "PROGRAM: extra operand 'caf'$'\\303\\251'" + TRY),
    (["\u009b[31m"], 2, "", "PROGRAM: extra operand ''$'\\302\\233''[31m'" + TRY),
    (["a\u2028b"], 2, "", "PROGRAM: extra operand 'a'$'\\342\\200\\250''b'" + TRY),
    (["\udcff"], 2, "", "PROGRAM: extra operand ''$'\\377'" + TRY),
    (["\a\r"], 2, "", "PROGRAM: extra operand ''$'\\a\\r'" + TRY),
    (["\x7f"], 2, "", "PROGRAM: extra operand ''$'\\177'" + TRY),
    (["é" * 100], 2, "", "PROGRAM: extra operand ''$'" + "\\303\\251" * 17 + "\\303'" + TRY),
    (["--" + "x" * 200], 2, "", "PROGRAM: unrecognized option '--" + "x" * 136 + "'" + TRY),
    (["--="], 2, "",
     "PROGRAM: option '--=' is ambiguous; possibilities: '--help' '--version'" + TRY),
]


def main():
    bin_dir, version, programs = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = 0
    for program in programs:
        for arguments, status, output, errors in CASES:
            directory = os.open("/", os.O_RDONLY)
            result = subprocess.run([os.path.join(bin_dir, program)] + arguments,
                                    stdin=directory, capture_output=True, timeout=60)
            os.close(directory)
            got = (result.returncode, result.stdout.decode(errors="replace"),
                   result.stderr.decode(errors="replace"))
            pattern = output.replace("PROGRAM", program).replace("VERSION", re.escape(version))
            expected_errors = errors.replace("PROGRAM", program)
            if (got[0], got[2]) != (status, expected_errors) or \
                    not re.fullmatch(pattern, got[1], re.DOTALL) or \
                    max(map(len, got[1].splitlines()), default=0) > 80:
                failures += 1
                print(f"FAIL {program} {' '.join(arguments)}: status, output and errors {got}")
    runs = len(programs) * len(CASES)
    print(f"{runs - failures} of {runs} runs as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

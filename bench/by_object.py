#!/usr/bin/env python3
"""Instructions per pass by where they run: the program's own code, the C++ library, the C
library and the rest (the dynamic loader, valgrind's preload), from two callgrind outputs.

usage: by_object.py PROGRAM SHORT.out LONG.out PASSES [LABEL]
The figures are (LONG - SHORT) / PASSES for each object, as for the totals: start-up cancels out.
Prints one Markdown table row: | LABEL | own | C++ library | C library | rest |, LABEL being the
program's name unless given.
"""
import collections
import os
import re
import sys


def exclusive(path, program):
    """Instructions spent in each group, from one callgrind output file."""
    names = {}
    spent = collections.Counter()
    group = "rest"
    call_cost_follows = False
    with open(path) as f:
        for line in f:
            if call_cost_follows:  # the inclusive cost of a call: counted where it is spent
                call_cost_follows = False
                continue
            found = re.match(r"c?ob=\((\d+)\)\s*(.*)", line)
            if found and found.group(2):  # an object is named where it first appears
                names[found.group(1)] = found.group(2).strip()
            if line.startswith("ob="):
                name = os.path.basename(names[found.group(1)])
                group = ("own" if name == program else "libstdc++" if "c++" in name else
                         "libc" if name.startswith("libc.so") else "rest")
            elif line.startswith("calls="):
                call_cost_follows = True
            elif line[:1] in "0123456789+-*":
                fields = line.split()
                if len(fields) > 1:
                    spent[group] += int(fields[1])
    return spent


def main():
    program, short, long, passes = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
    name = os.path.basename(program)
    before, after = exclusive(short, name), exclusive(long, name)
    cells = [f"{(after[g] - before[g]) / passes:.1f}" for g in ("own", "libstdc++", "libc", "rest")]
    label = sys.argv[5] if len(sys.argv) > 5 else name
    print(f"| {label} | " + " | ".join(cells) + " |")


if __name__ == "__main__":
    main()

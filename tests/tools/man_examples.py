#!/usr/bin/env python3
"""Checks that every line of a manual page's examples is a line the program really prints, that
none is wider than 80 columns, and that every page's title names VERSION and one date.

usage: man_examples.py PAGE [--version=VERSION] REFERENCE...
The examples are the .EX/.EE blocks of PAGE, or its ```text blocks when PAGE is Markdown; a
"$ command" line is the shell prompt and is skipped. Each other line must appear among the lines
of the references: transcript outputs, or terminal screens (tests/terminal/*.screen, where typed
answers are marked [[answer]], as they may be in the examples too).
"""
import glob
import os
import re
import shlex
import sys

ESCAPES = {r"\-": "-", r"\e": "\\", r"\(dq": '"', r"\&": ""}


def example_lines(page):
    lines, inside = [], False
    start, end = ("```text", "```") if page.endswith(".md") else (".EX", ".EE")
    with open(page, encoding="utf-8") as f:
        for line in f.read().splitlines():
            if line.startswith(start) and not inside:
                inside = True
            elif line.startswith(end) and inside:
                inside = False
            elif inside:
                for escape, text in ESCAPES.items():
                    line = line.replace(escape, text)
                if "\\" in line:
                    sys.exit(f"{page}: unknown escape in example line {line!r}")
                lines.append(line)
    return lines


def unmarked(text):
    """text with typed answers as the screen shows them: Ctrl-D is not echoed."""
    return re.sub(r"\[\[(.*?)\]\]", lambda m: m.group(1).replace("^D", ""), text)


def reference_lines(path):
    with open(path, encoding="utf-8") as f:
        return {line.rstrip() for line in unmarked(f.read()).splitlines()}


def title(page):  # the .TH line's date and source, "ardo console VERSION"
    with open(page, encoding="utf-8") as f:
        return tuple(shlex.split(f.readline())[3:5])


def main():
    page, references = sys.argv[1], sys.argv[2:]
    if references[0].startswith("--version="):
        version = references.pop(0).removeprefix("--version=")
        titles = {title(p) for p in glob.glob(os.path.join(os.path.dirname(page), "*.1"))}
        if titles != {(title(page)[0], f"ardo console {version}")}:
            sys.exit(f"every page's title should name ardo console {version} and one date: {titles}")
    known = set().union(*(reference_lines(r) for r in references))
    examples = [unmarked(line) for line in example_lines(page) if not line.startswith("$ ")]
    if not examples:
        sys.exit(f"{page}: no examples")
    missing = [line for line in examples if line.rstrip() not in known]
    for line in missing:
        print(f"{page}: the program never prints {line!r}")
    wide = [line for line in example_lines(page) if len(line) > 80]
    for line in wide:
        print(f"{page}: wider than 80 columns: {line!r}")
    return 1 if missing or wide else 0


if __name__ == "__main__":
    sys.exit(main())

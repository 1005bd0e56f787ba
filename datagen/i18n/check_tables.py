#!/usr/bin/env python3
"""Checks the shipped interface language tables against the English one.

Every table must be UTF-8 with a byte-order mark, use line feeds only, hold
exactly 100 lines, keep the placeholders and markup of each English line, and
leave the lines the program keeps empty (86, 87) empty, and give different
words to lines that name different things side by side.

Usage: datagen/i18n/check_tables.py [folder ...]   (default: all 24)
"""
import pathlib
import re
import sys

FOLDERS = ["enu", "deu", "sve", "fra", "nld", "ita", "esp", "dan", "fin", "nor", "ell", "ptb",
           "rus", "plk", "hun", "csy", "slv", "sky", "rom", "chs", "kor", "jpn", "ara", "tur"]
ROOT = pathlib.Path(__file__).resolve().parents[2] / "resources" / "i18n"
TOKENS = re.compile(r"%\d|<br>|\\n")
CODES = re.compile(r"[A-Z]+\d\d[～–][A-Z]+\d\d")
# Scripts written with full-width forms keep them in the outline group
# captions; the others use plain brackets and a dash, which every font has.
FULL_WIDTH = {"chs", "jpn"}
# Lines a reader meets together and must tell apart: the line tool and the
# font, start and end of shape editing, copy and cut, the two fitting buttons.
DISTINCT = [(7, 33), (40, 41), (53, 54), (72, 73)]


def read(folder, root=ROOT):
    raw = (root / folder / "lan.txt").read_bytes()
    problems = []
    if not raw.startswith(b"\xef\xbb\xbf"):
        problems.append("no byte-order mark")
    if b"\r" in raw:
        problems.append("carriage returns")
    text = raw.decode("utf-8-sig")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines, problems


def check(folder, english, root=ROOT):
    lines, problems = read(folder, root)
    if len(lines) != 100:
        return problems + [f"{len(lines)} lines instead of 100"]
    for n, (line, eng) in enumerate(zip(lines, english)):
        line, eng = line.strip(), eng.strip()
        if n in (86, 87):
            if line:
                problems.append(f"line {n} must stay empty")
            continue
        if not line:
            problems.append(f"line {n} is empty")
        if sorted(TOKENS.findall(line)) != sorted(TOKENS.findall(eng)):
            problems.append(f"line {n} does not keep the placeholders of {eng!r}")
        plain = [c.replace("～", "–") for c in CODES.findall(line)]
        if 84 <= n <= 91 and plain != [c.replace("～", "–") for c in CODES.findall(eng)]:
            problems.append(f"line {n} must end in the model codes of {eng!r}")
        if 84 <= n <= 91 and line:
            if folder in FULL_WIDTH and not (line.endswith("）") and "（" in line):
                problems.append(f"line {n} needs the full-width parentheses")
            if folder not in FULL_WIDTH and not (line.endswith(")") and " (" in line
                                                 and not re.search("[（）～]", line)):
                problems.append(f"line {n} needs plain brackets and a dash")
    for a, b in DISTINCT:
        if lines[a].strip() == lines[b].strip():
            problems.append(f"lines {a} and {b} read the same")
    return problems


def main():
    english, problems = read("enu")
    folders = sys.argv[1:] or FOLDERS
    bad = 0
    for folder in folders:
        found = problems if folder == "enu" else check(folder, english)
        if folder == "enu" and len(english) != 100:
            found = found + ["English table must have 100 lines"]
        for p in found:
            print(f"{folder}: {p}")
        bad += bool(found)
    print("ok" if not bad else f"{bad} table(s) with problems")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())

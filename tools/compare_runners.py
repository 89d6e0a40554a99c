#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Presses the same random keys through two key-script runners and compares
what they print, byte for byte, and the settings files they leave.

    tools/compare_runners.py [--list] OLD_RUNNER NEW_RUNNER [KEYS] [SEED]

KEYS (default 1000000) are split into runs of 10000 tokens, each a fresh
process with --state and --memory, a constants library, and a settings file
that the run before it left (so loads and saves take part). Every token the
runner knows occurs: keypad tokens, KEY:0..255, MIN:/MR:/CO: answers, COPY and
PASTE: texts. Exit status 0 when both agree everywhere, 1 at the first
difference (the run's script is kept for a look).

With --list, a deliberate change is surveyed instead: each run that differs
prints its first differing line from each runner, with the keys that led to
it since the last AC, and the next run starts again from the old runner's
files; a count of the differing lines by token ends the list (exit status 1
when anything differed).
"""

import collections
import filecmp
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CONSTANTS = os.path.join(ROOT, "tests", "data", "golden_constants.txt")
RUN_LENGTH = 10000

KEYPAD = ("0 1 2 3 4 5 6 7 8 9 . EXP DEL AC C + - * / ^ ( ) = MODE SHIFT HYP "
          "SIN COS TAN LOG LN X2 SQRT NEG INV DMS").split()
DIGITS = "0 1 2 3 4 5 6 7 8 9".split()
DIALOG = ([f"{key}:{answer}" for key in ("MIN", "MR")
           for answer in [str(n) for n in range(1, 11)] + ["F", "X", "W"] + [f"F{n}" for n in range(1, 11)]]
          + [f"CO:{n}" for n in range(1, 9)] + ["CO:X"])
PASTES = ["PASTE:", "PASTE:3.25", "PASTE:-1.5E-07", "PASTE:abc", "PASTE:1e400", "PASTE:12345678901234567",
          "PASTE:-0", "PASTE:.5", "PASTE:1,5", "PASTE:0x10", "PASTE:9.99999999999999E+99"]


def token(rng):
    r = rng.random()
    if r < 0.30:
        return rng.choice(DIGITS)
    if r < 0.70:
        return rng.choice(KEYPAD)
    if r < 0.90:
        return f"KEY:{rng.randrange(256)}"
    if r < 0.96:
        return rng.choice(DIALOG)
    if r < 0.98:
        return "COPY"
    return rng.choice(PASTES)


def run(runner, script, hive, constants):
    with open(script, "rb") as keys:
        result = subprocess.run([runner, "--state", "--memory", "--constants", constants, "--hive", hive],
                                stdin=keys, capture_output=True, env=dict(os.environ, LC_ALL="C"))
    return result.returncode, result.stdout, result.stderr


def first_difference(tokens, old_out, new_out):
    """The index of the first differing line, the keys since the AC before it,
    and the two lines."""
    old_lines, new_lines = old_out.split(b"\n"), new_out.split(b"\n")
    for i, (a, b) in enumerate(zip(old_lines, new_lines)):
        if a != b:
            start = max((j for j in range(i) if tokens[j] in ("AC", "KEY:36")), default=-1) + 1
            return i, " ".join(tokens[max(start, i - 30):i + 1]), a, b
    i = min(len(old_lines), len(new_lines))
    return i, "", b"(end)", b"(end)"


def main():
    args = sys.argv[1:]
    listing = bool(args) and args[0] == "--list"
    if listing:
        args = args[1:]
    if len(args) < 2:
        sys.exit(__doc__)
    old, new = args[0], args[1]
    total = int(args[2]) if len(args) > 2 else 1_000_000
    rng = random.Random(int(args[3]) if len(args) > 3 else 20261207)
    changed = collections.Counter()
    work = tempfile.mkdtemp(prefix="compare-runners-")
    sides = {name: os.path.join(work, name) for name in ("old", "new")}
    for folder in sides.values():
        os.mkdir(folder)
        shutil.copy(CONSTANTS, os.path.join(folder, "constants.txt"))
    pressed = 0
    runs = 0
    while pressed < total:
        count = min(RUN_LENGTH, total - pressed)
        tokens = [token(rng) for _ in range(count)]
        script = os.path.join(work, "keys.txt")
        with open(script, "w") as out:
            for start in range(0, count, 20):
                out.write(" ".join(tokens[start:start + 20]) + "\n")
        printed = {}
        for name, runner in (("old", old), ("new", new)):
            folder = sides[name]
            printed[name] = run(runner, script, os.path.join(folder, "settings.reg"),
                                os.path.join(folder, "constants.txt"))
        if printed["old"][0] != 0 or printed["new"][0] != 0:
            print(f"run {runs + 1}: a runner failed; script kept in {script}", file=sys.stderr)
            for name in ("old", "new"):
                print(f"  {name}: exit {printed[name][0]}, {printed[name][2].decode(errors='replace')}", file=sys.stderr)
            return 1
        if listing and printed["old"] != printed["new"]:
            line, keys, a, b = first_difference(tokens, printed["old"][1], printed["new"][1])
            changed[tokens[line] if line < len(tokens) else "(end)"] += 1
            print(f"run {runs + 1}, key {line + 1}: {keys}\n  old: {a.decode(errors='replace')}\n"
                  f"  new: {b.decode(errors='replace')}")
            for file in ("settings.reg", "constants.txt"):
                source = os.path.join(sides["old"], file)
                if os.path.exists(source):
                    shutil.copy(source, os.path.join(sides["new"], file))
            pressed += count
            runs += 1
            continue
        if printed["old"] != printed["new"]:
            print(f"run {runs + 1}: the runners differ; script kept in {script}", file=sys.stderr)
            for name in ("old", "new"):
                with open(os.path.join(work, f"{name}.out"), "wb") as out:
                    out.write(printed[name][1])
                print(f"  {name}: exit {printed[name][0]}, {printed[name][2].decode(errors='replace')}",
                      file=sys.stderr)
            return 1
        for file in ("settings.reg", "constants.txt"):
            a, b = (os.path.join(sides[n], file) for n in ("old", "new"))
            if os.path.exists(a) != os.path.exists(b) or (os.path.exists(a) and not filecmp.cmp(a, b, shallow=False)):
                print(f"run {runs + 1}: {file} differs; kept in {work}", file=sys.stderr)
                return 1
        pressed += count
        runs += 1
    shutil.rmtree(work)
    if changed:
        print(f"{pressed} keys in {runs} runs; runs that differ, by their first differing key: "
              + ", ".join(f"{token} {n}" for token, n in changed.most_common()))
        return 1
    print(f"{pressed} keys in {runs} runs: output and files identical")
    return 0


if __name__ == "__main__":
    sys.exit(main())

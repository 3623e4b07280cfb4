#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures how many realistic faults the tests catch.

Applies the mutants of tools/mutants.txt one at a time (each replaces one exact text of one
source file), rebuilds, runs CTest, records KILLED when a test fails or hangs and SURVIVED when
every test passes, puts the file back, and prints the score. A mutant that does not compile
is counted apart, as it could never reach a user.

Usage: python3 tools/mutants.py [--list FILE] [--build DIR] [--jobs N] [--min PERCENT] [ID ...]
It builds without sanitizers into build-mutants/ (the first build takes a few minutes), checks
that every test passes before the first mutant, and needs what ./test needs installed.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEYS = ("id", "file", "find", "replace", "fault")


def read_mutants(path):
    """Blocks of "key: value" lines, one block a mutant, blank lines between them; a "⏎" in
    find or replace stands for a line break."""
    mutants, block = [], {}
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n") + [""]
    for number, line in enumerate(lines, 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if block:
                missing = [k for k in KEYS if k not in block]
                if missing:
                    sys.exit(f"{path}:{number}: mutant {block.get('id', '?')} lacks {missing}")
                mutants.append(block)
                block = {}
            continue
        key, sep, value = line.partition(": ")
        if not sep or key not in KEYS or key in block:
            sys.exit(f"{path}:{number}: expected one of {', '.join(KEYS)}, each once")
        block[key] = value.replace("⏎", "\n") if key in ("find", "replace") else value
    ids = [m["id"] for m in mutants]
    if len(set(ids)) != len(ids):
        sys.exit(f"{path}: mutant ids repeat")
    return mutants


def check_applicable(mutants):
    for m in mutants:
        with open(os.path.join(ROOT, m["file"]), encoding="utf-8") as f:
            count = f.read().count(m["find"])
        if count != 1 or m["find"] == m["replace"]:
            sys.exit(f"mutant {m['id']}: its text occurs {count} times in {m['file']}, or "
                     "the replacement changes nothing")


def run(command, env=None, timeout=None):
    return subprocess.run(command, cwd=ROOT, env=env, timeout=timeout,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def build(build_dir, jobs):
    return run(["cmake", "--build", build_dir, "--parallel", str(jobs)]).returncode == 0


def tests(build_dir, jobs, env):
    """Empty when every test passes, else the names of those that failed."""
    result = run(["ctest", "--test-dir", build_dir, "--parallel", str(jobs), "--timeout", "120",
                  "--stop-on-failure"], env=env)
    if result.returncode == 0:
        return []
    failed = re.findall(r"^\s*\d+ - (\S+) \(", result.stdout, re.M)
    return failed or ["ctest"]


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("ids", nargs="*", help="only these mutants")
    p.add_argument("--list", default=os.path.join(ROOT, "tools", "mutants.txt"))
    p.add_argument("--build", default="build-mutants")
    p.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    p.add_argument("--min", type=float, default=90.0, help="lowest passing score, in percent")
    a = p.parse_args()

    mutants = read_mutants(a.list)
    if a.ids:
        mutants = [m for m in mutants if m["id"] in a.ids]
    check_applicable(mutants)
    if run(["git", "status", "--porcelain", "--untracked-files=no"]).stdout.strip():
        sys.exit("the work tree has changes: commit or stash them first")

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR") or tempfile.mkdtemp())
    print(f"building into {a.build} and running every test once unchanged...", flush=True)
    if run(["cmake", "-S", ".", "-B", a.build, "-DCMAKE_BUILD_TYPE=Debug",
            "-DORVANE_BUILD_BENCH=OFF"]).returncode != 0 or not build(a.build, a.jobs):
        sys.exit("the unchanged tree does not build")
    failed = tests(a.build, a.jobs, env)
    if failed:
        sys.exit(f"the unchanged tree fails {', '.join(failed)}")

    killed, survived, stillborn = [], [], []
    started = time.monotonic()
    for number, m in enumerate(mutants, 1):
        path = os.path.join(ROOT, m["file"])
        with open(path, encoding="utf-8") as f:
            original = f.read()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(m["find"], m["replace"]))
            if not build(a.build, a.jobs):
                verdict, stillborn = "DOES NOT COMPILE", stillborn + [m]
            else:
                failed = tests(a.build, a.jobs, env)
                if failed:
                    verdict, killed = "KILLED by " + ", ".join(failed), killed + [m]
                else:
                    verdict, survived = "SURVIVED", survived + [m]
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"[{number}/{len(mutants)}] {m['id']}: {verdict}  ({m['fault']})", flush=True)
    build(a.build, a.jobs)  # leaves the build as the tree is

    applicable = len(killed) + len(survived)
    score = 100.0 * len(killed) / applicable if applicable else 0.0
    minutes = (time.monotonic() - started) / 60
    print(f"\n{len(killed)} of {applicable} mutants killed: {score:.1f}% "
          f"({len(stillborn)} did not compile; {minutes:.0f} minutes)")
    for m in survived:
        print(f"  survived {m['id']} in {m['file']}: {m['fault']}")
    return 0 if score >= a.min else 1


if __name__ == "__main__":
    sys.exit(main())
